// Colours the toolkit derives from the system palette. They are read from the
// palette at every call, never cached, so a changed palette shows at the next
// paint.
#pragma once

#include "gfx/Color.h"

// The pale shade inside a button frame, from the button-face colour: each
// channel c becomes (3c + 240) div 4 + 1.
//   c:      0    128   240   255
//   shade:  61   157   241   252
COLORREF LightFaceColor();

// The tint of a button frame's corner pixels, from the highlight colour:
// channels divided by 4, then all lifted by d, where d = 255 - (largest
// quarter-channel) less 14% of itself (truncated).
//   highlight (0, 120, 215)  ->  quarters (0, 30, 53), d = 202 - 28 = 174
//                            ->  tint (174, 204, 227)
COLORREF HighlightTint();
