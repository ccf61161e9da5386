// Text boxes, outlined text and the font scaler.
#include "ui/TextDrawing.h"

#include "gfx/FontFace.h"
#include "gfx/ScopedDCState.h"
#include "ui/BoxDrawing.h"

namespace {

void SetTextColorUnlessNone(CDC& dc, COLORREF color) {
    if (color != kNoColor) dc.SetTextColor(color);
}

// The narrowest condensing: half the natural glyph width.
constexpr int kNarrowestWidthDivisor = 4;

}  // namespace

CFont SelectFittingFont(CDC& dc, std::string_view line, int width) {
    const CFont natural = dc.GetCurrentFont();
    if (dc.GetTextExtent(line).cx <= width) return natural;
    CLogFont condensed = natural.GetLogFont();
    // The face's natural glyphs are half as wide as they are high.
    const int lineHeight = (natural.IsNull() ? CFont::Default() : natural).Face()->LineHeight();
    for (condensed.width = lineHeight / 2 - 1; condensed.width >= lineHeight / kNarrowestWidthDivisor;
         --condensed.width) {
        dc.SelectObject(CFont::CreateFontIndirect(condensed));
        if (dc.GetTextExtent(line).cx <= width) break;
    }
    return natural;
}

void DrawFittedLine(CDC& dc, std::string_view line, const CRect& rect, unsigned format) {
    const CScopedDCState saved(dc);
    SelectFittingFont(dc, line, rect.Width());
    CRect box = rect;
    dc.DrawText(line, box, format);
}

void DrawShadowText(CDC& dc, std::string_view text, const CRect& rect, COLORREF offsetColor,
                    COLORREF textColor, COLORREF fill) {
    const CScopedDCState saved(dc);
    dc.FillSolidRect(rect, fill);
    dc.SetBkMode(TRANSPARENT);
    if (offsetColor != kNoColor) {
        const CScopedDCState offset(dc);
        dc.SetTextColor(offsetColor);
        DrawFittedLine(dc, text, rect.Offset(1, 1), kCentredLine);
    }
    SetTextColorUnlessNone(dc, textColor);
    DrawFittedLine(dc, text, rect, kCentredLine);
}

void DrawRightText(CDC& dc, std::string_view text, const CRect& rect, COLORREF textColor, COLORREF fill) {
    const CScopedDCState saved(dc);
    dc.FillSolidRect(rect, fill);
    dc.SetBkMode(TRANSPARENT);
    SetTextColorUnlessNone(dc, textColor);
    DrawFittedLine(dc, text, rect, kRightLine);
}

void DrawBadgeBox(CDC& dc, std::string_view text, const CRect& rect, COLORREF textColor, COLORREF fill,
                  COLORREF penColor) {
    // The text colour stays set after the box: a badge's lasting state (CBadge).
    SetTextColorUnlessNone(dc, textColor);
    const CScopedDCState saved(dc);
    dc.SetBkMode(TRANSPARENT);
    dc.SelectObject(CPen::Solid(penColor));
    dc.SelectObject(CBrush::Solid(fill));
    dc.RoundRect(rect, kCornerEllipseWidth, kCornerEllipseHeight);
    DrawFittedLine(dc, text, rect, kCentredLine);
}

void DrawOutlinedText(CDC& dc, std::string_view text, const CRect& rect, COLORREF outlineColor,
                      COLORREF textColor) {
    const CScopedDCState saved(dc);
    if (outlineColor != kNoColor) {
        const CScopedDCState outline(dc);
        dc.SetTextColor(outlineColor);
        for (const CPoint shift : {CPoint{0, -1}, CPoint{0, 1}, CPoint{1, 0}, CPoint{-1, 0}})
            DrawFittedLine(dc, text, rect.Offset(shift.x, shift.y), kCentredLine);
    }
    SetTextColorUnlessNone(dc, textColor);
    DrawFittedLine(dc, text, rect, kCentredLine);
}

CFont ScaleCurrentFont(CDC& dc, float factor) {
    CLogFont description = dc.GetCurrentFont().GetLogFont();
    const double scale = factor;
    description.height = static_cast<int>(description.height * scale);
    description.width = static_cast<int>(description.width * scale);
    return dc.SelectObject(CFont::CreateFontIndirect(description));
}
