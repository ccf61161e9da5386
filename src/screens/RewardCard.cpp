// Building the reward card.
#include "screens/RewardCard.h"

#include "game/GameWorld.h"
#include "i18n/Translation.h"
#include "screens/CardColors.h"
#include "ui/CaptionFit.h"
#include "ui/Panel.h"
#include "ui/ShadowLabel.h"
#include "ui/TextLabel.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kCardWidth = 198;
constexpr int kRowStep = 20;

struct RewardRow {
    CShadowLabel* label;
    CTextLabel* value;
};

// A label (left column) and a value (right column) whose tops are at top.
RewardRow AddRow(CPanel& card, int top, const std::string& value) {
    RewardRow row{card.AddChild<CShadowLabel>({3, top, 114, top + 18}, -1, -1, -1, card.Id()),
                  card.AddChild<CTextLabel>({114, top, 195, top + 18}, -1, -1, -1, card.Id())};
    row.value->SetLabel(value);
    return row;
}

}  // namespace

void BuildRewardCard(CPanel& panel, const CMonster& monster, const CGameWorld& world) {
    panel.RemoveAllChildren();
    AddRow(panel, 5, std::to_string(monster.exp))
        .label->SetLabel(Tr("经验"), kEngravedLight, kRowLabelText, kRowLabelFill);

    const int entries = monster.drops.GetSize();
    int widening = 0;  // for a longer language's names: the card grows to the right
    for (int i = 0; i < entries; ++i) {
        const CDropEntry& entry = monster.drops.ElementAt(i);
        const RewardRow row = AddRow(panel, 25 + kRowStep * i, entry.ChanceText());
        row.label->SetLabel(entry.Label(world.skills, world.items));
        const int before = row.label->rect.right;
        GrowToCaption(*row.label, EGrowth::kRight);
        const int overflow = row.label->rect.right - before;
        row.value->rect.OffsetRect(overflow, 0);
        widening = std::max(widening, overflow);
    }
    panel.rect.bottom = panel.rect.top + kRowStep * entries + 30;
    panel.rect.right = panel.rect.left + kCardWidth + widening;
}
