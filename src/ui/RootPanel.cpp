// The root panel: painting, hover tracking, hint box and invalidation.
#include "ui/RootPanel.h"

#include "gfx/FocusRing.h"
#include "ui/FocusPolicy.h"
#include "ui/HintGeometry.h"
#include "ui/ScreenFont.h"

#include <algorithm>

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
    if (hintCovers) {
        dc.SaveClipRegion();
        dc.ExcludeClipRect(hintRect_);
    }
    DrawTree(dc, hovered_, {0, 0});
    if (hintCovers) dc.RestoreClipRegion();
    if (ringShown_) {
        const std::vector<CFocusable> order = FocusOrder(*this);
        if (const std::optional<std::size_t> index = FocusIndex(order)) DrawFocusRing(dc, order[*index].area);
    }
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
        if (image.Text() == hintText_ && image.Style().font == font) return &image.Pixels();
    return nullptr;
}

std::vector<CHintImage>::iterator CRootPanel::FindImage(const std::string& text) const {
    const CSize size{hintRect_.Width(), hintRect_.Height()};
    return std::find_if(hintImages_.begin(), hintImages_.end(),
                        [&](const CHintImage& image) { return image.Shows(text, *paintedStyle_, size); });
}

const CFrameBuffer& CRootPanel::HintImage(const CDC& dc) const {
    paintedStyle_ = CHintStyle::Of(dc);
    auto found = FindImage(hintText_);
    if (found == hintImages_.end()) {
        if (hintImages_.size() == kHintImages) hintImages_.erase(hintImages_.begin());
        hintImages_.emplace_back(hintText_, *paintedStyle_, CSize{hintRect_.Width(), hintRect_.Height()});
        found = hintImages_.end() - 1;
    }
    // The one used now goes last, to stay longest.
    std::rotate(found, found + 1, hintImages_.end());
    return hintImages_.back().Pixels();
}

const CHintImage* CRootPanel::PlacedImage() const {
    if (placedText_.empty() || !paintedStyle_) return nullptr;
    const auto found = FindImage(placedText_);
    return found == hintImages_.end() ? nullptr : &*found;
}

bool CRootPanel::MouseMoveAt(int x, int y) {
    const CWidget* hit = HitTest(x, y, {0, 0});
    if (!hit) return false;
    if (hit->Id() == hovered_) {
        if (hintFor_ == HintFor::Focus) {
            pointer_ = {x, y};
            TakeUpHint(*hit, HintFor::Pointer);
            UpdateHintBox();
        }
        return false;
    }
    InvalidateWidget(hovered_, true);
    pointer_ = {x, y};
    hovered_ = hit->Id();
    TakeUpHint(*hit, HintFor::Pointer);
    UpdateHintBox();
    InvalidateWidget(hovered_, true);
    return true;
}

void CRootPanel::TakeUpHint(const CWidget& widget, HintFor owner) {
    hintFor_ = owner;
    const auto card = std::find_if(hoverCards_.rbegin(), hoverCards_.rend(),
                                   [&widget](const auto& c) { return c->Id() == widget.Id(); });
    if (card != hoverCards_.rend()) {
        activeCard_ = card->get();
    } else {
        activeCard_ = nullptr;
        hintText_ = widget.hint;
    }
}

WidgetId CRootPanel::ClickAt(int x, int y) { return ClickAt(x, y, this, {0, 0}); }

void CRootPanel::UpdateHintBox() {
    if (!owner_) return;
    const CRect placedRect = hintRect_;
    const CHintImage* placed = PlacedImage();
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
    // Beside the focused widget and its ring, never over them.
    if (hintFor_ == HintFor::Focus && !hintRect_.IsRectEmpty() && (activeCard_ || !hintText_.empty()))
        hintRect_ = PlaceBeside(hintRect_, FocusRingArea(focusArea_), rect);
    placedText_ = activeCard_ ? std::string() : hintText_;
    // Between two text boxes drawn before, only the pixels that differ.
    const CHintImage* next = PlacedImage();
    if (placed && next) {
        for (const CRect& area : placed->ChangeTo(placedRect, *next, hintRect_)) InvalidateArea(area);
        return;
    }
    InvalidateArea(placedRect);
    InvalidateArea(hintRect_);
}

void CRootPanel::RereadHint() {
    if (activeCard_ || hintFor_ == HintFor::Nobody) return;
    const CWidget* widget = FindWidget(HintOwner());
    if (!widget || widget->hint == hintText_) return;
    hintText_ = widget->hint;
    UpdateHintBox();
}

void CRootPanel::HideHint() {
    InvalidateArea(hintRect_);
    hintFor_ = HintFor::Nobody;
    activeCard_ = nullptr;
    hintText_.clear();
    placedText_.clear();
    hintRect_ = {0, 0, 1, 1};
}

WidgetId CRootPanel::HintOwner() const {
    switch (hintFor_) {
        case HintFor::Pointer:
            return hovered_;
        case HintFor::Focus:
            return FocusedId();
        case HintFor::Nobody:
            break;
    }
    return WidgetId::None();
}

std::optional<std::size_t> CRootPanel::FocusIndex(const std::vector<CFocusable>& order) const {
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

WidgetId CRootPanel::FocusedId() const {
    const std::vector<CFocusable> order = FocusOrder(*this);
    const std::optional<std::size_t> index = FocusIndex(order);
    return index ? order[*index].widget->Id() : WidgetId::None();
}

void CRootPanel::FocusByKey(const std::vector<CFocusable>& order, std::size_t index) {
    ClearRing();
    const CFocusable& target = order[index];
    focused_ = target.widget->Id();
    focusedOrdinal_ =
        static_cast<int>(std::count_if(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(index),
                                       [this](const CFocusable& f) { return f.widget->Id() == focused_; }));
    ringShown_ = true;
    focusArea_ = target.area;
    InvalidateArea(FocusRingArea(focusArea_));
    TakeUpHint(*target.widget, HintFor::Focus);
    UpdateHintBox();
}

void CRootPanel::ShowFocusRing() {
    const std::vector<CFocusable> order = FocusOrder(*this);
    if (const std::optional<std::size_t> index = FocusIndex(order)) FocusByKey(order, *index);
}

void CRootPanel::ResetFocus() {
    ClearRing();
    focused_ = WidgetId::None();
    focusedOrdinal_ = 0;
    if (hintFor_ != HintFor::Focus) return;
    HideHint();
    hintFor_ = HintFor::Pointer;
}

void CRootPanel::ClearRing() {
    if (!ringShown_) return;
    ringShown_ = false;
    InvalidateArea(FocusRingArea(focusArea_));
}

void CRootPanel::FocusByClick(int x, int y) {
    if (ringShown_) {
        ClearRing();
        // The hint box goes back to the hovered widget.
        if (hintFor_ == HintFor::Focus) {
            if (const CWidget* hovered = FindWidget(hovered_))
                TakeUpHint(*hovered, HintFor::Pointer);
            else
                HideHint();
            UpdateHintBox();
        }
    }
    const CWidget* hit = HitTest(x, y, {0, 0});
    if (!hit || !TakesFocus(*hit, *this)) return;
    const std::vector<CFocusable> order = FocusOrder(*this);
    int ordinal = 0;
    for (const CFocusable& entry : order) {
        if (entry.widget == hit) {
            focused_ = hit->Id();
            focusedOrdinal_ = ordinal;
            return;
        }
        if (entry.widget->Id() == hit->Id()) ++ordinal;
    }
}

std::optional<WidgetId> CRootPanel::ActivateFocused() {
    const std::vector<CFocusable> order = FocusOrder(*this);
    const std::optional<std::size_t> index = FocusIndex(order);
    if (!index) return std::nullopt;
    return ActivateWidget(*order[*index].widget, this, {0, 0});
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
