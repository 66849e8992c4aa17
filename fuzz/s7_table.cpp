// The reader of "S7_Protocol.xml": the editor shows the file as at every showing,
// checks every row as OK does and saves; what it saved reads back as it held.

#include "fuzz/FuzzProject.h"
#include "fuzz/FuzzTableFile.h"

#include "app/tables/network/s7/US7_Protocol_Set_Access.h"

namespace {

class Reader : public TFS7_Protocol_Set_Access {
public:
    using TFS7_Protocol_Set_Access::FormShow;
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
    const QString path = fuzz::PutFile(QStringLiteral("PROJECTS/Plant/S7_Protocol.xml"), fuzz::Bytes(data, size));
    fuzz::ShowCheckAndSave(form, S7_Protocol_File(), path);
    return 0;
}
