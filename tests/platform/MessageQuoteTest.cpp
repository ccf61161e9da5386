// Input quoted in messages: short text as it is, long text cut with its
// size, and everything that could break the line or the terminal escaped.
#include "platform/MessageQuote.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

namespace {

// The quote expected around inner, then after.
std::string Quote(const std::string& inner, std::string_view after = "") {
    return "'" + inner + "'" + std::string(after);
}

}  // namespace

TEST(MessageQuoteTest, ShortPrintableTextIsQuotedAsItIs) {
    EXPECT_EQ(QuoteForMessage("fight"), "'fight'");
    EXPECT_EQ(QuoteForMessage(""), "''");
    EXPECT_EQ(QuoteForMessage("打败王伏"), "'打败王伏'");
}

TEST(MessageQuoteTest, LongTextShowsSixtyCharactersAndItsSize) {
    EXPECT_EQ(QuoteForMessage(std::string(60, 'x')), Quote(std::string(60, 'x')));
    const std::string huge(1 << 20, 'x');
    EXPECT_EQ(QuoteForMessage(huge), Quote(std::string(60, 'x'), "... (1048576 bytes)"));
    // Characters, not bytes: a cut never splits a Chinese character.
    std::string chinese;
    for (int i = 0; i < 61; ++i) chinese += "王";
    EXPECT_EQ(QuoteForMessage(chinese), Quote(chinese.substr(0, 180), "... (183 bytes)"));
}

TEST(MessageQuoteTest, ControlCharactersAndBadBytesAreEscaped) {
    EXPECT_EQ(QuoteForMessage(std::string("a\0b", 3)), "'a\\x00b'");
    EXPECT_EQ(QuoteForMessage("\t\r\n\x1B[2J\x7F"), "'\\x09\\x0D\\x0A\\x1B[2J\\x7F'");
    EXPECT_EQ(QuoteForMessage("\xC2\x85"), "'\\u0085'");              // NEL, a C1 control
    EXPECT_EQ(QuoteForMessage("\xFF\xE5\x9B"), "'\\xFF\\xE5\\x9B'");  // not UTF-8, then truncated
    EXPECT_EQ(QuoteForMessage("a\\x00"), "'a\\\\x00'");               // a backslash cannot fake an escape
}

TEST(MessageQuoteTest, EscapesCountAsOneCharacterEach) {
    const std::string zeros(100, '\0');
    std::string shown;
    for (int i = 0; i < 60; ++i) shown += "\\x00";
    EXPECT_EQ(QuoteForMessage(zeros), Quote(shown, "... (100 bytes)"));
}

}  // namespace
