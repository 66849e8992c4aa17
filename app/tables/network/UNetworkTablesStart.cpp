#include "app/tables/network/UNetworkTablesStart.h"

#include "app/shell/WindowRegistry.h"
#include "app/tables/network/ULoRa_Set_Access.h"

void Create_Network_Table_Windows()
{
    FLoRa_Set_Access = platform::CreateForm<TFLoRa_Set_Access>();
    Register_Window(QStringLiteral("FLoRa_Set_Access"),
                    {FLoRa_Set_Access, [] { FLoRa_Set_Access->Set_Lang(); }, {}, {}, {}});
}

void Destroy_Network_Table_Windows()
{
    delete FLoRa_Set_Access;
    FLoRa_Set_Access = nullptr;
}
