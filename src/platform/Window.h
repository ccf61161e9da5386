// Top-level windows as the screens see them: a client area drawn by a
// handler, invalidation, and mouse and key input in client coordinates.
// Every backend (SDL2, headless and browser, Platform.h) hands out windows
// through this interface and runs the same dispatch, so a headless frame
// equals the window's pixels and the page's.
#pragma once

#include "gfx/Color.h"
#include "gfx/DeviceContext.h"
#include "gfx/FrameBuffer.h"
#include "gfx/Geometry.h"
#include "platform/AccessNode.h"
#include "platform/HostPng.h"

#include <functional>
#include <string>

struct KeyChord {
    // What each key is called and does: KeyTable.h.
    enum class Key {
        Return,
        Escape,
        Letter,
        Equals,
        Minus,
        Tab,
        Space,
        Left,
        Right,
        Up,
        Down,
        PageUp,
        PageDown,
        Home,
        End,
        F11,
        F2,
        F4,
        Other
    };
    Key key = Key::Other;
    char letter = 0;  // 'a' .. 'z' when key is Letter
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    bool operator==(const KeyChord&) const = default;
};

// What a window tells the code that fills it. Handlers run on the one UI
// thread; an exception escaping one is caught at the dispatch boundary: from
// OnPaint it ends the paint (area validated, nothing shown), from any other
// handler its what() text is shown in an error message box. Either way the
// program goes on with the next event.
class CWindowHandler {
public:
    virtual ~CWindowHandler() = default;
    // dc is clipped to the invalid area, whose background has been erased
    // when any invalidation asked for it.
    virtual void OnPaint(CDC& dc) = 0;
    // True when OnPaint covers every pixel of the client area: erasing is
    // then left out, as the paint would hide it anyway.
    virtual bool PaintsEveryPixel() const { return false; }
    virtual void OnMouseMove(int /*x*/, int /*y*/) {}
    virtual void OnLButtonDown(int /*x*/, int /*y*/) {}
    virtual void OnRButtonDown(int /*x*/, int /*y*/) {}
    virtual void OnKey(const KeyChord& /*key*/) {}
    // The close box. The window does not close by itself: the handler ends the
    // program or its modal loop (CPlatform).
    virtual void OnClose() {}
    // Assistive technology focused or activated the node of that id in the
    // window's accessibility description; an id that names nothing (any
    // more) is ignored.
    virtual void OnAccessAction(const std::string& /*node*/, AccessAction /*action*/) {}
    // True while the window draws its focus ring (after a key moved the
    // keyboard focus, until the next click).
    virtual bool ShowsFocusRing() const { return false; }
    // True when Tab (Shift+Tab when backward) would wrap round from the last
    // widget to the first (the first to the last): a page lets such a Tab
    // leave the game for its own controls. A window of one widget, or none,
    // wraps at once.
    virtual bool TabWraps(bool /*backward*/) const { return true; }
};

enum class MessageBoxIcon { None, Stop };

// What a message box window shows, so that scripts and tests can read it.
struct CMessageBoxInfo {
    std::string text;
    MessageBoxIcon icon = MessageBoxIcon::None;
    bool operator==(const CMessageBoxInfo&) const = default;
};

class CWindow {
public:
    virtual ~CWindow() = default;

    virtual void SetTitle(const std::string& title) = 0;
    virtual std::string GetTitle() const = 0;
    // Client area (0, 0, width, height).
    virtual CRect GetClientRect() const = 0;
    // Outer rectangle in screen coordinates, frame included (on a scaled
    // display the client area covers more screen pixels than it has).
    virtual CRect GetWindowRect() const = 0;
    // Makes the client area exactly width x height; the top-left corner stays.
    virtual void SetClientSize(int width, int height) = 0;
    virtual void CenterOnScreen() = 0;
    virtual void CenterOver(const CWindow& owner) = 0;
    // Shows the window on top of the open ones: it becomes the active window,
    // the only one that takes input, gets the keyboard focus, and is painted
    // in full.
    virtual void Show() = 0;
    virtual bool IsVisible() const = 0;
    // Colour that erasing fills the invalid area with. Until set: the button
    // face for a window with an owner (a dialog), the window colour otherwise.
    virtual void SetBackground(COLORREF color) = 0;

    // Invalidation: the next paint redraws the union of what was invalidated.
    virtual void InvalidateRect(const CRect& rect, bool erase) = 0;
    virtual void Invalidate(bool erase) = 0;  // the whole client area
    // Paints now if anything is invalid.
    virtual void UpdateWindow() = 0;

    // The client area as last painted.
    virtual const CFrameBuffer& GetFrameBuffer() const = 0;
    // Paints the whole client area into a fresh buffer (erased with the
    // background), as for printing; the window's own pixels are untouched.
    // An exception from the handler's OnPaint reaches the caller.
    virtual CFrameBuffer RenderToBuffer() = 0;

    // The text and icon when this window is a message box, otherwise null.
    virtual const CMessageBoxInfo* GetMessageBoxInfo() const { return nullptr; }
    // The handler that fills the window, for code that inspects open windows
    // (scripts list their widgets); null when not known.
    virtual CWindowHandler* GetHandler() const { return nullptr; }

    // The window's accessibility description, as describe gives it. The code
    // that fills the window hands it over again whenever the description may
    // have changed. It is made only when read: at once when the backend shows
    // it to assistive technology (and passed on when it differs from the
    // last), otherwise when GetAccessTree asks, so that a paint nobody listens
    // to costs nothing more. Kept nowhere by default.
    virtual void SetAccessDescription(std::function<CAccessNode()> /*describe*/) {}
    // The description now, or null when none was handed over.
    virtual const CAccessNode* GetAccessTree() const { return nullptr; }

    // Writes the client area as last painted to a PNG file; fails with a
    // one-line reason.
    CErrorOr<void> WritePng(const std::string& path) const {
        return ::WritePng(GetFrameBuffer(), EncodeHostPng, path);
    }
};
