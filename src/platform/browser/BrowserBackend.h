// The browser backend: windows are elements of the web page (web/host.js),
// and the program waits for the page's next input without blocking it. The
// wait suspends the program (ASYNCIFY) until the page has queued something;
// the page's handlers only queue input and wake it, never call into the game.
// Real input and the page's script lines both go on for the whole run.
#pragma once

#include "platform/WindowBackend.h"

class CBrowserBackend final : public CWindowBackend {
public:
    std::unique_ptr<CNativeWindow> CreateNativeWindow(CHostWindow& host) override;
    // The page's visible area.
    CRect GetScreenRect() const override;
    bool WaitEvent(CWindowSystem& system) override;
    void Wake() override;
    // The page's live region says it.
    void Announce(const std::string& text) override;
    // The page shows windows at their size: the browser scales the page.
    void StepScale(int, int) override {}
    void ToggleFullscreen() override {}
    // Offers the picture as a download named like the desktop's files.
    SavedPicture SavePicture(const CFrameBuffer& image, std::string_view suggestedName) override;
};
