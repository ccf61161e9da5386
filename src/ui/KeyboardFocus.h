// CKeyboardFocus: the keyboard focus of one window's widget tree, and the
// one place that decides it. One widget that takes focus
// (CWidget::TakesFocus) has it: the first in the focus order (FocusOrder.h)
// until a key, a click or assistive technology moves it. The keys act as
// the key table says (platform/KeyTable.h): Tab and Shift+Tab, the arrows,
// Home and End move the focus; PageUp and PageDown turn the page of the
// paged grid that holds the focus, else of the window's only shown grid,
// and focus its new page's first cell; Space and Enter press the focused
// widget as a click landing on it, but only while the focus ring shows:
// before, Space only shows the ring, and Enter is the window's.
//
// The ring shows only once a key has moved the focus, until the next click;
// while it shows, the root's hint box shows the focused widget's hint or
// card beside it, until the pointer moves. A window opened by key may show
// it at once (ShowRingAtOpen), so that what a screen reader announces as
// focused is what Enter presses; Space keeps its first press in the window
// for showing the ring, as everywhere.
#pragma once

#include "platform/Window.h"
#include "ui/FocusOrder.h"
#include "ui/WidgetId.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

class CRootPanel;
class CWidget;

class CKeyboardFocus {
public:
    // What pressing the focused widget does with the WidgetId the press
    // yields: the window's own click handling.
    using Press = std::function<void(const WidgetId&)>;

    explicit CKeyboardFocus(CRootPanel& root) : root_(root) {}

    // A key for the focus: true when it used it. Keys with Ctrl or Alt, the
    // table's commands, and Enter before the ring shows are not its.
    bool OnKey(const KeyChord& key, const Press& press);
    // A left click at the point: the widget under it takes the focus when it
    // takes focus at all, and the ring goes.
    void OnClick(int x, int y);
    // Moves the focus to widget as a key would (the ring shows); false when
    // the widget does not take focus.
    bool FocusWidget(const CWidget& widget);
    // Presses the focused widget; afterwards the ring and hint go where the
    // focus is then, as the press may have moved, rebuilt or removed it.
    void PressFocused(const Press& press);
    // Back to the first widget, no ring: for a window that opens afresh.
    void Reset();
    // Shows the ring where the focus is before any key in the window (see above).
    void ShowRingAtOpen();

    // The focused widget, or null when nothing takes focus.
    const CWidget* FocusedWidget() const;
    // Its WidgetId; none when nothing takes focus.
    WidgetId FocusedId() const;
    bool RingShown() const { return ringShown_; }
    // Where the ring is drawn: the focused widget's area, while it shows.
    std::optional<CRect> RingArea() const;
    // Whether Tab (Shift+Tab: backward) would go round from the last widget
    // to the first (the first to the last).
    bool TabWraps(bool backward) const;

private:
    // Where the focus is in order: the focused widget, or the first when none
    // was focused or it is gone. Null when nothing takes focus.
    std::optional<std::size_t> IndexIn(const std::vector<CFocusable>& order) const;
    // A key moved the focus to order[index]: the ring and the widget's hint
    // or card show there.
    void MoveTo(const std::vector<CFocusable>& order, std::size_t index);
    void Step(FocusStep step);
    void TurnPage(int step);
    void ShowRing();
    // Repaints where the ring was, and forgets it.
    void ClearRing();

    CRootPanel& root_;
    WidgetId focused_ = WidgetId::None();  // none: the first in the focus order
    int focusedOrdinal_ = 0;               // which of the focusable widgets with that id
    bool ringShown_ = false;
    bool shownWithoutKey_ = false;  // by ShowRingAtOpen, and no key has moved the focus since
    CRect ringArea_;                // the focused widget's area when a key last moved the focus
};
