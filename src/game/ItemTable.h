// The program-wide item table: filled once at start-up by BuildItemTable
// (repeat calls change nothing) and read through FindItemDef.
#pragma once

#include "containers/AnQianArray.h"
#include "game/ItemDef.h"

namespace ItemId {
inline constexpr int kNone = 0;
inline constexpr int kHookSpear = 1;  // 钩链枪, weapon
inline constexpr int kChainMail = 2;  // 锁子节, clothes
}  // namespace ItemId

CAnQianArray<CItemDef>& ItemTable();

void BuildItemTable();

// The row with this id (the last one if several), or nullptr.
const CItemDef* FindItemDef(int id);
