// The kept settings: what the game writes it reads back, a folder it cannot
// write keeps nothing, and every kind of file that is not one it wrote gives
// the defaults and one line of warning, without waiting (a pipe) or failing.
#include "platform/SettingsFile.h"

#include "support/FailureReason.h"
#include "support/ScopedEnv.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

namespace {

namespace fs = std::filesystem;

// A fresh folder, removed with what is in it.
class CTempFolder {
public:
    CTempFolder() {
        std::string pattern = (fs::temp_directory_path() / "quorvanel-settings-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) ? pattern : "";
    }
    ~CTempFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::string Read(const std::string& name) const {
        std::ifstream file(File(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }

private:
    fs::path path_;
};

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

TEST(SettingsFileTest, WhatIsWrittenIsReadBackAndTheFolderIsMade) {
    CTempFolder folder;
    CSettingsFile file(folder.File("config/quorvanel/settings"));
    for (const CDesktopSettings settings :
         {CDesktopSettings{3, true}, CDesktopSettings{std::nullopt, false}}) {
        ASSERT_EQ(FailureReason(file.Write(settings)), "");
        EXPECT_EQ(FailureReason(file.Read()), "");
        EXPECT_EQ(file.Values(), settings);
    }
    EXPECT_EQ(folder.Read("config/quorvanel/settings"),
              "# Quorvanel's window, as it was last chosen.\nfullscreen no\n");
}

TEST(SettingsFileTest, AFolderThatCannotBeMadeKeepsNothing) {
    CTempFolder folder;
    WriteText(folder.File("config"), "a file where the folder would be");
    CSettingsFile file(folder.File("config/quorvanel/settings"));
    EXPECT_EQ(FailureReason(file.Write({2, false})), "cannot write '" + file.Path() + "': Not a directory");
    EXPECT_EQ(FailureReason(file.Read()), "");
    EXPECT_EQ(file.Values(), CDesktopSettings{});
}

TEST(SettingsFileTest, TheConfigFolderComesFromXdgConfigHomeOrHome) {
    const CScopedEnv home("HOME", "/home/someone");
    {
        const CScopedEnv config("XDG_CONFIG_HOME", "/elsewhere");
        EXPECT_EQ(CSettingsFile::InConfigFolder()->Path(), "/elsewhere/quorvanel/settings");
    }
    for (const char* unusable : {"", "relative/path"}) {
        const CScopedEnv config("XDG_CONFIG_HOME", unusable);
        EXPECT_EQ(CSettingsFile::InConfigFolder()->Path(), "/home/someone/.config/quorvanel/settings");
    }
    const CScopedEnv config("XDG_CONFIG_HOME", nullptr);
    const CScopedEnv noHome("HOME", nullptr);
    EXPECT_FALSE(CSettingsFile::InConfigFolder().has_value());
}

struct BadFile {
    const char* what;
    std::function<void(const std::string& path)> make;
    const char* reason;
};

TEST(SettingsFileTest, AFileTheGameDidNotWriteGivesTheDefaultsAndOneWarning) {
    const std::vector<BadFile> cases = {
        {"cut short", [](const std::string& p) { WriteText(p, "scale 2\nfullscr"); },
         "the file is cut short"},
        {"empty", [](const std::string& p) { WriteText(p, ""); }, "the file is cut short"},
        {"oversized", [](const std::string& p) { WriteText(p, std::string(5000, '#') + "\n"); },
         "larger than 4096 bytes"},
        {"an unknown line", [](const std::string& p) { WriteText(p, "scale 2\ncolour blue\n"); },
         "line 2 is not a setting: 'colour blue'"},
        {"a scale out of range", [](const std::string& p) { WriteText(p, "scale 9\n"); },
         "line 1 is not a setting: 'scale 9'"},
        {"not yes or no", [](const std::string& p) { WriteText(p, "fullscreen maybe\n"); },
         "line 1 is not a setting: 'fullscreen maybe'"},
        {"binary",
         [](const std::string& p) {
             WriteText(p, std::string("\x7f"
                                      "ELF\x01\n",
                                      6));
         },
         "line 1 is not a setting: '\\x7FELF\\x01'"},
        {"a folder", [](const std::string& p) { fs::create_directory(p); }, "not a plain file"},
        {"a named pipe", [](const std::string& p) { ::mkfifo(p.c_str(), 0600); }, "not a plain file"},
        {"a link to nothing", [](const std::string& p) { fs::create_symlink("nowhere", p); },
         "No such file or directory"},
        {"a link to itself", [](const std::string& p) { fs::create_symlink(p, p); },
         "Too many levels of symbolic links"},
    };
    for (const BadFile& bad : cases) {
        CTempFolder folder;
        const std::string path = folder.File("settings");
        bad.make(path);
        CSettingsFile file(path);
        EXPECT_EQ(FailureReason(file.Read()), "the settings in '" + path + "' are passed over (" +
                                                  bad.reason + "): the defaults are used")
            << bad.what;
        EXPECT_EQ(file.Values(), CDesktopSettings{}) << bad.what;
    }
}

}  // namespace
