// UTF-8, read by one rule everywhere (drawing, JSON output, the font check).
// A well-formed sequence (RFC 3629: no overlong forms, no surrogates,
// nothing above U+10FFFF) is one code point. Anything else becomes U+FFFD,
// one for each maximal subpart: the longest start of a well-formed sequence
// there, or else a single byte (the Unicode Standard's recommended practice,
// also what browsers' decoders do). So a sequence cut short is one mark, and
// each byte that can start nothing is a mark of its own.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

struct Utf8Step {
    char32_t codePoint = kReplacementCharacter;
    std::size_t length = 1;  // bytes consumed, at least 1
    bool wellFormed = false;
};

// The code point (or U+FFFD) starting at text[at], which must be in range.
Utf8Step DecodeUtf8At(std::string_view text, std::size_t at);
std::u32string DecodeUtf8(std::string_view text);
// codePoint (at most U+10FFFF, no surrogate) as UTF-8.
std::string EncodeUtf8(char32_t codePoint);
