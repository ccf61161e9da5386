// Font handles and the program's table of open faces. A face, once opened
// for a description, stays open for the whole run: the screens create the
// same fonts at every paint, and its glyph cache stays warm that way.
#include "gfx/Font.h"

#include "base/MyException.h"
#include "gfx/FontFace.h"
#include "gfx/FontFile.h"

#include <cmath>
#include <map>
#include <tuple>

namespace {

const CLogFont& DefaultDescription() {
    static const CLogFont description{-16, 0, 400, false, "宋体"};
    return description;
}

std::shared_ptr<const CFontFace> FaceFor(const CLogFont& description) {
    using Key = std::tuple<int, int, int, bool, std::string>;
    static std::map<Key, std::shared_ptr<const CFontFace>> faces;
    const Key key{description.height, description.width, description.weight, description.italic,
                  description.faceName};
    if (auto it = faces.find(key); it != faces.end()) return it->second;

    // The program checks the font before any window opens (FontCheck.h): a
    // failure here means it went away since, and is reported like any other.
    const CErrorOr<FontFile> file = FindFontFile(description.faceName);
    if (!file) throw CMyException(file.Reason());
    const CErrorOr<std::shared_ptr<const CFontFace>> face = CFontFace::Open(*file, description);
    if (!face) throw CMyException(face.Reason());
    faces.emplace(key, *face);
    return *face;
}

}  // namespace

CFont CFont::CreatePointFont(int tenthsOfPoint, std::string_view faceName) {
    CLogFont description;
    // 72 points to the inch, 96 pixels to the inch.
    description.height = -static_cast<int>(std::lround(tenthsOfPoint * 96.0 / 720.0));
    description.faceName = std::string(faceName);
    return CreateFontIndirect(description);
}

CFont CFont::CreateFontIndirect(const CLogFont& description) {
    CFont font;
    font.face_ = FaceFor(description);
    return font;
}

CFont CFont::Default() { return CreateFontIndirect(DefaultDescription()); }

const CLogFont& CFont::GetLogFont() const { return face_ ? face_->LogFont() : DefaultDescription(); }
