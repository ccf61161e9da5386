// The pixel buffer and the writing of its PNG files (see FrameBuffer.h; the
// encoding and reading are libpng's on the desktop, png/PngFile.cpp, and the
// browser's in the browser build, browser/PagePng.cpp).
#include "gfx/FrameBuffer.h"

#include "gfx/WholeFile.h"

#include <algorithm>
#include <cstring>

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

CErrorOr<void> WritePng(const CFrameBuffer& image, const std::string& path) {
    if (image.Width() == 0 || image.Height() == 0) return CFailure{"cannot write an empty image to " + path};
    const std::vector<std::uint8_t> bytes = EncodePng(image);
    if (bytes.empty()) return CFailure{"out of memory writing " + path};
    if (const int failure = WriteWholeFile(path, bytes))
        return CFailure{"cannot write " + path + ": " + std::strerror(failure)};
    return {};
}
