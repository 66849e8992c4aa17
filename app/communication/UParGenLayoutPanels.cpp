// The layouts of the panels that the other models of the family show: each
// shows the rows that the panel's choices call for, closes the gaps and fits
// the panel's height, from the current state of the panel's controls alone.

#include "app/communication/UParGenPanels.h"
#include "app/communication/UParGenPrivate.h"
#include "platform/ui/panels/CategoryPanelGroup.h"
#include "platform/ui/controls/CheckBox.h"
#include "platform/ui/controls/ComboBox.h"

using namespace pargen;

namespace {

using P = TParPanel;

template <class Control>
Control* Named(TFParGen& form, const QString& name)
{
    auto* control = dynamic_cast<Control*>(form.Find_Control(name));
    Q_ASSERT(control);
    return control;
}

platform::TControl* Named(TFParGen& form, const char* name)
{
    return Named<platform::TControl>(form, QLatin1String(name));
}

bool Checked(TFParGen& form, const char* name)
{
    return Named<TCheckBox>(form, QLatin1String(name))->Checked();
}

int ItemIndex(TFParGen& form, const char* name)
{
    return Named<TComboBox>(form, QLatin1String(name))->ItemIndex();
}

void Fit(TFParGen& form, P panel, const char* lowest)
{
    Fit_Panel_Height(form.Panel(panel), Named(form, lowest));
}

// While the cable connection takes its address by DHCP, the panel's own
// address, mask and gateway bytes are greyed, and on some panels the gateway
// check box with them.
void ApplyDhcpRule(TFParGen& form, const QString& octetPrefix, const char* gatewayCheck = nullptr)
{
    const bool enabled = !form.CB_EthConn_En_DHCP_Cable->Checked();
    for (const char* row : {"_IP", "_SM", "_GAT"})
        for (int i = 1; i <= 4; ++i)
            Named<platform::TControl>(form, octetPrefix + QLatin1String(row) + QString::number(i))->SetEnabled(enabled);
    if (gatewayCheck)
        Named(form, gatewayCheck)->SetEnabled(enabled);
}

void FitOwnAddressPanel(TFParGen& form, P panel, const char* infix, const char* lowest,
                        const char* gatewayCheck = nullptr)
{
    Fit(form, panel, lowest);
    ApplyDhcpRule(form, QStringLiteral("E_") + QLatin1String(infix), gatewayCheck);
}

// The rows of a BACnet panel by the names of their captions, in panel order,
// and the prefix of its own address bytes.
struct BACnetRows {
    QStringList ip;
    QStringList mstp;
    QString octets;
};

BACnetRows BACnetRowsOf(bool master)
{
    const QString side = master ? QStringLiteral("Master") : QStringLiteral("Slave");
    const QString ip = QStringLiteral("_BACnet_IP_") + side;
    const QString mstp = QStringLiteral("_BACnet_MSTP_") + side + QLatin1Char('_');
    BACnetRows rows;
    rows.octets = QStringLiteral("E") + ip;
    rows.ip = QStringList{QStringLiteral("L") + ip + QStringLiteral("_IP"), QStringLiteral("L") + ip + QStringLiteral("_SM"),
                          QStringLiteral("CB") + ip + QStringLiteral("_GAT")};
    for (const char* name : {"_Port", "_Device_Name", "_Device_Identifier"})
        rows.ip << QStringLiteral("L") + ip + QLatin1String(name);
    if (master)
        rows.ip << QStringLiteral("L") + ip + QStringLiteral("_TimeOut_Polling");
    for (const char* name : {"Baudrate", "Parity", "Device_Name", "MAC_Address", "Max_Master", "Max_Info_Frame", "Device_Instance"})
        rows.mstp << QStringLiteral("L") + mstp + QLatin1String(name);
    if (!master)
        rows.mstp << QStringLiteral("L") + mstp + QStringLiteral("Network");
    return rows;
}

} // namespace

void TFParGen::RePosition_Object_Modbus_Slave() { Fit(*this, P::Modbus_Slave, "CB_ModbusSlave_ReadInput"); }
void TFParGen::RePosition_Object_Modbus_Master() { Fit(*this, P::Modbus_Master, "E_ModbusMaster_CyclicDelay"); }
void TFParGen::RePosition_Object_Serial() { Fit(*this, P::Serial, "CB_Serial_StopBits"); }
void TFParGen::RePosition_Object_CAN() { Fit(*this, P::CAN, "CB_CAN_Baudrate"); }
void TFParGen::RePosition_Object_CANopen() { Fit(*this, P::CANopen, "E_CANopen_SDO_Timeout"); }
void TFParGen::RePosition_Object_DeviceNet_Master() { Fit(*this, P::DeviceNet_Master, "CB_DeviceNet_Master_Baudrate"); }
void TFParGen::RePosition_Object_DeviceNet_Slave() { Fit(*this, P::DeviceNet_Slave, "E_DeviceNet_Slave_NumByteOut"); }
void TFParGen::RePosition_Object_DMX() { Fit(*this, P::DMX, "E_DMX_ChannelNum"); }
void TFParGen::RePosition_Object_J1939() { Fit(*this, P::J1939, "E_J1939_ID_Device"); }
void TFParGen::RePosition_Object_KNX() { Fit(*this, P::KNX, "E_KNX_IDDevice"); }
void TFParGen::RePosition_Object_NMEA2000() { Fit(*this, P::NMEA2000, "CB_NMEA2000_Peer_To_Peer"); }
void TFParGen::RePosition_Object_PROFIBUS() { Fit(*this, P::PROFIBUS, "E_PROFIBUS_NByte_Out"); }
void TFParGen::RePosition_Object_NTP() { Fit(*this, P::NTP, "E_NTP_Poll_Time"); }

void TFParGen::RePosition_Object_Modbus_TCP_Master()
{
    FitOwnAddressPanel(*this, P::Modbus_TCP_Master, "ModbusTCPMaster", "E_ModbusTCPMaster_CyclicDelay",
                       "CB_ModbusTCPMaster_En_GAT");
}

void TFParGen::RePosition_Object_Modbus_TCP_Slave()
{
    FitOwnAddressPanel(*this, P::Modbus_TCP_Slave, "ModbusTCPSlave", "CB_ModbusTCPSlave_ReadInput",
                       "CB_ModbusTCPSlave_En_GAT");
}

void TFParGen::RePosition_Object_EtherNetIP_Master()
{
    FitOwnAddressPanel(*this, P::EtherNetIP_Master, "EtherNetIP_Master", "E_EtherNetIP_Master_Port");
}

void TFParGen::RePosition_Object_EtherNetIP()
{
    FitOwnAddressPanel(*this, P::EtherNetIP, "EtherNetIP", "E_EtherNetIP_NByte_Out");
}

void TFParGen::RePosition_Object_IEC61850_Client()
{
    FitOwnAddressPanel(*this, P::IEC61850_Client, "IEC61850_Client", "E_IEC61850_Client_AppID");
}

void TFParGen::RePosition_Object_IEC61850_Server()
{
    FitOwnAddressPanel(*this, P::IEC61850_Server, "IEC61850_Server", "E_IEC61850_Server_Password");
}

void TFParGen::RePosition_Object_OPC_UA_Client()
{
    FitOwnAddressPanel(*this, P::OPC_UA_Client, "OPC_UA_Client", "E_OPC_UA_Client_GAT4");
}

void TFParGen::RePosition_Object_OPC_UA_Server()
{
    FitOwnAddressPanel(*this, P::OPC_UA_Server, "OPC_UA_Server", "E_OPC_UA_Server_Port");
}

void TFParGen::RePosition_Object_S7_Protocol()
{
    FitOwnAddressPanel(*this, P::S7_Protocol, "S7_Protocol", "E_S7_Protocol_GAT4");
}

void TFParGen::RePosition_Object_SNMP_Manager()
{
    FitOwnAddressPanel(*this, P::SNMP_Manager, "SNMP_Manager", "E_SNMP_Manager_NameStation");
}

// The ports are set elsewhere on these models: their rows never show.
void TFParGen::RePosition_Object_Ethernet()
{
    d->Row(QStringLiteral("L_Ethernet_TCP_Port")).SetVisible(false);
    d->Row(QStringLiteral("L_Ethernet_UDP_Port")).SetVisible(false);
    FitOwnAddressPanel(*this, P::Ethernet, "Ethernet", "E_Ethernet_GAT4", "CB_Ethernet_En_GAT");
}

void TFParGen::RePosition_Object_PROFINET()
{
    d->Row(QStringLiteral("CB_PROFINET_Diagnostic")).SetVisible(false);
    FitOwnAddressPanel(*this, P::PROFINET, "PROFINET", "E_PROFINET_NByte_Out");
}

void TFParGen::RePosition_Object_MBus()
{
    const bool present = ItemIndex(*this, "CB_MBus_OnWire_Present") != 0;
    for (const char* row : {"L_MBus_Baud", "L_MBus_Parity", "L_MBus_Cyclic_Delay", "L_MBus_NodeState", "CB_MBus_FixCField"})
        d->Row(QLatin1String(row)).SetVisible(present);
    Fit(*this, P::MBus, present ? "CB_MBus_SelectCField" : "CB_MBus_OnWire_Present");
}

void TFParGen::RePosition_Object_wMBus()
{
    const bool present = ItemIndex(*this, "CB_wMBus_Wireless_Present") != 0;
    for (const char* row : {"L_wMBus_Mode", "L_wMBus_Radio_Channel"})
        d->Row(QLatin1String(row)).SetVisible(present);
    Fit(*this, P::wMBus, present ? "CB_wMBus_Radio_Channel" : "CB_wMBus_Wireless_Present");
}

void TFParGen::RePosition_Object_BACnet_Master() { RePosition_Object_BACnet(true); }
void TFParGen::RePosition_Object_BACnet_Slave() { RePosition_Object_BACnet(false); }

// BACnet/IP shows the address rows at their places; MS/TP hides them and
// moves its own rows up into their place. The slave's description check box
// follows the last row of either kind.
void TFParGen::RePosition_Object_BACnet(bool master)
{
    const BACnetRows names = BACnetRowsOf(master);
    const auto row = [this](const QString& caption) -> const TParRowControls& { return d->Row(caption); };
    const bool isIp = ItemIndex(*this, master ? "CB_BACnet_Master_Type" : "CB_BACnet_Slave_Type") == 0;
    for (const QString& name : isIp ? names.mstp : names.ip)
        row(name).SetVisible(false);
    const TParRowControls* last = nullptr;
    if (isIp) {
        for (const QString& name : names.ip)
            row(name).SetVisible(true);
        ApplyDhcpRule(*this, names.octets);
        last = &row(names.ip.last());
    } else {
        const TParRowControls& ipAddress = row(names.ip.first());
        int labelY = ipAddress.caption->Top();
        int inputY = ipAddress.inputs.front()->Top();
        for (const QString& name : names.mstp) {
            last = &row(name);
            last->SetVisible(true);
            last->caption->SetTop(labelY);
            last->inputs.front()->SetTop(inputY);
            labelY += Row_Pitch;
            inputY += Row_Pitch;
        }
    }
    TCategoryPanel* panel = Panel(master ? P::BACnet_Master : P::BACnet_Slave);
    if (master) {
        Fit_Panel_Height(panel, last->inputs.front());
        return;
    }
    int y = last->caption->Top() + Row_Pitch;
    const TParRowControls& description = d->Row(QStringLiteral("CB_BACnet_Slave_Desc_32_Chars"));
    description.Place(y);
    Fit_Panel_Height(panel, description.caption);
}

void TFParGen::RePosition_Object_TLS_Server()
{
    const bool enabled = Checked(*this, "CB_TLS_Server_Enable");
    for (const char* row : {"L_TLS_Server_Key", "L_TLS_Server_Key_Pass", "L_TLS_Server_Server_Cert", "L_TLS_Server_Root_Cert",
                            "CB_TLS_Server_En_Known_Cert"})
        d->Row(QLatin1String(row)).SetVisible(enabled);
    Fit(*this, P::TLS_Server, enabled ? "CB_TLS_Server_En_Known_Cert" : "CB_TLS_Server_Enable");
}

void TFParGen::RePosition_Object_TLS()
{
    const TParRowControls& serverAuth = d->Row(QStringLiteral("CB_TLS_En_Server_Auth"));
    const TParRowControls& serverCert = d->Row(QStringLiteral("L_TLS_Server_Cert"));
    const TParRowControls& clientAuth = d->Row(QStringLiteral("CB_TLS_En_Client_Auth"));
    const TParRowControls* clientRows[] = {&d->Row(QStringLiteral("L_TLS_Client_Cert")), &d->Row(QStringLiteral("L_TLS_Client_Cert_Key")),
                                           &d->Row(QStringLiteral("L_TLS_Client_Cert_Key_Pass"))};
    if (!Checked(*this, "CB_TLS_Enable")) {
        for (const TParRowControls* row : {&serverAuth, &serverCert, &clientAuth})
            row->SetVisible(false);
        for (const TParRowControls* row : clientRows)
            row->SetVisible(false);
        Fit(*this, P::TLS, "CB_TLS_Enable");
        return;
    }
    serverAuth.SetVisible(true);
    int y = serverAuth.caption->Top() + Row_Pitch;
    if (Checked(*this, "CB_TLS_En_Server_Auth")) {
        serverCert.SetVisible(true);
        y = serverCert.inputs.front()->Top() + Row_Pitch;
    } else {
        serverCert.SetVisible(false);
    }
    clientAuth.Place(y);
    const bool client = Checked(*this, "CB_TLS_En_Client_Auth");
    for (const TParRowControls* row : clientRows)
        client ? row->Place(y) : row->SetVisible(false);
    Fit(*this, P::TLS, client ? "E_TLS_Client_Cert_Key_Pass" : "CB_TLS_En_Client_Auth");
}

void TFParGen::RePosition_Object_MQTT()
{
    const TParRowControls* willRows[] = {&d->Row(QStringLiteral("L_MQTT_Will_TopicName")), &d->Row(QStringLiteral("L_MQTT_Will_Message")),
                                         &d->Row(QStringLiteral("CB_MQTT_Will_Retained")), &d->Row(QStringLiteral("L_MQTT_Will_QoS"))};
    const bool will = Checked(*this, "CB_MQTT_WillFlag");
    for (const TParRowControls* row : willRows)
        row->SetVisible(will);
    int y = will ? willRows[3]->caption->Top() + Row_Pitch : willRows[0]->caption->Top();
    d->Row(QStringLiteral("CB_MQTT_PublishTopicConnection")).Place(y);
    const bool connection = Checked(*this, "CB_MQTT_PublishTopicConnection");
    for (const char* name : {"L_MQTT_Connection_TopicName", "L_MQTT_Connection_Message", "CB_MQTT_Connection_Retained"})
        connection ? d->Row(QLatin1String(name)).Place(y) : d->Row(QLatin1String(name)).SetVisible(false);
    d->Row(QStringLiteral("L_MQTT_Username")).Place(y);
    d->Row(QStringLiteral("L_MQTT_Password")).Place(y);
    d->Row(QStringLiteral("L_MQTT_ASync_Send_Time")).SetVisible(false);
    Fit(*this, P::MQTT, "E_MQTT_Password");
}

// Access point and client mode each show their own rows; any other type
// leaves the panel as it is.
void TFParGen::RePosition_Object_WiFi()
{
    const int type = ItemIndex(*this, "CB_WiFi_Type");
    if (type != 0 && type != 1)
        return;
    int y = Named(*this, "L_WiFi_Type")->Top() + Row_Pitch;
    const auto place = [this, &y](std::initializer_list<const char*> rows) {
        for (const char* row : rows)
            d->Row(QLatin1String(row)).Place(y);
    };
    const auto hide = [this](std::initializer_list<const char*> rows) {
        for (const char* row : rows)
            d->Row(QLatin1String(row)).SetVisible(false);
    };
    const std::initializer_list<const char*> ownAddress = {"L_WiFi_IP", "L_WiFi_SM", "CB_WiFi_En_Gat", "CB_WiFi_En_DNS"};
    const std::initializer_list<const char*> dhcpServer = {"L_WiFi_DHCP_First_IP", "L_WiFi_DHCP_SM", "L_WiFi_Lease_Time"};
    if (type == 0) {
        hide({"CB_WiFi_IP_Auto"});
        place(ownAddress);
        place({"L_WiFi_Port"});
        hide({"CB_WiFi_En_WPS"});
        place({"L_WiFi_SSID", "L_WiFi_Secure_Type"});
        ItemIndex(*this, "CB_WiFi_Secure_Type") == 0 ? hide({"L_WiFi_Password"}) : place({"L_WiFi_Password"});
        place({"CB_WiFi_En_DHCP"});
        Checked(*this, "CB_WiFi_En_DHCP") ? place(dhcpServer) : hide(dhcpServer);
        hide({"L_WiFi_Name"});
        place({"L_WiFi_Max_Client", "L_WiFi_Channel"});
        Fit(*this, P::WiFi, "CB_WiFi_Channel");
        return;
    }
    place({"CB_WiFi_IP_Auto"});
    if (Checked(*this, "CB_WiFi_IP_Auto")) {
        hide(ownAddress);
        place({"L_WiFi_Name"});
    } else {
        place(ownAddress);
        hide({"L_WiFi_Name"});
    }
    place({"L_WiFi_Port"});
    hide({"CB_WiFi_En_WPS"});
    place({"L_WiFi_SSID"});
    hide({"L_WiFi_Secure_Type"});
    place({"L_WiFi_Password"});
    hide({"CB_WiFi_En_DHCP", "L_WiFi_Lease_Time", "L_WiFi_Max_Client", "L_WiFi_Channel"});
    hide({"L_WiFi_DHCP_First_IP", "L_WiFi_DHCP_SM"});
    Fit(*this, P::WiFi, "E_WiFi_Password");
}
