// The words for a fight's result.
#include "screens/FightNews.h"

#include "containers/FormatText.h"
#include "containers/TrimmedText.h"
#include "game/GameWorld.h"

std::string FightNews(int monsterIndex, const CFightResult& result, const CGameWorld& world) {
    const std::string monster = TrimmedText(world.roster.GetMonster(monsterIndex).name);
    if (!result.won) return "讨伐 " + monster + " 没有打赢。";
    std::string news = "讨伐 " + monster + FormatText(" 胜利，获得经验 %d。", result.exp);
    if (result.level > result.levelBefore) news += FormatText("升到 %d 级。", result.level);
    for (const CDropEntry& drop : result.drops)
        news += "掉落 " + drop.Label(world.skills, world.items) + "。";
    return news;
}
