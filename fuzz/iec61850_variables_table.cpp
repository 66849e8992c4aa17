// The reader of "IEC61850_Variables.xml": the editor shows the file as at every showing,
// checks every row as OK does and saves; what it saved reads back as it held.

#include "fuzz/FuzzProject.h"
#include "fuzz/FuzzTableFile.h"

#include "app/tables/network/iec61850/UIEC61850_Variables.h"

namespace {

class Reader : public TFIEC61850_Variables {
public:
    using TFIEC61850_Variables::FormShow;
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
    const QString path = fuzz::PutFile(QStringLiteral("PROJECTS/Plant/IEC61850_Variables.xml"), fuzz::Bytes(data, size));
    fuzz::ShowCheckAndSave(form, IEC61850_Variables_File(), path);
    return 0;
}
