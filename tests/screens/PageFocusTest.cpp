// The keyboard focus on the popup pages: Tab's order on the attribute page,
// the bag page and the choice list (wrapping to the first widget), Enter
// before and after a key has shown the focus ring, and the focus going back
// to the widget that opened the choice list when it closes.
#include "HeroPageTest.h"

#include "game/SkillDef.h"
#include "screens/AttributePage.h"
#include "screens/BagPage.h"
#include "ui/ChoiceDialog.h"

#include <string>
#include <vector>

namespace {

// What tells the focused widget of the top page apart: its caption, or for a
// "?" badge its hint.
std::string FocusedText(const CPlatform& platform) {
    CPopupPage* page = TopPage(platform);
    if (!page) return "(no page)";
    const CWidget* widget = page->Root().FindWidget(page->Focus().FocusedId());
    if (!widget) return "(none)";
    return widget->caption == "?" ? widget->hint : widget->caption;
}

bool RingShown(const CPlatform& platform) {
    const CPopupPage* page = TopPage(platform);
    return page && page->ShowsFocusRing();
}

// Tab pressed count times on the top page: what has the focus before each
// press and after the last.
void RecordTabs(CScript& script, const CPlatform& platform, int count, std::vector<std::string>& seen) {
    const auto note = [&platform, &seen] { seen.push_back(FocusedText(platform)); };
    for (int i = 0; i < count; ++i) script.Then(note, Press(KeyChord::Key::Tab));
    script.Then(note, PointerToCorner());
}

using AttributeFocusTest = HeroPageTest<CAttributePage>;
using BagFocusTest = HeroPageTest<CBagPage>;

TEST_F(AttributeFocusTest, TabReadsTheRowsAcrossBothPanelsAndWraps) {
    std::vector<std::string> seen;
    RecordTabs(script, *platform, 9, seen);
    script.Then(Press(KeyChord::Key::Escape));
    Run();
    const auto rows = page.FillStatTexts();
    const std::string noItem = "没有穿装备。";
    // Each stat row's "?" and the equipment slot's "?" level with it, then the
    // rows beside and below the equipment panel, then the talent panel.
    const std::vector<std::string> expected{rows[0].hint, noItem,      rows[1].hint, noItem,
                                            rows[2].hint, "自动换装",  rows[3].hint, rows[4].hint,
                                            "学习技能",   rows[0].hint};
    EXPECT_EQ(seen, expected);
}

TEST_F(BagFocusTest, TabGoesFromTheTabHeadsToTheShownTabsEntriesAndEnterActsOnceTheRingShows) {
    hero.skillBooks.AddBooks(SkillId::kDamageUp, 2);
    hero.skillBooks.AddBooks(SkillId::kAttackUp, 1);
    std::vector<std::string> seen;
    RecordTabs(script, *platform, 4, seen);
    // The ring shows: Enter on "装备" shows that tab, and the page stays open.
    script.Then(Press(KeyChord::Key::Tab))
        .Then([&] { EXPECT_EQ(FocusedText(*platform), "装备"); }, Press(KeyChord::Key::Return))
        .Then(
            [&] {
                EXPECT_TRUE(TopPage(*platform));
                EXPECT_FALSE(page.Root().FindWidget({1, 101, -1})->shown);
                EXPECT_TRUE(page.Root().FindWidget({1, 102, -1})->shown);
            },
            Press(KeyChord::Key::Escape));
    EXPECT_EQ(Run(), IDCANCEL);
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[0], "技能");
    EXPECT_EQ(seen[1], "装备");
    EXPECT_EQ(seen[2].rfind(world.skills.Find(SkillId::kDamageUp)->name, 0), 0u) << seen[2];
    EXPECT_EQ(seen[3].rfind(world.skills.Find(SkillId::kAttackUp)->name, 0), 0u) << seen[3];
    EXPECT_EQ(seen[4], "技能");
}

TEST_F(BagFocusTest, EnterBeforeAKeyShowedTheRingClosesThePage) {
    script.Then([&] { EXPECT_FALSE(RingShown(*platform)); }, Press(KeyChord::Key::Return));
    EXPECT_EQ(Run(), IDOK);
}

TEST_F(AttributeFocusTest, TheChoiceListTabsThroughItsChoicesAndGivesTheFocusBackToItsOpener) {
    hero.skillBooks.AddBooks(SkillId::kDamageUp, 1);
    hero.skillBooks.AddBooks(SkillId::kAttackUp, 1);
    std::vector<std::string> choices;
    script
        .Then(Press(KeyChord::Key::End))  // 学习技能, ring shown
        .Then([&] { EXPECT_EQ(FocusedText(*platform), "学习技能"); }, Press(KeyChord::Key::Space))
        .Then([&] { EXPECT_TRUE(RingShown(*platform)); }, PointerToCorner());  // the list, ringed at once
    RecordTabs(script, *platform, 2, choices);
    script.Then(Press(KeyChord::Key::Escape))
        .Then(
            [&] {
                EXPECT_EQ(TopPage(*platform), &page);
                EXPECT_EQ(FocusedText(*platform), "学习技能");
                EXPECT_TRUE(RingShown(*platform));
            },
            Press(KeyChord::Key::Escape));
    Run();
    const std::string first = world.skills.Find(SkillId::kDamageUp)->name;
    const std::string second = world.skills.Find(SkillId::kAttackUp)->name;
    EXPECT_EQ(choices, (std::vector<std::string>{first, second, first}));
}

}  // namespace
