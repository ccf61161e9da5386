// The look every window of the game gives its widget tree: a 12-point "宋体"
// font (16 pixels high), white text on a transparent background.
#pragma once

#include "gfx/DeviceContext.h"

inline constexpr COLORREF kScreenTextColor = RGB(255, 255, 255);

CFont CreateScreenFont();

// How wide singleLine is drawn in the screen font, in pixels.
int ScreenTextWidth(std::string_view singleLine);
