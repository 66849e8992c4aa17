// The catalog of SCL files: adding a device from a file and removing one.

#include "app/tables/network/iec61850/UIEC_61850_Access.h"

#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/tables/network/iec61850/UIEC_61850_AccessPrivate.h"
#include "app/tables/network/iec61850/UIEC_Client_Decode.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "platform/core/Files.h"
#include "platform/ui/window/Dialogs.h"
#include "platform/ui/controls/ListBox.h"
#include "platform/ui/controls/TreeView.h"

#include <QFileInfo>

using namespace iec;

QString IEC_Catalog_Folder()
{
    return Path_Project + QStringLiteral("/ICD_Catalog/");
}

void TFIEC_61850_Access::Btn_Add_IEC_DeviceClick(TObject*)
{
    if (!OD_IcdFile->Execute())
        return;
    const QString chosen = OD_IcdFile->FileName();
    ForceDirectories(IEC_Catalog_Folder());
    const QString target = IEC_Catalog_Folder() + QFileInfo(chosen).fileName();
    QString source = chosen;
    if (FileExists(target)) {
        const TModalResult answer =
            MessageDlg(QStringLiteral("File already exists in catalog directory. Do you want to overwrite file?"),
                       mtConfirmation, mbYesNoCancel, 0);
        if (answer == mrCancel)
            return;
        if (answer == mrNo)
            source = target;
    }
    // The file is read before it enters the catalog, so a bad file never
    // replaces a good copy and never becomes a device.
    QString error;
    std::unique_ptr<TIEC_Device> device = TIEC_Device::Create(source, error);
    const bool sameFile = QFileInfo(source).canonicalFilePath() == QFileInfo(target).canonicalFilePath();
    if (device && !sameFile && !CopyFile(source, target, false, &error))
        device.reset();
    if (!device) {
        MessageDlg(Lang_Texts[Text_Add_Failed] + error, mtError, mbOK, 0);
        return;
    }
    device->fFileName = QFileInfo(target).fileName();
    List_IEC_Dev.push_back(std::move(device));
    Show_IEC_Devices();
}

bool TFIEC_61850_Access::deviceInUse(int index) const
{
    for (TExColumnGrid* grid : {ACG_DA, ACG_DataSet})
        for (int r = 1; r < grid->RowCount(); ++r)
            if (Row_Device_Index(grid, r) == index)
                return true;
    return false;
}

void TFIEC_61850_Access::lowerIndexesAbove(int index)
{
    for (TExColumnGrid* grid : {ACG_DA, ACG_DataSet})
        for (int r = 1; r < grid->RowCount(); ++r) {
            const int used = Row_Device_Index(grid, r);
            if (used > index)
                grid->SetAllCells(Da_Index, r, QString::number(used - 1));
        }
}

void TFIEC_61850_Access::Btn_Remove_IEC_DeviceClick(TObject*)
{
    const int index = LB_IEC_Devices->ItemIndex();
    if (index < 0 || index >= int(List_IEC_Dev.size()))
        return;
    if (deviceInUse(index)) {
        MessageDlg(Lang_Texts[Text_Device_In_Use], mtWarning, mbOK, 0);
        return;
    }
    // The tree may show the device: its nodes go before the device does.
    TV_IEC_Device->Clear();
    Selected_IEC_DA = nullptr;
    Selected_IEC_DS = nullptr;
    List_IEC_Dev.erase(List_IEC_Dev.begin() + index);
    lowerIndexesAbove(index);
    Show_IEC_Devices();
}
