// The words for a fight's result.
#include "screens/FightNews.h"

#include "base/FormatText.h"
#include "base/TrimmedText.h"
#include "game/GameWorld.h"
#include "i18n/Translation.h"

std::string FightNews(int monsterIndex, const CFightResult& result, const CGameWorld& world) {
    const std::string monster = TrimmedText(Tr(world.roster.GetMonster(monsterIndex).name));
    if (!result.won) return FormatText(Tr("讨伐 %s 没有打赢。"), monster.c_str());
    // TRANSLATORS: what a screen reader hears after a fight, the monster's name and the experience gained.
    std::string news = FormatText(Tr("讨伐 %s 胜利，获得经验 %d。"), monster.c_str(), result.exp);
    if (result.level > result.levelBefore) news += FormatText(Tr("升到 %d 级。"), result.level);
    for (const CDropEntry& drop : result.drops)
        news += FormatText(Tr("掉落 %s。"), drop.Label(world.skills, world.items).c_str());
    return news;
}
