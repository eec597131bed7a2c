// Entry point of the window and view tests: they need a display, and skip (exit status 77)
// when there is none, instead of failing for a reason that is not the editor's.
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <gtkmm/application.h>

#include <iostream>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // The windows open on the X server the tests were given, typed keys reach the views
    // through the plain input method, and no accessibility service is looked for, whatever
    // the desktop around the tests would choose.
    g_setenv("GDK_BACKEND", "x11", TRUE);
    g_setenv("GTK_IM_MODULE", "gtk-im-context-simple", TRUE);
    g_setenv("NO_AT_BRIDGE", "1", TRUE);
    if (!gtk_init_check(&argc, &argv)) {
        std::cerr << "No display to open windows on; skipping the editor's window tests.\n";
        return 77;
    }
    // The application object sets up the toolkit's C++ wrappers; its main loop is not run.
    const auto application = Gtk::Application::create(Glib::ustring(), Gio::APPLICATION_NON_UNIQUE);
    return RUN_ALL_TESTS();
}
