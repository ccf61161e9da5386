// PNG files on the desktop, through libpng: 8-bit RGB in the file, COLORREF
// in memory (built where libpng is: not in the browser build, whose page
// encodes pictures itself).
#pragma once

#include "gfx/FrameBuffer.h"

#include <cstdint>
#include <string>
#include <vector>

// The buffer as the bytes of an 8-bit RGB PNG file; empty for an empty image
// (or when memory runs out).
std::vector<std::uint8_t> EncodePng(const CFrameBuffer& image);
// Writes the buffer as a PNG file (WritePng of FrameBuffer.h with EncodePng).
inline CErrorOr<void> WritePng(const CFrameBuffer& image, const std::string& path) {
    return WritePng(image, EncodePng, path);
}
// Reads a PNG file; accepts any PNG libpng can expand to 8-bit RGB(A), the
// alpha channel dropped (tests compare screenshots with it).
CErrorOr<CFrameBuffer> ReadPng(const std::string& path);
