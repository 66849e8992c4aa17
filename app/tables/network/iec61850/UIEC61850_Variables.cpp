#include "app/tables/network/iec61850/UIEC61850_Variables.h"

#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/tables/common/GridRowOperations.h"
#include "app/tables/network/iec61850/UIEC61850_VariablesChecks.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "platform/core/SysUtils.h"

TFIEC61850_Variables* FIEC61850_Variables = nullptr;

namespace {

constexpr TColor Enable_Colour = 0xB0D8FF;
constexpr TColor Name_Colour = 0xFEFAE0;
constexpr TColor Type_Colour = 0xA8FFA8;
constexpr TColor ReadOnly_Colour = 0xA8FFFF;
constexpr TColor Position_Colour = 0xF4D6FC;
constexpr TColor Conversion_Colour = 0xFFD5D5;

constexpr int Positions = 1438;

TableFile MakeFile()
{
    const QString Y = QStringLiteral("Y");
    const QString N = QStringLiteral("N");
    TableSection rows{QString(), QStringLiteral("ACG"), 0, 5014, 2,
        {{"Enable", 5015, 5022, 50, edDataCheckBox, Enable_Colour, Y},
         {"Name", 5016, 5023, 250, edNormal, Name_Colour, {}},
         {"Type", 5017, 5024, 80, edComboList, Type_Colour, {}, {"Int", "Float", "Digital (Bit)"}},
         {"Length", 5018, 5025, 65, edNormal, Type_Colour, {}},
         {"ReadOnly", 5019, 5026, 65, edDataCheckBox, ReadOnly_Colour, N},
         {"Position", 5020, 5027, 80, edNormal, Position_Colour, {}},
         {"StartBit", 5032, 5035, 60, edComboList, Position_Colour, {}, Number_Items(8)},
         {"Conversion", 5033, 5036, 75, edComboList, Conversion_Colour, {}, {"None", "Int to Float", "Float to Int"}},
         {"MultiplicationFactor", 5034, 5037, 75, edComboEdit, Conversion_Colour, {}, {"None"}},
         {"Swap", 5042, 5044, 45, edDataCheckBox, Conversion_Colour, N},
         {"SwapWord", 5043, 5045, 80, edDataCheckBox, Conversion_Colour, N},
         {"Mnemonic", 5021, 5028, 128, edNormal, clWhite, {}}}};
    return {QStringLiteral("IEC61850_Variables"), QStringLiteral("1.000"), {rows}};
}

// Caption, title, buttons, button hints, delete question, row error.
constexpr TableTexts Texts{5000, 5001, 5002, 5008, 5031, 5029};

TableFrameOptions Options()
{
    TableFrameOptions o;
    o.rowCount = 51;
    return o;
}

} // namespace

const TableFile& IEC61850_Variables_File()
{
    static const TableFile file = MakeFile();
    return file;
}

TFIEC61850_Variables::TFIEC61850_Variables(QWidget* parent)
    : TableEditorFrame(parent, IEC61850_Variables_File(), Texts, 1155, Options())
{
    setObjectName(QStringLiteral("FIEC61850_Variables"));
    ACG()->Columns()->Items(0)->SetColor(Enable_Colour);
}

TFIEC61850_Variables::~TFIEC61850_Variables() = default;

QString TFIEC61850_Variables::FilePath() const
{
    return File_IEC61850_Variables;
}

void TFIEC61850_Variables::PrepareTables()
{
    NByte_IN = Positions;
}

bool TFIEC61850_Variables::Controllo_dati()
{
    const QChar separator = Get_Decimal_Separator();
    const int used = UsedRows(0);
    for (int r = 1; r <= used; ++r) {
        if (Trim(ACG()->AllCells(1, r)) != QLatin1String("Y"))
            continue;
        if (const int fault = IEC61850_Variable_Fault(Grid_Row_Cells(ACG(), r), NByte_IN, separator)) {
            RowFault(r, Lang_Texts[fault]
                            + (fault == IEC61850_Position_Fault ? QString::number(NByte_IN - 1) : QString()));
            return false;
        }
    }
    return true;
}
