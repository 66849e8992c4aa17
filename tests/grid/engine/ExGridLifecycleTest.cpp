#include "grid/engine/ExGrid.h"
#include "grid/engine/ExGridColumnSize.h"
#include "grid/engine/ExGridControlLook.h"
#include "grid/foundation/ExObjNavigation.h"

#include <gtest/gtest.h>

TEST(ExGridLifecycle, NewGridHasTheDefaults)
{
    TExStringGrid grid;
    EXPECT_EQ(grid.RowCount(), 10);
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.Width(), 400);
    EXPECT_EQ(grid.Height(), 250);
    EXPECT_EQ(grid.DefaultRowHeight(), 22);
    EXPECT_EQ(grid.FixedRowHeight(), 22);
    EXPECT_EQ(grid.RowHeights(0), 22);
    EXPECT_EQ(grid.RowHeights(5), 22);
    EXPECT_EQ(grid.DefaultColWidth(), 64);
    EXPECT_EQ(grid.FixedColWidth(), 64);
    EXPECT_EQ(grid.FloatFormat(), "%.2f");
    EXPECT_EQ(grid.CheckTrue(), "Y");
    EXPECT_EQ(grid.CheckFalse(), "N");
    EXPECT_EQ(grid.SelectionColor(), TColor(15387318));
    EXPECT_EQ(grid.BorderColor(), TColor(12164479));
    EXPECT_EQ(grid.Look(), glXP);
    EXPECT_EQ(grid.ScrollBars(), ssBoth);
    EXPECT_EQ(grid.ScrollWidth(), 17);
}
