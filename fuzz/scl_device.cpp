// The SCL reader of the IEC 61850 client and its table file: the input, cut
// at its first zero byte, gives an SCL file in the catalog and the table file
// naming it; the model is read alone and then the window shows both as at
// every showing, picks what the tree offers and checks every row as OK does.

#include "fuzz/FuzzProject.h"

#include "app/tables/network/iec61850/UIEC_61850_Access.h"
#include "app/tables/network/iec61850/UIEC_Client_Decode.h"
#include "platform/ui/controls/ListBox.h"
#include "platform/ui/controls/TreeView.h"

namespace {

class IecAccessReader : public TFIEC_61850_Access {
public:
    using TFIEC_61850_Access::FormShow;
};

IecAccessReader& Form()
{
    static IecAccessReader* form = [] {
        fuzz::OpenScratchProject();
        File_IEC_61850_Client = Path_Project + QStringLiteral("/IEC_61850_Client.xml");
        return platform::CreateForm<IecAccessReader>();
    }();
    return *form;
}

// Every leaf and data set of the tree is picked into the tables.
void PickAll(IecAccessReader& form)
{
    for (int d = 0; d < form.LB_IEC_Devices->Items().Count(); ++d) {
        form.LB_IEC_Devices->SetItemIndex(d);
        form.LB_IEC_DevicesClick(nullptr);
        for (QTreeWidgetItemIterator it(form.TV_IEC_Device); *it; ++it) {
            form.TV_IEC_Device->SetSelected(*it);
            form.TV_IEC_DeviceClick(nullptr);
            form.Btn_AddVarClick(nullptr);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    IecAccessReader& form = Form();
    const std::vector<QByteArray> parts = fuzz::SplitParts(fuzz::Bytes(data, size), 2);
    const QString scl = fuzz::PutFile(QStringLiteral("PROJECTS/Plant/ICD_Catalog/device.icd"), parts[0]);
    QString error;
    (void)TIEC_Device::Create(scl, error);
    const bool withTable = parts.size() > 1;
    fuzz::PutFile(QStringLiteral("PROJECTS/Plant/IEC_61850_Client.xml"), withTable ? parts[1] : QByteArray(), withTable);
    form.FormShow(nullptr);
    PickAll(form);
    (void)form.Controllo_dati();
    return 0;
}
