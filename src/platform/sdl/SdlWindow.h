// A real window through SDL2: no renderer and no OpenGL; the host's pixels
// reach the screen through the window surface, enlarged to the screen's
// scale and converted from the 0x00BBGGRR layout to whatever the surface
// uses in one pass (ScaledCopy.h). Only the invalid area is copied and
// handed to the display.
#pragma once

#include "platform/NativeWindow.h"
#include "platform/sdl/SdlScreen.h"

#include <cstdint>

struct SDL_Window;
class CHostWindow;

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
    int Scale() const override { return scale_; }
    void Present(const CFrameBuffer& pixels, const std::vector<CRect>& area) override;
    void TakeFocus() override;

    // Shows the host's last painted pixels again (the window system lost them).
    void PresentAgain();
    // Takes the backend's current scale for this window's size, keeping the
    // window's centre where it is.
    void Rescale();

private:
    // Sizes the SDL window for the client size at the current scale.
    void ApplySize();

    CSdlScreen& screen_;
    CHostWindow& host_;
    SDL_Window* window_;
    CSize client_;
    int scale_ = 1;
    // For surfaces that are not 8 bits a channel in 32-bit pixels: the
    // enlarged frame, converted by SDL from here.
    std::vector<std::uint32_t> staging_;
};
