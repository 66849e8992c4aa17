#include "app/tables/network/bacnet/UBACnetAccessChecks.h"

#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/tables/common/TableEditorFrame.h"
#include "platform/core/SysUtils.h"

#include <functional>
#include <initializer_list>

namespace {

constexpr int Present_Value = 100;
constexpr int Proprietary_Property = 200;
constexpr int No_Data_Type_Rule = 1000;

bool Is(int code, std::initializer_list<int> codes)
{
    for (int c : codes) {
        if (c == code)
            return true;
    }
    return false;
}

bool Proprietary(int code)
{
    return code >= 128 && code <= 1023;
}

// Where a row's cells stand and which texts tell its faults.
struct RowLayout {
    int objectType, dataType, instance, property, priority, nbyte;
    int enDest, dNet, dLen, dAdd, timer, pollTime, maxErr;
    int ipFault, slaveFault, objectFault, instanceFault, propertyFault, nbyteFault, pollFault, maxErrFault;
    int dNetFault, dLenFault, dAdd1Fault, dAdd2Fault, dAdd6Fault, dLenListFault;
    int byteRangeFault, tooManyFault, tooFewFault;
};

constexpr RowLayout Read_Layout{3, -1, 4, 5, -1, 6, 7, 8, 9, 10, -1, 11, 12,
                                1338, 1339, 1340, 1341, 1342, 1343, 1344, 1345,
                                1370, 1371, 1372, 1373, 1374, 1386, 1382, 1384, 1388};
constexpr RowLayout Write_Layout{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16,
                                 1347, 1348, 1349, 1350, 1351, 1354, 1355, 1356,
                                 1375, 1376, 1377, 1378, 1379, 1387, 1383, 1385, 1389};

const RowLayout& Layout(TBACnetDirection direction)
{
    return direction == TBACnetDirection::Read ? Read_Layout : Write_Layout;
}

int ReadPropertyBytes(const QString& p, int objectType)
{
    if (p == "OBJECT IDENTIFIER (75)" || p == "EVENT STATE (36)")
        return 4;
    if (p == "UNITS (117)")
        return Is(objectType, {2, 3, 6, 7, 11, 13}) ? -1 : 4;
    if (p == "SCALE (187)")
        return objectType == 1 ? 1 : -1;
    if (p == "PRESCALE (185)")
        return objectType == 1 ? 5 : -1;
    if (p == "POLARITY (84)")
        return Is(objectType, {6, 7, 13}) ? 1 : -1;
    if (p == "STATUS FLAGS (111)")
        return 1;
    if (p == "OBJECT TYPE (79)")
        return 2;
    if (p == "NUMBER OF STATES (74)")
        return Is(objectType, {2, 3, 11}) ? 4 : -1;
    return -1;
}

// The destination columns, checked only when En Dest is "Y".
int DestinationFault(const QStringList& cells, const RowLayout& l, TBACnetDirection direction)
{
    if (!WholeIn(cells.value(l.dNet), 1, 65535))
        return l.dNetFault;
    const QString address = cells.value(l.dAdd);
    int length = 0;
    if (TryStrToInt(cells.value(l.dLen), length)) {
        switch (length) {
        case 1:
            return WholeIn(address, 0, 255) ? 0 : l.dAdd1Fault;
        case 2:
            return WholeIn(address, 1, 65535) ? 0 : l.dAdd2Fault;
        case 6: {
            quint8 a, b, c, d;
            quint16 port;
            return Split_IP_Address_Port(Trim(address), a, b, c, d, port) ? 0 : l.dAdd6Fault;
        }
        default:
            return l.dLenFault;
        }
    }
    const QString form = Trim(UpperCase(cells.value(l.dLen)));
    if (form.size() != 2 || form[0] != u'M' || form[1] < u'1' || form[1] > u'8')
        return l.dLenListFault;
    return Dest_Add_Fault(address, form[1].unicode() - u'0', direction);
}

QString Text(int index)
{
    return Lang_Texts[index];
}

} // namespace

int Check_Object_Type(const QString& text, TBACnetDirection direction)
{
    static const char* const names[] = {"ACCUMULATOR", "MULTI-STATE INPUT", "MULTI-STATE OUTPUT", "ANALOG INPUT",
                                        "ANALOG OUTPUT", "BINARY INPUT", "BINARY OUTPUT", "INTEGER VALUE",
                                        "LARGE ANALOG VALUE", "POSITIVE INTEGER VALUE", "MULTI-STATE VALUE",
                                        "ANALOG VALUE", "BINARY VALUE", "LIFE SAFETY POINT", "LIFE SAFETY ZONE"};
    const QString t = UpperCase(Trim(text));
    int code = -1;
    for (int i = 0; i < 15 && code < 0; ++i) {
        if (t == QLatin1String(names[i]))
            code = i + 1;
    }
    int number = 0;
    if (code < 0 && TryStrToInt(t, number) && Proprietary(number))
        code = number;
    if (direction == TBACnetDirection::Write && Is(code, {1, 2, 4, 6}))
        return -1;
    return code;
}

int Check_Property(const QString& text, TBACnetDirection direction, int objectType)
{
    const QString p = UpperCase(Trim(text));
    if (p == "PRESENT VALUE (85)")
        return Present_Value;
    int number = 0;
    if (TryStrToInt(p, number) && number >= 512 && number <= 4194303)
        return Proprietary_Property;
    return direction == TBACnetDirection::Read ? ReadPropertyBytes(p, objectType) : -1;
}

int Check_Data_Type(const QString& text, int objectType, int property)
{
    if (property != Present_Value)
        return No_Data_Type_Rule;
    if (Proprietary(objectType))
        return 0;
    const QString expected = Aspected_Data_Type_Value(objectType, property);
    return !expected.isEmpty() && UpperCase(Trim(text)) == UpperCase(expected) ? 0 : -1;
}

QString Aspected_Data_Type_Value(int objectType, int property)
{
    if (property != Present_Value)
        return {};
    if (Is(objectType, {3, 10, 11}))
        return QStringLiteral("Unsigned Int");
    if (Is(objectType, {5, 12}))
        return QStringLiteral("Real");
    if (Is(objectType, {7, 13}))
        return QStringLiteral("Enumerated");
    if (objectType == 8)
        return QStringLiteral("Signed Int");
    if (objectType == 9)
        return QStringLiteral("Double");
    return {};
}

int Check_Num_Byte_Max(const QString& dataType)
{
    const QString t = UpperCase(Trim(dataType));
    if (t == "NULL")
        return 0;
    if (t == "BOOLEAN")
        return 1;
    if (t == "UNSIGNED INT" || t == "SIGNED INT" || t == "REAL" || t == "ENUMERATED" || t == "DATE" || t == "TIME"
        || t == "OBJECT ID")
        return 4;
    if (t == "DOUBLE")
        return 8;
    if (t == "BIT STRING")
        return 120;
    return 255;
}

int Dest_Add_Fault(const QString& address, int n, TBACnetDirection direction)
{
    const RowLayout& l = Layout(direction);
    QString rest = Trim(address);
    int count = 0;
    while (!rest.isEmpty()) {
        const int comma = rest.indexOf(u',');
        const QString part = Trim(comma < 0 ? rest : rest.left(comma));
        rest = comma < 0 ? QString() : Trim(rest.mid(comma + 1));
        if (!WholeIn(part, 0, 255))
            return l.byteRangeFault;
        if (++count > n)
            return l.tooManyFault;
    }
    return count < n ? l.tooFewFault : 0;
}

QString BACnet_Row_Fault(const QStringList& cells, TBACnetDirection direction, int bacnetType)
{
    const RowLayout& l = Layout(direction);
    const bool write = direction == TBACnetDirection::Write;
    const int objectType = Check_Object_Type(cells.value(l.objectType), direction);
    const int property = Check_Property(cells.value(l.property), direction, objectType);
    auto index = [](int fault) { return fault ? Text(fault) : QString(); };

    // The checks in their order; the first fault ends the row.
    const std::function<QString()> steps[] = {
        [&] {
            quint8 a, b, c, d;
            if (bacnetType == 0 && IP_Address_To_Bytes(Trim(cells.value(2)), a, b, c, d))
                return Text(l.ipFault);
            if (bacnetType == 1 && !WholeIn(cells.value(2), 0, 254))
                return Text(l.slaveFault);
            return QString();
        },
        [&] { return objectType == -1 ? Text(l.objectFault) : QString(); },
        [&] {
            return Outside(StrToInt64Def(cells.value(l.instance), -1), 0, 4294967295LL) ? Text(l.instanceFault)
                                                                                       : QString();
        },
        [&] { return property == -1 ? Text(l.propertyFault) : QString(); },
        [&] {
            if (!write || Check_Data_Type(cells.value(l.dataType), objectType, property) != -1)
                return QString();
            const QString expected = Aspected_Data_Type_Value(objectType, property);
            return expected.isEmpty() ? Text(1352) : Text(1358) + expected;
        },
        [&] { return write && !WholeIn(cells.value(l.priority), 0, 16) ? Text(1353) : QString(); },
        [&] {
            if (!write)
                return WholeIn(cells.value(l.nbyte), 0, 255) ? QString() : Text(l.nbyteFault);
            const int most = Check_Num_Byte_Max(cells.value(l.dataType));
            return WholeIn(cells.value(l.nbyte), 0, most) ? QString() : Text(l.nbyteFault) + QString::number(most);
        },
        [&] {
            const bool enabled = UpperCase(Trim(cells.value(l.enDest))) == "Y";
            return enabled ? index(DestinationFault(cells, l, direction)) : QString();
        },
        [&] {
            const bool timed = !write || UpperCase(cells.value(l.timer)) == "Y";
            return timed && !WholeIn(cells.value(l.pollTime), 0, 100000000) ? Text(l.pollFault) : QString();
        },
        [&] { return WholeIn(cells.value(l.maxErr), 0, 65535) ? QString() : Text(l.maxErrFault); },
    };
    for (const auto& step : steps) {
        const QString fault = step();
        if (!fault.isEmpty())
            return fault;
    }
    return {};
}

QString BACnet_Read_Hint(const QString& objectType, const QString& property)
{
    if (Trim(objectType).isEmpty() || Trim(property).isEmpty())
        return {};
    const int code = Check_Object_Type(objectType, TBACnetDirection::Read);
    const int bytes = Check_Property(property, TBACnetDirection::Read, code);
    if (bytes >= 1 && bytes <= 49)
        return QString::number(bytes);
    if (bytes != Present_Value)
        return {};
    if (Is(code, {1, 2, 3, 4, 5, 8, 10}))
        return QStringLiteral("4");
    if (Is(code, {6, 7}))
        return QStringLiteral("1");
    if (code == 9)
        return QStringLiteral("8");
    return {};
}
