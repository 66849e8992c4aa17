#pragma once

// Reading a BACnet EDE file (";"-separated text, header lines first, one line
// per object) into the objects the client table can take over.

#include <QList>
#include <QString>
#include <QStringList>

// One object line of the file, and the user's choice for it.
class TBACnet_Var {
public:
    QString keyname;
    int device_obj_instance = -1;
    QString object_name;
    int object_type = -1;
    int object_instance = -1;
    QString description;
    QString present_value_default;
    QString min_present_value;
    QString max_present_value;
    bool commandable = false;
    bool support_COV = false;
    QString hi_limit;
    QString low_limit;
    QString stete_text_reference;
    QString unit_code;
    QString vendor_specific_address;
    bool import = false;
    bool read = false;
    bool write = false;
};

// An object line that was not taken: its line number in the file (from 1) and
// the field at fault.
struct TEDE_Line_Fault {
    enum Field { ObjectType, ObjectInstance };
    int line = 0;
    Field field = ObjectType;
};

// Why a file gives no objects at all.
enum class TEDE_Read_Status { Read, Unreadable, TooShort, NoMandatoryLine };

struct TEDE_Read_Result {
    TEDE_Read_Status status = TEDE_Read_Status::Read;
    QString error; // the reason an unreadable file gave
    QList<TBACnet_Var> vars;
    QList<TEDE_Line_Fault> faults;
};

// Splits one object line: fields 1 to 15 trimmed, each counted only when a
// ";" follows it; the rest less one trailing ";" is the vendor address.
TBACnet_Var Split_EDE_Line(const QString& line);
// The index of the first object line, or -1 when no "# mandatory" line exists.
int EDE_Data_Start(const QStringList& lines);
// Reads the object lines the client table can take (import and read set,
// write when commandable); lines of other object types stay out silently.
TEDE_Read_Result Read_EDE_Lines(const QStringList& lines);
// Loads the file (byte-order mark: UTF-8 or UTF-16, else code page 1252)
// and reads it.
TEDE_Read_Result Read_EDE_File(const QString& fileName);

// The client table's texts for a BACnet object type number.
QString Get_ObjType_EDE(int objectType);
QString Get_DataType_EDE(int objectType);
int Get_NumByte_EDE(int objectType);
