// Left-click dispatch and the refresh: fights, what a level-up repaints, the
// clicks that change nothing, switching between the grid and the task
// panel, completing a task, and the right button.
#include "AppTestFixture.h"

#include "game/DefeatTally.h"
#include "game/GameWorld.h"
#include "screens/TaskPanel.h"
#include "support/RecordingWindow.h"

#include <algorithm>

namespace {

using MainScreen::FightButton;

class DispatchTest : public AppTest {
protected:
    // Invalidations go to the recorder from here on.
    void Record() { View().AttachWindow(&recorder, MainScreen::kRootRect); }
    std::vector<CRect> InvalidatedRects() const {
        std::vector<CRect> rects;
        for (const Invalidation& invalidation : recorder.invalidations) rects.push_back(invalidation.rect);
        return rects;
    }
    std::vector<bool> EnabledFlags() {
        std::vector<bool> flags;
        for (int i = 0; i < World().roster.GetCount(); ++i) flags.push_back(Widget(FightButton(i)).enabled);
        return flags;
    }

    CRecordingWindow recorder;
};

TEST_F(DispatchTest, WinningAFightLevelsUpAndRepaintsOnlyWhatChanged) {
    Record();
    const std::vector<bool> before = EnabledFlags();
    ClickOn(FightButton(0));

    EXPECT_EQ(Hero().level, 1);
    EXPECT_EQ(Widget(MainScreen::kLevelValue).caption, "1");
    EXPECT_EQ(Widget(MainScreen::kExpValue).caption, Hero().ExpText());
    const std::vector<bool> after = EnabledFlags();
    std::vector<CRect> expected = {Root().FindRect(MainScreen::kLevelValue, {0, 0}),
                                   Root().FindRect(MainScreen::kExpValue, {0, 0})};
    for (int i = 0; i < World().roster.GetCount(); ++i)
        if (before[static_cast<std::size_t>(i)] != after[static_cast<std::size_t>(i)])
            expected.push_back(Root().FindRect(FightButton(i), {0, 0}));
    ASSERT_GT(expected.size(), 2u);  // monster 1 has become beatable
    EXPECT_TRUE(after[1]);
    EXPECT_EQ(InvalidatedRects(), expected);
}

TEST_F(DispatchTest, HerosCardIsRepaintedWhileThePointerRestsOnAttributes) {
    MoveOnto(MainScreen::kAttributesButton);
    ASSERT_NE(Root().ActiveHoverCard(), nullptr);
    Record();
    const CRect card = Root().HintRect();
    ClickOn(FightButton(0));
    const std::vector<CRect> rects = InvalidatedRects();
    EXPECT_EQ(std::count(rects.begin(), rects.end(), card), 2);  // old and new place
    EXPECT_EQ(Root().HintRect(), card);
}

TEST_F(DispatchTest, TheHintUnderThePointerShowsTheEstimateAfterTheFight) {
    MoveOnto(FightButton(0));
    const std::string before = Root().HintText();
    const CRect box = Root().HintRect();
    Record();
    ClickOn(FightButton(0));
    ASSERT_NE(Widget(FightButton(0)).hint, before);  // level 1 changes the rounds
    EXPECT_EQ(Root().HintText(), Widget(FightButton(0)).hint);
    const std::vector<CRect> rects = InvalidatedRects();
    EXPECT_NE(std::find(rects.begin(), rects.end(), box), rects.end());
    EXPECT_NE(std::find(rects.begin(), rects.end(), Root().HintRect()), rects.end());
}

TEST_F(DispatchTest, ALostFightChangesNothing) {
    const std::string before = Snapshot();
    Widget(FightButton(10)).enabled = true;  // as if the estimate had changed
    ClickOn(FightButton(10));
    Widget(FightButton(10)).enabled = false;
    EXPECT_EQ(Hero().level, 0);
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(DispatchTest, RightClicksChangeNothing) {
    const std::string before = Snapshot();
    Record();
    for (const WidgetId& id : {FightButton(0), MainScreen::kAttributesButton, WidgetId{206, -1, -1}}) {
        const CPoint point = PointOn(id);
        View().OnRButtonDown(point.x, point.y);
    }
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(Hero().level, 0);
    EXPECT_TRUE(recorder.invalidations.empty());
}

TEST_F(DispatchTest, ClicksOnBareAreasDoNothing) {
    const std::string before = Snapshot();
    View().OnLButtonDown(3, 3);      // the root itself
    View().OnLButtonDown(140, 150);  // an empty part of card 0
    View().OnLButtonDown(400, 55);   // the grid's title
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(DispatchTest, BattleAndTaskButtonsSwitchTheLargeArea) {
    Record();
    ClickOn({208, -1, -1});
    EXPECT_FALSE(Widget(MainScreen::kTrainingGrid).shown);
    EXPECT_TRUE(Widget(MainScreen::kTaskPanel).shown);
    const CWidget& panel = Widget(MainScreen::kTaskPanel);
    ASSERT_EQ(panel.Children().size(), 1u);
    EXPECT_EQ(panel.Children()[0]->caption, "等级达到5级，才可接任务。");
    const CRect area{120, 40, 650, 400};
    EXPECT_EQ(InvalidatedRects(), (std::vector<CRect>{area, area}));

    ClickOn({207, -1, -1});
    EXPECT_TRUE(Widget(MainScreen::kTrainingGrid).shown);
    EXPECT_FALSE(Widget(MainScreen::kTaskPanel).shown);
}

TEST_F(DispatchTest, CompletingTheFirstTaskRefreshesAndRepaintsTheWindow) {
    Hero().RaiseLevelCap(5);
    Hero().GainExp(100);
    ASSERT_EQ(Hero().level, 5);
    for (int target : {5, 6, 7}) World().tally.Add(target, 1);
    ClickOn({208, -1, -1});
    ASSERT_TRUE(Widget({2, 1, -1}).enabled);
    Record();

    ClickOn({2, 1, -1});
    EXPECT_EQ(Hero().levelCap, 10);
    EXPECT_EQ(Root().FindWidgetAs<CTaskPanel>(MainScreen::kTaskPanel)->Stage(), 1);
    // The refresh now shows the experience towards level 6 instead of "满级".
    EXPECT_EQ(Widget(MainScreen::kExpValue).caption, Hero().ExpText());
    ASSERT_FALSE(recorder.invalidations.empty());
    EXPECT_EQ(recorder.invalidations.back(), (Invalidation{recorder.GetClientRect(), true}));
}

TEST_F(DispatchTest, CtrlNRepaintsAndChangesNothing) {
    ClickOn(FightButton(0));
    const std::string before = Snapshot();
    Record();
    View().OnKey({KeyChord::Key::Letter, 'n', true, false, false});
    EXPECT_EQ(recorder.invalidations, (std::vector<Invalidation>{{recorder.GetClientRect(), true}}));
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(Hero().level, 1);

    recorder.invalidations.clear();
    View().OnKey({KeyChord::Key::Letter, 'n', false, false, false});
    View().OnKey({KeyChord::Key::Letter, 'n', true, true, false});
    EXPECT_TRUE(recorder.invalidations.empty());
}

}  // namespace
