// Task table and completion.
#include "game/Task.h"

#include "game/DefeatTally.h"
#include "game/Hero.h"
#include "i18n/Translation.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kRaisedLevelCap = 10;
constexpr std::array kFirstTaskTargets = {5, 6, 7};  // 王伏, 成应, 赖昆
constexpr std::array kLastTaskTargets = {10};        // 申雄

const std::array<CTaskDef, 2> kTasks = {{
    {5, kFirstTaskTargets, TrMark("等级达到5级，才可接任务。")},
    {10, kLastTaskTargets, TrMark("等级达到10级，才可接任务。")},
}};

}  // namespace

int TaskCount() { return static_cast<int>(kTasks.size()); }

const CTaskDef* FindTask(int stage) {
    return stage >= 0 && stage < TaskCount() ? &kTasks[static_cast<std::size_t>(stage)] : nullptr;
}

bool RequirementsMet(int stage, const CDefeatTally& tally) {
    const CTaskDef* task = FindTask(stage);
    return task && std::all_of(task->targets.begin(), task->targets.end(),
                               [&](int monsterIndex) { return tally.Count(monsterIndex) > 0; });
}

ETaskOutcome CTaskProgress::CompleteTask(CHero& hero, const CDefeatTally& tally) {
    if (!RequirementsMet(stage, tally)) return ETaskOutcome::kNothing;
    if (stage == 0) {
        hero.RaiseLevelCap(kRaisedLevelCap);
        stage = 1;
        return ETaskOutcome::kCapRaised;
    }
    return ETaskOutcome::kCongratulate;
}
