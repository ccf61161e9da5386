// One face of a font file rasterised at one pixel size (FreeType), with a
// cache of the glyphs drawn so far. Sizes the file carries embedded bitmaps
// for (AR PL UMing: 11 to 16 pixels) draw crisp 1-bit glyphs, every glyph of
// them alike; other sizes draw anti-aliased outlines.
// The weight and italic of the description are kept but not rendered: the
// face comes in one style only. A character the face lacks is drawn by the
// first of the system's fallback fonts (FontFile.h) that has it, at the
// same size, where the host names any.
#pragma once

#include "gfx/Font.h"
#include "gfx/FontFile.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

struct FT_FaceRec_;
struct FT_SizeRec_;

struct Glyph {
    int left = 0;  // from the pen position to the first column
    int top = 0;   // from the baseline up to the first row
    int width = 0;
    int rows = 0;
    int advance = 0;                     // pen movement in pixels
    std::vector<std::uint8_t> coverage;  // rows x width, 0 .. 255
    // The inked stretches of each row (coverage above 0), so that drawing
    // touches only those pixels.
    struct InkRun {
        int row = 0;
        int begin = 0;  // columns, end exclusive
        int end = 0;
        bool solid = false;  // every pixel fully covered: a plain fill
    };
    std::vector<InkRun> runs;
};

class CFontFace {
public:
    // Opens the face of file at the size description asks for (a negative
    // height is the em size in pixels, a positive one the cell height).
    // Fails with a one-line reason.
    static CErrorOr<std::shared_ptr<const CFontFace>> Open(const FontFile& file, const CLogFont& description);

    CFontFace(const CFontFace&) = delete;
    CFontFace& operator=(const CFontFace&) = delete;
    ~CFontFace();

    const CLogFont& LogFont() const { return description_; }
    // A line of text is as high as the em size; the baseline lies `Ascent`
    // below the line's top, which keeps CJK glyphs wholly inside the line.
    int LineHeight() const { return pixelSize_; }
    int Ascent() const { return ascent_; }

    // Whether the face draws codePoint with a glyph of its own.
    bool HasGlyph(char32_t codePoint) const;
    // Control characters have no glyph and no advance.
    const Glyph& GetGlyph(char32_t codePoint) const;
    int Advance(char32_t codePoint) const { return GetGlyph(codePoint).advance; }

private:
    CFontFace(std::shared_ptr<FT_FaceRec_> face, FT_SizeRec_* size, const CLogFont& description);
    Glyph Render(char32_t codePoint) const;
    // The fallback fonts' faces at this size, opened at the first character
    // this face lacks.
    const std::vector<std::shared_ptr<const CFontFace>>& Fallbacks() const;

    std::shared_ptr<FT_FaceRec_> face_;  // shared with the other sizes of its file
    FT_SizeRec_* size_;
    CLogFont description_;
    int pixelSize_ = 0;
    int ascent_ = 0;
    bool bitmapSize_ = false;  // the face has a bitmap strike at this size: 1-bit glyphs
    mutable std::optional<std::vector<std::shared_ptr<const CFontFace>>> fallbacks_;
    mutable std::unordered_map<char32_t, Glyph> glyphs_;
    // The glyphs drawn last, by the low bits of their code point: a line of
    // text looks most of them up here instead of in the map.
    mutable std::array<const std::pair<const char32_t, Glyph>*, 256> recent_{};
};
