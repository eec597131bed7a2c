// Finds the installation root from the path of the running executable, so that the editor
// reads its icons, word lists and highlighting definition wherever it was installed and
// from whatever working folder it was started.
#pragma once

#include <optional>
#include <string>

// Sets appPath and appDir from the target of the symbolic link `exeLink`, printing the
// reason on standard output (without a line end) when that fails.
void LocateApplication(const std::string& exeLink = "/proc/self/exe");

// appDir + "/config", or nothing while appDir is unknown.
std::optional<std::string> ConfigFolder();

// ConfigFolder() + "/" + fileName, or nothing while appDir is unknown.
std::optional<std::string> ConfigFile(const std::string& fileName);
