// UTF-8 decoding with U+FFFD for every malformed sequence.
#include "platform/Utf8.h"

#include <optional>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The code point starting at text[i], or none when malformed; advances i
// past what it consumed.
std::optional<char32_t> DecodeOne(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) return lead;
    // The lead byte gives the sequence length and the smallest value that
    // length may encode (anything below is an overlong form).
    int extra = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    char32_t cp = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size()) return std::nullopt;
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) return std::nullopt;  // the byte starts the next character
        cp = (cp << 6) | (next & 0x3F);
        ++i;
    }
    if (cp < smallest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    return cp;
}

}  // namespace

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) result.push_back(DecodeOne(text, i).value_or(kReplacement));
    return result;
}

Utf8Char DecodeUtf8At(std::string_view text, std::size_t at) {
    std::size_t end = at;
    const std::optional<char32_t> codePoint = DecodeOne(text, end);
    return {codePoint.value_or(kReplacement), end - at, codePoint.has_value()};
}
