#pragma once

// What the grid benchmarks share: the offscreen platform unless one is chosen,
// the font both sides draw with, and a string grid filled with their texts.

#include "grid/engine/ExGrid.h"

#include <QtGui/QFont>

#include <cstdlib>
#include <functional>

namespace bench {

inline void UseOffscreenUnlessChosen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The row count: the first argument when given, so that a profiler can run a
// short pass of the same work; the benchmark's own count otherwise.
inline int RowsFromArguments(int argc, char** argv, int Default)
{
    const int rows = argc > 1 ? std::atoi(argv[1]) : 0;
    return rows > 0 ? rows : Default;
}

inline QFont CellFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(8);
    return font;
}

// A grid of Width x Height pixels without fixed cells, holding Text(c, r).
inline void FillGrid(TExStringGrid& grid, int Width, int Height, int Rows, int Cols,
                     const std::function<QString(int, int)>& Text)
{
    grid.resize(Width, Height);
    grid.setFont(CellFont());
    grid.SetColCount(Cols);
    grid.SetRowCount(Rows);
    grid.SetFixedCols(0);
    grid.SetFixedRows(0);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            grid.SetCells(c, r, Text(c, r));
}

} // namespace bench
