// How widget setters take colours: kNoColor keeps the colour already set.
#pragma once

#include "gfx/Color.h"

inline void AssignColor(COLORREF& value, COLORREF replacement) {
    if (replacement != kNoColor) value = replacement;
}
