// Showing a window's frame with the window system's own requests, where the
// host has a way that holds less than SDL's window surface (X:
// x11/XFramePresenter.h); elsewhere SDL's window surface shows it.
#pragma once

#include "gfx/Color.h"
#include "gfx/FrameBuffer.h"
#include "gfx/Geometry.h"

#include <memory>
#include <vector>

struct SDL_Window;

class CFramePresenter {
public:
    virtual ~CFramePresenter() = default;
    // Paints the window's pixels within room (from its top left) in color.
    virtual void Fill(COLORREF color, CSize room) = 0;
    // Shows the parts of frame named in area (frame coordinates) scale
    // times enlarged with the frame's top left at offset, cut to room.
    virtual void Show(const CFrameBuffer& frame, const std::vector<CRect>& area, int scale, CPoint offset,
                      CSize room) = 0;
};

// The host's presenter for window, or none: SDL's window surface then shows its frames.
std::unique_ptr<CFramePresenter> HostFramePresenter(SDL_Window* window);
