// The look every window of the game gives its widget tree: a 12-point "宋体"
// font (16 pixels high), white text on a transparent background.
#pragma once

#include "gfx/DeviceContext.h"

inline constexpr COLORREF kScreenTextColor = RGB(255, 255, 255);

CFont CreateScreenFont();
