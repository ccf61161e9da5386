// The screen font, looked up once: every paint and every hint asks for it.
#include "ui/ScreenFont.h"

#include "gfx/FontFace.h"
#include "gfx/Utf8.h"

CFont CreateScreenFont() {
    static const CFont font = CFont::CreatePointFont(120, "宋体");
    return font;
}

int ScreenTextWidth(std::string_view singleLine) {
    const CFont font = CreateScreenFont();
    int width = 0;
    for (const char32_t c : DecodeUtf8(singleLine)) width += font.Face()->Advance(c);
    return width;
}
