// ScriptedDialogs: answers the editor's questions from a script and records its messages,
// standing in for the message boxes so that tests never wait for a person.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "user_dialogs.h"

class ScriptedDialogs : public UserDialogs {
  public:
    std::vector<std::string> warnings;
    std::deque<UnsavedChangesAnswer> unsavedChangesAnswers;
    int unsavedChangesQuestions = 0;

    void ShowWarning(Gtk::Window&, const std::string& message) override {
        warnings.push_back(message);
    }

    UnsavedChangesAnswer AskAboutUnsavedChanges(Gtk::Window&) override {
        ++unsavedChangesQuestions;
        if (unsavedChangesAnswers.empty()) {
            ADD_FAILURE() << "unexpected question about unsaved changes";
            return UnsavedChangesAnswer::Cancel;
        }
        const UnsavedChangesAnswer answer = unsavedChangesAnswers.front();
        unsavedChangesAnswers.pop_front();
        return answer;
    }
};
