// Growing widgets to their captions (see CaptionFit.h).
#include "ui/CaptionFit.h"

#include "ui/ScreenFont.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr int kGrowthMargin = 4;

}  // namespace

int CaptionOverflow(const CWidget& widget) {
    std::string_view text = widget.caption;
    int widest = 0;
    for (std::size_t end; !text.empty(); text.remove_prefix(std::min(end + 2, text.size()))) {
        end = std::min(text.find("\r\n"), text.size());
        widest = std::max(widest, ScreenTextWidth(text.substr(0, end)));
    }
    return std::max(0, widest - widget.rect.Width());
}

void GrowToCaption(CWidget& widget, EGrowth growth) {
    // A widget that grows keeps a little room beside its caption for its frame.
    const int overflow = CaptionOverflow(widget) > 0 ? CaptionOverflow(widget) + kGrowthMargin : 0;
    if (growth == EGrowth::kRight) widget.rect.right += overflow;
    if (growth == EGrowth::kLeft) widget.rect.left -= overflow;
    if (growth == EGrowth::kBoth) {
        widget.rect.left -= overflow / 2;
        widget.rect.right += overflow - overflow / 2;
    }
}

void GrowLabelBeforeValue(CWidget& label, CWidget& value) {
    GrowToCaption(label, EGrowth::kRight);
    value.rect.left = std::max(value.rect.left, label.rect.right);
}
