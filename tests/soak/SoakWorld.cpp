// The program-wide game objects as a soak game sees them (see SoakWorld.h).
#include "SoakWorld.h"

#include "game/DefeatTally.h"
#include "game/Item.h"
#include "game/ProgramState.h"
#include "game/Random.h"
#include "game/Roster.h"

CSoakWorld::CSoakWorld() {
    DefeatTally() = CDefeatTally();
    ItemSerials() = CItemSerials();
}

void CSoakWorld::Seed(std::uint64_t seed) { ProgramRandom().Seed(seed); }

int CSoakWorld::MonsterCount() const { return Roster().GetCount(); }

int CSoakWorld::DefeatCount(int monsterIndex) const { return DefeatTally().Count(monsterIndex); }
