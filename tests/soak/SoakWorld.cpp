// The game world as a soak game sees it (see SoakWorld.h).
#include "SoakWorld.h"

#include "game/GameWorld.h"

void CSoakWorld::Seed(std::uint64_t seed) { world_.random.Seed(seed); }

int CSoakWorld::MonsterCount() const { return world_.roster.GetCount(); }

int CSoakWorld::DefeatCount(int monsterIndex) const { return world_.tally.Count(monsterIndex); }
