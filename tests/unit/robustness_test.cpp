// Hostile sources translated in one process through the whole run sequence: random bytes,
// random soups of the language's words and marks, NUL bytes, CR LF, a last line without line
// break, lines of a megabyte and a file of a million lines. Every run must end either with
// "Done! \o/" (status 0) or with the three-line error report (status 1), and never crash.
// The sanitizer build runs this too, so each input stays small or is run once.
#include <gtest/gtest.h>

#include <random>
#include <regex>

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
        static const std::regex kNumber("-?[0-9]+\n");
        return std::regex_match(printed.substr(line + 7), kNumber);
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
