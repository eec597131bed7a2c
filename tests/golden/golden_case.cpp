// Running one golden case against a private copy of the installed translator.
#include "golden_case.h"

#include <algorithm>
#include <fstream>

#include "stage_support.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> ReadLines(const fs::path& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
        text.replace(at, from.size(), to);
    }
}

fs::path PrepareInstallation(const fs::path& caseFolder, const fs::path& work) {
    fs::path root = work / "root";
    fs::copy(StagedInstallation(), root, fs::copy_options::recursive);
    if (fs::exists(caseFolder / "install")) {
        fs::copy(caseFolder / "install", root,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }
    for (const std::string& line : ReadLines(caseFolder / "install-remove")) {
        if (!line.empty()) fs::remove_all(root / line);
    }
    return root;
}

void PrepareOutput(const fs::path& caseFolder, const fs::path& out) {
    if (fs::exists(caseFolder / "no-out")) return;
    fs::create_directories(out);
    if (fs::exists(caseFolder / "out-before")) {
        fs::copy(caseFolder / "out-before", out, fs::copy_options::recursive);
    } else {
        std::ofstream(out / "index.php") << "laid out before\n";
    }
}

std::vector<std::string> Arguments(const fs::path& caseFolder) {
    if (!fs::exists(caseFolder / "args")) return {"-s", "{src}/main.tol", "-o", "{out}"};
    return ReadLines(caseFolder / "args");
}

}  // namespace

std::vector<std::string> FindGoldenCases(const fs::path& root) {
    std::vector<std::string> cases;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_directory() && fs::exists(entry.path() / "stdout")) {
            cases.push_back(fs::relative(entry.path(), root).string());
        }
    }
    std::sort(cases.begin(), cases.end());
    return cases;
}

GoldenResult RunGoldenCase(const fs::path& caseFolder, const fs::path& work) {
    fs::remove_all(work);
    fs::create_directories(work / "elsewhere");
    fs::path root = PrepareInstallation(caseFolder, work);
    fs::path src = work / "src";
    if (fs::exists(caseFolder / "src")) fs::copy(caseFolder / "src", src, fs::copy_options::recursive);
    fs::path out = work / "out";
    PrepareOutput(caseFolder, out);

    std::string command = "cd " + ShellQuote((work / "elsewhere").string()) + " && " +
                          ShellQuote((root / "bin" / StagedTranslator().filename()).string());
    for (std::string argument : Arguments(caseFolder)) {
        ReplaceAll(argument, "{src}", src.string());
        ReplaceAll(argument, "{out}", out.string());
        command += " " + ShellQuote(argument);
    }
    CommandResult run = RunCommand(command + " 2>&1");
    GoldenResult result;
    result.output = run.output;
    result.status = run.status;
    ReplaceAll(result.output, src.string(), "{src}");
    ReplaceAll(result.output, out.string(), "{out}");
    result.outFolder = out;
    return result;
}
