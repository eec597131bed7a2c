// CProject: the open project's settings for the translator, its source files and the files
// open in the editor, and the ".tpr" project file that keeps them between sessions.
// The project folder is not stored: it is always the folder that holds the project file.
#pragma once

#include <string>
#include <vector>

class CProject {
  public:
    std::string appName;      // written into the header comment of new source files
    std::string companyName;  // the author, likewise
    std::string mainFile;     // relative to the project folder
    std::string outputDir;    // as entered
    std::string localURL;     // the address a started project is opened at
    bool traceCode = false;
    bool compileHeader = false;
    bool outputComments = false;
    std::vector<std::string> editFiles;  // open in the editor, in tab order
    std::vector<std::string> srcFiles;   // the project's source files

    // A fresh project named `appName`, whose main file is appName + ".tol". Writes nothing.
    void CreateNewProject(const std::string& appName, const std::string& companyName,
                          const std::string& outputDir, const std::string& localURL);

    // Writes the project to projectFilePath; a failure is reported on standard error only
    // and leaves the previous project file intact.
    void SaveProject() const;

    // Points projectFilePath and projectPath at `existingProjectPath` and fills the project
    // from that file, reporting on standard error when it cannot be opened.
    void LoadProject(const std::string& existingProjectPath);
};
