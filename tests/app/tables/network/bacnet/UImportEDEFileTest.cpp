// The EDE import: the reader of EDE files, the dialog's choices and address
// check, and where the chosen objects land in the client table.

#include "tests/app/tables/network/bacnet/BACnetAccessFixture.h"
#include "tests/app/tables/network/bacnet/EDEHeader.h"

#include "platform/ui/controls/Edit.h"

#include <QStringEncoder>

namespace {

const char* const Header = EDE_Header;

// An object line of all sixteen columns.
QString Object(const QString& name, int type, int instance, bool commandable)
{
    return QString("%1_key;5;%1;%2;%3;%1 desc;0;0;100;%4;N;90;10;;62;\r\n")
        .arg(name)
        .arg(type)
        .arg(instance)
        .arg(commandable ? "Y" : "N");
}

QStringList Lines(const QString& text)
{
    QStringList lines = text.split("\r\n");
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

TEST(EDEReader, FindsTheDataAndSplitsTheLines)
{
    struct Case {
        const char* name;
        QString text;
        TEDE_Read_Status status;
        QStringList names;
    };
    const QString seventhMandatory = "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n # mandatory;x;\r\n" + Object("Skipped", 0, 1, false)
                                     + Object("Taken", 0, 2, false);
    const QString twoMandatory = QString(Header) + Object("Early", 0, 1, false)
                                 + "#mandatory;\r\ntitles\r\n" + Object("Late", 0, 2, false);
    const Case cases[] = {
        {"export layout", QString(Header) + Object("AI1", 0, 0, false) + "\r\n  \r\n" + Object("AO1", 1, 0, true),
         TEDE_Read_Status::Read, {"AI1", "AO1"}},
        {"line 7 mandatory", seventhMandatory, TEDE_Read_Status::Read, {"Taken"}},
        {"last mandatory line", twoMandatory, TEDE_Read_Status::Read, {"Late"}},
        {"other types stay out", QString(Header) + Object("Device", 8, 1, false) + Object("Net", 17, 1, false)
                                     + Object("LAV", 46, 1, false), TEDE_Read_Status::Read, {"LAV"}},
        {"six lines", "# mandatory;\r\nb\r\nc\r\nd\r\ne\r\nf\r\n", TEDE_Read_Status::TooShort, {}},
        {"no mandatory line", "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n#optional\r\n" + Object("AI1", 0, 0, false),
         TEDE_Read_Status::NoMandatoryLine, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TEDE_Read_Result result = Read_EDE_Lines(Lines(c.text));
        EXPECT_EQ(result.status, c.status);
        QStringList names;
        for (const TBACnet_Var& v : result.vars)
            names << v.object_name;
        EXPECT_EQ(names, c.names);
        EXPECT_TRUE(result.faults.isEmpty());
    }
}

TEST(EDEReader, FieldsMissingAndTheVendorRest)
{
    const TBACnet_Var full = Split_EDE_Line(" key ; 12 ; Name ;1; 7 ; Desc ;0;-5;100; y ;Y;90;10;st;62;vend;or;");
    EXPECT_EQ(full.keyname, "key");
    EXPECT_EQ(full.device_obj_instance, 12);
    EXPECT_EQ(full.object_name, "Name");
    EXPECT_EQ(full.object_type, 1);
    EXPECT_EQ(full.object_instance, 7);
    EXPECT_EQ(full.description, "Desc");
    EXPECT_EQ(full.min_present_value, "-5");
    EXPECT_TRUE(full.commandable);
    EXPECT_TRUE(full.support_COV);
    EXPECT_EQ(full.stete_text_reference, "st");
    EXPECT_EQ(full.unit_code, "62");
    EXPECT_EQ(full.vendor_specific_address, "vend;or");

    // A field counts only when a ";" follows it.
    const TBACnet_Var part = Split_EDE_Line("key;x;Name;2;9");
    EXPECT_EQ(part.device_obj_instance, -1);
    EXPECT_EQ(part.object_type, 2);
    EXPECT_EQ(part.object_instance, -1);
    EXPECT_EQ(part.description, "");
    EXPECT_FALSE(part.commandable);
    EXPECT_EQ(part.vendor_specific_address, "");
}

TEST(EDEReader, BadNumbersAreNamedByLineAndField)
{
    const QString text = QString(Header) + Object("Good", 2, 1, false) + "k;;Bad type;x;1;\r\n"
                         + "k;;No instance;2;;\r\n" + "k;;Too big;2;2147483648;\r\n" + "k;;Short;\r\n"
                         + "k;;Device;8;x;\r\n" + Object("Top", 2, 2147483647, false);
    const TEDE_Read_Result result = Read_EDE_Lines(Lines(text));
    ASSERT_EQ(result.vars.size(), 2);
    EXPECT_EQ(result.vars[1].object_instance, 2147483647);
    const std::pair<int, TEDE_Line_Fault::Field> expected[] = {{9, TEDE_Line_Fault::ObjectType},
                                                               {10, TEDE_Line_Fault::ObjectInstance},
                                                               {11, TEDE_Line_Fault::ObjectInstance},
                                                               {12, TEDE_Line_Fault::ObjectType}};
    ASSERT_EQ(result.faults.size(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(result.faults[i].line, expected[i].first);
        EXPECT_EQ(result.faults[i].field, expected[i].second);
    }
}

TEST(EDEReader, MappingsOfTheObjectTypes)
{
    const std::tuple<int, const char*, const char*, int> cases[] = {
        {0, "Analog Input", "Real", 4},          {4, "Binary Output", "Enumerated", 1},
        {19, "Multi-State Value", "Unsigned Int", 4}, {22, "Life Safety Zone", "Enumerated", 2},
        {45, "Integer Value", "Signed Int", 4},  {46, "Large Analog Value", "Double", 8},
        {48, "Positive Integer Value", "Unsigned Int", 4}, {8, "", "Null", 4},
    };
    for (const auto& [type, object, data, bytes] : cases) {
        EXPECT_EQ(Get_ObjType_EDE(type), object) << type;
        EXPECT_EQ(Get_DataType_EDE(type), data) << type;
        EXPECT_EQ(Get_NumByte_EDE(type), bytes) << type;
    }
}

TEST_F(BACnetAccess, EncodingsOfEDEFiles)
{
    const QString text = QString(Header) + Object(QString::fromUtf8("Temp\u00e9rature"), 0, 1, false);
    const QString path = testsupport::TestFolder() + "/device.csv";
    auto encoder = QStringEncoder(QStringEncoder::Utf16LE);
    const QByteArray encodings[] = {"\xEF\xBB\xBF" + text.toUtf8(), "\xFF\xFE" + QByteArray(encoder(text)),
                                    text.toLatin1()};
    for (const QByteArray& bytes : encodings) {
        WriteFile(path, bytes);
        const TEDE_Read_Result result = Read_EDE_File(path);
        ASSERT_EQ(result.vars.size(), 1);
        EXPECT_EQ(result.vars[0].object_name, QString::fromUtf8("Temp\u00e9rature"));
    }
    const TEDE_Read_Result missing = Read_EDE_File(testsupport::TestFolder() + "/none.csv");
    EXPECT_EQ(missing.status, TEDE_Read_Status::Unreadable);
    EXPECT_FALSE(missing.error.isEmpty());
}

class EDEImport : public BACnetAccess {
protected:
    QString Ede(const QString& objects)
    {
        const QString path = testsupport::TestFolder() + "/ede/device.csv";
        QDir().mkpath(testsupport::TestFolder() + "/ede");
        WriteFile(path, (QString(Header) + objects).toLatin1());
        return path;
    }
    void Address(const QString& text) { dialog->E_ID_IP->SetText(text); }
};

TEST_F(EDEImport, CommandableObjectsGiveReadAndWriteRows)
{
    WriteType(0);
    const QString file = Ede(Object("AO1", 1, 3, true) + Object("AO2", 1, 4, false));
    Open([&] {
        Import(file, [&] {
            ASSERT_EQ(dialog->List_EDE_Var.size(), 2);
            EXPECT_EQ(RowOf(dialog->ACG, 1), (QStringList{"Y", "Y", "Y", "AO1", "1", "3", "AO1 desc", "Y"}));
            EXPECT_EQ(RowOf(dialog->ACG, 2), (QStringList{"Y", "Y", "N", "AO2", "1", "4", "AO2 desc", "N"}));
            // The Write box of a read-only object refuses.
            seams->AnswerMessage(mrOk);
            dialog->ACG->SetAllCells(3, 2, "Y");
            dialog->ACG->OnCheckBoxClick(dialog->ACG, 3, 2, true);
            EXPECT_EQ(dialog->ACG->AllCells(3, 2), "N");
            EXPECT_FALSE(dialog->List_EDE_Var[1].write);
            Address("192.168.0.20");
            dialog->Btn_OK->Click();
        });
        EXPECT_EQ(RowOf(ReadGrid(), 1),
                  (QStringList{"Y", "192.168.0.20", "Analog Output", "3", "Present Value (85)", "4", "N", "", "", "",
                               "1000", "0", "0", "0", "N", "", "AO1 - AO1 desc"}));
        EXPECT_EQ(ReadGrid()->AllCells(13, 2), "4");
        EXPECT_EQ(RowOf(WriteGrid(), 1),
                  (QStringList{"Y", "192.168.0.20", "Analog Output", "Real", "3", "Present Value (85)", "0", "4", "N",
                               "", "", "", "N", "N", "1000", "0", "0", "0", "N", "", "AO1 - AO1 desc"}));
        EXPECT_EQ(WriteGrid()->AllCells(2, 2), "");
    });
    EXPECT_EQ(seams->Messages(), QStringList{"Error line 2!! The Variable is only in read"});
    EXPECT_EQ(Path_EDE_Import, testsupport::TestFolder() + "/ede");
}

TEST_F(EDEImport, NewRowsGoToFreeRowsAfterTheLastByte)
{
    WriteType(0);
    const QString file = Ede(Object("AI", 0, 1, false) + Object("BI", 3, 1, false) + Object("LAV", 46, 1, true));
    Open([&] {
        ReadGrid()->SetAllCells(2, 1, "1.1.1.1");
        ReadGrid()->SetAllCells(13, 1, "0");
        ReadGrid()->SetAllCells(6, 1, "4");
        ReadGrid()->SetAllCells(2, 2, "1.1.1.1");
        ReadGrid()->SetAllCells(13, 2, "6");
        ReadGrid()->SetAllCells(6, 2, "4");
        ReadGrid()->SetAllCells(2, 4, "1.1.1.2"); // in use, without a position
        Import(file, [&] {
            Address("10.0.0.1");
            dialog->Btn_OK->Click();
        });
        EXPECT_EQ(ReadGrid()->AllCells(2, 4), "1.1.1.2");
        EXPECT_EQ(ReadGrid()->AllCells(3, 4), "");
        const std::tuple<int, const char*, const char*> landed[] = {
            {3, "Analog Input", "10"}, {5, "Binary Input", "14"}, {6, "Large Analog Value", "15"}};
        for (const auto& [row, type, position] : landed) {
            EXPECT_EQ(ReadGrid()->AllCells(3, row), type);
            EXPECT_EQ(ReadGrid()->AllCells(13, row), position);
        }
        EXPECT_EQ(ReadGrid()->AllCells(6, 6), "8");
        EXPECT_EQ(RowOf(WriteGrid(), 1).mid(2, 6),
                  (QStringList{"Large Analog Value", "Double", "1", "Present Value (85)", "0", "8"}));
    });
    EXPECT_TRUE(seams->Messages().isEmpty());
}

TEST_F(EDEImport, ObjectsWithoutAFreeRowAreCountedInOneBox)
{
    WriteType(0);
    const QString file = Ede(Object("AO1", 1, 1, true) + Object("AO2", 1, 2, true));
    Open([&] {
        for (int r = 1; r <= 512; ++r) {
            if (r != 511)
                ReadGrid()->SetAllCells(2, r, "1.1.1.1");
        }
        Import(file, [&] {
            Address("10.0.0.1");
            seams->AnswerMessage(mrOk);
            dialog->Btn_OK->Click();
        });
        EXPECT_EQ(ReadGrid()->AllCells(3, 511), "Analog Output");
        EXPECT_EQ(ReadGrid()->AllCells(2, 512), "1.1.1.1");
        EXPECT_EQ(ReadGrid()->AllCells(3, 512), "");
        EXPECT_EQ(WriteGrid()->AllCells(5, 2), "2");
    });
    EXPECT_EQ(seams->Messages().last(), Lang_Texts[1394] + "1" + Lang_Texts[1395] + "0");
}

TEST_F(EDEImport, UnselectAllAddsNothing)
{
    WriteType(0);
    const QString file = Ede(Object("AO1", 1, 1, true) + Object("AI1", 0, 1, false));
    Open([&] {
        Import(file, [&] {
            dialog->Btn_Unselect_All->Click();
            EXPECT_EQ(dialog->ACG->AllCells(1, 2), "N");
            Address("10.0.0.1");
            dialog->Btn_OK->Click();
        });
        EXPECT_EQ(ReadGrid()->AllCells(2, 1), "");
        EXPECT_EQ(WriteGrid()->AllCells(2, 1), "");
    });
}

TEST_F(EDEImport, TheAddressIsCheckedByClientType)
{
    struct Case {
        int type;
        QString address;
        QString refusal; // empty: taken
    };
    const Case cases[] = {{0, "192.168.0", "Error!! IP Address is not correct"},
                          {1, "255", "Error!! Slave ID must be between 0 and 254"},
                          {1, "254", ""},
                          {2, "any text", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address.toStdString());
        WriteType(c.type);
        const QString file = Ede(Object("AI1", 0, 1, false));
        const int before = int(seams->Messages().size());
        Open([&] {
            Import(file, [&] {
                Address(c.address);
                if (!c.refusal.isEmpty())
                    seams->AnswerMessage(mrOk);
                dialog->Btn_OK->Click();
                EXPECT_EQ(dialog->IsModalShowing(), !c.refusal.isEmpty());
            });
            EXPECT_EQ(ReadGrid()->AllCells(2, 1), c.refusal.isEmpty() ? c.address : QString());
            EXPECT_EQ(ReadGrid()->AllCells(3, 1), c.refusal.isEmpty() ? "Analog Input" : "");
        });
        EXPECT_EQ(seams->Messages().mid(before), c.refusal.isEmpty() ? QStringList() : QStringList{c.refusal});
    }
}

TEST_F(EDEImport, FilesThatGiveNothingAreNamed)
{
    WriteType(0);
    const QString dir = testsupport::TestFolder() + "/ede";
    QDir().mkpath(dir);
    WriteFile(dir + "/short.csv", "a\r\nb\r\n");
    WriteFile(dir + "/plain.csv", "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh;;n;0;1;\r\n");
    const std::pair<QString, int> cases[] = {{dir + "/short.csv", 1423}, {dir + "/plain.csv", 1424}};
    for (const auto& [file, text] : cases) {
        const int before = int(seams->Messages().size());
        Open([&] {
            Import(file, [&] {
                EXPECT_EQ(dialog->ACG->RowCount(), 2);
                EXPECT_TRUE(dialog->List_EDE_Var.isEmpty());
                Address("10.0.0.1");
                dialog->Btn_OK->Click();
            }, 1);
            EXPECT_EQ(ReadGrid()->AllCells(2, 1), "");
        });
        EXPECT_EQ(seams->Messages().mid(before), QStringList{Lang_Texts[text] + file});
    }
}

TEST_F(EDEImport, BadObjectLinesAreListedInOneBox)
{
    WriteType(0);
    const QString file = Ede(Object("AI1", 0, 1, false) + "k;;Bad;x;1;\r\n" + "k;;Bad;2;-1;\r\n");
    Open([&] {
        Import(file, [&] {
            EXPECT_EQ(dialog->List_EDE_Var.size(), 1);
            dialog->Btn_Cancel->Click();
        }, 1);
    });
    EXPECT_EQ(seams->Messages().last(), Lang_Texts[1425] + file + "\nLine 9" + Lang_Texts[1427] + "\nLine 10"
                                            + Lang_Texts[1428]);
}

} // namespace
