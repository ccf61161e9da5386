// Handing the page the game's icon (see PageIcon.h).
#include "platform/browser/PageIcon.h"

#include "gfx/AppIcon.h"
#include "platform/browser/Rgba.h"

#include <emscripten.h>

#include <vector>

namespace {

constexpr int kFaviconSize = 32;

// clang-format off
EM_JS(void, PageSetIcon, (int size, const unsigned char* rgba), {
    const canvas = document.createElement("canvas");
    canvas.width = canvas.height = size;
    const pixels = new ImageData(new Uint8ClampedArray(HEAPU8.slice(rgba, rgba + size * size * 4).buffer), size, size);
    canvas.getContext("2d").putImageData(pixels, 0, 0);
    document.querySelector("link[rel=icon]").href = canvas.toDataURL("image/png");
    // The tile's colour, in the middle of the left edge inside the frame.
    const at = ((size >> 1) * size + 3) * 4;
    const hex = [0, 1, 2].map(i => pixels.data[at + i].toString(16).padStart(2, "0")).join("");
    document.querySelector("meta[name=theme-color]").content = "#" + hex;
});
// clang-format on

}  // namespace

void ShowPageIcon() {
    const CFrameBuffer icon = DrawAppIcon(kFaviconSize);
    std::vector<unsigned char> rgba;
    CopyRgba(icon, {0, 0, kFaviconSize, kFaviconSize}, &rgba);
    PageSetIcon(kFaviconSize, rgba.data());
}
