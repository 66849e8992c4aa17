#include "app/communication/UParGenPanels.h"

#include <array>
#include <initializer_list>

namespace {

using P = TParPanel;

constexpr std::array<TParPanelInfo, Par_Panel_Count> Panel_Infos = {{
    {"CP_Ethernet_Connection", 2906}, {"CP_LoRa", 406}, {"CP_Modbus_Master", 658},
    {"CP_Modbus_Slave", 423}, {"CP_Modbus_TCP_Master", 674}, {"CP_Modbus_TCP_Slave", 709},
    {"CP_Serial", 741}, {"CP_Ethernet", 436}, {"CP_MBus", 631}, {"CP_wMBus", 644},
    {"CP_BACnet_Master", 505}, {"CP_BACnet_Slave", 546}, {"CP_CAN", 751}, {"CP_CANopen", 754},
    {"CP_DeviceNet_Master", 769}, {"CP_DeviceNet_Slave", 775}, {"CP_DMX", 787},
    {"CP_EtherNetIP_Master", 793}, {"CP_EtherNetIP", 824}, {"CP_J1939", 866}, {"CP_KNX", 877},
    {"CP_NMEA2000", 883}, {"CP_PROFIBUS", 891}, {"CP_PROFINET", 903}, {"CP_IEC61850_Client", 947},
    {"CP_IEC61850_Server", 2500}, {"CP_TLS_Server", 2544}, {"CP_NTP", 2557}, {"CP_MQTT", 2563},
    {"CP_TLS", 2692}, {"CP_OPC_UA_Client", 2707}, {"CP_OPC_UA_Server", 2746},
    {"CP_S7_Protocol", 2784}, {"CP_SNMP_Manager", 2813}, {"CP_SNMP_Agent", 2843}, {"CP_WiFi", -1},
}};

TParModelPanel Shown(TParPanel panel)
{
    return {panel, TParPanelShown::Always};
}

// Every model begins with the Ethernet connection and the LoRaWAN side.
TParModelRow Row(TParModel model, const char* code, std::initializer_list<TParModelPanel> rest)
{
    TParModelRow row{model, code, {Shown(P::Ethernet_Connection), Shown(P::LoRa)}};
    row.panels.insert(row.panels.end(), rest.begin(), rest.end());
    return row;
}

const std::vector<TParModelRow>& Model_Rows()
{
    static const std::vector<TParModelRow> rows = {
        Row(TParModel::VX51, "VX51", {Shown(P::Modbus_Master), Shown(P::Ethernet)}),
        Row(TParModel::VX52, "VX52", {Shown(P::Modbus_Slave), Shown(P::Ethernet)}),
        Row(TParModel::VX53, "VX53", {Shown(P::Modbus_TCP_Master)}),
        Row(TParModel::VX54, "VX54", {Shown(P::Modbus_TCP_Slave)}),
        Row(TParModel::VX55, "VX55", {Shown(P::Serial), Shown(P::Ethernet)}),
        Row(TParModel::VX65, "VX65", {Shown(P::MBus), Shown(P::wMBus), Shown(P::Ethernet)}),
        Row(TParModel::VX66, "VX66",
            {Shown(P::BACnet_Master), {P::Ethernet, TParPanelShown::BACnet_Master_Not_IP}}),
        Row(TParModel::VX67, "VX67",
            {Shown(P::BACnet_Slave), {P::Ethernet, TParPanelShown::BACnet_Slave_Not_IP}}),
        Row(TParModel::VX68, "VX68", {Shown(P::Ethernet)}),
        Row(TParModel::VX69, "VX69", {Shown(P::CAN), Shown(P::Ethernet)}),
        Row(TParModel::VX70, "VX70", {Shown(P::CANopen), Shown(P::Ethernet)}),
        Row(TParModel::VX71, "VX71", {Shown(P::DeviceNet_Master), Shown(P::Ethernet)}),
        Row(TParModel::VX72, "VX72", {Shown(P::DeviceNet_Slave), Shown(P::Ethernet)}),
        Row(TParModel::VX73, "VX73", {Shown(P::DMX), Shown(P::Ethernet)}),
        Row(TParModel::VX74, "VX74", {Shown(P::EtherNetIP_Master)}),
        Row(TParModel::VX75, "VX75", {Shown(P::EtherNetIP)}),
        Row(TParModel::VX76, "VX76", {Shown(P::J1939), Shown(P::Ethernet)}),
        Row(TParModel::VX77, "VX77", {Shown(P::KNX), Shown(P::Ethernet)}),
        Row(TParModel::VX79, "VX79", {Shown(P::NMEA2000), Shown(P::Ethernet)}),
        Row(TParModel::VX81, "VX81", {Shown(P::PROFIBUS), Shown(P::Ethernet)}),
        Row(TParModel::VX83, "VX83", {Shown(P::PROFINET)}),
        Row(TParModel::VX84, "VX84", {Shown(P::IEC61850_Client)}),
        Row(TParModel::VX85, "VX85", {Shown(P::IEC61850_Server), Shown(P::TLS_Server), Shown(P::NTP)}),
        Row(TParModel::VX86, "VX86", {Shown(P::MQTT), Shown(P::Ethernet), Shown(P::TLS), Shown(P::NTP)}),
        Row(TParModel::VX87, "VX87", {Shown(P::OPC_UA_Client), Shown(P::NTP)}),
        Row(TParModel::VX88, "VX88", {Shown(P::OPC_UA_Server), Shown(P::NTP)}),
        Row(TParModel::VX89, "VX89", {Shown(P::S7_Protocol)}),
        Row(TParModel::VX90, "VX90", {Shown(P::SNMP_Manager)}),
        Row(TParModel::VX91, "VX91", {Shown(P::SNMP_Agent)}),
    };
    return rows;
}

} // namespace

const TParPanelInfo& Par_Panel_Info(TParPanel panel)
{
    return Panel_Infos[size_t(panel)];
}

bool Par_Panel_Shown(TParPanelShown shown, int bacnetMasterType, int bacnetSlaveType)
{
    switch (shown) {
    case TParPanelShown::BACnet_Master_Not_IP:
        return bacnetMasterType != 0;
    case TParPanelShown::BACnet_Slave_Not_IP:
        return bacnetSlaveType != 0;
    case TParPanelShown::Always:
        break;
    }
    return true;
}

const TParModelRow& Par_Model_Row(TParModel model)
{
    return Model_Rows()[size_t(model)];
}
