// The per-file frame. Every physical line is lexed once to find inline PHP blocks,
// continuations and ";" separators; every statement is then rebuilt from its tokens and lexed
// again, so that its comment comes out as "//", before it is dispatched.
#include "engine/frame.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "driver/console.h"
#include "driver/die.h"
#include "driver/platform/platform.h"
#include "driver/settings.h"
#include "driver/strings.h"
#include "engine/dispatch.h"
#include "engine/source_reader.h"
#include "lexer/lexer.h"

namespace {

constexpr std::size_t kOutputBufferSize = 1 << 16;

bool Is(const CLexer& lexer, int index, const char* text) {
    return index >= 0 && index < lexer.TokenAmount() && lexer.tokens[index] == text;
}

// inlinephp ... endinlinephp: the lines between are copied as they stand. They are still
// lexed (and counted), so a line the lexer rejects stops the run.
// The report names the file's last line, not the line before the block.
[[noreturn]] void UnterminatedInlineBlock(const CLexer& lexer) {
    currentLine = lexer.lineCount;
    currentParseFile = lexer.fileName;
    Die("No EndInlinePHP, unexpected end of file.");
}

void CopyInlineBlock(SourceReader& in, CLexer& lexer, std::ostream& out) {
    while (true) {
        if (in.Exhausted()) UnterminatedInlineBlock(lexer);
        std::string line = in.Next();
        lexer.LexLine(line, false, true);
        if (lexer.TokenAmount() == 0) continue;
        if (Is(lexer, 0, "endinlinephp")) break;
        if (in.LastLineUnterminated()) UnterminatedInlineBlock(lexer);
        out << line << (doTrace == 1 ? " //INLINE\n" : "\n");
    }
    lexer.LexLine("", false, true);
}

bool EndsInDoubleTilde(const CLexer& lexer) {
    int last = lexer.TokenAmount() - 1;
    return last > 0 && Is(lexer, last, "~") && Is(lexer, last - 1, "~");
}

bool EndsInTilde(const CLexer& lexer) {
    int last = lexer.TokenAmount() - 1;
    return Is(lexer, last, "~") || Is(lexer, last - 1, "~");
}

// A line ending in "~~" goes on with the next line, which may itself end in "~" to go on
// again. Every "~" of the joined text disappears. Continuation lines are not counted. Each
// line loses its "~" before it is appended, so the joined text is never scanned again and a
// long continued statement costs time in proportion to its length.
void JoinContinuedLines(SourceReader& in, CLexer& lexer, std::string text) {
    text = ReplaceChar(text, '~', '\0');
    bool goesOn = true;
    while (goesOn && !in.Exhausted()) {
        std::string next = in.Next();
        text += ReplaceChar(next, '~', '\0');
        lexer.LexLine(next, true, false);
        goesOn = EndsInTilde(lexer);
    }
    lexer.LexLine(text, false, false);
}

// Statement texts of one line: the tokens between ";" tokens, each followed by one space.
std::vector<std::string> SplitStatements(const std::vector<std::string>& tokens) {
    std::vector<std::string> statements;
    if (tokens.empty()) return statements;
    std::string current;
    for (const std::string& token : tokens) {
        if (token == ";") {
            statements.push_back(std::move(current));
            current.clear();
        } else {
            current += token;
            current += ' ';
        }
    }
    statements.push_back(std::move(current));
    return statements;
}

void TranslateStatement(const std::string& text, CLexer& lexer, std::ostream& out,
                        FileState& state) {
    lexer.LexLine(text, true, false);
    if (doTrace == 1) traceLine = text;
    if (lexer.TokenAmount() == 0) return;
    Statement statement{lexer, out, state};
    DispatchStatement(statement);
}

void TranslateLines(SourceReader& in, CLexer& lexer, std::ostream& out) {
    FileState state;
    while (!in.Exhausted()) {
        std::string line = in.Next();
        lexer.LexLine(line, false, true);
        int tabs = lexer.GetTabAmount();
        if (Is(lexer, 0, "inlinephp")) {
            CopyInlineBlock(in, lexer, out);
            tabs = 0;
        }
        currentLine = lexer.lineCount;
        tabbedAmount = tabs;
        currentParseFile = lexer.fileName;
        if (EndsInDoubleTilde(lexer)) JoinContinuedLines(in, lexer, std::move(line));
        for (const std::string& text : SplitStatements(lexer.tokens)) {
            TranslateStatement(text, lexer, out, state);
        }
    }
}

// In a line comment, "?>" would still end the PHP code.
std::string WithoutClosingTag(std::string text) {
    for (std::size_t at; (at = text.find("?>")) != std::string::npos;) text.replace(at, 2, "? >");
    return text;
}

}  // namespace

void WritePHP(std::ostream& out, std::string line) {
    if (doTrace == 1 && line != "<?php" && line != "?>") {
        line += " //" + WithoutClosingTag(traceLine);
        traceLine.clear();
    }
    if (tabbedAmount > 0) out << std::string(static_cast<std::size_t>(tabbedAmount), '\t');
    out << line << '\n';
}

namespace {

std::string CanonicalPath(const std::string& path) {
    std::error_code error;
    std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
    return error ? path : canonical.string();
}

// Keeps path on filesInTranslation while it is being translated, also when Die unwinds.
class TranslationMark {
public:
    explicit TranslationMark(const std::string& path) {
        filesInTranslation.push_back(CanonicalPath(path));
    }
    ~TranslationMark() { filesInTranslation.pop_back(); }
    TranslationMark(const TranslationMark&) = delete;
    TranslationMark& operator=(const TranslationMark&) = delete;
};

void OpenOutput(std::ofstream& out, std::vector<char>& buffer, const std::string& baseName) {
    out.rdbuf()->pubsetbuf(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    out.open(outputPath + "/" + baseName + ".php", TextFileMode() | std::ios::trunc);
    if (!out) Die("Cannot create '" + baseName + ".php'file in output folder.");
}

}  // namespace

bool IsBeingTranslated(const std::string& path) {
    std::string canonical = CanonicalPath(path);
    return std::find(filesInTranslation.begin(), filesInTranslation.end(), canonical) !=
           filesInTranslation.end();
}

void CompileFile(const std::string& path) {
    PrintLine(path);
    CLexer lexer;
    lexer.fileName = path;
    std::string baseName = StripExtension(StripDirectory(path));
    bool isHeader = ExtractExtension(StripDirectory(path)) == "hol";

    std::vector<char> buffer(kOutputBufferSize);
    std::ofstream file;
    std::ostream discarded(nullptr);
    if (!isHeader) OpenOutput(file, buffer, baseName);
    std::ostream& out = isHeader ? discarded : file;
    WritePHP(out, "<?php");

    SourceReader in(path);
    if (!in.IsOpen()) Die("Cannot read '" + StripDirectory(path) + "'.");
    TranslationMark mark(path);
    TranslateLines(in, lexer, out);
    WritePHP(out, "?>");
    if (isHeader) return;
    file.close();
    if (!file) Die("Cannot write '" + baseName + ".php' file in output folder.");
}
