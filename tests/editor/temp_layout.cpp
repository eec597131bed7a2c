// Temporary installation roots below the system's temporary folder, and whole-file helpers
// for the tests that compare files byte for byte.
#include "temp_layout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

std::string InstalledRoot() {
    const char* stage = std::getenv("TOLVA_EDITOR_STAGE");
    return stage != nullptr ? stage : "";
}

TempLayout::TempLayout() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tolva-editor-XXXXXX");
    if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot create " << pattern;
    root = pattern;
    std::filesystem::create_directories(root + "/config");
}

TempLayout::~TempLayout() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

const std::string& TempLayout::Root() const { return root; }

std::string TempLayout::ConfigPath(const std::string& fileName) const {
    return root + "/config/" + fileName;
}

void TempLayout::WriteConfigFile(const std::string& fileName, const std::string& contents) const {
    WriteFileBytes(ConfigPath(fileName), contents);
}

void TempLayout::CopyInstalledConfigFile(const std::string& fileName) const {
    std::filesystem::copy_file(InstalledRoot() + "/config/" + fileName, ConfigPath(fileName),
                               std::filesystem::copy_options::overwrite_existing);
}

void TempLayout::CopyAllInstalledConfigFiles() const {
    for (const auto& entry : std::filesystem::directory_iterator(InstalledRoot() + "/config")) {
        if (entry.is_regular_file()) CopyInstalledConfigFile(entry.path().filename());
    }
}

void TempLayout::RemoveConfigFile(const std::string& fileName) const {
    std::filesystem::remove(ConfigPath(fileName));
}

void WriteFileBytes(const std::string& path, const std::string& contents) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << contents;
    if (!out) ADD_FAILURE() << "cannot write " << path;
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
