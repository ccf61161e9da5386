// The screen font, looked up once: every paint and every hint asks for it.
#include "ui/ScreenFont.h"

CFont CreateScreenFont() {
    static const CFont font = CFont::CreatePointFont(120, "宋体");
    return font;
}
