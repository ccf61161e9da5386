// A window system that CWindowSystem runs on: it makes native windows, knows
// the screen, translates its own input events into InputEvents and waits for
// them (sdl/SdlBackend.h, headless/HeadlessBackend.h,
// browser/BrowserBackend.h). When input is taken, and what becomes of real
// input while a script plays, CWindowSystem decides, the same for every
// backend.
#pragma once

#include "gfx/Geometry.h"
#include "platform/NativeWindow.h"
#include "platform/Platform.h"

#include <memory>
#include <optional>
#include <string_view>

class CHostWindow;

// One real input event, translated: in the client coordinates of the window
// it happened in.
struct HostInput {
    InputEvent event;
    // That window; null for a key the window system does not place, which
    // goes to the active window.
    const CHostWindow* window = nullptr;
};

class CWindowBackend {
public:
    virtual ~CWindowBackend() = default;

    // A hidden native window for host; events for it go to host.
    virtual std::unique_ptr<CNativeWindow> CreateNativeWindow(CHostWindow& host) = 0;
    // The screen area windows are centred in.
    virtual CRect GetScreenRect() const = 0;
    // The oldest real input that has come and not been taken, without
    // waiting; nothing when none has. The window system's other events (a
    // window to show again) are handled on the way, and input for a window
    // that is gone is passed over.
    virtual std::optional<HostInput> PollInput() = 0;
    // False for a backend that never has real input (headless).
    virtual bool HasRealInput() const = 0;
    // Sleeps until something comes from the window system or Wake is called.
    // Returns false when nothing ever will (the window system is gone).
    // active is the active window (null: none), for a window system that is
    // told about it before the wait (the page: whether Tab would wrap).
    virtual bool WaitForInput(const CWindow* active) = 0;
    // Callable from any thread: ends the wait of WaitForInput, if it is waiting.
    virtual void Wake() = 0;
    // See CPlatform::Announce. Says nothing.
    virtual void Announce(const std::string& /*text*/) {}
    // Ctrl+= (step 1) and Ctrl+- (step -1) with the active window shown at
    // scale: shows every window one scale larger or smaller from now on (1 to
    // 4, and larger only while the windows fit the screen's work area), each
    // keeping its centre. A backend with nothing to show ignores it.
    virtual void StepScale(int scale, int step) = 0;
    // F11: the main window fills the screen, or is a window again.
    virtual void ToggleFullscreen() = 0;
    // Saves image for the player to keep (CPlatform::SavePicture): the
    // desktop's backends write a new file in the pictures folder
    // (PictureFiles.h), the browser's offers a download.
    virtual SavedPicture SavePicture(const CFrameBuffer& image, std::string_view suggestedName) = 0;
};
