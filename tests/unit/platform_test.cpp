// The platform layer: creating and testing folders, copying files, listing sub-folders and
// the program's own path, on real folders below a temporary one.
#include "driver/platform/platform.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"

namespace fs = std::filesystem;

namespace {

TEST(CreateDir, CreatesOneFolderAndFailsWhenItExistsOrItsParentIsMissing) {
    TempFolder temp;
    std::string folder = (temp / "css").string();
    EXPECT_TRUE(CreateDir(folder));
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_FALSE(CreateDir(folder)) << "an existing folder";
    EXPECT_FALSE(CreateDir((temp / "missing/child").string())) << "one level only";
}

TEST(DirectoryExists, IsTrueOnlyForAFolderThatCanBeOpened) {
    TempFolder temp;
    WriteFile(temp / "file.txt", "x");
    EXPECT_TRUE(DirectoryExists(temp.Path().string()));
    EXPECT_FALSE(DirectoryExists((temp / "missing").string()));
    EXPECT_FALSE(DirectoryExists((temp / "file.txt").string()));
    EXPECT_FALSE(DirectoryExists(""));
}

TEST(FileCopy, CopiesEveryByteAndCreatesAnEmptyCopyOfAMissingSource) {
    TempFolder temp;
    const std::string content("<?php\0\xC3\xA9\r\n", 10);
    WriteFile(temp / "a.php", content);
    EXPECT_TRUE(FileCopy((temp / "a.php").string(), (temp / "b.php").string()));
    EXPECT_EQ(ReadFile(temp / "b.php"), content);

    EXPECT_TRUE(FileCopy((temp / "missing.php").string(), (temp / "c.php").string()));
    EXPECT_TRUE(fs::exists(temp / "c.php"));
    EXPECT_EQ(ReadFile(temp / "c.php"), "");
}

TEST(ListSubfolders, NamesFoldersOnlyWithoutDotEntries) {
    TempFolder temp;
    fs::create_directories(temp / "lib/a");
    fs::create_directories(temp / "lib/b");
    WriteFile(temp / "lib/readme.txt", "x");
    std::vector<std::string> names;
    ASSERT_TRUE(ListSubfolders((temp / "lib").string(), names));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a", "b"}));
    EXPECT_FALSE(ListSubfolders((temp / "missing").string(), names));
}

TEST(GetAppDir, IsThePathOfTheRunningProgramFile) {
    fs::path program = GetAppDir();
    EXPECT_TRUE(program.is_absolute());
    EXPECT_TRUE(fs::is_regular_file(program));
}

TEST(ChangeCurrentDirectory, ReportsWhetherTheFolderChanged) {
    TempFolder temp;
    WorkingFolderGuard guard;
    EXPECT_TRUE(ChangeCurrentDirectory(temp.Path().string()));
    EXPECT_EQ(fs::current_path(), fs::canonical(temp.Path()));
    EXPECT_FALSE(ChangeCurrentDirectory((temp / "missing").string()));
}

}  // namespace
