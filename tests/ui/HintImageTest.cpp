// A hint box giving way to another: every pixel that differs between the two
// windows lies in the area the old box names as changed.
#include "ui/HintImage.h"
#include "ui/ScreenFont.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kDesk = RGB(24, 36, 37);

CHintStyle ScreenStyle() {
    CHintStyle style;
    style.font = CreateScreenFont();
    style.textColor = RGB(255, 255, 255);
    style.bkMode = TRANSPARENT;
    return style;
}

CFrameBuffer WindowWith(const CHintImage& box, const CRect& at) {
    CFrameBuffer window(420, 120, kDesk);
    CDC dc(window);
    dc.DrawImage(box.Pixels(), {at.left, at.top});
    return window;
}

bool Inside(const std::vector<CRect>& area, int x, int y) {
    for (const CRect& rect : area)
        if (rect.PtInRect(x, y)) return true;
    return false;
}

struct BoxChange {
    const char* name;
    std::string before;
    CRect beforeAt;
    std::string after;
    CRect afterAt;
    bool repaintsLessThanBothBoxes;
};

void PrintTo(const BoxChange& change, std::ostream* out) { *out << change.name; }

class HintChange : public testing::TestWithParam<BoxChange> {};

TEST_P(HintChange, EveryChangedPixelIsInTheArea) {
    const BoxChange& change = GetParam();
    const CHintImage before(change.before, ScreenStyle(),
                            {change.beforeAt.Width(), change.beforeAt.Height()});
    const CHintImage after(change.after, ScreenStyle(), {change.afterAt.Width(), change.afterAt.Height()});
    const std::vector<CRect> area = before.ChangeTo(change.beforeAt, after, change.afterAt);
    const CFrameBuffer was = WindowWith(before, change.beforeAt);
    const CFrameBuffer is = WindowWith(after, change.afterAt);
    int changed = 0;
    int repainted = 0;
    for (int y = 0; y < was.Height(); ++y) {
        for (int x = 0; x < was.Width(); ++x) {
            const bool inArea = Inside(area, x, y);
            repainted += inArea;
            if (was.GetPixel(x, y) == is.GetPixel(x, y)) continue;
            ++changed;
            ASSERT_TRUE(inArea) << "(" << x << ", " << y << ") changed outside the area";
        }
    }
    EXPECT_GT(changed, 0);
    const int bothBoxes = change.beforeAt.Width() * change.beforeAt.Height() +
                          change.afterAt.Width() * change.afterAt.Height() -
                          change.beforeAt.Intersect(change.afterAt).Width() *
                              change.beforeAt.Intersect(change.afterAt).Height();
    EXPECT_EQ(repainted < bothBoxes, change.repaintsLessThanBothBoxes) << repainted << " of " << bothBoxes;
}

const std::string kShort = "打得过\r\n你1回合消灭对方。";
const std::string kLong = "打不过\r\n你5回合消灭对方，对方5回合消灭你。\r\n你每回合给对方造成25.00伤害。";
const std::string kLatin = "Beatable\r\nYou need 1 round; it needs 9.";

INSTANTIATE_TEST_SUITE_P(
    Boxes, HintChange,
    testing::Values(
        BoxChange{"MovedRight", kLong, {5, 20, 305, 73}, kLong, {60, 20, 360, 73}, true},
        BoxChange{"MovedLeftWithOtherText", kLong, {100, 20, 400, 73}, kShort, {10, 20, 310, 73}, true},
        BoxChange{"SamePlaceOtherText", kShort, {50, 20, 250, 73}, kLatin, {50, 20, 250, 73}, true},
        BoxChange{"NarrowerOnTheSameRows", kLong, {5, 20, 305, 73}, kLatin, {40, 20, 240, 73}, true},
        BoxChange{"OtherRows", kLong, {5, 20, 305, 73}, kShort, {60, 30, 360, 83}, false},
        BoxChange{"ApartOnTheSameRows", kShort, {5, 20, 150, 73}, kLatin, {200, 20, 400, 73}, false}),
    [](const testing::TestParamInfo<BoxChange>& param) { return param.param.name; });

}  // namespace
