// Programs run by PHP: each folder below programs/ holds program.tol and expected-output.txt.
// The program is translated as main.tol by the installed translator, started from another
// folder; then PHP runs the translated main.php, and the site's index.php, which loads it.
// What the program prints must equal the expected text, with nothing on standard error.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "stage_support.h"

namespace fs = std::filesystem;

namespace {

const fs::path kProgramsRoot = TOLVA_PROGRAMS_DIR;

CommandResult RunIn(const fs::path& folder, const std::string& command) {
    return RunCommand("cd " + ShellQuote(folder.string()) + " && " + command);
}

// Every notice, warning and deprecation goes to the error file, which must stay empty.
CommandResult RunPhp(const fs::path& folder, const fs::path& script, const fs::path& errors) {
    return RunIn(folder, ShellQuote(PHP_EXECUTABLE) +
                           " -d display_errors=stderr -d error_reporting=-1 -d log_errors=0 " +
                           ShellQuote(script.string()) + " 2> " + ShellQuote(errors.string()));
}

std::vector<std::string> FindPrograms() {
    std::vector<std::string> programs;
    for (const auto& entry : fs::directory_iterator(kProgramsRoot)) {
        if (fs::exists(entry.path() / "program.tol")) {
            programs.push_back(entry.path().filename().string());
        }
    }
    std::sort(programs.begin(), programs.end());
    return programs;
}

class PhpProgramTest : public testing::TestWithParam<std::string> {};

TEST_P(PhpProgramTest, PrintsExpectedOutput) {
    if (!HavePhp()) GTEST_SKIP() << "php is not installed";
    fs::path program = kProgramsRoot / GetParam();
    fs::path work =
        fs::temp_directory_path() / ("tolva-php-" + std::to_string(getpid())) / GetParam();
    fs::remove_all(work);
    fs::create_directories(work / "src");
    fs::create_directories(work / "out");
    fs::create_directories(work / "elsewhere");
    fs::copy_file(program / "program.tol", work / "src" / "main.tol");

    fs::path translator = StagedTranslator();
    CommandResult translation =
        RunIn(work / "elsewhere", ShellQuote(translator.string()) + " -s " +
                                    ShellQuote((work / "src" / "main.tol").string()) + " -o " +
                                    ShellQuote((work / "out").string()));
    ASSERT_EQ(translation.output.find("Error: "), std::string::npos) << translation.output;
    ASSERT_NE(translation.output.find("Done! \\o/"), std::string::npos) << translation.output;

    std::string expected = ReadFile(program / "expected-output.txt");
    CommandResult page = RunPhp(work / "elsewhere", work / "out" / "main.php", work / "main.err");
    EXPECT_EQ(page.status, 0);
    EXPECT_EQ(page.output, expected);
    EXPECT_EQ(ReadFile(work / "main.err"), "");

    CommandResult site = RunPhp(work / "elsewhere", work / "out" / "index.php", work / "index.err");
    EXPECT_EQ(site.status, 0);
    EXPECT_NE(site.output.find(expected), std::string::npos) << site.output;
    EXPECT_EQ(ReadFile(work / "index.err"), "");

    if (HasFailure()) return;
    fs::remove_all(work);
    std::error_code ignored;
    fs::remove(work.parent_path(), ignored);  // only once no other program's folder is left
}

std::string ProgramName(const testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    for (char& c : name) {
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Programs, PhpProgramTest, testing::ValuesIn(FindPrograms()),
                         ProgramName);

}  // namespace
