// The SDL2 backend: real windows on X11 or Wayland. SDL's software fallbacks
// (the offscreen and dummy drivers, which make invisible windows) count as no
// display. The event wait sleeps in SDL_WaitEvent; the input source is asked
// only after the first frame is shown and while no real event is pending.
#pragma once

#include "platform/WindowBackend.h"

#include <memory>
#include <string>

class CSdlBackend final : public CWindowBackend {
public:
    // Starts SDL video; null with a one-line reason when there is no usable display.
    static std::unique_ptr<CSdlBackend> Open(std::string* error);
    ~CSdlBackend() override;
    CSdlBackend(const CSdlBackend&) = delete;
    CSdlBackend& operator=(const CSdlBackend&) = delete;

    std::unique_ptr<CNativeWindow> CreateNativeWindow(CHostWindow& host) override;
    CRect GetScreenRect() const override;
    bool WaitEvent(CWindowSystem& system) override;
    void Wake() override;

private:
    CSdlBackend() = default;
};
