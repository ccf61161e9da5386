// The desktop's kept settings: the scale chosen with Ctrl+= / Ctrl+- and
// whether the main window was fullscreen, in a small text file named
// settings in the system's folder for it (UserFolders.h: on Linux
// $XDG_CONFIG_HOME/quorvanel, by default ~/.config/quorvanel; on Windows
// %APPDATA%\Quorvanel):
//   scale 2
//   fullscreen yes
// one "name value" line each, either may be missing, '#' starts a comment
// line. The file is written whole (WholeFile.h), so it is there complete or
// not at all; a file that is not such a text (unreadable, cut short,
// oversized, something other than a plain file, a line the game does not
// know) is passed over as a whole with a one-line reason, and the defaults
// stand. A missing file is simply the defaults: nothing has been kept yet.
#pragma once

#include "base/ErrorOr.h"

#include <optional>
#include <string>
#include <string_view>

struct CDesktopSettings {
    std::optional<int> scale;  // none: the desktop's
    bool fullscreen = false;
    bool operator==(const CDesktopSettings&) const = default;
};

// The text of a settings file, and back (failing with the reason when text
// is not one).
std::string DesktopSettingsText(const CDesktopSettings& settings);
CErrorOr<CDesktopSettings> ParseDesktopSettings(std::string_view text);

class CSettingsFile {
public:
    explicit CSettingsFile(std::string path) : path_(std::move(path)) {}

    // The file in the user's configuration folder; none when the system
    // does not say where that is.
    static std::optional<CSettingsFile> InConfigFolder();

    const std::string& Path() const { return path_; }
    // Takes what the file keeps; a file that is there but cannot be taken
    // leaves the defaults and fails with a one-line warning. Never waits: a
    // pipe or a device in the file's place is not read from.
    CErrorOr<void> Read();
    // Replaces the file with settings, making its folder if need be; fails
    // when that cannot be done (a read-only folder): then nothing is kept.
    CErrorOr<void> Write(const CDesktopSettings& settings);
    // What was last read or written.
    const CDesktopSettings& Values() const { return values_; }

private:
    std::string path_;
    CDesktopSettings values_;
};
