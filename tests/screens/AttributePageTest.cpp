// The attribute page on the headless platform: the tree it builds for heroes
// with and without skills, books and equipment, the stat texts and hints,
// the rows' values on their hint badges for a screen reader,
// and learning, forgetting and equipping through its buttons, the choice
// list and the message box of a refusal.
#include "HeroPageTest.h"

#include "screens/AttributePage.h"
#include "screens/CardColors.h"
#include "ui/Badge.h"
#include "ui/ChoiceDialog.h"
#include "ui/ShadowLabel.h"
#include "ui/TextLabel.h"

#include <string>
#include <vector>

namespace {

constexpr WidgetId kLearn = CAttributePage::kLearnButton;
constexpr WidgetId kForget = CAttributePage::kForgetButton;
constexpr WidgetId kAutoEquip = CAttributePage::kAutoEquipButton;
constexpr int kUnknownSkill = 99;

class AttributePageTest : public HeroPageTest<CAttributePage> {
protected:
    CRect Area(const WidgetId& id) const { return page.Root().FindRect(id, {0, 0}); }

    std::vector<const CWidget*> Widgets() const { return AllWidgets(page.Root()); }
    std::vector<const CWidget*> WithCaption(const std::string& text) const {
        return ::WithCaption(page.Root(), text);
    }
    // Where a widget lies in the page's client area.
    CRect AreaOf(const CWidget& widget) const { return page.Root().FindRect(widget.Id(), {0, 0}); }
};

TEST_F(AttributePageTest, NewHeroOffersADisabledLearnButtonAndNoForget) {
    Inspect([&] {
        EXPECT_EQ(page.Window()->GetTitle(), "属性");
        EXPECT_EQ(page.Window()->GetClientRect(), (CRect{0, 0, 373, 180}));
        const CWidget* learn = page.Root().FindWidget(kLearn);
        ASSERT_NE(learn, nullptr);
        EXPECT_EQ(learn->caption, "学习技能");
        EXPECT_FALSE(learn->enabled);
        EXPECT_EQ(learn->hint, "没有技能书，请先去打技能书。");
        // Left column of the talent panel's first row, the panel at (3, 125).
        EXPECT_EQ(Area(kLearn), (CRect{6, 148, 78, 167}));
        EXPECT_EQ(page.Root().FindWidget(kForget), nullptr);
        EXPECT_EQ(Area(kAutoEquip), (CRect{233, 66, 313, 89}));
        EXPECT_EQ(page.Root().FindWidget(kAutoEquip)->caption, "自动换装");
    });
}

TEST_F(AttributePageTest, ShowsNameStatRowsAndTheirHintBadges) {
    Inspect([&] {
        ASSERT_EQ(WithCaption("无名氏").size(), 1u);
        EXPECT_EQ(AreaOf(*WithCaption("无名氏")[0]), (CRect{3, 3, 167, 21}));
        const std::vector<std::string> labels = {"等级", "经验", "攻击", "防御", "气血"};
        const std::vector<std::string> values = {"0", hero.ExpText(), "20", "10", "100"};
        const auto rows = page.FillStatTexts();
        for (int r = 0; r < 5; ++r) {
            const int top = 23 + 20 * r;
            SCOPED_TRACE(labels[static_cast<std::size_t>(r)]);
            bool label = false, value = false, badge = false;
            for (const CWidget* widget : Widgets()) {
                const CRect area = AreaOf(*widget);
                label |= area == CRect{3, top, 84, top + 18} && dynamic_cast<const CShadowLabel*>(widget) &&
                         widget->caption == labels[static_cast<std::size_t>(r)];
                value |= area == CRect{84, top, 165, top + 18} && dynamic_cast<const CTextLabel*>(widget) &&
                         widget->caption == values[static_cast<std::size_t>(r)];
                badge |= area == CRect{167, top, 182, top + 18} && widget->caption == "?" &&
                         widget->hint == rows[static_cast<std::size_t>(r)].hint;
            }
            EXPECT_TRUE(label);
            EXPECT_TRUE(value);
            EXPECT_TRUE(badge);
        }
    });
}

// A screen reader hears each row's label and value on the "?" badge beside
// it, before the hint.
TEST_F(AttributePageTest, HintBadgesCarryTheirRowsLabelAndValue) {
    hero.GainExp(3);
    Inspect([&] {
        std::vector<std::pair<std::string, std::string>> read;
        for (const CWidget* widget : Widgets())
            if (widget->caption == "?") read.emplace_back(widget->accessName, widget->besideText);
        const std::vector<std::pair<std::string, std::string>> expected{
            {"等级 说明", "等级 1"},  {"经验 说明", "经验 50.00%"}, {"攻击 说明", "攻击 24"},
            {"防御 说明", "防御 12"}, {"气血 说明", "气血 120"},    {"武器 说明", "武器 无"},
            {"衣服 说明", "衣服 无"}};
        EXPECT_EQ(read, expected);
    });
}

TEST_F(AttributePageTest, EmptySlotsReadNoneWithTheirHint) {
    Inspect([&] {
        const std::vector<const CWidget*> none = WithCaption("无");
        ASSERT_EQ(none.size(), 2u);
        EXPECT_EQ(AreaOf(*none[0]), (CRect{252, 26, 350, 44}));
        EXPECT_EQ(AreaOf(*none[1]), (CRect{252, 46, 350, 64}));
        EXPECT_EQ(WithCaption("武器").size(), 1u);
        EXPECT_EQ(WithCaption("衣服").size(), 1u);
        std::vector<CRect> hintBadges;
        for (const CWidget* widget : Widgets())
            if (widget->hint == "没有穿装备。") hintBadges.push_back(AreaOf(*widget));
        EXPECT_EQ(hintBadges, (std::vector<CRect>{{356, 26, 371, 44}, {356, 46, 371, 64}}));
    });
}

TEST_F(AttributePageTest, WithBooksTheLearnButtonTellsTheSkillLimit) {
    hero.skillBooks.AddBooks(SkillId::kDamageUp, 1);
    Inspect([&] {
        const CWidget* learn = page.Root().FindWidget(kLearn);
        ASSERT_NE(learn, nullptr);
        EXPECT_TRUE(learn->enabled);
        EXPECT_EQ(learn->hint, "你最多可以学习1个技能。");
    });
}

TEST_F(AttributePageTest, OneSkillAtTheLimitLeavesOnlyForgetInTheRightColumn) {
    GiveSkill(hero, SkillId::kAttackUp);
    hero.skillBooks.AddBooks(SkillId::kDamageUp, 1);
    Inspect([&] {
        EXPECT_EQ(page.Window()->GetClientRect(), (CRect{0, 0, 373, 205}));
        EXPECT_EQ(page.Root().FindWidget(kLearn), nullptr);
        EXPECT_EQ(Area(kForget), (CRect{86, 167, 158, 186}));
        EXPECT_EQ(page.Root().FindWidget(kForget)->hint, "");
        const std::vector<const CWidget*> skill = WithCaption("骁勇善战");
        ASSERT_EQ(skill.size(), 1u);
        EXPECT_EQ(AreaOf(*skill[0]), (CRect{6, 148, 78, 167}));
        EXPECT_EQ(skill[0]->hint, "");
    });
}

TEST_F(AttributePageTest, SkillsFillTwoColumnsAndAnUnknownOneLeavesAnEmptyBadge) {
    hero.maxSkills = 4;
    for (int id : {SkillId::kAttackUp, kUnknownSkill, SkillId::kDamageUp}) GiveSkill(hero, id);
    Inspect([&] {
        EXPECT_EQ(page.Window()->GetClientRect(), (CRect{0, 0, 373, 230}));
        std::vector<CRect> badges;
        for (const CWidget* widget : Widgets())
            if (dynamic_cast<const CBadge*>(widget) && widget->caption != "?")
                badges.push_back(AreaOf(*widget));
        EXPECT_EQ(badges, (std::vector<CRect>{{6, 148, 78, 167}, {86, 148, 158, 167}, {6, 167, 78, 186}}));
        EXPECT_EQ(AreaOf(*WithCaption("弱点击破")[0]), (CRect{6, 167, 78, 186}));
        // The buttons go to the row after the last skills.
        EXPECT_EQ(Area(kLearn), (CRect{6, 186, 78, 205}));
        EXPECT_EQ(Area(kForget), (CRect{86, 186, 158, 205}));
    });
}

TEST_F(AttributePageTest, ExperienceHintHasTwoLines) {
    hero = HeroAtLevel(3);
    hero.exp = 5;
    const auto rows = page.FillStatTexts();
    EXPECT_EQ(rows[1].hint, "当前经验:5\r\n升级需要经验16");
    EXPECT_EQ(rows[1].value, hero.ExpText());
    EXPECT_EQ(rows[0].value, "3");
    EXPECT_EQ(rows[0].hint, "等级上限5");
}

TEST_F(AttributePageTest, StatHintsBreakTheTotalsDown) {
    hero = HeroAtLevel(3);  // attack 32, defence 16, hp 160
    GiveSkill(hero, SkillId::kAttackUp);
    GiveSkill(hero, SkillId::kWeaponMastery);
    Wear(hero, {ItemId::kHookSpear});  // attack 80
    const auto rows = page.FillStatTexts();
    EXPECT_STREQ(rows[2].label, "攻击");
    EXPECT_EQ(rows[2].value, "117");  // 32 x 1.05 = 33, 80 x 1.05 = 84
    EXPECT_EQ(rows[2].hint, "裸攻:32　装备攻:80\r\n技能加成后，裸攻:33　装备攻:84　");
    EXPECT_EQ(rows[3].value, "16");
    EXPECT_EQ(rows[3].hint, "裸防:16　装备防:0\r\n技能加成后，裸防:16　装备防:0　");
    EXPECT_EQ(rows[4].value, "160");
    EXPECT_EQ(rows[4].hint, "裸血:160　装备血:0\r\n技能加成后，裸血:160　装备血:0　");
}

TEST_F(AttributePageTest, LearningGrowsThePageAndForgettingShrinksItBack) {
    hero.skillBooks.AddBooks(SkillId::kDefenceHpUp, 1);
    CRect pageBefore;
    CRect choiceWindow;
    ClickOn(kLearn);
    script
        .ThenComputed([&]() -> std::optional<InputEvent> {
            pageBefore = page.Window()->GetWindowRect();
            auto* choice = TopPage<CChoiceDialog>(*platform);
            EXPECT_NE(choice, nullptr);
            if (!choice) return Press(KeyChord::Key::Escape);
            EXPECT_EQ(choice->ChoiceCount(), 1);
            EXPECT_EQ(choice->Window()->GetTitle(), "");
            EXPECT_EQ(choice->Window()->GetClientRect(), (CRect{0, 0, 205, 40}));
            choiceWindow = choice->Window()->GetWindowRect();
            const CWidget* button = choice->Root().FindWidget({SkillId::kDefenceHpUp, -1, -1});
            EXPECT_NE(button, nullptr);
            if (!button) return Press(KeyChord::Key::Escape);
            EXPECT_EQ(button->caption, "坚如磐石");
            EXPECT_EQ(button->hint, "防御、血加5%。");
            EXPECT_EQ(button->rect, (CRect{3, 5, 203, 25}));
            return AtWidgetOfTopPage(*platform, button->Id())();
        })
        .ThenComputed([&]() -> std::optional<InputEvent> {
            EXPECT_EQ(TopPage(*platform), &page);
            EXPECT_EQ(hero.skills.GetSize(), 1);
            EXPECT_EQ(hero.skillBooks.GetSize(), 0);
            EXPECT_EQ(page.Window()->GetClientRect(), (CRect{0, 0, 373, 205}));
            const CRect after = page.Window()->GetWindowRect();
            EXPECT_EQ(after.left, pageBefore.left);
            EXPECT_EQ(after.top, pageBefore.top);
            // The choice list had been centred over the page.
            EXPECT_NEAR((choiceWindow.left + choiceWindow.right) / 2,
                        (pageBefore.left + pageBefore.right) / 2, 1);
            EXPECT_NEAR((choiceWindow.top + choiceWindow.bottom) / 2,
                        (pageBefore.top + pageBefore.bottom) / 2, 1);
            // The new talent badge, painted in its blue.
            const CRect badge = AreaOf(*WithCaption("坚如磐石").at(0));
            EXPECT_EQ(badge, (CRect{6, 148, 78, 167}));
            EXPECT_EQ(page.Window()->GetFrameBuffer().GetPixel(badge.left + 3, badge.top + 3),
                      kSkillBadgeFill);
            EXPECT_EQ(page.Root().FindWidget(kLearn), nullptr);
            return AtWidgetOfTopPage(*platform, kForget)();
        })
        .ThenComputed(AtWidgetOfTopPage(*platform, {SkillId::kDefenceHpUp, -1, -1}))
        .Then(
            [&] {
                EXPECT_EQ(hero.skills.GetSize(), 0);
                EXPECT_EQ(page.Window()->GetClientRect(), (CRect{0, 0, 373, 180}));
                // The book was spent: learning is offered again, but disabled.
                ASSERT_NE(page.Root().FindWidget(kLearn), nullptr);
                EXPECT_FALSE(page.Root().FindWidget(kLearn)->enabled);
                EXPECT_EQ(page.Root().FindWidget(kForget), nullptr);
            },
            Press(KeyChord::Key::Escape));
    EXPECT_EQ(Run(), IDCANCEL);
}

TEST_F(AttributePageTest, TheLearnListOffersEveryKnownBookAndARefusalShowsTheHerosMessage) {
    hero.maxSkills = 2;
    GiveSkill(hero, SkillId::kAttackUp);
    hero.skillBooks.AddBooks(SkillId::kAttackUp, 1);
    hero.skillBooks.AddBooks(kUnknownSkill, 1);
    hero.skillBooks.AddBooks(SkillId::kDamageUp, 2);
    std::vector<std::string> offered;
    ClickOn(kLearn)
        .ThenComputed([&]() -> std::optional<InputEvent> {
            const CChoiceDialog* choice = TopPage<CChoiceDialog>(*platform);
            EXPECT_NE(choice, nullptr);
            if (!choice) return Press(KeyChord::Key::Escape);
            for (const auto& button : choice->Root().Children()) offered.push_back(button->caption);
            EXPECT_EQ(choice->Window()->GetClientRect(), (CRect{0, 0, 205, 70}));
            return AtWidgetOfTopPage(*platform, {SkillId::kAttackUp, -1, -1})();
        })
        .Then(
            [&] {
                const CMessageBoxInfo* box = TopMessageBox(*platform);
                ASSERT_NE(box, nullptr);
                EXPECT_EQ(box->text, "你已经有此技能。");
            },
            Press(KeyChord::Key::Return))
        .Finally([&] {
            EXPECT_EQ(TopPage(*platform), &page);
            EXPECT_EQ(hero.skills.GetSize(), 1);
            EXPECT_EQ(hero.skillBooks.BookCount(SkillId::kAttackUp), 1);
        });
    Run();
    EXPECT_EQ(offered, (std::vector<std::string>{"骁勇善战", "弱点击破"}));
}

struct RefusalCase {
    const char* name;
    WidgetId button;
    InputEvent onChoiceList;  // (0, 0) is the choice list's background
    const char* message;
};

class AttributeRefusalTest : public AttributePageTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(AttributeRefusalTest, ShowsTheHerosMessageAndLeavesThePageAsItWas) {
    hero.maxSkills = 2;
    GiveSkill(hero, SkillId::kAttackUp);
    hero.skillBooks.AddBooks(SkillId::kDamageUp, 1);
    std::vector<std::string> messages;
    ClickOn(GetParam().button)
        .Then([&] { EXPECT_NE(TopPage<CChoiceDialog>(*platform), nullptr); }, GetParam().onChoiceList)
        .Then(
            [&] {
                if (const CMessageBoxInfo* box = TopMessageBox(*platform)) messages.push_back(box->text);
            },
            Press(KeyChord::Key::Return))
        .Finally([&] { EXPECT_EQ(TopPage(*platform), &page); });
    Run();
    EXPECT_EQ(messages, std::vector<std::string>{GetParam().message});
    EXPECT_EQ(hero.skills.GetSize(), 1);
    EXPECT_EQ(hero.skillBooks.BookCount(SkillId::kDamageUp), 1);
}

INSTANTIATE_TEST_SUITE_P(
    EnterOrBackground, AttributeRefusalTest,
    ::testing::Values(RefusalCase{"EnterOnLearn", kLearn, Press(KeyChord::Key::Return), "你没有此种技能书。"},
                      RefusalCase{"EnterOnForget", kForget, Press(KeyChord::Key::Return), "你没有此技能。"},
                      RefusalCase{"BackgroundOnLearn", kLearn, Click(0, 0), "你没有此种技能书。"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(AttributePageTest, EscapeOnTheChoiceListDoesNothing) {
    hero.skillBooks.AddBooks(SkillId::kDamageUp, 1);
    ClickOn(kLearn).Then(Press(KeyChord::Key::Escape)).Finally([&] {
        EXPECT_EQ(TopPage(*platform), &page);
        EXPECT_EQ(platform->Windows().size(), 1u);
    });
    Run();
    EXPECT_EQ(hero.skills.GetSize(), 0);
    EXPECT_EQ(hero.skillBooks.BookCount(SkillId::kDamageUp), 1);
}

TEST_F(AttributePageTest, SkillsMissingFromTheTableAreNotOffered) {
    hero.maxSkills = 3;
    GiveSkill(hero, kUnknownSkill);
    GiveSkill(hero, SkillId::kDamageUp);
    hero.skillBooks.AddBooks(kUnknownSkill, 1);
    int forgettable = -1;
    int learnable = -1;
    ClickOn(kForget)
        .Then([&] { forgettable = TopPage<CChoiceDialog>(*platform)->ChoiceCount(); },
              Press(KeyChord::Key::Escape))
        .ThenComputed(AtWidgetOfTopPage(*platform, kLearn))
        .Then([&] { learnable = TopPage<CChoiceDialog>(*platform)->ChoiceCount(); },
              Press(KeyChord::Key::Escape));
    Run();
    EXPECT_EQ(forgettable, 1);
    EXPECT_EQ(learnable, 0);
}

TEST_F(AttributePageTest, AutoEquipWearsTheBestItemAndShowsIt) {
    hero = HeroAtLevel(10);
    hero.bag.Add(MakeItem(ItemId::kHookSpear, world.serials));
    ClickOn(kAutoEquip)
        .Then(
            [&] {
                EXPECT_EQ(hero.bag.GetSize(), 0);
                const std::vector<const CWidget*> worn = WithCaption("钩链枪");
                ASSERT_EQ(worn.size(), 1u);
                EXPECT_EQ(AreaOf(*worn[0]), (CRect{252, 26, 350, 44}));
                bool described = false;
                for (const CWidget* widget : Widgets())
                    described |= widget->hint == "钩链枪\r\n等级:10\r\n攻击:80\r\n" &&
                                 AreaOf(*widget) == CRect{356, 26, 371, 44};
                EXPECT_TRUE(described);
                EXPECT_EQ(page.FillStatTexts()[2].value, std::to_string(hero.TotalStats(world.items).attack));
                EXPECT_EQ(WithCaption(page.FillStatTexts()[2].value).size(), 1u);
            },
            Press(KeyChord::Key::Escape));
    Run();
}

TEST_F(AttributePageTest, PanelsArePaintedInTheirColours) {
    Inspect([&] {
        const CFrameBuffer& pixels = page.Window()->GetFrameBuffer();
        EXPECT_EQ(pixels.GetPixel(150, 170), kCardFill);  // talent panel
        EXPECT_EQ(pixels.GetPixel(200, 85), kCardFill);   // equipment panel
        // Its outlines: black, brown, and the third left at the panel's own.
        EXPECT_EQ(pixels.GetPixel(200, 94), kBlack);
        EXPECT_EQ(pixels.GetPixel(200, 93), kLabelText);
        EXPECT_EQ(pixels.GetPixel(200, 92), RGB(24, 46, 48));
        // The disabled learn button's top side, in the button shadow colour.
        EXPECT_EQ(pixels.GetPixel(40, 148), GetSysColor(SysColor::ButtonShadow));
    });
}

}  // namespace
