#include "app/tables/network/UNetworkTablesStart.h"

#include "app/shell/WindowRegistry.h"
#include "app/tables/network/UBACnetAccess.h"
#include "app/tables/network/UImportEDEFile.h"
#include "app/tables/network/ULoRa_Set_Access.h"

void Create_Network_Table_Windows()
{
    FLoRa_Set_Access = platform::CreateForm<TFLoRa_Set_Access>();
    Register_Window(QStringLiteral("FLoRa_Set_Access"),
                    {FLoRa_Set_Access, [] { FLoRa_Set_Access->Set_Lang(); }, {}, {}, {}});
    FBACnetAccess = platform::CreateForm<TFBACnetAccess>();
    Register_Window(QStringLiteral("FBACnetAccess"), {FBACnetAccess, [] { FBACnetAccess->Set_Lang(); }, {}, {}, {}});
    FImportEDEFile = platform::CreateForm<TFImportEDEFile>();
    Register_Window(QStringLiteral("FImportEDEFile"),
                    {FImportEDEFile, [] { FImportEDEFile->Set_Lang(); }, {}, {}, {}});
}

void Destroy_Network_Table_Windows()
{
    delete FImportEDEFile;
    FImportEDEFile = nullptr;
    delete FBACnetAccess;
    FBACnetAccess = nullptr;
    delete FLoRa_Set_Access;
    FLoRa_Set_Access = nullptr;
}
