// Talent-skill table and the learn / forget rules with their messages.
#include "support/GameTestWorld.h"

#include "game/SkillDef.h"

namespace {

using SkillTest = GameTest;

TEST_F(SkillTest, TableHoldsTheSixSkillsInOrder) {
    ASSERT_EQ(world.skills.GetSize(), 6);
    EXPECT_EQ(world.skills.GetAt(0).name, "骁勇善战");
    EXPECT_EQ(world.skills.GetAt(5).description, "装备上的防御、气血效果增加5%。");
    ASSERT_NE(world.skills.Find(4), nullptr);
    EXPECT_EQ(world.skills.Find(4)->name, "无懈可击");
    EXPECT_EQ(world.skills.Find(7), nullptr);
    EXPECT_EQ(world.skills.Find(0), nullptr);
}

TEST_F(SkillTest, LearningUsesUpOneBook) {
    CHero hero;
    hero.skillBooks.AddBooks(SkillId::kDamageUp, 1);
    std::string message = "unchanged";
    EXPECT_TRUE(hero.LearnSkill(SkillId::kDamageUp, message));
    EXPECT_EQ(message, "unchanged");
    EXPECT_EQ(hero.skillBooks.GetSize(), 0);
    ASSERT_EQ(hero.skills.GetSize(), 1);
    EXPECT_EQ(hero.skills.GetAt(0), SkillId::kDamageUp);
}

TEST_F(SkillTest, RefusalsKeepTheBooks) {
    CHero hero;
    hero.skillBooks.AddBooks(SkillId::kDamageUp, 2);
    hero.skillBooks.AddBooks(SkillId::kWeaponMastery, 1);
    std::string message;
    ASSERT_TRUE(hero.LearnSkill(SkillId::kDamageUp, message));

    EXPECT_FALSE(hero.LearnSkill(SkillId::kDamageUp, message));
    EXPECT_EQ(message, "你已经有此技能。");
    EXPECT_EQ(hero.skillBooks.BookCount(SkillId::kDamageUp), 1);

    EXPECT_FALSE(hero.LearnSkill(SkillId::kWeaponMastery, message));
    EXPECT_EQ(message, "最多可以学1个技能，你已经有1个技能。");
    EXPECT_EQ(hero.skillBooks.BookCount(SkillId::kWeaponMastery), 1);
}

TEST_F(SkillTest, LearningWithoutABookIsRefused) {
    CHero hero;
    std::string message;
    EXPECT_FALSE(hero.LearnSkill(SkillId::kDefenceHpUp, message));
    EXPECT_EQ(message, "你没有此种技能书。");
    EXPECT_EQ(hero.skills.GetSize(), 0);
}

TEST_F(SkillTest, ForgettingFreesTheSlotWithoutReturningTheBook) {
    CHero hero;
    hero.skillBooks.AddBooks(SkillId::kDamageUp, 1);
    std::string message;
    ASSERT_TRUE(hero.LearnSkill(SkillId::kDamageUp, message));
    EXPECT_TRUE(hero.ForgetSkill(SkillId::kDamageUp, message));
    EXPECT_EQ(hero.skills.GetSize(), 0);
    EXPECT_EQ(hero.skillBooks.BookCount(SkillId::kDamageUp), 0);
    EXPECT_FALSE(hero.ForgetSkill(SkillId::kDamageUp, message));
    EXPECT_EQ(message, "你没有此技能。");
}

TEST_F(SkillTest, ForgettingRemovesOnlyThatSkill) {
    CHero hero;
    for (int skillId : {1, 2, 3}) GiveSkill(hero, skillId);
    std::string message;
    ASSERT_TRUE(hero.ForgetSkill(2, message));
    ASSERT_EQ(hero.skills.GetSize(), 2);
    EXPECT_EQ(hero.skills.GetAt(0), 1);
    EXPECT_EQ(hero.skills.GetAt(1), 3);
}

}  // namespace
