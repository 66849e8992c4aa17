#include "tests/app/communication/UParGenTestFixture.h"

#include "platform/xml/XmlDocument.h"

namespace {

QString Address(TEdit* a, TEdit* b, TEdit* c, TEdit* d)
{
    return QStringList{a->Text(), b->Text(), c->Text(), d->Text()}.join(QLatin1Char('.'));
}

const QStringList Element_Order = {
    "Eth_Conn_Device_Name", "Eth_Conn_DHCP_Cable", "Eth_Conn_DHCP_WiFi", "Eth_Conn_Enable_DNS",
    "Eth_Conn_Primary_DNS1", "Eth_Conn_Primary_DNS2", "Eth_Conn_Primary_DNS3", "Eth_Conn_Primary_DNS4",
    "Eth_Conn_Secondary_DNS1", "Eth_Conn_Secondary_DNS2", "Eth_Conn_Secondary_DNS3", "Eth_Conn_Secondary_DNS4",
    "LoRa_RF_Band", "LoRa_Network_Type", "LoRa_Adaptive_DataRate", "LoRa_DataRate", "LoRa_Transmission_Type",
    "LoRa_Payload_Size", "LoRa_Activation_Method", "LoRa_Device_Address", "LoRa_JoinEUI",
    "LoRa_Network_Session_Key", "LoRa_Application_Session_Key", "LoRa_Application_Key", "LoRa_FPort",
    "LoRa_Frequency_SubBand", "SNMP_Agent_IP1", "SNMP_Agent_IP2", "SNMP_Agent_IP3", "SNMP_Agent_IP4",
    "SNMP_Agent_SM1", "SNMP_Agent_SM2", "SNMP_Agent_SM3", "SNMP_Agent_SM4", "SNMP_Agent_GAT1", "SNMP_Agent_GAT2",
    "SNMP_Agent_GAT3", "SNMP_Agent_GAT4", "SNMP_Agent_EN_GAT", "SNMP_Agent_Name_of_Station", "SNMP_Agent_Contact",
    "SNMP_Agent_Location", "SNMP_Agent_VERSION1", "SNMP_Agent_VERSION2", "SNMP_Agent_VERSION3",
    "SNMP_Agent_VER3_USER", "SNMP_Agent_VER3_SECURITY_LEVEL", "SNMP_Agent_VER3_AUTHORITY",
    "SNMP_Agent_VER3_AUTHORITY_MODE", "SNMP_Agent_VER3_PRIVACY", "SNMP_Agent_VER3_PRIVACY_MODE",
};

QByteArray ParGenWith(const QByteArray& elements)
{
    return "<Par_Gen>" + elements + "</Par_Gen><!--SW_VERSION = 1.000-->";
}

} // namespace

using ParGenFile = ParGenForm;

TEST_F(ParGenFile, WithoutAFileEveryControlShowsItsDefault)
{
    Open([&] {
        const TFParGen& f = *form;
        EXPECT_EQ(f.E_EthConn_Device_Name->Text(), QString());
        EXPECT_FALSE(f.CB_EthConn_En_DHCP_Cable->Checked());
        EXPECT_FALSE(f.CB_EthConn_En_DHCP_WiFi->Checked());
        EXPECT_FALSE(f.CB_EthConn_Enable_DNS->Checked());
        EXPECT_EQ(Address(f.E_EthConn_Pri_DNS_IP1, f.E_EthConn_Pri_DNS_IP2, f.E_EthConn_Pri_DNS_IP3,
                          f.E_EthConn_Pri_DNS_IP4), QStringLiteral("8.8.8.8"));
        EXPECT_EQ(Address(f.E_EthConn_Sec_DNS_IP1, f.E_EthConn_Sec_DNS_IP2, f.E_EthConn_Sec_DNS_IP3,
                          f.E_EthConn_Sec_DNS_IP4), QStringLiteral("8.8.4.4"));
        EXPECT_EQ(f.CB_LoRa_RF_Band->Text(), QStringLiteral("AS923"));
        EXPECT_EQ(f.CB_LoRa_Network_Type->Text(), QStringLiteral("Private"));
        EXPECT_FALSE(f.CB_LoRa_Adaptive_DataRate->Checked());
        EXPECT_EQ(f.CB_LoRa_DataRate->Items().Count(), 8);
        EXPECT_EQ(f.CB_LoRa_DataRate->Text(), QStringLiteral("6\t- LoRa: SF7/250kHz 11000 [bit/s]"));
        EXPECT_EQ(f.CB_LoRa_Transmission_Type->Text(), QStringLiteral("Unconfirmed"));
        EXPECT_EQ(f.E_LoRa_Payload_Size->Text(), QStringLiteral("230"));
        EXPECT_EQ(f.CB_LoRa_Activation_Method->Text(), QStringLiteral("Activation by Personalization [ABP]"));
        for (TEdit* hex : {f.E_LoRa_Device_Address, f.E_LoRa_JoinEUI, f.E_LoRa_Network_Session_Key,
                           f.E_LoRa_Application_Session_Key, f.E_LoRa_Application_Key})
            EXPECT_EQ(hex->Text(), QString()) << hex->Name().toStdString();
        EXPECT_EQ(f.CB_LoRa_FPort->Text(), QStringLiteral("Fixed"));
        EXPECT_EQ(f.CB_LoRa_FrequencySubBand->Text(), QStringLiteral("1"));
        EXPECT_EQ(Address(f.E_SNMP_Agent_IP1, f.E_SNMP_Agent_IP2, f.E_SNMP_Agent_IP3, f.E_SNMP_Agent_IP4),
                  QStringLiteral("192.168.0.5"));
        EXPECT_EQ(Address(f.E_SNMP_Agent_SM1, f.E_SNMP_Agent_SM2, f.E_SNMP_Agent_SM3, f.E_SNMP_Agent_SM4),
                  QStringLiteral("255.255.255.0"));
        EXPECT_EQ(Address(f.E_SNMP_Agent_GAT1, f.E_SNMP_Agent_GAT2, f.E_SNMP_Agent_GAT3, f.E_SNMP_Agent_GAT4),
                  QStringLiteral("192.168.0.1"));
        EXPECT_FALSE(f.CB_SNMP_Agent_GAT->Checked());
        EXPECT_EQ(f.E_SNMP_Agent_NameStation->Text(), QStringLiteral("devicename1"));
        EXPECT_EQ(f.E_SNMP_Agent_Contact->Text(), QString());
        EXPECT_EQ(f.E_SNMP_Agent_Location->Text(), QString());
        for (TCheckBox* version : {f.CB_SNMP_Agent_Version1, f.CB_SNMP_Agent_Version2, f.CB_SNMP_Agent_Version3})
            EXPECT_FALSE(version->Checked());
        for (TEdit* edit : {f.E_SNMP_Agent_User, f.E_SNMP_Agent_Authority, f.E_SNMP_Agent_Privacy})
            EXPECT_EQ(edit->Text(), QString());
        EXPECT_EQ(f.CB_SNMP_Agent_SecurityLevel->Text(), QStringLiteral("NoAuthority NoPrivacy"));
        EXPECT_EQ(f.CB_SNMP_Agent_AuthorityMode->Text(), QStringLiteral("MD5"));
        EXPECT_EQ(f.CB_SNMP_Agent_PrivacyMode->Text(), QStringLiteral("DES"));
    });
    EXPECT_FALSE(QFile::exists(File_ParGen)) << "showing alone writes nothing";
}

TEST_F(ParGenFile, OkWritesTheRootWithItsParametersInOrderFollowedByTheVersionComment)
{
    OpenAndSave();
    const QByteArray written = ReadParGen();
    EXPECT_TRUE(written.startsWith("<Par_Gen>")) << written.left(40).constData();
    EXPECT_TRUE(written.trimmed().endsWith("</Par_Gen><!--SW_VERSION = 1.000-->")) << written.right(60).constData();

    platform::XmlDocument document;
    ASSERT_TRUE(document.LoadFile(File_ParGen));
    const platform::XmlElement root = document.Root();
    EXPECT_EQ(root.Name(), QStringLiteral("Par_Gen"));
    QStringList names;
    for (const platform::XmlElement& child : root.Children()) {
        names << child.Name();
        EXPECT_TRUE(child.AttributeNames().isEmpty());
    }
    EXPECT_EQ(names, Element_Order);
    EXPECT_EQ(document.Comments(), QStringList{QStringLiteral("SW_VERSION = 1.000")});
    EXPECT_EQ(root.ChildText(QStringLiteral("Eth_Conn_DHCP_Cable")), QStringLiteral("0"));
    EXPECT_EQ(root.ChildText(QStringLiteral("LoRa_DataRate")), QStringLiteral("6\t- LoRa: SF7/250kHz 11000 [bit/s]"));
    EXPECT_EQ(root.ChildText(QStringLiteral("LoRa_Payload_Size")), QStringLiteral("230"));
    EXPECT_EQ(root.ChildText(QStringLiteral("LoRa_Device_Address"), QStringLiteral("missing")), QString());
    EXPECT_EQ(root.ChildText(QStringLiteral("SNMP_Agent_VER3_PRIVACY_MODE")), QStringLiteral("DES"));
}

TEST_F(ParGenFile, ShowingAgainRestoresWhatOkWrote)
{
    OpenAndSave([&] {
        TFParGen& f = *form;
        f.E_EthConn_Device_Name->SetText(QStringLiteral(" gateway-7 "));
        f.CB_EthConn_En_DHCP_Cable->SetChecked(true);
        f.CB_EthConn_Enable_DNS->SetChecked(true);
        f.E_EthConn_Pri_DNS_IP3->SetText(QStringLiteral("1"));
        f.E_EthConn_Sec_DNS_IP4->SetText(QStringLiteral("9"));
        Pick(f.CB_LoRa_RF_Band, 1); // AU915
        Pick(f.CB_LoRa_Network_Type, 1);
        f.CB_LoRa_Adaptive_DataRate->SetChecked(true);
        Pick(f.CB_LoRa_DataRate, 8); // data rate 9
        Pick(f.CB_LoRa_Transmission_Type, 1);
        Pick(f.CB_LoRa_Activation_Method, 1);
        f.E_LoRa_Device_Address->SetText(QStringLiteral("0A1B2C3D"));
        f.E_LoRa_JoinEUI->SetText(QStringLiteral("70B3D57ED0012345"));
        f.E_LoRa_Network_Session_Key->SetText(QStringLiteral("11"));
        f.E_LoRa_Application_Session_Key->SetText(QStringLiteral("22"));
        f.E_LoRa_Application_Key->SetText(QStringLiteral("33"));
        Pick(f.CB_LoRa_FPort, 1);
        Pick(f.CB_LoRa_FrequencySubBand, 7);
        f.E_SNMP_Agent_IP4->SetText(QStringLiteral("77"));
        f.E_SNMP_Agent_SM3->SetText(QStringLiteral("128"));
        f.E_SNMP_Agent_GAT2->SetText(QStringLiteral("1"));
        f.CB_SNMP_Agent_GAT->SetChecked(true);
        f.E_SNMP_Agent_NameStation->SetText(QStringLiteral("station"));
        f.E_SNMP_Agent_Contact->SetText(QStringLiteral("ops"));
        f.E_SNMP_Agent_Location->SetText(QStringLiteral("hall 2"));
        f.CB_SNMP_Agent_Version2->SetChecked(true);
        f.CB_SNMP_Agent_Version3->SetChecked(true);
        f.E_SNMP_Agent_User->SetText(QStringLiteral("admin"));
        Pick(f.CB_SNMP_Agent_SecurityLevel, 2);
        f.E_SNMP_Agent_Authority->SetText(QStringLiteral("auth pass"));
        Pick(f.CB_SNMP_Agent_AuthorityMode, 1);
        f.E_SNMP_Agent_Privacy->SetText(QStringLiteral("priv pass"));
        Pick(f.CB_SNMP_Agent_PrivacyMode, 1);
    });
    form.reset(platform::CreateForm<TFParGen>());
    Open([&] {
        const TFParGen& f = *form;
        EXPECT_EQ(f.E_EthConn_Device_Name->Text(), QStringLiteral(" gateway-7 "));
        EXPECT_TRUE(f.CB_EthConn_En_DHCP_Cable->Checked());
        EXPECT_TRUE(f.CB_EthConn_Enable_DNS->Checked());
        EXPECT_EQ(Address(f.E_EthConn_Pri_DNS_IP1, f.E_EthConn_Pri_DNS_IP2, f.E_EthConn_Pri_DNS_IP3,
                          f.E_EthConn_Pri_DNS_IP4), QStringLiteral("8.8.1.8"));
        EXPECT_EQ(Address(f.E_EthConn_Sec_DNS_IP1, f.E_EthConn_Sec_DNS_IP2, f.E_EthConn_Sec_DNS_IP3,
                          f.E_EthConn_Sec_DNS_IP4), QStringLiteral("8.8.4.9"));
        EXPECT_EQ(f.CB_LoRa_RF_Band->Text(), QStringLiteral("AU915"));
        EXPECT_EQ(f.CB_LoRa_Network_Type->Text(), QStringLiteral("Public"));
        EXPECT_TRUE(f.CB_LoRa_Adaptive_DataRate->Checked());
        EXPECT_EQ(f.CB_LoRa_DataRate->Text(), QStringLiteral("9  - LoRa: SF11/500kHz 1760 [bit/s]"));
        EXPECT_EQ(f.E_LoRa_Payload_Size->Text(), QStringLiteral("109"));
        EXPECT_EQ(f.CB_LoRa_Transmission_Type->Text(), QStringLiteral("Confirmed"));
        EXPECT_EQ(f.CB_LoRa_Activation_Method->ItemIndex(), 1);
        EXPECT_EQ(f.E_LoRa_Device_Address->Text(), QStringLiteral("0A1B2C3D"));
        EXPECT_EQ(f.E_LoRa_JoinEUI->Text(), QStringLiteral("70B3D57ED0012345"));
        EXPECT_EQ(f.E_LoRa_Network_Session_Key->Text(), QStringLiteral("11"));
        EXPECT_EQ(f.E_LoRa_Application_Session_Key->Text(), QStringLiteral("22"));
        EXPECT_EQ(f.E_LoRa_Application_Key->Text(), QStringLiteral("33"));
        EXPECT_EQ(f.CB_LoRa_FPort->Text(), QStringLiteral("Variable"));
        EXPECT_EQ(f.CB_LoRa_FrequencySubBand->Text(), QStringLiteral("8"));
        EXPECT_EQ(Address(f.E_SNMP_Agent_IP1, f.E_SNMP_Agent_IP2, f.E_SNMP_Agent_IP3, f.E_SNMP_Agent_IP4),
                  QStringLiteral("192.168.0.77"));
        EXPECT_EQ(Address(f.E_SNMP_Agent_SM1, f.E_SNMP_Agent_SM2, f.E_SNMP_Agent_SM3, f.E_SNMP_Agent_SM4),
                  QStringLiteral("255.255.128.0"));
        EXPECT_EQ(Address(f.E_SNMP_Agent_GAT1, f.E_SNMP_Agent_GAT2, f.E_SNMP_Agent_GAT3, f.E_SNMP_Agent_GAT4),
                  QStringLiteral("192.1.0.1"));
        EXPECT_TRUE(f.CB_SNMP_Agent_GAT->Checked());
        EXPECT_EQ(f.E_SNMP_Agent_NameStation->Text(), QStringLiteral("station"));
        EXPECT_EQ(f.E_SNMP_Agent_Contact->Text(), QStringLiteral("ops"));
        EXPECT_EQ(f.E_SNMP_Agent_Location->Text(), QStringLiteral("hall 2"));
        EXPECT_FALSE(f.CB_SNMP_Agent_Version1->Checked());
        EXPECT_TRUE(f.CB_SNMP_Agent_Version2->Checked());
        EXPECT_TRUE(f.CB_SNMP_Agent_Version3->Checked());
        EXPECT_EQ(f.E_SNMP_Agent_User->Text(), QStringLiteral("admin"));
        EXPECT_EQ(f.CB_SNMP_Agent_SecurityLevel->Text(), QStringLiteral("Authority Privacy"));
        EXPECT_EQ(f.E_SNMP_Agent_Authority->Text(), QStringLiteral("auth pass"));
        EXPECT_EQ(f.CB_SNMP_Agent_AuthorityMode->Text(), QStringLiteral("SHA"));
        EXPECT_EQ(f.E_SNMP_Agent_Privacy->Text(), QStringLiteral("priv pass"));
        EXPECT_EQ(f.CB_SNMP_Agent_PrivacyMode->Text(), QStringLiteral("AES"));
    });
}

TEST_F(ParGenFile, ElementsAreReadByTheirOwnRules)
{
    WriteParGen(ParGenWith("<Eth_Conn_DHCP_Cable>yes</Eth_Conn_DHCP_Cable>"
                           "<Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>"
                           "<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>"
                           "<Eth_Conn_Primary_DNS2/>"
                           "<LoRa_RF_Band>eu868</LoRa_RF_Band>"
                           "<LoRa_Network_Type>public</LoRa_Network_Type>"
                           "<LoRa_Transmission_Type>Sometimes</LoRa_Transmission_Type>"
                           "<LoRa_Payload_Size>5</LoRa_Payload_Size>"
                           "<LoRa_JoinEUI>XY-not hex</LoRa_JoinEUI>"
                           "<LoRa_FPort>Both</LoRa_FPort>"
                           "<SNMP_Agent_IP1><b>10</b></SNMP_Agent_IP1>"
                           "<SNMP_Agent_Name_of_Station></SNMP_Agent_Name_of_Station>"
                           "<SNMP_Agent_VER3_SECURITY_LEVEL> authority noprivacy </SNMP_Agent_VER3_SECURITY_LEVEL>"
                           "<SNMP_Agent_VER3_AUTHORITY_MODE>sha</SNMP_Agent_VER3_AUTHORITY_MODE>"
                           "<SNMP_Agent_VER3_PRIVACY_MODE>Blowfish</SNMP_Agent_VER3_PRIVACY_MODE>"));
    Open([&] {
        const TFParGen& f = *form;
        EXPECT_FALSE(f.CB_EthConn_En_DHCP_Cable->Checked()) << "only \"1\" checks a box";
        EXPECT_FALSE(f.CB_EthConn_En_DHCP_WiFi->Checked()) << "the Wi-Fi box is never read";
        EXPECT_TRUE(f.CB_EthConn_Enable_DNS->Checked());
        EXPECT_EQ(f.E_EthConn_Pri_DNS_IP2->Text(), QString()) << "an empty element clears its edit";
        EXPECT_EQ(f.E_EthConn_Pri_DNS_IP1->Text(), QStringLiteral("8")) << "a missing element gives the default";
        EXPECT_EQ(f.CB_LoRa_RF_Band->Text(), QStringLiteral("EU868"));
        EXPECT_EQ(f.CB_LoRa_Network_Type->Text(), QStringLiteral("Public"));
        EXPECT_EQ(f.CB_LoRa_Transmission_Type->ItemIndex(), -1);
        EXPECT_EQ(f.CB_LoRa_DataRate->Text(), QStringLiteral("0 -\tLoRa: SF12/125kHz 250 [bit/s]"))
            << "without a stored data rate the band's first is taken";
        EXPECT_EQ(f.E_LoRa_Payload_Size->Text(), QStringLiteral("51")) << "the payload size is always recomputed";
        EXPECT_EQ(f.E_LoRa_JoinEUI->Text(), QStringLiteral("XY-NOT HEX")) << "stored text is not filtered";
        EXPECT_EQ(f.CB_LoRa_FPort->ItemIndex(), -1);
        EXPECT_EQ(f.E_SNMP_Agent_IP1->Text(), QStringLiteral("192")) << "an element holding elements is unreadable";
        EXPECT_EQ(f.E_SNMP_Agent_NameStation->Text(), QString());
        EXPECT_EQ(f.CB_SNMP_Agent_SecurityLevel->ItemIndex(), 1);
        EXPECT_EQ(f.CB_SNMP_Agent_AuthorityMode->ItemIndex(), 1);
        EXPECT_EQ(f.CB_SNMP_Agent_PrivacyMode->ItemIndex(), 0);
    });
}

TEST_F(ParGenFile, AStoredDataRateMustMatchAnItemToTheCharacter)
{
    const struct {
        const char* dataRate;
        const char* shown;
        const char* payload;
    } cases[] = {
        {"3\t- LoRa: SF9/125kHz 1760 [bit/s]", "3\t- LoRa: SF9/125kHz 1760 [bit/s]", "123"},
        {"3\t- lora: sf9/125khz 1760 [BIT/S]", "3\t- LoRa: SF9/125kHz 1760 [bit/s]", "123"},
        {"3 - LoRa: SF9/125kHz 1760 [bit/s]", "0\t- LoRa: SF12/125kHz 250 [bit/s]", "59"},
        {"", "0\t- LoRa: SF12/125kHz 250 [bit/s]", "59"},
    };
    for (const auto& c : cases) {
        WriteParGen(ParGenWith(QByteArray("<LoRa_RF_Band>AS923</LoRa_RF_Band><LoRa_DataRate>") + c.dataRate
                               + "</LoRa_DataRate>"));
        Open([&] {
            EXPECT_EQ(form->CB_LoRa_DataRate->Text(), QString::fromUtf8(c.shown)) << c.dataRate;
            EXPECT_EQ(form->E_LoRa_Payload_Size->Text(), QLatin1String(c.payload)) << c.dataRate;
        });
    }
}

TEST_F(ParGenFile, TheRootIsTheFirstNodeWhateverItsName)
{
    WriteParGen("<Other><LoRa_RF_Band>US915</LoRa_RF_Band></Other>");
    Open([&] { EXPECT_EQ(form->CB_LoRa_RF_Band->Text(), QStringLiteral("US915")); });

    // A document that begins with a comment reads as if every element were
    // missing: the band's first data rate, not data rate 6.
    WriteParGen("<!-- note --><Par_Gen><LoRa_RF_Band>US915</LoRa_RF_Band></Par_Gen>");
    Open([&] {
        EXPECT_EQ(form->CB_LoRa_RF_Band->Text(), QStringLiteral("AS923"));
        EXPECT_EQ(form->CB_LoRa_DataRate->ItemIndex(), 0);
        EXPECT_EQ(form->E_LoRa_Payload_Size->Text(), QStringLiteral("59"));
    });
}

TEST_F(ParGenFile, AFileThatIsNotXmlIsReportedAndTheDefaultsAreShownAndSaved)
{
    OpenAndSave([&] {
        form->E_EthConn_Device_Name->SetText(QStringLiteral("first"));
        form->E_SNMP_Agent_IP4->SetText(QStringLiteral("99"));
    });
    WriteParGen("<Par_Gen><Eth_Conn_Device_Name>broken");
    seams.HandleModal(*form, [&] {
        EXPECT_EQ(form->E_EthConn_Device_Name->Text(), QString()) << "nothing of the earlier showing stays";
        EXPECT_EQ(form->E_SNMP_Agent_IP4->Text(), QStringLiteral("5"));
        EXPECT_EQ(form->CB_LoRa_DataRate->ItemIndex(), 6);
        form->Btn_OK->Click();
    });
    seams.AnswerMessage(mrOk);
    ASSERT_EQ(form->ShowModal(), mrOk);
    ASSERT_EQ(seams.Shown().size(), 3u);
    EXPECT_EQ(seams.Shown()[2].kind, platform::ModalKind::MessageBox);
    EXPECT_EQ(seams.Shown()[2].type, mtError);
    EXPECT_TRUE(seams.Shown()[2].text.contains(File_ParGen)) << seams.Shown()[2].text.toStdString();

    platform::XmlDocument document;
    ASSERT_TRUE(document.LoadFile(File_ParGen));
    EXPECT_EQ(document.Root().ChildText(QStringLiteral("Eth_Conn_Device_Name"), QStringLiteral("?")), QString());
    EXPECT_EQ(document.Root().ChildText(QStringLiteral("SNMP_Agent_IP4")), QStringLiteral("5"));
}

TEST_F(ParGenFile, ABandThatMatchesNoItemStopsOkAndLeavesTheFileAlone)
{
    const QByteArray stored = ParGenWith("<LoRa_RF_Band>EU433</LoRa_RF_Band>");
    WriteParGen(stored);
    const TModalResult result = Show([&] {
        EXPECT_EQ(form->CB_LoRa_DataRate->Items().Count(), 0);
        EXPECT_EQ(form->E_LoRa_Payload_Size->Text(), QStringLiteral("0"));
        seams.AnswerMessage(mrOk);
        form->Btn_OK->Click();
        EXPECT_TRUE(form->IsModalShowing()) << "a failed check keeps the window open";
        form->Btn_Cancel->Click();
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(seams.Messages(), QStringList{Lang_Texts[493]});
    EXPECT_EQ(ReadParGen(), stored);
}

TEST_F(ParGenFile, AFailedWriteIsReportedAndTheWindowStaysOpen)
{
    File_ParGen = Path_Project + QStringLiteral("/missing folder/ParGen.xml");
    const TModalResult result = Show([&] {
        seams.AnswerMessage(mrOk);
        form->Btn_OK->Click();
        EXPECT_TRUE(form->IsModalShowing());
        form->Btn_Cancel->Click();
    });
    EXPECT_EQ(result, mrCancel);
    ASSERT_EQ(seams.Shown().size(), 2u);
    EXPECT_EQ(seams.Shown()[1].kind, platform::ModalKind::MessageBox);
    EXPECT_EQ(seams.Shown()[1].type, mtError);
    EXPECT_FALSE(seams.Shown()[1].text.isEmpty());
    EXPECT_FALSE(QFile::exists(File_ParGen));
}
