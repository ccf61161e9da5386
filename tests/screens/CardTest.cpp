// The character and reward cards: which widgets they add, where, with which
// texts, and how they size the panel they fill.
#include "game/GameWorld.h"
#include "game/Hero.h"
#include "game/SkillDef.h"
#include "screens/CharacterCard.h"
#include "screens/RewardCard.h"
#include "ui/Badge.h"
#include "ui/HoverCard.h"
#include "ui/ShadowLabel.h"
#include "ui/TextLabel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CardTest : public ::testing::Test {
protected:
    CGameWorld world{1};
    // A card as the main screen places it: only the top-left corner is set.
    CHoverCard card;

    void SetUp() override { card.rect = {10, 42, 180, 147}; }

    const CWidget& Child(std::size_t index) const { return *card.Children().at(index); }
};

// The caption of every child at rect, in list order.
std::vector<std::string> CaptionsAt(const CWidget& parent, const std::vector<CRect>& rects) {
    std::vector<std::string> captions;
    for (const auto& child : parent.Children())
        for (const CRect& rect : rects)
            if (child->rect == rect) captions.push_back(child->caption);
    return captions;
}

TEST_F(CardTest, NewHeroCardHasTitleFourRowsAndNoSkills) {
    CHero hero;
    BuildCharacterCard(card, hero, world);

    ASSERT_EQ(card.Children().size(), 9u);
    EXPECT_EQ(Child(0).caption, "无名氏");
    EXPECT_EQ(Child(0).rect, (CRect{3, 3, 167, 21}));
    EXPECT_NE(dynamic_cast<const CShadowLabel*>(&Child(0)), nullptr);
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"等级", "0"}, {"攻击", "20"}, {"防御", "10"}, {"气血", "100"}};
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const int top = 23 + 20 * static_cast<int>(k);
        const CWidget& label = Child(1 + 2 * k);
        const CWidget& value = Child(2 + 2 * k);
        EXPECT_EQ(label.caption, rows[k].first);
        EXPECT_EQ(label.rect, (CRect{3, top, 84, top + 18}));
        EXPECT_NE(dynamic_cast<const CShadowLabel*>(&label), nullptr);
        EXPECT_EQ(value.caption, rows[k].second);
        EXPECT_EQ(value.rect, (CRect{84, top, 165, top + 18}));
        EXPECT_NE(dynamic_cast<const CTextLabel*>(&value), nullptr);
    }
    EXPECT_EQ(card.rect, (CRect{10, 42, 180, 152}));  // 110 high, width untouched
}

TEST_F(CardTest, LearnedSkillAddsTheBonusAndASkillBox) {
    CHero hero;
    hero.skillBooks.AddBooks(SkillId::kAttackUp, 1);
    std::string message;
    ASSERT_TRUE(hero.LearnSkill(SkillId::kAttackUp, message));
    BuildCharacterCard(card, hero, world);

    EXPECT_EQ(CaptionsAt(card, {{84, 43, 165, 61}}), std::vector<std::string>{"21"});
    EXPECT_EQ(card.rect.Height(), 160);
    ASSERT_EQ(card.Children().size(), 10u);
    const CWidget& box = Child(9);
    EXPECT_EQ(box.rect, (CRect{3, 105, 165, 155}));  // 50 high
    ASSERT_EQ(box.Children().size(), 2u);
    EXPECT_EQ(box.Children()[0]->caption, "天赋技能");
    EXPECT_EQ(box.Children()[0]->rect, (CRect{3, 3, 158, 21}));
    const CWidget& badge = *box.Children()[1];
    EXPECT_NE(dynamic_cast<const CBadge*>(&badge), nullptr);
    EXPECT_EQ(badge.caption, "骁勇善战");
    EXPECT_EQ(badge.rect, (CRect{3, 23, 75, 42}));
}

TEST_F(CardTest, SkillBadgesGoTwoToARowAndUnknownSkillsStayEmpty) {
    CHero hero;
    for (int id : {1, 2, 3, 99}) hero.skills.Add(id);
    BuildCharacterCard(card, hero, world);

    EXPECT_EQ(card.rect.Height(), 185);
    const CWidget& box = Child(9);
    EXPECT_EQ(box.rect.Height(), 75);
    ASSERT_EQ(box.Children().size(), 5u);
    EXPECT_EQ(box.Children()[2]->rect, (CRect{83, 23, 155, 42}));
    EXPECT_EQ(box.Children()[3]->rect, (CRect{3, 42, 75, 61}));
    EXPECT_EQ(box.Children()[4]->rect, (CRect{83, 42, 155, 61}));
    EXPECT_EQ(box.Children()[4]->caption, "");
}

TEST_F(CardTest, RebuildingReplacesTheChildrenAndEveryIdIsDistinct) {
    CHero hero;
    hero.skills.Add(SkillId::kAttackUp);
    BuildCharacterCard(card, hero, world);
    hero.skills.RemoveAt(0, 1);
    BuildCharacterCard(card, hero, world);

    EXPECT_EQ(card.Children().size(), 9u);
    EXPECT_EQ(card.rect.Height(), 110);
    for (std::size_t i = 0; i < card.Children().size(); ++i)
        for (std::size_t j = i + 1; j < card.Children().size(); ++j) EXPECT_NE(Child(i).Id(), Child(j).Id());
}

TEST_F(CardTest, RewardCardOfThreeEntriesIs90High) {
    CMonster monster("试炼", 3, {30, 10, 100}, 7);
    monster.drops.Add({EDropKind::kSkillBook, SkillId::kAttackUp, 1, 2000});
    monster.drops.Add({EDropKind::kItem, 9999, 1, 150});
    monster.drops.Add({EDropKind::kSkillBook, SkillId::kDamageUp, 2, 10000});
    card.rect = {90, 42, 260, 147};
    BuildRewardCard(card, monster, world);

    EXPECT_EQ(card.rect, (CRect{90, 42, 288, 132}));
    ASSERT_EQ(card.Children().size(), 8u);
    EXPECT_EQ(Child(0).caption, "经验");
    EXPECT_EQ(Child(0).rect, (CRect{3, 5, 114, 23}));
    EXPECT_EQ(Child(1).caption, "7");
    EXPECT_EQ(Child(1).rect, (CRect{114, 5, 195, 23}));
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"骁勇善战(1)", "20.00%"}, {"", " 1.50%"}, {"弱点击破(2)", "100.00%"}};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int top = 25 + 20 * static_cast<int>(i);
        EXPECT_EQ(Child(2 + 2 * i).caption, rows[i].first);
        EXPECT_EQ(Child(2 + 2 * i).rect, (CRect{3, top, 114, top + 18}));
        EXPECT_EQ(Child(3 + 2 * i).caption, rows[i].second);
        EXPECT_EQ(Child(3 + 2 * i).rect, (CRect{114, top, 195, top + 18}));
    }
}

TEST_F(CardTest, RewardCardWithoutDropsIsOnlyTheHeader) {
    CMonster monster("空", 0, {1, 1, 1}, 0);
    BuildRewardCard(card, monster, world);
    EXPECT_EQ(card.Children().size(), 2u);
    EXPECT_EQ(card.rect, (CRect{10, 42, 208, 72}));
}

}  // namespace
