#include "tests/platform/grid/GridFixture.h"

#include <QtWidgets/QScrollBar>

namespace {

class GridGeometryTest : public GridFixture {};

TEST_F(GridGeometryTest, ClientAreaExcludesBorderAndScrollBars)
{
    auto grid = MakeGrid(10, 20, 230, 105);
    EXPECT_EQ(grid->ClientWidth(), 230);
    EXPECT_EQ(grid->ClientHeight(), 105);
    grid->SetScrollBars(ssBoth);
    QApplication::processEvents();
    EXPECT_TRUE(grid->verticalScrollBar()->isVisible());
    EXPECT_TRUE(grid->horizontalScrollBar()->isVisible());
    EXPECT_EQ(grid->verticalScrollBar()->width(), 17);
    EXPECT_EQ(grid->horizontalScrollBar()->height(), 17);
    EXPECT_EQ(grid->ClientWidth(), 230 - 17);
    EXPECT_EQ(grid->ClientHeight(), 105 - 17);
    EXPECT_EQ(grid->ClientRect(), Rect(0, 0, 213, 88));
}

TEST_F(GridGeometryTest, ABarIsHiddenWhenEverythingFitsOrItsStyleLeavesItOut)
{
    auto grid = MakeGrid(3, 3, 230, 105, ssBoth);
    EXPECT_FALSE(grid->verticalScrollBar()->isVisible());
    EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
    grid->SetRowCount(30);
    QApplication::processEvents();
    EXPECT_TRUE(grid->verticalScrollBar()->isVisible());
    EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
    grid->SetScrollBars(ssHorizontal);
    grid->SetColCount(30);
    QApplication::processEvents();
    EXPECT_FALSE(grid->verticalScrollBar()->isVisible());
    EXPECT_TRUE(grid->horizontalScrollBar()->isVisible());
    grid->ShowScrollBar(SB_VERT, true);  // asked for although its style leaves it out: still none
    QApplication::processEvents();
    EXPECT_FALSE(grid->verticalScrollBar()->isVisible());
    grid->SetScrollBars(ssBoth);
    grid->SetRowCount(3);
    QApplication::processEvents();
    EXPECT_TRUE(grid->verticalScrollBar()->isVisible());  // kept shown
    grid->ShowScrollBar(SB_VERT, false);
    QApplication::processEvents();
    EXPECT_FALSE(grid->verticalScrollBar()->isVisible());
}

TEST_F(GridGeometryTest, CellRectsInClientCoordinates)
{
    auto grid = MakeGrid(10, 20, 230, 105);
    EXPECT_EQ(grid->CellRect(0, 0), Rect(0, 0, 50, 20));
    EXPECT_EQ(grid->CellRect(1, 1), Rect(51, 21, 101, 41));
    EXPECT_EQ(grid->CellRect(4, 1), Rect(204, 21, 254, 41));  // partly visible
    EXPECT_EQ(grid->CellRect(5, 1), TRect{});                   // out of view
    EXPECT_EQ(grid->CellRect(1, 5), TRect{});
    EXPECT_EQ(grid->CellRect(10, 1), TRect{});
    EXPECT_EQ(grid->CellRect(-1, 1), TRect{});
    grid->SetColWidths(0, 30);
    EXPECT_EQ(grid->CellRect(1, 1), Rect(31, 21, 81, 41));
}

TEST_F(GridGeometryTest, FixedCellsDoNotScroll)
{
    auto grid = MakeGrid(10, 20, 230, 105);
    grid->SetTopRow(5);
    grid->SetLeftCol(3);
    EXPECT_EQ(grid->CellRect(1, 0), TRect{});  // column 1 scrolled out
    EXPECT_EQ(grid->CellRect(3, 0), Rect(51, 0, 101, 20));
    EXPECT_EQ(grid->CellRect(0, 5), Rect(0, 21, 50, 41));
    EXPECT_EQ(grid->CellRect(0, 0), Rect(0, 0, 50, 20));
    EXPECT_EQ(grid->CellRect(3, 4), TRect{});
    EXPECT_EQ(grid->CellRect(4, 6), Rect(102, 42, 152, 62));
}

TEST_F(GridGeometryTest, MouseToCell)
{
    auto grid = MakeGrid(3, 20, 230, 105);
    grid->SetTopRow(4);
    const struct {
        int x, y, col, row;
    } cases[] = {
        {0, 0, 0, 0},     {50, 20, 0, 0},  // a line belongs to the cell before it
        {51, 21, 1, 4},   {120, 50, 2, 5}, {160, 50, -1, -1},  // right of the last column
        {-1, 5, -1, -1},  {5, 105, -1, -1}, {229, 0, -1, -1},
    };
    for (const auto& c : cases) {
        int col = 99, row = 99;
        grid->MouseToCell(c.x, c.y, col, row);
        EXPECT_EQ(col, c.col) << c.x << "," << c.y;
        EXPECT_EQ(row, c.row) << c.x << "," << c.y;
        EXPECT_EQ(grid->MouseCoord(c.x, c.y), (TGridCoord{c.col, c.row}));
    }
}

TEST_F(GridGeometryTest, VisibleCountsAndTopLeftLimits)
{
    auto grid = MakeGrid(10, 20, 230, 105);
    EXPECT_EQ(grid->VisibleColCount(), 3);
    EXPECT_EQ(grid->VisibleRowCount(), 4);
    grid->SetTopRow(0);
    EXPECT_EQ(grid->TopRow(), 1);
    grid->SetTopRow(100);
    EXPECT_EQ(grid->TopRow(), 16);  // the last four rows fill the view
    grid->SetLeftCol(100);
    EXPECT_EQ(grid->LeftCol(), 7);
    grid->SetLeftCol(-3);
    EXPECT_EQ(grid->LeftCol(), 1);
    grid->resize(230 + 4, 105 + 4 + 42);  // two rows more fit
    QApplication::processEvents();
    EXPECT_EQ(grid->VisibleRowCount(), 6);
    EXPECT_EQ(grid->TopRow(), 14);  // held at the new limit
    grid->SetTopRow(100);
    EXPECT_EQ(grid->TopRow(), 14);
    grid->SetRowCount(3);
    EXPECT_EQ(grid->TopRow(), 1);
    EXPECT_EQ(grid->VisibleRowCount(), 2);
}

TEST_F(GridGeometryTest, ScrollCodes)
{
    auto grid = MakeGrid(10, 20, 230, 105);
    const struct {
        int code, pos, top;
    } vertical[] = {
        {SB_LINEDOWN, 0, 2}, {SB_PAGEDOWN, 0, 6}, {SB_PAGEUP, 0, 2},   {SB_LINEUP, 0, 1},
        {SB_LINEUP, 0, 1},   {SB_BOTTOM, 0, 16},  {SB_LINEDOWN, 0, 16}, {SB_TOP, 0, 1},
        {SB_THUMBPOSITION, 127, 16}, {SB_THUMBPOSITION, 64, 9}, {SB_THUMBTRACK, 0, 9},  // no tracking
        {SB_ENDSCROLL, 0, 9},
    };
    for (const auto& c : vertical) {
        grid->WMVScroll(c.code, c.pos);
        EXPECT_EQ(grid->TopRow(), c.top) << "code " << c.code;
    }
    grid->SetOptions(grid->Options() | goThumbTracking);
    grid->WMVScroll(SB_THUMBTRACK, 0);
    EXPECT_EQ(grid->TopRow(), 1);
    grid->WMHScroll(SB_LINERIGHT);
    EXPECT_EQ(grid->LeftCol(), 2);
    grid->WMHScroll(SB_PAGERIGHT);
    EXPECT_EQ(grid->LeftCol(), 5);
    grid->WMHScroll(SB_RIGHT);
    EXPECT_EQ(grid->LeftCol(), 7);
    grid->WMHScroll(SB_THUMBPOSITION, 0);
    EXPECT_EQ(grid->LeftCol(), 1);
}

TEST_F(GridGeometryTest, TheScrollBarsFollowAndDriveTheView)
{
    auto grid = MakeGrid(10, 20, 230, 105, ssBoth);
    QScrollBar* bar = grid->verticalScrollBar();
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 127);
    grid->SetTopRow(grid->RowCount());
    EXPECT_EQ(bar->value(), 127);
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(grid->TopRow(), 1);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(grid->TopRow(), 2);
    EXPECT_EQ(bar->value(), 8);  // (2 - 1) of 16 rows on a 0..127 bar
    // Dragging the thumb without thumb tracking scrolls on release only.
    bar->setSliderDown(true);
    bar->setSliderPosition(127);
    EXPECT_EQ(grid->TopRow(), 2);
    bar->setSliderDown(false);
    EXPECT_EQ(grid->TopRow(), 17);  // the last three rows fill the view
}

}  // namespace

namespace {

TEST(GridHiddenGeometry, AGridNotShownYetMeasuresFromItsSize)
{
    TStringGrid grid;
    grid.SetScrollBars(ssNone);
    grid.SetDefaultColWidth(50);
    grid.SetDefaultRowHeight(20);
    grid.SetRowCount(20);
    grid.resize(230 + 4, 105 + 4);
    EXPECT_EQ(grid.ClientWidth(), 230);
    EXPECT_EQ(grid.ClientHeight(), 105);
    EXPECT_EQ(grid.VisibleRowCount(), 4);
    grid.SetTopRow(100);
    EXPECT_EQ(grid.TopRow(), 16);
}

}  // namespace
