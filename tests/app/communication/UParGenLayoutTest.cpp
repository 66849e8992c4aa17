#include "tests/app/communication/UParGenTestFixture.h"

#include "app/shell/WindowRegistry.h"

#include <vector>

using ParGenLayout = ParGenForm;

TEST_F(ParGenLayout, ThreePanelsStackedNumberedAndInTabOrder)
{
    Open([&] {
        const TCategoryPanel* panels[] = {form->CP_Ethernet_Connection, form->CP_LoRa, form->CP_SNMP_Agent};
        const char* captions[] = {"1. Ethernet Connection", "2. LoRaWAN", "3. SNMP Agent"};
        int top = 0;
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(panels[i]->isVisible()) << captions[i];
            EXPECT_EQ(panels[i]->Caption(), QLatin1String(captions[i]));
            EXPECT_EQ(panels[i]->TabOrder(), i);
            EXPECT_EQ(panels[i]->Top(), top) << captions[i];
            top += panels[i]->Height();
        }
        // The panels of the other models wait for their first use.
        EXPECT_EQ(form->CPG->PanelCount(), 3);
        EXPECT_EQ(form->CP_Ethernet_Connection->Height(), 206);
        EXPECT_EQ(form->CP_LoRa->Height(), 372);
        EXPECT_EQ(form->CP_SNMP_Agent->Height(), 232);

        // A panel whose height changes moves the ones below it.
        Pick(form->CB_LoRa_RF_Band, 5);
        EXPECT_EQ(form->CP_LoRa->Height(), 400);
        EXPECT_EQ(form->CP_SNMP_Agent->Top(), 206 + 400);
    });
}

TEST_F(ParGenLayout, EthernetConnectionKeepsItsRowsAndGreysTheWiFiBoxAlways)
{
    Open([&] {
        const TFParGen& f = *form;
        ExpectRows({{f.L_EthConn_Device_Name, f.E_EthConn_Device_Name, 12}, {f.L_EthConn_Primary_DNS, f.E_EthConn_Pri_DNS_IP1, 124},
                    {f.L_EthConn_Secondary_DNS, f.E_EthConn_Sec_DNS_IP4, 152}});
        EXPECT_EQ(f.CB_EthConn_En_DHCP_Cable->Top(), 40);
        EXPECT_EQ(f.CB_EthConn_Enable_DNS->Top(), 96);
        EXPECT_FALSE(f.CB_EthConn_En_DHCP_WiFi->Enabled());
        form->CB_EthConn_En_DHCP_Cable->SetChecked(true);
        EXPECT_FALSE(f.CB_EthConn_En_DHCP_WiFi->Enabled());
        EXPECT_EQ(f.CP_Ethernet_Connection->Height(), 206);
    });
}

TEST_F(ParGenLayout, LoRaRowsFollowTheBandAndTheActivationMethod)
{
    Open([&] {
        const TFParGen& f = *form;
        // AS923 with activation by personalisation.
        ExpectRows({{f.L_LoRa_RF_Band, f.CB_LoRa_RF_Band, 12},
                    {f.L_LoRa_Network_Type, f.CB_LoRa_Network_Type, 37},
                    {f.CB_LoRa_Adaptive_DataRate, nullptr, 65},
                    {f.L_LoRa_DataRate, f.CB_LoRa_DataRate, 93},
                    {f.L_LoRa_Transmission_Type, f.CB_LoRa_Transmission_Type, 121},
                    {f.L_LoRa_Payload_Size, f.E_LoRa_Payload_Size, 149},
                    {f.L_LoRa_JoinEUI, f.E_LoRa_JoinEUI, 177},
                    {f.L_LoRa_Activation_Method, f.CB_LoRa_Activation_Method, 205},
                    {f.L_LoRa_Device_Address, f.E_LoRa_Device_Address, 233},
                    {f.L_LoRa_Network_Session_Key, f.E_LoRa_Network_Session_Key, 261},
                    {f.L_LoRa_Application_Session_Key, f.E_LoRa_Application_Session_Key, 289},
                    {f.L_LoRa_FPort, f.CB_LoRa_FPort, 317}});
        ExpectHidden({f.L_LoRa_FrequencySubBand, f.CB_LoRa_FrequencySubBand, f.L_LoRa_Application_Key, f.E_LoRa_Application_Key});
        EXPECT_EQ(f.CP_LoRa->Height(), 372);

        // US915 inserts the sub-band row and refreshes data rates and payload.
        Pick(form->CB_LoRa_RF_Band, 5);
        EXPECT_EQ(f.CB_LoRa_DataRate->Items().Count(), 11);
        EXPECT_EQ(f.CB_LoRa_DataRate->ItemIndex(), 0);
        EXPECT_EQ(f.E_LoRa_Payload_Size->Text(), QStringLiteral("11"));
        ExpectRows({{f.L_LoRa_FrequencySubBand, f.CB_LoRa_FrequencySubBand, 37},
                    {f.L_LoRa_Network_Type, f.CB_LoRa_Network_Type, 65},
                    {f.L_LoRa_Activation_Method, f.CB_LoRa_Activation_Method, 233},
                    {f.L_LoRa_FPort, f.CB_LoRa_FPort, 345}});
        EXPECT_EQ(f.CP_LoRa->Height(), 400);

        // Over-the-air activation: the application key takes the device address's place.
        Pick(form->CB_LoRa_Activation_Method, 1);
        ExpectRows({{f.L_LoRa_Application_Key, f.E_LoRa_Application_Key, 261}, {f.L_LoRa_FPort, f.CB_LoRa_FPort, 289}});
        ExpectHidden({f.L_LoRa_Device_Address, f.E_LoRa_Device_Address, f.L_LoRa_Network_Session_Key,
                      f.E_LoRa_Network_Session_Key, f.L_LoRa_Application_Session_Key, f.E_LoRa_Application_Session_Key});
        EXPECT_EQ(f.CP_LoRa->Height(), 344);

        Pick(form->CB_LoRa_RF_Band, 2); // EU868
        ExpectHidden({f.L_LoRa_FrequencySubBand, f.CB_LoRa_FrequencySubBand});
        ExpectRows({{f.L_LoRa_Network_Type, f.CB_LoRa_Network_Type, 37}, {f.L_LoRa_Application_Key, f.E_LoRa_Application_Key, 233},
                    {f.L_LoRa_FPort, f.CB_LoRa_FPort, 261}});
        EXPECT_EQ(f.CP_LoRa->Height(), 316);

        // The data rate changes the payload but not the rows.
        Pick(form->CB_LoRa_RF_Band, 1); // AU915
        Pick(form->CB_LoRa_DataRate, 7); // data rate 8
        EXPECT_EQ(f.E_LoRa_Payload_Size->Text(), QStringLiteral("33"));
        Pick(form->CB_LoRa_DataRate, 8);
        EXPECT_EQ(f.E_LoRa_Payload_Size->Text(), QStringLiteral("109"));
        Pick(form->CB_LoRa_DataRate, 6);
        EXPECT_EQ(f.E_LoRa_Payload_Size->Text(), QStringLiteral("222"));
        EXPECT_EQ(f.CP_LoRa->Height(), 316);
    });
}

TEST_F(ParGenLayout, StoredChoicesAreLaidOutWhenTheFormIsShown)
{
    WriteParGen("<Par_Gen><LoRa_RF_Band>US915-Hybrid</LoRa_RF_Band>"
                "<LoRa_Activation_Method>Over-the-Air Activation [OTAA]</LoRa_Activation_Method>"
                "<SNMP_Agent_VERSION3>1</SNMP_Agent_VERSION3></Par_Gen>");
    Open([&] {
        EXPECT_TRUE(form->CB_LoRa_FrequencySubBand->Visible());
        EXPECT_TRUE(form->E_LoRa_Application_Key->Visible());
        EXPECT_EQ(form->CP_LoRa->Height(), 344);
        EXPECT_EQ(form->CP_SNMP_Agent->Height(), 291);
    });
}

TEST_F(ParGenLayout, TheSubBandIsReachedLastByTheTabKey)
{
    Open([&] {
        int lastFocusable = -1;
        for (QWidget* child : form->CP_LoRa->Surface()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const platform::TControl* control = platform::AsControl(child);
            if (control && child->focusPolicy() != Qt::NoFocus)
                lastFocusable = std::max(lastFocusable, control->TabOrder());
        }
        EXPECT_EQ(form->CB_LoRa_FrequencySubBand->TabOrder(), lastFocusable);
        EXPECT_LT(form->CB_LoRa_RF_Band->TabOrder(), form->CB_LoRa_Network_Type->TabOrder());
    });
}

TEST_F(ParGenLayout, SnmpAgentRowsFollowVersionThreeAndTheSecurityLevel)
{
    Open([&] {
        const TFParGen& f = *form;
        const platform::TControl* v3Rows[] = {f.L_SNMP_Agent_User, f.E_SNMP_Agent_User, f.L_SNMP_Agent_SecurityLevel,
                                             f.CB_SNMP_Agent_SecurityLevel};
        const platform::TControl* authorityRows[] = {f.L_SNMP_Agent_Authority, f.E_SNMP_Agent_Authority,
                                                    f.L_SNMP_Agent_AuthorityMode, f.CB_SNMP_Agent_AuthorityMode};
        const platform::TControl* privacyRows[] = {f.L_SNMP_Agent_Privacy, f.E_SNMP_Agent_Privacy,
                                                  f.L_SNMP_Agent_PrivacyMode, f.CB_SNMP_Agent_PrivacyMode};
        const struct {
            bool version3;
            int level;
            bool user, authority, privacy;
            int height;
        } cases[] = {
            {false, 2, false, false, false, 232}, {true, 0, true, false, false, 291},
            {true, 1, true, true, false, 347},    {true, 2, true, true, true, 403},
            {true, -1, true, true, true, 403},    {false, 0, false, false, false, 232},
        };
        for (const auto& c : cases) {
            form->CB_SNMP_Agent_SecurityLevel->SetItemIndex(c.level);
            form->CB_SNMP_Agent_Version3->SetChecked(c.version3);
            emit form->CB_SNMP_Agent_SecurityLevel->activated(c.level);
            const std::string context = "v3 " + std::to_string(c.version3) + " level " + std::to_string(c.level);
            for (const platform::TControl* control : v3Rows)
                EXPECT_EQ(control->Visible(), c.user) << context;
            for (const platform::TControl* control : authorityRows)
                EXPECT_EQ(control->Visible(), c.authority) << context;
            for (const platform::TControl* control : privacyRows)
                EXPECT_EQ(control->Visible(), c.privacy) << context;
            EXPECT_EQ(f.CP_SNMP_Agent->Height(), c.height) << context;
        }
        // Rows keep their design places.
        EXPECT_EQ(f.CB_SNMP_Agent_GAT->Top(), 68);
        EXPECT_EQ(f.E_SNMP_Agent_GAT1->Top(), 66);
        EXPECT_EQ(f.CB_SNMP_Agent_Version3->Top(), 179);
        EXPECT_EQ(f.CB_SNMP_Agent_PrivacyMode->Top(), 345);
    });
}

TEST_F(ParGenLayout, CableDhcpGreysTheAgentAddressButNotItsGatewayBox)
{
    Open([&] {
        const TFParGen& f = *form;
        const TEdit* octets[] = {f.E_SNMP_Agent_IP1, f.E_SNMP_Agent_IP2, f.E_SNMP_Agent_IP3, f.E_SNMP_Agent_IP4,
                                 f.E_SNMP_Agent_SM1, f.E_SNMP_Agent_SM2, f.E_SNMP_Agent_SM3, f.E_SNMP_Agent_SM4,
                                 f.E_SNMP_Agent_GAT1, f.E_SNMP_Agent_GAT2, f.E_SNMP_Agent_GAT3, f.E_SNMP_Agent_GAT4};
        for (const bool dhcp : {true, false}) {
            form->CB_EthConn_En_DHCP_Cable->SetChecked(dhcp);
            for (const TEdit* octet : octets)
                EXPECT_EQ(octet->Enabled(), !dhcp) << octet->Name().toStdString();
            EXPECT_TRUE(f.CB_SNMP_Agent_GAT->Enabled());
            EXPECT_TRUE(f.E_EthConn_Pri_DNS_IP1->Enabled());
        }
    });
    WriteParGen("<Par_Gen><Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable></Par_Gen>");
    Open([&] { EXPECT_FALSE(form->E_SNMP_Agent_SM2->Enabled()); });
}

TEST_F(ParGenLayout, TheWindowKeepsItsWidth)
{
    EXPECT_EQ(form->ClientWidth(), 460);
    EXPECT_EQ(form->ClientHeight(), 700);
    Open([&] {
        form->resize(600, 500);
        EXPECT_EQ(form->ClientWidth(), 460);
        EXPECT_EQ(form->ClientHeight(), 500);
    });
}

TEST_F(ParGenLayout, TextsComeFromTheLanguageAndFollowAChange)
{
    EXPECT_EQ(form->Caption(), QStringLiteral("Set Communication"));
    EXPECT_EQ(form->L_SW_Code->Caption(), QStringLiteral("SVX91"));
    EXPECT_EQ(form->L_SW_Desc->Caption(), QStringLiteral("Set Communication Setting"));
    EXPECT_EQ(form->Btn_OK->Caption(), QStringLiteral("OK"));
    EXPECT_EQ(form->Btn_Cancel->Hint(), QStringLiteral("Exit and Discard the current configuration"));
    EXPECT_EQ(form->CB_EthConn_En_DHCP_Cable->Caption(),
              QStringLiteral("Obtain an IP Address Automatically (DHCP for Cable Connection)"));
    EXPECT_EQ(form->E_EthConn_Sec_DNS_IP3->Hint(), QStringLiteral("Insert Third byte of Secondary DNS"));
    EXPECT_EQ(form->L_LoRa_FrequencySubBand->Caption(), QStringLiteral("Frequency Sub-Band"));
    EXPECT_EQ(form->E_LoRa_Application_Key->Hint(),
              QStringLiteral("Insert the Application Key of LoRaWAN (16 Byte in Hexadecimal). Insert the same AppKEY "
                             "of LoRaWAN Gateway [AppKey]"));
    EXPECT_EQ(form->E_SNMP_Agent_GAT4->Hint(), QStringLiteral("Insert Fourth byte of Default Gateway"));
    EXPECT_EQ(form->L_SNMP_Agent_PrivacyMode->Caption(), QStringLiteral("Privacy Mode"));
    EXPECT_EQ(form->CB_SNMP_Agent_Version2->Caption(), QStringLiteral("2"));

    // The window registers as the main window's registry expects it.
    Register_Window(QStringLiteral("FParGen"), WindowEntry{form.get(), [this] { form->Set_Lang(); }, {}, {}, {}});
    Lang_Texts.SetStrings(2909, QStringLiteral("DHCP am Kabel"));
    Lang_Texts.SetStrings(2906, QStringLiteral("Ethernet-Verbindung"));
    EXPECT_TRUE(Relabel_Window(QStringLiteral("FParGen")));
    EXPECT_EQ(form->CB_EthConn_En_DHCP_Cable->Caption(), QStringLiteral("DHCP am Kabel"));
    EXPECT_EQ(form->CP_Ethernet_Connection->Caption(), QStringLiteral("1. Ethernet Connection"))
        << "panel headers are numbered once, at creation";
    seams.HandleModal(*form, [&] { form->Btn_Cancel->Click(); });
    EXPECT_EQ(Show_Window(QStringLiteral("FParGen")), mrCancel);
    Clear_Window_Registry();
}

// Pictures for a look by eye (written only while SCREENSHOT_DIR is set).
TEST_F(ParGenLayout, Screenshot)
{
    Open([&] {
        platform::SaveScreenshot(*form, QStringLiteral("ParGen_defaults"));
        Pick(form->CB_LoRa_RF_Band, 5);
        Pick(form->CB_LoRa_Activation_Method, 1);
        form->CB_SNMP_Agent_Version3->SetChecked(true);
        Pick(form->CB_SNMP_Agent_SecurityLevel, 2);
        form->CB_EthConn_En_DHCP_Cable->SetChecked(true);
        form->resize(460, 69 + 40 + 206 + 344 + 403 + 4);
        platform::SaveScreenshot(*form, QStringLiteral("ParGen_all_rows"));
        EXPECT_EQ(form->CPG->ScrollPosition(), 0);
    });
}
