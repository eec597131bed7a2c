// One golden case: a folder with the sources to translate, the arguments, and the expected
// standard output, exit status and output folder.
//
//   args         arguments, one per line; {src} and {out} stand for the case's folders
//                (default: -s {src}/main.tol -o {out})
//   src/         the sources, copied to a fresh folder
//   out-before/  the output folder's content before the run; without it the folder holds
//                only an index.php, so the site counts as laid out and is not compared
//   no-out       the output folder does not exist
//   install/     files laid over a private copy of the installation (config, default, libs)
//   install-remove  installation files to delete from that copy, one path per line
//   stdout       expected standard output, with {src} and {out} for the folders
//   status       expected exit status (default 0)
//   expected/    expected output folder, compared file by file
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct GoldenResult {
    std::string output;  // standard output with the folders replaced by {src} and {out}
    int status = 0;
    std::filesystem::path outFolder;
};

std::vector<std::string> FindGoldenCases(const std::filesystem::path& root);

// Runs the case in a fresh work folder below work and returns what the translator did.
GoldenResult RunGoldenCase(const std::filesystem::path& caseFolder,
                           const std::filesystem::path& work);
