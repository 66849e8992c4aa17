#pragma once

// The rules of the SNMP manager table: the faults of one request row, whether
// two rows ask one device for the same object, and the characters the
// gateway keeps for object identifiers, users and passwords. Free functions
// on the cells of a row (by real column, column 0 first), so that the window
// only collects cells and shows what they answer.

#include <QStringList>

// The characters the gateway keeps for the texts of all requests.
inline constexpr int SNMP_Manager_Budget = 47104;

// The text index of the first fault of an enabled row, 0 when it passes. What
// the row takes of the character budget is added to `budget`.
int SNMP_Manager_Row_Fault(const QStringList& cells, int& budget);
// Whether two rows ask the same device for the same object: equal IP
// Address, Version and OID after trimming.
bool SNMP_Manager_Same_Request(const QStringList& a, const QStringList& b);
