// The browser launch of the installed translator ("-b"), run with an environment of its own:
// stand-in launchers on a private PATH record the arguments they are started with, and
// addresses that a shell would take for commands must reach the launcher as one plain word.
// The translation itself must come out as it does without "-b".
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "stage_support.h"

namespace fs = std::filesystem;

namespace {

void WriteFile(const fs::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::map<std::string, std::string> FilesBelow(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        files[fs::relative(entry.path(), folder).string()] = ReadFile(entry.path());
    }
    return files;
}

std::set<std::string> NamesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

struct RunResult {
    std::string output;
    std::string errors;
    int status = -1;
};

// A private installation, a source folder, a folder to start from and folders for PATH.
class BrowserRun {
  public:
    explicit BrowserRun(const std::string& name) : work_(fs::path(BROWSER_WORK) / name) {
        fs::remove_all(work_);
        fs::create_directories(work_ / "elsewhere");
        fs::create_directories(work_ / "launchers");
        fs::create_directories(work_ / "src");
        fs::copy(StagedInstallation(), work_ / "root", fs::copy_options::recursive);
        WriteFile(work_ / "src/main.tol", "Print \"Hi\"\nLocal a = 1\n");
    }

    // A launcher that writes the number of its arguments, then each argument on a line.
    void AddLauncher(const std::string& program) {
        fs::path script = work_ / "launchers" / program;
        WriteFile(script,
                  "#!/bin/sh\n{ echo $#; for a in \"$@\"; do printf '%s\\n' \"$a\"; "
                  "done; } > '" +
                      Record(program).string() + "'\n");
        fs::permissions(script, fs::perms::owner_all);
    }

    fs::path Record(const std::string& program) const { return work_ / (program + ".args"); }
    fs::path Launchers() const { return work_ / "launchers"; }
    fs::path Bin() const { return work_ / "root/bin"; }
    fs::path Elsewhere() const { return work_ / "elsewhere"; }
    fs::path Out() const { return work_ / "out"; }
    std::string OutArgument() const { return Out().string(); }

    // Translates into a fresh output folder, with the arguments after "-s ... -o ...".
    RunResult Translate(const std::string& path, const std::vector<std::string>& extra) {
        fs::remove_all(Out());
        fs::create_directories(Out());
        std::vector<std::string> arguments = {(Bin() / StagedTranslator().filename()).string(), "-s",
                                              (work_ / "src/main.tol").string(), "-o",
                                              OutArgument()};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return Run(arguments, "PATH=" + path);
    }

  private:
    RunResult Run(const std::vector<std::string>& arguments, const std::string& pathVariable) {
        std::vector<char*> argv;
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        std::string home = "HOME=" + work_.string();
        char* envp[] = {const_cast<char*>(pathVariable.c_str()), home.data(), nullptr};
        fs::path outputFile = work_ / "stdout", errorFile = work_ / "stderr";
        fs::path startFolder = Elsewhere();

        pid_t child = fork();
        if (child == 0) {
            int output = open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            int errors = open(errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            int nothing = open("/dev/null", O_RDONLY);
            if (output < 0 || errors < 0 || nothing < 0 || dup2(nothing, 0) < 0 ||
                dup2(output, 1) < 0 || dup2(errors, 2) < 0 || chdir(startFolder.c_str()) != 0) {
                _exit(126);
            }
            execve(argv[0], argv.data(), envp);
            _exit(127);
        }
        RunResult result;
        int raw = 0;
        if (child < 0 || waitpid(child, &raw, 0) != child) return result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
        result.output = ReadFile(outputFile);
        result.errors = ReadFile(errorFile);
        return result;
    }

    fs::path work_;
};

std::string TestName() {
    std::string name = testing::UnitTest::GetInstance()->current_test_info()->test_suite_name();
    name += "_";
    name += testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& c : name) {
        if (c == '/') c = '_';
    }
    return name;
}

// What the translator prints with "-b address" where it printed baseline without it: the flag
// line after the output path, and the lines of the launch before "Done! \o/".
std::string WithBrowserLines(std::string baseline, const std::string& outArgument,
                             const std::string& launchLines) {
    std::string outputLine = "Output path: " + outArgument + "\n";
    std::size_t at = baseline.find(outputLine);
    if (at == std::string::npos) return "(no output path line in: " + baseline + ")";
    baseline.insert(at + outputLine.size(), "Flag Set: Open in browser\n");
    at = baseline.rfind("Done! \\o/\n");
    if (at == std::string::npos) return "(no final line in: " + baseline + ")";
    return baseline.insert(at, launchLines);
}

std::string LaunchLines(const std::string& address) {
    return "Opening browser to address: " + address + "\nNote: Using 'x-www-browser " + address +
           "' on Linux\n\n";
}

// The address as it stands after "-b", and what the launcher must receive as its one argument.
struct AddressCase {
    const char* name;
    std::string given;
    std::string received;
};

void PrintTo(const AddressCase& address, std::ostream* out) { *out << address.given; }

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

const AddressCase kAddressCases[] = {
    {"Plain", Quoted("http://localhost/site/"), "http://localhost/site/"},
    {"Unquoted", "http://localhost/site/", "http://localhost/site/"},
    {"Semicolon", Quoted("http://localhost/;touch X"), "http://localhost/;touch X"},
    {"Backquotes", Quoted("http://localhost/`touch X`"), "http://localhost/`touch X`"},
    {"CommandSubstitution", Quoted("http://localhost/$(touch X)"), "http://localhost/$(touch X)"},
    {"BreaksOutOfQuotes", Quoted("http://localhost/\";touch X;\""),
     "http://localhost/\";touch X;\""},
    {"Pipe", Quoted("http://localhost/|touch X"), "http://localhost/|touch X"},
    {"Background", Quoted("http://localhost/ & touch X"), "http://localhost/ & touch X"},
    {"AndList", Quoted("http://localhost/&&touch X"), "http://localhost/&&touch X"},
    {"Redirection", Quoted("http://localhost/>X"), "http://localhost/>X"},
    {"UnquotedSemicolon", "http://localhost/;touch X", "http://localhost/;touch X"},
    {"UnquotedVariable", "$HOME;touch${IFS}X", "$HOME;touch${IFS}X"},
    {"Newline", Quoted("http://localhost/\ntouch X"), "http://localhost/\ntouch X"},
    {"UnquotedSpace", "http://localhost/a b", "http://localhost/a b"},
};

class AddressTest : public testing::TestWithParam<AddressCase> {};

// The stand-in comes first on PATH; a shell, had one been used, would find touch after it.
TEST_P(AddressTest, ReachesTheLauncherAsOneArgumentAndStartsNothingElse) {
    const AddressCase& address = GetParam();
    BrowserRun run(TestName());
    run.AddLauncher("x-www-browser");
    std::string path = run.Launchers().string() + ":/usr/bin:/bin";

    RunResult baseline = run.Translate(path, {});
    ASSERT_EQ(baseline.status, 0) << baseline.output;
    std::map<std::string, std::string> baselineFiles = FilesBelow(run.Out());
    ASSERT_FALSE(fs::exists(run.Record("x-www-browser"))) << "launched without -b";
    std::set<std::string> programFolder = NamesIn(run.Bin());

    RunResult result = run.Translate(path, {"-b", address.given});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output,
              WithBrowserLines(baseline.output, run.OutArgument(), LaunchLines(address.given)));
    EXPECT_EQ(result.errors, "");
    EXPECT_EQ(ReadFile(run.Record("x-www-browser")), "1\n" + address.received + "\n");
    EXPECT_EQ(FilesBelow(run.Out()), baselineFiles);
    EXPECT_EQ(NamesIn(run.Bin()), programFolder);
    EXPECT_EQ(NamesIn(run.Elsewhere()), std::set<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Addresses, AddressTest, testing::ValuesIn(kAddressCases),
                         [](const testing::TestParamInfo<AddressCase>& info) {
                             return std::string(info.param.name);
                         });

// Which launchers are installed, and which of them must be started.
struct LauncherCase {
    const char* name;
    std::vector<std::string> installed;
    std::string started;
};

const LauncherCase kLauncherCases[] = {
    {"BrowserLauncher", {"x-www-browser"}, "x-www-browser"},
    {"DesktopOpenerWhenNoBrowserLauncher", {"xdg-open"}, "xdg-open"},
    {"BrowserLauncherBeforeDesktopOpener", {"x-www-browser", "xdg-open"}, "x-www-browser"},
};

void PrintTo(const LauncherCase& launchers, std::ostream* out) { *out << launchers.name; }

class LauncherTest : public testing::TestWithParam<LauncherCase> {};

TEST_P(LauncherTest, StartsTheFirstInstalledLauncherOnly) {
    const LauncherCase& launchers = GetParam();
    BrowserRun run(TestName());
    for (const std::string& program : launchers.installed) run.AddLauncher(program);
    std::string address = Quoted("http://localhost/site/");

    RunResult result = run.Translate(run.Launchers().string(), {"-b", address});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.output.find(LaunchLines(address) + "Done! \\o/\n"), std::string::npos)
        << result.output;
    for (const std::string& program : launchers.installed) {
        if (program == launchers.started) {
            EXPECT_EQ(ReadFile(run.Record(program)), "1\nhttp://localhost/site/\n") << program;
        } else {
            EXPECT_FALSE(fs::exists(run.Record(program))) << program << " was started too";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Launchers, LauncherTest, testing::ValuesIn(kLauncherCases),
                         [](const testing::TestParamInfo<LauncherCase>& info) {
                             return std::string(info.param.name);
                         });

// No launcher on PATH: one line says so, between the note and the empty line; everything else
// is as it is without "-b".
TEST(MissingLauncher, PrintsOneLineAndChangesNothingElse) {
    BrowserRun run(TestName());
    std::string path = run.Launchers().string();
    std::string address = Quoted("http://localhost/site/");

    RunResult baseline = run.Translate(path, {});
    ASSERT_EQ(baseline.status, 0) << baseline.output;
    std::map<std::string, std::string> baselineFiles = FilesBelow(run.Out());

    RunResult result = run.Translate(path, {"-b", address});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.errors, "");
    EXPECT_EQ(FilesBelow(run.Out()), baselineFiles);

    std::string note = "Note: Using 'x-www-browser " + address + "' on Linux\n";
    std::size_t noteEnd = result.output.find(note);
    ASSERT_NE(noteEnd, std::string::npos) << result.output;
    noteEnd += note.size();
    std::size_t lineEnd = result.output.find('\n', noteEnd);
    ASSERT_NE(lineEnd, std::string::npos) << result.output;
    std::string line = result.output.substr(noteEnd, lineEnd - noteEnd);
    EXPECT_FALSE(line.empty()) << "no line about the missing launcher";
    std::string launchLines = LaunchLines(address);
    launchLines.insert(launchLines.size() - 1, line + "\n");
    EXPECT_EQ(result.output, WithBrowserLines(baseline.output, run.OutArgument(), launchLines));
}

// An address that a launcher would take for one of its options is not handed over at all.
TEST(OptionLikeAddress, StartsNoLauncher) {
    BrowserRun run(TestName());
    run.AddLauncher("x-www-browser");
    std::string address = Quoted("--remote-debugging-port=9222");

    RunResult result = run.Translate(run.Launchers().string(), {"-b", address});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.output.find("Opening browser to address: " + address +
                                 "\nNote: An address starting with '-' would be read as an "
                                 "option; no browser started.\n\nDone! \\o/\n"),
              std::string::npos)
        << result.output;
    EXPECT_FALSE(fs::exists(run.Record("x-www-browser")));
}

}  // namespace
