// The grid's combo editor opened by the editing flow, driven by keys and
// clicks on a shown offscreen grid.

#include "grid/cells/columns/ExColumnGrid.h"
#include "grid/cells/columns/ExGridColumns.h"
#include "grid/cells/editors/GridEditors.h"
#include "grid/engine/ExGrid.h"
#include "grid/engine/paint/ExGridControlLook.h"
#include "grid/foundation/objects/ExObjMouseActions.h"
#include "grid/foundation/objects/ExObjNavigation.h"
#include "platform/core/StringList.h"
#include "tests/grid/cells/GridInWindow.h"

#include <QtTest/QTest>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>

#include <gtest/gtest.h>

#include <memory>

namespace {

class GridComboEditing : public GridInWindow {
protected:
    QStringList events;

    void SetUp() override
    {
        MakeGrid(400, 300);
        grid->OnComboChange = [this](TObject*, int c, int r, int i, const QString& s) {
            events << QString("combo %1,%2 %3 %4").arg(c).arg(r).arg(i).arg(s);
        };
        ShowWindow();
    }

    TGridCombo* Combo() { return grid->EditCombo(); }
    void Open(int col, int row, TEditorType kind, const QStringList& items = {"Alpha", "Beta", "Gamma"})
    {
        grid->OnGetEditorType = [=, this](TObject*, int, int, TEditorType& e) {
            e = kind;
            Combo()->Items().Assign(items);
        };
        grid->SetCol(col);
        grid->SetRow(row);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_F2);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(Combo(), key, mods); }
};

TEST_F(GridComboEditing, AListComboOpensOnTheCellsItemTheHintOrTheFirstItem)
{
    const struct {
        QString cell;
        int hint;
        int selected;
        QStringList reported;
    } cases[] = {
        {"Beta", -1, 1, {}},
        {"Delta", -1, 0, {"combo 1,1 0 Alpha"}},
        {"Delta", 2, 2, {}},
    };
    for (const auto& c : cases) {
        events.clear();
        grid->SetCells(1, 1, c.cell);
        grid->SetComboSelection(c.hint);
        Open(1, 1, edComboList);
        ASSERT_TRUE(Combo()->isVisible()) << c.cell.toStdString();
        EXPECT_EQ(grid->EditControl(), edComboList);
        EXPECT_EQ(Combo()->ItemIndex(), c.selected) << c.cell.toStdString() << c.hint;
        EXPECT_EQ(events, c.reported) << c.cell.toStdString() << c.hint;
        Key(Qt::Key_Escape);
        EXPECT_FALSE(Combo()->isVisible());
        EXPECT_EQ(grid->Cells(1, 1), c.cell) << "Esc keeps the cell";
    }
}

TEST_F(GridComboEditing, AnEditableComboShowsTheTextWithNothingSelected)
{
    grid->SetCells(2, 1, "Delta");
    Open(2, 1, edComboEdit);
    ASSERT_TRUE(Combo()->isVisible());
    EXPECT_EQ(Combo()->Text(), "Delta");
    EXPECT_EQ(Combo()->ItemIndex(), -1);
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(GridComboEditing, TheDroppedHeightCountsTheListItemsAndTheBox)
{
    grid->ControlLook()->SetDropDownCount(8);
    grid->SetRowHeights(1, 21);  // the editor box is the cell without its grid line
    Combo()->SetItemHeight(16);
    Open(1, 1, edComboList);
    EXPECT_EQ(Combo()->height(), 20);
    EXPECT_EQ(Combo()->DropHeight(), 164);
}

TEST_F(GridComboEditing, ListKeysChangeTheItemCommitAndLeave)
{
    grid->SetCells(1, 1, "Alpha");
    grid->OnEditCellDone = [this](TObject*, int c, int r) { events << QString("done %1,%2").arg(c).arg(r); };
    Open(1, 1, edComboList);
    Key(Qt::Key_Down);
    EXPECT_EQ(Combo()->Text(), "Beta");
    EXPECT_EQ(events, QStringList{"combo 1,1 1 Beta"});
    EXPECT_EQ(grid->Cells(1, 1), "Alpha") << "not written before the commit";
    Key(Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(Combo()->isVisible());
    EXPECT_EQ(grid->Cells(1, 1), "Beta");
    EXPECT_EQ(events.last(), "done 1,1");

    Open(1, 1, edComboList);
    Key(Qt::Key_Down);
    Key(Qt::Key_Right);
    EXPECT_FALSE(Combo()->isVisible());
    EXPECT_EQ(grid->Cells(1, 1), "Gamma");
    EXPECT_EQ(grid->Col(), 2) << "Right leaves the cell";
}

// The offscreen platform shows no popup window to click into, so the pick is
// made in the dropped list the way the list itself takes it.
TEST_F(GridComboEditing, APickFromTheDroppedListReportsOneChange)
{
    grid->SetCells(1, 1, "Alpha");
    Open(1, 1, edComboList);
    Combo()->showPopup();
    QAbstractItemView* list = Combo()->view();
    list->setCurrentIndex(list->model()->index(2, 0));
    QTest::keyClick(list, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(events, QStringList{"combo 1,1 2 Gamma"});
    EXPECT_EQ(Combo()->Text(), "Gamma");
}

TEST_F(GridComboEditing, ARefusedEnterKeepsTheEditorOnTheCorrectedText)
{
    grid->SetCells(2, 1, "old");
    grid->Navigation()->SetAdvanceOnEnter(true);
    grid->OnCellValidate = [](TObject*, int, int, QString& v, bool& valid) {
        valid = false;
        v = "fixed";
    };
    Open(2, 1, edComboEdit);
    Combo()->lineEdit()->selectAll();
    QTest::keyClicks(Combo()->lineEdit(), "bad");
    Key(Qt::Key_Return);
    ASSERT_TRUE(Combo()->isVisible());
    EXPECT_EQ(Combo()->Text(), "fixed");
    EXPECT_EQ(Combo()->lineEdit()->selectedText(), "fixed");
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 1) << "no advance after a refusal";
}

TEST_F(GridComboEditing, TypingStopsAtTheLimitButALongerStoredTextOpensWhole)
{
    grid->SetMaxComboLength(5);
    grid->SetCells(2, 1, "1234");
    Open(2, 1, edComboEdit);
    Combo()->lineEdit()->end(false);
    QTest::keyClicks(Combo()->lineEdit(), "567");
    EXPECT_EQ(Combo()->Text(), "12345");
    Key(Qt::Key_Escape);

    grid->SetCells(2, 1, "a longer stored text");
    Open(2, 1, edComboEdit);
    EXPECT_EQ(Combo()->Text(), "a longer stored text");
}

TEST_F(GridComboEditing, TheWheelWithoutItemsReportsNoItem)
{
    grid->SetCells(1, 1, "x");
    Open(1, 1, edComboList, {});
    QStringList objects;
    grid->OnComboObjectChange = [&](TObject*, int, int, int i, const QString& s, TObject* o) {
        objects << QString("%1 '%2' %3").arg(i).arg(s).arg(o ? "object" : "none");
    };
    QWheelEvent wheel(QPointF(5, 5), Combo()->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Combo(), &wheel);
    EXPECT_EQ(events, QStringList{"combo 1,1 -1 "});
    EXPECT_EQ(objects, QStringList{"-1 '' none"});
}

}  // namespace

namespace {

// Down on the last data row with AppendOnArrowDown: the grid asks before it
// appends, the new row starts empty and is reported as the new last data row.
TEST_F(GridComboEditing, DownOnTheLastRowAppendsAnEmptyRowWhenAllowed)
{
    grid->Navigation()->SetAppendOnArrowDown(true);
    QStringList added;
    grid->OnAutoAddRow = [&](TObject*, int r) { added << QString::number(r); };
    const struct {
        bool canAdd;
        int rows;
        QStringList reported;
    } cases[] = {{false, 5, {}}, {true, 6, {"5"}}};
    for (const auto& c : cases) {
        grid->OnCanAddRow = [&](TObject*, bool& can) { can = c.canAdd; };
        grid->SetRowCount(5);
        grid->SetCells(1, 5, "stale");  // a text beyond the rows must not come back
        grid->SetRowCount(5);
        grid->SetCol(1);
        grid->SetRow(4);
        grid->setFocus();
        added.clear();
        QTest::keyClick(grid, Qt::Key_Down);
        EXPECT_EQ(grid->RowCount(), c.rows) << c.canAdd;
        EXPECT_EQ(added, c.reported) << c.canAdd;
        if (c.canAdd) {
            EXPECT_EQ(grid->Cells(1, 5), "");
            EXPECT_EQ(grid->Row(), 5);
        }
    }
}

}  // namespace

namespace {

// Typing into an editable combo with the grid's look-up on.
TEST_F(GridComboEditing, LookupCompletesFromTheItemsThenFromLookupItems)
{
    const struct {
        bool caseSensitive;
        QStringList items;
        QStringList lookupItems;
        QString text;
        QString selected;
        int index;
    } cases[] = {
        {false, {"Alpha", "Beta"}, {}, "Beta", "eta", 1},
        {true, {"Alpha", "Beta"}, {}, "b", "", -1},
        {false, {"Alpha"}, {"Beta"}, "beta", "eta", -1},
    };
    grid->SetLookup(true);
    for (const auto& c : cases) {
        grid->SetLookupCaseSensitive(c.caseSensitive);
        grid->LookupItems()->Clear();
        for (const QString& s : c.lookupItems)
            grid->LookupItems()->Add(s);
        grid->SetCells(2, 1, "");
        Open(2, 1, edComboEdit, c.items);
        QTest::keyClick(Combo(), Qt::Key_B);
        EXPECT_EQ(Combo()->Text(), c.text) << c.caseSensitive;
        EXPECT_EQ(Combo()->lineEdit()->selectedText(), c.selected) << c.caseSensitive;
        EXPECT_EQ(Combo()->ItemIndex(), c.index) << c.caseSensitive;
        Key(Qt::Key_Escape);
    }
}

TEST_F(GridComboEditing, BackspaceRemovesTheCompletionWithoutCompletingAgain)
{
    grid->SetLookup(true);
    Open(2, 1, edComboEdit, {"Alpha", "Beta"});
    QTest::keyClick(Combo(), Qt::Key_B);
    ASSERT_EQ(Combo()->Text(), "Beta");
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Combo()->Text(), "B");
    EXPECT_FALSE(Combo()->lineEdit()->hasSelectedText());
}

TEST_F(GridComboEditing, LookupHistoryAddsANewTextOnceAndAnEmptyOneNever)
{
    grid->SetLookupHistory(true);
    grid->OnGetEditorType = [this](TObject*, int, int, TEditorType& e) { e = edComboEdit; };
    Combo()->Items().Assign({"Alpha"});
    const struct {
        QString cell;
        QStringList items;
    } cases[] = {
        {"Delta", {"Alpha", "Delta"}},
        {"delta", {"Alpha", "Delta"}},  // already listed, letter case ignored
        {"", {"Alpha", "Delta"}},
    };
    for (const auto& c : cases) {
        grid->SetCells(2, 1, c.cell);
        grid->SetCol(2);
        grid->SetRow(1);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_F2);
        ASSERT_TRUE(Combo()->isVisible());
        grid->setFocus();  // the editor loses the focus
        EXPECT_FALSE(Combo()->isVisible());
        EXPECT_EQ(Combo()->Items().ToStringList(), c.items) << c.cell.toStdString();
    }
}

// Column 1 hidden: display column 1 is real column 2.
TEST_F(GridComboEditing, TheWheelReportsTheRealColumnTypingTheDisplayColumn)
{
    QStringList edits, objects;
    grid->OnEditChange = [&](TObject*, int c, int r, const QString& v) {
        edits << QString("edit %1,%2 %3").arg(c).arg(r).arg(v);
    };
    grid->OnComboObjectChange = [&](TObject*, int c, int, int i, const QString& s, TObject*) {
        objects << QString("object %1 %2 %3").arg(c).arg(i).arg(s);
    };
    grid->HideColumn(1);
    grid->SetCells(2, 1, "Gamma");
    Open(1, 1, edComboList);
    ASSERT_EQ(Combo()->ItemIndex(), 2);
    QWheelEvent toUser(QPointF(5, 5), Combo()->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Combo(), &toUser);
    EXPECT_EQ(Combo()->ItemIndex(), 2) << "the last item stays";
    EXPECT_EQ(edits, QStringList{"edit 2,1 Gamma"});
    EXPECT_EQ(events, QStringList{"combo 2,1 2 Gamma"});
    EXPECT_EQ(objects, QStringList{"object 2 2 Gamma"});
    Key(Qt::Key_Escape);

    edits.clear();
    events.clear();
    grid->SetCells(2, 1, "");
    Open(1, 1, edComboEdit);
    QTest::keyClick(Combo(), Qt::Key_X);
    EXPECT_EQ(edits, QStringList{"edit 1,1 x"}) << "typing reports the display column";
    EXPECT_EQ(events, QStringList{"combo 2,1 -1 x"}) << "one combo change, with the real column";
}

// An editable combo with its list closed leaves by Up and Down after the
// commit; with its list open the keys work in the list.
TEST_F(GridComboEditing, EditableComboKeysClosedAndOpen)
{
    grid->SetCells(2, 2, "Alpha");
    Open(2, 2, edComboEdit);
    Combo()->lineEdit()->selectAll();
    QTest::keyClicks(Combo(), "typed");
    Key(Qt::Key_Down);
    EXPECT_FALSE(Combo()->isVisible());
    EXPECT_EQ(grid->Cells(2, 2), "typed");
    EXPECT_EQ(grid->Row(), 3);

    grid->SetCells(2, 2, "Alpha");
    Open(2, 2, edComboEdit);
    Key(Qt::Key_Up);
    EXPECT_EQ(grid->Row(), 1);

    grid->SetCells(2, 2, "Alpha");
    Open(2, 2, edComboEdit);
    Combo()->lineEdit()->setCursorPosition(0);
    Key(Qt::Key_End);
    EXPECT_EQ(Combo()->lineEdit()->cursorPosition(), 5);
    EXPECT_TRUE(Combo()->isVisible());
    Key(Qt::Key_Down, Qt::AltModifier);
    EXPECT_TRUE(Combo()->view()->isVisible()) << "Alt+Down opens the list";
    QTest::keyClick(Combo()->view(), Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 2) << "Down moves in the open list";
    Key(Qt::Key_Right);
    QApplication::processEvents();
    EXPECT_FALSE(Combo()->isVisible());
    EXPECT_EQ(grid->Col(), 3) << "Right leaves the open combo sideways";
}

TEST_F(GridComboEditing, WithoutComboGetUpDownTheGridMovesAndNothingIsWrittenThere)
{
    grid->Navigation()->SetComboGetUpDown(false);
    for (bool alwaysEdit : {false, true}) {
        grid->Navigation()->SetAlwaysEdit(alwaysEdit);
        grid->SetCells(1, 1, "Alpha");
        grid->SetCells(1, 2, "below");
        Open(1, 1, edComboList);
        Key(Qt::Key_Down);
        EXPECT_EQ(grid->Row(), 2) << alwaysEdit;
        EXPECT_EQ(grid->Cells(1, 1), "Alpha") << alwaysEdit;
        EXPECT_EQ(grid->Cells(1, 2), "below") << alwaysEdit;
        EXPECT_EQ(grid->Navigation()->AlwaysEdit(), alwaysEdit) << "restored after the grid took the focus";
        if (!alwaysEdit) {
            EXPECT_FALSE(Combo()->isVisible());
        }
        grid->HideInplaceEdit();
    }
}

TEST_F(GridComboEditing, WithDirectComboCloseAPickEndsTheEditReportedOnce)
{
    grid->MouseActions()->SetDirectComboClose(true);
    QStringList closed;
    grid->OnComboCloseUp = [&](TObject*, int r, int c) { closed << QString("%1,%2").arg(c).arg(r); };
    grid->SetCells(1, 1, "Alpha");
    Open(1, 1, edComboList);
    Combo()->showPopup();
    QAbstractItemView* list = Combo()->view();
    list->setCurrentIndex(list->model()->index(1, 0));
    QTest::keyClick(list, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(events, QStringList{"combo 1,1 1 Beta"});
    EXPECT_EQ(closed, QStringList{"1,1"});
    EXPECT_FALSE(Combo()->isVisible());
    EXPECT_EQ(grid->Cells(1, 1), "Beta");
    EXPECT_TRUE(grid->MouseActions()->DirectComboClose());
}

TEST_F(GridComboEditing, CursorWalkLeavesSidewaysAtTheEndsOfTheText)
{
    grid->Navigation()->SetCursorWalkEditor(true);
    grid->Navigation()->SetCursorWalkAlwaysEdit(false);
    const struct {
        Qt::Key key;
        int caret;
        int col;
    } cases[] = {{Qt::Key_Right, 2, 3}, {Qt::Key_Left, 0, 1}, {Qt::Key_Left, 2, 2}};
    for (const auto& c : cases) {
        grid->SetCells(2, 1, "abc");
        Open(2, 1, edComboEdit);
        Combo()->lineEdit()->setCursorPosition(c.caret);
        Key(c.key);
        EXPECT_EQ(grid->Col(), c.col) << c.caret;
        EXPECT_EQ(Combo()->isVisible(), c.col == 2) << c.caret;
        if (Combo()->isVisible())
            Key(Qt::Key_Escape);
        EXPECT_EQ(grid->Cells(2, 1), "abc");
    }
}

// The walk is one forced advance step: out of the last column it goes on in
// the next row, whatever direction Enter advances in.
TEST_F(GridComboEditing, CursorWalkOutOfTheLastColumnGoesOnInTheNextRow)
{
    grid->Navigation()->SetCursorWalkEditor(true);
    grid->Navigation()->SetCursorWalkAlwaysEdit(false);
    grid->Navigation()->SetAdvanceDirection(adTopBottom);
    grid->SetCells(4, 1, "abc");
    Open(4, 1, edComboEdit);
    Combo()->lineEdit()->setCursorPosition(3);
    Key(Qt::Key_Right);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Navigation()->AdvanceDirection(), adTopBottom);
    EXPECT_EQ(grid->Cells(4, 1), "abc");
}

TEST_F(GridComboEditing, AutoComboDropSizeWidensTheListToItsLongestItem)
{
    grid->Navigation()->SetAutoComboDropSize(true);
    const QString longText(60, QChar(u'W'));
    Open(1, 1, edComboList, {"a", longText});
    const int longest = QFontMetrics(grid->Font().ToQFont()).horizontalAdvance(longText);
    EXPECT_EQ(Combo()->view()->minimumWidth(), longest + 8);
}

// The application's list operations on the grid's combo editor.
TEST_F(GridComboEditing, TheComboListOperations)
{
    TObject tagged;
    grid->ClearComboString();
    grid->AddComboString("Alpha");
    grid->AddComboStringObject("Beta", &tagged);
    grid->AddComboString("Gamma");
    EXPECT_EQ(grid->GetComboCount(), 3);
    EXPECT_FALSE(grid->RemoveComboString("Delta"));
    EXPECT_TRUE(grid->RemoveComboString("gamma"));
    EXPECT_EQ(grid->GetComboCount(), 2);

    grid->SetCells(1, 1, "beta");
    grid->SetCells(1, 2, "Delta");
    EXPECT_EQ(grid->GetComboIndex(1, 1), 1);
    EXPECT_EQ(grid->GetComboIndex(1, 2), -1);
    grid->SetComboIndex(1, 2, 0);
    EXPECT_EQ(grid->Cells(1, 2), "Alpha");
    EXPECT_THROW(grid->SetComboIndex(1, 2, 2), std::out_of_range);
    EXPECT_EQ(grid->Cells(1, 2), "Alpha");

    EXPECT_TRUE(grid->SetComboSelectionString("Beta"));
    EXPECT_FALSE(grid->SetComboSelectionString("Delta"));
    grid->SetCells(1, 3, "Delta");
    TObject* reported = nullptr;
    grid->OnComboObjectChange = [&](TObject*, int, int, int, const QString&, TObject* o) { reported = o; };
    grid->OnGetEditorType = [](TObject*, int, int, TEditorType& e) { e = edComboList; };
    grid->SetCol(1);
    grid->SetRow(3);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_F2);
    EXPECT_EQ(Combo()->ItemIndex(), 1) << "the hint kept from the successful call";
    Key(Qt::Key_Up);
    Key(Qt::Key_Down);
    EXPECT_EQ(reported, &tagged);
    grid->SetComboSelection(-1);
}

TEST_F(GridComboEditing, GetComboIndexAsksForTheCellsListFirst)
{
    grid->OnGetEditorProp = [this](TObject*, int c, int, TObject*) {
        grid->ClearComboString();
        grid->AddComboString(c == 1 ? "one" : "two");
    };
    grid->SetCells(1, 1, "two");
    grid->SetCells(2, 1, "two");
    EXPECT_EQ(grid->GetComboIndex(1, 1), -1);
    EXPECT_EQ(grid->GetComboIndex(2, 1), 0);
}

}  // namespace

namespace {

// A column's positive EditLength limits typing into its editable combo.
TEST(ColumnGridCombo, AnEditableComboColumnTakesAtMostItsEditLength)
{
    QWidget window;
    window.resize(400, 300);
    auto* grid = new TExColumnGrid(&window);
    grid->setGeometry(0, 0, 300, 200);
    grid->SetColCount(3);
    grid->SetRowCount(3);
    grid->Loaded();
    grid->SetOptions(grid->Options() | goEditing);
    grid->SetMaxComboLength(5);
    TGridColumnItem* column = grid->Columns()->Items(1);
    column->SetEditor(edComboEdit);
    column->SetEditLength(15);
    column->ComboItems()->Add("Alpha");
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    grid->SetCol(1);
    grid->SetRow(1);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_F2);
    ASSERT_TRUE(grid->EditCombo()->isVisible());
    QTest::keyClicks(grid->EditCombo(), "abcdefghijklmnop");
    EXPECT_EQ(grid->EditCombo()->Text(), "abcdefghijklmno");
    QTest::keyClick(grid->EditCombo(), Qt::Key_Return);
    EXPECT_EQ(grid->Cells(1, 1), "abcdefghijklmno");
}

}  // namespace
