// Building the main screen's widget tree.
#include "screens/MainScreen.h"

#include "base/FormatText.h"
#include "base/TrimmedText.h"
#include "game/GameWorld.h"
#include "i18n/Translation.h"
#include "screens/CardColors.h"
#include "screens/CharacterCard.h"
#include "screens/RewardCard.h"
#include "screens/TaskPanel.h"
#include "ui/Badge.h"
#include "ui/CaptionFit.h"
#include "ui/PagedGrid.h"
#include "ui/PushButton.h"
#include "ui/RootPanel.h"
#include "ui/ShadowLabel.h"
#include "ui/TextLabel.h"

#include <string>

namespace MainScreen {
namespace {

constexpr CRect kLargeArea{120, 40, 650, 400};
constexpr int kTitleBarHeight = 30;
constexpr int kCardSpacing = 175;  // the cards' own left edges; the grid places them

template <class Kind>
Kind* AddToPanel(CRootPanel& root, const WidgetId& panel, const CRect& rect, const WidgetId& id) {
    return root.AddChild<Kind>(rect, id.group, id.id, id.sub, panel);
}

void AddMonsterCard(CRootPanel& root, const CGameWorld& world, int monsterIndex) {
    const CMonster& monster = world.roster.GetMonster(monsterIndex);
    const WidgetId cardId = MonsterCard(monsterIndex);
    const int left = monsterIndex * kCardSpacing;
    auto* card = AddToPanel<CPanel>(root, kTrainingGrid, {left, 0, left, 0}, cardId);
    SetCardBody(*card);
    // Two monsters may share a name: the level tells them apart to a screen reader.
    // TRANSLATORS: a monster as a screen reader names it: its name and level.
    const std::string who = FormatText(Tr("%s %d级"), TrimmedText(Tr(monster.name)).c_str(), monster.level);
    card->accessName = who;

    auto part = [&](int sub) { return MonsterCardPart(monsterIndex, sub); };
    AddToPanel<CShadowLabel>(root, cardId, {3, 3, 162, 21}, part(0))->SetLabel(Tr(monster.name));
    AddToPanel<CShadowLabel>(root, cardId, {3, 23, 84, 41}, part(1))
        ->SetLabel(Tr("等级"), kEngravedLight, kRowLabelText, kRowLabelFill);
    AddToPanel<CTextLabel>(root, cardId, {84, 23, 162, 41}, part(2))->SetLabel(std::to_string(monster.level));

    const WidgetId statsBadge = part(kStatsBadgePart);
    auto* stats = AddToPanel<CBadge>(root, cardId, {13, 45, 67, 61}, statsBadge);
    stats->SetBadge(Tr("属性"));
    GrowToCaption(*stats, EGrowth::kRight);
    // TRANSLATORS: a monster card's badges as a screen reader names them; %s is the monster.
    stats->accessName = FormatText(Tr("%s 属性"), who.c_str());
    BuildCharacterCard(
        *root.AddHoverCard({10, 42, 180, 147}, statsBadge.group, statsBadge.id, statsBadge.sub), monster,
        world);

    const WidgetId rewardBadge = part(kRewardBadgePart);
    auto* reward = AddToPanel<CBadge>(root, cardId, {93, 45, 147, 61}, rewardBadge);
    reward->SetBadge(Tr("掉宝"));
    GrowToCaption(*reward, EGrowth::kRight);
    reward->accessName = FormatText(Tr("%s 掉宝"), who.c_str());
    BuildRewardCard(
        *root.AddHoverCard({90, 42, 260, 147}, rewardBadge.group, rewardBadge.id, rewardBadge.sub), monster,
        world);

    auto* fight = AddToPanel<CPushButton>(root, cardId, {48, 65, 102, 86}, FightButton(monsterIndex));
    fight->caption = Tr("讨伐");
    GrowToCaption(*fight, EGrowth::kBoth);
    fight->accessName = FormatText(Tr("讨伐 %s"), who.c_str());
}

void AddTrainingGrid(CRootPanel& root, const CGameWorld& world) {
    auto* grid = AddToPanel<CPagedGrid>(root, WidgetId::None(), kLargeArea, kTrainingGrid);
    grid->SetTitleCaption(Tr("训 练"));
    grid->SetTitleBar(kTitleBarHeight);
    for (int i = 0; i < world.roster.GetCount(); ++i) AddMonsterCard(root, world, i);
    grid->SetCellGeometry(3, 3, 170, 100);
    grid->LayOut();
}

void AddTaskPanel(CRootPanel& root, const CGameWorld& world) {
    auto* panel = AddToPanel<CTaskPanel>(root, WidgetId::None(), kLargeArea, kTaskPanel);
    panel->ReadFrom(world.roster, world.tally);
    panel->SetTitleCaption(Tr("任 务"));
    panel->SetTitleBar(kTitleBarHeight);
}

void AddHeroPanel(CRootPanel& root) {
    SetCardBody(*AddToPanel<CPanel>(root, WidgetId::None(), {10, 40, 120, 400}, kHeroPanel));
    // The rows overlap by five pixels; the later label is drawn on top.
    auto* level = AddToPanel<CShadowLabel>(root, kHeroPanel, {2, 2, 52, 27}, {101, -1, -1});
    level->SetLabel(Tr("等级"));
    GrowLabelBeforeValue(*level, *AddToPanel<CTextLabel>(root, kHeroPanel, {52, 2, 105, 27}, kLevelValue));
    auto* exp = AddToPanel<CShadowLabel>(root, kHeroPanel, {2, 22, 52, 47}, {103, -1, -1});
    exp->SetLabel(Tr("经验"));
    GrowLabelBeforeValue(*exp, *AddToPanel<CTextLabel>(root, kHeroPanel, {52, 22, 105, 47}, kExpValue));
}

void AddTopBar(CRootPanel& root) {
    SetCardBody(*AddToPanel<CPanel>(root, WidgetId::None(), {10, 10, 650, 40}, kTopBar));
    struct TopButton {
        CRect rect;
        int group;
        const char* caption;
    };
    const TopButton buttons[] = {
        {{3, 3, 53, 27}, kAttributesGroup, TrMark("属性")},
        {{55, 2, 105, 27}, kBagGroup, TrMark("背包")},
        {{107, 2, 162, 27}, kBattleGroup, TrMark("战斗")},
        {{164, 2, 219, 27}, kTasksGroup, TrMark("任务")},
    };
    // They keep their places in every language: recordings click them there.
    for (const TopButton& button : buttons)
        AddToPanel<CPushButton>(root, kTopBar, button.rect, {button.group, -1, -1})->caption =
            Tr(button.caption);
    // Filled with the hero's character card by every refresh.
    root.AddHoverCard({10, 42, 180, 197}, kAttributesButton.group, kAttributesButton.id,
                      kAttributesButton.sub);
}

}  // namespace

void Build(CRootPanel& root, const CGameWorld& world) {
    AddTrainingGrid(root, world);
    AddTaskPanel(root, world);
    AddHeroPanel(root);
    AddTopBar(root);
}

}  // namespace MainScreen
