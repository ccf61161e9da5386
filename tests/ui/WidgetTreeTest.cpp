// Building and searching widget trees: automatic groups, parents found by
// WidgetId, depth-first look-ups, rectangles in window coordinates, message
// labels, child removal, and whether a root covers its window.
#include "ui/Badge.h"
#include "ui/PushButton.h"
#include "ui/RootPanel.h"
#include "ui/ShadowLabel.h"

#include "support/RecordingWindow.h"

#include <gtest/gtest.h>

namespace {

constexpr WidgetId kNone = WidgetId::None();

TEST(AutomaticGroup, FollowsTheLargestGroupInTheSubtree) {
    CRootPanel root;
    root.AddChild<CPanel>({}, 100004, -1, -1, kNone);
    EXPECT_EQ(root.AddChild<CPanel>({}, -1, 7, 8, kNone)->Id(), (WidgetId{100005, 7, 8}));
}

TEST(AutomaticGroup, StartsAfterTheRootWithOnlySmallGroups) {
    CRootPanel root;
    root.AddChild<CPanel>({}, 2, -1, -1, kNone);
    root.AddChild<CPanel>({}, 10000, -1, -1, kNone);
    EXPECT_EQ(root.AddChild<CPanel>({}, -1, -1, -1, kNone)->Id().group, 100001);
}

TEST(AutomaticGroup, CountsTheWholeSubtreeOfTheWidgetAsked) {
    CRootPanel root;
    auto* panel = root.AddChild<CPanel>({}, 5, -1, -1, kNone);
    panel->AddChild<CPanel>({}, 123456, -1, -1, kNone);
    EXPECT_EQ(root.AddChild<CBadge>({}, -1, -1, -1, kNone)->Id().group, 123457);
    // A bare widget tree without the root starts at 100000.
    CPanel loose;
    EXPECT_EQ(loose.AddChild<CBadge>({}, -1, -1, -1, kNone)->Id().group, 100000);
    // Asked of the panel, only the panel's subtree counts.
    EXPECT_EQ(panel->AddChild<CBadge>({}, -1, -1, -1, kNone)->Id().group, 123457);
    EXPECT_EQ(panel->AddChild<CBadge>({}, -1, -1, -1, kNone)->Id().group, 123458);
}

TEST(AddChild, AppendsToTheParentFoundOrElseToItself) {
    CRootPanel root;
    auto* panel = root.AddChild<CPanel>({10, 10, 100, 100}, 3, -1, -1, kNone);
    auto* inner = root.AddChild<CShadowLabel>({1, 2, 3, 4}, 3, 1, 0, {3, -1, -1});
    auto* stray = root.AddChild<CShadowLabel>({}, 4, -1, -1, {99, 9, 9});
    ASSERT_EQ(panel->Children().size(), 1u);
    EXPECT_EQ(panel->Children()[0].get(), inner);
    EXPECT_EQ(inner->rect, (CRect{1, 2, 3, 4}));
    ASSERT_EQ(root.Children().size(), 2u);
    EXPECT_EQ(root.Children()[1].get(), stray);
}

TEST(FindWidget, SearchesChildrenBeforeTheWidgetItself) {
    CRootPanel root;
    auto* outer = root.AddChild<CPanel>({}, 7, -1, -1, kNone);
    auto* inner = outer->AddChild<CPanel>({}, 7, -1, -1, kNone);
    root.AddChild<CPanel>({}, 7, -1, -1, kNone);
    EXPECT_EQ(root.FindWidget({7, -1, -1}), inner);
    EXPECT_EQ(root.FindWidget(CRootPanel::kRootId), &root);
    EXPECT_EQ(root.FindWidget({8, -1, -1}), nullptr);
    EXPECT_EQ(root.FindWidgetAs<CPanel>({7, -1, -1}), inner);
    EXPECT_EQ(root.FindWidgetAs<CBadge>({7, -1, -1}), nullptr);
}

// A look-up the caller relies on raises the program's exception, naming the
// id, when the tree has no such widget or card, or the widget is another kind.
TEST(FindWidget, LookUpsThatMustSucceedRaiseTheProgramsException) {
    CRootPanel root;
    auto* panel = root.AddChild<CPanel>({}, 7, -1, -1, kNone);
    root.AddChild<CBadge>({}, 7, 1, 2, kNone);
    CHoverCard* card = root.AddHoverCard({0, 0, 10, 10}, 7, 1, 2);
    EXPECT_EQ(&root.WidgetAs<CPanel>({7, -1, -1}), panel);
    EXPECT_EQ(&root.HoverCard({7, 1, 2}), card);
    const auto message = [](const auto& lookUp) {
        try {
            lookUp();
        } catch (const CMyException& failure) {
            return std::string(failure.what());
        }
        return std::string("no exception");
    };
    EXPECT_EQ(message([&] { root.WidgetAs<CPanel>({8, -1, -1}); }), "界面中没有控件(8,-1,-1)");
    EXPECT_EQ(message([&] { root.WidgetAs<CBadge>({7, -1, -1}); }), "界面中没有控件(7,-1,-1)");
    EXPECT_EQ(message([&] { root.HoverCard({7, 1, 3}); }), "界面中没有控件(7,1,3)");
    EXPECT_EQ(message([&] { root.AddHoverCard({0, 0, 10, 10}, 7, 1, 3); }), "界面中没有控件(7,1,3)");
}

TEST(FindRect, AddsTheOriginsOfEveryAncestor) {
    CRootPanel root;
    root.SetOwner(nullptr, {5, 5, 600, 400});
    auto* panel = root.AddChild<CPanel>({10, 20, 200, 200}, 3, -1, -1, kNone);
    panel->AddChild<CPushButton>({3, 4, 53, 28}, 3, 1, -1, kNone);
    EXPECT_EQ(root.FindRect({3, 1, -1}, {0, 0}), (CRect{18, 29, 68, 53}));
    EXPECT_EQ(root.FindRect(CRootPanel::kRootId, {0, 0}), (CRect{5, 5, 600, 400}));
    EXPECT_EQ(root.FindRect({9, 9, 9}, {0, 0}), (CRect{}));
}

TEST(FindRect, PassesOverAnEmptyMatchToALaterOne) {
    CRootPanel root;
    root.AddChild<CBadge>({}, 6, 1, 1, kNone);
    root.AddChild<CBadge>({30, 30, 40, 40}, 6, 1, 1, kNone);
    EXPECT_EQ(root.FindRect({6, 1, 1}, {0, 0}), (CRect{30, 30, 40, 40}));
}

TEST(SetCaptionAndId, KeepsIdAndSubGivenAsMinusOne) {
    CPushButton button;
    button.SetId({4, 5, 6});
    button.SetCaptionAndId("上一页", -1, 1);
    EXPECT_EQ(button.caption, "上一页");
    EXPECT_EQ(button.Id(), (WidgetId{4, 5, 1}));
    button.SetCaptionAndId("x", 9, -1);
    EXPECT_EQ(button.Id(), (WidgetId{4, 9, 1}));
}

TEST(AddMessageLabel, FillsTheContentAreaBelowTheTitle) {
    CRootPanel root;
    auto* panel = root.AddChild<CPanel>({10, 10, 210, 110}, 2, -1, -1, kNone);
    panel->SetTitleBar(30);
    CShadowLabel* label = panel->AddMessageLabel("暂无任务");
    EXPECT_EQ(label->rect, (CRect{0, 30, 200, 100}));
    EXPECT_EQ(label->caption, "暂无任务");
    // The group is the next automatic one within the panel.
    EXPECT_EQ(label->Id(), (WidgetId{100000, -1, -1}));
    EXPECT_EQ(label->fillColor, RGB(50, 45, 37));
    ASSERT_EQ(panel->Children().size(), 1u);
}

TEST(RemoveChildren, EmptiesTheListAndLeavesSiblingsAlone) {
    CRootPanel root;
    auto* panel = root.AddChild<CPanel>({}, 2, -1, -1, kNone);
    auto* keep = panel->AddChild<CBadge>({}, 2, 1, -1, kNone);
    auto* drop = panel->AddChild<CBadge>({}, 2, 2, -1, kNone);
    panel->RemoveChild(drop);
    ASSERT_EQ(panel->Children().size(), 1u);
    EXPECT_EQ(panel->Children()[0].get(), keep);
    panel->RemoveAllChildren();
    EXPECT_TRUE(panel->Children().empty());
    EXPECT_EQ(root.FindWidget({2, 1, -1}), nullptr);
}

TEST(Defaults, EveryKindStartsWithItsOwnFill) {
    EXPECT_EQ(CPanel().fillColor, RGB(24, 36, 37));
    EXPECT_EQ(CShadowLabel().fillColor, RGB(50, 45, 37));
    EXPECT_EQ(CBadge().fillColor, RGB(29, 60, 97));
    EXPECT_EQ(CPushButton().fillColor, kNoColor);
    const CPushButton button;
    EXPECT_TRUE(button.enabled);
    EXPECT_TRUE(button.shown);
    EXPECT_EQ(button.Id(), kNone);
    EXPECT_TRUE(button.RepaintsOnHover());
    EXPECT_FALSE(CBadge().RepaintsOnHover());
    EXPECT_EQ(CRootPanel().Id(), (WidgetId{100000, -1, -1}));
}

// A root that leaves any pixel of its window unpainted must let the window
// erase first.
TEST(CoversClientArea, OnlyAFilledRootOverTheWholeClientArea) {
    CRecordingWindow window;
    CRootPanel root;
    EXPECT_FALSE(root.CoversClientArea());  // no window yet
    root.SetOwner(&window, window.GetClientRect());
    EXPECT_TRUE(root.CoversClientArea());
    root.SetOwner(&window, {0, 0, 640, 479});
    EXPECT_FALSE(root.CoversClientArea());
    root.SetOwner(&window, {-5, -5, 700, 500});
    EXPECT_TRUE(root.CoversClientArea());
    root.fillColor = kNoColor;
    EXPECT_FALSE(root.CoversClientArea());
    root.fillColor = RGB(1, 2, 3);
    root.shown = false;
    EXPECT_FALSE(root.CoversClientArea());
}

}  // namespace
