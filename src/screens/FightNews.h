// What a screen reader is told after a fight (CPlatform::Announce), from the
// rules' result: the monster, won, the experience gained, the level reached
// when it rose, and each skill book or item that dropped, e.g.
// "讨伐 蝗虫 胜利，获得经验 1。升到 1 级。掉落 骁勇善战(1)。".
#pragma once

#include "game/Battle.h"

#include <string>

class CGameWorld;

std::string FightNews(int monsterIndex, const CFightResult& result, const CGameWorld& world);
