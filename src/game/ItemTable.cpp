// Rows of the item table and the look-up by id.
#include "game/ItemTable.h"

void BuildItemTable() {
    CAnQianArray<CItemDef>& table = ItemTable();
    if (table.GetSize() > 0) return;
    table.Add({ItemId::kHookSpear, "钩链枪", 10, {80, 0, 0}, SlotKind::kWeapon});
    table.Add({ItemId::kChainMail, "锁子节", 10, {0, 40, 400}, SlotKind::kClothes});
}

const CItemDef* FindItemDef(int id) {
    const CAnQianArray<CItemDef>& table = ItemTable();
    const int index = table.Find(id);
    return index < 0 ? nullptr : &table.ElementAt(index);
}
