#pragma once

// Small grids for the shape tests: every cell names itself "col:row" and row r
// is 20 + r pixels high, so moved rows and columns can be told apart.

#include "grid/engine/ExGrid.h"
#include "grid/foundation/objects/ExObjLists.h"

#include <QtCore/QString>
#include <QtCore/QStringList>

#include <initializer_list>
#include <ostream>
#include <vector>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

inline QString cellText(int col, int row) { return QStringLiteral("%1:%2").arg(col).arg(row); }

inline void fill(TExStringGrid& grid, int cols, int rows)
{
    grid.SetColCount(cols);
    grid.SetRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        grid.SetRowHeights(r, 20 + r);
        for (int c = 0; c < cols; ++c)
            grid.SetCells(c, r, cellText(c, r));
    }
}

// The first text of each display row, as the row index it started with.
inline std::vector<int> shownRows(TExStringGrid& grid)
{
    std::vector<int> rows;
    for (int r = 0; r < grid.RowCount(); ++r)
        rows.push_back(grid.Cells(0, r).section(':', 1).toInt());
    return rows;
}

// Column 0 of every display row.
inline QStringList shownTexts(TExStringGrid& grid)
{
    QStringList texts;
    for (int r = 0; r < grid.RowCount(); ++r)
        texts << grid.Cells(0, r);
    return texts;
}

inline TIntList intList(std::initializer_list<int> values)
{
    TIntList list(-1, -1);
    for (int v : values)
        list.Add(v);
    return list;
}
