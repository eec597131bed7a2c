// String and path helpers shared by the whole translator. All text is handled as bytes; a path
// separator is a slash or a backslash, and paths are joined with "/".
#pragma once

#include <string>
#include <vector>

std::string LowerString(std::string text);  // ASCII letters only
std::string UpperString(std::string text);  // ASCII letters only

// Every oldChar becomes newChar; a newChar of NUL removes oldChar altogether. Nothing else is
// touched, so UTF-8 text survives.
std::string ReplaceChar(std::string text, char oldChar, char newChar);

// Pieces between non-overlapping delimiters, empty pieces kept; an empty delimiter gives none.
std::vector<std::string> ExplodeString(const std::string& delimiter, const std::string& text);

std::string LeftString(const std::string& text, std::size_t n);
std::string RightString(const std::string& text, std::size_t n);
std::string IntToString(int n);

std::string StripFilename(const std::string& path);     // before the last separator, else all
std::string StripDirectory(const std::string& path);    // after the last separator, else all
std::string StripExtension(const std::string& path);    // before the last ".", else all
std::string ExtractExtension(const std::string& path);  // after the last ".", else empty
