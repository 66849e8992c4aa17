#include "app/shell/mainwindow/UMarquellFirmWareSettings.h"

#include "app/shell/UComon.h"
#include "platform/core/ExeFolder.h"
#include "platform/xml/XmlDocument.h"
#include "tests/support/TempExeFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// The seven values the settings file holds.
struct Settings {
    QString project;
    QString ipAddress;
    QString language;
    bool internet;
    bool update;
    bool jumpField;
    bool autoSize;

    friend bool operator==(const Settings&, const Settings&) = default;
};

std::ostream& operator<<(std::ostream& out, const Settings& s)
{
    return out << "{" << s.project.toStdString() << ", " << s.ipAddress.toStdString() << ", "
               << s.language.toStdString() << ", " << s.internet << s.update << s.jumpField
               << s.autoSize << "}";
}

Settings current()
{
    return {Name_Project,    Last_IP_Address, Language_Name,   Enable_Internet,
            Enable_Update,   Enable_Jump_Field, Enable_Auto_Size};
}

void setCurrent(const Settings& s)
{
    Name_Project = s.project;
    Last_IP_Address = s.ipAddress;
    Language_Name = s.language;
    Enable_Internet = s.internet;
    Enable_Update = s.update;
    Enable_Jump_Field = s.jumpField;
    Enable_Auto_Size = s.autoSize;
}

const Settings kDefaults{"", "192.168.2.205", "English", false, false, false, false};
const Settings kScrambled{"junk", "junk", "junk", true, true, true, true};

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Path_Exe = platform::ExeFolder();
        setCurrent(kScrambled);
        Path_Project = QStringLiteral("junk");
    }

    static void writeSettings(const QByteArray& xml)
    {
        testsupport::WriteTestFile(QStringLiteral("Marquell.xml"), xml);
    }
};

QByteArray settingsXml(const QByteArray& project, const QByteArray& ip, const QByteArray& language,
                       const QByteArray& options)
{
    return "<Conf_Settings><lastproj><projectname>" + project + "</projectname></lastproj>"
           "<lastipadd><ipaddress>" + ip + "</ipaddress></lastipadd>"
           "<lastlang><language>" + language + "</language></lastlang>" + options + "</Conf_Settings>";
}

QByteArray optionsXml(const char* internet, const char* update, const char* jump, const char* size)
{
    return QByteArray("<lastinternet><enable_internet>") + internet + "</enable_internet><enable_update>"
           + update + "</enable_update><enable_jump_field_tables>" + jump
           + "</enable_jump_field_tables><Double_Click_Auto_Size>" + size
           + "</Double_Click_Auto_Size></lastinternet>";
}

} // namespace

TEST_F(SettingsTest, NoFileGivesTheDefaultsAndNoOpenConfiguration)
{
    Load_Setting();
    EXPECT_EQ(current(), kDefaults);
    EXPECT_TRUE(Path_Project.isEmpty());
}

TEST_F(SettingsTest, ReadsEachValueByItselfWithItsOwnDefault)
{
    const QByteArray allSet = optionsXml("1", "1", "1", "1");
    const struct {
        const char* name;
        QByteArray xml;
        Settings expected;
    } cases[] = {
        {"every value", settingsXml("Plant 1", "10.0.0.7", "Italiano", allSet),
         {"Plant 1", "10.0.0.7", "Italiano", true, true, true, true}},
        {"each flag by itself", settingsXml("P", "1.2.3.4", "Deutsch", optionsXml("0", "1", "0", "1")),
         {"P", "1.2.3.4", "Deutsch", false, true, false, true}},
        {"only the exact 1 is true", settingsXml("P", "ip", "L", optionsXml("true", " 1", "1 ", "01")),
         {"P", "ip", "L", false, false, false, false}},
        {"no options", settingsXml("P", "ip", "L", ""), {"P", "ip", "L", false, false, false, false}},
        {"options partly there",
         settingsXml("P", "ip", "L", "<lastinternet><enable_update>1</enable_update></lastinternet>"),
         {"P", "ip", "L", false, true, false, false}},
        {"empty values stay empty", settingsXml("", "", "", allSet), {"", "", "", true, true, true, true}},
        {"texts are not trimmed", settingsXml(" P ", " ip ", " L ", allSet),
         {" P ", " ip ", " L ", true, true, true, true}},
        {"a value holding elements takes its default",
         settingsXml("<x>P</x>", "<a/>", "<b>c</b>", allSet),
         {"", "192.168.2.205", "English", true, true, true, true}},
        {"missing groups",
         "<Conf_Settings><lastlang><language>Espanol</language></lastlang></Conf_Settings>",
         {"", "192.168.2.205", "Espanol", false, false, false, false}},
        {"the root's name does not matter", "<Other><lastipadd><ipaddress>9.9.9.9</ipaddress></lastipadd></Other>",
         {"", "9.9.9.9", "English", false, false, false, false}},
        {"empty root", "<Conf_Settings/>", kDefaults},
        {"a declaration first", "<?xml version=\"1.0\"?>" + settingsXml("P", "ip", "L", allSet), kDefaults},
        {"a comment first", "<!-- saved -->" + settingsXml("P", "ip", "L", allSet), kDefaults},
        {"not well-formed", "<Conf_Settings><lastproj><projectname>P</lastproj>", kDefaults},
        {"not XML at all", QByteArray("\x00\x01garbage", 9), kDefaults},
        {"empty file", "", kDefaults},
    };
    for (const auto& c : cases) {
        setCurrent(kScrambled);
        writeSettings(c.xml);
        Load_Setting();
        EXPECT_EQ(current(), c.expected) << c.name;
    }
}

TEST_F(SettingsTest, SavedSettingsReadBackTheSame)
{
    const Settings cases[] = {
        kDefaults,
        {"Plant 1", "10.0.0.7", "Italiano", true, false, true, false},
        {"P", "ip", "L", false, true, false, true},
        {" A & B <c> \"d\" ", " 1.2.3.4 ", "Fran\u00E7ais", true, true, true, true},
    };
    for (const auto& c : cases) {
        setCurrent(c);
        QString error;
        ASSERT_TRUE(Save_Setting(&error)) << error.toStdString();
        setCurrent(kScrambled);
        Load_Setting();
        EXPECT_EQ(current(), c);
    }
}

TEST_F(SettingsTest, SavedFileHasTheElementsInOrder)
{
    setCurrent({"Plant", "10.0.0.7", "English", true, false, true, false});
    ASSERT_TRUE(Save_Setting());

    QFile file(Path_Exe + QLatin1String("/Marquell.xml"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("<Conf_Settings>")); // no declaration

    platform::XmlDocument document;
    ASSERT_TRUE(document.LoadFile(file.fileName()));
    const platform::XmlElement root = document.Root();
    EXPECT_EQ(root.Name(), QStringLiteral("Conf_Settings"));
    QStringList tree;
    for (const platform::XmlElement& group : root.Children()) {
        tree << group.Name();
        for (const platform::XmlElement& value : group.Children())
            tree << QStringLiteral("  ") + value.Name() + QLatin1Char('=') + value.Text();
    }
    EXPECT_EQ(tree, QStringList({"lastproj", "  projectname=Plant", "lastipadd", "  ipaddress=10.0.0.7",
                                 "lastlang", "  language=English", "lastinternet",
                                 "  enable_internet=1", "  enable_update=0",
                                 "  enable_jump_field_tables=1", "  Double_Click_Auto_Size=0"}));
}

TEST_F(SettingsTest, MalformedFileIsRewrittenWholeOnSave)
{
    writeSettings("<Conf_Settings><lastproj>");
    Load_Setting();
    EXPECT_EQ(current(), kDefaults);
    Language_Name = QStringLiteral("Italiano");
    ASSERT_TRUE(Save_Setting());
    setCurrent(kScrambled);
    Load_Setting();
    EXPECT_EQ(current(), (Settings{"", "192.168.2.205", "Italiano", false, false, false, false}));
}

TEST_F(SettingsTest, FailedSaveIsReported)
{
    Path_Exe = testsupport::TestFolder() + QLatin1String("/missing");
    QString error;
    EXPECT_FALSE(Save_Setting(&error));
    EXPECT_FALSE(error.isEmpty());

    // The settings file's place is taken by a folder: nothing is replaced.
    Path_Exe = platform::ExeFolder();
    QDir().mkpath(Path_Exe + QLatin1String("/Marquell.xml"));
    EXPECT_FALSE(Save_Setting());
    EXPECT_TRUE(QFileInfo(Path_Exe + QLatin1String("/Marquell.xml")).isDir());
}

TEST(ProjectFiles, PathsFollowTheOpenConfiguration)
{
    const struct {
        QString* path;
        const char* name;
    } files[] = {
        {&File_ParGen, "ParGen.xml"},
        {&File_LoRaWAN_SetAccess, "LoRaWAN_SetAccess.xml"},
        {&File_ModbusM_SetAccess, "ModbusM_SetAccess.xml"},
        {&File_M_Bus, "M_Bus.xml"},
        {&File_ModbusTCPM_SetAccess, "ModbusTCPM_SetAccess.xml"},
        {&File_CAN_Rec_Frames, "CAN_Rec_Frames.xml"},
        {&File_CAN_Send_Frames, "CAN_Send_Frames.xml"},
        {&File_SDO_Server_CANopen, "SDO_Server_CANopen.xml"},
        {&File_SDO_Client_CANopen, "SDO_Client_CANopen.xml"},
        {&File_PDO_CANopen, "PDO_CANopen.xml"},
        {&File_DNETM_Net, "DNETM_Net.xml"},
        {&File_DNETM_DefOff, "DNETM_DefOff.xml"},
        {&File_J1939_Rec_Frames, "J1939_Rec_Frames.xml"},
        {&File_J1939_Send_Frames, "J1939_Send_Frames.xml"},
        {&File_NMEA_Rec_Frames, "NMEA_Rec_Frames.xml"},
        {&File_NMEA_Send_Frames, "NMEA_Send_Frames.xml"},
        {&File_DMX_Default_Values, "DMX_Default_Values.xml"},
        {&File_KNX_SetAccess, "KNX_SetAccess.xml"},
        {&File_BACnet_Slave_SetAccess, "BACnet_Slave_SetAccess.xml"},
        {&File_BACnet_Master_Access, "BACnet_Master_Access.xml"},
        {&File_EtherNetIP_Master_Rules, "EtherNetIP_Master_Rules.xml"},
        {&File_IEC_61850_Client, "IEC_61850_Client.xml"},
        {&File_TLS_Known_Cert, "TLS_Known_Cert.xml"},
        {&File_IEC61850_Variables, "IEC61850_Variables.xml"},
        {&File_MQTT_Set_Topic, "MQTT_Set_Topic.xml"},
        {&File_OPC_UA_Client, "OPC_UA_Client.xml"},
        {&File_OPC_UA_Server, "OPC_UA_Server.xml"},
        {&File_S7_Protocol, "S7_Protocol.xml"},
        {&File_SNMP_Manager, "SNMP_Manager.xml"},
        {&File_SNMP_Trap, "SNMP_Trap.xml"},
    };
    for (const QString& project : {QStringLiteral("/opt/conf/PROJECTS/Plant 1"), QString()}) {
        Path_Project = project;
        Set_Files();
        for (const auto& file : files)
            EXPECT_EQ(*file.path, project + QLatin1Char('/') + QLatin1String(file.name));
    }
    EXPECT_EQ(File_SNMP_Trap, QStringLiteral("/SNMP_Trap.xml"));
}

TEST(Folders, CreatedBesideTheExecutableWhenMissing)
{
    const QString exe = platform::ExeFolder();
    testsupport::WriteTestFile(QStringLiteral("LANGUAGE/Italiano.lng"), "STR0 =Inizio\r\n");
    ASSERT_TRUE(Init_Folders());
    EXPECT_EQ(Path_Exe, exe);
    EXPECT_EQ(Path_Master, exe + QLatin1String("/MASTER"));
    EXPECT_EQ(Path_Projects, exe + QLatin1String("/PROJECTS"));
    EXPECT_EQ(Path_Language, exe + QLatin1String("/LANGUAGE"));
    for (const QString& folder : {Path_Master, Path_Projects, Path_Language})
        EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
    EXPECT_TRUE(QFileInfo::exists(Path_Language + QLatin1String("/Italiano.lng")));
    EXPECT_TRUE(Init_Folders()); // a second run finds them
}

TEST(Folders, FileInTheWayIsReported)
{
    testsupport::WriteTestFile(QStringLiteral("PROJECTS"), "not a folder");
    EXPECT_FALSE(Init_Folders());
    EXPECT_TRUE(QFileInfo(Path_Master).isDir());
    EXPECT_TRUE(QFileInfo(Path_Language).isDir());
}

TEST(Folders, ConfigurationNamesCompareWithoutCase)
{
    ASSERT_TRUE(Init_Folders());
    for (const char* name : {"Plant", "abc", "ABC"})
        QDir().mkpath(Path_Projects + QLatin1Char('/') + QLatin1String(name));
    testsupport::WriteTestFile(QStringLiteral("PROJECTS/file"), "");
    const struct {
        QString name;
        QString found; // below PROJECTS, empty for none
    } cases[] = {
        {"Plant", "Plant"},  {"PLANT", "Plant"}, {"plant", "Plant"}, {"abc", "abc"},
        {"ABC", "ABC"},      {"Other", ""},      {"", ""},           {".", ""},
        {"..", ""},          {"../PROJECTS", ""}, {"Plant/", ""},    {"file", ""},
    };
    for (const auto& c : cases) {
        const QString expected =
            c.found.isEmpty() ? QString() : Path_Projects + QLatin1Char('/') + c.found;
        EXPECT_EQ(Find_Project_Folder(c.name), expected) << c.name.toStdString();
    }
}
