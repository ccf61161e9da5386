// The SDL2 backend: real windows on X11 or Wayland. SDL's software fallbacks
// (the offscreen and dummy drivers, which make invisible windows) count as no
// display. The event wait sleeps in SDL_WaitEvent; the input source is asked
// only after the first frame is shown and while no real event is pending.
// The backend holds the display scale (DisplayScale.h) and the windows that
// show at it; pointer positions reach the window system divided by the scale.
#pragma once

#include "platform/DisplayScale.h"
#include "platform/WindowBackend.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class CSdlWindow;

class CSdlBackend final : public CWindowBackend {
public:
    // Starts SDL video; fails with a one-line reason when there is no usable
    // display. The scale is the one given, or else chosen from the desktop
    // (a one-line warning about QUORVANEL_SCALE, if any, in *warning).
    static CErrorOr<std::unique_ptr<CSdlBackend>> Open(std::optional<int> scale, std::string* warning);
    ~CSdlBackend() override;
    CSdlBackend(const CSdlBackend&) = delete;
    CSdlBackend& operator=(const CSdlBackend&) = delete;

    std::unique_ptr<CNativeWindow> CreateNativeWindow(CHostWindow& host) override;
    CRect GetScreenRect() const override;
    bool WaitEvent(CWindowSystem& system) override;
    void Wake() override;
    SavedPicture SavePicture(const CFrameBuffer& image, std::string_view suggestedName) override;
    // From now on the scale is the user's: windows no longer shrink to fit.
    void SetScale(int scale) override;

    // For the windows: the scale for a client area of this size and frame.
    int ScaleFor(CSize client, const CRect& insets) const;
    void AddWindow(CSdlWindow& window) { windows_.push_back(&window); }
    void RemoveWindow(CSdlWindow& window) { std::erase(windows_, &window); }

private:
    explicit CSdlBackend(CScaleChoice scale) : scale_(scale) {}

    CScaleChoice scale_;
    std::vector<CSdlWindow*> windows_;
};
