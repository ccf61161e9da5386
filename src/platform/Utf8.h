// UTF-8 to code points for text layout. Malformed sequences (stray
// continuation bytes, truncated or overlong forms, surrogates) each become
// U+FFFD, so bad input draws a replacement mark instead of failing.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

std::u32string DecodeUtf8(std::string_view text);

// One step of decoding: the character that starts at a byte offset.
struct Utf8Char {
    char32_t codePoint = 0;  // U+FFFD when malformed
    std::size_t length = 0;  // bytes taken, at least 1
    bool valid = false;      // false: a malformed sequence, codePoint is only its stand-in
};

// The character starting at text[at]; at must be below text.size().
Utf8Char DecodeUtf8At(std::string_view text, std::size_t at);
