// Where the game keeps a Windows user's files: the Pictures folder, the
// settings in %APPDATA%\Quorvanel, each also under a Chinese name.
#include "base/SystemFile.h"
#include "platform/PictureFiles.h"
#include "platform/SettingsFile.h"
#include "support/FailureReason.h"
#include "support/ProgramRun.h"
#include "support/ScopedEnv.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
using SystemFile::PathOf;
using SystemFile::Utf8Of;

// Windows' default layout of a profile; Wine's prefix has the same.
std::string InProfile(const std::string& path) {
    return std::string(std::getenv("USERPROFILE")) + "\\" + path;
}

// A folder named in Chinese in temp, made; its name in UTF-8 as the game takes it.
std::string ChineseFolder(const CTempFolder& temp, const wchar_t* name) {
    const fs::path folder = fs::path(temp.File("")) / name;
    fs::create_directories(folder);
    return Utf8Of(folder);
}

TEST(UserFoldersTest, PicturesGoToThePicturesFolderUnlessSentElsewhere) {
    {
        CScopedEnv pictures("XDG_PICTURES_DIR", nullptr);
        EXPECT_EQ(PicturesFolder(), InProfile("Pictures"));
    }
    CTempFolder temp;
    const std::string chinese = ChineseFolder(temp, L"我的 图片");
    CScopedEnv pictures("XDG_PICTURES_DIR", chinese.c_str());
    EXPECT_EQ(PicturesFolder(), chinese);
    const SavedPicture saved = SavePictureInFolder(CFrameBuffer(4, 3), "quorvanel.png", PicturesFolder(), 0);
    ASSERT_EQ(FailureReason(saved.saved), "");
    EXPECT_EQ(PathOf(saved.location).parent_path(), fs::path(temp.File("")) / L"我的 图片");
    EXPECT_TRUE(fs::is_regular_file(PathOf(saved.location)));
}

TEST(UserFoldersTest, TheSettingsLiveInTheRoamingApplicationData) {
    {
        CScopedEnv appData("APPDATA", nullptr);
        ASSERT_TRUE(CSettingsFile::InConfigFolder());
        EXPECT_EQ(CSettingsFile::InConfigFolder()->Path(),
                  InProfile("AppData\\Roaming\\Quorvanel\\settings"));
    }
    CTempFolder temp;
    // Not made yet: the first write makes it.
    const std::string roaming = Utf8Of(fs::path(temp.File("")) / L"漫游 数据");
    CScopedEnv appData("APPDATA", roaming.c_str());
    std::optional<CSettingsFile> settings = CSettingsFile::InConfigFolder();
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->Path(), roaming + "\\Quorvanel\\settings");
    ASSERT_EQ(FailureReason(settings->Write({3, true})), "");
    // The next start reads it back.
    CSettingsFile again = *CSettingsFile::InConfigFolder();
    ASSERT_EQ(FailureReason(again.Read()), "");
    EXPECT_EQ(again.Values(), (CDesktopSettings{3, true}));
    EXPECT_TRUE(fs::is_regular_file(fs::path(temp.File("")) / L"漫游 数据" / L"Quorvanel" / L"settings"));
}

}  // namespace
