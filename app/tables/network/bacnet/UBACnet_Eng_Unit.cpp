#include "app/tables/network/bacnet/UBACnet_Eng_Unit.h"

#include "app/shell/buttons/LbButton.h"
#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/shell/mainwindow/UMarquellFirmWareDialogBands.h"
#include "app/tables/network/bacnet/UBACnet_Eng_UnitTable.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/panels/Label.h"
#include "platform/ui/panels/Panel.h"
#include "platform/ui/panels/Shape.h"

TFBACnet_Eng_Unit* FBACnet_Eng_Unit = nullptr;

namespace {

constexpr int Client_Width = 548;
constexpr int Client_Height = 306;
constexpr TColor Background = 0xEDF7F8; // #F8F7ED as $BBGGRR

TLabel* MakeLabel(QWidget* parent, const char* name, int left, int top)
{
    auto* label = new TLabel(parent);
    label->SetName(QString::fromLatin1(name));
    label->SetBounds(left, top, 0, 0);
    label->SetAutoSize(true);
    return label;
}

TShape* MakeLine(QWidget* parent, const char* name, int top)
{
    auto* line = new TShape(parent);
    line->SetName(QString::fromLatin1(name));
    line->SetBounds(16, top, 513, 1);
    line->SetPenColor(clGray);
    return line;
}

TComboBox* MakeList(QWidget* parent, const char* name, int top)
{
    auto* box = new TComboBox(parent, csDropDownList);
    box->SetName(QString::fromLatin1(name));
    box->SetBounds(112, top, 417, 21);
    return box;
}

} // namespace

QString Desc_Unit(int code)
{
    for (const TEng_Unit_Name& name : Eng_Unit_Desc_Names())
        if (name.code == code)
            return QString::fromUtf16(name.text);
    for (const TEng_Unit_Row& row : Eng_Unit_Rows())
        if (row.code == code)
            return QString::fromUtf16(row.text);
    return QStringLiteral("unknown");
}

int Eng_Unit_Code(int category, int unitIndex)
{
    int index = 0;
    for (const TEng_Unit_Row& row : Eng_Unit_Rows()) {
        if (row.category != category)
            continue;
        if (index == unitIndex)
            return row.code;
        ++index;
    }
    return 0;
}

TFBACnet_Eng_Unit::TFBACnet_Eng_Unit(QWidget* parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FBACnet_Eng_Unit"));
    SetBorderStyle(bsSingle);
    SetPosition(poScreenCenter);
    SetColor(Background);
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    const TDialogTitle title = Make_Dialog_Title(this);
    P_Title = title.P_Title;
    P_Title->SetHeight(69);
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;

    Label1 = MakeLabel(this, "Label1", 16, 82);
    E_Selected_EU = new TEdit(this);
    E_Selected_EU->SetName(QStringLiteral("E_Selected_EU"));
    E_Selected_EU->SetBounds(232, 78, 49, 21);
    Label5 = MakeLabel(this, "Label5", 290, 82);
    Label5->SetCaption(QStringLiteral("-> unknown"));
    Shape1 = MakeLine(this, "Shape1", 108);
    Label2 = MakeLabel(this, "Label2", 16, 116);
    Label3 = MakeLabel(this, "Label3", 16, 143);
    CB_Select_Type = MakeList(this, "CB_Select_Type", 140);
    for (const char16_t* category : Eng_Unit_Categories())
        CB_Select_Type->Items().Add(QString::fromUtf16(category));
    CB_Select_Type->SetItemIndex(0);
    CB_Select_Type->OnChange = [this](TObject* s) { CB_Select_TypeSelect(s); };
    Label4 = MakeLabel(this, "Label4", 16, 170);
    CB_Select_Unit = MakeList(this, "CB_Select_Unit", 167);
    Btn_Select_Eng_Unit = new TLbButton(this);
    Btn_Select_Eng_Unit->SetName(QStringLiteral("Btn_Select_Eng_Unit"));
    Btn_Select_Eng_Unit->SetBounds(16, 198, 513, 23);
    Btn_Select_Eng_Unit->OnClick = [this](TObject* s) { Btn_Select_Eng_UnitClick(s); };
    Shape2 = MakeLine(this, "Shape2", 230);

    const TDialogButtons buttons = Make_Dialog_Buttons(this, Client_Width);
    P_Button = buttons.P_Button;
    P_Button->SetHeight(40);
    Btn_OK = buttons.Btn_OK;
    Btn_OK->SetBounds(Client_Width - 196, 6, 88, 28);
    Btn_OK->SetModalResult(mrOk);
    Btn_Cancel = buttons.Btn_Cancel;
    Btn_Cancel->SetBounds(Client_Width - 100, 6, 88, 28);
}

TFBACnet_Eng_Unit::~TFBACnet_Eng_Unit() = default;

void TFBACnet_Eng_Unit::FormCreate(TObject* Sender)
{
    TForm::FormCreate(Sender);
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    Set_Lang();
}

void TFBACnet_Eng_Unit::Set_Lang()
{
    SetCaption(Lang_Texts[1600]);
    L_SW_Desc->SetCaption(Lang_Texts[1601]);
    Btn_OK->SetCaption(Lang_Texts[1602]);
    Btn_Cancel->SetCaption(Lang_Texts[1603]);
    Label1->SetCaption(Lang_Texts[1604]);
    Label2->SetCaption(Lang_Texts[1605]);
    Label3->SetCaption(Lang_Texts[1606]);
    Label4->SetCaption(Lang_Texts[1607]);
    Btn_Select_Eng_Unit->SetCaption(Lang_Texts[1608]);
}

// The category chosen last stays chosen; its unit list is rebuilt at every
// showing with the first unit selected.
void TFBACnet_Eng_Unit::FormShow(TObject* Sender)
{
    TForm::FormShow(Sender);
    CB_Select_TypeSelect(Sender);
}

void TFBACnet_Eng_Unit::CB_Select_TypeSelect(TObject*)
{
    const int category = CB_Select_Type->ItemIndex();
    CB_Select_Unit->Items().Clear();
    for (const TEng_Unit_Row& row : Eng_Unit_Rows())
        if (row.category == category)
            CB_Select_Unit->Items().Add(QString::fromUtf16(row.text));
    CB_Select_Unit->SetItemIndex(CB_Select_Unit->Items().Count() > 0 ? 0 : -1);
}

void TFBACnet_Eng_Unit::Btn_Select_Eng_UnitClick(TObject*)
{
    const int code = Eng_Unit_Code(CB_Select_Type->ItemIndex(), CB_Select_Unit->ItemIndex());
    E_Selected_EU->SetText(QString::number(code));
    Label5->SetCaption(QStringLiteral("-> ") + Desc_Unit(code));
}

void TFBACnet_Eng_Unit::Set_Selected_EU(const QString& unitText)
{
    E_Selected_EU->SetText(unitText);
    Label5->SetCaption(QStringLiteral("-> ") + Desc_Unit(StrToIntDef(unitText, -1)));
}

bool TFBACnet_Eng_Unit::Choose(QString& unitText)
{
    Set_Selected_EU(unitText);
    if (ShowModal() != mrOk)
        return false;
    unitText = E_Selected_EU->Text();
    return true;
}
