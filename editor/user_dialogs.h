// UserDialogs: every message and question the editor puts to the user goes through this
// seam. The program answers it with the toolkit's modal boxes; tests answer it themselves,
// so that no command ever waits for a person.
#pragma once

#include <string>

namespace Gtk {
class Window;
}

enum class UnsavedChangesAnswer { Save, Discard, Cancel };

class UserDialogs {
  public:
    virtual ~UserDialogs() = default;

    // A modal warning box with a single OK button, showing `message` literally; returns
    // once it has been answered.
    virtual void ShowWarning(Gtk::Window& parent, const std::string& message) = 0;

    // Asked when the main window is closed while documents have unsaved changes.
    virtual UnsavedChangesAnswer AskAboutUnsavedChanges(Gtk::Window& parent) = 0;
};
