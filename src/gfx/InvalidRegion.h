// The part of a window's client area that the next paint must redraw: a short
// list of rectangles plus whether any invalidation asked for the background
// to be erased. Rectangles inside one already listed are dropped, and a list
// that grows long collapses into its bounding box.
#pragma once

#include "gfx/Geometry.h"

#include <vector>

class CInvalidRegion {
public:
    // Adds rect, cut to bounds (the client area); an empty rect adds nothing.
    void Add(const CRect& rect, const CRect& bounds, bool erase);
    bool IsEmpty() const { return rects_.empty(); }
    const std::vector<CRect>& Rects() const { return rects_; }
    bool Erase() const { return erase_; }
    // Validates: the region becomes empty and forgets the erase request.
    void Clear();

private:
    // Beyond this many rectangles clipping costs more than redrawing a little
    // more of the window.
    static constexpr std::size_t kMaxRects = 16;

    std::vector<CRect> rects_;
    bool erase_ = false;
};
