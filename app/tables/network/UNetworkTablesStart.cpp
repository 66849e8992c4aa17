#include "app/tables/network/UNetworkTablesStart.h"

#include "app/shell/WindowRegistry.h"
#include "app/tables/network/UIEC_61850_Access.h"
#include "app/tables/network/ULoRa_Set_Access.h"

void Create_Network_Table_Windows()
{
    FLoRa_Set_Access = platform::CreateForm<TFLoRa_Set_Access>();
    Register_Window(QStringLiteral("FLoRa_Set_Access"),
                    {FLoRa_Set_Access, [] { FLoRa_Set_Access->Set_Lang(); }, {}, {}, {}});
    FIEC_61850_Access = platform::CreateForm<TFIEC_61850_Access>();
    Register_Window(QStringLiteral("FIEC_61850_Access"),
                    {FIEC_61850_Access, [] { FIEC_61850_Access->Set_Lang(); }, {}, {}, {}});
}

void Destroy_Network_Table_Windows()
{
    delete FLoRa_Set_Access;
    FLoRa_Set_Access = nullptr;
    delete FIEC_61850_Access;
    FIEC_61850_Access = nullptr;
}
