// Pixel helpers for the toolkit's drawing tests: which pixels of an image
// have a colour, and their bounding box.
#pragma once

#include "gfx/FrameBuffer.h"
#include "gfx/Geometry.h"

#include <cstddef>

// The bounding box of every pixel of colour; empty when there is none.
inline CRect BoxOf(const CFrameBuffer& image, COLORREF colour) {
    CRect box;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.GetPixel(x, y) == colour) box = box.Union({x, y, x + 1, y + 1});
    return box;
}

inline std::size_t CountOf(const CFrameBuffer& image, COLORREF colour) {
    std::size_t count = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) count += image.GetPixel(x, y) == colour;
    return count;
}
