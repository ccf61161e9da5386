// The hint box: whose it is, where it goes, what it repaints, its pictures.
#include "ui/HintBox.h"

#include "ui/HintGeometry.h"
#include "ui/HoverCard.h"
#include "ui/ScreenFont.h"

#include <algorithm>

void CHintBox::TakeUp(const CWidget& widget, Owner owner, const CRect& keepClear) {
    owner_ = owner;
    ownerId_ = widget.Id();
    keepClear_ = keepClear;
    ownerHasCard_ = widget.OwnHoverCard() != nullptr;
    if (!ownerHasCard_) text_ = widget.hint;
}

bool CHintBox::Reread() {
    if (owner_ == Owner::Nobody || ShowsCard()) return false;
    const CWidget* widget = tree_.FindWidget(ownerId_);
    if (!widget || widget->hint == text_) return false;
    text_ = widget->hint;
    return true;
}

const CHoverCard* CHintBox::Card() const {
    if (!ownerHasCard_ || owner_ == Owner::Nobody) return nullptr;
    const CWidget* widget = tree_.FindWidget(ownerId_);
    return widget ? widget->OwnHoverCard() : nullptr;
}

void CHintBox::Place(CPoint pointer, const CRect& area, const Invalidate& invalidate) {
    const CRect placedRect = rect_;
    const CHintImage* placed = PlacedImage();
    const CHoverCard* card = Card();
    if (card) {
        rect_ = PlaceHint(card->rect, pointer.x, pointer.y, area);
    } else if (const CFrameBuffer* drawn = DrawnImage(CreateScreenFont())) {
        // A box drawn before has the size its text was measured to.
        rect_ = PlaceHint({0, 0, drawn->Width(), drawn->Height()}, pointer.x, pointer.y, area);
    } else {
        // Measured in the font the hint is painted with, so the box always
        // fits its text.
        CDC measuring;
        measuring.SelectObject(CreateScreenFont());
        rect_ = MeasureHint(measuring, pointer.x, pointer.y, text_, area);
    }
    // Beside the focused widget and its ring, never over them.
    if (owner_ == Owner::Focus && !rect_.IsRectEmpty() && (card || !text_.empty()))
        rect_ = PlaceBeside(rect_, keepClear_, area);
    placedText_ = card ? std::string() : text_;
    // Between two text boxes drawn before, only the pixels that differ.
    const CHintImage* next = PlacedImage();
    if (placed && next) {
        for (const CRect& changed : placed->ChangeTo(placedRect, *next, rect_)) invalidate(changed);
        return;
    }
    invalidate(placedRect);
    invalidate(rect_);
}

void CHintBox::Hide(const Invalidate& invalidate) {
    invalidate(rect_);
    owner_ = Owner::Nobody;
    ownerHasCard_ = false;
    text_.clear();
    placedText_.clear();
    rect_ = {0, 0, 1, 1};
}

void CHintBox::EmptyForPointer(const WidgetId& hovered, const Invalidate& invalidate) {
    Hide(invalidate);
    owner_ = Owner::Pointer;
    ownerId_ = hovered;
}

void CHintBox::Paint(CDC& dc, CPoint origin) const {
    if (const CHoverCard* card = Card()) {
        // Puts the card's top-left corner at the box's.
        card->DrawTree(dc, WidgetId::None(),
                       {rect_.left - origin.x - card->rect.left, rect_.top - origin.y - card->rect.top});
        return;
    }
    if (text_.empty()) return;
    dc.DrawImage(Image(dc), {rect_.left, rect_.top});
}

const CFrameBuffer* CHintBox::DrawnImage(const CFont& font) const {
    for (const CHintImage& image : images_)
        if (image.Text() == text_ && image.Style().font == font) return &image.Pixels();
    return nullptr;
}

std::vector<CHintImage>::iterator CHintBox::FindImage(const std::string& text) const {
    const CSize size{rect_.Width(), rect_.Height()};
    return std::find_if(images_.begin(), images_.end(),
                        [&](const CHintImage& image) { return image.Shows(text, *paintedStyle_, size); });
}

const CFrameBuffer& CHintBox::Image(const CDC& dc) const {
    paintedStyle_ = CHintStyle::Of(dc);
    auto found = FindImage(text_);
    if (found == images_.end()) {
        if (images_.size() == kImages) images_.erase(images_.begin());
        images_.emplace_back(text_, *paintedStyle_, CSize{rect_.Width(), rect_.Height()});
        found = images_.end() - 1;
    }
    // The one used now goes last, to stay longest.
    std::rotate(found, found + 1, images_.end());
    return images_.back().Pixels();
}

const CHintImage* CHintBox::PlacedImage() const {
    if (placedText_.empty() || !paintedStyle_) return nullptr;
    const auto found = FindImage(placedText_);
    return found == images_.end() ? nullptr : &*found;
}
