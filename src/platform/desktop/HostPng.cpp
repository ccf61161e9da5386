// The desktop's PNG encoder is libpng's (see HostPng.h).
#include "platform/HostPng.h"

#include "gfx/png/PngFile.h"

std::vector<std::uint8_t> EncodeHostPng(const CFrameBuffer& image) { return EncodePng(image); }
