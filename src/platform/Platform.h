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

enum class MessageBoxIcon { None, Stop };

enum : int { IDOK = 1, IDCANCEL = 2 };

class CPlatform {
public:
    virtual ~CPlatform() = default;

    // SDL2 backend. With no usable display it returns null and puts a
    // one-line reason into *error.
    static std::unique_ptr<CPlatform> CreateSdl(std::string* error);
    static std::unique_ptr<CPlatform> CreateHeadless();

    // A hidden window whose events go to handler. With an owner the window
    // is a dialog of it (centred over it, owner disabled while modal).
    virtual std::unique_ptr<CWindow> CreateWindow(CWindowHandler& handler,
                                                  CWindow* owner) = 0;

    // Runs the event loop until Quit. Returns Quit's code.
    virtual int Run() = 0;
    virtual void Quit(int code) = 0;

    // Shows window and runs a nested loop until EndModal(window, code);
    // returns the code. Windows below it take no input while it runs but
    // still repaint. Focus returns to the window below when it ends. If the
    // program quits meanwhile, returns IDCANCEL.
    virtual int RunModal(CWindow& window) = 0;
    virtual void EndModal(CWindow& window, int code) = 0;

    // A modal message box over the active window: caption "Quorvanel", the
    // text (CR LF breaks, wrapped), one OK button; Enter, Escape and the close
    // box end it. Returns IDOK.
    virtual int MessageBox(const std::string& text, MessageBoxIcon icon) = 0;

    // Open windows, bottom to top (the last is the active one).
    virtual std::vector<CWindow*> Windows() const = 0;

    // Where scripted input comes from: asked for the next event whenever the
    // loop is idle. Headless: a source that returns nothing ends the program
    // (every loop returns). SDL: it is asked only after the first frame is
    // shown, and real events go on as usual once it returns nothing.
    virtual void SetInputSource(std::function<std::optional<InputEvent>()> source) = 0;
};
