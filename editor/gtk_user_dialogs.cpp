// The message boxes behind UserDialogs. Texts are passed as plain text, never as markup or
// a format, so a message shows exactly the characters it holds.
#include "gtk_user_dialogs.h"

namespace {

enum UnsavedChangesResponse { kSaveResponse = 1, kDiscardResponse = 2 };

}  // namespace

std::unique_ptr<Gtk::MessageDialog> MakeWarningBox(Gtk::Window& parent,
                                                   const std::string& message) {
    return std::make_unique<Gtk::MessageDialog>(parent, message, false, Gtk::MESSAGE_WARNING,
                                                Gtk::BUTTONS_OK, true);
}

std::unique_ptr<Gtk::MessageDialog> MakeUnsavedChangesQuestion(Gtk::Window& parent) {
    auto box =
        std::make_unique<Gtk::MessageDialog>(parent, "Some open files have unsaved changes.", false,
                                             Gtk::MESSAGE_WARNING, Gtk::BUTTONS_NONE, true);
    box->set_secondary_text("Save them before closing?");
    box->add_button("_Cancel", Gtk::RESPONSE_CANCEL);
    box->add_button("_Discard changes", kDiscardResponse);
    box->add_button("_Save", kSaveResponse);
    box->set_default_response(kSaveResponse);
    return box;
}

UnsavedChangesAnswer UnsavedChangesAnswerFor(int response) {
    switch (response) {
        case kSaveResponse:
            return UnsavedChangesAnswer::Save;
        case kDiscardResponse:
            return UnsavedChangesAnswer::Discard;
        default:
            return UnsavedChangesAnswer::Cancel;
    }
}

void GtkUserDialogs::ShowWarning(Gtk::Window& parent, const std::string& message) {
    MakeWarningBox(parent, message)->run();
}

UnsavedChangesAnswer GtkUserDialogs::AskAboutUnsavedChanges(Gtk::Window& parent) {
    return UnsavedChangesAnswerFor(MakeUnsavedChangesQuestion(parent)->run());
}
