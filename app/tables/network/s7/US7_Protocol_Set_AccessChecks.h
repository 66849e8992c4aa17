#pragma once

// The rules of the S7 access tables: the faults of one row of the read or
// the write table and the PLC connections the gateway can hold. Free
// functions on the cells of a row (by real column, column 0 first), so that
// the window only collects cells and shows what they answer.

#include <QStringList>

#include <array>

// One PLC connection: the address bytes and the port; a free entry has IP1 -1.
struct TIPPort {
    int IP1 = -1;
    int IP2 = -1;
    int IP3 = -1;
    int IP4 = -1;
    int Port = -1;
};

// The gateway holds 10 PLC connections, shared by both tables.
using TIPPortArray = std::array<TIPPort, 10>;

// The index of the connection in the table: an equal one, else the first
// free entry, which takes it; -1 when all entries hold other connections.
int Check_IP_Port(TIPPortArray& connections, int IP1, int IP2, int IP3, int IP4, int Port);

// The text index of the first fault of an enabled row, 0 when it passes. The
// row's connection goes into `connections`. A Position fault's text is
// followed by the last position, `nbyte` - 1.
int S7_Row_Fault(const QStringList& cells, bool write, TIPPortArray& connections, int nbyte);
// Whether a fault text is followed by the last position.
bool S7_Position_Fault(int text);
