// The root panel: painting, hover tracking, hint box and invalidation.
#include "ui/RootPanel.h"

#include "ui/BoxDrawing.h"
#include "ui/HintGeometry.h"
#include "ui/ScreenFont.h"
#include "ui/TextDrawing.h"

#include <algorithm>

namespace {

constexpr COLORREF kHintOutline = RGB(193, 168, 133);
constexpr COLORREF kHintFill = RGB(32, 32, 32);

}  // namespace

CRootPanel::CRootPanel() { SetId(kRootId); }

CRootPanel::~CRootPanel() {
    while (!hoverCards_.empty()) hoverCards_.pop_back();
    RemoveAllChildren();
}

void CRootPanel::SetOwner(CWindow* owner, const CRect& rootRect) {
    owner_ = owner;
    rect = rootRect;
}

void CRootPanel::PaintAll(CDC& dc) const {
    // A text hint box fills its rectangle: what lies beneath it is not drawn.
    const bool hintCovers = !activeCard_ && !hintText_.empty();
    std::vector<CRect> clip;
    if (hintCovers) {
        clip = dc.GetClipRegion();
        dc.ExcludeClipRect(hintRect_);
    }
    DrawTree(dc, hovered_, {0, 0});
    if (hintCovers) dc.SetClipRegion(std::move(clip));
    DrawHintBox(dc);
}

bool CRootPanel::CoversClientArea() const {
    if (!owner_ || !shown || !IsOpaque()) return false;
    const CRect client = owner_->GetClientRect();
    return rect.Intersect(client) == client;
}

void CRootPanel::DrawHintBox(CDC& dc) const {
    if (activeCard_) {
        // Puts the card's top-left corner at the hint rectangle's.
        const CPoint origin{hintRect_.left - rect.left - activeCard_->rect.left,
                            hintRect_.top - rect.top - activeCard_->rect.top};
        activeCard_->DrawTree(dc, WidgetId::None(), origin);
        return;
    }
    if (hintText_.empty()) return;
    DrawFramedBox(dc, hintRect_, kHintOutline, kNoColor, kNoColor, kHintFill);
    CRect textArea = hintRect_.Deflated(2);
    dc.DrawText(hintText_, textArea, kWrapped);
}

bool CRootPanel::MouseMoveAt(int x, int y) {
    const CWidget* hit = HitTest(x, y, {0, 0});
    if (!hit || hit->Id() == hovered_) return false;
    InvalidateWidget(hovered_, true);
    pointer_ = {x, y};
    hovered_ = hit->Id();
    const auto card = std::find_if(hoverCards_.rbegin(), hoverCards_.rend(),
                                   [this](const auto& c) { return c->Id() == hovered_; });
    if (card != hoverCards_.rend()) {
        activeCard_ = card->get();
    } else {
        activeCard_ = nullptr;
        hintText_ = hit->hint;
    }
    UpdateHintBox();
    InvalidateWidget(hovered_, true);
    return true;
}

WidgetId CRootPanel::ClickAt(int x, int y) { return ClickAt(x, y, this, {0, 0}); }

void CRootPanel::UpdateHintBox() {
    if (!owner_) return;
    InvalidateArea(hintRect_);
    if (activeCard_) {
        hintRect_ = PlaceHint(activeCard_->rect, pointer_.x, pointer_.y, rect);
    } else {
        // Measured in the font the hint is painted with, so the box always
        // fits its text.
        CDC measuring;
        measuring.SelectObject(CreateScreenFont());
        hintRect_ = MeasureHint(measuring, pointer_.x, pointer_.y, hintText_, rect);
    }
    InvalidateArea(hintRect_);
}

void CRootPanel::RereadHint() {
    if (activeCard_) return;
    const CWidget* widget = FindWidget(hovered_);
    if (!widget || widget->hint == hintText_) return;
    hintText_ = widget->hint;
    UpdateHintBox();
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

CHoverCard* CRootPanel::AddHoverCard(const CRect& cardRect, int group, int id, int sub) {
    auto card = std::make_unique<CHoverCard>();
    card->rect = cardRect;
    card->SetId({group, id, sub});
    hoverCards_.push_back(std::move(card));
    return hoverCards_.back().get();
}

CHoverCard* CRootPanel::FindHoverCard(const WidgetId& id) const {
    for (const auto& card : hoverCards_)
        if (card->Id() == id) return card.get();
    return nullptr;
}

CHoverCard& CRootPanel::HoverCard(const WidgetId& id) const {
    if (CHoverCard* card = FindHoverCard(id)) return *card;
    throw CMyException(MissingWidgetText(id));
}
