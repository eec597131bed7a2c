// TempLayout: a temporary installation root for one test, with a config folder holding
// only what the test puts there, removed again when the test ends. InstalledRoot() is the
// installation staged by the test fixture, where the editor's own data files come from.
#pragma once

#include <string>

std::string InstalledRoot();

class TempLayout {
  public:
    TempLayout();
    ~TempLayout();
    TempLayout(const TempLayout&) = delete;
    TempLayout& operator=(const TempLayout&) = delete;

    const std::string& Root() const;
    std::string ConfigPath(const std::string& fileName) const;

    void WriteConfigFile(const std::string& fileName, const std::string& contents) const;
    // Copies a file of the staged installation's config folder.
    void CopyInstalledConfigFile(const std::string& fileName) const;
    void CopyAllInstalledConfigFiles() const;
    void RemoveConfigFile(const std::string& fileName) const;

  private:
    std::string root;
};

// Writes `contents` to `path` byte for byte, failing the test when it cannot.
void WriteFileBytes(const std::string& path, const std::string& contents);
std::string ReadFileBytes(const std::string& path);
