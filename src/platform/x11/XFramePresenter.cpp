// Showing frames on X band by band (see XFramePresenter.h).
#include "platform/x11/XFramePresenter.h"

#include "gfx/ScaledCopy.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <bit>
#include <optional>

namespace {

// A band holds about this many pixels (64 KB), however wide the window.
constexpr int kBandPixels = 16384;

// Where a colour mask of a visual sits, when it is 8 bits wide.
std::optional<int> ChannelShift(unsigned long mask) {
    const int shift = std::countr_zero(mask);
    if (mask == 0 || mask != 0xFFul << shift) return std::nullopt;
    return shift;
}

}  // namespace

struct CXFramePresenter::CState {
    Display* display = nullptr;
    ::Window window = 0;
    GC gc = nullptr;
    XImage image{};  // the band's description; its pixels are band_
    CChannelLayout layout;
};

std::unique_ptr<CXFramePresenter> CXFramePresenter::For(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return nullptr;
    auto state = std::make_unique<CState>();
    state->display = info.info.x11.display;
    state->window = info.info.x11.window;
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(state->display, state->window, &attributes) || !attributes.visual ||
        (attributes.visual->c_class != TrueColor && attributes.visual->c_class != DirectColor) ||
        (attributes.depth != 24 && attributes.depth != 32))
        return nullptr;
    const Visual& visual = *attributes.visual;
    const std::optional<int> red = ChannelShift(visual.red_mask);
    const std::optional<int> green = ChannelShift(visual.green_mask);
    const std::optional<int> blue = ChannelShift(visual.blue_mask);
    if (!red || !green || !blue) return nullptr;
    const auto colours = static_cast<std::uint32_t>(visual.red_mask | visual.green_mask | visual.blue_mask);
    state->layout = {*red, *green, *blue, attributes.depth == 32 ? ~colours : 0u};

    XImage& image = state->image;
    image.format = ZPixmap;
    image.depth = attributes.depth;
    image.bits_per_pixel = 32;
    image.bitmap_unit = 32;
    image.bitmap_pad = 32;
    // The band is in this machine's byte order; Xlib swaps for a server of the other.
    image.byte_order = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
    image.bitmap_bit_order = image.byte_order;
    image.red_mask = visual.red_mask;
    image.green_mask = visual.green_mask;
    image.blue_mask = visual.blue_mask;
    state->gc = XCreateGC(state->display, state->window, 0, nullptr);
    if (!state->gc) return nullptr;
    return std::unique_ptr<CXFramePresenter>(new CXFramePresenter(std::move(state)));
}

std::unique_ptr<CFramePresenter> HostFramePresenter(SDL_Window* window) {
    return CXFramePresenter::For(window);
}

CXFramePresenter::CXFramePresenter(std::unique_ptr<CState> state) : state_(std::move(state)) {}

CXFramePresenter::~CXFramePresenter() { XFreeGC(state_->display, state_->gc); }

void CXFramePresenter::Fill(COLORREF color, CSize room) {
    const CChannelLayout& layout = state_->layout;
    const unsigned long pixel = static_cast<unsigned long>(GetRValue(color)) << layout.redShift |
                                static_cast<unsigned long>(GetGValue(color)) << layout.greenShift |
                                static_cast<unsigned long>(GetBValue(color)) << layout.blueShift |
                                layout.opaque;
    XSetForeground(state_->display, state_->gc, pixel);
    XFillRectangle(state_->display, state_->window, state_->gc, 0, 0, static_cast<unsigned>(room.cx),
                   static_cast<unsigned>(room.cy));
}

void CXFramePresenter::Show(const CFrameBuffer& frame, const std::vector<CRect>& area, int scale,
                            CPoint offset, CSize room) {
    const int width = std::min(room.cx - offset.x, frame.Width() * scale);
    const int height = room.cy - offset.y;
    if (width <= 0 || height <= 0 || scale < 1) return;
    const int rows = std::max(1, kBandPixels / width);
    band_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(rows));
    XImage& image = state_->image;
    image.width = width;
    image.height = rows;
    image.bytes_per_line = width * static_cast<int>(sizeof(std::uint32_t));
    image.data = reinterpret_cast<char*>(band_.data());
    XInitImage(&image);
    for (const CRect& part : area) {
        const CRect shown =
            CRect{part.left * scale, part.top * scale, part.right * scale, part.bottom * scale}.Intersect(
                {0, 0, width, height});
        for (int top = shown.top; top < shown.bottom; top += rows) {
            const CSurfacePixels band{
                band_.data(),         width,          std::min(rows, shown.bottom - top),
                image.bytes_per_line, state_->layout, top};
            for (const CRect& r : ScaleOnto(frame, {part}, scale, band))
                XPutImage(state_->display, state_->window, state_->gc, &image, r.left, r.top - top,
                          offset.x + r.left, offset.y + r.top, static_cast<unsigned>(r.Width()),
                          static_cast<unsigned>(r.Height()));
        }
    }
    XFlush(state_->display);
}
