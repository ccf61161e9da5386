// A software device context: drawing operations with the semantics the
// toolkit's drawing routines rely on, into a CFrameBuffer, clipped to a
// region (the invalid area while painting).
//
//  - FillRect / FillSolidRect exclude the right and bottom edges.
//  - Drawing in kNoColor (a fill, a pixel, a pen or a 3D edge) draws nothing.
//  - A line from A to B (MoveTo A, LineTo B) excludes B.
//  - RoundRect outlines with the selected 1-pixel pen inside
//    [left, right - 1] x [top, bottom - 1] and fills the inside with the
//    selected brush; the null pen draws no outline, the null brush no fill.
//    The corners follow the corner ellipse: the toolkit's 5 x 2 ellipse
//    leaves out exactly the corner pixel of the outline (a one-pixel
//    diagonal cut), as the classic desktop's rounded rectangle does.
//  - Draw3dRect(x, y, cx, cy): top row x .. x + cx - 2 and left column
//    y .. y + cy - 2 in the top-left colour; right column x + cx - 1 and bottom
//    row y + cy - 1 in full in the bottom-right colour.
//  - Selecting a pen, brush or font returns the previous one; text colour and
//    background mode setters return their previous values.
//  - Text is UTF-8. DrawText lays it out as the format flags say.
//
// A context made without a target only measures: drawing does nothing.
// Drawing outside the clip region (or with an empty area) returns at once;
// the region is cut to the target and kept as disjoint rectangles.
#pragma once

#include "gfx/Color.h"
#include "gfx/Font.h"
#include "gfx/FrameBuffer.h"
#include "gfx/Geometry.h"

#include <initializer_list>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

struct Glyph;

// DrawText format flags (the subset the toolkit uses).
enum : unsigned {
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_CALCRECT = 0x400,
};

// Background modes.
enum : int { TRANSPARENT = 1, OPAQUE = 2 };

struct CPen {
    COLORREF color = RGB(0, 0, 0);
    bool null = false;
    static CPen Solid(COLORREF c) { return {c, false}; }
    static CPen Null() { return {0, true}; }
    bool operator==(const CPen&) const = default;
};

struct CBrush {
    COLORREF color = RGB(255, 255, 255);
    bool null = false;
    static CBrush Solid(COLORREF c) { return {c, false}; }
    static CBrush Null() { return {0, true}; }
    bool operator==(const CBrush&) const = default;
};

class CDC {
public:
    CDC();                               // measuring only
    explicit CDC(CFrameBuffer& target);  // clip: the whole target
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Clipping: drawing reaches only pixels inside one of the rectangles
    // (always also inside the target).
    void SetClipRegion(std::span<const CRect> rects);
    void SetClipRegion(std::initializer_list<CRect> rects) { SetClipRegion({rects.begin(), rects.size()}); }
    void SetClipRect(const CRect& rect) { SetClipRegion({&rect, 1}); }
    const std::vector<CRect>& GetClipRegion() const { return clip_; }
    // Saves the region; RestoreClipRegion puts back the last one saved.
    void SaveClipRegion();
    void RestoreClipRegion();
    void ExcludeClipRect(const CRect& rect);       // takes rect out of the region
    CRect GetClipBox() const { return clipBox_; }  // bounding box of the region
    bool RectVisible(const CRect& r) const;        // does r meet the region?

    CPen SelectObject(const CPen& pen);
    CBrush SelectObject(const CBrush& brush);
    CFont SelectObject(const CFont& font);
    const CPen& GetCurrentPen() const { return pen_; }
    const CBrush& GetCurrentBrush() const { return brush_; }
    const CFont& GetCurrentFont() const { return font_; }

    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const { return textColor_; }
    int SetBkMode(int mode);
    int GetBkMode() const { return bkMode_; }
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const { return bkColor_; }

    void FillRect(const CRect& rect, COLORREF color);
    void FillSolidRect(const CRect& rect, COLORREF color);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void SetPixel(int x, int y, COLORREF color);
    COLORREF GetPixel(int x, int y) const;
    void RoundRect(const CRect& rect, int ellipseWidth, int ellipseHeight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
    // Copies image's pixels with its top-left corner at `at`, clipped.
    void DrawImage(const CFrameBuffer& image, CPoint at);

    // Draws (or with DT_CALCRECT measures) text in rect with the current font,
    // text colour and background mode; returns the height of the text. Each
    // line is as high as the font's em size (16 pixels for height -16);
    // DT_VCENTER centres a single line, DT_CENTER / DT_RIGHT align each line.
    // The text is clipped to rect. OPAQUE fills each line's extent with the
    // background colour first.
    // DT_CALCRECT with DT_WORDBREAK keeps rect's width for wrapping and sets
    // rect.right and rect.bottom to the extent of the wrapped text.
    // Wrapping breaks at CR LF (and a lone LF), between two CJK characters,
    // and at spaces between Latin words; a word wider than the line is broken
    // between characters.
    int DrawText(std::string_view text, CRect& rect, unsigned format);
    CSize GetTextExtent(std::string_view singleLine) const;

private:
    const CFontFace& ActiveFace() const;  // the selected font, else CFont::Default
    template <typename ForEachCodePoint>
    void DrawLine(const CFontFace& face, const CRect& rect, unsigned format, int top, int width,
                  const ForEachCodePoint& forEachCodePoint);
    void DrawGlyph(const Glyph& glyph, int penX, int baseline);  // clipped to textClip_
    void FillSpan(int y, int left, int right, COLORREF color);   // right exclusive, clipped
    void Plot(int x, int y, COLORREF color);                     // clipped
    void UpdateClipBox();

    CFrameBuffer* target_ = nullptr;
    std::vector<CRect> clip_;
    // Saved regions and room to build new ones: kept for the context's life,
    // so that clipping in a paint does not allocate at every widget.
    std::vector<std::vector<CRect>> savedClips_;
    std::size_t savedCount_ = 0;
    std::vector<CRect> scratch_;
    std::vector<CRect> scratchRest_;
    std::vector<CRect> textClip_;  // the region cut to the line being drawn
    // The region's bounding box: most drawing misses the region altogether,
    // which one test against it tells.
    CRect clipBox_;
    CPen pen_;
    CBrush brush_;
    CFont font_;
    COLORREF textColor_ = RGB(0, 0, 0);
    COLORREF bkColor_ = RGB(255, 255, 255);
    int bkMode_ = OPAQUE;
    CPoint position_;
};
