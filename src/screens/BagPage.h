// CBagPage: the popup page "背包", a view of what the hero owns and does not
// wear: the skill books on the tab "技能" (one badge per skill, the count in
// brackets after its name) and the items of the bag on the tab "装备", each
// badge with the full description as its hint. The grids page their badges
// when a tab holds more than fit. The page keeps the template's size, is
// built once when it opens and changes nothing.
#pragma once

#include "ui/PopupPage.h"
#include "ui/WidgetId.h"

class CGameWorld;
class CHero;

class CBagPage final : public CPopupPage {
public:
    static constexpr WidgetId kTabBox{1, -1, -1};

    // Items and skills are read from the world's tables.
    CBagPage(const CHero& hero, const CGameWorld& world, CPlatform& platform, CWindow* parent = nullptr);

protected:
    // Title "背包", the tab box over the whole client area less a 5-pixel
    // border, both tabs filled, and the first tab shown.
    bool OnInitDialog() override;

private:
    const CHero& hero_;
    const CGameWorld& world_;
};
