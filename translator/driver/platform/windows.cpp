// Windows implementation of the platform layer. Text files are opened in text mode, so lines
// are written with CR LF and a CR LF read back ends a line; the browser is left to the
// shell's "open" action, which does not wait for it.
#include <dirent.h>
#include <windows.h>
// shellapi.h needs the declarations of windows.h before it.
#include <shellapi.h>

#include <cstdio>

#include "driver/platform/platform.h"

std::string GetAppDir() {
    char buffer[260];
    DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    // A path that fills the whole buffer was cut short.
    if (length == 0 || length >= sizeof buffer) return std::string();
    return std::string(buffer, length);
}

bool ChangeCurrentDirectory(const std::string& path) {
    return SetCurrentDirectoryA(path.c_str()) != 0;
}

bool CreateDir(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != 0; }

bool DirectoryExists(const std::string& path) {
    DIR* folder = opendir(path.c_str());
    if (folder == nullptr) return false;
    closedir(folder);
    return true;
}

// Overwrites the destination; leaves none behind when the source cannot be read.
bool FileCopy(const std::string& source, const std::string& destination) {
    return CopyFileA(source.c_str(), destination.c_str(), FALSE) != 0;
}

bool RemoveFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

bool ListSubfolders(const std::string& path, std::vector<std::string>& names) {
    WIN32_FIND_DATAA entry;
    HANDLE listing = FindFirstFileA((path + "\\*.*").c_str(), &entry);
    if (listing == INVALID_HANDLE_VALUE) return false;
    do {
        std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) names.push_back(name);
    } while (FindNextFileA(listing, &entry));
    FindClose(listing);
    return true;
}

void LaunchBrowser(const std::string&, const std::string& address) {
    ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::ios::openmode TextFileMode() { return std::ios::openmode(); }
