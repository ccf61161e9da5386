// CItem properties through the item table, and item making.
#include "game/Item.h"

#include "game/ItemTable.h"
#include "i18n/Translation.h"

std::string CItem::Name(const CItemTable& items) const {
    if (itemId == ItemId::kNone) return Tr("无");
    const CItemDef* definition = items.Find(itemId);
    return definition ? Tr(definition->name) : std::string();
}

std::string CItem::Describe(const CItemTable& items) const {
    if (itemId == ItemId::kNone) return Tr("没有穿装备。");
    const CItemDef* definition = items.Find(itemId);
    return definition ? definition->Describe() : std::string();
}

ESlotKind CItem::Kind(const CItemTable& items) const {
    const CItemDef* definition = items.Find(itemId);
    return definition ? definition->kind : ESlotKind::kWeapon;
}

int CItem::Level(const CItemTable& items) const {
    const CItemDef* definition = items.Find(itemId);
    return definition ? definition->level : 0;
}

CStats CItem::Stats(const CItemTable& items) const {
    const CItemDef* definition = items.Find(itemId);
    return definition ? definition->stats : CStats();
}

CItem MakeItem(int itemId, CItemSerials& serials) { return {serials.Next(), itemId}; }
