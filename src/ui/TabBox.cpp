// The tab box.
#include "ui/TabBox.h"

#include "ui/PushButton.h"
#include "ui/RootPanel.h"

#include <algorithm>

namespace {

constexpr int kTabWidth = 60;
constexpr int kTabHeight = 20;
constexpr int kTabSpacing = 65;
constexpr int kPageTop = 22;  // pages start this far below the tabs' top
constexpr int kFirstTabNumber = 101;

// The largest id among widgets of group in widget's subtree, at least floor.
int LargestIdInGroup(const CWidget& widget, int group, int floor) {
    int largest = widget.Id().group == group ? std::max(floor, widget.Id().id) : floor;
    for (const auto& child : widget.Children()) largest = LargestIdInGroup(*child, group, largest);
    return largest;
}

}  // namespace

int CTabBox::NextTabNumber() const { return LargestIdInGroup(*this, Id().group, kFirstTabNumber - 1) + 1; }

CPagedGrid* CTabBox::AddTab(std::string_view name) {
    const CRect content = ContentRect();
    // Every tab adds two children, a button and its page.
    const int tabLeft = content.left + static_cast<int>(Children().size()) * kTabSpacing / 2;
    const int tab = NextTabNumber();
    auto* button = AddOwnChild<CPushButton>(
        {tabLeft, content.top, tabLeft + kTabWidth, content.top + kTabHeight}, Id().group, tab, 0);
    button->caption = name;
    return AddOwnChild<CPagedGrid>({content.left, content.top + kPageTop, content.right, content.bottom},
                                   Id().group, tab, -1);
}

void CTabBox::SelectTab(int tab) {
    const WidgetId page{Id().group, tab, -1};
    for (const auto& child : Children())
        if (child->Id().sub != 0) child->shown = child->Id() == page;
}

bool CTabBox::OnChildClick(const WidgetId& clicked, CRootPanel* root, CPoint origin, const CWidget* source) {
    if (clicked.group != Id().group || clicked.sub != 0) return false;
    // Only the box's own tabs: a cell inside a page with a tab-like WidgetId
    // is not one of the box's children.
    const bool ownTab = std::any_of(Children().begin(), Children().end(),
                                    [source](const auto& child) { return child.get() == source; });
    if (!ownTab) return false;
    SelectTab(clicked.id);
    if (root) root->InvalidateArea(rect.Offset(origin.x, origin.y));
    if (onTabChosen)
        for (const auto& child : Children())
            if (const auto* page = dynamic_cast<const CPagedGrid*>(child.get()); page && page->shown)
                onTabChosen(source->caption, *page);
    return true;
}

void CTabBox::Describe(CAccessNode& node) const {
    // Each shown child gave one node: a tab button a button, a page a group.
    CAccessNode tabs;
    tabs.id = node.id + ".tabs";
    tabs.role = AccessRole::TabList;
    std::vector<CAccessNode> panels;
    std::string selectedName;
    std::size_t next = 0;
    for (const auto& child : Children()) {
        if (!child->shown || next >= node.children.size()) continue;
        CAccessNode& described = node.children[next++];
        if (child->Id().sub == 0) {
            described.role = AccessRole::Tab;
            const WidgetId page{child->Id().group, child->Id().id, -1};
            described.selected =
                std::any_of(Children().begin(), Children().end(),
                            [&page](const auto& other) { return other->Id() == page && other->shown; });
            if (described.selected) selectedName = described.name;
            tabs.bounds = tabs.children.empty() ? described.bounds : tabs.bounds.Union(described.bounds);
            tabs.children.push_back(std::move(described));
        } else {
            described.role = AccessRole::TabPanel;
            panels.push_back(std::move(described));
        }
    }
    for (CAccessNode& panel : panels) panel.name = selectedName;
    node.children.clear();
    node.children.push_back(std::move(tabs));
    for (CAccessNode& panel : panels) node.children.push_back(std::move(panel));
    node.role = AccessRole::Group;
}
