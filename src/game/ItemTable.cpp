// Rows of the item table and the look-up by id.
#include "game/ItemTable.h"

#include "i18n/Translation.h"

CItemTable::CItemTable() {
    rows_.Add({ItemId::kHookSpear, TrMark("钩链枪"), 10, {80, 0, 0}, ESlotKind::kWeapon});
    rows_.Add({ItemId::kChainMail, TrMark("锁子节"), 10, {0, 40, 400}, ESlotKind::kClothes});
}

const CItemDef* CItemTable::Find(int id) const {
    const int index = rows_.Find(id);
    return index < 0 ? nullptr : &rows_.ElementAt(index);
}
