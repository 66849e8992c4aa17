#pragma once

// The rules of the BACnet server table: which object data types each page
// offers, how many bytes each takes in the gateway's memory, the default
// Length of a write type and the fault of a whole row. Free functions, so that
// the window only collects cells and shows what they answer.

#include "app/tables/network/bacnet/UBACnetAccessChecks.h"

#include <QString>
#include <QStringList>

// The data types of a page, in list order.
QStringList BACnet_Server_Data_Types(TBACnetDirection direction);
// The Length a write row takes when its data type is chosen (`selection` in
// any case); empty when the Length stays as it is.
QString BACnet_Server_Default_Length(const QString& selection);
// The fault text of a row (cells by real column, column 0 first) whose memory
// area holds `nbyte` bytes, or empty when the row passes.
QString BACnet_Server_Row_Fault(const QStringList& cells, TBACnetDirection direction, int nbyte);
