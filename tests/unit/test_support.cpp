// Helpers shared by the translator's unit tests: temporary folders, output capture, the
// error report, and the word lists and scopes that symbol and expression tests start from.
#include "test_support.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <iostream>

#include "driver/die.h"
#include "driver/run.h"
#include "driver/word_lists.h"
#include "engine/symbols.h"

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "tolva-unit-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void WriteFile(const fs::path& path, const std::string& content) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

OutputCapture::OutputCapture() : saved_(std::cout.rdbuf(text_.rdbuf())) {}

OutputCapture::~OutputCapture() { std::cout.rdbuf(saved_); }

std::string Report(const std::string& message, const std::string& file, int line) {
    return "Error: " + message + "\nFile: " + file + "\nLine: " + std::to_string(line) + "\n";
}

std::string ReportOf(const std::function<void()>& action) {
    OutputCapture capture;
    try {
        action();
    } catch (const FatalError& error) {
        EXPECT_EQ(capture.Text(), error.what()) << "the report printed is the one carried";
        return error.what();
    }
    return "no error";
}

void LoadWordLists(const std::string& keywords, const std::string& phpWords) {
    TempFolder root;
    WriteFile(root / "config/keywords.txt", keywords);
    WriteFile(root / "config/php.txt", phpWords);
    fs::create_directories(root / "bin");
    WorkingFolderGuard guard;
    fs::current_path(root / "bin");
    LoadKeywords();
}

namespace {

// 56 lines without a final line break: the language's words, spare ones, and "last" in the
// last slot.
std::string TestKeywordFile() {
    std::string text =
        "Include:includes a file\nPrint:writes values\nFunction\nLocal\nIf\nEndIf\n"
        "True\nFalse\nNull\nArray\nAs\nSelf\n";
    for (int slot = 12; slot < 55; ++slot) text += "spare" + std::to_string(slot) + "\n";
    return text + "Last";
}

}  // namespace

void TranslatorTablesTest::SetUp() {
    ResetTranslator();
    LoadWordLists(TestKeywordFile(), "echo\nclass\nList\n");
    localDefList.emplace_back();
    constList.emplace_back();
    funcList.emplace_back();
    localObjectList.emplace_back();
}

void TranslatorTablesTest::TearDown() { ResetTranslator(); }
