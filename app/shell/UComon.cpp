#include "app/shell/UComon.h"

#include "platform/core/CodePages.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/SysUtils.h"

#include <QRegularExpression>

#include <cfloat>
#include <cmath>
#include <iterator>

namespace {

bool inRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

// Splits at the first `separator`: `head` gets the text before it, `rest`
// the text after it; false (nothing changed) when there is none.
bool splitAt(const QString& text, QChar separator, QString& head, QString& rest)
{
    const int p = text.indexOf(separator);
    if (p < 0)
        return false;
    head = text.left(p);
    rest = text.mid(p + 1);
    return true;
}

// A trimmed part read leniently, -1 when it is not a whole number.
int partValue(const QString& part)
{
    return StrToIntDef(Trim(part), -1);
}

} // namespace

// ---------------------------------------------------------------------------
// IPv4 addresses

bool Split_IP_Address(const QString& text, QString& A, QString& B, QString& C, QString& D)
{
    QString rest = Trim(text);
    QString head;
    QString* const parts[] = {&A, &B, &C};
    for (QString* part : parts) {
        if (!splitAt(rest, QLatin1Char('.'), head, rest))
            return false;
        *part = Trim(head);
        rest = Trim(rest);
    }
    D = rest;
    for (const QString* part : {&A, &B, &C, &D})
        if (!inRange(StrToIntDef(*part, 1000), 0, 255))
            return false;
    return true;
}

bool IP_Address_To_Bytes(const QString& text, quint8& B1, quint8& B2, quint8& B3, quint8& B4)
{
    if (text.isEmpty())
        return true;
    bool error = false;
    QString rest = text;
    quint8* const bytes[] = {&B1, &B2, &B3, &B4};
    for (int i = 0; i < 4; ++i) {
        const int dot = rest.indexOf(QLatin1Char('.'));
        // Without a further dot a middle part is empty, so it counts as an
        // error and the remaining text is read once more for the next byte.
        const QString part = i == 3 ? rest : rest.left(dot < 0 ? 0 : dot);
        const int value = StrToIntDef(part, -1);
        if (inRange(value, 0, 255)) {
            *bytes[i] = static_cast<quint8>(value);
        } else {
            *bytes[i] = 0;
            error = true;
        }
        if (dot >= 0)
            rest = rest.mid(dot + 1);
    }
    return error;
}

bool Split_IP_Address_Port(const QString& text, quint8& A, quint8& B, quint8& C, quint8& D,
                           quint16& Port)
{
    A = B = C = D = 0;
    Port = 0;
    if (text.isEmpty())
        return false;
    QString rest = text;
    QString head;
    int values[4];
    for (int i = 0; i < 3; ++i) {
        if (!splitAt(rest, QLatin1Char('.'), head, rest))
            return false;
        values[i] = partValue(head);
    }
    if (!splitAt(rest, QLatin1Char(':'), head, rest))
        return false;
    values[3] = partValue(head);
    const int port = partValue(rest);
    for (int value : values)
        if (!inRange(value, 0, 255))
            return false;
    if (!inRange(port, 0, 65535))
        return false;
    A = static_cast<quint8>(values[0]);
    B = static_cast<quint8>(values[1]);
    C = static_cast<quint8>(values[2]);
    D = static_cast<quint8>(values[3]);
    Port = static_cast<quint16>(port);
    return true;
}

// ---------------------------------------------------------------------------
// KNX addresses

namespace {

int knxWholeAddress(const QString& text)
{
    return inRange(partValue(text), 1, 65535) ? 0 : 1;
}

int knxGroupAddress(const QString& text)
{
    QString main;
    QString rest;
    if (!splitAt(text, QLatin1Char('/'), main, rest))
        return knxWholeAddress(text);
    const int mainValue = partValue(main);
    QString middle;
    QString sub;
    if (!splitAt(rest, QLatin1Char('/'), middle, sub)) {
        const int subValue = partValue(rest);
        const bool valid = inRange(mainValue, 0, 31) && inRange(subValue, 0, 2047)
                           && (mainValue != 0 || subValue != 0);
        return valid ? 0 : 1;
    }
    if (sub.contains(QLatin1Char('/')))
        return 1;
    const int middleValue = partValue(middle);
    const int subValue = partValue(sub);
    const bool valid = inRange(mainValue, 0, 31) && inRange(middleValue, 0, 7)
                       && inRange(subValue, 0, 255)
                       && (mainValue != 0 || middleValue != 0 || subValue != 0);
    return valid ? 0 : 1;
}

int knxIndividualAddress(const QString& text, bool allZeroAllowed)
{
    QString area;
    QString rest;
    if (!splitAt(text, QLatin1Char('.'), area, rest))
        return knxWholeAddress(text);
    const int areaValue = partValue(area);
    QString line;
    QString device;
    if (!splitAt(rest, QLatin1Char('.'), line, device)) {
        // area.line: the two parts have the ranges of the three-part form.
        const int lineValue = partValue(rest);
        const bool valid = inRange(areaValue, 0, 15) && inRange(lineValue, 0, 15)
                           && (allZeroAllowed || areaValue != 0 || lineValue != 0);
        return valid ? 0 : 1;
    }
    if (device.contains(QLatin1Char('.')))
        return 1;
    const int lineValue = partValue(line);
    const int deviceValue = partValue(device);
    const bool valid = inRange(areaValue, 0, 15) && inRange(lineValue, 0, 15)
                       && inRange(deviceValue, 0, 255)
                       && (allZeroAllowed || areaValue != 0 || lineValue != 0 || deviceValue != 0);
    return valid ? 0 : 1;
}

} // namespace

int Check_KNX_Address(const QString& text, bool G, bool Z)
{
    if (G)
        return text.contains(QLatin1Char('.')) ? 1 : knxGroupAddress(text);
    return text.contains(QLatin1Char('/')) ? 1 : knxIndividualAddress(text, Z);
}

bool Is_Group_Address(const QString& text)
{
    return !text.contains(QLatin1Char('.'));
}

// ---------------------------------------------------------------------------
// SNMP security texts

int SNMP_Security_Level_Code(const QString& text)
{
    const QString key = UpperCase(Trim(text));
    if (key == QLatin1String("AUTHORITY NOPRIVACY"))
        return 1;
    if (key == QLatin1String("AUTHORITY PRIVACY"))
        return 2;
    return 0;
}

int SNMP_Auth_Mode_Code(const QString& text)
{
    return UpperCase(Trim(text)) == QLatin1String("SHA") ? 1 : 0;
}

int SNMP_Priv_Mode_Code(const QString& text)
{
    return UpperCase(Trim(text)) == QLatin1String("AES") ? 1 : 0;
}

int SNMP_Security_Flags(const QString& text)
{
    const QString key = Trim(UpperCase(text));
    if (key == QLatin1String("AUTH NOPRIV"))
        return 1;
    if (key == QLatin1String("AUTH PRIV"))
        return 3;
    if (key.isEmpty())
        return -1;
    return 0;
}

// ---------------------------------------------------------------------------
// Object identifiers

int Check_OID_String(const QString& text)
{
    if (text.size() > 128)
        return 1;
    // An empty identifier names nothing: it is refused like a text without
    // digits.
    if (text.isEmpty())
        return 2;
    for (QChar c : text)
        if (c != QLatin1Char('.') && (c < QLatin1Char('0') || c > QLatin1Char('9')))
            return 2;
    if (text.startsWith(QLatin1Char('.')))
        return 3;
    if (text.endsWith(QLatin1Char('.')))
        return 4;
    if (text.contains(QLatin1String("..")))
        return 5;
    for (const QString& component : text.split(QLatin1Char('.'))) {
        quint64 value = 0;
        for (QChar c : component) {
            value = value * 10 + static_cast<quint64>(c.unicode() - '0');
            if (value > 4294967295ULL)
                return 6;
        }
    }
    return 0;
}

// ---------------------------------------------------------------------------
// Decimal numbers

QChar Get_Decimal_Separator()
{
    return platform::NumberDecimalSeparator();
}

namespace {

// A decimal number in the user's format: blanks around, an optional sign,
// digits with at most one decimal separator (the user's), an optional
// exponent. No thousand separators.
bool userNumber(const QString& text, double& value)
{
    const QChar separator = FormatSettings().DecimalSeparator;
    const QString s = Trim(text);
    const QString sep = QRegularExpression::escape(QString(separator));
    const QRegularExpression pattern(QStringLiteral("^[+-]?(\\d+(%1\\d*)?|%1\\d+)([eE][+-]?\\d+)?$")
                                         .arg(sep));
    if (!pattern.match(s).hasMatch())
        return false;
    QString cLocale = s;
    cLocale.replace(separator, QLatin1Char('.'));
    bool ok = false;
    value = cLocale.toDouble(&ok);
    return ok && std::isfinite(value);
}

} // namespace

bool Str_To_Float_Sep(const QString& text, QChar separator, float& V)
{
    QString s = text;
    if (separator == QLatin1Char('.'))
        s.replace(QLatin1Char(','), QLatin1Char('.'));
    else
        s.replace(QLatin1Char('.'), QLatin1Char(','));
    double value = 0;
    if (!userNumber(s, value) || std::fabs(value) > FLT_MAX) {
        V = 1;
        return false;
    }
    V = static_cast<float>(value);
    return true;
}

// ---------------------------------------------------------------------------
// OPC UA texts and codes

namespace {

QString textOf(const char* const* texts, int count, int code, const QString& def)
{
    return code >= 0 && code < count ? QString::fromLatin1(texts[code]) : def;
}

int codeOf(const char* const* texts, int count, const QString& text, int def)
{
    for (int i = 0; i < count; ++i)
        if (text == QLatin1String(texts[i]))
            return i;
    return def;
}

const char* const kDataTypes[] = {"Boolean", "Int8",   "UInt8",  "Int16",    "UInt16",
                                  "Int32",   "UInt32", "Int64",  "UInt64",   "Float",
                                  "Double",  "String", "DateTime", "Guid", "ByteString"};
const char* const kAuths[] = {"Anonymous", "Username and Password"};
const char* const kSecurityModes[] = {"None", "Sign"};
const char* const kSecurityPolicies[] = {"None", "Basic 128 RSA 15", "Basic 256",
                                         "Basic 256 SHA 256", "AES 128 SHA 256 RSA OAEP"};

QString zeroTerminated(const char* text)
{
    return text ? StringFromAnsi(QByteArray(text)) : QString();
}

QString hex(quint64 value, int digits)
{
    return IntToHex(value, digits);
}

} // namespace

QString OPC_UA_Node_Type_Text(int code)
{
    switch (code) {
    case 0: return QStringLiteral("Numeric");
    case 3: return QStringLiteral("String");
    case 4: return QStringLiteral("Guid");
    case 5: return QStringLiteral("ByteString");
    default: return QString();
    }
}

int OPC_UA_Node_Type_Code(const QString& text)
{
    const QString key = UpperCase(text);
    if (key == QLatin1String("STRING"))
        return 3;
    if (key == QLatin1String("GUID"))
        return 4;
    if (key == QLatin1String("BYTESTRING"))
        return 5;
    return 0;
}

QString OPC_UA_Node_Id_Text(opcua_structure R)
{
    switch (R.identifierType) {
    case 0:
        return IntToStr(R.numeric);
    case 3:
        return zeroTerminated(R.stringname);
    case 4: {
        QString text = hex(R.guide1, 8) + QLatin1Char('-') + hex(R.guide2, 4) + QLatin1Char('-')
                       + hex(R.guide3, 4) + QLatin1Char('-') + hex(R.guide4[0], 2)
                       + hex(R.guide4[1], 2) + QLatin1Char('-');
        for (int i = 2; i < 8; ++i)
            text += hex(R.guide4[i], 2);
        return text;
    }
    case 5:
        return zeroTerminated(R.byteString);
    default:
        return QString();
    }
}

QString OPC_UA_Data_Type_Text(int code)
{
    return textOf(kDataTypes, std::size(kDataTypes), code, QString());
}

QString OPC_UA_Auth_Text(int code)
{
    return textOf(kAuths, std::size(kAuths), code, QStringLiteral("Certificate"));
}

int OPC_UA_Auth_Code(const QString& text)
{
    return codeOf(kAuths, std::size(kAuths), text, 2);
}

QString OPC_UA_Security_Mode_Text(int code)
{
    return textOf(kSecurityModes, std::size(kSecurityModes), code, QStringLiteral("Sign and Encrypt"));
}

int OPC_UA_Security_Mode_Code(const QString& text)
{
    return codeOf(kSecurityModes, std::size(kSecurityModes), text, 2);
}

QString OPC_UA_Security_Policy_Text(int code)
{
    return textOf(kSecurityPolicies, std::size(kSecurityPolicies), code,
                  QStringLiteral("AES 256 SHA 256 RSA PSS"));
}

int OPC_UA_Security_Policy_Code(const QString& text)
{
    return codeOf(kSecurityPolicies, std::size(kSecurityPolicies), text, 5);
}

// ---------------------------------------------------------------------------
// Fixed values

int Default_Eng_Unit()
{
    return 95; // BACnet engineering unit "no units"
}

int Get_XML_Code_Dev()
{
    // This product defines no device code for the scan window; -1 selects
    // none of the device-specific variants.
    return -1;
}

int Get_Scan_Form_Type()
{
    return 0;
}
