// Linux implementation of the platform layer. File offsets are 64 bits wide on 32-bit ARM too:
// under a 64-bit kernel the positions in a folder listing do not fit 32 bits, and readdir
// would end the listing at once.
#define _FILE_OFFSET_BITS 64

#include <dirent.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>

#include "driver/console.h"
#include "driver/platform/platform.h"

extern char** environ;

std::string GetAppDir() {
    char buffer[4096];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0) return std::string();
    return std::string(buffer, static_cast<std::size_t>(length));
}

bool ChangeCurrentDirectory(const std::string& path) { return chdir(path.c_str()) == 0; }

bool CreateDir(const std::string& path) { return mkdir(path.c_str(), 0777) == 0; }

bool DirectoryExists(const std::string& path) {
    DIR* folder = opendir(path.c_str());
    if (folder == nullptr) return false;
    closedir(folder);
    return true;
}

// The destination is created even when the source cannot be read, as a copy of nothing.
bool FileCopy(const std::string& source, const std::string& destination) {
    std::ifstream in(source, std::ios::binary);
    std::ofstream out(destination, std::ios::binary | std::ios::trunc);
    if (in && out) out << in.rdbuf();
    return true;
}

bool RemoveFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

static bool IsFolderEntry(const std::string& parent, const dirent& entry) {
    if (entry.d_type == DT_DIR) return true;
    if (entry.d_type != DT_UNKNOWN && entry.d_type != DT_LNK) return false;
    struct stat info;
    return stat((parent + "/" + entry.d_name).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool ListSubfolders(const std::string& path, std::vector<std::string>& names) {
    DIR* folder = opendir(path.c_str());
    if (folder == nullptr) return false;
    while (const dirent* entry = readdir(folder)) {
        std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (IsFolderEntry(path, *entry)) names.push_back(name);
    }
    closedir(folder);
    return true;
}

// Starts program with address as its only argument; false when the program is not installed.
static bool RunLauncher(const char* program, const std::string& address) {
    std::string argument = address;
    char* argv[] = {const_cast<char*>(program), argument.data(), nullptr};
    pid_t child;
    if (posix_spawnp(&child, program, nullptr, nullptr, argv, environ) != 0) return false;
    int status;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return true;
}

void LaunchBrowser(const std::string& shownAddress, const std::string& address) {
    PrintLine("Note: Using 'x-www-browser " + shownAddress + "' on Linux");
    if (RunLauncher("x-www-browser", address) || RunLauncher("xdg-open", address)) return;
    PrintLine("Note: No browser launcher found (x-www-browser or xdg-open); open the address by hand.");
}

std::ios::openmode TextFileMode() { return std::ios::binary; }
