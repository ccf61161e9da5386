// The game's icon: two crossed swords on a tile framed like the game's
// panels, drawn at any size (the desktop's icon files and every window's icon
// come from here, so they always agree).
#pragma once

#include "gfx/FrameBuffer.h"

// The size SDL windows hand to the window manager.
inline constexpr int kWindowIconSize = 64;

// A size x size opaque image; size at least 16 (smaller ones lose the swords).
CFrameBuffer DrawAppIcon(int size);
