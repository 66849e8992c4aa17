#include "app/tables/network/s7/US7_Protocol_Set_AccessChecks.h"

#include "app/shell/UComon.h"
#include "app/tables/common/TableEditorFrame.h"
#include "platform/core/SysUtils.h"

namespace {

enum Column {
    PLC_Address = 2,
    PLC_Port = 3,
    PLC_Type = 4,
    Rack = 5,
    Slot = 6,
    Data_Type = 7,
    Data_Identifier = 8,
    DB_Number = 9,
    PLC_Area = 10,
    PLC_Add = 11,
    PLC_Bit = 12,
    PollTime = 13,
};

// The texts of a table's faults in the order of the checks.
struct TableFaults {
    int address, port, connection, type, rack, slot, dataType, identifier, db, area, add, bit, poll, position,
        startBit;
    int pollLow;
    int positionColumn;
};

constexpr TableFaults Read_Faults{5971, 5972, 5987, 5973, 6021, 6022, 5974, 5975, 6005, 6006, 6007, 6008,
                                  5976, 5977, 5978, 1, 14};
constexpr TableFaults Write_Faults{5979, 5980, 5988, 5981, 6023, 6024, 5982, 5983, 6009, 6010, 6011, 6012,
                                   5984, 5985, 5986, 0, 16};

bool Blank(const QStringList& cells, int column)
{
    return Trim(cells.value(column)).isEmpty();
}

bool NumberOutside(const QStringList& cells, int column, int low, int high)
{
    return Outside(Typed_Int(cells.value(column)), low, high);
}

// The address must be four dotted numbers exactly as typed: the shared
// reader forgives leading blanks in a part, the PLC connection does not.
bool BadAddress(const QString& text, quint8 (&bytes)[4])
{
    return text.contains(QChar(u' ')) || text.contains(QChar(u'\t'))
        || IP_Address_To_Bytes(text, bytes[0], bytes[1], bytes[2], bytes[3]);
}

} // namespace

int Check_IP_Port(TIPPortArray& connections, int IP1, int IP2, int IP3, int IP4, int Port)
{
    for (int i = 0; i < int(connections.size()); ++i) {
        TIPPort& entry = connections[i];
        if (entry.IP1 == -1) {
            entry = {IP1, IP2, IP3, IP4, Port};
            return i;
        }
        if (entry.IP1 == IP1 && entry.IP2 == IP2 && entry.IP3 == IP3 && entry.IP4 == IP4 && entry.Port == Port)
            return i;
    }
    return -1;
}

int S7_Row_Fault(const QStringList& cells, bool write, TIPPortArray& connections, int nbyte)
{
    const TableFaults& f = write ? Write_Faults : Read_Faults;
    quint8 bytes[4] = {0, 0, 0, 0};
    if (BadAddress(cells.value(PLC_Address), bytes))
        return f.address;
    const int port = Typed_Int(cells.value(PLC_Port));
    if (Outside(port, 0, 65535))
        return f.port;
    if (Check_IP_Port(connections, bytes[0], bytes[1], bytes[2], bytes[3], port) < 0)
        return f.connection;
    const std::pair<bool, int> checks[] = {
        {Blank(cells, PLC_Type), f.type},
        {NumberOutside(cells, Rack, 0, 3), f.rack},
        {NumberOutside(cells, Slot, 0, 31), f.slot},
        {Blank(cells, Data_Type), f.dataType},
        {Blank(cells, Data_Identifier), f.identifier},
        {NumberOutside(cells, DB_Number, 0, 65535), f.db},
        {Blank(cells, PLC_Area), f.area},
        {NumberOutside(cells, PLC_Add, 0, 65535), f.add},
        {Blank(cells, PLC_Bit), f.bit},
        {NumberOutside(cells, PollTime, f.pollLow, 100000000), f.poll},
        {NumberOutside(cells, f.positionColumn, 0, nbyte - 1), f.position},
        {Blank(cells, f.positionColumn + 1), f.startBit},
    };
    for (const auto& [failed, text] : checks) {
        if (failed)
            return text;
    }
    return 0;
}

bool S7_Position_Fault(int text)
{
    return text == Read_Faults.position || text == Write_Faults.position;
}
