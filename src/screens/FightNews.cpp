// The words for a fight's result.
#include "screens/FightNews.h"

#include "base/TrimmedText.h"
#include "game/GameWorld.h"
#include "i18n/Announcements.h"
#include "i18n/Translation.h"

std::string FightNews(int monsterIndex, const CFightResult& result, const CGameWorld& world) {
    const std::string monster = TrimmedText(Tr(world.roster.GetMonster(monsterIndex).name));
    if (!result.won) return Announcement::FightLost(monster);
    std::string news = Announcement::FightWon(monster, result.exp);
    if (result.level > result.levelBefore) news += Announcement::LevelReached(result.level);
    for (const CDropEntry& drop : result.drops) news += Announcement::Dropped(drop.Label(world.skills, world.items));
    return news;
}
