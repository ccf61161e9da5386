// Framed boxes and the push button frame.
#include "ui/BoxDrawing.h"

#include "gfx/ScopedDCState.h"
#include "ui/SystemColors.h"

namespace {

// The hover rings: light orange on the top and left, deeper on the bottom and
// right.
constexpr COLORREF kHoverRingTopLeft = RGB(255, 202, 130);
constexpr COLORREF kHoverRingBottomRight = RGB(255, 193, 111);

void DrawRoundedOutline(CDC& dc, const CRect& rect, COLORREF color) {
    dc.SelectObject(CPen::Solid(color));
    dc.RoundRect(rect, kCornerEllipseWidth, kCornerEllipseHeight);
}

// A line from (x1, y1) up to but excluding (x2, y2).
void Line(CDC& dc, int x1, int y1, int x2, int y2) {
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

void Draw3dOutline(CDC& dc, const CRect& r, COLORREF topLeft, COLORREF bottomRight) {
    dc.Draw3dRect(r.left, r.top, r.Width(), r.Height(), topLeft, bottomRight);
}

}  // namespace

void DrawFramedBox(CDC& dc, const CRect& rect, COLORREF outline1, COLORREF outline2, COLORREF outline3,
                   COLORREF fill) {
    const CScopedDCState saved(dc);
    dc.FillRect(rect, fill);
    dc.SelectObject(CBrush::Null());
    CRect outline = rect;
    DrawRoundedOutline(dc, outline, outline1);
    outline.DeflateRect(1);
    DrawRoundedOutline(dc, outline, outline2);
    outline.DeflateRect(1);
    DrawRoundedOutline(dc, outline, outline3);
}

void DrawButtonFrame(CDC& dc, int left, int top, int right, int bottom, ButtonState state) {
    const int R = right - 4;
    const int B = bottom - 2;
    const COLORREF highlight = GetSysColor(SysColor::Highlight);
    const COLORREF sides = state == ButtonState::Disabled ? GetSysColor(SysColor::ButtonShadow) : highlight;
    const CScopedDCState saved(dc);
    dc.SelectObject(CPen::Solid(sides));
    Line(dc, left + 2, top, R - 1, top);
    Line(dc, left, top + 2, left, B - 1);
    Line(dc, R, top + 2, R, B - 1);
    Line(dc, left + 2, B, R - 1, B);
    if (state == ButtonState::Disabled) return;

    dc.SelectObject(CPen::Solid(LightFaceColor()));
    Line(dc, left + 2, B - 1, R - 1, B - 1);
    Line(dc, R - 1, top + 2, R - 1, B - 1);
    Line(dc, left + 2, B - 2, R - 1, B - 2);
    Line(dc, R - 2, top + 2, R - 2, B - 1);

    if (state == ButtonState::Hover) {
        CRect ring{left + 1, top + 1, R, B};
        Draw3dOutline(dc, ring, kHoverRingTopLeft, kHoverRingBottomRight);
        ring.DeflateRect(1);
        Draw3dOutline(dc, ring, kHoverRingTopLeft, kHoverRingBottomRight);
    }

    // Rounds the open corners: the tint beside each corner, the highlight on
    // its diagonal.
    const COLORREF tint = HighlightTint();
    const struct {
        int x, y;
        COLORREF color;
    } corners[] = {
        {left + 1, top, tint}, {left, top + 1, tint}, {left + 1, top + 1, highlight},
        {left + 1, B, tint},   {left, B - 1, tint},   {left + 1, B - 1, highlight},
        {R - 1, top, tint},    {R, top + 1, tint},    {R - 1, top + 1, highlight},
        {R - 1, B, tint},      {R, B - 1, tint},      {R - 1, B - 1, highlight},
    };
    for (const auto& corner : corners) dc.SetPixel(corner.x, corner.y, corner.color);
}
