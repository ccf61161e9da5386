// A 32-bit pixel buffer in COLORREF layout (0x00BBGGRR), the surface every
// device context draws into and every window shows.
#pragma once

#include "base/ErrorOr.h"
#include "gfx/Color.h"

#include <cstdint>
#include <string>
#include <vector>

class CFrameBuffer {
public:
    CFrameBuffer() = default;
    CFrameBuffer(int width, int height, COLORREF fill = RGB(0, 0, 0));

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Out-of-range reads give kNoColor; out-of-range writes are ignored.
    COLORREF GetPixel(int x, int y) const;
    void SetPixel(int x, int y, COLORREF color);
    void Resize(int width, int height, COLORREF fill);

    COLORREF* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const COLORREF* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }

    bool operator==(const CFrameBuffer&) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
};

// The bytes of an 8-bit RGB PNG file of an image; empty for an empty image
// (or when memory runs out). libpng's on the desktop (png/PngFile.h); the
// window system uses its host's (platform/HostPng.h).
using PngEncoder = std::vector<std::uint8_t> (*)(const CFrameBuffer& image);

// Writes the buffer as a PNG file made by encode, whole or not at all: a
// failure leaves no file behind (and what path held untouched). Fails with a
// one-line reason naming the path.
CErrorOr<void> WritePng(const CFrameBuffer& image, PngEncoder encode, const std::string& path);
