// Pixel tests of the device context's shapes: exclusive edges, line end
// points, the rounded outline with its brush, the 3D rectangle, clipping and
// the select/set calls that hand back what was there before.
#include "gfx/DeviceContext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(10, 20, 30);
constexpr COLORREF kFill = RGB(200, 100, 50);

// The buffer as rows of characters: '.' paper, '#' ink, 'o' fill, '?' other.
std::string Picture(const CFrameBuffer& image, const CRect& area) {
    std::string text;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF c = image.GetPixel(x, y);
            text += c == kPaper ? '.' : c == kInk ? '#' : c == kFill ? 'o' : '?';
        }
        text += '\n';
    }
    return text;
}

struct Canvas : ::testing::Test {
    CFrameBuffer image{20, 12, kPaper};
    CDC dc{image};
};

TEST_F(Canvas, FillRectLeavesOutTheRightAndBottomEdges) {
    dc.FillRect({2, 1, 5, 3}, kInk);
    dc.FillSolidRect({6, 1, 7, 2}, kFill);
    EXPECT_EQ(Picture(image, {0, 0, 8, 4}),
              "........\n"
              "..###.o.\n"
              "..###...\n"
              "........\n");
}

TEST_F(Canvas, EmptyOrInvertedRectsAndNoColourDrawNothing) {
    dc.FillRect({5, 5, 5, 9}, kInk);
    dc.FillRect({8, 8, 4, 4}, kInk);
    dc.FillRect({0, 0, 20, 12}, kNoColor);
    dc.SetPixel(1, 1, kNoColor);
    dc.Draw3dRect(2, 2, 5, 5, kNoColor, kNoColor);
    EXPECT_EQ(image, CFrameBuffer(20, 12, kPaper));
}

TEST_F(Canvas, LinesLeaveOutTheirEndPointInEveryDirection) {
    dc.SelectObject(CPen::Solid(kInk));
    dc.MoveTo(1, 1);
    dc.LineTo(5, 1);  // right
    dc.MoveTo(5, 3);
    dc.LineTo(1, 3);  // left
    dc.MoveTo(7, 1);
    dc.LineTo(7, 4);  // down
    dc.MoveTo(9, 4);
    dc.LineTo(9, 1);  // up
    EXPECT_EQ(Picture(image, {0, 0, 11, 5}),
              "...........\n"
              ".####..#...\n"
              ".......#.#.\n"
              "..####.#.#.\n"
              ".........#.\n");
}

TEST_F(Canvas, DiagonalLinesStepOnePixelPerRowAndStopShort) {
    dc.SelectObject(CPen::Solid(kInk));
    dc.MoveTo(0, 0);
    dc.LineTo(4, 4);
    dc.MoveTo(10, 0);
    dc.LineTo(6, 4);  // down-left
    EXPECT_EQ(Picture(image, {0, 0, 11, 5}),
              "#.........#\n"
              ".#.......#.\n"
              "..#.....#..\n"
              "...#...#...\n"
              "...........\n");
}

TEST_F(Canvas, ShallowLineCoversEveryColumnOnce) {
    dc.SelectObject(CPen::Solid(kInk));
    dc.MoveTo(0, 0);
    dc.LineTo(10, 3);
    for (int x = 0; x < 10; ++x) {
        int inked = 0;
        for (int y = 0; y < 4; ++y) inked += image.GetPixel(x, y) == kInk;
        EXPECT_EQ(inked, 1) << "column " << x;
    }
    EXPECT_EQ(image.GetPixel(10, 3), kPaper);
}

TEST_F(Canvas, LineToMovesThePositionEvenWithTheNullPen) {
    dc.SelectObject(CPen::Null());
    dc.MoveTo(1, 1);
    dc.LineTo(4, 1);
    dc.SelectObject(CPen::Solid(kInk));
    dc.LineTo(4, 4);
    EXPECT_EQ(Picture(image, {0, 0, 6, 5}),
              "......\n"
              "....#.\n"
              "....#.\n"
              "....#.\n"
              "......\n");
}

TEST_F(Canvas, RoundRectCutsOnePixelAtEachCornerAndFillsInside) {
    dc.SelectObject(CPen::Solid(kInk));
    dc.SelectObject(CBrush::Solid(kFill));
    dc.RoundRect({1, 1, 9, 6}, 5, 2);
    EXPECT_EQ(Picture(image, {0, 0, 10, 7}),
              "..........\n"
              "..######..\n"
              ".#oooooo#.\n"
              ".#oooooo#.\n"
              ".#oooooo#.\n"
              "..######..\n"
              "..........\n");
}

TEST_F(Canvas, RoundRectWithALargerEllipseCurvesOverSeveralRows) {
    dc.SelectObject(CPen::Solid(kInk));
    dc.SelectObject(CBrush::Solid(kFill));
    dc.RoundRect({1, 0, 15, 12}, 8, 6);
    EXPECT_EQ(Picture(image, {0, 0, 16, 12}),
              "...##########...\n"
              "..#oooooooooo#..\n"
              "..#oooooooooo#..\n"
              ".#oooooooooooo#.\n"
              ".#oooooooooooo#.\n"
              ".#oooooooooooo#.\n"
              ".#oooooooooooo#.\n"
              ".#oooooooooooo#.\n"
              ".#oooooooooooo#.\n"
              "..#oooooooooo#..\n"
              "..#oooooooooo#..\n"
              "...##########...\n");
}

TEST_F(Canvas, RoundRectWithTheNullBrushKeepsTheInside) {
    dc.SelectObject(CPen::Solid(kInk));
    dc.SelectObject(CBrush::Null());
    dc.RoundRect({0, 0, 5, 4}, 5, 2);
    EXPECT_EQ(Picture(image, {0, 0, 6, 5}),
              ".###..\n"
              "#...#.\n"
              "#...#.\n"
              ".###..\n"
              "......\n");
}

TEST_F(Canvas, RoundRectWithTheNullPenOnlyFills) {
    dc.SelectObject(CPen::Null());
    dc.SelectObject(CBrush::Solid(kFill));
    dc.RoundRect({0, 0, 5, 4}, 5, 2);
    EXPECT_EQ(Picture(image, {0, 0, 6, 5}),
              "......\n"
              ".ooo..\n"
              ".ooo..\n"
              "......\n"
              "......\n");
}

TEST_F(Canvas, Draw3dRectGivesTheCornersToTheBottomRightColour) {
    dc.Draw3dRect(1, 1, 5, 4, kInk, kFill);
    EXPECT_EQ(Picture(image, {0, 0, 7, 6}),
              ".......\n"
              ".####o.\n"
              ".#...o.\n"
              ".#...o.\n"
              ".ooooo.\n"
              ".......\n");
}

TEST_F(Canvas, ClipRegionLimitsEveryPrimitive) {
    dc.SetClipRegion({{2, 2, 5, 5}, {10, 2, 12, 3}});
    dc.FillRect({0, 0, 20, 12}, kFill);
    dc.SelectObject(CPen::Solid(kInk));
    dc.MoveTo(0, 3);
    dc.LineTo(20, 3);
    dc.SetPixel(0, 0, kInk);
    dc.SetPixel(11, 2, kInk);
    EXPECT_EQ(Picture(image, {0, 0, 13, 6}),
              ".............\n"
              ".............\n"
              "..ooo.....o#.\n"
              "..###........\n"
              "..ooo........\n"
              ".............\n");
    EXPECT_EQ(dc.GetClipBox(), (CRect{2, 2, 12, 5}));
    EXPECT_TRUE(dc.RectVisible({11, 2, 15, 9}));
    EXPECT_FALSE(dc.RectVisible({5, 0, 10, 12}));
}

// Draws with and without a clip region: inside the region the pixels must be
// those of the unclipped drawing, outside it untouched paper.
void ExpectClippedLikeUnclipped(void (*draw)(CDC&)) {
    const std::vector<CRect> region{{3, 2, 7, 6}, {12, 0, 20, 4}};
    CFrameBuffer whole(20, 12, kPaper);
    CDC wholeDc(whole);
    draw(wholeDc);
    CFrameBuffer clipped(20, 12, kPaper);
    CDC clippedDc(clipped);
    clippedDc.SetClipRegion(region);
    draw(clippedDc);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool inside = region[0].PtInRect(x, y) || region[1].PtInRect(x, y);
            EXPECT_EQ(clipped.GetPixel(x, y), inside ? whole.GetPixel(x, y) : kPaper) << x << "," << y;
        }
    }
}

TEST(DeviceContextClip, EveryShapeIsCutToTheRegion) {
    ExpectClippedLikeUnclipped([](CDC& dc) {
        dc.SelectObject(CPen::Solid(kInk));
        dc.SelectObject(CBrush::Solid(kFill));
        dc.RoundRect({1, 1, 18, 10}, 5, 2);
    });
    ExpectClippedLikeUnclipped([](CDC& dc) { dc.Draw3dRect(2, 1, 15, 9, kInk, kFill); });
    ExpectClippedLikeUnclipped([](CDC& dc) {
        dc.SelectObject(CPen::Solid(kInk));
        dc.MoveTo(0, 11);
        dc.LineTo(19, 0);
    });
}

TEST_F(Canvas, ClipRegionStaysInsideTheTarget) {
    dc.SetClipRect({-5, -5, 100, 100});
    EXPECT_EQ(dc.GetClipBox(), (CRect{0, 0, 20, 12}));
    dc.SelectObject(CPen::Solid(kInk));
    dc.MoveTo(-3, -3);
    dc.LineTo(30, 30);  // runs off both sides without writing outside
    EXPECT_EQ(image.GetPixel(11, 11), kInk);
}

TEST_F(Canvas, AnExcludedRectangleIsLeftUntouched) {
    dc.SetClipRegion({{0, 0, 6, 6}, {3, 3, 12, 9}});
    dc.ExcludeClipRect({2, 2, 10, 4});
    EXPECT_FALSE(dc.RectVisible({2, 2, 10, 4}));
    dc.FillRect({0, 0, 20, 12}, kInk);
    EXPECT_EQ(image.GetPixel(1, 1), kInk);
    EXPECT_EQ(image.GetPixel(2, 2), kPaper);
    EXPECT_EQ(image.GetPixel(9, 3), kPaper);
    EXPECT_EQ(image.GetPixel(10, 3), kInk);
    EXPECT_EQ(image.GetPixel(5, 4), kInk);
    EXPECT_EQ(image.GetPixel(12, 4), kPaper);  // never in the region
    int area = 0;
    for (const CRect& piece : dc.GetClipRegion()) area += piece.Width() * piece.Height();
    EXPECT_EQ(area, 36 + 54 - 9 - 12);  // the two rectangles less their overlap and the hole
}

TEST_F(Canvas, OverlappingClipRectsBecomeDisjoint) {
    dc.SetClipRegion({{0, 0, 6, 6}, {3, 3, 9, 9}, {0, 0, 2, 2}});
    EXPECT_EQ(dc.GetClipBox(), (CRect{0, 0, 9, 9}));
    EXPECT_FALSE(dc.RectVisible({6, 0, 9, 3}));
    EXPECT_TRUE(dc.RectVisible({8, 8, 9, 9}));
}

TEST_F(Canvas, AnImageIsCopiedInsideTheRegionAndARestoredRegionHoldsAgain) {
    dc.SetClipRegion({{0, 0, 4, 3}, {6, 0, 9, 3}});
    dc.SaveClipRegion();
    dc.ExcludeClipRect({0, 0, 20, 12});
    EXPECT_EQ(dc.GetClipBox(), CRect{});
    dc.RestoreClipRegion();
    EXPECT_EQ(dc.GetClipBox(), (CRect{0, 0, 9, 3}));
    CFrameBuffer stamp(6, 2, kFill);
    stamp.SetPixel(0, 0, kInk);
    dc.DrawImage(stamp, {2, 1});
    EXPECT_EQ(Picture(image, {0, 0, 10, 4}),
              "..........\n"
              "..#o..oo..\n"
              "..oo..oo..\n"
              "..........\n");
}

TEST(DeviceContextState, SelectAndSetReturnThePreviousValues) {
    CDC dc;
    const CPen red = CPen::Solid(RGB(255, 0, 0));
    EXPECT_EQ(dc.SelectObject(red), CPen::Solid(RGB(0, 0, 0)));
    EXPECT_EQ(dc.SelectObject(CPen::Null()), red);
    const CBrush blue = CBrush::Solid(RGB(0, 0, 255));
    EXPECT_EQ(dc.SelectObject(blue), CBrush::Solid(RGB(255, 255, 255)));
    EXPECT_EQ(dc.SelectObject(CBrush::Null()), blue);
    EXPECT_EQ(dc.GetCurrentBrush(), CBrush::Null());
    EXPECT_EQ(dc.SetTextColor(RGB(1, 2, 3)), RGB(0, 0, 0));
    EXPECT_EQ(dc.SetTextColor(RGB(4, 5, 6)), RGB(1, 2, 3));
    EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
    EXPECT_EQ(dc.SetBkMode(OPAQUE), TRANSPARENT);
    EXPECT_EQ(dc.SetBkColor(RGB(7, 8, 9)), RGB(255, 255, 255));
}

TEST(DeviceContextState, MeasuringContextDrawsNothingAndSeesNothing) {
    CDC dc;
    dc.FillRect({0, 0, 10, 10}, kInk);
    dc.RoundRect({0, 0, 10, 10}, 5, 2);
    EXPECT_FALSE(dc.RectVisible({0, 0, 10, 10}));
    EXPECT_EQ(dc.GetPixel(0, 0), kNoColor);
}

}  // namespace
