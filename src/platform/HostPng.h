// The PNG encoder of the host the program runs on, for the pictures and shots
// the window system writes: libpng's on the desktop (desktop/HostPng.cpp),
// the browser's in the browser build (browser/PagePng.cpp).
#pragma once

#include "gfx/FrameBuffer.h"

#include <cstdint>
#include <vector>

// As PngEncoder (FrameBuffer.h).
std::vector<std::uint8_t> EncodeHostPng(const CFrameBuffer& image);
