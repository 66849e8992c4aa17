// Which panels the built model shows, and which rows each panel shows for the
// current choices.

#include "app/communication/UParGenPanels.h"
#include "app/communication/UParGenPrivate.h"
#include "app/shell/ULanguage.h"
#include "platform/ui/CategoryPanelGroup.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"

using namespace pargen;

namespace {

// A row of a panel: its caption (label or check box) and its input control,
// if any. Placing it puts the caption at y and the input 3 pixels higher.
struct Row {
    platform::TControl* caption;
    platform::TControl* input;

    void SetVisible(bool visible) const
    {
        caption->SetVisible(visible);
        if (input)
            input->SetVisible(visible);
    }

    void Place(int& y) const
    {
        SetVisible(true);
        caption->SetTop(y);
        if (input)
            input->SetTop(y - Input_Raise);
        y += Row_Pitch;
    }
};

void FitPanelHeight(TCategoryPanel* panel, const platform::TControl* lowest)
{
    panel->SetHeight(lowest->Top() + lowest->Height() + Panel_Bottom_Margin + panel->PanelGroup()->HeaderHeight());
}

void SetEnabled(const TAddressEdits& edits, bool enabled)
{
    for (TEdit* edit : edits)
        edit->SetEnabled(enabled);
}

} // namespace

// The built panels by their place in the model table; a panel that this
// build does not hold yet is nullptr and its row entry is skipped.
namespace {

TCategoryPanel* BuiltPanel(const TFParGen& form, TParPanel panel)
{
    switch (panel) {
    case TParPanel::Ethernet_Connection:
        return form.CP_Ethernet_Connection;
    case TParPanel::LoRa:
        return form.CP_LoRa;
    case TParPanel::SNMP_Agent:
        return form.CP_SNMP_Agent;
    default:
        return nullptr;
    }
}

void (TFParGen::*PanelLayout(TParPanel panel))()
{
    switch (panel) {
    case TParPanel::Ethernet_Connection:
        return &TFParGen::RePosition_Object_Ethernet_Connection;
    case TParPanel::LoRa:
        return &TFParGen::RePosition_Object_LoRa;
    case TParPanel::SNMP_Agent:
        return &TFParGen::RePosition_Object_SNMP_Agent;
    default:
        return nullptr;
    }
}

} // namespace

void TFParGen::Order_TAB_Panels()
{
    const TParModelRow& row = Par_Model_Row(Par_Model);
    TCategoryPanel* previous = nullptr;
    int number = 0;
    for (const TParModelPanel& entry : row.panels) {
        ++number;
        TCategoryPanel* panel = BuiltPanel(*this, entry.panel);
        if (!panel)
            continue;
        panel->SetVisible(entry.shown == TParPanelShown::Always);
        panel->SetTop(previous ? previous->Top() + previous->Height() : 0);
        panel->SetCaption(QString::number(number) + QStringLiteral(". ")
                          + Lang_Texts[Par_Panel_Info(entry.panel).captionText]);
        panel->SetTabOrder(number - 1);
        previous = panel;
    }
}

void TFParGen::Move_GroupBoxs()
{
    for (const TParModelPanel& entry : Par_Model_Row(Par_Model).panels)
        if (const auto layout = PanelLayout(entry.panel))
            (this->*layout)();
}

void TFParGen::RePosition_Object_Ethernet_Connection()
{
    FitPanelHeight(CP_Ethernet_Connection, E_EthConn_Sec_DNS_IP4);
    CB_EthConn_En_DHCP_WiFi->SetEnabled(false);
}

void TFParGen::RePosition_Object_LoRa()
{
    int y = CB_LoRa_RF_Band->Top() + Row_Pitch;
    const Row subBand{L_LoRa_FrequencySubBand, CB_LoRa_FrequencySubBand};
    const int band = CB_LoRa_RF_Band->ItemIndex();
    if (band == 5 || band == 6)
        subBand.Place(y);
    else
        subBand.SetVisible(false);
    for (const Row& row : {Row{L_LoRa_Network_Type, CB_LoRa_Network_Type}, Row{CB_LoRa_Adaptive_DataRate, nullptr},
                           Row{L_LoRa_DataRate, CB_LoRa_DataRate}, Row{L_LoRa_Transmission_Type, CB_LoRa_Transmission_Type},
                           Row{L_LoRa_Payload_Size, E_LoRa_Payload_Size}, Row{L_LoRa_JoinEUI, E_LoRa_JoinEUI},
                           Row{L_LoRa_Activation_Method, CB_LoRa_Activation_Method}})
        row.Place(y);
    const Row personalisation[] = {{L_LoRa_Device_Address, E_LoRa_Device_Address},
                                   {L_LoRa_Network_Session_Key, E_LoRa_Network_Session_Key},
                                   {L_LoRa_Application_Session_Key, E_LoRa_Application_Session_Key}};
    const Row applicationKey{L_LoRa_Application_Key, E_LoRa_Application_Key};
    const bool abp = CB_LoRa_Activation_Method->ItemIndex() == 0;
    for (const Row& row : personalisation)
        abp ? row.Place(y) : row.SetVisible(false);
    abp ? applicationKey.SetVisible(false) : applicationKey.Place(y);
    Row{L_LoRa_FPort, CB_LoRa_FPort}.Place(y);
    FitPanelHeight(CP_LoRa, CB_LoRa_FPort);
}

void TFParGen::RePosition_Object_SNMP_Agent()
{
    const Row user{L_SNMP_Agent_User, E_SNMP_Agent_User};
    const Row level{L_SNMP_Agent_SecurityLevel, CB_SNMP_Agent_SecurityLevel};
    const Row authority[] = {{L_SNMP_Agent_Authority, E_SNMP_Agent_Authority},
                             {L_SNMP_Agent_AuthorityMode, CB_SNMP_Agent_AuthorityMode}};
    const Row privacy[] = {{L_SNMP_Agent_Privacy, E_SNMP_Agent_Privacy},
                           {L_SNMP_Agent_PrivacyMode, CB_SNMP_Agent_PrivacyMode}};
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
    FitPanelHeight(CP_SNMP_Agent, lowest);
    const bool dhcp = CB_EthConn_En_DHCP_Cable->Checked();
    for (const TAddressEdits* edits : {&d->snmpIp, &d->snmpSm, &d->snmpGat})
        SetEnabled(*edits, !dhcp);
}
