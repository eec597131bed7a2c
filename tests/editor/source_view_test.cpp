// SourceView with the installed highlighting definition: found under the identifier "lua"
// in the config folder alone, and marking keywords, library functions, numbers, strings with
// their "~" escapes, comments and inline PHP blocks where the translator sees them.
#include "source_view.h"

#include <gtest/gtest.h>

#include "temp_layout.h"

namespace {

struct Mark {
    int offset;
    const char* contextClass;
    bool expected;
};

struct Case {
    const char* text;
    std::vector<Mark> marks;
};

TEST(SourceViewTest, MarksTheLanguageWhereTheTranslatorSeesIt) {
    SourceView source(InstalledRoot() + "/config", "lua");
    ASSERT_TRUE(source.HasLanguage());
    const Case cases[] = {
        {"Print \"a~nb\" ' note",
         {{0, "keyword", true},
          {7, "string", true},
          {8, "escape", true},
          {10, "escape", false},
          {10, "string", true},
          {12, "string", false},
          {13, "comment", true},
          {15, "comment", true},
          {15, "keyword", false}}},
        {"x = \"~z\"", {{5, "bad-escape", true}, {5, "string", true}}},
        {"x = \"~B\"", {{5, "bad-escape", true}, {5, "escape", false}}},
        {"x = \"a~\" + 1", {{6, "bad-escape", true}, {9, "string", false}, {11, "number", true}}},
        {"x = \"a\\\"b\" ' c", {{8, "string", true}, {11, "comment", true}}},
        {"x = \"it's\" ' c", {{7, "comment", false}, {11, "comment", true}}},
        {"InlinePHP\n$x = 'a';\nEndInlinePHP\nprint 1",
         {{0, "keyword", true},
          {15, "inline-php", true},
          {15, "comment", false},
          {33, "keyword", true},
          {33, "inline-php", false}}},
        {"y = len(x) + TOL_LEN(x) + lenx(1)",
         {{4, "function", true}, {13, "function", true}, {26, "function", false}}},
        {"a = 1.5 + x2 + .5", {{4, "number", true}, {11, "number", false}, {15, "number", true}}},
        {"endif: If True", {{0, "keyword", true}, {7, "keyword", true}, {10, "constant", true}}},
        {"Local a = Array(1) ~~", {{0, "keyword", true}, {10, "builtin", true}}},
    };
    for (const Case& c : cases) {
        source.Buffer()->set_text(c.text);
        for (const Mark& mark : c.marks) {
            EXPECT_EQ(source.IsInContextClass(mark.offset, mark.contextClass), mark.expected)
                << c.text << " @" << mark.offset << " " << mark.contextClass;
        }
    }
}

TEST(SourceViewTest, OtherIdentifiersAreNotFound) {
    EXPECT_FALSE(SourceView(InstalledRoot() + "/config", "tolvabasic").HasLanguage());
}

}  // namespace
