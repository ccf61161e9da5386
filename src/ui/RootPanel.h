// CRootPanel: the panel a window holds at the top of its widget tree. It
// draws the tree and the hint box, follows which widget the pointer rests on
// (hover looks, hint text or hover card), turns a left click into the
// WidgetId of the clicked widget, and asks its owner window to repaint what
// changed. Without an owner window nothing is invalidated and the hint box
// does not move.
//
// It also keeps the window's keyboard focus: one widget that takes focus
// (FocusPolicy.h), the first in the focus order (FocusOrder.h) until a key
// or a click moves it. Focus is drawn only once a key has moved it (the
// focus ring), until the next click; while the ring shows, the hint box
// shows the focused widget's hint or card beside it, until the pointer
// moves. Without the ring nothing of focus is drawn.
#pragma once

#include "gfx/Font.h"
#include "gfx/FrameBuffer.h"
#include "platform/Window.h"
#include "ui/FocusOrder.h"
#include "ui/HintImage.h"
#include "ui/HoverCard.h"
#include "ui/Panel.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CRootPanel : public CPanel {
public:
    // The root's own WidgetId (the first automatic group).
    static constexpr WidgetId kRootId{kFirstAutomaticGroup, -1, -1};

    CRootPanel();
    // Deletes the hover cards last to first, then the tree.
    ~CRootPanel() override;

    // The window that shows this root, and the root's rectangle in it.
    void SetOwner(CWindow* owner, const CRect& rootRect);
    CWindow* Owner() const { return owner_; }

    // Draws the tree, then the hint box or hover card on top.
    void PaintAll(CDC& dc) const;
    // Whether PaintAll fills the owner's whole client area.
    bool CoversClientArea() const;

    // Follows the pointer; true when the hovered widget changed. Nothing
    // changes while the pointer is over no widget. After a key showed the
    // focused widget's hint, any move shows the hovered widget's again.
    bool MouseMoveAt(int x, int y);
    using CWidget::ClickAt;
    // The WidgetId a left click at the point yields, or none.
    WidgetId ClickAt(int x, int y);

    // Invalidates (with erase) the area of the widget id names, when the
    // flag is clear or the widget's look depends on hovering.
    void InvalidateWidget(const WidgetId& id, bool onlyIfRepaintsOnHover);
    // Invalidates area (window coordinates, with erase) in the owner window.
    void InvalidateArea(const CRect& area) const;

    // Hover cards: a card is filed under the WidgetId of the widget that
    // shows it; only its size counts. The caller fills it.
    CHoverCard* AddHoverCard(const CRect& cardRect, int group, int id, int sub);
    // The first card filed under id, or null.
    CHoverCard* FindHoverCard(const WidgetId& id) const;
    // The first card filed under id; raises CMyException when there is none.
    CHoverCard& HoverCard(const WidgetId& id) const;

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
    // The widget whose hint or card the hint box is for: the hovered one, or
    // the focused one while a key shows it; none once hidden.
    WidgetId HintOwner() const;

    // --- Keyboard focus ---
    // Where the focus is in order (FocusOrder of this root): the focused
    // widget, or the first when none was focused or it is gone. Null when
    // nothing takes focus.
    std::optional<std::size_t> FocusIndex(const std::vector<CFocusable>& order) const;
    // The focused widget's WidgetId; none when nothing takes focus.
    WidgetId FocusedId() const;
    // A key moved the focus to order[index]: the ring and the widget's hint
    // or card show there. Repaints the old and new ring and hint areas.
    void FocusByKey(const std::vector<CFocusable>& order, std::size_t index);
    // The focus ring shows where the focus is (as FocusByKey there).
    void ShowFocusRing();
    // Back to the first widget, no ring: for a window that opens afresh.
    void ResetFocus();
    bool FocusRingShown() const { return ringShown_; }
    // A click at the point: the widget under it takes the focus when it
    // takes focus at all, and the ring goes.
    void FocusByClick(int x, int y);
    // A click landing on the focused widget (Widget::ActivateWidget): what
    // the host receives, or null when it cannot land there.
    std::optional<WidgetId> ActivateFocused();

    const WidgetId& Hovered() const { return hovered_; }
    const CRect& HintRect() const { return hintRect_; }
    const std::string& HintText() const { return hintText_; }
    const CHoverCard* ActiveHoverCard() const { return activeCard_; }

private:
    // Whose hint the hint box shows.
    enum class HintFor { Pointer, Focus, Nobody };
    // The last few text boxes drawn, so that moving between a few buttons
    // draws each box once.
    static constexpr std::size_t kHintImages = 4;

    void DrawHintBox(CDC& dc) const;
    // The hint box shows widget's card (the last filed under its id) or hint.
    void TakeUpHint(const CWidget& widget, HintFor owner);
    // Repaints where the ring was, and forgets it.
    void ClearRing();
    // The hint box's image for the hint text in dc's font and colours.
    const CFrameBuffer& HintImage(const CDC& dc) const;
    // The box drawn before for text at the hint rectangle's size in the last
    // painted style (which must be known), or the end of the list.
    std::vector<CHintImage>::iterator FindImage(const std::string& text) const;
    // An image of the hint text in font, drawn before, or null.
    const CFrameBuffer* DrawnHint(const CFont& font) const;
    // The text box placed at the hint rectangle, as the last paint's style
    // draws it; null for a card, no hint or a box not drawn yet.
    const CHintImage* PlacedImage() const;

    CRect hintRect_;
    WidgetId hovered_ = WidgetId::None();
    CPoint pointer_;
    CWindow* owner_ = nullptr;
    const CHoverCard* activeCard_ = nullptr;
    std::string hintText_;                            // the hovered widget's hint, when no card shows
    std::string placedText_;                          // the text the hint rectangle was placed for
    mutable std::vector<CHintImage> hintImages_;      // most recently used last
    mutable std::optional<CHintStyle> paintedStyle_;  // the style of the last box painted
    HintFor hintFor_ = HintFor::Pointer;
    WidgetId focused_ = WidgetId::None();  // none: the first in the focus order
    int focusedOrdinal_ = 0;               // which of the focusable widgets with that id
    bool ringShown_ = false;
    CRect focusArea_;  // the focused widget's area when a key last moved the focus
    std::vector<std::unique_ptr<CHoverCard>> hoverCards_;
};
