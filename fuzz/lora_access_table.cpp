// The LoRaWAN access editor's reader of "LoRaWAN_SetAccess.xml" and of
// "ParGen.xml": the input, cut at its first zero byte, gives the parameter
// file and the table file; the window shows them as at every showing and then
// checks every row as OK does.

#include "fuzz/FuzzProject.h"

#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/tables/network/lorawan/ULoRa_Set_Access.h"
#include "platform/ui/window/ModalSeams.h"

#include <QDir>

namespace {

class LoRaAccessReader : public TFLoRa_Set_Access {
public:
    using TFLoRa_Set_Access::FormShow;
};

LoRaAccessReader& Form()
{
    static LoRaAccessReader* form = [] {
        fuzz::OpenScratchProject();
        return platform::CreateForm<LoRaAccessReader>();
    }();
    return *form;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    LoRaAccessReader& form = Form();
    const std::vector<QByteArray> parts = fuzz::SplitParts(fuzz::Bytes(data, size), 2);
    const bool withParameters = parts.size() > 1;
    fuzz::PutFile(QStringLiteral("PROJECTS/Plant/ParGen.xml"), withParameters ? parts[0] : QByteArray(), withParameters);
    fuzz::PutFile(QStringLiteral("PROJECTS/Plant/LoRaWAN_SetAccess.xml"), parts.back());
    form.FormShow(nullptr);
    (void)form.Controllo_dati();
    return 0;
}
