// The grid's combo editor opened by the editing flow, driven by keys and
// clicks on a shown offscreen grid.

#include "grid/cells/GridEditors.h"
#include "grid/engine/ExGrid.h"
#include "grid/engine/ExGridControlLook.h"
#include "grid/foundation/ExObjNavigation.h"

#include <QtTest/QTest>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>

#include <gtest/gtest.h>

#include <memory>

namespace {

class GridComboEditing : public ::testing::Test {
protected:
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    TExStringGrid* grid = nullptr;
    QStringList events;

    void SetUp() override
    {
        window->resize(400, 300);
        grid = new TExStringGrid(window.get());
        grid->setGeometry(0, 0, 300, 200);
        grid->SetColCount(5);
        grid->SetRowCount(5);
        grid->SetOptions(grid->Options() | goEditing);
        grid->OnComboChange = [this](TObject*, int c, int r, int i, const QString& s) {
            events << QString("combo %1,%2 %3 %4").arg(c).arg(r).arg(i).arg(s);
        };
        window->show();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
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
