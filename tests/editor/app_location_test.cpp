// Finding the installation root through the executable's own path, and the two messages
// printed when that path cannot be read or converted.
#include "app_location.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "editor_state_reset.h"
#include "temp_layout.h"

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

class AppLocationTest : public testing::Test {
  protected:
    void SetUp() override { ResetEditorState(); }
    void TearDown() override { ResetEditorState(); }
};

TEST_F(AppLocationTest, TheRootIsTheFolderOfTheRunningExecutable) {
    CaptureStdout();
    LocateApplication();
    EXPECT_EQ(GetCapturedStdout(), "");
    const std::filesystem::path executable = std::filesystem::canonical("/proc/self/exe");
    EXPECT_EQ(appPath, executable.string());
    EXPECT_EQ(appDir, executable.parent_path().string());
}

TEST_F(AppLocationTest, AnUnreadableLinkLeavesTheRootUnknown) {
    TempLayout folder;
    CaptureStdout();
    LocateApplication(folder.Root() + "/no-such-link");
    EXPECT_EQ(GetCapturedStdout(), "Error: Cannot aquire '/proc/self/exe' path");
    EXPECT_FALSE(appPath);
    EXPECT_FALSE(appDir);
}

TEST_F(AppLocationTest, APathThatIsNotUtf8LeavesTheRootUnknown) {
    TempLayout folder;
    const std::string link = folder.Root() + "/exe";
    std::filesystem::create_symlink("/opt/tolva\xff/TolvaEditor", link);
    CaptureStdout();
    LocateApplication(link);
    EXPECT_EQ(GetCapturedStdout(), "Error: Cannot convert app path to utf-8");
    EXPECT_FALSE(appDir);
}

TEST_F(AppLocationTest, ConfigFilesLieBelowTheRoot) {
    EXPECT_EQ(ConfigFile("start.bmp"), std::nullopt);
    appDir = "/opt/tolva";
    EXPECT_EQ(ConfigFolder(), "/opt/tolva/config");
    EXPECT_EQ(ConfigFile("start.bmp"), "/opt/tolva/config/start.bmp");
}

}  // namespace
