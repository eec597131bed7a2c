// Whole-file reading and the replacing of files through a temporary file: contents, modes,
// symbolic links, and failures that must leave the old file as it was.
#include "file_io.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>

#include "temp_layout.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> FileNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename());
    }
    std::sort(names.begin(), names.end());
    return names;
}

mode_t ModeOf(const std::string& path) {
    struct stat status {};
    stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

TEST(FolderOfTest, TakesEverythingBeforeTheLastSlash) {
    const std::pair<const char*, const char*> cases[] = {
        {"/a/b/c.tol", "/a/b"}, {"/c.tol", ""}, {"c.tol", "."}, {"a/b/", "a/b"}, {"", "."},
    };
    for (const auto& [path, folder] : cases) EXPECT_EQ(FolderOf(path), folder) << path;
}

class FileIoTest : public testing::Test {
  protected:
    std::string PathOf(const std::string& name) const { return folder.Root() + "/" + name; }
    TempLayout folder;
};

TEST_F(FileIoTest, ReadsEveryByteAsItIs) {
    const std::string bytes("line\r\n\0\xff\xfe end", 14);
    WriteFileBytes(PathOf("raw"), bytes);
    const FileRead read = ReadWholeFile(PathOf("raw"));
    EXPECT_EQ(read.contents, bytes);
    EXPECT_EQ(read.error, "");
}

TEST_F(FileIoTest, TellsAMissingFileFromOneThatCannotBeRead) {
    const FileRead missing = ReadWholeFile(PathOf("absent"));
    EXPECT_TRUE(missing.missing);
    EXPECT_NE(missing.error.find(PathOf("absent")), std::string::npos) << missing.error;

    const FileRead folderRead = ReadWholeFile(folder.Root() + "/config");
    EXPECT_FALSE(folderRead.missing);
    EXPECT_NE(folderRead.error, "");
}

TEST_F(FileIoTest, CreatesANewFileWithTheUsualMode) {
    const mode_t oldMask = umask(022);
    EXPECT_EQ(ReplaceFileContents(PathOf("new.tol"), "Print 1\n"), std::nullopt);
    umask(oldMask);
    EXPECT_EQ(ReadFileBytes(PathOf("new.tol")), "Print 1\n");
    EXPECT_EQ(ModeOf(PathOf("new.tol")), 0644u);
}

TEST_F(FileIoTest, AReplacedFileKeepsItsMode) {
    WriteFileBytes(PathOf("old.tol"), "old");
    chmod(PathOf("old.tol").c_str(), 0640);
    EXPECT_EQ(ReplaceFileContents(PathOf("old.tol"), "new"), std::nullopt);
    EXPECT_EQ(ReadFileBytes(PathOf("old.tol")), "new");
    EXPECT_EQ(ModeOf(PathOf("old.tol")), 0640u);
    EXPECT_EQ(FileNamesIn(folder.Root()), (std::vector<std::string>{"config", "old.tol"}));
}

TEST_F(FileIoTest, ASymbolicLinkStaysAndItsTargetIsReplaced) {
    WriteFileBytes(PathOf("target.tol"), "old");
    fs::create_symlink(PathOf("target.tol"), PathOf("link.tol"));
    EXPECT_EQ(ReplaceFileContents(PathOf("link.tol"), "new"), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(PathOf("link.tol")));
    EXPECT_EQ(ReadFileBytes(PathOf("target.tol")), "new");
}

TEST_F(FileIoTest, AMissingFolderIsReportedAndNothingIsCreated) {
    const std::optional<std::string> error = ReplaceFileContents(PathOf("gone/x.tol"), "x");
    ASSERT_TRUE(error);
    EXPECT_NE(error->find(PathOf("gone/x.tol")), std::string::npos) << *error;
    EXPECT_FALSE(fs::exists(PathOf("gone")));
}

TEST_F(FileIoTest, AWriteThatFailsPartWayKeepsTheOldFile) {
    WriteFileBytes(PathOf("keep.tol"), "the old text");
    rlimit original{};
    getrlimit(RLIMIT_FSIZE, &original);
    rlimit limited = original;
    limited.rlim_cur = 100;
    const sighandler_t oldHandler = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limited);
    const std::optional<std::string> error =
        ReplaceFileContents(PathOf("keep.tol"), std::string(1000, 'x'));
    setrlimit(RLIMIT_FSIZE, &original);
    signal(SIGXFSZ, oldHandler);

    ASSERT_TRUE(error);
    EXPECT_NE(error->find(PathOf("keep.tol")), std::string::npos) << *error;
    EXPECT_EQ(ReadFileBytes(PathOf("keep.tol")), "the old text");
    EXPECT_EQ(FileNamesIn(folder.Root()), (std::vector<std::string>{"config", "keep.tol"}));
}

TEST_F(FileIoTest, AFolderInTheWayIsNotReplaced) {
    fs::create_directories(PathOf("taken/inside"));
    EXPECT_TRUE(ReplaceFileContents(PathOf("taken"), "x"));
    EXPECT_TRUE(fs::is_directory(PathOf("taken/inside")));
    EXPECT_EQ(FileNamesIn(folder.Root()), (std::vector<std::string>{"config", "taken"}));
}

}  // namespace
