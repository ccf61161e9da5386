// CItem properties through the item table, and item making.
#include "game/Item.h"

#include "game/ItemTable.h"

std::string CItem::Name() const {
    if (itemId == ItemId::kNone) return "无";
    const CItemDef* definition = FindItemDef(itemId);
    return definition ? definition->name : std::string();
}

std::string CItem::Describe() const {
    if (itemId == ItemId::kNone) return "没有穿装备。";
    const CItemDef* definition = FindItemDef(itemId);
    return definition ? definition->Describe() : std::string();
}

int CItem::Kind() const {
    const CItemDef* definition = FindItemDef(itemId);
    return definition ? definition->kind : SlotKind::kWeapon;
}

int CItem::Level() const {
    const CItemDef* definition = FindItemDef(itemId);
    return definition ? definition->level : 0;
}

CStats CItem::Stats() const {
    const CItemDef* definition = FindItemDef(itemId);
    return definition ? definition->stats : CStats();
}

CItem MakeItem(int itemId, CItemSerials& serials) { return {serials.Next(), itemId}; }
