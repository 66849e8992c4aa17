// The S7 access tables: the checks of both tables in their order, the PLC
// connections both tables share, the row buttons across the two pages and
// the file.

#include "app/tables/network/s7/US7_Protocol_Set_Access.h"
#include "tests/app/tables/common/TableEditorFixture.h"

namespace {

// A read row from column 1 that passes every check.
QStringList ReadRow(const QString& address = "192.168.0.10", const QString& port = "102")
{
    return {"Y", address, port, "S71200", "0", "1", "Int", "DB", "1", "Inputs (I)", "0", "0", "1000", "0", "0",
            "N", "N", "r"};
}

QStringList WriteRow(const QString& address = "192.168.0.10", const QString& port = "102")
{
    return {"Y", address, port, "S71200", "0", "1", "Int", "DB", "1", "Output (Q)", "0", "0", "0", "N", "N",
            "0", "0", "N", "N", "w"};
}

// Cells by real column as the checks take them: column 0 first.
QStringList Cells(const QStringList& row)
{
    return QStringList{"1"} + row;
}

TIPPortArray TenConnections()
{
    TIPPortArray connections;
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(Check_IP_Port(connections, 10, 0, 0, i, 102), i - 1);
    return connections;
}

TEST(S7Connections, AnEqualConnectionIsFoundAndANewOneTakesTheFirstFreeEntry)
{
    TIPPortArray connections = TenConnections();
    EXPECT_EQ(Check_IP_Port(connections, 10, 0, 0, 4, 102), 3);
    EXPECT_EQ(Check_IP_Port(connections, 10, 0, 0, 4, 103), -1);
    EXPECT_EQ(Check_IP_Port(connections, 10, 0, 0, 11, 102), -1);
    TIPPortArray two;
    EXPECT_EQ(Check_IP_Port(two, 1, 2, 3, 4, 102), 0);
    EXPECT_EQ(Check_IP_Port(two, 1, 2, 3, 4, 502), 1);
    EXPECT_EQ(Check_IP_Port(two, 1, 2, 3, 4, 102), 0);
    EXPECT_EQ(two[2].IP1, -1);
}

// A row faulty in every checked cell is mended one cell at a time; each step
// shows the next check's text. The connection table is full, so an eleventh
// address fails until the row takes one of the ten.
TEST(S7Checks, EveryCheckInItsOrder)
{
    struct Step {
        int column;
        QString mend;
        int fault;
    };
    const QList<Step> read = {
        {2, "10.0.0.99", 5971}, {3, "102", 5972}, {2, "10.0.0.1", 5987}, {4, "S7300", 5973}, {5, "3", 6021},
        {6, "31", 6022}, {7, "Bit", 5974}, {8, "DB", 5975}, {9, "65535", 6005}, {10, "Inputs (I)", 6006},
        {11, "65535", 6007}, {12, "7", 6008}, {13, "1", 5976}, {14, "1499", 5977}, {15, "7", 5978},
    };
    const QList<Step> write = {
        {2, "10.0.0.99", 5979}, {3, "102", 5980}, {2, "10.0.0.1", 5988}, {4, "S7300", 5981}, {5, "3", 6023},
        {6, "31", 6024}, {7, "Bit", 5982}, {8, "DB", 5983}, {9, "65535", 6009}, {10, "Inputs (I)", 6010},
        {11, "65535", 6011}, {12, "7", 6012}, {13, "0", 5984}, {16, "1499", 5985}, {17, "7", 5986},
    };
    const QStringList badRead = {"1", "Y", "192.168. 1.1", "502 ", " ", "4", "32", "", "", "65536", "",
                                 "-1", "", "0", "1500", "", "N", "N", ""};
    const QStringList badWrite = {"1", "Y", "192.168. 1.1", "502 ", " ", "4", "32", "", "", "65536", "",
                            "-1", "", "100000001", "N", "N", "1500", "", "N", "N", ""};
    for (const bool isWrite : {false, true}) {
        QStringList cells = isWrite ? badWrite : badRead;
        for (const Step& step : isWrite ? write : read) {
            SCOPED_TRACE(step.fault);
            TIPPortArray connections = TenConnections();
            EXPECT_EQ(S7_Row_Fault(cells, isWrite, connections, 1500), step.fault);
            cells[step.column] = step.mend;
        }
        TIPPortArray connections = TenConnections();
        EXPECT_EQ(S7_Row_Fault(cells, isWrite, connections, 1500), 0);
    }
}

TEST(S7Checks, SingleCells)
{
    struct Case {
        bool write;
        int column;
        QString text;
        int fault;
    };
    const Case cases[] = {
        {false, 2, "192.168. 1.1", 5971},
        {false, 2, " 192.168.1.1", 5971},
        {false, 2, "192.168.1.1 ", 5971},
        {false, 2, "", 5971},
        {false, 2, "192.168.1.256", 5971},
        {false, 3, "502 ", 5972},
        {false, 3, "65536", 5972},
        {false, 3, "x1F6", 0},
        {false, 3, "$FFFF", 0},
        {false, 5, "4", 6021},
        {false, 6, "32", 6022},
        {false, 13, "0", 5976},
        {true, 13, "0", 0},
        {true, 13, "-1", 5984},
        {false, 14, "1500", 5977},
        {true, 16, "1500", 5985},
        {true, 14, "", 0}, // On Change is not checked
        {false, 16, "maybe", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((QString::number(c.column) + " " + c.text).toStdString());
        QStringList cells = Cells(c.write ? WriteRow() : ReadRow());
        cells[c.column] = c.text;
        TIPPortArray connections;
        EXPECT_EQ(S7_Row_Fault(cells, c.write, connections, 1500), c.fault);
    }
}

class S7Access : public TableEditorTest<TFS7_Protocol_Set_Access> {
protected:
    void SetUp() override
    {
        StartProject();
        File_S7_Protocol = Path_Project + "/S7_Protocol.xml";
        CreateEditor();
    }

    TExColumnGrid* Rd() const { return editor->ACG_S7_Read(); }
    TExColumnGrid* Wr() const { return editor->ACG_S7_Write(); }

    // Shows the editor, fills the tables, presses OK; the boxes shown.
    QStringList PressOK(const QList<QStringList>& read, const QList<QStringList>& write, bool fault)
    {
        QFile::remove(File_S7_Protocol);
        const int before = int(seams->Messages().size());
        const TModalResult result = Open([&] {
            for (int i = 0; i < read.size(); ++i)
                Fill(Rd(), i + 1, read[i]);
            for (int i = 0; i < write.size(); ++i)
                Fill(Wr(), i + 1, write[i]);
            if (fault)
                seams->AnswerMessage(mrOk);
            editor->Btn_OK->Click();
        });
        EXPECT_EQ(result, fault ? mrCancel : mrOk);
        return seams->Messages().mid(before);
    }
};

TEST_F(S7Access, MessagesNameTheTableTheRowAndTheLastPosition)
{
    EXPECT_EQ(PressOK({ReadRow()}, {WriteRow()}, false), QStringList());
    QStringList read = ReadRow();
    read[13] = "1500";
    EXPECT_EQ(PressOK({ReadRow(), read}, {}, true),
              QStringList{"Error row 2!! [S7comm Read] Position must be between 0 and 1499"});
    QStringList write = WriteRow();
    write[15] = "1500";
    EXPECT_EQ(PressOK({}, {write}, true),
              QStringList{"Error row 1!! [S7comm Write] Position must be between 0 and 1499"});
    // a fault of the read table comes before one of the write table
    read = ReadRow();
    read[4] = "4";
    EXPECT_EQ(PressOK({read}, {write}, true), QStringList{"Error row 1!! [S7comm Read] Rack must be between 0 and 3"});
}

TEST_F(S7Access, TenConnectionsAreSharedByBothTables)
{
    QList<QStringList> ten;
    for (int i = 1; i <= 10; ++i)
        ten << ReadRow("10.0.0." + QString::number(i));
    QList<QStringList> thirty;
    for (int i = 0; i < 30; ++i)
        thirty << ReadRow("10.0.0." + QString::number(i % 10 + 1));
    const QString eleventh = "Error row 1!! [S7comm Write] Device support 10 connection";

    EXPECT_EQ(PressOK(ten, {}, false), QStringList());
    EXPECT_EQ(PressOK(ten + thirty, {WriteRow("10.0.0.10")}, false), QStringList());
    EXPECT_EQ(PressOK(ten, {WriteRow("10.0.0.11")}, true), QStringList{eleventh});
    // one address with another port is another connection
    EXPECT_EQ(PressOK(ten, {WriteRow("10.0.0.10", "103")}, true), QStringList{eleventh});
    QList<QStringList> fivePairs;
    for (int i = 1; i <= 5; ++i)
        fivePairs << ReadRow("10.0.0." + QString::number(i), "102") << ReadRow("10.0.0." + QString::number(i), "103");
    EXPECT_EQ(PressOK(fivePairs, {WriteRow("10.0.0.6")}, true), QStringList{eleventh});
    // a disabled row holds no connection
    QList<QStringList> withDisabled = ten;
    withDisabled[9][0] = "N";
    EXPECT_EQ(PressOK(withDisabled, {WriteRow("10.0.0.11")}, false), QStringList());
}

// Connections counted by an OK that failed are not kept for the next OK.
TEST_F(S7Access, EveryOkCountsTheConnectionsAfresh)
{
    QList<QStringList> ten;
    for (int i = 1; i <= 10; ++i)
        ten << ReadRow("10.0.0." + QString::number(i));
    QList<QStringList> otherTen;
    for (int i = 11; i <= 20; ++i)
        otherTen << ReadRow("10.0.0." + QString::number(i));
    QStringList late = ReadRow("10.0.0.1");
    late[6] = "";
    EXPECT_EQ(PressOK(ten + QList<QStringList>{late}, {}, true),
              QStringList{"Error row 11!! [S7comm Read] Data Type cannot be empty"});
    EXPECT_EQ(PressOK(otherTen, {}, false), QStringList());
    EXPECT_EQ(editor->array_ip_Port[0].IP4, 11);
    EXPECT_EQ(editor->Check_IP_Port(10, 0, 0, 21, 102), -1);
}

TEST_F(S7Access, FreshOkWritesTheRootTheCommentAndTwoEmptySections)
{
    EXPECT_EQ(Open([&] { editor->Btn_OK->Click(); }), mrOk);
    EXPECT_EQ(Read(File_S7_Protocol).toStdString(),
              "<S7_Protocol><S7_Protocol_Read/><S7_Protocol_Write/></S7_Protocol><!--SW_VERSION = 1.000-->");
}

TEST_F(S7Access, AFixtureIsWrittenBackByteForByte)
{
    const QString fixture = Read(CONFIGURATOR_FIXTURES "/tables/S7_Protocol.xml");
    ASSERT_FALSE(fixture.isEmpty());
    Write(File_S7_Protocol, fixture);
    EXPECT_EQ(Open([&] {
                  EXPECT_EQ(Rd()->AllCells(18, 2), " not  yet ");
                  EXPECT_EQ(Wr()->AllCells(20, 1), "Valve set point");
                  editor->Btn_OK->Click();
              }),
              mrOk);
    EXPECT_EQ(Read(File_S7_Protocol).toStdString(), fixture.toStdString());
}

TEST_F(S7Access, OnlyEnableRackAndSlotHaveDefaults)
{
    Write(File_S7_Protocol, "<S7_Protocol><S7_Protocol_Read>"
                            "<row PLC_Address=\"10.0.0.1\" PLC_Type=\"S7300\" Mnemonic=\"m\"/>"
                            "<row Enable=\"N\" PLC_Address=\"10.0.0.2\" PLC_Port=\"102\"/>"
                            "</S7_Protocol_Read><S7_Protocol_Write><row Swap=\"Y\"/><row PLC_Address=\"10.0.0.3\"/>"
                            "</S7_Protocol_Write></S7_Protocol>");
    Open([&] {
        EXPECT_EQ(RowOf(Rd(), 1, 19), QStringList({"Y", "10.0.0.1", "", "S7300", "0", "0", "", "", "", "", "", "",
                                                   "", "", "", "", "", "m"}));
        EXPECT_EQ(RowOf(Rd(), 2, 19).mid(0, 6), QStringList({"N", "10.0.0.2", "102", "", "0", "0"}));
        EXPECT_EQ(RowOf(Wr(), 1, 21).mid(17, 1), QStringList{"Y"});
        EXPECT_EQ(Wr()->AllCells(2, 2), "10.0.0.3");
        // the row without a port is refused for it
        seams->AnswerMessage(mrOk);
        editor->Btn_OK->Click();
        EXPECT_TRUE(editor->IsModalShowing());
    });
    EXPECT_EQ(seams->Messages(), QStringList{"Error row 1!! [S7comm Read] PLC Port must be between 0 and 65535"});
}

TEST_F(S7Access, RowButtonsActOnTheActivePage)
{
    EXPECT_EQ(editor->ClientWidth(), 1350);
    EXPECT_EQ(editor->ClientHeight(), 337);
    EXPECT_EQ(editor->PageControl->Name(), "PageControl1");
    Open([&] {
        for (int r = 1; r <= 4; ++r)
            Fill(Rd(), r, ReadRow("10.0.0." + QString::number(r)));
        Rd()->FocusCell(2, 3);
        seams->AnswerMessage(mrNo);
        editor->Btn_DelRow->Click();
        EXPECT_EQ(seams->Messages().last(), "Are you sure to delete the Row number 3");
        EXPECT_EQ(Rd()->AllCells(2, 3), "10.0.0.3");
        seams->AnswerMessage(mrYes);
        editor->Btn_DelRow->Click();
        EXPECT_EQ(Rd()->AllCells(2, 3), "10.0.0.4");
        EXPECT_EQ(Rd()->AllCells(0, 3), "3");

        editor->Btn_CopyRow->Click();
        editor->PageControl->SetActivePageIndex(1);
        Wr()->FocusCell(2, 1);
        seams->AnswerMessage(mrOk);
        editor->Btn_PasteRow->Click();
        EXPECT_EQ(seams->Messages().last(), "Error!!! Copy a valid row before Paste it");
        EXPECT_EQ(Wr()->AllCells(2, 1), "");

        Fill(Wr(), 1, WriteRow());
        editor->Btn_InsRow->Click();
        EXPECT_EQ(Wr()->AllCells(1, 1), "Y");
        EXPECT_EQ(Wr()->AllCells(2, 1), "");
        EXPECT_EQ(Wr()->AllCells(2, 2), "192.168.0.10");
    });
}

TEST_F(S7Access, TextsAndHintsOfBothTables)
{
    EXPECT_EQ(editor->Caption(), "S7comm Access");
    EXPECT_EQ(editor->Sheets[1]->Caption(), "S7comm Write");
    EXPECT_EQ(editor->Sheets[0]->Name(), "TS_S7_Read");
    EXPECT_EQ(Rd()->ColCount(), 19);
    EXPECT_EQ(Wr()->ColCount(), 21);
    EXPECT_EQ(Wr()->Columns()->Items(14)->Header(), "On Change");
    EXPECT_EQ(Rd()->Columns()->Items(5)->Header(), "Rack");
    editor->PageControl->SetActivePageIndex(1);
    const QStringList hints = {"Insert the DB Number", "Select the PLC Area", "Insert the PLC Address",
                               "Select the PLC Bit"};
    for (int c = 9; c <= 12; ++c) {
        QString hint;
        editor->GridHint(Wr(), 0, c, hint);
        EXPECT_EQ(hint, hints[c - 9]) << c;
    }
    QString hint;
    editor->GridHint(Wr(), 0, 15, hint);
    EXPECT_EQ(hint, "Enable or Disable the Possibility to Send the Write S7 Request when Arrive a Commnad");
    editor->GridHint(Wr(), 1, 15, hint);
    EXPECT_EQ(hint, "");
    Open([&] {
        EXPECT_EQ(Rd()->Columns()->Items(14)->ComboItems()->Count(), 1500);
        EXPECT_EQ(Wr()->Columns()->Items(16)->ComboItems()->Strings(1499), "1499");
    });
}

} // namespace
