// The SDL2 backend: real windows on X11 or Wayland. SDL's software fallbacks
// (the offscreen and dummy drivers, which make invisible windows) count as no
// display. The event wait sleeps in SDL_WaitEvent; the input source is asked
// only after the first frame is shown and while no real event is pending.
// The backend holds the display scale (DisplayScale.h) and the windows that
// show at it; pointer positions reach the window system divided by the scale.
// Given a settings file, it starts from the scale and fullscreen kept there
// and keeps what the keys choose.
#pragma once

#include "platform/DisplayScale.h"
#include "platform/SettingsFile.h"
#include "platform/WindowBackend.h"

#include <functional>
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
    static CErrorOr<std::unique_ptr<CSdlBackend>> Open(std::optional<int> scale, std::string* warning,
                                                       std::optional<CSettingsFile> settings = std::nullopt);
    ~CSdlBackend() override;
    CSdlBackend(const CSdlBackend&) = delete;
    CSdlBackend& operator=(const CSdlBackend&) = delete;

    std::unique_ptr<CNativeWindow> CreateNativeWindow(CHostWindow& host) override;
    CRect GetScreenRect() const override;
    bool WaitEvent(CWindowSystem& system) override;
    void Wake() override;
    SavedPicture SavePicture(const CFrameBuffer& image, std::string_view suggestedName) override;
    // From now on the scale is the user's: windows no longer shrink to fit.
    void StepScale(int scale, int step) override;
    void ToggleFullscreen() override;

    // For the windows: the scale for a client area of this size and frame.
    int ScaleFor(CSize client, const CRect& insets) const;
    // Whether the main window fills the screen.
    bool Fullscreen() const { return fullscreen_; }
    // The window manager made the main window fullscreen, or a window again.
    void FullscreenChanged(bool fullscreen);
    void AddWindow(CSdlWindow& window) { windows_.push_back(&window); }
    void RemoveWindow(CSdlWindow& window) { std::erase(windows_, &window); }

private:
    CSdlBackend(CScaleChoice scale, std::optional<CSettingsFile> settings);
    // The largest scale at which every window fits the work area.
    int LargestFittingScale() const;
    // Changes the kept settings and writes them, if there is a settings file.
    void Keep(const std::function<void(CDesktopSettings&)>& change);

    CScaleChoice scale_;
    std::optional<CSettingsFile> settings_;
    bool fullscreen_ = false;
    std::vector<CSdlWindow*> windows_;
};
