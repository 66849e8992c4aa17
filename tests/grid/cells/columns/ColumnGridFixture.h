#pragma once

// What the cell tests share: a column grid that counts its repaints and opens
// the hooks the grid keeps protected, on a small loaded grid.

#include "tests/grid/engine/ExGridTestSupport.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "grid/engine/paint/ExGridCellGraphic.h"

#include <gtest/gtest.h>

#include <memory>

class CountingColumnGrid : public TExColumnGrid {
public:
    using TExColumnGrid::GetEditLimit;
    using TExColumnGrid::TExColumnGrid;

    int repaints = 0;
    void Invalidate() override
    {
        ++repaints;
        TExColumnGrid::Invalidate();
    }
};

// A grid of ColCount columns (one fixed) and five rows (one fixed), loaded.
inline std::unique_ptr<CountingColumnGrid> MakeColumnGrid(int ColCount)
{
    auto grid = std::make_unique<CountingColumnGrid>();
    grid->SetColCount(ColCount);
    grid->SetRowCount(5);
    grid->Loaded();
    return grid;
}

// The names of the definitions in column order.
inline QStringList DefinitionNames(const TExColumnGrid& grid)
{
    QStringList names;
    for (int i = 0; i < grid.Columns()->Count(); ++i)
        names << grid.Columns()->Items(i)->Name();
    return names;
}
