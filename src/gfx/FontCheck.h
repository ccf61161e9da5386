// The start-up check of the game's font, made before any window opens, so
// that a font the game cannot draw with ends the program at once with a
// reason instead of failing at the first text.
#pragma once

#include "base/ErrorOr.h"

#include <string_view>

// Succeeds when the game's face can be found, opened and draws every one of
// the game's characters (GameCharacters.h) and of languageTexts, the chosen
// language's translations (line ends aside). Otherwise fails with one line in
// English that names the file, says what is wrong with it (missing,
// unreadable, empty, not a font, the first character it has no glyph for)
// and gives advice: about QUORVANEL_FONT when that names the file, else the
// host's (BrokenFontAdvice: the Debian package fonts-arphic-uming on the
// desktop).
CErrorOr<void> CheckGameFont(std::string_view languageTexts = {});
