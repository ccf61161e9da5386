// The program-wide objects, defined together so that they are constructed in
// this order (and destroyed in the reverse): skill table, defeat tally,
// roster, item table, then the item serials and the generator.
#include "game/ProgramState.h"

#include "game/DefeatTally.h"
#include "game/Item.h"
#include "game/ItemTable.h"
#include "game/Random.h"
#include "game/Roster.h"
#include "game/SkillTable.h"

namespace {

CAnQianArray<CSkillDef> g_skillTable;
CDefeatTally g_defeatTally;
CRoster g_roster;
CAnQianArray<CItemDef> g_itemTable;
CItemSerials g_itemSerials;
CRandom g_random;

}  // namespace

CAnQianArray<CSkillDef>& SkillTable() { return g_skillTable; }
CDefeatTally& DefeatTally() { return g_defeatTally; }
CRoster& Roster() { return g_roster; }
CAnQianArray<CItemDef>& ItemTable() { return g_itemTable; }
CItemSerials& ItemSerials() { return g_itemSerials; }
CRandom& ProgramRandom() { return g_random; }

void StartUp(std::uint64_t seed) {
    g_random.Seed(seed);
    BuildSkillTable();
    BuildItemTable();
}

CGameWorld ProgramWorld() { return {g_roster, g_defeatTally, g_random, g_itemSerials}; }
