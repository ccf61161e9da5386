// The world: what making it fills and seeds, that two worlds share nothing,
// and the clock seed the program starts with.
#include "game/GameWorld.h"

#include <gtest/gtest.h>

namespace {

TEST(GameWorld, MakingItSeedsTheGeneratorAndFillsTablesAndRoster) {
    CGameWorld world(99);
    EXPECT_EQ(world.random.Next(), CRandom(99).Next());
    EXPECT_EQ(world.skills.GetSize(), 6);
    EXPECT_EQ(world.items.GetSize(), 2);
    EXPECT_EQ(world.roster.GetCount(), 11);
    EXPECT_EQ(world.tally.Count(0), 0);
    EXPECT_EQ(MakeItem(ItemId::kHookSpear, world.serials).serial, 1);
}

TEST(GameWorld, TwoWorldsShareNoState) {
    CGameWorld first(5);
    CGameWorld second(5);
    first.tally.Add(3, 2);
    MakeItem(ItemId::kChainMail, first.serials);
    const std::uint64_t firstDraw = first.random.Next();
    EXPECT_EQ(second.tally.Count(3), 0);
    EXPECT_EQ(MakeItem(ItemId::kChainMail, second.serials).serial, 1);
    EXPECT_EQ(second.random.Next(), firstDraw);  // same seed, its own sequence
    EXPECT_NE(&first.skills.GetAt(0), &second.skills.GetAt(0));
}

TEST(GameWorld, ClockSeedsDifferBetweenCalls) {
    // Two starts of the program must not replay the same drops.
    const std::uint64_t first = ClockSeed();
    std::uint64_t later = ClockSeed();
    for (int attempt = 0; attempt < 1000000 && later == first; ++attempt) later = ClockSeed();
    EXPECT_NE(first, later);
}

}  // namespace
