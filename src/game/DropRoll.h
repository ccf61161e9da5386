// Rolling a defeated monster's drop table into the hero's bags.
#pragma once

#include "game/DropEntry.h"

#include <vector>

class CMonster;
class CHero;
class CRandom;
class CItemSerials;

// One draw over 0..9999 per entry, from the last entry to the first, whether
// or not it is won; an entry is won when the draw is below its chance. A won
// skill book goes to the skill-book bag (lost if refused); a won item is made
// once and its count copies (one serial) are appended to the bag. Returns the
// entries won, in the order drawn.
std::vector<CDropEntry> RollDrops(const CMonster& monster, CHero& hero, CRandom& random,
                                  CItemSerials& serials);
