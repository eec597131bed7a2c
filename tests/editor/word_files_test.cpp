// Reading the known words from the two word files of the config folder: the word of a line,
// the order of the files, and the warnings when a file is missing.
#include "word_files.h"

#include <gtest/gtest.h>

#include "temp_layout.h"

namespace {

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;
using Words = std::vector<std::string>;

TEST(WordFilesTest, TheWordOfALineIsTheTextBeforeItsFirstColon) {
    TempLayout layout;
    layout.WriteConfigFile("functions.txt",
                           "Print:prints values\n\nLen\nMid:part: of text\nTrim\r\n:no word\nLast");
    Words words;
    EXPECT_TRUE(AppendWordsOfFile(layout.ConfigPath("functions.txt"), words));
    EXPECT_EQ(words, (Words{"Print", "Len", "Mid", "Trim\r", "", "Last"}));
}

TEST(WordFilesTest, FunctionsComeBeforeKeywords) {
    TempLayout layout;
    layout.WriteConfigFile("functions.txt", "Print:f\nLen:f\n");
    layout.WriteConfigFile("keywords.txt", "PRINT:k\nIf:k\n");
    CaptureStderr();
    EXPECT_EQ(ReadKnownWords(layout.Root() + "/config"), (Words{"Print", "Len", "PRINT", "If"}));
    EXPECT_EQ(GetCapturedStderr(), "");
}

TEST(WordFilesTest, WithoutFunctionsNoWordIsRead) {
    TempLayout layout;
    layout.WriteConfigFile("keywords.txt", "If:k\n");
    CaptureStderr();
    EXPECT_EQ(ReadKnownWords(layout.Root() + "/config"), Words{});
    EXPECT_EQ(GetCapturedStderr(), "Tolva Warning: Cannot open config/functions.txt!\n");
}

TEST(WordFilesTest, WithoutKeywordsOnlyTheFunctionsAreUsed) {
    TempLayout layout;
    layout.WriteConfigFile("functions.txt", "Len:f\n");
    CaptureStderr();
    EXPECT_EQ(ReadKnownWords(layout.Root() + "/config"), Words{"Len"});
    EXPECT_EQ(GetCapturedStderr(), "Tolva Warning: Cannot open config/keywords.txt!\n");
}

TEST(WordFilesTest, AnUnknownFolderCountsAsAMissingFunctionsFile) {
    CaptureStderr();
    EXPECT_EQ(ReadKnownWords(std::nullopt), Words{});
    EXPECT_EQ(GetCapturedStderr(), "Tolva Warning: Cannot open config/functions.txt!\n");
}

}  // namespace
