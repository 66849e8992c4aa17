#include "app/tables/network/bacnet/UImportEDEFileRead.h"

#include "platform/core/Exceptions.h"
#include "platform/core/StringList.h"
#include "platform/core/SysUtils.h"

namespace {

constexpr int Fields = 15;

struct EDEType {
    int number;
    const char* objectType;
    const char* dataType;
    int bytes;
};

constexpr EDEType EDE_Types[] = {
    {0, "Analog Input", "Real", 4},
    {1, "Analog Output", "Real", 4},
    {2, "Analog Value", "Real", 4},
    {3, "Binary Input", "Enumerated", 1},
    {4, "Binary Output", "Enumerated", 1},
    {5, "Binary Value", "Enumerated", 1},
    {13, "Multi-State Input", "Unsigned Int", 4},
    {14, "Multi-State Output", "Unsigned Int", 4},
    {19, "Multi-State Value", "Unsigned Int", 4},
    {21, "Life Safety Point", "Enumerated", 2},
    {22, "Life Safety Zone", "Enumerated", 2},
    {23, "Accumulator", "Unsigned Int", 4},
    {45, "Integer Value", "Signed Int", 4},
    {46, "Large Analog Value", "Double", 8},
    {48, "Positive Integer Value", "Unsigned Int", 4},
};

const EDEType* FindType(int number)
{
    for (const EDEType& type : EDE_Types) {
        if (type.number == number)
            return &type;
    }
    return nullptr;
}

// A whole decimal number from 0 to 2147483647, or -1.
int Number(const QString& field)
{
    if (field.isEmpty() || field.size() > 10)
        return -1;
    for (QChar c : field) {
        if (c < u'0' || c > u'9')
            return -1;
    }
    const qint64 value = field.toLongLong();
    return value <= 2147483647 ? int(value) : -1;
}

bool Flag(const QString& field)
{
    return UpperCase(field) == "Y";
}

// "#", then after blanks "mandatory".
bool IsMandatoryLine(const QString& line)
{
    const QString t = Trim(line);
    return t.startsWith(u'#') && Trim(t.mid(1)).startsWith(QLatin1String("mandatory"));
}

} // namespace

TBACnet_Var Split_EDE_Line(const QString& line)
{
    QStringList field;
    int from = 0;
    while (field.size() < Fields) {
        const int semicolon = line.indexOf(u';', from);
        if (semicolon < 0)
            break;
        field << Trim(line.mid(from, semicolon - from));
        from = semicolon + 1;
    }
    QString rest;
    if (field.size() == Fields) {
        rest = line.mid(from);
        if (rest.endsWith(u';'))
            rest.chop(1);
    }
    TBACnet_Var v;
    v.keyname = field.value(0);
    v.device_obj_instance = Number(field.value(1));
    v.object_name = field.value(2);
    v.object_type = Number(field.value(3));
    v.object_instance = Number(field.value(4));
    v.description = field.value(5);
    v.present_value_default = field.value(6);
    v.min_present_value = field.value(7);
    v.max_present_value = field.value(8);
    v.commandable = Flag(field.value(9));
    v.support_COV = Flag(field.value(10));
    v.hi_limit = field.value(11);
    v.low_limit = field.value(12);
    v.stete_text_reference = field.value(13);
    v.unit_code = field.value(14);
    v.vendor_specific_address = rest;
    return v;
}

int EDE_Data_Start(const QStringList& lines)
{
    if (lines.size() >= 7 && IsMandatoryLine(lines[6]))
        return 8;
    int start = -1;
    for (int i = 0; i < lines.size(); ++i) {
        if (IsMandatoryLine(lines[i]))
            start = i + 2;
    }
    return start;
}

TEDE_Read_Result Read_EDE_Lines(const QStringList& lines)
{
    TEDE_Read_Result result;
    if (lines.size() < 7) {
        result.status = TEDE_Read_Status::TooShort;
        return result;
    }
    const int start = EDE_Data_Start(lines);
    if (start < 0) {
        result.status = TEDE_Read_Status::NoMandatoryLine;
        return result;
    }
    for (int i = start; i < lines.size(); ++i) {
        if (Trim(lines[i]).isEmpty())
            continue;
        TBACnet_Var v = Split_EDE_Line(lines[i]);
        if (v.object_type < 0) {
            result.faults.append({i + 1, TEDE_Line_Fault::ObjectType});
            continue;
        }
        if (!FindType(v.object_type))
            continue;
        if (v.object_instance < 0) {
            result.faults.append({i + 1, TEDE_Line_Fault::ObjectInstance});
            continue;
        }
        v.import = true;
        v.read = true;
        v.write = v.commandable;
        result.vars.append(v);
    }
    return result;
}

TEDE_Read_Result Read_EDE_File(const QString& fileName)
{
    TStringList lines;
    try {
        lines.LoadFromFile(fileName);
    } catch (const EFOpenError& e) {
        TEDE_Read_Result result;
        result.status = TEDE_Read_Status::Unreadable;
        result.error = e.Message();
        return result;
    }
    QStringList all;
    for (int i = 0; i < lines.Count(); ++i)
        all << lines[i];
    return Read_EDE_Lines(all);
}

QString Get_ObjType_EDE(int objectType)
{
    const EDEType* type = FindType(objectType);
    return type ? QString::fromLatin1(type->objectType) : QString();
}

QString Get_DataType_EDE(int objectType)
{
    const EDEType* type = FindType(objectType);
    return type ? QString::fromLatin1(type->dataType) : QStringLiteral("Null");
}

int Get_NumByte_EDE(int objectType)
{
    const EDEType* type = FindType(objectType);
    return type ? type->bytes : 4;
}
