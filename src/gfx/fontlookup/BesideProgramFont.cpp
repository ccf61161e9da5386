// The Windows build's font lookup: the game's face is the font file shipped
// beside the program (uming.ttc, the collection of the Debian package
// fonts-arphic-uming), whatever face name is asked for; a character it
// lacks comes from a Chinese font of Windows' own.
#include "gfx/FontFile.h"

#include "base/Environment.h"
#include "base/SystemFile.h"

namespace {

constexpr const char* kFontFileName = "uming.ttc";

// Windows' Chinese fonts in its Fonts folder: the Song faces first, the
// game's own style (SimSun, its extension B for rare characters), then the
// sans faces of Simplified and Traditional Chinese, then the Traditional
// Ming faces.
constexpr const char* kSystemChineseFonts[] = {"simsun.ttc", "simsunb.ttf", "msyh.ttc",
                                               "msjh.ttc",   "mingliu.ttc", "mingliub.ttc"};

}  // namespace

CErrorOr<FontFile> FindHostFontFile(std::string_view) {
    const std::optional<std::filesystem::path> program = SystemFile::ProgramFile();
    if (!program)
        return CFailure{"cannot tell the program's folder, where the font file " +
                        std::string(kFontFileName) + " is (set QUORVANEL_FONT=C:\\path\\to\\font)"};
    // The face of the game's family within the collection (FontFile.h).
    return FontFile{SystemFile::Utf8Of(program->parent_path() / kFontFileName), -1};
}

std::string_view BrokenFontAdvice() {
    return "install the game again, which brings the font file again, or set "
           "QUORVANEL_FONT=C:\\path\\to\\font";
}

std::vector<FontFile> FallbackFontFiles() {
    const std::optional<std::string> windows = EnvironmentVariable("WINDIR");
    if (!windows) return {};
    std::vector<FontFile> files;
    for (const char* name : kSystemChineseFonts) {
        const std::string path = SystemFile::Utf8Of(SystemFile::PathOf(*windows) / "Fonts" / name);
        if (SystemFile::MayRead(path)) files.push_back({path, 0});
    }
    return files;
}
