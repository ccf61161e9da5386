// The device context's state, clipping and non-text drawing. Every primitive
// is cut against the clip region once, then writes whole spans of pixels
// through row pointers. Text drawing lives in DeviceContextText.cpp.
#include "gfx/DeviceContext.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

// The parts of r that lie outside hole (at most four), appended to out.
void AppendDifference(const CRect& r, const CRect& hole, std::vector<CRect>& out) {
    const CRect common = r.Intersect(hole);
    if (common.IsRectEmpty()) {
        out.push_back(r);
        return;
    }
    if (r.top < common.top) out.push_back({r.left, r.top, r.right, common.top});
    if (common.bottom < r.bottom) out.push_back({r.left, common.bottom, r.right, r.bottom});
    if (r.left < common.left) out.push_back({r.left, common.top, common.left, common.bottom});
    if (common.right < r.right) out.push_back({common.right, common.top, r.right, common.bottom});
}

// How far the outline of a rounded rectangle's row `row` (counted from the
// nearer horizontal edge) stands in from the side, for a corner ellipse of
// w x h: the first pixel whose centre lies on or inside the quarter ellipse.
// A 5 x 2 ellipse cuts exactly the corner pixel of the first row.
int CornerInset(int row, int w, int h) {
    const double rx = w / 2.0;
    const double ry = h / 2.0;
    if (row >= h / 2 || rx <= 0 || ry <= 0) return 0;
    const double dy = (ry - row - 0.5) / ry;
    const double half = rx * std::sqrt(std::max(0.0, 1.0 - dy * dy));
    return static_cast<int>(std::ceil(rx - half - 1e-9));
}

constexpr int kNarrowFill = 8;  // pixels a row that are written one by one rather than copied
constexpr std::size_t kTypicalClipPieces = 32;

// Fills count pixels from row: a few one by one, then doubling copies of
// what is already filled, which run at memory speed.
void FillRow(COLORREF* row, int count, COLORREF color) {
    constexpr int kSeed = 16;
    const int seed = std::min(count, kSeed);
    std::fill(row, row + seed, color);
    for (int done = seed; done < count;) {
        const int chunk = std::min(done, count - done);
        std::memcpy(row + done, row, static_cast<std::size_t>(chunk) * sizeof(COLORREF));
        done += chunk;
    }
}

}  // namespace

CDC::CDC() = default;

CDC::CDC(CFrameBuffer& target) : target_(&target) {
    // Room for the region of a typical paint, made once rather than grown.
    for (std::vector<CRect>* rects : {&clip_, &scratch_, &scratchRest_}) rects->reserve(kTypicalClipPieces);
    SetClipRect({0, 0, target.Width(), target.Height()});
}

void CDC::SetClipRegion(std::span<const CRect> rects) {
    clip_.clear();
    clipBox_ = {};
    if (!target_) return;
    const CRect bounds{0, 0, target_->Width(), target_->Height()};
    // Kept as disjoint pieces so that blended pixels are written only once:
    // each rectangle adds what the pieces before it leave out.
    for (const CRect& rect : rects) {
        scratch_.assign(1, rect.Intersect(bounds));
        for (const CRect& taken : clip_) {
            scratchRest_.clear();
            for (const CRect& piece : scratch_) AppendDifference(piece, taken, scratchRest_);
            std::swap(scratch_, scratchRest_);
        }
        for (const CRect& piece : scratch_)
            if (!piece.IsRectEmpty()) clip_.push_back(piece);
    }
    UpdateClipBox();
}

void CDC::SaveClipRegion() {
    if (savedCount_ == savedClips_.size()) savedClips_.emplace_back();
    savedClips_[savedCount_++] = clip_;
}

void CDC::RestoreClipRegion() {
    std::swap(clip_, savedClips_.at(--savedCount_));
    UpdateClipBox();
}

void CDC::ExcludeClipRect(const CRect& rect) {
    scratch_.clear();
    for (const CRect& piece : clip_) AppendDifference(piece, rect, scratch_);
    std::swap(clip_, scratch_);
    UpdateClipBox();
}

void CDC::UpdateClipBox() {
    clipBox_ = {};
    for (const CRect& piece : clip_) clipBox_ = clipBox_.Union(piece);
}

bool CDC::RectVisible(const CRect& r) const {
    if (clipBox_.Intersect(r).IsRectEmpty()) return false;
    return std::any_of(clip_.begin(), clip_.end(),
                       [&](const CRect& piece) { return !piece.Intersect(r).IsRectEmpty(); });
}

CPen CDC::SelectObject(const CPen& pen) { return std::exchange(pen_, pen); }
CBrush CDC::SelectObject(const CBrush& brush) { return std::exchange(brush_, brush); }
CFont CDC::SelectObject(const CFont& font) { return std::exchange(font_, font); }

COLORREF CDC::SetTextColor(COLORREF color) { return std::exchange(textColor_, color); }
int CDC::SetBkMode(int mode) { return std::exchange(bkMode_, mode); }
COLORREF CDC::SetBkColor(COLORREF color) { return std::exchange(bkColor_, color); }

void CDC::FillRect(const CRect& rect, COLORREF color) {
    if (color == kNoColor || clipBox_.Intersect(rect).IsRectEmpty()) return;
    for (const CRect& piece : clip_) {
        const CRect area = piece.Intersect(rect);
        if (area.IsRectEmpty()) continue;
        // A narrow area (an outline) is filled row by row; in a wide one the
        // other rows are copies of the first.
        if (area.Width() <= kNarrowFill) {
            for (int y = area.top; y < area.bottom; ++y)
                std::fill_n(target_->Row(y) + area.left, area.Width(), color);
            continue;
        }
        COLORREF* first = target_->Row(area.top) + area.left;
        FillRow(first, area.Width(), color);
        const std::size_t bytes = static_cast<std::size_t>(area.Width()) * sizeof(COLORREF);
        for (int y = area.top + 1; y < area.bottom; ++y)
            std::memcpy(target_->Row(y) + area.left, first, bytes);
    }
}

void CDC::FillSolidRect(const CRect& rect, COLORREF color) { FillRect(rect, color); }

void CDC::FillSpan(int y, int left, int right, COLORREF color) { FillRect({left, y, right, y + 1}, color); }

void CDC::MoveTo(int x, int y) { position_ = {x, y}; }

void CDC::LineTo(int x, int y) {
    const CPoint from = std::exchange(position_, CPoint{x, y});
    if (pen_.null || pen_.color == kNoColor) return;
    // Straight lines are spans; the end point is left out either way.
    if (from.y == y) {
        if (x > from.x) FillSpan(y, from.x, x, pen_.color);
        if (x < from.x) FillSpan(y, x + 1, from.x + 1, pen_.color);
        return;
    }
    if (from.x == x) {
        if (y > from.y) FillRect({x, from.y, x + 1, y}, pen_.color);
        if (y < from.y) FillRect({x, y + 1, x + 1, from.y + 1}, pen_.color);
        return;
    }
    // Bresenham from `from` towards (x, y), stopping before the end point.
    const int dx = std::abs(x - from.x);
    const int dy = -std::abs(y - from.y);
    const int sx = from.x < x ? 1 : -1;
    const int sy = from.y < y ? 1 : -1;
    int error = dx + dy;
    for (CPoint p = from; p.x != x || p.y != y;) {
        Plot(p.x, p.y, pen_.color);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.x += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.y += sy;
        }
    }
}

void CDC::SetPixel(int x, int y, COLORREF color) {
    if (color != kNoColor) Plot(x, y, color);
}

COLORREF CDC::GetPixel(int x, int y) const { return target_ ? target_->GetPixel(x, y) : kNoColor; }

void CDC::RoundRect(const CRect& rect, int ellipseWidth, int ellipseHeight) {
    if (rect.IsRectEmpty() || !RectVisible(rect)) return;
    const bool outline = !pen_.null && pen_.color != kNoColor;
    const bool fill = !brush_.null && brush_.color != kNoColor;
    const int last = rect.bottom - 1;
    // Only the rows the clip region can show: a tall panel behind a small
    // invalid area costs a few rows, not its full height.
    const CRect box = GetClipBox();
    const int firstRow = std::max(rect.top, box.top);
    const int lastRow = std::min(last, box.bottom - 1);
    // Between the corners every row is alike, one pixel of outline at each
    // side and fill between: that band is three rectangles, not a row each.
    const int corner = std::max(1, ellipseHeight / 2 + 1);
    const CRect band{rect.left, rect.top + corner, rect.right, rect.bottom - corner};
    if (!band.IsRectEmpty()) {
        if (outline) {
            FillRect({band.left, band.top, band.left + 1, band.bottom}, pen_.color);
            FillRect({band.right - 1, band.top, band.right, band.bottom}, pen_.color);
        }
        if (fill) FillRect({band.left + 1, band.top, band.right - 1, band.bottom}, brush_.color);
    }
    for (int y = firstRow; y <= lastRow; ++y) {
        if (y >= band.top && y < band.bottom) {
            y = band.bottom - 1;
            continue;
        }
        // Rows are symmetric about the middle: count from the nearer edge.
        const int fromEdge = std::min(y - rect.top, last - y);
        const int inset = CornerInset(fromEdge, ellipseWidth, ellipseHeight);
        const int left = rect.left + inset;
        const int right = rect.right - inset;  // exclusive
        if (left >= right) continue;
        if (fromEdge == 0) {
            if (outline) FillSpan(y, left, right, pen_.color);
            continue;
        }
        // The outline runs from this row's inset out to the previous row's,
        // so that a steep corner stays connected.
        const int reach = std::max(1, CornerInset(fromEdge - 1, ellipseWidth, ellipseHeight) - inset);
        const int run = std::min(reach, (right - left + 1) / 2);
        if (outline) {
            FillSpan(y, left, left + run, pen_.color);
            FillSpan(y, right - run, right, pen_.color);
        }
        if (fill) FillSpan(y, left + run, right - run, brush_.color);
    }
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight) {
    FillRect({x, y, x + cx - 1, y + 1}, topLeft);
    FillRect({x, y, x + 1, y + cy - 1}, topLeft);
    FillRect({x + cx - 1, y, x + cx, y + cy}, bottomRight);
    FillRect({x, y + cy - 1, x + cx, y + cy}, bottomRight);
}

void CDC::DrawImage(const CFrameBuffer& image, CPoint at) {
    const CRect placed{at.x, at.y, at.x + image.Width(), at.y + image.Height()};
    for (const CRect& piece : clip_) {
        const CRect area = piece.Intersect(placed);
        if (area.IsRectEmpty()) continue;
        const std::size_t count = static_cast<std::size_t>(area.Width());
        // A narrow piece (a box's side) row by row, as a narrow fill.
        for (int y = area.top; y < area.bottom; ++y) {
            const COLORREF* from = image.Row(y - at.y) + (area.left - at.x);
            if (area.Width() <= kNarrowFill)
                std::copy_n(from, count, target_->Row(y) + area.left);
            else
                std::memcpy(target_->Row(y) + area.left, from, count * sizeof(COLORREF));
        }
    }
}

void CDC::Plot(int x, int y, COLORREF color) {
    for (const CRect& piece : clip_) {
        if (piece.PtInRect(x, y)) {
            target_->Row(y)[x] = color;
            return;
        }
    }
}
