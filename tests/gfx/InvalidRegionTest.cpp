// The invalid region: clipping to the client area, dropping covered
// rectangles, the erase flag, and collapsing a long list.
#include "gfx/InvalidRegion.h"

#include <gtest/gtest.h>

namespace {

const CRect kClient{0, 0, 100, 80};

TEST(InvalidRegion, CutsToTheClientAreaAndIgnoresWhatLiesOutside) {
    CInvalidRegion region;
    region.Add({-10, -10, 20, 20}, kClient, false);
    region.Add({200, 10, 220, 20}, kClient, false);
    region.Add({30, 30, 30, 40}, kClient, false);
    ASSERT_EQ(region.Rects().size(), 1u);
    EXPECT_EQ(region.Rects()[0], (CRect{0, 0, 20, 20}));
}

TEST(InvalidRegion, KeepsOnlyRectanglesNotCoveredByAnother) {
    CInvalidRegion region;
    region.Add({10, 10, 20, 20}, kClient, false);
    region.Add({12, 12, 18, 18}, kClient, false);  // inside the first
    region.Add({50, 50, 60, 60}, kClient, false);
    region.Add({45, 45, 70, 70}, kClient, false);  // covers the third
    EXPECT_EQ(region.Rects(), (std::vector<CRect>{{10, 10, 20, 20}, {45, 45, 70, 70}}));
}

TEST(InvalidRegion, EraseIsAskedOnceForTheWholeRegionUntilCleared) {
    CInvalidRegion region;
    region.Add({0, 0, 5, 5}, kClient, false);
    EXPECT_FALSE(region.Erase());
    region.Add({10, 10, 15, 15}, kClient, true);
    region.Add({20, 20, 25, 25}, kClient, false);
    EXPECT_TRUE(region.Erase());
    region.Clear();
    EXPECT_TRUE(region.IsEmpty());
    EXPECT_FALSE(region.Erase());
    region.Add({0, 0, 5, 5}, kClient, false);
    EXPECT_FALSE(region.Erase());
}

TEST(InvalidRegion, AnEmptyRectangleDoesNotAskForErase) {
    CInvalidRegion region;
    region.Add({5, 5, 5, 5}, kClient, true);
    EXPECT_TRUE(region.IsEmpty());
    EXPECT_FALSE(region.Erase());
}

TEST(InvalidRegion, ManyScatteredRectanglesCollapseIntoTheirBoundingBox) {
    CInvalidRegion region;
    for (int i = 0; i < 17; ++i) region.Add({i * 5, i * 4, i * 5 + 2, i * 4 + 2}, kClient, false);
    ASSERT_EQ(region.Rects().size(), 1u);
    EXPECT_EQ(region.Rects()[0], (CRect{0, 0, 82, 66}));
}

}  // namespace
