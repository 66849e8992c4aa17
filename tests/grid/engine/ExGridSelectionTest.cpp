// The selection model of the grid: rectangle, disjunct rows and columns, the
// row marks and the texts of the selection.

#include "tests/grid/engine/ExGridTestSupport.h"
#include "grid/engine/ExGrid.h"
#include "grid/foundation/objects/ExObjMouseActions.h"
#include "platform/core/Exceptions.h"

#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class ExGridSelection : public testing::Test {
protected:
    void SetUp() override
    {
        grid = std::make_unique<TExStringGrid>();
        grid->resize(600, 400);
        grid->SetColCount(5);
        grid->SetRowCount(8);
        grid->show();
        QApplication::processEvents();
    }
    std::unique_ptr<TExStringGrid> grid;
};

TEST_F(ExGridSelection, SelectedTextJoinsCellsWithTabsAndRowsWithCrLf)
{
    grid->SetCells(1, 1, QStringLiteral("a"));
    grid->SetCells(2, 1, QStringLiteral("b"));
    grid->SetCells(1, 2, QStringLiteral("c"));
    grid->SetCells(2, 2, QStringLiteral("d"));
    grid->SelectCells(1, 1, 2, 2);
    EXPECT_EQ(grid->SelectedText(), QStringLiteral("a\tb\r\nc\td"));

    grid->SetExcelClipboardFormat(true);
    grid->SetMultilinecells(true);
    grid->SetCells(2, 2, QStringLiteral("d\r\ne"));
    EXPECT_EQ(grid->SelectedText(), QStringLiteral("a\tb\r\nc\t\"d") + QChar(0x0B) + QStringLiteral("e\""))
        << "a cell of more lines is quoted for export";
}

TEST_F(ExGridSelection, RowSelectChecksTheRowAndCounts)
{
    grid->SetRowCount(3);
    try {
        grid->RowSelect(3);
        FAIL() << "no error";
    } catch (const EExGridError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Invalid row 3 accessed"));
    }
    EXPECT_THROW(grid->SetRowSelect(-1, true), EExGridError);
    EXPECT_THROW(grid->ColSelect(5), EExGridError);
    grid->FocusCell(2, 2);
    EXPECT_EQ(grid->RowSelectCount(), 1);
    EXPECT_TRUE(grid->RowSelect(2));
    EXPECT_FALSE(grid->RowSelect(1));
}

TEST_F(ExGridSelection, DisjunctRowsKeepTheirListOfSelectedRows)
{
    grid->MouseActions()->SetDisjunctRowSelect(true);
    grid->SelectRows(5, 10);
    grid->SetRowSelect(2, true);
    EXPECT_EQ(grid->SelectedRows(), (std::vector<int>{5, 6, 7, 2}));
    EXPECT_EQ(grid->RowSelectCount(), 4);
    EXPECT_FALSE(grid->IsSelected(1, 3));
    EXPECT_TRUE(grid->IsSelected(1, 6));

    QList<int> asked;
    grid->OnRowDisjunctSelect = [&](TObject*, int ARow, bool, bool& Allow) {
        asked << ARow;
        Allow = ARow != 6;
    };
    grid->UnSelectRows(5, 2);
    EXPECT_EQ(asked, (QList<int>{5, 6}));
    EXPECT_FALSE(grid->RowSelect(5));
    EXPECT_TRUE(grid->RowSelect(6)) << "OnRowDisjunctSelect refused";
    EXPECT_EQ(grid->SelectedRows(), (std::vector<int>{6, 7, 2}));
    grid->ClearRowSelect();
    EXPECT_EQ(grid->RowSelectCount(), 0);
    EXPECT_TRUE(grid->SelectedRows().empty());
}

TEST_F(ExGridSelection, RangesPastTheEndAreCut)
{
    grid->SelectRows(5, 10);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 5, 4, 7}));
    EXPECT_EQ(grid->Row(), 7) << "the bottom-right cell is current";
    grid->SelectCols(3, 10);
    EXPECT_EQ(grid->Selection(), (TGridRect{3, 1, 4, 7}));

    grid->MouseActions()->SetDisjunctColSelect(true);
    grid->SelectCols(3, 10);
    EXPECT_EQ(grid->ColSelectCount(), 2);
    EXPECT_TRUE(grid->ColSelect(4));
}

TEST_F(ExGridSelection, HideAndUnHideSelection)
{
    grid->SelectCells(2, 3, 3, 5);
    grid->HideSelection();
    EXPECT_FALSE(grid->IsSelected(2, 3));
    grid->UnHideSelection();
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 3, 3, 5}));

    grid->SelectCells(2, 6, 3, 7);
    grid->HideSelection();
    grid->SetRowCount(4);
    grid->UnHideSelection();
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 1})) << "the first scrollable cell";
}

TEST_F(ExGridSelection, UsedCellsAndSwapCells)
{
    EXPECT_EQ(grid->UsedCells(), (TGridRect{0, 0, 0, 0}));
    grid->SetCells(2, 4, QStringLiteral("x"));
    EXPECT_EQ(grid->UsedCells(), (TGridRect{2, 4, 2, 4}));
    grid->SetCells(4, 1, QStringLiteral("y"));
    EXPECT_EQ(grid->UsedCells(), (TGridRect{2, 1, 4, 4}));
    grid->SwapCells(TGridCoord{2, 4}, TGridCoord{1, 1});
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("x"));
    EXPECT_EQ(grid->Cells(2, 4), QString());
}

TEST_F(ExGridSelection, RowMarks)
{
    EXPECT_FALSE(grid->RowModified(5));
    EXPECT_TRUE(grid->RowEnabled(5));
    EXPECT_THROW(grid->RowModified(-1), Exception);
    EXPECT_THROW(grid->SetRowEnabled(-1, false), Exception);
    grid->SetRowModified(4, true);
    grid->SetRowModified(6, true);
    grid->SetRowModified(6, false);
    EXPECT_TRUE(grid->RowModified(4));
    EXPECT_EQ(grid->ModifiedRowCount(), 1);

    grid->MoveToCell(2, 1);
    grid->SetRowEnabled(1, false);
    EXPECT_FALSE(grid->RowEnabled(1));
    EXPECT_EQ(grid->Row(), 2) << "the current row leaves a row being disabled";
    grid->SetRow(1);
    EXPECT_EQ(grid->Row(), 2) << "a disabled row is refused";
}

TEST_F(ExGridSelection, RowChangesAreReportedOncePerMove)
{
    QList<QPair<int, int>> changes;
    grid->MoveToCell(1, 1);
    grid->OnRowChanged = [&](TObject*, int OldRow, int NewRow) { changes << qMakePair(OldRow, NewRow); };
    grid->SetRow(3);
    grid->GotoCell(2, 3);
    grid->MoveToCell(1, 5);
    // nothing was reported before the event was assigned
    EXPECT_EQ(changes, (QList<QPair<int, int>>{{-1, 3}, {3, 5}}));

    struct Listener : ITExStringGridSelect {
        QList<TGridCoord> cells;
        void SelectionChanged(int ACol, int ARow) override { cells << TGridCoord{ACol, ARow}; }
    } listener;
    grid->RegisterSelListener(&listener);
    grid->MoveToCell(3, 6);
    grid->UnRegisterSelListener(&listener);
    grid->MoveToCell(3, 7);
    EXPECT_EQ(listener.cells, (QList<TGridCoord>{{3, 6}}));
}

}  // namespace
