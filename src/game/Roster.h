// CRoster: the fixed roster of eleven monsters. A monster's index (0 to 10) is
// its identity everywhere: fight buttons, the defeat tally and the tasks.
// Build fills it once (repeat calls change nothing); it never changes after.
#pragma once

#include "containers/AnQianArray.h"
#include "game/Monster.h"

class CRoster {
public:
    void Build();

    int GetCount() const { return monsters_.GetSize(); }
    // Checked: an index outside 0..GetCount()-1 throws CMyException.
    const CMonster& GetMonster(int index) const { return monsters_.ElementAt(index); }

private:
    void AddDrop(int monsterIndex, std::int16_t kind, int id);

    CAnQianArray<CMonster> monsters_;
};

CRoster& Roster();
