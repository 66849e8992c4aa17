// The BACnet server table window: its grids, its checks with their messages,
// the unit chooser on the Eng. Unit cells, the Length default of the write
// types, the row buttons and its file.

#include "tests/app/tables/common/TableEditorFixture.h"

#include "app/tables/network/bacnet/UBACnetSlaveSetAccess.h"
#include "app/tables/network/bacnet/UBACnet_Eng_Unit.h"
#include "grid/cells/editors/GridEditors.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/panels/Label.h"
#include "platform/xml/XmlDocument.h"

#include <QtTest/QTest>

namespace {

class BACnetServer : public TableEditorTest<TFBACnetSlaveSetAccess> {
protected:
    void SetUp() override
    {
        StartProject();
        File_BACnet_Slave_SetAccess = Path_Project + "/BACnet_Slave_SetAccess.xml";
        CreateEditor();
        chooser.reset(platform::CreateForm<TFBACnet_Eng_Unit>());
        FBACnet_Eng_Unit = chooser.get();
    }
    void TearDown() override { FBACnet_Eng_Unit = nullptr; }

    TExColumnGrid* ReadGrid() const { return editor->ACG_BACnet_in_Read(); }
    TExColumnGrid* WriteGrid() const { return editor->ACG_BACnet_in_Write(); }
    static QStringList RowOf(TExColumnGrid* grid, int row) { return TableEditorTest::RowOf(grid, row, 8); }
    static void WriteLimit()
    {
        Write(File_ParGen, "<Par_Gen><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></Par_Gen>");
    }
    // A valid row of a type that takes any Length.
    static void FillRows(TExColumnGrid* grid, int count)
    {
        for (int r = 1; r <= count; ++r)
            Fill(grid, r, {"Integer Value", "95", "0", "", "1", "N", "v"});
    }
    // Picks an item of a list box as a click on it does.
    static void Pick(TComboBox* box, const QString& item)
    {
        const int index = box->Items().IndexOf(item);
        ASSERT_GE(index, 0) << item.toStdString();
        box->SetItemIndex(index);
        Q_EMIT box->activated(index);
    }
    // OK with a fault box answered when one is expected; the boxes shown.
    QStringList PressOK(bool fault)
    {
        const int before = int(seams->Messages().size());
        if (fault)
            seams->AnswerMessage(mrOk);
        editor->Btn_OK->Click();
        return seams->Messages().mid(before);
    }

    std::unique_ptr<TFBACnet_Eng_Unit> chooser;
};

TEST_F(BACnetServer, CreatedWithTwoPagesOfEightColumns)
{
    EXPECT_EQ(editor->ClientWidth(), 764);
    EXPECT_EQ(editor->ClientHeight(), 337);
    EXPECT_EQ(editor->Caption(), "BACnet Set Access");
    EXPECT_EQ(editor->Sheets[0]->Caption(), "BACnet in Read");
    EXPECT_EQ(editor->Sheets[1]->Caption(), "BACnet in Write");
    EXPECT_FALSE(editor->Btn_OK->ShowHint());
    EXPECT_FALSE(editor->Btn_InsRow->ShowHint());
    EXPECT_TRUE(editor->Btn_CopyRow->ShowHint());
    EXPECT_EQ(editor->Btn_PasteRow->Hint(), Lang_Texts[1515]);
    for (TExColumnGrid* grid : {ReadGrid(), WriteGrid()}) {
        EXPECT_EQ(grid->ColCount() + grid->NumHiddenColumns(), 8);
        EXPECT_TRUE(grid->IsHiddenColumn(6)) << "Swap";
        EXPECT_EQ(grid->Columns()->Items(2)->Header(), "Eng. Unit");
        EXPECT_EQ(grid->Columns()->Items(7)->Header(), "Mnemonic");
        EXPECT_EQ(grid->Columns()->Items(4)->ComboItems()->Count(), 8);
    }
    EXPECT_EQ(ReadGrid()->Columns()->Items(1)->ComboItems()->Count(), 13);
    EXPECT_EQ(WriteGrid()->Columns()->Items(1)->ComboItems()->Count(), 10);
    EXPECT_EQ((*WriteGrid()->Columns()->Items(1)->ComboItems())[0], "Analog Out");

    Open([&] {
        EXPECT_EQ(editor->PageControl->ActivePageIndex(), 0);
        for (TExColumnGrid* grid : {ReadGrid(), WriteGrid()}) {
            EXPECT_EQ(grid->RowCount(), 2001);
            EXPECT_EQ(grid->AllCells(0, 2000), "2000");
            EXPECT_EQ(RowOf(grid, 2000), QStringList(7, QString())) << "no Enable column";
            EXPECT_EQ(grid->Columns()->Items(3)->ComboItems()->Count(), 1500);
        }
    });
    EXPECT_EQ(seams->Messages(), QStringList());
}

TEST_F(BACnetServer, ChecksReportTheFirstFaultOfTheirPageAndRow)
{
    const struct {
        bool read;
        QStringList row; // Data Type, Eng. Unit, Position, Start Bit, Length, Swap, Mnemonic
        QString message; // empty: passes
    } cases[] = {
        {true, {"Analog Input", "62", "1496", "", "4", "N", "t"}, ""},
        {true, {"Analog Input", "62", "1497", "", "4", "N", "t"},
         "Error row 1!! [BACnet in Read] Too many bytes to save starting from the Position indicate"},
        {true, {"Binary Input", "62", "3", "", "1", "N", "t"}, "Error row 1" + Lang_Texts[1545]},
        {true, {"Binary Input", "62", "3", "", "x", "N", "t"}, "Error row 1" + Lang_Texts[1545]},
        {true, {"Binary Input", "62", "1499", "7", "x", "N", "t"}, ""},
        {true, {"Integer Value", "62", "3", "", "0", "N", "t"}, ""},
        {true, {"Integer Value", "62", "3", "", "", "N", "t"}, ""},
        {true, {"Integer Value", "62", "3", "", "9", "N", "t"}, ""},
        {true, {"Analog Input", "", "0", "", "4", "N", "t"}, "Error row 1" + Lang_Texts[1533]},
        {false, {"Analog Out", "", "0", "", "4", "N", "t"}, "Error row 1" + Lang_Texts[1547]},
        {true, {"Analog Input", "65536", "0", "", "4", "N", "t"}, "Error row 1" + Lang_Texts[1533]},
        {true, {"Access Door", "62", "0", "", "2", "N", "t"},
         "Error row 1!! [BACnet in Read] Length with variable \"Access Door\" must be equal to 1"},
        {false, {"Access Door", "62", "0", "", "2", "N", "t"}, "Error row 1" + Lang_Texts[1556]},
        {true, {"Analog Input", "62", "1500", "", "4", "N", "t"},
         "Error row 1!! [BACnet in Read] Position must be between 0 and 1499"},
        {false, {"Integer Value", "62", "0", "", "5", "N", "t"}, "Error row 1" + Lang_Texts[1553]},
        {false, {"Large Analog Value", "0", "1492", "", "8", "N", "t"}, ""},
        {false, {"Binary Out", "62", "0", "", "", "N", "t"}, "Error row 1" + Lang_Texts[1557]},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.row.join(',') + " " + c.message).toStdString());
        QFile::remove(File_BACnet_Slave_SetAccess);
        const TModalResult result = Open([&] {
            Fill(c.read ? ReadGrid() : WriteGrid(), 1, c.row);
            const QStringList boxes = PressOK(!c.message.isEmpty());
            EXPECT_EQ(boxes, c.message.isEmpty() ? QStringList() : QStringList{c.message});
        });
        EXPECT_EQ(result, c.message.isEmpty() ? mrOk : mrCancel);
        EXPECT_EQ(QFile::exists(File_BACnet_Slave_SetAccess), c.message.isEmpty());
    }

    // The read page is checked first; the row number counts within its page.
    Open([&] {
        Fill(ReadGrid(), 1, {"Analog Input", "62", "0", "", "4", "N", "t"});
        Fill(ReadGrid(), 2, {"Analog Input", "62", "4", "", "9", "N", "t"});
        Fill(WriteGrid(), 1, {"Analog Out", "", "0", "", "4", "N", "t"});
        EXPECT_EQ(PressOK(true), QStringList{"Error row 2" + Lang_Texts[1535]});
    });
}

TEST_F(BACnetServer, RequestsAreLimitedOverBothPages)
{
    const struct {
        bool limit;
        int read, write;
        QString message;
    } cases[] = {
        {false, 1200, 900, "Error!! Too many Requests. Max requests 2000"},
        {false, 1200, 800, ""},
        {true, 600, 500, "Error!! Too many Requests. Max requests 1000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        QFile::remove(File_BACnet_Slave_SetAccess);
        if (c.limit)
            WriteLimit();
        Open([&] {
            for (TExColumnGrid* grid : {ReadGrid(), WriteGrid()})
                EXPECT_EQ(grid->RowCount(), c.limit ? 1001 : 2001);
            FillRows(ReadGrid(), c.read);
            FillRows(WriteGrid(), c.write);
            const QStringList boxes = PressOK(!c.message.isEmpty());
            EXPECT_EQ(boxes, c.message.isEmpty() ? QStringList() : QStringList{c.message});
        });
    }
}

TEST_F(BACnetServer, MoreSavedRowsThanTheLimitedGridHoldsAreReported)
{
    Open([&] {
        FillRows(ReadGrid(), 1200);
        EXPECT_TRUE(PressOK(false).isEmpty());
    });
    WriteLimit();
    Open([&] {
        EXPECT_EQ(ReadGrid()->RowCount(), 1001);
        EXPECT_EQ(ReadGrid()->AllCells(1, 1000), "Integer Value");
    }, 1);
    EXPECT_EQ(seams->Messages(), QStringList{Lang_Texts[1256]});
}

TEST_F(BACnetServer, ChoosingAWriteTypeSetsItsLength)
{
    const struct {
        int page;
        QString type;
        QString length;
    } cases[] = {
        {1, "Large Analog Value", "8"},
        {1, "Binary Out", "1"},
        {1, "Multi State Output", "4"},
        {1, "Analog Value", "4"},
        {0, "Large Analog Value", "3"},
    };
    Open([&] {
        editor->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
        for (int i = 0; i < int(std::size(cases)); ++i) {
            SCOPED_TRACE(cases[i].type.toStdString());
            editor->PageControl->SetActivePageIndex(cases[i].page);
            TExColumnGrid* grid = editor->Grid(cases[i].page);
            const int row = i + 1;
            grid->SetAllCells(5, row, "3");
            const TRect cell = grid->CellRect(1, row);
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                              QPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2));
            QTest::keyClick(grid, Qt::Key_F2);
            ASSERT_TRUE(grid->EditCombo() && grid->EditCombo()->isVisible());
            Pick(grid->EditCombo(), cases[i].type);
            EXPECT_EQ(grid->AllCells(5, row), cases[i].length);
            QTest::keyClick(grid->EditCombo(), Qt::Key_Return);
            EXPECT_EQ(grid->AllCells(1, row), cases[i].type);
        }
    });
}

TEST_F(BACnetServer, ARowCopiedOnOnePageIsNotPastedOnTheOther)
{
    Open([&] {
        Fill(ReadGrid(), 1, {"Analog Input", "62", "0", "", "4", "N", "t"});
        ReadGrid()->FocusCell(1, 1);
        editor->Btn_CopyRow->Click();
        editor->PageControl->SetActivePageIndex(1);
        seams->AnswerMessage(mrOk);
        editor->Btn_PasteRow->Click();
        EXPECT_EQ(RowOf(WriteGrid(), 1), QStringList(7, QString()));

        editor->PageControl->SetActivePageIndex(0);
        ReadGrid()->FocusCell(1, 3);
        editor->Btn_PasteRow->Click();
        EXPECT_EQ(RowOf(ReadGrid(), 3), RowOf(ReadGrid(), 1));

        // Insert Row sets no cell of the new row.
        ReadGrid()->FocusCell(1, 1);
        editor->Btn_InsRow->Click();
        EXPECT_EQ(RowOf(ReadGrid(), 1), QStringList(7, QString()));
        EXPECT_EQ(ReadGrid()->AllCells(1, 2), "Analog Input");
    });
    EXPECT_EQ(seams->Messages(), QStringList{Lang_Texts[1102]});
}

TEST_F(BACnetServer, SavesAndShowsTheTableExactly)
{
    const QStringList read1{"Analog Input", "62", "0", "", "4", "N", " Boiler; flow "};
    const QStringList read2{"Binary Value", "95", "4", "7", "", "Y", ""};
    const QStringList write1{"Access Door", "0", "1499", "", "1", "N", "Door"};
    Open([&] {
        Fill(ReadGrid(), 1, read1);
        Fill(ReadGrid(), 2, read2);
        Fill(WriteGrid(), 1, write1);
        EXPECT_TRUE(PressOK(false).isEmpty());
    });

    platform::XmlDocument doc;
    ASSERT_TRUE(doc.LoadFile(File_BACnet_Slave_SetAccess));
    EXPECT_EQ(doc.Root().Name(), "BACnet_to_Modbus");
    EXPECT_EQ(doc.Comments(), QStringList{"SW_VERSION = 1.000"});
    const QList<platform::XmlElement> rows = doc.Root().Child("BACnet_in_Read").Children();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].AttributeNames(),
              (QStringList{"Data_Type", "Eng_Unit", "Position", "Bit", "Length", "Swap", "Mnemonic"}));
    EXPECT_EQ(doc.Root().Child("BACnet_in_Write").Children().size(), 1);

    Open([&] {
        EXPECT_EQ(RowOf(ReadGrid(), 1), read1);
        EXPECT_EQ(RowOf(ReadGrid(), 2), read2);
        EXPECT_EQ(RowOf(ReadGrid(), 3), QStringList(7, QString()));
        EXPECT_EQ(RowOf(WriteGrid(), 1), write1);
    });

    // Swap is the one column with a default: a row without it shows "N".
    Write(File_BACnet_Slave_SetAccess, "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog Input\" "
                                       "Eng_Unit=\"1\" Position=\"0\" Bit=\"\" Length=\"4\" Mnemonic=\"m\"/>"
                                       "</BACnet_in_Read><BACnet_in_Write/></BACnet_to_Modbus>");
    Open([&] { EXPECT_EQ(RowOf(ReadGrid(), 1), (QStringList{"Analog Input", "1", "0", "", "4", "N", "m"})); });
}

TEST_F(BACnetServer, ADoubleClickOnAnEngUnitDataCellOpensTheChooser)
{
    Open([&] {
        TExColumnGrid* grid = ReadGrid();
        grid->SetAllCells(2, 1, "62");
        // OK takes the unit chosen by category and name.
        seams->HandleModal(*chooser, [&] {
            EXPECT_EQ(chooser->Label5->Caption(), "-> degrees-Celsius");
            Pick(chooser->CB_Select_Type, "Temperature");
            Pick(chooser->CB_Select_Unit, "degrees-Fahrenheit");
            chooser->Btn_Select_Eng_Unit->Click();
            chooser->Btn_OK->Click();
        });
        grid->OnDblClickCell(grid, 1, 2);
        EXPECT_EQ(grid->AllCells(2, 1), "64");

        // Cancel keeps the cell, even after a unit was selected.
        seams->HandleModal(*chooser, [&] {
            EXPECT_EQ(chooser->E_Selected_EU->Text(), "");
            EXPECT_EQ(chooser->Label5->Caption(), "-> unknown");
            chooser->Btn_Select_Eng_Unit->Click();
            chooser->Btn_Cancel->Click();
        });
        WriteGrid()->OnDblClickCell(WriteGrid(), 4, 2);
        EXPECT_EQ(WriteGrid()->AllCells(2, 4), "");

        // The header and the other columns open nothing.
        const QString header = grid->AllCells(2, 0);
        grid->OnDblClickCell(grid, 0, 2);
        grid->OnDblClickCell(grid, 1, 3);
        EXPECT_EQ(grid->AllCells(2, 0), header);
    });
    EXPECT_EQ(seams->Shown().size(), 3u) << "the table and the chooser twice";
}

} // namespace
