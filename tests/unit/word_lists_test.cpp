// Word lists: keywords.txt and php.txt read from "../config" of the working folder, as the
// installed translator reads them from its own folder; line handling, the size limit of the
// keyword table and the reports for missing files.
#include "driver/word_lists.h"

#include <gtest/gtest.h>

#include "driver/run.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

std::string Lines(int count, const std::string& prefix = "word") {
    std::string text;
    for (int i = 0; i < count; ++i) text += prefix + std::to_string(i) + "\n";
    return text;
}

class WordLists : public testing::Test {
protected:
    void SetUp() override {
        ResetTranslator();
        fs::create_directories(root_ / "bin");
        fs::current_path(root_ / "bin");
    }
    void TearDown() override { ResetTranslator(); }

    void Write(const std::string& name, const std::string& content) {
        WriteFile(root_ / "config" / name, content);
    }

    TempFolder root_;
    WorkingFolderGuard guard_;
};

TEST_F(WordLists, KeywordsAreTheLoweredTextBeforeTheFirstColon) {
    Write("keywords.txt", "Print:prints values: more\nLocal\nEndIf\r\n\nA:\n");
    Write("php.txt", "");
    LoadKeywords();
    std::array<std::string, keywordAmount> expected{"print", "local", "endif\r", "", "a"};
    EXPECT_EQ(sKeywords, expected) << "the final line break gives one more, empty, entry";
    EXPECT_TRUE(IsKeyword("print"));
    EXPECT_TRUE(IsKeyword("local"));
    EXPECT_FALSE(IsKeyword("endif")) << "a carriage return stays part of the entry";
    EXPECT_FALSE(IsKeyword("Print"));
}

TEST_F(WordLists, PhpWordsLoseOnlyTheCarriageReturnOfCrLf) {
    Write("keywords.txt", "");
    Write("php.txt", "echo\r\nList\r\n\r\n  class \nnew\r\r\n");
    LoadKeywords();
    EXPECT_EQ(phpKeywords,
              (std::vector<std::string>{"echo", "List", "", "  class ", "new\r", ""}));
    EXPECT_TRUE(IsReservedPhpWord("echo"));
    EXPECT_TRUE(IsReservedPhpWord("List"));
    EXPECT_FALSE(IsReservedPhpWord("list")) << "compared exactly";
    EXPECT_FALSE(IsReservedPhpWord("class"));
}

TEST_F(WordLists, AFileWithoutFinalLineBreakHasNoEmptyLastEntry) {
    Write("keywords.txt", "Print\nLocal");
    Write("php.txt", "echo");
    LoadKeywords();
    EXPECT_EQ(sKeywords[1], "local");
    EXPECT_EQ(phpKeywords, (std::vector<std::string>{"echo"}));
}

TEST_F(WordLists, TheLastKeywordSlotIsKnownToExpressionsButNotToDeclarations) {
    Write("keywords.txt", Lines(55) + "last");
    Write("php.txt", "");
    LoadKeywords();
    EXPECT_EQ(sKeywords[55], "last");
    EXPECT_TRUE(IsKeyword("last"));
    EXPECT_FALSE(IsDeclarationKeyword("last"));
    EXPECT_TRUE(IsDeclarationKeyword("word54"));
}

TEST_F(WordLists, FiftySixLinesFitAndFiftySevenAreReported) {
    Write("php.txt", "");
    Write("keywords.txt", Lines(55));  // 55 lines and the empty text after the last break
    EXPECT_EQ(ReportOf(LoadKeywords), "no error");
    ResetTranslator();
    Write("keywords.txt", Lines(56));
    EXPECT_EQ(ReportOf(LoadKeywords), Report("config/keywords.txt holds more than 56 lines!"));
}

TEST_F(WordLists, MissingFilesAreReported) {
    EXPECT_EQ(ReportOf(LoadKeywords), Report("Cannot open config/keywords.txt!"));
    Write("keywords.txt", "Print\n");
    EXPECT_EQ(ReportOf(LoadKeywords), Report("Cannot open config/php.txt!"));
}

TEST_F(WordLists, ResetEmptiesTheTablesAndTheirLookups) {
    Write("keywords.txt", "Print\n");
    Write("php.txt", "echo\n");
    LoadKeywords();
    ResetTranslator();
    EXPECT_EQ(sKeywords[0], "");
    EXPECT_TRUE(phpKeywords.empty());
    EXPECT_FALSE(IsKeyword("print"));
    EXPECT_FALSE(IsReservedPhpWord("echo"));
}

}  // namespace
