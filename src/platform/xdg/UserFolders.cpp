// The user's folders as the XDG base directories name them (see
// UserFolders.h): $XDG_PICTURES_DIR, else what `xdg-user-dir PICTURES`
// names, else $HOME for pictures; $XDG_CONFIG_HOME (an absolute path), else
// ~/.config for the settings.
#include "platform/UserFolders.h"

#include "base/Environment.h"
#include "base/SystemFile.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// The first line `xdg-user-dir PICTURES` prints; empty when the tool is missing.
std::string XdgUserDirPictures() {
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen("xdg-user-dir PICTURES 2>/dev/null", "r"), pclose);
    if (!pipe) return "";
    std::array<char, 4096> line{};
    if (!std::fgets(line.data(), static_cast<int>(line.size()), pipe.get())) return "";
    std::string folder = line.data();
    while (!folder.empty() && (folder.back() == '\n' || folder.back() == '\r')) folder.pop_back();
    return folder;
}

}  // namespace

std::vector<std::string> PicturesFolderCandidates() {
    return {EnvironmentVariable("XDG_PICTURES_DIR").value_or(""), XdgUserDirPictures(),
            EnvironmentVariable("HOME").value_or("")};
}

std::optional<std::string> SettingsFolder() {
    std::filesystem::path folder;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/')
        folder = SystemFile::PathOf(config);
    else if (const char* home = std::getenv("HOME"); home && *home)
        folder = SystemFile::PathOf(home) / ".config";
    else
        return std::nullopt;
    return SystemFile::Utf8Of(folder / "quorvanel");
}
