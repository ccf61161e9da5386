// CMonster: a roster character plus its drop table. Monsters have no skills
// and wear nothing, so their stat totals are their bare stats.
#pragma once

#include "base/AnQianArray.h"
#include "game/Character.h"
#include "game/DropEntry.h"

class CMonster : public CCharacter {
public:
    // What the roster's growth default-constructs: the hero's starting record.
    CMonster();
    CMonster(std::string monsterName, int monsterLevel, CStats monsterStats, int expAwarded);

    CAnQianArray<CDropEntry> drops;
};
