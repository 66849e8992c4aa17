// Moved columns and rows carry their widths, sort state and current cell. A
// moved column takes along the hidden rows' cells, the sort column, the sort
// indexes and Col, and with EnhRowColMove its width; a moved row takes its
// height with EnhRowColMove. A synchronised grid makes the same move.

#include "grid/engine/ExGridPrivate.h"

#include <vector>

namespace {

// Where index i goes when the entry at From moves to To and the ones between
// close up.
int MovedIndex(int i, int From, int To)
{
    if (i == From)
        return To;
    if (From < To && i > From && i <= To)
        return i - 1;
    if (From > To && i >= To && i < From)
        return i + 1;
    return i;
}

} // namespace

void TExStringGrid::ColumnMoved(int FromIndex, int ToIndex) { HandleColumnMoved(FromIndex, ToIndex); }

void TExStringGrid::RowMoved(int FromIndex, int ToIndex) { HandleRowMoved(FromIndex, ToIndex); }

void TExStringGrid::HandleColumnMoved(int FromIndex, int ToIndex)
{
    const int f = DisplayToRealCol(FromIndex);
    const int t = DisplayToRealCol(ToIndex);
    if (EnhRowColMove())
        moveColumnSizes(FromIndex, ToIndex);
    if (EnhRowColMove() || p->press.inRelease)
        p->press.colMoved = true;
    TBaseGrid::ColumnMoved(f, t);
    followColumnOrder(f, t);

    for (const auto& item : p->gridItems) {
        TStringList* cells = item->Items();
        if (f < cells->Count() && t < cells->Count())
            cells->Move(f, t);
    }

    TSortSettings* ss = p->sortSettings.get();
    if (ss->Column() >= 0)
        ss->SetColumn(MovedIndex(ss->Column(), f, t));
    TSortIndexList* indexes = p->sortIndexes.get();
    for (int i = 0; i < indexes->Count(); ++i) {
        const int item = indexes->GetInteger(i);
        const int column = item & 0xFFFF;
        indexes->SetInteger(i, (item & ~0xFFFF) | MovedIndex(column, f, t));
    }
    const int col = MovedIndex(Col(), FromIndex, ToIndex);
    if (col != Col() && col >= FixedCols())
        MoveColRow(col, Row(), true, false);
    if (p->floatingFooter->Visible())
        Invalidate();
    if (p->syncGrid->MoveColumn())
        moveInSyncGrid(true, FromIndex, ToIndex);
}

// The synchronised grid makes the same move; the guard keeps it from
// handing the move back.
void TExStringGrid::moveInSyncGrid(bool Columns, int FromIndex, int ToIndex)
{
    auto* other = dynamic_cast<TExStringGrid*>(p->syncGrid->Grid());
    if (!other || p->press.syncMoving)
        return;
    const int count = Columns ? other->ColCount() : other->RowCount();
    if (FromIndex >= count || ToIndex >= count)
        return;
    TScopedFlag guard(other->p->press.syncMoving, true);
    if (Columns)
        other->MoveColumn(FromIndex, ToIndex);
    else
        other->MoveRow(FromIndex, ToIndex);
}

// The width travels with the moved column.
void TExStringGrid::moveColumnSizes(int FromIndex, int ToIndex)
{
    std::vector<int> widths;
    for (int c = 0; c < ColCount(); ++c)
        widths.push_back(ColWidths(c));
    const int moved = widths[FromIndex];
    widths.erase(widths.begin() + FromIndex);
    widths.insert(widths.begin() + ToIndex, moved);
    for (int c = 0; c < ColCount(); ++c)
        if (ColWidths(c) != widths[c])
            SetColWidths(c, widths[c]);
}

void TExStringGrid::HandleRowMoved(int FromIndex, int ToIndex)
{
    // the last row holds a fixed floating footer
    if (ToIndex == RowCount() - 1 && p->floatingFooter->Visible() &&
        p->floatingFooter->FooterStyle() == fsFixedLastRow)
        return;
    if (EnhRowColMove()) {
        std::vector<int> heights;
        for (int r = 0; r < RowCount(); ++r)
            heights.push_back(RowHeights(r));
        const int moved = heights[FromIndex];
        heights.erase(heights.begin() + FromIndex);
        heights.insert(heights.begin() + ToIndex, moved);
        for (int r = 0; r < RowCount(); ++r)
            if (RowHeights(r) != heights[r])
                SetRowHeights(r, heights[r]);
        p->press.colMoved = true;
    }
    TBaseGrid::RowMoved(FromIndex, ToIndex);
    if (p->syncGrid->MoveRow())
        moveInSyncGrid(false, FromIndex, ToIndex);
}
