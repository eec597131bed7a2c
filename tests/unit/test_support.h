// Small helpers shared by the translator's unit tests: temporary folders and files, capturing
// what the translator prints, keeping the working folder, and catching the error report.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>

// A fresh folder below the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// Writes content byte for byte, creating the parent folders.
void WriteFile(const std::filesystem::path& path, const std::string& content);
std::string ReadFile(const std::filesystem::path& path);

// Everything printed on standard output while it lives goes into Text() instead.
class OutputCapture {
public:
    OutputCapture();
    ~OutputCapture();
    OutputCapture(const OutputCapture&) = delete;
    OutputCapture& operator=(const OutputCapture&) = delete;
    std::string Text() const { return text_.str(); }

private:
    std::ostringstream text_;
    std::streambuf* saved_;
};

// Puts the working folder back when it goes out of scope.
class WorkingFolderGuard {
public:
    WorkingFolderGuard() : saved_(std::filesystem::current_path()) {}
    ~WorkingFolderGuard() { std::filesystem::current_path(saved_); }
    WorkingFolderGuard(const WorkingFolderGuard&) = delete;
    WorkingFolderGuard& operator=(const WorkingFolderGuard&) = delete;

private:
    std::filesystem::path saved_;
};

// The three-line error report for message, file and line.
std::string Report(const std::string& message, const std::string& file = "", int line = 0);

// Runs action, which must end in an error report; returns the report (what the error carries,
// checked to be what was printed), or "no error" when action returned.
std::string ReportOf(const std::function<void()>& action);

// Word lists for tests: writes root/config/keywords.txt and root/config/php.txt below a
// temporary root and loads them from root/bin, as an installed translator does.
void LoadWordLists(const std::string& keywords, const std::string& phpWords);

// Symbol tables as a run has them when its first file starts: the program-level scopes
// opened, and word lists loaded whose last keyword slot holds "last" and whose reserved PHP
// words are "echo", "class" and "List". Every global is reset before and after each test.
class TranslatorTablesTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};
