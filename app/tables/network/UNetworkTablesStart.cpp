#include "app/tables/network/UNetworkTablesStart.h"

#include "app/shell/WindowRegistry.h"
#include "app/tables/network/bacnet/UBACnetAccess.h"
#include "app/tables/network/bacnet/UBACnetSlaveSetAccess.h"
#include "app/tables/network/bacnet/UBACnet_EDE_File.h"
#include "app/tables/network/bacnet/UBACnet_Eng_Unit.h"
#include "app/tables/network/iec61850/UIEC61850_Variables.h"
#include "app/tables/network/iec61850/UIEC_61850_Access.h"
#include "app/tables/network/bacnet/UImportEDEFile.h"
#include "app/tables/network/lorawan/ULoRa_Set_Access.h"
#include "app/tables/network/s7/US7_Protocol_Set_Access.h"
#include "app/tables/network/snmp/USNMPManagerAccess.h"
#include "app/tables/network/snmp/USNMP_MIB.h"
#include "app/tables/network/snmp/USNMP_Trap_Access.h"

void Create_Network_Table_Windows()
{
    FLoRa_Set_Access = platform::CreateForm<TFLoRa_Set_Access>();
    Register_Window(QStringLiteral("FLoRa_Set_Access"),
                    {FLoRa_Set_Access, [] { FLoRa_Set_Access->Set_Lang(); }, {}, {}, {}});
    FBACnet_Eng_Unit = platform::CreateForm<TFBACnet_Eng_Unit>();
    Register_Window(QStringLiteral("FBACnet_Eng_Unit"),
                    {FBACnet_Eng_Unit, [] { FBACnet_Eng_Unit->Set_Lang(); }, {}, {}, {}});
    FBACnetSlaveSetAccess = platform::CreateForm<TFBACnetSlaveSetAccess>();
    Register_Window(QStringLiteral("FBACnetSlaveSetAccess"),
                    {FBACnetSlaveSetAccess, [] { FBACnetSlaveSetAccess->Set_Lang(); }, {}, {}, {}});
    Register_Command(QStringLiteral("Export_EDE_File"), Export_EDE_File);
    FBACnetAccess = platform::CreateForm<TFBACnetAccess>();
    Register_Window(QStringLiteral("FBACnetAccess"), {FBACnetAccess, [] { FBACnetAccess->Set_Lang(); }, {}, {}, {}});
    FImportEDEFile = platform::CreateForm<TFImportEDEFile>();
    Register_Window(QStringLiteral("FImportEDEFile"),
                    {FImportEDEFile, [] { FImportEDEFile->Set_Lang(); }, {}, {}, {}});
    FIEC_61850_Access = platform::CreateForm<TFIEC_61850_Access>();
    Register_Window(QStringLiteral("FIEC_61850_Access"),
                    {FIEC_61850_Access, [] { FIEC_61850_Access->Set_Lang(); }, {}, {}, {}});
    FIEC61850_Variables = platform::CreateForm<TFIEC61850_Variables>();
    Register_Window(QStringLiteral("FIEC61850_Variables"),
                    {FIEC61850_Variables, [] { FIEC61850_Variables->Set_Lang(); }, {}, {}, {}});
    FS7_Protocol_Set_Access = platform::CreateForm<TFS7_Protocol_Set_Access>();
    Register_Window(QStringLiteral("FS7_Protocol_Set_Access"),
                    {FS7_Protocol_Set_Access, [] { FS7_Protocol_Set_Access->Set_Lang(); }, {}, {}, {}});
    FSNMPManagerAccess = platform::CreateForm<TFSNMPManagerAccess>();
    Register_Window(QStringLiteral("FSNMPManagerAccess"),
                    {FSNMPManagerAccess, [] { FSNMPManagerAccess->Set_Lang(); }, {}, {}, {}});
    FSNMP_Trap_Access = platform::CreateForm<TFSNMP_Trap_Access>();
    Register_Window(QStringLiteral("FSNMP_Trap_Access"),
                    {FSNMP_Trap_Access, [] { FSNMP_Trap_Access->Set_Lang(); }, {}, {}, {}});
    Register_Command(QStringLiteral("Export_SNMP_MIB"), Export_SNMP_MIB);
}

void Destroy_Network_Table_Windows()
{
    delete FSNMPManagerAccess;
    FSNMPManagerAccess = nullptr;
    delete FS7_Protocol_Set_Access;
    FS7_Protocol_Set_Access = nullptr;
    delete FIEC61850_Variables;
    FIEC61850_Variables = nullptr;
    delete FImportEDEFile;
    FImportEDEFile = nullptr;
    delete FBACnetSlaveSetAccess;
    FBACnetSlaveSetAccess = nullptr;
    delete FBACnet_Eng_Unit;
    FBACnet_Eng_Unit = nullptr;
    delete FBACnetAccess;
    FBACnetAccess = nullptr;
    delete FLoRa_Set_Access;
    FLoRa_Set_Access = nullptr;
    delete FSNMP_Trap_Access;
    FSNMP_Trap_Access = nullptr;
    delete FIEC_61850_Access;
    FIEC_61850_Access = nullptr;
}
