// The run sequence. Every error ends it through Die; files written so far stay as they are.
#include "driver/run.h"

#include "driver/browser.h"
#include "driver/command_line.h"
#include "driver/console.h"
#include "driver/die.h"
#include "driver/output_site.h"
#include "driver/platform/platform.h"
#include "driver/settings.h"
#include "driver/strings.h"
#include "driver/word_lists.h"
#include "engine/frame.h"
#include "engine/symbols.h"

namespace {

// The installation's data lies at paths relative to the program's own folder.
void MoveIntoProgramFolder() {
    std::string programFolder = StripFilename(GetAppDir());
    if (!ChangeCurrentDirectory(programFolder)) {
        PrintLine(programFolder);
        Die("Cannot change working directory to /bin");
    }
}

void CheckSettings() {
    if (mainFile.empty()) Die("No source file specified!");
    if (outputPath.empty()) Die("No output directory specified!");
}

void Translate(const std::vector<std::string>& arguments) {
    ScanArguments(arguments);
    PrintLine();
    MoveIntoProgramFolder();
    CheckSettings();
    rootOutputPath = outputPath;
    OpenProgramScopes();
    LoadKeywords();
    ProcessDefaultFiles();
    PrintLine("Working on files...");
    PrintLine();
    ProcessTolHeader();
    CompileFile(mainFile);
    PrintLine();
    CloseScope();
    if (openbrowser) BrowserCall(localServerAddress);
    PrintLine("Done! \\o/");
    PrintLine();
}

}  // namespace

int RunTranslator(const std::vector<std::string>& arguments) {
    PrintBanner();
    if (arguments.size() < 4) {
        PrintUsage();
        return 0;
    }
    try {
        Translate(arguments);
        return 0;
    } catch (const FatalError&) {
        return 1;
    }
}

void ResetTranslator() {
    mainFile.clear();
    inputPath.clear();
    outputPath.clear();
    rootOutputPath.clear();
    localServerAddress.clear();
    openbrowser = false;
    processHeader = false;
    doTrace = 0;
    outputComments = 0;
    currentParseFile.clear();
    currentLine = 0;
    tabbedAmount = 0;
    traceLine.clear();
    filesInTranslation.clear();
    ClearWordLists();
    ClearSymbolTables();
}
