// The window system behind the screens: creates windows, runs the event loop
// and nested modal loops, shows message boxes. Three backends share this
// interface and one dispatch: SDL2 (real windows), headless (windows,
// invalidation and events in memory, no SDL video at all) and browser
// (windows in the web page).
#pragma once

#include "base/ErrorOr.h"
#include "platform/AccessBus.h"
#include "platform/SettingsFile.h"
#include "platform/Window.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One input event for the active (top-most) window, in its client coordinates.
struct InputEvent {
    // AccessFocus and AccessActivate: assistive technology focused or
    // activated the node of the window's accessibility description named
    // by node (AccessNode.h), as the focus keys and Space would.
    enum class Kind { MouseMove, LButtonDown, RButtonDown, Key, Close, AccessFocus, AccessActivate };
    Kind kind = Kind::MouseMove;
    int x = 0;
    int y = 0;
    KeyChord key;
    std::string node = {};  // AccessFocus, AccessActivate
};

enum : int { IDOK = 1, IDCANCEL = 2 };

// Where SavePicture put a picture, or why it could not.
struct SavedPicture {
    // Where the player finds the picture: the file's full path, or the name
    // of a download. After a failure, the file the picture was to become.
    std::string location;
    // Whether it was saved; the reason of a failure is the system's, in the
    // game's language.
    CErrorOr<void> saved;
};

class CPlatform {
public:
    virtual ~CPlatform() = default;

    // SDL2 backend. With no usable display (no DISPLAY or WAYLAND_DISPLAY,
    // an unreachable server, or only SDL's offscreen or dummy drivers) it
    // fails with a one-line reason. Windows show each
    // client pixel as a scale x scale block: scale when given, otherwise as
    // DisplayScale.h chooses (a one-line warning about QUORVANEL_SCALE goes
    // to *warning). Everything this interface says stays in client pixels;
    // Ctrl+= and Ctrl+- change the scale while it runs (up to the largest at
    // which the windows fit the work area), and F11 shows the main window
    // fullscreen, at the largest whole scale that fits, centred, and back
    // (the active window's handler does not get them, the input observer
    // does). Given settings (already read), it starts as they say and keeps
    // there what these keys choose. Given a way to start an accessibility
    // bus, it starts one once the first frame is shown (AccessBus.h).
    static CErrorOr<std::unique_ptr<CPlatform>> CreateSdl(
        std::optional<int> scale = std::nullopt, std::string* warning = nullptr,
        std::optional<CSettingsFile> settings = std::nullopt, AccessBusStart accessBus = nullptr);
    // Headless backend: a 1280 x 1024 screen to centre on, window frames of
    // 5 pixels with a 30-pixel caption (a 655 x 405 client area makes a
    // 665 x 445 window), no SDL video at all; the scale is always 1, so
    // Ctrl+=, Ctrl+- and F11 change nothing.
    static std::unique_ptr<CPlatform> CreateHeadless();
    // The browser build's only platform: windows in the web page, which lays
    // itself out for a main window of mainClient (its client area).
    static std::unique_ptr<CPlatform> CreateBrowser(CSize mainClient);

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

    // The same box at one size whatever its text, for texts that depend on the
    // environment (a file's path): its OK button stays where a recorded click
    // expects it. Three lines at most; a line too wide for the box is
    // shortened in the middle with "…", keeping what follows its last '/' (a
    // path's file name) whole.
    virtual int FixedSizeMessageBox(const std::string& text, MessageBoxIcon icon) = 0;

    // Saves image as a PNG picture for the player to keep. suggestedName
    // ("quorvanel.png") is a plain file name that does not depend on the
    // environment; the platform makes the final name from it. Desktop: a new
    // file in the pictures folder (PictureFiles.h), the name stamped with
    // the local time and numbered -2, -3, ... rather than replace a file;
    // written whole or not at all. Another host may offer the picture as a
    // download instead. Never throws: a failure comes back in the result.
    virtual SavedPicture SavePicture(const CFrameBuffer& image, std::string_view suggestedName) = 0;

    // Shown windows, bottom to top in the order they were shown (the last is
    // the active one).
    virtual std::vector<CWindow*> Windows() const = 0;

    // Where scripted input comes from, the same on every backend: while the
    // script plays (its next event is ready), it is asked for that event
    // each time the loop has painted what is invalid, and real mouse, key
    // and close-box input that comes meanwhile is dropped, so that a script
    // replays exactly whatever the pointer does. While it waits for its next
    // line (SetInputReadiness) and once it has ended (it returned nothing
    // while ready), real input is taken as it comes. Headless, where no real
    // input comes, a script that has ended ends the program (every loop
    // returns).
    virtual void SetInputSource(std::function<std::optional<InputEvent>()> source) = 0;
    // For a source that may have to wait for its next event (a pipe, the
    // page's lines): ready says whether it can answer at once. While it
    // cannot, the source is not asked, and its answer of nothing means "not
    // yet" rather than the end; the loop waits (painting, and taking real
    // input, meanwhile) until Wake, which any thread may call, makes it look
    // again.
    virtual void SetInputReadiness(std::function<bool()> ready) = 0;
    virtual void Wake() = 0;
    // Told of every event the active window's handler is about to get, real or
    // scripted (events for windows below a modal one are dropped unseen):
    // how a session is recorded.
    // Tells assistive technology, politely (after what it is saying), what
    // changed that a player would otherwise only see as numbers or a new
    // window. Backends without assistive technology ignore it.
    virtual void Announce(const std::string& text) = 0;
    // Told of every announcement before assistive technology is.
    virtual void SetAnnouncementObserver(std::function<void(const std::string&)> observer) = 0;
    virtual void SetInputObserver(std::function<void(const InputEvent&)> observer) = 0;
};
