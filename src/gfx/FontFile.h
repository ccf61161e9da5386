// Where the text face comes from. Every face name the game uses ("宋体",
// "SimSun", or none) means the family AR PL UMing CN of the Debian package
// fonts-arphic-uming, found where that package installs it, else through
// fontconfig by that exact family name (fontconfig's own substitution for
// "SimSun" would pick a sans face). Other names are looked up as family
// names and fall back to that family.
// QUORVANEL_FONT=/path/to/font overrides the lookup.
#pragma once

#include "base/ErrorOr.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct FontFile {
    std::string path;
    // Face within a collection; -1: the face whose family is AR PL UMing CN,
    // else the first (an override file of unknown layout).
    long index = 0;
};

inline constexpr std::string_view kSongFamily = "AR PL UMing CN";

// Finds the file for faceName: the one QUORVANEL_FONT names, else the host's.
// Fails (fontconfig knows no such family) with a one-line reason naming the
// package fonts-arphic-uming.
CErrorOr<FontFile> FindFontFile(std::string_view faceName);

// The host's own lookup, as FindFontFile without the override. Built by
// platform for each host (platform/fontlookup: fontconfig on the desktop, the
// page's font in the browser) into the library quorvanel_font_lookup.
CErrorOr<FontFile> FindHostFontFile(std::string_view faceName);
// What to do when the file the host's lookup found for the game's face is
// broken (one clause of advice, for a message that names the file), built
// with FindHostFontFile.
std::string_view BrokenFontAdvice();

// Fonts of the system that draw a character the game's face lacks (a
// user's folder name in a message box), best first, each a file that is
// there. Built with FindHostFontFile: Windows names its Chinese fonts; the
// other hosts none (Linux's face is the whole AR PL UMing, the page's its
// game's characters), and such a character is the face's missing glyph.
std::vector<FontFile> FallbackFontFiles();

// The file QUORVANEL_FONT names, or none when it is not set.
std::optional<std::string> FontFileFromEnvironment();
