// Running one golden case against a private copy of the installed translator.
#include "golden_case.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

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

// Single quotes keep every argument one word for the shell.
std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

fs::path PrepareInstallation(const fs::path& caseFolder, const fs::path& work) {
    fs::path root = work / "root";
    fs::copy(TOLVA_STAGE, root, fs::copy_options::recursive);
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

std::string RunCommand(const std::string& command, int& status) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    int raw = pclose(pipe);
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    return output;
}

}  // namespace

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

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
                          ShellQuote((root / "bin" / TSG_NAME).string());
    for (std::string argument : Arguments(caseFolder)) {
        ReplaceAll(argument, "{src}", src.string());
        ReplaceAll(argument, "{out}", out.string());
        command += " " + ShellQuote(argument);
    }
    GoldenResult result;
    result.output = RunCommand(command + " 2>&1", result.status);
    ReplaceAll(result.output, src.string(), "{src}");
    ReplaceAll(result.output, out.string(), "{out}");
    result.outFolder = out;
    return result;
}
