// TolvaEditor: the main window. A toolbar with the editor's commands, a notebook with one
// tab per open document and the output pane of the translator; it publishes the notebook
// and the pane through the editor-wide state and reports problems with Notify.
#pragma once

#include <gtkmm/toolbar.h>
#include <gtkmm/window.h>

#include <string>

#include "icon_registry.h"
#include "user_dialogs.h"

class TolvaEditor : public Gtk::Window {
  public:
    explicit TolvaEditor(UserDialogs& dialogs);
    ~TolvaEditor() override;

    // Shows `message` literally in a modal warning box over this window.
    void Notify(const std::string& message);

    // Opens a tab for the file at `filePath` with the plain text label `label`, as document
    // number `page`; reading problems are shown with Notify and the tab still opens.
    void OpenTab(const std::string& filePath, const std::string& label, int page);

    const IconRegistry& Icons() const;

    // Toolbar commands. All but the two project commands act only while a project is open.
    void on_new_project_clicked();
    void on_open_project_clicked();
    void on_new_file_clicked();
    void on_open_clicked();
    void on_save_clicked();
    void on_save__all_clicked();
    void on_close_file_clicked();
    void on_open_project_dir_clicked();
    void on_project_settings_clicked();
    void on_start_clicked();
    void on_build_clicked();
    void on_open_output_dir_clicked();

  protected:
    // Closing with unsaved changes asks first; the window stays when the user cancels or
    // a save fails.
    bool on_delete_event(GdkEventAny* event) override;

  private:
    void CreateToolbar(Gtk::Toolbar& toolbar);
    void RegisterIcons();
    bool SaveModifiedDocuments();

    UserDialogs& dialogs;
    IconRegistry icons;
};
