// The texts assistive technology is told (see Announcements.h).
#include "i18n/Announcements.h"

#include "base/FormatText.h"
#include "i18n/ListText.h"
#include "i18n/Translation.h"

namespace Announcement {

std::string FightWon(const std::string& monster, int exp) {
    // TRANSLATORS: what a screen reader hears after a fight, the monster's name and the experience gained.
    return FormatText(Tr("讨伐 %s 胜利，获得经验 %d。"), monster.c_str(), exp);
}

std::string FightLost(const std::string& monster) {
    return FormatText(Tr("讨伐 %s 没有打赢。"), monster.c_str());
}

std::string LevelReached(int level) { return FormatText(Tr("升到 %d 级。"), level); }

std::string Dropped(const std::string& drop) { return FormatText(Tr("掉落 %s。"), drop.c_str()); }

std::string PageOpened(const std::string& page) { return FormatText(Tr("打开 %s"), page.c_str()); }

std::string PageClosed(const std::string& page) {
    // TRANSLATORS: what a screen reader hears when a page closes; %s is its name.
    return FormatText(Tr("关闭 %s"), page.c_str());
}

std::string ViewShown(const std::string& view) {
    // TRANSLATORS: what a screen reader hears when "战斗" or "任务" changes the large area; %s is its title.
    return FormatText(Tr("显示 %s。"), view.c_str());
}

std::string TabShown(const std::string& tab) {
    // TRANSLATORS: what a screen reader hears when a tab of the bag is chosen; %s is the tab's name.
    return FormatText(Tr("切换到 %s。"), tab.c_str());
}

std::string NothingIn(const std::string& panel) {
    // TRANSLATORS: what a screen reader hears when a panel or tab shows nothing; %s is its name.
    return FormatText(Tr("%s 里什么也没有。"), panel.c_str());
}

std::string SkillLearned(const std::string& skill) {
    return FormatText(Tr("学会了 %s。"), skill.c_str());
}

std::string SkillForgotten(const std::string& skill) {
    return FormatText(Tr("遗忘了 %s。"), skill.c_str());
}

std::string ItemsWorn(const std::vector<std::string>& names) {
    if (names.empty()) return Tr("自动换装：没有更好的装备。");
    // TRANSLATORS: what a screen reader hears after automatic equipping; %s lists the items put on.
    return FormatText(Tr("自动换装：换上 %s。"), ListText(names).c_str());
}

std::string PictureSaved(const std::string& location) {
    return FormatText(Tr("画面已保存为图片: %s"), location.c_str());
}

std::string GameEnded() { return Tr("游戏结束。"); }

}  // namespace Announcement
