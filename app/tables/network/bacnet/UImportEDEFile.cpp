#include "app/tables/network/bacnet/UImportEDEFile.h"

#include "app/shell/buttons/LbButton.h"
#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/shell/mainwindow/UMarquellFirmWareDialogBands.h"
#include "app/tables/common/TableEditorFrame.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/window/Dialogs.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/panels/Label.h"
#include "platform/ui/panels/Panel.h"

TFImportEDEFile* FImportEDEFile = nullptr;

namespace {

constexpr int Data_Rows = 512;
constexpr int Col_Import = 1;
constexpr int Col_Read = 2;
constexpr int Col_Write = 3;
constexpr int Col_Commandable = 8;

// Texts of faults the reading finds, in the dialog's free entries.
constexpr int Text_File_Unreadable = 1422;
constexpr int Text_File_Too_Short = 1423;
constexpr int Text_No_Mandatory_Line = 1424;
constexpr int Text_Lines_Not_Taken = 1425;
constexpr int Text_Line = 1426;
constexpr int Text_Bad_Object_Type = 1427;
constexpr int Text_Bad_Object_Instance = 1428;

struct GridColumn {
    int header;
    int width;
    TEditorType editor;
    bool readOnly;
};

constexpr GridColumn Grid_Columns[] = {
    {1405, 50, edDataCheckBox, false}, {1406, 40, edDataCheckBox, false}, {1407, 40, edDataCheckBox, false},
    {1408, 150, edNormal, true},       {1409, 85, edNormal, true},        {1410, 60, edNormal, true},
    {1411, 150, edNormal, true},       {1412, 90, edDataCheckBox, true},
};

QString YN(bool flag)
{
    return flag ? QStringLiteral("Y") : QStringLiteral("N");
}

TLbButton* MakeButton(TPanel* band, int left, TModalResult result)
{
    auto* button = new TLbButton(band);
    button->SetBounds(left, 6, 110, 28);
    button->SetModalResult(result);
    return button;
}

} // namespace

TFImportEDEFile::TFImportEDEFile(QWidget* parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FImportEDEFile"));
    SetPosition(poScreenCenter);
    SetClientWidth(863);
    SetClientHeight(337);
    const TDialogTitle title = Make_Dialog_Title(this);
    P_Title = title.P_Title;
    P_Title->SetHeight(69);
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;

    P_ID_IP = new TPanel(this);
    P_ID_IP->SetAlign(alTop);
    P_ID_IP->SetHeight(22);
    P_ID_IP->SetBevelOuter(bvNone);
    LID_IP = new TLabel(P_ID_IP);
    LID_IP->SetBounds(16, 4, 0, 0);
    LID_IP->SetAutoSize(true);
    E_ID_IP = new TEdit(P_ID_IP);
    E_ID_IP->SetBounds(260, 0, 135, 21);

    P_Button = new TPanel(this);
    P_Button->SetAlign(alBottom);
    P_Button->SetHeight(40);
    P_Button->SetBevelOuter(bvNone);
    Btn_OK = MakeButton(P_Button, 16, mrNone);
    Btn_Cancel = MakeButton(P_Button, 134, mrCancel);
    Btn_Select_All = MakeButton(P_Button, 252, mrNone);
    Btn_Unselect_All = MakeButton(P_Button, 370, mrNone);
    Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
    Btn_Select_All->OnClick = [this](TObject* s) { Btn_Select_AllClick(s); };
    Btn_Unselect_All->OnClick = [this](TObject* s) { Btn_Unselect_AllClick(s); };
    buildGrid();
}

TFImportEDEFile::~TFImportEDEFile() = default;

void TFImportEDEFile::buildGrid()
{
    ACG = new TExColumnGrid(this);
    ACG->SetName(QStringLiteral("ACG"));
    ACG->SetAlign(alClient);
    ACG->SetColCount(9);
    ACG->SetRowCount(Data_Rows + 1);
    ACG->SetFixedCols(1);
    ACG->SetFixedRows(1);
    ACG->SetDefaultRowHeight(22);
    ACG->Loaded();
    ACG->Columns()->Items(0)->SetWidth(32);
    for (int c = 1; c < 9; ++c) {
        const GridColumn& column = Grid_Columns[c - 1];
        TGridColumnItem* item = ACG->Columns()->Items(c);
        item->SetWidth(column.width);
        item->SetEditor(column.editor);
        item->SetReadOnly(column.readOnly);
        item->SetCheckTrue(QStringLiteral("Y"));
        item->SetCheckFalse(QStringLiteral("N"));
        item->SetAlignment(column.editor == edDataCheckBox ? taCenter : taLeftJustify);
    }
    Setup_Grid_Fonts(ACG);
    ACG->OnCheckBoxClick = [this](TObject* s, int c, int r, bool state) { ACGCheckBoxClick(s, c, r, state); };
}

void TFImportEDEFile::FormCreate(TObject* Sender)
{
    TForm::FormCreate(Sender);
    L_SW_Code->SetCaption(SW_Code);
    Set_Lang();
}

void TFImportEDEFile::Set_Lang()
{
    SetCaption(Lang_Texts[1400]);
    L_SW_Desc->SetCaption(Lang_Texts[1401]);
    LID_IP->SetCaption(Lang_Texts[1415]);
    Btn_OK->SetCaption(Lang_Texts[1402]);
    Btn_Cancel->SetCaption(Lang_Texts[1403]);
    Btn_Select_All->SetCaption(Lang_Texts[1420]);
    Btn_Unselect_All->SetCaption(Lang_Texts[1421]);
    ACG->Columns()->Items(0)->SetHeader(Lang_Texts[1404]);
    for (int c = 1; c < 9; ++c)
        ACG->Columns()->Items(c)->SetHeader(Lang_Texts[Grid_Columns[c - 1].header]);
}

void TFImportEDEFile::FormShow(TObject* Sender)
{
    TForm::FormShow(Sender);
    ACG->SetRowCount(Data_Rows + 1);
    for (int r = 1; r <= Data_Rows; ++r) {
        ACG->SetAllCells(0, r, QString::number(r));
        for (int c = 1; c < 9; ++c)
            ACG->SetAllCells(c, r, QString());
    }
    E_ID_IP->SetFocus();
    Cancel_EDE_List_Vars();
    Load_EDE_File();
    Show_Data_in_Grid();
}

void TFImportEDEFile::Cancel_EDE_List_Vars()
{
    List_EDE_Var.clear();
}

void TFImportEDEFile::Load_EDE_File()
{
    const TEDE_Read_Result result = Read_EDE_File(EDE_File);
    List_EDE_Var = result.vars;
    reportFaults(result);
}

// A file that gives nothing is named with the reason; lines left out for a
// bad number are listed in one box.
void TFImportEDEFile::reportFaults(const TEDE_Read_Result& result)
{
    switch (result.status) {
    case TEDE_Read_Status::Unreadable:
        MessageDlg(Lang_Texts[Text_File_Unreadable] + EDE_File + QStringLiteral(": ") + result.error, mtError, mbOK,
                   0);
        return;
    case TEDE_Read_Status::TooShort:
        MessageDlg(Lang_Texts[Text_File_Too_Short] + EDE_File, mtError, mbOK, 0);
        return;
    case TEDE_Read_Status::NoMandatoryLine:
        MessageDlg(Lang_Texts[Text_No_Mandatory_Line] + EDE_File, mtError, mbOK, 0);
        return;
    case TEDE_Read_Status::Read:
        break;
    }
    if (result.faults.isEmpty())
        return;
    QString text = Lang_Texts[Text_Lines_Not_Taken] + EDE_File;
    for (const TEDE_Line_Fault& fault : result.faults) {
        const int field = fault.field == TEDE_Line_Fault::ObjectType ? Text_Bad_Object_Type : Text_Bad_Object_Instance;
        text += QStringLiteral("\n") + Lang_Texts[Text_Line] + QString::number(fault.line) + Lang_Texts[field];
    }
    MessageDlg(text, mtError, mbOK, 0);
}

void TFImportEDEFile::Show_Data_in_Grid()
{
    ACG->SetRowCount(qMax(2, int(List_EDE_Var.size()) + 1));
    for (int i = 0; i < List_EDE_Var.size(); ++i) {
        const TBACnet_Var& v = List_EDE_Var[i];
        const QString cells[] = {YN(v.import), YN(v.read), YN(v.write), v.object_name,
                                 QString::number(v.object_type), QString::number(v.object_instance),
                                 v.description, YN(v.commandable)};
        for (int c = 1; c <= Col_Commandable; ++c)
            ACG->SetAllCells(c, i + 1, cells[c - 1]);
    }
}

void TFImportEDEFile::ACGCheckBoxClick(TObject*, int ACol, int ARow, bool State)
{
    if (ARow < 1 || ARow > List_EDE_Var.size())
        return;
    TBACnet_Var& v = List_EDE_Var[ARow - 1];
    if (ACol == Col_Write && !v.commandable) {
        MessageDlg(Lang_Texts[1413] + QString::number(ARow) + Lang_Texts[1414], mtError, mbOK, 0);
        ACG->SetAllCells(Col_Write, ARow, QStringLiteral("N"));
        return;
    }
    if (ACol == Col_Import)
        v.import = State;
    else if (ACol == Col_Read)
        v.read = State;
    else if (ACol == Col_Write)
        v.write = State;
}

void TFImportEDEFile::setAllImport(bool import)
{
    for (int i = 0; i < List_EDE_Var.size(); ++i) {
        List_EDE_Var[i].import = import;
        ACG->SetAllCells(Col_Import, i + 1, YN(import));
    }
}

void TFImportEDEFile::Btn_Select_AllClick(TObject*)
{
    setAllImport(true);
}

void TFImportEDEFile::Btn_Unselect_AllClick(TObject*)
{
    setAllImport(false);
}

void TFImportEDEFile::Btn_OKClick(TObject*)
{
    const QString address = E_ID_IP->Text();
    quint8 a, b, c, d;
    if (App_BACnet_Type == 0 && IP_Address_To_Bytes(address, a, b, c, d)) {
        MessageDlg(Lang_Texts[1416], mtError, mbOK, 0);
        return;
    }
    int id = 0;
    if (App_BACnet_Type == 1 && !(TryStrToInt(address, id) && id >= 0 && id <= 254)) {
        MessageDlg(Lang_Texts[1417], mtError, mbOK, 0);
        return;
    }
    SetModalResult(mrOk);
}
