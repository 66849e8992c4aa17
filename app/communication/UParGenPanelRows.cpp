// The rows of the panels of the other models as the form's design has them.
// Rows lie 28 pixels apart from 12 down; an input sits 3 pixels above its
// label, the byte edits of a gateway or DNS row 2 above its check box.

#include "app/communication/UParGenPanelRows.h"

namespace {

using P = TParPanel;
using K = TParRowKind;

constexpr int First_Row = 12;
constexpr int Row_Pitch = 28;

// The design y of the row at `index`, counted from 0.
constexpr int R(int index)
{
    return First_Row + index * Row_Pitch;
}

TParRow Row(K kind, const QString& caption, const QString& input, int top, int text)
{
    TParRow row;
    row.kind = kind;
    row.caption = caption;
    row.input = input;
    row.top = top;
    row.text = text;
    if (row.caption.isEmpty() && kind != K::Lone_Edit)
        row.caption = Par_Row_Label(row.input);
    return row;
}

TParRow Row(K kind, const char* caption, const char* input, int top, int text)
{
    return Row(kind, QString::fromLatin1(caption), QString::fromLatin1(input), top, text);
}

TParRow EditRow(const char* input, int top, int text)
{
    return Row(K::Edit, "", input, top, text);
}

TParRow MemoRow(const char* input, int top, int text)
{
    return Row(K::Memo, "", input, top, text);
}

TParRow ComboRow(const char* input, int top, int text, const QStringList& items, int selected = -1)
{
    return Row(K::Combo, "", input, top, text).Items(items, selected);
}

TParRow CheckRow(const char* check, int top, int text)
{
    return Row(K::Check, check, "", top, text);
}

TParRow AddressRow(const char* prefix, int top, int text)
{
    return Row(K::Address, "", prefix, top, text);
}

TParRow GatewayRow(const char* check, const char* prefix, int top, int text)
{
    return Row(K::Check_Address, check, prefix, top, text);
}

// The own address, subnet mask and gateway rows of a panel, from row 0.
std::vector<TParRow> OwnAddress(const char* infix, const char* gatewayCheck, int text)
{
    const QString base = QStringLiteral("E_") + QLatin1String(infix);
    return {Row(K::Address, QString(), base + QStringLiteral("_IP"), R(0), text),
            Row(K::Address, QString(), base + QStringLiteral("_SM"), R(1), text + 5),
            Row(K::Check_Address, QString::fromLatin1(gatewayCheck), base + QStringLiteral("_GAT"), R(2), text + 10)};
}

std::vector<TParRow> Join(std::vector<TParRow> first, const std::vector<TParRow>& then)
{
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

QStringList Texts(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list << QLatin1String(text);
    return list;
}

QStringList Numbers(int from, int to)
{
    QStringList list;
    for (int i = from; i <= to; ++i)
        list << QString::number(i);
    return list;
}

const QStringList Serial_Ports = Texts({"RS232", "RS485"});
const QStringList Serial_Baudrates = Texts({"1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"});
const QStringList Parities = Texts({"NONE", "ODD", "EVEN"});
const QStringList Stop_Bits = Texts({"1 Stop Bits", "2 Stop Bits"});
const QStringList CAN_Baudrates = Texts({"10K", "20K", "50K", "62.5K", "100K", "125K", "250K", "500K", "800K", "1000K"});
const QStringList Presence = Texts({"Not Present", "Present"});
const QStringList BACnet_Types = Texts({"BACnet/IP", "BACnet MS/TP"});

// Serial port, baud rate, parity and stop bit rows from row 0.
std::vector<TParRow> SerialRows(const char* serial, const char* baud, const char* parity, const char* stop, int text)
{
    return {ComboRow(serial, R(0), text, Serial_Ports, 0), ComboRow(baud, R(1), text + 2, Serial_Baudrates, 7),
            ComboRow(parity, R(2), text + 4, Parities, 0), ComboRow(stop, R(3), text + 6, Stop_Bits)};
}

std::vector<TParPanelDesign> Designs()
{
    const QStringList mstpBaudrates = Texts({"9600", "19200", "38400", "57600", "76800", "115200"});
    std::vector<TParPanelDesign> designs;
    designs.push_back({P::Modbus_Slave, QStringLiteral("Modbus Slave"), 209,
                       Join(SerialRows("CB_ModbusSlave_Serial", "CB_ModbusSlave_Baudrate", "CB_ModbusSlave_Parity",
                                       "CB_ModbusSlave_StopBits", 424),
                            {EditRow("E_ModbusSlave_IDDevice", R(4), 432),
                             CheckRow("CB_ModbusSlave_ReadInput", R(5), 434)
                                 .Caption("Read with Input Register / Status Function")})});
    designs.push_back({P::Ethernet, QStringLiteral("5. Ethernet"), 0,
                       Join(OwnAddress("Ethernet", "CB_Ethernet_En_GAT", 437),
                            {EditRow("E_Ethernet_TCP_Port", R(3), 459), EditRow("E_Ethernet_UDP_Port", R(4), 461)})});
    designs.push_back(
        {P::BACnet_Master, QStringLiteral("BACnet Master"), 0,
         {ComboRow("CB_BACnet_Master_Type", R(0), 506, BACnet_Types),
          AddressRow("E_BACnet_IP_Master_IP", R(1), 508).Dots("Label90", "Label97", "Label98"),
          AddressRow("E_BACnet_IP_Master_SM", R(2), 513).Dots("Label100", "Label101", "Label102"),
          GatewayRow("CB_BACnet_IP_Master_GAT", "E_BACnet_IP_Master_GAT", R(3), 518).Dots("Label103", "Label104", "Label105"),
          EditRow("E_BACnet_IP_Master_Port", R(4), 524), EditRow("E_BACnet_IP_Master_Device_Name", R(5), 526).Max(15, true),
          EditRow("E_BACnet_IP_Master_Device_Identifier", R(6), 528),
          EditRow("E_BACnet_IP_Master_TimeOut_Polling", R(7), 530).Value("2000"),
          ComboRow("CB_BACnet_MSTP_Master_Baudrate", R(1), 532, mstpBaudrates, 5),
          ComboRow("CB_BACnet_MSTP_Master_Parity", R(2), 534, Parities),
          EditRow("E_BACnet_MSTP_Master_Device_Name", R(3), 536), EditRow("E_BACnet_MSTP_Master_MAC_Address", R(4), 538),
          EditRow("E_BACnet_MSTP_Master_Max_Master", R(5), 540), EditRow("E_BACnet_MSTP_Master_Max_Info_Frame", R(6), 542),
          EditRow("E_BACnet_MSTP_Master_Device_Instance", R(7), 544)}});
    designs.push_back(
        {P::BACnet_Slave, QStringLiteral("BACnet Slave"), 0,
         {ComboRow("CB_BACnet_Slave_Type", R(0), 547, BACnet_Types),
          AddressRow("E_BACnet_IP_Slave_IP", R(1), 549).Dots("Label78", "Label88", "Label89"),
          AddressRow("E_BACnet_IP_Slave_SM", R(2), 554).Dots("Label91", "Label92", "Label93"),
          GatewayRow("CB_BACnet_IP_Slave_GAT", "E_BACnet_IP_Slave_GAT", R(3), 559).Dots("Label96", "Label95", "Label94"),
          EditRow("E_BACnet_IP_Slave_Port", R(4), 565), EditRow("E_BACnet_IP_Slave_Device_Name", R(5), 567).Max(15, true),
          EditRow("E_BACnet_IP_Slave_Device_Identifier", R(6), 569),
          ComboRow("CB_BACnet_MSTP_Slave_Baudrate", R(1), 571, mstpBaudrates, 5),
          ComboRow("CB_BACnet_MSTP_Slave_Parity", R(2), 573, Parities),
          EditRow("E_BACnet_MSTP_Slave_Device_Name", R(3), 575), EditRow("E_BACnet_MSTP_Slave_MAC_Address", R(4), 577),
          EditRow("E_BACnet_MSTP_Slave_Max_Master", R(5), 579), EditRow("E_BACnet_MSTP_Slave_Max_Info_Frame", R(6), 581),
          EditRow("E_BACnet_MSTP_Slave_Device_Instance", R(7), 583), EditRow("E_BACnet_MSTP_Slave_Network", R(8), 585),
          CheckRow("CB_BACnet_Slave_Desc_32_Chars", R(7), 587).Caption("BACnet description up to 32 chars")}});
    designs.push_back({P::MBus, QStringLiteral("2. M-Bus"), 0,
                       {ComboRow("CB_MBus_OnWire_Present", R(0), 632, Presence).List(633, 2, 635),
                        ComboRow("CB_MBus_Baud", R(1), 636, Texts({"300", "600", "1200", "2400", "4800", "9600", "19200", "38400"}), 0),
                        ComboRow("CB_MBus_Parity", R(2), 638, Parities, 2), EditRow("E_MBus_Cyclic_Delay", R(3), 640),
                        EditRow("E_MBus_NodeState", R(4), 642),
                        Row(K::Check_Combo, "CB_MBus_FixCField", "CB_MBus_SelectCField", R(5), 655)
                            .Caption("Use Fix C Field")
                            .Items(Texts({"0x5X", "0x7X"}))}});
    designs.push_back({P::wMBus, QStringLiteral("3. M-Bus Wireless"), 0,
                       {ComboRow("CB_wMBus_Wireless_Present", R(0), 645, Presence).List(646, 2, 648),
                        ComboRow("CB_wMBus_Mode", R(1), 649, Texts({"S", "T", "N1", "N2", "C"})),
                        ComboRow("CB_wMBus_Radio_Channel", R(2), 651,
                                 Texts({"1a @ 4800 bps", "1b @ 4800 bps", "2a @ 2400 bps", "2b @ 2400 bps", "3a @ 4800 bps",
                                        "3b @ 4800 bps", "0 @ 19200 bps", "2a @ 4800 bps", "2b @ 4800 bps"}))}});
    designs.push_back({P::Modbus_Master, QStringLiteral("Modbus Master"), 0,
                       Join(SerialRows("CB_ModbusMaster_Serial", "CB_ModbusMaster_Baudrate", "CB_ModbusMaster_Parity",
                                       "CB_ModbusMaster_StopBits", 659),
                            {EditRow("E_ModbusMaster_TimeOut", R(4), 667).Value("1000"),
                             EditRow("E_ModbusMaster_CyclicDelay", R(5), 669).Value("100")})});
    designs.push_back({P::Modbus_TCP_Master, QStringLiteral("Modbus TCP Master"), 0,
                       Join(OwnAddress("ModbusTCPMaster", "CB_ModbusTCPMaster_En_GAT", 675),
                            {EditRow("E_ModbusTCPMaster_TimeOut", R(3), 691).Value("1000"),
                             EditRow("E_ModbusTCPMaster_CyclicDelay", R(4), 693).Value("100")})});
    designs.push_back({P::Modbus_TCP_Slave, QStringLiteral("Modbus TCP Slave"), 0,
                       Join(OwnAddress("ModbusTCPSlave", "CB_ModbusTCPSlave_En_GAT", 710),
                            {EditRow("E_ModbusTCPSlave_Port", R(3), 726).Value("502"),
                             CheckRow("CB_ModbusTCPSlave_ReadInput", R(4), 2894)})});
    designs.push_back({P::Serial, QStringLiteral("Serial"), 0,
                       SerialRows("CB_Serial_Serial", "CB_Serial_Baudrate", "Cb_Serial_Parity", "CB_Serial_StopBits", 742)});
    designs.push_back({P::CAN, QStringLiteral("CAN"), 0, {ComboRow("CB_CAN_Baudrate", R(0), 752, CAN_Baudrates, 9)}});
    QStringList canopenBaudrates = CAN_Baudrates;
    canopenBaudrates.removeOne(QStringLiteral("62.5K"));
    canopenBaudrates << QString();
    designs.push_back(
        {P::CANopen, QStringLiteral("CANopen"), 0,
         {EditRow("E_CANopen_IDDevice", R(0), 755), ComboRow("CB_CANopen_Baudrate", R(1), 757, canopenBaudrates, 8),
          CheckRow("CB_CANopen_SetOpe", R(2), 759).Caption("Set Operational State at Start-Up"),
          Row(K::Check_Edit, "CB_CANopen_NetOpe", "E_CANopen_NetOpe_Delay", R(3), 761)
              .Caption("Network Start at Start-up. Delay (seconds)"),
          EditRow("E_CANopen_SDO_Timeout", R(4), 764).Value("1")}});
    const QStringList deviceNetBaudrates = Texts({"125K", "250K", "500K"});
    designs.push_back({P::DeviceNet_Master, QStringLiteral("DeviceNet Master"), 0,
                       {EditRow("E_DeviceNet_Master_IDDevice", R(0), 770),
                        ComboRow("CB_DeviceNet_Master_Baudrate", R(1), 772, deviceNetBaudrates, 2)}});
    designs.push_back({P::DeviceNet_Slave, QStringLiteral("DeviceNet Slave"), 0,
                       {EditRow("E_DeviceNet_Slave_IDDevice", R(0), 776),
                        ComboRow("CB_DeviceNet_Slave_Baudrate", R(1), 778, deviceNetBaudrates, 2),
                        EditRow("E_DeviceNet_Slave_NumByteIn", R(2), 780).Value("455"),
                        EditRow("E_DeviceNet_Slave_NumByteOut", R(3), 782).Value("455")}});
    designs.push_back({P::DMX, QStringLiteral("DMX"), 0,
                       {ComboRow("CB_DMX_DMX", R(0), 788, Texts({"IN", "OUT"}), 1), EditRow("E_DMX_ChannelNum", R(1), 790)}});
    designs.push_back({P::EtherNetIP_Master, QStringLiteral("EtherNet/IP Master"), 0,
                       Join(OwnAddress("EtherNetIP_Master", "CB_EtherNetIP_Master_GAT", 794),
                            {EditRow("E_EtherNetIP_Master_Port", R(3), 810).Value("44818").Disabled()})});
    designs.push_back({P::EtherNetIP, QStringLiteral("EtherNet/IP"), 0,
                       Join(OwnAddress("EtherNetIP", "CB_EtherNetIP_GAT", 825),
                            {EditRow("E_EtherNetIP_TunnelPort", R(3), 841).Value("44818").Disabled(),
                             EditRow("E_EtherNetIP_NByte_In", R(4), 843).Value("496"),
                             EditRow("E_EtherNetIP_NByte_Out", R(5), 845).Value("496")})});
    designs.push_back({P::J1939, QStringLiteral("J1939"), 0,
                       {ComboRow("CB_J1939_Baudrate", R(0), 867, CAN_Baudrates, 9), EditRow("E_J1939_TimeOut", R(1), 869),
                        CheckRow("CB_J1939_Enable_Peer_To_Peer", R(2), 871).Caption("Enable Peer to Peer"),
                        EditRow("E_J1939_ID_Device", R(3), 873).Value("1")}});
    designs.push_back({P::KNX, QStringLiteral("KNX"), 0,
                       {ComboRow("CB_KNX_Type", R(0), 878, Texts({"KNX TP", "KNXnet/IP"})).Disabled(),
                        EditRow("E_KNX_IDDevice", R(1), 880)}});
    designs.push_back({P::NMEA2000, QStringLiteral("NMEA 2000"), 0,
                       {ComboRow("CB_NMEA2000_Baudrate", R(0), 884, CAN_Baudrates, 9), EditRow("E_NMEA2000_TimeOut", R(1), 886),
                        CheckRow("CB_NMEA2000_Peer_To_Peer", R(2), 888).Caption("Enable Peer to Peer")}});
    designs.push_back({P::PROFIBUS, QStringLiteral("PROFIBUS"), 0,
                       {EditRow("E_PROFIBUS_IDDevice", R(0), 892),
                        ComboRow("CB_PROFIBUS_Baudrate", R(1), 894, Texts({"Auto Baudrate"})).Disabled(),
                        EditRow("E_PROFIBUS_NByte_In", R(2), 896).Value("244"),
                        EditRow("E_PROFIBUS_NByte_Out", R(3), 898).Value("244")}});
    designs.push_back({P::PROFINET, QStringLiteral("PROFINET"), 0,
                       Join(OwnAddress("PROFINET", "CB_PROFINET_GAT", 904),
                            {EditRow("E_PROFINET_TunnelPort", R(3), 920).Value("502"),
                             EditRow("E_PROFINET_NameStation", R(4), 922).Max(15, true),
                             EditRow("E_PROFINET_NByte_In", R(5), 924).Value("1438"),
                             EditRow("E_PROFINET_NByte_Out", R(6), 926).Value("1438"),
                             Row(K::Check_Edit, "CB_PROFINET_Diagnostic", "E_PROFINET_Diagnostic", R(7), 928)
                                 .Caption("Diagnostic")})});
    designs.push_back({P::IEC61850_Client, QStringLiteral("IEC61850 Client"), 0,
                       Join(OwnAddress("IEC61850_Client", "CB_IEC61850_Client_En_GAT", 948),
                            {EditRow("E_IEC61850_Client_VLAN", R(3), 964).Max(8), EditRow("E_IEC61850_Client_AppID", R(4), 966)})});
    // The password is the panel's lowest row: the panel ends below it.
    designs.push_back({P::IEC61850_Server, QStringLiteral("IEC61850 Server"), 0,
                       Join(OwnAddress("IEC61850_Server", "CB_IEC61850_Server_En_GAT", 2505),
                            {EditRow("E_IEC61850_Server_Port", R(3), 2501).Value("102"),
                             EditRow("E_IEC61850_Server_Password", R(4), 2503)})});
    designs.push_back({P::TLS_Server, QStringLiteral("TLS (Transport Layer Security) Server"), 0,
                       {CheckRow("CB_TLS_Server_Enable", R(0), 2545).Caption("Enable TLS"),
                        MemoRow("E_TLS_Server_Key", R(1), 2547), EditRow("E_TLS_Server_Key_Pass", R(2), 2549),
                        MemoRow("E_TLS_Server_Server_Cert", R(3), 2551), MemoRow("E_TLS_Server_Root_Cert", R(4), 2553),
                        CheckRow("CB_TLS_Server_En_Known_Cert", R(5), 2555).Caption("Enable Only Known Certificates")}});
    designs.push_back({P::NTP, QStringLiteral("8. NTP (Network Time Protocol)"), 0,
                       {EditRow("E_NTP_Server_URL", R(0), 2558), EditRow("E_NTP_Poll_Time", R(1), 2560)}});
    designs.push_back(
        {P::MQTT, QStringLiteral("4. MQTT "), 0,
         {EditRow("E_MQTT_Server", R(0), 2564), EditRow("E_MQTT_Server_Port", R(1), 2566).Value("1883"),
          EditRow("E_MQTT_Client_ID", R(2), 2568), EditRow("E_MQTT_Keep_Alive", R(3), 2570),
          CheckRow("CB_MQTT_Clean_Session", R(4), 2572).Caption("Clean Session"),
          CheckRow("CB_MQTT_WillFlag", R(5), 2574).Caption("Will Flag"), EditRow("E_MQTT_Will_TopicName", R(6), 2576),
          EditRow("E_MQTT_Will_Message", R(7), 2578), CheckRow("CB_MQTT_Will_Retained", R(8), 2580).Caption("Retained Will"),
          ComboRow("CB_MQTT_Will_QoS", R(9), 2582, Texts({"0", "1", "2"})),
          CheckRow("CB_MQTT_PublishTopicConnection", R(10), 2896).Caption("Publish Topic on Connection"),
          EditRow("E_MQTT_Connection_TopicName", R(11), 2898), EditRow("E_MQTT_Connection_Message", R(12), 2900),
          CheckRow("CB_MQTT_Connection_Retained", R(13), 2902).Caption("Retained Connection"),
          EditRow("E_MQTT_Username", R(14), 2584), MemoRow("E_MQTT_Password", R(15), 2586),
          Row(K::Lone_Edit, "", "E_MQTT_Password__", R(15), -1), EditRow("E_MQTT_ASync_Send_Time", R(16), 2588)}});
    designs.push_back(
        {P::WiFi, QStringLiteral("6. Wi-Fi"), 0,
         {ComboRow("CB_WiFi_Type", R(0), 2591, Texts({"Access Point", "Client Mode", "WiFi Direct"})).List(2593, 3, 2592),
          CheckRow("CB_WiFi_IP_Auto", R(1), 2596).Caption("Obtain an IP Address automatically"),
          AddressRow("E_WiFi_IP", R(2), 2598).Dots("Label34", "Label39", "Label63"),
          AddressRow("E_WiFi_SM", R(3), 2603).Dots("Label33", "Label38", "Label62"),
          GatewayRow("CB_WiFi_En_Gat", "E_WiFi_GAT", R(4), 2608).Caption("Gateway").Dots("Label32", "Label37", "Label41"),
          GatewayRow("CB_WiFi_En_DNS", "E_WiFi_DNS", R(5), 2614).Caption("DNS").Dots("Label31", "Label36", "Label40"),
          EditRow("E_WiFi_Port", R(6), 2620), CheckRow("CB_WiFi_En_WPS", R(7), 2622).Caption("Enable WPS"),
          EditRow("E_WiFi_SSID", R(8), 2624), EditRow("E_WiFi_Password", R(9), 2626),
          ComboRow("CB_WiFi_Secure_Type", R(10), 2628, Texts({"Unsecured", "WPA", "WPA2", "WEP"})).List(2630, 4, 2629),
          CheckRow("CB_WiFi_En_DHCP", R(11), 2634).Caption("Enable DHCP"),
          AddressRow("E_WiFi_DHCP_First_IP", R(12), 2636).Dots("Label64", "Label73", "Label75"),
          AddressRow("E_WiFi_DHCP_SM", R(13), 2641).Dots("Label65", "Label72", "Label74"),
          EditRow("E_WiFi_Lease_Time", R(14), 2646), EditRow("E_WiFi_Name", R(15), 2648),
          ComboRow("CB_WiFi_Max_Client", R(16), 2650, Numbers(1, 10), 9),
          ComboRow("CB_WiFi_Channel", R(17), 2652, QStringList{QStringLiteral("Auto Search")} + Numbers(1, 11))
              .List(2654, 12, 2653)}});
    // With both authentications the rows follow each other from the server
    // certificate on, whose edit the form places at 63.
    designs.push_back({P::TLS, QStringLiteral("7. TLS (Transport Layer Security)"), 0,
                       {CheckRow("CB_TLS_Enable", R(0), 2693).Caption("Enable TLS"),
                        CheckRow("CB_TLS_En_Server_Auth", R(1), 2695).Caption("Server Authentication"),
                        MemoRow("E_TLS_Server_Cert", 66, 2697),
                        CheckRow("CB_TLS_En_Client_Auth", 91, 2699).Caption("Client Authentication"),
                        MemoRow("E_TLS_Client_Cert", 119, 2701), MemoRow("E_TLS_Client_Cert_Key", 147, 2703),
                        EditRow("E_TLS_Client_Cert_Key_Pass", 175, 2705)}});
    designs.push_back({P::OPC_UA_Client, QStringLiteral("OPC UA Client"), 0,
                       OwnAddress("OPC_UA_Client", "CB_OPC_UA_Client_En_GAT", 2708)});
    designs.push_back({P::OPC_UA_Server, QStringLiteral("OPC UA Server"), 0,
                       Join(OwnAddress("OPC_UA_Server", "CB_OPC_UA_Server_En_GAT", 2747),
                            {EditRow("E_OPC_UA_Server_Port", R(3), 2769).Value("4840")})});
    designs.push_back({P::S7_Protocol, QStringLiteral("S7comm"), 0, OwnAddress("S7_Protocol", "CB_S7_Protocol_En_GAT", 2785)});
    designs.push_back({P::SNMP_Manager, QStringLiteral("SNMP Manager"), 0,
                       Join(OwnAddress("SNMP_Manager", "CB_SNMP_Manager_GAT", 2814),
                            {EditRow("E_SNMP_Manager_NameStation", R(3), 2830).Max(15, true).NoHint()})});
    return designs;
}

} // namespace

TParRow& TParRow::Caption(const char* text)
{
    checkCaption = QLatin1String(text);
    return *this;
}

TParRow& TParRow::Items(const QStringList& list, int selected)
{
    items = list;
    itemIndex = selected;
    return *this;
}

TParRow& TParRow::Value(const char* text)
{
    value = QLatin1String(text);
    return *this;
}

TParRow& TParRow::Max(int length, bool lower)
{
    maxLength = length;
    lowerCase = lower;
    return *this;
}

TParRow& TParRow::Disabled()
{
    enabled = false;
    return *this;
}

TParRow& TParRow::NoHint()
{
    inputHint = false;
    return *this;
}

TParRow& TParRow::List(int firstText, int count, int hint)
{
    listText = firstText;
    listCount = count;
    hintText = hint;
    return *this;
}

TParRow& TParRow::Dots(const char* a, const char* b, const char* c)
{
    dots = Texts({a, b, c});
    return *this;
}

QString Par_Row_Label(const QString& input)
{
    const int underscore = input.indexOf(QLatin1Char('_'));
    return QStringLiteral("L") + input.mid(underscore);
}

const std::vector<TParPanelDesign>& Par_Other_Panel_Designs()
{
    static const std::vector<TParPanelDesign> designs = Designs();
    return designs;
}
