// Start-up of the program-wide state: seeding, idempotent table builds, and
// the world a fight of the app works on.
#include "game/DefeatTally.h"
#include "game/ItemTable.h"
#include "game/ProgramState.h"
#include "game/Random.h"
#include "game/Roster.h"
#include "game/SkillTable.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramState, StartUpSeedsTheProgramGeneratorAndFillsBothTablesOnce) {
    StartUp(99);
    StartUp(99);
    EXPECT_EQ(ProgramRandom().Next(), CRandom(99).Next());
    EXPECT_EQ(SkillTable().GetSize(), 6);
    EXPECT_EQ(ItemTable().GetSize(), 2);
}

TEST(ProgramState, ProgramWorldIsMadeOfTheProgramWideObjects) {
    const CGameWorld world = ProgramWorld();
    EXPECT_EQ(&world.roster, &Roster());
    EXPECT_EQ(&world.tally, &DefeatTally());
    EXPECT_EQ(&world.random, &ProgramRandom());
    EXPECT_EQ(&world.serials, &ItemSerials());
}

TEST(ProgramState, ClockSeedsDifferBetweenCalls) {
    // Two starts of the program must not replay the same drops.
    const std::uint64_t first = ClockSeed();
    std::uint64_t later = ClockSeed();
    for (int attempt = 0; attempt < 1000000 && later == first; ++attempt) later = ClockSeed();
    EXPECT_NE(first, later);
}

}  // namespace
