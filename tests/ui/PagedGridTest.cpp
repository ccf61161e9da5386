// The paged grid: cell placement, page counts, page clamping, the page bar
// and its buttons, and that only the grid's own page buttons turn pages.
#include "ui/Badge.h"
#include "ui/PagedGrid.h"
#include "ui/PushButton.h"
#include "ui/RootPanel.h"
#include "ui/TextLabel.h"

#include "support/RecordingWindow.h"

#include <gtest/gtest.h>

namespace {

constexpr WidgetId kNone = WidgetId::None();

// A 200 x 100 grid without a title at (100, 50) of the root, with the default
// geometry (margins 3, cells 32: step 35, 5 columns, 2 rows).
struct Grid : ::testing::Test {
    CRecordingWindow window;
    CRootPanel root;
    CPagedGrid* grid = nullptr;
    void SetUp() override {
        root.SetOwner(&window, {0, 0, 655, 405});
        grid = root.AddChild<CPagedGrid>({100, 50, 300, 150}, 1, -1, -1, kNone);
    }
    void AddCells(int count) {
        for (int i = 0; i < count; ++i) grid->AddChild<CBadge>({}, 1, 101 + i, -1, kNone);
    }
    const CWidget* Cell(int i) const { return grid->Children()[i].get(); }
    const CWidget* Bar(const WidgetId& id) const { return grid->FindWidget(id); }
};

TEST_F(Grid, TenCellsFitOnePageWithoutABar) {
    AddCells(10);
    grid->LayOut();
    EXPECT_EQ(grid->ItemsPerPage(), 10);
    EXPECT_EQ(grid->PageCount(), 1);
    EXPECT_EQ(grid->Children().size(), 10u);
    EXPECT_EQ(Cell(0)->rect, (CRect{3, 3, 32, 32}));
    EXPECT_EQ(Cell(4)->rect, (CRect{143, 3, 172, 32}));
    EXPECT_EQ(Cell(5)->rect, (CRect{3, 38, 32, 67}));
    for (const auto& cell : grid->Children()) EXPECT_TRUE(cell->shown);
}

TEST_F(Grid, ElevenCellsMakeTwoPagesAndABar) {
    AddCells(11);
    grid->LayOut();
    // 72 pixels are left above the bar: still two rows of 35.
    EXPECT_EQ(grid->ItemsPerPage(), 10);
    EXPECT_EQ(grid->PageCount(), 2);
    EXPECT_EQ(Cell(10)->rect, (CRect{3, 3, 32, 32}));
    EXPECT_TRUE(Cell(9)->shown);
    EXPECT_FALSE(Cell(10)->shown);

    ASSERT_EQ(grid->Children().size(), 14u);
    const auto* indicator = dynamic_cast<const CTextLabel*>(grid->Children()[11].get());
    ASSERT_NE(indicator, nullptr);
    EXPECT_EQ(indicator->caption, "1/2");
    EXPECT_EQ(indicator->rect, (CRect{80, 75, 120, 97}));
    const CWidget* previous = Bar({1, -1, 1});
    const CWidget* next = Bar({1, -1, 2});
    ASSERT_NE(previous, nullptr);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(previous->caption, "上一页");
    EXPECT_EQ(previous->rect, (CRect{20, 75, 75, 97}));
    EXPECT_FALSE(previous->enabled);
    EXPECT_EQ(next->caption, "下一页");
    EXPECT_EQ(next->rect, (CRect{130, 75, 185, 97}));
    EXPECT_TRUE(next->enabled);
}

TEST_F(Grid, TheTitleMovesCellsDownAndShrinksTheRows) {
    grid->SetTitleBar(30);
    AddCells(3);
    grid->LayOut();
    // 70 pixels below the title: two rows.
    EXPECT_EQ(grid->ItemsPerPage(), 10);
    EXPECT_EQ(Cell(0)->rect, (CRect{3, 33, 32, 62}));
}

TEST_F(Grid, ShowPageClampsToThePagesThereAre) {
    AddCells(25);
    grid->LayOut();
    ASSERT_EQ(grid->PageCount(), 3);
    grid->ShowPage(7);
    EXPECT_EQ(grid->CurrentPage(), 2);
    EXPECT_TRUE(Cell(20)->shown);
    EXPECT_FALSE(Cell(19)->shown);
    EXPECT_EQ(Bar({1, -1, 1})->enabled, true);
    EXPECT_EQ(Bar({1, -1, 2})->enabled, false);
    grid->ShowPage(-3);
    EXPECT_EQ(grid->CurrentPage(), 0);
    EXPECT_TRUE(Cell(0)->shown);
    EXPECT_FALSE(Cell(10)->shown);
    grid->ShowPage(1);
    EXPECT_TRUE(Bar({1, -1, 1})->enabled);
    EXPECT_TRUE(Bar({1, -1, 2})->enabled);
    // One bar, whatever the number of ShowPage calls.
    EXPECT_EQ(grid->Children().size(), 25u + 3u);
    EXPECT_EQ(grid->Children()[25]->caption, "2/3");
}

TEST_F(Grid, TheCurrentPageSurvivesANewLayOut) {
    AddCells(25);
    grid->LayOut();
    grid->ShowPage(2);
    grid->LayOut();
    EXPECT_EQ(grid->CurrentPage(), 2);
    // Rebuilt with fewer cells, it is clamped to the new last page.
    grid->RemoveAllChildren();
    AddCells(11);
    grid->LayOut();
    EXPECT_EQ(grid->CurrentPage(), 1);
    EXPECT_EQ(grid->Children().size(), 14u);
    EXPECT_TRUE(Cell(10)->shown);
}

TEST_F(Grid, WithoutCellsThereAreNoPages) {
    grid->LayOut();
    EXPECT_EQ(grid->PageCount(), 0);
    EXPECT_EQ(grid->CurrentPage(), -1);
    EXPECT_TRUE(grid->Children().empty());
}

TEST_F(Grid, NoFullRowAboveTheBarKeepsTheOldLayout) {
    AddCells(3);
    grid->SetCellGeometry(3, 3, 32, 60);  // step y 63: one row, none above a bar
    grid->rect.bottom = grid->rect.top + 80;
    grid->LayOut();
    EXPECT_EQ(grid->ItemsPerPage(), 5);
    AddCells(5);
    grid->LayOut();
    EXPECT_EQ(grid->ItemsPerPage(), 5);
    EXPECT_EQ(Cell(7)->rect, (CRect{}));

    CPagedGrid flat;
    flat.SetCellGeometry(0, 0, 0, 10);
    flat.LayOut();
    EXPECT_EQ(flat.ItemsPerPage(), 1);
}

TEST_F(Grid, NextPageButtonTurnsThePageRepaintsTheGridAndIsConsumed) {
    AddCells(25);
    grid->LayOut();
    window.invalidations.clear();
    // The next-page button at (130, 75, 185, 97) in the grid.
    EXPECT_EQ(root.ClickAt(100 + 140, 50 + 80), kNone);
    EXPECT_EQ(grid->CurrentPage(), 1);
    EXPECT_EQ(window.invalidations, (std::vector<Invalidation>{{{100, 50, 300, 150}, true}}));
    root.ClickAt(240, 130);
    EXPECT_EQ(grid->CurrentPage(), 2);
    // Disabled on the last page: the click falls through to the grid.
    EXPECT_EQ(root.ClickAt(240, 130), (WidgetId{1, -1, -1}));
    EXPECT_EQ(grid->CurrentPage(), 2);
    // The previous-page button at (20, 75, 75, 97).
    EXPECT_EQ(root.ClickAt(130, 130), kNone);
    EXPECT_EQ(grid->CurrentPage(), 1);
}

TEST_F(Grid, DisabledPreviousButtonOnTheFirstPageYieldsTheGrid) {
    AddCells(11);
    grid->LayOut();
    EXPECT_EQ(root.ClickAt(130, 130), (WidgetId{1, -1, -1}));
    EXPECT_EQ(grid->CurrentPage(), 0);
}

TEST_F(Grid, ACellClickGoesToTheHostUnchanged) {
    AddCells(11);
    grid->LayOut();
    EXPECT_EQ(root.ClickAt(110, 60), (WidgetId{1, 101, -1}));
}

TEST_F(Grid, ACellSharingAPageButtonsWidgetIdDoesNotTurnThePage) {
    grid->SetId({1, 101, -1});
    AddCells(10);
    for (int sub : {2, 1, 0, 3}) grid->AddChild<CBadge>({}, 1, 101, sub, kNone);
    AddCells(10);
    grid->LayOut();
    ASSERT_EQ(grid->PageCount(), 3);
    grid->ShowPage(1);
    window.invalidations.clear();
    // Cells 10 to 13 of page 2 sit in the first four cell places.
    const int tops = 50 + 3 + 1;
    EXPECT_EQ(root.ClickAt(100 + 4, tops), (WidgetId{1, 101, 2}));
    EXPECT_EQ(root.ClickAt(100 + 39, tops), (WidgetId{1, 101, 1}));
    EXPECT_EQ(root.ClickAt(100 + 74, tops), (WidgetId{1, 101, 0}));
    EXPECT_EQ(root.ClickAt(100 + 109, tops), (WidgetId{1, 101, 3}));
    EXPECT_EQ(grid->CurrentPage(), 1);
    EXPECT_TRUE(window.invalidations.empty());
    // The page buttons, with the same WidgetIds, still turn pages.
    EXPECT_EQ(root.ClickAt(240, 130), kNone);
    EXPECT_EQ(grid->CurrentPage(), 2);
}

TEST_F(Grid, AButtonCellWithThePageButtonsIdIsNotAPageButton) {
    grid->AddChild<CPushButton>({}, 1, -1, 2, kNone);
    AddCells(10);
    grid->LayOut();
    EXPECT_EQ(root.ClickAt(110, 60), (WidgetId{1, -1, 2}));
    EXPECT_EQ(grid->CurrentPage(), 0);
}

TEST_F(Grid, OnChildClickWithoutASourceTurnsNoPage) {
    AddCells(11);
    grid->LayOut();
    EXPECT_FALSE(grid->OnChildClick({1, -1, 2}, &root, {0, 0}, nullptr));
    EXPECT_EQ(grid->CurrentPage(), 0);
}

}  // namespace
