#include "app/tables/network/snmp/USNMP_Trap_Access.h"

#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/tables/common/TableEditorFrame.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "grid/foundation/pagecontrol/ExPageControl.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/window/Dialogs.h"

#include <QRegularExpression>

TFSNMP_Trap_Access* FSNMP_Trap_Access = nullptr;

namespace {

constexpr TColor Enable_Colour = 0xB0D8FF;
constexpr TColor Name_Colour = 0xFEFAE0;
constexpr TColor Trigger_Colour = 0xA8FFA8;
constexpr TColor Position_Colour = 0xF4D6FC;
constexpr TColor Size_Colour = 0xA8FFFF;
constexpr TColor Description_Colour = 0xFFD5D5;
constexpr TColor Address_Colour = 0xE4E4C9;

constexpr int Name_Length = 15;
constexpr int Text_Descriptions_Differ = 6280;

const QStringList Conversions = {"None",         "Float",       "Float * 10", "Float * 100",
                                 "Float * 1000", "Float / 10",  "Float / 100", "Float / 1000",
                                 "Int * 10",     "Int * 100",   "Int * 1000"};

TableFile MakeFile()
{
    const QString Y = QStringLiteral("Y");
    const QString N = QStringLiteral("N");
    const QString None = QStringLiteral("None");
    const QStringList names = {"Quarry", "Lantern"};
    const QStringList types = {"Int", "String"};
    const QStringList bits = Number_Items(8);
    TableSection read{QStringLiteral("SNMP_Trap_Read"), QStringLiteral("ACG_SNMP_Read"), 6208, 6216, 2,
        {{"Enable", 6217, 6239, 50, edDataCheckBox, Enable_Colour, Y},
         {"Community_Name", 6218, 6240, 130, edComboEdit, Name_Colour, {}, names, Name_Length},
         {"Type", 6219, 6241, 60, edComboList, Name_Colour, {}, types},
         {"On_Change", 6220, 6242, 75, edDataCheckBox, Trigger_Colour, N},
         {"On_Command", 6221, 6243, 50, edDataCheckBox, Trigger_Colour, N},
         {"On_Timer", 6222, 6244, 60, edDataCheckBox, Trigger_Colour, N},
         {"Time", 6223, 6245, 65, edNormal, Trigger_Colour, {}},
         {"Position", 6224, 6246, 60, edComboList, Position_Colour, {}},
         {"Bit", 6225, 6247, 60, edComboList, Position_Colour, {}, bits},
         {"NumBits", 6226, 6248, 95, edNormal, Size_Colour, {}},
         {"Description", 6227, 6249, 130, edNormal, Description_Colour, {}, {}, Name_Length},
         {"IP_Address", 6228, 6250, 120, edNormal, Address_Colour, {}},
         {"Conversion", 6281, 6283, 100, edComboList, Enable_Colour, None, Conversions},
         {"Mnemonic", 6229, 6251, 130, edNormal, clWhite, {}}}};
    TableSection write{QStringLiteral("SNMP_Trap_Write"), QStringLiteral("ACG_SNMP_Write"), 6209, 6230, 2,
        {{"Enable", 6231, 6252, 50, edDataCheckBox, Enable_Colour, Y},
         {"Community_Name", 6232, 6253, 130, edComboEdit, Name_Colour, {}, names, Name_Length},
         {"Type", 6233, 6254, 60, edComboList, Name_Colour, {}, types},
         {"Position", 6234, 6255, 60, edComboList, Position_Colour, {}},
         {"Bit", 6235, 6256, 60, edComboList, Position_Colour, {}, bits},
         {"NumBits", 6236, 6257, 95, edNormal, Size_Colour, {}},
         {"Description", 6237, 6258, 130, edNormal, Description_Colour, {}, {}, Name_Length},
         {"Conversion", 6282, 6284, 100, edComboList, Enable_Colour, None, Conversions},
         {"Mnemonic", 6238, 6259, 500, edNormal, clWhite, {}}}};
    return {QStringLiteral("SNMP_Trap"), QStringLiteral("1.000"), {read, write}};
}

// Caption, title, buttons, button hints, delete question, row error.
constexpr TableTexts Texts{6200, 6201, 6202, 6210, 6275, 6260};

bool Enabled(TExColumnGrid* grid, int row)
{
    return UpperCase(grid->AllCells(1, row)) == "Y";
}

bool Empty(TExColumnGrid* grid, int col, int row)
{
    return Trim(grid->AllCells(col, row)).isEmpty();
}

// The builder stores the address read part by part without trimming, so a
// blank that the split forgives would reach the gateway as a 0.
bool ValidTrapAddress(const QString& text)
{
    QString a, b, c, d;
    quint8 b1 = 0, b2 = 0, b3 = 0, b4 = 0;
    return Split_IP_Address(text, a, b, c, d) && !IP_Address_To_Bytes(text, b1, b2, b3, b4);
}

} // namespace

// Where a table keeps its cells (-1: the table has no such column) and the
// texts of its faults.
struct TFSNMP_Trap_Access::Layout {
    int grid;
    int type, time, position, bit, numBits, description, address, conversion;
    int nameFault, typeFault, timeFault, positionFault, bitFault, bitZeroFault, bitsFault, bytesFault,
        descriptionFault, moduleNameFault, addressFault, conversionFault;
};

const TableFile& SNMP_Trap_File()
{
    static const TableFile file = MakeFile();
    return file;
}

TFSNMP_Trap_Access::TFSNMP_Trap_Access(QWidget* parent)
    : TableEditorFrame(parent, SNMP_Trap_File(), Texts, 1256)
{
    setObjectName(QStringLiteral("FSNMP_Trap_Access"));
    Sheets[0]->SetName(QStringLiteral("TS_SNMP_Read"));
    Sheets[1]->SetName(QStringLiteral("TS_SNMP_Write"));
    FirstPageOnShow = false;
    for (TExColumnGrid* grid : {ACG_SNMP_Read(), ACG_SNMP_Write()}) {
        grid->OnClickCell = nullptr;
        grid->OnCheckBoxClick = [this](TObject* s, int c, int r, bool state) { ACG_SNMP_ReadCheckBoxClick(s, c, r, state); };
    }
}

TFSNMP_Trap_Access::~TFSNMP_Trap_Access() = default;

QString TFSNMP_Trap_Access::FilePath() const
{
    return File_SNMP_Trap;
}

void TFSNMP_Trap_Access::FormCreate(TObject* Sender)
{
    TableEditorFrame::FormCreate(Sender);
    PageControl->SetActivePageIndex(0);
}

void TFSNMP_Trap_Access::PrepareTables()
{
    NByte_IN = 1440;
    NByte_OUT = 1440;
    Set_Column_Items(ACG_SNMP_Read(), 8, Number_Items(NByte_IN));
    Set_Column_Items(ACG_SNMP_Write(), 4, Number_Items(NByte_OUT));
}

void TFSNMP_Trap_Access::TablesLoaded()
{
    Index_Row_Build(ACG_SNMP_Read());
    Index_Row_Build(ACG_SNMP_Write());
}

void TFSNMP_Trap_Access::RowsChanged(int grid)
{
    Index_Row_Build(Grid(grid));
}

void TFSNMP_Trap_Access::Index_Row_Build(TExColumnGrid* grid)
{
    int n = 1;
    for (int r = 1; r < grid->RowCount(); ++r)
        grid->SetAllCells(0, r, Enabled(grid, r) ? QString::number(n++) : QString());
}

void TFSNMP_Trap_Access::ACG_SNMP_ReadCheckBoxClick(TObject* Sender, int ACol, int, bool)
{
    if (ACol == 1)
        Index_Row_Build(static_cast<TExColumnGrid*>(Sender));
}

bool TFSNMP_Trap_Access::Check_Error_CommName_Desc(const QString& text, int checkType)
{
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool lower = c >= u'a' && c <= u'z';
        const bool ok = checkType == 1 && i == 0 ? lower : lower || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
        if (!ok)
            return true;
    }
    return false;
}

bool TFSNMP_Trap_Access::Is_MIB_Module_Name(const QString& text)
{
    static const QStringList fixed = {"identity", "telvor",     "gateway",  "application", "data",
                                      "hellostring", "countin", "countout", "bufferin",    "bufferinval",
                                      "bufferout", "bufferoutval", "traps", "trapsval",    "enterprises"};
    static const QRegularExpression numbered(
        QStringLiteral("^(bufferinblk|bufferoutblk|bufferinval|bufferoutval|trapval)[0-9]+$"));
    return fixed.contains(text) || numbered.match(text).hasMatch();
}

// The text index of the row's first fault, 0 when it passes.
int TFSNMP_Trap_Access::rowFault(const Layout& l, int r)
{
    TExColumnGrid* grid = Grid(l.grid);
    if (Check_Error_CommName_Desc(grid->AllCells(2, r), 0))
        return l.nameFault;
    if (Empty(grid, l.type, r))
        return l.typeFault;
    const bool isInt = UpperCase(grid->AllCells(l.type, r)) == "INT";
    // On Timer stands just before Time.
    if (l.time >= 0 && UpperCase(grid->AllCells(l.time - 1, r)) == "Y"
        && Outside(Typed_Int(grid->AllCells(l.time, r)), 1, 1000000000))
        return l.timeFault;
    if (Empty(grid, l.position, r))
        return l.positionFault;
    if (Empty(grid, l.bit, r))
        return l.bitFault;
    if (!isInt && Trim(grid->AllCells(l.bit, r)) != "0")
        return l.bitZeroFault;
    const int size = Typed_Int(grid->AllCells(l.numBits, r));
    if (isInt && Outside(size, 1, 64))
        return l.bitsFault;
    if (!isInt && Outside(size, 1, 16))
        return l.bytesFault;
    const QString description = grid->AllCells(l.description, r);
    if (Check_Error_CommName_Desc(description, 1))
        return l.descriptionFault;
    if (Is_MIB_Module_Name(description))
        return l.moduleNameFault;
    SL_Check_Desc.Add(description);
    if (l.address >= 0 && !ValidTrapAddress(grid->AllCells(l.address, r)))
        return l.addressFault;
    if (Empty(grid, l.conversion, r))
        return l.conversionFault;
    return 0;
}

bool TFSNMP_Trap_Access::checkTable(const Layout& layout)
{
    TExColumnGrid* grid = Grid(layout.grid);
    const int used = UsedRows(layout.grid);
    for (int r = 1; r <= used; ++r) {
        if (!Enabled(grid, r))
            continue;
        if (const int fault = rowFault(layout, r)) {
            RowFault(r, Lang_Texts[fault]);
            return false;
        }
    }
    return true;
}

bool TFSNMP_Trap_Access::Controllo_dati()
{
    static const Layout read{0, 3, 7, 8, 9, 10, 11, 12, 13,
                             6276, 6261, 6262, 6263, 6264, 6265, 6266, 6267, 6277, 6287, 6268, 6285};
    static const Layout write{1, 3, -1, 4, 5, 6, 7, -1, 8,
                              6278, 6269, 0, 6270, 6271, 6272, 6273, 6274, 6279, 6288, 0, 6286};
    SL_Check_Desc.Clear();
    if (!checkTable(read) || !checkTable(write))
        return false;
    for (int i = 0; i < SL_Check_Desc.Count(); ++i) {
        for (int j = i + 1; j < SL_Check_Desc.Count(); ++j) {
            if (SL_Check_Desc[i] == SL_Check_Desc[j]) {
                MessageDlg(Lang_Texts[Text_Descriptions_Differ], mtError, mbOK, 0);
                return false;
            }
        }
    }
    return true;
}
