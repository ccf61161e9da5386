// Checking the game's font at start-up (see FontCheck.h).
#include "gfx/FontCheck.h"

#include "base/SystemFile.h"
#include "gfx/FontFace.h"
#include "gfx/FontFile.h"
#include "gfx/GameCharacters.h"
#include "gfx/Utf8.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kEnvironmentAdvice =
    "set QUORVANEL_FONT to a font file with Chinese glyphs (the Debian package fonts-arphic-uming "
    "installs one), or unset it";

// Fails with what is wrong with the file as a file.
CErrorOr<void> CheckFile(const std::string& path) {
    const int fd = SystemFile::Open(path, SystemFile::Access::Read);
    if (fd < 0)
        return CFailure{errno == ENOENT ? "does not exist"
                                        : std::string("cannot be read: ") + std::strerror(errno)};
    CErrorOr<void> usable;
    SystemFile::Facts facts;
    char byte = 0;
    if (SystemFile::FactsOf(fd, &facts) == 0 && facts.folder)
        usable = CFailure{"is a folder, not a font file"};
    else if (SystemFile::ReadAt(fd, &byte, 1, 0) < 0)
        usable = CFailure{std::string("cannot be read: ") + std::strerror(errno)};
    else if (facts.size == 0)
        usable = CFailure{"is empty"};
    SystemFile::Close(fd);
    return usable;
}

// The first of the game's characters, then of languageTexts, face has no glyph for, or 0.
char32_t FirstMissingCharacter(const CFontFace& face, std::string_view languageTexts) {
    for (const std::string_view texts : {GameCharacters(), languageTexts})
        for (const char32_t character : DecodeUtf8(texts))
            if (character >= 0x20 && !face.HasGlyph(character)) return character;
    return 0;
}

std::string Named(char32_t character) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(character));
    return "'" + EncodeUtf8(character) + "' (" + code + ")";
}

}  // namespace

CErrorOr<void> CheckGameFont(std::string_view languageTexts) {
    const CErrorOr<FontFile> file = FindFontFile(kSongFamily);
    if (!file) return CFailure{file.Reason()};
    const bool fromEnvironment = FontFileFromEnvironment().has_value();
    const std::string name = "the font file " + file->path +
                             (fromEnvironment ? " (QUORVANEL_FONT)" : " (" + std::string(kSongFamily) + ")");
    const std::string advice = fromEnvironment ? kEnvironmentAdvice : std::string(BrokenFontAdvice());

    if (const CErrorOr<void> usable = CheckFile(file->path); !usable)
        return CFailure{name + " " + usable.Reason() + "; " + advice};
    const CErrorOr<std::shared_ptr<const CFontFace>> face =
        CFontFace::Open(*file, CLogFont{-16, 0, 400, false, std::string(kSongFamily)});
    if (!face) return CFailure{name + " is not a font; " + advice};
    if (const char32_t missing = FirstMissingCharacter(**face, languageTexts))
        return CFailure{name + " has no glyph for " + Named(missing) + ", which the game draws; " + advice};
    return {};
}
