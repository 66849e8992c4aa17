#pragma once

// The rules of the IEC 61850 server variables: the faults of one variable
// row. A free function on the cells of a row (by real column, column 0
// first), so that the window only collects cells and shows what they answer.

#include <QChar>
#include <QStringList>

// The text index of the first fault of an enabled row, 0 when it passes. The
// data array holds `nbyte` positions; a Position fault's text is followed by
// the last one. The factor is read with the user's decimal `separator`.
int IEC61850_Variable_Fault(const QStringList& cells, int nbyte, QChar separator);

// The text index of a Position fault.
inline constexpr int IEC61850_Position_Fault = 5030;
