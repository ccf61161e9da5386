// Keyboard focus: what the keys, clicks and assistive technology do to it.
#include "ui/KeyboardFocus.h"

#include "gfx/FocusRing.h"
#include "platform/KeyTable.h"
#include "ui/PagedGrid.h"
#include "ui/RootPanel.h"

#include <algorithm>
#include <tuple>

namespace {

// The step a key of the table takes (Tab's with Shift: back).
std::optional<FocusStep> StepOf(CKeyRow::Focus focus, bool shift) {
    switch (focus) {
        case CKeyRow::Focus::Next:
            return shift ? FocusStep::Previous : FocusStep::Next;
        case CKeyRow::Focus::Left:
            return FocusStep::Left;
        case CKeyRow::Focus::Right:
            return FocusStep::Right;
        case CKeyRow::Focus::Up:
            return FocusStep::Up;
        case CKeyRow::Focus::Down:
            return FocusStep::Down;
        case CKeyRow::Focus::First:
            return FocusStep::First;
        case CKeyRow::Focus::Last:
            return FocusStep::Last;
        default:
            return std::nullopt;
    }
}

}  // namespace

bool CKeyboardFocus::OnKey(const KeyChord& key, const Press& press) {
    const CKeyRow* row = KeyRowOf(key.key);
    if (!row || key.ctrl || key.alt) return false;
    if (const std::optional<FocusStep> step = StepOf(row->focus, key.shift)) {
        Step(*step);
        return true;
    }
    switch (row->focus) {
        case CKeyRow::Focus::PreviousPage:
            TurnPage(-1);
            return true;
        case CKeyRow::Focus::NextPage:
            TurnPage(1);
            return true;
        case CKeyRow::Focus::Press:
            if (ringShown_ && !shownWithoutKey_)
                PressFocused(press);
            else
                ShowRing();
            return true;
        case CKeyRow::Focus::PressIfShown:
            if (!ringShown_) return false;
            PressFocused(press);
            return true;
        default:
            return false;
    }
}

void CKeyboardFocus::OnClick(int x, int y) {
    if (ringShown_) {
        ClearRing();
        root_.ReturnHintToPointer();
    }
    const CWidget* hit = root_.HitTest(x, y, {0, 0});
    if (!hit || !hit->TakesFocus()) return;
    int ordinal = 0;
    for (const CFocusable& entry : FocusOrder(root_)) {
        if (entry.widget == hit) {
            focused_ = hit->Id();
            focusedOrdinal_ = ordinal;
            return;
        }
        if (entry.widget->Id() == hit->Id()) ++ordinal;
    }
}

bool CKeyboardFocus::FocusWidget(const CWidget& widget) {
    const std::vector<CFocusable> order = FocusOrder(root_);
    const auto target = std::find_if(order.begin(), order.end(),
                                     [&widget](const CFocusable& entry) { return entry.widget == &widget; });
    if (target == order.end()) return false;
    MoveTo(order, static_cast<std::size_t>(target - order.begin()));
    return true;
}

void CKeyboardFocus::PressFocused(const Press& press) {
    const std::vector<CFocusable> order = FocusOrder(root_);
    const std::optional<std::size_t> index = IndexIn(order);
    if (!index) return;
    const std::optional<WidgetId> clicked = root_.ActivateWidget(*order[*index].widget, &root_, {0, 0});
    if (!clicked) return;
    press(*clicked);
    ShowRing();
}

void CKeyboardFocus::ShowRingAtOpen() {
    ShowRing();
    shownWithoutKey_ = ringShown_;
}

void CKeyboardFocus::Reset() {
    ClearRing();
    focused_ = WidgetId::None();
    focusedOrdinal_ = 0;
    root_.DropFocusHint();
}

const CWidget* CKeyboardFocus::FocusedWidget() const {
    const std::vector<CFocusable> order = FocusOrder(root_);
    const std::optional<std::size_t> index = IndexIn(order);
    return index ? order[*index].widget : nullptr;
}

WidgetId CKeyboardFocus::FocusedId() const {
    const CWidget* widget = FocusedWidget();
    return widget ? widget->Id() : WidgetId::None();
}

std::optional<CRect> CKeyboardFocus::RingArea() const {
    if (!ringShown_) return std::nullopt;
    const std::vector<CFocusable> order = FocusOrder(root_);
    const std::optional<std::size_t> index = IndexIn(order);
    return index ? std::optional(order[*index].area) : std::nullopt;
}

bool CKeyboardFocus::TabWraps(bool backward) const {
    const std::vector<CFocusable> order = FocusOrder(root_);
    const std::optional<std::size_t> index = IndexIn(order);
    return !index || *index == (backward ? 0 : order.size() - 1);
}

std::optional<std::size_t> CKeyboardFocus::IndexIn(const std::vector<CFocusable>& order) const {
    if (order.empty()) return std::nullopt;
    std::optional<std::size_t> firstWithId;
    int ordinal = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i].widget->Id() != focused_) continue;
        if (ordinal++ == focusedOrdinal_) return i;
        if (!firstWithId) firstWithId = i;
    }
    return firstWithId.value_or(0);
}

void CKeyboardFocus::MoveTo(const std::vector<CFocusable>& order, std::size_t index) {
    ClearRing();
    shownWithoutKey_ = false;
    const CFocusable& target = order[index];
    focused_ = target.widget->Id();
    focusedOrdinal_ =
        static_cast<int>(std::count_if(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(index),
                                       [this](const CFocusable& f) { return f.widget->Id() == focused_; }));
    ringShown_ = true;
    ringArea_ = target.area;
    root_.InvalidateArea(FocusRingArea(ringArea_));
    root_.ShowHintBeside(*target.widget, FocusRingArea(ringArea_));
}

void CKeyboardFocus::Step(FocusStep step) {
    const std::vector<CFocusable> order = FocusOrder(root_);
    if (const std::optional<std::size_t> target = StepFocus(order, IndexIn(order), step))
        MoveTo(order, *target);
}

// As the grid's page buttons do; nothing before the first page or past the last.
void CKeyboardFocus::TurnPage(int step) {
    const std::vector<CFocusable> before = FocusOrder(root_);
    const std::optional<std::size_t> focused = IndexIn(before);
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
    // The new page's widgets make a new order.
    const std::vector<CFocusable> after = FocusOrder(root_);
    const auto first = std::find_if(after.begin(), after.end(),
                                    [grid](const CFocusable& f) { return f.grid == grid && f.inCell; });
    if (first != after.end()) MoveTo(after, static_cast<std::size_t>(first - after.begin()));
}

void CKeyboardFocus::ShowRing() {
    const std::vector<CFocusable> order = FocusOrder(root_);
    if (const std::optional<std::size_t> index = IndexIn(order)) MoveTo(order, *index);
}

void CKeyboardFocus::ClearRing() {
    if (!ringShown_) return;
    ringShown_ = false;
    shownWithoutKey_ = false;
    root_.InvalidateArea(FocusRingArea(ringArea_));
}
