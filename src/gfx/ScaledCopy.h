// Nearest-neighbour enlargement of a frame onto a 32-bit surface, with the
// frame's 0x00BBGGRR pixels converted to the surface's channel order in the
// same pass: each frame pixel becomes a scale x scale block of one colour.
// This is how a window shows its frame at a scale; doing both in one pass
// keeps a full 2x present well under a millisecond.
#pragma once

#include "gfx/FrameBuffer.h"
#include "gfx/Geometry.h"

#include <cstdint>
#include <vector>

// Where each 8-bit channel sits in a 32-bit surface pixel; opaque is or-ed
// into every pixel (the alpha bits of surfaces that have them).
struct CChannelLayout {
    int redShift = 0;
    int greenShift = 8;
    int blueShift = 16;
    std::uint32_t opaque = 0;
};

// A block of 32-bit pixels: height rows of width pixels, pitch bytes apart.
// A band of a larger surface starts at its row top: pixels is that row.
struct CSurfacePixels {
    void* pixels = nullptr;
    int width = 0;
    int height = 0;
    int pitch = 0;
    CChannelLayout layout;
    int top = 0;
};

// Enlarges the parts of frame named in area (frame coordinates) scale times
// onto target, each at scale times its position; whatever falls outside the
// frame or the target is left out, and nothing else of target is touched.
// Returns the target rectangles written, in the order of area.
std::vector<CRect> ScaleOnto(const CFrameBuffer& frame, const std::vector<CRect>& area, int scale,
                             const CSurfacePixels& target);
