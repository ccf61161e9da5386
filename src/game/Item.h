// CItem: one owned item, a serial number plus the id of its definition; all
// its other properties are read through the item table. A default CItem
// (serial 0, id 0) is an empty equipment slot. Items are numbered by a
// CItemSerials counter when made.
#pragma once

#include "game/ItemDef.h"

#include <string>

struct CItem {
    int serial = 0;
    int itemId = 0;

    // "无" for no item; empty when the definition is missing.
    std::string Name() const;
    // "没有穿装备。" for no item; empty when the definition is missing.
    std::string Describe() const;

    // Read through the definition; a missing one counts as kind 0, level 0, no stats.
    int Kind() const;
    int Level() const;
    CStats Stats() const;

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
