// CGameWorld: everything the game holds besides the hero, made once by the
// program's start-up and handed by reference to whatever works on it. The
// members are made in the order they are declared: the generator is seeded
// first, then the skill table, the item table and the roster are filled; the
// defeat tally and the item serials start empty. The tables and the roster
// never change after; a fight changes the tally, the generator and the serials.
// Tests make a world of their own each, so none sees another's wins.
#pragma once

#include "game/DefeatTally.h"
#include "game/Item.h"
#include "game/ItemTable.h"
#include "game/Random.h"
#include "game/Roster.h"
#include "game/SkillTable.h"

#include <cstdint>

class CGameWorld {
public:
    explicit CGameWorld(std::uint64_t seed) : random(seed) {}
    CGameWorld(const CGameWorld&) = delete;
    CGameWorld& operator=(const CGameWorld&) = delete;

    CRandom random;
    const CSkillTable skills;
    const CItemTable items;
    const CRoster roster;
    CDefeatTally tally;
    CItemSerials serials;
};
