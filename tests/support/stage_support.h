// What the tests that run the installed translator share: the staged installation, running a
// command through the shell, and reading a file whole.
#pragma once

#include <filesystem>
#include <string>

struct CommandResult {
    std::string output;  // standard output
    int status = 0;      // exit status, or 128 + the signal that ended the command
};

// The installation root that the ctest fixture "stage" lays out, and its translator.
std::filesystem::path StagedInstallation();
std::filesystem::path StagedTranslator();

// True when the build found a PHP command-line interpreter.
bool HavePhp();

// Single quotes keep text one word for the shell, whatever it holds.
std::string ShellQuote(const std::string& text);

CommandResult RunCommand(const std::string& command);

std::string ReadFile(const std::filesystem::path& path);
