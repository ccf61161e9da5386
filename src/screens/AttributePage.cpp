// The attribute page: stat texts, the widget tree and the three actions.
#include "screens/AttributePage.h"

#include "base/FormatText.h"
#include "base/TrimmedText.h"
#include "game/GameWorld.h"
#include "game/Hero.h"
#include "i18n/Announcements.h"
#include "i18n/ListText.h"
#include "i18n/Translation.h"
#include "platform/Platform.h"
#include "screens/CardColors.h"
#include "screens/CharacterCard.h"
#include "ui/Badge.h"
#include "ui/CaptionFit.h"
#include "ui/ChoiceDialog.h"
#include "ui/Panel.h"
#include "ui/PushButton.h"
#include "ui/ShadowLabel.h"
#include "ui/TextLabel.h"

#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kRowPitch = 20;
constexpr int kSkillRowPitch = 19;
constexpr int kSkillColumnPitch = 80;
// The talent panel's first cell: skill badges and the two buttons below them.
constexpr CRect kSkillCell{3, 23, 75, 42};
// The client height above and below the talent panel's own height.
constexpr int kHeightBesidesTalents = 130;

constexpr const char* kNoBooksHint = TrMark("没有技能书，请先去打技能书。");

// The breakdown of one stat component: bare and from equipment, without and
// with the talent bonuses. The gaps are ideographic spaces.
std::string Breakdown(const CHero& hero, const CItemTable& items, const char* stat, int CStats::*component) {
    // TRANSLATORS: the hint of a stat's "?" badge; %s is the stat's short name ("攻", "防", "血").
    return FormatText(Tr("裸%s:%d　装备%s:%d\r\n技能加成后，裸%s:%d　装备%s:%d　"), stat,
                      hero.BaseStats(false).*component, stat, hero.EquipStats(items, false).*component, stat,
                      hero.BaseStats(true).*component, stat, hero.EquipStats(items, true).*component);
}

// A panel's heading: engraved in black on the dark label fill.
void AddHeading(CRootPanel& root, const CWidget& panel, const CRect& rect, const char* text) {
    root.AddChild<CShadowLabel>(rect, -1, -1, -1, panel.Id())->SetLabel(text, kBlack, kLabelText, kLabelFill);
}

// A row label: engraved light on dark brown.
CWidget& AddRowLabel(CRootPanel& root, const WidgetId& parent, const CRect& rect, const std::string& text) {
    auto* label = root.AddChild<CShadowLabel>(rect, -1, -1, -1, parent);
    label->SetLabel(text, kEngravedLight, kRowLabelText, kRowLabelFill);
    return *label;
}

// A "?" badge directly under the root whose hint explains the row beside
// it; a screen reader reads the row's label and value with the hint.
void AddHintBadge(CRootPanel& root, const CRect& rect, const std::string& row, const std::string& value,
                  std::string hint) {
    auto* badge = root.AddChild<CBadge>(rect, -1, -1, -1, WidgetId::None());
    badge->SetBadge("?");
    // TRANSLATORS: what a screen reader calls the "?" badge beside a row, the row's label first.
    badge->accessName = FormatText(Tr("%s 说明"), row.c_str());
    badge->besideText = row + " " + TrimmedText(value);
    badge->hint = std::move(hint);
}

}  // namespace

CAttributePage::CAttributePage(CHero& hero, const CGameWorld& world, CPlatform& platform, CWindow* parent)
    : CPopupPage(platform, parent), hero_(hero), world_(world) {}

std::array<CAttributePage::StatText, CAttributePage::kStatRows> CAttributePage::FillStatTexts() const {
    const CStats total = hero_.TotalStats(world_.items);
    return {{
        {Tr("等级"), FormatText("%d", hero_.level), FormatText(Tr("等级上限%d"), hero_.levelCap)},
        {Tr("经验"), hero_.ExpText(),
         FormatText(Tr("当前经验:%d\r\n升级需要经验%d"), hero_.exp, hero_.ExpForNextLevel())},
        {Tr("攻击"), FormatText("%d", total.attack),
         Breakdown(hero_, world_.items, Tr("攻"), &CStats::attack)},
        {Tr("防御"), FormatText("%d", total.defence),
         Breakdown(hero_, world_.items, Tr("防"), &CStats::defence)},
        {Tr("气血"), FormatText("%d", total.hp), Breakdown(hero_, world_.items, Tr("血"), &CStats::hp)},
    }};
}

bool CAttributePage::OnInitDialog() {
    CPopupPage::OnInitDialog();
    Window()->SetTitle(Tr("属性"));
    RebuildPage();
    return true;
}

void CAttributePage::RebuildPage() {
    CRootPanel& root = Root();
    root.RemoveAllChildren();
    root.AddChild<CShadowLabel>({3, 3, 167, 21}, -1, -1, -1, WidgetId::None())->SetLabel(Tr(hero_.name));
    AddStatRows();
    const int talentHeight = TalentPanelHeight();
    ResizeClient(kWidth, talentHeight + kHeightBesidesTalents);
    AddTalentPanel(talentHeight);
    AddEquipmentPanel();
}

int CAttributePage::TalentPanelHeight() const {
    const int skillCount = hero_.skills.GetSize();
    const int columns = SkillBadgeColumns(hero_, world_.skills);
    return skillCount == 0 ? 50 : ((skillCount + columns - 1) / columns + 2) * 25;
}

void CAttributePage::AddStatRows() {
    CRootPanel& root = Root();
    int top = 23;
    for (const StatText& row : FillStatTexts()) {
        CWidget& label = AddRowLabel(root, WidgetId::None(), {3, top, 84, top + 18}, row.label);
        auto* value = root.AddChild<CTextLabel>({84, top, 165, top + 18}, -1, -1, -1, WidgetId::None());
        value->SetLabel(row.value);
        GrowLabelBeforeValue(label, *value);
        AddHintBadge(root, {167, top, 182, top + 18}, row.label, row.value, row.hint);
        top += kRowPitch;
    }
}

void CAttributePage::AddTalentPanel(int height) {
    CRootPanel& root = Root();
    // (auto, 0, 0) under (0, 0, 0), which names nothing: the root.
    auto* panel = root.AddChild<CPanel>({3, 125, 165, 125 + height}, -1, 0, 0, {0, 0, 0});
    SetCardBody(*panel);
    AddHeading(root, *panel, {3, 3, 158, 21}, Tr("天赋技能"));

    const int skillCount = hero_.skills.GetSize();
    const int columns = SkillBadgeColumns(hero_, world_.skills);
    std::vector<std::string> learned;
    for (int i = 0; i < skillCount; ++i) {
        CRect cell = kSkillCell.Offset(kSkillColumnPitch * (i % columns), kSkillRowPitch * (i / columns));
        if (columns == 1) cell.right += kSkillColumnPitch;
        auto* badge = root.AddChild<CBadge>(cell, -1, -1, -1, panel->Id());
        // A skill missing from the table keeps an empty badge.
        if (const CSkillDef* skill = world_.skills.Find(hero_.skills.GetAt(i))) {
            learned.push_back(Tr(skill->name));
            badge->SetBadge(learned.back(), kNoColor, kSkillBadgeFill, kSkillBadgePen);
        }
    }

    // The buttons go in the row after the last row of skills.
    const CRect buttonCell = kSkillCell.Offset(0, kSkillRowPitch * ((skillCount + columns - 1) / columns));
    if (skillCount < hero_.maxSkills) {
        auto* learn = root.AddChild<CPushButton>(buttonCell, kLearnButton.group, -1, -1, panel->Id());
        learn->caption = Tr("学习技能");
        learn->hint = FormatText(TrN("你最多可以学习%d个技能。", "你最多可以学习%d个技能。",
                                     static_cast<unsigned long>(hero_.maxSkills)),
                                 hero_.maxSkills);
        if (hero_.skillBooks.GetSize() <= 0) {
            learn->enabled = false;
            learn->hint = Tr(kNoBooksHint);
        }
    }
    if (skillCount > 0) {
        auto* forget = root.AddChild<CPushButton>(buttonCell.Offset(kSkillColumnPitch, 0),
                                                  kForgetButton.group, -1, -1, panel->Id());
        forget->caption = Tr("遗忘技能");
        // The skills a sighted player reads above the button.
        // TRANSLATORS: what a screen reader says beside "遗忘技能"; %s lists the skills learned.
        forget->besideText = FormatText(Tr("已学技能：%s"), ListText(learned).c_str());
        GrowToCaption(*forget, EGrowth::kBoth);
    }
}

void CAttributePage::AddEquipmentPanel() {
    CRootPanel& root = Root();
    auto* panel = root.AddChild<CPanel>({190, 3, 355, 95}, -1, 0, 0, {0, 0, 0});
    SetCardBody(*panel);
    AddHeading(root, *panel, {3, 3, 160, 21}, Tr("装备"));

    for (int slot = 0; slot < hero_.equipment.GetSize(); ++slot) {
        const CItem worn = hero_.equipment.GetAt(slot);
        const int top = 23 + kRowPitch * slot;
        CWidget& label =
            AddRowLabel(root, panel->Id(), {3, top, 59, top + 18}, SlotName(static_cast<ESlotKind>(slot)));
        auto* name = root.AddChild<CTextLabel>({62, top, 160, top + 18}, -1, -1, -1, panel->Id());
        name->SetLabel(worn.Name(world_.items));
        GrowLabelBeforeValue(label, *name);
        // Just right of the panel, level with the slot's row.
        AddHintBadge(root, {356, top + 3, 371, top + 21}, label.caption, name->caption,
                     worn.Describe(world_.items));
    }

    auto* autoEquip =
        root.AddChild<CPushButton>({43, 63, 123, 86}, kAutoEquipButton.group, -1, -1, panel->Id());
    autoEquip->caption = Tr("自动换装");
    GrowToCaption(*autoEquip, EGrowth::kBoth);
}

void CAttributePage::OnWidgetClick(const WidgetId& clicked) {
    if (clicked.group == kLearnButton.group)
        LearnSkill();
    else if (clicked.group == kForgetButton.group)
        ForgetSkill();
    else if (clicked.group == kAutoEquipButton.group)
        AutoEquip();
}

void CAttributePage::LearnSkill() {
    CChoiceDialog choice(Platform());
    choice.Root().accessName = Tr("学习技能");
    // Every book is offered, also of skills already known: the hero's rule
    // gives the reason when it refuses.
    for (const SkillBookEntry& entry : hero_.skillBooks)
        if (const CSkillDef* skill = world_.skills.Find(entry.skillId))
            choice.AddChoice(skill->id, Tr(skill->name), Tr(skill->description));
    ApplyChoice(choice, kLearnButton, &CHero::LearnSkill, &Announcement::SkillLearned);
}

void CAttributePage::ForgetSkill() {
    CChoiceDialog choice(Platform());
    choice.Root().accessName = Tr("遗忘技能");
    for (const int skillId : hero_.skills)
        if (const CSkillDef* skill = world_.skills.Find(skillId))
            choice.AddChoice(skill->id, Tr(skill->name), Tr(skill->description));
    ApplyChoice(choice, kForgetButton, &CHero::ForgetSkill, &Announcement::SkillForgotten);
}

void CAttributePage::ApplyChoice(CChoiceDialog& choice, const WidgetId& opener,
                                 bool (CHero::*action)(int, std::string&),
                                 std::string (*news)(const std::string& skill)) {
    // A click hid the ring before it reached the opener; a key or assistive
    // technology pressed the opener with the ring on it.
    const bool byKey = Focus().RingShown();
    choice.ShowFocusAtOpen(byKey);
    if (choice.DoModal() != IDOK) return;
    std::string refusal;
    if ((hero_.*action)(choice.Result(), refusal)) {
        RebuildAndRepaint();
        if (byKey) FocusSkillButton(opener);
        if (const CSkillDef* skill = world_.skills.Find(choice.Result()))
            Platform().Announce(news(Tr(skill->name)));
    } else
        Platform().MessageBox(refusal, MessageBoxIcon::None);
}

void CAttributePage::FocusSkillButton(const WidgetId& opener) {
    const WidgetId other = opener == kLearnButton ? kForgetButton : kLearnButton;
    for (const WidgetId& id : {opener, other})
        if (const CWidget* button = Root().FindWidget(id); button && Focus().FocusWidget(*button)) return;
}

void CAttributePage::AutoEquip() {
    const auto worn = hero_.equipment;
    hero_.AutoEquip(world_.items);
    RebuildAndRepaint();
    std::vector<std::string> putOn;
    for (int slot = 0; slot < hero_.equipment.GetSize(); ++slot)
        if (!(hero_.equipment.GetAt(slot) == worn.GetAt(slot)))
            putOn.push_back(hero_.equipment.GetAt(slot).Name(world_.items));
    Platform().Announce(Announcement::ItemsWorn(putOn));
}

void CAttributePage::RebuildAndRepaint() {
    RebuildPage();
    Window()->Invalidate(true);
}
