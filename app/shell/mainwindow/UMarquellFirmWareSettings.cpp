#include "app/shell/mainwindow/UMarquellFirmWareSettings.h"

#include "app/shell/UComon.h"
#include "platform/core/ExeFolder.h"
#include "platform/core/Files.h"
#include "platform/xml/XmlDocument.h"


namespace {

const QString kDefaultIPAddress = QStringLiteral("192.168.2.205");
const QString kDefaultLanguage = QStringLiteral("English");

QString settingsFile()
{
    return Path_Exe + QLatin1String("/Marquell.xml");
}

bool ensureFolder(const QString& path)
{
    if (!DirectoryExists(path))
        CreateDir(path);
    return DirectoryExists(path);
}

struct ProjectFile {
    QString* path;
    const char* name;
};

const ProjectFile kProjectFiles[] = {
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

void setDefaults()
{
    Name_Project.clear();
    Path_Project.clear();
    Last_IP_Address = kDefaultIPAddress;
    Language_Name = kDefaultLanguage;
    Enable_Internet = false;
    Enable_Update = false;
    Enable_Jump_Field = false;
    Enable_Auto_Size = false;
}

// Only the exact text "1" sets a flag.
bool flagOf(const platform::XmlElement& parent, const char* name)
{
    return parent.ChildText(QLatin1String(name)) == QLatin1String("1");
}

QString flagText(bool flag)
{
    return flag ? QStringLiteral("1") : QStringLiteral("0");
}

void appendValue(platform::XmlElement parent, const char* name, const QString& value)
{
    parent.AppendChild(QLatin1String(name)).SetText(value);
}

} // namespace

bool Init_Folders()
{
    Path_Exe = platform::ExeFolder();
    Path_Master = Path_Exe + QLatin1String("/MASTER");
    Path_Projects = Path_Exe + QLatin1String("/PROJECTS");
    Path_Language = Path_Exe + QLatin1String("/LANGUAGE");
    bool ok = true;
    for (const QString& folder : {Path_Master, Path_Projects, Path_Language})
        ok = ensureFolder(folder) && ok;
    return ok;
}

void Set_Files()
{
    for (const ProjectFile& file : kProjectFiles)
        *file.path = Path_Project + QLatin1Char('/') + QLatin1String(file.name);
}

QString Find_Project_Folder(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")
        || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QString();
    const QStringList folders = platform::FindFolders(Path_Projects, QStringLiteral("*"));
    if (folders.contains(name))
        return Path_Projects + QLatin1Char('/') + name;
    for (const QString& folder : folders)
        if (folder.compare(name, Qt::CaseInsensitive) == 0)
            return Path_Projects + QLatin1Char('/') + folder;
    return QString();
}

void Load_Setting()
{
    setDefaults();
    platform::XmlDocument document;
    if (!FileExists(settingsFile()) || !document.LoadFile(settingsFile()))
        return;
    const platform::XmlElement root = document.Root();
    Name_Project = root.Child(QStringLiteral("lastproj")).ChildText(QStringLiteral("projectname"));
    Last_IP_Address = root.Child(QStringLiteral("lastipadd"))
                          .ChildText(QStringLiteral("ipaddress"), kDefaultIPAddress);
    Language_Name = root.Child(QStringLiteral("lastlang"))
                        .ChildText(QStringLiteral("language"), kDefaultLanguage);
    const platform::XmlElement options = root.Child(QStringLiteral("lastinternet"));
    Enable_Internet = flagOf(options, "enable_internet");
    Enable_Update = flagOf(options, "enable_update");
    Enable_Jump_Field = flagOf(options, "enable_jump_field_tables");
    Enable_Auto_Size = flagOf(options, "Double_Click_Auto_Size");
}

bool Save_Setting(QString* error)
{
    platform::XmlDocument document;
    platform::XmlElement root = document.CreateRoot(QStringLiteral("Conf_Settings"));
    appendValue(root.AppendChild(QStringLiteral("lastproj")), "projectname", Name_Project);
    appendValue(root.AppendChild(QStringLiteral("lastipadd")), "ipaddress", Last_IP_Address);
    appendValue(root.AppendChild(QStringLiteral("lastlang")), "language", Language_Name);
    platform::XmlElement options = root.AppendChild(QStringLiteral("lastinternet"));
    appendValue(options, "enable_internet", flagText(Enable_Internet));
    appendValue(options, "enable_update", flagText(Enable_Update));
    appendValue(options, "enable_jump_field_tables", flagText(Enable_Jump_Field));
    appendValue(options, "Double_Click_Auto_Size", flagText(Enable_Auto_Size));
    return document.SaveFile(settingsFile(), error);
}
