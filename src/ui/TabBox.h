// CTabBox: a row of tab buttons, each with a paged grid as its page, in one
// area; a click on a tab shows its page and hides the others. The box draws
// nothing of its own. Tabs are 60 x 20 and 65 pixels apart; pages start 22
// pixels below the box's top. AddTab leaves every page shown, so until a tab
// is selected the pages overlap (the last on top).
#pragma once

#include "ui/PagedGrid.h"

#include <functional>
#include <string>
#include <string_view>

class CTabBox : public CWidget {
public:
    // Adds a tab button (group of the box, tab number, 0) with the caption
    // name and its page (group of the box, tab number, -1), and returns the
    // page for the screen to fill. Tab numbers start at 101: one more than
    // the largest id above 100 in the box's group anywhere in its subtree.
    CPagedGrid* AddTab(std::string_view name);

    // Shows the page of tab number tab and hides the others.
    void SelectTab(int tab);

    // A group of a tab list (the tab buttons as tabs, the shown page's one
    // selected) and the shown page as a tab panel named after its tab.
    void Describe(CAccessNode& node) const override;

    // Told of a tab the player chose (by click, key or assistive technology):
    // its button's caption and its page.
    std::function<void(const std::string& name, const CPagedGrid& page)> onTabChosen;

    // A click on one of the box's own tab buttons selects that tab, repaints
    // the box, tells onTabChosen and is consumed. Clicks inside pages go on up unchanged.
    bool OnChildClick(const WidgetId& clicked, CRootPanel* root, CPoint origin,
                      const CWidget* source) override;

private:
    int NextTabNumber() const;
};
