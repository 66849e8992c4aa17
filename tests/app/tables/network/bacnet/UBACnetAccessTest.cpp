// The BACnet client table window: what it shows for each client type, its
// checks with their messages, its hints and its file.

#include "tests/app/tables/network/bacnet/BACnetAccessFixture.h"

#include "grid/foundation/pagecontrol/ExPageControl.h"
#include "platform/xml/XmlDocument.h"

#include <map>

namespace {

const QStringList Read_Row{"Y", "192.168.0.10", "Analog Input", "1", "Present Value (85)", "4", "N", "", "", "",
                           "1000", "0", "0", "0", "", "", "Temperature"};
const QStringList Write_Row{"Y", "192.168.0.10", "Analog Output", "Real", "1", "Present Value (85)", "0", "4", "N",
                            "", "", "", "N", "Y", "1000", "0", "4", "0", "", "", "Set point"};

TEST_F(BACnetAccess, ShowsTheAddressColumnOfTheClientType)
{
    // No "ParGen.xml": one box, IP addresses.
    Open([&] {
        EXPECT_EQ(editor->App_BACnet_Type, 0);
        EXPECT_EQ(ReadGrid()->Columns()->Items(2)->Header(), "IP Address");
        EXPECT_EQ(WriteGrid()->Columns()->Items(2)->Header(), "IP Address");
        for (TExColumnGrid* grid : {ReadGrid(), WriteGrid()}) {
            EXPECT_EQ(grid->RowCount(), 513);
            EXPECT_EQ(grid->AllCells(0, 512), "512");
            EXPECT_EQ(grid->AllCells(1, 512), "Y");
            EXPECT_EQ(grid->NumHiddenColumns(), 2); // Swap and Convertion
        }
        EXPECT_EQ(ReadGrid()->Columns()->Items(13)->ComboItems()->Count(), 1440);
        EXPECT_EQ(WriteGrid()->Columns()->Items(17)->ComboItems()->Count(), 1440);
        EXPECT_EQ((*WriteGrid()->Columns()->Items(17)->ComboItems())[1439], "1439");
        EXPECT_EQ(editor->ClientWidth(), 1000);
        EXPECT_EQ(editor->ClientHeight(), 337);
        EXPECT_EQ(editor->Btn_CopyRow, nullptr);
    }, 1);
    EXPECT_EQ(seams->Messages(), QStringList{Lang_Texts[1357]});

    WriteType(1);
    Open([&] {
        EXPECT_EQ(ReadGrid()->Columns()->Items(2)->Header(), "Slave ID");
        EXPECT_EQ(WriteGrid()->Columns()->Items(2)->Header(), "Slave ID");
    });
    WriteType(2);
    Open([&] {
        EXPECT_TRUE(ReadGrid()->IsHiddenColumn(2));
        EXPECT_TRUE(WriteGrid()->IsHiddenColumn(2));
    });
    WriteType(0);
    Open([&] { EXPECT_FALSE(ReadGrid()->IsHiddenColumn(2)); });
    EXPECT_EQ(seams->Messages().size(), 1);
}

TEST_F(BACnetAccess, ChecksReportTheFirstFaultWithGridAndRow)
{
    WriteType(0);
    struct Case {
        bool read;
        int row;
        std::map<int, QString> cells;
        QString message; // empty: passes
    };
    const Case cases[] = {
        {false, 1, {{4, "Double"}}, "Error in Write, row 1!! Data Type is not correct. Aspected Data Type is Real"},
        {true, 3, {{2, "10.0.0"}}, "Error in Read, row 3!! IP Address is not correct"},
        {false, 2, {{4, "Boolean"}, {3, "128"}, {8, "2"}}, "Error in Write, row 2!! NByte must be between 0 and 1"},
        {true, 1, {{7, "Y"}, {8, "1"}, {9, "M3"}, {10, ""}}, "Error in Read, row 1!! Destination Address has too few bytes"},
        // Enable must be exactly "Y": these rows are not checked.
        {true, 1, {{1, "y"}, {4, "x"}}, ""},
        {false, 1, {{1, " Y"}, {4, "x"}}, ""},
        {false, 1, {{1, "N"}, {4, "x"}}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        const int before = int(seams->Messages().size());
        const TModalResult result = Open([&] {
            TExColumnGrid* grid = c.read ? ReadGrid() : WriteGrid();
            QStringList row = c.read ? Read_Row : Write_Row;
            for (const auto& [col, text] : c.cells)
                row[col - 1] = text;
            for (int r = 1; r <= c.row; ++r)
                Fill(grid, r, r == c.row ? row : (c.read ? Read_Row : Write_Row));
            Fill(c.read ? WriteGrid() : ReadGrid(), 1, c.read ? Write_Row : Read_Row);
            if (!c.message.isEmpty())
                seams->AnswerMessage(mrOk);
            editor->Btn_OK->Click();
        });
        EXPECT_EQ(result, c.message.isEmpty() ? mrOk : mrCancel);
        EXPECT_EQ(seams->Messages().mid(before), c.message.isEmpty() ? QStringList() : QStringList{c.message});
    }
    // The unchecked row was saved as typed.
    platform::XmlDocument doc;
    ASSERT_TRUE(doc.LoadFile(File_BACnet_Master_Access));
    EXPECT_EQ(doc.Root().Child("BACnet_Write").Children().value(0).Attribute("Data_Type"), "x");
}

TEST_F(BACnetAccess, SaveAndShowRoundTripIsExact)
{
    WriteType(0);
    QStringList read2 = Read_Row;
    read2[0] = "N";
    read2[6] = "Y";
    read2[7] = "5";
    read2[8] = "M2";
    read2[9] = " 1 ,2";
    Open([&] {
        Fill(ReadGrid(), 1, Read_Row);
        Fill(ReadGrid(), 2, read2);
        Fill(WriteGrid(), 1, Write_Row);
        ReadGrid()->SetAllCells(15, 1, "Y"); // Swap is never saved
        editor->Btn_OK->Click();
    });
    const QString text = FileText(File_BACnet_Master_Access);
    EXPECT_TRUE(text.startsWith("<BACnet_Master_Access><BACnet_Read><row Enable=\"Y\" IP_Address_Slave_ID="
                                "\"192.168.0.10\" Object_Type=\"Analog Input\" Instance=\"1\" Property=\"Present "
                                "Value (85)\" NumByte=\"4\" Enable_Destination=\"N\" Destination_Network=\"\" "
                                "Destination_Length=\"\" Destination_Address=\"\" PollTime=\"1000\" MaxError=\"0\" "
                                "Position=\"0\" StartBit=\"0\" Mnemonic=\"Temperature\"/>"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("<BACnet_Write><row Enable=\"Y\" IP_Address_Slave_ID=\"192.168.0.10\" Object_Type="
                              "\"Analog Output\" Data_Type=\"Real\" Instance=\"1\" Property=\"Present Value (85)\" "
                              "Priority=\"0\" NumByte=\"4\" Enable_Destination=\"N\" Destination_Network=\"\" "
                              "Destination_Length=\"\" Destination_Address=\"\" OnChange=\"N\" OnTimer=\"Y\" "
                              "PollTime=\"1000\" MaxError=\"0\" Position=\"4\" StartBit=\"0\" Mnemonic=\"Set point\"/>"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("</BACnet_Master_Access><!--SW_VERSION = 1.002-->")) << text.toStdString();

    Open([&] {
        QStringList expected = Read_Row;
        EXPECT_EQ(RowOf(ReadGrid(), 1), expected);
        EXPECT_EQ(RowOf(ReadGrid(), 2), read2);
        EXPECT_EQ(RowOf(WriteGrid(), 1), Write_Row);
        EXPECT_EQ(ReadGrid()->AllCells(2, 3), "");
        editor->Btn_OK->Click();
    });
    EXPECT_EQ(FileText(File_BACnet_Master_Access), text);
}

TEST_F(BACnetAccess, MissingAttributesTakeTheirDefaults)
{
    WriteType(0);
    WriteFile(File_BACnet_Master_Access,
              "<BACnet_Master_Access><BACnet_Read><row IP_Address_Slave_ID=\"1.2.3.4\"/></BACnet_Read>"
              "<BACnet_Write><row IP_Address_Slave_ID=\"1.2.3.5\"/></BACnet_Write></BACnet_Master_Access>");
    Open([&] {
        EXPECT_EQ(ReadGrid()->AllCells(1, 1), "Y");
        EXPECT_EQ(ReadGrid()->AllCells(7, 1), "N");
        EXPECT_EQ(ReadGrid()->AllCells(3, 1), "");
        EXPECT_EQ(WriteGrid()->AllCells(9, 1), "N");
        EXPECT_EQ(WriteGrid()->AllCells(13, 1), "N");
        EXPECT_EQ(WriteGrid()->AllCells(14, 1), "N");
        EXPECT_EQ(WriteGrid()->AllCells(2, 1), "1.2.3.5");
    });
}

TEST_F(BACnetAccess, TypeTwoKeysOnObjectType)
{
    WriteType(2);
    QStringList row = Read_Row;
    row[1] = "";
    Open([&] {
        Fill(ReadGrid(), 1, row);
        Fill(ReadGrid(), 2, row);
        ReadGrid()->SetAllCells(3, 2, "Analog Value"); // an address-less row 2 stays in use
        editor->Btn_OK->Click();
    });
    platform::XmlDocument doc;
    ASSERT_TRUE(doc.LoadFile(File_BACnet_Master_Access));
    EXPECT_EQ(doc.Root().Child("BACnet_Read").Children().size(), 2);
    EXPECT_EQ(doc.Root().Child("BACnet_Write").Children().size(), 0);
}

TEST_F(BACnetAccess, RowsBelowTheFirstEmptyKeyAreNotDroppedUnasked)
{
    WriteType(0);
    const TModalResult result = Open([&] {
        Fill(ReadGrid(), 1, Read_Row);
        Fill(ReadGrid(), 3, Read_Row);
        seams->AnswerMessage(mrNo);
        editor->Btn_OK->Click();
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(seams->Messages(), QStringList{Lang_Texts[1107]});
    EXPECT_FALSE(QFile::exists(File_BACnet_Master_Access));
}

TEST_F(BACnetAccess, HintOfTheReadPropertyCell)
{
    WriteType(0);
    Open([&] {
        struct Case {
            const char* type;
            const char* property;
            const char* hint;
        };
        const Case cases[] = {{"Binary Input", "Present Value (85)", "1"},
                              {"Analog Value", "Present Value (85)", ""},
                              {"Accumulator", "PreScale (185)", "5"}};
        for (const Case& c : cases) {
            ReadGrid()->SetAllCells(3, 1, c.type);
            ReadGrid()->SetAllCells(5, 1, c.property);
            WriteGrid()->SetAllCells(3, 1, c.type);
            WriteGrid()->SetAllCells(5, 1, c.property);
            QString hint = "old";
            ReadGrid()->OnGridHint(ReadGrid(), 1, 5, hint);
            EXPECT_EQ(hint, c.hint) << c.type;
            WriteGrid()->OnGridHint(WriteGrid(), 1, 5, hint);
            EXPECT_EQ(hint, "");
        }
        QString hint = "old";
        ReadGrid()->OnGridHint(ReadGrid(), 0, 5, hint);
        EXPECT_EQ(hint, "");
    });
}

TEST_F(BACnetAccess, DestinationAddressCheckShowsItsFault)
{
    seams->AnswerMessage(mrOk);
    EXPECT_TRUE(editor->Check_Dest_Add(" 1, 2", 3, true, 4));
    EXPECT_FALSE(editor->Check_Dest_Add("1,2,255", 3, false, 5));
    EXPECT_EQ(seams->Messages(), QStringList{"Error in Read, row 4!! Destination Address has too few bytes"});
}

} // namespace
