// GtkUserDialogs: the editor's questions and messages as the toolkit's modal message boxes,
// parented to the window that asks. The boxes are built by separate functions so that their
// content can be checked without showing them.
#pragma once

#include <gtkmm/messagedialog.h>

#include <memory>

#include "user_dialogs.h"

class GtkUserDialogs : public UserDialogs {
  public:
    void ShowWarning(Gtk::Window& parent, const std::string& message) override;
    UnsavedChangesAnswer AskAboutUnsavedChanges(Gtk::Window& parent) override;
};

std::unique_ptr<Gtk::MessageDialog> MakeWarningBox(Gtk::Window& parent, const std::string& message);
std::unique_ptr<Gtk::MessageDialog> MakeUnsavedChangesQuestion(Gtk::Window& parent);

// The answer a response of the unsaved-changes question stands for; closing the box
// without choosing is a cancel.
UnsavedChangesAnswer UnsavedChangesAnswerFor(int response);
