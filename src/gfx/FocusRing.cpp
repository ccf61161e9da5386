// Drawing the focus ring (see FocusRing.h).
#include "gfx/FocusRing.h"

namespace {

// A frame one pixel wide along the inside of box.
void DrawFrame(CDC& dc, const CRect& box, COLORREF color) {
    dc.FillSolidRect({box.left, box.top, box.right, box.top + 1}, color);
    dc.FillSolidRect({box.left, box.bottom - 1, box.right, box.bottom}, color);
    dc.FillSolidRect({box.left, box.top + 1, box.left + 1, box.bottom - 1}, color);
    dc.FillSolidRect({box.right - 1, box.top + 1, box.right, box.bottom - 1}, color);
}

}  // namespace

CRect FocusRingArea(const CRect& widgetArea) { return widgetArea.Deflated(-kFocusRingWidth); }

void DrawFocusRing(CDC& dc, const CRect& widgetArea) {
    DrawFrame(dc, widgetArea.Deflated(-4), kFocusRingDark);
    DrawFrame(dc, widgetArea.Deflated(-3), kFocusRingLight);
    DrawFrame(dc, widgetArea.Deflated(-2), kFocusRingLight);
    DrawFrame(dc, widgetArea.Deflated(-1), kFocusRingDark);
}
