// The reader of "SNMP_Manager.xml": the editor shows the file as at every showing,
// checks every row as OK does and saves; what it saved reads back as it held.

#include "fuzz/FuzzProject.h"
#include "fuzz/FuzzTableFile.h"

#include "app/tables/network/snmp/USNMPManagerAccess.h"

namespace {

class Reader : public TFSNMPManagerAccess {
public:
    using TFSNMPManagerAccess::FormShow;
};

Reader& Form()
{
    static Reader* form = [] {
        fuzz::OpenScratchProject();
        return platform::CreateForm<Reader>();
    }();
    return *form;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    Reader& form = Form();
    const QString path = fuzz::PutFile(QStringLiteral("PROJECTS/Plant/SNMP_Manager.xml"), fuzz::Bytes(data, size));
    fuzz::ShowCheckAndSave(form, SNMP_Manager_File(), path);
    return 0;
}
