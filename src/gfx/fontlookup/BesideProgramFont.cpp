// The Windows build's font lookup: the game's face is the font file shipped
// beside the program (uming.ttc, the collection of the Debian package
// fonts-arphic-uming), whatever face name is asked for.
#include "gfx/FontFile.h"

#include "base/SystemFile.h"

namespace {

constexpr const char* kFontFileName = "uming.ttc";

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
