// Shared support of the tests that run the installed translator.
#include "stage_support.h"

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>

std::filesystem::path StagedInstallation() { return TOLVA_STAGE; }

std::filesystem::path StagedTranslator() { return StagedInstallation() / "bin" / TSG_NAME; }

bool HavePhp() {
    std::string php = PHP_EXECUTABLE;
    return !php.empty() && php.find("NOTFOUND") == std::string::npos;
}

std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

CommandResult RunCommand(const std::string& command) {
    CommandResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        result.status = -1;
        return result;
    }
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        result.output.append(buffer, n);
    }
    int raw = pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    return result;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}
