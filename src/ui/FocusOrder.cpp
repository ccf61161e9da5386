// Reading order and focus steps (see FocusOrder.h).
#include "ui/FocusOrder.h"

#include "ui/PagedGrid.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

struct CGridScope {
    CPagedGrid* grid = nullptr;
    CRect area;
    bool inCell = false;
};

// Calls visit(widget, area, scope) for every shown descendant of parent
// (whose area in the window is parentArea; grid: parent when it is a paged
// grid), parents before children.
template <class Visit>
void VisitShown(const CWidget& parent, CPagedGrid* grid, const CRect& parentArea, const CGridScope& scope,
                const Visit& visit) {
    const std::vector<CWidget*> cells = grid ? grid->Cells() : std::vector<CWidget*>{};
    for (const auto& child : parent.Children()) {
        if (!child->shown) continue;
        const CRect area = child->rect.Offset(parentArea.left, parentArea.top);
        CGridScope inner = scope;
        if (grid)
            inner = {grid, parentArea, std::find(cells.begin(), cells.end(), child.get()) != cells.end()};
        visit(*child, area, inner);
        VisitShown(*child, dynamic_cast<CPagedGrid*>(child.get()), area, inner, visit);
    }
}

int CentreX(const CRect& r) { return (r.left + r.right) / 2; }
int CentreY(const CRect& r) { return (r.top + r.bottom) / 2; }

// How far a widget lies from another along one axis: the gap between their
// edges, negative when they overlap. Spans are [low, high).
int Gap(int fromLow, int fromHigh, int low, int high) { return std::max(low - fromHigh, fromLow - high); }

// The span of r along the x axis (horizontal) or the y axis.
std::pair<int, int> Span(const CRect& r, bool horizontal) {
    return horizontal ? std::pair{r.left, r.right} : std::pair{r.top, r.bottom};
}

// The widget an arrow (dx, dy) leads to from current: of the widgets ahead
// (by centre) that overlap current across the arrow's axis, the one with the
// smallest gap ahead plus offset of centres across, so that the widget
// straight below wins over a nearer one that only grazes the column; failing
// any, the nearest by centre whose gap from current lies within 45 degrees
// of the direction.
std::optional<std::size_t> NearestToward(const std::vector<CFocusable>& order, std::size_t current, int dx,
                                         int dy) {
    const CRect& from = order[current].area;
    const bool horizontal = dx != 0;
    const auto [fromAlongLow, fromAlongHigh] = Span(from, horizontal);
    const auto [fromAcrossLow, fromAcrossHigh] = Span(from, !horizontal);
    std::optional<std::size_t> straight;
    std::optional<std::size_t> slanting;
    long long straightScore = 0;
    long long slantingDistance = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const CRect& area = order[i].area;
        const int x = CentreX(area) - CentreX(from);
        const int y = CentreY(area) - CentreY(from);
        const int along = x * dx + y * dy;   // ahead in the direction
        const int across = x * dy - y * dx;  // to the side of it
        if (i == current || along <= 0) continue;
        const auto [alongLow, alongHigh] = Span(area, horizontal);
        const auto [acrossLow, acrossHigh] = Span(area, !horizontal);
        const int gapAhead = std::max(0, Gap(fromAlongLow, fromAlongHigh, alongLow, alongHigh));
        const int gapAcross = Gap(fromAcrossLow, fromAcrossHigh, acrossLow, acrossHigh);
        if (gapAcross < 0) {
            const long long score = 1LL * gapAhead + std::abs(across);
            if (!straight || score < straightScore) {
                straight = i;
                straightScore = score;
            }
        } else if (gapAcross <= gapAhead) {
            const long long distance = 1LL * x * x + 1LL * y * y;
            if (!slanting || distance < slantingDistance) {
                slanting = i;
                slantingDistance = distance;
            }
        }
    }
    return straight ? straight : slanting;
}

}  // namespace

std::vector<CFocusable> FocusOrder(const CWidget& root) {
    std::vector<CFocusable> found;
    VisitShown(root, nullptr, root.rect, {},
               [&](CWidget& widget, const CRect& area, const CGridScope& scope) {
                   if (widget.TakesFocus())
                       found.push_back({&widget, area, scope.grid, scope.area, scope.inCell});
               });
    // Top to bottom by centre, then cut into rows, each sorted left to right.
    std::stable_sort(found.begin(), found.end(), [](const CFocusable& a, const CFocusable& b) {
        return CentreY(a.area) < CentreY(b.area);
    });
    for (auto row = found.begin(); row != found.end();) {
        const int rowBottom = row->area.bottom;
        const auto end = std::find_if(
            row, found.end(), [rowBottom](const CFocusable& f) { return CentreY(f.area) >= rowBottom; });
        std::stable_sort(row, end,
                         [](const CFocusable& a, const CFocusable& b) { return a.area.left < b.area.left; });
        row = end == row ? row + 1 : end;
    }
    return found;
}

std::vector<std::pair<CPagedGrid*, CRect>> ShownGrids(const CWidget& root) {
    std::vector<std::pair<CPagedGrid*, CRect>> grids;
    VisitShown(root, nullptr, root.rect, {}, [&](CWidget& widget, const CRect& area, const CGridScope&) {
        if (auto* grid = dynamic_cast<CPagedGrid*>(&widget)) grids.emplace_back(grid, area);
    });
    return grids;
}

std::optional<std::size_t> StepFocus(const std::vector<CFocusable>& order, std::optional<std::size_t> current,
                                     FocusStep step) {
    if (order.empty()) return std::nullopt;
    const std::size_t last = order.size() - 1;
    if (step == FocusStep::First) return 0;
    if (step == FocusStep::Last) return last;
    if (!current) return step == FocusStep::Previous ? last : 0;
    switch (step) {
        case FocusStep::Next:
            return *current == last ? 0 : *current + 1;
        case FocusStep::Previous:
            return *current == 0 ? last : *current - 1;
        case FocusStep::Left:
            return NearestToward(order, *current, -1, 0);
        case FocusStep::Right:
            return NearestToward(order, *current, 1, 0);
        case FocusStep::Up:
            return NearestToward(order, *current, 0, -1);
        case FocusStep::Down:
            return NearestToward(order, *current, 0, 1);
        case FocusStep::First:
        case FocusStep::Last:
            break;
    }
    return current;
}
