// CQuorvanelView: the main window's contents. It owns the root of the main
// screen's widget tree (through CWidgetHost) and the hero, builds the screen
// once, turns left clicks into game actions, and after every action that
// changes the hero refreshes the widgets that show it. Ctrl+N repaints;
// Ctrl+P saves the screen as drawn to a PNG picture and names the file in a
// message box. The view works on the world the app made and hands it by
// reference to the screens it opens. Handlers let exceptions (failed index checks) pass to the
// platform, which shows them in an error box and goes on.
#pragma once

#include "game/Hero.h"
#include "ui/WidgetHost.h"

#include <string>
#include <vector>

class CGameWorld;
class CPlatform;

class CQuorvanelView final : public CWidgetHost {
public:
    // Builds the hero and the main screen, selects the training grid and runs
    // the first refresh. The root gets its window later (AttachWindow); until
    // then nothing is invalidated.
    CQuorvanelView(CPlatform& platform, CGameWorld& world);

    CHero& Hero() { return hero_; }
    CGameWorld& World() { return world_; }

    // What the last refresh wrote in Chinese whatever the language, for the
    // `state` line: the experience text and each roster monster's fight hint.
    const std::string& SourceExpText() const { return sourceExpText_; }
    const std::vector<std::string>& SourceFightHints() const { return sourceFightHints_; }

    // Rewrites the level and experience texts and the hero's card, and
    // enables exactly the fight buttons of the monsters the hero can beat,
    // with the estimate as their hint. Invalidates the two texts and the
    // buttons whose enabled flag changed.
    void Refresh();
    // Shows the training grid (MainScreen::kTrainingGroup) or the task panel
    // (kTaskGroup), hides the other one and repaints both areas.
    void SelectPanel(int group);

    // Ctrl+N, Ctrl+P; Escape hides the hint box or hover card; F2 and F4
    // open the attribute page and the bag, as their buttons do.
    void OnCommandKey(const KeyChord& key) override;
    // Closing the main window ends the program.
    void OnClose() override;

protected:
    void OnWidgetClick(const WidgetId& clicked) override;

private:
    void SaveScreenAsPicture();
    void OpenAttributePage();
    void OpenBagPage();
    void ShowTaskPanel();
    void AfterTaskCompletion();

    CHero hero_;
    CPlatform& platform_;
    CGameWorld& world_;
    std::string sourceExpText_;
    std::vector<std::string> sourceFightHints_;
};
