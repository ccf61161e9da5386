// UTF-8 decoding: valid text and each kind of malformed sequence.
#include "gfx/Utf8.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf8, DecodesOneToFourByteForms) {
    EXPECT_EQ(DecodeUtf8("a国\xF0\x9F\x98\x80"), (std::u32string{U'a', 0x56FD, 0x1F600}));
}

TEST(Utf8, MalformedSequencesBecomeReplacementCharacters) {
    EXPECT_EQ(DecodeUtf8("\xE5\x9B"), U"\uFFFD");  // truncated
    EXPECT_EQ(DecodeUtf8("\xE5\x9B"
                         "a"),
              U"\uFFFDa");                                         // cut short by the next character
    EXPECT_EQ(DecodeUtf8("\x80x"), U"\uFFFDx");                    // stray continuation byte
    EXPECT_EQ(DecodeUtf8("\xC0\xAF"), U"\uFFFD\uFFFD");            // overlong: C0 starts nothing
    EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD");  // surrogate
}

// One mark for each maximal subpart: the longest start of a well-formed
// sequence, else one byte, as browsers' decoders count them.
TEST(Utf8, EachMaximalSubpartIsOneMark) {
    EXPECT_EQ(DecodeUtf8("\xF0\x9F\x98"), U"\uFFFD");                            // three of four bytes
    EXPECT_EQ(DecodeUtf8("\xF0\x9F\x98\xF0\x9F\x98\x80"), U"\uFFFD\U0001F600");  // then a whole one
    EXPECT_EQ(DecodeUtf8("\xE0\x80\x80"), U"\uFFFD\uFFFD\uFFFD");                // overlong three-byte form
    EXPECT_EQ(DecodeUtf8("\xF4\x90\x80\x80"), U"\uFFFD\uFFFD\uFFFD\uFFFD");      // above U+10FFFF
    EXPECT_EQ(DecodeUtf8("\xF8\x88\x80\x80\x80"), std::u32string(5, 0xFFFD));    // old five-byte form
    EXPECT_EQ(DecodeUtf8("\xFE\xFF"
                         "a"),
              U"\uFFFD\uFFFDa");
    EXPECT_EQ(DecodeUtf8("\xE5\x9B\xBD\xE5"), U"\u56FD\uFFFD");
    EXPECT_EQ(DecodeUtf8(std::string_view("\0", 1)), std::u32string(1, U'\0'));
}

TEST(Utf8, EncodingReadsBackForEveryLength) {
    for (const char32_t codePoint : {U'\0', U'a', U'\x7F', U'\x80', U'\u07FF', U'\u0800', U'\u56FD',
                                     U'\uFFFD', U'\U00010000', U'\U0001F600', U'\U0010FFFF'}) {
        const std::string text = EncodeUtf8(codePoint);
        const Utf8Char step = DecodeUtf8At(text, 0);
        EXPECT_TRUE(step.valid) << static_cast<unsigned>(codePoint);
        EXPECT_EQ(step.codePoint, codePoint);
        EXPECT_EQ(step.length, text.size());
    }
    EXPECT_EQ(EncodeUtf8(0x56FD), "国");
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
