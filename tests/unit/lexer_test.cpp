// CLexer: the tokens of source lines under both comment flags, tab and line counting, every
// escape of string literals, the two lexical errors with the position they report, and token
// access out of range.
#include "lexer/lexer.h"

#include <gtest/gtest.h>

#include "driver/settings.h"
#include "engine/frame.h"
#include "test_support.h"

namespace {

using namespace std::string_literals;
using Tokens = std::vector<std::string>;

Tokens Lex(const std::string& line, bool slashComments) {
    CLexer lexer;
    int amount = lexer.LexLine(line, slashComments, true);
    EXPECT_EQ(amount, lexer.TokenAmount());
    return lexer.tokens;
}

struct LexCase {
    std::string line;
    Tokens tokens;
};

// Lines whose tokens do not depend on the comment flag.
const LexCase kLines[] = {
    {"", {}},
    {" \t \t", {}},
    {"x=-1", {"x", "=-", "1"}},
    {"x = -1", {"x", "=", "-", "1"}},
    {"a===b", {"a", "==", "=", "b"}},
    {"a!==b", {"a", "!=", "=", "b"}},
    {"a<>b", {"a", "<>", "b"}},
    {"a<=b>=c->d::e=>f", {"a", "<=", "b", ">=", "c", "->", "d", "::", "e", "=>", "f"}},
    {"a.b", {"a", ".", "b"}},
    {"x..y", {"x", "..", "y"}},
    {".5 + 1.2.3", {".5", "+", "1.2.3"}},
    {"Foo_Bar1 = 2abc", {"foo_bar1", "=", "2", "abc"}},
    {"_X9", {"_x9"}},
    {"f((a))", {"f", "(", "(", "a", ")", ")"}},
    {"a+(b)", {"a", "+", "(", "b", ")"}},
    {"a[1]=2", {"a", "[", "1", "]", "=", "2"}},
    {"{{}}", {"{{", "}", "}"}},
    {"=(", {"=", "("}},
    {"a?b", {"a", "b"}},
    {"Print a ~~", {"print", "a", "~", "~"}},
    {"a&&b", {"a", "&", "&", "b"}},
    {"a||b", {"a", "|", "|", "b"}},
    {"obj\\field", {"obj", "\\", "field"}},
    {"#$!%^", {"#", "$", "!%", "^"}},
    {"a;b", {"a", ";", "b"}},
    {"a // b", {"a", "//", "b"}},
    {"x = \"a\\\"b\"", {"x", "=", "\"a\\\"b\""}},
    {"\"\"", {"\"\""}},
    {"x=\"\"", {"x", "=", "\"\""}},
    {"Print \"It's\"", {"print", "\"It's\""}},
    {"\"a;b\" ; c", {"\"a;b\"", ";", "c"}},
    {"\"$name <b> \\ caf\xC3\xA9\"", {"\"$name <b> \\ caf\xC3\xA9\""}},
    {"a\r", {"a"}},
    {"a\xC3\xA9" "b", {"a", "b"}},
    {"1\0+\x7f" "2"s, {"1", "+", "2"}},
};

TEST(LexLine, SplitsLinesIntoTokensUnderEitherCommentFlag) {
    for (const LexCase& c : kLines) {
        EXPECT_EQ(Lex(c.line, true), c.tokens) << "'" << c.line << "' with //";
        EXPECT_EQ(Lex(c.line, false), c.tokens) << "'" << c.line << "' with '";
    }
}

TEST(LexLine, EndsTheLineWithOneCommentTokenMarkedByTheFlag) {
    EXPECT_EQ(Lex("Print \"It's\" ' Note", true), (Tokens{"print", "\"It's\"", "// Note "}));
    EXPECT_EQ(Lex("Print \"It's\" ' Note", false), (Tokens{"print", "\"It's\"", "' Note "}));
    EXPECT_EQ(Lex("'a \"b ' c", true), (Tokens{"//a \"b ' c "}));
    EXPECT_EQ(Lex("x ' note\r", false), (Tokens{"x", "' note\r "}));
    EXPECT_EQ(Lex("x'", true), (Tokens{"x", "// "}));
}

TEST(LexLine, CountsEveryTabOfTheLine) {
    CLexer lexer;
    const std::pair<std::string, int> cases[] = {
        {"", 0},
        {"\t\tx", 2},
        {"\tx = \"a\tb\"\t' c\td", 4},
        {"\t \t", 2},
    };
    for (const auto& [line, tabs] : cases) {
        lexer.LexLine(line, true, true);
        EXPECT_EQ(lexer.GetTabAmount(), tabs) << line;
    }
}

TEST(LexLine, CountsOnlyLinesLexedWithTheCountFlag) {
    CLexer lexer;
    EXPECT_EQ(lexer.lineCount, 0);
    lexer.LexLine("a", false, true);
    lexer.LexLine("b", true, false);
    lexer.LexLine("", false, true);
    lexer.LexLine("c", false, false);
    lexer.LexLine("d", true, true);
    EXPECT_EQ(lexer.lineCount, 3);
}

TEST(LexLine, RewritesEveryEscapeOfAStringLiteral) {
    const std::pair<std::string, std::string> escapes[] = {
        {"~~", "~"},          {"~<", "&lt;"},  {"~>", "&gt;"},   {"~b", "<br />"},
        {"~h", "<hr />"},     {"~s", "&nbsp;"}, {"~n", "\\n"},   {"~r", "\\r"},
        {"~t", "\\t"},        {"~v", "\\v"},   {"~f", "\\f"},    {"~\\", "\\\\"},
        {"~$", "\\$"},        {"~q", "\\\""},
    };
    for (const auto& [source, php] : escapes) {
        EXPECT_EQ(Lex("\"a" + source + "z\"", true), Tokens{"\"a" + php + "z\""}) << source;
    }
    EXPECT_EQ(Lex("\"~b~~~q\"", true), Tokens{"\"<br />~\\\"\""});
}

TEST(GetToken, ReturnsEmptyTextOutsideTheTokens) {
    CLexer lexer;
    lexer.LexLine("a b", true, false);
    EXPECT_EQ(lexer.GetToken(0), "a");
    EXPECT_EQ(lexer.GetToken(1), "b");
    EXPECT_EQ(lexer.GetToken(2), "");
    EXPECT_EQ(lexer.GetToken(-1), "");
}

class LexicalError : public testing::Test {
protected:
    void SetUp() override {
        currentParseFile = "noted.tol";
        currentLine = 9;
    }
    void TearDown() override {
        currentParseFile.clear();
        currentLine = 0;
    }
};

TEST_F(LexicalError, ACountedLineNamesItself) {
    const std::pair<std::string, std::string> cases[] = {
        {"x = \"abc", "String missing double quote"},
        {"\"abc\\\"", "String missing double quote"},
        {"\"", "String missing double quote"},
        {"x = \"a\" & \"b", "String missing double quote"},
        {"\"~z\"", "Unknown escape character"},
        {"\"~B\"", "Unknown escape character"},
        {"\"ab~\"", "Unknown escape character"},
    };
    for (const auto& [line, message] : cases) {
        CLexer lexer;
        lexer.fileName = "site/main.tol";
        lexer.LexLine("ok", false, true);
        lexer.LexLine("ok", false, true);
        EXPECT_EQ(ReportOf([&] { lexer.LexLine(line, false, true); }),
                  Report(message, "site/main.tol", 3))
            << line;
    }
}

TEST_F(LexicalError, AStatementLexedAgainNamesThePositionNotedBefore) {
    CLexer lexer;
    lexer.fileName = "site/main.tol";
    lexer.LexLine("\"~~x\"", false, true);
    ASSERT_EQ(lexer.tokens, Tokens{"\"~x\""});
    EXPECT_EQ(ReportOf([&] { lexer.LexLine(lexer.tokens[0], true, false); }),
              Report("Unknown escape character", "noted.tol", 9));
}

TEST_F(LexicalError, AContinuationLineNamesThePositionNotedBefore) {
    CLexer lexer;
    lexer.fileName = "site/main.tol";
    lexer.LexLine("a ~~", false, true);
    EXPECT_EQ(ReportOf([&] { lexer.LexLine("\"open", true, false); }),
              Report("String missing double quote", "noted.tol", 9));
}

}  // namespace
