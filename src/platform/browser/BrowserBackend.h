// The browser backend: windows are elements of the web page (web/host.js).
// Supports: the page's mouse (moves, left and right clicks), its keys as
// KeyChord names them, close boxes, pictures offered as downloads, script
// lines from the page (quorvanel.command).
// Lacks: files on a disk (shots go to the module's own file system), a
// display scale (the browser scales the page as a whole), text input, the
// mouse wheel, fonts of the system (the page brings the game's own).
// The program waits for the page's next input without blocking it: the wait
// suspends the program (ASYNCIFY) until the page has queued something; the
// page's handlers only queue input and wake it, never call into the game.
#pragma once

#include "platform/WindowBackend.h"

class CBrowserBackend final : public CWindowBackend {
public:
    std::unique_ptr<CNativeWindow> CreateNativeWindow(CHostWindow& host) override;
    // The page's visible area.
    CRect GetScreenRect() const override;
    std::optional<HostInput> PollInput() override;
    bool HasRealInput() const override { return true; }
    // Suspends the program until the page has queued input or a line.
    bool WaitForInput(const CWindow* active) override;
    void Wake() override;
    // The page's live region says it.
    void Announce(const std::string& text) override;
    // The page shows windows at their size: the browser scales the page.
    void StepScale(int, int) override {}
    void ToggleFullscreen() override {}
    // Offers the picture as a download named like the desktop's files.
    SavedPicture SavePicture(const CFrameBuffer& image, std::string_view suggestedName) override;
};
