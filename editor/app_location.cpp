// Reads the executable's own path through the symbolic link the kernel provides and derives
// the installation root from it; everything the editor installs is looked up below it.
#include "app_location.h"

#include <glib.h>
#include <unistd.h>

#include <iostream>
#include <vector>

#include "editor_state.h"
#include "file_io.h"

namespace {

std::optional<std::string> ReadLinkTarget(const std::string& link) {
    // The target's length is not known beforehand: grow until it fits with room to spare.
    for (std::size_t size = 256; size <= (1u << 20); size *= 2) {
        std::vector<char> buffer(size);
        const ssize_t length = readlink(link.c_str(), buffer.data(), buffer.size());
        if (length < 0) return std::nullopt;
        if (static_cast<std::size_t>(length) < buffer.size()) {
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        }
    }
    return std::nullopt;
}

std::optional<std::string> FileNameToUtf8(const std::string& fileName) {
    gchar* converted = g_filename_to_utf8(fileName.data(), static_cast<gssize>(fileName.size()),
                                          nullptr, nullptr, nullptr);
    if (converted == nullptr) return std::nullopt;
    std::string result(converted);
    g_free(converted);
    return result;
}

}  // namespace

void LocateApplication(const std::string& exeLink) {
    appPath.reset();
    appDir.reset();
    const std::optional<std::string> target = ReadLinkTarget(exeLink);
    if (!target) {
        std::cout << "Error: Cannot aquire '/proc/self/exe' path" << std::flush;
        return;
    }
    appPath = *target;
    const std::optional<std::string> converted = FileNameToUtf8(*target);
    if (!converted) {
        std::cout << "Error: Cannot convert app path to utf-8" << std::flush;
        return;
    }
    appPath = *converted;
    appDir = FolderOf(*converted);
}

std::optional<std::string> ConfigFolder() {
    if (!appDir) return std::nullopt;
    return *appDir + "/config";
}

std::optional<std::string> ConfigFile(const std::string& fileName) {
    const std::optional<std::string> folder = ConfigFolder();
    if (!folder) return std::nullopt;
    return *folder + "/" + fileName;
}
