// CProject and the ".tpr" file: the exact layout written, the tolerant reading of whatever
// a file holds, and saves that never leave a half-written project file behind.
#include "project.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include "editor_state_reset.h"
#include "temp_layout.h"

namespace {

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

class ProjectTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetEditorState();
        std::filesystem::create_directory(ProjectFolder());
        projectFilePath = ProjectFolder() + "/site.tpr";
    }
    void TearDown() override { ResetEditorState(); }

    std::string ProjectFolder() const { return folder.Root() + "/project"; }

    // Loads `text` as a project file into `project`; returns what went to standard error.
    std::string LoadText(const std::string& text, CProject& project) {
        WriteFileBytes(folder.Root() + "/load.tpr", text);
        CaptureStderr();
        project.LoadProject(folder.Root() + "/load.tpr");
        return GetCapturedStderr();
    }

    TempLayout folder;
};

CProject SiteProject() {
    CProject project;
    project.CreateNewProject("site", "Ann", "/srv/out", "localhost/site");
    project.editFiles = {"site.tol", "lib/x.tol"};
    project.srcFiles = {"site.tol", "lib/x.tol", "util.tol"};
    return project;
}

TEST_F(ProjectTest, SavesEveryLineInTheLayoutOrder) {
    CProject project = SiteProject();
    project.compileHeader = true;
    project.SaveProject();
    EXPECT_EQ(ReadFileBytes(projectFilePath),
              "GENERAL\nsite\nAnn\nsite.tol\n/srv/out\nlocalhost/site\ntrue\nfalse\nfalse\n"
              "EDITFILES\nsite.tol\nlib/x.tol\nEDITFILESEND\n"
              "SRCFILES\nsite.tol\nlib/x.tol\nutil.tol\nSRCFILESEND\n");
}

TEST_F(ProjectTest, EmptyListsPutTheirMarkersBackToBack) {
    CProject project;
    project.CreateNewProject("a", "b", "c", "d");
    project.SaveProject();
    EXPECT_EQ(ReadFileBytes(projectFilePath),
              "GENERAL\na\nb\na.tol\nc\nd\nfalse\nfalse\nfalse\n"
              "EDITFILES\nEDITFILESEND\nSRCFILES\nSRCFILESEND\n");
}

// The three flags stand as header, trace, comments on lines 7 to 9, both ways.
TEST_F(ProjectTest, FlagsKeepTheirOrderWrittenAndRead) {
    struct Case {
        bool compileHeader, traceCode, outputComments;
        const char* flagLines;
    };
    const Case cases[] = {
        {true, false, false, "true\nfalse\nfalse\n"},
        {false, true, false, "false\ntrue\nfalse\n"},
        {false, false, true, "false\nfalse\ntrue\n"},
        {true, true, true, "true\ntrue\ntrue\n"},
    };
    for (const Case& c : cases) {
        CProject project = SiteProject();
        project.compileHeader = c.compileHeader;
        project.traceCode = c.traceCode;
        project.outputComments = c.outputComments;
        project.SaveProject();
        const std::string text = ReadFileBytes(projectFilePath);
        EXPECT_NE(text.find("localhost/site\n" + std::string(c.flagLines) + "EDITFILES\n"),
                  std::string::npos)
            << text;

        CProject loaded;
        loaded.LoadProject(projectFilePath);
        EXPECT_EQ(loaded.compileHeader, c.compileHeader);
        EXPECT_EQ(loaded.traceCode, c.traceCode);
        EXPECT_EQ(loaded.outputComments, c.outputComments);
    }
}

TEST_F(ProjectTest, OnlyTheExactTextTrueReadsAsTrue) {
    const std::pair<const char*, bool> cases[] = {
        {"true", true},    {"True", false}, {"TRUE", false},  {"true ", false}, {" true", false},
        {"true\r", false}, {"1", false},    {"false", false}, {"", false},
    };
    for (const auto& [line, expected] : cases) {
        CProject project;
        LoadText("GENERAL\nn\nc\nm\no\nu\n" + std::string(line) + "\nfalse\nfalse\n", project);
        EXPECT_EQ(project.compileHeader, expected) << "'" << line << "'";
    }
}

TEST_F(ProjectTest, CreatingANewProjectResetsEverythingAndWritesNothing) {
    CProject project = SiteProject();
    project.traceCode = project.compileHeader = project.outputComments = true;
    project.CreateNewProject("shop", "Bo", "out", "localhost/shop");
    EXPECT_EQ(project.appName, "shop");
    EXPECT_EQ(project.companyName, "Bo");
    EXPECT_EQ(project.mainFile, "shop.tol");
    EXPECT_EQ(project.outputDir, "out");
    EXPECT_EQ(project.localURL, "localhost/shop");
    EXPECT_FALSE(project.traceCode || project.compileHeader || project.outputComments);
    EXPECT_TRUE(project.editFiles.empty());
    EXPECT_TRUE(project.srcFiles.empty());
    EXPECT_FALSE(std::filesystem::exists(projectFilePath));
}

TEST_F(ProjectTest, SavingTwiceWritesIdenticalFiles) {
    const CProject project = SiteProject();
    project.SaveProject();
    const std::string first = ReadFileBytes(projectFilePath);
    project.SaveProject();
    EXPECT_EQ(ReadFileBytes(projectFilePath), first);
}

TEST_F(ProjectTest, ASavedProjectLoadsBackUnchanged) {
    CProject saved = SiteProject();
    saved.traceCode = true;
    saved.SaveProject();
    CProject loaded;
    loaded.LoadProject(projectFilePath);
    EXPECT_EQ(loaded.appName, saved.appName);
    EXPECT_EQ(loaded.companyName, saved.companyName);
    EXPECT_EQ(loaded.mainFile, saved.mainFile);
    EXPECT_EQ(loaded.outputDir, saved.outputDir);
    EXPECT_EQ(loaded.localURL, saved.localURL);
    EXPECT_EQ(loaded.traceCode, saved.traceCode);
    EXPECT_EQ(loaded.editFiles, saved.editFiles);
    EXPECT_EQ(loaded.srcFiles, saved.srcFiles);
}

TEST_F(ProjectTest, LoadingPointsTheProjectPathsAtTheFilesFolder) {
    const std::pair<const char*, const char*> cases[] = {
        {"/data/site/site.tpr", "/data/site"},
        {"/data/site.tpr/site.tpr", "/data/site.tpr"},
        {"/data/site.tprx/site.tpr", "/data/site.tprx"},
        {"/site.tpr", ""},
        {"site.tpr", "."},
    };
    for (const auto& [file, folder] : cases) {
        CProject project;
        CaptureStderr();
        project.LoadProject(file);
        GetCapturedStderr();
        EXPECT_EQ(projectFilePath, file);
        EXPECT_EQ(projectPath, folder) << file;
    }
}

TEST_F(ProjectTest, AMissingFileWarnsAndLeavesTheFieldsAsTheyWere) {
    CProject project = SiteProject();
    CaptureStderr();
    project.LoadProject(folder.Root() + "/absent.tpr");
    EXPECT_EQ(GetCapturedStderr(), "Tolva Warning: Cannot open project file.\n");
    EXPECT_EQ(project.appName, "site");
    EXPECT_TRUE(project.editFiles.empty());
    EXPECT_TRUE(project.srcFiles.empty());
    EXPECT_EQ(projectFilePath, folder.Root() + "/absent.tpr");
    EXPECT_EQ(projectPath, folder.Root());
}

struct ReadCase {
    const char* name;
    const char* text;
    std::vector<std::string> editFiles;
    std::vector<std::string> srcFiles;
    const char* appName;  // the project held "old" before loading
    const char* localURL;
    bool outputComments;
};

TEST_F(ProjectTest, TheReaderTakesWhateverTheFileHolds) {
    const ReadCase cases[] = {
        {"sections in any order",
         "SRCFILES\na.tol\nSRCFILESEND\nGENERAL\nn\nc\nm\no\nu\nfalse\nfalse\ntrue\n"
         "EDITFILES\nb.tol\nEDITFILESEND\n",
         {"b.tol"},
         {"a.tol"},
         "n",
         "u",
         true},
        {"repeated lists add, a repeated GENERAL overwrites",
         "GENERAL\nn\nc\nm\no\nu\nfalse\nfalse\nfalse\nEDITFILES\na\nEDITFILESEND\n"
         "EDITFILES\nb\nEDITFILESEND\nGENERAL\nn2\nc\nm\no\nu2\nfalse\nfalse\nfalse\n",
         {"a", "b"},
         {},
         "n2",
         "u2",
         false},
        {"every line up to the end marker is an entry",
         "SRCFILES\n\nGENERAL\nEDITFILES\nSRCFILESEND\n",
         {},
         {"", "GENERAL", "EDITFILES"},
         "old",
         "old",
         false},
        {"a missing SRCFILES section leaves the list empty",
         "EDITFILES\na.tol\nEDITFILESEND\n",
         {"a.tol"},
         {},
         "old",
         "old",
         false},
        {"unknown lines are skipped",
         "# note\nEDITFILESEND\nSRCFILES\nx.tol\nSRCFILESEND\njunk\n",
         {},
         {"x.tol"},
         "old",
         "old",
         false},
        {"a last line without a line end still counts",
         "SRCFILES\na.tol",
         {},
         {"a.tol"},
         "old",
         "old",
         false},
        {"a list without its end marker runs to the end",
         "EDITFILES\na\nGENERAL\nx\n",
         {"a", "GENERAL", "x"},
         {},
         "old",
         "old",
         false},
        {"the file ends inside GENERAL", "GENERAL\nn\nc\n", {}, {}, "n", "", false},
        {"carriage returns stay in the names",
         "SRCFILES\nmain.tol\r\nSRCFILESEND\n",
         {},
         {"main.tol\r"},
         "old",
         "old",
         false},
        {"with carriage returns no section marker is recognised",
         "GENERAL\r\nn\r\nc\r\nm\r\no\r\nu\r\ntrue\r\ntrue\r\ntrue\r\nEDITFILES\r\na.tol\r\n"
         "EDITFILESEND\r\n",
         {},
         {},
         "old",
         "old",
         false},
    };
    for (const ReadCase& c : cases) {
        CProject project;
        project.appName = project.localURL = "old";
        project.outputComments = true;
        project.srcFiles = {"stale.tol"};
        const std::string warnings = LoadText(c.text, project);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(warnings, "");
        EXPECT_EQ(project.editFiles, c.editFiles);
        EXPECT_EQ(project.srcFiles, c.srcFiles);
        EXPECT_EQ(project.appName, c.appName);
        EXPECT_EQ(project.localURL, c.localURL);
        if (std::string(c.appName) != "old") {
            EXPECT_EQ(project.outputComments, c.outputComments);
        }
    }
}

TEST_F(ProjectTest, ASaveIntoAMissingFolderOnlyWarns) {
    projectFilePath = ProjectFolder() + "/gone/site.tpr";
    CaptureStderr();
    SiteProject().SaveProject();
    const std::string warning = GetCapturedStderr();
    EXPECT_EQ(warning.rfind("Tolva Warning: ", 0), 0u) << warning;
    EXPECT_NE(warning.find(projectFilePath), std::string::npos) << warning;
    EXPECT_EQ(warning.back(), '\n');
    EXPECT_FALSE(std::filesystem::exists(projectFilePath));
}

// A save that fails part-way, here because the file grows past the process's size limit,
// keeps the previous file whole and leaves no temporary file behind.
TEST_F(ProjectTest, AFailedSaveKeepsThePreviousFile) {
    CProject project;
    project.CreateNewProject("old", "", "", "");
    project.SaveProject();
    const std::string previous = ReadFileBytes(projectFilePath);

    project.srcFiles.assign(200, "a-rather-long-source-file-name.tol");
    rlimit original{};
    getrlimit(RLIMIT_FSIZE, &original);
    rlimit limited = original;
    limited.rlim_cur = 512;
    const sighandler_t oldHandler = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limited);
    CaptureStderr();
    project.SaveProject();
    const std::string warning = GetCapturedStderr();
    setrlimit(RLIMIT_FSIZE, &original);
    signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(warning.rfind("Tolva Warning: ", 0), 0u) << warning;
    EXPECT_EQ(ReadFileBytes(projectFilePath), previous);
    std::vector<std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator(ProjectFolder())) {
        entries.push_back(entry.path().filename());
    }
    EXPECT_EQ(entries, std::vector<std::string>{"site.tpr"});
}

}  // namespace
