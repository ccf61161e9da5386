// CAttributePage: the popup page "属性". It shows the hero's name, the five
// stat rows (等级, 经验, 攻击, 防御, 气血) with a "?" badge whose hint breaks
// each number down, the learned talent skills and the worn equipment, and
// offers the three hero actions that have no other place: learn a talent
// skill from a skill book, forget one (both through a CChoiceDialog), and
// equip automatically. The rules and their refusal messages are the hero's;
// the page shows a refusal in a message box and rebuilds itself after every
// success, growing or shrinking with the number of skills.
#pragma once

#include "ui/PopupPage.h"
#include "ui/WidgetId.h"

#include <array>
#include <string>

class CChoiceDialog;
class CGameWorld;
class CHero;

class CAttributePage final : public CPopupPage {
public:
    static constexpr WidgetId kLearnButton{1, -1, -1};
    static constexpr WidgetId kForgetButton{2, -1, -1};
    static constexpr WidgetId kAutoEquipButton{3, -1, -1};
    static constexpr int kWidth = 373;

    // One stat row: its label, the number shown and the hint of its badge.
    struct StatText {
        const char* label;
        std::string value;
        std::string hint;
    };
    static constexpr int kStatRows = 5;

    // Items and skills are read from the world's tables.
    CAttributePage(CHero& hero, const CGameWorld& world, CPlatform& platform, CWindow* parent = nullptr);

    // The five stat rows as the hero stands now.
    std::array<StatText, kStatRows> FillStatTexts() const;
    // Clears the tree, builds it again from the hero and fits the page to it.
    void RebuildPage();

protected:
    // Title "属性", then the page.
    bool OnInitDialog() override;
    // The learn, forget and auto-equip buttons, by first component only.
    void OnWidgetClick(const WidgetId& clicked) override;

private:
    // The height of the talent panel: one row of two skills per 25 pixels,
    // plus the title and the row of buttons.
    int TalentPanelHeight() const;
    void AddStatRows();
    void AddTalentPanel(int height);
    void AddEquipmentPanel();

    void LearnSkill();
    void ForgetSkill();
    void AutoEquip();
    // Runs the choice list that opener opened; on IDOK applies action to the
    // result and either rebuilds the page and announces news(the skill's
    // name) or shows the hero's refusal. Opened by key or by assistive
    // technology, the list shows its ring at once, and the ring comes back
    // to the opener after a pick.
    void ApplyChoice(CChoiceDialog& choice, const WidgetId& opener, bool (CHero::*action)(int, std::string&),
                     std::string (*news)(const std::string& skill));
    // The ring on opener, or, when the rebuilt page has it no more (the last
    // free place filled, the last skill forgotten), on the other skill button.
    void FocusSkillButton(const WidgetId& opener);
    void RebuildAndRepaint();

    CHero& hero_;
    const CGameWorld& world_;
};
