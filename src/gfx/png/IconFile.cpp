// Windows icon files (see IconFile.h). The layout: a 6-byte header, a
// 16-byte entry per image, then the images; every number little-endian.
#include "gfx/png/IconFile.h"

#include "gfx/png/PngFile.h"

namespace {

constexpr int kLargestIcon = 256;
// From this size on an image is stored as a PNG.
constexpr int kPngFrom = 256;
constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::uint32_t kBitmapHeaderSize = 40;

void Put16(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    Put16(bytes, value & 0xFFFF);
    Put16(bytes, value >> 16);
}

// A bitmap as an icon holds it: its header (the height counts the colour
// rows and the mask's rows), the colour rows bottom up as blue, green, red,
// alpha, then the transparency mask, one bit a pixel, rows padded to 32 bits,
// all clear: every pixel is drawn.
std::vector<std::uint8_t> IconBitmap(const CFrameBuffer& image) {
    const auto width = static_cast<std::uint32_t>(image.Width());
    const auto height = static_cast<std::uint32_t>(image.Height());
    const std::uint32_t maskRow = (width + 31) / 32 * 4;
    const std::uint32_t imageSize = width * height * 4 + maskRow * height;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kBitmapHeaderSize + imageSize);
    Put32(bytes, kBitmapHeaderSize);
    Put32(bytes, width);
    Put32(bytes, height * 2);
    Put16(bytes, 1);   // planes
    Put16(bytes, 32);  // bits a pixel
    Put32(bytes, 0);   // no compression
    Put32(bytes, imageSize);
    for (int unused = 0; unused < 4; ++unused) Put32(bytes, 0);  // resolution, palette
    for (int y = image.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.Width(); ++x) {
            const COLORREF color = image.GetPixel(x, y);
            for (const int channel : {GetBValue(color), GetGValue(color), GetRValue(color), 0xFF})
                bytes.push_back(static_cast<std::uint8_t>(channel));
        }
    }
    bytes.resize(bytes.size() + static_cast<std::size_t>(maskRow) * height, 0);
    return bytes;
}

}  // namespace

std::vector<std::uint8_t> EncodeIco(const std::vector<CFrameBuffer>& images) {
    std::vector<std::vector<std::uint8_t>> stored;
    for (const CFrameBuffer& image : images) {
        if (image.Width() != image.Height() || image.Width() < 1 || image.Width() > kLargestIcon) return {};
        stored.push_back(image.Width() >= kPngFrom ? EncodePng(image) : IconBitmap(image));
        if (stored.back().empty()) return {};
    }
    std::vector<std::uint8_t> bytes;
    Put16(bytes, 0);  // reserved
    Put16(bytes, 1);  // an icon (2 would be a cursor)
    Put16(bytes, static_cast<std::uint32_t>(images.size()));
    auto offset = static_cast<std::uint32_t>(kHeaderSize + kEntrySize * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        // A size of 256 is written as 0: the field has one byte.
        const auto side = static_cast<std::uint8_t>(images[i].Width() % kLargestIcon);
        bytes.insert(bytes.end(), {side, side, 0, 0});  // no palette, reserved
        Put16(bytes, 1);
        Put16(bytes, 32);
        Put32(bytes, static_cast<std::uint32_t>(stored[i].size()));
        Put32(bytes, offset);
        offset += static_cast<std::uint32_t>(stored[i].size());
    }
    for (const std::vector<std::uint8_t>& image : stored)
        bytes.insert(bytes.end(), image.begin(), image.end());
    return bytes;
}
