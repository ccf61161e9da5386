// Single-line text boxes, outlined titles and the font scaler, drawn with the
// font already selected in the device context. Each routine puts back the
// background mode and text colour it changes, except DrawBadgeBox, which
// leaves its text colour set for whatever is drawn next.
// A text colour of kNoColor keeps the context's current one; a fill or pen
// of kNoColor is not drawn (the context draws nothing in kNoColor).
#pragma once

#include "gfx/DeviceContext.h"

#include <string_view>

// The text layouts of the toolkit.
inline constexpr unsigned kCentredLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
inline constexpr unsigned kRightLine = DT_RIGHT | DT_VCENTER | DT_SINGLELINE;
inline constexpr unsigned kWrapped = DT_WORDBREAK;
inline constexpr unsigned kMeasureWrapped = DT_CALCRECT | DT_WORDBREAK;

// Selects the font line is drawn with in a box width pixels wide and returns
// the font selected before. A line that fits keeps the current font; a wider
// one gets it condensed (narrower glyphs of the same height) until it fits,
// down to half the natural width: a longer language keeps every letter where
// a widget cannot grow without moving what recordings click.
CFont SelectFittingFont(CDC& dc, std::string_view line, int width);

// Draws one line of text in rect with the font SelectFittingFont chooses.
void DrawFittedLine(CDC& dc, std::string_view line, const CRect& rect, unsigned format);

// Fills rect, then draws the text centred, first in offsetColor one pixel
// right and down, then in textColor on top (an engraved look).
void DrawShadowText(CDC& dc, std::string_view text, const CRect& rect, COLORREF offsetColor,
                    COLORREF textColor, COLORREF fill);

// Fills rect, then draws the text right-aligned and vertically centred.
void DrawRightText(CDC& dc, std::string_view text, const CRect& rect, COLORREF textColor, COLORREF fill);

// A rounded box outlined in penColor and filled with fill, the text centred.
// The text colour, when given, stays set after the call.
void DrawBadgeBox(CDC& dc, std::string_view text, const CRect& rect, COLORREF textColor, COLORREF fill,
                  COLORREF penColor);

// The text centred, ringed in outlineColor: drawn moved up, down, right and
// left by one pixel, then in textColor in place.
void DrawOutlinedText(CDC& dc, std::string_view text, const CRect& rect, COLORREF outlineColor,
                      COLORREF textColor);

// Selects a copy of the current font with its height and width multiplied by
// factor (in double precision, truncated toward zero; all else unchanged) and
// returns the font selected before, which the caller selects back when done.
//   height  -16 -> -22,  -10 -> -13  (factor 1.4f)
//   width     0 ->   0
CFont ScaleCurrentFont(CDC& dc, float factor);
