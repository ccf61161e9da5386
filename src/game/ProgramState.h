// The program-wide game state and its start-up. The skill table, the defeat
// tally, the roster, the item table, the item serial counter and the random
// generator are single objects of this library, reached through SkillTable(),
// DefeatTally(), Roster(), ItemTable(), ItemSerials() and ProgramRandom().
// The hero is not among them: its owner (the main view) holds it.
#pragma once

#include "game/GameWorld.h"

#include <cstdint>

// Seeds the program's generator and fills both tables; called once at start-up,
// before any screen exists. The roster is filled by the main view (Roster().Build()).
void StartUp(std::uint64_t seed);

CItemSerials& ItemSerials();

// The program-wide objects as the world a fight works on.
CGameWorld ProgramWorld();
