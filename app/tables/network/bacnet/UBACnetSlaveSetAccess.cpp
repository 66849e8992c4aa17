#include "app/tables/network/bacnet/UBACnetSlaveSetAccess.h"

#include "app/shell/buttons/LbButton.h"
#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/tables/common/GridRowOperations.h"
#include "app/tables/network/bacnet/UBACnetSlaveSetAccessChecks.h"
#include "app/tables/network/bacnet/UBACnet_Eng_Unit.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "grid/foundation/pagecontrol/ExPageControl.h"
#include "platform/core/Files.h"
#include "platform/ui/window/Dialogs.h"
#include "platform/xml/XmlDocument.h"

TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess = nullptr;

namespace {

constexpr TColor Object_Colour = 0xFEFAE0;
constexpr TColor Position_Colour = 0xF4D6FC;
constexpr TColor Swap_Colour = 0xA8FFFF;
constexpr TColor Current_Cell_Colour = 0xEACAB6;

constexpr int Type_Column = 1;
constexpr int Unit_Column = 2;
constexpr int Position_Column = 3;
constexpr int Length_Column = 5;
constexpr int Swap_Column = 6;

constexpr int Rows = 2000;
constexpr int Limited_Rows = 1000;
constexpr int Memory_Bytes = 1500;
constexpr int Text_Too_Many_Requests = 1559;

TableSection MakeSection(TBACnetDirection direction)
{
    const bool read = direction == TBACnetDirection::Read;
    const int header = read ? 1516 : 1524;
    TableSection section{read ? QStringLiteral("BACnet_in_Read") : QStringLiteral("BACnet_in_Write"),
        read ? QStringLiteral("ACG_BACnet_in_Read") : QStringLiteral("ACG_BACnet_in_Write"), read ? 1508 : 1509,
        header, Type_Column,
        {{"Data_Type", header + 1, 0, 150, edComboList, Object_Colour, {}, BACnet_Server_Data_Types(direction)},
         {"Eng_Unit", header + 2, 0, 100, edNormal, Object_Colour, {}},
         {"Position", header + 3, 0, 64, edComboList, Position_Colour, {}},
         {"Bit", header + 4, 0, 64, edComboList, Position_Colour, {}, Number_Items(8)},
         {"Length", header + 5, 0, 64, edNormal, Position_Colour, {}},
         {"Swap", header + 6, 0, 40, edDataCheckBox, Swap_Colour, QStringLiteral("N")},
         {"Mnemonic", header + 7, 0, 250, edNormal, clWhite, {}}}};
    return section;
}

TableFile MakeFile()
{
    return {QStringLiteral("BACnet_to_Modbus"), QStringLiteral("1.000"),
            {MakeSection(TBACnetDirection::Read), MakeSection(TBACnetDirection::Write)}};
}

TableTexts Texts()
{
    TableTexts t;
    t.caption = 1500;
    t.description = 1501;
    t.firstButton = 1502;
    t.firstButtonHint = 1510;
    t.deleteQuestion = 1560;
    t.rowError = 1532;
    return t;
}

TableFrameOptions Options()
{
    TableFrameOptions o;
    o.rowCount = Rows + 1;
    o.enableColumn = false;
    return o;
}

} // namespace

const TableFile& BACnet_Slave_SetAccess_File()
{
    static const TableFile file = MakeFile();
    return file;
}

bool BACnet_Desc_Chars_Limit()
{
    platform::XmlDocument parameters;
    return FileExists(File_ParGen) && parameters.LoadFile(File_ParGen)
        && parameters.Root().ChildText(QStringLiteral("BACnet_Desc_Chars_Limit")) == QLatin1String("1");
}

TFBACnetSlaveSetAccess::TFBACnetSlaveSetAccess(QWidget* parent)
    : TableEditorFrame(parent, BACnet_Slave_SetAccess_File(), Texts(), 764, Options())
{
    setObjectName(QStringLiteral("FBACnetSlaveSetAccess"));
    Sheets[0]->SetName(QStringLiteral("TS_BACnet_in_Read"));
    Sheets[1]->SetName(QStringLiteral("TS_BACnet_in_Write"));
    for (TLbButton* button : {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow})
        button->SetShowHint(false);
    for (TExColumnGrid* grid : {ACG_BACnet_in_Read(), ACG_BACnet_in_Write()})
        grid->OnDblClickCell = [this](TObject* s, int r, int c) { ACG_BACnet_in_DblClickCell(s, r, c); };
    ACG_BACnet_in_Read()->SetSelectionColor(Current_Cell_Colour);
    ACG_BACnet_in_Write()->OnComboChange = [this](TObject* s, int c, int r, int i, const QString& text) {
        ACG_BACnet_in_WriteComboChange(s, c, r, i, text);
    };
}

TFBACnetSlaveSetAccess::~TFBACnetSlaveSetAccess() = default;

void TFBACnetSlaveSetAccess::FormCreate(TObject* Sender)
{
    TableEditorFrame::FormCreate(Sender);
    ACG_BACnet_in_Read()->HideColumn(Swap_Column);
    ACG_BACnet_in_Write()->HideColumn(Swap_Column);
}

QString TFBACnetSlaveSetAccess::FilePath() const
{
    return File_BACnet_Slave_SetAccess;
}

void TFBACnetSlaveSetAccess::PrepareTables()
{
    NByte_IN = Memory_Bytes;
    NByte_OUT = Memory_Bytes;
    Set_Column_Items(ACG_BACnet_in_Read(), Position_Column, Number_Items(NByte_IN));
    Set_Column_Items(ACG_BACnet_in_Write(), Position_Column, Number_Items(NByte_OUT));
    Desc_Lenght = BACnet_Desc_Chars_Limit();
    for (TExColumnGrid* grid : {ACG_BACnet_in_Read(), ACG_BACnet_in_Write()})
        grid->SetRowCount((Desc_Lenght ? Limited_Rows : Rows) + 1);
}

void TFBACnetSlaveSetAccess::ACG_BACnet_in_DblClickCell(TObject* Sender, int ARow, int ACol)
{
    auto* grid = static_cast<TExColumnGrid*>(Sender);
    if (ARow > 0 && ACol >= 0 && grid->DisplayToRealCol(ACol) == Unit_Column && FBACnet_Eng_Unit) {
        QString unit = grid->AllCells(Unit_Column, ARow);
        if (FBACnet_Eng_Unit->Choose(unit))
            grid->SetAllCells(Unit_Column, ARow, unit);
    }
    DblClickCell(Sender, ARow, ACol);
}

void TFBACnetSlaveSetAccess::ACG_BACnet_in_WriteComboChange(TObject*, int ACol, int ARow, int,
                                                            const QString& ASelection)
{
    if (ACol != Type_Column || ARow < 1)
        return;
    const QString length = BACnet_Server_Default_Length(ASelection);
    if (!length.isEmpty())
        ACG_BACnet_in_Write()->SetAllCells(Length_Column, ARow, length);
}

bool TFBACnetSlaveSetAccess::Controllo_dati()
{
    const TBACnetDirection directions[] = {TBACnetDirection::Read, TBACnetDirection::Write};
    const int bytes[] = {NByte_IN, NByte_OUT};
    int requests = 0;
    for (int g = 0; g < 2; ++g) {
        const int used = UsedRows(g);
        for (int r = 1; r <= used; ++r) {
            ++requests;
            const QString fault = BACnet_Server_Row_Fault(Grid_Row_Cells(Grid(g), r), directions[g], bytes[g]);
            if (!fault.isEmpty()) {
                RowFault(r, fault);
                return false;
            }
        }
    }
    const int limit = Desc_Lenght ? Limited_Rows : Rows;
    if (requests > limit) {
        MessageDlg(Lang_Texts[Text_Too_Many_Requests] + QString::number(limit), mtError, mbOK, 0);
        return false;
    }
    return true;
}
