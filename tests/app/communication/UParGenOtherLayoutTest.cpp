#include "tests/app/communication/UParGenTestFixture.h"

#include "app/communication/UParGenPanels.h"

namespace {

using P = TParPanel;
using Layout = void (TFParGen::*)();

constexpr int Header_And_Margin = 24 + 12;

int Bottom(const platform::TControl* control)
{
    return control->Top() + control->Height();
}

} // namespace

// The panels of the other models, laid out for their choices. Each case also
// lays the panel out twice, which must change nothing.
class ParGenOtherLayout : public ParGenForm {
protected:
    void Apply(Layout layout)
    {
        (form.get()->*layout)();
        const int height = heightOf ? heightOf->Height() : 0;
        (form.get()->*layout)();
        if (heightOf) {
            EXPECT_EQ(heightOf->Height(), height) << "a second layout moved the panel";
        }
    }

    int Height(P panel) const { return form->Panel(panel)->Height(); }

    void Check(const char* name, bool checked) { Named<TCheckBox>(name)->SetChecked(checked); }
    void Select(const char* name, int index) { Named<TComboBox>(name)->SetItemIndex(index); }
    const platform::TControl* C(const char* name) const { return Named(name); }

    const TCategoryPanel* heightOf = nullptr;
};

TEST_F(ParGenOtherLayout, PanelsThatOnlyFitTheirHeight)
{
    struct Case {
        P panel;
        Layout layout;
        const char* lowest;
    };
    const Case cases[] = {
        {P::Modbus_Slave, &TFParGen::RePosition_Object_Modbus_Slave, "CB_ModbusSlave_ReadInput"},
        {P::Modbus_Master, &TFParGen::RePosition_Object_Modbus_Master, "E_ModbusMaster_CyclicDelay"},
        {P::Serial, &TFParGen::RePosition_Object_Serial, "CB_Serial_StopBits"},
        {P::CAN, &TFParGen::RePosition_Object_CAN, "CB_CAN_Baudrate"},
        {P::CANopen, &TFParGen::RePosition_Object_CANopen, "E_CANopen_SDO_Timeout"},
        {P::DeviceNet_Master, &TFParGen::RePosition_Object_DeviceNet_Master, "CB_DeviceNet_Master_Baudrate"},
        {P::DeviceNet_Slave, &TFParGen::RePosition_Object_DeviceNet_Slave, "E_DeviceNet_Slave_NumByteOut"},
        {P::DMX, &TFParGen::RePosition_Object_DMX, "E_DMX_ChannelNum"},
        {P::J1939, &TFParGen::RePosition_Object_J1939, "E_J1939_ID_Device"},
        {P::KNX, &TFParGen::RePosition_Object_KNX, "E_KNX_IDDevice"},
        {P::NMEA2000, &TFParGen::RePosition_Object_NMEA2000, "CB_NMEA2000_Peer_To_Peer"},
        {P::PROFIBUS, &TFParGen::RePosition_Object_PROFIBUS, "E_PROFIBUS_NByte_Out"},
        {P::NTP, &TFParGen::RePosition_Object_NTP, "E_NTP_Poll_Time"},
    };
    EXPECT_EQ(Height(P::Modbus_Slave), 209);
    for (const Case& c : cases) {
        Apply(c.layout);
        EXPECT_EQ(Height(c.panel), Bottom(C(c.lowest)) + Header_And_Margin) << c.lowest;
        // No row of these panels is ever hidden.
        for (QObject* child : form->Panel(c.panel)->Surface()->children()) {
            if (const platform::TControl* control = platform::AsControl(child)) {
                EXPECT_TRUE(control->Visible()) << control->Name().toStdString();
            }
        }
    }
    EXPECT_EQ(Height(P::Modbus_Slave), 205);
}

// Panels with the gateway's own address: DHCP on the cable greys the twelve
// bytes, and the gateway check box only on the Modbus TCP and Ethernet panels.
TEST_F(ParGenOtherLayout, OwnAddressPanelsFollowTheCableDhcp)
{
    struct Case {
        P panel;
        Layout layout;
        const char* lowest;
        const char* octets; // prefix of the byte edits
        const char* gatewayCheck;
        bool checkGreyed;
        int height; // 0: not fixed by the design
    };
    const Case cases[] = {
        {P::Modbus_TCP_Master, &TFParGen::RePosition_Object_Modbus_TCP_Master, "E_ModbusTCPMaster_CyclicDelay",
         "E_ModbusTCPMaster", "CB_ModbusTCPMaster_En_GAT", true, 0},
        {P::Modbus_TCP_Slave, &TFParGen::RePosition_Object_Modbus_TCP_Slave, "CB_ModbusTCPSlave_ReadInput",
         "E_ModbusTCPSlave", "CB_ModbusTCPSlave_En_GAT", true, 0},
        {P::Ethernet, &TFParGen::RePosition_Object_Ethernet, "E_Ethernet_GAT4", "E_Ethernet", "CB_Ethernet_En_GAT", true, 123},
        {P::EtherNetIP_Master, &TFParGen::RePosition_Object_EtherNetIP_Master, "E_EtherNetIP_Master_Port",
         "E_EtherNetIP_Master", "CB_EtherNetIP_Master_GAT", false, 0},
        {P::EtherNetIP, &TFParGen::RePosition_Object_EtherNetIP, "E_EtherNetIP_NByte_Out", "E_EtherNetIP",
         "CB_EtherNetIP_GAT", false, 0},
        {P::IEC61850_Client, &TFParGen::RePosition_Object_IEC61850_Client, "E_IEC61850_Client_AppID",
         "E_IEC61850_Client", "CB_IEC61850_Client_En_GAT", false, 0},
        {P::IEC61850_Server, &TFParGen::RePosition_Object_IEC61850_Server, "E_IEC61850_Server_Password",
         "E_IEC61850_Server", "CB_IEC61850_Server_En_GAT", false, 0},
        {P::OPC_UA_Client, &TFParGen::RePosition_Object_OPC_UA_Client, "E_OPC_UA_Client_GAT4", "E_OPC_UA_Client",
         "CB_OPC_UA_Client_En_GAT", false, 0},
        {P::OPC_UA_Server, &TFParGen::RePosition_Object_OPC_UA_Server, "E_OPC_UA_Server_Port", "E_OPC_UA_Server",
         "CB_OPC_UA_Server_En_GAT", false, 0},
        {P::S7_Protocol, &TFParGen::RePosition_Object_S7_Protocol, "E_S7_Protocol_GAT4", "E_S7_Protocol",
         "CB_S7_Protocol_En_GAT", false, 0},
        {P::SNMP_Manager, &TFParGen::RePosition_Object_SNMP_Manager, "E_SNMP_Manager_NameStation", "E_SNMP_Manager",
         "CB_SNMP_Manager_GAT", false, 0},
        {P::PROFINET, &TFParGen::RePosition_Object_PROFINET, "E_PROFINET_NByte_Out", "E_PROFINET", "CB_PROFINET_GAT",
         false, 234},
    };
    for (const Case& c : cases) {
        for (const bool dhcp : {false, true, false}) {
            form->CB_EthConn_En_DHCP_Cable->SetChecked(dhcp);
            heightOf = form->Panel(c.panel);
            Apply(c.layout);
            for (const char* row : {"_IP", "_SM", "_GAT"})
                for (int i = 1; i <= 4; ++i) {
                    const QByteArray name = QByteArray(c.octets) + row + QByteArray::number(i);
                    EXPECT_EQ(Named(name.constData())->Enabled(), !dhcp) << name.constData();
                }
            EXPECT_EQ(C(c.gatewayCheck)->Enabled(), !(dhcp && c.checkGreyed)) << c.gatewayCheck;
            EXPECT_EQ(Height(c.panel), Bottom(C(c.lowest)) + Header_And_Margin) << c.lowest;
            if (c.height) {
                EXPECT_EQ(Height(c.panel), c.height) << c.lowest;
            }
        }
    }
    ExpectHidden({C("L_Ethernet_TCP_Port"), C("E_Ethernet_TCP_Port"), C("L_Ethernet_UDP_Port"), C("E_Ethernet_UDP_Port"),
                  C("CB_PROFINET_Diagnostic"), C("E_PROFINET_Diagnostic")});
}

TEST_F(ParGenOtherLayout, MBusRowsFollowWhetherTheBusIsPresent)
{
    heightOf = form->Panel(P::MBus);
    const std::initializer_list<const platform::TControl*> rows = {
        C("L_MBus_Baud"),         C("CB_MBus_Baud"),      C("L_MBus_Parity"),    C("CB_MBus_Parity"),
        C("L_MBus_Cyclic_Delay"), C("E_MBus_Cyclic_Delay"), C("L_MBus_NodeState"), C("E_MBus_NodeState"),
        C("CB_MBus_FixCField"),   C("CB_MBus_SelectCField")};
    Select("CB_MBus_OnWire_Present", 0);
    Apply(&TFParGen::RePosition_Object_MBus);
    ExpectHidden(rows);
    EXPECT_EQ(Height(P::MBus), 67);
    Select("CB_MBus_OnWire_Present", 1);
    Apply(&TFParGen::RePosition_Object_MBus);
    ExpectRows({{C("L_MBus_Baud"), C("CB_MBus_Baud"), 40}, {C("L_MBus_NodeState"), C("E_MBus_NodeState"), 124},
                {C("CB_MBus_FixCField"), C("CB_MBus_SelectCField"), 152}});
    EXPECT_EQ(Height(P::MBus), 207);

    heightOf = form->Panel(P::wMBus);
    Select("CB_wMBus_Wireless_Present", 0);
    Apply(&TFParGen::RePosition_Object_wMBus);
    ExpectHidden({C("L_wMBus_Mode"), C("CB_wMBus_Mode"), C("L_wMBus_Radio_Channel"), C("CB_wMBus_Radio_Channel")});
    EXPECT_EQ(Height(P::wMBus), 67);
    Select("CB_wMBus_Wireless_Present", 1);
    Apply(&TFParGen::RePosition_Object_wMBus);
    ExpectRows({{C("L_wMBus_Mode"), C("CB_wMBus_Mode"), 40}, {C("L_wMBus_Radio_Channel"), C("CB_wMBus_Radio_Channel"), 68}});
    EXPECT_EQ(Height(P::wMBus), 123);
}

TEST_F(ParGenOtherLayout, BACnetMasterSwitchesBetweenIpAndMstpRows)
{
    heightOf = form->Panel(P::BACnet_Master);
    const std::initializer_list<const platform::TControl*> ipRows = {
        C("L_BACnet_IP_Master_IP"),   C("E_BACnet_IP_Master_IP1"), C("Label90"), C("E_BACnet_IP_Master_SM4"), C("Label102"),
        C("CB_BACnet_IP_Master_GAT"), C("E_BACnet_IP_Master_GAT2"), C("Label105"), C("E_BACnet_IP_Master_Port"),
        C("E_BACnet_IP_Master_Device_Name"), C("E_BACnet_IP_Master_Device_Identifier"),
        C("L_BACnet_IP_Master_TimeOut_Polling"), C("E_BACnet_IP_Master_TimeOut_Polling")};
    Select("CB_BACnet_Master_Type", 1);
    Apply(&TFParGen::RePosition_Object_BACnet_Master);
    ExpectHidden(ipRows);
    ExpectRows({{C("L_BACnet_MSTP_Master_Baudrate"), C("CB_BACnet_MSTP_Master_Baudrate"), 40},
                {C("L_BACnet_MSTP_Master_Parity"), C("CB_BACnet_MSTP_Master_Parity"), 68},
                {C("L_BACnet_MSTP_Master_Device_Name"), C("E_BACnet_MSTP_Master_Device_Name"), 96},
                {C("L_BACnet_MSTP_Master_MAC_Address"), C("E_BACnet_MSTP_Master_MAC_Address"), 124},
                {C("L_BACnet_MSTP_Master_Max_Master"), C("E_BACnet_MSTP_Master_Max_Master"), 152},
                {C("L_BACnet_MSTP_Master_Max_Info_Frame"), C("E_BACnet_MSTP_Master_Max_Info_Frame"), 180},
                {C("L_BACnet_MSTP_Master_Device_Instance"), C("E_BACnet_MSTP_Master_Device_Instance"), 208}});
    EXPECT_EQ(Height(P::BACnet_Master), 262);

    form->CB_EthConn_En_DHCP_Cable->SetChecked(true);
    Select("CB_BACnet_Master_Type", 0);
    Apply(&TFParGen::RePosition_Object_BACnet_Master);
    ExpectHidden({C("L_BACnet_MSTP_Master_Baudrate"), C("CB_BACnet_MSTP_Master_Baudrate"),
                  C("E_BACnet_MSTP_Master_Device_Instance")});
    for (const platform::TControl* control : ipRows)
        EXPECT_TRUE(control->Visible()) << control->Name().toStdString();
    EXPECT_EQ(C("L_BACnet_IP_Master_IP")->Top(), 40);
    EXPECT_EQ(C("E_BACnet_IP_Master_IP1")->Top(), 37);
    EXPECT_EQ(C("E_BACnet_IP_Master_TimeOut_Polling")->Top(), 205);
    EXPECT_FALSE(C("E_BACnet_IP_Master_GAT4")->Enabled());
    EXPECT_TRUE(C("CB_BACnet_IP_Master_GAT")->Enabled());
    EXPECT_EQ(Height(P::BACnet_Master), 262);
}

TEST_F(ParGenOtherLayout, BACnetSlaveEndsWithItsDescriptionBox)
{
    heightOf = form->Panel(P::BACnet_Slave);
    Select("CB_BACnet_Slave_Type", 0);
    Apply(&TFParGen::RePosition_Object_BACnet_Slave);
    EXPECT_TRUE(C("E_BACnet_IP_Slave_Device_Identifier")->Visible());
    ExpectHidden({C("L_BACnet_MSTP_Slave_Network"), C("E_BACnet_MSTP_Slave_Network"), C("CB_BACnet_MSTP_Slave_Baudrate")});
    EXPECT_TRUE(C("Label94")->Visible());
    ExpectRows({{C("CB_BACnet_Slave_Desc_32_Chars"), nullptr, 208}});
    EXPECT_EQ(Height(P::BACnet_Slave), 261);

    Select("CB_BACnet_Slave_Type", 1);
    Apply(&TFParGen::RePosition_Object_BACnet_Slave);
    ExpectHidden({C("L_BACnet_IP_Slave_IP"), C("E_BACnet_IP_Slave_GAT4"), C("Label78"), C("E_BACnet_IP_Slave_Port")});
    ExpectRows({{C("L_BACnet_MSTP_Slave_Baudrate"), C("CB_BACnet_MSTP_Slave_Baudrate"), 40},
                {C("L_BACnet_MSTP_Slave_Device_Instance"), C("E_BACnet_MSTP_Slave_Device_Instance"), 208},
                {C("L_BACnet_MSTP_Slave_Network"), C("E_BACnet_MSTP_Slave_Network"), 236},
                {C("CB_BACnet_Slave_Desc_32_Chars"), nullptr, 264}});
    EXPECT_EQ(Height(P::BACnet_Slave), 317);
}

TEST_F(ParGenOtherLayout, TlsServerRowsFollowItsSwitch)
{
    heightOf = form->Panel(P::TLS_Server);
    const std::initializer_list<const platform::TControl*> rows = {
        C("L_TLS_Server_Key"),         C("E_TLS_Server_Key"),         C("L_TLS_Server_Key_Pass"),
        C("E_TLS_Server_Key_Pass"),    C("L_TLS_Server_Server_Cert"), C("E_TLS_Server_Server_Cert"),
        C("L_TLS_Server_Root_Cert"),   C("E_TLS_Server_Root_Cert"),   C("CB_TLS_Server_En_Known_Cert")};
    Check("CB_TLS_Server_Enable", false);
    Apply(&TFParGen::RePosition_Object_TLS_Server);
    ExpectHidden(rows);
    EXPECT_EQ(Height(P::TLS_Server), 65);
    Check("CB_TLS_Server_Enable", true);
    Apply(&TFParGen::RePosition_Object_TLS_Server);
    for (const platform::TControl* control : rows)
        EXPECT_TRUE(control->Visible()) << control->Name().toStdString();
    EXPECT_EQ(Height(P::TLS_Server), 205);
}

TEST_F(ParGenOtherLayout, TlsRowsFollowTheAuthentications)
{
    struct Case {
        bool enable, server, client;
        int clientAuthTop; // 0: hidden
        int firstClientRow; // 0: hidden
        int height;
    };
    const Case cases[] = {
        {false, true, true, 0, 0, 65},   {true, false, false, 68, 0, 121}, {true, true, false, 91, 0, 144},
        {true, false, true, 68, 96, 206}, {true, true, true, 91, 119, 229},
    };
    heightOf = form->Panel(P::TLS);
    for (const Case& c : cases) {
        Check("CB_TLS_Enable", c.enable);
        Check("CB_TLS_En_Server_Auth", c.server);
        Check("CB_TLS_En_Client_Auth", c.client);
        Apply(&TFParGen::RePosition_Object_TLS);
        const std::string state = std::to_string(c.enable) + std::to_string(c.server) + std::to_string(c.client);
        EXPECT_EQ(Height(P::TLS), c.height) << state;
        EXPECT_EQ(C("CB_TLS_En_Server_Auth")->Visible(), c.enable) << state;
        EXPECT_EQ(C("E_TLS_Server_Cert")->Visible(), c.enable && c.server) << state;
        EXPECT_EQ(C("CB_TLS_En_Client_Auth")->Visible(), c.clientAuthTop != 0) << state;
        if (c.clientAuthTop) {
            EXPECT_EQ(C("CB_TLS_En_Client_Auth")->Top(), c.clientAuthTop) << state;
        }
        if (c.firstClientRow)
            ExpectRows({{C("L_TLS_Client_Cert"), C("E_TLS_Client_Cert"), c.firstClientRow},
                        {C("L_TLS_Client_Cert_Key"), C("E_TLS_Client_Cert_Key"), c.firstClientRow + 28},
                        {C("L_TLS_Client_Cert_Key_Pass"), C("E_TLS_Client_Cert_Key_Pass"), c.firstClientRow + 56}});
        else
            ExpectHidden({C("L_TLS_Client_Cert"), C("E_TLS_Client_Cert_Key"), C("E_TLS_Client_Cert_Key_Pass")});
    }
}

TEST_F(ParGenOtherLayout, MqttRowsFollowTheWillAndTheConnectionTopic)
{
    struct Case {
        bool will, publish;
        int publishTop, userTop, height;
    };
    const Case cases[] = {
        {false, false, 180, 208, 292}, {true, true, 292, 404, 488}, {false, true, 180, 292, 376}, {true, false, 292, 320, 404},
    };
    heightOf = form->Panel(P::MQTT);
    for (const Case& c : cases) {
        Check("CB_MQTT_WillFlag", c.will);
        Check("CB_MQTT_PublishTopicConnection", c.publish);
        Apply(&TFParGen::RePosition_Object_MQTT);
        const std::string state = std::to_string(c.will) + std::to_string(c.publish);
        ExpectRows({{C("CB_MQTT_WillFlag"), nullptr, 152},
                    {C("CB_MQTT_PublishTopicConnection"), nullptr, c.publishTop},
                    {C("L_MQTT_Username"), C("E_MQTT_Username"), c.userTop},
                    {C("L_MQTT_Password"), C("E_MQTT_Password"), c.userTop + 28}});
        if (c.will)
            ExpectRows({{C("L_MQTT_Will_TopicName"), C("E_MQTT_Will_TopicName"), 180},
                        {C("L_MQTT_Will_QoS"), C("CB_MQTT_Will_QoS"), 264}});
        else
            ExpectHidden({C("L_MQTT_Will_TopicName"), C("E_MQTT_Will_Message"), C("CB_MQTT_Will_Retained"), C("CB_MQTT_Will_QoS")});
        if (c.publish)
            ExpectRows({{C("L_MQTT_Connection_TopicName"), C("E_MQTT_Connection_TopicName"), c.publishTop + 28},
                        {C("L_MQTT_Connection_Message"), C("E_MQTT_Connection_Message"), c.publishTop + 56},
                        {C("CB_MQTT_Connection_Retained"), nullptr, c.publishTop + 84}});
        else
            ExpectHidden({C("E_MQTT_Connection_TopicName"), C("L_MQTT_Connection_Message"), C("CB_MQTT_Connection_Retained")});
        ExpectHidden({C("L_MQTT_ASync_Send_Time"), C("E_MQTT_ASync_Send_Time"), C("E_MQTT_Password__")});
        EXPECT_EQ(Height(P::MQTT), c.height) << state;
    }
}

TEST_F(ParGenOtherLayout, WiFiAccessPointRows)
{
    heightOf = form->Panel(P::WiFi);
    Select("CB_WiFi_Type", 0);
    Select("CB_WiFi_Secure_Type", 0);
    Check("CB_WiFi_En_DHCP", false);
    Apply(&TFParGen::RePosition_Object_WiFi);
    ExpectHidden({C("CB_WiFi_IP_Auto"), C("CB_WiFi_En_WPS"), C("L_WiFi_Password"), C("E_WiFi_Password"),
                  C("L_WiFi_DHCP_First_IP"), C("E_WiFi_DHCP_SM1"), C("Label74"), C("E_WiFi_Lease_Time"), C("L_WiFi_Name")});
    ExpectRows({{C("L_WiFi_IP"), C("E_WiFi_IP1"), 40}, {C("Label63"), nullptr, 40}, {C("L_WiFi_SM"), C("E_WiFi_SM4"), 68},
                {C("CB_WiFi_En_Gat"), C("E_WiFi_GAT1"), 96}, {C("CB_WiFi_En_DNS"), C("E_WiFi_DNS3"), 124},
                {C("L_WiFi_Port"), C("E_WiFi_Port"), 152}, {C("L_WiFi_SSID"), C("E_WiFi_SSID"), 180},
                {C("L_WiFi_Secure_Type"), C("CB_WiFi_Secure_Type"), 208}, {C("CB_WiFi_En_DHCP"), nullptr, 236},
                {C("L_WiFi_Max_Client"), C("CB_WiFi_Max_Client"), 264}, {C("L_WiFi_Channel"), C("CB_WiFi_Channel"), 292}});
    EXPECT_EQ(Height(P::WiFi), Bottom(C("CB_WiFi_Channel")) + Header_And_Margin);

    Select("CB_WiFi_Secure_Type", 2);
    Check("CB_WiFi_En_DHCP", true);
    Apply(&TFParGen::RePosition_Object_WiFi);
    ExpectRows({{C("L_WiFi_Password"), C("E_WiFi_Password"), 236}, {C("CB_WiFi_En_DHCP"), nullptr, 264},
                {C("L_WiFi_DHCP_First_IP"), C("E_WiFi_DHCP_First_IP4"), 292}, {C("L_WiFi_DHCP_SM"), C("E_WiFi_DHCP_SM2"), 320},
                {C("L_WiFi_Lease_Time"), C("E_WiFi_Lease_Time"), 348}, {C("L_WiFi_Channel"), C("CB_WiFi_Channel"), 404}});
    EXPECT_EQ(Height(P::WiFi), Bottom(C("CB_WiFi_Channel")) + Header_And_Margin);
}

TEST_F(ParGenOtherLayout, WiFiClientModeRowsAndWiFiDirectKeepsThem)
{
    heightOf = form->Panel(P::WiFi);
    Select("CB_WiFi_Type", 1);
    Check("CB_WiFi_IP_Auto", false);
    Apply(&TFParGen::RePosition_Object_WiFi);
    ExpectRows({{C("CB_WiFi_IP_Auto"), nullptr, 40}, {C("L_WiFi_IP"), C("E_WiFi_IP2"), 68}, {C("CB_WiFi_En_DNS"), C("E_WiFi_DNS1"), 152},
                {C("L_WiFi_Port"), C("E_WiFi_Port"), 180}, {C("L_WiFi_SSID"), C("E_WiFi_SSID"), 208},
                {C("L_WiFi_Password"), C("E_WiFi_Password"), 236}});
    ExpectHidden({C("L_WiFi_Name"), C("CB_WiFi_En_WPS"), C("CB_WiFi_Secure_Type"), C("CB_WiFi_En_DHCP"),
                  C("E_WiFi_DHCP_First_IP1"), C("E_WiFi_DHCP_SM1"), C("L_WiFi_Lease_Time"), C("CB_WiFi_Max_Client"),
                  C("CB_WiFi_Channel")});
    EXPECT_EQ(Height(P::WiFi), Bottom(C("E_WiFi_Password")) + Header_And_Margin);

    // The automatic address puts the name row where the address rows were.
    Check("CB_WiFi_IP_Auto", true);
    Apply(&TFParGen::RePosition_Object_WiFi);
    ExpectHidden({C("L_WiFi_IP"), C("E_WiFi_SM3"), C("CB_WiFi_En_Gat"), C("E_WiFi_DNS4"), C("Label31")});
    ExpectRows({{C("L_WiFi_Name"), C("E_WiFi_Name"), 68}, {C("L_WiFi_Port"), C("E_WiFi_Port"), 96},
                {C("L_WiFi_SSID"), C("E_WiFi_SSID"), 124}, {C("L_WiFi_Password"), C("E_WiFi_Password"), 152}});
    const int height = Height(P::WiFi);
    EXPECT_EQ(height, 206);

    for (const int other : {2, -1}) {
        Select("CB_WiFi_Type", other);
        Apply(&TFParGen::RePosition_Object_WiFi);
        EXPECT_EQ(Height(P::WiFi), height);
        EXPECT_FALSE(C("L_WiFi_IP")->Visible());
        EXPECT_EQ(C("L_WiFi_Password")->Top(), 152);
    }
}
