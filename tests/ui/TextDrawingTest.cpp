// Pixel tests of the text boxes, the outlined title text and the font scaler,
// with the screens' font: where each colour's ink lies, and what each
// routine leaves set in the device context.
#include "ui/ScreenFont.h"
#include "ui/TextDrawing.h"

#include "support/PixelProbe.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kPaper = RGB(0, 0, 0);
constexpr COLORREF kFill = RGB(50, 45, 37);
constexpr COLORREF kOffset = RGB(203, 191, 163);
constexpr COLORREF kText = RGB(149, 125, 97);
constexpr COLORREF kWhite = RGB(255, 255, 255);

struct TextBox : ::testing::Test {
    CFrameBuffer image{160, 40, kPaper};
    CDC dc{image};
    void SetUp() override {
        dc.SelectObject(CreateScreenFont());
        dc.SetBkMode(OPAQUE);
        dc.SetTextColor(kWhite);
    }
};

TEST_F(TextBox, ShadowTextIsEngravedOnePixelRightAndDown) {
    const CRect box{10, 5, 110, 35};
    DrawShadowText(dc, "等级", box, kOffset, kText, kFill);
    const CRect text = BoxOf(image, kText);
    const CRect offset = BoxOf(image, kOffset);
    ASSERT_FALSE(text.IsRectEmpty());
    ASSERT_FALSE(offset.IsRectEmpty());
    // The offset copy shows only where the text does not cover it: its
    // lower-right edge lies one pixel beyond the text's.
    EXPECT_EQ(offset.right, text.right + 1);
    EXPECT_EQ(offset.bottom, text.bottom + 1);
    // Centred on one line, the box filled all around.
    EXPECT_NEAR((text.left + text.right) / 2, 60, 2);
    EXPECT_EQ(image.GetPixel(11, 6), kFill);
    EXPECT_EQ(image.GetPixel(109, 34), kFill);
    EXPECT_EQ(image.GetPixel(110, 20), kPaper);
    // Background mode and text colour are put back.
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(dc.GetTextColor(), kWhite);
}

TEST_F(TextBox, RightTextEndsAtTheRightEdgeInTheCurrentColourWhenGivenNone) {
    const CRect box{10, 5, 110, 35};
    DrawRightText(dc, "100", box, kNoColor, kFill);
    const CRect ink = BoxOf(image, kWhite);
    ASSERT_FALSE(ink.IsRectEmpty());
    EXPECT_GE(ink.right, 107);
    EXPECT_LE(ink.right, 110);
    EXPECT_GT(ink.left, 60);
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
}

TEST_F(TextBox, RightTextInItsOwnColourPutsTheOldOneBack) {
    DrawRightText(dc, "100", {10, 5, 110, 35}, kText, kFill);
    EXPECT_GT(CountOf(image, kText), 0u);
    EXPECT_EQ(CountOf(image, kWhite), 0u);
    EXPECT_EQ(dc.GetTextColor(), kWhite);
}

TEST_F(TextBox, BadgeIsARoundedBoxAndLeavesItsTextColourSet) {
    const COLORREF pen = RGB(35, 91, 129);
    const COLORREF fill = RGB(29, 60, 97);
    const COLORREF red = RGB(255, 0, 0);
    DrawBadgeBox(dc, "属性", {10, 5, 64, 21}, red, fill, pen);
    EXPECT_EQ(BoxOf(image, pen), (CRect{10, 5, 64, 21}));
    EXPECT_EQ(image.GetPixel(15, 5), pen);
    EXPECT_EQ(image.GetPixel(15, 20), pen);
    EXPECT_EQ(image.GetPixel(12, 7), fill);
    EXPECT_GT(CountOf(image, red), 0u);
    EXPECT_EQ(dc.GetTextColor(), red);
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(dc.GetCurrentPen(), CPen{});
    EXPECT_EQ(dc.GetCurrentBrush(), CBrush{});
}

TEST_F(TextBox, BadgeWithoutTextColourDrawsInTheCurrentOne) {
    DrawBadgeBox(dc, "属性", {10, 5, 64, 21}, kNoColor, RGB(29, 60, 97), RGB(35, 91, 129));
    EXPECT_GT(CountOf(image, kWhite), 0u);
    EXPECT_EQ(dc.GetTextColor(), kWhite);
}

TEST_F(TextBox, OutlinedTextIsRingedOnAllFourSides) {
    dc.SetBkMode(TRANSPARENT);
    DrawOutlinedText(dc, "训 练", {10, 5, 110, 35}, kOffset, kText);
    const CRect text = BoxOf(image, kText);
    const CRect ring = BoxOf(image, kOffset);
    ASSERT_FALSE(text.IsRectEmpty());
    EXPECT_EQ(ring.left, text.left - 1);
    EXPECT_EQ(ring.right, text.right + 1);
    EXPECT_EQ(ring.top, text.top - 1);
    EXPECT_EQ(ring.bottom, text.bottom + 1);
    EXPECT_EQ(dc.GetTextColor(), kWhite);
}

// Where any ink lies.
CRect InkBox(const CFrameBuffer& image) {
    CRect ink;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.GetPixel(x, y) != kPaper)
                ink = ink.IsRectEmpty() ? CRect{x, y, x + 1, y + 1} : ink.Union({x, y, x + 1, y + 1});
    return ink;
}

// A line that fits is drawn as it is; a wider one condensed into its box,
// its glyphs as high as before, but never below half its width: then it is
// cut at the box's edges.
TEST_F(TextBox, FittedLineIsCondensedIntoItsBoxDownToHalfItsWidth) {
    const struct {
        const char* line;
        int boxWidth;
        bool fits;
    } cases[] = {
        {"Stats", 60, true},
        {"[Hook Spear~~~~]", 100, true},
        {"[Hook Spear~~~~]", 66, true},
        {"[Hook Spear~~~~]", 40, false},
    };
    const CFont natural = dc.GetCurrentFont();
    const CRect page{0, 0, image.Width(), image.Height()};
    dc.SetBkMode(TRANSPARENT);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.line) + " in " + std::to_string(c.boxWidth));
        dc.FillSolidRect(page, kPaper);
        CRect anywhere = page;
        dc.DrawText(c.line, anywhere, DT_SINGLELINE);
        const CRect naturalInk = InkBox(image);
        dc.FillSolidRect(page, kPaper);
        const CRect box{80 - c.boxWidth / 2, 5, 80 + c.boxWidth - c.boxWidth / 2, 35};
        DrawFittedLine(dc, c.line, box, kCentredLine);
        const CRect ink = InkBox(image);
        EXPECT_EQ(dc.GetCurrentFont(), natural);
        EXPECT_EQ(ink.Intersect(box), ink);
        if (!c.fits) {
            EXPECT_GE(ink.Width(), c.boxWidth - 2);
            continue;
        }
        EXPECT_EQ(ink.Height(), naturalInk.Height());
        if (naturalInk.Width() <= c.boxWidth)
            EXPECT_EQ(ink.Width(), naturalInk.Width());
        else  // whole, not cut at both edges
            EXPECT_LE(ink.Width(), c.boxWidth - 2);
    }
}

TEST_F(TextBox, ScaleCurrentFontTruncatesTowardZero) {
    const CFont original = dc.GetCurrentFont();
    ASSERT_EQ(original.GetLogFont().height, -16);
    const CFont previous = ScaleCurrentFont(dc, 1.4f);
    EXPECT_EQ(previous, original);
    EXPECT_EQ(dc.GetCurrentFont().GetLogFont().height, -22);
    EXPECT_EQ(dc.GetCurrentFont().GetLogFont().width, 0);
    EXPECT_EQ(dc.GetCurrentFont().GetLogFont().faceName, original.GetLogFont().faceName);

    CLogFont small = original.GetLogFont();
    small.height = -10;
    small.width = 10;
    small.weight = 700;
    dc.SelectObject(CFont::CreateFontIndirect(small));
    ScaleCurrentFont(dc, 1.4f);
    // -10 x 1.4f is -13.99999976 in double precision: -13, not -14.
    EXPECT_EQ(dc.GetCurrentFont().GetLogFont().height, -13);
    EXPECT_EQ(dc.GetCurrentFont().GetLogFont().width, 13);
    EXPECT_EQ(dc.GetCurrentFont().GetLogFont().weight, 700);
}

}  // namespace
