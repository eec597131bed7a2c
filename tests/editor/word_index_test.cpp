// The lookup of a typed word among the known words: ASCII case is ignored, the earliest
// entry decides, and nothing else is folded.
#include "word_index.h"

#include <gtest/gtest.h>

namespace {

TEST(WordIndexTest, FindsTheEarliestEntryThatMatchesIgnoringAsciiCase) {
    const WordIndex index({"Print", "Len", "PRINT", "print", "EndIf", "Str2", "\xC3\x89t\xC3\xA9"});
    const std::pair<const char*, const char*> cases[] = {
        {"print", "Print"}, {"PRINT", "Print"},
        {"Print", "Print"}, {"len", "Len"},
        {"endif", "EndIf"}, {"STR2", "Str2"},
        {"prin", nullptr},  {"printx", nullptr},
        {"", nullptr},      {"\xC3\xA9t\xC3\xA9", nullptr},
    };
    for (const auto& [typed, expected] : cases) {
        const std::string* found = index.FirstMatch(typed);
        if (expected == nullptr) {
            EXPECT_EQ(found, nullptr) << typed;
        } else {
            ASSERT_NE(found, nullptr) << typed;
            EXPECT_EQ(*found, expected) << typed;
        }
    }
}

TEST(WordIndexTest, AnEmptyListMatchesNothing) {
    EXPECT_EQ(WordIndex(std::vector<std::string>{}).FirstMatch("print"), nullptr);
}

TEST(WordIndexTest, FoldsOnlyAsciiCapitals) {
    EXPECT_EQ(FoldAsciiCase("AbZ_09@[\xC3\x89"), "abz_09@[\xC3\x89");
    EXPECT_TRUE(EqualsIgnoringAsciiCase("EndIf", "ENDIF"));
    EXPECT_FALSE(EqualsIgnoringAsciiCase("EndIf", "EndIf "));
}

}  // namespace
