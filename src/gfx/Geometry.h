// Points, sizes and rectangles in device pixels.
// A rectangle is (left, top, right, bottom) with right and bottom exclusive,
// so (0, 0, 10, 5) covers 10 x 5 pixels. Mutating operations follow the
// naming of the drawing layer's callers; all of them are plain arithmetic.
#pragma once

#include <algorithm>

struct CPoint {
    int x = 0;
    int y = 0;
    bool operator==(const CPoint&) const = default;
};

struct CSize {
    int cx = 0;
    int cy = 0;
    bool operator==(const CSize&) const = default;
};

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const CRect&) const = default;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool PtInRect(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }

    void OffsetRect(int dx, int dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    void DeflateRect(int l, int t, int r, int b) {
        left += l;
        top += t;
        right -= r;
        bottom -= b;
    }
    void DeflateRect(int d) { DeflateRect(d, d, d, d); }
    void InflateRect(int l, int t, int r, int b) { DeflateRect(-l, -t, -r, -b); }
    void InflateRect(int d) { InflateRect(d, d, d, d); }

    CRect Offset(int dx, int dy) const {
        CRect r = *this;
        r.OffsetRect(dx, dy);
        return r;
    }
    CRect Deflated(int d) const {
        CRect r = *this;
        r.DeflateRect(d);
        return r;
    }

    // The common part of two rectangles; empty (all zero) when they do not meet.
    CRect Intersect(const CRect& o) const {
        CRect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                std::min(bottom, o.bottom)};
        return r.IsRectEmpty() ? CRect{} : r;
    }
    // The smallest rectangle holding both; an empty operand is ignored.
    CRect Union(const CRect& o) const {
        if (IsRectEmpty()) return o;
        if (o.IsRectEmpty()) return *this;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
                std::max(bottom, o.bottom)};
    }
};
