// The main screen as built at start-up: the rectangles of its cards,
// buttons and labels, the training grid's two pages, the fight buttons'
// enabled flags and hints, the hover cards, the hero's level and experience
// on "属性" for a screen reader, and the main window.
#include "AppTestFixture.h"

#include "app/WindowTitle.h"
#include "game/Battle.h"
#include "game/GameWorld.h"
#include "game/SkillDef.h"

namespace {

using MainScreen::FightButton;
using MainScreen::MonsterCard;
using MainScreen::MonsterCardPart;
using MainScreenTest = AppTest;

constexpr WidgetId kNextPage{1, -1, 2};

TEST_F(MainScreenTest, MainWindowIsCentredWithTheViewsClientArea) {
    CWindow& window = app.Frame().Window();
    // The document name first, then the application title (not the name again).
    EXPECT_EQ(window.GetTitle(), MainWindowTitle());
    EXPECT_EQ(window.GetTitle().rfind("Quorvanel - ", 0), 0u);
    EXPECT_NE(window.GetTitle(), "Quorvanel - Quorvanel");
    EXPECT_EQ(window.GetClientRect(), (CRect{0, 0, 655, 405}));
    // The headless screen is 1280 x 1024; the frame adds 10 x 40 pixels.
    EXPECT_EQ(window.GetWindowRect(), (CRect{307, 289, 972, 734}));
    EXPECT_TRUE(window.IsVisible());
    EXPECT_EQ(Root().rect, (CRect{0, 0, 655, 405}));
    EXPECT_EQ(Root().Owner(), &window);
}

TEST_F(MainScreenTest, FixedWidgetsSitWhereTheLayoutPutsThem) {
    const std::vector<std::pair<WidgetId, CRect>> expected = {
        {{1, -1, -1}, {120, 40, 650, 400}},  {{2, -1, -1}, {120, 40, 650, 400}},
        {{100, -1, -1}, {10, 40, 120, 400}}, {{101, -1, -1}, {12, 42, 62, 67}},
        {{102, -1, -1}, {62, 42, 115, 67}},  {{103, -1, -1}, {12, 62, 62, 87}},
        {{104, -1, -1}, {62, 62, 115, 87}},  {{200, -1, -1}, {10, 10, 650, 40}},
        {{205, -1, -1}, {13, 13, 63, 37}},   {{206, -1, -1}, {65, 12, 115, 37}},
        {{207, -1, -1}, {117, 12, 172, 37}}, {{208, -1, -1}, {174, 12, 229, 37}},
    };
    for (const auto& [id, rect] : expected) EXPECT_EQ(Root().FindRect(id, {0, 0}), rect) << id.group;
    EXPECT_EQ(Widget({101, -1, -1}).caption, "等级");
    EXPECT_EQ(Widget({103, -1, -1}).caption, "经验");
    const std::vector<std::string> top = {"属性", "背包", "战斗", "任务"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Widget({205 + i, -1, -1}).caption, top[static_cast<std::size_t>(i)]);
}

TEST_F(MainScreenTest, CardsFillTwoPagesOfThreeByTwoCells) {
    ASSERT_EQ(World().roster.GetCount(), 11);
    for (int i = 0; i < 11; ++i) {
        const int k = i % 6;
        const CRect card{123 + 173 * (k % 3), 73 + 103 * (k / 3), 290 + 173 * (k % 3), 170 + 103 * (k / 3)};
        EXPECT_EQ(Root().FindRect(MonsterCard(i), {0, 0}), card) << i;
        EXPECT_EQ(Root().FindRect(FightButton(i), {0, 0}),
                  (CRect{card.left + 48, card.top + 65, card.left + 102, card.top + 86}))
            << i;
        EXPECT_EQ(Widget(FightButton(i)).caption, "讨伐");
        EXPECT_EQ(Widget(MonsterCardPart(i, 0)).caption, World().roster.GetMonster(i).name);
        EXPECT_EQ(Widget(MonsterCardPart(i, 2)).caption, std::to_string(World().roster.GetMonster(i).level));
        EXPECT_EQ(Widget(MonsterCard(i)).shown, i < 6) << i;
    }

    ClickOn(kNextPage);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(Widget(MonsterCard(i)).shown, i >= 6) << i;
}

TEST_F(MainScreenTest, AtStartOnlyTheFirstMonsterCanBeFought) {
    for (int i = 0; i < 11; ++i) {
        const CWidget& button = Widget(FightButton(i));
        EXPECT_EQ(button.enabled, i == 0) << i;
        const std::string expectedStart = i == 0 ? "打得过\r\n" : "打不过\r\n";
        EXPECT_EQ(button.hint.substr(0, expectedStart.size()), expectedStart) << i;
    }
    EXPECT_EQ(Widget(FightButton(0)).hint,
              "打得过\r\n" + Estimate(Hero(), World().roster.GetMonster(0), World().items).text);
    EXPECT_EQ(Widget(MainScreen::kLevelValue).caption, "0");
    EXPECT_EQ(Widget(MainScreen::kExpValue).caption, " 0.00%");

    MoveOnto(FightButton(1));
    EXPECT_EQ(Root().HintText(), Widget(FightButton(1)).hint);
}

TEST_F(MainScreenTest, HoverCardsHoldTheCharacterAndRewardCards) {
    const CHoverCard* hero = Root().FindHoverCard(MainScreen::kAttributesButton);
    ASSERT_NE(hero, nullptr);
    EXPECT_EQ(hero->Children().at(0)->caption, "无名氏");
    EXPECT_EQ(hero->rect, (CRect{10, 42, 180, 152}));

    const CHoverCard* stats = Root().FindHoverCard(MainScreen::MonsterCardPart(4, 3));
    const CHoverCard* reward = Root().FindHoverCard(MainScreen::MonsterCardPart(4, 4));
    ASSERT_NE(stats, nullptr);
    ASSERT_NE(reward, nullptr);
    EXPECT_EQ(stats->Children().at(0)->caption, "枪兵");
    EXPECT_EQ(reward->rect, (CRect{90, 42, 288, 152}));  // four skill books

    MoveOnto(MainScreen::MonsterCardPart(4, 4));
    EXPECT_EQ(Root().ActiveHoverCard(), reward);
}

// The hero panel's level and experience are read on "属性" (the padding of
// the experience's column left out), and follow the hero.
TEST_F(MainScreenTest, TheAttributesButtonCarriesTheLevelAndExperience) {
    struct Step {
        int expGained;
        std::string read;
    };
    const Step steps[] = {{0, "等级 0 经验 0.00%"},
                          {1, "等级 1 经验 0.00%"},
                          {2, "等级 1 经验 50.00%"},
                          {100, "等级 5 经验 满级"}};
    for (const Step& step : steps) {
        Hero().GainExp(step.expGained);
        View().Refresh();
        EXPECT_EQ(Widget(MainScreen::kAttributesButton).besideText, step.read);
    }
}

TEST_F(MainScreenTest, HerosCardFollowsALearnedSkill) {
    Hero().skillBooks.AddBooks(SkillId::kAttackUp, 1);
    std::string message;
    ASSERT_TRUE(Hero().LearnSkill(SkillId::kAttackUp, message));
    View().Refresh();
    const CHoverCard* card = Root().FindHoverCard(MainScreen::kAttributesButton);
    EXPECT_EQ(card->rect.Height(), 160);
    EXPECT_EQ(card->Children().at(4)->caption, "21");
}

TEST_F(MainScreenTest, TheGridIsDrawnAndTheEmptyTaskPanelIsNot) {
    const CFrameBuffer image = app.Frame().Window().RenderToBuffer();
    constexpr COLORREF kCardFill = RGB(55, 59, 51);
    // The lower corners of each card of the first page, inside its outlines.
    for (int i = 0; i < 6; ++i) {
        const CRect card = Root().FindRect(MonsterCard(i), {0, 0});
        EXPECT_EQ(image.GetPixel(card.left + 8, card.bottom - 6), kCardFill) << i;
        EXPECT_EQ(image.GetPixel(card.right - 8, card.bottom - 6), kCardFill) << i;
    }
    // The hero panel's body, below its labels.
    EXPECT_EQ(image.GetPixel(60, 300), kCardFill);
}

// Each move repaints only what it invalidated, skipping what the hint box
// covers and the erase the opaque root makes needless: the window must still
// show exactly what painting everything afresh shows.
TEST_F(MainScreenTest, RepaintsAfterPointerMovesShowWhatAFreshRenderShows) {
    CWindow& window = app.Frame().Window();
    const std::vector<WidgetId> path = {
        FightButton(0),
        FightButton(1),
        MonsterCardPart(1, 0),
        MonsterCardPart(1, MainScreen::kStatsBadgePart),
        FightButton(2),
        MonsterCardPart(4, MainScreen::kRewardBadgePart),
        MainScreen::kAttributesButton,
        MainScreen::kLevelValue,
        FightButton(5),
        FightButton(0),
    };
    for (const WidgetId& id : path) {
        MoveOnto(id);
        window.UpdateWindow();
        EXPECT_TRUE(window.GetFrameBuffer() == window.RenderToBuffer())
            << "after moving onto (" << id.group << ", " << id.id << ", " << id.sub << ")";
    }
    EXPECT_TRUE(app.View().PaintsEveryPixel());
    // Several moves before one paint: what changed since the window last
    // painted, not since the last move.
    for (const WidgetId& id : {FightButton(1), FightButton(2), FightButton(1), FightButton(0)}) MoveOnto(id);
    window.UpdateWindow();
    EXPECT_TRUE(window.GetFrameBuffer() == window.RenderToBuffer());
}

}  // namespace
