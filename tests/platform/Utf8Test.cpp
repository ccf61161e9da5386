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

}  // namespace
