// Building the character card.
#include "screens/CharacterCard.h"

#include "game/Character.h"
#include "game/GameWorld.h"
#include "i18n/Translation.h"
#include "screens/CardColors.h"
#include "ui/Badge.h"
#include "ui/CaptionFit.h"
#include "ui/Panel.h"
#include "ui/ScreenFont.h"
#include "ui/ShadowLabel.h"
#include "ui/TextLabel.h"

#include <array>
#include <string>
#include <utility>

namespace {

constexpr int kRowsHeight = 110;  // title and the four stat rows
constexpr int kSkillRowHeight = 25;

// A widget with the next automatic WidgetId, under parent (a widget of the card).
template <class Kind>
Kind* AddToCard(CPanel& card, const CRect& rect, const CWidget& parent) {
    return card.AddChild<Kind>(rect, -1, -1, -1, parent.Id());
}

void AddStatRows(CPanel& card, const CCharacter& character, const CItemTable& items) {
    const CStats totals = character.TotalStats(items);
    const std::array<std::pair<const char*, int>, 4> rows = {{
        {Tr("等级"), character.level},
        {Tr("攻击"), totals.attack},
        {Tr("防御"), totals.defence},
        {Tr("气血"), totals.hp},
    }};
    int top = 23;
    for (const auto& [label, value] : rows) {
        auto* name = AddToCard<CShadowLabel>(card, {3, top, 84, top + 18}, card);
        name->SetLabel(label, kEngravedLight, kRowLabelText, kRowLabelFill);
        auto* number = AddToCard<CTextLabel>(card, {84, top, 165, top + 18}, card);
        number->SetLabel(std::to_string(value));
        GrowLabelBeforeValue(*name, *number);
        top += 20;
    }
}

void AddSkillBox(CPanel& card, const CCharacter& character, const CSkillTable& skills, int height) {
    auto* box = AddToCard<CPanel>(card, {3, 105, 165, 105 + height}, card);
    SetCardBody(*box);
    AddToCard<CShadowLabel>(card, {3, 3, 158, 21}, *box)
        ->SetLabel(Tr("天赋技能"), kBlack, kLabelText, kLabelFill);
    const int columns = SkillBadgeColumns(character, skills);
    const int width = columns == 2 ? kSkillBadgeWidth : kSkillBadgeWidth + 80;
    for (int i = 0; i < character.skills.GetSize(); ++i) {
        const int left = 3 + 80 * (i % columns);
        const int top = 23 + 19 * (i / columns);
        auto* badge = AddToCard<CBadge>(card, {left, top, left + width, top + 19}, *box);
        // A skill missing from the table leaves its badge empty.
        if (const CSkillDef* skill = skills.Find(character.skills.GetAt(i)))
            badge->SetBadge(Tr(skill->name), kNoColor, kSkillBadgeFill, kSkillBadgePen);
    }
}

}  // namespace

int SkillBadgeColumns(const CCharacter& character, const CSkillTable& skills) {
    for (const int skillId : character.skills)
        if (const CSkillDef* skill = skills.Find(skillId);
            skill && ScreenTextWidth(Tr(skill->name)) > kSkillBadgeWidth)
            return 1;
    return 2;
}

void BuildCharacterCard(CPanel& panel, const CCharacter& character, const CGameWorld& world) {
    panel.RemoveAllChildren();
    AddToCard<CShadowLabel>(panel, {3, 3, 167, 21}, panel)->SetLabel(Tr(character.name));
    AddStatRows(panel, character, world.items);

    const int skillCount = character.skills.GetSize();
    const int columns = SkillBadgeColumns(character, world.skills);
    const int skillBoxHeight =
        skillCount == 0 ? 0 : ((skillCount + columns - 1) / columns + 1) * kSkillRowHeight;
    panel.rect.bottom = panel.rect.top + skillBoxHeight + kRowsHeight;
    if (skillCount > 0) AddSkillBox(panel, character, world.skills, skillBoxHeight);
}
