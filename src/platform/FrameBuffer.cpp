// The pixel buffer (see FrameBuffer.h; its PNG files are in PngFile.cpp).
#include "platform/FrameBuffer.h"

#include <algorithm>

CFrameBuffer::CFrameBuffer(int width, int height, COLORREF fill) { Resize(width, height, fill); }

COLORREF CFrameBuffer::GetPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return kNoColor;
    return Row(y)[x];
}

void CFrameBuffer::SetPixel(int x, int y, COLORREF color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Row(y)[x] = color;
}

void CFrameBuffer::Resize(int width, int height, COLORREF fill) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill);
}
