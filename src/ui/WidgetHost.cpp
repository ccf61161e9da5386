// Painting and mouse routing for a window that holds a widget tree.
#include "ui/WidgetHost.h"

#include "ui/AccessDescription.h"
#include "ui/PagedGrid.h"
#include "ui/ScreenFont.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>

namespace {

// The keys that step the focus whatever the modifiers but Ctrl and Alt.
constexpr std::array<std::pair<KeyChord::Key, FocusStep>, 6> kFocusSteps{{
    {KeyChord::Key::Left, FocusStep::Left},
    {KeyChord::Key::Right, FocusStep::Right},
    {KeyChord::Key::Up, FocusStep::Up},
    {KeyChord::Key::Down, FocusStep::Down},
    {KeyChord::Key::Home, FocusStep::First},
    {KeyChord::Key::End, FocusStep::Last},
}};

}  // namespace

void CWidgetHost::OnPaint(CDC& dc) {
    const CFont previousFont = dc.SelectObject(CreateScreenFont());
    const int previousMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF previousColor = dc.SetTextColor(kScreenTextColor);
    root_.PaintAll(dc);
    dc.SetTextColor(previousColor);
    dc.SetBkMode(previousMode);
    dc.SelectObject(previousFont);
    DescribeToWindow();
}

void CWidgetHost::DescribeToWindow() const {
    if (CWindow* window = root_.Owner())
        window->SetAccessDescription(
            [this, window] { return DescribeWindow(root_, AccessWindowRole(), window->GetTitle()); });
}

void CWidgetHost::OnMouseMove(int x, int y) { root_.MouseMoveAt(x, y); }

void CWidgetHost::OnLButtonDown(int x, int y) {
    root_.FocusByClick(x, y);
    OnWidgetClick(root_.ClickAt(x, y));
    DescribeToWindow();
}

void CWidgetHost::OnKey(const KeyChord& key) {
    RouteKey(key);
    DescribeToWindow();
}

void CWidgetHost::RouteKey(const KeyChord& key) {
    using Key = KeyChord::Key;
    const auto step = std::find_if(kFocusSteps.begin(), kFocusSteps.end(),
                                   [&key](const auto& entry) { return entry.first == key.key; });
    if (key.ctrl || key.alt)
        OnCommandKey(key);
    else if (key.key == Key::Tab)
        StepFocus(key.shift ? FocusStep::Previous : FocusStep::Next);
    else if (step != kFocusSteps.end())
        StepFocus(step->second);
    else if (key.key == Key::PageUp || key.key == Key::PageDown)
        TurnPage(key.key == Key::PageUp ? -1 : 1);
    else if ((key.key == Key::Space || key.key == Key::Return) && root_.FocusRingShown())
        Activate();
    else if (key.key == Key::Space)
        root_.ShowFocusRing();
    else
        OnCommandKey(key);
}

void CWidgetHost::OnAccessAction(const std::string& node, AccessAction action) {
    AccessWidgets widgets;
    DescribeWindow(root_, AccessWindowRole(), {}, &widgets);
    const auto named = widgets.find(node);
    if (named == widgets.end()) return;
    const std::vector<CFocusable> order = FocusOrder(root_);
    const auto target = std::find_if(order.begin(), order.end(), [&named](const CFocusable& entry) {
        return entry.widget == named->second;
    });
    if (target == order.end()) return;
    root_.FocusByKey(order, static_cast<std::size_t>(target - order.begin()));
    if (action == AccessAction::Activate) Activate();
    DescribeToWindow();
}

bool CWidgetHost::TabWraps(bool backward) const {
    const std::vector<CFocusable> order = FocusOrder(root_);
    const std::optional<std::size_t> index = root_.FocusIndex(order);
    return !index || *index == (backward ? 0 : order.size() - 1);
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
    const std::optional<WidgetId> clicked = root_.ActivateFocused();
    if (!clicked) return;
    OnWidgetClick(*clicked);
    // The click may have moved, rebuilt or removed the focused widget: the
    // ring and hint go where the focus is now.
    root_.ShowFocusRing();
}
