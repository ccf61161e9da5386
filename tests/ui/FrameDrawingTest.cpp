// Pixel tests of the framed box and the push button frame, and of the two
// colours derived from the system palette.
#include "ui/BoxDrawing.h"
#include "ui/SystemColors.h"

#include "support/PixelProbe.h"

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRingTopLeft = RGB(255, 202, 130);
constexpr COLORREF kRingBottomRight = RGB(255, 193, 111);

struct Canvas : ::testing::Test {
    CFrameBuffer image{80, 44, kBlack};
    CDC dc{image};
};

// The button frame on (10, 10, 70, 32): R = 66, B = 30.
constexpr int kLeft = 10, kTop = 10, kR = 66, kB = 30;

using ButtonFrame = Canvas;

bool OnSide(int x, int y) {
    const bool topOrBottom = (y == kTop || y == kB) && x >= kLeft + 2 && x <= kR - 2;
    const bool leftOrRight = (x == kLeft || x == kR) && y >= kTop + 2 && y <= kB - 2;
    return topOrBottom || leftOrRight;
}

TEST_F(ButtonFrame, DisabledIsTheFourOpenSidesInButtonShadowAndNothingElse) {
    DrawButtonFrame(dc, 10, 10, 70, 32, ButtonState::Disabled);
    const COLORREF shadow = GetSysColor(SysColor::ButtonShadow);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            ASSERT_EQ(image.GetPixel(x, y), OnSide(x, y) ? shadow : kBlack) << x << "," << y;
}

TEST_F(ButtonFrame, NormalHasSidesShadeAndTwelveCornerPixels) {
    DrawButtonFrame(dc, 10, 10, 70, 32, ButtonState::Normal);
    const COLORREF highlight = GetSysColor(SysColor::Highlight);
    const COLORREF tint = HighlightTint();
    const COLORREF shade = LightFaceColor();

    const struct {
        int x, y;
        COLORREF colour;
    } corners[] = {
        {11, 10, tint}, {10, 11, tint}, {11, 11, highlight},  // top left
        {11, 30, tint}, {10, 29, tint}, {11, 29, highlight},  // bottom left
        {65, 10, tint}, {66, 11, tint}, {65, 11, highlight},  // top right
        {65, 30, tint}, {66, 29, tint}, {65, 29, highlight},  // bottom right
    };
    for (const auto& c : corners) EXPECT_EQ(image.GetPixel(c.x, c.y), c.colour) << c.x << "," << c.y;
    // The outermost corners stay open.
    for (const CPoint p : {CPoint{10, 10}, CPoint{66, 10}, CPoint{10, 30}, CPoint{66, 30}})
        EXPECT_EQ(image.GetPixel(p.x, p.y), kBlack) << p.x << "," << p.y;

    for (int x = 12; x <= 64; ++x) {
        EXPECT_EQ(image.GetPixel(x, 10), highlight);
        EXPECT_EQ(image.GetPixel(x, 30), highlight);
        EXPECT_EQ(image.GetPixel(x, 29), shade);
        EXPECT_EQ(image.GetPixel(x, 28), shade);
    }
    for (int y = 12; y <= 28; ++y) {
        EXPECT_EQ(image.GetPixel(10, y), highlight);
        EXPECT_EQ(image.GetPixel(66, y), highlight);
        EXPECT_EQ(image.GetPixel(65, y), shade);
        EXPECT_EQ(image.GetPixel(64, y), shade);
    }
    // Nothing inside the shade, nothing right of or below the frame.
    EXPECT_EQ(image.GetPixel(30, 20), kBlack);
    for (int y = 0; y < image.Height(); ++y) {
        EXPECT_EQ(image.GetPixel(67, y), kBlack);
        EXPECT_EQ(image.GetPixel(69, y), kBlack);
    }
    EXPECT_EQ(CountOf(image, kRingTopLeft) + CountOf(image, kRingBottomRight), 0u);
}

bool OnOutline(const CRect& r, int x, int y) {
    const bool inside = r.PtInRect(x, y);
    return inside && (x == r.left || x == r.right - 1 || y == r.top || y == r.bottom - 1);
}

TEST_F(ButtonFrame, HoverDiffersFromNormalOnlyByTheTwoRings) {
    DrawButtonFrame(dc, 10, 10, 70, 32, ButtonState::Hover);
    CFrameBuffer normal(80, 44, kBlack);
    CDC normalDc(normal);
    DrawButtonFrame(normalDc, 10, 10, 70, 32, ButtonState::Normal);

    const CRect ring1{11, 11, kR, kB};
    const CRect ring2 = ring1.Deflated(1);
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            if (image.GetPixel(x, y) == normal.GetPixel(x, y)) continue;
            EXPECT_TRUE(OnOutline(ring1, x, y) || OnOutline(ring2, x, y)) << x << "," << y;
        }
    }
    // Top and left of each ring in the light orange, bottom and right deeper.
    for (int ring = 0; ring < 2; ++ring) {
        EXPECT_EQ(image.GetPixel(40, 11 + ring), kRingTopLeft);
        EXPECT_EQ(image.GetPixel(11 + ring, 20), kRingTopLeft);
        EXPECT_EQ(image.GetPixel(40, 29 - ring), kRingBottomRight);
        EXPECT_EQ(image.GetPixel(65 - ring, 20), kRingBottomRight);
    }
    // The corner pixels go on top of the rings.
    EXPECT_EQ(image.GetPixel(11, 11), GetSysColor(SysColor::Highlight));
    EXPECT_EQ(image.GetPixel(65, 29), GetSysColor(SysColor::Highlight));
}

TEST_F(ButtonFrame, PutsThePenBack) {
    dc.SelectObject(CPen::Solid(RGB(1, 2, 3)));
    DrawButtonFrame(dc, 10, 10, 70, 32, ButtonState::Hover);
    EXPECT_EQ(dc.GetCurrentPen(), CPen::Solid(RGB(1, 2, 3)));
}

using FramedBox = Canvas;

TEST_F(FramedBox, WithNoColoursDrawsNothing) {
    DrawFramedBox(dc, {10, 10, 50, 40}, kNoColor, kNoColor, kNoColor, kNoColor);
    EXPECT_EQ(CountOf(image, kBlack), 80u * 44u);
}

TEST_F(FramedBox, OnlyOutlineThreeLiesTwoPixelsInside) {
    const COLORREF outline = RGB(200, 0, 0);
    DrawFramedBox(dc, {10, 10, 50, 40}, kNoColor, kNoColor, outline, kNoColor);
    EXPECT_EQ(BoxOf(image, outline), (CRect{12, 12, 48, 38}));
    // An outline, not a fill.
    EXPECT_EQ(image.GetPixel(30, 25), kBlack);
}

TEST_F(FramedBox, OutlinesNestInwardOverTheFill) {
    const COLORREF o1 = RGB(200, 0, 0), o2 = RGB(0, 200, 0), o3 = RGB(0, 0, 200);
    const COLORREF fill = RGB(50, 50, 50);
    dc.SelectObject(CBrush::Solid(RGB(9, 9, 9)));
    DrawFramedBox(dc, {10, 10, 50, 40}, o1, o2, o3, fill);
    EXPECT_EQ(BoxOf(image, o1), (CRect{10, 10, 50, 40}));
    EXPECT_EQ(BoxOf(image, o2), (CRect{11, 11, 49, 39}));
    EXPECT_EQ(BoxOf(image, o3), (CRect{12, 12, 48, 38}));
    // The fill lies under the outlines: it shows in the rounded-off corner.
    EXPECT_EQ(image.GetPixel(10, 10), fill);
    EXPECT_EQ(image.GetPixel(13, 13), fill);
    EXPECT_EQ(image.GetPixel(46, 36), fill);
    const std::array<COLORREF, 4> inward{o1, o2, o3, fill};
    for (int depth = 0; depth < 4; ++depth) EXPECT_EQ(image.GetPixel(30, 10 + depth), inward[depth]);
    EXPECT_EQ(image.GetPixel(50, 25), kBlack);
    EXPECT_EQ(dc.GetCurrentBrush(), CBrush::Solid(RGB(9, 9, 9)));
}

// Restores the palette a test changes.
struct Palette : ::testing::Test {
    COLORREF face = GetSysColor(SysColor::ButtonFace);
    COLORREF highlight = GetSysColor(SysColor::Highlight);
    void TearDown() override {
        SetSysColor(SysColor::ButtonFace, face);
        SetSysColor(SysColor::Highlight, highlight);
    }
};

TEST_F(Palette, HighlightTintOfTheClassicBlue) {
    SetSysColor(SysColor::Highlight, RGB(0, 120, 215));
    EXPECT_EQ(HighlightTint(), RGB(174, 204, 227));
}

TEST_F(Palette, HighlightTintLiftsAGreyToNearWhite) {
    // Quarters 63; d = 192 - 26 = 166; 63 + 166 = 229.
    SetSysColor(SysColor::Highlight, RGB(255, 255, 255));
    EXPECT_EQ(HighlightTint(), RGB(229, 229, 229));
}

TEST_F(Palette, LightFaceColorFollowsThePaletteAtEveryCall) {
    SetSysColor(SysColor::ButtonFace, RGB(240, 240, 240));
    EXPECT_EQ(LightFaceColor(), RGB(241, 241, 241));
    SetSysColor(SysColor::ButtonFace, RGB(255, 0, 128));
    EXPECT_EQ(LightFaceColor(), RGB(252, 61, 157));
}

}  // namespace
