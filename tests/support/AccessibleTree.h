#pragma once

// The accessibility tree as a screen reader or a UI test tool walks it: from a
// top-level window down through QAccessibleInterface::child, the tables read
// by their column headers.

#include <QtCore/QString>
#include <QtCore/QStringList>

#include <functional>

class QAccessibleInterface;
class QWidget;

namespace testsupport {

// The interface of the top-level window that `widget` lies in.
QAccessibleInterface* AccessibleWindow(QWidget* widget);

// The first interface below `root` (root itself included), depth first through
// child(), that `match` accepts; nullptr when none does. The cells of tables are
// not entered.
QAccessibleInterface* FindAccessible(QAccessibleInterface* root,
                                     const std::function<bool(QAccessibleInterface*)>& match);

// The column headers a screen reader reads for a table: the texts of the
// column-header children in its first row, those over row headers left out.
QStringList AccessibleColumnHeaders(QAccessibleInterface* table);

// The table with exactly these column headers in the window of `widget`.
QAccessibleInterface* FindAccessibleTable(QWidget* widget, const QStringList& headers);

// The child of a table in `row` under the column headed `header`.
QAccessibleInterface* AccessibleCell(QAccessibleInterface* table, int row, const QString& header);

// Every link below `root` that does not lead back as it came: a missing child,
// a child whose parent() is another interface, an indexOfChild that differs
// from the index the child was reached by. Tables are checked on the cells of
// their first two rows. Empty when every link agrees.
QStringList AccessibleTreeFaults(QAccessibleInterface* root);

}  // namespace testsupport
