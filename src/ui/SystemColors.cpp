// Colours derived from the system palette.
#include "ui/SystemColors.h"

#include <algorithm>

COLORREF LightFaceColor() {
    const COLORREF face = GetSysColor(SysColor::ButtonFace);
    auto shade = [](int c) { return ((3 * c + 240) / 4 + 1) & 0xFF; };
    return RGB(shade(GetRValue(face)), shade(GetGValue(face)), shade(GetBValue(face)));
}

COLORREF HighlightTint() {
    const COLORREF highlight = GetSysColor(SysColor::Highlight);
    const int r = GetRValue(highlight) / 4;
    const int g = GetGValue(highlight) / 4;
    const int b = GetBValue(highlight) / 4;
    int lift = 255 - std::max({r, g, b});
    lift -= static_cast<int>(lift * 0.14);
    return RGB((r + lift) & 0xFF, (g + lift) & 0xFF, (b + lift) & 0xFF);
}
