// The screen font.
#include "ui/ScreenFont.h"

CFont CreateScreenFont() { return CFont::CreatePointFont(120, "宋体"); }
