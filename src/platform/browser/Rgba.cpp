// COLORREF (0x00BBGGRR) to RGBA bytes (see Rgba.h).
#include "platform/browser/Rgba.h"

void CopyRgba(const CFrameBuffer& image, const CRect& rect, std::vector<unsigned char>* rgba) {
    rgba->resize(static_cast<std::size_t>(rect.Width()) * rect.Height() * 4);
    unsigned char* out = rgba->data();
    for (int y = rect.top; y < rect.bottom; ++y) {
        const COLORREF* row = image.Row(y);
        for (int x = rect.left; x < rect.right; ++x) {
            *out++ = static_cast<unsigned char>(row[x] & 0xFF);
            *out++ = static_cast<unsigned char>((row[x] >> 8) & 0xFF);
            *out++ = static_cast<unsigned char>((row[x] >> 16) & 0xFF);
            *out++ = 0xFF;
        }
    }
}
