// The bag page on the headless platform: its size and tabs, the badges of
// skill books and items with their numbering, captions and hints, switching
// tabs, and paging a tab whose entries overflow it.
#include "HeroPageTest.h"

#include "screens/BagPage.h"
#include "ui/PagedGrid.h"

#include <string>
#include <vector>

namespace {

constexpr WidgetId kBooksTab{1, 101, 0};
constexpr WidgetId kBooksPage{1, 101, -1};
constexpr WidgetId kItemsTab{1, 102, 0};
constexpr WidgetId kItemsPage{1, 102, -1};
constexpr int kUnknownSkill = 99;

WidgetId BookBadge(int sub) { return {kBooksPage.group, kBooksPage.id, sub}; }
WidgetId ItemBadge(int sub) { return {kItemsPage.group, kItemsPage.id, sub}; }

class BagPageTest : public HeroPageTest<CBagPage> {
protected:
    CPagedGrid& Grid(const WidgetId& id) {
        auto* grid = page.Root().FindWidgetAs<CPagedGrid>(id);
        EXPECT_NE(grid, nullptr);
        return *grid;
    }
    // The cells of a grid: its children that are not the page bar.
    std::vector<const CWidget*> Badges(const WidgetId& gridId) {
        std::vector<const CWidget*> badges;
        for (const auto& child : Grid(gridId).Children())
            if (child->Id().group == gridId.group && child->Id().id == gridId.id)
                badges.push_back(child.get());
        return badges;
    }
    // A click on the page bar's button with caption text in the grid.
    CScript::Step PageButton(const WidgetId& gridId, const std::string& text) {
        return [this, gridId, text]() -> std::optional<InputEvent> {
            const CRect grid = page.Root().FindRect(gridId, {0, 0});
            const std::vector<const CWidget*> buttons = WithCaption(Grid(gridId), text);
            EXPECT_EQ(buttons.size(), 1u);
            if (buttons.empty()) return Press(KeyChord::Key::Escape);
            const CRect area = buttons[0]->rect.Offset(grid.left, grid.top);
            return Click((area.left + area.right) / 2, (area.top + area.bottom) / 2);
        };
    }
};

TEST_F(BagPageTest, EmptyBagsGiveTwoEmptyTabsAtTheTemplateSize) {
    Inspect([&] {
        EXPECT_EQ(page.Window()->GetTitle(), "背包");
        EXPECT_EQ(page.Window()->GetClientRect(), (CRect{0, 0, 321, 216}));
        EXPECT_EQ(page.Root().FindRect(CBagPage::kTabBox, {0, 0}), (CRect{5, 5, 316, 211}));
        EXPECT_EQ(page.Root().FindWidget(kBooksTab)->caption, "技能");
        EXPECT_EQ(page.Root().FindWidget(kItemsTab)->caption, "装备");
        EXPECT_TRUE(Grid(kBooksPage).Children().empty());
        EXPECT_TRUE(Grid(kItemsPage).Children().empty());
        // The first tab is the one shown.
        EXPECT_TRUE(Grid(kBooksPage).shown);
        EXPECT_FALSE(Grid(kItemsPage).shown);
    });
}

TEST_F(BagPageTest, SkillBooksShowCountsAndKeepTheirNumbersPastAnUnknownSkill) {
    hero.skillBooks.AddBooks(SkillId::kAttackUp, 3);
    hero.skillBooks.AddBooks(SkillId::kDamageUp, 1);
    hero.skillBooks.AddBooks(kUnknownSkill, 1);
    hero.skillBooks.AddBooks(SkillId::kDefenceHpUp, 2);
    Inspect([&] {
        const std::vector<const CWidget*> badges = Badges(kBooksPage);
        ASSERT_EQ(badges.size(), 3u);
        EXPECT_EQ(badges[0]->Id(), BookBadge(1));
        EXPECT_EQ(badges[0]->caption, "骁勇善战(3)");
        EXPECT_EQ(badges[0]->hint, "攻击增加5%。");
        EXPECT_EQ(badges[1]->Id(), BookBadge(2));
        EXPECT_EQ(badges[1]->caption, "弱点击破(1)");
        EXPECT_EQ(badges[2]->Id(), BookBadge(4));
        EXPECT_EQ(badges[2]->caption, "坚如磐石(2)");
        // Two 115 x 19 cells to a row, below the tabs.
        EXPECT_EQ(page.Root().FindRect(BookBadge(1), {0, 0}), (CRect{8, 30, 123, 49}));
        EXPECT_EQ(page.Root().FindRect(BookBadge(2), {0, 0}), (CRect{129, 30, 244, 49}));
        EXPECT_EQ(page.Root().FindRect(BookBadge(4), {0, 0}), (CRect{8, 55, 123, 74}));
    });
}

TEST_F(BagPageTest, ItemsTabShowsNamesWithDescriptionsAsHints) {
    hero.bag.Add(MakeItem(ItemId::kHookSpear, world.serials));
    hero.bag.Add(MakeItem(ItemId::kChainMail, world.serials));
    ClickOn(kItemsTab)
        .Then(
            [&] {
                EXPECT_FALSE(Grid(kBooksPage).shown);
                EXPECT_TRUE(Grid(kItemsPage).shown);
                const std::vector<const CWidget*> badges = Badges(kItemsPage);
                ASSERT_EQ(badges.size(), 2u);
                EXPECT_EQ(badges[0]->caption, "钩链枪");
                EXPECT_EQ(badges[1]->Id(), ItemBadge(2));
                EXPECT_EQ(badges[1]->caption, "锁子节");
            },
            PointerToCorner())
        .ThenComputed(AtWidgetOfTopPage(*platform, ItemBadge(2), InputEvent::Kind::MouseMove))
        .Then([&] { EXPECT_EQ(page.Root().HintText(), "锁子节\r\n等级:10\r\n防御:40\r\n气血:400\r\n"); },
              Press(KeyChord::Key::Escape));
    Run();
}

TEST_F(BagPageTest, OverflowingEntriesArePagedAndBadgesNeverTurnAPage) {
    for (int i = 0; i < 15; ++i) hero.bag.Add(MakeItem(ItemId::kHookSpear, world.serials));
    // Badges 1 and 2 share the WidgetIds of the page buttons (sub 1 and 2).
    ClickOn(kItemsTab)
        .Then(
            [&] {
                EXPECT_EQ(Grid(kItemsPage).PageCount(), 2);
                EXPECT_EQ(Grid(kItemsPage).ItemsPerPage(), 12);
                EXPECT_TRUE(page.Root().FindWidget(ItemBadge(12))->shown);
                EXPECT_FALSE(page.Root().FindWidget(ItemBadge(13))->shown);
                ASSERT_EQ(WithCaption(Grid(kItemsPage), "1/2").size(), 1u);
            },
            PointerToCorner())
        .ThenComputed(AtWidgetOfTopPage(*platform, ItemBadge(2)))
        .ThenComputed(AtWidgetOfTopPage(*platform, ItemBadge(1)))
        .Then([&] { EXPECT_EQ(Grid(kItemsPage).CurrentPage(), 0); }, PointerToCorner())
        .ThenComputed(PageButton(kItemsPage, "下一页"))
        .Then(
            [&] {
                EXPECT_EQ(Grid(kItemsPage).CurrentPage(), 1);
                EXPECT_FALSE(page.Root().FindWidget(ItemBadge(2))->shown);
                EXPECT_TRUE(page.Root().FindWidget(ItemBadge(15))->shown);
                EXPECT_EQ(WithCaption(Grid(kItemsPage), "2/2").size(), 1u);
            },
            PointerToCorner())
        .ThenComputed(AtWidgetOfTopPage(*platform, ItemBadge(13)))
        .Then([&] { EXPECT_EQ(Grid(kItemsPage).CurrentPage(), 1); }, PointerToCorner())
        .ThenComputed(PageButton(kItemsPage, "上一页"))
        .Then([&] { EXPECT_EQ(Grid(kItemsPage).CurrentPage(), 0); }, Press(KeyChord::Key::Escape));
    Run();
}

TEST_F(BagPageTest, NothingOnThePageChangesTheHero) {
    hero.skillBooks.AddBooks(SkillId::kAttackUp, 2);
    hero.bag.Add(MakeItem(ItemId::kHookSpear, world.serials));
    const CHero before = hero;
    ClickOn(BookBadge(1))
        .ThenComputed(AtWidgetOfTopPage(*platform, kItemsTab))
        .ThenComputed(AtWidgetOfTopPage(*platform, ItemBadge(1)))
        .Then(Press(KeyChord::Key::Return));
    EXPECT_EQ(Run(), IDOK);
    EXPECT_EQ(hero.skillBooks.BookCount(SkillId::kAttackUp), before.skillBooks.BookCount(SkillId::kAttackUp));
    EXPECT_EQ(hero.bag.GetSize(), 1);
    EXPECT_EQ(hero.equipment.GetAt(0), before.equipment.GetAt(0));
}

}  // namespace
