// What a screen reader is told while the game is played by pointer: one
// announcement for each thing a sighted player sees happen (a view or tab
// switched, an empty tab, a page opened and closed, items worn, a fight
// won, the game's end), in the order it happened.
#include "AppTestFixture.h"
#include "support/PageScript.h"

#include "game/GameWorld.h"
#include "screens/AttributePage.h"
#include "screens/BagPage.h"

#include <string>
#include <vector>

namespace {

using namespace MainScreen;

class AnnouncementTest : public AppTest {
protected:
    InputEvent ClickOnMain(const WidgetId& id) {
        const CPoint point = PointOn(id);
        return Click(point.x, point.y);
    }
};

TEST_F(AnnouncementTest, EachChangeASightedPlayerSeesIsSaidOnceInOrder) {
    std::vector<std::string> heard;
    platform->SetAnnouncementObserver([&heard](const std::string& text) { heard.push_back(text); });
    Hero().RaiseLevelCap(10);
    Hero().GainExp(1000);  // old enough for the spear
    const CItem spear = MakeItem(ItemId::kHookSpear, World().serials);
    Hero().bag.Add(spear);
    const WidgetId itemsTab{CBagPage::kTabBox.group, 102, 0};
    CScript script;
    script.Then(ClickOnMain({kTasksGroup, -1, -1}))
        .Then(ClickOnMain({kBattleGroup, -1, -1}))
        .Then(ClickOnMain({kBagGroup, -1, -1}))
        .ThenComputed(AtWidgetOfTopPage(*platform, itemsTab))  // the spear
        .ThenComputed(AtWidgetOfTopPage(*platform, {CBagPage::kTabBox.group, 101, 0}))  // no books
        .Then(Press(KeyChord::Key::Escape))
        .Then(ClickOnMain(kAttributesButton))
        .ThenComputed(AtWidgetOfTopPage(*platform, CAttributePage::kAutoEquipButton))
        .ThenComputed(AtWidgetOfTopPage(*platform, CAttributePage::kAutoEquipButton))  // nothing better
        .Then(Press(KeyChord::Key::Escape))
        .Then(ClickOnMain(FightButton(0)))
        .Then(CloseBox());
    script.InstallOn(*platform);
    app.Run();
    ASSERT_TRUE(script.Finished());

    const std::string monster = "蝗虫";
    const std::vector<std::string> expected{
        "显示 任务。",
        "显示 战斗。",
        "打开 背包",
        "切换到 装备。",
        "切换到 技能。技能 里什么也没有。",
        "关闭 背包",
        "打开 属性",
        "自动换装：换上 " + spear.Name(World().items) + "。",
        "自动换装：没有更好的装备。",
        "关闭 属性",
    };
    ASSERT_EQ(heard.size(), expected.size() + 2);
    EXPECT_EQ(std::vector<std::string>(heard.begin(), heard.begin() + expected.size()), expected);
    EXPECT_EQ(heard[expected.size()].rfind("讨伐 " + monster + " 胜利，获得经验 ", 0), 0u) << heard[expected.size()];
    EXPECT_EQ(heard.back(), "游戏结束。");
}

}  // namespace
