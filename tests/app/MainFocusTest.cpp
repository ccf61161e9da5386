// The keyboard on the main screen: Tab's order over the top bar, the cards
// and the page bar (wrapping), PageDown focusing the second page's first
// card, the arrows going straight to the widget below or beside, Escape
// hiding the hint or card until the pointer reaches another widget, and the
// focus staying on "属性" while its page is open and after; F2 and F4 open the
// attribute page and the bag wherever the focus is, and with a modifier do
// nothing.
#include "AppTestFixture.h"
#include "support/PageScript.h"

#include "screens/AttributePage.h"
#include "screens/BagPage.h"

#include <vector>

namespace {

using namespace MainScreen;

KeyChord Key(KeyChord::Key key) { return {key, 0, false, false, false}; }

class MainFocusTest : public AppTest {};

TEST_F(MainFocusTest, TabReadsTheTopBarThenTheCardsRowByRowThenThePageBar) {
    std::vector<WidgetId> expected{
        kAttributesButton, {kBagGroup, -1, -1}, {kBattleGroup, -1, -1}, {kTasksGroup, -1, -1}};
    for (int row = 0; row < 2; ++row) {
        for (int i = 3 * row; i < 3 * row + 3; ++i) {
            expected.push_back(MonsterCardPart(i, kStatsBadgePart));
            expected.push_back(MonsterCardPart(i, kRewardBadgePart));
        }
        for (int i = 3 * row; i < 3 * row + 3; ++i) expected.push_back(FightButton(i));
    }
    expected.push_back({kTrainingGroup, -1, 1});  // 上一页, disabled
    expected.push_back({kTrainingGroup, -1, 2});  // 下一页
    expected.push_back(kAttributesButton);        // wrapped
    std::vector<WidgetId> seen{View().Focus().FocusedId()};
    for (std::size_t i = 1; i < expected.size(); ++i) {
        View().OnKey(Key(KeyChord::Key::Tab));
        seen.push_back(View().Focus().FocusedId());
    }
    EXPECT_EQ(seen, expected);

    View().OnKey(Key(KeyChord::Key::PageDown));
    EXPECT_EQ(View().Focus().FocusedId(), MonsterCardPart(6, kStatsBadgePart));
}

TEST_F(MainFocusTest, ArrowsGoStraightToTheWidgetBelowOrBesideBeforeOneAskew) {
    const WidgetId battle{kBattleGroup, -1, -1};
    struct Move {
        WidgetId from;
        KeyChord::Key key;
        WidgetId to;
    };
    // The first row of cards holds monsters 0 to 2, the second 3 to 5.
    const std::vector<Move> moves{
        {kAttributesButton, KeyChord::Key::Down, MonsterCardPart(0, kStatsBadgePart)},  // not the second row
        {MonsterCardPart(0, kStatsBadgePart), KeyChord::Key::Right, MonsterCardPart(0, kRewardBadgePart)},
        {MonsterCardPart(0, kRewardBadgePart), KeyChord::Key::Left, MonsterCardPart(0, kStatsBadgePart)},
        {FightButton(0), KeyChord::Key::Down, FightButton(3)},  // not the 属性 badge grazing its column
        {FightButton(0), KeyChord::Key::Up, MonsterCardPart(0, kStatsBadgePart)},  // not the top bar
        {FightButton(0), KeyChord::Key::Right, FightButton(1)},
        {MonsterCardPart(0, kRewardBadgePart), KeyChord::Key::Right, MonsterCardPart(1, kStatsBadgePart)},
        {MonsterCardPart(0, kStatsBadgePart), KeyChord::Key::Up, battle},
        {FightButton(3), KeyChord::Key::Up, MonsterCardPart(3, kStatsBadgePart)},
        {MonsterCardPart(3, kStatsBadgePart), KeyChord::Key::Up, MonsterCardPart(0, kStatsBadgePart)},
        {kAttributesButton, KeyChord::Key::Left, kAttributesButton},  // nothing there: the focus stays
    };
    for (const Move& move : moves) {
        ASSERT_TRUE(View().Focus().FocusWidget(Widget(move.from)));
        View().OnKey(Key(move.key));
        EXPECT_EQ(View().Focus().FocusedId(), move.to)
            << move.from.group << "," << move.from.id << "," << move.from.sub << " key "
            << static_cast<int>(move.key);
    }
}

TEST_F(MainFocusTest, EscapeHidesTheHintUntilThePointerReachesAnotherWidget) {
    MoveOnto(FightButton(1));
    EXPECT_FALSE(Root().HintText().empty());
    View().OnKey(Key(KeyChord::Key::Escape));
    EXPECT_TRUE(Root().HintText().empty());
    const CPoint point = PointOn(FightButton(1));
    View().OnMouseMove(point.x + 1, point.y);
    EXPECT_TRUE(Root().HintText().empty());
    MoveOnto(FightButton(2));
    EXPECT_EQ(Root().HintText(), Widget(FightButton(2)).hint);
    // Escape hides the hero's card too; a key that moves the focus shows the
    // focused widget's.
    MoveOnto(kAttributesButton);
    View().OnKey(Key(KeyChord::Key::Escape));
    EXPECT_EQ(Root().ActiveHoverCard(), nullptr);
    View().OnKey(Key(KeyChord::Key::Space));
    EXPECT_EQ(Root().ActiveHoverCard(), Root().FindHoverCard(kAttributesButton));
}

TEST_F(MainFocusTest, TheFocusStaysOnTheButtonThatOpenedAPageAndItsRingWithIt) {
    CScript script;
    bool pageSeen = false;
    script.Then(
        [&] {
            pageSeen = TopPage<CAttributePage>(*platform) != nullptr;
            EXPECT_FALSE(TopPage(*platform)->ShowsFocusRing());
        },
        Press(KeyChord::Key::Escape));
    script.InstallOn(*platform);
    View().OnKey(Key(KeyChord::Key::Space));  // the ring on "属性"
    View().OnKey(Key(KeyChord::Key::Space));  // opens the page, runs the script
    EXPECT_TRUE(pageSeen);
    EXPECT_EQ(View().Focus().FocusedId(), kAttributesButton);
    EXPECT_TRUE(View().ShowsFocusRing());
}

TEST_F(MainFocusTest, F2AndF4OpenTheAttributePageAndTheBagAsTheirButtons) {
    struct Case {
        KeyChord key;
        bool attributes;
        bool bag;
    };
    const Case cases[] = {
        {Key(KeyChord::Key::F2), true, false},
        {Key(KeyChord::Key::F4), false, true},
        {{KeyChord::Key::F2, 0, true, false, false}, false, false},
        {{KeyChord::Key::F4, 0, false, true, false}, false, false},
    };
    for (const Case& c : cases) {
        bool attributes = false;
        bool bag = false;
        CScript script;
        script.Then(
            [&] {
                attributes = TopPage<CAttributePage>(*platform) != nullptr;
                bag = TopPage<CBagPage>(*platform) != nullptr;
            },
            Press(KeyChord::Key::Escape));
        script.InstallOn(*platform);
        View().OnKey(Key(KeyChord::Key::Tab));  // away from "属性"
        View().OnKey(c.key);
        EXPECT_EQ(attributes, c.attributes);
        EXPECT_EQ(bag, c.bag);
    }
}

}  // namespace
