// Whole numbers from text, as every caller reads them: the whole text in
// decimal digits, a sign only where the type has one, nothing before or after,
// and the type's range.
#include "base/WholeNumber.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string_view>

namespace {

struct NumberCase {
    std::string_view text;
    std::optional<long long> asInt;  // ParseWholeNumber<int>
    std::optional<std::uint64_t> asUnsigned;
};

constexpr std::optional<long long> kNo;
constexpr std::optional<std::uint64_t> kNoUnsigned;

TEST(WholeNumberTest, TheWholeTextIsTheNumberWithinTheTypesRange) {
    const NumberCase cases[] = {
        {"0", 0, 0u},
        {"42", 42, 42u},
        {"007", 7, 7u},
        {"-3", -3, kNoUnsigned},
        {"-0", 0, kNoUnsigned},
        {"2147483647", 2147483647, 2147483647u},
        {"2147483648", kNo, 2147483648u},
        {"-2147483648", -2147483648LL, kNoUnsigned},
        {"-2147483649", kNo, kNoUnsigned},
        {"18446744073709551615", kNo, 18446744073709551615u},
        {"18446744073709551616", kNo, kNoUnsigned},
        {"", kNo, kNoUnsigned},
        {"-", kNo, kNoUnsigned},
        {"+5", kNo, kNoUnsigned},
        {" 5", kNo, kNoUnsigned},
        {"5 ", kNo, kNoUnsigned},
        {"5\n", kNo, kNoUnsigned},
        {"5x", kNo, kNoUnsigned},
        {"x5", kNo, kNoUnsigned},
        {"1.5", kNo, kNoUnsigned},
        {"1e3", kNo, kNoUnsigned},
        {"0x10", kNo, kNoUnsigned},
        {"２", kNo, kNoUnsigned},
    };
    for (const NumberCase& c : cases) {
        const std::optional<int> asInt = ParseWholeNumber<int>(c.text);
        EXPECT_EQ(asInt ? std::optional<long long>(*asInt) : kNo, c.asInt) << "'" << c.text << "'";
        EXPECT_EQ(ParseWholeNumber<std::uint64_t>(c.text), c.asUnsigned) << "'" << c.text << "'";
    }
    // A part of a longer text ends where the view ends.
    EXPECT_EQ(ParseWholeNumber<int>(std::string_view("123 456").substr(0, 3)), 123);
}

}  // namespace
