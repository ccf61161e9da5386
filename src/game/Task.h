// The two tasks: which monsters must have been defeated, from which level the
// task can be taken, and what completing it does. The task panel owns a
// CTaskProgress and only displays what these rules say; the congratulation is
// shown by the panel after CompleteTask reports it.
#pragma once

#include "i18n/Translation.h"

#include <span>

class CDefeatTally;
class CHero;

inline constexpr const char* kTaskButtonCaption = TrMark("完成任务(等级上限开到10级)");
inline constexpr const char* kCongratulationText = TrMark("通关了,祝贺你！");

struct CTaskDef {
    int minLevel;
    std::span<const int> targets;  // roster indices, in display order
    const char* levelTooLowText;
};

int TaskCount();
// The task of this stage, or nullptr outside 0..TaskCount()-1.
const CTaskDef* FindTask(int stage);

// Every target of the stage defeated at least once; false for an unknown stage.
bool RequirementsMet(int stage, const CDefeatTally& tally);

enum class ETaskOutcome { kNothing, kCapRaised, kCongratulate };

struct CTaskProgress {
    // Stage 0 raises the cap to 10 and moves on to stage 1; stage 1 (the last)
    // asks for the congratulation every time and stays. Nothing happens while
    // the requirements are not met.
    ETaskOutcome CompleteTask(CHero& hero, const CDefeatTally& tally);

    int stage = 0;
};
