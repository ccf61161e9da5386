// Quoting input for messages (see MessageQuote.h).
#include "platform/MessageQuote.h"

#include "gfx/Utf8.h"

#include <cstdio>

namespace {

std::string Escaped(const char* format, unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// How one decoded character of the input is shown.
std::string Shown(std::string_view input, std::size_t at, const Utf8Char& character) {
    if (!character.valid) {
        std::string bytes;
        for (std::size_t i = 0; i < character.length; ++i)
            bytes += Escaped("\\x%02X", static_cast<unsigned char>(input[at + i]));
        return bytes;
    }
    const char32_t c = character.codePoint;
    if (c < 0x20 || c == 0x7F) return Escaped("\\x%02X", static_cast<unsigned>(c));
    if (c >= 0x80 && c < 0xA0) return Escaped("\\u%04X", static_cast<unsigned>(c));
    if (c == '\\') return "\\\\";
    return std::string(input.substr(at, character.length));
}

}  // namespace

std::string QuoteForMessage(std::string_view input) {
    std::string quoted = "'";
    std::size_t at = 0;
    for (std::size_t shown = 0; at < input.size() && shown < kQuotedCharacters; ++shown) {
        const Utf8Char character = DecodeUtf8At(input, at);
        quoted += Shown(input, at, character);
        at += character.length;
    }
    quoted += "'";
    if (at < input.size()) quoted += "... (" + std::to_string(input.size()) + " bytes)";
    return quoted;
}
