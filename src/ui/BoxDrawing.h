// Boxes and frames drawn straight onto a device context: the framed box of
// panels, title bars and the hint box, and the push button's frame. Both put
// back the pen and brush they select; colours of kNoColor are not drawn.
#pragma once

#include "gfx/DeviceContext.h"

// Every rounded outline of the toolkit uses this corner ellipse.
inline constexpr int kCornerEllipseWidth = 5;
inline constexpr int kCornerEllipseHeight = 2;

// Fills rect (right and bottom edges excluded), then draws up to three
// rounded outlines nested inward: outline1 on rect itself, outline2 one pixel
// inside, outline3 two pixels inside (the insets hold whether or not the outer
// outlines are drawn).
void DrawFramedBox(CDC& dc, const CRect& rect, COLORREF outline1, COLORREF outline2, COLORREF outline3,
                   COLORREF fill);

// The looks of a push button frame.
enum class ButtonState { Hover = 0, Normal = 2, Disabled = 3 };

// The push button's frame inside (left, top, right, bottom), leaving 4 pixels
// free on the right and 2 at the bottom: with R = right - 4, B = bottom - 2,
//   sides         highlight (disabled: button shadow), corners left open
//   inner shade   LightFaceColor, rows B-1, B-2 and columns
//   hover rings   two 3D rectangles inside the sides (hover only)
//   corners       12 pixels: HighlightTint next to each corner, highlight on
//                 the diagonal
// A disabled frame is the four sides only.
void DrawButtonFrame(CDC& dc, int left, int top, int right, int bottom, ButtonState state);
