#include "grid/engine/ExGrid.h"
#include "grid/foundation/cellstore/BaseGrid.h"
#include "grid/services/shape/ExGridHiddenIndex.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void fill(TExStringGrid& grid, int cols, int rows)
{
    grid.SetColCount(cols);
    grid.SetRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            grid.SetCells(c, r, QStringLiteral("%1:%2").arg(c).arg(r));
}

} // namespace

TEST(ExGridClear, ClearTextOnlyKeepsTheCellProperties)
{
    TExStringGrid grid;
    fill(grid, 4, 4);
    grid.CellProperties(1, 1)->SetBrushColor(clRed);
    grid.SetClearTextOnly(true);
    grid.ClearRect(1, 1, 2, 2);
    EXPECT_EQ(grid.Cells(1, 1), "");
    EXPECT_EQ(grid.Cells(3, 1), "3:1");
    ASSERT_TRUE(grid.HasCellProperties(1, 1));
    EXPECT_EQ(grid.CellProperties(1, 1)->BrushColor(), clRed);

    grid.SetClearTextOnly(false);
    grid.ClearRect(1, 1, 1, 1);
    EXPECT_FALSE(grid.HasCellProperties(1, 1));
}

TEST(ExGridClear, WithSaveHiddenCellsTheColumnsAreDisplayIndexes)
{
    TExStringGrid grid;
    fill(grid, 5, 3);
    grid.HideColumn(2);
    grid.SetSaveHiddenCells(true);
    std::vector<TRect> changed;
    grid.OnCellsChanged = [&changed](TObject*, const TRect& r) { changed.push_back(r); };
    grid.ClearRect(1, 1, 2, 1);
    EXPECT_EQ(grid.Cells(1, 1), "");
    EXPECT_EQ(grid.Cells(2, 1), "2:1") << "the hidden column keeps its text";
    EXPECT_EQ(grid.Cells(3, 1), "");
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].Left, 1);
    EXPECT_EQ(changed[0].Right, 3);

    grid.SetSaveHiddenCells(false);
    grid.ClearRect(2, 2, 2, 2);
    EXPECT_EQ(grid.Cells(2, 2), "") << "without it the column is real";
}

TEST(ExGridClear, ClearingEverythingReachesHiddenColumnsAndRows)
{
    TExStringGrid grid;
    fill(grid, 4, 5);
    grid.CellProperties(2, 1)->SetBrushColor(clRed);
    grid.CellProperties(3, 3)->SetBrushColor(clRed);
    grid.HideColumn(2);
    grid.HideRow(3);
    grid.SetSaveHiddenCells(true);
    grid.ClearAll();
    grid.UnHideRowsAll();
    grid.UnHideColumnsAll();
    EXPECT_EQ(grid.RowCount(), 5);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(grid.Cells(c, r), "") << c << "," << r;
    EXPECT_FALSE(grid.HasCellProperties(2, 1));
    EXPECT_FALSE(grid.HasCellProperties(3, 3));
}

TEST(ExGridClear, ClearRowsAndColsCoverEveryRealColumnAndEveryRow)
{
    TExStringGrid grid;
    fill(grid, 4, 4);
    grid.HideColumn(3);
    grid.ClearRows(1, 2);
    EXPECT_EQ(grid.Cells(3, 1), "");
    EXPECT_EQ(grid.Cells(3, 2), "");
    EXPECT_EQ(grid.Cells(3, 3), "3:3");
    grid.ClearCols(0, 1);
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(grid.Cells(0, r), "");
    grid.ClearRows(0, 0);
    EXPECT_EQ(grid.Cells(1, 0), "1:0");
}

TEST(ExGridClear, DeleteKeyEmptiesTheOnlyDataRowAndRemovesOthers)
{
    TExStringGrid grid;
    fill(grid, 3, 2);
    std::vector<int> deleted;
    grid.OnAutoDeleteRow = [&deleted](TObject*, int ARow) { deleted.push_back(ARow); };
    grid.CellProperties(1, 1)->SetBrushColor(clRed);
    grid.DeleteRowFromKey(1);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cells(1, 1), "");
    EXPECT_FALSE(grid.HasCellProperties(1, 1));
    EXPECT_EQ(deleted, std::vector<int>{1});

    fill(grid, 3, 4);
    grid.DeleteRowFromKey(2);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Cells(0, 2), "0:3");
    EXPECT_EQ(deleted, (std::vector<int>{1, 2}));

    grid.InsertRowFromKey(1);
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Cells(0, 1), "");
    EXPECT_EQ(grid.Cells(0, 2), "0:1");
}

TEST(ExGridClear, RemovingARowLowersTheRecordsBehindIt)
{
    TExStringGrid grid;
    fill(grid, 2, 8);
    grid.HideRow(6);
    grid.RemoveRowsCore(2, 1);
    ASSERT_EQ(grid.NumHiddenRows(), 1);
    EXPECT_EQ(grid.HiddenRowItem(0)->Idx(), 5);
    grid.UnHideRowsAll();
    EXPECT_EQ(grid.Cells(0, 5), "0:6");
}

TEST(ExGridClear, SelectionHidesOutsideTheGridAndComesBack)
{
    TExStringGrid grid;
    fill(grid, 4, 6);
    grid.SetSelection(TGridRect{1, 2, 2, 3});
    grid.HideSelection();
    EXPECT_TRUE(grid.SelectionHidden());
    EXPECT_FALSE(grid.IsSelected(1, 2));
    grid.UnHideSelection();
    EXPECT_TRUE(grid.IsSelected(2, 3));

    grid.HideSelection();
    grid.SetRowCount(2);
    grid.UnHideSelection();
    EXPECT_EQ(grid.Selection().Top, 1);
    EXPECT_EQ(grid.Selection().Left, 1);
}

TEST(ExGridClear, ClearingTheShownColumnsKeepsTheFreeReachingHiddenOnes)
{
    TExStringGrid grid;
    fill(grid, 4, 4);
    grid.CellProperties(2, 1)->SetBrushColor(clRed);
    grid.HideColumn(2);
    grid.SetSaveHiddenCells(true);
    grid.ClearRect(0, 0, grid.ColCount() - 1, grid.RowCount() - 1);
    EXPECT_TRUE(grid.HasCellProperties(2, 1));
    EXPECT_TRUE(grid.HasCellProps()) << "a hidden column still holds properties";
    grid.RemoveRowsCore(1, 1);
    EXPECT_EQ(grid.GridObjects(2, 3), nullptr) << "freed, not moved past the last row";

    grid.SetSaveHiddenCells(false);
    grid.ClearRect(0, 0, grid.TotalColCount() - 1, grid.RowCount() - 1);
    EXPECT_FALSE(grid.HasCellProps());
}
