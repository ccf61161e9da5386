// A window system that CWindowSystem runs on: it makes native windows, knows
// the screen, and waits for events (SdlBackend.h, HeadlessBackend.h).
#pragma once

#include "gfx/Geometry.h"
#include "platform/NativeWindow.h"
#include "platform/Platform.h"

#include <memory>
#include <string_view>

class CHostWindow;
class CWindowSystem;

class CWindowBackend {
public:
    virtual ~CWindowBackend() = default;

    // A hidden native window for host; events for it go to host.
    virtual std::unique_ptr<CNativeWindow> CreateNativeWindow(CHostWindow& host) = 0;
    // The screen area windows are centred in.
    virtual CRect GetScreenRect() const = 0;
    // Sleeps until the next event and hands it to system (input through
    // CWindowSystem::Deliver). Returns false when no event will ever come,
    // which ends the program.
    virtual bool WaitEvent(CWindowSystem& system) = 0;
    // Callable from any thread: ends the wait of WaitEvent, if it is waiting.
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
