// The reader of BACnet EDE files: the input is the file, read in any encoding
// (byte-order marks for UTF-8 and UTF-16, otherwise code page 1252), its data
// lines found and split into objects.

#include "fuzz/FuzzSupport.h"

#include "app/tables/network/bacnet/UImportEDEFileRead.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    const QString path = fuzz::PutFile(QStringLiteral("device.csv"), fuzz::Bytes(data, size));
    const TEDE_Read_Result result = Read_EDE_File(path);
    if (result.status != TEDE_Read_Status::Read && !(result.vars.isEmpty() && result.faults.isEmpty()))
        std::abort(); // a file that gives nothing gives no objects either
    for (const TBACnet_Var& v : result.vars) {
        // Only objects the client table can name are taken, with usable numbers.
        if (Get_ObjType_EDE(v.object_type).isEmpty() || v.object_instance < 0 || !v.import || !v.read
            || v.write != v.commandable)
            std::abort();
    }
    int previous = 0;
    for (const TEDE_Line_Fault& fault : result.faults) {
        if (fault.line <= previous)
            std::abort(); // faults are named in file order, each line once
        previous = fault.line;
    }
    return 0;
}
