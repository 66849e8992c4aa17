// The SNMP agent tables editor: its checks in their order, the numbering of
// column 0 and the file it writes.

#include "tests/app/tables/network/snmp/SnmpAccessFixture.h"

#include "platform/xml/XmlDocument.h"

namespace {

TEST_F(SnmpAccess, ChecksStopAtTheFirstFaultOfRowTwo)
{
    struct Case {
        bool read;
        QStringList row2;
        const char* fault; // empty: passes
    };
    const QString ip = "192.168.1.10";
    const QStringList str = With(With(ReadRow("s"), 3, "String"), 10, "16");
    const QStringList wstr = With(With(WriteRow("s"), 3, "String"), 6, "16");
    const Case cases[] = {
        {true, With(str, 9, "3"), "!! [SNMP Read] Start Bit must be 0 if Type is String"},
        {true, With(ReadRow("s"), 2, "pub-lic"), "!! [SNMP Read] Community Name is not correct (allowed characters are \"a\"..\"z\", \"A\"..\"Z\" and \"0\"..\"9\")"},
        {true, With(ReadRow("s"), 3, " "), "!! [SNMP Read] Type must be selected"},
        {true, With(With(ReadRow("s"), 6, "Y"), 7, "0"), "!! [SNMP Read] Time must be between 1 and 1000000000 ms"},
        {true, With(With(ReadRow("s"), 6, "y"), 7, "x"), "!! [SNMP Read] Time must be between 1 and 1000000000 ms"},
        {true, With(With(ReadRow("s"), 6, "Y"), 7, "1000000000"), ""},
        {true, With(ReadRow("s"), 8, ""), "!! [SNMP Read] Position must be selected"},
        {true, With(ReadRow("s"), 9, ""), "!! [SNMP Read] Start Bit must be selected"},
        {true, With(ReadRow("s"), 10, "64"), ""},
        {true, With(ReadRow("s"), 10, "65"), "!! [SNMP Read] Num Bits/Bytes must be between 1 and 64 bits"},
        {true, str, ""},
        {true, With(str, 10, "17"), "!! [SNMP Read] Num Bits/Bytes must be between 1 and 16 bytes"},
        {true, ReadRow("temp1"), ""},
        {true, ReadRow("Temp"), "!! [SNMP Read] Description is not correct (allowed characters are \"a\"..\"z\", \"A\"..\"Z\" and \"0\"..\"9\"). First character must be a letter and must be lowercase"},
        {true, ReadRow("1temp"), "!! [SNMP Read] Description is not correct (allowed characters are \"a\"..\"z\", \"A\"..\"Z\" and \"0\"..\"9\"). First character must be a letter and must be lowercase"},
        {true, ReadRow("te-mp"), "!! [SNMP Read] Description is not correct (allowed characters are \"a\"..\"z\", \"A\"..\"Z\" and \"0\"..\"9\"). First character must be a letter and must be lowercase"},
        {true, ReadRow("identity"), "!! [SNMP Read] Description must not be a name of the MIB itself (as identity, data, traps, bufferinval1 or trapval1)"},
        {true, ReadRow("bufferinval7"), "!! [SNMP Read] Description must not be a name of the MIB itself (as identity, data, traps, bufferinval1 or trapval1)"},
        {true, ReadRow("trapval"), ""},
        {true, ReadRow("trapvalx1"), ""},
        {true, With(ReadRow("s"), 12, ip + " "), "!! [SNMP Read] IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        {true, With(ReadRow("s"), 12, "192.168.1"), "!! [SNMP Read] IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        {true, With(ReadRow("s"), 12, "192.168.1.256"), "!! [SNMP Read] IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        {true, With(ReadRow("s"), 13, " "), "!! [SNMP Read] Conversion must be selected"},
        {false, With(WriteRow("s"), 2, "pub lic"), "!! [SNMP Write] Community Name is not correct (allowed characters are \"a\"..\"z\", \"A\"..\"Z\" and \"0\"..\"9\")"},
        {false, With(WriteRow("s"), 3, ""), "!! [SNMP Write] Type must be selected"},
        {false, With(WriteRow("s"), 4, ""), "!! [SNMP Write] Position must be selected"},
        {false, With(WriteRow("s"), 5, ""), "!! [SNMP Write] Start Bit must be selected"},
        {false, With(wstr, 5, "3"), "!! [SNMP Write] Start Bit must be 0 if Type is String"},
        {false, With(WriteRow("s"), 6, "64"), ""},
        {false, With(WriteRow("s"), 6, "65"), "!! [SNMP Write] Num Bits/Bytes must be between 1 and 64 bits"},
        {false, wstr, ""},
        {false, With(wstr, 6, "17"), "!! [SNMP Write] Num Bits/Bytes must be between 1 and 16 bytes"},
        {false, WriteRow("Temp"), "!! [SNMP Write] Descrtiption is not correct (allowed characters are \"a\"..\"z\", \"A\"..\"Z\" and \"0\"..\"9\"). First character must be a letter and must be lowercase"},
        {false, WriteRow("countin"), "!! [SNMP Write] Description must not be a name of the MIB itself (as identity, data, traps, bufferoutval1 or trapval1)"},
        {false, With(WriteRow("s"), 8, ""), "!! [SNMP Write] Conversion must be selected"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row2.join(',').toStdString());
        QFile::remove(File_SNMP_Trap);
        const int before = int(seams->Messages().size());
        const TModalResult result = Open([&] {
            Fill(c.read ? Rd() : Wr(), 1, c.read ? ReadRow("first") : WriteRow("first"));
            Fill(c.read ? Rd() : Wr(), 2, c.row2);
            if (*c.fault)
                seams->AnswerMessage(mrOk);
            editor->Btn_OK->Click();
        });
        const QStringList shown = seams->Messages().mid(before);
        EXPECT_EQ(result, *c.fault ? mrCancel : mrOk);
        EXPECT_EQ(shown, *c.fault ? QStringList{"Error row 2" + QString(c.fault)} : QStringList());
    }
}

TEST_F(SnmpAccess, ADisabledInvalidRowIsWrittenAsTyped)
{
    const QStringList disabled = {"N", "pub-lic", "", "N", "N", "Y", "0", "", "", "99", "Bad-", "x", "", ""};
    EXPECT_EQ(Open([&] {
                  Fill(Rd(), 1, ReadRow("first"));
                  Fill(Rd(), 2, disabled);
                  editor->Btn_OK->Click();
              }),
              mrOk);
    Open([&] { EXPECT_EQ(RowOf(Rd(), 2, 15), disabled); });
    platform::XmlDocument doc;
    ASSERT_TRUE(doc.LoadFile(File_SNMP_Trap));
    const platform::XmlElement row = doc.Root().Child("SNMP_Trap_Read").Children().value(1);
    EXPECT_EQ(row.Attribute("Community_Name"), "pub-lic");
    EXPECT_EQ(row.Attribute("Description"), "Bad-");
}

TEST_F(SnmpAccess, DescriptionsMustDifferAcrossBothTables)
{
    struct Case {
        QStringList read;  // descriptions of read rows 1, 2, ...
        QStringList write; // of write rows
        bool collide;
    };
    const Case cases[] = {
        {{"temp"}, {"temp"}, true},
        {{"", "x"}, {""}, true},
        {{"a", ""}, {"b", ""}, true},
        {{"tEmp", "temp"}, {"tEMP"}, false},
        {{"temp", "temp"}, {}, true},
        {{"temp"}, {"temp2"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.read.join(',') + "|" + c.write.join(',')).toStdString());
        QFile::remove(File_SNMP_Trap);
        const int before = int(seams->Messages().size());
        const TModalResult result = Open([&] {
            for (int i = 0; i < c.read.size(); ++i)
                Fill(Rd(), i + 1, ReadRow(c.read[i]));
            for (int i = 0; i < c.write.size(); ++i)
                Fill(Wr(), i + 1, WriteRow(c.write[i]));
            if (c.collide)
                seams->AnswerMessage(mrOk);
            editor->Btn_OK->Click();
        });
        EXPECT_EQ(result, c.collide ? mrCancel : mrOk);
        EXPECT_EQ(seams->Messages().mid(before),
                  c.collide ? QStringList{"Error!! The Descriptions must be all differents"} : QStringList());
    }
}

TEST_F(SnmpAccess, ColumnZeroNumbersTheEnabledRows)
{
    Open([&] {
        EXPECT_EQ(Rd()->RowCount(), 257);
        EXPECT_EQ(Column0(Rd(), 256).first(), "1");
        EXPECT_EQ(Column0(Rd(), 256).last(), "256");
        EXPECT_EQ(Column0(Wr(), 256).last(), "256");
        EXPECT_EQ(Rd()->Columns()->Items(8)->ComboItems()->Count(), 1440);
        EXPECT_EQ(Wr()->Columns()->Items(4)->ComboItems()->Strings(1439), "1439");

        // Unticking Enable on row 1 renumbers at once.
        Rd()->SetAllCells(1, 1, "N");
        Rd()->OnCheckBoxClick(Rd(), 1, 1, false);
        EXPECT_EQ(Column0(Rd(), 3), QStringList({"", "1", "2"}));
        EXPECT_EQ(Rd()->AllCells(0, 256), "255");
        // Another check-box column does not renumber.
        Rd()->SetAllCells(1, 2, "N");
        Rd()->OnCheckBoxClick(Rd(), 4, 2, true);
        EXPECT_EQ(Column0(Rd(), 3), QStringList({"", "1", "2"}));
        Rd()->OnCheckBoxClick(Rd(), 1, 2, false);
        EXPECT_EQ(Column0(Rd(), 3), QStringList({"", "", "1"}));

        // Insert, Delete and Paste renumber too.
        Rd()->FocusCell(2, 1);
        editor->Btn_InsRow->Click();
        EXPECT_EQ(Column0(Rd(), 4), QStringList({"1", "", "", "2"}));
        Rd()->FocusCell(2, 1);
        seams->AnswerMessage(mrYes);
        editor->Btn_DelRow->Click();
        EXPECT_EQ(Column0(Rd(), 3), QStringList({"", "", "1"}));
        Rd()->FocusCell(2, 3);
        editor->Btn_CopyRow->Click();
        Rd()->FocusCell(2, 1);
        editor->Btn_PasteRow->Click();
        EXPECT_EQ(Column0(Rd(), 3), QStringList({"1", "", "2"}));
        EXPECT_EQ(Column0(Wr(), 2), QStringList({"1", "2"}));
    });
}

TEST_F(SnmpAccess, ErrorsNameTheGridRowWhateverColumnZeroShows)
{
    Open([&] {
        Fill(Rd(), 1, With(ReadRow("a"), 1, "N"));
        Fill(Rd(), 2, ReadRow("Bad"));
        Rd()->OnCheckBoxClick(Rd(), 1, 1, false);
        EXPECT_EQ(Rd()->AllCells(0, 2), "1");
        seams->AnswerMessage(mrOk);
        editor->Btn_OK->Click();
        EXPECT_TRUE(seams->Messages().last().startsWith("Error row 2!! [SNMP Read] Description"));
    });
}

TEST_F(SnmpAccess, FreshOkWritesRootCommentAndEmptySections)
{
    EXPECT_EQ(Open([&] { editor->Btn_OK->Click(); }), mrOk);
    EXPECT_EQ(Read(File_SNMP_Trap).toStdString(),
              "<SNMP_Trap><SNMP_Trap_Read/><SNMP_Trap_Write/></SNMP_Trap><!--SW_VERSION = 1.000-->");
}

TEST_F(SnmpAccess, OkWritesBothRowKindsInAttributeOrder)
{
    EXPECT_EQ(Open([&] {
                  Fill(Rd(), 1, ReadRow("temp"));
                  Fill(Wr(), 1, WriteRow("set"));
                  editor->Btn_OK->Click();
              }),
              mrOk);
    platform::XmlDocument doc;
    ASSERT_TRUE(doc.LoadFile(File_SNMP_Trap));
    const platform::XmlElement read = doc.Root().Child("SNMP_Trap_Read").Children().value(0);
    const platform::XmlElement write = doc.Root().Child("SNMP_Trap_Write").Children().value(0);
    EXPECT_EQ(read.AttributeNames(),
              QStringList({"Enable", "Community_Name", "Type", "On_Change", "On_Command", "On_Timer", "Time", "Position",
                           "Bit", "NumBits", "Description", "IP_Address", "Conversion", "Mnemonic"}));
    EXPECT_EQ(write.AttributeNames(), QStringList({"Enable", "Community_Name", "Type", "Position", "Bit", "NumBits",
                                                   "Description", "Conversion", "Mnemonic"}));
    EXPECT_EQ(read.Attribute("IP_Address"), "192.168.1.10");
    EXPECT_EQ(write.Attribute("Mnemonic"), "set");
}

TEST_F(SnmpAccess, SaveThenShowIsExactAndMissingAttributesTakeDefaults)
{
    const QStringList read1 = With(ReadRow("temp"), 14, " free Text ");
    const QStringList read2 = {"N", "x", "", "Y", "N", "Y", "", "", "", "", "", "", "", ""};
    const QStringList write1 = WriteRow("set");
    EXPECT_EQ(Open([&] {
                  Fill(Rd(), 1, read1);
                  Fill(Rd(), 2, read2);
                  Fill(Wr(), 1, write1);
                  editor->Btn_OK->Click();
              }),
              mrOk);
    Open([&] {
        EXPECT_EQ(RowOf(Rd(), 1, 15), read1);
        EXPECT_EQ(RowOf(Rd(), 2, 15), read2);
        EXPECT_EQ(RowOf(Wr(), 1, 10), write1);
        EXPECT_EQ(Column0(Rd(), 3), QStringList({"1", "", "2"}));
        platform::SaveScreenshot(*editor, "snmp_read_page");
        editor->PageControl->SetActivePageIndex(1);
        platform::SaveScreenshot(*editor, "snmp_write_page");
        editor->PageControl->SetActivePageIndex(0);
    });

    Write(File_SNMP_Trap, "<SNMP_Trap><SNMP_Trap_Read><row Community_Name=\"c\"/></SNMP_Trap_Read>"
                          "<SNMP_Trap_Write><row Enable=\"N\" Type=\"Int\"/></SNMP_Trap_Write></SNMP_Trap>");
    Open([&] {
        EXPECT_EQ(RowOf(Rd(), 1, 15), QStringList({"Y", "c", "", "N", "N", "N", "", "", "", "", "", "", "None", ""}));
        EXPECT_EQ(RowOf(Wr(), 1, 10), QStringList({"N", "", "Int", "", "", "", "", "None", ""}));
        EXPECT_EQ(Column0(Wr(), 2), QStringList({"", "1"}));
    });
}

TEST_F(SnmpAccess, ReadCopyPastedIntoWriteIsRefused)
{
    Open([&] {
        Fill(Rd(), 1, ReadRow("temp"));
        Rd()->FocusCell(2, 1);
        editor->Btn_CopyRow->Click();
        editor->PageControl->SetActivePageIndex(1);
        Wr()->FocusCell(2, 1);
        seams->AnswerMessage(mrOk);
        editor->Btn_PasteRow->Click();
        EXPECT_EQ(seams->Messages().last(), "Error!!! Copy a valid row before Paste it");
        EXPECT_EQ(Wr()->AllCells(2, 1), "");
    });
}

TEST_F(SnmpAccess, TheLastPageStaysActiveFromOneShowingToTheNext)
{
    EXPECT_EQ(editor->PageControl->ActivePageIndex(), 0);
    Open([&] { editor->PageControl->SetActivePageIndex(1); });
    Open([&] { EXPECT_EQ(editor->PageControl->ActivePageIndex(), 1); });
}

TEST_F(SnmpAccess, TextsComeFromTheirBlock)
{
    EXPECT_EQ(editor->Caption(), "Set SNMP Trap Access");
    EXPECT_EQ(editor->Sheets[1]->Caption(), "SNMP Write");
    EXPECT_EQ(Rd()->Columns()->Items(13)->Header(), "Conversion");
    EXPECT_EQ(Rd()->Columns()->Items(2)->EditLength(), 15);
    EXPECT_EQ(Wr()->Columns()->Items(7)->EditLength(), 15);
    EXPECT_EQ(Rd()->Columns()->Items(2)->Editor(), edComboEdit);
    EXPECT_EQ(Rd()->Columns()->Items(13)->ComboItems()->Count(), 11);
    QString hint;
    editor->GridHint(Rd(), 0, 13, hint);
    EXPECT_EQ(hint, "Select the Data Conversion from Float to Int");
    EXPECT_FALSE(Rd()->OnClickCell);
}

} // namespace
