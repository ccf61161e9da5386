// What assistive technology is told when something changes that a sighted
// player sees happen (CPlatform::Announce): every such text of the game, in
// one place, for the desktop's screen readers and the page's live region
// alike. Each returns the text in the chosen language.
#pragma once

#include <string>
#include <vector>

namespace Announcement {

// A fight's result, the parts in this order: "讨伐 蝗虫 胜利，获得经验 1。"
// then, when they happened, "升到 2 级。" and one "掉落 ...。" per drop.
std::string FightWon(const std::string& monster, int exp);
std::string FightLost(const std::string& monster);
std::string LevelReached(int level);
std::string Dropped(const std::string& drop);

std::string PageOpened(const std::string& page);
std::string PageClosed(const std::string& page);
// "战斗" or "任务" chose the large area's panel; a tab of a tab box chose its page.
std::string ViewShown(const std::string& view);
std::string TabShown(const std::string& tab);
// A panel or tab that shows nothing, so that silence is not taken for a
// fault; it follows another sentence (its translation may begin with a space).
std::string NothingIn(const std::string& panel);

std::string SkillLearned(const std::string& skill);
std::string SkillForgotten(const std::string& skill);
// Automatic equipping: the names of the items it put on (none: nothing beat
// what the hero wears).
std::string ItemsWorn(const std::vector<std::string>& names);
std::string PictureSaved(const std::string& location);
std::string GameEnded();

}  // namespace Announcement
