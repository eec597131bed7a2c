// String and path helpers: tables of inputs and results, with the edge cases that callers rely
// on (no separator, a dot in a folder name, empty pieces, bytes of UTF-8 text left alone).
#include "driver/strings.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

namespace {

using namespace std::string_literals;

struct PathCase {
    const char* helper;
    std::function<std::string(const std::string&)> apply;
    std::string path;
    std::string expected;
};

const PathCase kPathCases[] = {
    {"StripFilename", StripFilename, "a/b/c.tol", "a/b"},
    {"StripFilename", StripFilename, "c.tol", "c.tol"},
    {"StripFilename", StripFilename, "a\\b\\c.tol", "a\\b"},
    {"StripFilename", StripFilename, "a/b\\c.tol", "a/b"},
    {"StripFilename", StripFilename, "/c.tol", ""},
    {"StripFilename", StripFilename, "", ""},
    {"StripFilename", StripFilename, "caf\xC3\xA9/m\xC3\xBC.tol", "caf\xC3\xA9"},
    {"StripFilename", StripFilename, "a\0b/c.tol"s, "a\0b"s},
    {"StripDirectory", StripDirectory, "a\\b.tol", "b.tol"},
    {"StripDirectory", StripDirectory, "x/a\\b.tol", "b.tol"},
    {"StripDirectory", StripDirectory, "a/b/", ""},
    {"StripDirectory", StripDirectory, "c.tol", "c.tol"},
    {"StripDirectory", StripDirectory, "dir/\xC3\xBC.tol", "\xC3\xBC.tol"},
    {"StripExtension", StripExtension, "dir.old/file", "dir"},
    {"StripExtension", StripExtension, "site/main.tol", "site/main"},
    {"StripExtension", StripExtension, "archive.tar.gz", "archive.tar"},
    {"StripExtension", StripExtension, "noext", "noext"},
    {"StripExtension", StripExtension, ".hidden", ""},
    {"ExtractExtension", ExtractExtension, "archive.tar.gz", "gz"},
    {"ExtractExtension", ExtractExtension, "noext", ""},
    {"ExtractExtension", ExtractExtension, "dir.old/file", "old/file"},
    {"ExtractExtension", ExtractExtension, "name.", ""},
    {"ExtractExtension", ExtractExtension, "header.HOL", "HOL"},
    {"LowerString", LowerString, "MiXeD_09 \xC3\x89", "mixed_09 \xC3\x89"},
    {"UpperString", UpperString, "MiXeD_09 \xC3\xA9", "MIXED_09 \xC3\xA9"},
};

TEST(PathHelpers, GiveTheTextAroundTheLastSeparatorOrDot) {
    for (const PathCase& c : kPathCases) {
        EXPECT_EQ(c.apply(c.path), c.expected) << c.helper << "(\"" << c.path << "\")";
    }
}

struct ReplaceCase {
    std::string text;
    char oldChar;
    char newChar;
    std::string expected;
};

TEST(ReplaceChar, ReplacesOrRemovesOneCharacterAndKeepsEveryOtherByte) {
    const ReplaceCase cases[] = {
        {"a~b~", '~', '\0', "ab"},
        {"a~b~", '~', '-', "a-b-"},
        {"no tilde", '~', '\0', "no tilde"},
        {"\"caf\xC3\xA9~~\"", '~', '\0', "\"caf\xC3\xA9\""},
        {"\"path\"", '"', '\0', "path"},
        {"a\0b~"s, '~', '\0', "a\0b"s},
        {"", '~', '\0', ""},
    };
    for (const ReplaceCase& c : cases) {
        EXPECT_EQ(ReplaceChar(c.text, c.oldChar, c.newChar), c.expected) << c.text;
    }
}

struct ExplodeCase {
    std::string delimiter;
    std::string text;
    std::vector<std::string> pieces;
};

TEST(ExplodeString, KeepsEmptyPiecesAndSplitsWithoutOverlap) {
    const ExplodeCase cases[] = {
        {":", "a::b:", {"a", "", "b", ""}},
        {":", "", {""}},
        {":", "abc", {"abc"}},
        {":", ":", {"", ""}},
        {"", "abc", {}},
        {"::", "a:::b", {"a", ":b"}},
        {"Print:writes values:more", "x", {"x"}},
        {":", "Print:writes values:more", {"Print", "writes values", "more"}},
    };
    for (const ExplodeCase& c : cases) {
        EXPECT_EQ(ExplodeString(c.delimiter, c.text), c.pieces)
            << "'" << c.delimiter << "' in '" << c.text << "'";
    }
}

TEST(LeftAndRightString, TakeAtMostTheWholeText) {
    EXPECT_EQ(LeftString("abc", 5), "abc");
    EXPECT_EQ(LeftString("abc", 2), "ab");
    EXPECT_EQ(LeftString("abc", 0), "");
    EXPECT_EQ(RightString("abc", 2), "bc");
    EXPECT_EQ(RightString("abc", 3), "abc");
    EXPECT_EQ(RightString("abc", 5), "abc");
    EXPECT_EQ(RightString("abc", 0), "");
}

TEST(IntToString, WritesDecimalWithASignWhenNegative) {
    EXPECT_EQ(IntToString(0), "0");
    EXPECT_EQ(IntToString(42), "42");
    EXPECT_EQ(IntToString(-7), "-7");
    EXPECT_EQ(IntToString(INT_MAX), "2147483647");
    EXPECT_EQ(IntToString(INT_MIN), "-2147483648");
}

}  // namespace
