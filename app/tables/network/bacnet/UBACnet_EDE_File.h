#pragma once

// The EDE export: the engineering data exchange file of the gateway's BACnet
// server, one ";"-separated line per object of the BACnet server table, so
// that a BACnet client's engineering tool can take the gateway's objects over.
// The server table is read through Read_Table_File with the editor's own file
// description. A ";", CR or LF inside a field is written as "_"; the time stamp
// comes from Now(), which tests replace.

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class QDateTime;

// One object line of the file.
class TBACnet_EDE_Obj {
public:
    QString Keyname;
    QString DevObjInstance;
    QString ObjectName;
    QString ObjectType;
    QString ObjectInstance;
    QString Description;
    QString UnitCode;
};

// What one export builds and reads; nothing of it outlives the run.
struct TEDE_Export {
    TEDE_Export();

    QList<TBACnet_EDE_Obj> Objects;
    QString Device_Instance;
    int Name_Length = 16;
    QMap<int, int> Instance_Counters; // per object type number
};

// The main window's "BACnet EDE File": writes the file of the full name
// given. False, with the reason, when the server table file cannot be read
// or the file cannot be written.
bool Export_EDE_File(const QString& fileName, QString& error);
bool Create_EDE_File(const QString& fileName, QString& error);
// The device instance and the name length from "ParGen.xml".
void Read_BACnet_Device_ID(TEDE_Export& run);
// The objects of "BACnet_Slave_SetAccess.xml", read rows then write rows; no
// objects without the file.
bool Read_BACnet_Slave_Objects(TEDE_Export& run, QString& error);
// The BACnet object type number of an upper-cased data type; 0 for a text
// that names none.
int BACnet_Object_Type_Code(const QString& dataType);
// The next instance of an object type; a type without a counter gives 0.
int Next_Object_Instance(TEDE_Export& run, int objectType);
// "hh:mm:ss dd/mm/yyyy".
QString EDE_Time_Stamp(const QDateTime& time);
// The header lines and one line per object.
QStringList EDE_Lines(const TEDE_Export& run, const QDateTime& time);
// Saves the lines in the ANSI code page, each ended by CR LF, replacing the file.
bool Write_EDE_File(const TEDE_Export& run, const QString& fileName, QString& error);
