// The main window: construction of its widget tree, the toolbar built from a table of
// buttons, the tab opening shared by the file and project commands, and the question asked
// before unsaved changes would be lost by closing the window.
#include "tolva_editor.h"

#include <gtkmm/box.h>
#include <gtkmm/image.h>
#include <gtkmm/label.h>
#include <gtkmm/notebook.h>
#include <gtkmm/scrolledwindow.h>
#include <gtkmm/separatortoolitem.h>
#include <gtkmm/textview.h>
#include <gtkmm/toolbutton.h>

#include <algorithm>
#include <memory>

#include "app_location.h"
#include "edit_view.h"
#include "editor_state.h"

namespace {

const char* const kWelcomeText =
    "Welcome to TolvaBasic\n"
    "The 'nix Edition (Version: 1.3)\n"
    "\n"
    "Made by the TolvaBasic developers; free to use and to share.\n";

struct IconFile {
    const char* file;
    const char* name;
};

// In the order they are registered; "project-explorer-icon" is on no button.
const IconFile kIconFiles[] = {
    {"newproject.bmp", "new-project-icon"},
    {"openproject.bmp", "open-project-icon"},
    {"newfile.bmp", "new-file-icon"},
    {"openfile.bmp", "open-file-icon"},
    {"savefile.bmp", "save-file-icon"},
    {"saveall.bmp", "save-all-icon"},
    {"closefile.bmp", "close-file-icon"},
    {"projectexplorer.bmp", "project-explorer-icon"},
    {"opencontainingfolder.bmp", "open-project-folder-icon"},
    {"settings.bmp", "project-settings-icon"},
    {"start.bmp", "start-icon"},
    {"build.bmp", "build-icon"},
    {"openoutputdir.bmp", "open-output-dir-icon"},
};

struct ToolbarEntry {
    const char* iconName;  // null for a separator
    const char* tooltip;
    void (TolvaEditor::*handler)();
    bool needsProject;
};

// The toolbar from left to right.
const ToolbarEntry kToolbar[] = {
    {"new-project-icon", "Create a new project.", &TolvaEditor::on_new_project_clicked, false},
    {"open-project-icon", "Open an existing project.", &TolvaEditor::on_open_project_clicked,
     false},
    {nullptr, nullptr, nullptr, false},
    {"new-file-icon", "Create a new file.", &TolvaEditor::on_new_file_clicked, true},
    {"open-file-icon", "Open an existing file.", &TolvaEditor::on_open_clicked, true},
    {"save-file-icon", "Save the current file.", &TolvaEditor::on_save_clicked, true},
    {"save-all-icon", "Save all opened files.", &TolvaEditor::on_save__all_clicked, true},
    {"close-file-icon", "Close the current file.", &TolvaEditor::on_close_file_clicked, true},
    {"open-project-folder-icon", "Explore the project's root folder.",
     &TolvaEditor::on_open_project_dir_clicked, true},
    {nullptr, nullptr, nullptr, false},
    {"project-settings-icon", "Edit project settings.", &TolvaEditor::on_project_settings_clicked,
     true},
    {"start-icon", "Build and run the project.", &TolvaEditor::on_start_clicked, true},
    {"build-icon", "Build the project.", &TolvaEditor::on_build_clicked, true},
    {"open-output-dir-icon", "Explore the output directory.",
     &TolvaEditor::on_open_output_dir_clicked, true},
};

constexpr int kOutputPaneHeight = 120;

Gtk::ScrolledWindow& ScrolledAround(Gtk::Widget& widget) {
    auto* scroller = Gtk::make_managed<Gtk::ScrolledWindow>();
    scroller->set_policy(Gtk::POLICY_AUTOMATIC, Gtk::POLICY_AUTOMATIC);
    scroller->add(widget);
    return *scroller;
}

}  // namespace

TolvaEditor::TolvaEditor(UserDialogs& dialogs) : dialogs(dialogs) {
    set_title("TolvaBasic ('nix Edition)");
    set_default_size(640, 480);
    set_position(Gtk::WIN_POS_CENTER);

    auto* toolbar = Gtk::make_managed<Gtk::Toolbar>();
    toolbar->get_style_context()->add_class("primary-toolbar");
    CreateToolbar(*toolbar);

    documents.clear();
    notebook = Gtk::make_managed<Gtk::Notebook>();
    outputPane = Gtk::make_managed<Gtk::TextView>();
    outputPane->get_buffer()->set_text(kWelcomeText);

    auto* box = Gtk::make_managed<Gtk::Box>(Gtk::ORIENTATION_VERTICAL, 0);
    box->pack_start(*toolbar, false, true, 5);
    box->pack_start(*notebook, true, true, 5);
    box->pack_start(*Gtk::make_managed<Gtk::Label>("Output"), false, true, 0);
    // Tall enough for the welcome text and a few lines of the translator's report.
    Gtk::ScrolledWindow& outputScroller = ScrolledAround(*outputPane);
    outputScroller.set_min_content_height(kOutputPaneHeight);
    box->pack_end(outputScroller, false, true, 5);
    add(*box);

    projectPath.clear();
    projectFilePath.clear();
}

TolvaEditor::~TolvaEditor() {
    documents.clear();
    notebook = nullptr;
    outputPane = nullptr;
}

void TolvaEditor::Notify(const std::string& message) { dialogs.ShowWarning(*this, message); }

void TolvaEditor::OpenTab(const std::string& filePath, const std::string& label, int page) {
    auto document = std::make_shared<EditView>();
    document->page = page;
    document->filePath = filePath;
    if (const std::optional<std::string> problem = document->Load()) Notify(*problem);
    notebook->append_page(ScrolledAround(document->view), label);
    documents.push_back(document);
    notebook->show_all();
}

const IconRegistry& TolvaEditor::Icons() const { return icons; }

void TolvaEditor::RegisterIcons() {
    for (const IconFile& icon : kIconFiles) icons.Register(icon.name, ConfigFile(icon.file));
}

void TolvaEditor::CreateToolbar(Gtk::Toolbar& toolbar) {
    RegisterIcons();
    toolbar.set_toolbar_style(Gtk::TOOLBAR_ICONS);
    for (const ToolbarEntry& entry : kToolbar) {
        if (entry.iconName == nullptr) {
            toolbar.append(*Gtk::make_managed<Gtk::SeparatorToolItem>());
            continue;
        }
        auto* button = Gtk::make_managed<Gtk::ToolButton>();
        if (const Glib::RefPtr<Gdk::Pixbuf> image = icons.Find(entry.iconName)) {
            button->set_icon_widget(*Gtk::make_managed<Gtk::Image>(image));
        }
        button->set_tooltip_text(entry.tooltip);
        button->signal_clicked().connect([this, &entry] {
            if (entry.needsProject && !currentProject) return;
            (this->*entry.handler)();
        });
        toolbar.append(*button);
    }
}

bool TolvaEditor::on_delete_event(GdkEventAny*) {
    const bool unsaved = std::any_of(documents.begin(), documents.end(), [](const auto& document) {
        return document->HasUnsavedChanges();
    });
    if (!unsaved) return false;
    const UnsavedChangesAnswer answer = dialogs.AskAboutUnsavedChanges(*this);
    if (answer == UnsavedChangesAnswer::Save) return !SaveModifiedDocuments();
    return answer == UnsavedChangesAnswer::Cancel;
}

// Saves every document with unsaved changes, showing each failure; true when all were saved.
bool TolvaEditor::SaveModifiedDocuments() {
    bool allSaved = true;
    for (const std::shared_ptr<EditView>& document : documents) {
        if (!document->HasUnsavedChanges()) continue;
        if (const std::optional<std::string> error = document->Save()) {
            Notify(*error);
            allSaved = false;
        }
    }
    return allSaved;
}

// The work of the commands below belongs to the file, project, build and settings commands;
// until those are in place a click does nothing.
void TolvaEditor::on_new_project_clicked() {}
void TolvaEditor::on_open_project_clicked() {}
void TolvaEditor::on_new_file_clicked() {}
void TolvaEditor::on_open_clicked() {}
void TolvaEditor::on_save_clicked() {}
void TolvaEditor::on_save__all_clicked() {}
void TolvaEditor::on_close_file_clicked() {}
void TolvaEditor::on_open_project_dir_clicked() {}
void TolvaEditor::on_project_settings_clicked() {}
void TolvaEditor::on_start_clicked() {}
void TolvaEditor::on_build_clicked() {}
void TolvaEditor::on_open_output_dir_clicked() {}
