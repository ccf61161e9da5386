// Accumulation of invalid rectangles (see InvalidRegion.h).
#include "gfx/InvalidRegion.h"

#include <algorithm>

namespace {

bool Contains(const CRect& outer, const CRect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

}  // namespace

void CInvalidRegion::Add(const CRect& rect, const CRect& bounds, bool erase) {
    const CRect cut = rect.Intersect(bounds);
    if (cut.IsRectEmpty()) return;
    erase_ = erase_ || erase;
    if (std::any_of(rects_.begin(), rects_.end(), [&](const CRect& r) { return Contains(r, cut); })) return;
    std::erase_if(rects_, [&](const CRect& r) { return Contains(cut, r); });
    rects_.push_back(cut);
    if (rects_.size() > kMaxRects) {
        CRect box;
        for (const CRect& r : rects_) box = box.Union(r);
        rects_.assign(1, box);
    }
}

void CInvalidRegion::Clear() {
    rects_.clear();
    erase_ = false;
}
