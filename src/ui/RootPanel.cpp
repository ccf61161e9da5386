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
    if (hintCovers) dc.RestoreClipRegion(std::move(clip));
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
    dc.DrawImage(HintImage(dc), {hintRect_.left, hintRect_.top});
}

const CFrameBuffer* CRootPanel::DrawnHint(const CFont& font) const {
    for (const CHintImage& image : hintImages_)
        if (image.text == hintText_ && image.font == font) return &image.pixels;
    return nullptr;
}

// The box is opaque and its text stays inside it, so drawn on its own it has
// the very pixels it would have drawn in place.
const CFrameBuffer& CRootPanel::HintImage(const CDC& dc) const {
    const CSize size{hintRect_.Width(), hintRect_.Height()};
    const auto same = [&](const CHintImage& image) {
        return image.text == hintText_ && image.font == dc.GetCurrentFont() &&
               image.textColor == dc.GetTextColor() && image.bkMode == dc.GetBkMode() &&
               image.pixels.Width() == size.cx && image.pixels.Height() == size.cy;
    };
    auto found = std::find_if(hintImages_.begin(), hintImages_.end(), same);
    if (found == hintImages_.end()) {
        CHintImage image{hintText_, dc.GetCurrentFont(), dc.GetTextColor(), dc.GetBkMode(),
                         CFrameBuffer(size.cx, size.cy)};
        CDC drawing(image.pixels);
        drawing.SelectObject(image.font);
        drawing.SetTextColor(image.textColor);
        drawing.SetBkMode(image.bkMode);
        drawing.SetBkColor(dc.GetBkColor());
        const CRect box{0, 0, size.cx, size.cy};
        DrawFramedBox(drawing, box, kHintOutline, kNoColor, kNoColor, kHintFill);
        CRect textArea = box.Deflated(2);
        drawing.DrawText(hintText_, textArea, kWrapped);
        if (hintImages_.size() == kHintImages) hintImages_.erase(hintImages_.begin());
        hintImages_.push_back(std::move(image));
        found = hintImages_.end() - 1;
    }
    // The one used now goes last, to stay longest.
    std::rotate(found, found + 1, hintImages_.end());
    return hintImages_.back().pixels;
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
    } else if (const CFrameBuffer* drawn = DrawnHint(CreateScreenFont())) {
        // A box drawn before has the size its text was measured to.
        hintRect_ = PlaceHint({0, 0, drawn->Width(), drawn->Height()}, pointer_.x, pointer_.y, rect);
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
