// The readers of "BACnet_Slave_SetAccess.xml": the BACnet server table shows
// the file as at every showing and checks every row as OK does; the EDE
// export reads the same file and writes one line of seven fields per object.

#include "fuzz/FuzzProject.h"

#include "app/tables/network/bacnet/UBACnetSlaveSetAccess.h"
#include "app/tables/network/bacnet/UBACnet_EDE_File.h"
#include "platform/core/StringList.h"

#include <cstdlib>

namespace {

class ServerTableReader : public TFBACnetSlaveSetAccess {
public:
    using TFBACnetSlaveSetAccess::FormShow;
};

ServerTableReader& Form()
{
    static ServerTableReader* form = [] {
        fuzz::OpenScratchProject();
        return platform::CreateForm<ServerTableReader>();
    }();
    return *form;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    ServerTableReader& form = Form();
    fuzz::PutFile(QStringLiteral("PROJECTS/Plant/BACnet_Slave_SetAccess.xml"), fuzz::Bytes(data, size));
    form.FormShow(nullptr);
    (void)form.Controllo_dati();
    const QString output = Path_Project + QStringLiteral("/export.csv");
    QString error;
    if (!Export_EDE_File(output, error))
        return 0;
    TStringList lines;
    lines.LoadFromFile(output);
    for (int i = 7; i < lines.Count(); ++i) {
        if (lines[i].count(u';') != 7)
            std::abort(); // every object line keeps its seven fields
    }
    return 0;
}
