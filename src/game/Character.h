// CCharacter: the record the hero and every monster share (bare stats,
// experience, level, name, known talent skills, two equipment slots) and the
// stat totals that combine bare stats, worn items and talent bonuses.
#pragma once

#include "base/AnQianArray.h"
#include "base/DingChangArray.h"
#include "game/Item.h"
#include "game/Stats.h"

#include <string>

class CCharacter {
public:
    static constexpr int kSlotCount = 2;  // weapon, clothes: index = slot kind

    CCharacter(std::string characterName, int characterLevel, CStats characterStats, int characterExp);
    CCharacter(const CCharacter&) = default;
    CCharacter& operator=(const CCharacter&) = default;
    virtual ~CCharacter() = default;

    bool HasSkill(int skillId) const;

    // Bare stats; with talents, skill 1 scales attack and skill 3 defence and hp.
    CStats BaseStats(bool withTalents) const;
    // Sum of the worn items (read through items); with talents, skill 5 scales attack and skill 6
    // defence and hp, once on the sum.
    CStats EquipStats(const CItemTable& items, bool withTalents) const;
    // BaseStats(true) + EquipStats(items, true): what battle and the cards use.
    CStats TotalStats(const CItemTable& items) const;

    CStats stats;
    int exp = 0;
    int level = 0;
    std::string name;
    CAnQianArray<int> skills;
    CDingChangArray<CItem> equipment{kSlotCount, kSlotCount};
};
