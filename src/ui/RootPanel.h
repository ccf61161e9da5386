// CRootPanel: the panel a window holds at the top of its widget tree. It
// draws the tree and the hint box (HintBox.h) on top, follows which widget
// the pointer rests on (hover looks, hint text or hover card), turns a left
// click into the WidgetId of the clicked widget, and asks its owner window
// to repaint what changed. Without an owner window nothing is invalidated
// and the hint box does not move. Keyboard focus is not its business
// (KeyboardFocus.h): it only shows the focused widget's hint beside it when
// asked, and draws the focus ring where it is told.
#pragma once

#include "gfx/FrameBuffer.h"
#include "platform/Window.h"
#include "ui/HintBox.h"
#include "ui/HoverCard.h"
#include "ui/Panel.h"

#include <optional>
#include <string>

class CRootPanel : public CPanel {
public:
    // The root's own WidgetId (the first automatic group).
    static constexpr WidgetId kRootId{kFirstAutomaticGroup, -1, -1};

    CRootPanel();

    // The window that shows this root, and the root's rectangle in it.
    void SetOwner(CWindow* owner, const CRect& rootRect);
    CWindow* Owner() const { return owner_; }

    // Draws the tree, the focus ring around focusRing when given (window
    // coordinates), then the hint box or hover card on top.
    void PaintAll(CDC& dc, const std::optional<CRect>& focusRing = std::nullopt) const;
    // Whether PaintAll fills the owner's whole client area.
    bool CoversClientArea() const;

    // Follows the pointer; true when the hovered widget changed. Nothing
    // changes while the pointer is over no widget. After the focus showed
    // its widget's hint, any move shows the hovered widget's again.
    bool MouseMoveAt(int x, int y);
    using CWidget::ClickAt;
    // The WidgetId a left click at the point yields, or none.
    WidgetId ClickAt(int x, int y);

    // Invalidates (with erase) the area of the widget id names, when the
    // flag is clear or the widget's look depends on hovering.
    void InvalidateWidget(const WidgetId& id, bool onlyIfRepaintsOnHover);
    // Invalidates area (window coordinates, with erase) in the owner window.
    void InvalidateArea(const CRect& area) const;

    // Re-measures and re-places the hint box (or active card) at the last
    // pointer position and repaints its old and new areas: for screens whose
    // hovered widget's hint or card has just changed.
    void UpdateHintBox();
    // Takes up the shown hint's widget's hint again after a screen has
    // changed it (a fight changes the estimate under the pointer); re-places
    // and repaints the hint box only when the text really differs.
    void RereadHint();
    // Hides the hint box or hover card until the pointer reaches another
    // widget or a key moves the focus.
    void HideHint();
    // The hint box shows the focused widget's hint or card beside ringArea
    // (the widget with its ring), until the pointer moves.
    void ShowHintBeside(const CWidget& focused, const CRect& ringArea);
    // The hint box goes back from the focused widget to the hovered one.
    void ReturnHintToPointer();
    // Hides the focused widget's hint, if it shows; the pointer's next
    // move shows the hovered widget's.
    void DropFocusHint();
    // The widget whose hint or card the hint box is for: the hovered one, or
    // the focused one while a key shows it; none once hidden.
    WidgetId HintOwner() const { return hint_.OwnerId(); }

    const WidgetId& Hovered() const { return hovered_; }
    const CRect& HintRect() const { return hint_.Rect(); }
    const std::string& HintText() const { return hint_.Text(); }
    const CHoverCard* ActiveHoverCard() const { return hint_.Card(); }

private:
    CHintBox::Invalidate Invalidator() const;

    WidgetId hovered_ = WidgetId::None();
    CPoint pointer_;
    CWindow* owner_ = nullptr;
    CHintBox hint_{*this};
};
