// CSkillTable: the six talent skills, filled when made and never changed
// after; the world holds the game's one table.
#pragma once

#include "base/AnQianArray.h"
#include "game/SkillDef.h"

class CSkillTable {
public:
    CSkillTable();

    int GetSize() const { return rows_.GetSize(); }
    const CSkillDef& GetAt(int index) const { return rows_.ElementAt(index); }
    // The row with this id, or nullptr.
    const CSkillDef* Find(int id) const;

private:
    CAnQianArray<CSkillDef> rows_;
};
