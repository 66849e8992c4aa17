#include "app/shell/UComon.h"

QString Path_Exe;
QString Path_Master;
QString Path_Projects;
QString Path_Language;

QString Name_Project;
QString Path_Project;

QString Title_Program;
QString SW_Code;
QString SW_Desc;

QString Last_IP_Address;
QString Language_Name;
bool Enable_Internet = false;
bool Enable_Update = false;
bool Enable_Jump_Field = false;
bool Enable_Auto_Size = false;

int Update_Option_Index = 0;
bool Update_Read_Back = false;

QString Path_EDE_Import;

QString File_ParGen;
QString File_LoRaWAN_SetAccess;
QString File_ModbusM_SetAccess;
QString File_M_Bus;
QString File_ModbusTCPM_SetAccess;
QString File_CAN_Rec_Frames;
QString File_CAN_Send_Frames;
QString File_SDO_Server_CANopen;
QString File_SDO_Client_CANopen;
QString File_PDO_CANopen;
QString File_DNETM_Net;
QString File_DNETM_DefOff;
QString File_J1939_Rec_Frames;
QString File_J1939_Send_Frames;
QString File_NMEA_Rec_Frames;
QString File_NMEA_Send_Frames;
QString File_DMX_Default_Values;
QString File_KNX_SetAccess;
QString File_BACnet_Slave_SetAccess;
QString File_BACnet_Master_Access;
QString File_EtherNetIP_Master_Rules;
QString File_IEC_61850_Client;
QString File_TLS_Known_Cert;
QString File_IEC61850_Variables;
QString File_MQTT_Set_Topic;
QString File_OPC_UA_Client;
QString File_OPC_UA_Server;
QString File_S7_Protocol;
QString File_SNMP_Manager;
QString File_SNMP_Trap;

TStringList Row_Clipboard;
QList<bool> Row_Clipboard_Checks;

TObjectList List_Slave_MBus;
TObjectList List_Slave_wMBus;

TStringList MIB_Read_Desc;
TStringList MIB_Write_Desc;
