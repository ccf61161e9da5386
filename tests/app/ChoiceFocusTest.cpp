// The attribute page's choice list as a keyboard or screen-reader player
// meets it: opened by key or by assistive technology, its ring shows at once
// on the choice the accessibility tree calls focused, and Enter picks that
// choice; a screen reader hears what was learned or forgotten, and the ring
// is back on the button that opened the list (or, when the pick removed it,
// on the other skill button), where "遗忘技能" names the skills learned.
// Opened by a click, the list is as it always was: no ring, Enter picks
// nothing, a click picks the choice clicked.
#include "AppTestFixture.h"
#include "support/PageScript.h"

#include "game/SkillDef.h"
#include "screens/AttributePage.h"
#include "ui/ChoiceDialog.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

enum class Opening { Keys, AccessActivate, Click };

// One input in the open list: a key, or a click on a choice.
struct ListInput {
    KeyChord::Key key = KeyChord::Key::Return;
    int clickedChoice = 0;  // a skill id: a click on its button instead of the key
};

struct ChoiceRow {
    const char* name;
    Opening opening;
    WidgetId opener;
    int maxSkills;
    std::vector<int> skills;  // learned before
    std::vector<int> books;   // one book of each
    std::vector<ListInput> inputs;
    // What follows.
    bool ringAtOpen;
    std::vector<int> skillsAfter;
    std::vector<std::string> heard;  // from the list's opening on
    std::string refusal;             // the message box's text, if one shows
    // The attribute page's focused widget and what is said of it; checked only
    // for the openings that show the ring.
    WidgetId focusAfter;
    std::string focusDescription;
};

void PrintTo(const ChoiceRow& row, std::ostream* out) { *out << row.name; }

const ListInput kEnter{KeyChord::Key::Return};
const ListInput kSpace{KeyChord::Key::Space};
const ListInput kDown{KeyChord::Key::Down};

// Kept as written, a few fields to a line (clang-format gives each its own).
// clang-format off
const std::vector<ChoiceRow> kRows = {
    {"learn by keys, Enter on the ringed first choice", Opening::Keys, CAttributePage::kLearnButton, 1, {},
     {SkillId::kDamageUp, SkillId::kAttackUp}, {kEnter}, true, {SkillId::kDamageUp},
     {"打开 学习技能", "关闭 学习技能", "学会了 弱点击破。"}, "", CAttributePage::kForgetButton,
     "已学技能：弱点击破"},
    {"learn by keys, Down then Enter", Opening::Keys, CAttributePage::kLearnButton, 1, {},
     {SkillId::kDamageUp, SkillId::kAttackUp}, {kDown, kEnter}, true, {SkillId::kAttackUp},
     {"打开 学习技能", "关闭 学习技能", "学会了 骁勇善战。"}, "", CAttributePage::kForgetButton,
     "已学技能：骁勇善战"},
    {"learn by keys, Space's first press only the ring's", Opening::Keys, CAttributePage::kLearnButton, 1, {},
     {SkillId::kDamageUp}, {kSpace, kSpace}, true, {SkillId::kDamageUp},
     {"打开 学习技能", "关闭 学习技能", "学会了 弱点击破。"}, "", CAttributePage::kForgetButton,
     "已学技能：弱点击破"},
    {"learn by activation, the opener stays (its last book gone)", Opening::AccessActivate,
     CAttributePage::kLearnButton, 3, {SkillId::kAttackUp}, {SkillId::kDamageUp}, {kEnter}, true,
     {SkillId::kAttackUp, SkillId::kDamageUp}, {"打开 学习技能", "关闭 学习技能", "学会了 弱点击破。"}, "",
     CAttributePage::kLearnButton, "没有技能书，请先去打技能书。"},
    {"forget by keys, the ring on 学习技能", Opening::Keys, CAttributePage::kForgetButton, 1,
     {SkillId::kDefenceHpUp}, {SkillId::kDamageUp}, {kEnter}, true, {},
     {"打开 遗忘技能", "关闭 遗忘技能", "遗忘了 坚如磐石。"}, "", CAttributePage::kLearnButton,
     "你最多可以学习1个技能。"},
    {"forget by activation, two skills named", Opening::AccessActivate, CAttributePage::kForgetButton, 3,
     {SkillId::kAttackUp, SkillId::kDamageUp, SkillId::kDefenceHpUp}, {}, {kDown, kEnter}, true,
     {SkillId::kAttackUp, SkillId::kDefenceHpUp}, {"打开 遗忘技能", "关闭 遗忘技能", "遗忘了 弱点击破。"}, "",
     CAttributePage::kForgetButton, "已学技能：骁勇善战、坚如磐石"},
    {"refused by keys, the ring stays on the opener", Opening::Keys, CAttributePage::kLearnButton, 2,
     {SkillId::kDamageUp}, {SkillId::kDamageUp}, {kEnter}, true, {SkillId::kDamageUp},
     {"打开 学习技能", "关闭 学习技能"}, "你已经有此技能。", CAttributePage::kLearnButton,
     "你最多可以学习2个技能。"},
    {"by click, Enter picks nothing", Opening::Click, CAttributePage::kLearnButton, 1, {}, {SkillId::kDamageUp},
     {kEnter}, false, {}, {"打开 学习技能", "关闭 学习技能"}, "你没有此种技能书。", WidgetId::None(), ""},
    {"by click, a click picks its choice", Opening::Click, CAttributePage::kLearnButton, 1, {},
     {SkillId::kDamageUp, SkillId::kAttackUp}, {{KeyChord::Key::Return, SkillId::kAttackUp}}, false,
     {SkillId::kAttackUp}, {"打开 学习技能", "关闭 学习技能", "学会了 骁勇善战。"}, "", WidgetId::None(), ""},
};
// clang-format on

// The node the tree calls focused, or null.
const CAccessNode* FocusedNode(const CAccessNode& node) {
    if (node.focused) return &node;
    for (const CAccessNode& child : node.children)
        if (const CAccessNode* found = FocusedNode(child)) return found;
    return nullptr;
}

class ChoiceFocusTest : public AppTest, public ::testing::WithParamInterface<ChoiceRow> {
protected:
    // Tab until the attribute page's ring is on id; a pointer move to the
    // corner (which changes nothing there) once it is.
    void TabTo(const WidgetId& id) {
        for (int i = 0; i < 20; ++i)
            script.ThenComputed([this, id]() -> std::optional<InputEvent> {
                const CAttributePage* page = TopPage<CAttributePage>(*platform);
                const bool there = page && page->Focus().RingShown() && page->Focus().FocusedId() == id;
                return there ? PointerToCorner() : Press(KeyChord::Key::Tab);
            });
    }
    static std::string NodeOf(const WidgetId& id) {
        return std::to_string(id.group) + "." + std::to_string(id.id) + "." + std::to_string(id.sub);
    }

    CScript script;
};

TEST_P(ChoiceFocusTest, WhatIsAnnouncedAsFocusedIsWhatEnterPicks) {
    const ChoiceRow& row = GetParam();
    Hero().maxSkills = row.maxSkills;
    for (const int skill : row.skills) Hero().skills.Add(skill);
    for (const int book : row.books) Hero().skillBooks.AddBooks(book, 1);
    std::vector<std::string> heard;
    platform->SetAnnouncementObserver([&heard](const std::string& text) { heard.push_back(text); });

    const CPoint attributes = PointOn(MainScreen::kAttributesButton);
    script.Then(Click(attributes.x, attributes.y));
    if (row.opening == Opening::Keys) TabTo(row.opener);
    script.ThenComputed([&]() -> std::optional<InputEvent> {
        heard.clear();
        switch (row.opening) {
            case Opening::Keys:
                return Press(KeyChord::Key::Space);
            case Opening::AccessActivate:
                return InputEvent{InputEvent::Kind::AccessActivate, 0, 0, {}, NodeOf(row.opener)};
            case Opening::Click:
                break;
        }
        return AtWidgetOfTopPage(*platform, row.opener)();
    });
    bool ringAtOpen = false;
    std::string focusedAtOpen;
    WidgetId firstChoice = WidgetId::None();
    for (std::size_t i = 0; i < row.inputs.size(); ++i)
        script.ThenComputed([&, i]() -> std::optional<InputEvent> {
            const CChoiceDialog* list = TopPage<CChoiceDialog>(*platform);
            EXPECT_NE(list, nullptr);
            if (!list) return CloseBox();
            if (i == 0) {
                ringAtOpen = list->Focus().RingShown();
                firstChoice = list->Root().Children().front()->Id();
                const CAccessNode* tree = platform->Windows().back()->GetAccessTree();
                const CAccessNode* focused = tree ? FocusedNode(*tree) : nullptr;
                if (focused) focusedAtOpen = focused->name;
                // Where the ring is, is what the tree calls focused.
                EXPECT_EQ(list->Focus().FocusedId(), firstChoice);
            }
            const ListInput& input = row.inputs[i];
            if (input.clickedChoice) return AtWidgetOfTopPage(*platform, {input.clickedChoice, -1, -1})();
            return Press(input.key);
        });
    std::string refusal;
    script.ThenComputed([&]() -> std::optional<InputEvent> {
        const CMessageBoxInfo* box = TopMessageBox(*platform);
        if (!box) return PointerToCorner();
        refusal = box->text;
        return Press(KeyChord::Key::Return);
    });
    WidgetId focusAfter = WidgetId::None();
    bool ringAfter = false;
    std::string descriptionAfter;
    std::vector<std::string> heardAfterPick;
    script.Then(
        [&] {
            heardAfterPick = heard;
            const CAttributePage* page = TopPage<CAttributePage>(*platform);
            ASSERT_NE(page, nullptr);
            focusAfter = page->Focus().FocusedId();
            ringAfter = page->Focus().RingShown();
            const CAccessNode* tree = platform->Windows().back()->GetAccessTree();
            const CAccessNode* focused = tree ? FocusedNode(*tree) : nullptr;
            if (focused) descriptionAfter = focused->FullDescription();
        },
        Press(KeyChord::Key::Escape));
    script.Then(CloseBox());
    script.InstallOn(*platform);
    app.Run();
    ASSERT_TRUE(script.Finished());

    EXPECT_EQ(ringAtOpen, row.ringAtOpen);
    const CSkillDef* first = World().skills.Find(firstChoice.group);
    ASSERT_NE(first, nullptr);
    // Focused, and so announced, is the first choice however the list opened.
    EXPECT_EQ(focusedAtOpen, first->name);
    EXPECT_EQ(std::vector<int>(Hero().skills.begin(), Hero().skills.end()), row.skillsAfter);
    EXPECT_EQ(heardAfterPick, row.heard);
    EXPECT_EQ(refusal, row.refusal);
    EXPECT_EQ(ringAfter, row.ringAtOpen);
    if (row.ringAtOpen) {
        EXPECT_EQ(focusAfter, row.focusAfter);
        EXPECT_EQ(descriptionAfter, row.focusDescription);
    }
}

INSTANTIATE_TEST_SUITE_P(Openings, ChoiceFocusTest, ::testing::ValuesIn(kRows));

}  // namespace
