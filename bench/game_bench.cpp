// What one main-screen refresh costs in game rules: the battle estimate of the
// hero against all eleven monsters (stat totals, both profiles, the text).
#include "game/Battle.h"
#include "game/Hero.h"
#include "game/ItemTable.h"
#include "game/ProgramState.h"
#include "game/Roster.h"
#include "game/SkillDef.h"

#include <benchmark/benchmark.h>

namespace {

void EstimateWholeRoster(benchmark::State& state, const CHero& hero) {
    const CRoster& roster = Roster();
    for (auto _ : state)
        for (int index = 0; index < roster.GetCount(); ++index)
            benchmark::DoNotOptimize(Estimate(hero, roster.GetMonster(index)));
    state.SetItemsProcessed(state.iterations() * roster.GetCount());
}

void BM_EstimateRosterNewHero(benchmark::State& state) {
    StartUp(1);
    Roster().Build();
    EstimateWholeRoster(state, CHero());
}
BENCHMARK(BM_EstimateRosterNewHero);

void BM_EstimateRosterEquippedHero(benchmark::State& state) {
    StartUp(1);
    Roster().Build();
    CHero hero;
    hero.RaiseLevelCap(10);
    hero.GainExp(385);
    hero.skills.Add(SkillId::kArmourMastery);
    CItemSerials serials;
    hero.equipment.ElementAt(SlotKind::kWeapon) = MakeItem(ItemId::kHookSpear, serials);
    hero.equipment.ElementAt(SlotKind::kClothes) = MakeItem(ItemId::kChainMail, serials);
    EstimateWholeRoster(state, hero);
}
BENCHMARK(BM_EstimateRosterEquippedHero);

}  // namespace
