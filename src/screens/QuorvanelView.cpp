// The main view: start-up of the screen, refresh, click dispatch and keys.
#include "screens/QuorvanelView.h"

#include "base/FormatText.h"
#include "base/TrimmedText.h"
#include "game/Battle.h"
#include "game/GameWorld.h"
#include "i18n/Announcements.h"
#include "i18n/Translation.h"
#include "platform/Platform.h"
#include "screens/AttributePage.h"
#include "screens/BagPage.h"
#include "screens/CharacterCard.h"
#include "screens/FightNews.h"
#include "screens/MainScreen.h"
#include "screens/TaskPanel.h"
#include "ui/TextLabel.h"

#include <string>

namespace {

bool IsControlLetter(const KeyChord& key, char letter) {
    return key.key == KeyChord::Key::Letter && key.letter == letter && key.ctrl && !key.shift && !key.alt;
}

}  // namespace

CQuorvanelView::CQuorvanelView(CPlatform& platform, CGameWorld& world) : platform_(platform), world_(world) {
    AttachWindow(nullptr, MainScreen::kRootRect);
    MainScreen::Build(Root(), world_);
    Root().WidgetAs<CTaskPanel>(MainScreen::kTaskPanel).SetMessageCallback([this](const std::string& text) {
        platform_.MessageBox(text, MessageBoxIcon::None);
    });
    // The task panel stays empty until "任务" is clicked: start on the grid.
    SelectPanel(MainScreen::kTrainingGroup);
    Refresh();
}

void CQuorvanelView::Refresh() {
    CRootPanel& root = Root();
    root.WidgetAs<CTextLabel>(MainScreen::kLevelValue).SetLabel(std::to_string(hero_.level));
    root.InvalidateWidget(MainScreen::kLevelValue, false);
    root.WidgetAs<CTextLabel>(MainScreen::kExpValue).SetLabel(hero_.ExpText());
    root.InvalidateWidget(MainScreen::kExpValue, false);

    // The hero panel's rows are read beside "属性", before the hero's card.
    root.WidgetAs<CWidget>(MainScreen::kAttributesButton).besideText =
        FormatText("%s %d %s %s", Tr("等级"), hero_.level, Tr("经验"), TrimmedText(hero_.ExpText()).c_str());
    BuildCharacterCard(root.HoverCard(MainScreen::kAttributesButton), hero_, world_);
    if (root.HintOwner() == MainScreen::kAttributesButton) root.UpdateHintBox();

    for (int i = 0; i < world_.roster.GetCount(); ++i) {
        CWidget* button = root.FindWidget(MainScreen::FightButton(i));
        if (!button) continue;
        const bool wasEnabled = button->enabled;
        const CEstimate estimate = Estimate(hero_, world_.roster.GetMonster(i), world_.items);
        button->enabled = estimate.win;
        button->hint = estimate.HintText();
        if (button->enabled != wasEnabled) root.InvalidateWidget(button->Id(), false);
    }
    // A hint box open over a fight button shows that button's new estimate.
    root.RereadHint();

    const CSourceTexts chinese;
    sourceExpText_ = hero_.ExpText();
    sourceFightHints_.clear();
    for (int i = 0; i < world_.roster.GetCount(); ++i)
        sourceFightHints_.push_back(Estimate(hero_, world_.roster.GetMonster(i), world_.items).HintText());
}

void CQuorvanelView::SelectPanel(int group) {
    for (const WidgetId& id : {MainScreen::kTrainingGrid, MainScreen::kTaskPanel}) {
        CWidget* panel = Root().FindWidget(id);
        if (!panel) continue;
        panel->shown = id.group == group;
        Root().InvalidateWidget(id, false);
    }
}

void CQuorvanelView::OnWidgetClick(const WidgetId& clicked) {
    switch (clicked.group) {
        case MainScreen::kFightGroup:
            if (const CFightResult result = Fight(clicked.id, hero_, world_)) {
                Refresh();
                platform_.Announce(FightNews(clicked.id, result, world_));
            }
            break;
        case MainScreen::kAttributesGroup:
            OpenAttributePage();
            break;
        case MainScreen::kBagGroup:
            OpenBagPage();
            break;
        case MainScreen::kBattleGroup:
            SelectPanel(MainScreen::kTrainingGroup);
            platform_.Announce(Announcement::ViewShown(Tr("战斗")));
            break;
        case MainScreen::kTasksGroup:
            ShowTaskPanel();
            break;
        case MainScreen::kTaskGroup:
            // The task panel has already completed the task on its way up.
            if (clicked.id == CTaskPanel::kCompleteButtonId) AfterTaskCompletion();
            break;
        default:
            break;
    }
}

// The page may have changed the hero: the main screen catches up when it closes.
void CQuorvanelView::OpenAttributePage() {
    CAttributePage page(hero_, world_, platform_);
    page.DoModal();
    Refresh();
}

// The bag page only shows, so nothing needs refreshing afterwards.
void CQuorvanelView::OpenBagPage() {
    CBagPage page(hero_, world_, platform_);
    page.DoModal();
}

void CQuorvanelView::ShowTaskPanel() {
    Root().WidgetAs<CTaskPanel>(MainScreen::kTaskPanel).SetHero(&hero_);
    SelectPanel(MainScreen::kTaskGroup);
    platform_.Announce(Announcement::ViewShown(Tr("任务")));
}

void CQuorvanelView::AfterTaskCompletion() {
    Refresh();
    if (CWindow* window = Root().Owner()) window->Invalidate(true);
}

void CQuorvanelView::OnCommandKey(const KeyChord& key) {
    CWindow* window = Root().Owner();
    if (!window) return;
    const bool plain = !key.ctrl && !key.shift && !key.alt;
    if (key.key == KeyChord::Key::Escape && plain)
        Root().HideHint();
    else if (key.key == KeyChord::Key::F2 && plain)
        OnWidgetClick(MainScreen::kAttributesButton);
    else if (key.key == KeyChord::Key::F4 && plain)
        OnWidgetClick({MainScreen::kBagGroup, -1, -1});
    else if (IsControlLetter(key, 'n'))
        window->Invalidate(true);
    else if (IsControlLetter(key, 'p'))
        SaveScreenAsPicture();
}

// The box keeps one size whatever the path, so that a recorded click on its
// OK button replays in any pictures folder.
void CQuorvanelView::SaveScreenAsPicture() {
    const SavedPicture picture = platform_.SavePicture(Root().Owner()->RenderToBuffer(), "quorvanel.png");
    if (picture.saved) {
        platform_.Announce(Announcement::PictureSaved(picture.location));
        platform_.FixedSizeMessageBox(Tr("画面已保存为图片:\r\n") + picture.location, MessageBoxIcon::None);
    } else {
        platform_.FixedSizeMessageBox(
            Tr("无法保存图片:\r\n") + picture.location + Tr("\r\n原因: ") + picture.saved.Reason(),
            MessageBoxIcon::Stop);
    }
}

void CQuorvanelView::OnClose() {
    platform_.Announce(Announcement::GameEnded());
    platform_.Quit(0);
}
