// The hint box's picture and what changes when one box gives way to another.
#include "ui/HintImage.h"

#include "ui/BoxDrawing.h"
#include "ui/TextDrawing.h"

#include <algorithm>

namespace {

constexpr COLORREF kHintOutline = RGB(193, 168, 133);
constexpr COLORREF kHintFill = RGB(32, 32, 32);
// Beyond this many text bands one rectangle round them all is cheaper to
// repaint than a long list is to clip to.
constexpr std::size_t kMostTextBands = 4;

void AddIfAny(std::vector<CRect>& rects, const CRect& rect) {
    if (!rect.IsRectEmpty()) rects.push_back(rect);
}

// Joins the rectangles from `first` on whose rows meet, so that the same
// line of text in two boxes becomes one band.
void JoinRowsThatMeet(std::vector<CRect>& rects, std::size_t first) {
    const auto bands = rects.begin() + static_cast<std::ptrdiff_t>(first);
    std::sort(bands, rects.end(), [](const CRect& a, const CRect& b) { return a.top < b.top; });
    auto joined = bands;
    for (auto band = bands; band != rects.end(); ++band) {
        if (joined != bands && band->top < (joined - 1)->bottom)
            *(joined - 1) = (joined - 1)->Union(*band);
        else
            *joined++ = *band;
    }
    rects.erase(joined, rects.end());
    if (rects.end() - bands > static_cast<std::ptrdiff_t>(kMostTextBands)) {
        CRect all;
        for (auto band = bands; band != rects.end(); ++band) all = all.Union(*band);
        rects.erase(bands + 1, rects.end());
        *bands = all;
    }
}

}  // namespace

CHintStyle CHintStyle::Of(const CDC& dc) {
    return {dc.GetCurrentFont(), dc.GetTextColor(), dc.GetBkMode(), dc.GetBkColor()};
}

// The box is opaque and its text stays inside it, so drawn on its own it has
// the very pixels it would have drawn in place.
CHintImage::CHintImage(std::string text, const CHintStyle& style, CSize size)
    : text_(std::move(text)), style_(style), pixels_(size.cx, size.cy) {
    CDC drawing(pixels_);
    drawing.SelectObject(style_.font);
    drawing.SetTextColor(style_.textColor);
    drawing.SetBkMode(style_.bkMode);
    drawing.SetBkColor(style_.bkColor);
    const CRect box{0, 0, size.cx, size.cy};
    DrawFramedBox(drawing, box, kHintOutline, kNoColor, kNoColor, kHintFill);
    CRect textArea = box.Deflated(2);
    drawing.DrawText(text_, textArea, kWrapped);
    textBands_ = FindTextBands();
}

bool CHintImage::Shows(const std::string& text, const CHintStyle& style, CSize size) const {
    return text_ == text && style_ == style && pixels_.Width() == size.cx && pixels_.Height() == size.cy;
}

// The frame is one pixel wide: its top and bottom rows are alike in every box
// but for the corner pixels, which lie in the side columns.
std::vector<CRect> CHintImage::FindTextBands() const {
    std::vector<CRect> bands;
    for (int y = 1; y + 1 < pixels_.Height(); ++y) {
        const COLORREF* row = pixels_.Row(y);
        const COLORREF* inside = row + 1;
        const COLORREF* end = row + std::max(1, pixels_.Width() - 1);
        const auto isText = [](COLORREF pixel) { return pixel != kHintFill; };
        const COLORREF* first = std::find_if(inside, end, isText);
        if (first == end) continue;
        const COLORREF* last =
            std::find_if(std::make_reverse_iterator(end), std::make_reverse_iterator(first), isText).base();
        const CRect line{static_cast<int>(first - row), y, static_cast<int>(last - row), y + 1};
        if (!bands.empty() && bands.back().bottom == y)
            bands.back() = bands.back().Union(line);
        else
            bands.push_back(line);
    }
    return bands;
}

std::vector<CRect> CHintImage::ChangeTo(const CRect& at, const CHintImage& next, const CRect& nextAt) const {
    const CRect both = at.Intersect(nextAt);
    if (at.top != nextAt.top || at.bottom != nextAt.bottom || both.IsRectEmpty()) return {at, nextAt};
    std::vector<CRect> change;
    change.reserve(8 + textBands_.size() + next.textBands_.size());
    for (const CRect& box : {at, nextAt}) {
        AddIfAny(change, {box.left, box.top, both.left, box.bottom});
        AddIfAny(change, {both.right, box.top, box.right, box.bottom});
        AddIfAny(change, CRect{box.left, box.top, box.left + 1, box.bottom}.Intersect(both));
        AddIfAny(change, CRect{box.right - 1, box.top, box.right, box.bottom}.Intersect(both));
    }
    const std::size_t firstBand = change.size();
    for (const CRect& band : textBands_) AddIfAny(change, band.Offset(at.left, at.top).Intersect(both));
    for (const CRect& band : next.textBands_)
        AddIfAny(change, band.Offset(nextAt.left, nextAt.top).Intersect(both));
    JoinRowsThatMeet(change, firstBand);
    return change;
}
