// The translator's command line.
#include "driver/command_line.h"

#include "driver/console.h"
#include "driver/settings.h"
#include "driver/strings.h"

void PrintBanner() {
    PrintLine("Tolva Script Generator v" + version);
    PrintLine("Translates TolvaBasic sources into a PHP site.");
    PrintLine();
}

void PrintUsage() {
    PrintLine(
        "Usage: tsg -s {$somesystem}/dir/mainSource.tol -o {$somesystem}/dir/outputdir "
        "[-b http://localhost/] [-httphead] [-t] [-c]");
    PrintLine();
    PrintLine("-s : Main source file path");
    PrintLine("-o : Output directory");
    PrintLine("-b : Open browser with specified local URL");
    PrintLine("-httphead : Parse TolvaBasic HTTP Header file");
    PrintLine("-t : Trace original Tolva code");
    PrintLine("-c : Output user comments");
}

void ScanArguments(const std::vector<std::string>& arguments) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        bool hasValue = i + 1 < arguments.size();
        if (argument == "-s" && hasValue) {
            mainFile = arguments[i + 1];
            inputPath = StripFilename(mainFile);
            PrintLine("Main source: " + mainFile);
        } else if (argument == "-o" && hasValue) {
            outputPath = arguments[i + 1];
            PrintLine("Output path: " + outputPath);
        } else if (argument == "-b" && hasValue) {
            localServerAddress = arguments[i + 1];
            openbrowser = true;
            PrintLine("Flag Set: Open in browser");
        } else if (argument == "-httphead") {
            processHeader = true;
            PrintLine("Flag Set: Processes header");
        } else if (argument == "-t") {
            doTrace = 1;
            PrintLine("Flag Set: Do Trace");
        } else if (argument == "-c") {
            outputComments = 1;
            PrintLine("Flag Set: Output comments");
        }
    }
}
