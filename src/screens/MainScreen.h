// The main screen's widget tree: the top bar of four buttons, the hero panel
// with level and experience, and in the large area on the right either the
// training grid (one card per roster monster with its fight button, on two
// pages) or the task panel. The WidgetIds here are how the view finds the
// widgets again and dispatches clicks.
#pragma once

#include "gfx/Geometry.h"
#include "ui/WidgetId.h"

class CGameWorld;
class CRootPanel;

namespace MainScreen {

// The root's rectangle: the view's whole client area.
inline constexpr CRect kRootRect{0, 0, 655, 405};

// The large area's two panels; their group is what "战斗" and "任务" select.
inline constexpr int kTrainingGroup = 1;
inline constexpr int kTaskGroup = 2;
inline constexpr WidgetId kTrainingGrid{kTrainingGroup, -1, -1};
inline constexpr WidgetId kTaskPanel{kTaskGroup, -1, -1};

inline constexpr int kFightGroup = 10000;
constexpr WidgetId FightButton(int monsterIndex) { return {kFightGroup, monsterIndex, -1}; }
constexpr WidgetId MonsterCard(int monsterIndex) { return {kTrainingGroup, 101 + monsterIndex, -1}; }
// The five widgets of a card: name, "等级", level, "属性" and "掉宝" badges.
constexpr WidgetId MonsterCardPart(int monsterIndex, int part) {
    return {kTrainingGroup, 101 + monsterIndex, part};
}
inline constexpr int kStatsBadgePart = 3;
inline constexpr int kRewardBadgePart = 4;

inline constexpr WidgetId kHeroPanel{100, -1, -1};
inline constexpr WidgetId kLevelValue{102, -1, -1};
inline constexpr WidgetId kExpValue{104, -1, -1};

inline constexpr WidgetId kTopBar{200, -1, -1};
inline constexpr int kAttributesGroup = 205;
inline constexpr int kBagGroup = 206;
inline constexpr int kBattleGroup = 207;
inline constexpr int kTasksGroup = 208;
inline constexpr WidgetId kAttributesButton{kAttributesGroup, -1, -1};

// Builds the whole tree under root, the hover cards of the monster badges
// (filled with the cards of the world's roster) and the empty hover card of
// "属性"; the task panel reads the world's roster and tally. The texts that
// show the hero are left for the view's refresh.
void Build(CRootPanel& root, const CGameWorld& world);

}  // namespace MainScreen
