// CLexer turns one line of TolvaBasic into a token list: lower-cased words, numbers, operators
// of one or two characters, string literals rewritten into PHP double-quoted form, and at most
// one trailing comment. It also counts the line's tabs (the frame indents by them) and, when
// asked, the line itself (the frame reports errors by that count).
#pragma once

#include <string>
#include <string_view>
#include <vector>

class CLexer {
public:
    // The character classes, each an ordered list. Only the first 11 operator characters may
    // be the second character of a two-character operator.
    static constexpr std::string_view operatorChars = "+-*^/%=><:{}[]();&.,#$\\!|~";
    static constexpr std::string_view identStartChars =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_";
    static constexpr std::string_view identChars =
        "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_";
    static constexpr std::string_view numberChars = "0123456789.";
    static constexpr std::size_t kOperatorPairSeconds = 11;

    static bool IsOperatorChar(char c);
    static bool IsNumberChar(char c);
    static bool IsIdentStartChar(char c);

    int tabCount = 0;
    std::string fileName;  // kept for the frame's error reports; the lexer never reads it
    int lineCount = 0;
    std::vector<std::string> tokens;

    // Replaces tokens and tabCount with those of line; countLine advances lineCount first.
    // Ends the run through Die on an unterminated string or an unknown "~" escape.
    int LexLine(std::string line, bool slashComments, bool countLine);
    int TokenAmount() const { return static_cast<int>(tokens.size()); }
    // The token at index, or an empty text when index lies outside the list.
    std::string GetToken(int index) const;
    int GetTabAmount() const { return tabCount; }

private:
    [[noreturn]] void LexicalError(const std::string& message) const;
    std::string RewriteEscapes(const std::string& raw) const;
    std::size_t LexString(const std::string& line, std::size_t start);
    std::size_t LexOperator(const std::string& line, std::size_t start);

    bool lineCounted_ = false;  // the line being lexed was counted
};
