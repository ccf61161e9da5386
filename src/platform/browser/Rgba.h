// Frame buffer pixels in the layout of the page's ImageData: R, G, B, A bytes.
#pragma once

#include "gfx/FrameBuffer.h"
#include "gfx/Geometry.h"

#include <vector>

// The pixels of rect (inside image) into *rgba, opaque, row by row.
void CopyRgba(const CFrameBuffer& image, const CRect& rect, std::vector<unsigned char>* rgba);
