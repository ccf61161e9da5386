// The system palette: one value per SysColor, the classic desktop theme.
#include "gfx/Color.h"

#include <array>
#include <cstddef>

namespace {

std::array<COLORREF, 5>& Palette() {
    static std::array<COLORREF, 5> palette{
        RGB(240, 240, 240),  // ButtonFace
        RGB(0, 120, 215),    // Highlight
        RGB(160, 160, 160),  // ButtonShadow
        RGB(255, 255, 255),  // Window
        RGB(0, 0, 0),        // WindowText
    };
    return palette;
}

}  // namespace

COLORREF GetSysColor(SysColor which) { return Palette()[static_cast<std::size_t>(which)]; }

COLORREF SetSysColor(SysColor which, COLORREF value) {
    COLORREF& slot = Palette()[static_cast<std::size_t>(which)];
    COLORREF old = slot;
    slot = value;
    return old;
}
