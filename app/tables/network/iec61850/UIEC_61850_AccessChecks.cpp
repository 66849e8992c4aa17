// The row check of the variables table and the byte placement by basic type.

#include "app/tables/network/iec61850/UIEC_61850_Access.h"

#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/tables/common/TableEditorFrame.h"
#include "app/tables/network/iec61850/UIEC_61850_AccessPrivate.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/window/Dialogs.h"

using namespace iec;

namespace {

struct Placement {
    QStringList types;
    const char* numByte;
};

// Types of a fixed size take their bytes from the type; the others as typed.
const Placement* FixedPlacement(const QString& bType)
{
    static const Placement table[] = {
        {{"FLOAT32", "INT32U", "INT32", "QUALITY"}, "4"},
        {{"FLOAT64", "INT64"}, "8"},
        {{"INT8U", "INT8", "BOOLEAN", "TIMESTAMP", "ENUM"}, "1"},
        {{"INT16U", "INT16"}, "2"},
    };
    const QString upper = UpperCase(bType);
    for (const Placement& p : table)
        if (p.types.contains(upper))
            return &p;
    return nullptr;
}

int Number(TExColumnGrid* grid, int col, int row)
{
    return StrToIntDef(grid->AllCells(col, row), -1);
}

// The byte range of a text type: start below `size`, count 1..size, sum at
// most size; the fault's text index, 0 when it passes.
int ByteRangeFault(TExColumnGrid* grid, int row, int size, int firstText)
{
    const int start = Number(grid, Da_StartByte, row);
    const int count = Number(grid, Da_NumByte, row);
    if (Outside(start, 0, size - 1))
        return firstText;
    if (Outside(count, 1, size))
        return firstText + 1;
    return start + count > size ? firstText + 2 : 0;
}

// The fault of one row as its text, empty when the row passes.
QString RowFault(TExColumnGrid* grid, int row, QChar separator)
{
    const QString type = UpperCase(grid->AllCells(Da_bType, row));
    const int byteFault = type == "VISSTRING255" ? ByteRangeFault(grid, row, 255, 4962)
                        : type == "OCTET64"      ? ByteRangeFault(grid, row, 64, 4965)
                                                 : 0;
    if (byteFault)
        return Lang_Texts[byteFault];
    QString a, b, c, d;
    if (!Split_IP_Address(grid->AllCells(Da_IPAddress, row), a, b, c, d))
        return Lang_Texts[4953];
    if (Outside(Number(grid, Da_Port, row), 0, 65535))
        return Lang_Texts[4954];
    if (Trim(grid->AllCells(Da_OnTimer, row)) == "Y" && Outside(Number(grid, Da_Time, row), 1, 100000000))
        return Lang_Texts[4955];
    if (Outside(Number(grid, Da_Position, row), 0, 1399))
        return Lang_Texts[4956] + QStringLiteral("1399");
    if (!Valid_Factor(grid->AllCells(Da_MoltFact, row), separator))
        return Lang_Texts[4957];
    return QString();
}

} // namespace

bool TFIEC_61850_Access::Controllo_dati()
{
    const QChar separator = Get_Decimal_Separator();
    for (int r = 1; r < ACG_DA->RowCount(); ++r) {
        if (ACG_DA->AllCells(Da_bType, r).isEmpty())
            continue;
        const QString fault = RowFault(ACG_DA, r, separator);
        if (!fault.isEmpty()) {
            MessageDlg(Lang_Texts[Text_Row_Error] + QString::number(r) + fault, mtError, mbOK, 0);
            return false;
        }
    }
    return true;
}

void TFIEC_61850_Access::Set_Start_Num_Byte()
{
    for (int r = 1; r < ACG_DA->RowCount(); ++r) {
        const Placement* fixed = FixedPlacement(ACG_DA->AllCells(Da_bType, r));
        if (fixed) {
            ACG_DA->SetAllCells(Da_StartByte, r, QStringLiteral("0"));
            ACG_DA->SetAllCells(Da_NumByte, r, QString::fromLatin1(fixed->numByte));
        }
        for (int c : {int(Da_StartByte), int(Da_NumByte)})
            ACG_DA->CellProperties(c, r)->SetReadOnly(fixed != nullptr);
    }
}
