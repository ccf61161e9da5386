// Input quoted inside a one-line message for the terminal: in single quotes,
// at most kQuotedCharacters characters of it, so that a huge argument or
// script line cannot flood standard error, and nothing in it can move the
// cursor or break the line: control characters and bytes that are not UTF-8
// are written as \xNN (C1 controls as \uNNNN), a backslash as \\. A cut
// quote is followed by "..." and the input's full size.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t kQuotedCharacters = 60;

std::string QuoteForMessage(std::string_view input);
