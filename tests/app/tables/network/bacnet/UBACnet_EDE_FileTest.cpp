// The EDE export: the file it writes from the BACnet server table and
// "ParGen.xml", its failures, and its round trip through the EDE import into
// the client table.

#include "tests/app/tables/network/bacnet/BACnetAccessFixture.h"
#include "tests/app/tables/network/bacnet/EDEHeader.h"

#include "app/tables/network/bacnet/UBACnetSlaveSetAccess.h"
#include "app/tables/network/bacnet/UBACnet_EDE_File.h"
#include "app/tables/network/bacnet/UImportEDEFileRead.h"
#include "platform/core/Clock.h"
#include "platform/ui/controls/Edit.h"
#include "platform/xml/XmlDocument.h"

#include <QDateTime>

#include <map>

namespace {

const QByteArray Header = EDE_Header;

// A server table row: Data Type, Eng. Unit and Mnemonic; the rest as the
// table writes a valid four-byte object.
struct ServerRow {
    QString type, unit, mnemonic;
};

void WriteTable(const QList<ServerRow>& read, const QList<ServerRow>& write)
{
    platform::XmlDocument doc;
    platform::XmlElement root = doc.CreateRoot("BACnet_to_Modbus");
    doc.AppendComment("SW_VERSION = 1.000");
    const std::pair<const char*, const QList<ServerRow>*> sections[] = {{"BACnet_in_Read", &read},
                                                                        {"BACnet_in_Write", &write}};
    for (const auto& [name, rows] : sections) {
        platform::XmlElement section = root.AppendChild(name);
        for (const ServerRow& r : *rows) {
            platform::XmlElement row = section.AppendChild("row");
            const std::pair<const char*, QString> attributes[] = {
                {"Data_Type", r.type}, {"Eng_Unit", r.unit}, {"Position", "0"}, {"Bit", ""},
                {"Length", "4"},       {"Swap", "N"},        {"Mnemonic", r.mnemonic}};
            for (const auto& [attribute, value] : attributes)
                row.SetAttribute(attribute, value);
        }
    }
    ASSERT_TRUE(doc.SaveFile(File_BACnet_Slave_SetAccess));
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// The fields of the object lines, from the eighth line on.
QList<QStringList> ObjectFields(const QString& path)
{
    QList<QStringList> objects;
    const QList<QByteArray> lines = Bytes(path).split('\n');
    for (int i = 7; i < lines.size(); ++i) {
        if (!lines[i].isEmpty())
            objects << QString::fromLatin1(lines[i].chopped(1)).split(';');
    }
    return objects;
}

void SetUpProject()
{
    Name_Project = "Plant";
    File_BACnet_Slave_SetAccess = Path_Project + "/BACnet_Slave_SetAccess.xml";
    platform::SetNowForTesting([] { return QDateTime(QDate(2024, 3, 7), QTime(9, 5, 3)); });
}

class EDEExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        Load_Default_Texts();
        Path_Project = testsupport::TestFolder() + "/PROJECTS/Plant";
        QDir().mkpath(Path_Project);
        File_ParGen = Path_Project + "/ParGen.xml";
        SetUpProject();
        out = Path_Project + "/points.csv";
    }
    void TearDown() override { platform::ResetClock(); }

    bool Export()
    {
        error.clear();
        return Export_EDE_File(out, error);
    }
    static void WriteParGen(const QByteArray& elements)
    {
        testsupport::WriteTestFile("PROJECTS/Plant/ParGen.xml", "<Par_Gen>" + elements + "</Par_Gen>");
    }

    QString out;
    QString error;
};

TEST_F(EDEExport, WritesTheHeaderAndOneLinePerObjectByteForByte)
{
    WriteTable({{"Analog Input", "62", "Temp"}}, {});
    ASSERT_TRUE(Export()) << error.toStdString();
    EXPECT_EQ(Bytes(out), Header + "_Temp_0;;Temp;0;0;Temp;62;\r\n");

    // Without a table file, or with empty pages, the header stands alone.
    WriteTable({}, {});
    ASSERT_TRUE(Export());
    EXPECT_EQ(Bytes(out), Header);
    QFile::remove(File_BACnet_Slave_SetAccess);
    ASSERT_TRUE(Export());
    EXPECT_EQ(Bytes(out), Header);

    EXPECT_EQ(EDE_Time_Stamp(QDateTime(QDate(1999, 12, 31), QTime(23, 59, 58))), "23:59:58 31/12/1999");
}

TEST_F(EDEExport, InstancesAreCountedPerObjectTypeOverBothPages)
{
    WriteTable({{"Analog Input", "62", "ai"},
                {"Analog Value", "62", "av1"},
                {"Analog Value", "62", "av2"},
                {"Multi State Value", "95", "msv"},
                {"Thermostat", "62", "odd"}},
               {{"Binary Out", "95", "bo"}, {"Analog Value", "62", "av3"}, {" multi state value ", "95", "msv2"}});
    ASSERT_TRUE(Export());
    QStringList typeAndInstance;
    for (const QStringList& fields : ObjectFields(out))
        typeAndInstance << fields[0] + " " + fields[3] + "/" + fields[4];
    EXPECT_EQ(typeAndInstance, (QStringList{"_ai_0 0/0", "_av1_0 2/0", "_av2_1 2/1", "_msv_0 19/0", "_odd_1 0/1",
                                            "_bo_0 4/0", "_av3_2 2/2", "_msv2_1 19/1"}));
    EXPECT_EQ(BACnet_Object_Type_Code("CHARACTERSTRING VALUE"), 40);
    EXPECT_EQ(BACnet_Object_Type_Code("Analog Input"), 0) << "upper-cased by the caller";
}

TEST_F(EDEExport, NamesAreCutToTheLengthOfTheDescriptionLimit)
{
    const QString twenty = "Boiler_Supply_Temp01";
    const QString forty = "Boiler_Supply_Temperature_Sensor_Left_01";
    const struct {
        QByteArray parGen;
        QString mnemonic;
        QString name;
    } cases[] = {
        {"", twenty, "Boiler_Supply_Te"},
        {"<BACnet_Desc_Chars_Limit>0</BACnet_Desc_Chars_Limit>", twenty, "Boiler_Supply_Te"},
        {"<BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit>", twenty, twenty},
        {"<BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit>", forty, "Boiler_Supply_Temperature_Sensor"},
    };
    for (const auto& c : cases) {
        WriteParGen(c.parGen);
        WriteTable({{"Analog Input", "62", c.mnemonic}}, {});
        ASSERT_TRUE(Export());
        const QList<QStringList> objects = ObjectFields(out);
        ASSERT_EQ(objects.size(), 1);
        EXPECT_EQ(objects[0][0], "_" + c.mnemonic + "_0");
        EXPECT_EQ(objects[0][2], c.name);
        EXPECT_EQ(objects[0][5], c.name);
    }
}

TEST_F(EDEExport, TheDeviceInstanceFollowsTheServerType)
{
    const struct {
        QByteArray parGen;
        QString line;
    } cases[] = {
        {"", "_m_0;;m;0;0;m;62;"},
        {"<BACnet_DEV_IDE>1234</BACnet_DEV_IDE><BACnet_Ser_DEV_IDE>77</BACnet_Ser_DEV_IDE>",
         "1234_m_0;1234;m;0;0;m;62;"},
        {"<BACnet_Type>1</BACnet_Type><BACnet_DEV_IDE>1234</BACnet_DEV_IDE><BACnet_Ser_DEV_IDE>77</BACnet_Ser_DEV_IDE>",
         "77_m_0;77;m;0;0;m;62;"},
        {"<BACnet_Type>x</BACnet_Type><BACnet_DEV_IDE>1234</BACnet_DEV_IDE>", "1234_m_0;1234;m;0;0;m;62;"},
        {"<BACnet_Type>1</BACnet_Type><BACnet_DEV_IDE>1234</BACnet_DEV_IDE>", "_m_0;;m;0;0;m;62;"},
    };
    WriteTable({{"Analog Input", "62", "m"}}, {});
    for (const auto& c : cases) {
        WriteParGen(c.parGen);
        ASSERT_TRUE(Export());
        EXPECT_EQ(ObjectFields(out).value(0).join(';'), c.line) << c.parGen.toStdString();
    }
}

TEST_F(EDEExport, SeparatorsInsideAFieldAreWrittenAsUnderscores)
{
    const QByteArray table = "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog Input\" Eng_Unit=\"62\" "
                             "Position=\"0\" Bit=\"\" Length=\"4\" Swap=\"N\" Mnemonic=\"Flow;in&#13;&#10;m&#233;\"/>"
                             "</BACnet_in_Read><BACnet_in_Write/></BACnet_to_Modbus>";
    testsupport::WriteTestFile("PROJECTS/Plant/BACnet_Slave_SetAccess.xml", table);
    ASSERT_TRUE(Export());
    EXPECT_EQ(Bytes(out), Header + "_Flow_in__m\xe9_0;;Flow_in__m\xe9;0;0;Flow_in__m\xe9;62;\r\n");
    EXPECT_EQ(Bytes(File_BACnet_Slave_SetAccess), table) << "the table keeps the mnemonic as typed";
}

TEST_F(EDEExport, FailuresGiveTheirReasonAndNoFile)
{
    testsupport::WriteTestFile("PROJECTS/Plant/BACnet_Slave_SetAccess.xml", "Data_Type;Mnemonic\r\n");
    EXPECT_FALSE(Export());
    EXPECT_TRUE(error.startsWith(Lang_Texts[1561] + File_BACnet_Slave_SetAccess + ": ")) << error.toStdString();
    EXPECT_GT(error.size(), (Lang_Texts[1561] + File_BACnet_Slave_SetAccess + ": ").size());
    EXPECT_FALSE(QFile::exists(out));

    WriteTable({{"Analog Input", "62", "Temp"}}, {});
    out = Path_Project + "/missing/points.csv";
    EXPECT_FALSE(Export());
    EXPECT_TRUE(error.startsWith(Lang_Texts[1562])) << error.toStdString();
    EXPECT_GT(error.size(), Lang_Texts[1562].size());
    EXPECT_FALSE(QFile::exists(out));
}

// The server table as the editor saves it, exported and read back by the EDE
// import into the client table.
class EDERoundTrip : public BACnetAccess {
protected:
    void SetUp() override
    {
        BACnetAccess::SetUp();
        SetUpProject();
        server.reset(platform::CreateForm<TFBACnetSlaveSetAccess>());
    }
    void TearDown() override
    {
        platform::ResetClock();
        BACnetAccess::TearDown();
    }

    // Fills a page with one row per data type, each at its own bytes.
    static void FillPage(TExColumnGrid* grid, const QStringList& mnemonics)
    {
        const QStringList types = Types(grid);
        int position = 0;
        for (int r = 1; r <= types.size(); ++r) {
            const QString& type = types[r - 1];
            const bool binary = type.startsWith("Binary");
            const int length = type == "Access Door" ? 1 : type.startsWith("Life") ? 2 : type.startsWith("Large") ? 8 : 4;
            const QString bit = binary ? QStringLiteral("0") : QString();
            const QString bytes = binary ? QString() : QString::number(length);
            Fill(grid, r, {type, "62", QString::number(position), bit, bytes, "N", mnemonics[(r - 1) % mnemonics.size()]});
            position += binary ? 1 : length;
        }
    }
    static QStringList Types(TExColumnGrid* grid)
    {
        const TStringList& items = *grid->Columns()->Items(1)->ComboItems();
        QStringList types;
        for (int i = 0; i < items.Count(); ++i)
            types << items[i];
        return types;
    }

    std::unique_ptr<TFBACnetSlaveSetAccess> server;
};

TEST_F(EDERoundTrip, TheImportReadsBackWhatTheExportWrote)
{
    const QStringList mnemonics{"Pump1", "Boiler_Temp_0001", "Supply;Air_Temp_0001"};
    seams->HandleModal(*server, [&] {
        FillPage(server->ACG_BACnet_in_Read(), mnemonics);
        FillPage(server->ACG_BACnet_in_Write(), mnemonics);
        server->Btn_OK->Click();
    });
    ASSERT_EQ(server->ShowModal(), mrOk);
    EXPECT_EQ(seams->Messages(), QStringList());

    const QString ede = Path_Project + "/server.csv";
    QString error;
    ASSERT_TRUE(Export_EDE_File(ede, error)) << error.toStdString();

    const std::map<QString, int> numbers = {
        {"Analog Input", 0},       {"Analog Out", 1},         {"Analog Value", 2},        {"Binary Input", 3},
        {"Binary Out", 4},         {"Binary Value", 5},       {"Multi State Input", 13},  {"Multi State Output", 14},
        {"Multi State Value", 19}, {"Life Safety Point", 21}, {"Life Safety Zone", 22},   {"Accumulator", 23},
        {"Integer Value", 45},     {"Large Analog Value", 46}, {"Positive Integer Value", 48}};
    QStringList expected;
    std::map<int, int> instances;
    for (TExColumnGrid* grid : {server->ACG_BACnet_in_Read(), server->ACG_BACnet_in_Write()}) {
        const QStringList types = Types(grid);
        for (int i = 0; i < types.size(); ++i) {
            if (types[i] == "Access Door")
                continue; // type 30: the import does not take it
            const int type = numbers.at(types[i]);
            const QString mnemonic = QString(mnemonics[i % 3]).replace(';', '_');
            expected << QString("_%1_%2|%3|%4|%2|%3").arg(mnemonic).arg(instances[type]++).arg(mnemonic.left(16)).arg(type);
        }
    }
    const TEDE_Read_Result result = Read_EDE_File(ede);
    ASSERT_EQ(result.status, TEDE_Read_Status::Read);
    EXPECT_TRUE(result.faults.isEmpty());
    QStringList read;
    for (const TBACnet_Var& v : result.vars)
        read << QString("%1|%2|%3|%4|%5").arg(v.keyname, v.object_name).arg(v.object_type).arg(v.object_instance).arg(v.description);
    EXPECT_EQ(read, expected);

    WriteType(0);
    Open([&] {
        Import(ede, [&] {
            dialog->E_ID_IP->SetText("192.168.0.20");
            dialog->Btn_OK->Click();
        });
        EXPECT_EQ(editor->UsedRows(0), expected.size());
        EXPECT_TRUE(editor->Controllo_dati());
    });
    EXPECT_EQ(seams->Messages(), QStringList());
}

} // namespace
