#pragma once

#include "app/shell/TObjectList.h"
#include "platform/core/StringList.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

// The state every window shares and the routines that the editors of several
// parts of the program use alike.

// ---------------------------------------------------------------------------
// Shared globals. Texts are empty and flags false until start-up sets them.

// The executable's folder and the three folders beside it; no trailing separator.
extern QString Path_Exe;
extern QString Path_Master;
extern QString Path_Projects;
extern QString Path_Language;

// The open (or remembered) configuration; an empty Path_Project means that no
// configuration is open.
extern QString Name_Project;
extern QString Path_Project;

extern QString Title_Program;
extern QString SW_Code;
extern QString SW_Desc;

// The settings kept in the settings file.
extern QString Last_IP_Address;
extern QString Language_Name;
extern bool Enable_Internet;
extern bool Enable_Update;
extern bool Enable_Jump_Field;
extern bool Enable_Auto_Size;

// The last choices of the update form; not saved.
extern int Update_Option_Index;
extern bool Update_Read_Back;

extern QString Path_EDE_Import;

// Full paths of the project files, set together by Set_Files.
extern QString File_ParGen;
extern QString File_LoRaWAN_SetAccess;
extern QString File_ModbusM_SetAccess;
extern QString File_M_Bus;
extern QString File_ModbusTCPM_SetAccess;
extern QString File_CAN_Rec_Frames;
extern QString File_CAN_Send_Frames;
extern QString File_SDO_Server_CANopen;
extern QString File_SDO_Client_CANopen;
extern QString File_PDO_CANopen;
extern QString File_DNETM_Net;
extern QString File_DNETM_DefOff;
extern QString File_J1939_Rec_Frames;
extern QString File_J1939_Send_Frames;
extern QString File_NMEA_Rec_Frames;
extern QString File_NMEA_Send_Frames;
extern QString File_DMX_Default_Values;
extern QString File_KNX_SetAccess;
extern QString File_BACnet_Slave_SetAccess;
extern QString File_BACnet_Master_Access;
extern QString File_EtherNetIP_Master_Rules;
extern QString File_IEC_61850_Client;
extern QString File_TLS_Known_Cert;
extern QString File_IEC61850_Variables;
extern QString File_MQTT_Set_Topic;
extern QString File_OPC_UA_Client;
extern QString File_OPC_UA_Server;
extern QString File_S7_Protocol;
extern QString File_SNMP_Manager;
extern QString File_SNMP_Trap;

// The one row clipboard of the table editors: the copied cells and, per
// column, whether it was a check-box column.
extern TStringList Row_Clipboard;
extern QList<bool> Row_Clipboard_Checks;

// Wired and wireless M-Bus slaves found by a scan (shared with the scan
// threads: take the list's lock).
extern TObjectList List_Slave_MBus;
extern TObjectList List_Slave_wMBus;

// Descriptions of the enabled SNMP trap rows for the MIB writer.
extern TStringList MIB_Read_Desc;
extern TStringList MIB_Write_Desc;

// ---------------------------------------------------------------------------
// Records of the OPC UA browse library.

struct opcua_server_to_discover {
    const char* server_address;
    qint32 user_pass_auth_flag;
    const char* username;
    const char* password;
    const char* cert;
    const char* priv_key;
    qint32 security_type;
    qint32 security_policy;
};

struct opcua_structure {
    quint16 nameSpaceIndex;
    quint16 identifierType; // 0 numeric, 3 string, 4 Guid, 5 byte string
    quint32 numeric;
    const char* stringname;
    quint32 stringLength;
    quint32 guide1;
    quint16 guide2;
    quint16 guide3;
    quint8 guide4[8];
    const char* byteString;
    quint32 byteStringLength;
    const char* displayName;
    quint32 displayNameLength;
    qint32 dataType;
    quint8 accessLevel;
    quint8 spare[3];
};

// ---------------------------------------------------------------------------
// Common routines. None shows a message; each reports through its result.

// Four dot-separated parts, each 0 to 255; the parts are given back as texts.
bool Split_IP_Address(const QString& text, QString& A, QString& B, QString& C, QString& D);
// True = error. Every byte that is not 0 to 255 becomes 0.
bool IP_Address_To_Bytes(const QString& text, quint8& B1, quint8& B2, quint8& B3, quint8& B4);
// a.b.c.d:port; the outputs are 0 unless the whole text is valid.
bool Split_IP_Address_Port(const QString& text, quint8& A, quint8& B, quint8& C, quint8& D,
                           quint16& Port);

// The serial devices present (/dev/ttyS*, /dev/ttyUSB*, /dev/ttyACM*), by
// device path in name order.
QStringList Get_COM_Port_List();
// The same, looking in another folder than /dev (tests).
QStringList Get_COM_Port_List(const QString& deviceFolder);

// 0 valid, 1 invalid. G: check as group address; Z: the all-zero individual
// address is allowed.
int Check_KNX_Address(const QString& text, bool G, bool Z);
bool Is_Group_Address(const QString& text);

int SNMP_Security_Level_Code(const QString& text);
int SNMP_Auth_Mode_Code(const QString& text);
int SNMP_Priv_Mode_Code(const QString& text);
int SNMP_Security_Flags(const QString& text);

// 0 valid; 1 too long, 2 a character other than a digit or ".", 3 leading
// ".", 4 trailing ".", 5 two "." in a row, 6 a component above 4294967295.
int Check_OID_String(const QString& text);

QChar Get_Decimal_Separator();
// Reads a decimal number written with either separator; false (and V = 1)
// when it is not a number or does not fit single precision.
bool Str_To_Float_Sep(const QString& text, QChar separator, float& V);

QString OPC_UA_Node_Type_Text(int code);
int OPC_UA_Node_Type_Code(const QString& text);
QString OPC_UA_Node_Id_Text(opcua_structure R);
QString OPC_UA_Data_Type_Text(int code);
QString OPC_UA_Auth_Text(int code);
int OPC_UA_Auth_Code(const QString& text);
QString OPC_UA_Security_Mode_Text(int code);
int OPC_UA_Security_Mode_Code(const QString& text);
QString OPC_UA_Security_Policy_Text(int code);
int OPC_UA_Security_Policy_Code(const QString& text);

int Default_Eng_Unit();
int Get_XML_Code_Dev();
int Get_Scan_Form_Type();
