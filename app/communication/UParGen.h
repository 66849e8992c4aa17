#pragma once

#include "platform/ui/window/Form.h"

#include <memory>

class QChar;
class TObject;
class TCategoryPanel;
class TCategoryPanelGroup;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TLbButton;
class TPanel;
enum class TParPanel;
namespace platform {
class TControl;
}

// The Set Communication window: the gateway's own parameters (Ethernet
// connection, LoRaWAN side, SNMP agent) in one category panel per protocol,
// kept in the configuration's parameter file "ParGen.xml". Every showing loads
// the file (or the defaults); OK checks every entry and rewrites the file.
//
// One table of the parameters in file order serves both loading and writing
// (UParGenFile.cpp); a file that is not XML is reported and the defaults are
// shown. Pasted text passes the same character filters as typed keys. The
// panels of the other models of the family are built too, hidden, from their
// row designs (UParGenPanelRows.h); they are reached by name through
// Find_Control or by panel through Panel(), and each lays itself out from its
// own choices (and the cable DHCP box) alone. UParGenPrivate.h holds the state the form's files share.
class TFParGen : public TForm {
public:
    explicit TFParGen(QWidget* parent = nullptr);
    ~TFParGen() override;

    // Checks, writes the parameter file and closes with mrOk; a failed check
    // or write leaves the window open with the user's entries.
    void Btn_OKClick(TObject* Sender);
    // Change handlers of every edit and combo box, and of every check box.
    void On_Change(TObject* Sender);
    void On_Click(TObject* Sender);
    // Key handler of the address byte edits: "." is dropped and moves the
    // focus on to the next byte of the address chain.
    void KeyPress(TObject* Sender, QChar& Key);
    // Key handler of the hexadecimal LoRaWAN edits: only hexadecimal digits
    // and control characters (space included) pass.
    void OnKeyPress(TObject* Sender, QChar& Key);

    // True when every entry passes; otherwise shows the first fault.
    bool Controllo_Dati();
    quint8 Find_Max_PayLoad();
    void Set_Max_Payload_Size();
    void Change_LoRa_DataRate();

    // Shows, stacks, numbers and tab-orders the panels of the built model.
    void Order_TAB_Panels();
    // Applies the panel layouts of the built model for the current choices.
    void Move_GroupBoxs();
    void RePosition_Object_Ethernet_Connection();
    void RePosition_Object_LoRa();
    void RePosition_Object_SNMP_Agent();
    // The layouts of the panels that the other models of the family show.
    void RePosition_Object_Modbus_Slave();
    void RePosition_Object_Modbus_Master();
    void RePosition_Object_Modbus_TCP_Master();
    void RePosition_Object_Modbus_TCP_Slave();
    void RePosition_Object_Serial();
    void RePosition_Object_Ethernet();
    void RePosition_Object_MBus();
    void RePosition_Object_wMBus();
    void RePosition_Object_BACnet_Master();
    void RePosition_Object_BACnet_Slave();
    void RePosition_Object_CAN();
    void RePosition_Object_CANopen();
    void RePosition_Object_DeviceNet_Master();
    void RePosition_Object_DeviceNet_Slave();
    void RePosition_Object_DMX();
    void RePosition_Object_EtherNetIP_Master();
    void RePosition_Object_EtherNetIP();
    void RePosition_Object_J1939();
    void RePosition_Object_KNX();
    void RePosition_Object_NMEA2000();
    void RePosition_Object_PROFIBUS();
    void RePosition_Object_PROFINET();
    void RePosition_Object_IEC61850_Client();
    void RePosition_Object_IEC61850_Server();
    void RePosition_Object_TLS_Server();
    void RePosition_Object_TLS();
    void RePosition_Object_NTP();
    void RePosition_Object_MQTT();
    void RePosition_Object_WiFi();
    void RePosition_Object_OPC_UA_Client();
    void RePosition_Object_OPC_UA_Server();
    void RePosition_Object_S7_Protocol();
    void RePosition_Object_SNMP_Manager();

    void Set_Lang();

    // The category panel of every protocol or function of the family.
    TCategoryPanel* Panel(TParPanel panel) const;
    // A control of the panels of the other models by its name ("CB_CAN_Baudrate",
    // "L_MQTT_Username"); nullptr for a name the form does not hold.
    platform::TControl* Find_Control(const QString& name) const;

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;
    TCategoryPanelGroup* CPG;

    TCategoryPanel* CP_Ethernet_Connection;
    TLabel* L_EthConn_Device_Name;
    TEdit* E_EthConn_Device_Name;
    TCheckBox* CB_EthConn_En_DHCP_Cable;
    TCheckBox* CB_EthConn_En_DHCP_WiFi;
    TCheckBox* CB_EthConn_Enable_DNS;
    TLabel* L_EthConn_Primary_DNS;
    TEdit* E_EthConn_Pri_DNS_IP1;
    TEdit* E_EthConn_Pri_DNS_IP2;
    TEdit* E_EthConn_Pri_DNS_IP3;
    TEdit* E_EthConn_Pri_DNS_IP4;
    TLabel* L_EthConn_Secondary_DNS;
    TEdit* E_EthConn_Sec_DNS_IP1;
    TEdit* E_EthConn_Sec_DNS_IP2;
    TEdit* E_EthConn_Sec_DNS_IP3;
    TEdit* E_EthConn_Sec_DNS_IP4;

    TCategoryPanel* CP_LoRa;
    TLabel* L_LoRa_RF_Band;
    TComboBox* CB_LoRa_RF_Band;
    TLabel* L_LoRa_Network_Type;
    TComboBox* CB_LoRa_Network_Type;
    TCheckBox* CB_LoRa_Adaptive_DataRate;
    TLabel* L_LoRa_DataRate;
    TComboBox* CB_LoRa_DataRate;
    TLabel* L_LoRa_Transmission_Type;
    TComboBox* CB_LoRa_Transmission_Type;
    TLabel* L_LoRa_Payload_Size;
    TEdit* E_LoRa_Payload_Size;
    TLabel* L_LoRa_Activation_Method;
    TComboBox* CB_LoRa_Activation_Method;
    TLabel* L_LoRa_Device_Address;
    TEdit* E_LoRa_Device_Address;
    TLabel* L_LoRa_JoinEUI;
    TEdit* E_LoRa_JoinEUI;
    TLabel* L_LoRa_Network_Session_Key;
    TEdit* E_LoRa_Network_Session_Key;
    TLabel* L_LoRa_Application_Session_Key;
    TEdit* E_LoRa_Application_Session_Key;
    TLabel* L_LoRa_Application_Key;
    TEdit* E_LoRa_Application_Key;
    TLabel* L_LoRa_FPort;
    TComboBox* CB_LoRa_FPort;
    TLabel* L_LoRa_FrequencySubBand;
    TComboBox* CB_LoRa_FrequencySubBand;

    TCategoryPanel* CP_SNMP_Agent;
    TLabel* L_SNMP_Agent_IP;
    TEdit* E_SNMP_Agent_IP1;
    TEdit* E_SNMP_Agent_IP2;
    TEdit* E_SNMP_Agent_IP3;
    TEdit* E_SNMP_Agent_IP4;
    TLabel* L_SNMP_Agent_SM;
    TEdit* E_SNMP_Agent_SM1;
    TEdit* E_SNMP_Agent_SM2;
    TEdit* E_SNMP_Agent_SM3;
    TEdit* E_SNMP_Agent_SM4;
    TCheckBox* CB_SNMP_Agent_GAT;
    TEdit* E_SNMP_Agent_GAT1;
    TEdit* E_SNMP_Agent_GAT2;
    TEdit* E_SNMP_Agent_GAT3;
    TEdit* E_SNMP_Agent_GAT4;
    TLabel* L_SNMP_Agent_NameStation;
    TEdit* E_SNMP_Agent_NameStation;
    TLabel* L_SNMP_Agent_Contact;
    TEdit* E_SNMP_Agent_Contact;
    TLabel* L_SNMP_Agent_Location;
    TEdit* E_SNMP_Agent_Location;
    TLabel* L_SNMP_Agent_Version;
    TCheckBox* CB_SNMP_Agent_Version1;
    TCheckBox* CB_SNMP_Agent_Version2;
    TCheckBox* CB_SNMP_Agent_Version3;
    TLabel* L_SNMP_Agent_User;
    TEdit* E_SNMP_Agent_User;
    TLabel* L_SNMP_Agent_SecurityLevel;
    TComboBox* CB_SNMP_Agent_SecurityLevel;
    TLabel* L_SNMP_Agent_Authority;
    TEdit* E_SNMP_Agent_Authority;
    TLabel* L_SNMP_Agent_AuthorityMode;
    TComboBox* CB_SNMP_Agent_AuthorityMode;
    TLabel* L_SNMP_Agent_Privacy;
    TEdit* E_SNMP_Agent_Privacy;
    TLabel* L_SNMP_Agent_PrivacyMode;
    TComboBox* CB_SNMP_Agent_PrivacyMode;

protected:
    void FormCreate(TObject* Sender) override;
    void FormShow(TObject* Sender) override;
    void FormResize(TObject* Sender) override;

private:
    struct Data;
    std::unique_ptr<Data> d;

    void Build_Bands();
    void Build_Ethernet_Connection();
    void Build_LoRa();
    void Build_SNMP_Agent();
    void Build_Other_Panels();
    void Set_Lang_Other_Panels();
    void RePosition_Object_BACnet(bool master);
    void Wire_Handlers();
    void Load_Defaults();
    bool Save_Parameters();
};

extern TFParGen* FParGen;

// The character filters of the typed keys, which text pasted into the same
// edits passes as well.
bool Hex_Key_Passes(QChar key);
bool Address_Key_Passes(QChar key);
