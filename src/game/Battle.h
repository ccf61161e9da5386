// Battle: a fight is settled at once by comparing the rounds each side needs
// to defeat the other. Estimate is pure and also feeds the main screen's
// fight buttons; Fight applies a win to the hero and the world.
#pragma once

#include "game/DropEntry.h"

#include <string>
#include <vector>

class CCharacter;
class CGameWorld;
class CHero;
class CItemTable;

struct CEstimate {
    bool win = false;
    std::string text;

    // "打得过\r\n" or "打不过\r\n" followed by the text: the fight button's hint.
    std::string HintText() const;
};

// Worn items are read through items.
CEstimate Estimate(const CCharacter& hero, const CCharacter& monster, const CItemTable& items);

// What a fight brought: whether it was won, and for a win the experience the
// monster gives, the hero's level before and after, and the drops given.
struct CFightResult {
    bool won = false;
    int exp = 0;
    int levelBefore = 0;
    int level = 0;
    std::vector<CDropEntry> drops;

    explicit operator bool() const { return won; }
};

// Fights roster monster monsterIndex. Nothing happens for an index outside the
// roster or a lost estimate. A win, in this order: the tally counts it, the
// hero gains the monster's experience, the drop table is rolled.
CFightResult Fight(int monsterIndex, CHero& hero, CGameWorld& world);
