// CHintBox: what a root panel shows over its tree for one widget: the
// widget's hover card, or else its hint as text in a framed box, placed by
// the pointer or, for the focused widget, beside it and its ring. It keeps
// the last few text boxes it drew (CHintImage), so that moving between a
// few buttons draws each box once, and a box giving way to another repaints
// only the pixels where the two differ.
#pragma once

#include "gfx/DeviceContext.h"
#include "ui/HintImage.h"
#include "ui/WidgetId.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CHoverCard;
class CWidget;

class CHintBox {
public:
    // Whose hint the box shows.
    enum class Owner { Pointer, Focus, Nobody };
    // Repaints an area of the window (window coordinates).
    using Invalidate = std::function<void(const CRect&)>;

    // tree: where the widget whose card shows is looked up at each use, so
    // that a card gone with its widget is never drawn.
    explicit CHintBox(const CWidget& tree) : tree_(tree) {}

    // The box is for widget's card, or else its hint, on behalf of owner;
    // while it is for the focus, it keeps clear of keepClear (the focused
    // widget with its ring). Place puts it where it goes.
    void TakeUp(const CWidget& widget, Owner owner, const CRect& keepClear = {});
    // Takes up the owner widget's hint again after a screen has changed it;
    // false when the box shows a card, nothing, or the same text.
    bool Reread();
    // Measures the box and places it by the point inside area, or beside
    // what it keeps clear of; invalidates what changes.
    void Place(CPoint pointer, const CRect& area, const Invalidate& invalidate);
    // Shows nothing until the next TakeUp; invalidates where the box was.
    void Hide(const Invalidate& invalidate);
    // Shows nothing, as Hide, but stays the pointer's, for hovered: the
    // pointer's next look at its hint takes it up again.
    void EmptyForPointer(const WidgetId& hovered, const Invalidate& invalidate);

    // Draws the card or the text box; origin: the root's top-left corner.
    void Paint(CDC& dc, CPoint origin) const;
    // Whether the box is a text box that fills its rectangle.
    bool CoversItsRect() const { return !ShowsCard() && !text_.empty(); }

    Owner GetOwner() const { return owner_; }
    // The widget whose hint or card shows; none once hidden.
    WidgetId OwnerId() const { return owner_ == Owner::Nobody ? WidgetId::None() : ownerId_; }
    const CRect& Rect() const { return rect_; }
    // The hint text when no card shows.
    const std::string& Text() const { return text_; }
    // The card that shows, or null.
    const CHoverCard* Card() const;

private:
    // The last few text boxes drawn.
    static constexpr std::size_t kImages = 4;

    bool ShowsCard() const { return Card() != nullptr; }
    // The box's image for the text in dc's font and colours.
    const CFrameBuffer& Image(const CDC& dc) const;
    // The box drawn before for text at the rectangle's size in the last
    // painted style (which must be known), or the end of the list.
    std::vector<CHintImage>::iterator FindImage(const std::string& text) const;
    // An image of the text in font, drawn before, or null.
    const CFrameBuffer* DrawnImage(const CFont& font) const;
    // The text box placed at the rectangle, as the last paint's style draws
    // it; null for a card, no hint or a box not drawn yet.
    const CHintImage* PlacedImage() const;

    const CWidget& tree_;
    Owner owner_ = Owner::Pointer;
    WidgetId ownerId_ = WidgetId::None();
    bool ownerHasCard_ = false;
    CRect keepClear_;
    CRect rect_;
    std::string text_;                                // the owner's hint, when no card shows
    std::string placedText_;                          // the text the rectangle was placed for
    mutable std::vector<CHintImage> images_;          // most recently used last
    mutable std::optional<CHintStyle> paintedStyle_;  // the style of the last box painted
};
