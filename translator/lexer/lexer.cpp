// Lexer: one source line to a token list. The rules are tried in a fixed order at every
// position: comment, string literal, identifier, number, operator, blank, anything else
// (dropped). The line gets one space appended first, so every token ends before the line does.
#include "lexer/lexer.h"

#include <algorithm>
#include <array>

#include "driver/die.h"
#include "driver/settings.h"
#include "driver/strings.h"

namespace {

enum CharClass : unsigned char {
    kOperator = 1,
    kIdentStart = 2,
    kIdent = 4,
    kNumber = 8,
    kPairSecond = 16,  // may follow another operator character in a two-character operator
};

constexpr std::array<unsigned char, 256> BuildClassTable() {
    std::array<unsigned char, 256> table{};
    auto mark = [&table](std::string_view chars, unsigned char flag) {
        for (char c : chars) table[static_cast<unsigned char>(c)] |= flag;
    };
    mark(CLexer::operatorChars, kOperator);
    mark(CLexer::operatorChars.substr(0, CLexer::kOperatorPairSeconds), kPairSecond);
    mark(CLexer::identStartChars, kIdentStart);
    mark(CLexer::identChars, kIdent);
    mark(CLexer::numberChars, kNumber);
    return table;
}

constexpr std::array<unsigned char, 256> kClassTable = BuildClassTable();

bool Has(char c, CharClass flag) { return kClassTable[static_cast<unsigned char>(c)] & flag; }

// Replacement text of "~" followed by c, or nullptr when c is no escape letter.
const char* EscapeText(char c) {
    switch (c) {
        case '~': return "~";
        case '<': return "&lt;";
        case '>': return "&gt;";
        case 'b': return "<br />";
        case 'h': return "<hr />";
        case 's': return "&nbsp;";
        case 'n': return "\\n";
        case 'r': return "\\r";
        case 't': return "\\t";
        case 'v': return "\\v";
        case 'f': return "\\f";
        case '\\': return "\\\\";
        case '$': return "\\$";
        case 'q': return "\\\"";
        default: return nullptr;
    }
}

}  // namespace

// The frame notes the position only after a line is lexed, so a counted line names itself
// here. A statement lexed again belongs to the line the frame has noted already.
void CLexer::LexicalError(const std::string& message) const {
    if (lineCounted_) {
        currentLine = lineCount;
        currentParseFile = fileName;
    }
    Die(message);
}

std::string CLexer::RewriteEscapes(const std::string& raw) const {
    std::string literal;
    literal.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '~') {
            literal += raw[i];
            continue;
        }
        const char* text = i + 1 < raw.size() ? EscapeText(raw[i + 1]) : nullptr;
        if (text == nullptr) LexicalError("Unknown escape character");
        literal += text;
        ++i;
    }
    return literal;
}

namespace {

std::size_t SpanOf(const std::string& line, std::size_t start, CharClass flag) {
    std::size_t end = start + 1;
    while (end < line.size() && Has(line[end], flag)) ++end;
    return end;
}

}  // namespace

bool CLexer::IsOperatorChar(char c) { return Has(c, kOperator); }
bool CLexer::IsNumberChar(char c) { return Has(c, kNumber); }
bool CLexer::IsIdentStartChar(char c) { return Has(c, kIdentStart); }

std::string CLexer::GetToken(int index) const {
    if (index < 0 || index >= TokenAmount()) return std::string();
    return tokens[static_cast<std::size_t>(index)];
}

int CLexer::LexLine(std::string line, bool slashComments, bool countLine) {
    if (countLine) ++lineCount;
    lineCounted_ = countLine;
    tabCount = static_cast<int>(std::count(line.begin(), line.end(), '\t'));
    tokens.clear();
    line += ' ';
    std::size_t p = 0;
    while (p < line.size()) {
        char c = line[p];
        if (c == '\'') {
            tokens.push_back((slashComments ? "//" : "'") + line.substr(p + 1));
            break;
        }
        if (c == '"') {
            p = LexString(line, p);
        } else if (Has(c, kIdentStart)) {
            std::size_t end = SpanOf(line, p, kIdent);
            tokens.push_back(LowerString(line.substr(p, end - p)));
            p = end;
        } else if (Has(c, kNumber)) {
            std::size_t end = SpanOf(line, p, kNumber);
            tokens.push_back(line.substr(p, end - p));
            p = end;
        } else if (Has(c, kOperator)) {
            p = LexOperator(line, p);
        } else {
            ++p;  // blanks separate tokens; every other character is dropped
        }
    }
    return TokenAmount();
}

// A double quote closes the literal unless a backslash stands right before it. The appended
// space at the very end of the line is never part of a literal.
std::size_t CLexer::LexString(const std::string& line, std::size_t start) {
    std::size_t last = line.size() - 1;
    std::size_t p = start + 1;
    while (true) {
        if (p >= last) LexicalError("String missing double quote");
        if (line[p] == '"' && line[p - 1] != '\\') break;
        ++p;
    }
    tokens.push_back(RewriteEscapes(line.substr(start, p + 1 - start)));
    return p + 1;
}

std::size_t CLexer::LexOperator(const std::string& line, std::size_t start) {
    char c = line[start];
    bool isBracket = c == '(' || c == ')' || c == '[' || c == ']';
    std::size_t length =
        !isBracket && start + 1 < line.size() && Has(line[start + 1], kPairSecond) ? 2 : 1;
    tokens.push_back(line.substr(start, length));
    return start + length;
}
