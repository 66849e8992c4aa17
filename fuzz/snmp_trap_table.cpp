// The readers of "SNMP_Trap.xml" in the network tables: the SNMP agent tables
// editor shows the file as at every showing and checks every row as OK does;
// the MIB export reads the same file and builds the module's lines.

#include "fuzz/FuzzProject.h"

#include "app/tables/network/snmp/USNMP_MIB.h"
#include "app/tables/network/snmp/USNMP_Trap_Access.h"

namespace {

class SnmpTrapReader : public TFSNMP_Trap_Access {
public:
    using TFSNMP_Trap_Access::FormShow;
};

SnmpTrapReader& Form()
{
    static SnmpTrapReader* form = [] {
        fuzz::OpenScratchProject();
        return platform::CreateForm<SnmpTrapReader>();
    }();
    return *form;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    SnmpTrapReader& form = Form();
    fuzz::PutFile(QStringLiteral("PROJECTS/Plant/SNMP_Trap.xml"), fuzz::Bytes(data, size));
    form.FormShow(nullptr);
    (void)form.Controllo_dati();
    QString error;
    if (Read_MIB_Trap_Rows(error))
        (void)MIB_Lines();
    return 0;
}
