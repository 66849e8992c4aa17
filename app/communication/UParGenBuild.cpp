// The controls of the parameter form at their design positions.

#include "app/communication/UParGenLoRaTables.h"
#include "app/communication/UParGenPrivate.h"
#include "app/shell/buttons/LbButton.h"
#include "platform/ui/panels/CategoryPanelGroup.h"
#include "platform/ui/controls/CheckBox.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/paint/Font.h"
#include "platform/ui/panels/Label.h"
#include "platform/ui/controls/Memo.h"
#include "platform/ui/panels/Panel.h"

#include <tuple>

using namespace pargen;

namespace {

constexpr TColor Form_Color = 15595512;
constexpr TColor Header_Gradient_Color = 14211303;
constexpr int Title_Height = 69;
constexpr int Button_Band_Height = 40;
constexpr int Octet_Width = 55;
constexpr int Octet_Lefts[4] = {191, 252, 313, 374};
constexpr int Dot_Lefts[3] = {247, 308, 369};

// The font every control of the form shows its text in.
void SetControlFont(TFont& font)
{
    font.SetName(QStringLiteral("Verdana"));
    font.SetHeight(-11);
    font.SetColor(clBlack);
}

// The font is made apart and given in one piece, so the control takes it once.
void UseControlFont(platform::TControl& control)
{
    TFont font;
    font.Assign(control.Font());
    SetControlFont(font);
    control.Font().Assign(font);
}

template <class Control, class... Args>
Control* Make(QWidget* parent, const QString& name, Args... args)
{
    auto* control = new Control(parent, args...);
    control->SetName(name);
    UseControlFont(*control);
    return control;
}

} // namespace

namespace pargen {

TLabel* MakeLabel(QWidget* parent, const QString& name, int left, int top)
{
    auto* label = Make<TLabel>(parent, name);
    label->SetTransparent(true);
    label->SetLeft(left);
    label->SetTop(top);
    return label;
}

TEdit* MakeEdit(QWidget* parent, const QString& name, int top, int maxLength)
{
    auto* edit = Make<TEdit>(parent, name);
    edit->SetBounds(Input_Left, top, Input_Width, Edit_Height);
    edit->SetMaxLength(maxLength);
    edit->SetShowHint(true);
    return edit;
}

TComboBox* MakeCombo(QWidget* parent, const QString& name, int top, const QStringList& items)
{
    auto* combo = Make<TComboBox>(parent, name, csOwnerDrawFixed);
    combo->SetBounds(Input_Left, top, Input_Width, Combo_Height);
    combo->Items().Assign(items);
    combo->SetShowHint(true);
    return combo;
}

TCheckBox* MakeCheck(QWidget* parent, const QString& name, int left, int top, int width)
{
    auto* check = Make<TCheckBox>(parent, name);
    check->SetBounds(left, top, width, Check_Height);
    check->SetShowHint(true);
    return check;
}

TMemo* MakeMemo(QWidget* parent, const QString& name, int top)
{
    auto* memo = Make<TMemo>(parent, name);
    memo->SetBounds(Input_Left, top, Input_Width, Memo_Height);
    memo->SetShowHint(true);
    return memo;
}

QString OctetName(const QString& prefix, int number)
{
    return prefix + QString::number(number);
}

QString DotName(const QString& prefix, const QStringList& dotNames, int number)
{
    return dotNames.size() == 3 ? dotNames[number - 1] : prefix + QStringLiteral("_Dot") + QString::number(number);
}

TAddressEdits MakeAddressRow(QWidget* parent, const QString& prefix, int editTop, int dotTop, const QStringList& dotNames,
                             std::vector<platform::TControl*>* dots)
{
    TAddressEdits edits{};
    for (int i = 0; i < 4; ++i) {
        edits[size_t(i)] = Make<TEdit>(parent, OctetName(prefix, i + 1));
        edits[size_t(i)]->SetBounds(Octet_Lefts[i], editTop, Octet_Width, Edit_Height);
        edits[size_t(i)]->SetShowHint(true);
    }
    for (int i = 0; i < 3; ++i) {
        TLabel* dot = MakeLabel(parent, DotName(prefix, dotNames, i + 1), Dot_Lefts[i], dotTop);
        dot->SetCaption(QStringLiteral("."));
        if (dots)
            dots->push_back(dot);
    }
    return edits;
}

TCategoryPanel* MakePanel(TCategoryPanelGroup* group, const QString& name, int height)
{
    auto* panel = new TCategoryPanel(group);
    panel->SetName(name);
    panel->SetColor(Form_Color);
    panel->SetHeight(height);
    // The surface carries the controls' font, so the thousand-odd controls
    // put on the panels find it there and need not be given it one by one.
    TFont font;
    SetControlFont(font);
    platform::ApplyTextFont(*panel->Surface(), font.ToQFont(), font.Color());
    return panel;
}

} // namespace pargen

namespace {

QStringList Numbers(int from, int to)
{
    QStringList texts;
    for (int i = from; i <= to; ++i)
        texts << QString::number(i);
    return texts;
}

} // namespace

void TFParGen::Build_Bands()
{
    P_Title = new TPanel(this);
    P_Title->SetName(QStringLiteral("P_Title"));
    P_Title->SetAlign(alTop);
    P_Title->SetHeight(Title_Height);
    P_Title->SetBevelOuter(bvNone);
    P_Title->SetColor(Form_Color);
    L_SW_Code = new TLabel(P_Title);
    L_SW_Code->SetName(QStringLiteral("L_SW_Code"));
    L_SW_Code->Font().SetName(QStringLiteral("Verdana"));
    L_SW_Code->Font().SetHeight(-32);
    L_SW_Code->Font().SetColor(clGray);
    L_SW_Code->SetBounds(12, 2, 200, 40);
    L_SW_Desc = new TLabel(P_Title);
    L_SW_Desc->SetName(QStringLiteral("L_SW_Desc"));
    L_SW_Desc->Font().SetName(QStringLiteral("Verdana"));
    L_SW_Desc->Font().SetHeight(-11);
    L_SW_Desc->Font().SetStyle(fsBold);
    L_SW_Desc->Font().SetColor(clGray);
    L_SW_Desc->SetBounds(14, 46, 300, Label_Height);

    P_Button = new TPanel(this);
    P_Button->SetName(QStringLiteral("P_Button"));
    P_Button->SetAlign(alBottom);
    P_Button->SetHeight(Button_Band_Height);
    P_Button->SetBevelOuter(bvNone);
    P_Button->SetColor(Form_Color);
    Btn_OK = new TLbButton(P_Button);
    Btn_OK->SetName(QStringLiteral("Btn_OK"));
    Btn_OK->SetKind(bkOK);
    Btn_OK->SetModalResult(mrNone);
    Btn_OK->SetBounds(217, 6, 110, 28);
    Btn_OK->SetShowHint(true);
    Btn_Cancel = new TLbButton(P_Button);
    Btn_Cancel->SetName(QStringLiteral("Btn_Cancel"));
    Btn_Cancel->SetKind(bkCancel);
    Btn_Cancel->SetModalResult(mrCancel);
    Btn_Cancel->SetCancel(true);
    Btn_Cancel->SetBounds(335, 6, 110, 28);
    Btn_Cancel->SetShowHint(true);

    CPG = new TCategoryPanelGroup(this);
    CPG->SetName(QStringLiteral("CPG"));
    CPG->SetAlign(alClient);
    CPG->SetColor(Form_Color);
    CPG->SetGradientColor(Header_Gradient_Color);
    CPG->HeaderFont().SetName(QStringLiteral("Verdana"));
    CPG->HeaderFont().SetHeight(-15);
    CPG->HeaderFont().SetStyle(fsBold);
    CPG->HeaderFont().SetColor(clGray);
}

void TFParGen::Build_Ethernet_Connection()
{
    CP_Ethernet_Connection = MakePanel(CPG, QStringLiteral("CP_Ethernet_Connection"), 206);
    QWidget* s = CP_Ethernet_Connection->Surface();
    L_EthConn_Device_Name = MakeLabel(s, QStringLiteral("L_EthConn_Device_Name"), Label_Left, 12);
    E_EthConn_Device_Name = MakeEdit(s, QStringLiteral("E_EthConn_Device_Name"), 9, 31);
    CB_EthConn_En_DHCP_Cable = MakeCheck(s, QStringLiteral("CB_EthConn_En_DHCP_Cable"), Label_Left, 40);
    CB_EthConn_En_DHCP_WiFi = MakeCheck(s, QStringLiteral("CB_EthConn_En_DHCP_WiFi"), Label_Left, 68);
    CB_EthConn_Enable_DNS = MakeCheck(s, QStringLiteral("CB_EthConn_Enable_DNS"), Label_Left, 96);
    L_EthConn_Primary_DNS = MakeLabel(s, QStringLiteral("L_EthConn_Primary_DNS"), Label_Left, 124);
    d->priDns = MakeAddressRow(s, QStringLiteral("E_EthConn_Pri_DNS_IP"), 121, 124);
    L_EthConn_Secondary_DNS = MakeLabel(s, QStringLiteral("L_EthConn_Secondary_DNS"), Label_Left, 152);
    d->secDns = MakeAddressRow(s, QStringLiteral("E_EthConn_Sec_DNS_IP"), 149, 152);
    std::tie(E_EthConn_Pri_DNS_IP1, E_EthConn_Pri_DNS_IP2, E_EthConn_Pri_DNS_IP3, E_EthConn_Pri_DNS_IP4) =
        std::tuple_cat(d->priDns);
    std::tie(E_EthConn_Sec_DNS_IP1, E_EthConn_Sec_DNS_IP2, E_EthConn_Sec_DNS_IP3, E_EthConn_Sec_DNS_IP4) =
        std::tuple_cat(d->secDns);
}

// The rows below the band are placed by the layout; they start where the
// layout puts them for band AS923 and activation by personalisation.
void TFParGen::Build_LoRa()
{
    CP_LoRa = MakePanel(CPG, QStringLiteral("CP_LoRa"), 372);
    QWidget* s = CP_LoRa->Surface();
    auto label = [s](const char* name, int top) { return MakeLabel(s, QLatin1String(name), Label_Left, top); };
    L_LoRa_RF_Band = label("L_LoRa_RF_Band", 12);
    CB_LoRa_RF_Band = MakeCombo(s, QStringLiteral("CB_LoRa_RF_Band"), 9, LoRa_RF_Bands());
    L_LoRa_Network_Type = label("L_LoRa_Network_Type", 37);
    CB_LoRa_Network_Type = MakeCombo(s, QStringLiteral("CB_LoRa_Network_Type"), 34,
                                     {QStringLiteral("Private"), QStringLiteral("Public")});
    CB_LoRa_Adaptive_DataRate = MakeCheck(s, QStringLiteral("CB_LoRa_Adaptive_DataRate"), Label_Left, 65);
    L_LoRa_DataRate = label("L_LoRa_DataRate", 93);
    CB_LoRa_DataRate = MakeCombo(s, QStringLiteral("CB_LoRa_DataRate"), 90, {});
    L_LoRa_Transmission_Type = label("L_LoRa_Transmission_Type", 121);
    CB_LoRa_Transmission_Type = MakeCombo(s, QStringLiteral("CB_LoRa_Transmission_Type"), 118,
                                          {QStringLiteral("Unconfirmed"), QStringLiteral("Confirmed")});
    L_LoRa_Payload_Size = label("L_LoRa_Payload_Size", 149);
    E_LoRa_Payload_Size = MakeEdit(s, QStringLiteral("E_LoRa_Payload_Size"), 146);
    E_LoRa_Payload_Size->SetReadOnly(true);
    L_LoRa_Activation_Method = label("L_LoRa_Activation_Method", 205);
    CB_LoRa_Activation_Method = MakeCombo(
        s, QStringLiteral("CB_LoRa_Activation_Method"), 202,
        {QStringLiteral("Activation by Personalization [ABP]"), QStringLiteral("Over-the-Air Activation [OTAA]")});
    L_LoRa_Device_Address = label("L_LoRa_Device_Address", 233);
    E_LoRa_Device_Address = MakeEdit(s, QStringLiteral("E_LoRa_Device_Address"), 230, 8);
    L_LoRa_JoinEUI = label("L_LoRa_JoinEUI", 177);
    E_LoRa_JoinEUI = MakeEdit(s, QStringLiteral("E_LoRa_JoinEUI"), 174, 16);
    L_LoRa_Network_Session_Key = label("L_LoRa_Network_Session_Key", 261);
    E_LoRa_Network_Session_Key = MakeEdit(s, QStringLiteral("E_LoRa_Network_Session_Key"), 258, 32);
    L_LoRa_Application_Session_Key = label("L_LoRa_Application_Session_Key", 289);
    E_LoRa_Application_Session_Key = MakeEdit(s, QStringLiteral("E_LoRa_Application_Session_Key"), 286, 32);
    L_LoRa_Application_Key = label("L_LoRa_Application_Key", 233);
    E_LoRa_Application_Key = MakeEdit(s, QStringLiteral("E_LoRa_Application_Key"), 230, 32);
    L_LoRa_Application_Key->Hide();
    E_LoRa_Application_Key->Hide();
    for (TEdit* hex : {E_LoRa_Device_Address, E_LoRa_JoinEUI, E_LoRa_Network_Session_Key,
                       E_LoRa_Application_Session_Key, E_LoRa_Application_Key})
        hex->SetCharCase(ecUpperCase);
    L_LoRa_FPort = label("L_LoRa_FPort", 317);
    CB_LoRa_FPort = MakeCombo(s, QStringLiteral("CB_LoRa_FPort"), 314,
                              {QStringLiteral("Fixed"), QStringLiteral("Variable")});
    L_LoRa_FrequencySubBand = label("L_LoRa_FrequencySubBand", 37);
    CB_LoRa_FrequencySubBand = MakeCombo(s, QStringLiteral("CB_LoRa_FrequencySubBand"), 34, Numbers(1, 8));
    L_LoRa_FrequencySubBand->Hide();
    CB_LoRa_FrequencySubBand->Hide();
}

void TFParGen::Build_SNMP_Agent()
{
    CP_SNMP_Agent = MakePanel(CPG, QStringLiteral("CP_SNMP_Agent"), 232);
    QWidget* s = CP_SNMP_Agent->Surface();
    auto label = [s](const char* name, int top) { return MakeLabel(s, QLatin1String(name), Label_Left, top); };
    L_SNMP_Agent_IP = label("L_SNMP_Agent_IP", 12);
    d->snmpIp = MakeAddressRow(s, QStringLiteral("E_SNMP_Agent_IP"), 9, 12);
    L_SNMP_Agent_SM = label("L_SNMP_Agent_SM", 40);
    d->snmpSm = MakeAddressRow(s, QStringLiteral("E_SNMP_Agent_SM"), 37, 40);
    CB_SNMP_Agent_GAT = MakeCheck(s, QStringLiteral("CB_SNMP_Agent_GAT"), Label_Left, 68, 170);
    d->snmpGat = MakeAddressRow(s, QStringLiteral("E_SNMP_Agent_GAT"), 66, 68);
    std::tie(E_SNMP_Agent_IP1, E_SNMP_Agent_IP2, E_SNMP_Agent_IP3, E_SNMP_Agent_IP4) = std::tuple_cat(d->snmpIp);
    std::tie(E_SNMP_Agent_SM1, E_SNMP_Agent_SM2, E_SNMP_Agent_SM3, E_SNMP_Agent_SM4) = std::tuple_cat(d->snmpSm);
    std::tie(E_SNMP_Agent_GAT1, E_SNMP_Agent_GAT2, E_SNMP_Agent_GAT3, E_SNMP_Agent_GAT4) =
        std::tuple_cat(d->snmpGat);
    L_SNMP_Agent_NameStation = label("L_SNMP_Agent_NameStation", 96);
    E_SNMP_Agent_NameStation = MakeEdit(s, QStringLiteral("E_SNMP_Agent_NameStation"), 93, 15);
    E_SNMP_Agent_NameStation->SetCharCase(ecLowerCase);
    L_SNMP_Agent_Contact = label("L_SNMP_Agent_Contact", 124);
    E_SNMP_Agent_Contact = MakeEdit(s, QStringLiteral("E_SNMP_Agent_Contact"), 121, 16);
    L_SNMP_Agent_Location = label("L_SNMP_Agent_Location", 152);
    E_SNMP_Agent_Location = MakeEdit(s, QStringLiteral("E_SNMP_Agent_Location"), 149, 16);
    L_SNMP_Agent_Version = label("L_SNMP_Agent_Version", 180);
    CB_SNMP_Agent_Version1 = MakeCheck(s, QStringLiteral("CB_SNMP_Agent_Version1"), 191, 179, 45);
    CB_SNMP_Agent_Version2 = MakeCheck(s, QStringLiteral("CB_SNMP_Agent_Version2"), 241, 179, 45);
    CB_SNMP_Agent_Version3 = MakeCheck(s, QStringLiteral("CB_SNMP_Agent_Version3"), 291, 179, 45);
    CB_SNMP_Agent_Version1->SetCaption(QStringLiteral("1"));
    CB_SNMP_Agent_Version2->SetCaption(QStringLiteral("2"));
    CB_SNMP_Agent_Version3->SetCaption(QStringLiteral("3"));
    L_SNMP_Agent_User = label("L_SNMP_Agent_User", 208);
    E_SNMP_Agent_User = MakeEdit(s, QStringLiteral("E_SNMP_Agent_User"), 205, 19);
    L_SNMP_Agent_SecurityLevel = label("L_SNMP_Agent_SecurityLevel", 236);
    CB_SNMP_Agent_SecurityLevel = MakeCombo(s, QStringLiteral("CB_SNMP_Agent_SecurityLevel"), 233,
                                            {QStringLiteral("NoAuthority NoPrivacy"),
                                             QStringLiteral("Authority NoPrivacy"), QStringLiteral("Authority Privacy")});
    L_SNMP_Agent_Authority = label("L_SNMP_Agent_Authority", 264);
    E_SNMP_Agent_Authority = MakeEdit(s, QStringLiteral("E_SNMP_Agent_Authority"), 261, 15);
    L_SNMP_Agent_AuthorityMode = label("L_SNMP_Agent_AuthorityMode", 292);
    CB_SNMP_Agent_AuthorityMode = MakeCombo(s, QStringLiteral("CB_SNMP_Agent_AuthorityMode"), 289,
                                            {QStringLiteral("MD5"), QStringLiteral("SHA")});
    L_SNMP_Agent_Privacy = label("L_SNMP_Agent_Privacy", 320);
    E_SNMP_Agent_Privacy = MakeEdit(s, QStringLiteral("E_SNMP_Agent_Privacy"), 317, 15);
    L_SNMP_Agent_PrivacyMode = label("L_SNMP_Agent_PrivacyMode", 348);
    CB_SNMP_Agent_PrivacyMode = MakeCombo(s, QStringLiteral("CB_SNMP_Agent_PrivacyMode"), 345,
                                          {QStringLiteral("DES"), QStringLiteral("AES")});
}
