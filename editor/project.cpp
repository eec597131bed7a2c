// The ".tpr" format: a GENERAL block of eight lines, then the EDITFILES and SRCFILES lists,
// each closed by its end marker. Reading is tolerant: sections may come in any order or be
// missing, unknown lines are skipped, and a file cut short leaves the rest empty.
#include "project.h"

#include <fstream>
#include <iostream>
#include <optional>

#include "editor_state.h"
#include "file_io.h"

namespace {

const char* FlagText(bool flag) { return flag ? "true" : "false"; }

// A line is true only when it is exactly "true"; "True" or "true " read as false.
bool ReadFlag(const std::optional<std::string>& line) { return line && *line == "true"; }

// One line without its "\n"; a last line without "\n" still counts, a "\r" stays.
std::optional<std::string> NextLine(std::istream& in) {
    std::string line;
    if (std::getline(in, line)) return line;
    return std::nullopt;
}

// GENERAL: the eight lines that follow, with header, trace, comments as the flag order.
void ReadGeneral(std::istream& in, CProject& project) {
    for (std::string* field : {&project.appName, &project.companyName, &project.mainFile,
                               &project.outputDir, &project.localURL}) {
        *field = NextLine(in).value_or("");
    }
    project.compileHeader = ReadFlag(NextLine(in));
    project.traceCode = ReadFlag(NextLine(in));
    project.outputComments = ReadFlag(NextLine(in));
}

// A file list: every line up to its end marker (or the end of the file) is an entry.
void ReadList(std::istream& in, const std::string& endMarker, std::vector<std::string>& list) {
    while (std::optional<std::string> line = NextLine(in)) {
        if (*line == endMarker) return;
        list.push_back(*line);
    }
}

void AppendLines(std::string& text, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) text += line + "\n";
}

std::string ProjectFileText(const CProject& project) {
    std::string text = "GENERAL\n";
    AppendLines(text, {project.appName, project.companyName, project.mainFile, project.outputDir,
                       project.localURL, FlagText(project.compileHeader),
                       FlagText(project.traceCode), FlagText(project.outputComments)});
    text += "EDITFILES\n";
    AppendLines(text, project.editFiles);
    text += "EDITFILESEND\nSRCFILES\n";
    AppendLines(text, project.srcFiles);
    text += "SRCFILESEND\n";
    return text;
}

}  // namespace

void CProject::CreateNewProject(const std::string& appName, const std::string& companyName,
                                const std::string& outputDir, const std::string& localURL) {
    this->appName = appName;
    this->companyName = companyName;
    this->outputDir = outputDir;
    this->localURL = localURL;
    mainFile = appName + ".tol";
    traceCode = compileHeader = outputComments = false;
    editFiles.clear();
    srcFiles.clear();
}

void CProject::SaveProject() const {
    if (std::optional<std::string> error =
            ReplaceFileContents(projectFilePath, ProjectFileText(*this))) {
        std::cerr << "Tolva Warning: " << *error << "\n";
    }
}

void CProject::LoadProject(const std::string& existingProjectPath) {
    projectFilePath = existingProjectPath;
    projectPath = FolderOf(existingProjectPath);
    editFiles.clear();
    srcFiles.clear();
    std::ifstream in(existingProjectPath, std::ios::binary);
    if (!in) {
        std::cerr << "Tolva Warning: Cannot open project file.\n";
        return;
    }
    while (std::optional<std::string> line = NextLine(in)) {
        if (*line == "GENERAL") {
            ReadGeneral(in, *this);
        } else if (*line == "EDITFILES") {
            ReadList(in, "EDITFILESEND", editFiles);
        } else if (*line == "SRCFILES") {
            ReadList(in, "SRCFILESEND", srcFiles);
        }
    }
}
