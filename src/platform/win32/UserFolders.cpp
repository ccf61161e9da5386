// The user's folders on Windows (see UserFolders.h): pictures in the
// Pictures known folder, else the profile folder; the settings in
// %APPDATA%\Quorvanel. XDG_PICTURES_DIR, should it be set, still comes first:
// scripts and tests point the pictures elsewhere with it, as on Linux.
#include "platform/UserFolders.h"

#include "base/Environment.h"
#include "base/SystemFile.h"

#include <windows.h>
// After windows.h, which they build on.
#include <knownfolders.h>
#include <shlobj.h>

#include <memory>

namespace {

std::optional<std::string> KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    const HRESULT found = SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path);
    // The system's memory, whether it found the folder or not.
    const std::unique_ptr<wchar_t, decltype(&CoTaskMemFree)> owned(path, &CoTaskMemFree);
    if (FAILED(found) || !path) return std::nullopt;
    return SystemFile::Utf8Of(std::filesystem::path(path));
}

}  // namespace

std::vector<std::string> PicturesFolderCandidates() {
    return {EnvironmentVariable("XDG_PICTURES_DIR").value_or(""), KnownFolder(FOLDERID_Pictures).value_or(""),
            EnvironmentVariable("USERPROFILE").value_or("")};
}

std::optional<std::string> SettingsFolder() {
    std::optional<std::string> roaming = EnvironmentVariable("APPDATA");
    if (!roaming) roaming = KnownFolder(FOLDERID_RoamingAppData);
    if (!roaming) return std::nullopt;
    return SystemFile::Utf8Of(SystemFile::PathOf(*roaming) / "Quorvanel");
}
