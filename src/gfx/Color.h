// Colours as 32-bit values laid out 0x00BBGGRR (red in the low byte), and the
// system palette that the toolkit derives its button colours from.
#pragma once

#include <cstdint>

using COLORREF = std::uint32_t;

// "No colour": the element is not drawn, and a setter given it keeps its value.
inline constexpr COLORREF kNoColor = 0xFFFFFFFFu;

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return static_cast<int>((c >> 16) & 0xFF); }

// The system colours the toolkit reads; the values are those of the classic
// desktop theme: button face RGB(240, 240, 240), highlight RGB(0, 120, 215),
// button shadow RGB(160, 160, 160), window RGB(255, 255, 255), text black.
enum class SysColor { ButtonFace, Highlight, ButtonShadow, Window, WindowText };

// Read each time a colour is needed (never cached by callers), so a changed
// palette shows at the next paint.
COLORREF GetSysColor(SysColor which);
// Replaces one entry of the palette (themes and tests); returns the old value.
COLORREF SetSysColor(SysColor which, COLORREF value);
