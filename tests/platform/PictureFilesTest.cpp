// Where pictures go and how they are named: the pictures folder and its
// fallbacks, time-stamped names numbered rather than replacing a file, and a
// failed save that leaves nothing behind and says why in Chinese.
#include "gfx/png/PngFile.h"
#include "platform/PictureFiles.h"

#include "support/FailureReason.h"
#include "support/FileLimit.h"
#include "support/OnlyOnPosix.h"
#include "support/ScopedEnv.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// 2026-12-08 00:11:32 UTC.
constexpr std::time_t kWhen = 1796688692;

class PictureFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("quorvanel-picture-test-" + std::to_string(::getpid()));
        fs::create_directories(folder / "home");
        fs::create_directories(folder / "config");
    }
    void TearDown() override { fs::remove_all(folder); }

    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder;
    CScopedEnv utc{"TZ", "UTC"};
};

TEST_F(PictureFilesTest, PicturesFolderComesFromTheEnvironmentWhenItExists) {
    CScopedEnv pictures("XDG_PICTURES_DIR", folder.string().c_str());
    EXPECT_EQ(PicturesFolder(), folder.string());
}

TEST_F(PictureFilesTest, WithoutAPicturesFolderTheHomeFolderIsUsed) {
    SKIP_ON_WINDOWS("the home folder after XDG's; Windows has its Pictures folder (windows/UserFoldersTest)");
    CScopedEnv pictures("XDG_PICTURES_DIR", (folder / "missing").string().c_str());
    CScopedEnv home("HOME", (folder / "home").string().c_str());
    CScopedEnv config("XDG_CONFIG_HOME", (folder / "config").string().c_str());
    EXPECT_EQ(PicturesFolder(), (folder / "home").string());
}

TEST_F(PictureFilesTest, WithoutPicturesOrHomeFolderTheCurrentFolderIsNamedInFull) {
    SKIP_ON_WINDOWS("the home folder after XDG's; Windows has its Pictures folder (windows/UserFoldersTest)");
    CScopedEnv pictures("XDG_PICTURES_DIR", nullptr);
    CScopedEnv home("HOME", (folder / "gone").string().c_str());
    CScopedEnv config("XDG_CONFIG_HOME", (folder / "config").string().c_str());
    const fs::path previous = fs::current_path();
    fs::current_path(folder);
    const std::string chosen = PicturesFolder();
    fs::current_path(previous);
    EXPECT_EQ(chosen, folder.string());
}

TEST_F(PictureFilesTest, NamesCarryTheTimeAndACopyNumberButNoFolder) {
    tzset();
    EXPECT_EQ(PictureFileName("quorvanel.png", kWhen, 1), "quorvanel-20261208-001132.png");
    EXPECT_EQ(PictureFileName("quorvanel.png", kWhen, 2), "quorvanel-20261208-001132-2.png");
    EXPECT_EQ(PictureFileName("../elsewhere/shot", kWhen, 3), "shot-20261208-001132-3.png");
    EXPECT_EQ(PictureFileName("", kWhen, 1), "picture-20261208-001132.png");
}

TEST_F(PictureFilesTest, PicturesInTheSameSecondAreNumberedAndReplaceNothing) {
    tzset();
    // Another program's file already has the first name.
    std::ofstream(folder / "quorvanel-20261208-001132.png") << "not ours";
    const CFrameBuffer red(4, 3, RGB(255, 0, 0));
    const SavedPicture first = SavePictureInFolder(red, "quorvanel.png", folder.string(), kWhen);
    const SavedPicture second =
        SavePictureInFolder(CFrameBuffer(2, 2), "quorvanel.png", folder.string(), kWhen);
    ASSERT_EQ(FailureReason(first.saved), "");
    ASSERT_EQ(FailureReason(second.saved), "");
    EXPECT_EQ(first.location, (folder / "quorvanel-20261208-001132-2.png").string());
    EXPECT_EQ(second.location, (folder / "quorvanel-20261208-001132-3.png").string());
    EXPECT_EQ(Files(),
              (std::vector<std::string>{"quorvanel-20261208-001132-2.png", "quorvanel-20261208-001132-3.png",
                                        "quorvanel-20261208-001132.png"}));
    std::ifstream untouched(folder / "quorvanel-20261208-001132.png");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(untouched), {}), "not ours");
    const CErrorOr<CFrameBuffer> read = ReadPng(first.location);
    ASSERT_EQ(FailureReason(read), "");
    EXPECT_EQ(*read, red);
}

TEST_F(PictureFilesTest, AMissingFolderIsReportedInChineseWithTheFileMeant) {
    tzset();
    const SavedPicture picture =
        SavePictureInFolder(CFrameBuffer(2, 2), "quorvanel.png", (folder / "missing").string(), kWhen);
    EXPECT_EQ(picture.location, (folder / "missing" / "quorvanel-20261208-001132.png").string());
    EXPECT_EQ(FailureReason(picture.saved), "文件夹不存在。");
}

TEST_F(PictureFilesTest, APictureThatCannotBeWrittenWholeLeavesNoFile) {
    SKIP_WITHOUT_FILE_SIZE_LIMIT();
    EXPECT_EXIT(
        {
            LimitFileSize(4096);
            const SavedPicture picture =
                SavePictureInFolder(Noise(300, 300), "quorvanel.png", folder.string(), kWhen);
            std::fprintf(stderr, "saved=%d files=%zu reason=%s\n", static_cast<bool>(picture.saved),
                         Files().size(), FailureReason(picture.saved).c_str());
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "saved=0 files=0 reason=文件超出了允许的大小。");
}

}  // namespace
