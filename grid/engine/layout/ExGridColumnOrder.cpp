// Columns and rows moved by the program, and the record of the columns' first
// order through which positions and first indexes are translated and the
// first order is restored. Embedded controls follow their moved column or row;
// MoveRows does nothing for a count below 1 or a range outside the grid.

#include "grid/engine/ExGridPrivate.h"

#include <utility>
#include <vector>

namespace {

// Where an embedded control's column (row) goes when the line From moves to To
// and the lines between close up.
int FollowMovedLine(int line, int From, int To)
{
    if (line == From)
        return To;
    if (To < From && line >= To && line < From)
        return line + 1;
    if (To > From && line > From && line <= To)
        return line - 1;
    return line;
}

} // namespace

void TExStringGrid::SetColumnOrder()
{
    TIntList& order = *p->columnOrder;
    order.Clear();
    for (int c = 0; c < ColCount(); ++c)
        order.Add(c);
}

void TExStringGrid::followColumnOrder(int FromIndex, int ToIndex)
{
    TIntList& order = *p->columnOrder;
    if (FromIndex < 0 || ToIndex < 0 || FromIndex >= order.Count() || ToIndex >= order.Count())
        return;
    const int entry = order.GetInteger(FromIndex);
    order.Delete(FromIndex);
    order.Insert(ToIndex, entry);
}

void TExStringGrid::followEmbeddedControls(bool Columns, int FromIndex, int ToIndex)
{
    TControlList& controls = *p->controlList;
    for (int i = 0; i < controls.Count(); ++i) {
        TControlItem* item = controls.Control(i);
        int& line = Columns ? item->X : item->Y;
        line = FollowMovedLine(line, FromIndex, ToIndex);
    }
    if (controls.Count() > 0)
        CellControlsUpdate(false);
}

void TExStringGrid::MoveColumn(int FromIndex, int ToIndex)
{
    if (p->columnOrder->Count() == 0)
        SetColumnOrder();
    TBaseGrid::MoveColumn(FromIndex, ToIndex);
    followEmbeddedControls(true, FromIndex, ToIndex);
}

void TExStringGrid::MoveRow(int FromIndex, int ToIndex)
{
    TBaseGrid::MoveRow(FromIndex, ToIndex);
    followEmbeddedControls(false, FromIndex, ToIndex);
}

void TExStringGrid::MoveRows(int FromIndex, int ToIndex, int Count)
{
    if (FromIndex == ToIndex || Count <= 0)
        return;
    if (FromIndex < 0 || FromIndex + Count > RowCount() || ToIndex < 0 || ToIndex > RowCount())
        return;
    struct StoredRow {
        std::vector<QString> texts;
        std::vector<TObject*> objects;
    };
    std::vector<StoredRow> rows;
    for (int r = FromIndex; r < FromIndex + Count; ++r) {
        StoredRow row;
        for (int c = 0; c < TotalColCount(); ++c) {
            row.texts.push_back(GridCells(c, r));
            row.objects.push_back(Objects(c, r));
        }
        rows.push_back(std::move(row));
    }
    if (ToIndex > FromIndex + Count)
        ToIndex -= Count;
    // Moving the last rows past the end puts them back where they were.
    ToIndex = std::min(ToIndex, RowCount() - Count);
    RemoveRowsCore(FromIndex, Count);
    InsertRows(ToIndex, Count);
    for (int i = 0; i < Count; ++i) {
        const StoredRow& row = rows[size_t(i)];
        for (int c = 0; c < int(row.texts.size()) && c < TotalColCount(); ++c) {
            SetGridCells(c, ToIndex + i, row.texts[size_t(c)]);
            SetObjects(c, ToIndex + i, row.objects[size_t(c)]);
        }
    }
}

void TExStringGrid::ResetColumnOrder()
{
    UnHideColumnsAll();
    TIntList& order = *p->columnOrder;
    if (order.Count() == 0) {
        SetColumnOrder();
        return;
    }
    // A recorded order is a permutation, which needs fewer passes than there
    // are columns; the limit keeps a damaged record from looping.
    for (int pass = 0; pass <= ColCount(); ++pass) {
        bool moved = false;
        for (int i = 0; i < ColCount() && i < order.Count(); ++i) {
            const int entry = order.GetInteger(i);
            if (entry >= 0 && entry < i) {
                MoveColumn(i, entry);
                moved = true;
            }
        }
        if (!moved)
            return;
    }
}

int TExStringGrid::ColumnPosition(int ACol)
{
    const TIntList& order = *p->columnOrder;
    if (order.Count() == 0)
        return ACol;
    int position = ACol;
    const int columns = std::min(order.Count(), ColCount() + NumHiddenColumns());
    for (int i = 0; i < columns; ++i)
        if (order.GetInteger(i) == ACol) {
            position = i;
            break;
        }
    if (p->groupColumn != -1 && ACol >= p->groupColumn)
        --position;
    return position;
}

int TExStringGrid::ColumnAtPosition(int ACol)
{
    TIntList& order = *p->columnOrder;
    if (order.Count() == 0) {
        SetColumnOrder();
        if (order.Count() == 0)
            return ACol;
    }
    if (ACol < 0 || ACol >= order.Count())
        return ACol;
    const int entry = order.GetInteger(ACol);
    return p->groupColumn != -1 && entry >= p->groupColumn ? entry + 1 : entry;
}

int TExStringGrid::ColumnByHeader(const QString& AValue)
{
    for (int c = 0; c < TotalColCount(); ++c)
        if (AllCells(c, 0) == AValue)
            return c;
    return -1;
}
