// Bank 2 from offset 8192: the SNMP trap read and write tables, from
// "SNMP_Trap.xml".

#include "app/communication/USaveBincc.h"
#include "app/communication/USaveBinccState.h"

#include "app/shell/UComon.h"
#include "platform/core/Files.h"
#include "platform/core/SysUtils.h"
#include "platform/xml/XmlDocument.h"

#include <algorithm>

using namespace savebin;

namespace {

constexpr int Trap_Entry_Size = 48;
constexpr int Trap_Part_Size = 2 * SNMP_Trap_Table_Entries * Trap_Entry_Size;

enum : quint8 { Flag_On_Change = 0x01, Flag_On_Command = 0x02, Flag_On_Timer = 0x04, Flag_Int = 0x08 };

bool IsYes(const platform::XmlElement& row, const QString& name)
{
    return row.HasAttribute(name) && UpperCase(row.Attribute(name)) == "Y";
}

// NumBits: a text that is not a number counts 1, a missing attribute 0; every
// type but INT gives a number of bytes, kept in bits.
quint16 SizeInBits(const platform::XmlElement& row, bool isInt)
{
    const qint64 bits = row.HasAttribute("NumBits") ? StrToInt64Def(row.Attribute("NumBits"), 1) : 0;
    return isInt ? quint16(bits) : quint16(bits * 8);
}

quint32 AddressNumber(const QString& text)
{
    quint8 a = 0, b = 0, c = 0, d = 0;
    IP_Address_To_Bytes(text, a, b, c, d);
    return quint32(a) << 24 | quint32(b) << 16 | quint32(c) << 8 | d;
}

TSNMP_Trap_Entry TrapEntry(const platform::XmlElement& row, bool readTable)
{
    TSNMP_Trap_Entry entry;
    StoreText(entry.Community_Name.data(), 16, row.Attribute("Community_Name"));
    const bool isInt = UpperCase(row.Attribute("Type")) == "INT";
    if (isInt)
        entry.Flags |= Flag_Int;
    if (readTable) {
        entry.Flags |= (IsYes(row, "On_Change") ? Flag_On_Change : 0) | (IsYes(row, "On_Command") ? Flag_On_Command : 0)
            | (IsYes(row, "On_Timer") ? Flag_On_Timer : 0);
        entry.Time = quint32(AttributeNumber(row, "Time", 0));
    }
    entry.Position = quint16(AttributeNumber(row, "Position", 0));
    entry.Bit = quint16(AttributeNumber(row, "Bit", 0));
    entry.Size_Bits = SizeInBits(row, isInt);
    StoreText(entry.Description.data(), 16, row.Attribute("Description"));
    if (readTable)
        entry.IP_Address = AddressNumber(row.Attribute("IP_Address"));
    entry.Conversion = quint8(SNMP_Conversion_Code(row.Attribute("Conversion")));
    return entry;
}

// Fills the table from the enabled rows; at most its 256 entries are filled.
quint32 ReadTrapTable(const platform::XmlElement& section, bool readTable,
                      std::array<TSNMP_Trap_Entry, SNMP_Trap_Table_Entries>& table)
{
    quint32 count = 0;
    for (const platform::XmlElement& row : section.Children()) {
        if (!IsYes(row, "Enable") || count >= SNMP_Trap_Table_Entries)
            continue;
        table[count++] = TrapEntry(row, readTable);
    }
    return count;
}

void WriteEntry(quint8* at, const TSNMP_Trap_Entry& e)
{
    Put16(at, e.Position);
    Put16(at + 2, e.Bit);
    Put16(at + 4, e.Size_Bits);
    at[6] = e.Conversion;
    at[7] = e.Flags;
    Put32(at + 8, e.Time);
    std::copy(e.Community_Name.begin(), e.Community_Name.end(), at + 12);
    std::copy(e.Description.begin(), e.Description.end(), at + 28);
    Put32(at + 44, e.IP_Address);
}

} // namespace

int SNMP_Conversion_Code(const QString& text)
{
    static const char* const codes[] = {"FLOAT",        "FLOAT * 10",   "FLOAT * 100", "FLOAT / 10",
                                        "FLOAT / 100",  "FLOAT * 1000", "FLOAT / 1000", "INT * 1000",
                                        "INT * 100",    "INT * 10"};
    const QString key = UpperCase(Trim(text));
    for (int i = 0; i < int(std::size(codes)); ++i) {
        if (key == QLatin1String(codes[i]))
            return i + 1;
    }
    return 0;
}

void Init_SNMP_Trap_Tables()
{
    BuilderState& state = State();
    state.trapRead.fill(TSNMP_Trap_Entry());
    state.trapWrite.fill(TSNMP_Trap_Entry());
    state.trapReadCount = state.trapWriteCount = 0;
}

bool Read_SNMP_Trap_For_Bank(QString& error)
{
    BuilderState& state = State();
    state.trapReadCount = state.trapWriteCount = 0;
    Put32(&state.bank1[0x59C], 0);
    Put32(&state.bank1[0x5A0], 0);
    Put32(&state.bank1[0x5A4], SNMP_Trap_Read_Device_Address);
    Put32(&state.bank1[0x5A8], SNMP_Trap_Write_Device_Address);
    if (!FileExists(File_SNMP_Trap))
        return true;

    platform::XmlDocument doc;
    if (!LoadProjectFile(File_SNMP_Trap, doc, error))
        return false;
    const platform::XmlElement read = doc.Root().Child("SNMP_Trap_Read");
    const platform::XmlElement write = doc.Root().Child("SNMP_Trap_Write");
    if (read.IsNull() || write.IsNull()) {
        error = MissingSectionError(File_SNMP_Trap, read.IsNull() ? "SNMP_Trap_Read" : "SNMP_Trap_Write");
        return false;
    }
    state.trapReadCount = ReadTrapTable(read, true, state.trapRead);
    state.trapWriteCount = ReadTrapTable(write, false, state.trapWrite);
    Put32(&state.bank1[0x59C], state.trapReadCount);
    Put32(&state.bank1[0x5A0], state.trapWriteCount);
    return true;
}

int Write_SNMP_Trap_Tables(int pos, QByteArray& out)
{
    if (out.size() < pos + Trap_Part_Size)
        out.resize(pos + Trap_Part_Size);
    quint8* at = reinterpret_cast<quint8*>(out.data()) + pos;
    for (const auto* table : {&State().trapRead, &State().trapWrite}) {
        for (const TSNMP_Trap_Entry& e : *table) {
            WriteEntry(at, e);
            at += Trap_Entry_Size;
        }
    }
    return pos + Trap_Part_Size;
}
