// Start-up of the editor. The process arguments go to the toolkit alone; the editor has no
// options of its own. The application object only runs the main loop, which ends when the
// main window is closed.
#include "editor_main.h"

#include <gtkmm/application.h>

#include <memory>

#include "app_location.h"
#include "gtk_user_dialogs.h"
#include "tolva_editor.h"

int tolva_editor_main(int argc, char** argv) {
    gtk_init(&argc, &argv);
    LocateApplication();
    const Glib::RefPtr<Gtk::Application> application =
        Gtk::Application::create(Glib::ustring(), Gio::APPLICATION_NON_UNIQUE);
    GtkUserDialogs dialogs;
    auto window = std::make_unique<TolvaEditor>(dialogs);
    window->show_all();
    application->run(*window);
    window.reset();
    return 0;
}
