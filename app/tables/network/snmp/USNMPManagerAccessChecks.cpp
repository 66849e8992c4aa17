#include "app/tables/network/snmp/USNMPManagerAccessChecks.h"

#include "app/shell/UComon.h"
#include "app/tables/common/TableEditorFrame.h"
#include "platform/core/SysUtils.h"

namespace {

enum Column {
    IP_Address = 2,
    Version = 3,
    OID = 5,
    On_Timer = 10,
    Time = 11,
    Number_Bytes = 13,
    ConvertFrom = 14,
    User = 16,
    Auth_Pass = 17,
    Priv_Pass = 18,
    Security_Level = 19,
    Auth_Mode = 20,
    Priv_Mode = 21,
};

constexpr int Text_IP_Address = 6138;
// Check_OID_String's results 1 .. 6 in order.
constexpr int Text_OID_First = 6139;
constexpr int Text_Time = 6145;
constexpr int Text_Number_Bytes = 6146;
constexpr int Text_Conversion = 6156;
constexpr int Text_Auth_Mode = 6184;
constexpr int Text_Priv_Mode = 6185;

constexpr int Flag_Auth = 1;
constexpr int Flag_Priv = 2;

bool Blank(const QStringList& cells, int column)
{
    return Trim(cells.value(column)).isEmpty();
}

// The gateway keeps each text with its terminating zero.
void Count(const QString& text, int& budget)
{
    if (!text.isEmpty())
        budget += int(text.size()) + 1;
}

// Version 3 rows carry a user and, by their security level, the passwords and
// modes of authentication and privacy.
int Version3Fault(const QStringList& cells, int& budget)
{
    Count(cells.value(User), budget);
    const int flags = SNMP_Security_Flags(cells.value(Security_Level));
    if (flags & Flag_Auth) {
        Count(cells.value(Auth_Pass), budget);
        if (Blank(cells, Auth_Mode))
            return Text_Auth_Mode;
    }
    if (flags & Flag_Priv) {
        Count(cells.value(Priv_Pass), budget);
        if (Blank(cells, Priv_Mode))
            return Text_Priv_Mode;
    }
    return 0;
}

} // namespace

int SNMP_Manager_Row_Fault(const QStringList& cells, int& budget)
{
    QString a, b, c, d;
    if (!Split_IP_Address(cells.value(IP_Address), a, b, c, d))
        return Text_IP_Address;
    const QString oid = cells.value(OID);
    if (const int result = Check_OID_String(oid))
        return Text_OID_First + result - 1;
    Count(oid, budget);
    if (Trim(cells.value(On_Timer)) == QLatin1String("Y") && Outside(Typed_Int(cells.value(Time)), 1, 100000000))
        return Text_Time;
    if (Outside(Typed_Int(cells.value(Number_Bytes)), 0, 1024))
        return Text_Number_Bytes;
    if (Blank(cells, ConvertFrom))
        return Text_Conversion;
    return Typed_Int(cells.value(Version)) == 3 ? Version3Fault(cells, budget) : 0;
}

bool SNMP_Manager_Same_Request(const QStringList& a, const QStringList& b)
{
    for (int column : {IP_Address, Version, OID}) {
        if (Trim(a.value(column)) != Trim(b.value(column)))
            return false;
    }
    return true;
}
