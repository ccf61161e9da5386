// Widgets growing to a longer caption: nothing moves for a caption that
// fits; one that does not fit grows its way by the overflow and a margin.
#include "ui/CaptionFit.h"
#include "ui/ScreenFont.h"

#include <gtest/gtest.h>

namespace {

TEST(CaptionFitTest, OnlyACaptionWiderThanItsWidgetMakesItGrow) {
    const int wide = ScreenTextWidth("[Fight~~]");  // 9 half-width characters
    ASSERT_EQ(ScreenTextWidth("讨伐"), 32);
    const struct {
        const char* caption;
        EGrowth growth;
        CRect grown;
    } cases[] = {
        {"讨伐", EGrowth::kBoth, {48, 65, 102, 86}},
        {"Fight\r\n讨伐", EGrowth::kBoth, {48, 65, 102, 86}},
        {"[Fight~~]", EGrowth::kRight, {48, 65, 48 + wide + 4, 86}},
        {"[Fight~~]", EGrowth::kLeft, {102 - wide - 4, 65, 102, 86}},
        {"[Fight~~]", EGrowth::kBoth, {48 - (wide - 50) / 2, 65, 102 + (wide - 50) - (wide - 50) / 2, 86}},
        {"ok\r\n[Fight~~]", EGrowth::kRight, {48, 65, 48 + wide + 4, 86}},
    };
    for (const auto& test : cases) {
        CWidget widget;
        widget.rect = {48, 65, 102, 86};
        widget.caption = test.caption;
        GrowToCaption(widget, test.growth);
        EXPECT_EQ(widget.rect, test.grown) << test.caption;
        EXPECT_EQ(CaptionOverflow(widget), 0) << test.caption;
    }
}

TEST(CaptionFitTest, AGrowingLabelTakesItsRoomFromTheValueBesideIt) {
    CWidget label, value;
    label.rect = {2, 2, 52, 27};
    value.rect = {52, 2, 105, 27};
    label.caption = "等级";
    GrowLabelBeforeValue(label, value);
    EXPECT_EQ(label.rect.right, 52);
    EXPECT_EQ(value.rect.left, 52);
    label.caption = "[Level~~]";
    GrowLabelBeforeValue(label, value);
    EXPECT_EQ(value.rect.left, label.rect.right);
    EXPECT_EQ(value.rect.right, 105);
    EXPECT_EQ(CaptionOverflow(label), 0);
}

}  // namespace
