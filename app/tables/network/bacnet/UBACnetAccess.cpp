#include "app/tables/network/bacnet/UBACnetAccess.h"

#include "app/shell/buttons/LbButton.h"
#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/tables/common/GridRowOperations.h"
#include "app/tables/network/bacnet/UBACnetAccessChecks.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "grid/foundation/pagecontrol/ExPageControl.h"
#include "platform/core/Files.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/window/Dialogs.h"
#include "platform/ui/panels/Panel.h"
#include "platform/xml/XmlDocument.h"

#include <QGuiApplication>
#include <QScreen>

TFBACnetAccess* FBACnetAccess = nullptr;

namespace {

constexpr TColor Enable_Colour = 0xB0D8FF;
constexpr TColor Object_Colour = 0xFEFAE0;
constexpr TColor Destination_Colour = 0xFFD5D5;
constexpr TColor Timer_Colour = 0xA8FFA8;
constexpr TColor MaxErr_Colour = 0xA8FFFF;
constexpr TColor Position_Colour = 0xF4D6FC;

constexpr int Address_Column = 2;
constexpr int Object_Type_Column = 3;
constexpr int Positions = 1440;

struct GridColumns {
    int property, dLen, position, startBit, swap, convertion, objectType, dataType;
};
constexpr GridColumns Read_Columns{5, 9, 13, 14, 15, 16, 3, -1};
constexpr GridColumns Write_Columns{6, 11, 17, 18, 19, 20, 3, 4};

TableFile MakeFile()
{
    const QString Y = QStringLiteral("Y");
    const QString N = QStringLiteral("N");
    TableSection read{QStringLiteral("BACnet_Read"), QStringLiteral("ACG1"), 1306, 1308, Address_Column,
        {{"Enable", 1390, 0, 45, edDataCheckBox, Enable_Colour, Y},
         {"IP_Address_Slave_ID", 1309, 0, 90, edNormal, Object_Colour, {}},
         {"Object_Type", 1311, 0, 125, edComboEdit, Object_Colour, {}},
         {"Instance", 1312, 0, 56, edNormal, Object_Colour, {}},
         {"Property", 1313, 0, 115, edComboEdit, Object_Colour, {}},
         {"NumByte", 1314, 0, 45, edNormal, Object_Colour, {}},
         {"Enable_Destination", 1362, 0, 50, edDataCheckBox, Destination_Colour, N},
         {"Destination_Network", 1363, 0, 45, edNormal, Destination_Colour, {}},
         {"Destination_Length", 1364, 0, 45, edComboList, Destination_Colour, {}},
         {"Destination_Address", 1365, 0, 60, edNormal, Destination_Colour, {}},
         {"PollTime", 1315, 0, 58, edNormal, Timer_Colour, {}},
         {"MaxError", 1316, 0, 50, edNormal, MaxErr_Colour, {}},
         {"Position", 1317, 0, 56, edComboList, Position_Colour, {}},
         {"StartBit", 1318, 0, 56, edComboList, Position_Colour, {}},
         {{}, 1360, 0, 38, edDataCheckBox, Enable_Colour, {}},
         {{}, 1380, 0, 115, edComboList, Enable_Colour, {}},
         {"Mnemonic", 1319, 0, 307, edNormal, clWhite, {}}}};
    TableSection write{QStringLiteral("BACnet_Write"), QStringLiteral("ACG2"), 1307, 1320, Address_Column,
        {{"Enable", 1391, 0, 45, edDataCheckBox, Enable_Colour, Y},
         {"IP_Address_Slave_ID", 1321, 0, 90, edNormal, Object_Colour, {}},
         {"Object_Type", 1323, 0, 125, edComboEdit, Object_Colour, {}},
         {"Data_Type", 1324, 0, 100, edComboList, Object_Colour, {}},
         {"Instance", 1325, 0, 56, edNormal, Object_Colour, {}},
         {"Property", 1326, 0, 100, edComboEdit, Object_Colour, {}},
         {"Priority", 1327, 0, 56, edNormal, Object_Colour, {}},
         {"NumByte", 1328, 0, 45, edNormal, Object_Colour, {}},
         {"Enable_Destination", 1366, 0, 50, edDataCheckBox, Destination_Colour, N},
         {"Destination_Network", 1367, 0, 45, edNormal, Destination_Colour, {}},
         {"Destination_Length", 1368, 0, 45, edComboList, Destination_Colour, {}},
         {"Destination_Address", 1369, 0, 60, edNormal, Destination_Colour, {}},
         {"OnChange", 1329, 0, 55, edDataCheckBox, Timer_Colour, N},
         {"OnTimer", 1330, 0, 45, edDataCheckBox, Timer_Colour, N},
         {"PollTime", 1331, 0, 58, edNormal, Timer_Colour, {}},
         {"MaxError", 1332, 0, 50, edNormal, MaxErr_Colour, {}},
         {"Position", 1333, 0, 56, edComboList, Position_Colour, {}},
         {"StartBit", 1334, 0, 56, edComboList, Position_Colour, {}},
         {{}, 1361, 0, 38, edDataCheckBox, Enable_Colour, {}},
         {{}, 1381, 0, 115, edComboList, Enable_Colour, {}},
         {"Mnemonic", 1335, 0, 66, edNormal, clWhite, {}}}};
    return {QStringLiteral("BACnet_Master_Access"), QStringLiteral("1.002"), {read, write}};
}

TableTexts Texts()
{
    TableTexts t;
    t.caption = 1300;
    t.description = 1301;
    t.firstButton = 1302;
    t.deleteQuestion = 1336;
    return t;
}

TableFrameOptions Options()
{
    TableFrameOptions o;
    o.rowClipboard = false;
    o.cellHandlers = false;
    o.rowCount = 513;
    o.numberWidth = 32;
    o.cellFont = QStringLiteral("Tahoma");
    return o;
}

int Screen_Client_Width()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->geometry().width() > 1270 ? 1305 : 1000;
}

void SetComboItems(TExColumnGrid* grid, const GridColumns& c, bool read)
{
    const QStringList lengths{"1", "2", "6", "M1", "M2", "M3", "M4", "M5", "M6", "M7", "M8"};
    if (read) {
        Set_Column_Items(grid, c.objectType,
                 {"Accumulator", "Multi-State Input", "Multi-State Output", "Multi-State Value", "Analog Input",
                  "Analog Output", "Analog Value", "Binary Input", "Binary Output", "Binary Value", "Integer Value",
                  "Large Analog Value", "Positive Integer Value", "Life Safety Point", "Life Safety Zone"});
        Set_Column_Items(grid, c.property,
                 {"Present Value (85)", "Object Identifier (75)", "Units (117)", "Scale (187)", "PreScale (185)",
                  "Polarity (84)", "Event State (36)", "Status Flags (111)", "Object Type (79)",
                  "Number of States (74)"});
        Set_Column_Items(grid, c.convertion, {"None", "Float to Int", "(Float to Int) * 10", "(Float to Int) * 100"});
    } else {
        Set_Column_Items(grid, c.objectType,
                 {"Multi-State Output", "Multi-State Value", "Analog Output", "Analog Value", "Binary Output",
                  "Binary Value", "Integer Value", "Large Analog Value", "Positive Integer Value"});
        Set_Column_Items(grid, c.dataType,
                 {"Null", "Boolean", "Unsigned Int", "Signed Int", "Real", "Double", "Octet String",
                  "Character String", "Bit String", "Enumerated", "Date", "Time", "Object ID"});
        Set_Column_Items(grid, c.property, {"Present Value (85)"});
        Set_Column_Items(grid, c.convertion, {"None", "Int to Float", "(Int to Float) / 10", "(Int to Float) / 100"});
    }
    Set_Column_Items(grid, c.dLen, lengths);
    Set_Column_Items(grid, c.startBit, Number_Items(8));
}

} // namespace

const TableFile& BACnet_Master_Access_File()
{
    static const TableFile file = MakeFile();
    return file;
}

TFBACnetAccess::TFBACnetAccess(QWidget* parent)
    : TableEditorFrame(parent, BACnet_Master_Access_File(), Texts(), Screen_Client_Width(), Options()),
      OD_EDE_File(std::make_unique<TOpenDialog>())
{
    setObjectName(QStringLiteral("FBACnetAccess"));
    Sheets[0]->SetName(QStringLiteral("TS_BACnet_Read"));
    Sheets[1]->SetName(QStringLiteral("TS_BACnet_Write"));
    Btn_Import_CSV = new TLbButton(P_Button);
    Btn_Import_CSV->SetBounds(16 + 118 * 4, 6, 110, 28);
    Btn_Import_CSV->OnClick = [this](TObject* s) { Btn_Import_CSVClick(s); };
    OD_EDE_File->SetFilter(QStringLiteral("BACnet EDE File (*.csv)|*.csv"));
    SetComboItems(ACG1(), Read_Columns, true);
    SetComboItems(ACG2(), Write_Columns, false);
    for (TExColumnGrid* grid : {ACG1(), ACG2()})
        grid->OnGridHint = [this](TObject* s, int r, int c, QString& h) { ACG1GridHint(s, r, c, h); };
    ACG1()->SetShowHint(true);
    ACG2()->SetShowHint(false);
}

TFBACnetAccess::~TFBACnetAccess() = default;

void TFBACnetAccess::FormCreate(TObject* Sender)
{
    TableEditorFrame::FormCreate(Sender);
    Set_Lang();
    ACG1()->HideColumn(Read_Columns.swap);
    ACG1()->HideColumn(Read_Columns.convertion);
    ACG2()->HideColumn(Write_Columns.swap);
    ACG2()->HideColumn(Write_Columns.convertion);
    OD_EDE_File->SetInitialDir(Path_EDE_Import);
}

void TFBACnetAccess::Set_Lang()
{
    TableEditorFrame::Set_Lang();
    Btn_Import_CSV->SetCaption(Lang_Texts[1359]);
    const bool slave = App_BACnet_Type == 1;
    ACG1()->Columns()->Items(Address_Column)->SetHeader(Lang_Texts[slave ? 1310 : 1309]);
    ACG2()->Columns()->Items(Address_Column)->SetHeader(Lang_Texts[slave ? 1322 : 1321]);
}

QString TFBACnetAccess::FilePath() const
{
    return File_BACnet_Master_Access;
}

int TFBACnetAccess::KeyColumn(int) const
{
    return App_BACnet_Type == 0 || App_BACnet_Type == 1 ? Address_Column : Object_Type_Column;
}

void TFBACnetAccess::PrepareTables()
{
    readBACnetType();
    showAddressColumn();
    const QStringList positions = Number_Items(Positions);
    Set_Column_Items(ACG1(), Read_Columns.position, positions);
    Set_Column_Items(ACG2(), Write_Columns.position, positions);
}

// The client type lives in the communication settings; without it the
// table works with IP addresses.
void TFBACnetAccess::readBACnetType()
{
    App_BACnet_Type = 0;
    platform::XmlDocument parameters;
    if (FileExists(File_ParGen) && parameters.LoadFile(File_ParGen)) {
        const platform::XmlElement type = parameters.Root().Child(QStringLiteral("BACnet_Master_Type"));
        if (!type.IsNull()) {
            App_BACnet_Type = StrToIntDef(type.Text(), 0);
            return;
        }
    }
    MessageDlg(Lang_Texts[1357], mtError, mbOK, 0);
}

void TFBACnetAccess::showAddressColumn()
{
    const bool shown = App_BACnet_Type == 0 || App_BACnet_Type == 1;
    for (TExColumnGrid* grid : {ACG1(), ACG2()}) {
        if (shown && grid->IsHiddenColumn(Address_Column))
            grid->UnHideColumn(Address_Column);
        else if (!shown && !grid->IsHiddenColumn(Address_Column))
            grid->HideColumn(Address_Column);
    }
    Set_Lang();
}

void TFBACnetAccess::ACG1GridHint(TObject* Sender, int ARow, int ACol, QString& hint)
{
    if (Sender == ACG1())
        hint = Str_Hint_Read(ARow, ACG1()->DisplayToRealCol(ACol));
    else if (Sender == ACG2())
        hint = Str_Hint_Write(ARow, ACol);
    else
        hint.clear();
}

QString TFBACnetAccess::Str_Hint_Read(int ARow, int ACol) const
{
    if (ARow < 1 || ACol != Read_Columns.property)
        return {};
    return BACnet_Read_Hint(ACG1()->AllCells(Read_Columns.objectType, ARow),
                            ACG1()->AllCells(Read_Columns.property, ARow));
}

QString TFBACnetAccess::Str_Hint_Write(int, int) const
{
    return {};
}

bool TFBACnetAccess::Check_Dest_Add(const QString& address, int n, bool read, int row)
{
    const TBACnetDirection direction = read ? TBACnetDirection::Read : TBACnetDirection::Write;
    const int fault = Dest_Add_Fault(address, n, direction);
    if (fault)
        MessageDlg(Lang_Texts[read ? 1337 : 1346] + QString::number(row) + Lang_Texts[fault], mtError, mbOK, 0);
    return fault != 0;
}

bool TFBACnetAccess::Controllo_dati()
{
    const TBACnetDirection directions[] = {TBACnetDirection::Read, TBACnetDirection::Write};
    const int prefixes[] = {1337, 1346};
    for (int g = 0; g < 2; ++g) {
        const int used = UsedRows(g);
        for (int r = 1; r <= used; ++r) {
            if (Grid(g)->AllCells(1, r) != "Y")
                continue;
            const QString fault = BACnet_Row_Fault(Grid_Row_Cells(Grid(g), r), directions[g], App_BACnet_Type);
            if (!fault.isEmpty()) {
                MessageDlg(Lang_Texts[prefixes[g]] + QString::number(r) + fault, mtError, mbOK, 0);
                return false;
            }
        }
    }
    return true;
}
