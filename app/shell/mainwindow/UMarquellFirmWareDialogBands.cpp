#include "app/shell/mainwindow/UMarquellFirmWareDialogBands.h"

#include "app/shell/buttons/LbButton.h"
#include "platform/ui/paint/Font.h"
#include "platform/ui/panels/Label.h"
#include "platform/ui/panels/Panel.h"

namespace {

constexpr int Title_Height = 64;
constexpr int Button_Band_Height = 48;

} // namespace

TPanel* Make_Band_Panel(QWidget* parent, int height, TAlign align)
{
    auto* panel = new TPanel(parent);
    panel->SetBevelOuter(bvNone);
    panel->SetHeight(height);
    panel->SetAlign(align);
    return panel;
}

TLabel* Make_Auto_Label(QWidget* parent, int left, int top, const QString& caption)
{
    auto* label = new TLabel(parent);
    label->SetBounds(left, top, 0, 0);
    label->SetAutoSize(true);
    label->SetCaption(caption);
    return label;
}

TDialogTitle Make_Dialog_Title(QWidget* form)
{
    TDialogTitle title;
    title.P_Title = new TPanel(form);
    title.P_Title->SetName(QStringLiteral("P_Title"));
    title.P_Title->SetAlign(alTop);
    title.P_Title->SetHeight(Title_Height);
    title.P_Title->SetColor(clWhite);
    title.P_Title->SetBevelOuter(bvNone);
    title.L_SW_Code = new TLabel(title.P_Title);
    title.L_SW_Code->SetName(QStringLiteral("L_SW_Code"));
    title.L_SW_Code->SetBounds(12, 4, 200, 32);
    title.L_SW_Code->Font().SetHeight(27);
    title.L_SW_Code->Font().SetStyle(fsBold);
    title.L_SW_Code->Font().SetColor(clGray);
    title.L_SW_Desc = new TLabel(title.P_Title);
    title.L_SW_Desc->SetName(QStringLiteral("L_SW_Desc"));
    title.L_SW_Desc->SetBounds(12, 40, 300, 16);
    title.L_SW_Desc->Font().SetStyle(fsBold);
    return title;
}

TDialogButtons Make_Dialog_Buttons(QWidget* form, int clientWidth)
{
    TDialogButtons buttons;
    buttons.P_Button = new TPanel(form);
    buttons.P_Button->SetName(QStringLiteral("P_Button"));
    buttons.P_Button->SetAlign(alBottom);
    buttons.P_Button->SetHeight(Button_Band_Height);
    buttons.P_Button->SetBevelOuter(bvNone);
    const int right = clientWidth;
    buttons.Btn_OK = new TLbButton(buttons.P_Button);
    buttons.Btn_OK->SetName(QStringLiteral("Btn_OK"));
    buttons.Btn_OK->SetBounds(right - 196, 10, 88, 28);
    buttons.Btn_OK->SetShowHint(true);
    buttons.Btn_OK->SetKind(bkOK);
    buttons.Btn_OK->SetModalResult(mrNone);
    buttons.Btn_Cancel = new TLbButton(buttons.P_Button);
    buttons.Btn_Cancel->SetName(QStringLiteral("Btn_Cancel"));
    buttons.Btn_Cancel->SetBounds(right - 100, 10, 88, 28);
    buttons.Btn_Cancel->SetShowHint(true);
    buttons.Btn_Cancel->SetKind(bkCancel);
    buttons.Btn_Cancel->SetCancel(true);
    return buttons;
}
