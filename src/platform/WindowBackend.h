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
    // Shows every window at scale (clamped to 1..4) from now on, each keeping
    // its centre; a backend with nothing to show ignores it.
    virtual void SetScale(int scale) = 0;
    // Saves image for the player to keep (CPlatform::SavePicture): the
    // desktop's backends write a new file in the pictures folder
    // (PictureFiles.h), the browser's offers a download.
    virtual SavedPicture SavePicture(const CFrameBuffer& image, std::string_view suggestedName) = 0;
};
