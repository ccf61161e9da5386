// Where Ctrl+P puts its pictures and how it names them.
#include "app/ScreenPicture.h"
#include "support/ScopedEnv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

class ScreenPictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("quorvanel-picture-test-" + std::to_string(::getpid()));
        fs::create_directories(folder / "home");
        fs::create_directories(folder / "config");
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path folder;
};

TEST_F(ScreenPictureTest, PicturesFolderComesFromTheEnvironmentWhenItExists) {
    CScopedEnv pictures("XDG_PICTURES_DIR", folder.string().c_str());
    EXPECT_EQ(PicturesFolder(), folder.string().c_str());
}

TEST_F(ScreenPictureTest, WithoutAPicturesFolderTheHomeFolderIsUsed) {
    CScopedEnv pictures("XDG_PICTURES_DIR", (folder / "missing").string().c_str());
    CScopedEnv home("HOME", (folder / "home").string().c_str());
    CScopedEnv config("XDG_CONFIG_HOME", (folder / "config").string().c_str());
    EXPECT_EQ(PicturesFolder(), (folder / "home").string().c_str());
}

TEST_F(ScreenPictureTest, ASecondPictureNeverReplacesTheFirst) {
    const CFrameBuffer red(4, 3, RGB(255, 0, 0));
    const CFrameBuffer blue(4, 3, RGB(0, 0, 255));
    std::string first, second, error;
    ASSERT_TRUE(SaveScreenPicture(red, folder.string(), &first, &error)) << error;
    ASSERT_TRUE(SaveScreenPicture(blue, folder.string(), &second, &error)) << error;
    EXPECT_NE(first, second);
    EXPECT_EQ(fs::path(first).parent_path(), folder);
    EXPECT_EQ(fs::path(first).filename().string().rfind("quorvanel-", 0), 0u);
    CFrameBuffer read;
    ASSERT_TRUE(ReadPng(first, &read, &error));
    EXPECT_EQ(read, red);
}

TEST_F(ScreenPictureTest, AnUnwritableFolderGivesAReason) {
    std::string path, error;
    EXPECT_FALSE(SaveScreenPicture(CFrameBuffer(2, 2), (folder / "missing").string(), &path, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(path.empty());
}

}  // namespace
