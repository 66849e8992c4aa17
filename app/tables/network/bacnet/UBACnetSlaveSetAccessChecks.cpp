#include "app/tables/network/bacnet/UBACnetSlaveSetAccessChecks.h"

#include "app/shell/ULanguage.h"
#include "app/tables/common/TableEditorFrame.h"
#include "platform/core/SysUtils.h"

#include <span>

namespace {

constexpr int Unit_Column = 2;
constexpr int Position_Column = 3;
constexpr int Bit_Column = 4;
constexpr int Length_Column = 5;

// A data type of a page: a binary type needs its start bit and takes one
// byte; the others take Length bytes within low..high, reported with
// `lengthFault` (0: any Length).
struct ServerDataType {
    const char* name;
    bool binary;
    int low, high, lengthFault;
};

constexpr ServerDataType Read_Types[] = {
    {"Analog Input", false, 1, 4, 1535},
    {"Analog Value", false, 1, 4, 1538},
    {"Binary Input", true, 0, 0, 0},
    {"Binary Value", true, 0, 0, 0},
    {"Positive Integer Value", false, 1, 4, 1536},
    {"Large Analog Value", false, 1, 8, 1537},
    {"Integer Value", false, 0, 0, 0},
    {"Multi State Input", false, 1, 4, 1539},
    {"Multi State Value", false, 1, 4, 1540},
    {"Life Safety Point", false, 1, 2, 1541},
    {"Life Safety Zone", false, 1, 2, 1542},
    {"Access Door", false, 1, 1, 1543},
    {"Accumulator", false, 1, 4, 1544},
};

constexpr ServerDataType Write_Types[] = {
    {"Analog Out", false, 1, 4, 1549},
    {"Analog Value", false, 1, 4, 1550},
    {"Binary Out", true, 0, 0, 0},
    {"Binary Value", true, 0, 0, 0},
    {"Positive Integer Value", false, 1, 4, 1551},
    {"Large Analog Value", false, 1, 8, 1552},
    {"Integer Value", false, 1, 4, 1553},
    {"Multi State Output", false, 1, 4, 1554},
    {"Multi State Value", false, 1, 4, 1555},
    {"Access Door", false, 1, 1, 1556},
};

// The texts of a page's faults.
struct PageFaults {
    int unit, position, bit, bytes;
};
constexpr PageFaults Read_Faults{1533, 1534, 1545, 1546};
constexpr PageFaults Write_Faults{1547, 1548, 1557, 1558};

std::span<const ServerDataType> Types(TBACnetDirection direction)
{
    if (direction == TBACnetDirection::Read)
        return Read_Types;
    return Write_Types;
}

const ServerDataType* FindType(const QString& name, TBACnetDirection direction)
{
    for (const ServerDataType& type : Types(direction)) {
        if (name == QLatin1String(type.name))
            return &type;
    }
    return nullptr;
}

} // namespace

QStringList BACnet_Server_Data_Types(TBACnetDirection direction)
{
    QStringList names;
    for (const ServerDataType& type : Types(direction))
        names << QLatin1String(type.name);
    return names;
}

QString BACnet_Server_Default_Length(const QString& selection)
{
    const QString type = UpperCase(selection);
    for (const char* four : {"ANALOG OUT", "ANALOG VALUE", "POSITIVE INTEGER VALUE", "INTEGER VALUE",
                             "MULTI STATE OUTPUT", "MULTI STATE VALUE"}) {
        if (type == QLatin1String(four))
            return QStringLiteral("4");
    }
    for (const char* one : {"BINARY OUT", "BINARY VALUE", "ACCESS DOOR", "OCTET STRING"}) {
        if (type == QLatin1String(one))
            return QStringLiteral("1");
    }
    return type == QLatin1String("LARGE ANALOG VALUE") ? QStringLiteral("8") : QString();
}

QString BACnet_Server_Row_Fault(const QStringList& cells, TBACnetDirection direction, int nbyte)
{
    const PageFaults& faults = direction == TBACnetDirection::Read ? Read_Faults : Write_Faults;
    if (!WholeIn(cells.value(Unit_Column), 0, 65535))
        return Lang_Texts[faults.unit];
    int position = 0;
    if (!TryStrToInt(cells.value(Position_Column), position) || Outside(position, 0, nbyte - 1))
        return Lang_Texts[faults.position] + QString::number(nbyte - 1);

    const ServerDataType* type = FindType(cells.value(1), direction);
    qint64 last = position;
    if (type && type->binary) {
        if (Trim(cells.value(Bit_Column)).isEmpty())
            return Lang_Texts[faults.bit];
    } else {
        const int length = StrToIntDef(cells.value(Length_Column), 0);
        if (type && type->lengthFault && Outside(length, type->low, type->high))
            return Lang_Texts[type->lengthFault];
        last = qint64(position) + length - 1;
    }
    return last < nbyte ? QString() : Lang_Texts[faults.bytes];
}
