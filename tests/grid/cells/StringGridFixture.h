#pragma once

// A loaded string grid of the given size (one fixed row and column) for the
// cell content tests, and the texts of a column read by real row.

#include "grid/engine/ExGrid.h"

#include <QtCore/QStringList>

#include <memory>

inline std::unique_ptr<TExStringGrid> MakeStringGrid(int cols, int rows)
{
    auto grid = std::make_unique<TExStringGrid>();
    grid->SetColCount(cols);
    grid->SetRowCount(rows);
    grid->Loaded();
    return grid;
}

// Column ACol of every row, hidden ones included, by real row.
inline QStringList RealColumnTexts(TExStringGrid& grid, int ACol)
{
    QStringList texts;
    for (int r = 0; r < grid.RowCount() + grid.NumHiddenRows(); ++r)
        texts << grid.AllCells(ACol, r);
    return texts;
}

// Numbers the rows of a column by their index: "0", "1", ...
inline void NumberRows(TExStringGrid& grid, int ACol)
{
    for (int r = 0; r < grid.RowCount(); ++r)
        grid.SetCells(ACol, r, QString::number(r));
}
