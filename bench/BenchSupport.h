#pragma once

// What the grid benchmarks share: the offscreen platform unless one is chosen,
// the font both sides draw with, and a string grid filled with their texts.

#include "grid/engine/ExGrid.h"

#include <QtGui/QFont>

#include <functional>

namespace bench {

inline void UseOffscreenUnlessChosen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
