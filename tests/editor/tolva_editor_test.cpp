// The main window built on the staged installation: title, layout, welcome text, the
// toolbar's buttons, icons and tooltips, commands that do nothing without a project,
// Notify, the opening of tabs, and the question before unsaved changes are lost.
#include "tolva_editor.h"

#include <gtest/gtest.h>
#include <gtkmm/box.h>
#include <gtkmm/image.h>
#include <gtkmm/label.h>
#include <gtkmm/notebook.h>
#include <gtkmm/scrolledwindow.h>
#include <gtkmm/separatortoolitem.h>
#include <gtkmm/toolbutton.h>

#include <filesystem>

#include "editor_state_reset.h"
#include "scripted_dialogs.h"
#include "temp_layout.h"

namespace {

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

struct ExpectedButton {
    const char* iconName;
    const char* tooltip;
};

const ExpectedButton kButtons[] = {
    {"new-project-icon", "Create a new project."},
    {"open-project-icon", "Open an existing project."},
    {"new-file-icon", "Create a new file."},
    {"open-file-icon", "Open an existing file."},
    {"save-file-icon", "Save the current file."},
    {"save-all-icon", "Save all opened files."},
    {"close-file-icon", "Close the current file."},
    {"open-project-folder-icon", "Explore the project's root folder."},
    {"project-settings-icon", "Edit project settings."},
    {"start-icon", "Build and run the project."},
    {"build-icon", "Build the project."},
    {"open-output-dir-icon", "Explore the output directory."},
};

template <typename Widget>
std::vector<Widget*> ChildrenOf(Gtk::Container& container) {
    std::vector<Widget*> children;
    for (Gtk::Widget* child : container.get_children()) {
        children.push_back(dynamic_cast<Widget*>(child));
    }
    return children;
}

Gtk::Box& MainBox(TolvaEditor& window) { return dynamic_cast<Gtk::Box&>(*window.get_child()); }

Gtk::Toolbar& ToolbarOf(TolvaEditor& window) {
    return dynamic_cast<Gtk::Toolbar&>(*ChildrenOf<Gtk::Widget>(MainBox(window)).front());
}

std::vector<Gtk::ToolButton*> ButtonsOf(TolvaEditor& window) {
    std::vector<Gtk::ToolButton*> buttons;
    for (Gtk::ToolItem* item : ChildrenOf<Gtk::ToolItem>(ToolbarOf(window))) {
        if (auto* button = dynamic_cast<Gtk::ToolButton*>(item)) buttons.push_back(button);
    }
    return buttons;
}

Glib::RefPtr<Gdk::Pixbuf> ImageOf(Gtk::ToolButton& button) {
    auto* image = dynamic_cast<Gtk::Image*>(button.get_icon_widget());
    return image != nullptr ? image->get_pixbuf() : Glib::RefPtr<Gdk::Pixbuf>();
}

std::string OutputText() { return outputPane->get_buffer()->get_text(); }

class TolvaEditorTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(InstalledRoot(), "") << "TOLVA_EDITOR_STAGE names no staged installation";
        ResetEditorState();
        appDir = InstalledRoot();
    }
    void TearDown() override { ResetEditorState(); }

    ScriptedDialogs dialogs;
    TempLayout folder;
};

TEST_F(TolvaEditorTest, OpensWithTitleSizeAndWelcomeText) {
    TolvaEditor window(dialogs);
    EXPECT_EQ(window.get_title(), "TolvaBasic ('nix Edition)");
    int width = 0, height = 0;
    window.get_default_size(width, height);
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 480);
    const std::string welcome = "Welcome to TolvaBasic\nThe 'nix Edition (Version: 1.3)\n\n";
    EXPECT_EQ(OutputText().substr(0, welcome.size()), welcome);
    EXPECT_GT(OutputText().size(), welcome.size() + 1) << "the notice line is missing";
    EXPECT_EQ(notebook->get_n_pages(), 0);
    EXPECT_TRUE(documents.empty());
    EXPECT_EQ(projectPath, "");
    EXPECT_EQ(projectFilePath, "");
}

TEST_F(TolvaEditorTest, StacksToolbarNotebookLabelAndOutputPane) {
    TolvaEditor window(dialogs);
    Gtk::Box& box = MainBox(window);
    EXPECT_EQ(box.get_orientation(), Gtk::ORIENTATION_VERTICAL);
    EXPECT_EQ(box.get_spacing(), 0);
    const std::vector<Gtk::Widget*> children = ChildrenOf<Gtk::Widget>(box);
    ASSERT_EQ(children.size(), 4u);
    EXPECT_TRUE(dynamic_cast<Gtk::Toolbar*>(children[0]));
    EXPECT_EQ(children[1], notebook);
    auto* label = dynamic_cast<Gtk::Label*>(children[2]);
    ASSERT_TRUE(label);
    EXPECT_EQ(label->get_text(), "Output");
    auto* scroller = dynamic_cast<Gtk::ScrolledWindow*>(children[3]);
    ASSERT_TRUE(scroller);
    EXPECT_EQ(scroller->get_child(), outputPane);
    Gtk::PolicyType horizontal, vertical;
    scroller->get_policy(horizontal, vertical);
    EXPECT_EQ(horizontal, Gtk::POLICY_AUTOMATIC);
    EXPECT_EQ(vertical, Gtk::POLICY_AUTOMATIC);

    struct Packing {
        bool expand, fill;
        unsigned padding;
        Gtk::PackType type;
    };
    const Packing expected[] = {{false, true, 5, Gtk::PACK_START},
                                {true, true, 5, Gtk::PACK_START},
                                {false, true, 0, Gtk::PACK_START},
                                {false, true, 5, Gtk::PACK_END}};
    for (std::size_t i = 0; i < children.size(); ++i) {
        gboolean expand = FALSE, fill = FALSE;
        guint padding = 0;
        GtkPackType type = GTK_PACK_START;
        gtk_container_child_get(GTK_CONTAINER(box.gobj()), children[i]->gobj(), "expand", &expand,
                                "fill", &fill, "padding", &padding, "pack-type", &type, nullptr);
        EXPECT_EQ(static_cast<bool>(expand), expected[i].expand) << i;
        EXPECT_EQ(static_cast<bool>(fill), expected[i].fill) << i;
        EXPECT_EQ(padding, expected[i].padding) << i;
        EXPECT_EQ(static_cast<Gtk::PackType>(type), expected[i].type) << i;
    }
}

TEST_F(TolvaEditorTest, ToolbarHoldsTwelveButtonsAndTwoSeparatorsInOrder) {
    TolvaEditor window(dialogs);
    Gtk::Toolbar& toolbar = ToolbarOf(window);
    EXPECT_TRUE(toolbar.get_style_context()->has_class("primary-toolbar"));
    ASSERT_EQ(toolbar.get_n_items(), 14);
    for (int i = 0; i < 14; ++i) {
        const bool separator = dynamic_cast<Gtk::SeparatorToolItem*>(toolbar.get_nth_item(i));
        EXPECT_EQ(separator, i == 2 || i == 9) << i;
    }
    const std::vector<Gtk::ToolButton*> buttons = ButtonsOf(window);
    ASSERT_EQ(buttons.size(), std::size(kButtons));
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        SCOPED_TRACE(kButtons[i].tooltip);
        // A tool item's tooltip is shown by the button inside it.
        EXPECT_EQ(buttons[i]->get_child()->get_tooltip_text(), kButtons[i].tooltip);
        EXPECT_EQ(buttons[i]->get_label(), "");
        const Glib::RefPtr<Gdk::Pixbuf> image = ImageOf(*buttons[i]);
        ASSERT_TRUE(image);
        EXPECT_EQ(image, window.Icons().Find(kButtons[i].iconName));
    }
}

// The icons are drawn on magenta, which is keyed out on loading.
TEST_F(TolvaEditorTest, RegistersAllThirteenIconsFromTheInstallation) {
    TolvaEditor window(dialogs);
    EXPECT_EQ(window.Icons().Count(), 13u);
    const Glib::RefPtr<Gdk::Pixbuf> explorer = window.Icons().Find("project-explorer-icon");
    ASSERT_TRUE(explorer);
    for (Gtk::ToolButton* button : ButtonsOf(window)) EXPECT_NE(ImageOf(*button), explorer);
    for (const ExpectedButton& button : kButtons) {
        const Glib::RefPtr<Gdk::Pixbuf> icon = window.Icons().Find(button.iconName);
        ASSERT_TRUE(icon) << button.iconName;
        EXPECT_EQ(icon->get_width(), 24);
        EXPECT_EQ(icon->get_height(), 24);
        ASSERT_TRUE(icon->get_has_alpha());
        EXPECT_EQ(icon->get_pixels()[3], 0) << button.iconName << ": top left corner is opaque";
    }
}

TEST_F(TolvaEditorTest, FindsTheIconsFromAnyWorkingFolder) {
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.Root());
    TolvaEditor window(dialogs);
    std::filesystem::current_path(previous);
    EXPECT_EQ(window.Icons().Count(), 13u);
}

TEST_F(TolvaEditorTest, AMissingIconLeavesItsButtonWithoutImage) {
    folder.CopyAllInstalledConfigFiles();
    folder.RemoveConfigFile("start.bmp");
    appDir = folder.Root();
    CaptureStderr();
    TolvaEditor window(dialogs);
    const std::string warnings = GetCapturedStderr();
    EXPECT_NE(warnings.find("Tolva Warning: "), std::string::npos);
    EXPECT_NE(warnings.find("start.bmp"), std::string::npos);
    const std::vector<Gtk::ToolButton*> buttons = ButtonsOf(window);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(!ImageOf(*buttons[i]), std::string(kButtons[i].iconName) == "start-icon") << i;
    }
    EXPECT_EQ(window.Icons().Count(), 12u);
}

TEST_F(TolvaEditorTest, AnUnknownRootStillOpensTheWindow) {
    appDir.reset();
    TolvaEditor window(dialogs);
    EXPECT_EQ(window.Icons().Count(), 0u);
    EXPECT_EQ(ButtonsOf(window).size(), 12u);
}

TEST_F(TolvaEditorTest, NoButtonDoesAnythingWithoutAProject) {
    TolvaEditor window(dialogs);
    const std::string before = OutputText();
    for (Gtk::ToolButton* button : ButtonsOf(window)) {
        SCOPED_TRACE(button->get_tooltip_text());
        g_signal_emit_by_name(button->gobj(), "clicked");
        EXPECT_TRUE(dialogs.warnings.empty());
        EXPECT_EQ(notebook->get_n_pages(), 0);
        EXPECT_TRUE(documents.empty());
        EXPECT_FALSE(currentProject);
        EXPECT_EQ(projectPath, "");
        EXPECT_EQ(projectFilePath, "");
        EXPECT_EQ(OutputText(), before);
    }
}

TEST_F(TolvaEditorTest, NotifyShowsItsTextLiterally) {
    TolvaEditor window(dialogs);
    window.Notify("100% done: %s %d <b>bold</b> & \"quoted\"");
    EXPECT_EQ(dialogs.warnings,
              std::vector<std::string>{"100% done: %s %d <b>bold</b> & \"quoted\""});
}

class TabTest : public TolvaEditorTest {
  protected:
    std::string Path(const std::string& name) const { return folder.Root() + "/" + name; }

    std::shared_ptr<EditView> Open(const std::string& name) {
        CaptureStderr();
        window.OpenTab(Path(name), name, static_cast<int>(documents.size()));
        GetCapturedStderr();
        return documents.back();
    }

    // Sends the window the request to close that clicking its close button sends; true
    // when the window refused to close.
    bool RequestClose() {
        gtk_widget_realize(GTK_WIDGET(window.gobj()));
        GdkEvent* event = gdk_event_new(GDK_DELETE);
        event->any.window = GDK_WINDOW(g_object_ref(window.get_window()->gobj()));
        const bool refused = gtk_widget_event(GTK_WIDGET(window.gobj()), event);
        gdk_event_free(event);
        return refused;
    }

    TolvaEditor window{dialogs};
};

TEST_F(TabTest, OpensAFileInANewTab) {
    WriteFileBytes(Path("main.tol"), "Print \"Hi\"\n");
    const std::shared_ptr<EditView> document = Open("main.tol");
    EXPECT_TRUE(dialogs.warnings.empty());
    ASSERT_EQ(notebook->get_n_pages(), 1);
    EXPECT_EQ(notebook->get_tab_label_text(*notebook->get_nth_page(0)), "main.tol");
    EXPECT_EQ(document->page, 0);
    EXPECT_EQ(document->filePath, Path("main.tol"));
    EXPECT_EQ(document->buffer->get_text(), "Print \"Hi\"\n");
    EXPECT_FALSE(document->HasUnsavedChanges());
    EXPECT_FALSE(document->IsReadOnly());
}

TEST_F(TabTest, AFileThatIsNotUtf8OpensReadOnlyAndIsNeverSaved) {
    const std::string latin1 = "Print \"caf\xe9\"\n";
    WriteFileBytes(Path("latin1.tol"), latin1);
    const std::shared_ptr<EditView> document = Open("latin1.tol");
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_NE(dialogs.warnings[0].find(Path("latin1.tol")), std::string::npos);
    EXPECT_NE(dialogs.warnings[0].find("not valid UTF-8"), std::string::npos);
    EXPECT_EQ(notebook->get_n_pages(), 1);
    EXPECT_TRUE(document->IsReadOnly());
    EXPECT_FALSE(document->view.get_editable());
    EXPECT_EQ(document->buffer->get_text(), "Print \"caf\xEF\xBF\xBD\"\n");

    document->buffer->insert_interactive_at_cursor("x", document->view.get_editable());
    EXPECT_EQ(document->Save(), std::nullopt);
    EXPECT_EQ(ReadFileBytes(Path("latin1.tol")), latin1);
    EXPECT_FALSE(RequestClose()) << "a read-only document has nothing to save";
}

TEST_F(TabTest, AFileThatExistsButCannotBeReadOpensReadOnly) {
    std::filesystem::create_directory(Path("folder.tol"));
    const std::shared_ptr<EditView> document = Open("folder.tol");
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_NE(dialogs.warnings[0].find(Path("folder.tol")), std::string::npos);
    EXPECT_TRUE(document->IsReadOnly());
    EXPECT_EQ(notebook->get_n_pages(), 1);
}

TEST_F(TabTest, AMissingFileOpensAnEmptyTabThatSavingCreates) {
    const std::shared_ptr<EditView> document = Open("new.tol");
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_NE(dialogs.warnings[0].find(Path("new.tol")), std::string::npos);
    EXPECT_FALSE(document->IsReadOnly());
    document->buffer->set_text("Print 1\n");
    EXPECT_EQ(document->Save(), std::nullopt);
    EXPECT_EQ(ReadFileBytes(Path("new.tol")), "Print 1\n");
    EXPECT_FALSE(document->HasUnsavedChanges());
}

TEST_F(TabTest, ClosingWithoutUnsavedChangesAsksNothing) {
    WriteFileBytes(Path("a.tol"), "a");
    Open("a.tol");
    EXPECT_FALSE(RequestClose());
    EXPECT_EQ(dialogs.unsavedChangesQuestions, 0);
}

TEST_F(TabTest, ClosingWithUnsavedChangesFollowsTheAnswer) {
    struct Case {
        UnsavedChangesAnswer answer;
        bool staysOpen;
        const char* fileAfterwards;
    };
    const Case cases[] = {
        {UnsavedChangesAnswer::Cancel, true, "old"},
        {UnsavedChangesAnswer::Discard, false, "old"},
        {UnsavedChangesAnswer::Save, false, "new"},
    };
    for (const Case& c : cases) {
        WriteFileBytes(Path("a.tol"), "old");
        documents.clear();
        const std::shared_ptr<EditView> document = Open("a.tol");
        document->buffer->set_text("new");
        dialogs.unsavedChangesAnswers = {c.answer};
        dialogs.unsavedChangesQuestions = 0;
        EXPECT_EQ(RequestClose(), c.staysOpen);
        EXPECT_EQ(dialogs.unsavedChangesQuestions, 1);
        EXPECT_EQ(ReadFileBytes(Path("a.tol")), c.fileAfterwards);
    }
}

TEST_F(TabTest, AFailedSaveOnClosingKeepsTheWindowOpen) {
    std::filesystem::create_directory(Path("sub"));
    WriteFileBytes(Path("sub/a.tol"), "old");
    WriteFileBytes(Path("b.tol"), "old");
    const std::shared_ptr<EditView> lost = Open("sub/a.tol");
    const std::shared_ptr<EditView> kept = Open("b.tol");
    lost->buffer->set_text("new");
    kept->buffer->set_text("new");
    std::filesystem::remove_all(Path("sub"));
    dialogs.unsavedChangesAnswers = {UnsavedChangesAnswer::Save};
    EXPECT_TRUE(RequestClose());
    ASSERT_EQ(dialogs.warnings.size(), 1u);
    EXPECT_NE(dialogs.warnings[0].find(Path("sub/a.tol")), std::string::npos);
    EXPECT_EQ(ReadFileBytes(Path("b.tol")), "new");
    EXPECT_TRUE(lost->HasUnsavedChanges());
}

}  // namespace
