// The reader of "SNMP_Manager.xml": the editor shows the file as at every showing,
// checks every row as OK does and saves; what it saved reads back as it held.

#include "fuzz/FuzzTableFile.h"

#include "app/tables/network/snmp/USNMPManagerAccess.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::ReplayTableFile<TFSNMPManagerAccess>(data, size, QStringLiteral("SNMP_Manager.xml"), SNMP_Manager_File());
    return 0;
}
