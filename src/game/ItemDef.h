// CItemDef: one row of the item table (what an item is: name, level needed to
// wear it, the stats it adds, the slot it goes in), with its description text.
#pragma once

#include "game/Stats.h"

#include <cstdint>
#include <string>

namespace SlotKind {
inline constexpr int kWeapon = 0;
inline constexpr int kClothes = 1;
}  // namespace SlotKind

class CItemDef {
public:
    CItemDef() = default;
    CItemDef(std::int16_t itemId, std::string itemName, int itemLevel, CStats itemStats,
             std::int16_t slotKind);
    virtual ~CItemDef() = default;

    int Key() const { return id; }

    // Name and level, then each non-zero stat, one line each ending in CR LF.
    std::string Describe() const;

    std::int16_t id = 0;
    std::string name;
    int level = 0;
    CStats stats;
    std::int16_t kind = SlotKind::kWeapon;
};

// "武器" for the weapon slot, "衣服" for clothes, empty for anything else.
std::string SlotName(std::int16_t kind);
