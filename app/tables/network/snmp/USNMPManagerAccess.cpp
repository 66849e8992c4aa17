#include "app/tables/network/snmp/USNMPManagerAccess.h"

#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/tables/common/GridRowOperations.h"
#include "app/tables/network/snmp/USNMPManagerAccessChecks.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/window/Dialogs.h"

TFSNMPManagerAccess* FSNMPManagerAccess = nullptr;

namespace {

constexpr TColor Enable_Colour = 0xB0D8FF;
constexpr TColor Device_Colour = 0xFEFAE0;
constexpr TColor Request_Colour = 0xA8FFFF;
constexpr TColor Trigger_Colour = 0xA8FFA8;
constexpr TColor Position_Colour = 0xF4D6FC;
constexpr TColor Cancel_Colour = 0xFFD5D5;
constexpr TColor Security_Colour = 0xFFDE91;
constexpr TColor Window_Colour = 0xEDF7F8;

constexpr int Position_Column = 12;
constexpr int Positions = 1440;

constexpr int Text_Rows = 6186;
constexpr int Text_And = 6187;
constexpr int Text_Same_Request = 6188;
constexpr int Text_Budget = 6189;

TableFile MakeFile()
{
    const QString Y = QStringLiteral("Y");
    const QString N = QStringLiteral("N");
    TableSection rows{QString(), QStringLiteral("ACG_SNMP"), 0, 6108, 2,
        {{"Enable", 6109, 6123, 50, edDataCheckBox, Enable_Colour, Y},
         {"IP_Address", 6110, 6124, 90, edNormal, Device_Colour, {}},
         {"Version", 6111, 6125, 60, edComboList, Device_Colour, {}, {"1", "2", "3"}},
         {"Community_String", 6112, 6126, 106, edComboEdit, Device_Colour, {}, {"Quarry", "Lantern"}},
         {"OID", 6113, 6127, 100, edNormal, Device_Colour, {}},
         {"Type", 6114, 6128, 65, edComboList, Request_Colour, {}, {"String", "Int"}},
         {"Mode", 6115, 6129, 65, edComboList, Request_Colour, {}, {"Get", "Set", "Trap"}},
         {"On_Change", 6116, 6130, 75, edDataCheckBox, Trigger_Colour, N},
         {"On_Command", 6117, 6131, 50, edDataCheckBox, Trigger_Colour, N},
         {"On_Timer", 6118, 6132, 65, edDataCheckBox, Trigger_Colour, N},
         {"Time", 6119, 6133, 65, edNormal, Trigger_Colour, {}},
         {"Position", 6120, 6134, 75, edComboList, Position_Colour, {}},
         {"Number_Bytes", 6121, 6135, 75, edNormal, Position_Colour, {}},
         {"ConvertFrom", 6154, 6155, 95, edComboList, Enable_Colour, QStringLiteral("None"),
          {"None", "Float", "Float * 10", "Float * 100"}},
         {"Cancel", 6160, 6161, 50, edDataCheckBox, Cancel_Colour, N},
         {"User", 6162, 6168, 70, edNormal, Security_Colour, {}},
         {"Auth_Pass", 6163, 6169, 70, edNormal, Security_Colour, {}},
         {"Priv_Pass", 6164, 6170, 70, edNormal, Security_Colour, {}},
         {"Security_Level", 6165, 6171, 100, edComboList, Security_Colour, {},
          {"NoAuth NoPriv", "Auth NoPriv", "Auth Priv"}},
         {"Auth_Mode", 6166, 6172, 75, edComboList, Security_Colour, {}, {"MD5", "SHA"}},
         {"Priv_Mode", 6167, 6173, 75, edComboList, Security_Colour, {}, {"DES", "AES"}},
         {"Mnemonic", 6122, 6136, 80, edNormal, Window_Colour, {}}}};
    return {QStringLiteral("SNMP_Manager_Access"), QStringLiteral("1.000"), {rows}};
}

// Caption, title, buttons, button hints, delete question, row error.
constexpr TableTexts Texts{6100, 6101, 6102, 6148, 6147, 6137};

TableFrameOptions Options()
{
    TableFrameOptions o;
    o.rowCount = 513;
    return o;
}

bool Enabled(TExColumnGrid* grid, int row)
{
    return Trim(grid->AllCells(1, row)) == QLatin1String("Y");
}

} // namespace

const TableFile& SNMP_Manager_File()
{
    static const TableFile file = MakeFile();
    return file;
}

TFSNMPManagerAccess::TFSNMPManagerAccess(QWidget* parent)
    : TableEditorFrame(parent, SNMP_Manager_File(), Texts, 1230, Options())
{
    setObjectName(QStringLiteral("FSNMPManagerAccess"));
    ACG_SNMP()->OnClickCell = nullptr;
}

TFSNMPManagerAccess::~TFSNMPManagerAccess() = default;

QString TFSNMPManagerAccess::FilePath() const
{
    return File_SNMP_Manager;
}

void TFSNMPManagerAccess::PrepareTables()
{
    Set_Column_Items(ACG_SNMP(), Position_Column, Number_Items(Positions));
}

void TFSNMPManagerAccess::TablesLoaded()
{
    if (ACG_SNMP()->CanFocus())
        ACG_SNMP()->SetFocus();
}

bool TFSNMPManagerAccess::Controllo_dati()
{
    TExColumnGrid* grid = ACG_SNMP();
    const int used = UsedRows(0);
    int budget = 1;
    QList<std::pair<int, QStringList>> enabled;
    for (int r = 1; r <= used; ++r) {
        if (!Enabled(grid, r))
            continue;
        enabled.emplaceBack(r, Grid_Row_Cells(grid, r));
        if (const int fault = SNMP_Manager_Row_Fault(enabled.last().second, budget)) {
            RowFault(r, Lang_Texts[fault]);
            return false;
        }
    }
    for (qsizetype i = 0; i < enabled.size(); ++i) {
        for (qsizetype j = i + 1; j < enabled.size(); ++j) {
            if (SNMP_Manager_Same_Request(enabled[i].second, enabled[j].second)) {
                MessageDlg(Lang_Texts[Text_Rows] + QString::number(enabled[i].first) + Lang_Texts[Text_And]
                               + QString::number(enabled[j].first) + Lang_Texts[Text_Same_Request],
                           mtError, mbOK, 0);
                return false;
            }
        }
    }
    if (budget > SNMP_Manager_Budget) {
        MessageDlg(Lang_Texts[Text_Budget], mtError, mbOK, 0);
        return false;
    }
    return true;
}
