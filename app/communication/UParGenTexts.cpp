// The captions and hints of the parameter form in the current language. The
// panel headers are numbered once, by the panel order at creation.

#include "app/communication/UParGenPanelRows.h"
#include "app/communication/UParGenPrivate.h"
#include "app/shell/buttons/LbButton.h"
#include "app/shell/ULanguage.h"
#include "platform/ui/controls/CheckBox.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/panels/Label.h"


namespace {

void PutCaption(TLabel* label, int text)
{
    label->SetCaption(Lang_Texts[text]);
}

void PutCaption(TCheckBox* check, int text)
{
    check->SetCaption(Lang_Texts[text]);
}

void PutHint(platform::TControl* control, int text)
{
    control->SetHint(Lang_Texts[text]);
}

// The hints of the four bytes of an address, from four texts in a row.
void PutHints(const TAddressEdits& edits, int firstText)
{
    for (int i = 0; i < 4; ++i)
        PutHint(edits[size_t(i)], firstText + i);
}

} // namespace

void TFParGen::Set_Lang()
{
    d->textsSet = true;
    SetCaption(Lang_Texts[400]);
    L_SW_Desc->SetCaption(Lang_Texts[401]);
    Btn_OK->SetCaption(Lang_Texts[402]);
    Btn_Cancel->SetCaption(Lang_Texts[403]);
    PutHint(Btn_OK, 404);
    PutHint(Btn_Cancel, 405);

    PutCaption(L_LoRa_RF_Band, 407);
    PutHint(CB_LoRa_RF_Band, 408);
    PutCaption(L_LoRa_Network_Type, 409);
    PutHint(CB_LoRa_Network_Type, 410);
    PutCaption(L_LoRa_Activation_Method, 411);
    PutHint(CB_LoRa_Activation_Method, 412);
    PutCaption(L_LoRa_Device_Address, 413);
    PutHint(E_LoRa_Device_Address, 414);
    PutCaption(L_LoRa_JoinEUI, 415);
    PutHint(E_LoRa_JoinEUI, 416);
    PutCaption(L_LoRa_Network_Session_Key, 417);
    PutHint(E_LoRa_Network_Session_Key, 418);
    PutCaption(L_LoRa_Application_Session_Key, 419);
    PutHint(E_LoRa_Application_Session_Key, 420);
    PutCaption(L_LoRa_Application_Key, 421);
    PutHint(E_LoRa_Application_Key, 422);
    PutCaption(CB_LoRa_Adaptive_DataRate, 483);
    PutHint(CB_LoRa_Adaptive_DataRate, 484);
    PutCaption(L_LoRa_DataRate, 485);
    PutHint(CB_LoRa_DataRate, 486);
    PutCaption(L_LoRa_Transmission_Type, 487);
    PutHint(CB_LoRa_Transmission_Type, 488);
    PutCaption(L_LoRa_Payload_Size, 489);
    PutHint(E_LoRa_Payload_Size, 490);
    PutCaption(L_LoRa_FPort, 491);
    PutHint(CB_LoRa_FPort, 492);
    PutCaption(L_LoRa_FrequencySubBand, 2904);
    PutHint(CB_LoRa_FrequencySubBand, 2905);

    Set_Lang_Other_Panels();

    PutCaption(L_SNMP_Agent_IP, 2844);
    PutHints(d->snmpIp, 2845);
    PutCaption(L_SNMP_Agent_SM, 2849);
    PutHints(d->snmpSm, 2850);
    PutCaption(CB_SNMP_Agent_GAT, 2854);
    PutHint(CB_SNMP_Agent_GAT, 2855);
    PutHints(d->snmpGat, 2856);
    PutCaption(L_SNMP_Agent_NameStation, 2860);
    PutHint(E_SNMP_Agent_NameStation, 2861);
    PutCaption(L_SNMP_Agent_Contact, 2862);
    PutHint(E_SNMP_Agent_Contact, 2863);
    PutCaption(L_SNMP_Agent_Location, 2864);
    PutHint(E_SNMP_Agent_Location, 2865);
    PutCaption(L_SNMP_Agent_Version, 2866);
    PutHint(CB_SNMP_Agent_Version1, 2867);
    PutHint(CB_SNMP_Agent_Version2, 2868);
    PutHint(CB_SNMP_Agent_Version3, 2869);
    PutCaption(L_SNMP_Agent_User, 2870);
    PutHint(E_SNMP_Agent_User, 2871);
    PutCaption(L_SNMP_Agent_SecurityLevel, 2872);
    PutHint(CB_SNMP_Agent_SecurityLevel, 2873);
    PutCaption(L_SNMP_Agent_Authority, 2874);
    PutHint(E_SNMP_Agent_Authority, 2875);
    PutCaption(L_SNMP_Agent_AuthorityMode, 2876);
    PutHint(CB_SNMP_Agent_AuthorityMode, 2877);
    PutCaption(L_SNMP_Agent_Privacy, 2878);
    PutHint(E_SNMP_Agent_Privacy, 2879);
    PutCaption(L_SNMP_Agent_PrivacyMode, 2880);
    PutHint(CB_SNMP_Agent_PrivacyMode, 2881);

    PutCaption(L_EthConn_Device_Name, 2907);
    PutHint(E_EthConn_Device_Name, 2908);
    PutCaption(CB_EthConn_En_DHCP_Cable, 2909);
    PutHint(CB_EthConn_En_DHCP_Cable, 2910);
    PutCaption(CB_EthConn_En_DHCP_WiFi, 2911);
    PutHint(CB_EthConn_En_DHCP_WiFi, 2912);
    PutCaption(CB_EthConn_Enable_DNS, 2913);
    PutHint(CB_EthConn_Enable_DNS, 2914);
    PutCaption(L_EthConn_Primary_DNS, 2915);
    PutHints(d->priDns, 2916);
    PutCaption(L_EthConn_Secondary_DNS, 2920);
    PutHints(d->secDns, 2921);
}

void TFParGen::Set_Lang_Other_Panels()
{
    for (const TParPanelDesign& design : Par_Other_Panel_Designs())
        if (d->panels[size_t(design.panel)])
            Set_Lang_Panel(design);
}

// Each row takes its caption, then the hints of its check box and of its
// input or four bytes, from consecutive texts; a list built from texts is
// refilled and set to its first item.
void TFParGen::Set_Lang_Panel(const TParPanelDesign& design)
{
    for (const TParRow& spec : design.rows) {
        if (spec.kind == TParRowKind::Lone_Edit)
            continue;
        const TParRowControls& row = d->Row(spec.caption);
        int text = spec.text;
        if (auto* label = dynamic_cast<TLabel*>(row.caption))
            PutCaption(label, text++);
        else if (auto* check = dynamic_cast<TCheckBox*>(row.caption)) {
            PutCaption(check, text++);
            PutHint(check, text++);
        }
        if (spec.listText >= 0) {
            auto* combo = dynamic_cast<TComboBox*>(row.inputs.front());
            combo->Items().Clear();
            for (int i = 0; i < spec.listCount; ++i)
                combo->Items().Add(Lang_Texts[spec.listText + i]);
            combo->SetItemIndex(0);
            PutHint(combo, spec.hintText);
            continue;
        }
        if (spec.inputHint)
            for (platform::TControl* input : row.inputs)
                PutHint(input, text++);
    }
}
