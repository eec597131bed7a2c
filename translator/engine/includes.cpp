// Includes. A quoted file is translated into the matching sub-folder of the output; a library
// module's PHP is copied into the output and its header translated once per run, only for the
// names it declares. Both leave an include_once line where the statement stood.
#include "engine/includes.h"

#include <algorithm>

#include "driver/die.h"
#include "driver/platform/platform.h"
#include "driver/settings.h"
#include "driver/strings.h"
#include "engine/frame.h"
#include "engine/source_reader.h"
#include "engine/symbols.h"

namespace {

const std::string kLibraryRoot = "../libs/tol";

// A folder opens as a stream but has no lines to read, so it is no source or header file.
void RequireFolder(const std::string& path) {
    if (!DirectoryExists(path) && !CreateDir(path)) {
        Die("Cannot create include directory in output path");
    }
}

std::string IncludeLine(const std::string& folder, const std::string& name) {
    return "include_once(\"" + (folder.empty() ? "" : folder + "/") + name + ".php\");";
}

// Include "folder/file.tol": paths are relative to the main source folder, also inside
// included files; the output goes into the same folder below the current output folder.
void IncludeSourceFile(const Statement& statement) {
    std::string path = ReplaceChar(statement.Token(1), '"', '\0');
    std::string folder = StripFilename(path);
    std::string name = StripExtension(StripDirectory(path));
    std::string savedOutputPath = outputPath;
    if (folder.empty()) {
        outputPath = rootOutputPath;
    } else {
        outputPath += "/" + folder;
        RequireFolder(outputPath);
    }
    std::string source = inputPath + "/" + path;
    if (!IsReadableFile(source)) Die("Include file does not exist.");
    if (IsBeingTranslated(source)) Die("Include cycle: '" + path + "' includes itself.");
    WritePHP(statement.out, IncludeLine(folder, name));
    CompileFile(source);
    outputPath = savedOutputPath;
}

bool IsIncluded(const std::string& library, const std::string& module) {
    return std::any_of(vLibList.begin(), vLibList.end(), [&](const CLibrary& included) {
        return included.moduleName == module && included.libraryName == library;
    });
}

// A module is copied, announced and its header translated at most once per run. It is
// recorded before its header is translated, so a header naming its own library again stops.
void IncludeModule(const Statement& statement, const std::string& library,
                   const std::string& module) {
    if (IsIncluded(library, module)) return;
    std::string moduleFolder = kLibraryRoot + "/" + library + "/" + module;
    std::string header = moduleFolder + "/" + module + ".hol";
    if (!IsReadableFile(header)) Die("Cannot open header file");
    RequireFolder(outputPath + "/" + library);
    FileCopy(moduleFolder + "/" + module + ".php",
             outputPath + "/" + library + "/" + module + ".php");
    WritePHP(statement.out, IncludeLine(library, module));
    vLibList.push_back(CLibrary{module, library});
    CompileFile(header);
}

// Modules in name order, so that every machine writes the same site.
void IncludeWholeLibrary(const Statement& statement, const std::string& library) {
    std::vector<std::string> modules;
    if (!ListSubfolders(kLibraryRoot + "/" + library, modules)) {
        Die("Cannot open library '" + library + "'.");
    }
    std::sort(modules.begin(), modules.end());
    for (const std::string& module : modules) IncludeModule(statement, library, module);
}

// Include library.* | Include library.module
void IncludeLibrary(const Statement& statement) {
    if (statement.Count() < 4) Die("Include needs a library and a module: library.module");
    const std::string& library = statement.Token(1);
    if (statement.Token(2) + statement.Token(3) == ".*") {
        IncludeWholeLibrary(statement, library);
    } else {
        IncludeModule(statement, library, statement.Token(3));
    }
}

}  // namespace

void IncludeStatement(Statement& statement) {
    if (statement.Count() < 2) Die("Include needs a file in double quotes or a library module");
    if (statement.Token(1)[0] == '"') {
        IncludeSourceFile(statement);
    } else {
        IncludeLibrary(statement);
    }
}
