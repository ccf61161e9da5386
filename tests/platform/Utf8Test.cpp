// UTF-8 decoding: valid text and each kind of malformed sequence.
#include "platform/Utf8.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf8, DecodesOneToFourByteForms) {
    EXPECT_EQ(DecodeUtf8("a国\xF0\x9F\x98\x80"), (std::u32string{U'a', 0x56FD, 0x1F600}));
}

TEST(Utf8, MalformedSequencesBecomeReplacementCharacters) {
    EXPECT_EQ(DecodeUtf8("\xE5\x9B"), U"\uFFFD");  // truncated
    EXPECT_EQ(DecodeUtf8("\xE5\x9B"
                         "a"),
              U"\uFFFDa");                             // cut short by the next character
    EXPECT_EQ(DecodeUtf8("\x80x"), U"\uFFFDx");        // stray continuation byte
    EXPECT_EQ(DecodeUtf8("\xC0\xAF"), U"\uFFFD");      // overlong
    EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), U"\uFFFD");  // surrogate
}

TEST(Utf8, StepsGiveEachCharacterItsLengthAndWhetherItIsWellFormed) {
    const std::string_view text =
        "a国\xE5\x9B"
        "b";
    const Utf8Char a = DecodeUtf8At(text, 0);
    EXPECT_EQ(a.codePoint, U'a');
    EXPECT_EQ(a.length, 1u);
    EXPECT_TRUE(a.valid);
    const Utf8Char guo = DecodeUtf8At(text, 1);
    EXPECT_EQ(guo.codePoint, 0x56FDu);
    EXPECT_EQ(guo.length, 3u);
    EXPECT_TRUE(guo.valid);
    const Utf8Char cut = DecodeUtf8At(text, 4);  // stops before the 'b' it cannot use
    EXPECT_EQ(cut.codePoint, 0xFFFDu);
    EXPECT_EQ(cut.length, 2u);
    EXPECT_FALSE(cut.valid);
    EXPECT_TRUE(DecodeUtf8At("\xEF\xBF\xBD", 0).valid);  // U+FFFD itself is well formed
}

}  // namespace
