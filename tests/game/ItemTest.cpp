// Item table, item texts, serials, the skill-book bag and the automatic equip.
#include "support/GameTestWorld.h"

#include <climits>

namespace {

using ItemTest = GameTest;

TEST_F(ItemTest, TableHoldsWeaponAndClothes) {
    ASSERT_EQ(world.items.GetSize(), 2);
    ASSERT_NE(world.items.Find(ItemId::kChainMail), nullptr);
    EXPECT_EQ(world.items.Find(ItemId::kChainMail)->stats, CStats({0, 40, 400}));
    EXPECT_EQ(world.items.Find(ItemId::kChainMail)->kind, ESlotKind::kClothes);
    EXPECT_EQ(world.items.Find(ItemId::kNone), nullptr);
    EXPECT_EQ(world.items.Find(3), nullptr);
}

TEST_F(ItemTest, DescriptionsListOnlyNonZeroStats) {
    EXPECT_EQ(world.items.Find(ItemId::kHookSpear)->Describe(), "钩链枪\r\n等级:10\r\n攻击:80\r\n");
    EXPECT_EQ(CItem({1, ItemId::kChainMail}).Describe(world.items),
              "锁子节\r\n等级:10\r\n防御:40\r\n气血:400\r\n");
}

TEST_F(ItemTest, EmptySlotAndMissingDefinitionTexts) {
    EXPECT_EQ(CItem().Describe(world.items), "没有穿装备。");
    EXPECT_EQ(CItem().Name(world.items), "无");
    const CItem unknown{5, 99};
    EXPECT_EQ(unknown.Describe(world.items), "");
    EXPECT_EQ(unknown.Name(world.items), "");
    EXPECT_EQ(unknown.Kind(world.items), ESlotKind::kWeapon);
    EXPECT_EQ(unknown.Stats(world.items), CStats());
}

TEST_F(ItemTest, SlotNames) {
    EXPECT_EQ(SlotName(ESlotKind::kWeapon), "武器");
    EXPECT_EQ(SlotName(ESlotKind::kClothes), "衣服");
    EXPECT_EQ(SlotName(static_cast<ESlotKind>(2)), "");
    EXPECT_EQ(SlotName(static_cast<ESlotKind>(-1)), "");
}

TEST_F(ItemTest, SerialsCountUpFromOne) {
    EXPECT_EQ(MakeItem(ItemId::kHookSpear, world.serials), CItem({1, ItemId::kHookSpear}));
    EXPECT_EQ(MakeItem(ItemId::kChainMail, world.serials), CItem({2, ItemId::kChainMail}));
}

TEST(SkillBookBag, BooksOfOneSkillStackInOneEntry) {
    CSkillBookBag books;
    EXPECT_TRUE(books.AddBooks(2, 1));
    EXPECT_TRUE(books.AddBooks(2, 3));
    ASSERT_EQ(books.GetSize(), 1);
    EXPECT_EQ(books.GetAt(0).count, 4);
    EXPECT_FALSE(books.AddBooks(2, 0));
    EXPECT_FALSE(books.AddBooks(2, -1));
    EXPECT_EQ(books.BookCount(2), 4);
}

TEST(SkillBookBag, CountThatWouldPassInt32MaximumIsRefused) {
    CSkillBookBag books;
    ASSERT_TRUE(books.AddBooks(1, INT_MAX - 1));
    EXPECT_FALSE(books.AddBooks(1, 2));
    EXPECT_EQ(books.BookCount(1), INT_MAX - 1);
    EXPECT_TRUE(books.AddBooks(1, 1));
    EXPECT_EQ(books.BookCount(1), INT_MAX);
}

TEST(SkillBookBag, HundredAndFirstSkillIsRefused) {
    CSkillBookBag books;
    for (int skillId = 1; skillId <= CSkillBookBag::kCapacity; ++skillId)
        ASSERT_TRUE(books.AddBooks(skillId, 1));
    EXPECT_FALSE(books.AddBooks(101, 1));
    EXPECT_EQ(books.GetSize(), 100);
    EXPECT_TRUE(books.AddBooks(50, 1));  // an existing entry still stacks
}

TEST(SkillBookBag, RemovingTheLastBookRemovesTheEntry) {
    CSkillBookBag books;
    books.AddBooks(2, 4);
    books.AddBooks(3, 1);
    EXPECT_FALSE(books.RemoveBooks(2, 5));
    EXPECT_FALSE(books.RemoveBooks(2, 0));
    EXPECT_FALSE(books.RemoveBooks(9, 1));
    EXPECT_TRUE(books.RemoveBooks(2, 1));
    EXPECT_EQ(books.BookCount(2), 3);
    EXPECT_TRUE(books.RemoveBooks(2, 3));
    ASSERT_EQ(books.GetSize(), 1);
    EXPECT_EQ(books.GetAt(0).skillId, 3);
}

TEST_F(ItemTest, AutoEquipWaitsForTheItemLevel) {
    CHero hero = HeroAtLevel(9);
    hero.bag.Add(MakeItem(ItemId::kHookSpear, world.serials));
    hero.AutoEquip(world.items);
    EXPECT_EQ(hero.bag.GetSize(), 1);
    EXPECT_EQ(hero.equipment.GetAt(SlotIndex(ESlotKind::kWeapon)), CItem());

    hero.RaiseLevelCap(10);
    hero.GainExp(hero.ExpForNextLevel());
    hero.AutoEquip(world.items);
    EXPECT_EQ(hero.bag.GetSize(), 0);
    EXPECT_EQ(hero.equipment.GetAt(SlotIndex(ESlotKind::kWeapon)), CItem({1, ItemId::kHookSpear}));
}

TEST_F(ItemTest, AutoEquipWithTwoCopiesWearsTheLastOne) {
    CHero hero = HeroAtLevel(10);
    const CItem first = MakeItem(ItemId::kHookSpear, world.serials);
    const CItem second = MakeItem(ItemId::kHookSpear, world.serials);
    hero.bag.Add(first);
    hero.bag.Add(second);
    hero.AutoEquip(world.items);
    EXPECT_EQ(hero.equipment.GetAt(SlotIndex(ESlotKind::kWeapon)), second);
    ASSERT_EQ(hero.bag.GetSize(), 1);
    EXPECT_EQ(hero.bag.GetAt(0), first);

    hero.AutoEquip(world.items);  // equal stats never replace
    EXPECT_EQ(hero.equipment.GetAt(SlotIndex(ESlotKind::kWeapon)), second);
    EXPECT_EQ(hero.bag.GetAt(0), first);
}

TEST_F(ItemTest, AutoEquipFillsEachSlotByKind) {
    CHero hero = HeroAtLevel(10);
    hero.bag.Add(MakeItem(ItemId::kChainMail, world.serials));
    hero.bag.Add(MakeItem(ItemId::kHookSpear, world.serials));
    hero.AutoEquip(world.items);
    EXPECT_EQ(hero.bag.GetSize(), 0);
    EXPECT_EQ(hero.equipment.GetAt(SlotIndex(ESlotKind::kWeapon)).itemId, ItemId::kHookSpear);
    EXPECT_EQ(hero.equipment.GetAt(SlotIndex(ESlotKind::kClothes)).itemId, ItemId::kChainMail);
}

}  // namespace
