// The game's icon (see AppIcon.h). The design lives on a 16 x 16 grid that is
// scaled to the size asked for; each shape is a convex polygon filled by
// scan lines through the pixel centres, so every size is crisp, with no blur.
#include "gfx/AppIcon.h"

#include "gfx/DeviceContext.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kGrid = 16.0;

constexpr COLORREF kTile = RGB(55, 59, 51);
constexpr COLORREF kFrameLight = RGB(112, 160, 150);
constexpr COLORREF kFrameDark = RGB(24, 40, 36);
constexpr COLORREF kBlade = RGB(226, 232, 240);
constexpr COLORREF kBladeEdge = RGB(140, 152, 170);
constexpr COLORREF kGold = RGB(224, 182, 64);
constexpr COLORREF kGrip = RGB(116, 70, 40);

struct CPointF {
    double x;
    double y;
};

// Fills a convex polygon given in pixels.
void FillConvex(CDC& dc, const std::vector<CPointF>& corners, COLORREF color) {
    double top = corners.front().y;
    double bottom = top;
    for (const CPointF& p : corners) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    for (int y = static_cast<int>(std::floor(top)); y < static_cast<int>(std::ceil(bottom)); ++y) {
        const double centre = y + 0.5;
        double left = 1e9;
        double right = -1e9;
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const CPointF& a = corners[i];
            const CPointF& b = corners[(i + 1) % corners.size()];
            if ((centre < a.y) == (centre < b.y)) continue;  // the edge does not cross this line
            const double x = a.x + (centre - a.y) * (b.x - a.x) / (b.y - a.y);
            left = std::min(left, x);
            right = std::max(right, x);
        }
        // Pixels whose centres lie inside: x + 0.5 in [left, right).
        const int first = static_cast<int>(std::ceil(left - 0.5));
        const int last = static_cast<int>(std::ceil(right - 0.5));
        if (first < last) dc.FillSolidRect(CRect{first, y, last, y + 1}, color);
    }
}

// One sword from its pommel towards its tip, both on the grid. Each part is a
// stretch of the sword's length (in grid units from the pommel) and a half
// width across it.
class CSword {
public:
    CSword(CPointF pommel, CPointF tip, double scale) : pommel_(pommel), scale_(scale) {
        const double dx = tip.x - pommel.x;
        const double dy = tip.y - pommel.y;
        length_ = std::hypot(dx, dy);
        along_ = {dx / length_, dy / length_};
        across_ = {-along_.y, along_.x};
    }

    void Draw(CDC& dc) const {
        // Parts at least a grid unit long, so that the 16-pixel icon keeps them.
        const double bladeStart = 4.3;
        const double tipStart = length_ - 1.6;
        Part(dc, 0.2, 1.3, 1.0, 1.0, kGold);         // pommel
        Part(dc, 1.3, 3.2, 0.55, 0.55, kGrip);       // grip
        Part(dc, 3.2, bladeStart, 2.6, 2.6, kGold);  // cross-guard
        Part(dc, bladeStart, tipStart, 0.95, 0.95, kBladeEdge);
        Part(dc, tipStart, length_, 0.95, 0.0, kBladeEdge);
        // The bright face inside the blade's darker edges.
        Part(dc, bladeStart, tipStart, 0.5, 0.5, kBlade);
        Part(dc, tipStart, length_ - 0.8, 0.5, 0.0, kBlade);
    }

private:
    // The part from `from` to `to` along the sword, half widths at each end.
    void Part(CDC& dc, double from, double to, double halfFrom, double halfTo, COLORREF color) const {
        const auto at = [&](double a, double b) {
            return CPointF{(pommel_.x + along_.x * a + across_.x * b) * scale_,
                           (pommel_.y + along_.y * a + across_.y * b) * scale_};
        };
        FillConvex(dc, {at(from, -halfFrom), at(to, -halfTo), at(to, halfTo), at(from, halfFrom)}, color);
    }

    CPointF pommel_;
    double scale_;
    double length_;
    CPointF along_{};
    CPointF across_{};
};

}  // namespace

CFrameBuffer DrawAppIcon(int size) {
    CFrameBuffer icon(size, size, kTile);
    CDC dc(icon);
    // A raised frame, as the game's panels have: light above and left.
    const int frame = std::max(1, size / 16);
    for (int i = 0; i < frame; ++i) dc.Draw3dRect(i, i, size - 2 * i, size - 2 * i, kFrameLight, kFrameDark);

    const double scale = size / kGrid;
    CSword({12.9, 12.9}, {3.1, 3.1}, scale).Draw(dc);
    CSword({3.1, 12.9}, {12.9, 3.1}, scale).Draw(dc);
    return icon;
}
