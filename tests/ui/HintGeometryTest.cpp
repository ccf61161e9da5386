// The hint box's size and place by the pointer, near every edge of the area.
#include "ui/HintGeometry.h"
#include "ui/ScreenFont.h"

#include <gtest/gtest.h>

namespace {

const CRect kArea{0, 0, 655, 405};

TEST(PlaceHint, CentresUnderThePointer) {
    EXPECT_EQ(PlaceHint({7, 7, 107, 47}, 300, 100, kArea), (CRect{250, 105, 350, 145}));
    // Odd widths leave the larger half right of the pointer.
    EXPECT_EQ(PlaceHint({0, 0, 101, 40}, 300, 100, kArea).left, 250);
}

TEST(PlaceHint, KeepsFivePixelsFromTheLeftAndRightEdges) {
    const CRect area{20, 0, 400, 300};
    EXPECT_EQ(PlaceHint({0, 0, 100, 40}, 23, 100, area).left, 25);
    EXPECT_EQ(PlaceHint({0, 0, 100, 40}, 397, 100, area).left, 295);
    // Exactly flush with an edge is left alone.
    EXPECT_EQ(PlaceHint({0, 0, 100, 40}, 70, 100, area).left, 20);
    EXPECT_EQ(PlaceHint({0, 0, 100, 40}, 350, 100, area).left, 300);
}

TEST(PlaceHint, GoesAboveThePointerNearTheBottom) {
    EXPECT_EQ(PlaceHint({0, 0, 100, 40}, 300, 395, kArea).top, 395 - 65);
    // Ending 5 pixels above the bottom still fits below.
    EXPECT_EQ(PlaceHint({0, 0, 100, 40}, 300, 355, kArea).top, 360);
    EXPECT_EQ(PlaceHint({0, 0, 100, 40}, 300, 356, kArea).top, 356 - 65);
}

TEST(MeasureHint, EmptyTextGivesTheUnitBox) {
    CDC dc;
    EXPECT_EQ(MeasureHint(dc, 300, 100, "", kArea), (CRect{0, 0, 1, 1}));
}

TEST(MeasureHint, FitsTheWrappedTextWithRoomRightAndBelow) {
    CDC dc;
    dc.SelectObject(CreateScreenFont());
    // Two lines of three 16-pixel characters: 48 + 10 wide, 32 + 5 high.
    const CRect box = MeasureHint(dc, 300, 100, "打得过\r\n打不过", kArea);
    EXPECT_EQ(box, (CRect{271, 105, 329, 142}));
}

TEST(MeasureHint, WrapsAtTheAreaWidth) {
    CDC dc;
    dc.SelectObject(CreateScreenFont());
    const CRect narrow{0, 0, 80, 400};
    const CRect box = MeasureHint(dc, 40, 10, "一二三四五六七八九十", narrow);
    // Five characters fit in 80 pixels: two lines.
    EXPECT_EQ(box.Height(), 2 * 16 + 5);
    EXPECT_EQ(box.Width(), 80 + 10);
}

// Beside the focused widget: below, above, right, left, whichever fits
// first in the area (0, 0, 655, 405); never over the widget.
TEST(PlaceBeside, TakesTheFirstSideThatFitsAndNeverCoversTheWidget) {
    const CRect box{0, 0, 100, 40};
    struct Case {
        CRect avoid;
        CRect placed;
    };
    for (const Case& c : {
             Case{{300, 100, 360, 120}, {280, 125, 380, 165}},  // below, centred
             Case{{0, 100, 60, 120}, {5, 125, 105, 165}},       // kept 5 inside the left edge
             Case{{300, 360, 360, 400}, {280, 315, 380, 355}},  // above: no room below
             Case{{300, 20, 360, 385}, {365, 182, 465, 222}},   // right: none above or below
             Case{{560, 20, 620, 385}, {455, 182, 555, 222}},   // left
         }) {
        const CRect placed = PlaceBeside(box, c.avoid, kArea);
        EXPECT_EQ(placed, c.placed);
        EXPECT_TRUE(placed.Intersect(c.avoid).IsRectEmpty());
    }
    // Where nothing fits, on the roomier side, out of the area but clear of the widget.
    const CRect tall = PlaceBeside({0, 0, 100, 300}, {10, 150, 640, 200}, kArea);
    EXPECT_EQ(tall.top, 205);
}

}  // namespace
