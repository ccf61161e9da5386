// Battle: a fight is settled at once by comparing the rounds each side needs
// to defeat the other. Estimate is pure and also feeds the main screen's
// fight buttons; Fight applies a win to the hero and the world.
#pragma once

#include <string>

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

// Fights roster monster monsterIndex. Nothing happens for an index outside the
// roster or a lost estimate. A win, in this order: the tally counts it, the
// hero gains the monster's experience, the drop table is rolled. Returns
// whether the fight was won.
bool Fight(int monsterIndex, CHero& hero, CGameWorld& world);
