// CItemDef: one row of the item table (what an item is: name, level needed to
// wear it, the stats it adds, the slot it goes in), with its description text.
#pragma once

#include "game/Stats.h"

#include <cstdint>
#include <string>

// The equipment slot an item goes in; its value is the slot's index.
enum class ESlotKind : std::int16_t { kWeapon = 0, kClothes = 1 };

// Where a slot of the kind sits among a character's equipment.
constexpr int SlotIndex(ESlotKind kind) { return static_cast<int>(kind); }

class CItemDef {
public:
    CItemDef() = default;
    CItemDef(std::int16_t itemId, std::string itemName, int itemLevel, CStats itemStats, ESlotKind slotKind);
    virtual ~CItemDef() = default;

    int Key() const { return id; }

    // Name and level, then each non-zero stat, one line each ending in CR LF.
    std::string Describe() const;

    std::int16_t id = 0;
    std::string name;
    int level = 0;
    CStats stats;
    ESlotKind kind = ESlotKind::kWeapon;
};

// "武器" for the weapon slot, "衣服" for clothes, empty for anything else.
std::string SlotName(ESlotKind kind);
