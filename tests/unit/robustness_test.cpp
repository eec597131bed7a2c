// Hostile sources through the whole run sequence, in one process: random bytes, soups of the
// language's words, mutated copies of the repository's programs, NUL bytes, CR LF, megabyte
// lines and a million lines. Every run ends with "Done! \o/" (status 0) or the three-line
// report (status 1) and never crashes. The sanitizer build runs it too, so inputs stay small
// or run once.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <sstream>

#include "driver/run.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

using namespace std::string_literals;

class HostileSource : public testing::Test {
protected:
    void SetUp() override {
        ResetTranslator();
        fs::create_directories(temp_ / "src");
    }
    void TearDown() override { ResetTranslator(); }

    // Translates content as the main file into a fresh output folder and checks how the run
    // ended.
    void ExpectCleanEnd(const std::string& content, const std::string& what) {
        WriteFile(temp_ / "src/main.tol", content);
        fs::remove_all(temp_ / "out");
        fs::create_directories(temp_ / "out");
        std::string printed;
        int status;
        {
            OutputCapture capture;
            WorkingFolderGuard guard;
            status = RunTranslator(
                {"-s", (temp_ / "src/main.tol").string(), "-o", (temp_ / "out").string()});
            printed = capture.Text();
        }
        ResetTranslator();
        if (status == 0) {
            EXPECT_TRUE(printed.ends_with("\nDone! \\o/\n\n")) << what << "\n" << Tail(printed);
        } else {
            EXPECT_EQ(status, 1) << what;
            EXPECT_TRUE(EndsInReport(printed)) << what << "\n" << Tail(printed);
        }
    }

    // The last three lines are "Error: ", "File: " and "Line: " with a number.
    static bool EndsInReport(const std::string& printed) {
        std::size_t error = printed.rfind("\nError: ");
        if (error == std::string::npos) return false;
        std::size_t file = printed.find('\n', error + 1);
        std::size_t line = printed.find('\n', file + 1);
        if (line == std::string::npos || printed.compare(file, 7, "\nFile: ") != 0 ||
            printed.compare(line, 7, "\nLine: ") != 0) {
            return false;
        }
        std::string number = printed.substr(line + 7);
        if (number.size() < 2 || number.back() != '\n') return false;
        number.pop_back();
        if (number[0] == '-') number.erase(0, 1);
        return !number.empty() && std::all_of(number.begin(), number.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) != 0;
        });
    }

    static std::string Tail(const std::string& printed) {
        return printed.size() <= 2000 ? printed : printed.substr(printed.size() - 2000);
    }

    TempFolder temp_;
};

TEST_F(HostileSource, RandomBytes) {
    std::mt19937 random(20261211);
    for (int run = 0; run < 200; ++run) {
        std::string content(random() % 3000, '\0');
        for (char& c : content) c = static_cast<char>(random() % 256);
        ExpectCleanEnd(content, "random bytes, run " + std::to_string(run));
    }
}

// Lines of random words and marks, starting with a statement keyword more often than not, so
// that the statement handlers see truncated and scrambled forms of every statement.
std::string RandomSoup(std::mt19937& random) {
    static const std::vector<std::string> kFirst = {
        "Include", "Print", "Function", "EndFunction", "Method", "EndMethod", "Return", "Type",
        "EndType", "Until", "Repeat", "Forever", "While", "Wend", "If", "ElseIf", "Else",
        "EndIf", "Select", "EndSelect", "Case", "Default", "For", "Next", "Field", "Local",
        "Global", "Const", "Public", "Private", "End", "Exit", "Continue", "Extern",
        "EndExtern", "InlinePHP", "EndInlinePHP", "a", "b", "this", "1", "\t"};
    static const std::vector<std::string> kWords = {
        "a", "b", "c", "foo", "this", "new", "as", "foo", "to", "step", "eachin", "array",
        "true", "null", "1", "2.5", ".", "\"s\"", "\"~b~q\"", "\"a;b\"", "\"", "\"~\"", "=",
        "==", "!=", "<>", "+", "-", "*", "/", "&", "|", "\\", ":", "(", ")", "[", "]", ",", ";",
        "=>", "~", "~~", "'c", "#", "$", "\t", " ", "\r", "\0"s, "\xC3\xA9", "std", ".*",
        "std.math", "std.*", "nolib.x", "\"main.tol\"", "\"sub/x.tol\"", "tol_sqrt", "sqrt"};
    std::string text;
    int lines = 1 + static_cast<int>(random() % 40);
    for (int line = 0; line < lines; ++line) {
        if (random() % 4 != 0) text += kFirst[random() % kFirst.size()] + " ";
        int words = static_cast<int>(random() % 8);
        for (int word = 0; word < words; ++word) text += kWords[random() % kWords.size()] + " ";
        text += random() % 5 == 0 ? "\r\n" : "\n";
    }
    if (random() % 2 == 0) text.pop_back();
    return text;
}

TEST_F(HostileSource, RandomSoupsOfTheLanguage) {
    std::mt19937 random(4711);
    for (int run = 0; run < 600; ++run) {
        ExpectCleanEnd(RandomSoup(random), "soup, run " + std::to_string(run));
    }
}

// The TolvaBasic sources of the repository (test cases and examples), each line of which is
// a well-formed statement, so that mutated copies reach deep into the statement handlers.
std::vector<std::vector<std::string>> SourceCorpus() {
    std::vector<std::vector<std::string>> corpus;
    for (const char* folder : {"tests", "examples"}) {
        fs::path root = fs::path(TOLVA_SOURCE_DIR) / folder;
        if (!fs::exists(root)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            if (entry.path().extension() != ".tol" || !entry.is_regular_file()) continue;
            std::vector<std::string> lines;
            std::istringstream text(ReadFile(entry.path()));
            for (std::string line; std::getline(text, line);) lines.push_back(line);
            if (!lines.empty()) corpus.push_back(std::move(lines));
        }
    }
    std::sort(corpus.begin(), corpus.end());
    return corpus;
}

// A copy of one program with a few lines dropped, repeated, swapped, cut short, spliced
// with a line of another program, or broken by a stray mark.
std::string Mutated(const std::vector<std::vector<std::string>>& corpus, std::mt19937& random) {
    static const std::vector<std::string> kMarks = {
        "\"", "~", "~~", ";", "'", "(", ")", "=", "\\", ":", "&", "as", "\0"s, "\r", "\t"};
    std::vector<std::string> lines = corpus[random() % corpus.size()];
    int mutations = 1 + static_cast<int>(random() % 3);
    for (int i = 0; i < mutations && !lines.empty(); ++i) {
        std::size_t at = random() % lines.size();
        std::string& line = lines[at];
        switch (random() % 6) {
            case 0: lines.erase(lines.begin() + static_cast<long>(at)); break;
            case 1: lines.insert(lines.begin() + static_cast<long>(at), line); break;
            case 2: std::swap(line, lines[random() % lines.size()]); break;
            case 3: line.resize(line.empty() ? 0 : random() % line.size()); break;
            case 4: {
                const auto& other = corpus[random() % corpus.size()];
                line = other[random() % other.size()];
                break;
            }
            default: line.insert(line.empty() ? 0 : random() % line.size(),
                                 kMarks[random() % kMarks.size()]);
        }
    }
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

TEST_F(HostileSource, MutatedPrograms) {
    const auto corpus = SourceCorpus();
    ASSERT_FALSE(corpus.empty());
    std::mt19937 random(1303);
    for (int run = 0; run < 1500; ++run) {
        std::string content = Mutated(corpus, random);
        ExpectCleanEnd(content, "mutated program, run " + std::to_string(run) + ":\n" +
                                    content.substr(0, 600));
    }
}

TEST_F(HostileSource, LineEndsAndStrayBytes) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "an empty file"},
        {"\n\n\n", "line breaks only"},
        {"1 + 2", "a last line without line break"},
        {"1 + 2\r\n\"a\" & \"b\"\r\n", "CR LF"},
        {"\r\r\r", "carriage returns only"},
        {"1\0 + 2\n\0\0\n\"a\0b\"\n"s, "NUL bytes"},
        {"\xEF\xBB\xBF" "1\n\xFF\xFE\x80\n\"\xC3\xA9\"\n", "bytes of 128 and above"},
        {"InlinePHP\n\0\n", "NUL in an inline block"},
        {"InlinePHP", "an inline block opened on the last line"},
        {"1 ~~", "a continuation on the last line"},
        {"1 ~~\n", "a continuation before an empty last line"},
        {"\"~~~~~\"", "escapes that break on the second lexing"},
    };
    for (const auto& [content, what] : cases) ExpectCleanEnd(content, what);
}

TEST_F(HostileSource, LinesOfAMegabyte) {
    const std::size_t kMegabyte = 1 << 20;
    auto repeated = [&](const std::string& piece) {
        std::string line;
        while (line.size() < kMegabyte) line += piece;
        return line;
    };
    ExpectCleanEnd(repeated("1 + ") + "1\n", "a long expression");
    ExpectCleanEnd("\"" + repeated("x~b") + "\"\n", "a long string");
    ExpectCleanEnd(repeated(";"), "a line of empty statements");
    ExpectCleanEnd(repeated("(") + "\n", "a line of brackets");
    ExpectCleanEnd(repeated("a"), "a long name");
    ExpectCleanEnd("1 ~~\n" + repeated("2 ~\n") + "3\n", "a long continued statement");
    ExpectCleanEnd("InlinePHP\n" + repeated("$x = 1;\n") + "EndInlinePHP\n", "a long block");
}

TEST_F(HostileSource, AMillionShortLines) {
    std::string content;
    for (int line = 0; line < 250000; ++line) content += "1 + 2\n\"a;b\"; 3 ' c\n\n\t4\n";
    ExpectCleanEnd(content, "a million lines");
}

}  // namespace
