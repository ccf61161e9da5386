// Hint box measuring and placement.
#include "ui/HintGeometry.h"

#include "ui/TextDrawing.h"

#include <algorithm>

namespace {

// Space kept between the box and what it must not cover, and from the area's edges.
constexpr int kGap = 5;

// start, moved to keep [start, start + length) kGap inside [low, high) where it can.
int KeptInside(int start, int length, int low, int high) {
    return std::max(low + kGap, std::min(start, high - kGap - length));
}

}  // namespace

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

CRect PlaceBeside(const CRect& box, const CRect& avoid, const CRect& area) {
    const int w = box.Width();
    const int h = box.Height();
    const int x = KeptInside((avoid.left + avoid.right - w) / 2, w, area.left, area.right);
    const int y = KeptInside((avoid.top + avoid.bottom - h) / 2, h, area.top, area.bottom);
    const CRect below{x, avoid.bottom + kGap, x + w, avoid.bottom + kGap + h};
    const CRect above{x, avoid.top - kGap - h, x + w, avoid.top - kGap};
    const CRect right{avoid.right + kGap, y, avoid.right + kGap + w, y + h};
    const CRect left{avoid.left - kGap - w, y, avoid.left - kGap, y + h};
    for (const CRect& place : {below, above, right, left})
        if (place.Intersect(area) == place) return place;
    return area.bottom - avoid.bottom >= avoid.top - area.top ? below : above;
}
