// The SNMP manager, S7 and IEC 61850 server editors as the program reaches
// them: the main window's hidden step buttons open them, cells typed with
// the keyboard and mouse are saved and come back at the next
// showing, and a language change relabels them.

#include "tests/app/shell/ShellWindowsFixture.h"

#include "app/shell/buttons/LbButton.h"
#include "app/tables/network/UNetworkTablesStart.h"
#include "app/tables/network/iec61850/UIEC61850_Variables.h"
#include "app/tables/network/s7/US7_Protocol_Set_Access.h"
#include "app/tables/network/snmp/USNMPManagerAccess.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "grid/foundation/pagecontrol/ExPageControl.h"
#include "tests/support/KeyStrokes.h"

#include <QFile>
#include <QtGui/QMouseEvent>

namespace {

class NetworkTablesFromMain : public testsupport::ShellWindows {
protected:
    void SetUp() override
    {
        Start();
        Create_Network_Table_Windows();
        OpenConfiguration(QStringLiteral("Plant"));
    }
    void TearDown() override
    {
        Clear_Window_Registry();
        Destroy_Network_Table_Windows();
        ShellWindows::TearDown();
    }

    // A left click as the mouse makes it: pressed and released on the widget.
    static void Click(QWidget* widget, QPoint at)
    {
        for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(widget, &event);
        }
        QApplication::processEvents();
    }
    static void Click(QWidget* widget) { Click(widget, widget->rect().center()); }
    static QPoint Middle(TExColumnGrid* grid, int col, int row)
    {
        const TRect cell = grid->CellRect(col, row);
        return QPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2);
    }
    // A click on the cell, the text typed key by key, Enter.
    static void TypeInCell(TExColumnGrid* grid, int col, int row, const QString& text)
    {
        Click(grid->viewport(), Middle(grid, col, row));
        testsupport::TypeText(*grid, text);
        testsupport::TypeKey(*grid, Qt::Key_Return);
    }
    // The list cells take their item as a pick from the list sets it; the
    // pick itself through the keys is left to the grid's own tests.
    static void PickInCell(TExColumnGrid* grid, int col, int row, const QString& item)
    {
        ASSERT_TRUE(grid->Columns()->Items(col)->ComboItems()->IndexOf(item) >= 0) << col;
        grid->SetAllCells(col, row, item);
    }
    // Shows the editor through its step button; `work` runs while it is open.
    void Step(TLbButton* button, TableEditorFrame& editor, const std::function<void()>& work)
    {
        seams->HandleModal(editor, [&] {
            editor.activateWindow();
            QApplication::processEvents();
            work();
            if (editor.IsModalShowing())
                editor.SetModalResult(mrCancel);
        });
        main->Btn_Click(button);
    }
    static QStringList RowOfCells(TExColumnGrid* grid)
    {
        QStringList cells;
        for (int c = 1; c < grid->ColCount(); ++c)
            cells << grid->AllCells(c, 1);
        return cells;
    }
    void PressOK(TableEditorFrame& editor)
    {
        Click(editor.Btn_OK);
        EXPECT_FALSE(editor.IsModalShowing()) << seams->Messages().join('\n').toStdString();
    }
};

TEST_F(NetworkTablesFromMain, SnmpManagerRowsTypedAreSavedAndComeBack)
{
    TFSNMPManagerAccess& editor = *FSNMPManagerAccess;
    TExColumnGrid* grid = editor.ACG_SNMP();
    Step(main->Btn_SNMP_Manager_Access, editor, [&] {
        PickInCell(grid, 14, 1, "Float");
        PickInCell(grid, 3, 1, "2");
        TypeInCell(grid, 13, 1, "4");
        TypeInCell(grid, 5, 1, "1.3.6.1.2");
        TypeInCell(grid, 2, 1, "10.0.0.5");
        // a click on the number selects nothing in this table
        Click(grid->viewport(), Middle(grid, 0, 1));
        EXPECT_FALSE(grid->IsSelected(5, 1));
        platform::SaveScreenshot(editor, QStringLiteral("snmp_manager_typed"));
        PressOK(editor);
    });
    EXPECT_EQ(seams->Messages(), QStringList());
    Step(main->Btn_SNMP_Manager_Access, editor, [&] {
        EXPECT_EQ(grid->AllCells(2, 1), "10.0.0.5");
        EXPECT_EQ(grid->AllCells(3, 1), "2");
        EXPECT_EQ(grid->AllCells(5, 1), "1.3.6.1.2");
        EXPECT_EQ(grid->AllCells(14, 1), "Float");
        EXPECT_EQ(editor.UsedRows(0), 1);
    });
}

TEST_F(NetworkTablesFromMain, S7RowsTypedAreSavedAndComeBack)
{
    TFS7_Protocol_Set_Access& editor = *FS7_Protocol_Set_Access;
    TExColumnGrid* grid = editor.ACG_S7_Read();
    const QList<std::pair<int, QString>> typed = {{13, "500"}, {11, "16"}, {9, "7"}, {6, "2"},
                                                  {5, "0"},    {3, "102"},  {2, "10.1.1.1"}};
    const QList<std::pair<int, QString>> picked = {{15, "2"}, {14, "0"}, {12, "1"}, {10, "Inputs (I)"},
                                                   {8, "DB"}, {7, "Byte"}, {4, "S7300"}};
    Step(main->Btn_S7_Protocol_Access, editor, [&] {
        for (const auto& [col, item] : picked)
            PickInCell(grid, col, 1, item);
        for (const auto& [col, text] : typed)
            TypeInCell(grid, col, 1, text);
        platform::SaveScreenshot(editor, QStringLiteral("s7_read_typed"));
        editor.PageControl->SetActivePageIndex(1);
        platform::SaveScreenshot(editor, QStringLiteral("s7_write_page"));
        PressOK(editor);
    });
    EXPECT_EQ(seams->Messages(), QStringList());
    Step(main->Btn_S7_Protocol_Access, editor, [&] {
        EXPECT_EQ(editor.PageControl->ActivePageIndex(), 0);
        for (const auto& [col, text] : typed + picked)
            EXPECT_EQ(grid->AllCells(col, 1), text) << col;
        EXPECT_EQ(grid->AllCells(1, 1), "Y");
    });
}

TEST_F(NetworkTablesFromMain, IecVariablesTypedAreSavedAndComeBack)
{
    TFIEC61850_Variables& editor = *FIEC61850_Variables;
    TExColumnGrid* grid = editor.ACG();
    Step(main->Btn_IEC61850_Access, editor, [&] {
        PickInCell(grid, 9, 1, "None");
        PickInCell(grid, 8, 1, "None");
        PickInCell(grid, 3, 1, "Digital (Bit)");
        TypeInCell(grid, 6, 1, "1437");
        TypeInCell(grid, 4, 1, "1");
        TypeInCell(grid, 2, 1, "Pump 7");
        // the start bit of a bit is missing: the row is refused
        seams->AnswerMessage(mrOk);
        Click(editor.Btn_OK);
        EXPECT_EQ(seams->Messages().last(), "Error row 1!! Start Bit must be Selected ");
        PickInCell(grid, 7, 1, "5");
        Click(grid->viewport(), Middle(grid, 0, 1));
        EXPECT_TRUE(grid->IsSelected(5, 1));
        platform::SaveScreenshot(editor, QStringLiteral("iec61850_variables_typed"));
        PressOK(editor);
    });
    Step(main->Btn_IEC61850_Access, editor, [&] {
        EXPECT_EQ(RowOfCells(grid), QStringList({"Y", "Pump 7", "Digital (Bit)", "1", "", "1437", "5", "None",
                                                 "None", "", "", ""}));
    });
}

TEST_F(NetworkTablesFromMain, ALanguageChangeRelabelsTheThreeEditors)
{
    Lang_Texts.SetStrings(6100, QStringLiteral("Manager table"));
    Lang_Texts.SetStrings(6113, QStringLiteral("Object"));
    Lang_Texts.SetStrings(5915, QStringLiteral("Write page"));
    Lang_Texts.SetStrings(5043, QStringLiteral("Word swap"));
    main->Change_Language();
    EXPECT_EQ(FSNMPManagerAccess->Caption(), "Manager table");
    EXPECT_EQ(FSNMPManagerAccess->ACG_SNMP()->Columns()->Items(5)->Header(), "Object");
    EXPECT_EQ(FS7_Protocol_Set_Access->Sheets[1]->Caption(), "Write page");
    EXPECT_EQ(FIEC61850_Variables->ACG()->Columns()->Items(11)->Header(), "Word swap");
}

// Without a configuration the steps refuse and show nothing.
TEST_F(NetworkTablesFromMain, TheStepsNeedAConfiguration)
{
    Path_Project.clear();
    for (TLbButton* button : {main->Btn_SNMP_Manager_Access, main->Btn_S7_Protocol_Access, main->Btn_IEC61850_Access}) {
        seams->AnswerMessage(mrOk);
        main->Btn_Click(button);
    }
    EXPECT_EQ(seams->Messages(), QStringList(3, Lang_Texts[18]));
}

} // namespace
