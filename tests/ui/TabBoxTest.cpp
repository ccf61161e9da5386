// The tab box: where tabs and pages go, how tabs are numbered, and which
// clicks select a tab.
#include "ui/Badge.h"
#include "ui/RootPanel.h"
#include "ui/TabBox.h"

#include "support/RecordingWindow.h"

#include <gtest/gtest.h>

namespace {

constexpr WidgetId kNone = WidgetId::None();

struct Tabs : ::testing::Test {
    CRecordingWindow window;
    CRootPanel root;
    CTabBox* box = nullptr;
    CPagedGrid* pages[3] = {};
    void SetUp() override {
        root.SetOwner(&window, {0, 0, 655, 405});
        box = root.AddChild<CTabBox>({10, 10, 310, 210}, 7, -1, -1, kNone);
        pages[0] = box->AddTab("技能");
        pages[1] = box->AddTab("装备");
        pages[2] = box->AddTab("杂物");
    }
    const CWidget& Child(int i) const { return *box->Children()[i]; }
};

TEST_F(Tabs, ThreeTabsSixtyWideSixtyFiveApartNumberedFrom101) {
    ASSERT_EQ(box->Children().size(), 6u);
    const int lefts[] = {0, 65, 130};
    for (int k = 0; k < 3; ++k) {
        const CWidget& tab = Child(2 * k);
        EXPECT_EQ(tab.rect, (CRect{lefts[k], 0, lefts[k] + 60, 20}));
        EXPECT_EQ(tab.Id(), (WidgetId{7, 101 + k, 0}));
        EXPECT_EQ(&Child(2 * k + 1), pages[k]);
        EXPECT_EQ(pages[k]->rect, (CRect{0, 22, 300, 200}));
        EXPECT_EQ(pages[k]->Id(), (WidgetId{7, 101 + k, -1}));
        EXPECT_TRUE(pages[k]->shown);
    }
    EXPECT_EQ(Child(2).caption, "装备");
    // Default grid geometry on every page.
    EXPECT_EQ(pages[0]->TitleHeight(), 0);
}

TEST_F(Tabs, NumbersFollowTheLargestIdAbove100InTheBoxGroup) {
    pages[0]->AddChild<CBadge>({}, 7, 150, 1, kNone);
    pages[0]->AddChild<CBadge>({}, 8, 900, 1, kNone);
    EXPECT_EQ(box->AddTab("四")->Id(), (WidgetId{7, 151, -1}));
    auto* numbered = root.AddChild<CTabBox>({}, 9, 120, -1, kNone);
    EXPECT_EQ(numbered->AddTab("一")->Id(), (WidgetId{9, 121, -1}));
}

TEST_F(Tabs, ClickingATabShowsItsPageRepaintsTheBoxAndIsConsumed) {
    // The second tab at (65, 0, 125, 20) in the box.
    EXPECT_EQ(root.ClickAt(10 + 70, 10 + 5), kNone);
    EXPECT_FALSE(pages[0]->shown);
    EXPECT_TRUE(pages[1]->shown);
    EXPECT_FALSE(pages[2]->shown);
    for (int k = 0; k < 3; ++k) EXPECT_TRUE(Child(2 * k).shown);
    EXPECT_EQ(window.invalidations, (std::vector<Invalidation>{{{10, 10, 310, 210}, true}}));
}

TEST_F(Tabs, ACellClickPassesThroughGridAndBoxUnchanged) {
    box->SelectTab(101);
    pages[0]->AddChild<CBadge>({}, 7, 101, 1, kNone);
    pages[0]->LayOut();
    // The first cell at (3, 3, 32, 32) of the page, 22 below the box's top.
    EXPECT_EQ(root.ClickAt(10 + 10, 10 + 22 + 10), (WidgetId{7, 101, 1}));
    EXPECT_TRUE(pages[0]->shown);
    EXPECT_TRUE(window.invalidations.empty());
}

TEST_F(Tabs, ACellWithATabsWidgetIdSelectsNoTab) {
    box->SelectTab(101);
    pages[0]->AddChild<CBadge>({}, 7, 103, 0, kNone);
    pages[0]->LayOut();
    EXPECT_EQ(root.ClickAt(10 + 10, 10 + 22 + 10), (WidgetId{7, 103, 0}));
    EXPECT_TRUE(pages[0]->shown);
    EXPECT_FALSE(pages[2]->shown);
}

TEST_F(Tabs, BeforeAnyTabIsSelectedTheLastPageTakesTheHover) {
    for (CPagedGrid* page : pages) {
        page->AddChild<CBadge>({}, 7, page->Id().id, 1, kNone);
        page->LayOut();
    }
    root.MouseMoveAt(10 + 10, 10 + 22 + 10);
    EXPECT_EQ(root.Hovered(), (WidgetId{7, 103, 1}));
    // ... while the click reaches the earliest page.
    EXPECT_EQ(root.ClickAt(10 + 10, 10 + 22 + 10), (WidgetId{7, 101, 1}));
}

}  // namespace
