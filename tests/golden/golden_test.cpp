// Golden cases: standard output, exit status and the output folder, byte for byte; every
// PHP file of a successful translation must also pass the PHP syntax check.
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "golden_case.h"
#include "stage_support.h"

namespace fs = std::filesystem;

namespace {

const fs::path kGoldenRoot = TOLVA_GOLDEN_DIR;

std::set<std::string> FilesBelow(const fs::path& folder) {
    std::set<std::string> files;
    if (!fs::exists(folder)) return files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), folder).string());
    }
    return files;
}

int ExpectedStatus(const fs::path& caseFolder) {
    if (!fs::exists(caseFolder / "status")) return 0;
    return std::stoi(ReadFile(caseFolder / "status"));
}

void ExpectSameTree(const fs::path& caseFolder, const fs::path& out) {
    std::set<std::string> actual = FilesBelow(out);
    bool seeded = !fs::exists(caseFolder / "out-before") && !fs::exists(caseFolder / "no-out");
    if (seeded) {
        EXPECT_EQ(ReadFile(out / "index.php"), "laid out before\n") << "index.php was touched";
        actual.erase("index.php");
    }
    std::set<std::string> expected = FilesBelow(caseFolder / "expected");
    EXPECT_EQ(actual, expected) << "files in the output folder";
    for (const std::string& file : expected) {
        if (actual.count(file) == 0) continue;
        EXPECT_EQ(ReadFile(out / file), ReadFile(caseFolder / "expected" / file)) << file;
    }
}

void ExpectPhpSyntaxValid(const fs::path& out) {
    if (!HavePhp()) return;
    for (const std::string& file : FilesBelow(out)) {
        if (fs::path(file).extension() != ".php") continue;
        std::string command = ShellQuote(PHP_EXECUTABLE) + " -l " +
                              ShellQuote((out / file).string()) + " > /dev/null 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << file << " does not pass php -l";
    }
}

// With GOLDEN_BLESS set, the case's expectations are rewritten from what the translator did;
// review the difference before committing it.
void Bless(const fs::path& caseFolder, const GoldenResult& result) {
    std::ofstream(caseFolder / "stdout", std::ios::binary) << result.output;
    if (result.status != 0) std::ofstream(caseFolder / "status") << result.status << "\n";
    fs::remove_all(caseFolder / "expected");
    fs::create_directories(caseFolder / "expected");
    bool seeded = !fs::exists(caseFolder / "out-before") && !fs::exists(caseFolder / "no-out");
    for (const std::string& file : FilesBelow(result.outFolder)) {
        if (seeded && file == "index.php") continue;
        fs::create_directories((caseFolder / "expected" / file).parent_path());
        fs::copy_file(result.outFolder / file, caseFolder / "expected" / file);
    }
}

class GoldenTest : public testing::TestWithParam<std::string> {};

TEST_P(GoldenTest, MatchesExpectedOutput) {
    fs::path caseFolder = kGoldenRoot / GetParam();
    fs::path work = fs::temp_directory_path() / ("tolva-golden-" + std::to_string(getpid())) /
                    GetParam();
    GoldenResult result = RunGoldenCase(caseFolder, work);
    if (std::getenv("GOLDEN_BLESS") != nullptr) Bless(caseFolder, result);
    EXPECT_EQ(result.output, ReadFile(caseFolder / "stdout"));
    EXPECT_EQ(result.status, ExpectedStatus(caseFolder));
    ExpectSameTree(caseFolder, result.outFolder);
    if (result.status == 0) ExpectPhpSyntaxValid(result.outFolder);
    if (!HasFailure()) fs::remove_all(work);
}

std::string CaseName(const testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    for (char& c : name) {
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenTest, testing::ValuesIn(FindGoldenCases(kGoldenRoot)),
                         CaseName);

}  // namespace
