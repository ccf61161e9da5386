// A real window through SDL2: no renderer and no OpenGL; the host's pixels
// reach the screen enlarged to the screen's scale and converted from the
// 0x00BBGGRR layout to the display's in one pass (ScaledCopy.h): on X with
// the program's own requests (FramePresenter.h), elsewhere through SDL's
// window surface. Only the invalid area is copied and handed to the
// display. Fullscreen, the main window shows the frame at the largest whole
// scale that fits the screen, centred on the desk's colour; Scale() and
// GetClientOrigin() then say where the frame is shown.
#pragma once

#include "gfx/Color.h"
#include "platform/AccessBus.h"
#include "platform/NativeWindow.h"
#include "platform/sdl/FramePresenter.h"
#include "platform/sdl/SdlScreen.h"

#include <cstdint>
#include <memory>
#include <optional>

struct SDL_Window;
class CHostWindow;

// What surrounds the frame of a fullscreen window: the colour of the desk
// the browser's page shows its windows on.
inline constexpr COLORREF kDeskColor = RGB(58, 110, 165);

class CSdlWindow final : public CNativeWindow {
public:
    // A hidden window; a dialog (host with an owner) is made modal for its
    // owner's window, so that window managers keep it above.
    CSdlWindow(CSdlScreen& screen, CHostWindow& host);
    ~CSdlWindow() override;
    CSdlWindow(const CSdlWindow&) = delete;
    CSdlWindow& operator=(const CSdlWindow&) = delete;

    // The host of the SDL window with this id, or null (a window already gone).
    static CHostWindow* HostOf(unsigned windowId);

    void SetTitle(const std::string& title) override;
    void SetClientSize(int width, int height) override;
    void MoveClientTo(CPoint origin) override;
    CPoint GetClientOrigin() const override;
    CRect GetFrameInsets() const override;
    void SetVisible(bool visible) override;
    int Scale() const override { return shown_.scale; }
    void Present(const CFrameBuffer& pixels, const std::vector<CRect>& area) override;
    void TakeFocus() override;
    bool ShowsAccessTree() const override { return screen_.HasAccessBus(); }
    void ShowAccessTree(const CAccessNode&) override { screen_.AccessChanged(); }

    // Shows the host's last painted pixels again (the window system lost them).
    void PresentAgain();
    // Takes the backend's current scale for this window's size, keeping the
    // window's centre where it is.
    void Rescale();
    // The main window takes the backend's fullscreen state.
    void ApplyFullscreen();
    // After any change to the window: when the window manager has made the
    // main window fullscreen, or a window again, on its own, the backend
    // follows.
    void FollowWindowManager();
    CSize ClientSize() const { return client_; }
    // A position in the window's pixels as a client position (rounded
    // towards the top left, also outside the frame shown).
    CPoint ToClient(CPoint window) const;
    // The window as assistive technology sees it; none while it is hidden
    // or has no description.
    std::optional<CAccessWindow> AccessWindow() const;

private:
    // Where and how large the frame is shown in the window's pixels.
    struct CPlacement {
        int scale = 1;
        CPoint offset;
        bool operator==(const CPlacement&) const = default;
    };

    // Sizes the SDL window for the client size at the current scale.
    void ApplySize();
    // Present's two ways: the program's own requests on X, SDL's window surface elsewhere.
    void PresentThroughX(const CFrameBuffer& pixels, const std::vector<CRect>& area);
    void PresentThroughSurface(const CFrameBuffer& pixels, const std::vector<CRect>& area);
    // The placement for a window surface of this size.
    CPlacement PlacementIn(int width, int height) const;

    CSdlScreen& screen_;
    CHostWindow& host_;
    SDL_Window* window_;
    CSize client_;
    int scale_ = 1;
    CPlacement shown_;
    // Whether the window manager showed the window fullscreen when last asked.
    bool managerFullscreen_ = false;
    bool visible_ = false;
    // On X the frame goes to the window from here; elsewhere through SDL's
    // window surface.
    std::unique_ptr<CFramePresenter> xPresenter_;
    // For surfaces that are not 8 bits a channel in 32-bit pixels: the
    // enlarged frame, converted by SDL from here.
    std::vector<std::uint32_t> staging_;
};
