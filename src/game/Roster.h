// CRoster: the fixed roster of eleven monsters. A monster's index (0 to 10) is
// its identity everywhere: fight buttons, the defeat tally and the tasks.
// It is filled when made and never changes after; the world holds the game's one roster.
#pragma once

#include "base/AnQianArray.h"
#include "game/Monster.h"

class CRoster {
public:
    CRoster();

    int GetCount() const { return monsters_.GetSize(); }
    // Checked: an index outside 0..GetCount()-1 throws CMyException.
    const CMonster& GetMonster(int index) const { return monsters_.ElementAt(index); }

private:
    void AddDrop(int monsterIndex, EDropKind kind, int id);

    CAnQianArray<CMonster> monsters_;
};
