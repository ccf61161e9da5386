// Painting and mouse routing for a window that holds a widget tree.
#include "ui/WidgetHost.h"

#include "ui/PagedGrid.h"
#include "ui/ScreenFont.h"

#include <algorithm>
#include <tuple>

void CWidgetHost::OnPaint(CDC& dc) {
    const CFont previousFont = dc.SelectObject(CreateScreenFont());
    const int previousMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF previousColor = dc.SetTextColor(kScreenTextColor);
    root_.PaintAll(dc);
    dc.SetTextColor(previousColor);
    dc.SetBkMode(previousMode);
    dc.SelectObject(previousFont);
}

void CWidgetHost::OnMouseMove(int x, int y) { root_.MouseMoveAt(x, y); }

void CWidgetHost::OnLButtonDown(int x, int y) {
    root_.FocusByClick(x, y);
    OnWidgetClick(root_.ClickAt(x, y));
}

void CWidgetHost::OnKey(const KeyChord& key) {
    if (key.ctrl || key.alt) {
        OnCommandKey(key);
        return;
    }
    switch (key.key) {
        case KeyChord::Key::Tab:
            StepFocus(key.shift ? FocusStep::Previous : FocusStep::Next);
            break;
        case KeyChord::Key::Left:
            StepFocus(FocusStep::Left);
            break;
        case KeyChord::Key::Right:
            StepFocus(FocusStep::Right);
            break;
        case KeyChord::Key::Up:
            StepFocus(FocusStep::Up);
            break;
        case KeyChord::Key::Down:
            StepFocus(FocusStep::Down);
            break;
        case KeyChord::Key::Home:
            StepFocus(FocusStep::First);
            break;
        case KeyChord::Key::End:
            StepFocus(FocusStep::Last);
            break;
        case KeyChord::Key::PageUp:
            TurnPage(-1);
            break;
        case KeyChord::Key::PageDown:
            TurnPage(1);
            break;
        case KeyChord::Key::Space:
            if (root_.FocusRingShown())
                Activate();
            else
                root_.ShowFocusRing();
            break;
        case KeyChord::Key::Return:
            if (root_.FocusRingShown())
                Activate();
            else
                OnCommandKey(key);
            break;
        default:
            OnCommandKey(key);
            break;
    }
}

void CWidgetHost::StepFocus(FocusStep step) {
    const std::vector<CFocusable> order = FocusOrder(root_);
    if (const std::optional<std::size_t> target = ::StepFocus(order, root_.FocusIndex(order), step))
        root_.FocusByKey(order, *target);
}

// As the grid's page buttons do; nothing before the first page or past the last.
void CWidgetHost::TurnPage(int step) {
    const std::vector<CFocusable> before = FocusOrder(root_);
    const std::optional<std::size_t> focused = root_.FocusIndex(before);
    CPagedGrid* grid = focused ? before[*focused].grid : nullptr;
    CRect gridArea = focused ? before[*focused].gridArea : CRect{};
    if (!grid) {
        const auto grids = ShownGrids(root_);
        if (grids.size() != 1) return;
        std::tie(grid, gridArea) = grids.front();
    }
    const int page = grid->CurrentPage() + step;
    if (page < 0 || page >= grid->PageCount()) return;
    grid->ShowPage(page);
    root_.InvalidateArea(gridArea);
    const std::vector<CFocusable> after = FocusOrder(root_);
    const auto first = std::find_if(after.begin(), after.end(),
                                    [grid](const CFocusable& f) { return f.grid == grid && f.inCell; });
    if (first != after.end()) root_.FocusByKey(after, static_cast<std::size_t>(first - after.begin()));
}

void CWidgetHost::Activate() {
    if (const std::optional<WidgetId> clicked = root_.ActivateFocused()) OnWidgetClick(*clicked);
}
