// What the soak watches of a game between two events, and the invariants it
// holds the game to: each snapshot on its own (level within the cap,
// experience below the next level's need, at most maxSkills skills and no
// duplicate, two equipment slots holding only their own kind, the bare stats
// of the level, the main screen's texts showing the numbers, no error box),
// and each step from one snapshot to the next (no item lost or duplicated, a
// skill book gone only as that skill is learned, level, cap, tally and task
// stage never going down).
#pragma once

#include "game/Item.h"
#include "game/Stats.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

class CPlatform;
class CQuorvanelView;
class CSoakWorld;

struct CGameSnapshot {
    int level = 0;
    int exp = 0;
    int levelCap = 0;
    int maxSkills = 0;
    CStats stats;
    std::vector<int> skills;
    std::map<int, int> books;     // skill id -> count
    std::size_t bookEntries = 0;  // one per skill id
    std::vector<CItem> bag;
    std::vector<CItem> equipment;
    std::vector<int> tally;  // defeats by roster index
    int stage = 0;
    std::string levelText;  // the main screen's
    std::string expText;
    std::optional<std::string> errorBox;  // the text of an open error box
};

CGameSnapshot TakeSnapshot(CQuorvanelView& view, const CSoakWorld& world, const CPlatform& platform);

// One line for each invariant that does not hold in now or in the step
// from before to now.
std::vector<std::string> BrokenInvariants(const CGameSnapshot& before, const CGameSnapshot& now);
