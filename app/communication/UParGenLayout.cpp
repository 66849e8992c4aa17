// Which panels the built model shows, and which rows each panel shows for the
// current choices.

#include "app/communication/UParGenPanels.h"
#include "app/communication/UParGenPrivate.h"
#include "app/shell/ULanguage.h"
#include "platform/ui/panels/CategoryPanelGroup.h"
#include "platform/ui/controls/CheckBox.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/panels/Label.h"

#include <array>

using namespace pargen;

namespace {

using Row = TParRowControls;
using P = TParPanel;

void SetEnabled(const TAddressEdits& edits, bool enabled)
{
    for (TEdit* edit : edits)
        edit->SetEnabled(enabled);
}

// The layout of every panel of the family, by its place in the model table.
void (TFParGen::*PanelLayout(TParPanel panel))()
{
    static const std::array<void (TFParGen::*)(), Par_Panel_Count> layouts = [] {
        std::array<void (TFParGen::*)(), Par_Panel_Count> all{};
        const auto set = [&all](P panel, void (TFParGen::*layout)()) { all[size_t(panel)] = layout; };
        set(P::Ethernet_Connection, &TFParGen::RePosition_Object_Ethernet_Connection);
        set(P::LoRa, &TFParGen::RePosition_Object_LoRa);
        set(P::Modbus_Master, &TFParGen::RePosition_Object_Modbus_Master);
        set(P::Modbus_Slave, &TFParGen::RePosition_Object_Modbus_Slave);
        set(P::Modbus_TCP_Master, &TFParGen::RePosition_Object_Modbus_TCP_Master);
        set(P::Modbus_TCP_Slave, &TFParGen::RePosition_Object_Modbus_TCP_Slave);
        set(P::Serial, &TFParGen::RePosition_Object_Serial);
        set(P::Ethernet, &TFParGen::RePosition_Object_Ethernet);
        set(P::MBus, &TFParGen::RePosition_Object_MBus);
        set(P::wMBus, &TFParGen::RePosition_Object_wMBus);
        set(P::BACnet_Master, &TFParGen::RePosition_Object_BACnet_Master);
        set(P::BACnet_Slave, &TFParGen::RePosition_Object_BACnet_Slave);
        set(P::CAN, &TFParGen::RePosition_Object_CAN);
        set(P::CANopen, &TFParGen::RePosition_Object_CANopen);
        set(P::DeviceNet_Master, &TFParGen::RePosition_Object_DeviceNet_Master);
        set(P::DeviceNet_Slave, &TFParGen::RePosition_Object_DeviceNet_Slave);
        set(P::DMX, &TFParGen::RePosition_Object_DMX);
        set(P::EtherNetIP_Master, &TFParGen::RePosition_Object_EtherNetIP_Master);
        set(P::EtherNetIP, &TFParGen::RePosition_Object_EtherNetIP);
        set(P::J1939, &TFParGen::RePosition_Object_J1939);
        set(P::KNX, &TFParGen::RePosition_Object_KNX);
        set(P::NMEA2000, &TFParGen::RePosition_Object_NMEA2000);
        set(P::PROFIBUS, &TFParGen::RePosition_Object_PROFIBUS);
        set(P::PROFINET, &TFParGen::RePosition_Object_PROFINET);
        set(P::IEC61850_Client, &TFParGen::RePosition_Object_IEC61850_Client);
        set(P::IEC61850_Server, &TFParGen::RePosition_Object_IEC61850_Server);
        set(P::TLS_Server, &TFParGen::RePosition_Object_TLS_Server);
        set(P::NTP, &TFParGen::RePosition_Object_NTP);
        set(P::MQTT, &TFParGen::RePosition_Object_MQTT);
        set(P::TLS, &TFParGen::RePosition_Object_TLS);
        set(P::OPC_UA_Client, &TFParGen::RePosition_Object_OPC_UA_Client);
        set(P::OPC_UA_Server, &TFParGen::RePosition_Object_OPC_UA_Server);
        set(P::S7_Protocol, &TFParGen::RePosition_Object_S7_Protocol);
        set(P::SNMP_Manager, &TFParGen::RePosition_Object_SNMP_Manager);
        set(P::SNMP_Agent, &TFParGen::RePosition_Object_SNMP_Agent);
        set(P::WiFi, &TFParGen::RePosition_Object_WiFi);
        return all;
    }();
    return layouts[size_t(panel)];
}

// Only a panel that follows a BACnet type asks for the BACnet panels, so that
// no other model builds them.
bool Shown(TFParGen& form, const TParModelPanel& entry)
{
    if (entry.shown == TParPanelShown::Always)
        return true;
    const auto typeOf = [&form](const char* combo) {
        return dynamic_cast<const TComboBox&>(*form.Find_Control(QLatin1String(combo))).ItemIndex();
    };
    return Par_Panel_Shown(entry.shown, typeOf("CB_BACnet_Master_Type"), typeOf("CB_BACnet_Slave_Type"));
}

} // namespace

void pargen::Fit_Panel_Height(TCategoryPanel* panel, const platform::TControl* lowest)
{
    panel->SetHeight(lowest->Top() + lowest->Height() + Panel_Bottom_Margin + panel->PanelGroup()->HeaderHeight());
}

void TFParGen::Order_TAB_Panels()
{
    const TParModelRow& row = Par_Model_Row(Par_Model);
    TCategoryPanel* previous = nullptr;
    int number = 0;
    for (const TParModelPanel& entry : row.panels) {
        ++number;
        TCategoryPanel* panel = Panel(entry.panel);
        panel->SetVisible(Shown(*this, entry));
        panel->SetTop(previous ? previous->Top() + previous->Height() : 0);
        panel->SetCaption(QString::number(number) + QStringLiteral(". ")
                          + Lang_Texts[Par_Panel_Info(entry.panel).captionText]);
        panel->SetTabOrder(number - 1);
        previous = panel;
    }
}

void TFParGen::Move_GroupBoxs()
{
    const TParModelRow& row = Par_Model_Row(Par_Model);
    for (const TParModelPanel& entry : row.panels)
        (this->*PanelLayout(entry.panel))();
    // A choice of BACnet type shows or hides the Ethernet panel at once.
    for (const TParModelPanel& entry : row.panels)
        if (entry.shown != TParPanelShown::Always)
            Panel(entry.panel)->SetVisible(Shown(*this, entry));
}

void TFParGen::RePosition_Object_Ethernet_Connection()
{
    Fit_Panel_Height(CP_Ethernet_Connection, E_EthConn_Sec_DNS_IP4);
    CB_EthConn_En_DHCP_WiFi->SetEnabled(false);
}

void TFParGen::RePosition_Object_LoRa()
{
    int y = CB_LoRa_RF_Band->Top() + Row_Pitch;
    const Row subBand{L_LoRa_FrequencySubBand, {CB_LoRa_FrequencySubBand}};
    const int band = CB_LoRa_RF_Band->ItemIndex();
    if (band == 5 || band == 6)
        subBand.Place(y);
    else
        subBand.SetVisible(false);
    for (const Row& row : {Row{L_LoRa_Network_Type, {CB_LoRa_Network_Type}}, Row{CB_LoRa_Adaptive_DataRate, {}},
                           Row{L_LoRa_DataRate, {CB_LoRa_DataRate}}, Row{L_LoRa_Transmission_Type, {CB_LoRa_Transmission_Type}},
                           Row{L_LoRa_Payload_Size, {E_LoRa_Payload_Size}}, Row{L_LoRa_JoinEUI, {E_LoRa_JoinEUI}},
                           Row{L_LoRa_Activation_Method, {CB_LoRa_Activation_Method}}})
        row.Place(y);
    const Row personalisation[] = {{L_LoRa_Device_Address, {E_LoRa_Device_Address}},
                                   {L_LoRa_Network_Session_Key, {E_LoRa_Network_Session_Key}},
                                   {L_LoRa_Application_Session_Key, {E_LoRa_Application_Session_Key}}};
    const Row applicationKey{L_LoRa_Application_Key, {E_LoRa_Application_Key}};
    const bool abp = CB_LoRa_Activation_Method->ItemIndex() == 0;
    for (const Row& row : personalisation)
        abp ? row.Place(y) : row.SetVisible(false);
    abp ? applicationKey.SetVisible(false) : applicationKey.Place(y);
    Row{L_LoRa_FPort, {CB_LoRa_FPort}}.Place(y);
    Fit_Panel_Height(CP_LoRa, CB_LoRa_FPort);
}

void TFParGen::RePosition_Object_SNMP_Agent()
{
    const Row user{L_SNMP_Agent_User, {E_SNMP_Agent_User}};
    const Row level{L_SNMP_Agent_SecurityLevel, {CB_SNMP_Agent_SecurityLevel}};
    const Row authority[] = {{L_SNMP_Agent_Authority, {E_SNMP_Agent_Authority}},
                             {L_SNMP_Agent_AuthorityMode, {CB_SNMP_Agent_AuthorityMode}}};
    const Row privacy[] = {{L_SNMP_Agent_Privacy, {E_SNMP_Agent_Privacy}},
                           {L_SNMP_Agent_PrivacyMode, {CB_SNMP_Agent_PrivacyMode}}};
    const bool version3 = CB_SNMP_Agent_Version3->Checked();
    const int security = CB_SNMP_Agent_SecurityLevel->ItemIndex();
    const bool showAuthority = version3 && security != 0;
    const bool showPrivacy = showAuthority && security != 1;
    user.SetVisible(version3);
    level.SetVisible(version3);
    for (const Row& row : authority)
        row.SetVisible(showAuthority);
    for (const Row& row : privacy)
        row.SetVisible(showPrivacy);
    const platform::TControl* lowest = !version3 ? static_cast<platform::TControl*>(CB_SNMP_Agent_Version3)
        : showPrivacy                            ? CB_SNMP_Agent_PrivacyMode
        : showAuthority                          ? CB_SNMP_Agent_AuthorityMode
                                                 : CB_SNMP_Agent_SecurityLevel;
    Fit_Panel_Height(CP_SNMP_Agent, lowest);
    const bool dhcp = CB_EthConn_En_DHCP_Cable->Checked();
    for (const TAddressEdits* edits : {&d->snmpIp, &d->snmpSm, &d->snmpGat})
        SetEnabled(*edits, !dhcp);
}
