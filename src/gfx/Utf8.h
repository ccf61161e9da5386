// UTF-8, read by one rule everywhere (drawing, JSON output, quoted input in
// messages, the font check). A well-formed sequence (RFC 3629: no overlong
// forms, no surrogates, nothing above U+10FFFF) is one code point. Anything
// else becomes U+FFFD, one for each maximal subpart: the longest start of a
// well-formed sequence there, or else a single byte (the Unicode Standard's
// recommended practice, also what browsers' decoders do). So a sequence cut
// short is one mark, and each byte that can start nothing is a mark of its own.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// One step of decoding: the character that starts at a byte offset.
struct Utf8Char {
    char32_t codePoint = kReplacementCharacter;  // U+FFFD when malformed
    std::size_t length = 1;                      // bytes taken, at least 1
    bool valid = false;  // false: a malformed sequence, codePoint is only its stand-in
};

// The character starting at text[at]; at must be below text.size().
Utf8Char DecodeUtf8At(std::string_view text, std::size_t at);
std::u32string DecodeUtf8(std::string_view text);
// codePoint (at most U+10FFFF, no surrogate) as UTF-8.
std::string EncodeUtf8(char32_t codePoint);
