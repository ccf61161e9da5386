// The SDL2 backend: real windows on X11 or Wayland.
// Supports: the mouse (moves, left and right clicks), the keys KeyChord
// names, close boxes, the window icon, pictures saved in the pictures folder,
// and a display scale (DisplayScale.h: QUORVANEL_SCALE, GDK_SCALE, Xft.dpi,
// Ctrl+= and Ctrl+-) at which each client pixel shows as a block, and
// fullscreen (F11 or the window manager's request) at the largest whole scale
// that fits, centred. Given a settings file, it starts from the scale and
// fullscreen kept there and keeps what the keys choose.
// Game controllers (SdlPads.h) act as the keys of KeyTable.h's kPadTable,
// for the active window.
// Lacks: text input and input methods, the mouse wheel, button releases and
// drags, a renderer (pixels reach the window surface in software), any
// display but the first; SDL's software fallbacks (the offscreen and dummy
// drivers, which make invisible windows) count as no display.
// The backend holds the display scale and the windows that show at it;
// pointer positions reach the window system divided by the scale. Once the
// first frame is shown, it puts the shown windows' accessibility
// descriptions on the accessibility bus it was given (AccessBus.h), and a
// screen reader's focus and activation requests come back as input.
#pragma once

#include "platform/AccessBus.h"
#include "platform/DisplayScale.h"
#include "platform/KeyOffer.h"
#include "platform/SettingsFile.h"
#include "platform/WindowBackend.h"
#include "platform/sdl/SdlPads.h"
#include "platform/sdl/SdlScreen.h"

#include <functional>

union SDL_Event;
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CSdlBackend final : public CWindowBackend, public CSdlScreen {
public:
    // Starts SDL video; fails with a one-line reason when there is no usable
    // display. The scale is the one given, or else chosen from the desktop
    // (a one-line warning about QUORVANEL_SCALE, if any, in *warning).
    static CErrorOr<std::unique_ptr<CSdlBackend>> Open(std::optional<int> scale, std::string* warning,
                                                       std::optional<CSettingsFile> settings = std::nullopt,
                                                       AccessBusStart accessBus = nullptr);
    ~CSdlBackend() override;
    CSdlBackend(const CSdlBackend&) = delete;
    CSdlBackend& operator=(const CSdlBackend&) = delete;

    std::unique_ptr<CNativeWindow> CreateNativeWindow(CHostWindow& host) override;
    CRect GetScreenRect() const override;
    std::optional<HostInput> PollInput() override;
    bool HasRealInput() const override { return true; }
    // Sleeps in SDL_WaitEvent, while a controller's direction is held until
    // its repeat.
    bool WaitForInput(const CWindow* active) override;
    void Wake() override;
    void Announce(const std::string& text) override;
    SavedPicture SavePicture(const CFrameBuffer& image, std::string_view suggestedName) override;
    // From now on the scale is the user's: windows no longer shrink to fit.
    void StepScale(int scale, int step) override;
    void ToggleFullscreen() override;

    int ScaleFor(CSize client, const CRect& insets) const override;
    bool Fullscreen() const override { return fullscreen_; }
    void FullscreenChanged(bool fullscreen) override;
    void AddWindow(CSdlWindow& window) override { windows_.push_back(&window); }
    void RemoveWindow(CSdlWindow& window) override;
    // The first starts the accessibility bus.
    void FramePresented() override;
    bool HasAccessBus() const override { return access_ != nullptr; }
    void AccessChanged() override;

private:
    CSdlBackend(CScaleChoice scale, std::optional<CSettingsFile> settings, AccessBusStart accessBus);
    // The largest scale at which every window fits the work area.
    int LargestFittingScale() const;
    // Changes the kept settings and writes them, if there is a settings file.
    void Keep(const std::function<void(CDesktopSettings&)>& change);
    // The input a screen reader's request stands for; none for a window
    // that is gone.
    std::optional<HostInput> TakeAccessRequest();
    // Whether the event went to the screen reader first: an X key event
    // offered, or the key event SDL made of an offered press, held until
    // the answer.
    bool OfferToScreenReader(const SDL_Event& event);
    // A controller's key, for the active window.
    static HostInput PadInput(KeyChord::Key key);
    // The next held press the screen reader passed on, as input.
    std::optional<HostInput> TakePassedKey();
    // A window moved, resized, or gained or lost the keyboard: the
    // accessibility bus is told.
    void NoteWindowEvent(int what);

    CScaleChoice scale_;
    std::optional<CSettingsFile> settings_;
    bool fullscreen_ = false;
    std::vector<CSdlWindow*> windows_;  // in the order they were made
    AccessBusStart startAccess_;        // null once the first frame is shown
    std::unique_ptr<CAccessBus> access_;
    bool hasKeyboard_ = true;  // one of the program's windows has the desktop's keyboard
    // A press held for the screen reader: its window and its key, if any.
    struct CHeldKey {
        unsigned window = 0;
        std::optional<KeyChord> chord;
    };
    CKeyOffer<CHeldKey> offeredKeys_;
    // Closed before SDL quits.
    std::unique_ptr<CSdlPads> pads_;
};
