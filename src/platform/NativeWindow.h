// What a backend does for one window: the on-screen (or in-memory) side of a
// CHostWindow. The host keeps the title, size, pixels and invalid area; the
// native window only mirrors them on the window system and shows pixels,
// each client pixel as a Scale() x Scale() block. Sizes are client pixels,
// positions and insets screen pixels.
#pragma once

#include "gfx/FrameBuffer.h"
#include "gfx/Geometry.h"
#include "platform/AccessNode.h"

#include <string>
#include <vector>

class CNativeWindow {
public:
    virtual ~CNativeWindow() = default;

    virtual void SetTitle(const std::string& title) = 0;
    virtual void SetClientSize(int width, int height) = 0;
    // The client area's top-left corner in screen coordinates.
    virtual void MoveClientTo(CPoint origin) = 0;
    virtual CPoint GetClientOrigin() const = 0;
    // The frame's thickness on each side, caption included in top.
    virtual CRect GetFrameInsets() const = 0;
    virtual void SetVisible(bool visible) = 0;
    // Screen pixels per client pixel, on each side.
    virtual int Scale() const = 0;
    // Puts the given parts of pixels (the whole client area) on screen.
    virtual void Present(const CFrameBuffer& pixels, const std::vector<CRect>& area) = 0;
    // Raises the window and gives it the keyboard focus.
    virtual void TakeFocus() = 0;
    // True while assistive technology hears of every change of the window's
    // accessibility description (AccessNode.h), through ShowAccessTree.
    virtual bool ShowsAccessTree() const { return false; }
    // The window's accessibility description changed.
    virtual void ShowAccessTree(const CAccessNode& /*tree*/) {}
};
