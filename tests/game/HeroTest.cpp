// CHero levelling, the level cap, the experience text and the stat totals
// with talent and equipment bonuses.
#include "support/GameTestWorld.h"

#include "game/SkillDef.h"

namespace {

using HeroTest = GameTest;

TEST_F(HeroTest, NewHeroHasTheStartingRecord) {
    const CHero hero;
    EXPECT_EQ(hero.name, "无名氏");
    EXPECT_EQ(hero.level, 0);
    EXPECT_EQ(hero.exp, 0);
    EXPECT_EQ(hero.levelCap, 5);
    EXPECT_EQ(hero.maxSkills, 1);
    EXPECT_EQ(hero.stats, CStats({20, 10, 100}));
    EXPECT_EQ(hero.TotalStats(world.items), CStats({20, 10, 100}));
    EXPECT_EQ(hero.ExpText(), " 0.00%");
    EXPECT_EQ(hero.equipment.GetSize(), 2);
}

TEST_F(HeroTest, OneExperienceMakesLevelOne) {
    CHero hero;
    hero.GainExp(1);
    EXPECT_EQ(hero.level, 1);
    EXPECT_EQ(hero.exp, 0);
    EXPECT_EQ(hero.stats, CStats({24, 12, 120}));
}

TEST_F(HeroTest, OneGainCanRaiseSeveralLevelsUpToTheCap) {
    CHero hero;
    hero.GainExp(55);
    EXPECT_EQ(hero.level, 5);
    EXPECT_EQ(hero.exp, 0);
    EXPECT_EQ(hero.stats, CStats({40, 20, 200}));
    EXPECT_EQ(hero.ExpText(), "满级");
}

TEST_F(HeroTest, ExperienceBeyondTheCapIsClampedBelowTheNextNeed) {
    CHero hero;
    hero.GainExp(100);
    EXPECT_EQ(hero.level, 5);
    EXPECT_EQ(hero.exp, 35);
}

TEST_F(HeroTest, RaisedCapWaitsForTheNextGain) {
    CHero hero;
    hero.GainExp(100);
    hero.RaiseLevelCap(10);
    EXPECT_EQ(hero.level, 5);
    EXPECT_EQ(hero.ExpText(), "97.22%");
    hero.GainExp(1);
    EXPECT_EQ(hero.level, 6);
    EXPECT_EQ(hero.exp, 0);
}

TEST_F(HeroTest, CapNeverLowers) {
    CHero hero;
    hero.RaiseLevelCap(3);
    EXPECT_EQ(hero.levelCap, 5);
    hero.RaiseLevelCap(10);
    hero.RaiseLevelCap(10);
    EXPECT_EQ(hero.levelCap, 10);
}

TEST_F(HeroTest, NonPositiveGainChangesNothingNotEvenTheClamp) {
    CHero hero = HeroAtLevel(5);
    hero.exp = 50;  // above the clamp: only a positive gain would clamp it
    hero.GainExp(0);
    hero.GainExp(-5);
    EXPECT_EQ(hero.exp, 50);
    EXPECT_EQ(hero.level, 5);
}

TEST_F(HeroTest, ExpTextShowsProgressWithTwoDecimals) {
    CHero hero = HeroAtLevel(2);
    hero.exp = 3;
    EXPECT_EQ(hero.ExpText(), "33.33%");
}

TEST_F(HeroTest, BareTalentsScaleBaseStats) {
    CHero attacker;
    GiveSkill(attacker, SkillId::kAttackUp);
    EXPECT_EQ(attacker.BaseStats(true), CStats({21, 10, 100}));
    EXPECT_EQ(attacker.BaseStats(false), CStats({20, 10, 100}));

    CHero defender;
    GiveSkill(defender, SkillId::kDefenceHpUp);
    EXPECT_EQ(defender.BaseStats(true), CStats({20, 10, 105}));
}

TEST_F(HeroTest, MasteriesScaleTheSummedEquipment) {
    CHero hero = HeroAtLevel(10);
    Wear(hero, {ItemId::kHookSpear});
    GiveSkill(hero, SkillId::kWeaponMastery);
    EXPECT_EQ(hero.EquipStats(world.items, false), CStats({80, 0, 0}));
    EXPECT_EQ(hero.EquipStats(world.items, true), CStats({84, 0, 0}));

    CHero armoured = HeroAtLevel(10);
    Wear(armoured, {ItemId::kChainMail});
    GiveSkill(armoured, SkillId::kArmourMastery);
    EXPECT_EQ(armoured.EquipStats(world.items, true), CStats({0, 42, 420}));
    EXPECT_EQ(armoured.TotalStats(world.items), CStats({60, 72, 720}));
}

TEST_F(HeroTest, CopyAssignmentCopiesSkillsAndEquipment) {
    CHero source = HeroAtLevel(10);
    GiveSkill(source, SkillId::kDamageUp);
    Wear(source, {ItemId::kHookSpear, ItemId::kChainMail});
    CCharacter copy("x", 0, {}, 0);
    copy = source;
    EXPECT_EQ(copy.name, "无名氏");
    EXPECT_TRUE(copy.HasSkill(SkillId::kDamageUp));
    EXPECT_EQ(copy.TotalStats(world.items), source.TotalStats(world.items));
}

}  // namespace
