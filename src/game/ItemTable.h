// CItemTable: the item definitions, filled when made and never changed after;
// the world holds the game's one table.
#pragma once

#include "base/AnQianArray.h"
#include "game/ItemDef.h"

namespace ItemId {
inline constexpr int kNone = 0;
inline constexpr int kHookSpear = 1;  // 钩链枪, weapon
inline constexpr int kChainMail = 2;  // 锁子节, clothes
}  // namespace ItemId

class CItemTable {
public:
    CItemTable();

    int GetSize() const { return rows_.GetSize(); }
    const CItemDef& GetAt(int index) const { return rows_.ElementAt(index); }
    // The row with this id, or nullptr.
    const CItemDef* Find(int id) const;

private:
    CAnQianArray<CItemDef> rows_;
};
