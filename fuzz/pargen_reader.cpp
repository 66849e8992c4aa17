// The Set Communication window's reader of "ParGen.xml": the file is loaded
// into the window as at every showing, then every entry is checked as OK does.

#include "fuzz/FuzzProject.h"

#include "app/communication/UParGen.h"
#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "platform/ui/window/ModalSeams.h"

#include <QDir>

namespace {

// The window with its showing step reachable, so that each input is read
// exactly as a showing reads the file.
class ParGenReader : public TFParGen {
public:
    using TFParGen::FormShow;
};

ParGenReader& Form()
{
    static ParGenReader* form = [] {
        fuzz::OpenScratchProject();
        return platform::CreateForm<ParGenReader>();
    }();
    return *form;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    ParGenReader& form = Form();
    fuzz::PutFile(QStringLiteral("PROJECTS/Plant/ParGen.xml"), fuzz::Bytes(data, size));
    form.FormShow(nullptr);
    (void)form.Controllo_Dati();
    return 0;
}
