// The focus ring: the frame drawn around the widget that has the keyboard
// focus, once a key has moved the focus. Two colours far apart in lightness
// (black, white, black bands) so that one of them stands out at least 3:1
// against whatever lies beside the ring, on the darkest background the game
// draws as on the lightest. It lies just outside the widget's area and
// covers nothing of the widget itself.
#pragma once

#include "gfx/Color.h"
#include "gfx/DeviceContext.h"
#include "gfx/Geometry.h"

inline constexpr COLORREF kFocusRingDark = RGB(0, 0, 0);
inline constexpr COLORREF kFocusRingLight = RGB(255, 255, 255);
// How far the ring reaches outside the widget: a dark pixel, two light
// pixels, a dark pixel.
inline constexpr int kFocusRingWidth = 4;

// The area the ring of a widget at widgetArea covers (widget included):
// what to repaint when the ring comes or goes.
CRect FocusRingArea(const CRect& widgetArea);
// Draws the ring around widgetArea.
void DrawFocusRing(CDC& dc, const CRect& widgetArea);
