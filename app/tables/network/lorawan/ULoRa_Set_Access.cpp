#include "app/tables/network/lorawan/ULoRa_Set_Access.h"

#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/tables/common/TableEditorFrame.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "grid/foundation/pagecontrol/ExPageControl.h"
#include "platform/core/Files.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/window/Dialogs.h"
#include "platform/xml/XmlDocument.h"

TFLoRa_Set_Access* FLoRa_Set_Access = nullptr;

namespace {

constexpr TColor Enable_Colour = 0xB0D8FF;
constexpr TColor Address_Colour = 0xFEFAE0;
constexpr TColor Trigger_Colour = 0xA8FFA8;
constexpr TColor FPort_Colour = 0xF4D6FC;

constexpr int Uplink_FPort_Column = 8;
constexpr int Downlink_FPort_Column = 4;
constexpr int Fixed_Rows = 257;
constexpr int Variable_Rows = 224;

TableFile MakeFile()
{
    const QString Y = QStringLiteral("Y");
    const QString N = QStringLiteral("N");
    TableSection uplink{QStringLiteral("LoRaWAN_Uplink"), QStringLiteral("ACG_LoRa_Uplink"), 1214, 1216, 2,
        {{"Enable", 1217, 1225, 50, edDataCheckBox, Enable_Colour, Y},
         {"StartByte", 1218, 1226, 80, edNormal, Address_Colour, {}},
         {"NumByte", 1219, 1227, 80, edNormal, Address_Colour, {}},
         {"OnChange", 1220, 1228, 70, edDataCheckBox, Trigger_Colour, N},
         {"OnCMD", 1221, 1229, 55, edDataCheckBox, Trigger_Colour, N},
         {"OnTimer", 1222, 1230, 65, edDataCheckBox, Trigger_Colour, N},
         {"Time", 1223, 1231, 80, edNormal, Trigger_Colour, {}},
         {"FPort", 1250, 1251, 60, edNormal, FPort_Colour, {}},
         {"Mnemonic", 1224, 1232, 280, edNormal, clWhite, {}}}};
    TableSection downlink{QStringLiteral("LoRaWAN_Downlink"), QStringLiteral("ACG_LoRa_Downlink"), 1215, 1233, 2,
        {{"Enable", 1234, 1238, 50, edDataCheckBox, Enable_Colour, Y},
         {"StartByte", 1235, 1239, 80, edNormal, Address_Colour, {}},
         {"NumByte", 1236, 1240, 80, edNormal, Address_Colour, {}},
         {"FPort", 1252, 1253, 60, edNormal, FPort_Colour, {}},
         {"Mnemonic", 1237, 1241, 550, edNormal, clWhite, {}}}};
    return {QStringLiteral("LoRaWAN_Set_Access"), QStringLiteral("1.000"), {uplink, downlink}};
}

TableTexts Texts()
{
    TableTexts t;
    t.caption = 1200;
    t.description = 1201;
    t.firstButton = 1202;
    t.firstButtonHint = 1208;
    t.deleteQuestion = 1249;
    t.rowError = 1243;
    return t;
}

// The builder's reading of a number; a text that is none gives -1.
int Number(TExColumnGrid* grid, int col, int row)
{
    return StrToIntDef(grid->AllCells(col, row), -1);
}

// Every row the builder takes is checked: it takes "Enable" trimmed and
// upper-cased, so "y" counts as enabled here too.
bool Enabled(TExColumnGrid* grid, int row)
{
    return UpperCase(Trim(grid->AllCells(1, row))) == "Y";
}

} // namespace

const TableFile& LoRa_Access_File()
{
    static const TableFile file = MakeFile();
    return file;
}

TFLoRa_Set_Access::TFLoRa_Set_Access(QWidget* parent)
    : TableEditorFrame(parent, LoRa_Access_File(), Texts(), 900)
{
    setObjectName(QStringLiteral("FLoRa_Set_Access"));
    Sheets[0]->SetName(QStringLiteral("TS_LoRa_Uplink"));
    Sheets[1]->SetName(QStringLiteral("TS_LoRa_Downlink"));
}

TFLoRa_Set_Access::~TFLoRa_Set_Access() = default;

QString TFLoRa_Set_Access::FilePath() const
{
    return File_LoRaWAN_SetAccess;
}

QString TFLoRa_Set_Access::RowNumberText(int row) const
{
    return QString::number(row - 1);
}

void TFLoRa_Set_Access::PrepareTables()
{
    FPortFixed = true;
    MaxPayloadSize = 0;
    if (FileExists(File_ParGen)) {
        platform::XmlDocument parameters;
        if (parameters.LoadFile(File_ParGen)) {
            const platform::XmlElement root = parameters.Root();
            MaxPayloadSize = StrToIntDef(root.ChildText(QStringLiteral("LoRa_Payload_Size")), 0);
            FPortFixed = UpperCase(Trim(root.ChildText(QStringLiteral("LoRa_FPort")))) != "VARIABLE";
        }
    }
    const int rows = FPortFixed ? Fixed_Rows : Variable_Rows;
    ACG_LoRa_Uplink()->SetRowCount(rows);
    ACG_LoRa_Downlink()->SetRowCount(rows);
    const bool hidden = ACG_LoRa_Uplink()->IsHiddenColumn(Uplink_FPort_Column);
    if (FPortFixed && !hidden) {
        ACG_LoRa_Uplink()->HideColumn(Uplink_FPort_Column);
        ACG_LoRa_Downlink()->HideColumn(Downlink_FPort_Column);
    } else if (!FPortFixed && hidden) {
        ACG_LoRa_Uplink()->UnHideColumn(Uplink_FPort_Column);
        ACG_LoRa_Downlink()->UnHideColumn(Downlink_FPort_Column);
    }
    if (MaxPayloadSize == 0)
        MessageDlg(Lang_Texts[1242], mtWarning, mbOK, 0);
}

// Checks the enabled rows of one grid up to the first empty StartByte. The
// fault texts are StartByte, NumByte, FPort and (uplink only) Time.
bool TFLoRa_Set_Access::checkRows(int g, const QList<int>& faults, int fportColumn)
{
    TExColumnGrid* grid = Grid(g);
    const int used = UsedRows(g);
    const int maxBytes = MaxPayloadSize - 2;
    const bool uplink = g == 0;
    for (int r = 1; r <= used; ++r) {
        if (!Enabled(grid, r))
            continue;
        QString fault;
        if (Outside(Number(grid, 2, r), 0, 1536))
            fault = Lang_Texts[faults[0]];
        else if (Outside(Number(grid, 3, r), 0, maxBytes))
            fault = Lang_Texts[faults[1]] + QString::number(maxBytes);
        else if (uplink && UpperCase(Trim(grid->AllCells(6, r))) == "Y" && Outside(Number(grid, 7, r), 30, 86400))
            fault = Lang_Texts[faults[3]];
        else if (!FPortFixed && Outside(Number(grid, fportColumn, r), 1, 223))
            fault = Lang_Texts[faults[2]];
        if (!fault.isEmpty()) {
            RowFault(r, fault);
            return false;
        }
    }
    return true;
}

bool TFLoRa_Set_Access::Controllo_dati()
{
    return checkRows(0, {1244, 1245, 1254, 1246}, Uplink_FPort_Column)
        && checkRows(1, {1247, 1248, 1255, 0}, Downlink_FPort_Column);
}
