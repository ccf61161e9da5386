// Fonts by logical description, as the drawing code selects them into a
// device context. A CFont is a cheap shared handle: copies refer to the same
// rasterised face, and the face is released with the last copy.
#pragma once

#include <memory>
#include <string>
#include <string_view>

struct CLogFont {
    // Negative: the character (em) height in pixels; positive: the cell height.
    int height = 0;
    // 0: the face's natural width for the height.
    int width = 0;
    int weight = 400;  // 400 normal, 700 bold
    bool italic = false;
    std::string faceName;

    bool operator==(const CLogFont&) const = default;
};

class CFontFace;  // the rasteriser's face at one pixel size (FontFace.h)

class CFont {
public:
    CFont() = default;  // no font; a device context falls back to its default

    // A font of the given size in tenths of a point at 96 dots per inch:
    // 120 ("12 points") gives height -16.
    static CFont CreatePointFont(int tenthsOfPoint, std::string_view faceName);
    static CFont CreateFontIndirect(const CLogFont& description);
    // What a device context draws with while no font is selected: "宋体" at
    // 16 pixels (height -16), the size the screens select, so text measured
    // on a fresh context matches text drawn with the screens' font.
    static CFont Default();
    // Creating a font whose face cannot be found or opened raises
    // CMyException; the program checks the font at start-up (FontCheck.h).

    bool IsNull() const { return !face_; }
    // The description the font was created from; a null font gives Default's.
    const CLogFont& GetLogFont() const;
    const CFontFace* Face() const { return face_.get(); }

    bool operator==(const CFont& other) const { return face_ == other.face_; }

private:
    std::shared_ptr<const CFontFace> face_;
};
