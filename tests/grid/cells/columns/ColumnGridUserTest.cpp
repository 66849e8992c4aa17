// The column grid as a person meets it in a window: clicks and keys in the
// order a person makes them, through the grid's own input paths.

#include "grid/cells/columns/ExColumnGrid.h"
#include "grid/cells/editors/GridEditors.h"
#include "grid/foundation/objects/ExObjNavigation.h"
#include "platform/core/StringList.h"
#include "platform/grid/InplaceEdit.h"
#include "platform/ui/window/Form.h"
#include "platform/ui/window/ModalSeams.h"

#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>

#include <gtest/gtest.h>

#include <memory>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

enum Column { colName = 1, colKind, colNote, colUnit, colActive };

// A window with a column grid without goEditing, but Tab moving inside it:
// a name of at most 15 characters, a kind from a list, a read-only note, a
// unit typed or taken from a list and an active box; a line edit after it.
class ColumnGridInAWindow : public ::testing::Test {
protected:
    std::unique_ptr<TForm> form = std::make_unique<TForm>();
    TExColumnGrid* grid = nullptr;
    QLineEdit* after = nullptr;
    QStringList events;

    void SetUp() override
    {
        form->SetBounds(0, 0, 620, 300);
        grid = new TExColumnGrid(form.get());
        grid->setGeometry(0, 0, 600, 200);
        grid->SetColCount(6);
        grid->SetRowCount(4);
        grid->SetOptions((grid->Options() & ~TGridOptions(goEditing)) | goTabs);
        grid->Loaded();
        TGridColumnCollection& columns = *grid->Columns();
        columns.Items(colName)->SetEditLength(15);
        columns.Items(colKind)->SetEditor(edComboList);
        for (const char* item : {"Alpha", "Beta", "Gamma"})
            columns.Items(colKind)->ComboItems()->Add(item);
        columns.Items(colNote)->SetReadOnly(true);
        columns.Items(colUnit)->SetEditor(edComboEdit);
        for (const char* item : {"V", "A"})
            columns.Items(colUnit)->ComboItems()->Add(item);
        columns.Items(colActive)->SetEditor(edDataCheckBox);
        columns.Items(colActive)->SetCheckTrue("Y");
        columns.Items(colActive)->SetCheckFalse("N");
        grid->SetCells(colNote, 1, "fixed note");
        grid->SetCells(colActive, 1, "N");
        grid->OnComboChange = [this](TObject*, int c, int r, int i, const QString& s) {
            events << QString("combo %1,%2 %3 %4").arg(c).arg(r).arg(i).arg(s);
        };
        grid->OnCheckBoxClick = [this](TObject*, int c, int r, bool s) {
            events << QString("check %1,%2 %3").arg(c).arg(r).arg(s);
        };
        after = new QLineEdit(form.get());
        after->setGeometry(0, 220, 100, 20);
        form->Show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    TInplaceEdit* Editor() const { return grid->NormalEdit(); }
    bool EditorShown() const { return Editor() && Editor()->isVisible(); }
    TGridCombo* Combo() const { return grid->EditCombo(); }
    // The widget that has the keyboard focus takes the key, as it does for a person.
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), key, mods);
        QApplication::processEvents();
    }
    void Type(const QString& text)
    {
        for (const QChar c : text) {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
            QApplication::processEvents();
        }
    }
    void Click(int col, int row)
    {
        const TRect r = grid->CellRect(col, row);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
        QApplication::processEvents();
    }
    TGridCoord Current() const { return {grid->Col(), grid->Row()}; }
};

TEST_F(ColumnGridInAWindow, APersonFillsInARow)
{
    // A name typed into the cell, cut at 15 characters, committed by Enter.
    Click(colName, 1);
    EXPECT_TRUE(grid->Options().testFlag(goEditing)) << "an editable cell switches editing on";
    Type("temperature_sensor");
    ASSERT_TRUE(EditorShown());
    Key(Qt::Key_Return);
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(grid->Cells(colName, 1), "temperature_sen");

    // An edit given up by Escape leaves the cell as it was.
    Key(Qt::Key_F2);
    ASSERT_TRUE(EditorShown());
    Type("xyz");
    Key(Qt::Key_Escape);
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(grid->Cells(colName, 1), "temperature_sen");

    // Tab opens the list of kinds; Down takes the next kind, reported once.
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), (TGridCoord{colKind, 1}));
    ASSERT_TRUE(Combo()->isVisible()) << "the list opens on the Tab stop";
    events.clear();
    Key(Qt::Key_Down);
    EXPECT_EQ(events, QStringList{"combo 2,1 1 Beta"});
    platform::SaveScreenshot(*form, "column_grid_list_open");

    // Tab passes the read-only note and opens the unit; a typed unit is kept.
    Key(Qt::Key_Tab);
    EXPECT_EQ(grid->Cells(colKind, 1), "Beta");
    EXPECT_EQ(Current(), (TGridCoord{colUnit, 1})) << "the read-only column is no Tab stop";
    ASSERT_TRUE(Combo()->isVisible());
    Combo()->lineEdit()->selectAll();
    Type("mA");
    Key(Qt::Key_Return);
    EXPECT_EQ(grid->Cells(colUnit, 1), "mA");
    EXPECT_EQ(grid->Cells(colNote, 1), "fixed note");

    // The box toggles by Space and by a click.
    grid->setFocus();
    Key(Qt::Key_Right);
    EXPECT_EQ(Current(), (TGridCoord{colActive, 1}));
    events.clear();
    Key(Qt::Key_Space);
    EXPECT_EQ(grid->Cells(colActive, 1), "Y");
    Click(colActive, 1);
    EXPECT_EQ(grid->Cells(colActive, 1), "N");
    EXPECT_EQ(events, (QStringList{"check 5,1 1", "check 5,1 0"}));

    // Past the last Tab stop of the row the walk goes on in the next row.
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), (TGridCoord{colName, 2}));
}

}  // namespace
