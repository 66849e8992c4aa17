// Bank 2, first 8192 bytes: the LoRaWAN block and the uplink and downlink
// tables, from "ParGen.xml" and "LoRaWAN_SetAccess.xml".

#include "app/communication/USaveBincc.h"
#include "app/communication/USaveBinccState.h"

#include "app/shell/UComon.h"
#include "platform/core/Files.h"
#include "platform/core/SysUtils.h"
#include "platform/xml/XmlDocument.h"

#include <algorithm>

using namespace savebin;

namespace {

constexpr int LoRa_Block_Size = 88;
constexpr int LoRa_Block_Gap = 936;
constexpr int Access_Entry_Size = 12;
constexpr int LoRa_Part_Size = 8192;

// The value of one or two hexadecimal digits; anything else gives 0.
quint8 HexPair(const QString& pair)
{
    uint value = 0;
    for (const QChar c : pair) {
        const int digit = QStringLiteral("0123456789ABCDEF").indexOf(c.toUpper());
        if (digit < 0 || c.unicode() > 0x7F)
            return 0;
        value = value * 16 + uint(digit);
    }
    return quint8(value);
}

template <std::size_t N>
void HexToField(const QString& text, std::array<quint8, N>& field)
{
    for (std::size_t i = 0; i < N && int(2 * i) < text.size(); ++i)
        field[i] = HexPair(text.mid(int(2 * i), 2));
}

int DataRateNumber(const QString& text)
{
    const int dash = text.indexOf('-');
    if (dash < 0)
        return 0;
    return StrToIntDef(Trim(text.left(dash)), 0);
}

bool RowEnabled(const platform::XmlElement& row)
{
    return !row.HasAttribute("Enable") || UpperCase(Trim(row.Attribute("Enable"))) == "Y";
}

bool FlagSet(const platform::XmlElement& row, const QString& name)
{
    return UpperCase(row.Attribute(name)) == "Y";
}

TLoRaWAN_Access_Entry AccessEntry(const platform::XmlElement& row, bool uplink, bool variableFPort)
{
    TLoRaWAN_Access_Entry entry;
    entry.StartByte = quint16(AttributeNumber(row, "StartByte", 0));
    entry.NumByte = quint16(AttributeNumber(row, "NumByte", 0));
    if (uplink) {
        entry.Flags = (FlagSet(row, "OnChange") ? 0x01 : 0) | (FlagSet(row, "OnCMD") ? 0x02 : 0)
            | (FlagSet(row, "OnTimer") ? 0x04 : 0);
        entry.Time = quint32(AttributeNumber(row, "Time", 30));
    }
    entry.FPort = variableFPort ? quint8(AttributeNumber(row, "FPort", 2)) : 2;
    return entry;
}

// Fills the table from the enabled rows of the section; a table holds at most
// its 256 entries, further rows are left out.
quint16 ReadAccessTable(const platform::XmlElement& section, bool uplink,
                        std::array<TLoRaWAN_Access_Entry, LoRa_Table_Entries>& table)
{
    const bool variableFPort = State().loRa.FPort_Variable == 1;
    quint16 count = 0;
    for (const platform::XmlElement& row : section.Children()) {
        if (!RowEnabled(row) || count >= LoRa_Table_Entries)
            continue;
        table[count++] = AccessEntry(row, uplink, variableFPort);
    }
    return count;
}

quint8* PutBytes(quint8* at, const quint8* bytes, int count)
{
    return std::copy_n(bytes, count, at);
}

void WriteBlock(quint8* at)
{
    const TLoRaWAN_Block& b = State().loRa;
    at[0] = b.Band;
    at[1] = b.Network_Type;
    at[2] = b.Activation;
    at[3] = b.DataRate;
    PutBytes(at + 4, b.DevAddr.data(), 4);
    PutBytes(at + 8, b.JoinEUI.data(), 8);
    PutBytes(at + 16, b.NwkSKey.data(), 16);
    PutBytes(at + 32, b.AppSKey.data(), 16);
    PutBytes(at + 48, b.AppKey.data(), 16);
    at[64] = b.Adaptive_DataRate;
    at[65] = b.Confirmed;
    at[66] = b.Payload_Size;
    at[67] = b.FPort_Variable;
    Put32(at + 68, b.Transmit_Interval);
    Put32(at + 72, b.Uplink_Address);
    Put32(at + 76, b.Downlink_Address);
    Put16(at + 80, b.Uplink_Count);
    Put16(at + 82, b.Downlink_Count);
    at[84] = b.Frequency_SubBand;
    std::fill_n(at + 85, 3, quint8(0));
}

void WriteEntry(quint8* at, const TLoRaWAN_Access_Entry& entry)
{
    Put16(at, entry.StartByte);
    Put16(at + 2, entry.NumByte);
    at[4] = entry.Flags;
    at[5] = entry.FPort;
    at[6] = at[7] = 0;
    Put32(at + 8, entry.Time);
}

} // namespace

namespace savebin {

// The LoRaWAN elements of "ParGen.xml", each with its own fallback.
void ReadLoRaParameters(const platform::XmlElement& root)
{
    TLoRaWAN_Block& b = State().loRa;
    b.Band = quint8(LoRa_Band_Code(root.ChildText("LoRa_RF_Band")));
    b.Network_Type = quint8(LoRa_Network_Type_Code(root.ChildText("LoRa_Network_Type")));
    b.Adaptive_DataRate = quint8(ElementNumber(root, "LoRa_Adaptive_DataRate", 0));
    b.DataRate = quint8(DataRateNumber(root.ChildText("LoRa_DataRate")));
    b.Confirmed = quint8(LoRa_Confirmed_Code(root.ChildText("LoRa_Transmission_Type")));
    b.Payload_Size = quint8(ElementNumber(root, "LoRa_Payload_Size", 1));
    Hex_To_JoinEUI(Pad_Hex_Text(root.ChildText("LoRa_JoinEUI"), 16), b);
    b.Transmit_Interval = quint32(ElementNumber(root, "LoRa_Transmit_Interval", 1));

    b.Activation = quint8(LoRa_Activation_Code(root.ChildText("LoRa_Activation_Method")));
    if (b.Activation == 1) {
        Hex_To_AppKey(Pad_Hex_Text(root.ChildText("LoRa_Application_Key"), 32), b);
    } else {
        Hex_To_DevAddr(Pad_Hex_Text(root.ChildText("LoRa_Device_Address"), 8), b);
        Hex_To_NwkSKey(Pad_Hex_Text(root.ChildText("LoRa_Network_Session_Key"), 32), b);
        Hex_To_AppSKey(Pad_Hex_Text(root.ChildText("LoRa_Application_Session_Key"), 32), b);
    }

    if (UpperCase(Trim(root.ChildText("LoRa_FPort"))) == "VARIABLE")
        b.FPort_Variable = 1;
    b.Frequency_SubBand = quint8(ElementNumber(root, "LoRa_Frequency_SubBand", 1));
}

} // namespace savebin

int LoRa_Band_Code(const QString& text)
{
    static const struct {
        const char* name;
        int code;
    } bands[] = {{"AS923", 0}, {"AU915", 1}, {"EU868", 5}, {"KR920", 6},
                 {"IN865", 7}, {"US915", 8}, {"US915-HYBRID", 9}};
    const QString key = UpperCase(Trim(text));
    for (const auto& band : bands) {
        if (key == QLatin1String(band.name))
            return band.code;
    }
    return 0;
}

int LoRa_Network_Type_Code(const QString& text)
{
    return UpperCase(Trim(text)) == "PUBLIC" ? 1 : 0;
}

int LoRa_Activation_Code(const QString& text)
{
    return UpperCase(Trim(text)) == "OVER-THE-AIR ACTIVATION [OTAA]" ? 1 : 0;
}

int LoRa_Confirmed_Code(const QString& text)
{
    return text == "Confirmed" ? 1 : 0;
}

QString Pad_Hex_Text(const QString& text, int length)
{
    if (text.size() >= length)
        return text;
    return QString(length - text.size(), '0') + text;
}

void Hex_To_DevAddr(const QString& text, TLoRaWAN_Block& block)
{
    HexToField(text, block.DevAddr);
}

void Hex_To_JoinEUI(const QString& text, TLoRaWAN_Block& block)
{
    HexToField(text, block.JoinEUI);
}

void Hex_To_NwkSKey(const QString& text, TLoRaWAN_Block& block)
{
    HexToField(text, block.NwkSKey);
}

void Hex_To_AppSKey(const QString& text, TLoRaWAN_Block& block)
{
    HexToField(text, block.AppSKey);
}

void Hex_To_AppKey(const QString& text, TLoRaWAN_Block& block)
{
    HexToField(text, block.AppKey);
}

void Init_LoRa_Defaults()
{
    BuilderState& state = State();
    state.loRa = TLoRaWAN_Block();
    state.uplink.fill(TLoRaWAN_Access_Entry());
    state.downlink.fill(TLoRaWAN_Access_Entry());
}

bool Read_LoRa_Access_For_Bank(quint32 bank2Address, QString& error)
{
    TLoRaWAN_Block& b = State().loRa;
    b.Uplink_Address = bank2Address + 0x400;
    b.Downlink_Address = bank2Address + 0x1000;
    b.Uplink_Count = 0;
    b.Downlink_Count = 0;
    if (!FileExists(File_LoRaWAN_SetAccess))
        return true;

    platform::XmlDocument doc;
    if (!LoadProjectFile(File_LoRaWAN_SetAccess, doc, error))
        return false;
    const platform::XmlElement uplink = doc.Root().Child("LoRaWAN_Uplink");
    const platform::XmlElement downlink = doc.Root().Child("LoRaWAN_Downlink");
    if (uplink.IsNull() || downlink.IsNull()) {
        error = MissingSectionError(File_LoRaWAN_SetAccess, uplink.IsNull() ? "LoRaWAN_Uplink" : "LoRaWAN_Downlink");
        return false;
    }
    b.Uplink_Count = ReadAccessTable(uplink, true, State().uplink);
    b.Downlink_Count = ReadAccessTable(downlink, false, State().downlink);
    return true;
}

int Write_LoRa_Block(int pos, QByteArray& out)
{
    if (out.size() < pos + LoRa_Part_Size)
        out.resize(pos + LoRa_Part_Size);
    quint8* at = reinterpret_cast<quint8*>(out.data()) + pos;
    std::fill_n(at, LoRa_Part_Size, quint8(0));
    WriteBlock(at);
    quint8* entry = at + LoRa_Block_Size + LoRa_Block_Gap;
    for (const auto* table : {&State().uplink, &State().downlink}) {
        for (const TLoRaWAN_Access_Entry& e : *table) {
            WriteEntry(entry, e);
            entry += Access_Entry_Size;
        }
    }
    return pos + LoRa_Part_Size;
}
