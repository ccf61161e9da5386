// Where the hint box goes: sized to its wrapped text and placed by the mouse
// pointer inside an area (the root panel's rectangle), in the area's
// coordinates; or, for the widget that has the keyboard focus, beside it.
#pragma once

#include "gfx/DeviceContext.h"

#include <string_view>

// The hint box for text, measured with the context's current font: the text
// wrapped at the area's width, plus 10 pixels on the right and 5 at the
// bottom, placed by PlaceHint. An empty text gives (0, 0, 1, 1).
CRect MeasureHint(CDC& dc, int pointerX, int pointerY, std::string_view text, const CRect& area);

// Places a box of box's size (its position does not count) by the pointer:
//   x  centred on the pointer (w div 2 to the left), but kept 5 pixels inside
//      the area's left or right edge when it would stick out
//   y  5 below the pointer; when the box would end less than 5 pixels above
//      the area's bottom, h + 30 higher, i.e. its top at pointer y - h - 25
CRect PlaceHint(const CRect& box, int pointerX, int pointerY, const CRect& area);

// Places a box of box's size beside avoid (the focused widget with its
// ring), never over it: centred below it, else above, else right or left of
// it (kept 5 pixels inside the area's edges along the side); where none of
// these fits inside the area, on the side above or below with more room,
// reaching out of the area.
CRect PlaceBeside(const CRect& box, const CRect& avoid, const CRect& area);
