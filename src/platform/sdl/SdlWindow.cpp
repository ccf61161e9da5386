// SDL2 windows presenting a software frame buffer (see SdlWindow.h).
#include "platform/sdl/SdlWindow.h"

#include "gfx/AppIcon.h"
#include "gfx/ScaledCopy.h"
#include "platform/HostWindow.h"

#include <SDL.h>

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace {

constexpr const char* kHostKey = "quorvanel.window";

// Where the channels of a surface of 8 bits a channel in 32-bit pixels are;
// none for any other kind of surface.
std::optional<CChannelLayout> ChannelLayoutOf(const SDL_PixelFormat& format) {
    if (format.BytesPerPixel != 4 || format.Rloss != 0 || format.Gloss != 0 || format.Bloss != 0)
        return std::nullopt;
    return CChannelLayout{format.Rshift, format.Gshift, format.Bshift, format.Amask};
}

// The game's icon for the window manager's lists, task bars and docks.
void SetAppIcon(SDL_Window* window) {
    CFrameBuffer icon = DrawAppIcon(kWindowIconSize);
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(icon.Row(0), icon.Width(), icon.Height(), 32,
                                                              icon.Width() * 4, SDL_PIXELFORMAT_XBGR8888);
    if (!surface) return;  // a window without an icon is still a window
    SDL_SetWindowIcon(window, surface);
    SDL_FreeSurface(surface);
}

}  // namespace

CSdlWindow::CSdlWindow(CSdlScreen& screen, CHostWindow& host)
    : screen_(screen),
      host_(host),
      window_(SDL_CreateWindow("", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 1, 1, SDL_WINDOW_HIDDEN)) {
    if (!window_) throw std::runtime_error(std::string("cannot create a window: ") + SDL_GetError());
    screen_.AddWindow(*this);
    SDL_SetWindowData(window_, kHostKey, this);
    SetAppIcon(window_);
    if (CHostWindow* owner = host.Owner())
        SDL_SetWindowModalFor(window_, static_cast<CSdlWindow&>(owner->Native()).window_);
}

// Whatever the window received before it went (above all the release of the
// click that closed it) is read while SDL still knows the window: read later,
// it would be dropped, and SDL, holding the button for still down, would
// ignore the next press anywhere. Hiding waits until the server has unmapped
// the window, so nothing more is on its way to it.
CSdlWindow::~CSdlWindow() {
    screen_.RemoveWindow(*this);
    SDL_HideWindow(window_);
    SDL_PumpEvents();
    SDL_DestroyWindow(window_);
}

CHostWindow* CSdlWindow::HostOf(unsigned windowId) {
    SDL_Window* window = SDL_GetWindowFromID(windowId);
    if (!window) return nullptr;
    auto* native = static_cast<CSdlWindow*>(SDL_GetWindowData(window, kHostKey));
    return native ? &native->host_ : nullptr;
}

void CSdlWindow::SetTitle(const std::string& title) { SDL_SetWindowTitle(window_, title.c_str()); }

void CSdlWindow::SetClientSize(int width, int height) {
    client_ = {width, height};
    ApplySize();
}

// A dialog is never drawn larger than its owner, which may have had to
// shrink to fit the screen.
void CSdlWindow::ApplySize() {
    scale_ = screen_.ScaleFor(client_, GetFrameInsets());
    if (CHostWindow* owner = host_.Owner()) scale_ = std::min(scale_, owner->Native().Scale());
    SDL_SetWindowSize(window_, client_.cx * scale_, client_.cy * scale_);
}

void CSdlWindow::Rescale() {
    const int before = scale_;
    const CPoint origin = GetClientOrigin();
    ApplySize();
    if (scale_ == before) return;
    MoveClientTo(
        {origin.x + client_.cx * (before - scale_) / 2, origin.y + client_.cy * (before - scale_) / 2});
    PresentAgain();
}

void CSdlWindow::MoveClientTo(CPoint origin) { SDL_SetWindowPosition(window_, origin.x, origin.y); }

CPoint CSdlWindow::GetClientOrigin() const {
    CPoint origin;
    SDL_GetWindowPosition(window_, &origin.x, &origin.y);
    return origin;
}

// Zero where the window manager does not tell (or there is none).
CRect CSdlWindow::GetFrameInsets() const {
    CRect frame;
    if (SDL_GetWindowBordersSize(window_, &frame.top, &frame.left, &frame.bottom, &frame.right) != 0)
        return {};
    return frame;
}

void CSdlWindow::SetVisible(bool visible) {
    if (visible)
        SDL_ShowWindow(window_);
    else
        SDL_HideWindow(window_);
}

void CSdlWindow::Present(const CFrameBuffer& pixels, const std::vector<CRect>& area) {
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (!surface) return;
    std::vector<CRect> written;
    if (const std::optional<CChannelLayout> layout = ChannelLayoutOf(*surface->format)) {
        written = ScaleOnto(pixels, area, scale_,
                            {surface->pixels, surface->w, surface->h, surface->pitch, *layout});
    } else {
        // The frame's own layout (XBGR8888) in the staging pixels, then SDL converts.
        staging_.resize(static_cast<std::size_t>(surface->w) * static_cast<std::size_t>(surface->h));
        const int stagingPitch = surface->w * static_cast<int>(sizeof(std::uint32_t));
        written =
            ScaleOnto(pixels, area, scale_, {staging_.data(), surface->w, surface->h, stagingPitch, {}});
        for (const CRect& r : written) {
            const std::size_t at = static_cast<std::size_t>(r.top) * static_cast<std::size_t>(surface->w) +
                                   static_cast<std::size_t>(r.left);
            auto* destination = static_cast<std::uint8_t*>(surface->pixels) +
                                static_cast<std::ptrdiff_t>(r.top) * surface->pitch +
                                r.left * surface->format->BytesPerPixel;
            SDL_ConvertPixels(r.Width(), r.Height(), SDL_PIXELFORMAT_XBGR8888, &staging_[at], stagingPitch,
                              surface->format->format, destination, surface->pitch);
        }
    }
    std::vector<SDL_Rect> updated;
    for (const CRect& r : written) updated.push_back({r.left, r.top, r.Width(), r.Height()});
    if (!updated.empty())
        SDL_UpdateWindowSurfaceRects(window_, updated.data(), static_cast<int>(updated.size()));
}

void CSdlWindow::PresentAgain() { Present(host_.GetFrameBuffer(), {host_.GetClientRect()}); }

void CSdlWindow::TakeFocus() {
    SDL_RaiseWindow(window_);
    SDL_SetWindowInputFocus(window_);
}
