// CDefeatTally counting.
#include "game/DefeatTally.h"

void CDefeatTally::Add(int monsterIndex, int amount) {
    const int index = entries_.Find(monsterIndex);
    if (index < 0)
        entries_.Add({monsterIndex, amount});
    else
        entries_.ElementAt(index).count += amount;
}

int CDefeatTally::Count(int monsterIndex) const {
    const int index = entries_.Find(monsterIndex);
    return index < 0 ? 0 : entries_.ElementAt(index).count;
}
