// Re-casing driven by real key events: each character is pressed and released on a shown
// view through the toolkit's event handling, so the view's own key handling inserts the
// text and the release reaches the handler as it does when a person types.
#include <gtest/gtest.h>
#include <gtkmm/scrolledwindow.h>
#include <gtkmm/window.h>

#include "edit_view.h"
#include "editor_state_reset.h"
#include "temp_layout.h"

namespace {

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

void RunPendingEvents() {
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
}

void SendKey(Gtk::Window& window, guint keyval, GdkEventType type) {
    GdkEvent* event = gdk_event_new(type);
    event->key.window = GDK_WINDOW(g_object_ref(window.get_window()->gobj()));
    event->key.send_event = TRUE;
    event->key.time = GDK_CURRENT_TIME;
    event->key.keyval = keyval;
    GdkDisplay* display = gdk_window_get_display(event->key.window);
    GdkKeymapKey* keys = nullptr;
    gint count = 0;
    if (gdk_keymap_get_entries_for_keyval(gdk_keymap_get_for_display(display), keyval, &keys,
                                          &count)) {
        event->key.hardware_keycode = static_cast<guint16>(keys[0].keycode);
        event->key.group = static_cast<guint8>(keys[0].group);
        g_free(keys);
    }
    gdk_event_set_device(event, gdk_seat_get_keyboard(gdk_display_get_default_seat(display)));
    gtk_main_do_event(event);
    gdk_event_free(event);
    RunPendingEvents();
}

void PressAndRelease(Gtk::Window& window, guint keyval) {
    SendKey(window, keyval, GDK_KEY_PRESS);
    SendKey(window, keyval, GDK_KEY_RELEASE);
}

void TypeKeys(Gtk::Window& window, const std::string& text) {
    for (const char c : text) {
        PressAndRelease(window, gdk_unicode_to_keyval(static_cast<guchar>(c)));
    }
}

class EditViewKeysTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetEditorState();
        layout.WriteConfigFile("functions.txt", "Print:prints values\nLen:length\n");
        layout.WriteConfigFile("keywords.txt", "If:if\n");
        appDir = layout.Root();
        CaptureStderr();
        view = std::make_unique<EditView>();
        GetCapturedStderr();
        scroller.add(view->view);
        window.add(scroller);
        window.show_all();
        view->view.grab_focus();
        RunPendingEvents();
    }
    void TearDown() override {
        scroller.remove();
        ResetEditorState();
    }

    TempLayout layout;
    Gtk::Window window;
    Gtk::ScrolledWindow scroller;
    std::unique_ptr<EditView> view;
};

TEST_F(EditViewKeysTest, TypedWordsAreRecasedWhenFinished) {
    const std::pair<const char*, const char*> cases[] = {
        {"print ", "Print "},
        {"if len_", "If Len_"},
        {"x = \"print \" ' print ", "x = \"print \" ' print "},
        {"printer ", "printer "},
    };
    for (const auto& [typed, result] : cases) {
        view->buffer->set_text("");
        view->lastCursor = -1;
        view->currentWord.reset();
        TypeKeys(window, typed);
        EXPECT_EQ(view->buffer->get_text(), result) << typed;
    }
}

TEST_F(EditViewKeysTest, ShiftAloneLeavesTheWordBeingTyped) {
    TypeKeys(window, "print");
    PressAndRelease(window, GDK_KEY_Shift_L);
    EXPECT_EQ(view->buffer->get_text(), "print");
    EXPECT_EQ(view->currentWord, "print");
    TypeKeys(window, " ");
    EXPECT_EQ(view->buffer->get_text(), "Print ");
}

}  // namespace
