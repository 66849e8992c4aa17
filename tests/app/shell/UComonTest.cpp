#include "app/shell/UComon.h"

#include "platform/core/FormatSettings.h"
#include "tests/support/TempExeFolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cstring>

namespace {

TFormatSettings settingsWithSeparator(QChar separator)
{
    TFormatSettings settings = FormatSettings();
    settings.DecimalSeparator = separator;
    settings.ThousandSeparator = separator == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    return settings;
}

} // namespace

TEST(SplitIPAddress, AcceptsFourPartsFrom0To255)
{
    const struct {
        const char* text;
        bool ok;
        const char* parts[4];
    } cases[] = {
        {"192.168.2.205", true, {"192", "168", "2", "205"}},
        {"  10 . 0 . 0 . 1  ", true, {"10", "0", "0", "1"}},
        {"\t10.0.0.1\n", true, {"10", "0", "0", "1"}},
        {"0.0.0.0", true, {"0", "0", "0", "0"}},
        {"255.255.255.255", true, {"255", "255", "255", "255"}},
        {"$A.0x0B.0.1", true, {"$A", "0x0B", "0", "1"}},
    };
    for (const auto& c : cases) {
        QString a, b, cc, d;
        ASSERT_EQ(Split_IP_Address(QString::fromLatin1(c.text), a, b, cc, d), c.ok) << c.text;
        EXPECT_EQ(QStringList({a, b, cc, d}),
                  QStringList({c.parts[0], c.parts[1], c.parts[2], c.parts[3]}))
            << c.text;
    }
}

TEST(SplitIPAddress, RefusesMissingPartsAndValuesOutOfRange)
{
    for (const char* text : {"", "10", "10.0", "10.0.0", "10.0.0.256", "10.0.0.1.5", "10.0.0.-1",
                             "10.0..1", "a.b.c.d", "10.0.0.1x", "1000.0.0.1"}) {
        QString a, b, c, d;
        EXPECT_FALSE(Split_IP_Address(QString::fromLatin1(text), a, b, c, d)) << text;
    }
}

TEST(IPAddressToBytes, ReportsErrorsPerByteAndGoesOn)
{
    const struct {
        const char* text;
        bool error;
        quint8 bytes[4];
    } cases[] = {
        {"192.168.1.10", false, {192, 168, 1, 10}},
        {"10.0.x.1", true, {10, 0, 0, 1}},
        // the third part is missing: its byte is 0 and the last part is read again
        {"192.168.1", true, {192, 168, 0, 1}},
        {"10.0.0.256", true, {10, 0, 0, 0}},
        {" 10.0.0.1", false, {10, 0, 0, 1}},   // leading blanks are read over
        {"10.0.0.1 ", true, {10, 0, 0, 0}},    // trailing blanks are not
        {"10.0.0.1.7", true, {10, 0, 0, 0}},   // "1.7" is not a number
    };
    for (const auto& c : cases) {
        quint8 b[4] = {99, 99, 99, 99};
        EXPECT_EQ(IP_Address_To_Bytes(QString::fromLatin1(c.text), b[0], b[1], b[2], b[3]), c.error)
            << c.text;
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(b), 4),
                  QByteArray(reinterpret_cast<const char*>(c.bytes), 4))
            << c.text;
    }
}

TEST(IPAddressToBytes, EmptyTextIsAnErrorAndLeavesTheBytes)
{
    quint8 b1 = 1, b2 = 2, b3 = 3, b4 = 4;
    EXPECT_TRUE(IP_Address_To_Bytes(QString(), b1, b2, b3, b4));
    EXPECT_EQ(QList<int>({b1, b2, b3, b4}), QList<int>({1, 2, 3, 4}));
}

TEST(SplitIPAddressPort, WritesAllOrNothing)
{
    const struct {
        const char* text;
        bool ok;
        int values[5];
    } cases[] = {
        {"192.168.0.10:502", true, {192, 168, 0, 10, 502}},
        {" 192 . 168 . 0 . 10 : 65535 ", true, {192, 168, 0, 10, 65535}},
        {"0.0.0.0:0", true, {0, 0, 0, 0, 0}},
        {"192.168.0.10", false, {0, 0, 0, 0, 0}},
        {"192.168.0.10:70000", false, {0, 0, 0, 0, 0}},
        {"192.168.0.256:80", false, {0, 0, 0, 0, 0}},
        {"192.168.0:80", false, {0, 0, 0, 0, 0}},
        {"192.168.0.10:", false, {0, 0, 0, 0, 0}},
        {"", false, {0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        quint8 a = 7, b = 7, cc = 7, d = 7;
        quint16 port = 7;
        EXPECT_EQ(Split_IP_Address_Port(QString::fromLatin1(c.text), a, b, cc, d, port), c.ok) << c.text;
        EXPECT_EQ(QList<int>({a, b, cc, d, port}),
                  QList<int>({c.values[0], c.values[1], c.values[2], c.values[3], c.values[4]}))
            << c.text;
    }
}

TEST(CheckKNXAddress, GroupAndIndividualForms)
{
    const struct {
        const char* text;
        bool group;
        bool allZero;
        int result;
    } cases[] = {
        // group addresses
        {"1/2/3", true, true, 0},
        {"0/0/0", true, true, 1},
        {"31/7/255", true, false, 0},
        {"32/0/1", true, false, 1},
        {"1/8/1", true, false, 1},
        {"1/1/256", true, false, 1},
        {"1/1/1/1", true, false, 1},
        {"31/2047", true, false, 0},
        {"32/0", true, false, 1},
        {"0/0", true, true, 1},
        {"0/1", true, false, 0},
        {"1/2048", true, false, 1},
        {" 1 / 2 / 3 ", true, false, 0},
        {"1.1", true, false, 1},
        {"1", true, false, 0},
        {"65535", true, false, 0},
        {"0", true, true, 1},
        {"65536", true, false, 1},
        {"x/1", true, false, 1},
        // individual addresses
        {"1.1.20", false, false, 0},
        {"0.0.0", false, true, 0},
        {"0.0.0", false, false, 1},
        {"15.15.255", false, false, 0},
        {"16.1.1", false, false, 1},
        {"1.16.1", false, false, 1},
        {"1.1.256", false, false, 1},
        {"1.1.1.1", false, false, 1},
        {"1/1", false, false, 1},
        {"1234", false, false, 0},
        {"0", false, true, 1},
        // area.line: its parts are checked like the three-part form
        {"1.1", false, false, 0},
        {"15.15", false, false, 0},
        {"230.240", false, true, 1},
        {"1.16", false, true, 1},
        {"0.0", false, true, 0},
        {"0.0", false, false, 1},
        {"a.1", false, true, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Check_KNX_Address(QString::fromLatin1(c.text), c.group, c.allZero), c.result)
            << c.text << " group " << c.group << " all-zero " << c.allZero;
}

TEST(CheckKNXAddress, GroupAddressIsATextWithoutDot)
{
    EXPECT_TRUE(Is_Group_Address(QStringLiteral("1/2/3")));
    EXPECT_TRUE(Is_Group_Address(QStringLiteral("1234")));
    EXPECT_FALSE(Is_Group_Address(QStringLiteral("1.1.1")));
}

TEST(SNMPCodes, MapTrimmedUpperCaseTexts)
{
    const struct {
        int (*routine)(const QString&);
        const char* text;
        int code;
    } cases[] = {
        {SNMP_Security_Level_Code, "Authority NoPrivacy", 1},
        {SNMP_Security_Level_Code, "  AUTHORITY PRIVACY ", 2},
        {SNMP_Security_Level_Code, "No Authority No Privacy", 0},
        {SNMP_Security_Level_Code, "", 0},
        {SNMP_Auth_Mode_Code, " sha ", 1},
        {SNMP_Auth_Mode_Code, "MD5", 0},
        {SNMP_Priv_Mode_Code, "Aes", 1},
        {SNMP_Priv_Mode_Code, "DES", 0},
        {SNMP_Security_Flags, "", -1},
        {SNMP_Security_Flags, "   ", -1},
        {SNMP_Security_Flags, " auth priv ", 3},
        {SNMP_Security_Flags, "Auth NoPriv", 1},
        {SNMP_Security_Flags, "noauth nopriv", 0},
        {SNMP_Security_Flags, "AUTH  PRIV", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.routine(QString::fromLatin1(c.text)), c.code) << c.text;
}

TEST(CheckOIDString, FirstFailingRuleGivesTheCode)
{
    const struct {
        QString text;
        int code;
    } cases[] = {
        {QStringLiteral("1.3.6.1.4.1"), 0},
        {QStringLiteral("1"), 0},
        {QStringLiteral("1.3.4294967295"), 0},
        {QStringLiteral("1.3.000000000000000000000000004294967295"), 0},
        {QString(128, QLatin1Char('1')), 6},
        {QString(129, QLatin1Char('1')), 1},
        {QStringLiteral("1.3.a"), 2},
        {QStringLiteral("1. 3"), 2},
        {QStringLiteral(".1.3"), 3},
        {QStringLiteral("1.3."), 4},
        {QStringLiteral("."), 3},
        {QStringLiteral("1..3"), 5},
        {QStringLiteral("1.3.4294967296"), 6},
        {QStringLiteral("1.99999999999999999999999.3"), 6},
        {QString(), 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Check_OID_String(c.text), c.code) << c.text.toStdString();
}

TEST(DecimalSeparator, IsCommaOrPointElseComma)
{
    const struct {
        QChar user;
        QChar result;
    } cases[] = {
        {QLatin1Char('.'), QLatin1Char('.')},
        {QLatin1Char(','), QLatin1Char(',')},
        {QChar(0x066B), QLatin1Char(',')},
        {QLatin1Char(' '), QLatin1Char(',')},
    };
    for (const auto& c : cases) {
        platform::ScopedFormatSettings user(settingsWithSeparator(c.user));
        EXPECT_EQ(Get_Decimal_Separator(), c.result) << int(c.user.unicode());
    }
}

TEST(StrToFloatSep, ReadsEitherSeparatorInTheUsersFormat)
{
    const struct {
        QChar user;
        const char* text;
        QChar separator;
        bool ok;
        float value;
    } cases[] = {
        {QLatin1Char('.'), "12,5", QLatin1Char('.'), true, 12.5f},
        {QLatin1Char('.'), "12.5", QLatin1Char('.'), true, 12.5f},
        {QLatin1Char('.'), " -0.25 ", QLatin1Char('.'), true, -0.25f},
        {QLatin1Char('.'), "1e3", QLatin1Char('.'), true, 1000.0f},
        {QLatin1Char(','), "12.5", QLatin1Char(','), true, 12.5f},
        {QLatin1Char(','), "7", QLatin1Char(','), true, 7.0f},
        // the text is turned towards the given separator, the number read in
        // the user's format
        {QLatin1Char('.'), "12.5", QLatin1Char(','), false, 1.0f},
        {QLatin1Char('.'), "abc", QLatin1Char('.'), false, 1.0f},
        {QLatin1Char('.'), "", QLatin1Char('.'), false, 1.0f},
        {QLatin1Char('.'), "1.2.3", QLatin1Char('.'), false, 1.0f},
        {QLatin1Char('.'), "1e39", QLatin1Char('.'), false, 1.0f},
        {QLatin1Char('.'), "-1e39", QLatin1Char('.'), false, 1.0f},
        {QLatin1Char('.'), "inf", QLatin1Char('.'), false, 1.0f},
    };
    for (const auto& c : cases) {
        platform::ScopedFormatSettings user(settingsWithSeparator(c.user));
        float value = 42.0f;
        EXPECT_EQ(Str_To_Float_Sep(QString::fromLatin1(c.text), c.separator, value), c.ok) << c.text;
        EXPECT_FLOAT_EQ(value, c.value) << c.text;
    }
}

TEST(OPCUATexts, CodesAndTextsBothWays)
{
    EXPECT_EQ(OPC_UA_Node_Type_Text(0), QStringLiteral("Numeric"));
    EXPECT_EQ(OPC_UA_Node_Type_Text(3), QStringLiteral("String"));
    EXPECT_EQ(OPC_UA_Node_Type_Text(4), QStringLiteral("Guid"));
    EXPECT_EQ(OPC_UA_Node_Type_Text(5), QStringLiteral("ByteString"));
    EXPECT_EQ(OPC_UA_Node_Type_Text(1), QString());
    EXPECT_EQ(OPC_UA_Node_Type_Code(QStringLiteral("guid")), 4);
    EXPECT_EQ(OPC_UA_Node_Type_Code(QStringLiteral("ByteString")), 5);
    EXPECT_EQ(OPC_UA_Node_Type_Code(QStringLiteral("STRING")), 3);
    EXPECT_EQ(OPC_UA_Node_Type_Code(QStringLiteral(" string")), 0);

    const char* dataTypes[] = {"Boolean", "Int8", "UInt8", "Int16", "UInt16",
                               "Int32", "UInt32", "Int64", "UInt64", "Float",
                               "Double", "String", "DateTime", "Guid", "ByteString"};
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(OPC_UA_Data_Type_Text(i), QLatin1String(dataTypes[i]));
    EXPECT_EQ(OPC_UA_Data_Type_Text(15), QString());
    EXPECT_EQ(OPC_UA_Data_Type_Text(-1), QString());

    const struct {
        QString (*text)(int);
        int (*code)(const QString&);
        QStringList texts; // the last one is the text of every other code
    } maps[] = {
        {OPC_UA_Auth_Text, OPC_UA_Auth_Code,
         {"Anonymous", "Username and Password", "Certificate"}},
        {OPC_UA_Security_Mode_Text, OPC_UA_Security_Mode_Code, {"None", "Sign", "Sign and Encrypt"}},
        {OPC_UA_Security_Policy_Text, OPC_UA_Security_Policy_Code,
         {"None", "Basic 128 RSA 15", "Basic 256", "Basic 256 SHA 256", "AES 128 SHA 256 RSA OAEP",
          "AES 256 SHA 256 RSA PSS"}},
    };
    for (const auto& map : maps) {
        const int last = static_cast<int>(map.texts.size()) - 1;
        for (int code = 0; code <= last; ++code) {
            EXPECT_EQ(map.text(code), map.texts[code]);
            EXPECT_EQ(map.code(map.texts[code]), code);
        }
        EXPECT_EQ(map.text(last + 1), map.texts[last]);
        EXPECT_EQ(map.text(-1), map.texts[last]);
        // exact comparison: case and blanks count
        EXPECT_EQ(map.code(map.texts[0].toLower()), last);
        EXPECT_EQ(map.code(map.texts[0] + QLatin1Char(' ')), last);
    }
}

TEST(OPCUANodeId, TextOfEachIdentifierType)
{
    opcua_structure r;
    std::memset(&r, 0, sizeof r);
    r.numeric = 4000000000u;
    r.stringname = "Temperature\xB0";
    r.byteString = "bytes";
    r.guide1 = 0x0A1B2C3D;
    r.guide2 = 0x00EF;
    r.guide3 = 0xABCD;
    const quint8 data4[8] = {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};
    std::memcpy(r.guide4, data4, 8);

    const struct {
        quint16 type;
        QString text;
    } cases[] = {
        {0, QStringLiteral("4000000000")},
        {3, QStringLiteral("Temperature\u00B0")},
        {4, QStringLiteral("0A1B2C3D-00EF-ABCD-0123-456789ABCDEF")},
        {5, QStringLiteral("bytes")},
        {1, QString()},
        {6, QString()},
    };
    for (const auto& c : cases) {
        r.identifierType = c.type;
        EXPECT_EQ(OPC_UA_Node_Id_Text(r), c.text) << c.type;
    }
    r.identifierType = 3;
    r.stringname = nullptr;
    EXPECT_EQ(OPC_UA_Node_Id_Text(r), QString());
}

TEST(FixedValues, ForTheScanAndTheEngineeringUnit)
{
    EXPECT_EQ(Default_Eng_Unit(), 95);
    EXPECT_EQ(Get_Scan_Form_Type(), 0);
    EXPECT_EQ(Get_XML_Code_Dev(), -1);
}

TEST(COMPortList, ListsTheSerialDevicesInNameOrder)
{
    for (const char* name : {"ttyUSB1", "ttyS10", "ttyS2", "ttyACM0", "ttyUSB0", "tty0", "ttyX1",
                             "console"})
        testsupport::WriteTestFile(QStringLiteral("dev/") + QLatin1String(name), QByteArray());
    const QString dev = testsupport::TestFolder() + QLatin1String("/dev");
    EXPECT_EQ(Get_COM_Port_List(dev), QStringList({dev + "/ttyACM0", dev + "/ttyS2", dev + "/ttyS10",
                                                   dev + "/ttyUSB0", dev + "/ttyUSB1"}));
}

TEST(COMPortList, EmptyWhenNothingIsThere)
{
    EXPECT_TRUE(Get_COM_Port_List(testsupport::TestFolder() + QLatin1String("/missing")).isEmpty());
    // The real list holds device paths only.
    for (const QString& port : Get_COM_Port_List())
        EXPECT_TRUE(port.startsWith(QLatin1String("/dev/tty"))) << port.toStdString();
}
