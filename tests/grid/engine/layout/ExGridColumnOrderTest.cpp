// Columns and rows moved by the program and the record of the columns' first
// order.

#include "tests/grid/engine/ExGridTestSupport.h"
#include "grid/engine/ExGrid.h"
#include "grid/foundation/objects/ExObjLists.h"

#include <QtWidgets/QWidget>

#include <gtest/gtest.h>

namespace {

// A grid of 6 columns and 7 rows whose header row names each column "Hn"
// and whose cells hold "c,r".
struct OrderedGrid {
    TExStringGrid grid;
    OrderedGrid()
    {
        grid.SetColCount(6);
        grid.SetRowCount(7);
        for (int c = 0; c < 6; ++c) {
            grid.SetCells(c, 0, QStringLiteral("H%1").arg(c));
            for (int r = 1; r < 7; ++r)
                grid.SetCells(c, r, QStringLiteral("%1,%2").arg(c).arg(r));
        }
    }
    QString Headers()
    {
        QStringList h;
        for (int c = 0; c < grid.ColCount(); ++c)
            h << grid.Cells(c, 0);
        return h.join(' ');
    }
    QString Column1()
    {
        QStringList h;
        for (int r = 1; r < grid.RowCount(); ++r)
            h << grid.Cells(1, r);
        return h.join(' ');
    }
};

TEST(ExGridColumnOrder, PositionsFollowMovesAndTranslateBack)
{
    OrderedGrid g;
    EXPECT_EQ(g.grid.ColumnPosition(3), 3);
    g.grid.MoveColumn(3, 1);
    EXPECT_EQ(g.grid.ColumnPosition(3), 1);
    EXPECT_EQ(g.grid.ColumnAtPosition(1), 3);
    EXPECT_EQ(g.grid.ColumnPosition(1), 2);
    EXPECT_EQ(g.Headers(), "H0 H3 H1 H2 H4 H5");
    // The first-order accessors read through the record.
    EXPECT_EQ(g.grid.OriginalCells(3, 2), "3,2");
}

TEST(ExGridColumnOrder, ColumnAtPositionRecordsTheOrderFirst)
{
    OrderedGrid g;
    EXPECT_EQ(g.grid.ColumnAtPosition(4), 4);
    g.grid.MoveColumn(1, 5);
    EXPECT_EQ(g.grid.ColumnAtPosition(5), 1);
    EXPECT_EQ(g.grid.ColumnAtPosition(99), 99);
}

TEST(ExGridColumnOrder, ResetRestoresTheOrderAndShowsHiddenColumns)
{
    OrderedGrid g;
    g.grid.MoveColumn(1, 4);
    g.grid.MoveColumn(5, 0);
    g.grid.MoveColumn(2, 3);
    g.grid.HideColumn(2);
    ASSERT_NE(g.Headers(), "H0 H1 H2 H3 H4 H5");
    g.grid.ResetColumnOrder();
    EXPECT_EQ(g.Headers(), "H0 H1 H2 H3 H4 H5");
    EXPECT_EQ(g.grid.NumHiddenColumns(), 0);
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(g.grid.ColumnAtPosition(c), c);
}

TEST(ExGridColumnOrder, ResetCountsColumnsAddedAfterTheRecordAsInPlace)
{
    OrderedGrid g;
    g.grid.MoveColumn(4, 1);
    g.grid.SetColCount(9);
    for (int c = 6; c < 9; ++c)
        g.grid.SetCells(c, 0, QStringLiteral("H%1").arg(c));
    g.grid.ResetColumnOrder();
    EXPECT_EQ(g.Headers(), "H0 H1 H2 H3 H4 H5 H6 H7 H8");
}

TEST(ExGridColumnOrder, ResetWithoutARecordMovesNothing)
{
    OrderedGrid g;
    g.grid.SetCells(1, 0, QStringLiteral("H9"));
    g.grid.ResetColumnOrder();
    EXPECT_EQ(g.Headers(), "H0 H9 H2 H3 H4 H5");
    EXPECT_EQ(g.grid.ColumnAtPosition(5), 5);
}

TEST(ExGridColumnOrder, ColumnByHeaderMatchesExactlyOverHiddenColumnsToo)
{
    OrderedGrid g;
    g.grid.HideColumn(4);
    EXPECT_EQ(g.grid.ColumnByHeader("H4"), 4);
    EXPECT_EQ(g.grid.ColumnByHeader("h4"), -1);
    EXPECT_EQ(g.grid.ColumnByHeader("H"), -1);
}

TEST(ExGridColumnOrder, MoveRowsMovesTextsAndObjects)
{
    struct Case {
        int from, to, count;
        const char* column1;
    };
    const Case cases[] = {
        {2, 3, 1, "1,1 1,3 1,2 1,4 1,5 1,6"},
        {2, 5, 1, "1,1 1,3 1,4 1,2 1,5 1,6"},
        {4, 1, 2, "1,4 1,5 1,1 1,2 1,3 1,6"},
        {5, 7, 2, "1,1 1,2 1,3 1,4 1,5 1,6"},  // the last rows past the end stay
        {2, 2, 1, "1,1 1,2 1,3 1,4 1,5 1,6"},
        {2, 4, 0, "1,1 1,2 1,3 1,4 1,5 1,6"},
        {2, 4, -1, "1,1 1,2 1,3 1,4 1,5 1,6"},
        {5, 1, 3, "1,1 1,2 1,3 1,4 1,5 1,6"},  // range past the last row
        {2, 8, 1, "1,1 1,2 1,3 1,4 1,5 1,6"},  // target outside the grid
        {-1, 3, 1, "1,1 1,2 1,3 1,4 1,5 1,6"},
        {2, -1, 1, "1,1 1,2 1,3 1,4 1,5 1,6"},
    };
    for (const Case& c : cases) {
        OrderedGrid g;
        TObject marker;
        g.grid.SetObjects(1, 2, &marker);
        g.grid.MoveRows(c.from, c.to, c.count);
        EXPECT_EQ(g.Column1(), c.column1) << c.from << "->" << c.to << " x" << c.count;
        EXPECT_EQ(g.grid.RowCount(), 7);
        const int markerRow = g.Column1().split(' ').indexOf("1,2") + 1;
        EXPECT_EQ(g.grid.Objects(1, markerRow), &marker) << c.from << "->" << c.to;
    }
}

TEST(ExGridColumnOrder, EmbeddedControlsStayWithTheirCells)
{
    QWidget host;
    TExStringGrid grid(&host);
    grid.SetColCount(6);
    grid.SetRowCount(6);
    QWidget* a = new QWidget(&grid);
    QWidget* b = new QWidget(&grid);
    grid.ControlList()->AddControl(3, 2, a);
    grid.ControlList()->AddControl(1, 4, b);
    grid.MoveColumn(3, 1);
    EXPECT_EQ(grid.ControlList()->Control(0)->X, 1);
    EXPECT_EQ(grid.ControlList()->Control(1)->X, 2);
    grid.MoveRow(4, 1);
    EXPECT_EQ(grid.ControlList()->Control(0)->Y, 3);
    EXPECT_EQ(grid.ControlList()->Control(1)->Y, 1);
}

} // namespace
