// The running game as scripts see it (see GameForScripts.h).
#include "app/GameForScripts.h"

#include "app/StateJson.h"
#include "game/Random.h"

std::string CGameForScripts::StateLine() { return StateJson(view_); }

void CGameForScripts::Reseed(std::uint64_t seed) { ProgramRandom().Seed(seed); }
