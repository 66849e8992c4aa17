#include "app/communication/USaveBincc.h"

#include "app/shell/UComon.h"
#include "tests/support/TempExeFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using Bank1 = std::array<quint8, Bank1_Size>;

class ImageBuilder : public ::testing::Test {
protected:
    void SetUp() override
    {
        Path_Project = QDir::toNativeSeparators(testsupport::TestFolder() + "/PROJECTS/Plant");
        QDir().mkpath(Path_Project + "/bin");
        File_ParGen = Path_Project + "/ParGen.xml";
        File_LoRaWAN_SetAccess = Path_Project + "/LoRaWAN_SetAccess.xml";
        File_SNMP_Trap = Path_Project + "/SNMP_Trap.xml";
    }

    static void Write(const QString& path, const QString& xml)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(xml.toUtf8());
    }

    static void WriteParGen(const QString& elements)
    {
        Write(File_ParGen, "<Par_Gen>" + elements + "</Par_Gen><!-- SW_VERSION = 1.000 -->");
    }

    static void Build()
    {
        QString error;
        ASSERT_TRUE(Compile_Bin_Banks(error)) << error.toStdString();
        ASSERT_EQ(Bank1_Buffer().size(), Bank1_Size);
        ASSERT_EQ(Bank2_Buffer().size(), Bank2_Size);
    }

    static quint8 B1(int offset) { return quint8(Bank1_Buffer().at(offset)); }
    static quint8 B2(int offset) { return quint8(Bank2_Buffer().at(offset)); }
    static quint32 U32(const QByteArray& image, int offset)
    {
        quint32 v = 0;
        for (int i = 3; i >= 0; --i)
            v = v << 8 | quint8(image.at(offset + i));
        return v;
    }
    static quint16 U16(const QByteArray& image, int offset)
    {
        return quint16(quint8(image.at(offset)) | quint8(image.at(offset + 1)) << 8);
    }
    static std::vector<quint8> Bytes(const QByteArray& image, int offset, int count)
    {
        return std::vector<quint8>(image.begin() + offset, image.begin() + offset + count);
    }

    // Bank 1 as the builder leaves it when the configuration has no files.
    static Bank1 DefaultBank1()
    {
        Bank1 b{};
        auto put32 = [&](int at, quint32 v) { for (int i = 0; i < 4; ++i) b[at + i] = quint8(v >> (8 * i)); };
        auto put16 = [&](int at, quint16 v) { b[at] = quint8(v); b[at + 1] = quint8(v >> 8); };
        put32(0x000, 250000);
        put32(0x004, 250000);
        put32(0x00C, 9600);
        const quint8 ip[] = {192, 168, 2, 205, 255, 255, 255, 0, 255, 255, 255, 255};
        std::copy(std::begin(ip), std::end(ip), b.begin() + 0x028);
        put16(0x034, 10000);
        put16(0x036, 10001);
        put16(0x038, 10001);
        std::fill_n(b.begin() + 0x1B4, 8, quint8(8));
        put32(0x1E8, 0x82000);
        put32(0x5A4, 0x82000);
        put32(0x5A8, 0x85000);
        put32(0x65C, 0x80000);
        return b;
    }
};

TEST_F(ImageBuilder, WithoutFilesBothBanksHoldTheirDefaults)
{
    Build();
    Bank1 expected = DefaultBank1();
    const quint8 sum[] = {0x32, 0x0E, 0x00, 0x00}; // 3634
    std::copy(std::begin(sum), std::end(sum), expected.begin() + 0x7FC);
    EXPECT_EQ(Bytes(Bank1_Buffer(), 0, Bank1_Size), std::vector<quint8>(expected.begin(), expected.end()));

    std::vector<quint8> bank2(Bank2_Size, 0);
    bank2[3] = 6;
    bank2[66] = 1;
    bank2[68] = 1;
    const quint8 addresses[] = {0x00, 0x04, 0x08, 0x00, 0x00, 0x10, 0x08, 0x00};
    std::copy(std::begin(addresses), std::end(addresses), bank2.begin() + 72);
    EXPECT_EQ(Bytes(Bank2_Buffer(), 0, Bank2_Size), bank2);
}

TEST_F(ImageBuilder, ParameterFileFillsBank1)
{
    WriteParGen("<Eth_Conn_Device_Name>Gateway-" + QString(30, 'x') + "</Eth_Conn_Device_Name>"
                "<Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable><Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>"
                "<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>"
                "<Eth_Conn_Primary_DNS1>1</Eth_Conn_Primary_DNS1><Eth_Conn_Primary_DNS2>0x10</Eth_Conn_Primary_DNS2>"
                "<Eth_Conn_Primary_DNS3>$FF</Eth_Conn_Primary_DNS3><Eth_Conn_Primary_DNS4>300</Eth_Conn_Primary_DNS4>"
                "<SNMP_Agent_IP1>10</SNMP_Agent_IP1><SNMP_Agent_IP2>1</SNMP_Agent_IP2><SNMP_Agent_IP4>7</SNMP_Agent_IP4>"
                "<SNMP_Agent_GAT1>10</SNMP_Agent_GAT1><SNMP_Agent_GAT2>1</SNMP_Agent_GAT2>"
                "<SNMP_Agent_GAT3>0</SNMP_Agent_GAT3><SNMP_Agent_GAT4>254</SNMP_Agent_GAT4>"
                "<SNMP_Agent_EN_GAT>1</SNMP_Agent_EN_GAT>"
                "<SNMP_Agent_Name_of_Station></SNMP_Agent_Name_of_Station>"
                "<SNMP_Agent_Contact>ops\u20AC</SNMP_Agent_Contact>"
                "<SNMP_Agent_Location>A location longer than sixteen</SNMP_Agent_Location>");
    Build();
    const QByteArray& b = Bank1_Buffer();
    EXPECT_EQ(Bytes(b, 0x514, 32), Bytes(QByteArray("Gateway-" + QByteArray(23, 'x') + '\0'), 0, 32));
    EXPECT_EQ(U16(b, 0x4E8), 0x0003);
    EXPECT_EQ(Bytes(b, 0x58C, 4), (std::vector<quint8>{1, 0x10, 0xFF, 300 & 0xFF}));
    EXPECT_EQ(Bytes(b, 0x53C, 4), (std::vector<quint8>{8, 8, 4, 4}));
    EXPECT_EQ(Bytes(b, 0x028, 4), (std::vector<quint8>{10, 1, 0, 7})); // missing IP3 gives 0, not 2
    EXPECT_EQ(Bytes(b, 0x02C, 4), (std::vector<quint8>{255, 255, 255, 0}));
    EXPECT_EQ(Bytes(b, 0x030, 4), (std::vector<quint8>{10, 1, 0, 254}));
    EXPECT_EQ(Bytes(b, 0x050, 16), std::vector<quint8>(16, 0)); // present but empty
    EXPECT_EQ(Bytes(b, 0x740, 5), (std::vector<quint8>{'o', 'p', 's', 0xAC, 0}));
    EXPECT_EQ(Bytes(b, 0x750, 16), Bytes(QByteArray("A location longe"), 0, 16));
    EXPECT_EQ(Bytes(b, 0x760, 4), std::vector<quint8>(4, 0)); // nothing past the field
    EXPECT_EQ(Bytes(b, 0x66C, 8), (std::vector<quint8>{'1', '.', '0', '0', '0', 0, 0, 0}));
    EXPECT_EQ(Bytes(b, 0x1A4, 4), (std::vector<quint8>{0x00, 0x4B, 0, 0}));
    EXPECT_EQ(B1(0x1B3), 1);
    EXPECT_EQ(B1(0x1B9), 8);

    quint32 sum = 0;
    for (int i = 0; i < 0x7FC; ++i)
        sum += quint8(b.at(i));
    EXPECT_EQ(U32(b, 0x7FC), sum);
}

TEST_F(ImageBuilder, FallbacksOfAnExistingParameterFile)
{
    WriteParGen("<Eth_Conn_Enable_DNS>0</Eth_Conn_Enable_DNS><Eth_Conn_Primary_DNS1>9</Eth_Conn_Primary_DNS1>"
                "<SNMP_Agent_GAT1>1</SNMP_Agent_GAT1><SNMP_Agent_EN_GAT>0</SNMP_Agent_EN_GAT>");
    Build();
    const QByteArray& b = Bank1_Buffer();
    EXPECT_EQ(Bytes(b, 0x58C, 4), std::vector<quint8>(4, 0));
    EXPECT_EQ(Bytes(b, 0x028, 4), (std::vector<quint8>{192, 168, 0, 5}));
    EXPECT_EQ(Bytes(b, 0x030, 4), std::vector<quint8>(4, 255));
    EXPECT_EQ(Bytes(b, 0x050, 12), Bytes(QByteArray("devicename1\0", 12), 0, 12));
    EXPECT_EQ(U32(b, 0x5AC), 0u);
}

TEST_F(ImageBuilder, DnsOffInASecondBuildClearsTheServers)
{
    WriteParGen("<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>");
    Build();
    EXPECT_EQ(Bytes(Bank1_Buffer(), 0x58C, 4), (std::vector<quint8>{8, 8, 8, 8}));
    WriteParGen("<Eth_Conn_Enable_DNS>0</Eth_Conn_Enable_DNS>");
    Build();
    EXPECT_EQ(Bytes(Bank1_Buffer(), 0x58C, 4), std::vector<quint8>(4, 0));
    EXPECT_EQ(Bytes(Bank1_Buffer(), 0x53C, 4), std::vector<quint8>(4, 0));
}

TEST_F(ImageBuilder, SnmpVersionFlagsAndKeys)
{
    struct Case {
        const char* elements;
        quint32 flags;
        bool authKey;
        bool privKey;
    } cases[] = {
        {"<SNMP_Agent_VERSION1>1</SNMP_Agent_VERSION1><SNMP_Agent_VERSION2>1</SNMP_Agent_VERSION2>", 0x003, false, false},
        {"<SNMP_Agent_VERSION3>1</SNMP_Agent_VERSION3><SNMP_Agent_VER3_SECURITY_LEVEL>AUTHORITY NOPRIVACY</SNMP_Agent_VER3_SECURITY_LEVEL>"
         "<SNMP_Agent_VER3_AUTHORITY_MODE>SHA</SNMP_Agent_VER3_AUTHORITY_MODE>", 0x094, true, false},
        {"<SNMP_Agent_VERSION3>1</SNMP_Agent_VERSION3><SNMP_Agent_VER3_SECURITY_LEVEL> authority privacy </SNMP_Agent_VER3_SECURITY_LEVEL>"
         "<SNMP_Agent_VER3_PRIVACY_MODE>AES</SNMP_Agent_VER3_PRIVACY_MODE>", 0x274, true, true},
        {"<SNMP_Agent_VERSION3>1</SNMP_Agent_VERSION3>", 0x004, false, false},
        {"<SNMP_Agent_VERSION3>0</SNMP_Agent_VERSION3><SNMP_Agent_VER3_SECURITY_LEVEL>AUTHORITY PRIVACY</SNMP_Agent_VER3_SECURITY_LEVEL>", 0, false, false},
    };
    for (const Case& c : cases) {
        WriteParGen(QString(c.elements) + "<SNMP_Agent_VER3_USER>admin</SNMP_Agent_VER3_USER>"
                    "<SNMP_Agent_VER3_AUTHORITY>authkey1</SNMP_Agent_VER3_AUTHORITY>"
                    "<SNMP_Agent_VER3_PRIVACY>privkey1</SNMP_Agent_VER3_PRIVACY>");
        Build();
        SCOPED_TRACE(c.elements);
        const QByteArray& b = Bank1_Buffer();
        EXPECT_EQ(U32(b, 0x5AC), c.flags);
        EXPECT_EQ(B1(0x5B0), (c.flags & 0x004) ? 'a' : 0);
        EXPECT_EQ(B1(0x5C4), c.authKey ? 'a' : 0);
        EXPECT_EQ(B1(0x5D4), c.privKey ? 'p' : 0);
    }
}

TEST_F(ImageBuilder, LoRaWANBlockConversions)
{
    WriteParGen("<LoRa_RF_Band>us915-hybrid </LoRa_RF_Band><LoRa_Network_Type> public</LoRa_Network_Type>"
                "<LoRa_Activation_Method>Activation By Personalization [ABP]</LoRa_Activation_Method>"
                "<LoRa_DataRate>3 - SF7/125kHz</LoRa_DataRate><LoRa_Device_Address>26011BDA</LoRa_Device_Address>"
                "<LoRa_JoinEUI>1</LoRa_JoinEUI><LoRa_Network_Session_Key>0102</LoRa_Network_Session_Key>"
                "<LoRa_Application_Session_Key>" + QString(40, 'F') + "</LoRa_Application_Session_Key>"
                "<LoRa_Application_Key>AABB</LoRa_Application_Key><LoRa_Adaptive_DataRate>1</LoRa_Adaptive_DataRate>"
                "<LoRa_Transmission_Type>Confirmed</LoRa_Transmission_Type><LoRa_Payload_Size>51</LoRa_Payload_Size>"
                "<LoRa_FPort>variable</LoRa_FPort><LoRa_Frequency_SubBand>2</LoRa_Frequency_SubBand>");
    Build();
    const QByteArray& b = Bank2_Buffer();
    EXPECT_EQ(Bytes(b, 0, 4), (std::vector<quint8>{9, 1, 0, 3}));
    EXPECT_EQ(Bytes(b, 4, 4), (std::vector<quint8>{0x26, 0x01, 0x1B, 0xDA}));
    EXPECT_EQ(Bytes(b, 8, 8), (std::vector<quint8>{0, 0, 0, 0, 0, 0, 0, 1}));
    std::vector<quint8> nwk(16, 0);
    nwk[15] = 0x02;
    nwk[14] = 0x01;
    EXPECT_EQ(Bytes(b, 16, 16), nwk);
    EXPECT_EQ(Bytes(b, 32, 16), std::vector<quint8>(16, 0xFF)); // longer text stops at the field
    EXPECT_EQ(Bytes(b, 48, 16), std::vector<quint8>(16, 0));     // key of the other method
    EXPECT_EQ(Bytes(b, 64, 4), (std::vector<quint8>{1, 1, 51, 1}));
    EXPECT_EQ(U32(b, 68), 1u);
    EXPECT_EQ(B2(84), 2);
}

TEST_F(ImageBuilder, OtaaKeepsOnlyTheApplicationKey)
{
    WriteParGen("<LoRa_Activation_Method>Over-The-Air Activation [OTAA]</LoRa_Activation_Method>"
                "<LoRa_Device_Address>26011BDA</LoRa_Device_Address><LoRa_Network_Session_Key>11</LoRa_Network_Session_Key>"
                "<LoRa_Application_Key>0G</LoRa_Application_Key><LoRa_FPort>Fixed</LoRa_FPort>");
    Build();
    const QByteArray& b = Bank2_Buffer();
    EXPECT_EQ(B2(2), 1);
    EXPECT_EQ(Bytes(b, 4, 4), std::vector<quint8>(4, 0));
    EXPECT_EQ(Bytes(b, 16, 32), std::vector<quint8>(32, 0));
    EXPECT_EQ(Bytes(b, 48, 16), std::vector<quint8>(16, 0)); // "0G" is not hexadecimal
    EXPECT_EQ(B2(3), 0); // the element is missing from an existing file
    EXPECT_EQ(B2(67), 0);
    EXPECT_EQ(B2(84), 1);
}

TEST(ImageBuilderCodes, TextToCodeTables)
{
    const std::pair<const char*, int> bands[] = {{"AS923", 0}, {"AU915", 1}, {"eu868", 5}, {"KR920", 6},
                                                 {"IN865", 7}, {" US915 ", 8}, {"US915-HYBRID", 9}, {"CN470", 0}};
    for (const auto& [text, code] : bands)
        EXPECT_EQ(LoRa_Band_Code(text), code) << text;

    const std::pair<const char*, int> conversions[] = {
        {"FLOAT", 1}, {"float * 10", 2}, {"FLOAT * 100", 3}, {"FLOAT / 10", 4}, {"FLOAT / 100", 5},
        {"FLOAT * 1000", 6}, {"FLOAT / 1000", 7}, {"INT * 1000", 8}, {"INT * 100", 9}, {"INT * 10", 10},
        {"FLOAT*10", 0}, {"None", 0}};
    for (const auto& [text, code] : conversions)
        EXPECT_EQ(SNMP_Conversion_Code(text), code) << text;

    EXPECT_EQ(LoRa_Confirmed_Code("Confirmed"), 1);
    EXPECT_EQ(LoRa_Confirmed_Code("confirmed"), 0);
    EXPECT_EQ(LoRa_Confirmed_Code(" Confirmed"), 0);
    EXPECT_EQ(Pad_Hex_Text("1", 4), "0001");
    EXPECT_EQ(Pad_Hex_Text("123456", 4), "123456");
}

TEST_F(ImageBuilder, UplinkAndDownlinkTables)
{
    WriteParGen("<LoRa_FPort>Variable</LoRa_FPort>");
    QString up;
    for (int i = 0; i < 10; ++i)
        up += QString("<row Enable=\"%1\" StartByte=\"%2\" NumByte=\"4\" OnChange=\"y\" OnCMD=\" Y\" OnTimer=\"Y\" Time=\"60\" FPort=\"%3\"/>")
                  .arg(i == 0 ? " y" : "Y").arg(i * 4).arg(10 + i);
    for (int i = 0; i < 5; ++i)
        up += "<row Enable=\"N\" StartByte=\"99\" NumByte=\"1\"/>";
    Write(File_LoRaWAN_SetAccess, "<LoRaWAN><LoRaWAN_Uplink>" + up + "<row StartByte=\"7\"/></LoRaWAN_Uplink>"
          "<LoRaWAN_Downlink><row Enable=\"Y\" StartByte=\"300\" NumByte=\"2\" Time=\"5\" OnChange=\"Y\"/></LoRaWAN_Downlink></LoRaWAN>");
    Build();
    const QByteArray& b = Bank2_Buffer();
    EXPECT_EQ(U16(b, 80), 11);
    EXPECT_EQ(U16(b, 82), 1);
    // First uplink entry at 0x400: StartByte 0, NumByte 4, flags OnChange + OnTimer, FPort 10, Time 60.
    EXPECT_EQ(Bytes(b, 0x400, 12), (std::vector<quint8>{0, 0, 4, 0, 0x05, 10, 0, 0, 60, 0, 0, 0}));
    // The row without Enable is taken, with the fallbacks of its missing attributes.
    EXPECT_EQ(Bytes(b, 0x400 + 10 * 12, 12), (std::vector<quint8>{7, 0, 0, 0, 0, 2, 0, 0, 30, 0, 0, 0}));
    EXPECT_EQ(Bytes(b, 0x400 + 11 * 12, 12), std::vector<quint8>(12, 0));
    EXPECT_EQ(Bytes(b, 0x1000, 12), (std::vector<quint8>{0x2C, 1, 2, 0, 0, 2, 0, 0, 0, 0, 0, 0}));
}

TEST_F(ImageBuilder, FixedFPortAndASmallerRebuild)
{
    auto rows = [](int count) {
        QString up;
        for (int i = 0; i < count; ++i)
            up += "<row Enable=\"Y\" StartByte=\"1\" NumByte=\"1\" FPort=\"9\"/>";
        return "<LoRaWAN><LoRaWAN_Uplink>" + up + "</LoRaWAN_Uplink><LoRaWAN_Downlink/></LoRaWAN>";
    };
    Write(File_LoRaWAN_SetAccess, rows(5));
    Build();
    EXPECT_EQ(B2(0x400 + 5), 2); // without a parameter file the FPort is fixed
    Write(File_LoRaWAN_SetAccess, rows(2));
    Build();
    EXPECT_EQ(U16(Bank2_Buffer(), 80), 2);
    EXPECT_EQ(Bytes(Bank2_Buffer(), 0x400 + 2 * 12, 3 * 12), std::vector<quint8>(36, 0));
}

TEST_F(ImageBuilder, TablesNeverGrowPastTheirEntries)
{
    QString up, traps;
    for (int i = 0; i < 300; ++i) {
        up += "<row Enable=\"Y\" StartByte=\"1\" NumByte=\"1\"/>";
        traps += "<row Enable=\"Y\" Position=\"1\" Type=\"INT\" NumBits=\"1\"/>";
    }
    Write(File_LoRaWAN_SetAccess, "<L><LoRaWAN_Uplink>" + up + "</LoRaWAN_Uplink><LoRaWAN_Downlink>" + up + "</LoRaWAN_Downlink></L>");
    Write(File_SNMP_Trap, "<S><SNMP_Trap_Read>" + traps + "</SNMP_Trap_Read><SNMP_Trap_Write>" + traps + "</SNMP_Trap_Write></S>");
    Build();
    EXPECT_EQ(U16(Bank2_Buffer(), 80), 256);
    EXPECT_EQ(U16(Bank2_Buffer(), 82), 256);
    EXPECT_EQ(Bytes(Bank2_Buffer(), 0x1C00, 1024), std::vector<quint8>(1024, 0));
    EXPECT_EQ(U32(Bank1_Buffer(), 0x59C), 256u);
    EXPECT_EQ(U32(Bank1_Buffer(), 0x5A0), 256u);
}

TEST_F(ImageBuilder, SnmpTrapTables)
{
    Write(File_SNMP_Trap,
          "<SNMP_Trap><SNMP_Trap_Read>"
          "<row Enable=\"y\" Community_Name=\"public\" Type=\"INT\" On_Change=\"Y\" On_Command=\"n\" On_Timer=\"y\""
          " Time=\"1000\" Position=\"3\" Bit=\"2\" NumBits=\"16\" Description=\"Temperature sensor 1\""
          " IP_Address=\"192.168.1.10\" Conversion=\"float * 10\"/>"
          "<row Enable=\" Y\" Position=\"9\"/>"
          "<row Position=\"9\"/>"
          "<row Enable=\"Y\" Type=\"Text\" NumBits=\"4\" IP_Address=\"10.0.x.1\"/>"
          "<row Enable=\"Y\" Type=\"Text\" NumBits=\"\"/>"
          "<row Enable=\"Y\" Type=\"Text\"/>"
          "</SNMP_Trap_Read><SNMP_Trap_Write>"
          "<row Enable=\"Y\" Community_Name=\"private\" Type=\"Bytes\" NumBits=\"2\" Time=\"5\" On_Change=\"Y\""
          " IP_Address=\"1.2.3.4\" Conversion=\"INT * 10\"/>"
          "</SNMP_Trap_Write></SNMP_Trap>");
    Build();
    const QByteArray& b = Bank2_Buffer();
    const int read = 0x2000, write = 0x5000;
    EXPECT_EQ(Bytes(b, read, 12), (std::vector<quint8>{3, 0, 2, 0, 16, 0, 2, 0x0D, 0xE8, 0x03, 0, 0}));
    EXPECT_EQ(Bytes(b, read + 12, 7), Bytes(QByteArray("public\0", 7), 0, 7));
    EXPECT_EQ(Bytes(b, read + 28, 16), Bytes(QByteArray("Temperature sens"), 0, 16));
    EXPECT_EQ(Bytes(b, read + 44, 4), (std::vector<quint8>{0x0A, 0x01, 0xA8, 0xC0}));
    EXPECT_EQ(U16(b, read + 48 + 4), 32);  // text type, NumBits 4
    EXPECT_EQ(Bytes(b, read + 48 + 44, 4), (std::vector<quint8>{1, 0, 0, 10}));
    EXPECT_EQ(U16(b, read + 96 + 4), 8);   // empty NumBits counts 1
    EXPECT_EQ(U16(b, read + 144 + 4), 0);  // missing NumBits
    EXPECT_EQ(Bytes(b, read + 192, 48), std::vector<quint8>(48, 0));
    EXPECT_EQ(U32(Bank1_Buffer(), 0x59C), 4u);

    EXPECT_EQ(Bytes(b, write, 12), (std::vector<quint8>{0, 0, 0, 0, 16, 0, 10, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Bytes(b, write + 44, 4), std::vector<quint8>(4, 0));
    EXPECT_EQ(U32(Bank1_Buffer(), 0x5A0), 1u);
}

TEST_F(ImageBuilder, BrokenProjectFilesStopTheBuild)
{
    const struct {
        QString path;
        QString content;
    } cases[] = {
        {File_ParGen, "<Par_Gen><LoRa_RF_Band>EU868</Par_Gen>"},
        {File_SNMP_Trap, "<SNMP_Trap><SNMP_Trap_Read/></SNMP_Trap>"},
        {File_LoRaWAN_SetAccess, "<LoRaWAN><LoRaWAN_Uplink/></LoRaWAN>"},
        {File_LoRaWAN_SetAccess, "not xml at all"},
    };
    for (const auto& c : cases) {
        QDir(Path_Project).removeRecursively();
        QDir().mkpath(Path_Project + "/bin");
        Write(c.path, c.content);
        QString error;
        EXPECT_FALSE(Compile_Bin_Banks(error)) << c.content.toStdString();
        EXPECT_TRUE(error.contains(QFileInfo(c.path).fileName())) << error.toStdString();
        EXPECT_FALSE(Save_Bin_Files(error));
        EXPECT_FALSE(QFile::exists(Path_Project + "/bin/bank1.bin"));
        EXPECT_FALSE(QFile::exists(Path_Project + "/bin/bank2.bin"));
    }
}

TEST_F(ImageBuilder, SaveWritesBothFilesOrReports)
{
    Build();
    QString error;
    ASSERT_TRUE(Save_Bin_Files(error)) << error.toStdString();
    QFile bank1(Path_Project + "/bin/bank1.bin");
    ASSERT_TRUE(bank1.open(QIODevice::ReadOnly));
    EXPECT_EQ(bank1.readAll(), Bank1_Buffer());
    EXPECT_EQ(QFileInfo(Path_Project + "/bin/bank2.bin").size(), Bank2_Size);

    QDir(Path_Project + "/bin").removeRecursively();
    EXPECT_FALSE(Save_Bin_Files(error));
    EXPECT_TRUE(error.contains("bank1.bin")) << error.toStdString();
}

} // namespace
