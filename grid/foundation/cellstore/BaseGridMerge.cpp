// Merged ranges: the queries that find a cell's range and base cell, merging
// and splitting, the keys and wheel steps that move out of a range, and the
// repaint of ranges that reach into the fixed cells.

#include "grid/foundation/cellstore/BaseGrid.h"
#include "grid/foundation/cellstore/BaseGridPrivate.h"

#include <algorithm>

// ---- queries ----

bool TBaseGrid::IsMergedCell(int c, int r) const
{
    if (!HasCellProperties(c, r))
        return false;
    const TCellProperties* props = propertiesAt(c, r);
    return props->CellSpanX() > 0 || props->CellSpanY() > 0;
}

bool TBaseGrid::IsMergedNonBaseCell(int c, int r) const
{
    return IsMergedCell(c, r) && !propertiesAt(c, r)->IsBaseCell();
}

bool TBaseGrid::IsXMergedCell(int c, int r) const
{
    return CellSpan(c, r).X > 0;
}

bool TBaseGrid::IsYMergedCell(int c, int r) const
{
    return CellSpan(c, r).Y > 0;
}

bool TBaseGrid::IsBaseCell(int c, int r) const
{
    return !HasCellProperties(c, r) || propertiesAt(c, r)->IsBaseCell();
}

TPoint TBaseGrid::BaseCell(int c, int r) const
{
    if (!HasCellProperties(c, r))
        return {c, r};
    return propertiesAt(c, r)->GetBaseCell(c, r);
}

bool TBaseGrid::ResolveBaseCell(int c, int r, int& bc, int& br) const
{
    bc = c;
    br = r;
    if (IsBaseCell(c, r))
        return true;
    const TPoint base = BaseCell(c, r);
    bc = base.X;
    br = base.Y;
    return false;
}

TPoint TBaseGrid::CellSpan(int c, int r) const
{
    if (!HasCellProperties(c, r))
        return {0, 0};
    const TCellProperties* props = propertiesAt(c, r);
    if (props->CellSpanX() == -1 || props->CellSpanY() == -1)
        return {0, 0};
    const TPoint base = props->GetBaseCell(c, r);
    const TCellProperties* baseProps = HasCellProperties(base.X, base.Y) ? propertiesAt(base.X, base.Y) : props;
    return {std::max(baseProps->CellSpanX(), 0), std::max(baseProps->CellSpanY(), 0)};
}

TPoint TBaseGrid::CellExt(int c, int r) const
{
    const TPoint span = CellSpan(c, r);
    if (span.X == 0 && span.Y == 0)
        return {0, 0};
    const TPoint base = BaseCell(c, r);
    return {base.X + span.X - c, base.Y + span.Y - r};
}

TGridRect TBaseGrid::FullCell(int c, int r) const
{
    const TPoint base = BaseCell(c, r);
    const TPoint span = CellSpan(c, r);
    return {base.X, base.Y, base.X + span.X, base.Y + span.Y};
}

int TBaseGrid::MinRowSpan(int ARow) const
{
    int result = RowCount();
    for (int c = 0; c < ColCount(); ++c) {
        const int span = CellSpan(c, ARow).Y;
        if (span > 0 && span < result)
            result = span;
    }
    return result;
}

int TBaseGrid::MaxRowSpan(int ARow) const
{
    int result = 0;
    for (int c = 0; c < ColCount(); ++c)
        result = std::max(result, CellSpan(c, ARow).Y);
    return result;
}

bool TBaseGrid::RowSpanIdentical(int ARow1, int ARow2) const
{
    bool found = false;
    for (int c = 0; c < ColCount(); ++c) {
        if (CellSpan(c, ARow1).Y <= 0 || CellSpan(c, ARow2).Y <= 0)
            continue;
        found = true;
        if (BaseCell(c, ARow1).Y != BaseCell(c, ARow2).Y)
            return false;
    }
    return found;
}

bool TBaseGrid::ColSpanIdentical(int ACol1, int ACol2) const
{
    bool found = false;
    for (int r = 0; r < RowCount(); ++r) {
        const int span1 = CellSpan(ACol1, r).X;
        const int span2 = CellSpan(ACol2, r).X;
        if (span1 > 0 && span2 > 0) {
            found = true;
            if (BaseCell(ACol1, r).X != BaseCell(ACol2, r).X)
                return false;
        } else if (span1 != span2) {
            return false;
        }
    }
    return found;
}

// ---- merge and split ----

void TBaseGrid::MergeCells(int c, int r, int spanx, int spany)
{
    if (c < 0 || r < 0 || c >= TotalColCount() || r >= RowCount())
        return;
    ++p->mergeCount;
    spanx = std::min(spanx, TotalColCount() - c);
    spany = std::min(spany, RowCount() - r);
    for (int i = c; i < c + spanx; ++i)
        for (int j = r; j < r + spany; ++j) {
            TCellProperties* props = CellProperties(i, j);
            const bool base = i == c && j == r;
            props->SetIsBaseCell(base);
            props->SetCellSpanX(base ? spanx - 1 : i - c);
            props->SetCellSpanY(base ? spany - 1 : j - r);
        }
    for (int i = c; i < c + spanx; ++i)
        for (int j = r; j < r + spany; ++j)
            RepaintCell(i, j);
}

void TBaseGrid::SplitCells(int c, int r)
{
    if (c < 0 || r < 0 || c >= TotalColCount() || r >= RowCount())
        return;
    const TGridRect range = FullCell(c, r);
    const bool merged = HasCellProperties(c, r) && propertiesAt(range.Left, range.Top) != nullptr &&
                        propertiesAt(range.Left, range.Top)->CellSpanX() != -1;
    if (merged) {
        for (int i = range.Left; i <= range.Right; ++i)
            for (int j = range.Top; j <= range.Bottom; ++j)
                RepaintCell(i, j);
        for (int i = range.Left; i <= range.Right; ++i)
            for (int j = range.Top; j <= range.Bottom; ++j) {
                TCellProperties* props = CellProperties(i, j);
                props->SetIsBaseCell(true);
                props->SetCellSpanX(-1);
                props->SetCellSpanY(-1);
            }
    }
    --p->mergeCount;
}

// ---- navigation ----

void TBaseGrid::SnapToBaseCell()
{
    if (!HasCellProperties(Col(), Row()))
        return;
    const TPoint base = BaseCell(Col(), Row());
    if (base.X >= FixedCols())
        SetCol(base.X);
    if (base.Y >= FixedRows())
        SetRow(base.Y);
}

// Moves the current cell to the edge of its merged range in the direction of
// the key, so that the grid's own step of that key leaves the range.
void TBaseGrid::stepOutOfRange(Word key)
{
    if (!HasCellProperties(Col(), Row()))
        return;
    const TPoint base = BaseCell(Col(), Row());
    const TPoint span = CellSpan(base.X, base.Y);
    const int bc = base.X;
    const int br = base.Y;
    switch (key) {
    case VK_RIGHT: {
        const int last = bc + span.X;
        if (last >= Col() && Col() < ColCount() - 1 && bc < ColCount() - 1 && last < ColCount())
            SetCol(last);
        break;
    }
    case VK_DOWN: {
        const int last = br + span.Y;
        if (last >= Row() && Row() < RowCount() - 1 && br < RowCount() - 1 && last < RowCount())
            SetRow(last);
        break;
    }
    case VK_UP:
        if (br < Row() && Row() > FixedRows() && br >= FixedRows())
            SetRow(br);
        break;
    case VK_LEFT:
        if (bc < Col() && Col() > FixedCols() && bc >= FixedCols())
            SetCol(bc);
        break;
    default:
        break;
    }
}

void TBaseGrid::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key == VK_NEXT && VisibleRowCount() + TopRow() - FixedRows() == RowCount() - 1 && p->hideLastRow &&
        RowCount() > 1 && RowCount() - 2 >= FixedRows())
        SetRow(RowCount() - 2);
    stepOutOfRange(Key);
    TStringGrid::KeyDown(Key, Shift);
    SnapToBaseCell();
}

bool TBaseGrid::DoMouseWheelDown(TShiftState Shift, const TPoint& MousePos)
{
    const bool handled = TStringGrid::DoMouseWheelDown(Shift, MousePos);
    if (VisibleRowCount() < Row() - TopRow() && Row() < RowCount() - 1 && p->hideLastRow)
        SetTopRow(TopRow() + 1);
    SnapToBaseCell();
    return handled;
}

bool TBaseGrid::DoMouseWheelUp(TShiftState Shift, const TPoint& MousePos)
{
    const bool handled = TStringGrid::DoMouseWheelUp(Shift, MousePos);
    SnapToBaseCell();
    return handled;
}

void TBaseGrid::TopLeftChanged()
{
    TStringGrid::TopLeftChanged();
    repaintMergedFixedCols();
    repaintMergedFixedRows();
}

void TBaseGrid::repaintMergedFixedCols()
{
    const int last = std::min(TopRow() + VisibleRowCount(), RowCount() - 1);
    for (int c = 0; c < FixedCols(); ++c)
        for (int r = TopRow(); r <= last; ++r)
            if (IsMergedCell(c, r))
                RepaintCell(c, r);
}

void TBaseGrid::repaintMergedFixedRows()
{
    const int last = std::min(LeftCol() + VisibleColCount(), ColCount() - 1);
    for (int r = 0; r < FixedRows(); ++r)
        for (int c = LeftCol(); c <= last; ++c)
            if (IsMergedCell(c, r))
                RepaintCell(c, r);
}
