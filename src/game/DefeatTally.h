// CDefeatTally: how often each roster monster has been defeated, one entry per
// monster index in the order first defeated. Only won fights add to it.
#pragma once

#include "base/AnQianArray.h"

class CDefeatTally {
public:
    void Add(int monsterIndex, int amount);
    // 0 for a monster never defeated.
    int Count(int monsterIndex) const;

private:
    struct Entry {
        int monsterIndex = 0;
        int count = 0;

        int Key() const { return monsterIndex; }
    };

    CAnQianArray<Entry> entries_;
};
