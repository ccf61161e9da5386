// Choosing the display scale (see DisplayScale.h).
#include "platform/DisplayScale.h"

#include "base/WholeNumber.h"
#include "platform/MessageQuote.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

namespace {

// strtod rather than from_chars, whose floating-point form the browser
// build's C++ library lacks; the program keeps the C locale's decimal point.
std::optional<double> DecimalIn(std::string_view text) {
    const std::string copy(text);
    char* stop = nullptr;
    const double value = std::strtod(copy.c_str(), &stop);
    if (copy.empty() || std::isspace(static_cast<unsigned char>(copy[0])) ||
        stop != copy.c_str() + copy.size())
        return std::nullopt;
    return value;
}

int Clamped(long long scale) { return static_cast<int>(std::clamp<long long>(scale, kMinScale, kMaxScale)); }

}  // namespace

std::optional<int> ParseScale(std::string_view text) {
    const std::optional<int> scale = ParseWholeNumber<int>(text);
    if (!scale || *scale < kMinScale || *scale > kMaxScale) return std::nullopt;
    return scale;
}

CScaleChoice ChooseScale(std::optional<int> requested, const CDesktopScaleHints& hints,
                         std::string* warning) {
    if (requested) return {*requested, false};
    if (hints.quorvanelScale) {
        if (const std::optional<int> scale = ParseScale(*hints.quorvanelScale)) return {*scale, false};
        *warning = "QUORVANEL_SCALE must be a whole number from 1 to 4, not " +
                   QuoteForMessage(*hints.quorvanelScale) + ": the desktop's scale is used";
    }
    if (hints.kept) return {std::clamp(*hints.kept, kMinScale, kMaxScale), true};
    if (hints.gdkScale)
        if (const std::optional<long long> scale = ParseWholeNumber<long long>(*hints.gdkScale);
            scale && *scale > 0)
            return {Clamped(*scale), true};
    if (hints.xftDpi)
        if (const std::optional<double> dpi = DecimalIn(*hints.xftDpi); dpi && *dpi > 0)
            return {Clamped(static_cast<long long>(std::min(*dpi, 1e6) / 96)), true};
    return {1, true};
}

int FittingScale(const CScaleChoice& choice, CSize client, const CRect& insets, const CRect& workArea) {
    if (!choice.automatic) return choice.scale;
    int scale = choice.scale;
    const auto fits = [&](int s) {
        return client.cx * s + insets.left + insets.right <= workArea.Width() &&
               client.cy * s + insets.top + insets.bottom <= workArea.Height();
    };
    while (scale > 1 && !fits(scale)) --scale;
    return scale;
}
