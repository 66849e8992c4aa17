// Clearing cells: texts, and unless ClearTextOnly is set their properties.

#include "grid/engine/ExGridPrivate.h"

bool TExStringGrid::ClearTextOnly() const { return p->clearTextOnly; }

void TExStringGrid::SetClearTextOnly(bool Value) { p->clearTextOnly = Value; }

void TExStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    clearCells(ACol1, ARow1, ACol2, ARow2, p->saveHiddenCells);
}

// MapColumns takes the columns as display indexes. The has-properties flag is
// cleared only when every real column, hidden ones included, was covered, so
// that a later free still reaches the hidden columns.
void TExStringGrid::clearCells(int ACol1, int ARow1, int ACol2, int ARow2, bool MapColumns)
{
    for (int r = ARow1; r <= ARow2; ++r) {
        for (int i = ACol1; i <= ACol2; ++i) {
            const int a = MapColumns ? DisplayToRealCol(i) : i;
            if (!p->clearTextOnly && HasCellProperties(a, r)) {
                if (p->nilObjects)
                    SetGridObjects(a, r, nullptr);
                else
                    FreeCellProperties(a, r);
            }
            if (p->destroying)
                continue;
            if (!GridCells(a, r).isEmpty())
                SetGridCells(a, r, QString());
            if (a != i)
                RepaintCell(i, r);
        }
    }
    const bool allColumns = MapColumns ? NumHiddenColumns() == 0 && ACol2 >= ColCount() - 1
                                       : ACol2 >= TotalColCount() - 1;
    if (!p->clearTextOnly && ACol1 <= 0 && ARow1 <= 0 && allColumns && ARow2 >= RowCount() - 1)
        SetHasCellProps(false);
    if (!p->destroying && !p->blockCellChange) {
        const int left = MapColumns ? DisplayToRealCol(ACol1) : ACol1;
        const int right = MapColumns ? DisplayToRealCol(ACol2) : ACol2;
        FireCellsChanged(TRect{left, ARow1, right, ARow2});
    }
}

void TExStringGrid::ClearRows(int RowIndex, int RCount)
{
    if (RowCount() > 0 && ColCount() > 0 && RCount > 0)
        clearCells(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1, false);
}

void TExStringGrid::ClearCols(int ColIndex, int CCount)
{
    if (RowCount() > 0 && ColCount() > 0 && CCount > 0)
        ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

// The nodes go first, since their spans and levels would outlive the emptied
// rows; a grid being destroyed frees them with everything else.
void TExStringGrid::Clear()
{
    if (HasNodeRows() && !p->destroying)
        RemoveAllNodes();
    clearCells(0, 0, TotalColCount() - 1, RowCount() - 1, false);
    SetSearchInc(QString());
    if (NumHiddenColumns() > 0)
        Invalidate();
}

void TExStringGrid::ClearAll()
{
    Clear();
    for (auto& item : p->gridItems)
        item->ClearItems();
}
