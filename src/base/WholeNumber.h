// Whole numbers read from text, as the command line, scripts and the
// environment give them: the whole text is the number, in decimal digits,
// with a leading '-' only for a signed type. Empty text, a '+', spaces before
// or after, anything after the digits and a value out of the type's range
// are no number.
#pragma once

#include <charconv>
#include <concepts>
#include <optional>
#include <string_view>

template <std::integral Number>
std::optional<Number> ParseWholeNumber(std::string_view text) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, value);
    if (failure != std::errc() || stop != end) return std::nullopt;
    return value;
}
