// SDL2 windows presenting a software frame buffer (see SdlWindow.h).
#include "platform/SdlWindow.h"

#include "platform/AppIcon.h"
#include "platform/HostWindow.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace {

constexpr const char* kHostKey = "quorvanel.window";

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

CSdlWindow::CSdlWindow(CHostWindow& host)
    : host_(host),
      window_(SDL_CreateWindow("", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 1, 1, SDL_WINDOW_HIDDEN)) {
    if (!window_) throw std::runtime_error(std::string("cannot create a window: ") + SDL_GetError());
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

void CSdlWindow::SetClientSize(int width, int height) { SDL_SetWindowSize(window_, width, height); }

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
    const CRect bounds{0, 0, std::min(pixels.Width(), surface->w), std::min(pixels.Height(), surface->h)};
    const int bytesPerPixel = surface->format->BytesPerPixel;
    std::vector<SDL_Rect> updated;
    for (const CRect& part : area) {
        const CRect r = part.Intersect(bounds);
        if (r.IsRectEmpty()) continue;
        auto* destination = static_cast<std::uint8_t*>(surface->pixels) +
                            static_cast<std::ptrdiff_t>(r.top) * surface->pitch + r.left * bytesPerPixel;
        SDL_ConvertPixels(r.Width(), r.Height(), SDL_PIXELFORMAT_XBGR8888, pixels.Row(r.top) + r.left,
                          pixels.Width() * static_cast<int>(sizeof(COLORREF)), surface->format->format,
                          destination, surface->pitch);
        updated.push_back({r.left, r.top, r.Width(), r.Height()});
    }
    if (!updated.empty())
        SDL_UpdateWindowSurfaceRects(window_, updated.data(), static_cast<int>(updated.size()));
}

void CSdlWindow::PresentAgain() { Present(host_.GetFrameBuffer(), {host_.GetClientRect()}); }

void CSdlWindow::TakeFocus() {
    SDL_RaiseWindow(window_);
    SDL_SetWindowInputFocus(window_);
}
