// The roster: order, stats, drop tables and their texts.
#include "support/GameTestWorld.h"

namespace {

using RosterTest = GameTest;

TEST_F(RosterTest, ElevenMonstersInIndexOrder) {
    const CRoster& roster = world.roster;
    ASSERT_EQ(roster.GetCount(), 11);
    EXPECT_EQ(roster.GetMonster(0).name, "蝗虫  ");
    EXPECT_EQ(roster.GetMonster(1).name, roster.GetMonster(3).name);
    EXPECT_EQ(roster.GetMonster(3).stats, CStats({32, 16, 145}));
    EXPECT_EQ(roster.GetMonster(7).TotalStats(world.items), CStats({242, 20, 19}));
    EXPECT_EQ(roster.GetMonster(10).name, "申雄");
    EXPECT_EQ(roster.GetMonster(10).stats, CStats({93, 0, 4760}));
    EXPECT_EQ(roster.GetMonster(10).exp, 14);
    EXPECT_EQ(roster.GetMonster(8).level, 7);
    EXPECT_THROW(roster.GetMonster(11), CMyException);
}

TEST_F(RosterTest, DropTablesLabelAndChanceTexts) {
    const CAnQianArray<CDropEntry>& lancer = world.roster.GetMonster(4).drops;
    ASSERT_EQ(lancer.GetSize(), 4);
    EXPECT_EQ(lancer.GetAt(0).Label(world.skills, world.items), "骁勇善战(1)");
    EXPECT_EQ(lancer.GetAt(3).Label(world.skills, world.items), "无懈可击(1)");
    EXPECT_EQ(lancer.GetAt(3).ChanceText(), "20.00%");
    EXPECT_EQ(world.roster.GetMonster(8).drops.GetAt(1).Label(world.skills, world.items), "防具精通(1)");
    EXPECT_EQ(world.roster.GetMonster(9).drops.GetAt(0).Label(world.skills, world.items), "钩链枪(1)");
    EXPECT_EQ(world.roster.GetMonster(9).drops.GetAt(1).Label(world.skills, world.items), "锁子节(1)");
    for (int index : {0, 1, 2, 3, 5, 6, 7, 10})
        EXPECT_EQ(world.roster.GetMonster(index).drops.GetSize(), 0) << index;
}

TEST_F(RosterTest, UnknownDropsHaveEmptyLabels) {
    EXPECT_EQ(CDropEntry(EDropKind::kSkillBook, 7, 1, 2000).Label(world.skills, world.items), "");
    EXPECT_EQ(CDropEntry(EDropKind::kItem, 3, 1, 2000).Label(world.skills, world.items), "");
    EXPECT_EQ(CDropEntry(static_cast<EDropKind>(3), 1, 1, 2000).Label(world.skills, world.items), "");
    EXPECT_EQ(CDropEntry(EDropKind::kItem, 2, 5, 50).Label(world.skills, world.items), "锁子节(5)");
    EXPECT_EQ(CDropEntry(EDropKind::kItem, 2, 5, 50).ChanceText(), " 0.50%");
}

TEST_F(RosterTest, DefaultMonsterIsTheStartingRecordWithoutDrops) {
    const CMonster monster;
    EXPECT_EQ(monster.name, "无名氏");
    EXPECT_EQ(monster.stats, CStats({20, 10, 100}));
    EXPECT_EQ(monster.drops.GetSize(), 0);
}

TEST(DefeatTally, CountsPerMonsterIndex) {
    CDefeatTally tally;
    EXPECT_EQ(tally.Count(1), 0);
    tally.Add(3, 1);
    tally.Add(1, 1);
    tally.Add(3, 2);
    EXPECT_EQ(tally.Count(3), 3);
    EXPECT_EQ(tally.Count(1), 1);
    EXPECT_EQ(tally.Count(0), 0);
}

}  // namespace
