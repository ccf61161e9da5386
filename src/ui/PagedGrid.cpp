// The paged grid: cell layout, paging and the page bar.
#include "ui/PagedGrid.h"

#include "base/FormatText.h"
#include "i18n/Translation.h"
#include "ui/CaptionFit.h"
#include "ui/PushButton.h"
#include "ui/RootPanel.h"
#include "ui/TextLabel.h"

#include <string>

namespace {

// Height kept free for the page bar at the bottom of a grid that pages.
constexpr int kPageBarHeight = 28;

// The kinds of the page bar, so the grid tells its own bar from cells by
// what the widgets are, not by their WidgetIds.
class CPageIndicator final : public CTextLabel {};

class CPageButton final : public CPushButton {
public:
    int step = 0;  // -1 previous page, +1 next page
};

bool IsPageBarWidget(const CWidget& widget) {
    return dynamic_cast<const CPageIndicator*>(&widget) || dynamic_cast<const CPageButton*>(&widget);
}

}  // namespace

void CPagedGrid::SetCellGeometry(int marginX, int marginY, int cellRight, int cellBottom) {
    marginX_ = marginX;
    marginY_ = marginY;
    cellRight_ = cellRight;
    cellBottom_ = cellBottom;
}

std::vector<CWidget*> CPagedGrid::Cells() const {
    std::vector<CWidget*> cells;
    for (const auto& child : Children())
        if (!IsPageBarWidget(*child)) cells.push_back(child.get());
    return cells;
}

void CPagedGrid::LayOut() {
    const int stepX = marginX_ + cellRight_;
    const int stepY = marginY_ + cellBottom_;
    if (stepX <= 0 || stepY <= 0) return;
    const int width = rect.Width();
    const int height = rect.Height() - TitleHeight();
    const int columns = width / stepX;
    int perPage = columns * (height / stepY);
    if (perPage <= 0) return;
    const std::vector<CWidget*> cells = Cells();
    const int cellCount = static_cast<int>(cells.size());
    if (perPage < cellCount) {
        perPage = columns * ((height - kPageBarHeight) / stepY);
        if (perPage <= 0) return;
    }
    itemsPerPage_ = perPage;
    pageCount_ = cellCount == 0 ? 0 : (cellCount - 1) / perPage + 1;

    const CRect firstCell{marginX_, marginY_ + TitleHeight(), cellRight_, cellBottom_ + TitleHeight()};
    for (int i = 0; i < cellCount; ++i) {
        const int k = i % perPage;
        cells[i]->rect = firstCell.Offset((k % columns) * stepX, (k / columns) * stepY);
    }
    ShowPage(currentPage_);
}

void CPagedGrid::ShowPage(int page) {
    if (page < 0)
        page = 0;
    else if (page >= pageCount_)
        page = pageCount_ - 1;  // -1 without cells
    currentPage_ = page;
    RemovePageBar();
    const std::vector<CWidget*> cells = Cells();
    const int first = currentPage_ * itemsPerPage_;
    for (int i = 0; i < static_cast<int>(cells.size()); ++i)
        cells[i]->shown = first <= i && i < first + itemsPerPage_;
    if (pageCount_ > 1) AddPageBar();
}

void CPagedGrid::RemovePageBar() {
    std::vector<const CWidget*> bar;
    for (const auto& child : Children())
        if (IsPageBarWidget(*child)) bar.push_back(child.get());
    for (const CWidget* widget : bar) RemoveChild(widget);
}

// The bar, centred along the bottom: [上一页] 2/5 [下一页], the buttons
// 55 x 22, the indicator 40 x 22, 5 pixels after the first button and 10
// before the second.
void CPagedGrid::AddPageBar() {
    const int w = rect.Width();
    const int h = rect.Height();
    const int L = w / 2 - 20;
    auto* indicator = AddOwnChild<CPageIndicator>({L, h - 25, L + 40, h - 3}, -1, -1, -1);
    indicator->caption = std::to_string(currentPage_ + 1) + "/" + std::to_string(pageCount_);

    auto* previous = AddOwnChild<CPageButton>({L - 60, h - 25, L - 5, h - 3}, Id().group, Id().id, 1);
    previous->caption = Tr("上一页");
    GrowToCaption(*previous, EGrowth::kLeft);
    previous->step = -1;
    previous->enabled = currentPage_ != 0;
    previous->besideText = PageText();

    auto* next = AddOwnChild<CPageButton>({L + 50, h - 25, L + 105, h - 3}, Id().group, Id().id, 2);
    next->caption = Tr("下一页");
    GrowToCaption(*next, EGrowth::kRight);
    next->step = 1;
    next->enabled = currentPage_ + 1 < pageCount_;
    next->besideText = PageText();
}

bool CPagedGrid::OnChildClick(const WidgetId&, CRootPanel* root, CPoint origin, const CWidget* source) {
    // source is compared with the live children before it is looked at.
    for (const auto& child : Children()) {
        if (child.get() != source) continue;
        const auto* button = dynamic_cast<const CPageButton*>(child.get());
        if (!button) return false;
        ShowPage(currentPage_ + button->step);  // removes button
        if (root) root->InvalidateArea(rect.Offset(origin.x, origin.y));
        return true;
    }
    return false;
}

void CPagedGrid::Describe(CAccessNode& node) const {
    node.role = AccessRole::Group;
    if (pageCount_ > 1) {
        node.page = currentPage_ + 1;
        node.pageCount = pageCount_;
        node.pageText = PageText();
    }
}

std::string CPagedGrid::PageText() const {
    return FormatText(Tr("第%d页，共%d页"), currentPage_ + 1, pageCount_);
}
