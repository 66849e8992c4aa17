// The bank image builder over the three project files it reads. The input is
// cut at zero bytes into "ParGen.xml", "LoRaWAN_SetAccess.xml" and
// "SNMP_Trap.xml"; a part that is missing leaves that file out.

#include "fuzz/FuzzSupport.h"

#include "app/communication/USaveBincc.h"
#include "app/shell/UComon.h"

#include <QDir>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    const std::vector<QByteArray> parts = fuzz::SplitParts(fuzz::Bytes(data, size), 3);
    Path_Project = fuzz::ScratchFolder() + QStringLiteral("/PROJECTS/Plant");
    QDir().mkpath(Path_Project + QStringLiteral("/bin"));
    const QString names[] = {QStringLiteral("ParGen.xml"), QStringLiteral("LoRaWAN_SetAccess.xml"),
                             QStringLiteral("SNMP_Trap.xml")};
    QString* paths[] = {&File_ParGen, &File_LoRaWAN_SetAccess, &File_SNMP_Trap};
    for (int i = 0; i < 3; ++i) {
        const bool present = size_t(i) < parts.size();
        *paths[i] = fuzz::PutFile(QStringLiteral("PROJECTS/Plant/") + names[i],
                                  present ? parts[size_t(i)] : QByteArray(), present);
    }

    QString error;
    if (Compile_Bin_Banks(error)) {
        if (Bank1_Buffer().size() != Bank1_Size || Bank2_Buffer().size() != Bank2_Size)
            std::abort(); // the images must keep the sizes the gateway loads
    } else if (error.isEmpty()) {
        std::abort(); // a stopped build names the file and the fault
    }
    return 0;
}
