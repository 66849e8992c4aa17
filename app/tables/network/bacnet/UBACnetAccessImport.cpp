// The EDE import of the BACnet client table: the chosen objects of a device's
// EDE file become new read and write rules in free rows.

#include "app/tables/network/bacnet/UBACnetAccess.h"

#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/tables/network/bacnet/UImportEDEFile.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "platform/core/Files.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/window/Dialogs.h"
#include "platform/ui/controls/Edit.h"

#include <QFileInfo>

namespace {

constexpr int Text_Left_Out_Read = 1394;
constexpr int Text_Left_Out_Write = 1395;

// Where the new rows of one grid go: the rows whose key is empty, and the
// byte after the last value of the rows in use.
class FreeRows {
public:
    FreeRows(TExColumnGrid* grid, int key, int positionColumn, int nbyteColumn) : grid_(grid), key_(key)
    {
        for (int r = 1; r < grid->RowCount(); ++r) {
            if (!InUse(r))
                continue;
            const int position = StrToIntDef(grid->AllCells(positionColumn, r), -1);
            const int nbyte = StrToIntDef(grid->AllCells(nbyteColumn, r), -1);
            if (position >= 0 && nbyte >= 0)
                next_ = qMax(next_, position + nbyte);
        }
    }

    // The next row not in use, or 0 when none is left.
    int Take()
    {
        while (row_ < grid_->RowCount() && InUse(row_))
            ++row_;
        return row_ < grid_->RowCount() ? row_++ : 0;
    }
    // The position of a value of `bytes` bytes; the next one follows it.
    int Place(int bytes)
    {
        const int position = next_;
        next_ += bytes;
        return position;
    }

private:
    bool InUse(int r) const { return !Trim(grid_->AllCells(key_, r)).isEmpty(); }

    TExColumnGrid* grid_;
    int key_;
    int row_ = 1;
    int next_ = 0;
};

QString Mnemonic(const TBACnet_Var& v)
{
    return v.object_name + QStringLiteral(" - ") + v.description;
}

void FillRow(TExColumnGrid* grid, int row, const QStringList& cells)
{
    for (int c = 0; c < cells.size(); ++c)
        grid->SetAllCells(c + 1, row, cells[c]);
}

QStringList ReadRow(const TBACnet_Var& v, const QString& address, int position)
{
    const int bytes = Get_NumByte_EDE(v.object_type);
    return {"Y", address, Get_ObjType_EDE(v.object_type), QString::number(v.object_instance),
            "Present Value (85)", QString::number(bytes), "N", {}, {}, {}, "1000", "0",
            QString::number(position), "0", "N", {}, Mnemonic(v)};
}

QStringList WriteRow(const TBACnet_Var& v, const QString& address, int position)
{
    const int bytes = Get_NumByte_EDE(v.object_type);
    return {"Y", address, Get_ObjType_EDE(v.object_type), Get_DataType_EDE(v.object_type),
            QString::number(v.object_instance), "Present Value (85)", "0", QString::number(bytes), "N", {}, {}, {},
            "N", "N", "1000", "0", QString::number(position), "0", "N", {}, Mnemonic(v)};
}

} // namespace

void TFBACnetAccess::Btn_Import_CSVClick(TObject*)
{
    FImportEDEFile->App_BACnet_Type = App_BACnet_Type;
    if (!OD_EDE_File->Execute())
        return;
    const QString name = OD_EDE_File->FileName();
    Path_EDE_Import = QFileInfo(name).absolutePath();
    OD_EDE_File->SetInitialDir(Path_EDE_Import);
    if (!FileExists(name))
        return;
    FImportEDEFile->EDE_File = name;
    if (FImportEDEFile->ShowModal() == mrOk)
        addImportedRows();
}

// Rows in use are never overwritten; objects that find no free row are
// counted and named in one box.
void TFBACnetAccess::addImportedRows()
{
    const QString address = FImportEDEFile->E_ID_IP->Text();
    FreeRows readRows(ACG1(), KeyColumn(0), 13, 6);
    FreeRows writeRows(ACG2(), KeyColumn(1), 17, 8);
    int readLeftOut = 0;
    int writeLeftOut = 0;
    for (const TBACnet_Var& v : FImportEDEFile->List_EDE_Var) {
        if (!v.import)
            continue;
        const int bytes = Get_NumByte_EDE(v.object_type);
        if (v.read) {
            if (const int row = readRows.Take())
                FillRow(ACG1(), row, ReadRow(v, address, readRows.Place(bytes)));
            else
                ++readLeftOut;
        }
        if (v.write) {
            if (const int row = writeRows.Take())
                FillRow(ACG2(), row, WriteRow(v, address, writeRows.Place(bytes)));
            else
                ++writeLeftOut;
        }
    }
    if (readLeftOut || writeLeftOut)
        MessageDlg(Lang_Texts[Text_Left_Out_Read] + QString::number(readLeftOut) + Lang_Texts[Text_Left_Out_Write]
                       + QString::number(writeLeftOut),
                   mtWarning, mbOK, 0);
}
