// The task panel: its states (empty, level too low, task open, task ready),
// the requirement lines' texts and colours and what a screen reader says of
// them, and what a click on its completion button does at each stage.
#include "support/GameTestWorld.h"
#include "support/PixelProbe.h"

#include "screens/TaskPanel.h"
#include "ui/PushButton.h"
#include "ui/RootPanel.h"
#include "ui/ScreenFont.h"

#include <string>
#include <vector>

namespace {

constexpr WidgetId kPanelId{2, -1, -1};
constexpr WidgetId kButtonId{2, 1, -1};

class TaskPanelTest : public GameTest {
protected:
    void SetUp() override {
        root.rect = {0, 0, 655, 405};
        panel = root.AddChild<CTaskPanel>({120, 40, 650, 400}, 2, -1, -1, WidgetId::None());
        panel->SetTitleBar(30);
        panel->ReadFrom(world.roster, world.tally);
        panel->SetMessageCallback([this](const std::string& text) { messages.push_back(text); });
    }

    void Defeat(std::initializer_list<int> monsters) {
        for (int index : monsters) world.tally.Add(index, 1);
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const auto& child : panel->Children()) captions.push_back(child->caption);
        return captions;
    }
    const CWidget* Button() { return root.FindWidget(kButtonId); }
    WidgetId ClickButton() {
        const CRect area = root.FindRect(kButtonId, {0, 0});
        return root.ClickAt(area.left + 10, area.top + 10);
    }
    CFrameBuffer Paint() const {
        CFrameBuffer image(655, 405);
        CDC dc(image);
        dc.SelectObject(CreateScreenFont());
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(kScreenTextColor);
        root.PaintAll(dc);
        return image;
    }
    // The pixels of colour inside the panel's child at index, as painted.
    std::size_t PixelsInLine(const CFrameBuffer& image, std::size_t index, COLORREF colour) const {
        const CRect line = panel->Children().at(index)->rect.Offset(120, 40);
        std::size_t count = 0;
        for (int y = line.top; y < line.bottom; ++y)
            for (int x = line.left; x < line.right; ++x) count += image.GetPixel(x, y) == colour;
        return count;
    }

    CRootPanel root;
    CTaskPanel* panel = nullptr;
    std::vector<std::string> messages;
};

TEST_F(TaskPanelTest, StaysEmptyUntilItIsGivenAHero) {
    EXPECT_TRUE(panel->Children().empty());
    panel->SetHero(nullptr);
    EXPECT_TRUE(panel->Children().empty());
    EXPECT_EQ(panel->Stage(), 0);
}

TEST_F(TaskPanelTest, BelowLevelFiveOnlyTheLevelMessageShows) {
    Defeat({5, 6, 7});
    CHero hero = HeroAtLevel(4);
    panel->SetHero(&hero);
    ASSERT_EQ(Captions(), std::vector<std::string>{"等级达到5级，才可接任务。"});
    EXPECT_EQ(panel->Children()[0]->rect, (CRect{0, 30, 530, 360}));
    EXPECT_EQ(panel->Children()[0]->Id(), (WidgetId{100000, -1, -1}));
}

TEST_F(TaskPanelTest, OpenTaskShowsGreenAndRedLinesAndADisabledButton) {
    Defeat({5, 6});
    CHero hero = HeroAtLevel(5);
    panel->SetHero(&hero);

    EXPECT_EQ(Captions(), (std::vector<std::string>{"任务要求", "√打败王伏", "√打败成应", "打败赖昆",
                                                    "完成任务(等级上限开到10级)"}));
    std::vector<CRect> rects;
    std::vector<WidgetId> ids;
    for (const auto& child : panel->Children()) {
        rects.push_back(child->rect);
        ids.push_back(child->Id());
    }
    EXPECT_EQ(
        rects,
        (std::vector<CRect>{
            {3, 33, 103, 48}, {3, 53, 103, 68}, {3, 70, 103, 85}, {3, 87, 103, 102}, {3, 104, 253, 134}}));
    EXPECT_EQ(ids, (std::vector<WidgetId>{
                       {100000, -1, -1}, {100001, -1, -1}, {100002, -1, -1}, {100003, -1, -1}, kButtonId}));
    ASSERT_NE(dynamic_cast<const CPushButton*>(Button()), nullptr);
    EXPECT_FALSE(Button()->enabled);

    const CFrameBuffer image = Paint();
    constexpr COLORREF kGreen = RGB(0, 255, 0);
    constexpr COLORREF kRed = RGB(255, 0, 0);
    for (std::size_t met : {1u, 2u}) {
        EXPECT_GT(PixelsInLine(image, met, kGreen), 20u) << met;
        EXPECT_EQ(PixelsInLine(image, met, kRed), 0u) << met;
    }
    EXPECT_GT(PixelsInLine(image, 3, kRed), 20u);
    EXPECT_EQ(PixelsInLine(image, 3, kGreen), 0u);

    // The disabled button passes the click to the panel, which completes nothing.
    EXPECT_EQ(ClickButton(), kPanelId);
    EXPECT_EQ(hero.levelCap, 5);
    EXPECT_EQ(panel->Stage(), 0);
}

// What colour and check mark show, a screen reader says in words: on each
// line, and on the button that waits for them all.
TEST_F(TaskPanelTest, RequirementsSayInWordsWhetherTheyAreMet) {
    struct Case {
        std::initializer_list<int> defeatedNow;  // more defeats, after the earlier cases'
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {{}, {"打败王伏，未完成", "打败成应，未完成", "打败赖昆，未完成"}},
        {{6}, {"打败王伏，未完成", "打败成应，已完成", "打败赖昆，未完成"}},
        {{5, 7}, {"打败王伏，已完成", "打败成应，已完成", "打败赖昆，已完成"}},
    };
    CHero hero = HeroAtLevel(5);
    for (const Case& c : cases) {
        Defeat(c.defeatedNow);
        panel->SetHero(&hero);
        std::vector<std::string> lines;
        for (std::size_t i = 1; i + 1 < panel->Children().size(); ++i)
            lines.push_back(panel->Children()[i]->accessName);
        EXPECT_EQ(lines, c.lines);
        std::string all = "任务要求";
        for (const std::string& line : c.lines) all += " " + line;
        EXPECT_EQ(Button()->besideText, all);
    }
}

TEST_F(TaskPanelTest, CompletingTheFirstTaskRaisesTheCapAndShowsTheNextTask) {
    Defeat({5, 6, 7});
    CHero hero = HeroAtLevel(5);
    panel->SetHero(&hero);
    ASSERT_TRUE(Button()->enabled);

    // Not consumed: the host still learns of the click and refreshes.
    EXPECT_EQ(ClickButton(), kButtonId);
    EXPECT_EQ(hero.levelCap, 10);
    EXPECT_EQ(hero.level, 5);
    EXPECT_EQ(panel->Stage(), 1);
    EXPECT_EQ(Captions(), std::vector<std::string>{"等级达到10级，才可接任务。"});
    EXPECT_TRUE(messages.empty());
}

TEST_F(TaskPanelTest, LastTaskCongratulatesOncePerClickAndChangesNothing) {
    Defeat({5, 6, 7});
    CHero hero = HeroAtLevel(5);
    panel->SetHero(&hero);
    ClickButton();
    hero.GainExp(1000);
    ASSERT_EQ(hero.level, 10);
    panel->SetHero(&hero);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"任务要求", "打败申雄", "完成任务(等级上限开到10级)"}));
    EXPECT_EQ(Button()->rect, (CRect{3, 70, 253, 100}));
    EXPECT_FALSE(Button()->enabled);

    Defeat({10});
    panel->SetHero(&hero);
    EXPECT_EQ(panel->Children()[1]->caption, "√打败申雄");
    for (int click = 1; click <= 2; ++click) {
        EXPECT_EQ(ClickButton(), kButtonId);
        EXPECT_EQ(messages, std::vector<std::string>(static_cast<std::size_t>(click), "通关了,祝贺你！"));
    }
    EXPECT_EQ(hero.levelCap, 10);
    EXPECT_EQ(hero.level, 10);
    EXPECT_EQ(panel->Stage(), 1);
}

TEST_F(TaskPanelTest, DefeatsBeforeTheLevelIsReachedCountAtTheNextRebuild) {
    Defeat({5, 6, 7});
    CHero hero = HeroAtLevel(4);
    panel->SetHero(&hero);
    hero.GainExp(hero.ExpForNextLevel());
    ASSERT_EQ(hero.level, 5);
    EXPECT_EQ(Captions().size(), 1u);  // victories and level-ups do not rebuild
    panel->SetHero(&hero);
    EXPECT_TRUE(Button()->enabled);
}

TEST_F(TaskPanelTest, OtherClicksInThePanelCompleteNothing) {
    Defeat({5, 6, 7});
    CHero hero = HeroAtLevel(5);
    panel->SetHero(&hero);
    const CRect title = root.FindRect(kPanelId, {0, 0});
    EXPECT_EQ(root.ClickAt(title.left + 50, title.top + 10), kPanelId);
    EXPECT_EQ(hero.levelCap, 5);
    // A button of the panel's group with another id is not the completion button.
    panel->AddChild<CPushButton>({300, 200, 350, 230}, 2, 7, -1, kPanelId);
    EXPECT_EQ(root.ClickAt(120 + 310, 40 + 210), (WidgetId{2, 7, -1}));
    EXPECT_EQ(panel->Stage(), 0);
}

}  // namespace
