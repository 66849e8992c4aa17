#pragma once

// The rules of the BACnet client access table: which object types,
// properties and data types a read or write rule may name, how many bytes a
// value takes, and the fault of a whole row. Free functions, so that the
// window only collects cells and shows what they answer.

#include <QString>
#include <QStringList>

enum class TBACnetDirection { Read, Write };

// The window's own object type code (not the BACnet number): 1 .. 15 for the
// listed names, 128 .. 1023 for a proprietary type, -1 when refused. The
// input-only types are refused for writing.
int Check_Object_Type(const QString& text, TBACnetDirection direction);
// 100 for the present value, 200 for a proprietary property, a byte count for
// the other readable properties, -1 when refused.
int Check_Property(const QString& text, TBACnetDirection direction, int objectType);
// 1000 when the property has no data type rule, -1 when refused.
int Check_Data_Type(const QString& text, int objectType, int property);
// The data type that Check_Data_Type accepts, or empty when none is named.
QString Aspected_Data_Type_Value(int objectType, int property);
int Check_Num_Byte_Max(const QString& dataType);
// The fault text index of a destination address of n comma-separated bytes,
// or 0 when it passes. An empty address has too few bytes.
int Dest_Add_Fault(const QString& address, int n, TBACnetDirection direction);

// The fault text of an enabled row (cells by real column, column 0 first), or
// empty when the row passes. `bacnetType` decides the address rule.
QString BACnet_Row_Fault(const QStringList& cells, TBACnetDirection direction, int bacnetType);

// The byte count shown as the hint of a read row's Property cell, or empty.
QString BACnet_Read_Hint(const QString& objectType, const QString& property);
