// What an SDL window needs of the backend (CSdlBackend is the one
// implementation): the scale to show a client area of a given size at,
// whether the main window fills the screen, to be known while it lives, so
// that a new scale reaches it, and to tell what assistive technology is to
// hear of.
#pragma once

#include "gfx/Geometry.h"

class CSdlWindow;

class CSdlScreen {
public:
    virtual int ScaleFor(CSize client, const CRect& insets) const = 0;
    virtual bool Fullscreen() const = 0;
    // The window manager made the main window fullscreen, or a window again.
    virtual void FullscreenChanged(bool fullscreen) = 0;
    virtual void AddWindow(CSdlWindow& window) = 0;
    virtual void RemoveWindow(CSdlWindow& window) = 0;
    // A window showed a frame.
    virtual void FramePresented() = 0;
    // True once the program talks to the accessibility bus.
    virtual bool HasAccessBus() const = 0;
    // A window's accessibility description, visibility or place changed.
    virtual void AccessChanged() = 0;

protected:
    ~CSdlScreen() = default;
};
