// Script text cut into lines: every kind of line end, a CR LF that arrives in
// two parts, a byte-order mark, and the same lines through a reading thread.
#include "automation/DescriptorLines.h"
#include "automation/LineSplitter.h"
#include "support/TextDescriptor.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& text) {
    CLineSplitter splitter;
    std::vector<std::string> lines;
    for (const char byte : text)
        if (std::optional<std::string> line = splitter.Push(byte)) lines.push_back(*line);
    if (std::optional<std::string> line = splitter.Finish()) lines.push_back(*line);
    return lines;
}

using Texts = std::vector<std::string>;

TEST(LineSplitterTest, LfCrLfAndLoneCrEachEndOneLine) {
    EXPECT_EQ(Lines("a\nb\r\nc\rd"), (Texts{"a", "b", "c", "d"}));
    EXPECT_EQ(Lines("a\r\r\nb\n\nc\n"), (Texts{"a", "", "b", "", "c"}));
    EXPECT_EQ(Lines("state\r"), (Texts{"state"}));
    EXPECT_EQ(Lines(""), Texts{});
    EXPECT_EQ(Lines("\n"), (Texts{""}));
    EXPECT_EQ(Lines(std::string("a\0b\n", 4)), (Texts{std::string("a\0b", 3)}));
}

TEST(LineSplitterTest, ACrIsALineEndAtOnceAndItsLfComingLaterIsNoSecondOne) {
    CLineSplitter splitter;
    for (const char byte : std::string("stat")) EXPECT_FALSE(splitter.Push(byte));
    EXPECT_EQ(splitter.Push('e'), std::nullopt);
    EXPECT_EQ(splitter.Push('\r'), "state");  // handed on before the LF arrives
    EXPECT_EQ(splitter.Push('\n'), std::nullopt);
    EXPECT_EQ(splitter.Push('\n'), "");  // a second LF is a blank line
    EXPECT_EQ(splitter.Finish(), std::nullopt);
}

TEST(LineSplitterTest, AByteOrderMarkAtTheStartIsSkippedAndNowhereElse) {
    EXPECT_EQ(Lines("\xEF\xBB\xBFstate\nquit\n"), (Texts{"state", "quit"}));
    EXPECT_EQ(Lines("\xEF\xBB\xBF"), (Texts{""}));
    EXPECT_EQ(Lines("a\n\xEF\xBB\xBF"
                    "b\n"),
              (Texts{"a",
                     "\xEF\xBB\xBF"
                     "b"}));
    EXPECT_EQ(Lines("\xEF\xBB"), (Texts{"\xEF\xBB"}));
}

TEST(LineSplitterTest, DescriptorLinesSplitTheSameWay) {
    const std::unique_ptr<CLineSource> lines =
        ReadDescriptorLines(TextDescriptor("\xEF\xBB\xBF"
                                           "a\rb\r\nc\n\nd"));
    Texts read;
    while (std::optional<std::string> line = lines->Next()) read.push_back(*line);
    EXPECT_EQ(read, (Texts{"a", "b", "c", "", "d"}));
}

}  // namespace
