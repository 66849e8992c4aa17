// The editors of fixed cells: Enter does nothing, leaving ends the edit, a
// refused value keeps the editor and leaves the cell alone; the combo takes
// the values OnFixedEdit gives.

#include "grid/cells/editors/GridTransEdit.h"
#include "grid/engine/ExGrid.h"
#include "platform/core/StringList.h"
#include "tests/grid/cells/GridInWindow.h"

#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>

#include <gtest/gtest.h>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

class GridTransEdit : public GridInWindow {
protected:
    QLineEdit* other = nullptr;
    QStringList log;

    void SetUp() override
    {
        MakeGrid(400, 300);
        other = new QLineEdit(window.get());
        other->setGeometry(0, 220, 100, 20);
        grid->SetCells(2, 0, "Header");
        grid->OnEditingDone = [this](TObject*) { log << "done"; };
        grid->OnEditChange = [this](TObject*, int c, int r, const QString& v) {
            log << QString("change %1,%2 %3").arg(c).arg(r).arg(v);
        };
        ShowWindow();
    }
    void LeaveEditor()
    {
        other->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
    }
};

TEST_F(GridTransEdit, EnterDoesNothingAndLeavingWritesTheCell)
{
    grid->ShowFixedCellEditor(2, 0);
    TGridTransEdit* editor = grid->EditTrans();
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->Text(), "Header");
    const TRect cell = grid->CellRect(2, 0);
    EXPECT_EQ(editor->geometry(), QRect(cell.Left + 1, cell.Top + 1, cell.Width() - 2, cell.Height() - 2));
    editor->selectAll();
    QTest::keyClicks(editor, "Name");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(grid->Cells(2, 0), "Header");
    LeaveEditor();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(grid->Cells(2, 0), "Name");
    EXPECT_TRUE(log.contains("change 2,0 Name"));
    EXPECT_EQ(log.last(), "done");
}

TEST_F(GridTransEdit, ARefusedValueKeepsTheFocusAndLeavesTheCellUnchanged)
{
    grid->OnCellValidate = [](TObject*, int, int, QString&, bool& valid) { valid = false; };
    grid->ShowFixedCellEditor(2, 0);
    TGridTransEdit* editor = grid->EditTrans();
    editor->selectAll();
    QTest::keyClicks(editor, "Refused");
    LeaveEditor();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_EQ(grid->Cells(2, 0), "Header");
    EXPECT_FALSE(log.contains("done"));
    grid->ShowFixedCellEditor(3, 0);  // the open editor refuses again: nothing moves
    EXPECT_EQ(editor->Col(), 2);
}

TEST_F(GridTransEdit, TheComboTakesTheValuesAndKindOfOnFixedEdit)
{
    grid->OnFixedEdit = [](TObject*, int, int, TGridFixedCellEditor& kind, TStringList* values) {
        kind = fceComboList;
        values->Add("One");
        values->Add("Header");
    };
    grid->ShowFixedCellEditor(2, 0);
    TGridTransCombo* combo = grid->ComboTrans();
    ASSERT_TRUE(combo->isVisible());
    EXPECT_FALSE(grid->EditTrans()->isVisible());
    EXPECT_EQ(combo->Style(), csDropDownList);
    EXPECT_EQ(combo->Items().ToStringList(), (QStringList{"One", "Header"}));
    EXPECT_EQ(combo->ItemIndex(), 1);
    combo->SetItemIndex(0);
    LeaveEditor();
    EXPECT_EQ(grid->Cells(2, 0), "One");
}

}  // namespace
