// Hiding and row keys on a shown grid: an open editor, controls in cells and
// the Delete and Insert keys on node rows, driven by real key events.

#include "tests/grid/cells/GridInWindow.h"
#include "grid/cells/editors/GridEditors.h"
#include "grid/foundation/objects/ExObjNavigation.h"
#include "platform/core/StringList.h"

namespace {

QStringList columnTexts(TExStringGrid& grid, int ACol)
{
    QStringList texts;
    for (int r = 0; r < grid.RowCount(); ++r)
        texts << grid.Cells(ACol, r);
    return texts;
}

class ShapeInWindow : public GridInWindow {
protected:
    void SetUp() override
    {
        MakeGrid(400, 400);
        grid->setGeometry(0, 0, 400, 280);
        grid->SetRowCount(9);
        grid->SetDefaultRowHeight(20);
        for (int r = 0; r < grid->RowCount(); ++r)
            grid->SetCells(1, r, QString::number(r));
    }
    // The grid's rectangle of a display cell, grown by a pixel to the left
    // and top, as controls in cells are placed.
    QRect placeOf(int ACol, int ARow) const
    {
        const TRect R = grid->CellRect(ACol, ARow);
        return QRect(R.Left - 1, R.Top - 1, R.Right - R.Left + 1, R.Bottom - R.Top + 1);
    }
};

TEST_F(ShapeInWindow, AnOpenComboKeepsItsValueWhenItsColumnHides)
{
    ShowWindow();
    grid->SetCells(2, 1, QStringLiteral("Beta"));
    grid->OnGetEditorType = [this](TObject*, int, int, TEditorType& e) {
        e = edComboList;
        grid->EditCombo()->Items().Assign(QStringList{"Alpha", "Beta", "Gamma"});
    };
    grid->SetCol(2);
    grid->SetRow(1);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_F2);
    ASSERT_TRUE(grid->EditCombo()->isVisible());
    QTest::keyClick(grid->EditCombo(), Qt::Key_Down);
    grid->HideColumn(2);
    EXPECT_FALSE(grid->EditCombo()->isVisible());
    EXPECT_EQ(grid->Cells(2, 1), QStringLiteral("Gamma"));
}

TEST_F(ShapeInWindow, AControlInACellFollowsItsRowThroughHidingAndShowing)
{
    QWidget* control = new QWidget;
    grid->SetCellControls(2, 5, control);
    ShowWindow();
    grid->CellControlsUpdate(false);
    ASSERT_EQ(control->geometry(), placeOf(2, 5));

    grid->HideRows(2, 3);
    EXPECT_TRUE(control->isVisible());
    EXPECT_EQ(control->geometry(), placeOf(2, 3)) << "real row 5 is shown at row 3";
    grid->UnHideRows(2, 3);
    EXPECT_EQ(control->geometry(), placeOf(2, 5));

    grid->HideColumn(1);
    EXPECT_EQ(control->geometry(), placeOf(1, 5)) << "real column 2 is shown at column 1";
    grid->HideRow(5);
    EXPECT_FALSE(control->isVisible());
    grid->UnHideRow(5);
    EXPECT_TRUE(control->isVisible());
    EXPECT_EQ(control->geometry(), placeOf(1, 5));
}

// A node at row 2 spanning rows 2..4; rows 1 and 5..8 lie outside every node.
TEST_F(ShapeInWindow, DeleteAndInsertKeysActOnAChildRowInsideANodeAndANormalRowOutside)
{
    grid->SetOptions(grid->Options() & ~TGridOptions(goEditing));
    grid->Navigation()->SetAllowDeleteRow(true);
    grid->Navigation()->SetAllowInsertRow(true);
    grid->AddNode(2, 3);
    ShowWindow();
    grid->setFocus();

    grid->MoveToCell(1, 3);
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_EQ(grid->GetNodeSpan(2), 2) << "the node lost its child row";
    EXPECT_EQ(columnTexts(*grid, 1), (QStringList{"0", "1", "2", "4", "5", "6", "7", "8"}));

    grid->MoveToCell(1, 5);
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_EQ(grid->GetNodeSpan(2), 2) << "a row outside the node leaves the node alone";
    EXPECT_EQ(columnTexts(*grid, 1), (QStringList{"0", "1", "2", "4", "5", "7", "8"}));

    grid->MoveToCell(1, 3);
    QTest::keyClick(grid, Qt::Key_Insert);
    EXPECT_EQ(grid->GetNodeSpan(2), 3) << "the node gained a child row";
    EXPECT_EQ(grid->RowCount(), 8);

    grid->MoveToCell(1, 6);
    QTest::keyClick(grid, Qt::Key_Insert);
    EXPECT_EQ(grid->GetNodeSpan(2), 3);
    EXPECT_EQ(grid->RowCount(), 9);
    EXPECT_EQ(grid->Cells(1, 6), QString()) << "the new row takes the current row's place";
    EXPECT_EQ(grid->GetParentRow(6), -1) << "outside the node";
}

}  // namespace
