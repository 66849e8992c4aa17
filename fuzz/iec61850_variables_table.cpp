// The reader of "IEC61850_Variables.xml": the editor shows the file as at every showing,
// checks every row as OK does and saves; what it saved reads back as it held.

#include "fuzz/FuzzTableFile.h"

#include "app/tables/network/iec61850/UIEC61850_Variables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::ReplayTableFile<TFIEC61850_Variables>(data, size, QStringLiteral("IEC61850_Variables.xml"), IEC61850_Variables_File());
    return 0;
}
