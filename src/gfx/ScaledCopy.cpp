// Enlarging and converting a frame onto a surface (see ScaledCopy.h).
#include "gfx/ScaledCopy.h"

#include <cstring>

namespace {

class CConvert {
public:
    explicit CConvert(const CChannelLayout& layout) : layout_(layout) {}
    std::uint32_t operator()(COLORREF pixel) const {
        return (pixel & 0xFFu) << layout_.redShift | ((pixel >> 8) & 0xFFu) << layout_.greenShift |
               ((pixel >> 16) & 0xFFu) << layout_.blueShift | layout_.opaque;
    }

private:
    CChannelLayout layout_;
};

// count source pixels, each written Scale times; a fixed Scale lets the
// compiler unroll the inner loop.
template <int Scale>
void WidenRow(const COLORREF* source, int count, std::uint32_t* out, const CConvert& convert) {
    for (int i = 0; i < count; ++i) {
        const std::uint32_t pixel = convert(source[i]);
        for (int k = 0; k < Scale; ++k) out[i * Scale + k] = pixel;
    }
}

// Fills width target pixels from source, scale target pixels per source
// pixel; a width that is not a multiple of scale ends in a partial block.
void WidenRow(const COLORREF* source, int width, int scale, std::uint32_t* out, const CConvert& convert) {
    const int whole = width / scale;
    switch (scale) {
        case 1:
            WidenRow<1>(source, whole, out, convert);
            break;
        case 2:
            WidenRow<2>(source, whole, out, convert);
            break;
        case 3:
            WidenRow<3>(source, whole, out, convert);
            break;
        case 4:
            WidenRow<4>(source, whole, out, convert);
            break;
        default:
            for (int x = 0; x < whole * scale; ++x) out[x] = convert(source[x / scale]);
            break;
    }
    for (int x = whole * scale; x < width; ++x) out[x] = convert(source[whole]);
}

}  // namespace

std::vector<CRect> ScaleOnto(const CFrameBuffer& frame, const std::vector<CRect>& area, int scale,
                             const CSurfacePixels& target) {
    std::vector<CRect> written;
    if (scale < 1) return written;
    const CConvert convert(target.layout);
    const CRect frameBounds{0, 0, frame.Width(), frame.Height()};
    const CRect targetBounds{0, target.top, target.width, target.top + target.height};
    auto* const base = static_cast<std::uint8_t*>(target.pixels);
    const auto rowAt = [&](int y) {
        return reinterpret_cast<std::uint32_t*>(base +
                                                static_cast<std::ptrdiff_t>(y - target.top) * target.pitch);
    };
    for (const CRect& part : area) {
        const CRect source = part.Intersect(frameBounds);
        const CRect out =
            CRect{source.left * scale, source.top * scale, source.right * scale, source.bottom * scale}
                .Intersect(targetBounds);
        if (out.IsRectEmpty()) continue;
        const std::size_t rowBytes = static_cast<std::size_t>(out.Width()) * sizeof(std::uint32_t);
        // The first target row of each source row is converted; the others copy it.
        for (int y = out.top; y < out.bottom; ++y) {
            std::uint32_t* row = rowAt(y) + out.left;
            if (y % scale != 0 && y != out.top)
                std::memcpy(row, rowAt(y - 1) + out.left, rowBytes);
            else
                WidenRow(frame.Row(y / scale) + source.left, out.Width(), scale, row, convert);
        }
        written.push_back(out);
    }
    return written;
}
