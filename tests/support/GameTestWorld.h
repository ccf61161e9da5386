// Test support: a fresh world per test (tables, roster, empty tally, seeded
// generator, item serials), so no test sees another's state.
#pragma once

#include "game/GameWorld.h"
#include "game/Hero.h"

#include <gtest/gtest.h>

#include <initializer_list>

class GameTest : public ::testing::Test {
protected:
    static constexpr std::uint64_t kSeed = 20261207;

    // A hero of the given level with the bare stats levelling would give it.
    static CHero HeroAtLevel(int level) {
        CHero hero;
        hero.RaiseLevelCap(level);
        for (int step = 0; step < level; ++step) hero.GainExp(hero.ExpForNextLevel());
        return hero;
    }

    static void GiveSkill(CHero& hero, int skillId) { hero.skills.Add(skillId); }

    // Makes the items (numbered by the world's serials) and puts each in its slot.
    void Wear(CHero& hero, std::initializer_list<int> itemIds) {
        for (int itemId : itemIds) {
            const CItem item = MakeItem(itemId, world.serials);
            hero.equipment.ElementAt(SlotIndex(item.Kind(world.items))) = item;
        }
    }

    CGameWorld world{kSeed};
};
