// CPagedGrid: a panel that places its children as equal cells, row by row,
// and shows one page of them at a time. When the cells do not fit on one
// page, a page bar along the bottom shows "page/pages" between the buttons
// "上一页" and "下一页". Screens add one widget per cell, then call LayOut.
//
// The page bar belongs to the grid: it is rebuilt by every ShowPage, never
// counted or placed as a cell, and only its own buttons turn pages (a cell
// that happens to share a page button's WidgetId is an ordinary cell).
#pragma once

#include "ui/Panel.h"

#include <string>

class CPagedGrid : public CPanel {
public:
    // Cell geometry: the first cell is (marginX, marginY + title height,
    // cellRight, cellBottom + title height); cells step by marginX + cellRight
    // across and marginY + cellBottom down. Takes effect at the next LayOut.
    void SetCellGeometry(int marginX, int marginY, int cellRight, int cellBottom);

    // Places every cell and shows the current page (clamped to the new page
    // count). With 10 cells to a page and 11 cells: 2 pages and a page bar,
    // for which 28 pixels at the bottom are kept free of cells. Nothing
    // changes when the steps or the space left give no full cell.
    void LayOut();

    // Shows page (clamped to the pages there are), hides the other cells and
    // rebuilds the page bar when there is more than one page.
    void ShowPage(int page);

    int ItemsPerPage() const { return itemsPerPage_; }
    int CurrentPage() const { return currentPage_; }
    int PageCount() const { return pageCount_; }
    // The children that are cells, in list order (the page bar is none).
    std::vector<CWidget*> Cells() const;

    // A group, with its page and page count when there is more than one page.
    void Describe(CAccessNode& node) const override;

    // A click on one of the grid's own page buttons turns the page, repaints
    // the grid and is consumed. Every other click goes on up.
    bool OnChildClick(const WidgetId& clicked, CRootPanel* root, CPoint origin,
                      const CWidget* source) override;

private:
    void RemovePageBar();
    void AddPageBar();
    // The page shown as a screen reader says it ("第1页，共2页").
    std::string PageText() const;

    int marginX_ = 3;
    int marginY_ = 3;
    int cellRight_ = 32;
    int cellBottom_ = 32;
    int itemsPerPage_ = 1;
    int currentPage_ = 0;  // from 0
    int pageCount_ = 0;
};
