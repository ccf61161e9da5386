// The two tasks: table, requirements from the world.tally, and completion.
#include "support/GameTestWorld.h"

#include "game/Task.h"

namespace {

using TaskTest = GameTest;

TEST_F(TaskTest, TableNamesLevelsAndTargets) {
    ASSERT_EQ(TaskCount(), 2);
    EXPECT_EQ(FindTask(0)->minLevel, 5);
    EXPECT_EQ(std::vector<int>(FindTask(0)->targets.begin(), FindTask(0)->targets.end()),
              std::vector<int>({5, 6, 7}));
    EXPECT_STREQ(FindTask(0)->levelTooLowText, "等级达到5级，才可接任务。");
    EXPECT_EQ(FindTask(1)->minLevel, 10);
    EXPECT_EQ(std::vector<int>(FindTask(1)->targets.begin(), FindTask(1)->targets.end()),
              std::vector<int>({10}));
    EXPECT_STREQ(FindTask(1)->levelTooLowText, "等级达到10级，才可接任务。");
    EXPECT_EQ(FindTask(2), nullptr);
    EXPECT_EQ(FindTask(-1), nullptr);
    EXPECT_STREQ(kTaskButtonCaption, "完成任务(等级上限开到10级)");
    EXPECT_STREQ(kCongratulationText, "通关了,祝贺你！");
}

TEST_F(TaskTest, FirstTaskNeedsAllThreeTargets) {
    world.tally.Add(5, 1);
    world.tally.Add(6, 2);
    EXPECT_FALSE(RequirementsMet(0, world.tally));
    world.tally.Add(7, 1);
    EXPECT_TRUE(RequirementsMet(0, world.tally));
    EXPECT_FALSE(RequirementsMet(1, world.tally));
    world.tally.Add(10, 1);
    EXPECT_TRUE(RequirementsMet(1, world.tally));
    EXPECT_FALSE(RequirementsMet(2, world.tally));
}

TEST_F(TaskTest, OpenTaskCompletesNothing) {
    CHero hero = HeroAtLevel(5);
    CTaskProgress progress;
    world.tally.Add(5, 1);
    EXPECT_EQ(progress.CompleteTask(hero, world.tally), ETaskOutcome::kNothing);
    EXPECT_EQ(progress.stage, 0);
    EXPECT_EQ(hero.levelCap, 5);
}

TEST_F(TaskTest, FirstTaskRaisesTheCapThenTheLastCongratulatesEveryTime) {
    CHero hero = HeroAtLevel(5);
    CTaskProgress progress;
    for (int index : {5, 6, 7}) world.tally.Add(index, 1);
    EXPECT_EQ(progress.CompleteTask(hero, world.tally), ETaskOutcome::kCapRaised);
    EXPECT_EQ(progress.stage, 1);
    EXPECT_EQ(hero.levelCap, 10);
    EXPECT_EQ(hero.level, 5);
    EXPECT_EQ(progress.CompleteTask(hero, world.tally), ETaskOutcome::kNothing);

    world.tally.Add(10, 1);
    EXPECT_EQ(progress.CompleteTask(hero, world.tally), ETaskOutcome::kCongratulate);
    EXPECT_EQ(progress.CompleteTask(hero, world.tally), ETaskOutcome::kCongratulate);
    EXPECT_EQ(progress.stage, 1);
    EXPECT_EQ(hero.levelCap, 10);
}

}  // namespace
