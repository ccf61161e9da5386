// CMonster construction.
#include "game/Monster.h"

#include "i18n/Translation.h"

#include <utility>

CMonster::CMonster() : CCharacter(TrMark("无名氏"), 0, {20, 10, 100}, 0) {}

CMonster::CMonster(std::string monsterName, int monsterLevel, CStats monsterStats, int expAwarded)
    : CCharacter(std::move(monsterName), monsterLevel, monsterStats, expAwarded) {}
