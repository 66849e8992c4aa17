#include "app/tables/network/iec61850/UIEC_61850_Access.h"

#include "app/shell/buttons/LbButton.h"
#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/shell/mainwindow/UMarquellFirmWareDialogBands.h"
#include "app/tables/common/GridRowOperations.h"
#include "app/tables/common/TableEditorFrame.h"
#include "app/tables/network/iec61850/UIEC_61850_AccessPrivate.h"
#include "app/tables/network/iec61850/UIEC_Client_Decode.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "grid/foundation/pagecontrol/ExPageControl.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/window/Dialogs.h"
#include "platform/ui/panels/Label.h"
#include "platform/ui/controls/ListBox.h"
#include "platform/ui/panels/Panel.h"
#include "platform/ui/panels/Splitter.h"
#include "platform/ui/controls/TreeView.h"

TFIEC_61850_Access* FIEC_61850_Access = nullptr;

using namespace iec;

namespace {

constexpr int Text_Caption = 4900;
constexpr int Text_First_Button = 4902;
constexpr int Text_First_Button_Hint = 4910;

const QStringList& Bits()
{
    static const QStringList bits = {"0", "1", "2", "3", "4", "5", "6", "7"};
    return bits;
}

struct GridColumn {
    const char* header; // form header; empty: from the texts
    int width;
    TEditorType editor;
    bool readOnly;
    QStringList combo;
};

// Header text indexes of ACG_DA's columns 0..18 and of their hints.
constexpr int Da_Header_Texts[Da_Columns] = {4918, 4919, 4920, 4921, 4922, 4958, 4959, 4923, 4924, 4925,
                                             4926, 4927, 4928, 4929, 4930, 4931, 4932, 4933, 4934};
constexpr int Da_Hint_Texts[Da_Columns] = {4935, 4936, 4937, 4938, 4939, 4960, 4961, 4940, 4941, 4942,
                                           4943, 4944, 4945, 4946, 4947, 4948, 4949, 4950, 4951};

QList<GridColumn> DaColumns()
{
    const QStringList rw = {"Read", "Write"};
    const QStringList conv = {"None", "ItoF/FtoI"};
    return {{"", 40, edNormal, false, {}},   {"", 60, edNormal, false, {}},    {"", 60, edNormal, true, {}},
            {"", 30, edNormal, true, {}},    {"", 150, edNormal, true, {}},    {"", 65, edNormal, false, {}},
            {"", 60, edNormal, false, {}},   {"", 70, edNormal, false, {}},    {"", 45, edNormal, false, {}},
            {"", 70, edDataCheckBox, false, {}}, {"", 50, edDataCheckBox, false, {}},
            {"", 60, edDataCheckBox, false, {}}, {"", 64, edNormal, false, {}}, {"", 55, edNormal, false, {}},
            {"", 70, edComboList, false, Bits()}, {"", 60, edComboList, false, rw},
            {"", 70, edComboList, false, conv}, {"", 64, edNormal, false, {}}, {"", 150, edNormal, false, {}}};
}

QList<GridColumn> DataSetColumns()
{
    return {{"N", 40, edNormal, false, {}},          {"Index", 60, edNormal, false, {}},
            {"Reference", 150, edNormal, true, {}},  {"Goose Name", 80, edNormal, true, {}},
            {"En. Goose", 60, edDataCheckBox, false, {}}, {"IP Address", 70, edNormal, false, {}},
            {"Port", 45, edNormal, false, {}},       {"Time (ms)", 70, edNormal, false, {}},
            {"Mnemonic", 100, edNormal, false, {}}};
}

QList<GridColumn> DsVarColumns()
{
    return {{"N", 40, edNormal, false, {}},         {"bType", 60, edNormal, true, {}},
            {"Reference", 150, edNormal, true, {}}, {"Position", 55, edNormal, false, {}},
            {"Start Bit", 70, edComboList, false, Bits()}, {"Convertion", 70, edComboList, false, {"None", "ItoF/FtoI"}},
            {"Mult Fact", 64, edNormal, false, {}}, {"Mnemonic", 150, edNormal, false, {}}};
}

TExColumnGrid* MakeGrid(QWidget* parent, const QString& name, const QList<GridColumn>& columns, TAlign align)
{
    auto* grid = new TExColumnGrid(parent);
    grid->SetName(name);
    grid->SetAlign(align);
    grid->SetColCount(int(columns.size()));
    grid->SetRowCount(2);
    grid->SetFixedCols(1);
    grid->SetFixedRows(1);
    grid->SetDefaultRowHeight(22);
    grid->Loaded();
    for (int c = 0; c < columns.size(); ++c) {
        const GridColumn& column = columns[c];
        TGridColumnItem* item = grid->Columns()->Items(c);
        Setup_Grid_Column(item, {QString(), 0, 0, column.width, column.editor, clWhite, QString()});
        item->SetReadOnly(column.readOnly);
        item->SetHeader(QString::fromLatin1(column.header));
        if (!column.combo.isEmpty()) {
            TStringList items;
            for (const QString& text : column.combo)
                items.Add(text);
            item->SetComboItems(items);
        }
    }
    Setup_Grid_Fonts(grid);
    return grid;
}

TLbButton* MakeButton(QWidget* parent, int left, int top, int width)
{
    auto* button = new TLbButton(parent);
    button->SetBounds(left, top, width, 28);
    button->SetShowHint(true);
    return button;
}

} // namespace

TFIEC_61850_Access::TFIEC_61850_Access(QWidget* parent) : TForm(parent)
{
    buildWindow();
}

TFIEC_61850_Access::~TFIEC_61850_Access()
{
    delete OD_IcdFile;
}

void TFIEC_61850_Access::buildWindow()
{
    Setup_Table_Window(this, 1200, 550);
    Build_Title_Band(this, P_Title, L_SW_Code, L_SW_Desc);
    P_Button = Make_Band_Panel(this, 40, alBottom);
    TLbButton** buttons[] = {&Btn_OK, &Btn_Cancel, &Btn_AddVar, &Btn_RemoveVar, &Btn_MoveUp, &Btn_ModeDown};
    for (int i = 0; i < 6; ++i)
        *buttons[i] = MakeButton(P_Button, 16 + 118 * i, 6, 110);
    Btn_MoveUp->SetVisible(false);
    Btn_ModeDown->SetVisible(false);
    Btn_Cancel->SetModalResult(mrCancel);
    Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
    Btn_AddVar->OnClick = [this](TObject* s) { Btn_AddVarClick(s); };
    Btn_RemoveVar->OnClick = [this](TObject* s) { Btn_RemoveVarClick(s); };
    buildDevicePanel();
    buildTables();
    OD_IcdFile = new TOpenDialog();
    OD_IcdFile->SetFilter(QStringLiteral("SCL Files (*.scd, *.ssd, *.sed, *.icd, *.iid, *.cid)|*.scd; *.ssd; *.sed; "
                                         "*.icd; *.iid; *.cid;|Any File (*.*)|*.*"));
}

void TFIEC_61850_Access::buildDevicePanel()
{
    PDevIEC = new TPanel(this);
    PDevIEC->SetBevelOuter(bvNone);
    PDevIEC->SetWidth(330);
    PDevIEC->SetAlign(alLeft);
    auto* split = new TSplitter(this);
    split->SetBounds(PDevIEC->Width(), 0, 3, 100);
    split->SetAlign(alLeft);

    PDevIECList = Make_Band_Panel(PDevIEC, 160, alTop);
    Btn_Add_IEC_Device = MakeButton(PDevIECList, 8, 4, 150);
    Btn_Remove_IEC_Device = MakeButton(PDevIECList, 168, 4, 150);
    LB_IEC_Devices = new TListBox(PDevIECList);
    LB_IEC_Devices->SetBounds(8, 38, 310, 116);
    PDevIECTree = new TPanel(PDevIEC);
    PDevIECTree->SetBevelOuter(bvNone);
    PDevIECTree->SetAlign(alClient);
    TV_IEC_Device = new TTreeView(PDevIECTree);
    TV_IEC_Device->SetName(QStringLiteral("TV_IEC_Device"));
    TV_IEC_Device->SetAlign(alClient);

    Btn_Add_IEC_Device->OnClick = [this](TObject* s) { Btn_Add_IEC_DeviceClick(s); };
    Btn_Remove_IEC_Device->OnClick = [this](TObject* s) { Btn_Remove_IEC_DeviceClick(s); };
    LB_IEC_Devices->OnClick = [this](TObject* s) { LB_IEC_DevicesClick(s); };
    TV_IEC_Device->OnClick = [this](TObject* s) { TV_IEC_DeviceClick(s); };
}

void TFIEC_61850_Access::buildTables()
{
    PTable = new TPanel(this);
    PTable->SetBevelOuter(bvNone);
    PTable->SetAlign(alClient);
    PC_DA_DataSet = new TExPageControl(PTable);
    PC_DA_DataSet->SetAlign(alClient);
    TExTabSheet** sheets[] = {&TS_DA, &TS_DataSet};
    const char* captions[] = {"Variables", "DataSet"};
    for (int i = 0; i < 2; ++i) {
        *sheets[i] = new TExTabSheet(PC_DA_DataSet);
        (*sheets[i])->SetExPageControl(PC_DA_DataSet);
        (*sheets[i])->SetTabVisible(true);
        (*sheets[i])->SetCaption(QString::fromLatin1(captions[i]));
    }
    ACG_DA = MakeGrid(TS_DA, QStringLiteral("ACG_DA"), DaColumns(), alClient);
    ACG_DataSet = MakeGrid(TS_DataSet, QStringLiteral("ACG_DataSet"), DataSetColumns(), alTop);
    ACG_DataSet->SetHeight(170);
    auto* split = new TSplitter(TS_DataSet);
    split->SetBounds(0, ACG_DataSet->Height(), 100, 3);
    split->SetAlign(alTop);
    ACG_DS_Vars = MakeGrid(TS_DataSet, QStringLiteral("ACG_DS_Vars"), DsVarColumns(), alClient);

    for (TExColumnGrid* grid : {ACG_DA, ACG_DataSet, ACG_DS_Vars}) {
        grid->OnClickCell = [this](TObject* s, int r, int c) { ClickCell(s, r, c); };
        grid->OnDblClickCell = [](TObject* s, int r, int c) {
            Grid_DblClick_AutoSize(static_cast<TExColumnGrid*>(s), r, c);
        };
        grid->OnKeyPress = [](TObject* s, QChar& k) { Grid_Enter_Next_Cell(static_cast<TExColumnGrid*>(s), k); };
        grid->OnGridHint = [this](TObject*, int r, int c, QString& h) {
            h = r == 0 && c > 0 ? Hint.value(c) : QString();
        };
    }
    ACG_DS_Vars->OnSelectCell = [this](TObject* s, int c, int r, bool& can) { ACG_DS_VarsSelectCell(s, c, r, can); };
    ACG_DS_Vars->OnEditCellDone = [this](TObject* s, int c, int r) { ACG_DS_VarsEditCellDone(s, c, r); };
}

void TFIEC_61850_Access::FormCreate(TObject* Sender)
{
    TForm::FormCreate(Sender);
    L_SW_Code->SetCaption(SW_Code);
    Set_Lang();
}

void TFIEC_61850_Access::Set_Lang()
{
    SetCaption(Lang_Texts[Text_Caption]);
    L_SW_Desc->SetCaption(Lang_Texts[Text_Caption + 1]);
    TLbButton* buttons[] = {Btn_OK, Btn_Cancel, Btn_AddVar, Btn_RemoveVar, Btn_MoveUp, Btn_ModeDown,
                            Btn_Add_IEC_Device, Btn_Remove_IEC_Device};
    for (int i = 0; i < 8; ++i) {
        buttons[i]->SetCaption(Lang_Texts[Text_First_Button + i]);
        buttons[i]->SetHint(Lang_Texts[Text_First_Button_Hint + i]);
    }
    Hint.clear();
    for (int c = 0; c < Da_Columns; ++c) {
        ACG_DA->Columns()->Items(c)->SetHeader(Lang_Texts[Da_Header_Texts[c]]);
        Hint << Lang_Texts[Da_Hint_Texts[c]];
    }
}

void TFIEC_61850_Access::ClickCell(TObject* Sender, int ARow, int ACol)
{
    auto* grid = static_cast<TExColumnGrid*>(Sender);
    if (ACol == 0 && ARow > 0)
        grid->SelectRows(ARow, 1);
    if (grid == ACG_DataSet)
        Show_DataSet_DAs();
}

// Member edits go to the data set whose members are shown, which
// Show_DataSet_DAs keeps in DataSet_Row_Select; moving in ACG_DataSet
// without showing another set must not redirect them.
void TFIEC_61850_Access::ACG_DS_VarsSelectCell(TObject*, int, int, bool&) {}

void TFIEC_61850_Access::ACG_DS_VarsEditCellDone(TObject*, int ACol, int ARow)
{
    if (DataSet_Row_Select <= 0 || DataSet_Row_Select > int(List_DataSet.size()))
        return;
    TDataSet& set = *List_DataSet[DataSet_Row_Select - 1];
    if (ARow < 1 || ARow > int(set.List_DAs.size()))
        return;
    TDataSet_DA& member = *set.List_DAs[ARow - 1];
    QString* fields[] = {&member.Position, &member.bitAddress, &member.conversion, &member.multFactor,
                         &member.Mnemonic};
    if (ACol >= Var_Position && ACol <= Var_Mnemonic)
        *fields[ACol - Var_Position] = ACG_DS_Vars->AllCells(ACol, ARow);
}

void TFIEC_61850_Access::Show_DataSet_DAs()
{
    const int row = ACG_DataSet->Row();
    DataSet_Row_Select = row;
    const TDataSet* set = row >= 1 && row <= int(List_DataSet.size()) ? List_DataSet[row - 1].get() : nullptr;
    if (!set || set->List_DAs.empty()) {
        DataSet_Row_Select = 0;
        Clear_Grid_Rows(ACG_DS_Vars, 2);
        return;
    }
    Clear_Grid_Rows(ACG_DS_Vars, int(set->List_DAs.size()) + 1);
    for (int i = 0; i < int(set->List_DAs.size()); ++i) {
        const TDataSet_DA& m = *set->List_DAs[i];
        const QStringList cells = {QString::number(i + 1), m.Select_DA->fbType, m.Select_DA->fReference, m.Position,
                                   m.bitAddress, m.conversion, m.multFactor, m.Mnemonic};
        for (int c = 0; c < cells.size(); ++c)
            ACG_DS_Vars->SetAllCells(c, i + 1, cells[c]);
    }
}

TIEC_DataSet* TFIEC_61850_Access::Get_DataSet(int deviceIndex, const QString& reference) const
{
    if (deviceIndex < 0 || deviceIndex >= int(List_IEC_Dev.size()))
        return nullptr;
    for (const auto& ld : List_IEC_Dev[deviceIndex]->List_LDevice)
        for (const auto& ln : ld->List_LN)
            for (const auto& ds : ln->List_DataSet)
                if (ds->fReference == reference)
                    return ds.get();
    return nullptr;
}

int iec::Row_Device_Index(TExColumnGrid* grid, int row)
{
    return StrToIntDef(Trim(grid->AllCells(Da_Index, row)), -1);
}

bool iec::Grid_Is_Empty(TExColumnGrid* grid)
{
    return grid->RowCount() == 2 && Trim(grid->AllCells(Da_Index, 1)).isEmpty();
}

void iec::Clear_Grid_Rows(TExColumnGrid* grid, int rowCount)
{
    const int columns = Grid_All_Columns(grid);
    for (int r = 1; r < grid->RowCount(); ++r)
        for (int c = 0; c < columns; ++c)
            grid->SetAllCells(c, r, QString());
    grid->SetRowCount(rowCount);
}

// The row a pick goes into: an only row without "Index" is used as it is.
int TFIEC_61850_Access::appendRow(TExColumnGrid* grid)
{
    if (Grid_Is_Empty(grid))
        return 1;
    grid->SetRowCount(grid->RowCount() + 1);
    return grid->RowCount() - 1;
}

void TFIEC_61850_Access::Btn_AddVarClick(TObject*)
{
    const QString device = QString::number(LB_IEC_Devices->ItemIndex());
    if (Selected_IEC_DA) {
        PC_DA_DataSet->SetActivePage(TS_DA);
        const int r = appendRow(ACG_DA);
        const QStringList cells = {QString::number(r), device, Selected_IEC_DA->fbType, Selected_IEC_DA->fFC,
                                   Selected_IEC_DA->fReference, "", "", "", "", "N", "N", "N", "", "", "", "", "", "", ""};
        for (int c = 0; c < cells.size(); ++c)
            ACG_DA->SetAllCells(c, r, cells[c]);
        Set_Start_Num_Byte();
    } else if (Selected_IEC_DS) {
        PC_DA_DataSet->SetActivePage(TS_DataSet);
        const int r = appendRow(ACG_DataSet);
        const QString& goose = Selected_IEC_DS->fGooseName;
        const QStringList cells = {QString::number(r), device, Selected_IEC_DS->fReference, goose,
                                   goose.isEmpty() ? "N" : "Y", "", "", "", ""};
        for (int c = 0; c < cells.size(); ++c)
            ACG_DataSet->SetAllCells(c, r, cells[c]);
        auto set = std::make_unique<TDataSet>();
        set->Select_DataSet = Selected_IEC_DS;
        for (TIEC_DA* member : Selected_IEC_DS->List_DA) {
            set->List_DAs.push_back(std::make_unique<TDataSet_DA>());
            set->List_DAs.back()->Select_DA = member;
        }
        List_DataSet.push_back(std::move(set));
    }
}

// Rows below move up and are numbered again; an only row is emptied.
void TFIEC_61850_Access::removeRow(TExColumnGrid* grid, int row)
{
    const int columns = Grid_All_Columns(grid);
    if (grid->RowCount() <= 2) {
        for (int c = 1; c < columns; ++c)
            grid->SetAllCells(c, 1, QString());
        return;
    }
    for (int r = row; r < grid->RowCount() - 1; ++r)
        for (int c = 1; c < columns; ++c)
            grid->SetAllCells(c, r, grid->AllCells(c, r + 1));
    for (int c = 0; c < columns; ++c)
        grid->SetAllCells(c, grid->RowCount() - 1, QString());
    grid->SetRowCount(grid->RowCount() - 1);
    for (int r = 1; r < grid->RowCount(); ++r)
        grid->SetAllCells(0, r, QString::number(r));
}

void TFIEC_61850_Access::Btn_RemoveVarClick(TObject*)
{
    if (PC_DA_DataSet->ActivePageIndex() == 0) {
        if (ACG_DA->Row() > 0)
            removeRow(ACG_DA, ACG_DA->Row());
        Set_Start_Num_Byte();
        return;
    }
    const int row = ACG_DataSet->Row();
    if (row < 1)
        return;
    if (row - 1 < int(List_DataSet.size()))
        List_DataSet.erase(List_DataSet.begin() + (row - 1));
    if (List_DataSet.empty())
        Clear_Grid_Rows(ACG_DataSet, 2);
    else
        removeRow(ACG_DataSet, row);
    // The member grid showed the removed set or one that moved up.
    Show_DataSet_DAs();
}
