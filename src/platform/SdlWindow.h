// A real window through SDL2: no renderer and no OpenGL; the host's pixels
// reach the screen through the window surface (converted from the 0x00BBGGRR
// layout, SDL_PIXELFORMAT_XBGR8888, to whatever the surface uses).
#pragma once

#include "platform/NativeWindow.h"

struct SDL_Window;
class CHostWindow;

class CSdlWindow final : public CNativeWindow {
public:
    // A hidden window; a dialog (host with an owner) is made modal for its
    // owner's window, so that window managers keep it above.
    explicit CSdlWindow(CHostWindow& host);
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
    void Present(const CFrameBuffer& pixels, const std::vector<CRect>& area) override;
    void TakeFocus() override;

    // Shows the host's last painted pixels again (the window system lost them).
    void PresentAgain();

private:
    CHostWindow& host_;
    SDL_Window* window_;
};
