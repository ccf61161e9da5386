// What one main-screen refresh costs in game rules: the battle estimate of the
// hero against all eleven monsters (stat totals, both profiles, the text).
#include "game/Battle.h"
#include "game/GameWorld.h"
#include "game/Hero.h"
#include "game/SkillDef.h"

#include <benchmark/benchmark.h>

namespace {

void EstimateWholeRoster(benchmark::State& state, const CGameWorld& world, const CHero& hero) {
    const CRoster& roster = world.roster;
    for (auto _ : state)
        for (int index = 0; index < roster.GetCount(); ++index)
            benchmark::DoNotOptimize(Estimate(hero, roster.GetMonster(index), world.items));
    state.SetItemsProcessed(state.iterations() * roster.GetCount());
}

void BM_EstimateRosterNewHero(benchmark::State& state) {
    const CGameWorld world(1);
    EstimateWholeRoster(state, world, CHero());
}
BENCHMARK(BM_EstimateRosterNewHero);

void BM_EstimateRosterEquippedHero(benchmark::State& state) {
    CGameWorld world(1);
    CHero hero;
    hero.RaiseLevelCap(10);
    hero.GainExp(385);
    hero.skills.Add(SkillId::kArmourMastery);
    hero.equipment.ElementAt(SlotIndex(ESlotKind::kWeapon)) = MakeItem(ItemId::kHookSpear, world.serials);
    hero.equipment.ElementAt(SlotIndex(ESlotKind::kClothes)) = MakeItem(ItemId::kChainMail, world.serials);
    EstimateWholeRoster(state, world, hero);
}
BENCHMARK(BM_EstimateRosterEquippedHero);

}  // namespace
