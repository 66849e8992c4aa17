// Where the current cell goes while editing: editing following the cells,
// the advance on Enter, the Tab walk; driven by keys and clicks on a shown
// offscreen grid.

#include "grid/engine/ExGrid.h"
#include "grid/foundation/objects/ExObjNavigation.h"
#include "platform/grid/InplaceEdit.h"
#include "tests/grid/cells/GridInWindow.h"

#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Five columns and five rows, one of each fixed; editing on; a line edit
// after the grid in the window.
class ExGridNavigation : public GridInWindow {
protected:
    QLineEdit* next = nullptr;
    QList<int> readOnlyCols;
    bool nothingEditable = false;
    QStringList events;

    void SetUp() override
    {
        MakeGrid(500, 400);
        grid->SetWordWrap(false);
        grid->OnCanEditCell = [this](TObject*, int, int ACol, bool& CanEdit) {
            if (nothingEditable || readOnlyCols.contains(ACol))
                CanEdit = false;
        };
        next = new QLineEdit(window.get());
        next->setGeometry(0, 220, 100, 20);
        ShowWindow();
        grid->setFocus();
        QApplication::processEvents();
    }

    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        KeyToEditorOrGrid(key, mods);
        QApplication::processEvents();
    }
    void At(int col, int row)
    {
        grid->FocusCell(col, row);
        grid->UpdateEditMode();
        grid->setFocus();
    }
    TGridCoord Current() const { return {grid->Col(), grid->Row()}; }
    void Click(int col, int row)
    {
        const TRect r = grid->CellRect(col, row);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(r.Left + 3, r.Top + 3));
    }
};

TEST_F(ExGridNavigation, ReadOnlyCellsTakeEditingAwayAndEditableOnesGiveItBack)
{
    readOnlyCols = {2};
    At(1, 1);
    ASSERT_TRUE(grid->Options().testFlag(goEditing));
    Key(Qt::Key_Right);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_FALSE(grid->Options().testFlag(goEditing)) << "onto the read-only cell";
    Key(Qt::Key_F2);
    EXPECT_FALSE(EditorShown());
    Key(Qt::Key_Right);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_TRUE(grid->Options().testFlag(goEditing)) << "back onto an editable cell";
    Key(Qt::Key_F2);
    EXPECT_TRUE(EditorShown());
}

TEST_F(ExGridNavigation, ARefusalByOnCellChangingKeepsTheCell)
{
    bool allow = false;
    grid->OnCellChanging = [&](TObject*, int oldRow, int oldCol, int newRow, int newCol, bool& Allow) {
        events << QString("%1,%2 -> %3,%4").arg(oldCol).arg(oldRow).arg(newCol).arg(newRow);
        Allow = allow;
    };
    At(2, 2);
    events.clear();
    Key(Qt::Key_Down);
    Click(3, 3);
    EXPECT_EQ(Current(), (TGridCoord{2, 2}));
    EXPECT_EQ(events, (QStringList{"2,2 -> 2,3", "2,2 -> 3,3"}));
    allow = true;
    Key(Qt::Key_Down);
    EXPECT_EQ(Current(), (TGridCoord{2, 3}));
}

TEST_F(ExGridNavigation, AMergedCellIsSelectedAtItsBase)
{
    grid->MergeCells(2, 2, 2, 2);
    At(1, 1);
    Click(3, 3);
    EXPECT_EQ(Current(), (TGridCoord{2, 2})) << "a click on the merged area";
    At(1, 3);
    Key(Qt::Key_Right);
    EXPECT_EQ(Current(), (TGridCoord{2, 2})) << "a key onto the merged area";
}

// Enter commits the edit and advances with AdvanceOnEnter.
TEST_F(ExGridNavigation, EnterAdvancesAfterAnEdit)
{
    const struct {
        const char* name;
        bool advance;
        bool insert;
        bool canAdd;
        TGridCoord from;
        TGridCoord to;
        int rowCount;
        QStringList events;
    } cases[] = {
        {"off", false, false, true, {2, 2}, {2, 2}, 5, {}},
        {"next column", true, false, true, {2, 2}, {3, 2}, 5, {}},
        {"next row", true, false, true, {4, 2}, {1, 3}, 5, {}},
        {"loop to the first data row", true, false, true, {4, 4}, {1, 1}, 5, {}},
        {"insert", true, true, true, {4, 4}, {1, 5}, 6, {"can add", "added 5"}},
        {"insert refused", true, true, false, {4, 4}, {1, 4}, 5, {"can add"}},
    };
    for (const auto& c : cases) {
        grid->SetRowCount(5);
        events.clear();
        TNavigation& nav = *grid->Navigation();
        nav.SetAdvanceOnEnter(c.advance);
        nav.SetAdvanceInsert(c.insert);
        grid->OnCanAddRow = [&](TObject*, bool& CanAdd) {
            events << "can add";
            CanAdd = c.canAdd;
        };
        grid->OnAutoAddRow = [&](TObject*, int ARow) { events << QString("added %1").arg(ARow); };
        At(c.from.X, c.from.Y);
        Key(Qt::Key_F2);
        ASSERT_TRUE(EditorShown()) << c.name;
        Key(Qt::Key_End);
        QTest::keyClicks(Editor()->Body(), "x");
        Key(Qt::Key_Return);
        EXPECT_EQ(grid->Cells(c.from.X, c.from.Y), "x") << c.name;
        EXPECT_EQ(Current(), c.to) << c.name;
        EXPECT_EQ(grid->RowCount(), c.rowCount) << c.name;
        EXPECT_EQ(events, c.events) << c.name;
        EXPECT_EQ(EditorShown(), c.advance) << c.name << ": the editor opens again on the new cell";
        if (EditorShown())
            Key(Qt::Key_Escape);
        grid->SetCells(c.from.X, c.from.Y, "");
    }
}

TEST_F(ExGridNavigation, EnterSkipsReadOnlyCellsAndOnAutoAdvanceCanRedirect)
{
    readOnlyCols = {3};
    grid->Navigation()->SetAdvanceOnEnter(true);
    At(2, 1);
    Key(Qt::Key_F2);
    Key(Qt::Key_Return);
    EXPECT_EQ(Current(), (TGridCoord{4, 1})) << "the read-only column is passed over";
    Key(Qt::Key_Escape);

    grid->Navigation()->SetAdvanceSkipReadOnlyCells(false);
    At(2, 1);
    Key(Qt::Key_F2);
    Key(Qt::Key_Return);
    EXPECT_EQ(Current(), (TGridCoord{3, 1})) << "without skipping the read-only cell becomes current";

    grid->OnAutoAdvance = [](TObject*, int, int, int& NewRow, int& NewCol, bool&) {
        NewRow = 4;
        NewCol = 1;
    };
    At(1, 2);
    Key(Qt::Key_F2);
    EXPECT_TRUE(EditorShown());
    Key(Qt::Key_Return);
    EXPECT_EQ(Current(), (TGridCoord{1, 4}));
}

// Without an editable cell the advance makes one round at most and ends on
// the cell it started from.
TEST_F(ExGridNavigation, EnterOverAGridWithoutEditableCellsEndsOnTheStartCell)
{
    const struct {
        const char* name;
        bool loop;
        TGridCoord from;
    } cases[] = {
        {"loop", true, {2, 2}},
        {"read-only last cell without loop", false, {4, 4}},
    };
    for (const auto& c : cases) {
        grid->Navigation()->SetAdvanceOnEnter(true);
        grid->Navigation()->SetAdvanceOnEnterLoop(c.loop);
        nothingEditable = false;
        At(c.from.X, c.from.Y);
        nothingEditable = true;
        grid->DoneInplaceEdit(VK_RETURN, TShiftState());
        EXPECT_EQ(Current(), c.from) << c.name;
    }
}

TEST_F(ExGridNavigation, TabWalksTheEditableCellsRowByRow)
{
    grid->SetOptions(grid->Options() | goTabs);
    readOnlyCols = {2};
    At(1, 1);
    const TGridCoord forward[] = {{3, 1}, {4, 1}, {1, 2}, {3, 2}};
    for (const TGridCoord& cell : forward) {
        Key(Qt::Key_Tab);
        EXPECT_EQ(Current(), cell);
        EXPECT_TRUE(EditorShown()) << "the editor opens on each stop";
    }
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Current(), (TGridCoord{4, 1}));
}

TEST_F(ExGridNavigation, ShiftTabOnTheFirstStopGoesToTheLastStopOfTheLastRow)
{
    grid->SetOptions(grid->Options() | goTabs);
    readOnlyCols = {4};
    At(1, 1);
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Current(), (TGridCoord{3, 4}));
}

TEST_F(ExGridNavigation, TabAtTheEndGoesOnToTheNextControlWithTabToNextAtEnd)
{
    grid->SetOptions(grid->Options() | goTabs);
    grid->Navigation()->SetTabToNextAtEnd(true);
    At(4, 4);
    EXPECT_FALSE(grid->MoveByTab(false));
    QApplication::processEvents();
    EXPECT_TRUE(next->hasFocus());

    grid->Navigation()->SetTabToNextAtEnd(false);
    At(4, 4);
    EXPECT_TRUE(grid->MoveByTab(false));
    QApplication::processEvents();
    EXPECT_EQ(Current(), (TGridCoord{1, 1})) << "without it the walk starts again";
    EXPECT_FALSE(next->hasFocus());
}

TEST_F(ExGridNavigation, TabAtTheEndAppendsARowWithAdvanceInsert)
{
    grid->SetOptions(grid->Options() | goTabs);
    grid->Navigation()->SetAdvanceInsert(true);
    int added = -1;
    grid->OnAutoAddRow = [&](TObject*, int ARow) { added = ARow; };
    At(4, 4);
    Key(Qt::Key_Tab);
    EXPECT_EQ(grid->RowCount(), 6);
    EXPECT_EQ(added, 5);
    EXPECT_EQ(Current(), (TGridCoord{1, 5}));
}

// Editing on while no cell can be edited: the walk visits the grid once and
// ends on the cell it started from.
TEST_F(ExGridNavigation, TabOverAGridWithoutEditableCellsEndsOnTheStartCell)
{
    grid->SetOptions(grid->Options() | goTabs);
    At(2, 2);
    nothingEditable = true;
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), (TGridCoord{2, 2}));
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Current(), (TGridCoord{2, 2}));
}

TEST_F(ExGridNavigation, EscapeInTheEditorPutsTheCellBack)
{
    grid->SetCells(2, 2, "old");
    QStringList keys;
    grid->OnKeyPress = [&](TObject*, QChar& Key) { keys << QString::number(Key.unicode()); };
    At(2, 2);
    Key(Qt::Key_F2);
    QTest::keyClicks(Editor()->Body(), "new");
    Key(Qt::Key_Escape);
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(grid->Cells(2, 2), "old");
    EXPECT_EQ(keys.count("27"), 1) << "OnKeyPress once with Escape";
}

}  // namespace
