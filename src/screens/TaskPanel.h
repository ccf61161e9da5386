// CTaskPanel: the main screen's task panel. It owns the task progress (which
// of the two tasks is current) and shows that task for the hero: a message
// while the hero's level is too low, otherwise the requirement lines (green
// with a check mark once the monster has been defeated, red until then) and
// the completion button, enabled when every requirement is met, which a
// screen reader describes by the lines above it.
//
// The panel is rebuilt only by SetHero. The roster and defeat tally it reads
// are named by ReadFrom, before the first SetHero. The congratulation
// of the last task goes through a message callback the host supplies (the
// application opens a message box with it).
#pragma once

#include "game/Task.h"
#include "ui/Panel.h"

#include <functional>
#include <string>
#include <utility>

class CDefeatTally;
class CHero;
class CRoster;

class CTaskPanel : public CPanel {
public:
    using MessageCallback = std::function<void(const std::string& text)>;

    // The completion button is (panel group, kCompleteButtonId, -1).
    static constexpr int kCompleteButtonId = 1;

    void SetMessageCallback(MessageCallback showMessage) { showMessage_ = std::move(showMessage); }
    void ReadFrom(const CRoster& roster, const CDefeatTally& tally);

    // Remembers the hero (null forgets it) and, with one, rebuilds the view
    // of the current task.
    void SetHero(CHero* hero);
    // Replaces the panel's children with the view of the task at stage for hero.
    void BuildTaskView(const CHero& hero, int stage);
    // One requirement line at line: "打败" and the name of roster monster
    // monsterIndex, in red, or with "√" in front and in green once defeated.
    // Returns the line as a screen reader says it: met or not met in words.
    std::string AddTargetLine(CRect line, int monsterIndex);

    // A click on the completion button completes the task and rebuilds the
    // panel. The click is never consumed, so the host refreshes after it.
    bool OnChildClick(const WidgetId& clicked, CRootPanel* root, CPoint origin,
                      const CWidget* source) override;

    int Stage() const { return progress_.stage; }

private:
    CTaskProgress progress_;
    CHero* hero_ = nullptr;
    const CRoster* roster_ = nullptr;
    const CDefeatTally* tally_ = nullptr;
    MessageCallback showMessage_;
};
