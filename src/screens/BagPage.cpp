// The bag page: its tab box and the badges of both tabs.
#include "screens/BagPage.h"

#include "base/FormatText.h"
#include "game/GameWorld.h"
#include "game/Hero.h"
#include "i18n/Announcements.h"
#include "i18n/Translation.h"
#include "platform/Platform.h"
#include "ui/Badge.h"
#include "ui/TabBox.h"

#include <string>

namespace {

// A badge for the grid to place, numbered from 1 by its entry's index in the
// hero's list, so that entries left out leave gaps in the numbering.
void AddEntryBadge(CPagedGrid& grid, int index, const std::string& caption, const std::string& hint) {
    const WidgetId& page = grid.Id();
    auto* badge = grid.AddChild<CBadge>({}, page.group, page.id, index + 1, CBagPage::kTabBox);
    badge->SetBadge(caption);
    badge->hint = hint;
}

void FinishGrid(CPagedGrid& grid) {
    grid.SetCellGeometry(3, 3, 118, 22);
    grid.LayOut();
}

}  // namespace

CBagPage::CBagPage(const CHero& hero, const CGameWorld& world, CPlatform& platform, CWindow* parent)
    : CPopupPage(platform, parent), hero_(hero), world_(world) {}

bool CBagPage::OnInitDialog() {
    const bool result = CPopupPage::OnInitDialog();
    Window()->SetTitle(Tr("背包"));
    auto* tabs = Root().AddChild<CTabBox>(Root().rect.Deflated(5), kTabBox.group, kTabBox.id, kTabBox.sub,
                                          WidgetId::None());

    CPagedGrid* books = tabs->AddTab(Tr("技能"));
    for (int i = 0; i < hero_.skillBooks.GetSize(); ++i) {
        const SkillBookEntry entry = hero_.skillBooks.GetAt(i);
        // A book of a skill the table does not know is not shown.
        if (const CSkillDef* skill = world_.skills.Find(entry.skillId))
            AddEntryBadge(*books, i, FormatText("%s(%d)", Tr(skill->name.c_str()), entry.count),
                          Tr(skill->description));
    }
    FinishGrid(*books);

    CPagedGrid* items = tabs->AddTab(Tr("装备"));
    for (int i = 0; i < hero_.bag.GetSize(); ++i) {
        const CItem item = hero_.bag.GetAt(i);
        AddEntryBadge(*items, i, item.Name(world_.items), item.Describe(world_.items));
    }
    FinishGrid(*items);

    // Pages added to a tab box all show until a tab is chosen; open on the
    // first rather than with both grids drawn over each other.
    tabs->SelectTab(books->Id().id);
    // A tab that holds nothing says so, or the player hears only its name.
    tabs->onTabChosen = [this](const std::string& name, const CPagedGrid& page) {
        Platform().Announce(page.Cells().empty() ? Announcement::TabShown(name) + Announcement::NothingIn(name)
                                                 : Announcement::TabShown(name));
    };
    return result;
}
