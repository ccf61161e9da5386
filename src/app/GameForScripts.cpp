// The running game as scripts see it (see GameForScripts.h).
#include "app/GameForScripts.h"

#include "app/StateJson.h"
#include "game/GameWorld.h"
#include "screens/QuorvanelView.h"

std::string CGameForScripts::StateLine() { return StateJson(view_); }

void CGameForScripts::Reseed(std::uint64_t seed) { view_.World().random.Seed(seed); }
