// PNG through the page (see PagePng.h): the host's encoder (HostPng.h) for
// the files the module writes, and downloads offered to the player.
#include "platform/browser/PagePng.h"

#include "i18n/Translation.h"
#include "platform/HostPng.h"
#include "platform/browser/Rgba.h"

#include <emscripten.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// clang-format off
// The PNG's bytes in memory from malloc (size first, as 4 bytes), or null.
EM_ASYNC_JS(unsigned char*, PageEncodePng, (const unsigned char* rgba, int width, int height), {
    const bytes = await QuorvanelHost.encodePng(HEAPU8.slice(rgba, rgba + width * height * 4), width, height);
    if (!bytes) return 0;
    const buffer = _malloc(bytes.length + 4);
    HEAPU32[buffer >> 2] = bytes.length;
    HEAPU8.set(bytes, buffer + 4);
    return buffer;
});
EM_JS(bool, PageOfferDownload, (const unsigned char* bytes, int size, const char* name), {
    return QuorvanelHost.offerDownload(HEAPU8.slice(bytes, bytes + size), UTF8ToString(name));
});
// clang-format on

}  // namespace

std::vector<std::uint8_t> EncodeHostPng(const CFrameBuffer& image) {
    if (image.Width() == 0 || image.Height() == 0) return {};
    std::vector<unsigned char> rgba;
    CopyRgba(image, {0, 0, image.Width(), image.Height()}, &rgba);
    unsigned char* encoded = PageEncodePng(rgba.data(), image.Width(), image.Height());
    if (!encoded) return {};
    std::uint32_t size = 0;
    std::memcpy(&size, encoded, sizeof size);
    std::vector<std::uint8_t> bytes(encoded + sizeof size, encoded + sizeof size + size);
    std::free(encoded);
    return bytes;
}

CErrorOr<void> OfferPng(const CFrameBuffer& image, const std::string& name) {
    const std::vector<std::uint8_t> bytes = EncodeHostPng(image);
    if (bytes.empty()) return CFailure{Tr("浏览器无法编码图片")};
    if (!PageOfferDownload(bytes.data(), static_cast<int>(bytes.size()), name.c_str()))
        return CFailure{Tr("浏览器无法提供下载")};
    return {};
}
