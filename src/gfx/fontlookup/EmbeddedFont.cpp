// The browser build's font: the game's face, cut down to the characters the
// game draws, is loaded with the page into the module's file system (see
// scripts/make-web-font); every face name means it.
#include "gfx/FontFile.h"

CErrorOr<FontFile> FindHostFontFile(std::string_view) { return FontFile{"/fonts/uming-subset.ttf", 0}; }

std::string_view BrokenFontAdvice() { return "reload the page, which brings the font file again"; }

// The page's characters are the game's own.
std::vector<FontFile> FallbackFontFiles() { return {}; }
