#include "tests/platform/grid/GridFixture.h"
#include "tests/support/EventWait.h"

namespace {

class GridMouseTest : public GridFixture {
protected:
    std::unique_ptr<ProbeGrid> grid = MakeGrid<ProbeGrid>(10, 20, 230, 105);

    void Label()
    {
        for (int c = 0; c < grid->ColCount(); ++c)
            for (int r = 0; r < grid->RowCount(); ++r)
                grid->SetCells(c, r, QString("%1:%2").arg(c).arg(r));
    }
};

TEST_F(GridMouseTest, PressSelectsAndShiftExtends)
{
    Click(*grid, CellCentre(*grid, 2, 3));
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 3, 2, 3}));
    Click(*grid, CellCentre(*grid, 3, 4), Qt::ShiftModifier);
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 3, 3, 4}));
    EXPECT_EQ(grid->Col(), 3);
    Click(*grid, CellCentre(*grid, 1, 1));
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 1}));
}

TEST_F(GridMouseTest, DraggingExtendsTheSelection)
{
    Drag(*grid, CellCentre(*grid, 3, 3), CellCentre(*grid, 1, 1));
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 3, 3}));
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);
    grid->SetOptions(grid->Options() & ~TGridOptions(goRangeSelect));
    Drag(*grid, CellCentre(*grid, 3, 3), CellCentre(*grid, 2, 2));
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 2, 2, 2}));
}

TEST_F(GridMouseTest, PressesOnFixedCellsOrOutsideTheCellsSelectNothing)
{
    grid->SetColCount(3);
    Click(*grid, CellCentre(*grid, 2, 2));
    Click(*grid, CellCentre(*grid, 0, 3));
    Click(*grid, CellCentre(*grid, 2, 0));
    Click(*grid, QPoint(200, 50));  // right of the last column
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 2, 2, 2}));
}

TEST_F(GridMouseTest, SelectingBeyondTheEdgeScrollsOnATimer)
{
    const QPoint start = CellCentre(*grid, 1, 1);
    QTest::mousePress(grid->viewport(), Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(grid->viewport(), QPoint(start.x(), 150));
    EXPECT_EQ(grid->GridState(), gsSelecting);
    EXPECT_EQ(grid->TopRow(), 1);
    EXPECT_TRUE(testsupport::WaitFor([&] { return grid->TopRow() >= 3; }));
    EXPECT_EQ(grid->Row(), grid->TopRow() + 3);  // the bottom row in view follows
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(start.x(), 150));
    const int top = grid->TopRow();
    QTest::qWait(250);
    EXPECT_EQ(grid->TopRow(), top);  // the release stopped it
    EXPECT_EQ(grid->Selection().Top, 1);
    EXPECT_EQ(grid->GridState(), gsNormal);
}

TEST_F(GridMouseTest, SizingColumnsAndRowsAtAFixedBorder)
{
    // Column 1 runs from x 51 to 101; its border is at 101.
    Drag(*grid, QPoint(100, 10), QPoint(120, 10));
    EXPECT_EQ(grid->ColWidths(1), 50);  // no sizing without goColSizing
    grid->SetOptions(grid->Options() | goColSizing | goRowSizing);
    QTest::mousePress(grid->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 10));
    EXPECT_EQ(grid->GridState(), gsColSizing);
    QTest::mouseMove(grid->viewport(), QPoint(110, 10));
    EXPECT_EQ(grid->ColWidths(1), 50);  // applied on release only
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(120, 10));
    EXPECT_EQ(grid->ColWidths(1), 70);
    EXPECT_EQ(grid->GridState(), gsNormal);
    // Row 2 runs from y 42 to 62.
    Drag(*grid, QPoint(10, 63), QPoint(10, 73));
    EXPECT_EQ(grid->RowHeights(2), 30);
    // Not near a border, and borders outside the fixed cells, size nothing.
    Drag(*grid, QPoint(80, 10), QPoint(140, 10));
    Drag(*grid, QPoint(101 + 20, 50), QPoint(140, 50));
    EXPECT_EQ(grid->ColWidths(1), 70);
    EXPECT_EQ(grid->ColWidths(2), 50);
}

TEST_F(GridMouseTest, MovingColumnsAndRowsByTheirHeaders)
{
    Label();
    Drag(*grid, CellCentre(*grid, 2, 0), CellCentre(*grid, 3, 0));
    EXPECT_EQ(grid->Cells(2, 1), "2:1");  // no moving without goColMoving
    grid->SetOptions(grid->Options() | goColMoving | goRowMoving);
    QTest::mousePress(grid->viewport(), Qt::LeftButton, Qt::NoModifier, CellCentre(*grid, 1, 0));
    EXPECT_EQ(grid->GridState(), gsColMoving);
    QTest::mouseMove(grid->viewport(), CellCentre(*grid, 3, 0));
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier, CellCentre(*grid, 3, 0));
    EXPECT_EQ(grid->Rows(1).CommaText(), "0:1,2:1,3:1,1:1,4:1,5:1,6:1,7:1,8:1,9:1");
    Drag(*grid, CellCentre(*grid, 0, 4), CellCentre(*grid, 0, 1));
    EXPECT_EQ(grid->Cols(0).CommaText(), "0:0,0:4,0:1,0:2,0:3,0:5,0:6,0:7,0:8,0:9,0:10,0:11,0:12,0:13,0:14,0:15,"
                                          "0:16,0:17,0:18,0:19");
    // Released over the cell it came from: nothing moves.
    const QString before = grid->Rows(2).CommaText();
    Drag(*grid, CellCentre(*grid, 2, 0), CellCentre(*grid, 2, 0));
    EXPECT_EQ(grid->Rows(2).CommaText(), before);
}

TEST_F(GridMouseTest, MovingBeyondTheEdgeScrollsToTheTarget)
{
    Label();
    grid->SetOptions(grid->Options() | goRowMoving);
    QTest::mousePress(grid->viewport(), Qt::LeftButton, Qt::NoModifier, CellCentre(*grid, 0, 2));
    QTest::mouseMove(grid->viewport(), QPoint(10, 130));
    EXPECT_TRUE(testsupport::WaitFor([&] { return grid->TopRow() > 1; }));
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 130));
    const int target = grid->TopRow() + 3;  // the last row in view
    EXPECT_EQ(grid->Cells(0, target), "0:2");
    EXPECT_EQ(grid->Cells(0, 2), "0:3");
}

TEST_F(GridMouseTest, MouseEventsReachTheirHandlers)
{
    QStringList seen;
    grid->OnMouseDown = [&](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        EXPECT_EQ(s, static_cast<TObject*>(grid.get()));
        seen << QString("down %1 %2 %3 %4").arg(b).arg(sh.testFlag(ssShift)).arg(x).arg(y);
    };
    grid->OnMouseMove = [&](TObject*, TShiftState, int x, int y) { seen << QString("move %1 %2").arg(x).arg(y); };
    grid->OnMouseUp = [&](TObject*, TMouseButton b, TShiftState, int x, int y) {
        seen << QString("up %1 %2 %3").arg(b).arg(x).arg(y);
    };
    grid->OnClick = [&](TObject*) { seen << "click"; };
    grid->OnDblClick = [&](TObject*) { seen << "dblclick"; };
    QTest::mousePress(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(60, 30));
    QTest::mouseMove(grid->viewport(), QPoint(70, 31));
    QTest::mouseRelease(grid->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(70, 31));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(120, 50));
    EXPECT_EQ(seen.mid(0, 3), (QStringList{"down 0 1 60 30", "move 70 31", "up 1 70 31"}));
    EXPECT_TRUE(seen.contains("dblclick"));
    EXPECT_TRUE(seen.contains("click"));  // the current cell moved to (2, 2)
    EXPECT_EQ(grid->Col(), 2);
}

}  // namespace
