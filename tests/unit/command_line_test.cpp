// The command line: the option scan (settings and the lines it prints, an option's value
// visited again as an argument, the last value winning, an option without value at the end)
// and the exit status of a run.
#include "driver/command_line.h"

#include <gtest/gtest.h>

#include "driver/run.h"
#include "driver/settings.h"
#include "test_support.h"

namespace {

struct ScanCase {
    std::vector<std::string> arguments;
    std::string printed;
    std::string mainFile;
    std::string inputPath;
    std::string outputPath;
    std::string address;
    bool browser;
    bool header;
    int trace;
    int comments;
};

const ScanCase kScans[] = {
    {{"-s", "site/main.tol", "-o", "out"},
     "Main source: site/main.tol\nOutput path: out\n", "site/main.tol", "site", "out", "", false,
     false, 0, 0},
    {{"-s", "main.tol", "-o", "out", "-t"},
     "Main source: main.tol\nOutput path: out\nFlag Set: Do Trace\n", "main.tol", "main.tol",
     "out", "", false, false, 1, 0},
    {{"-s", "a\\b\\main.tol", "-o", "out", "-c", "-httphead"},
     "Main source: a\\b\\main.tol\nOutput path: out\nFlag Set: Output comments\n"
     "Flag Set: Processes header\n",
     "a\\b\\main.tol", "a\\b", "out", "", false, true, 0, 1},
    {{"-t", "-c", "-b", "x"},
     "Flag Set: Do Trace\nFlag Set: Output comments\nFlag Set: Open in browser\n", "", "", "",
     "x", true, false, 1, 1},
    {{"-s", "-t", "-o", "out"},
     "Main source: -t\nFlag Set: Do Trace\nOutput path: out\n", "-t", "-t", "out", "", false,
     false, 1, 0},
    {{"-o", "out", "-o", "other", "-s", "a/b.tol"},
     "Output path: out\nOutput path: other\nMain source: a/b.tol\n", "a/b.tol", "a", "other", "",
     false, false, 0, 0},
    {{"-s", "main.tol", "-o", "out", "-b"},
     "Main source: main.tol\nOutput path: out\n", "main.tol", "main.tol", "out", "", false,
     false, 0, 0},
    {{"-t", "-c", "-s", "main.tol", "-o"},
     "Flag Set: Do Trace\nFlag Set: Output comments\nMain source: main.tol\n", "main.tol",
     "main.tol", "", "", false, false, 1, 1},
    {{"-S", "main.tol", "-O", "out", "--t", "-T", "s"}, "", "", "", "", "", false, false, 0, 0},
    {{"-b", "\"http://localhost/site\"", "-s", "-o"},
     "Flag Set: Open in browser\nMain source: -o\n", "-o", "-o", "", "\"http://localhost/site\"",
     true, false, 0, 0},
};

TEST(ScanArguments, SetsTheSettingsAndPrintsOneLinePerOptionSeen) {
    for (const ScanCase& c : kScans) {
        ResetTranslator();
        std::string printed;
        {
            OutputCapture capture;
            ScanArguments(c.arguments);
            printed = capture.Text();
        }
        std::string arguments;
        for (const std::string& argument : c.arguments) arguments += argument + " ";
        EXPECT_EQ(printed, c.printed) << arguments;
        EXPECT_EQ(mainFile, c.mainFile) << arguments;
        EXPECT_EQ(inputPath, c.inputPath) << arguments;
        EXPECT_EQ(outputPath, c.outputPath) << arguments;
        EXPECT_EQ(localServerAddress, c.address) << arguments;
        EXPECT_EQ(openbrowser, c.browser) << arguments;
        EXPECT_EQ(processHeader, c.header) << arguments;
        EXPECT_EQ(doTrace, c.trace) << arguments;
        EXPECT_EQ(outputComments, c.comments) << arguments;
    }
    ResetTranslator();
}

const char kBanner[] =
    "Tolva Script Generator v1.3\nTranslates TolvaBasic sources into a PHP site.\n\n";

TEST(RunTranslator, EndsWithStatusZeroAfterTheUsageTextAndOneAfterAReport) {
    WorkingFolderGuard guard;
    std::string printed;
    {
        OutputCapture capture;
        EXPECT_EQ(RunTranslator({"-s", "main.tol", "-o"}), 0);
        printed = capture.Text();
    }
    EXPECT_EQ(printed.rfind(kBanner, 0), 0u) << printed;
    EXPECT_NE(printed.find("\n-c : Output user comments\n"), std::string::npos) << printed;

    ResetTranslator();
    {
        OutputCapture capture;
        EXPECT_EQ(RunTranslator({"-t", "-c", "-b", "x"}), 1);
        printed = capture.Text();
    }
    EXPECT_EQ(printed, std::string(kBanner) +
                           "Flag Set: Do Trace\nFlag Set: Output comments\n"
                           "Flag Set: Open in browser\n\n" +
                           Report("No source file specified!"));
    ResetTranslator();
}

}  // namespace
