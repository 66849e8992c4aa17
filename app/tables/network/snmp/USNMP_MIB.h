#pragma once

// The SNMP MIB export: the module that tells SNMP managers which objects the
// gateway's agent offers, one per enabled row of "SNMP_Trap.xml" and one
// notification per enabled read row.

#include <QList>
#include <QString>
#include <QStringList>

// Whether each enabled row is of the type Int, one flag per entry of
// MIB_Read_Desc and MIB_Write_Desc.
struct TMIB_Int_Flags {
    QList<bool> read;
    QList<bool> write;
};
extern TMIB_Int_Flags MIB_Int_Flags;

// Fills MIB_Read_Desc, MIB_Write_Desc and MIB_Int_Flags from "SNMP_Trap.xml"
// (all empty without the file). False, with the reason, when the file cannot
// be read, lacks a table, or names an object the MIB cannot hold.
bool Read_MIB_Trap_Rows(QString& error);
// The module's lines as Write_MIB_File saves them.
QStringList MIB_Lines();
// Saves the module in the ANSI code page, lines ended by CR LF.
bool Write_MIB_File(const QString& name, QString& error);
// The main window's "SNMP MIB": the file name given, or else chosen in the
// main window's MIB dialog in the configuration folder; an existing file is
// replaced only after the user's Yes. Cancel and No are no failure.
bool Export_SNMP_MIB(const QString& argument, QString& error);
