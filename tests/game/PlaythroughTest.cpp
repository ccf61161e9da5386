// The whole game through calls only, with a fixed seed: train, collect books,
// switch skills to beat each named foe, finish the first task, train to level
// 10, collect the equipment and the armour book, and finish the last task.
#include "support/GameTestWorld.h"

#include "game/Battle.h"
#include "game/SkillDef.h"
#include "game/Task.h"

namespace {

constexpr int kFightLimit = 5000;  // far above what the seed needs; stops a broken loop

class PlaythroughTest : public GameTest {
protected:
    // Fights the strongest monster the hero can beat now; false if none.
    bool FightStrongestWinnable() {
        for (int index = world.roster.GetCount() - 1; index >= 0; --index)
            if (Estimate(hero, world.roster.GetMonster(index), world.items).win)
                return Fight(index, hero, world).won;
        return false;
    }

    // Fights monsterIndex until done() holds; fails the test if that takes too long.
    template <typename Done>
    void FarmUntil(int monsterIndex, Done done) {
        for (int fight = 0; fight < kFightLimit && !done(); ++fight)
            ASSERT_TRUE(Fight(monsterIndex, hero, world)) << "lost to " << monsterIndex;
        ASSERT_TRUE(done()) << "still not done after " << kFightLimit << " fights of " << monsterIndex;
    }

    void SwitchSkillTo(int skillId) {
        std::string message;
        if (hero.skills.GetSize() > 0) {
            ASSERT_TRUE(hero.ForgetSkill(hero.skills.GetAt(0), message)) << message;
        }
        ASSERT_TRUE(hero.LearnSkill(skillId, message)) << message;
    }

    void TrainToLevel(int level) {
        for (int fight = 0; fight < kFightLimit && hero.level < level; ++fight)
            ASSERT_TRUE(FightStrongestWinnable()) << "nothing winnable at level " << hero.level;
        ASSERT_EQ(hero.level, level);
    }

    bool HasBooks(std::initializer_list<int> skillIds) const {
        for (int skillId : skillIds)
            if (hero.skillBooks.BookCount(skillId) == 0) return false;
        return true;
    }

    bool HasItem(int itemId) const {
        for (const CItem& item : hero.bag)
            if (item.itemId == itemId) return true;
        return false;
    }

    CHero hero;
    CTaskProgress progress;
};

TEST_F(PlaythroughTest, FromNewHeroToTheCongratulation) {
    TrainToLevel(5);
    EXPECT_EQ(progress.CompleteTask(hero, world.tally), ETaskOutcome::kNothing);

    // At level 5 each named foe falls to a different skill, bought with 枪兵's books.
    FarmUntil(4, [&] {
        return HasBooks({SkillId::kAttackUp, SkillId::kDamageUp, SkillId::kDamageTakenDown});
    });
    const std::pair<int, int> skillForFoe[] = {
        {SkillId::kDamageUp, 5}, {SkillId::kAttackUp, 6}, {SkillId::kDamageTakenDown, 7}};
    for (const auto& [skillId, foe] : skillForFoe) {
        EXPECT_FALSE(RequirementsMet(0, world.tally));
        SwitchSkillTo(skillId);
        ASSERT_TRUE(Fight(foe, hero, world)) << "lost to " << foe;
    }
    ASSERT_EQ(progress.CompleteTask(hero, world.tally), ETaskOutcome::kCapRaised);
    EXPECT_EQ(hero.levelCap, 10);

    TrainToLevel(10);
    FarmUntil(9, [&] { return HasItem(ItemId::kHookSpear) && HasItem(ItemId::kChainMail); });
    FarmUntil(8, [&] { return HasBooks({SkillId::kArmourMastery}); });
    hero.AutoEquip(world.items);
    EXPECT_EQ(hero.equipment.GetAt(SlotIndex(ESlotKind::kWeapon)).itemId, ItemId::kHookSpear);
    EXPECT_EQ(hero.equipment.GetAt(SlotIndex(ESlotKind::kClothes)).itemId, ItemId::kChainMail);

    EXPECT_FALSE(Estimate(hero, world.roster.GetMonster(10), world.items).win);
    SwitchSkillTo(SkillId::kArmourMastery);
    ASSERT_TRUE(Fight(10, hero, world));
    EXPECT_EQ(progress.CompleteTask(hero, world.tally), ETaskOutcome::kCongratulate);
    EXPECT_EQ(hero.level, 10);
}

}  // namespace
