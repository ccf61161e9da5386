// The window system behind the screens: creates windows, runs the event loop
// and nested modal loops, shows message boxes. Two backends share this
// interface and one dispatch: SDL2 (real windows) and headless (windows,
// invalidation and events in memory, no SDL video at all).
#pragma once

#include "platform/Window.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// One input event for the active (top-most) window, in its client coordinates.
struct InputEvent {
    enum class Kind { MouseMove, LButtonDown, RButtonDown, Key, Close };
    Kind kind = Kind::MouseMove;
    int x = 0;
    int y = 0;
    KeyChord key;
};

enum : int { IDOK = 1, IDCANCEL = 2 };

class CPlatform {
public:
    virtual ~CPlatform() = default;

    // SDL2 backend. With no usable display (no DISPLAY or WAYLAND_DISPLAY,
    // an unreachable server, or only SDL's offscreen or dummy drivers) it
    // returns null and puts a one-line reason into *error.
    static std::unique_ptr<CPlatform> CreateSdl(std::string* error);
    // Headless backend: a 1280 x 1024 screen to centre on, window frames of
    // 5 pixels with a 30-pixel caption (a 655 x 405 client area makes a
    // 665 x 445 window), no SDL video at all.
    static std::unique_ptr<CPlatform> CreateHeadless();
    // The browser build's only platform: windows in the web page.
    static std::unique_ptr<CPlatform> CreateBrowser();

    // A hidden window whose events go to handler. With an owner the window
    // is a dialog of it (centred over it, owner disabled while modal).
    // Windows must be destroyed before the platform.
    virtual std::unique_ptr<CWindow> CreateWindow(CWindowHandler& handler, CWindow* owner) = 0;

    // Runs the event loop until Quit. Returns Quit's code.
    virtual int Run() = 0;
    virtual void Quit(int code) = 0;

    // Centres window over its owner (without one, over the active window or
    // else on the screen), shows it and runs a nested loop until
    // EndModal(window, code); hides it and returns the code. Windows below it
    // take no input while it runs but still repaint. Focus returns to the
    // window below when it ends. If the program quits meanwhile (or has
    // quit), returns IDCANCEL. An EndModal that came before RunModal ends it
    // at once.
    virtual int RunModal(CWindow& window) = 0;
    virtual void EndModal(CWindow& window, int code) = 0;

    // A modal message box over the active window: caption "Quorvanel", the
    // text (CR LF breaks, wrapped), one OK button; Enter, Escape and the close
    // box end it. Returns IDOK.
    virtual int MessageBox(const std::string& text, MessageBoxIcon icon) = 0;

    // Shown windows, bottom to top in the order they were shown (the last is
    // the active one).
    virtual std::vector<CWindow*> Windows() const = 0;

    // Where scripted input comes from: asked for the next event whenever the
    // loop is idle. Headless: a source that returns nothing ends the program
    // (every loop returns). SDL: it is asked only after the first frame is
    // shown; until it returns nothing, real mouse, key and close-box input is
    // ignored (so that a script replays exactly whatever the pointer does),
    // and afterwards real input goes on as usual.
    virtual void SetInputSource(std::function<std::optional<InputEvent>()> source) = 0;
    // For a source that may have to wait for its next event (a pipe): ready
    // says whether it can answer at once. While it cannot, the source is not
    // asked, and its answer of nothing means "not yet" rather than the end;
    // the loop waits (SDL: painting and handling the window system's events
    // meanwhile) until Wake, which any thread may call, makes it look again.
    virtual void SetInputReadiness(std::function<bool()> ready) = 0;
    virtual void Wake() = 0;
    // Told of every event the active window's handler is about to get, real or
    // scripted (events for windows below a modal one are dropped unseen):
    // how a session is recorded.
    virtual void SetInputObserver(std::function<void(const InputEvent&)> observer) = 0;
};
