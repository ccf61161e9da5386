// The task panel: task view, requirement lines and completion.
#include "screens/TaskPanel.h"

#include "base/FormatText.h"
#include "game/DefeatTally.h"
#include "game/Hero.h"
#include "game/Roster.h"
#include "i18n/Translation.h"
#include "ui/CaptionFit.h"
#include "ui/PushButton.h"
#include "ui/ScreenFont.h"
#include "ui/ShadowLabel.h"
#include "ui/TextLabel.h"

#include <algorithm>

namespace {

constexpr COLORREF kMetColor = RGB(0, 255, 0);
constexpr COLORREF kOpenColor = RGB(255, 0, 0);
constexpr int kButtonWidth = 250;

}  // namespace

void CTaskPanel::ReadFrom(const CRoster& roster, const CDefeatTally& tally) {
    roster_ = &roster;
    tally_ = &tally;
}

void CTaskPanel::SetHero(CHero* hero) {
    hero_ = hero;
    if (hero_) BuildTaskView(*hero_, progress_.stage);
}

void CTaskPanel::BuildTaskView(const CHero& hero, int stage) {
    RemoveAllChildren();
    const CTaskDef* task = FindTask(stage);
    if (!task) return;
    if (hero.level < task->minLevel) {
        AddMessageLabel(Tr(task->levelTooLowText));
        return;
    }

    CRect line = ContentRect().Deflated(3);
    line.bottom = line.top + 15;
    line.right = line.left + 100;
    auto* heading = AddChild<CShadowLabel>(line, -1, -1, -1, Id());
    heading->SetLabel(Tr("任务要求"));
    GrowToCaption(*heading, EGrowth::kRight);

    line.OffsetRect(0, 20);
    std::string requirements;
    for (const int monsterIndex : task->targets) {
        const std::string spoken = AddTargetLine(line, monsterIndex);
        requirements += (requirements.empty() ? "" : " ") + spoken;
        line.OffsetRect(0, 17);
    }

    line.bottom += 15;
    line.right = line.left + kButtonWidth;
    auto* button = AddChild<CPushButton>(line, Id().group, kCompleteButtonId, -1, Id());
    button->caption = Tr(kTaskButtonCaption);
    button->enabled = RequirementsMet(stage, *tally_);
    // The lines above it are what the button waits for.
    button->besideText = FormatText("%s %s", heading->caption.c_str(), requirements.c_str());
}

std::string CTaskPanel::AddTargetLine(CRect line, int monsterIndex) {
    // TRANSLATORS: a task's requirement; %s is a monster's name.
    std::string text = FormatText(Tr("打败%s"), Tr(roster_->GetMonster(monsterIndex).name).c_str());
    // A longer language's line grows to the right, as far as the button below it.
    line.right =
        std::max(line.right, std::min(line.left + kButtonWidth, line.left + ScreenTextWidth("√" + text)));
    auto* label = AddChild<CTextLabel>(line, -1, -1, -1, Id());
    // Colour and check mark say it to the eye; a screen reader says it in words.
    if (tally_->Count(monsterIndex) > 0) {
        label->SetLabel("√" + text, kMetColor);
        // TRANSLATORS: a task's requirement as a screen reader says it once met.
        label->accessName = FormatText(Tr("%s，已完成"), text.c_str());
    } else {
        label->SetLabel(text, kOpenColor);
        // TRANSLATORS: a task's requirement as a screen reader says it until met.
        label->accessName = FormatText(Tr("%s，未完成"), text.c_str());
    }
    return label->accessName;
}

bool CTaskPanel::OnChildClick(const WidgetId& clicked, CRootPanel*, CPoint, const CWidget*) {
    if (clicked.group != Id().group || clicked.id != kCompleteButtonId || !hero_) return false;
    if (progress_.CompleteTask(*hero_, *tally_) == ETaskOutcome::kCongratulate && showMessage_)
        showMessage_(Tr(kCongratulationText));
    SetHero(hero_);
    return false;
}
