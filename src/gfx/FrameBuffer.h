// A 32-bit pixel buffer in COLORREF layout (0x00BBGGRR), the surface every
// device context draws into and every window shows.
#pragma once

#include "containers/ErrorOr.h"
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

// The buffer as the bytes of an 8-bit RGB PNG file; empty for an empty image
// (or when memory runs out).
std::vector<std::uint8_t> EncodePng(const CFrameBuffer& image);
// Writes the buffer as an 8-bit RGB PNG file, whole or not at all: a failure
// leaves no file behind (and what path held untouched). Fails with a one-line
// reason naming the path.
CErrorOr<void> WritePng(const CFrameBuffer& image, const std::string& path);
// Reads a PNG written by WritePng (tests compare screenshots with it).
CErrorOr<CFrameBuffer> ReadPng(const std::string& path);
