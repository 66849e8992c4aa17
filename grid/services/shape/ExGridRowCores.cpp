// The cores of row insertion and deletion that hiding, showing and the row
// keys share, and the hiding of the selection. Inserting rows raises the records
// of hidden rows and the disjunct row flags behind them; removing rows lowers
// them, so each keeps pointing at the place it belongs.

#include "grid/engine/ExGridPrivate.h"
#include "grid/engine/paint/ExGridAppearance.h"
#include "grid/engine/ExGridViewSettings.h"

#include <algorithm>
#include <optional>

void TExStringGrid::copyStoredRow(int FromRow, int ToRow, bool WithHeight)
{
    for (int c = 0; c < TotalColCount(); ++c) {
        SetGridCells(c, ToRow, GridCells(c, FromRow));
        SetGridObjects(c, ToRow, GridObjects(c, FromRow));
    }
    if (WithHeight)
        SetRowHeights(ToRow, RowHeights(FromRow));
}

void TExStringGrid::emptyStoredRow(int ARow)
{
    for (int c = 0; c < TotalColCount(); ++c) {
        SetGridObjects(c, ARow, nullptr);
        SetGridCells(c, ARow, QString());
    }
}

bool TExStringGrid::SelectionHidden() const { return p->selectionHidden; }

void TExStringGrid::HideSelection()
{
    if (!p->selectionHidden)
        p->savedSelection = Selection();
    TGridRect outside;
    outside.Left = outside.Right = ColCount();
    outside.Top = outside.Bottom = RowCount();
    SetSelection(outside);
    p->selectionHidden = true;
}

void TExStringGrid::UnHideSelection()
{
    p->selectionHidden = false;
    const TGridRect saved = p->savedSelection;
    if (saved.Top < RowCount() && saved.Left < ColCount() && saved.Top >= 0 && saved.Left >= 0) {
        SetSelection(saved);
        return;
    }
    TGridRect cell;
    cell.Left = cell.Right = (p->fixedColAlways && FixedCols() == ColCount()) ? 0 : FixedCols();
    cell.Top = cell.Bottom = (p->fixedRowAlways && FixedRows() == RowCount()) ? 0 : FixedRows();
    SetSelection(cell);
}

// Records of hidden rows and the disjunct row flags at or after the inserted
// row move down with it, as removal moves them up.
void TExStringGrid::InsertRows(int RowIndex, int RCount, bool UpdateCellControls)
{
    if (RCount <= 0 || RowIndex < 0)
        return;
    const int realIndex = RealRowIndex(RowIndex);
    for (auto& item : p->gridItems)
        if (item->Idx() >= realIndex)
            item->SetIdx(item->Idx() + RCount);
    insertRowSelectFlags(RowIndex, RCount);
    InsertRowRange(RowIndex, RCount, UpdateCellControls);
}

std::vector<int> TExStringGrid::realRowsOf(int RowIndex, int RCount) const
{
    std::vector<int> reals;
    for (int i = 0; i < RCount; ++i)
        reals.push_back(DisplayToRealRow(RowIndex + i));
    return reals;
}

namespace {

// How many of the ascending removed rows lie before a real row.
int removedBefore(const std::vector<int>& RemovedReals, int Real)
{
    return static_cast<int>(std::lower_bound(RemovedReals.begin(), RemovedReals.end(), Real) - RemovedReals.begin());
}

bool isRemoved(const std::vector<int>& RemovedReals, int Real)
{
    return std::binary_search(RemovedReals.begin(), RemovedReals.end(), Real);
}

}  // namespace

// A hidden row between removed rows stays hidden; it moves up by the removed
// rows before it only.
void TExStringGrid::lowerRecordsAfterRemoval(const std::vector<int>& RemovedReals)
{
    for (auto& item : p->gridItems)
        item->SetIdx(item->Idx() - removedBefore(RemovedReals, item->Idx()));
}

void TExStringGrid::lowerControlsAfterRemoval(const std::vector<int>& RemovedReals)
{
    TControlList& controls = *p->controlList;
    for (int i = controls.Count() - 1; i >= 0; --i) {
        TControlItem* control = controls.Control(i);
        if (isRemoved(RemovedReals, control->Y)) {
            if (control->Control)
                control->Control->hide();
            controls.RemoveControl(i);
        } else {
            control->Y -= removedBefore(RemovedReals, control->Y);
        }
    }
}

// The list of selected rows names flag indexes too, so it moves with them.
void TExStringGrid::insertRowSelectFlags(int RowIndex, int RCount)
{
    const TMouseActions& actions = *p->mouseActions;
    if (!actions.DisjunctRowSelect())
        return;
    const int at = actions.RowSelectPersistent() ? RealRowIndex(RowIndex) : RowIndex;
    TIntList& flags = *p->rowSelect;
    if (at < flags.Count())
        for (int i = 0; i < RCount; ++i)
            flags.Insert(at, 0);
    for (int& row : p->selectedRows)
        if (row >= at)
            row += RCount;
}

void TExStringGrid::deleteRowSelectFlags(int RowIndex, int RCount, const std::vector<int>& RemovedReals)
{
    const TMouseActions& actions = *p->mouseActions;
    if (!actions.DisjunctRowSelect())
        return;
    std::vector<int> gone;
    if (actions.RowSelectPersistent())
        gone = RemovedReals;
    else
        for (int i = 0; i < RCount; ++i)
            gone.push_back(RowIndex + i);
    TIntList& flags = *p->rowSelect;
    for (auto it = gone.rbegin(); it != gone.rend(); ++it)
        if (*it < flags.Count())
            flags.Delete(*it);
    std::vector<int>& rows = p->selectedRows;
    std::erase_if(rows, [&gone](int row) { return isRemoved(gone, row); });
    for (int& row : rows)
        row -= removedBefore(gone, row);
}

void TExStringGrid::InsertRowRange(int RowIndex, int RCount, bool UpdateCellControls)
{
    if (RCount <= 0 || RowIndex < 0)
        return;
    const int lastCol = ColCount() - 1;
    const int lastColWidth = ColWidths(lastCol);
    if (p->selectionHidden || Col() >= ColCount() || Row() >= RowCount())
        UnHideSelection();
    const int realIndex = RealRowIndex(RowIndex);
    std::optional<TUpdateBatch> batch(std::in_place, *this);
    SetRowCount(RowCount() + RCount);
    const int last = p->floatingFooter->Visible() ? RowCount() - 2 : RowCount() - 1;
    for (int t = last; t >= RowIndex + RCount; --t)
        copyStoredRow(t - RCount, t, true);
    for (int r = RowIndex; r < RowIndex + RCount && r < RowCount(); ++r) {
        SetRowHeights(r, DefaultRowHeight());
        emptyStoredRow(r);
    }
    for (TIntList* flags : {p->modifiedRows.get(), p->disabledRows.get()}) {
        if ((flags != p->modifiedRows.get() || p->showModified->Enabled()) && RowIndex < flags->Count())
            for (int i = 0; i < RCount; ++i)
                flags->Insert(RowIndex, 0);
    }
    SetColWidths(lastCol, lastColWidth);
    if (UpdateCellControls)
        for (int i = 0; i < p->controlList->Count(); ++i) {
            TControlItem* control = p->controlList->Control(i);
            if (control->Y >= realIndex)
                control->Y += RCount;
        }
    batch.reset();
    if (!p->destroying)
        FireCellsChanged(TRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
}

void TExStringGrid::DeleteRowRange(int RowIndex, int RCount, bool DeleteControls)
{
    if (RowIndex >= RowCount() || RowIndex < 0 || RCount <= 0)
        return;
    RCount = std::min(RCount, RowCount() - RowIndex);
    if (DeleteControls)
        for (int i = p->controlList->Count() - 1; i >= 0; --i) {
            TControlItem* control = p->controlList->Control(i);
            if (control->Y >= RowIndex && control->Y < RowIndex + RCount) {
                if (control->Control)
                    control->Control->hide();
                p->controlList->RemoveControl(i);
            }
        }
    const int footers = p->fixedFooters;
    p->fixedFooters = 0;
    const bool footerShown = p->floatingFooter->Visible();
    if (footerShown)
        p->floatingFooter->SetVisible(false);
    // removed rows take their flags along; hidden ones keep them by real index
    deleteRowSelectFlags(RowIndex, RCount, DeleteControls ? realRowsOf(RowIndex, RCount) : std::vector<int>());

    const int lastCol = ColCount() - 1;
    const int lastColWidth = ColWidths(lastCol);
    std::optional<TUpdateBatch> batch(std::in_place, *this);
    const int topRow = TopRow();
    const int row = Row();
    const bool rowSelect = Options().testFlag(goRowSelect);
    if (rowSelect && FixedRows() < RowCount() - 1)
        SetOptions(Options() & ~TGridOptions(goRowSelect));

    std::vector<int> heights;
    for (int r = 0; r < RowCount(); ++r)
        heights.push_back(RowHeights(r));
    if (DeleteControls && !p->gridItems.empty())
        lowerRecordsAfterRemoval(realRowsOf(RowIndex, RCount));
    for (int i = 0; i < RCount; ++i) {
        DeleteRow(RowIndex);
        heights.erase(heights.begin() + RowIndex);
    }
    if (row < RowCount()) {
        SetRow(row);
        SetTopRow(std::min(topRow, RowCount() - 1));
    } else if (FixedRows() < RowCount()) {
        SetRow(RowCount() - 1);
    } else {
        HideSelection();
    }
    p->selectionHidden = false;
    for (int r = 0; r < RowCount(); ++r)
        SetRowHeights(r, heights[static_cast<size_t>(r)]);
    SetColWidths(lastCol < ColCount() ? lastCol : ColCount() - 1, lastColWidth);
    batch.reset();

    FireCellsChanged(TRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
    if (rowSelect && FixedRows() < RowCount())
        SetOptions(Options() | goRowSelect);
    if (footerShown)
        p->floatingFooter->SetVisible(true);
    p->fixedFooters = footers;
}

void TExStringGrid::RemoveRowsCore(int RowIndex, int RCount)
{
    if (RCount <= 0)
        return;
    FreeCellPropertiesInRect(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);
    DeleteRowRange(RowIndex, RCount, true);
}

// The keys name the real row; the store holds the shown rows, so hidden rows
// above it must not shift which row is removed or where one is inserted. With
// node rows a row inside a node goes or comes as a child row, keeping the
// spans of its nodes, and a row outside every node as a normal row.
void TExStringGrid::DeleteRowFromKey(int ARow)
{
    const int shown = DisplRowIndex(ARow);
    if (HasNodeRows()) {
        if (GetParentRow(shown) == -1)
            RemoveNormalRow(shown);
        else
            RemoveChildRow(ARow);
    } else if (RowCount() - FixedRows() - p->fixedFooters == 1 && !p->fixedRowAlways) {
        ClearRows(shown, 1);
    } else {
        RemoveRowsCore(shown, 1);
    }
    if (OnAutoDeleteRow)
        OnAutoDeleteRow(this, ARow);
}

void TExStringGrid::InsertRowFromKey(int ARow)
{
    if (!HasNodeRows())
        InsertRows(DisplRowIndex(ARow), 1, true);
    else if (GetParentRow(DisplRowIndex(ARow)) == -1)
        InsertNormalRow(ARow);
    else
        InsertChildRow(ARow);
}
