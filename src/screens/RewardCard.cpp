// Building the reward card.
#include "screens/RewardCard.h"

#include "containers/Translation.h"
#include "game/GameWorld.h"
#include "screens/CardColors.h"
#include "ui/Panel.h"
#include "ui/ShadowLabel.h"
#include "ui/TextLabel.h"

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
    for (int i = 0; i < entries; ++i) {
        const CDropEntry& entry = monster.drops.ElementAt(i);
        AddRow(panel, 25 + kRowStep * i, entry.ChanceText())
            .label->SetLabel(entry.Label(world.skills, world.items));
    }
    panel.rect.bottom = panel.rect.top + kRowStep * entries + 30;
    panel.rect.right = panel.rect.left + kCardWidth;
}
