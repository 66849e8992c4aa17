// The editors of form controls in cell markup: where they stand, what they
// show, what they write back, and Tab and Enter in them.

#include "grid/cells/editors/ControlEditors.h"
#include "grid/engine/ExGrid.h"
#include "platform/core/StringList.h"
#include "platform/ui/window/ModalSeams.h"
#include "tests/grid/cells/GridInWindow.h"

#include <QtTest/QTest>
#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << '{' << l.join(" | ").toStdString() << '}'; }
QT_END_NAMESPACE

namespace {

const QString twoEdits = QStringLiteral("Name <CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"one\" WIDTH=\"60\"> "
                                        "<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"TRUE\"> "
                                        "<CONTROL TYPE=\"EDIT\" ID=\"e2\" VALUE=\"two\" WIDTH=\"60\">");

class ControlEditors : public GridInWindow {
protected:
    QStringList log;

    void SetUp() override
    {
        MakeGrid(500, 450);
        grid->SetColWidths(1, 300);
        grid->SetRowHeights(1, 40);
        grid->OnControlEditDone = [this](TObject*, int r, int c, const QString& id, const QString& type,
                                         const QString& value) {
            log << QString("done %1,%2 %3 %4 %5").arg(c).arg(r).arg(id, type, value);
        };
        ShowWindow();
        grid->SetCol(1);
        grid->SetRow(1);
    }
    void Open(const QString& type, const QString& value, const QString& text = QString())
    {
        grid->ShowCellControlEditor(text, type, 1, 1, 1, TRect{10, 20, 110, 44}, value, "x");
    }
};

TEST_F(ControlEditors, TheEditStandsInTheControlAndHidesAPassword)
{
    const struct {
        const char* type;
        QChar password;
    } cases[] = {{"EDIT", QChar()}, {"PASSWORD", QChar(u'*')}};
    for (const auto& c : cases) {
        Open(c.type, "secret");
        TControlEdit* editor = grid->ControlEdit();
        ASSERT_TRUE(editor->isVisible());
        EXPECT_EQ(editor->geometry(), QRect(11, 28, 96, 14));
        EXPECT_EQ(editor->PasswordChar(), c.password);
        EXPECT_EQ(editor->echoMode(), c.password.isNull() ? QLineEdit::Normal : QLineEdit::Password);
        EXPECT_EQ(editor->Text(), "secret");
        grid->EndCellControlEdit();
        EXPECT_FALSE(editor->isVisible());
    }
    grid->ShowCellControlEditor(QString(), "BUTTON", 1, 1, 1, TRect{10, 20, 110, 44}, "b", "x");
    EXPECT_FALSE(grid->CtrlEditing());
}

TEST_F(ControlEditors, AComboValueOutsideItsItemsShowsAsTextAndEachControlHasOnlyItsOwnItems)
{
    grid->OnControlComboList = [](TObject*, int, int, const QString& id, const QString&, const QString&,
                                  TStringList* values, bool&, int& dropCount) {
        EXPECT_EQ(dropCount, 8);
        values->Add(id + "1");
        values->Add(id + "2");
    };
    grid->ShowCellControlEditor(QString(), "COMBO", 1, 1, 1, TRect{10, 20, 110, 44}, "other", "a");
    TControlCombo* combo = grid->ControlCombo();
    EXPECT_TRUE(grid->CtrlEditing()) << log.join(";").toStdString();
    ASSERT_TRUE(combo->isVisible());
    EXPECT_EQ(combo->Style(), csDropDown);
    EXPECT_EQ(combo->Text(), "other");
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->ItemHeight(), 16);
    EXPECT_EQ(combo->DropHeight(), 160);
    EXPECT_EQ(combo->x(), 9);
    EXPECT_EQ(combo->y(), 24);
    EXPECT_EQ(combo->width(), 100);
    grid->EndCellControlEdit();

    grid->ShowCellControlEditor(QString(), "COMBO", 1, 1, 1, TRect{10, 20, 110, 44}, "b2", "b");
    EXPECT_EQ(combo->Items().ToStringList(), (QStringList{"b1", "b2"}));
    EXPECT_EQ(combo->ItemIndex(), 1);
    grid->EndCellControlEdit();
}

TEST_F(ControlEditors, TabWalksTheEditableControlsAndOnlyTheEditedValueChanges)
{
    grid->SetCells(1, 1, twoEdits);
    ASSERT_TRUE(grid->FocusNextCellControl(1, 1, QString()));
    TControlEdit* editor = grid->ControlEdit();
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->Text(), "one");
    platform::SaveScreenshot(*window, "form_control_editor");
    editor->selectAll();
    QTest::keyClicks(editor, "uno");
    QTest::keyClick(editor, Qt::Key_Tab);
    QString expected = twoEdits;
    expected.replace("\"one\"", "\"uno\"");
    EXPECT_EQ(grid->Cells(1, 1), expected);
    ASSERT_TRUE(editor->isVisible());  // now over e2: the check box is passed over
    EXPECT_EQ(editor->Text(), "two");
    QTest::keyClick(editor, Qt::Key_Tab);  // no further control: the grid takes the focus
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_EQ(grid->Cells(1, 1), expected);
    EXPECT_EQ(log, (QStringList{"done 1,1 e1 EDIT uno", "done 1,1 e2 EDIT two"}));
}

TEST_F(ControlEditors, EnterEndsTheEditAndGivesTheFocusToTheGrid)
{
    grid->SetCells(1, 1, twoEdits);
    grid->FocusNextCellControl(1, 1, "e1");
    TControlEdit* editor = grid->ControlEdit();
    ASSERT_TRUE(editor->isVisible());
    editor->selectAll();
    QTest::keyClicks(editor, "deux");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_TRUE(grid->Cells(1, 1).contains("ID=\"e2\" VALUE=\"deux\""));
    EXPECT_TRUE(grid->Cells(1, 1).contains("ID=\"e1\" VALUE=\"one\""));
}

}  // namespace
