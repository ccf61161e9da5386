// The root panel: painting, hover tracking and invalidation.
#include "ui/RootPanel.h"

#include "gfx/FocusRing.h"
#include "gfx/ScopedDCState.h"

CRootPanel::CRootPanel() { SetId(kRootId); }

void CRootPanel::SetOwner(CWindow* owner, const CRect& rootRect) {
    owner_ = owner;
    rect = rootRect;
}

void CRootPanel::PaintAll(CDC& dc, const std::optional<CRect>& focusRing) const {
    {
        // A text hint box fills its rectangle: what lies beneath it is not drawn.
        std::optional<CScopedDCState> clip;
        if (hint_.CoversItsRect()) {
            clip.emplace(dc, CScopedDCState::Part::ClipRegion);
            dc.ExcludeClipRect(hint_.Rect());
        }
        DrawTree(dc, hovered_, {0, 0});
    }
    if (focusRing) DrawFocusRing(dc, *focusRing);
    hint_.Paint(dc, {rect.left, rect.top});
}

bool CRootPanel::CoversClientArea() const {
    if (!owner_ || !shown || !IsOpaque()) return false;
    const CRect client = owner_->GetClientRect();
    return rect.Intersect(client) == client;
}

bool CRootPanel::MouseMoveAt(int x, int y) {
    const CWidget* hit = HitTest(x, y, {0, 0});
    if (!hit) return false;
    if (hit->Id() == hovered_) {
        if (hint_.GetOwner() == CHintBox::Owner::Focus) {
            pointer_ = {x, y};
            hint_.TakeUp(*hit, CHintBox::Owner::Pointer);
            UpdateHintBox();
        }
        return false;
    }
    InvalidateWidget(hovered_, true);
    pointer_ = {x, y};
    hovered_ = hit->Id();
    hint_.TakeUp(*hit, CHintBox::Owner::Pointer);
    UpdateHintBox();
    InvalidateWidget(hovered_, true);
    return true;
}

WidgetId CRootPanel::ClickAt(int x, int y) { return ClickAt(x, y, this, {0, 0}); }

void CRootPanel::UpdateHintBox() {
    if (owner_) hint_.Place(pointer_, rect, Invalidator());
}

void CRootPanel::RereadHint() {
    if (hint_.Reread()) UpdateHintBox();
}

void CRootPanel::HideHint() { hint_.Hide(Invalidator()); }

void CRootPanel::ShowHintBeside(const CWidget& focused, const CRect& ringArea) {
    hint_.TakeUp(focused, CHintBox::Owner::Focus, ringArea);
    UpdateHintBox();
}

void CRootPanel::ReturnHintToPointer() {
    if (hint_.GetOwner() != CHintBox::Owner::Focus) return;
    if (const CWidget* hovered = FindWidget(hovered_))
        hint_.TakeUp(*hovered, CHintBox::Owner::Pointer);
    else
        HideHint();
    UpdateHintBox();
}

void CRootPanel::DropFocusHint() {
    if (hint_.GetOwner() == CHintBox::Owner::Focus) hint_.EmptyForPointer(hovered_, Invalidator());
}

void CRootPanel::InvalidateWidget(const WidgetId& id, bool onlyIfRepaintsOnHover) {
    if (onlyIfRepaintsOnHover) {
        const CWidget* widget = FindWidget(id);
        if (!widget || !widget->RepaintsOnHover()) return;
    }
    InvalidateArea(FindRect(id, {0, 0}));
}

void CRootPanel::InvalidateArea(const CRect& area) const {
    if (owner_) owner_->InvalidateRect(area, true);
}

CHintBox::Invalidate CRootPanel::Invalidator() const {
    return [this](const CRect& area) { InvalidateArea(area); };
}
