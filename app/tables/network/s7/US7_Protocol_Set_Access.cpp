#include "app/tables/network/s7/US7_Protocol_Set_Access.h"

#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/tables/common/GridRowOperations.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "grid/foundation/pagecontrol/ExPageControl.h"
#include "platform/core/SysUtils.h"

TFS7_Protocol_Set_Access* FS7_Protocol_Set_Access = nullptr;

namespace {

constexpr TColor Enable_Colour = 0xB0D8FF;
constexpr TColor PLC_Colour = 0xFEFAE0;
constexpr TColor Poll_Colour = 0xA8FFA8;
constexpr TColor Position_Colour = 0xF4D6FC;
constexpr TColor Swap_Colour = 0xA8FFFF;

constexpr int Read_Position_Column = 14;
constexpr int Write_Position_Column = 16;
constexpr int Positions = 1500;

// The columns both tables begin with, through Poll Time: headers and hints
// of the read table, then of the write table.
QList<TableColumn> PLCColumns(bool write)
{
    const QString Y = QStringLiteral("Y");
    const QString zero = QStringLiteral("0");
    const QStringList bits = Number_Items(8);
    const auto t = [write](int read, int written) { return write ? written : read; };
    return {
        {"Enable", t(5917, 5930), t(5944, 5956), 50, edDataCheckBox, Enable_Colour, Y},
        {"PLC_Address", t(5918, 5931), t(5945, 5957), 100, edNormal, PLC_Colour, {}},
        {"PLC_Port", t(5919, 5932), t(5946, 5958), 60, edNormal, PLC_Colour, {}},
        {"PLC_Type", t(5920, 5933), t(5947, 5959), 80, edComboList, PLC_Colour, {},
         {"Logo0BA8", "S7200", "S7300", "S7400", "S71200", "S71500"}},
        {"Rack", t(6013, 6015), t(6017, 6019), 45, edNormal, PLC_Colour, zero},
        {"Slot", t(6014, 6016), t(6018, 6020), 45, edNormal, PLC_Colour, zero},
        {"Data_Type", t(5921, 5934), t(5948, 5960), 70, edComboList, PLC_Colour, {},
         {"Bit", "Byte", "Char", "Word", "Int", "DWord", "DInt", "Real"}},
        {"Data_Identifier", t(5922, 5935), t(5949, 5961), 90, edComboList, PLC_Colour, {},
         {"OB", "DB", "SDB", "FC", "SFC", "FB", "SFB"}},
        {"DB_Number", t(5989, 5993), t(5997, 6001), 80, edNormal, PLC_Colour, {}},
        {"PLC_Area", t(5990, 5994), t(5998, 6002), 115, edComboList, PLC_Colour, {},
         {"Direct peripheral access (P)", "Inputs (I)", "Output (Q)", "Flags (M) (Merker)"}},
        {"PLC_Add", t(5991, 5995), t(5999, 6003), 60, edNormal, PLC_Colour, {}},
        {"PLC_Bit", t(5992, 5996), t(6000, 6004), 60, edComboList, PLC_Colour, {}, bits},
        {"PollTime", t(5923, 5936), t(5950, 5962), 64, edNormal, Poll_Colour, {}},
    };
}

TableSection ReadSection()
{
    QList<TableColumn> columns = PLCColumns(false);
    columns << TableColumn{"Position", 5924, 5951, 60, edComboList, Position_Colour, {}}
            << TableColumn{"Bit", 5925, 5952, 64, edComboList, Position_Colour, {}, Number_Items(8)}
            << TableColumn{"Swap", 5926, 5953, 40, edDataCheckBox, Swap_Colour, {}}
            << TableColumn{"SwapWord", 5927, 5954, 80, edDataCheckBox, Swap_Colour, {}}
            << TableColumn{"Mnemonic", 5928, 5955, 204, edNormal, clWhite, {}};
    return {QStringLiteral("S7_Protocol_Read"), QStringLiteral("ACG_S7_Read"), 5914, 5916, 2, columns};
}

TableSection WriteSection()
{
    QList<TableColumn> columns = PLCColumns(true);
    columns << TableColumn{"OnChange", 5937, 5963, 70, edDataCheckBox, Poll_Colour, {}}
            << TableColumn{"OnCMD", 5938, 5964, 56, edDataCheckBox, Poll_Colour, {}}
            << TableColumn{"Position", 5939, 5965, 60, edComboList, Position_Colour, {}}
            << TableColumn{"Bit", 5940, 5966, 64, edComboList, Position_Colour, {}, Number_Items(8)}
            << TableColumn{"Swap", 5941, 5967, 40, edDataCheckBox, Swap_Colour, {}}
            << TableColumn{"SwapWord", 5942, 5968, 80, edDataCheckBox, Swap_Colour, {}}
            << TableColumn{"Mnemonic", 5943, 5969, 78, edNormal, clWhite, {}};
    return {QStringLiteral("S7_Protocol_Write"), QStringLiteral("ACG_S7_Write"), 5915, 5929, 2, columns};
}

// Caption, title, buttons, button hints, delete question, row error.
constexpr TableTexts Texts{5900, 5901, 5902, 5908, 6275, 5970};

TableFrameOptions Options()
{
    TableFrameOptions o;
    o.rowCount = 513;
    return o;
}

} // namespace

const TableFile& S7_Protocol_File()
{
    static const TableFile file{QStringLiteral("S7_Protocol"), QStringLiteral("1.000"), {ReadSection(), WriteSection()}};
    return file;
}

TFS7_Protocol_Set_Access::TFS7_Protocol_Set_Access(QWidget* parent)
    : TableEditorFrame(parent, S7_Protocol_File(), Texts, 1350, Options())
{
    setObjectName(QStringLiteral("FS7_Protocol_Set_Access"));
    PageControl->SetName(QStringLiteral("PageControl1"));
    Sheets[0]->SetName(QStringLiteral("TS_S7_Read"));
    Sheets[1]->SetName(QStringLiteral("TS_S7_Write"));
}

TFS7_Protocol_Set_Access::~TFS7_Protocol_Set_Access() = default;

QString TFS7_Protocol_Set_Access::FilePath() const
{
    return File_S7_Protocol;
}

void TFS7_Protocol_Set_Access::PrepareTables()
{
    NByte_IN = Positions;
    NByte_OUT = Positions;
    Set_Column_Items(ACG_S7_Read(), Read_Position_Column, Number_Items(NByte_IN));
    Set_Column_Items(ACG_S7_Write(), Write_Position_Column, Number_Items(NByte_OUT));
}

int TFS7_Protocol_Set_Access::Check_IP_Port(quint8 IP1, quint8 IP2, quint8 IP3, quint8 IP4, int Port)
{
    return ::Check_IP_Port(array_ip_Port, IP1, IP2, IP3, IP4, Port);
}

bool TFS7_Protocol_Set_Access::checkTable(int g, int nbyte)
{
    TExColumnGrid* grid = Grid(g);
    const int used = UsedRows(g);
    for (int r = 1; r <= used; ++r) {
        if (Trim(grid->AllCells(1, r)) != QLatin1String("Y"))
            continue;
        if (const int fault = S7_Row_Fault(Grid_Row_Cells(grid, r), g == 1, array_ip_Port, nbyte)) {
            RowFault(r, Lang_Texts[fault] + (S7_Position_Fault(fault) ? QString::number(nbyte - 1) : QString()));
            return false;
        }
    }
    return true;
}

bool TFS7_Protocol_Set_Access::Controllo_dati()
{
    array_ip_Port = TIPPortArray();
    return checkTable(0, NByte_IN) && checkTable(1, NByte_OUT);
}
