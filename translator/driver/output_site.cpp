// Output site and HTTP header.
#include "driver/output_site.h"

#include <fstream>

#include "driver/console.h"
#include "driver/die.h"
#include "driver/platform/platform.h"
#include "driver/settings.h"
#include "driver/strings.h"
#include "engine/frame.h"
#include "engine/source_reader.h"

namespace {

const std::string kMarker = "{#SOURCE#}";

// Only the last marker of a line is replaced.
std::string ReplaceLastMarker(std::string line, const std::string& programName) {
    std::size_t at = line.rfind(kMarker);
    if (at != std::string::npos) line.replace(at, kMarker.size(), programName);
    return line;
}

// The template is opened first, so that a missing template leaves no empty index.php behind
// that would stop the site from ever being laid out again.
void WriteEntryPage(const std::string& indexPath) {
    SourceReader templateFile("../default/index.php");
    if (!templateFile.IsOpen()) Die("Cannot open default/index.php file for reading.");
    std::ofstream page(indexPath, TextFileMode() | std::ios::trunc);
    if (!page) Die("Cannot create index.php file in output folder.");
    std::string programName = StripExtension(StripDirectory(mainFile));
    while (!templateFile.Exhausted()) {
        page << ReplaceLastMarker(templateFile.Next(), programName) << '\n';
    }
    page.close();
    if (!page) Die("Cannot create index.php file in output folder.");
}

// An existing css folder or style sheet is the user's: it is kept as it is.
void WriteStyleSheet() {
    std::string cssFolder = outputPath + "/css";
    if (!DirectoryExists(cssFolder) && !CreateDir(cssFolder)) {
        Die("Cannot create include directory in output path");
    }
    std::string sheetPath = cssFolder + "/mystyle.css";
    if (IsReadableFile(sheetPath)) return;
    std::ofstream sheet(sheetPath, TextFileMode() | std::ios::trunc);
    if (sheet) sheet << "/*Add your CSS styles here*/\n";
    sheet.close();
    if (!sheet) Die("Cannot create CSS file in {output}/css folder.");
}

void RemoveStaleHeader() {
    std::string stalePath = outputPath + "/httpheader.php";
    if (IsReadableFile(stalePath) && !RemoveFile(stalePath)) {
        PrintLine("Warning: Unable to remove " + stalePath);
    }
}

}  // namespace

void ProcessDefaultFiles() {
    std::string indexPath = outputPath + "/index.php";
    if (IsReadableFile(indexPath)) return;
    WriteEntryPage(indexPath);
    WriteStyleSheet();
}

void ProcessTolHeader() {
    std::string headerSource = inputPath + "/tol_httpheader.tol";
    if (processHeader && !IsReadableFile(headerSource)) {
        Die("tol_httpheader.tol does not exist in source directory.");
    }
    RemoveStaleHeader();
    if (processHeader) CompileFile(headerSource);
}
