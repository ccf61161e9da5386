// Pixel tests of DrawText with the game's face: where the ink of centred,
// right-aligned and wrapped text lies, the measured extent of wrapped mixed
// CJK and Latin text, 1-bit glyphs at 16 pixels and blended ones at 22, the
// background modes, fonts read back, and the missing-font message.
#include "base/MyException.h"
#include "gfx/DeviceContext.h"
#include "gfx/FontCheck.h"

#include "support/FailureReason.h"
#include "support/PortableEnv.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(0, 0, 0);

// The bounding box of every pixel that is not paper.
CRect InkBox(const CFrameBuffer& image) {
    CRect box;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.GetPixel(x, y) != kPaper) box = box.Union({x, y, x + 1, y + 1});
    return box;
}

std::set<COLORREF> Colours(const CFrameBuffer& image) {
    std::set<COLORREF> colours;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) colours.insert(image.GetPixel(x, y));
    return colours;
}

struct Text : ::testing::Test {
    CFrameBuffer image{200, 80, kPaper};
    CDC dc{image};
    void SetUp() override {
        dc.SelectObject(CFont::CreatePointFont(120, "宋体"));
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(kInk);
    }
    CRect Measure(const char* text, int width) {
        CRect r{10, 20, 10 + width, 20};
        dc.DrawText(text, r, DT_CALCRECT | DT_WORDBREAK);
        return r;
    }
};

TEST_F(Text, CentredLineSitsInTheMiddleOfItsBox) {
    CRect box{0, 0, 100, 30};
    dc.DrawText("国国", box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const CRect ink = InkBox(image);
    // Two 16-pixel cells start at (100 - 32) / 2 = 34, the line at (30 - 16) / 2 = 7.
    EXPECT_GE(ink.left, 34);
    EXPECT_LE(ink.left, 36);
    EXPECT_LE(ink.right, 66);
    EXPECT_GE(ink.right, 63);
    EXPECT_GE(ink.top, 7);
    EXPECT_LE(ink.bottom, 23);
    EXPECT_GE(ink.Height(), 12);
}

TEST_F(Text, RightLineEndsAtTheRightEdge) {
    CRect box{0, 0, 100, 30};
    dc.DrawText("攻击 99", box, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    const CRect ink = InkBox(image);
    EXPECT_LE(ink.right, 100);
    EXPECT_GE(ink.right, 97);
    EXPECT_GE(ink.left, 100 - 16 * 2 - 8 * 3);
}

TEST_F(Text, SingleLineIsClippedAtItsRectangle) {
    CRect box{20, 10, 50, 20};
    dc.DrawText("很长很长很长的一行文字", box, DT_LEFT | DT_SINGLELINE);
    const CRect ink = InkBox(image);
    EXPECT_EQ(ink.Intersect(box), ink);
    EXPECT_GE(ink.right, 48);  // cut off, not left out
}

TEST_F(Text, WrappedTextBreaksBetweenCjkCharacters) {
    CRect box{0, 0, 40, 80};
    EXPECT_EQ(dc.DrawText("一二三四五", box, DT_WORDBREAK), 48);
    const CRect ink = InkBox(image);
    EXPECT_LE(ink.right, 32);   // two characters to a line
    EXPECT_GT(ink.bottom, 32);  // a third line
    EXPECT_LE(ink.bottom, 48);
}

TEST_F(Text, TextIsCutToTheClipRegion) {
    const CRect region{40, 5, 60, 12};
    CFrameBuffer whole = image;
    CDC wholeDc(whole);
    wholeDc.SelectObject(dc.GetCurrentFont());
    wholeDc.SetBkMode(TRANSPARENT);
    dc.SetClipRect(region);
    for (CDC* target : {&wholeDc, &dc}) {
        CRect box{0, 0, 200, 20};
        target->DrawText("国国国国国国", box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 200; ++x)
            EXPECT_EQ(image.GetPixel(x, y), region.PtInRect(x, y) ? whole.GetPixel(x, y) : kPaper);
    EXPECT_NE(InkBox(image), CRect{});
}

TEST_F(Text, CjkGlyphsStayInsideTheirSixteenPixelLine) {
    CRect box{0, 0, 200, 80};
    dc.DrawText("国讨伐任务面板属性背包攻", box, DT_WORDBREAK);
    const CRect ink = InkBox(image);
    EXPECT_GE(ink.top, 0);
    EXPECT_LE(ink.bottom, 16);
}

TEST_F(Text, MeasureGivesTheExtentOfMixedText) {
    // CJK cells are 16 pixels wide, Latin ones 8, spaces too.
    EXPECT_EQ(Measure("攻击力 Attack 100", 500), (CRect{10, 20, 10 + 136, 36}));
    // Wrapped at 60: "攻击力" | "Attack" | "100".
    EXPECT_EQ(Measure("攻击力 Attack 100", 60), (CRect{10, 20, 10 + 48, 68}));
}

TEST_F(Text, MeasureKeepsLatinWordsWholeAndBreaksTooLongOnes) {
    EXPECT_EQ(Measure("ab cdef", 40), (CRect{10, 20, 10 + 32, 52}));
    EXPECT_EQ(Measure("abcdefghij", 40), (CRect{10, 20, 10 + 40, 52}));
    // CJK next to Latin breaks without a space.
    EXPECT_EQ(Measure("经验exp", 40), (CRect{10, 20, 10 + 32, 52}));
}

TEST_F(Text, MeasureBreaksAtCrLfAndDrawsNothing) {
    EXPECT_EQ(Measure("第一行\r\n二\r\n\r\n", 500), (CRect{10, 20, 10 + 48, 20 + 3 * 16}));
    EXPECT_EQ(Measure("a\nb", 500), (CRect{10, 20, 18, 52}));
    EXPECT_EQ(image, CFrameBuffer(200, 80, kPaper));
}

TEST_F(Text, SixteenPixelGlyphsAreOneBit) {
    CRect box{0, 0, 200, 40};
    dc.DrawText("属性背包 Level 5", box, DT_LEFT | DT_SINGLELINE);
    EXPECT_EQ(Colours(image), (std::set<COLORREF>{kPaper, kInk}));
}

TEST_F(Text, TwentyTwoPixelGlyphsAreBlended) {
    CLogFont title = dc.GetCurrentFont().GetLogFont();
    title.height = -22;
    dc.SelectObject(CFont::CreateFontIndirect(title));
    CRect box{0, 0, 200, 40};
    dc.DrawText("任务", box, DT_LEFT | DT_SINGLELINE);
    EXPECT_GT(Colours(image).size(), 5u);
    const CRect ink = InkBox(image);
    EXPECT_GT(ink.Height(), 16);
    EXPECT_LE(ink.bottom, 22);
}

TEST_F(Text, OpaqueModeFillsTheTextExtentWithTheBackground) {
    constexpr COLORREF kBack = RGB(200, 0, 0);
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(kBack);
    CRect box{10, 10, 190, 70};
    dc.DrawText("国a", box, DT_LEFT | DT_SINGLELINE);
    EXPECT_EQ(InkBox(image), (CRect{10, 10, 34, 26}));
    EXPECT_EQ(Colours(image), (std::set<COLORREF>{kPaper, kInk, kBack}));
}

TEST(Fonts, PointSizeAndDescriptionReadBack) {
    const CFont font = CFont::CreatePointFont(120, "宋体");
    EXPECT_EQ(font.GetLogFont().height, -16);
    EXPECT_EQ(font.GetLogFont().faceName, "宋体");
    EXPECT_EQ(CFont::CreatePointFont(90, "宋体").GetLogFont().height, -12);

    CLogFont scaled = font.GetLogFont();
    scaled.height = -22;
    const CFont title = CFont::CreateFontIndirect(scaled);
    EXPECT_EQ(title.GetLogFont(), scaled);
    CDC dc;
    dc.SelectObject(title);
    EXPECT_EQ(dc.GetTextExtent("任务"), (CSize{44, 22}));
}

TEST(Fonts, SelectReturnsThePreviousFontAndAFreshContextMeasuresAtSixteen) {
    CDC dc;
    EXPECT_TRUE(dc.GetCurrentFont().IsNull());
    EXPECT_EQ(dc.GetCurrentFont().GetLogFont().height, -16);
    EXPECT_EQ(dc.GetTextExtent("国 a"), (CSize{32, 16}));
    const CFont font = CFont::CreatePointFont(90, "宋体");
    EXPECT_TRUE(dc.SelectObject(font).IsNull());
    EXPECT_EQ(dc.SelectObject(CFont()), font);
}

TEST(Fonts, MissingFontIsReportedInOneLineNamingThePackage) {
    EXPECT_EQ(FailureReason(CheckGameFont()), "");
    ::setenv("QUORVANEL_FONT", "/nonexistent/uming.ttc", 1);
    const std::string problem = FailureReason(CheckGameFont());
    ::unsetenv("QUORVANEL_FONT");
    EXPECT_NE(problem.find("fonts-arphic-uming"), std::string::npos) << problem;
    EXPECT_NE(problem.find("/nonexistent/uming.ttc"), std::string::npos) << problem;
    EXPECT_EQ(problem.find('\n'), std::string::npos);
}

// An empty file and a file that is no font are refused, each with its
// reason, and the refused file's stream is released (the leak check sees it).
TEST(Fonts, AFileThatIsNoFontIsReportedLikeAMissingOne) {
    const std::string empty = ::testing::TempDir() + "quorvanel-empty-font.ttc";
    const std::string text = ::testing::TempDir() + "quorvanel-text-font.ttc";
    std::ofstream(empty, std::ios::binary).flush();
    std::ofstream(text, std::ios::binary) << "this is not a font\n";
    for (const auto& [path, reason] : {std::pair{empty, "is empty"}, std::pair{text, "is not a font"}}) {
        ::setenv("QUORVANEL_FONT", path.c_str(), 1);
        const std::string problem = FailureReason(CheckGameFont());
        ::unsetenv("QUORVANEL_FONT");
        EXPECT_NE(problem.find("the font file " + path + " (QUORVANEL_FONT) " + reason), std::string::npos)
            << problem;
        EXPECT_EQ(problem.find('\n'), std::string::npos);
    }
    std::remove(empty.c_str());
    std::remove(text.c_str());
}

// No library code ends the process: a font that went away after the start-up
// check raises the program's exception, which the error box shows.
TEST(Fonts, CreatingAFontWithoutItsFileRaisesTheProgramsException) {
    ::setenv("QUORVANEL_FONT", "/nonexistent/uming.ttc", 1);
    EXPECT_THROW(CFont::CreatePointFont(130, "宋体"), CMyException);  // a size no other test opened
    ::unsetenv("QUORVANEL_FONT");
}

TEST(Fonts, OverrideFileOpensTheGamesFaceOfTheCollection) {
    ::setenv("QUORVANEL_FONT", "/usr/share/fonts/truetype/arphic/uming.ttc", 1);
    const std::string problem = FailureReason(CheckGameFont());
    ::unsetenv("QUORVANEL_FONT");
    EXPECT_EQ(problem, "");
}

}  // namespace
