// Windows icon files (.ico): one file holding the icon at several sizes,
// each a 32-bit bitmap, but 256 x 256 (and larger) as a PNG, as Windows'
// own icons store them to keep the file small.
#pragma once

#include "gfx/FrameBuffer.h"

#include <cstdint>
#include <vector>

// The bytes of an .ico file of images, in their order; each image square,
// opaque, from 1 to 256 pixels wide. Empty when an image is not such a one
// (or its PNG cannot be made).
std::vector<std::uint8_t> EncodeIco(const std::vector<CFrameBuffer>& images);
