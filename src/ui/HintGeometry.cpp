// Hint box measuring and placement.
#include "ui/HintGeometry.h"

#include "ui/TextDrawing.h"

CRect MeasureHint(CDC& dc, int pointerX, int pointerY, std::string_view text, const CRect& area) {
    if (text.empty()) return {0, 0, 1, 1};
    CRect box{area.left, pointerY + 5, area.right, area.bottom};
    dc.DrawText(text, box, kMeasureWrapped);
    box.InflateRect(0, 0, 10, 5);
    return PlaceHint(box, pointerX, pointerY, area);
}

CRect PlaceHint(const CRect& box, int pointerX, int pointerY, const CRect& area) {
    const int w = box.Width();
    const int h = box.Height();
    int x = pointerX - w / 2;
    int y = pointerY + 5;
    if (area.left - x > 0)
        x = area.left + 5;
    else if (x + w - area.right > 0)
        x = area.right - w - 5;
    if (y + h + 5 - area.bottom > 0) y -= h + 30;
    return {x, y, x + w, y + h};
}
