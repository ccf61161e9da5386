// SDL2 windows presenting a software frame buffer (see SdlWindow.h).
#include "platform/sdl/SdlWindow.h"

#include "gfx/AppIcon.h"
#include "gfx/ScaledCopy.h"
#include "platform/HostWindow.h"
#include "platform/sdl/SdlHost.h"

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
    xPresenter_ = HostFramePresenter(window_);
    screen_.AddWindow(*this);
    SDL_SetWindowData(window_, kHostKey, this);
    SetAppIcon(window_);
    if (CHostWindow* owner = host.Owner())
        SDL_SetWindowModalFor(window_, static_cast<CSdlWindow&>(owner->Native()).window_);
    else if (screen_.Fullscreen())
        SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);  // shown so once shown
}

// Whatever the window received before it went (above all the release of the
// click that closed it) is read while SDL still knows the window: read later,
// it would be dropped, and SDL, holding the button for still down, would
// ignore the next press anywhere. Hiding waits until the server has unmapped
// the window, so nothing more is on its way to it.
CSdlWindow::~CSdlWindow() {
    screen_.RemoveWindow(*this);
    xPresenter_.reset();
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
    if (!(SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN)) shown_ = {scale_, {}};
}

// SDL keeps the window's own size and place for its return.
void CSdlWindow::ApplyFullscreen() {
    if (host_.Owner()) return;
    SDL_SetWindowFullscreen(window_, screen_.Fullscreen() ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    PresentAgain();
}

// Only a change of the window manager's own state counts: until it has
// carried out a request of ours, it still says what it said before.
void CSdlWindow::FollowWindowManager() {
    if (host_.Owner()) return;
    const std::optional<bool> fullscreen = WindowManagerShowsFullscreen(window_);
    if (!fullscreen || *fullscreen == managerFullscreen_) return;
    managerFullscreen_ = *fullscreen;
    screen_.FullscreenChanged(*fullscreen);
}

// Until the window manager has given a fullscreen window the screen, it is
// shown at the largest scale its present size holds.
CSdlWindow::CPlacement CSdlWindow::PlacementIn(int width, int height) const {
    if (!(SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) || client_.cx <= 0 || client_.cy <= 0)
        return {scale_, {}};
    const int scale = std::max(1, std::min(width / client_.cx, height / client_.cy));
    return {scale, {(width - client_.cx * scale) / 2, (height - client_.cy * scale) / 2}};
}

CPoint CSdlWindow::ToClient(CPoint window) const {
    const auto toClient = [scale = shown_.scale](int at) {
        return at >= 0 ? at / scale : -((-at + scale - 1) / scale);
    };
    return {toClient(window.x - shown_.offset.x), toClient(window.y - shown_.offset.y)};
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
    return {origin.x + shown_.offset.x, origin.y + shown_.offset.y};
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
    visible_ = visible;
    screen_.AccessChanged();
}

std::optional<CAccessWindow> CSdlWindow::AccessWindow() const {
    const CAccessNode* tree = host_.GetAccessTree();
    if (!visible_ || !tree) return std::nullopt;
    return CAccessWindow{SDL_GetWindowID(window_), *tree, GetClientOrigin(), shown_.scale};
}

// A placement that changed (the window went fullscreen or came back) shows
// the whole frame anew on the desk's colour.
void CSdlWindow::Present(const CFrameBuffer& pixels, const std::vector<CRect>& area) {
    if (xPresenter_)
        PresentThroughX(pixels, area);
    else
        PresentThroughSurface(pixels, area);
    screen_.FramePresented();
}

void CSdlWindow::PresentThroughX(const CFrameBuffer& pixels, const std::vector<CRect>& area) {
    CSize room;
    SDL_GetWindowSizeInPixels(window_, &room.cx, &room.cy);
    const CPlacement placement = PlacementIn(room.cx, room.cy);
    const bool moved = placement != shown_;
    if (moved) {
        xPresenter_->Fill(kDeskColor, room);
        shown_ = placement;
    }
    xPresenter_->Show(pixels, moved ? std::vector<CRect>{host_.GetClientRect()} : area, placement.scale,
                      placement.offset, room);
}

void CSdlWindow::PresentThroughSurface(const CFrameBuffer& pixels, const std::vector<CRect>& area) {
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (!surface) return;
    const CPlacement placement = PlacementIn(surface->w, surface->h);
    std::vector<CRect> whole;
    if (placement != shown_) {
        SDL_FillRect(
            surface, nullptr,
            SDL_MapRGB(surface->format, static_cast<Uint8>(GetRValue(kDeskColor)),
                       static_cast<Uint8>(GetGValue(kDeskColor)), static_cast<Uint8>(GetBValue(kDeskColor))));
        shown_ = placement;
        whole = {host_.GetClientRect()};
    }
    const std::vector<CRect>& shownArea = whole.empty() ? area : whole;
    // The frame's part of the surface: its rectangles are moved back by the offset.
    const CPoint at = placement.offset;
    const auto part = [&](void* base, int pitch) {
        return static_cast<std::uint8_t*>(base) + static_cast<std::ptrdiff_t>(at.y) * pitch +
               static_cast<std::ptrdiff_t>(at.x) * static_cast<std::ptrdiff_t>(sizeof(std::uint32_t));
    };
    std::vector<CRect> written;
    if (const std::optional<CChannelLayout> layout = ChannelLayoutOf(*surface->format)) {
        written = ScaleOnto(pixels, shownArea, placement.scale,
                            {part(surface->pixels, surface->pitch), surface->w - at.x, surface->h - at.y,
                             surface->pitch, *layout});
    } else {
        // The frame's own layout (XBGR8888) in the staging pixels, then SDL converts.
        staging_.resize(static_cast<std::size_t>(surface->w) * static_cast<std::size_t>(surface->h));
        const int stagingPitch = surface->w * static_cast<int>(sizeof(std::uint32_t));
        written = ScaleOnto(
            pixels, shownArea, placement.scale,
            {part(staging_.data(), stagingPitch), surface->w - at.x, surface->h - at.y, stagingPitch, {}});
        for (CRect r : written) {
            r.OffsetRect(at.x, at.y);
            const std::size_t index = static_cast<std::size_t>(r.top) * static_cast<std::size_t>(surface->w) +
                                      static_cast<std::size_t>(r.left);
            auto* destination = static_cast<std::uint8_t*>(surface->pixels) +
                                static_cast<std::ptrdiff_t>(r.top) * surface->pitch +
                                r.left * surface->format->BytesPerPixel;
            SDL_ConvertPixels(r.Width(), r.Height(), SDL_PIXELFORMAT_XBGR8888, &staging_[index], stagingPitch,
                              surface->format->format, destination, surface->pitch);
        }
    }
    std::vector<SDL_Rect> updated;
    if (!whole.empty()) {
        updated.push_back({0, 0, surface->w, surface->h});
    } else {
        for (const CRect& r : written)
            updated.push_back({r.left + at.x, r.top + at.y, r.Width(), r.Height()});
    }
    if (!updated.empty())
        SDL_UpdateWindowSurfaceRects(window_, updated.data(), static_cast<int>(updated.size()));
}

void CSdlWindow::PresentAgain() { Present(host_.GetFrameBuffer(), {host_.GetClientRect()}); }

void CSdlWindow::TakeFocus() {
    SDL_RaiseWindow(window_);
    SDL_SetWindowInputFocus(window_);
}
