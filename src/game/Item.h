// CItem: one owned item, a serial number plus the id of its definition; all
// its other properties are read through the item table. A default CItem
// (serial 0, id 0) is an empty equipment slot. Items are numbered by a
// CItemSerials counter when made.
#pragma once

#include "game/ItemDef.h"

#include <string>

class CItemTable;

struct CItem {
    int serial = 0;
    int itemId = 0;

    // "无" for no item; empty when the definition is missing.
    std::string Name(const CItemTable& items) const;
    // "没有穿装备。" for no item; empty when the definition is missing.
    std::string Describe(const CItemTable& items) const;

    // Read through the definition; a missing one counts as a weapon of level 0 with no stats.
    ESlotKind Kind(const CItemTable& items) const;
    int Level(const CItemTable& items) const;
    CStats Stats(const CItemTable& items) const;

    friend bool operator==(const CItem&, const CItem&) = default;
};

// Numbers items as they are made: the first gets 1. Only ever counts up.
class CItemSerials {
public:
    int Next() { return ++last_; }

private:
    int last_ = 0;
};

CItem MakeItem(int itemId, CItemSerials& serials);
