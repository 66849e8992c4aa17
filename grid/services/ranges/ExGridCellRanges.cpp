// Work on rectangles of cells that keeps the grid's shape: the normal-cell and
// selection clearings, trimming, colouring, merging runs of equal texts and
// splitting them, joining two columns, and finding a cell by its text.

#include "grid/engine/ExGridPrivate.h"
#include "platform/core/SysUtils.h"

#include <algorithm>

// ---- clearing ----------------------------------------------------------------------------

// Real columns, hidden ones included, as the row clearing takes them.
void TExStringGrid::ClearNormalRows(int RowIndex, int RCount)
{
    if (RowCount() > 0 && ColCount() > 0 && RCount > 0)
        clearCells(FixedCols(), RowIndex, TotalColCount() - FixedRightCols() - 1, RowIndex + RCount - 1, false);
}

void TExStringGrid::ClearNormalCols(int ColIndex, int CCount)
{
    if (RowCount() > 0 && ColCount() > 0 && CCount > 0)
        ClearRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - FixedFooters() - 1);
}

// Without a fixed column the node glyphs stand in normal cells, so the nodes
// go first rather than leave spans over emptied rows.
void TExStringGrid::ClearNormalCells()
{
    if (HasNodeRows() && FixedCols() == 0)
        RemoveAllNodes();
    clearCells(FixedCols(), FixedRows(), TotalColCount() - FixedRightCols() - 1, RowCount() - FixedFooters() - 1,
               false);
}

void TExStringGrid::ClearSelection()
{
    const TMouseActions& actions = *p->mouseActions;
    if (actions.DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (rowIsSelected(r))
                ClearRows(r, 1);
        return;
    }
    if (actions.DisjunctColSelect()) {
        for (int c = FixedCols(); c < ColCount(); ++c)
            if (ColSelect(c))
                ClearCols(c, 1);
        return;
    }
    const TGridRect s = Selection();
    ClearRect(std::min(s.Left, s.Right), std::min(s.Top, s.Bottom), std::max(s.Left, s.Right),
              std::max(s.Top, s.Bottom));
}

// ---- trimming and colouring -----------------------------------------------------------------

// Only a text that changes is written back, so that trimming clean cells
// raises no change events and marks no row modified.
void TExStringGrid::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    for (int r = ARow1; r <= ARow2; ++r)
        for (int i = ACol1; i <= ACol2; ++i) {
            const int a = SaveHiddenCells() ? DisplayToRealCol(i) : i;
            const QString text = Cells(a, r);
            const QString trimmed = Trim(text);
            if (trimmed != text)
                SetCells(a, r, trimmed);
        }
}

void TExStringGrid::TrimColumn(int ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }

void TExStringGrid::TrimRow(int ARow) { TrimRect(0, ARow, ColCount() - 1, ARow); }

void TExStringGrid::TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }

void TExStringGrid::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor)
{
    for (int r = ARow1; r <= ARow2; ++r)
        for (int c = ACol1; c <= ACol2; ++c)
            SetColors(c, r, AColor);
}

// ---- merging and splitting ----------------------------------------------------------------

namespace {

// Walks First..Last; Continues(i) tells whether position i extends the run
// that ended at i - 1, and Merge(start, length) gets every run of two or more.
template <typename Continues, typename Merge>
void mergeRuns(int First, int Last, Continues continues, Merge merge)
{
    int start = First;
    for (int i = First + 1; i <= Last; ++i) {
        if (continues(i))
            continue;
        if (i - start > 1)
            merge(start, i - start);
        start = i;
    }
    if (Last - start + 1 > 1)
        merge(start, Last - start + 1);
}

} // namespace

void TExStringGrid::MergeColumnCells(int ColIndex, bool MainMerge)
{
    mergeRuns(
        FixedRows(), RowCount() - FixedFooters() - 1,
        [&](int r) {
            return Cells(ColIndex, r) == Cells(ColIndex, r - 1) && (MainMerge || RowSpanIdentical(r - 1, r));
        },
        [&](int start, int length) { MergeCells(ColIndex, start, 1, length); });
}

void TExStringGrid::MergeRowCells(int RowIndex, bool MainMerge)
{
    mergeRuns(
        FixedCols(), ColCount() - FixedRightCols() - 1,
        [&](int c) {
            return Cells(c, RowIndex) == Cells(c - 1, RowIndex) && (MainMerge || ColSpanIdentical(c - 1, c));
        },
        [&](int start, int length) { MergeCells(start, RowIndex, length, 1); });
}

void TExStringGrid::SplitColumnCells(int ColIndex)
{
    int r = 0;
    while (r < RowCount() - FixedFooters() - 1) {
        if (!IsYMergedCell(ColIndex, r)) {
            ++r;
            continue;
        }
        const int span = CellSpan(ColIndex, r).Y;
        SplitCells(ColIndex, r);
        r += span + 1;
    }
}

void TExStringGrid::SplitRowCells(int RowIndex)
{
    int c = 0;
    while (c < ColCount() - FixedRightCols() - 1) {
        if (!IsMergedCell(c, RowIndex)) {
            ++c;
            continue;
        }
        const int span = CellSpan(c, RowIndex).X;
        SplitCells(c, RowIndex);
        c += span + 1;
    }
}

void TExStringGrid::SplitAllCells()
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (IsMergedCell(c, r))
                SplitCells(c, r);
}

void TExStringGrid::MergeCols(int ColIndex1, int ColIndex2, const QString& Separator)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetCells(ColIndex1, r, Trim(Cells(ColIndex1, r) + Separator + Cells(ColIndex2, r)));
    RemoveCols(ColIndex2, 1);
}

// ---- finding ------------------------------------------------------------------------------

bool TExStringGrid::IsCell(const QString& SubStr, int& ACol, int& ARow)
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (Cells(c, r) == SubStr) {
                ACol = c;
                ARow = r;
                return true;
            }
    return false;
}
