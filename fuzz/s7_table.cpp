// The reader of "S7_Protocol.xml": the editor shows the file as at every showing,
// checks every row as OK does and saves; what it saved reads back as it held.

#include "fuzz/FuzzTableFile.h"

#include "app/tables/network/s7/US7_Protocol_Set_Access.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::ReplayTableFile<TFS7_Protocol_Set_Access>(data, size, QStringLiteral("S7_Protocol.xml"), S7_Protocol_File());
    return 0;
}
