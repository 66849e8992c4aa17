// Keys pressed on a shown grid that has the focus, as a person types them.

#include "tests/grid/engine/ExGridTestSupport.h"
#include "grid/engine/ExGrid.h"
#include "grid/engine/paint/ExGridControlLook.h"
#include "grid/foundation/objects/ExObjMouseActions.h"
#include "grid/foundation/objects/ExObjNavigation.h"
#include "platform/core/Exceptions.h"
#include "platform/ui/window/Form.h"
#include "platform/ui/window/ModalSeams.h"

#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Records what the keyboard hands to the operations later parts fill in;
// column 2 holds check boxes where a test asks for them.
class KeyGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;

    QStringList log;
    bool checkColumn = false;

    bool MoveByTab(bool Backward) override
    {
        log << QStringLiteral("MoveByTab(%1)").arg(Backward);
        return true;
    }
    void MoveRows(int FromIndex, int ToIndex, int Count) override
    {
        log << QStringLiteral("MoveRows(%1,%2,%3)").arg(FromIndex).arg(ToIndex).arg(Count);
    }
    bool HasClickableGraphic(int ACol, int) override { return checkColumn && ACol == 2; }

protected:
    bool HasCheckBox(int ACol, int) override { return checkColumn && ACol == 2; }
    bool GetCheckBoxState(int ACol, int ARow, bool& State) override
    {
        State = Cells(ACol, ARow) == QStringLiteral("Y");
        return true;
    }
    bool ToggleCellCheck(int ACol, int ARow, bool) override
    {
        SetCells(ACol, ARow, Cells(ACol, ARow) == QStringLiteral("Y") ? QStringLiteral("N") : QStringLiteral("Y"));
        return true;
    }
};

class ExGridKeyboard : public testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        window->resize(600, 400);
        grid = new KeyGrid(window.get());
        grid->setGeometry(0, 0, 600, 400);
        grid->SetColCount(6);
        grid->SetRowCount(10);
        grid->SetDefaultColWidth(64);
        grid->SetDefaultRowHeight(24);
        grid->OnKeyDown = [this](TObject*, Word& key, TShiftState) {
            if (key != VK_SHIFT && key != VK_CONTROL)  // the test library presses modifiers as keys
                keyDowns << key;
            if (clearKeys)
                key = 0;
        };
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QApplication::setActiveWindow(window.get());
        grid->setFocus();
        QApplication::processEvents();
    }

    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(grid, key, mods); }
    void At(int col, int row)
    {
        grid->MoveToCell(col, row);
        keyDowns.clear();
    }

    std::unique_ptr<QWidget> window;
    KeyGrid* grid = nullptr;
    QList<Word> keyDowns;
    bool clearKeys = false;
};

// 8 columns, the last fixed at the right, editing on, column 1 read-only, and
// fewer columns in view than the grid has.
class ExGridHomeEnd : public ExGridKeyboard {
protected:
    void SetUp() override
    {
        ExGridKeyboard::SetUp();
        grid->setGeometry(0, 0, 300, 400);
        grid->SetColCount(8);
        grid->SetFixedRightCols(1);
        grid->SetOptions(grid->Options() | goEditing);
        grid->OnCanEditCell = [this](TObject*, int ARow, int ACol, bool& CanEdit) {
            if (ACol == 1 || noTabStopRows.contains(ARow))
                CanEdit = false;
        };
        QApplication::processEvents();
    }
    QList<int> noTabStopRows;
};

TEST_F(ExGridHomeEnd, EndHomeAndShiftEndByColumn)
{
    At(2, 3);
    Key(Qt::Key_End);
    EXPECT_EQ(grid->Col(), 2) << "End asks for the last column; the cell selection refuses a fixed one";
    EXPECT_EQ(grid->LeftCol(), grid->ColCount() - grid->VisibleColCount());
    EXPECT_EQ(keyDowns, QList<Word>{VK_END});

    At(2, 3);
    Key(Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 3, 6, 3})) << "Shift+End stops at the last normal column";
    EXPECT_EQ(grid->Col(), 6);
    EXPECT_EQ(grid->Row(), 3);

    At(5, 3);
    Key(Qt::Key_Home);
    EXPECT_EQ(grid->Col(), 2) << "the first editable column";
    EXPECT_EQ(grid->LeftCol(), grid->LeadingFixedCols());
}

TEST_F(ExGridHomeEnd, FirstLastCellAndRowSelect)
{
    grid->Navigation()->SetHomeEndKey(heFirstLastCell);
    At(5, 4);
    Key(Qt::Key_Home);
    EXPECT_EQ(grid->Col(), grid->FixedCols());
    EXPECT_EQ(grid->Row(), grid->FixedRows());
    EXPECT_EQ(keyDowns, QList<Word>{VK_HOME}) << "OnKeyDown once with Home";

    grid->Navigation()->SetHomeEndKey(heFirstLastColumn);
    grid->SetOptions(grid->Options() | goRowSelect);
    At(3, 4);
    Key(Qt::Key_Home);
    EXPECT_EQ(grid->Row(), grid->FixedRows());
    Key(Qt::Key_End);
    EXPECT_EQ(grid->Row(), grid->RowCount() - 1);
}

// Home on a row without any Tab stop moves nothing sideways instead of
// raising an index error from a key.
TEST_F(ExGridHomeEnd, HomeOnARowWithoutTabStopKeepsTheColumn)
{
    platform::ModalSeams seams;
    At(4, 3);
    // Made read-only after the move, so that editing stays on while the rows
    // have no editable cell.
    noTabStopRows = {1, 3};
    Key(Qt::Key_Home);
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_EQ(grid->Row(), 3);
    Key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(grid->Row(), grid->FixedRows()) << "Ctrl+Home still goes to the first row";
    EXPECT_EQ(grid->Col(), 1) << "on a read-only row editing goes off, and every normal column is a Tab stop";
    EXPECT_TRUE(seams.Messages().isEmpty());
}

TEST_F(ExGridKeyboard, InsertPutsANewRowBeforeOrAfter)
{
    const struct {
        const char* name;
        TInsertPosition position;
        bool refuse;
        int wantRow, wantInserted, wantRowCount;
    } cases[] = {
        {"after", pInsertAfter, false, 4, 4, 11},
        {"before", pInsertBefore, false, 3, 3, 11},
        {"refused", pInsertAfter, true, 3, -1, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        grid->Navigation()->SetAllowInsertRow(true);
        grid->Navigation()->SetInsertPosition(c.position);
        for (int r = 1; r < 10; ++r)
            grid->SetCells(1, r, QString::number(r));
        int inserted = -1;
        grid->OnAutoInsertRow = [&](TObject*, int ARow) { inserted = ARow; };
        grid->OnCanInsertRow = [&](TObject*, int, bool& CanInsert) { CanInsert = !c.refuse; };
        At(1, 3);
        Key(Qt::Key_Insert);
        EXPECT_EQ(grid->Row(), c.wantRow);
        EXPECT_EQ(inserted, c.wantInserted);
        EXPECT_EQ(grid->RowCount(), c.wantRowCount);
        if (!c.refuse) {
            EXPECT_EQ(grid->Cells(1, c.wantRow), QString()) << "the current row is the new one";
        }
    }
}

TEST_F(ExGridKeyboard, DownSkipsDisabledRows)
{
    QList<QPair<int, int>> changes;
    grid->OnRowChanged = [&](TObject*, int OldRow, int NewRow) { changes << qMakePair(OldRow, NewRow); };
    grid->SetRowEnabled(3, false);
    At(1, 2);
    changes.clear();
    Key(Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(changes, (QList<QPair<int, int>>{{2, 4}})) << "one report for one move";

    for (int r = 5; r < grid->RowCount(); ++r)
        grid->SetRowEnabled(r, false);
    changes.clear();
    Key(Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 4) << "every row below is disabled";
    EXPECT_TRUE(changes.isEmpty());
}

TEST_F(ExGridKeyboard, ArrowsWrapAtTheEdges)
{
    const struct {
        const char* name;
        TCursorAdvance advance;
        int col, row;
        Qt::Key key;
        int wantCol, wantRow;
    } cases[] = {
        {"loop right", caLoop, 5, 4, Qt::Key_Right, 1, 4},
        {"snake right", caSnake, 5, 4, Qt::Key_Right, 1, 5},
        {"loop down", caLoop, 3, 9, Qt::Key_Down, 3, 1},
        {"snake down", caSnake, 3, 9, Qt::Key_Down, 4, 1},
        {"loop left", caLoop, 1, 4, Qt::Key_Left, 5, 4},
        {"snake up", caSnake, 3, 1, Qt::Key_Up, 2, 9},
        {"default stays", caDefault, 5, 4, Qt::Key_Right, 5, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        grid->Navigation()->SetCursorAdvance(c.advance);
        At(c.col, c.row);
        Key(c.key);
        EXPECT_EQ(grid->Col(), c.wantCol);
        EXPECT_EQ(grid->Row(), c.wantRow);
    }
}

TEST_F(ExGridKeyboard, CtrlASelectsEveryNormalCell)
{
    const struct {
        const char* name;
        TGridOptions options;
        bool selects;
    } cases[] = {
        {"range select", TGridOptions(goRangeSelect), true},
        {"neither", TGridOptions(), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        grid->SetFixedRightCols(1);
        grid->SetFixedFooters(1);
        grid->SetOptions((grid->Options() & ~TGridOptions(goRangeSelect)) | c.options);
        At(2, 3);
        Key(Qt::Key_A, Qt::ControlModifier);
        const TGridRect all{grid->LeadingFixedCols(), grid->FixedRows(), grid->ColCount() - 2, grid->RowCount() - 2};
        if (c.selects) {
            EXPECT_EQ(grid->Selection(), all);
            EXPECT_EQ(grid->Col(), all.Right);
            EXPECT_EQ(grid->Row(), all.Bottom);
        } else {
            EXPECT_EQ(grid->Selection(), (TGridRect{2, 3, 2, 3}));
        }
    }
}

TEST_F(ExGridKeyboard, ScrollOnlyDownAtTheEndChangesNothing)
{
    grid->Navigation()->SetMoveScrollOnly(true);
    At(2, 9);
    const int top = grid->TopRow();
    Key(Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 9);
    EXPECT_EQ(grid->TopRow(), top);
    EXPECT_TRUE(keyDowns.isEmpty()) << "scrolling keys fire no OnKeyDown";
    Key(Qt::Key_Left);
    EXPECT_EQ(grid->Col(), 1) << "sideways keys still move";
}

TEST_F(ExGridKeyboard, EnterOnACellThatCannotBeEditedIsConsumedButStillTyped)
{
    QString typed;
    grid->OnKeyPress = [&](TObject*, QChar& key) { typed += key; };
    At(2, 3);
    Key(Qt::Key_Return);
    EXPECT_EQ(keyDowns, QList<Word>{VK_RETURN});
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(typed, QStringLiteral("\r"));
}

TEST_F(ExGridKeyboard, AnOnKeyDownClearingTheKeyStopsTheLaterSteps)
{
    grid->Navigation()->SetAllowDeleteRow(true);
    grid->Navigation()->SetAllowInsertRow(true);
    clearKeys = true;
    At(2, 3);
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Delete, Qt::Key_Insert})
        Key(key);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(grid->RowCount(), 10);
    EXPECT_EQ(keyDowns, (QList<Word>{VK_DOWN, VK_DELETE, VK_INSERT}));
}

TEST_F(ExGridKeyboard, DeleteRemovesTheCurrentRowUnlessRefused)
{
    grid->Navigation()->SetAllowDeleteRow(true);
    for (int r = 1; r < 10; ++r)
        grid->SetCells(1, r, QString::number(r));
    bool refuse = true;
    QList<int> asked;
    grid->OnCanDeleteRow = [&](TObject*, int ARow, bool& CanDelete) {
        asked << ARow;
        CanDelete = !refuse;
    };
    At(1, 3);
    Key(Qt::Key_Delete);
    EXPECT_EQ(grid->RowCount(), 10);
    EXPECT_EQ(grid->Cells(1, 3), QStringLiteral("3"));

    refuse = false;
    Key(Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(grid->RowCount(), 9) << "Shift+Delete without clipboard shortcuts deletes the row";
    EXPECT_EQ(grid->Cells(1, 3), QStringLiteral("4"));
    EXPECT_EQ(asked, (QList<int>{3, 3}));
}

TEST_F(ExGridKeyboard, DeleteRemovesTheShownCurrentRowBelowAHiddenOne)
{
    grid->Navigation()->SetAllowDeleteRow(true);
    for (int r = 1; r < 10; ++r)
        grid->SetCells(1, r, QString::number(r));
    grid->HideRow(2);
    At(1, 3);  // shows real row 4
    ASSERT_EQ(grid->Cells(1, 3), QStringLiteral("4"));

    Key(Qt::Key_Delete);
    grid->UnHideRowsAll();
    QStringList texts;
    for (int r = 1; r < grid->RowCount(); ++r)
        texts << grid->Cells(1, r);
    EXPECT_EQ(texts.join(','), QStringLiteral("1,2,3,5,6,7,8,9"));
}

TEST_F(ExGridKeyboard, SpaceTogglesACheckBoxOnlyWhenItMayBeClicked)
{
    const struct {
        const char* name;
        bool editing;
        bool alwaysActive;
        QString want;
    } cases[] = {
        {"no editing", false, false, QStringLiteral("N")},
        {"editing", true, false, QStringLiteral("Y")},
        {"always active", false, true, QStringLiteral("Y")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        grid->checkColumn = true;
        grid->SetCells(2, 3, QStringLiteral("N"));
        if (c.editing)
            grid->SetOptions(grid->Options() | goEditing);
        grid->ControlLook()->SetCheckAlwaysActive(c.alwaysActive);
        QStringList clicks;
        grid->OnCheckBoxClick = [&](TObject*, int ACol, int ARow, bool State) {
            clicks << QStringLiteral("%1,%2,%3").arg(ACol).arg(ARow).arg(State);
        };
        At(2, 3);
        Key(Qt::Key_Space);
        EXPECT_EQ(grid->Cells(2, 3), c.want);
        EXPECT_EQ(clicks, c.want == QStringLiteral("Y") ? QStringList{QStringLiteral("2,3,1")} : QStringList{});
    }
}

TEST_F(ExGridKeyboard, TabWithGoTabsMakesOneTabStep)
{
    grid->SetOptions(grid->Options() | goTabs);
    At(2, 3);
    Key(Qt::Key_Tab);
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(grid->log, (QStringList{QStringLiteral("MoveByTab(0)"), QStringLiteral("MoveByTab(1)")}));
    EXPECT_EQ(grid->Col(), 2) << "the base Tab walk never runs";
}

TEST_F(ExGridKeyboard, CtrlDownMovesTheSelectedRows)
{
    grid->Navigation()->SetCursorMoveRows(true);
    grid->SelectRows(2, 3);
    Key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(grid->log, QStringList{QStringLiteral("MoveRows(2,6,3)")});
    EXPECT_EQ(grid->Selection().Top, 3);
    EXPECT_EQ(grid->Selection().Bottom, 5);

    grid->log.clear();
    grid->SelectRows(7, 3);
    Key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_TRUE(grid->log.isEmpty()) << "the last row cannot move down";
}

// A handler fault during a key ends the key with an error box, and what the
// key changed for the moment is back.
TEST_F(ExGridKeyboard, AFaultInOnCanEditCellIsReportedAndUndoesTheKeysChanges)
{
    platform::ModalSeams seams;
    seams.AnswerMessage(mrOk);
    grid->MouseActions()->SetEditOnDblClickOnly(true);
    At(2, 3);
    grid->OnCanEditCell = [](TObject*, int, int, bool&) { throw Exception(QStringLiteral("cannot tell")); };
    Key(Qt::Key_Return);
    EXPECT_EQ(seams.Messages(), QStringList{QStringLiteral("cannot tell")});
    EXPECT_FALSE(grid->MouseActions()->RangeSelectAndEdit());
    EXPECT_FALSE(grid->Options().testFlag(goEditing));
}

}  // namespace
