// Battle estimate texts and results at the edges of the formula, and what a
// fight changes.
#include "support/GameTestWorld.h"

#include "game/Battle.h"
#include "game/SkillDef.h"

namespace {

using BattleTest = GameTest;

TEST_F(BattleTest, NewHeroBeatsTheFirstMonster) {
    const CEstimate estimate = Estimate(CHero(), world.roster.GetMonster(0), world.items);
    EXPECT_TRUE(estimate.win);
    EXPECT_EQ(
        estimate.text,
        "你9回合消灭对方，对方10回合消灭你。\r\n你每回给对方造成10.00伤害，对方每回合给你造成10.00伤害。");
}

TEST_F(BattleTest, NewHeroLosesToTheSecondMonsterWithExactText) {
    const CEstimate estimate = Estimate(CHero(), world.roster.GetMonster(1), world.items);
    EXPECT_FALSE(estimate.win);
    EXPECT_EQ(
        estimate.text,
        "你14回合消灭对方，对方8回合消灭你。\r\n你每回给对方造成 8.00伤害，对方每回合给你造成14.00伤害。");
    EXPECT_EQ(estimate.HintText(), "打不过\r\n" + estimate.text);
}

TEST_F(BattleTest, NewHeroWinsOnlyAgainstIndexZero) {
    const CHero hero;
    for (int index = 0; index < world.roster.GetCount(); ++index)
        EXPECT_EQ(Estimate(hero, world.roster.GetMonster(index), world.items).win, index == 0) << index;
}

TEST_F(BattleTest, EqualRoundsLose) {
    const CEstimate estimate = Estimate(CHero(), CMonster("镜像", 0, {20, 10, 100}, 0), world.items);
    EXPECT_FALSE(estimate.win);
    EXPECT_EQ(estimate.text.substr(0, estimate.text.find("\r\n")), "你10回合消灭对方，对方10回合消灭你。");
}

TEST_F(BattleTest, NeitherSideHurtsTheOtherIsALoss) {
    const CEstimate estimate = Estimate(CHero(), CMonster("石", 0, {10, 20, 1}, 0), world.items);
    EXPECT_FALSE(estimate.win);
    EXPECT_EQ(estimate.text, "打不动对方。");
    EXPECT_EQ(estimate.HintText(), "打不过\r\n打不动对方。");
}

TEST_F(BattleTest, DefenceAtTheMonsterAttackWins) {
    CHero hero;
    hero.stats = {21, 242, 1};
    const CEstimate estimate = Estimate(hero, world.roster.GetMonster(7), world.items);
    EXPECT_TRUE(estimate.win);
    EXPECT_EQ(estimate.text, "对方对不动你。");
    EXPECT_EQ(estimate.HintText(), "打得过\r\n对方对不动你。");
}

TEST_F(BattleTest, DamageSkillMultipliesByFloatOnePointOne) {
    CHero hero;
    GiveSkill(hero, SkillId::kDamageUp);
    EXPECT_EQ(
        Estimate(hero, world.roster.GetMonster(0), world.items).text,
        "你9回合消灭对方，对方10回合消灭你。\r\n你每回给对方造成11.00伤害，对方每回合给你造成10.00伤害。");
}

TEST_F(BattleTest, GuardSkillLowersDamageTakenToNinetyPercent) {
    CHero hero;
    GiveSkill(hero, SkillId::kDamageTakenDown);
    EXPECT_EQ(
        Estimate(hero, world.roster.GetMonster(0), world.items).text,
        "你9回合消灭对方，对方12回合消灭你。\r\n你每回给对方造成10.00伤害，对方每回合给你造成 9.00伤害。");
}

TEST_F(BattleTest, GuardSkillTurnsOneRoundIntoTwoAgainstHighAttack) {
    // 赖昆 deals 222 a round; 0.9 of it (199.8) leaves the level-5 hero's 200 hp
    // a sliver, so he needs two rounds while the hero needs one.
    CHero hero = HeroAtLevel(5);
    EXPECT_FALSE(Estimate(hero, world.roster.GetMonster(7), world.items).win);
    GiveSkill(hero, SkillId::kDamageTakenDown);
    EXPECT_TRUE(Estimate(hero, world.roster.GetMonster(7), world.items).win);
}

TEST_F(BattleTest, WholeQuotientIsNotRoundedUp) {
    // Equipped level-10 hero with armour mastery: 4760 / 140 is exactly 34
    // rounds, one fewer than the 35 the boss needs (720 / 21).
    CHero hero = HeroAtLevel(10);
    Wear(hero, {ItemId::kHookSpear, ItemId::kChainMail});
    GiveSkill(hero, SkillId::kArmourMastery);
    const CEstimate estimate = Estimate(hero, world.roster.GetMonster(10), world.items);
    EXPECT_TRUE(estimate.win);
    EXPECT_EQ(
        estimate.text,
        "你34回合消灭对方，对方35回合消灭你。\r\n你每回给对方造成140.00伤害，对方每回合给你造成21.00伤害。");
}

TEST_F(BattleTest, FightOutsideTheRosterDoesNothing) {
    CHero hero;
    EXPECT_FALSE(Fight(-1, hero, world));
    EXPECT_FALSE(Fight(11, hero, world));
    EXPECT_EQ(hero.exp, 0);
}

TEST_F(BattleTest, LostFightChangesNothing) {
    CHero hero;
    EXPECT_FALSE(Fight(1, hero, world));
    EXPECT_EQ(world.tally.Count(1), 0);
    EXPECT_EQ(hero.level, 0);
    EXPECT_EQ(world.random.Next(), CRandom(kSeed).Next());
}

TEST_F(BattleTest, WonFightCountsGivesExperienceThenRollsDrops) {
    CHero hero = HeroAtLevel(5);
    CRandom twin(kSeed);
    const CFightResult result = Fight(4, hero, world);
    EXPECT_TRUE(result);
    EXPECT_EQ(world.tally.Count(4), 1);
    EXPECT_EQ(hero.exp, 5);
    EXPECT_EQ(result.exp, 5);
    EXPECT_EQ(result.levelBefore, 5);
    EXPECT_EQ(result.level, 5);
    // The result names exactly the drops the same draws give.
    std::size_t won = 0;
    for (int draw = 0; draw < 4; ++draw) won += twin.Below(10000) < 2000 ? 1 : 0;
    EXPECT_EQ(result.drops.size(), won);
    EXPECT_EQ(hero.skillBooks.GetSize() > 0, won > 0);
    EXPECT_EQ(world.random.Next(), twin.Next());
}

TEST_F(BattleTest, WinAtTheCapStillCounts) {
    CHero hero = HeroAtLevel(5);
    hero.GainExp(35);
    EXPECT_TRUE(Fight(0, hero, world));
    EXPECT_EQ(hero.level, 5);
    EXPECT_EQ(hero.exp, 35);
    EXPECT_EQ(world.tally.Count(0), 1);
}

}  // namespace
