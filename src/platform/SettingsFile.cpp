// Reading and writing the kept settings (see SettingsFile.h).
#include "platform/SettingsFile.h"

#include "base/SystemFile.h"
#include "gfx/WholeFile.h"
#include "platform/DisplayScale.h"
#include "platform/MessageQuote.h"
#include "platform/UserFolders.h"

#include <cstring>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Far more than the game ever writes; a larger file is not its own.
constexpr std::size_t kMaxSize = 4096;

std::string_view NextLine(std::string_view& text) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    return line;
}

}  // namespace

std::string DesktopSettingsText(const CDesktopSettings& settings) {
    std::string text = "# Quorvanel's window, as it was last chosen.\n";
    if (settings.scale) text += "scale " + std::to_string(*settings.scale) + "\n";
    text += std::string("fullscreen ") + (settings.fullscreen ? "yes" : "no") + "\n";
    return text;
}

CErrorOr<CDesktopSettings> ParseDesktopSettings(std::string_view text) {
    // The file is written whole, ending in a line end: anything else was cut short.
    if (text.empty() || text.back() != '\n') return CFailure{"the file is cut short"};
    CDesktopSettings settings;
    for (int number = 1; !text.empty(); ++number) {
        const std::string_view line = NextLine(text);
        if (line.empty() || line.front() == '#') continue;
        const std::size_t space = line.find(' ');
        const std::string_view name = line.substr(0, space);
        const std::string_view value = space == std::string_view::npos ? "" : line.substr(space + 1);
        if (name == "scale" && ParseScale(value)) {
            settings.scale = ParseScale(value);
        } else if (name == "fullscreen" && (value == "yes" || value == "no")) {
            settings.fullscreen = value == "yes";
        } else {
            return CFailure{"line " + std::to_string(number) + " is not a setting: " + QuoteForMessage(line)};
        }
    }
    return settings;
}

std::optional<CSettingsFile> CSettingsFile::InConfigFolder() {
    const std::optional<std::string> folder = SettingsFolder();
    if (!folder) return std::nullopt;
    return CSettingsFile(SystemFile::Utf8Of(SystemFile::PathOf(*folder) / "settings"));
}

CErrorOr<void> CSettingsFile::Read() {
    values_ = {};
    std::error_code missing;
    if (!fs::exists(fs::symlink_status(SystemFile::PathOf(path_), missing))) return {};
    CErrorOr<std::string> text = ReadSmallFile(path_, kMaxSize);
    CErrorOr<CDesktopSettings> settings = text ? ParseDesktopSettings(*text) : CFailure{text.Reason()};
    if (!settings)
        return CFailure{"the settings in " + QuoteForMessage(path_) + " are passed over (" +
                        settings.Reason() + "): the defaults are used"};
    values_ = *settings;
    return {};
}

CErrorOr<void> CSettingsFile::Write(const CDesktopSettings& settings) {
    values_ = settings;
    std::error_code ignored;
    fs::create_directories(SystemFile::PathOf(path_).parent_path(), ignored);
    const std::string text = DesktopSettingsText(settings);
    if (const int failure =
            WriteWholeFile(path_, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}))
        return CFailure{"cannot write " + QuoteForMessage(path_) + ": " + std::strerror(failure)};
    return {};
}
