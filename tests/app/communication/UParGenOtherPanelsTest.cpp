#include "tests/app/communication/UParGenTestFixture.h"

#include "app/communication/UParGenPanelRows.h"
#include "platform/ui/controls/Memo.h"
#include "platform/xml/XmlDocument.h"

#include <QRegularExpression>

#include <map>
#include <set>
#include <vector>

namespace {

using P = TParPanel;

QString Joined(TComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->Items().Count(); ++i)
        items << combo->Items()[i];
    return items.join(QLatin1Char('|'));
}

std::vector<platform::TControl*> ControlsOf(const TCategoryPanel* panel)
{
    std::vector<platform::TControl*> controls;
    for (QObject* child : panel->Surface()->children())
        if (platform::TControl* control = platform::AsControl(child))
            controls.push_back(control);
    return controls;
}

// What a panel shows, control by control: names, places, states, texts,
// lists, presets and which handlers are set.
QStringList Snapshot(const TCategoryPanel* panel)
{
    QStringList lines{QStringLiteral("%1 %2 %3 %4").arg(panel->Name(), panel->Caption()).arg(panel->Height()).arg(panel->Visible())};
    for (platform::TControl* control : ControlsOf(panel)) {
        QString line = QStringLiteral("%1 %2,%3 %4x%5 %6 %7 %8")
                           .arg(control->Name())
                           .arg(control->Left())
                           .arg(control->Top())
                           .arg(control->Width())
                           .arg(control->Height())
                           .arg(control->Visible())
                           .arg(control->Enabled())
                           .arg(control->Hint());
        if (auto* label = dynamic_cast<TLabel*>(control))
            line += QStringLiteral(" label ") + label->Caption();
        if (auto* check = dynamic_cast<TCheckBox*>(control))
            line += QStringLiteral(" check %1 %2 %3").arg(check->Caption()).arg(check->Checked()).arg(bool(check->OnClick));
        if (auto* combo = dynamic_cast<TComboBox*>(control))
            line += QStringLiteral(" combo %1 %2 %3").arg(Joined(combo)).arg(combo->ItemIndex()).arg(bool(combo->OnChange));
        if (auto* edit = dynamic_cast<TEdit*>(control))
            line += QStringLiteral(" edit %1 %2 %3 %4 %5")
                        .arg(edit->Text())
                        .arg(edit->MaxLength())
                        .arg(int(edit->CharCase()))
                        .arg(bool(edit->OnChange))
                        .arg(bool(edit->OnKeyPress));
        if (auto* memo = dynamic_cast<TMemo*>(control))
            line += QStringLiteral(" memo %1 %2").arg(memo->Text()).arg(bool(memo->OnChange));
        lines << line;
    }
    return lines;
}

} // namespace

using ParGenOtherPanels = ParGenForm;

// Shown, loaded and saved, the form has built the panels of this model only.
TEST_F(ParGenOtherPanels, OnlyThePanelsOfThisModelAreBuiltAtStart)
{
    EXPECT_EQ(form->CPG->PanelCount(), 3);
    OpenAndSave([&] {
        form->CB_SNMP_Agent_Version3->SetChecked(true);
        Pick(form->CB_LoRa_RF_Band, 5);
        Pick(form->CB_SNMP_Agent_SecurityLevel, 2);
    });
    Open();
    EXPECT_EQ(form->CPG->PanelCount(), 3);
    // The control classes carry no meta-object of their own.
    int panels = 0;
    for (QWidget* widget : form->findChildren<QWidget*>())
        panels += dynamic_cast<TCategoryPanel*>(widget) ? 1 : 0;
    EXPECT_EQ(panels, 3);
    EXPECT_EQ(form->Find_Control(QStringLiteral("CB_LoRa_RF_Band")), nullptr);
    EXPECT_EQ(form->Find_Control(QStringLiteral("No_Such_Control")), nullptr);
    EXPECT_EQ(form->CPG->PanelCount(), 3);
}

// A panel built on first use, by its control, its layout or itself, holds what
// it holds when it is built with the form before the form's texts are set.
TEST_F(ParGenOtherPanels, APanelBuiltOnFirstUseShowsTheSameFields)
{
    std::unique_ptr<TFParGen> early(new TFParGen);
    for (int i = 0; i < Par_Panel_Count; ++i)
        early->Panel(P(i));
    early->Created();
    for (TFParGen* shown : {early.get(), form.get()}) {
        seams.HandleModal(*shown, [shown] { shown->Btn_Cancel->Click(); });
        shown->ShowModal();
    }

    const std::map<P, void (TFParGen::*)()> layouts = {
        {P::MQTT, &TFParGen::RePosition_Object_MQTT}, {P::WiFi, &TFParGen::RePosition_Object_WiFi},
        {P::BACnet_Slave, &TFParGen::RePosition_Object_BACnet_Slave}, {P::Ethernet, &TFParGen::RePosition_Object_Ethernet}};
    for (const TParPanelDesign& design : Par_Other_Panel_Designs()) {
        const char* name = Par_Panel_Info(design.panel).name;
        const int built = form->CPG->PanelCount();
        const auto layout = layouts.find(design.panel);
        if (layout != layouts.end()) {
            (form.get()->*layout->second)();
            (early.get()->*layout->second)();
        } else {
            // Asked for by the last control on it.
            const std::vector<platform::TControl*> controls = ControlsOf(early->Panel(design.panel));
            ASSERT_FALSE(controls.empty()) << name;
            ASSERT_NE(form->Find_Control(controls.back()->Name()), nullptr) << name;
        }
        EXPECT_EQ(form->CPG->PanelCount(), built + 1) << name;
        EXPECT_EQ(Snapshot(form->Panel(design.panel)), Snapshot(early->Panel(design.panel))) << name;
    }
    EXPECT_EQ(form->CPG->PanelCount(), Par_Panel_Count);
}

TEST_F(ParGenOtherPanels, ThirtySixPanelsOfWhichThisModelShowsThree)
{
    const std::set<P> shown = {P::Ethernet_Connection, P::LoRa, P::SNMP_Agent};
    int hidden = 0;
    for (int i = 0; i < Par_Panel_Count; ++i) {
        const auto panel = P(i);
        const TCategoryPanel* cp = form->Panel(panel);
        ASSERT_NE(cp, nullptr) << i;
        EXPECT_EQ(cp->Name(), QLatin1String(Par_Panel_Info(panel).name));
        EXPECT_EQ(cp->Visible(), shown.count(panel) == 1) << Par_Panel_Info(panel).name;
        hidden += cp->Visible() ? 0 : 1;
    }
    EXPECT_EQ(hidden, 33);
    EXPECT_EQ(form->CPG->PanelCount(), 36);
}

// The hidden panels keep the header captions of the design.
TEST_F(ParGenOtherPanels, HiddenPanelsKeepTheirDesignHeaders)
{
    const std::map<P, const char*> headers = {
        {P::Modbus_Slave, "Modbus Slave"}, {P::Modbus_Master, "Modbus Master"},
        {P::Modbus_TCP_Master, "Modbus TCP Master"}, {P::Modbus_TCP_Slave, "Modbus TCP Slave"},
        {P::Serial, "Serial"}, {P::Ethernet, "5. Ethernet"}, {P::MBus, "2. M-Bus"}, {P::wMBus, "3. M-Bus Wireless"},
        {P::BACnet_Master, "BACnet Master"}, {P::BACnet_Slave, "BACnet Slave"}, {P::CAN, "CAN"}, {P::CANopen, "CANopen"},
        {P::DeviceNet_Master, "DeviceNet Master"}, {P::DeviceNet_Slave, "DeviceNet Slave"}, {P::DMX, "DMX"},
        {P::EtherNetIP_Master, "EtherNet/IP Master"}, {P::EtherNetIP, "EtherNet/IP"}, {P::J1939, "J1939"},
        {P::NMEA2000, "NMEA 2000"}, {P::KNX, "KNX"}, {P::PROFIBUS, "PROFIBUS"}, {P::PROFINET, "PROFINET"},
        {P::IEC61850_Client, "IEC61850 Client"}, {P::IEC61850_Server, "IEC61850 Server"},
        {P::TLS_Server, "TLS (Transport Layer Security) Server"}, {P::TLS, "7. TLS (Transport Layer Security)"},
        {P::NTP, "8. NTP (Network Time Protocol)"}, {P::MQTT, "4. MQTT "}, {P::WiFi, "6. Wi-Fi"},
        {P::OPC_UA_Client, "OPC UA Client"}, {P::OPC_UA_Server, "OPC UA Server"}, {P::S7_Protocol, "S7comm"},
        {P::SNMP_Manager, "SNMP Manager"},
    };
    ASSERT_EQ(headers.size(), 33u);
    for (const auto& [panel, header] : headers)
        EXPECT_EQ(form->Panel(panel)->Caption(), QLatin1String(header)) << header;
}

TEST_F(ParGenOtherPanels, ComboListsAndTheirDesignSelection)
{
    const QString serial = QStringLiteral("1200|2400|4800|9600|19200|38400|57600|115200");
    const QString can = QStringLiteral("10K|20K|50K|62.5K|100K|125K|250K|500K|800K|1000K");
    struct Case {
        const char* name;
        QString items;
        int selected;
        bool enabled;
    };
    const Case cases[] = {
        {"CB_ModbusSlave_Serial", QStringLiteral("RS232|RS485"), 0, true},
        {"CB_ModbusSlave_Baudrate", serial, 7, true},
        {"CB_ModbusSlave_Parity", QStringLiteral("NONE|ODD|EVEN"), 0, true},
        {"CB_ModbusSlave_StopBits", QStringLiteral("1 Stop Bits|2 Stop Bits"), -1, true},
        {"CB_ModbusMaster_Baudrate", serial, 7, true},
        {"CB_Serial_Serial", QStringLiteral("RS232|RS485"), 0, true},
        {"Cb_Serial_Parity", QStringLiteral("NONE|ODD|EVEN"), 0, true},
        {"CB_MBus_Baud", QStringLiteral("300|600|1200|2400|4800|9600|19200|38400"), 0, true},
        {"CB_MBus_Parity", QStringLiteral("NONE|ODD|EVEN"), 2, true},
        {"CB_MBus_SelectCField", QStringLiteral("0x5X|0x7X"), -1, true},
        {"CB_wMBus_Mode", QStringLiteral("S|T|N1|N2|C"), -1, true},
        {"CB_wMBus_Radio_Channel",
         QStringLiteral("1a @ 4800 bps|1b @ 4800 bps|2a @ 2400 bps|2b @ 2400 bps|3a @ 4800 bps|3b @ 4800 bps|"
                        "0 @ 19200 bps|2a @ 4800 bps|2b @ 4800 bps"),
         -1, true},
        {"CB_BACnet_Master_Type", QStringLiteral("BACnet/IP|BACnet MS/TP"), -1, true},
        {"CB_BACnet_MSTP_Slave_Baudrate", QStringLiteral("9600|19200|38400|57600|76800|115200"), 5, true},
        {"CB_BACnet_MSTP_Master_Parity", QStringLiteral("NONE|ODD|EVEN"), -1, true},
        {"CB_CAN_Baudrate", can, 9, true},
        {"CB_CANopen_Baudrate", QStringLiteral("10K|20K|50K|100K|125K|250K|500K|800K|1000K|"), 8, true},
        {"CB_DeviceNet_Slave_Baudrate", QStringLiteral("125K|250K|500K"), 2, true},
        {"CB_DMX_DMX", QStringLiteral("IN|OUT"), 1, true},
        {"CB_J1939_Baudrate", can, 9, true},
        {"CB_NMEA2000_Baudrate", can, 9, true},
        {"CB_KNX_Type", QStringLiteral("KNX TP|KNXnet/IP"), -1, false},
        {"CB_PROFIBUS_Baudrate", QStringLiteral("Auto Baudrate"), -1, false},
        {"CB_MQTT_Will_QoS", QStringLiteral("0|1|2"), -1, true},
        {"CB_WiFi_Max_Client", QStringLiteral("1|2|3|4|5|6|7|8|9|10"), 9, true},
        // Rebuilt from the texts, first item selected.
        {"CB_MBus_OnWire_Present", QStringLiteral("Not Present|Present"), 0, true},
        {"CB_wMBus_Wireless_Present", QStringLiteral("Not Present|Present"), 0, true},
        {"CB_WiFi_Type", QStringLiteral("Access Point|Client Mode|WiFi Direct"), 0, true},
        {"CB_WiFi_Secure_Type", QStringLiteral("Unsecured|WPA|WPA2|WEP"), 0, true},
        {"CB_WiFi_Channel", QStringLiteral("Auto Search|1|2|3|4|5|6|7|8|9|10|11"), 0, true},
    };
    for (const Case& c : cases) {
        auto* combo = Named<TComboBox>(c.name);
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(Joined(combo), c.items) << c.name;
        EXPECT_EQ(combo->ItemIndex(), c.selected) << c.name;
        EXPECT_EQ(combo->Enabled(), c.enabled) << c.name;
    }
}

TEST_F(ParGenOtherPanels, EditPresetsAndLimits)
{
    struct Case {
        const char* name;
        const char* text;
        bool enabled;
        int maxLength;
        TEditCharCase charCase;
    };
    const Case cases[] = {
        {"E_ModbusMaster_TimeOut", "1000", true, 0, ecNormal},
        {"E_ModbusMaster_CyclicDelay", "100", true, 0, ecNormal},
        {"E_ModbusTCPMaster_TimeOut", "1000", true, 0, ecNormal},
        {"E_ModbusTCPMaster_CyclicDelay", "100", true, 0, ecNormal},
        {"E_ModbusTCPSlave_Port", "502", true, 0, ecNormal},
        {"E_DeviceNet_Slave_NumByteIn", "455", true, 0, ecNormal},
        {"E_DeviceNet_Slave_NumByteOut", "455", true, 0, ecNormal},
        {"E_EtherNetIP_Master_Port", "44818", false, 0, ecNormal},
        {"E_EtherNetIP_TunnelPort", "44818", false, 0, ecNormal},
        {"E_EtherNetIP_NByte_In", "496", true, 0, ecNormal},
        {"E_EtherNetIP_NByte_Out", "496", true, 0, ecNormal},
        {"E_J1939_ID_Device", "1", true, 0, ecNormal},
        {"E_CANopen_SDO_Timeout", "1", true, 0, ecNormal},
        {"E_PROFIBUS_NByte_In", "244", true, 0, ecNormal},
        {"E_PROFIBUS_NByte_Out", "244", true, 0, ecNormal},
        {"E_PROFINET_NByte_In", "1438", true, 0, ecNormal},
        {"E_PROFINET_NByte_Out", "1438", true, 0, ecNormal},
        {"E_PROFINET_TunnelPort", "502", true, 0, ecNormal},
        {"E_IEC61850_Server_Port", "102", true, 0, ecNormal},
        {"E_OPC_UA_Server_Port", "4840", true, 0, ecNormal},
        {"E_MQTT_Server_Port", "1883", true, 0, ecNormal},
        {"E_BACnet_IP_Master_TimeOut_Polling", "2000", true, 0, ecNormal},
        {"E_PROFINET_NameStation", "", true, 15, ecLowerCase},
        {"E_SNMP_Manager_NameStation", "", true, 15, ecLowerCase},
        {"E_BACnet_IP_Master_Device_Name", "", true, 15, ecLowerCase},
        {"E_BACnet_IP_Slave_Device_Name", "", true, 15, ecLowerCase},
        {"E_IEC61850_Client_VLAN", "", true, 8, ecNormal},
    };
    for (const Case& c : cases) {
        const auto* edit = Named<TEdit>(c.name);
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->Text(), QLatin1String(c.text)) << c.name;
        EXPECT_EQ(edit->Enabled(), c.enabled) << c.name;
        EXPECT_EQ(edit->MaxLength(), c.maxLength) << c.name;
        EXPECT_EQ(edit->CharCase(), c.charCase) << c.name;
    }
    for (const char* multiLine : {"E_TLS_Server_Server_Cert", "E_TLS_Server_Root_Cert", "E_TLS_Server_Key",
                                  "E_TLS_Server_Cert", "E_TLS_Client_Cert", "E_TLS_Client_Cert_Key", "E_MQTT_Password"})
        EXPECT_NE(Named<TMemo>(multiLine), nullptr);
    EXPECT_FALSE(Named("E_MQTT_Password__")->Visible());
}

// Every address byte edit of the form drops "." and passes other keys; the
// hexadecimal LoRaWAN edits drop letters beyond F as well.
TEST_F(ParGenOtherPanels, AllAddressByteEditsTakeTheAddressKeyHandler)
{
    for (int i = 0; i < Par_Panel_Count; ++i)
        form->Panel(P(i));
    int addressEdits = 0;
    // The control classes carry no meta-object of their own.
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        auto* edit = dynamic_cast<TEdit*>(widget);
        if (!edit || !edit->OnKeyPress)
            continue;
        QChar dot('.');
        QChar letter('G');
        edit->OnKeyPress(edit, dot);
        edit->OnKeyPress(edit, letter);
        EXPECT_TRUE(dot.isNull()) << edit->Name().toStdString();
        if (letter == QLatin1Char('G'))
            ++addressEdits;
    }
    EXPECT_EQ(addressEdits, 212);
    for (const char* name : {"E_S7_Protocol_IP1", "E_WiFi_DHCP_SM4", "E_BACnet_IP_Slave_GAT2", "E_ModbusTCPSlave_SM3"})
        EXPECT_TRUE(bool(Named<TEdit>(name)->OnKeyPress)) << name;
}

TEST_F(ParGenOtherPanels, ThreeGatewayBoxesAndTheSparePasswordHaveNoHandler)
{
    for (const char* name : {"CB_EtherNetIP_Master_GAT", "CB_IEC61850_Server_En_GAT", "CB_BACnet_IP_Master_GAT"})
        EXPECT_FALSE(bool(Named<TCheckBox>(name)->OnClick)) << name;
    EXPECT_FALSE(bool(Named<TEdit>("E_MQTT_Password__")->OnChange));
    for (const char* name : {"CB_EtherNetIP_GAT", "CB_IEC61850_Client_En_GAT", "CB_BACnet_IP_Slave_GAT", "CB_TLS_Enable"})
        EXPECT_TRUE(bool(Named<TCheckBox>(name)->OnClick)) << name;
    EXPECT_TRUE(bool(Named<TMemo>("E_MQTT_Password")->OnChange));
    EXPECT_TRUE(bool(Named<TComboBox>("CB_CAN_Baudrate")->OnChange));
}

// The deciding controls of the other panels re-apply the model's layout; the
// others change nothing.
TEST_F(ParGenOtherPanels, DecidingControlsReapplyTheLayout)
{
    const int fitted = form->CP_LoRa->Height();
    ASSERT_NE(fitted, 50);
    const char* clicks[] = {"CB_MQTT_WillFlag", "CB_MQTT_PublishTopicConnection", "CB_TLS_Enable", "CB_TLS_En_Server_Auth",
                            "CB_TLS_En_Client_Auth", "CB_TLS_Server_Enable", "CB_WiFi_IP_Auto", "CB_WiFi_En_DHCP"};
    for (const char* name : clicks) {
        form->CP_LoRa->SetHeight(50);
        Named<TCheckBox>(name)->SetChecked(!Named<TCheckBox>(name)->Checked());
        EXPECT_EQ(form->CP_LoRa->Height(), fitted) << name;
    }
    const char* picks[] = {"CB_MBus_OnWire_Present", "CB_wMBus_Wireless_Present", "CB_WiFi_Type",
                           "CB_WiFi_Secure_Type",    "CB_BACnet_Master_Type",     "CB_BACnet_Slave_Type"};
    for (const char* name : picks) {
        form->CP_LoRa->SetHeight(50);
        Pick(Named<TComboBox>(name), 1);
        EXPECT_EQ(form->CP_LoRa->Height(), fitted) << name;
    }
    form->CP_LoRa->SetHeight(50);
    Named<TCheckBox>("CB_MQTT_Clean_Session")->SetChecked(true);
    Pick(Named<TComboBox>("CB_CAN_Baudrate"), 2);
    Named<TEdit>("E_NTP_Server_URL")->SetText(QStringLiteral("pool.ntp.org"));
    EXPECT_EQ(form->CP_LoRa->Height(), 50);
}

// Each panel takes exactly the texts of its own block, each once.
TEST_F(ParGenOtherPanels, EveryPanelTakesTheTextsOfItsBlock)
{
    const auto range = [](int from, int to) {
        std::set<int> texts;
        for (int i = from; i <= to; ++i)
            texts.insert(i);
        return texts;
    };
    const auto join = [](std::set<int> a, const std::set<int>& b) {
        a.insert(b.begin(), b.end());
        return a;
    };
    const std::map<P, std::set<int>> blocks = {
        {P::Modbus_Slave, range(424, 435)}, {P::Ethernet, join(range(437, 452), range(459, 462))},
        {P::BACnet_Master, range(506, 545)}, {P::BACnet_Slave, range(547, 588)},
        {P::MBus, join(range(632, 643), range(655, 657))}, {P::wMBus, range(645, 652)},
        {P::Modbus_Master, range(659, 670)}, {P::Modbus_TCP_Master, range(675, 694)},
        {P::Modbus_TCP_Slave, join(range(710, 727), range(2894, 2895))}, {P::Serial, range(742, 749)},
        {P::CAN, range(752, 753)}, {P::CANopen, range(755, 765)}, {P::DeviceNet_Master, range(770, 773)},
        {P::DeviceNet_Slave, range(776, 783)}, {P::DMX, range(788, 791)}, {P::EtherNetIP_Master, range(794, 811)},
        {P::EtherNetIP, range(825, 846)}, {P::J1939, range(867, 874)}, {P::KNX, range(878, 881)},
        {P::NMEA2000, range(884, 889)}, {P::PROFIBUS, range(892, 899)}, {P::PROFINET, range(904, 930)},
        {P::IEC61850_Client, range(948, 967)}, {P::IEC61850_Server, range(2501, 2520)},
        {P::TLS_Server, range(2545, 2556)}, {P::NTP, range(2558, 2561)},
        {P::MQTT, join(range(2564, 2589), range(2896, 2903))}, {P::WiFi, range(2591, 2665)},
        {P::TLS, range(2693, 2706)}, {P::OPC_UA_Client, range(2708, 2723)},
        {P::OPC_UA_Server, join(range(2747, 2762), range(2769, 2770))}, {P::S7_Protocol, range(2785, 2800)},
        {P::SNMP_Manager, range(2814, 2830)},
    };
    ASSERT_EQ(blocks.size(), 33u);
    for (int i = 400; i < 3000; ++i)
        Lang_Texts.SetStrings(i, QStringLiteral("T%1").arg(i));
    form->Set_Lang();

    const QRegularExpression marker(QStringLiteral("^T(\\d+)$"));
    for (const auto& [panel, expected] : blocks) {
        std::multiset<int> used;
        const auto take = [&](const QString& text) {
            const QRegularExpressionMatch match = marker.match(text);
            if (match.hasMatch())
                used.insert(match.captured(1).toInt());
        };
        for (platform::TControl* control : ControlsOf(form->Panel(panel))) {
            take(control->Hint());
            if (auto* label = dynamic_cast<TLabel*>(control))
                take(label->Caption());
            if (auto* check = dynamic_cast<TCheckBox*>(control))
                take(check->Caption());
            if (auto* combo = dynamic_cast<TComboBox*>(control))
                for (int item = 0; item < combo->Items().Count(); ++item)
                    take(combo->Items()[item]);
        }
        const char* name = Par_Panel_Info(panel).name;
        EXPECT_EQ(std::set<int>(used.begin(), used.end()), expected) << name;
        EXPECT_EQ(used.size(), expected.size()) << name << ": a text used twice";
    }
}

TEST_F(ParGenOtherPanels, TextsGoToTheirControls)
{
    struct Case {
        const char* control;
        enum { Caption, Hint, FirstItem } kind;
        int text;
    };
    const Case cases[] = {
        {"L_ModbusSlave_Baudrate", Case::Caption, 426},
        {"CB_ModbusSlave_Baudrate", Case::Hint, 427},
        {"CB_ModbusTCPSlave_ReadInput", Case::Caption, 2894},
        {"CB_ModbusTCPSlave_ReadInput", Case::Hint, 2895},
        {"CB_Ethernet_En_GAT", Case::Hint, 448},
        {"E_Ethernet_GAT1", Case::Hint, 449},
        {"E_Ethernet_TCP_Port", Case::Hint, 460},
        {"CB_MBus_OnWire_Present", Case::Hint, 635},
        {"CB_MBus_FixCField", Case::Caption, 655},
        {"CB_MBus_SelectCField", Case::Hint, 657},
        {"CB_CANopen_NetOpe", Case::Hint, 762},
        {"E_CANopen_NetOpe_Delay", Case::Hint, 763},
        {"CB_PROFINET_Diagnostic", Case::Caption, 928},
        {"E_PROFINET_Diagnostic", Case::Hint, 930},
        {"L_IEC61850_Server_Port", Case::Caption, 2501},
        {"E_IEC61850_Server_SM4", Case::Hint, 2514},
        {"L_BACnet_MSTP_Slave_Network", Case::Caption, 585},
        {"CB_BACnet_Slave_Desc_32_Chars", Case::Hint, 588},
        {"CB_WiFi_Type", Case::Hint, 2592},
        {"CB_WiFi_Type", Case::FirstItem, 2593},
        {"CB_WiFi_En_DNS", Case::Caption, 2614},
        {"E_WiFi_DHCP_SM3", Case::Hint, 2644},
        {"CB_WiFi_Channel", Case::FirstItem, 2654},
        {"L_MQTT_Username", Case::Caption, 2584},
        {"E_MQTT_Password", Case::Hint, 2587},
        {"CB_MQTT_PublishTopicConnection", Case::Caption, 2896},
        {"CB_MQTT_Connection_Retained", Case::Hint, 2903},
        {"E_TLS_Client_Cert_Key_Pass", Case::Hint, 2706},
        {"E_OPC_UA_Server_Port", Case::Hint, 2770},
        {"L_SNMP_Manager_NameStation", Case::Caption, 2830},
    };
    for (const Case& c : cases)
        Lang_Texts.SetStrings(c.text, QStringLiteral("text %1").arg(c.text));
    form->Set_Lang();
    for (const Case& c : cases) {
        platform::TControl* control = Named(c.control);
        ASSERT_NE(control, nullptr);
        QString shown;
        if (c.kind == Case::Hint)
            shown = control->Hint();
        else if (c.kind == Case::FirstItem)
            shown = dynamic_cast<TComboBox*>(control)->Items()[0];
        else if (auto* label = dynamic_cast<TLabel*>(control))
            shown = label->Caption();
        else
            shown = dynamic_cast<TCheckBox*>(control)->Caption();
        EXPECT_EQ(shown, QStringLiteral("text %1").arg(c.text)) << c.control;
    }
}

TEST_F(ParGenOtherPanels, DefaultEnglishTextsAndListsBackOnTheirFirstItem)
{
    EXPECT_EQ(Named<TLabel>("L_ModbusSlave_IDDevice")->Caption(), QStringLiteral("ID Device"));
    EXPECT_EQ(Named<TCheckBox>("CB_CANopen_NetOpe")->Caption(), QStringLiteral("Network Start at Start-up. Delay (seconds)"));
    EXPECT_EQ(Named("CB_WiFi_Type")->Hint(), QString());
    EXPECT_EQ(Named<TLabel>("L_WiFi_DHCP_First_IP")->Caption(), QStringLiteral("DHCP First IP Address"));
    for (const char* name : {"CB_WiFi_Type", "CB_WiFi_Channel", "CB_MBus_OnWire_Present"}) {
        Pick(Named<TComboBox>(name), 1);
        form->Set_Lang();
        EXPECT_EQ(Named<TComboBox>(name)->ItemIndex(), 0) << name;
    }
}

// Whatever the other panels hold, OK writes the 51 parameters of this model
// and nothing else.
TEST_F(ParGenOtherPanels, OkWritesOnlyTheParametersOfThisModel)
{
    OpenAndSave([&] {
        Named<TEdit>("E_MQTT_Server")->SetText(QStringLiteral("broker"));
        Named<TCheckBox>("CB_TLS_Enable")->SetChecked(true);
        Named<TEdit>("E_Ethernet_IP1")->SetText(QStringLiteral("10"));
        Pick(Named<TComboBox>("CB_CAN_Baudrate"), 0);
    });
    platform::XmlDocument document;
    ASSERT_TRUE(document.LoadFile(File_ParGen));
    QStringList names;
    for (const platform::XmlElement& child : document.Root().Children())
        names << child.Name();
    EXPECT_EQ(names.size(), 51);
    EXPECT_EQ(names.first(), QStringLiteral("Eth_Conn_Device_Name"));
    EXPECT_EQ(names.last(), QStringLiteral("SNMP_Agent_VER3_PRIVACY_MODE"));
    EXPECT_FALSE(ReadParGen().contains("broker"));
}
