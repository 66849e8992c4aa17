// The parameter form's construction, its change handlers and the LoRaWAN data
// rate and payload size that follow the band.

#include "app/communication/UParGen.h"

#include "app/communication/UParGenLoRaTables.h"
#include "app/communication/UParGenPanels.h"
#include "app/communication/UParGenPrivate.h"
#include "app/shell/buttons/LbButton.h"
#include "app/shell/UComon.h"
#include "platform/ui/panels/CategoryPanelGroup.h"
#include "platform/ui/controls/CheckBox.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/paint/Font.h"
#include "platform/ui/panels/Label.h"
#include "platform/ui/controls/Memo.h"

#include <initializer_list>

TFParGen* FParGen = nullptr;

namespace {

constexpr int Form_Width = 460;
constexpr int Form_Height = 700;
constexpr TColor Form_Color = 15595512;

// True when the sender is one of the named controls of the other panels.
bool Is_Control(const TFParGen& form, TObject* Sender, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        if (Sender == dynamic_cast<TObject*>(form.Find_Control(QLatin1String(name))))
            return true;
    return false;
}

} // namespace

TFParGen::TFParGen(QWidget* parent)
    : TForm(parent)
    , d(std::make_unique<Data>())
{
    setObjectName(QStringLiteral("FParGen"));
    SetPosition(poScreenCenter);
    SetColor(Form_Color);
    Font().SetName(QStringLiteral("Tahoma"));
    Font().SetSize(8);
    SetClientWidth(Form_Width);
    SetClientHeight(Form_Height);
    Build_Bands();
    Build_Ethernet_Connection();
    Build_LoRa();
    Build_SNMP_Agent();
    d->panels[size_t(TParPanel::Ethernet_Connection)] = CP_Ethernet_Connection;
    d->panels[size_t(TParPanel::LoRa)] = CP_LoRa;
    d->panels[size_t(TParPanel::SNMP_Agent)] = CP_SNMP_Agent;
    Build_Other_Panels();
    d->focusChains = {
        {E_EthConn_Pri_DNS_IP1, E_EthConn_Pri_DNS_IP2, E_EthConn_Pri_DNS_IP3, E_EthConn_Pri_DNS_IP4,
         E_EthConn_Sec_DNS_IP1, E_EthConn_Sec_DNS_IP2, E_EthConn_Sec_DNS_IP3, E_EthConn_Sec_DNS_IP4},
        {E_SNMP_Agent_IP1, E_SNMP_Agent_IP2, E_SNMP_Agent_IP3, E_SNMP_Agent_IP4, E_SNMP_Agent_SM1,
         E_SNMP_Agent_SM2, E_SNMP_Agent_SM3, E_SNMP_Agent_SM4, E_SNMP_Agent_GAT1, E_SNMP_Agent_GAT2,
         E_SNMP_Agent_GAT3, E_SNMP_Agent_GAT4},
    };
    Wire_Handlers();
}

TFParGen::~TFParGen()
{
    if (FParGen == this)
        FParGen = nullptr;
}

void TFParGen::Wire_Handlers()
{
    auto onChange = [this](TObject* Sender) { On_Change(Sender); };
    auto onClick = [this](TObject* Sender) { On_Click(Sender); };
    // The control classes carry no meta-object of their own, so they are
    // told apart by their C++ type.
    for (QWidget* widget : findChildren<QWidget*>()) {
        if (d->unwired.contains(platform::AsControl(widget)))
            continue;
        if (auto* edit = dynamic_cast<TEdit*>(widget))
            edit->OnChange = onChange;
        else if (auto* memo = dynamic_cast<TMemo*>(widget))
            memo->OnChange = onChange;
        else if (auto* combo = dynamic_cast<TComboBox*>(widget))
            combo->OnChange = onChange;
        else if (auto* check = dynamic_cast<TCheckBox*>(widget))
            check->OnClick = onClick;
    }
    auto wireAddressByte = [this](TEdit* edit) {
        edit->OnKeyPress = [this](TObject* Sender, QChar& Key) { KeyPress(Sender, Key); };
        pargen::Install_Paste_Filter(edit, Address_Key_Passes, &d->loading);
    };
    for (const std::vector<TEdit*>& chain : d->focusChains)
        for (TEdit* edit : chain)
            wireAddressByte(edit);
    for (TEdit* edit : d->otherAddressEdits)
        wireAddressByte(edit);
    for (TEdit* edit : {E_LoRa_Device_Address, E_LoRa_JoinEUI, E_LoRa_Network_Session_Key,
                        E_LoRa_Application_Session_Key, E_LoRa_Application_Key, E_LoRa_Payload_Size}) {
        edit->OnKeyPress = [this](TObject* Sender, QChar& Key) { OnKeyPress(Sender, Key); };
        pargen::Install_Paste_Filter(edit, Hex_Key_Passes, &d->loading);
    }
    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
}

void TFParGen::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Form_Width);
    SetClientHeight(Form_Height);
    // Only the height may be changed by the user.
    setMinimumWidth(Form_Width);
    setMaximumWidth(Form_Width);
    for (TCategoryPanel* panel : d->panels)
        panel->Hide();
    Order_TAB_Panels();
    Move_GroupBoxs();
    Set_Lang();
}

void TFParGen::FormResize(TObject*)
{
    if (d->resizing || ClientWidth() == Form_Width)
        return;
    d->resizing = true;
    SetClientWidth(Form_Width);
    d->resizing = false;
}

void TFParGen::On_Change(TObject* Sender)
{
    if (Sender == CB_LoRa_Activation_Method || Sender == CB_SNMP_Agent_SecurityLevel
        || Is_Control(*this, Sender, {"CB_MBus_OnWire_Present", "CB_wMBus_Wireless_Present", "CB_WiFi_Type",
                               "CB_WiFi_Secure_Type", "CB_BACnet_Master_Type", "CB_BACnet_Slave_Type"})) {
        Move_GroupBoxs();
    } else if (Sender == CB_LoRa_RF_Band) {
        Change_LoRa_DataRate();
        Set_Max_Payload_Size();
        Move_GroupBoxs();
    } else if (Sender == CB_LoRa_DataRate) {
        Set_Max_Payload_Size();
    }
}

void TFParGen::On_Click(TObject* Sender)
{
    if (Sender == CB_SNMP_Agent_Version3 || Sender == CB_EthConn_En_DHCP_Cable || Sender == CB_EthConn_En_DHCP_WiFi
        || Is_Control(*this, Sender, {"CB_MQTT_WillFlag", "CB_MQTT_PublishTopicConnection", "CB_TLS_Enable",
                               "CB_TLS_En_Server_Auth", "CB_TLS_En_Client_Auth", "CB_TLS_Server_Enable",
                               "CB_WiFi_IP_Auto", "CB_WiFi_En_DHCP"}))
        Move_GroupBoxs();
}

void TFParGen::Change_LoRa_DataRate()
{
    CB_LoRa_DataRate->Items().Assign(LoRa_DataRate_Items(CB_LoRa_RF_Band->Text()));
    CB_LoRa_DataRate->SetItemIndex(CB_LoRa_DataRate->Items().Count() > 0 ? 0 : -1);
}

quint8 TFParGen::Find_Max_PayLoad()
{
    return LoRa_Max_Payload(CB_LoRa_RF_Band->Text(), CB_LoRa_DataRate->Text());
}

void TFParGen::Set_Max_Payload_Size()
{
    E_LoRa_Payload_Size->SetText(QString::number(Find_Max_PayLoad()));
}
