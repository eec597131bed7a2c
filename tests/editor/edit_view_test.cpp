// EditView on a real buffer: the view's set-up from the installation, the string and comment
// test, the word left of the cursor, and re-casing as typing drives it, one character and
// one key release at a time.
#include "edit_view.h"

#include <gtest/gtest.h>

#include "editor_state_reset.h"
#include "temp_layout.h"

namespace {

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

class EditViewTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetEditorState();
        layout.WriteConfigFile("functions.txt", "Print:prints values\nLen:length\n\nEndIf\n");
        layout.WriteConfigFile("keywords.txt", "PRINT:a second spelling\nIf:if\nlen:again\n");
        layout.CopyInstalledConfigFile("tolvabasic.lang");
        layout.CopyInstalledConfigFile("language2.rng");
        layout.CopyInstalledConfigFile("def.lang");
        appDir = layout.Root();
    }
    void TearDown() override { ResetEditorState(); }

    std::unique_ptr<EditView> MakeView() {
        CaptureStderr();
        auto view = std::make_unique<EditView>();
        warnings = GetCapturedStderr();
        return view;
    }

    TempLayout layout;
    std::string warnings;
};

// Each character goes in at the cursor as a key press would put it, then the key release
// runs the handler.
void Type(EditView& view, const std::string& text) {
    for (const char c : text) {
        view.buffer->insert_at_cursor(std::string(1, c));
        view.onKeyPress(nullptr);
    }
}

void PlaceCursor(EditView& view, int offset) {
    view.buffer->place_cursor(view.buffer->get_iter_at_offset(offset));
}

int CursorOffset(const EditView& view) {
    return view.buffer->get_insert()->get_iter().get_offset();
}

TEST_F(EditViewTest, ShowsLineNumbersAndHighlightsFromTheConfigFolderAlone) {
    const auto view = MakeView();
    EXPECT_TRUE(view->source.ShowsLineNumbers());
    EXPECT_TRUE(view->source.HasLanguage());
    EXPECT_EQ(view->source.LanguageSearchPath(),
              std::vector<std::string>{layout.Root() + "/config"});
    EXPECT_EQ(view->lastCursor, -1);
    EXPECT_FALSE(view->currentWord);
    EXPECT_EQ(warnings, "");
}

TEST_F(EditViewTest, WithoutTheDefinitionNothingIsHighlightedAndNothingIsSaid) {
    layout.RemoveConfigFile("tolvabasic.lang");
    const auto view = MakeView();
    EXPECT_FALSE(view->source.HasLanguage());
    EXPECT_EQ(warnings, "");
}

TEST_F(EditViewTest, ReadsFunctionsThenKeywordsInFileOrder) {
    const auto view = MakeView();
    EXPECT_EQ(view->words,
              (std::vector<std::string>{"Print", "Len", "EndIf", "PRINT", "If", "len"}));
}

TEST_F(EditViewTest, AnUnknownRootGivesNoWordsAndNoHighlighting) {
    appDir.reset();
    const auto view = MakeView();
    EXPECT_TRUE(view->words.empty());
    EXPECT_FALSE(view->source.HasLanguage());
    EXPECT_EQ(warnings, "Tolva Warning: Cannot open config/functions.txt!\n");
}

TEST_F(EditViewTest, CheckForStringLooksOnlyAtTheLineBeforeTheOffset) {
    const auto view = MakeView();
    struct Case {
        const char* text;
        int offset;
        bool outside;
    };
    const Case cases[] = {
        {"print", 5, true},
        {"x = \"print", 10, false},
        {"x = \"a\" print", 13, true},
        {"x = 1 ' print", 13, false},
        {"x = \"it's\" print", 16, true},
        {"x = \"it's\" ' print", 18, false},
        {"' note\nprint", 12, true},
        {"\"open\nprint", 11, true},
        {"x = \"", 4, true},
        {"", 0, true},
    };
    for (const Case& c : cases) {
        view->buffer->set_text(c.text);
        EXPECT_EQ(view->CheckForString(c.offset), c.outside) << c.text << " @" << c.offset;
    }
}

TEST_F(EditViewTest, TokenLeftOfCursorCollectsLettersAndDigitsBackwards) {
    const auto view = MakeView();
    struct Case {
        const char* text;
        int offset;
        const char* token;
    };
    const Case cases[] = {
        {"print", 4, "tnirp"},
        {"print", 0, "p"},
        {"x2y", 2, "y2x"},
        {"a_bc", 3, "cb"},
        {"ab cd", 2, ""},
        {"ab cd", 1, "ba"},
        {"\xC3\xA9"
         "ab",
         2, "ba"},
        {"print", -1, ""},
        {"a\nbc", 3, "cb"},
        {"(len", 3, "nel"},
    };
    for (const Case& c : cases) {
        view->buffer->set_text(c.text);
        EXPECT_EQ(view->TokenLeftOfCursor(c.offset), c.token) << c.text << " @" << c.offset;
    }
}

TEST_F(EditViewTest, RecasesAFinishedWordAsItIsTyped) {
    struct Case {
        const char* typed;
        const char* result;
    };
    const Case cases[] = {
        {"print ", "Print "},
        {"print_", "Print_"},
        {"print(", "Print("},
        {"print\n", "Print\n"},
        {"PRINT ", "Print "},
        {"Print ", "Print "},
        {"len(x) ", "Len(x) "},
        {"if x endif ", "If x EndIf "},
        {"a.print ", "a.Print "},
        {"print", "print"},
        {"printer ", "printer "},
        {"pri nt ", "pri nt "},
        {"x = \"print ", "x = \"print "},
        {"x = \"print\" print ", "x = \"print\" Print "},
        {"x = 1 ' print ", "x = 1 ' print "},
        {"x = 1 ' note\nprint ", "x = 1 ' note\nPrint "},
        {"x = \"it's\" print ", "x = \"it's\" Print "},
    };
    for (const Case& c : cases) {
        const auto view = MakeView();
        Type(*view, c.typed);
        EXPECT_EQ(view->buffer->get_text(), c.result) << c.typed;
        EXPECT_EQ(CursorOffset(*view), view->buffer->get_char_count()) << c.typed;
    }
}

TEST_F(EditViewTest, TheFirstMatchingWordDecides) {
    layout.WriteConfigFile("functions.txt", "lEn:first\n");
    layout.WriteConfigFile("keywords.txt", "Len:second\nlen:third\n");
    const auto view = MakeView();
    Type(*view, "len ");
    EXPECT_EQ(view->buffer->get_text(), "lEn ");
}

TEST_F(EditViewTest, AnExactMatchFinishesTheWordWithoutAnEdit) {
    const auto view = MakeView();
    int erasures = 0;
    view->buffer->signal_erase().connect(
        [&erasures](const Gtk::TextIter&, const Gtk::TextIter&) { ++erasures; });
    Type(*view, "Print ");
    EXPECT_EQ(view->currentWord, "");
    EXPECT_EQ(erasures, 0);
}

TEST_F(EditViewTest, AKeyReleaseThatDoesNotMoveTheCursorChangesNothing) {
    const auto view = MakeView();
    Type(*view, "print");
    view->onKeyPress(nullptr);  // Shift released after the last letter
    EXPECT_EQ(view->currentWord, "print");
    EXPECT_EQ(view->lastCursor, 5);
    EXPECT_EQ(view->buffer->get_text(), "print");
}

// After typing a word, the cursor is moved by other means than typing (a click) and a key
// is released there: the text before the cursor is not the typed word and stays.
TEST_F(EditViewTest, AMovedCursorChangesNothingButTheRememberedWord) {
    const std::pair<const char*, int> cases[] = {
        {"abcdefgh = 1\n", 9},  // five characters before the space are not "print"
        {"x = 1\n", 2},         // fewer than five characters before the space
        {"abcde(x)\n", 6},      // another word before the bracket
    };
    for (const auto& [text, offset] : cases) {
        const auto view = MakeView();
        view->buffer->set_text(text);
        PlaceCursor(*view, view->buffer->get_char_count());
        Type(*view, "print");
        const std::string before = view->buffer->get_text();
        PlaceCursor(*view, offset);
        view->onKeyPress(nullptr);
        EXPECT_EQ(view->buffer->get_text(), before) << text;
        EXPECT_EQ(view->currentWord, "") << text;
    }
}

TEST_F(EditViewTest, WithoutWordsNothingIsRecased) {
    layout.RemoveConfigFile("functions.txt");
    const auto view = MakeView();
    Type(*view, "print ");
    EXPECT_EQ(view->buffer->get_text(), "print ");
    EXPECT_EQ(view->currentWord, "print");
}

TEST_F(EditViewTest, ARecasingIsUndoneInOneStep) {
    const auto view = MakeView();
    view->buffer->set_text("x\n");
    view->buffer->set_modified(false);
    PlaceCursor(*view, 2);
    Type(*view, "print ");
    ASSERT_EQ(view->buffer->get_text(), "x\nPrint ");
    g_signal_emit_by_name(view->buffer->gobj(), "undo");
    EXPECT_EQ(view->buffer->get_text(), "x\nprint ");
}

TEST_F(EditViewTest, UndoDoesNotGoBackBeforeTheLoadedText) {
    WriteFileBytes(layout.Root() + "/main.tol", "Print 1\n");
    const auto view = MakeView();
    view->filePath = layout.Root() + "/main.tol";
    ASSERT_EQ(view->Load(), std::nullopt);
    g_signal_emit_by_name(view->buffer->gobj(), "undo");
    EXPECT_EQ(view->buffer->get_text(), "Print 1\n");
    EXPECT_FALSE(view->HasUnsavedChanges());
}

TEST_F(EditViewTest, AReadOnlyDocumentIsNeverRecased) {
    WriteFileBytes(layout.Root() + "/latin1.tol", "print \xe9");
    const auto view = MakeView();
    view->filePath = layout.Root() + "/latin1.tol";
    ASSERT_TRUE(view->Load());
    ASSERT_TRUE(view->IsReadOnly());
    view->currentWord = "print";
    PlaceCursor(*view, 6);
    view->onKeyPress(nullptr);
    EXPECT_EQ(view->buffer->get_text(), "print \xEF\xBF\xBD");
    EXPECT_FALSE(view->HasUnsavedChanges());
}

TEST_F(EditViewTest, NulBytesMakeAFileReadOnly) {
    WriteFileBytes(layout.Root() + "/nul.tol", std::string("a\0b", 3));
    const auto view = MakeView();
    view->filePath = layout.Root() + "/nul.tol";
    ASSERT_TRUE(view->Load());
    EXPECT_TRUE(view->IsReadOnly());
    EXPECT_EQ(view->buffer->get_text(),
              "a\xEF\xBF\xBD"
              "b");
}

}  // namespace
