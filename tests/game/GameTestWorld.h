// Test support: the fixed tables built once, and a fresh world (tally,
// seeded generator, item serials) per test so no test sees another's state.
#pragma once

#include "game/DefeatTally.h"
#include "game/GameWorld.h"
#include "game/Hero.h"
#include "game/Item.h"
#include "game/ItemTable.h"
#include "game/Random.h"
#include "game/Roster.h"
#include "game/SkillTable.h"

#include <gtest/gtest.h>

#include <initializer_list>

class GameTest : public ::testing::Test {
protected:
    static constexpr std::uint64_t kSeed = 20261207;

    static void SetUpTestSuite() {
        BuildSkillTable();
        BuildItemTable();
        Roster().Build();
    }

    // A hero of the given level with the bare stats levelling would give it.
    static CHero HeroAtLevel(int level) {
        CHero hero;
        hero.RaiseLevelCap(level);
        for (int step = 0; step < level; ++step) hero.GainExp(hero.ExpForNextLevel());
        return hero;
    }

    static void GiveSkill(CHero& hero, int skillId) { hero.skills.Add(skillId); }

    static void Wear(CHero& hero, std::initializer_list<int> itemIds, CItemSerials& itemSerials) {
        for (int itemId : itemIds) {
            const CItem item = MakeItem(itemId, itemSerials);
            hero.equipment.ElementAt(item.Kind()) = item;
        }
    }

    CDefeatTally tally;
    CRandom random{kSeed};
    CItemSerials serials;
    CGameWorld world{Roster(), tally, random, serials};
};
