// The one place where the translator asks the operating system for something. Each platform
// has its own implementation file; the build picks one.
#pragma once

#include <ios>
#include <string>
#include <vector>

std::string GetAppDir();  // full path of the running program file; empty when unknown
bool ChangeCurrentDirectory(const std::string& path);
bool CreateDir(const std::string& path);  // one folder; false also when it exists already
bool DirectoryExists(const std::string& path);
bool FileCopy(const std::string& source, const std::string& destination);
bool RemoveFile(const std::string& path);

// Names of the sub-folders of path, in listing order, without "." and "..". False when the
// folder cannot be listed.
bool ListSubfolders(const std::string& path, std::vector<std::string>& names);

// Hands address to the desktop's browser; on Linux it waits for the launcher to return.
// shownAddress is the address as given on the command line, for the progress line.
void LaunchBrowser(const std::string& shownAddress, const std::string& address);

// Open mode of the text files read and written (sources, word lists, template, PHP, style
// sheet): binary on Linux, where a line ends in LF and a CR before it stays in the line; text
// mode on Windows, where a line ends in CR LF.
std::ios::openmode TextFileMode();
