#include "app/tables/network/bacnet/UBACnet_EDE_File.h"

#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/tables/common/TableEditorFrame.h"
#include "app/tables/network/bacnet/UBACnetSlaveSetAccess.h"
#include "platform/core/Clock.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Files.h"
#include "platform/core/StringList.h"
#include "platform/core/SysUtils.h"
#include "platform/xml/XmlDocument.h"

#include <QDateTime>

namespace {

constexpr int Text_Table_Unreadable = 1561;
constexpr int Text_Not_Written = 1562;

// Cells of a server table row as the file description gives them, from column 1.
constexpr int Type_Cell = 0;
constexpr int Unit_Cell = 1;
constexpr int Mnemonic_Cell = 6;

constexpr int Name_Length = 16;
constexpr int Long_Name_Length = 32;

struct ObjectType {
    const char* dataType;
    int number;
};

constexpr ObjectType Object_Types[] = {
    {"ANALOG INPUT", 0},
    {"ANALOG OUT", 1},
    {"ANALOG VALUE", 2},
    {"BINARY INPUT", 3},
    {"BINARY OUT", 4},
    {"BINARY VALUE", 5},
    {"MULTI STATE INPUT", 13},
    {"MULTI STATE OUTPUT", 14},
    {"MULTI STATE VALUE", 19},
    {"LIFE SAFETY POINT", 21},
    {"LIFE SAFETY ZONE", 22},
    {"ACCUMULATOR", 23},
    {"ACCESS DOOR", 30},
    {"CHARACTERSTRING VALUE", 40},
    {"DATETIME VALUE", 44},
    {"INTEGER VALUE", 45},
    {"LARGE ANALOG VALUE", 46},
    {"POSITIVE INTEGER VALUE", 48},
};

QString TwoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// Fields are neither quoted nor escaped, so a separator or line end inside
// one would split the line for every reader; it is written as "_".
QString Field(const QString& text)
{
    QString field = text;
    for (QChar& c : field) {
        if (c == u';' || c == u'\r' || c == u'\n')
            c = u'_';
    }
    return field;
}

QString ObjectLine(const TBACnet_EDE_Obj& o)
{
    QString line;
    for (const QString* field : {&o.Keyname, &o.DevObjInstance, &o.ObjectName, &o.ObjectType, &o.ObjectInstance,
                                 &o.Description, &o.UnitCode})
        line += Field(*field) + u';';
    return line;
}

TBACnet_EDE_Obj MakeObject(TEDE_Export& run, const QStringList& cells)
{
    const int type = BACnet_Object_Type_Code(UpperCase(Trim(cells.value(Type_Cell))));
    const QString mnemonic = cells.value(Mnemonic_Cell);
    TBACnet_EDE_Obj o;
    o.DevObjInstance = run.Device_Instance;
    o.ObjectName = mnemonic.left(run.Name_Length);
    o.ObjectType = QString::number(type);
    o.ObjectInstance = QString::number(Next_Object_Instance(run, type));
    o.Keyname = run.Device_Instance + u'_' + mnemonic + u'_' + o.ObjectInstance;
    o.Description = o.ObjectName;
    o.UnitCode = cells.value(Unit_Cell);
    return o;
}

} // namespace

TEDE_Export::TEDE_Export()
{
    for (const ObjectType& type : Object_Types)
        Instance_Counters.insert(type.number, 0);
}

bool Export_EDE_File(const QString& fileName, QString& error)
{
    return Create_EDE_File(fileName, error);
}

bool Create_EDE_File(const QString& fileName, QString& error)
{
    TEDE_Export run;
    Read_BACnet_Device_ID(run);
    return Read_BACnet_Slave_Objects(run, error) && Write_EDE_File(run, fileName, error);
}

void Read_BACnet_Device_ID(TEDE_Export& run)
{
    run.Device_Instance.clear();
    run.Name_Length = BACnet_Desc_Chars_Limit() ? Long_Name_Length : Name_Length;
    platform::XmlDocument parameters;
    if (!FileExists(File_ParGen) || !parameters.LoadFile(File_ParGen))
        return;
    const platform::XmlElement root = parameters.Root();
    const bool serial = StrToIntDef(root.ChildText(QStringLiteral("BACnet_Type")), 0) == 1;
    run.Device_Instance = root.ChildText(serial ? QStringLiteral("BACnet_Ser_DEV_IDE") : QStringLiteral("BACnet_DEV_IDE"));
}

bool Read_BACnet_Slave_Objects(TEDE_Export& run, QString& error)
{
    TableRows sections;
    QString reason;
    if (!Read_Table_File(BACnet_Slave_SetAccess_File(), File_BACnet_Slave_SetAccess, sections, reason)) {
        error = Lang_Texts[Text_Table_Unreadable] + File_BACnet_Slave_SetAccess + QStringLiteral(": ") + reason;
        return false;
    }
    for (const QList<QStringList>& rows : sections) {
        for (const QStringList& cells : rows)
            run.Objects << MakeObject(run, cells);
    }
    return true;
}

int BACnet_Object_Type_Code(const QString& dataType)
{
    for (const ObjectType& type : Object_Types) {
        if (dataType == QLatin1String(type.dataType))
            return type.number;
    }
    return 0;
}

int Next_Object_Instance(TEDE_Export& run, int objectType)
{
    const auto counter = run.Instance_Counters.find(objectType);
    if (counter == run.Instance_Counters.end())
        return 0;
    return (*counter)++;
}

QString EDE_Time_Stamp(const QDateTime& time)
{
    const QTime t = time.time();
    const QDate d = time.date();
    return TwoDigits(t.hour()) + u':' + TwoDigits(t.minute()) + u':' + TwoDigits(t.second()) + u' '
        + TwoDigits(d.day()) + u'/' + TwoDigits(d.month()) + u'/' + QString::number(d.year());
}

QStringList EDE_Lines(const TEDE_Export& run, const QDateTime& time)
{
    QStringList lines{
        QStringLiteral("PROJECT_NAME; Telvor--") + Field(Name_Project) + QStringLiteral(";;;;;;"),
        QStringLiteral("VERSION_OF_REFERENCEFILE;1.0;;;;;;"),
        QStringLiteral("TIMESTAMP_OF_LAST_CHANGE;") + EDE_Time_Stamp(time) + QStringLiteral(";;;;;;"),
        QStringLiteral("AUTHOR_OF_LAST_CHANGE;Telvor;;;;;;"),
        QStringLiteral("VERSION_OF_LAYOUT;2;;;;;;"),
        QStringLiteral("# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;"),
        QStringLiteral("# keyname;device obj.-instance;object-name;object-type;object-instance;description;unit-code;"),
    };
    for (const TBACnet_EDE_Obj& o : run.Objects)
        lines << ObjectLine(o);
    return lines;
}

bool Write_EDE_File(const TEDE_Export& run, const QString& fileName, QString& error)
{
    TStringList file;
    for (const QString& line : EDE_Lines(run, Now()))
        file.Add(line);
    try {
        file.SaveToFile(fileName, TEncoding::ANSI);
    } catch (const Exception& e) {
        error = Lang_Texts[Text_Not_Written] + e.Message();
        return false;
    }
    return true;
}
