// Pictures in the browser build: the page encodes them with the browser's own
// PNG encoder and offers them as a download under the file's name; nothing is
// written to a file system.
#include "platform/FrameBuffer.h"
#include "platform/browser/Rgba.h"

#include <emscripten.h>

#include <cstdlib>
#include <vector>

namespace {

// clang-format off
// Resolves to an empty string, or the reason the picture could not be offered.
EM_ASYNC_JS(char*, PageOfferPng, (const unsigned char* rgba, int width, int height, const char* name), {
    const failure = await QuorvanelHost.offerPng(HEAPU8.slice(rgba, rgba + width * height * 4), width, height,
                                                 UTF8ToString(name));
    const size = lengthBytesUTF8(failure) + 1;
    const text = _malloc(size);
    stringToUTF8(failure, text, size);
    return text;
});
// clang-format on

}  // namespace

bool WritePng(const CFrameBuffer& image, const std::string& path, std::string* error) {
    if (image.Width() == 0 || image.Height() == 0) {
        if (error) *error = "cannot write an empty image to " + path;
        return false;
    }
    std::vector<unsigned char> rgba;
    CopyRgba(image, {0, 0, image.Width(), image.Height()}, &rgba);
    const std::string name = path.substr(path.find_last_of('/') + 1);
    char* failure = PageOfferPng(rgba.data(), image.Width(), image.Height(), name.c_str());
    const std::string reason = failure;
    std::free(failure);
    if (reason.empty()) return true;
    if (error) *error = reason;
    return false;
}
