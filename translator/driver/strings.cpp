// String and path helpers.
#include "driver/strings.h"

#include <algorithm>

namespace {

constexpr const char* kSeparators = "/\\";

}  // namespace

std::string LowerString(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::string UpperString(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

std::string ReplaceChar(std::string text, char oldChar, char newChar) {
    if (newChar == '\0') {
        text.erase(std::remove(text.begin(), text.end(), oldChar), text.end());
    } else {
        std::replace(text.begin(), text.end(), oldChar, newChar);
    }
    return text;
}

std::vector<std::string> ExplodeString(const std::string& delimiter, const std::string& text) {
    std::vector<std::string> pieces;
    if (delimiter.empty()) return pieces;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(delimiter, start)) != std::string::npos;) {
        pieces.push_back(text.substr(start, at - start));
        start = at + delimiter.size();
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

std::string LeftString(const std::string& text, std::size_t n) { return text.substr(0, n); }

std::string RightString(const std::string& text, std::size_t n) {
    return n >= text.size() ? text : text.substr(text.size() - n);
}

std::string IntToString(int n) { return std::to_string(n); }

std::string StripFilename(const std::string& path) {
    std::size_t at = path.find_last_of(kSeparators);
    return at == std::string::npos ? path : path.substr(0, at);
}

std::string StripDirectory(const std::string& path) {
    std::size_t at = path.find_last_of(kSeparators);
    return at == std::string::npos ? path : path.substr(at + 1);
}

std::string StripExtension(const std::string& path) {
    std::size_t at = path.rfind('.');
    return at == std::string::npos ? path : path.substr(0, at);
}

std::string ExtractExtension(const std::string& path) {
    std::size_t at = path.rfind('.');
    return at == std::string::npos ? std::string() : path.substr(at + 1);
}
