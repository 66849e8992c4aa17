#pragma once

#include <vector>

// Which category panels of the parameter form each gateway model shows, in
// which order and under which caption texts. The program is built for one
// model; the rows of the others are kept so that their panels slot in.

// The panels of the form, one per protocol or function of the family.
enum class TParPanel {
    Ethernet_Connection, LoRa, Modbus_Master, Modbus_Slave, Modbus_TCP_Master, Modbus_TCP_Slave,
    Serial, Ethernet, MBus, wMBus, BACnet_Master, BACnet_Slave, CAN, CANopen, DeviceNet_Master,
    DeviceNet_Slave, DMX, EtherNetIP_Master, EtherNetIP, J1939, KNX, NMEA2000, PROFIBUS, PROFINET,
    IEC61850_Client, IEC61850_Server, TLS_Server, NTP, MQTT, TLS, OPC_UA_Client, OPC_UA_Server,
    S7_Protocol, SNMP_Manager, SNMP_Agent, WiFi,
};
inline constexpr int Par_Panel_Count = 36;

enum class TParModel {
    VX51, VX52, VX53, VX54, VX55, VX65, VX66, VX67, VX68, VX69, VX70, VX71, VX72, VX73, VX74,
    VX75, VX76, VX77, VX79, VX81, VX83, VX84, VX85, VX86, VX87, VX88, VX89, VX90, VX91,
};
inline constexpr int Par_Model_Count = 29;

// The model this program is built for.
inline constexpr TParModel Par_Model = TParModel::VX91;

// A panel's control name ("CP_LoRa") and the text index of its header
// caption (-1 for a panel that no model shows).
struct TParPanelInfo {
    const char* name;
    int captionText;
};
const TParPanelInfo& Par_Panel_Info(TParPanel panel);

// When a panel of a model's row is shown: always, or only while the BACnet
// type of the master or slave panel is not its first item ("BACnet/IP").
enum class TParPanelShown { Always, BACnet_Master_Not_IP, BACnet_Slave_Not_IP };

// Whether a panel of a model's row shows, for the item indexes of the BACnet
// master and slave type combo boxes.
bool Par_Panel_Shown(TParPanelShown shown, int bacnetMasterType, int bacnetSlaveType);

struct TParModelPanel {
    TParPanel panel;
    TParPanelShown shown;
};

struct TParModelRow {
    TParModel model;
    const char* code;
    std::vector<TParModelPanel> panels;
};

const TParModelRow& Par_Model_Row(TParModel model);
