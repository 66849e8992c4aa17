#include "tests/grid/engine/ExGridTestSupport.h"
#include "grid/engine/ExGrid.h"

#include <QtCore/QEvent>
#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

namespace {

// Counts the paint events that reach a widget.
class PaintCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// A grid that counts the cells it draws.
class CountingGrid : public TExStringGrid {
public:
    int cellsDrawn = 0;

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override
    {
        ++cellsDrawn;
        TExStringGrid::DrawCell(ACol, ARow, ARect, AState);
    }
};

} // namespace

TEST(ExGridUpdate, NestedLocksPaintNothingUntilTheLastEndThenPaintOnce)
{
    CountingGrid grid;
    grid.resize(200, 150);
    grid.show();
    QApplication::processEvents();
    PaintCounter counter;
    grid.viewport()->installEventFilter(&counter);

    grid.BeginUpdate();
    grid.BeginUpdate();
    grid.EndUpdate();
    EXPECT_TRUE(grid.LockUpdate());
    grid.cellsDrawn = 0;
    grid.viewport()->repaint();
    QApplication::processEvents();
    EXPECT_EQ(grid.cellsDrawn, 0);

    grid.EndUpdate();
    EXPECT_FALSE(grid.LockUpdate());
    QApplication::processEvents();
    EXPECT_EQ(counter.count, 1);
    EXPECT_GT(grid.cellsDrawn, 0);
}

TEST(ExGridUpdate, LockCountsOnAHiddenGridSoShowingInABatchNeverFreezesIt)
{
    CountingGrid grid;
    grid.resize(200, 150);
    grid.BeginUpdate();
    EXPECT_EQ(grid.UpdateCount(), 1);
    grid.show();
    QApplication::processEvents();
    grid.EndUpdate();
    EXPECT_EQ(grid.UpdateCount(), 0);
    EXPECT_TRUE(grid.viewport()->updatesEnabled());
    grid.cellsDrawn = 0;
    grid.viewport()->repaint();
    EXPECT_GT(grid.cellsDrawn, 0);

    grid.SetLockUpdate(true);
    grid.hide();
    grid.SetLockUpdate(false);
    EXPECT_EQ(grid.UpdateCount(), 0);
    EXPECT_TRUE(grid.viewport()->updatesEnabled());
}

TEST(ExGridUpdate, StartAndResetUpdateCountWithoutTheWindow)
{
    TExStringGrid grid;
    grid.StartUpdate();
    grid.StartUpdate();
    EXPECT_EQ(grid.UpdateCount(), 2);
    grid.ResetUpdate();
    EXPECT_FALSE(grid.LockUpdate());
    grid.EndUpdate();
    EXPECT_EQ(grid.UpdateCount(), 0) << "an unpaired end does not go below zero";
}
