// Hover, hint and click routing through a root panel, with a recording owner
// window: which widget is hovered and clicked, which ancestors see a click,
// and what is invalidated in which order.
#include "ui/Badge.h"
#include "ui/PushButton.h"
#include "ui/RootPanel.h"
#include "ui/ShadowLabel.h"

#include "support/RecordingWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr WidgetId kNone = WidgetId::None();

struct Routing : ::testing::Test {
    CRecordingWindow window;
    CRootPanel root;
    void SetUp() override { root.SetOwner(&window, {0, 0, 655, 405}); }
};

TEST_F(Routing, OverlappingSiblingsHoverTheLaterAndClickTheEarlier) {
    root.AddChild<CShadowLabel>({10, 10, 60, 40}, 1, 1, -1, kNone);
    root.AddChild<CShadowLabel>({30, 20, 80, 50}, 1, 2, -1, kNone);
    EXPECT_TRUE(root.MouseMoveAt(40, 30));
    EXPECT_EQ(root.Hovered(), (WidgetId{1, 2, -1}));
    EXPECT_EQ(root.ClickAt(40, 30), (WidgetId{1, 1, -1}));
    EXPECT_EQ(root.ClickAt(70, 45), (WidgetId{1, 2, -1}));
}

TEST_F(Routing, BareRootAreaYieldsTheRootAndOutsideYieldsNone) {
    EXPECT_EQ(root.ClickAt(5, 5), CRootPanel::kRootId);
    EXPECT_EQ(root.ClickAt(700, 5), kNone);
    EXPECT_FALSE(root.MouseMoveAt(700, 5));
}

TEST_F(Routing, DisabledButtonFallsThroughToItsPanel) {
    auto* panel = root.AddChild<CPanel>({100, 100, 200, 200}, 3, -1, -1, kNone);
    auto* button = panel->AddChild<CPushButton>({10, 10, 60, 30}, 3, 1, -1, kNone);
    // Sticks out of the panel on the right.
    auto* outside = panel->AddChild<CPushButton>({90, 10, 140, 30}, 3, 2, -1, kNone);
    EXPECT_EQ(root.ClickAt(120, 120), (WidgetId{3, 1, -1}));
    button->enabled = false;
    outside->enabled = false;
    EXPECT_EQ(root.ClickAt(120, 120), (WidgetId{3, -1, -1}));
    EXPECT_EQ(panel->ClickAt(230, 120, nullptr, {0, 0}), kNone);
    // A disabled widget can still be hovered.
    EXPECT_TRUE(root.MouseMoveAt(120, 120));
    EXPECT_EQ(root.Hovered(), (WidgetId{3, 1, -1}));
}

TEST_F(Routing, DisabledContainerIgnoresClicksOnItsWholeSubtree) {
    auto* panel = root.AddChild<CPanel>({100, 100, 200, 200}, 3, -1, -1, kNone);
    panel->AddChild<CPushButton>({10, 10, 60, 30}, 3, 1, -1, kNone);
    panel->enabled = false;
    EXPECT_EQ(root.ClickAt(120, 120), CRootPanel::kRootId);
}

TEST_F(Routing, HiddenContainerHidesItsChildrenFromHoverAndClicks) {
    auto* panel = root.AddChild<CPanel>({100, 100, 200, 200}, 3, -1, -1, kNone);
    panel->AddChild<CPushButton>({10, 10, 60, 30}, 3, 1, -1, kNone);
    panel->shown = false;
    EXPECT_EQ(root.ClickAt(120, 120), CRootPanel::kRootId);
    EXPECT_TRUE(root.MouseMoveAt(120, 120));
    EXPECT_EQ(root.Hovered(), CRootPanel::kRootId);
}

// A panel that records the clicks offered to it and consumes them on request.
class CListeningPanel : public CPanel {
public:
    bool consume = false;
    std::vector<std::string>* log = nullptr;
    bool OnChildClick(const WidgetId& clicked, CRootPanel* root, CPoint origin, const CWidget*) override {
        log->push_back(caption + " " + std::to_string(clicked.id) + " root " +
                       std::to_string(root != nullptr) + " at " + std::to_string(origin.x));
        return consume;
    }
};

TEST_F(Routing, EveryAncestorIsOfferedTheClickNearestFirst) {
    std::vector<std::string> log;
    auto* outer = root.AddChild<CListeningPanel>({100, 100, 300, 300}, 4, -1, -1, kNone);
    auto* inner = outer->AddChild<CListeningPanel>({10, 10, 150, 150}, 5, -1, -1, kNone);
    inner->AddChild<CPushButton>({10, 10, 60, 30}, 6, 1, -1, kNone);
    outer->caption = "outer";
    inner->caption = "inner";
    outer->log = inner->log = &log;
    EXPECT_EQ(root.ClickAt(125, 125), (WidgetId{6, 1, -1}));
    // origin: the top-left of each panel's parent in window coordinates.
    EXPECT_EQ(log, (std::vector<std::string>{"inner 1 root 1 at 100", "outer 1 root 1 at 0"}));
}

TEST_F(Routing, AConsumingAncestorYieldsNoneAndStopsTheClick) {
    std::vector<std::string> log;
    auto* outer = root.AddChild<CListeningPanel>({100, 100, 300, 300}, 4, -1, -1, kNone);
    auto* inner = outer->AddChild<CListeningPanel>({10, 10, 150, 150}, 5, -1, -1, kNone);
    inner->AddChild<CPushButton>({10, 10, 60, 30}, 6, 1, -1, kNone);
    // A later sibling under the same point never gets the consumed click.
    root.AddChild<CShadowLabel>({100, 100, 300, 300}, 7, -1, -1, kNone);
    outer->caption = "outer";
    inner->caption = "inner";
    outer->log = inner->log = &log;
    inner->consume = true;
    EXPECT_EQ(root.ClickAt(125, 125), kNone);
    EXPECT_EQ(log, (std::vector<std::string>{"inner 1 root 1 at 100"}));
}

TEST_F(Routing, MovingWithinOneWidgetChangesNothing) {
    auto* button = root.AddChild<CPushButton>({10, 10, 60, 30}, 205, -1, -1, kNone);
    button->hint = "看看";
    EXPECT_TRUE(root.MouseMoveAt(20, 20));
    window.invalidations.clear();
    const CRect hint = root.HintRect();
    EXPECT_FALSE(root.MouseMoveAt(40, 25));
    EXPECT_TRUE(window.invalidations.empty());
    EXPECT_EQ(root.HintRect(), hint);
}

TEST_F(Routing, MovingBetweenButtonsRepaintsOldButtonOldHintNewHintNewButton) {
    auto* first = root.AddChild<CPushButton>({10, 10, 60, 30}, 205, -1, -1, kNone);
    auto* second = root.AddChild<CPushButton>({70, 10, 120, 30}, 206, -1, -1, kNone);
    first->hint = "第一";
    second->hint = "第二个";
    root.MouseMoveAt(20, 20);
    const CRect oldHint = root.HintRect();
    window.invalidations.clear();

    EXPECT_TRUE(root.MouseMoveAt(80, 20));
    const CRect newHint = root.HintRect();
    EXPECT_EQ(newHint, (CRect{80 - 29, 25, 80 + 29, 25 + 21}));
    EXPECT_EQ(window.invalidations,
              (std::vector<Invalidation>{
                  {{10, 10, 60, 30}, true}, {oldHint, true}, {newHint, true}, {{70, 10, 120, 30}, true}}));
    EXPECT_EQ(root.HintText(), "第二个");
}

TEST_F(Routing, ADisabledButtonIsNotRepaintedWhenThePointerComesOrGoes) {
    root.AddChild<CPushButton>({10, 10, 60, 30}, 205, -1, -1, kNone);
    root.AddChild<CPushButton>({70, 10, 120, 30}, 206, -1, -1, kNone)->enabled = false;
    const Invalidation enabled{{10, 10, 60, 30}, true};
    const Invalidation noHint{{0, 0, 1, 1}, true};
    root.MouseMoveAt(20, 20);
    window.invalidations.clear();
    EXPECT_TRUE(root.MouseMoveAt(80, 20));
    EXPECT_EQ(window.invalidations, (std::vector<Invalidation>{enabled, noHint, noHint}));
    window.invalidations.clear();
    EXPECT_TRUE(root.MouseMoveAt(20, 20));
    EXPECT_EQ(window.invalidations, (std::vector<Invalidation>{noHint, noHint, enabled}));
}

TEST_F(Routing, MovingBetweenLabelsRepaintsOnlyTheHints) {
    auto* first = root.AddChild<CShadowLabel>({10, 10, 60, 30}, 1, -1, -1, kNone);
    root.AddChild<CShadowLabel>({70, 10, 120, 30}, 2, -1, -1, kNone);
    first->hint = "第一";
    root.MouseMoveAt(20, 20);
    const CRect oldHint = root.HintRect();
    window.invalidations.clear();
    EXPECT_TRUE(root.MouseMoveAt(80, 20));
    // The second label has no hint: the unit box.
    EXPECT_EQ(root.HintRect(), (CRect{0, 0, 1, 1}));
    EXPECT_EQ(window.invalidations, (std::vector<Invalidation>{{oldHint, true}, {{0, 0, 1, 1}, true}}));
}

TEST_F(Routing, NestedButtonIsInvalidatedWhereItIsInTheWindow) {
    auto* panel = root.AddChild<CPanel>({10, 10, 650, 40}, 200, -1, -1, kNone);
    panel->AddChild<CPushButton>({3, 3, 53, 27}, 205, -1, -1, kNone);
    root.MouseMoveAt(20, 20);
    ASSERT_FALSE(window.invalidations.empty());
    EXPECT_EQ(window.invalidations.back(), (Invalidation{{13, 13, 63, 37}, true}));
}

TEST_F(Routing, HoverCardReplacesTheHintAndIsPlacedByItsSize) {
    auto* badge = root.AddChild<CBadge>({300, 200, 354, 216}, 1, 101, 3, kNone);
    badge->hint = "不会显示";
    CHoverCard* card = root.AddHoverCard({10, 42, 180, 147}, 1, 101, 3);
    EXPECT_EQ(root.FindHoverCard({1, 101, 3}), card);
    EXPECT_EQ(root.FindHoverCard({1, 101, 4}), nullptr);
    EXPECT_TRUE(root.MouseMoveAt(310, 210));
    EXPECT_EQ(root.ActiveHoverCard(), card);
    EXPECT_EQ(root.HintRect(), (CRect{310 - 85, 215, 310 + 85, 215 + 105}));
    // Moving to a widget without a card brings the text hint back.
    root.AddChild<CShadowLabel>({10, 10, 60, 30}, 2, -1, -1, kNone)->hint = "文字";
    root.MouseMoveAt(20, 20);
    EXPECT_EQ(root.ActiveHoverCard(), nullptr);
    EXPECT_EQ(root.HintText(), "文字");
}

TEST_F(Routing, WithoutOwnerTheHoverMovesButNothingIsInvalidated) {
    CRootPanel lonely;
    auto* button = lonely.AddChild<CPushButton>({10, 10, 60, 30}, 205, -1, -1, kNone);
    button->hint = "提示";
    EXPECT_TRUE(lonely.MouseMoveAt(20, 20));
    EXPECT_EQ(lonely.Hovered(), (WidgetId{205, -1, -1}));
    EXPECT_EQ(lonely.HintRect(), (CRect{}));
}

TEST_F(Routing, InvalidateWidgetOnlyIfItRepaintsOnHover) {
    root.AddChild<CShadowLabel>({10, 10, 60, 30}, 1, -1, -1, kNone);
    root.AddChild<CPushButton>({70, 10, 120, 30}, 2, -1, -1, kNone);
    root.InvalidateWidget({1, -1, -1}, true);
    root.InvalidateWidget({9, -1, -1}, true);
    EXPECT_TRUE(window.invalidations.empty());
    root.InvalidateWidget({1, -1, -1}, false);
    root.InvalidateWidget({2, -1, -1}, true);
    EXPECT_EQ(window.invalidations,
              (std::vector<Invalidation>{{{10, 10, 60, 30}, true}, {{70, 10, 120, 30}, true}}));
}

TEST_F(Routing, UpdateHintBoxMovesTheCardToItsNewSize) {
    root.AddChild<CPushButton>({300, 200, 350, 220}, 205, -1, -1, kNone);
    CHoverCard* card = root.AddHoverCard({10, 42, 180, 152}, 205, -1, -1);
    root.MouseMoveAt(310, 210);
    const CRect before = root.HintRect();
    card->rect.bottom = card->rect.top + 160;
    window.invalidations.clear();
    root.UpdateHintBox();
    EXPECT_EQ(root.HintRect().Height(), 160);
    EXPECT_EQ(window.invalidations, (std::vector<Invalidation>{{before, true}, {root.HintRect(), true}}));
}

}  // namespace
