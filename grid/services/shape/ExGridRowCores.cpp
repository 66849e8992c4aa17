// The cores of row insertion and deletion that hiding, showing and the row
// keys share, and the hiding of the selection. Inserting rows raises the records
// of hidden rows behind them; removing rows lowers them, so each record keeps
// pointing at the place it belongs.

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

// Records of hidden rows at or after the inserted real row move down with it,
// as removal moves them up.
void TExStringGrid::InsertRows(int RowIndex, int RCount, bool UpdateCellControls)
{
    if (RCount <= 0 || RowIndex < 0)
        return;
    const int realIndex = RealRowIndex(RowIndex);
    for (auto& item : p->gridItems)
        if (item->Idx() >= realIndex)
            item->SetIdx(item->Idx() + RCount);
    InsertRowRange(RowIndex, RCount, UpdateCellControls);
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
    const bool disjunctRows = p->mouseActions->DisjunctRowSelect();

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
    if (DeleteControls && !p->gridItems.empty()) {
        const int first = RealRowIndex(RowIndex);
        for (auto& item : p->gridItems)
            if (item->Idx() > first)
                item->SetIdx(item->Idx() - RCount);
    }
    for (int i = 0; i < RCount; ++i) {
        DeleteRow(RowIndex);
        heights.erase(heights.begin() + RowIndex);
        if (disjunctRows && !p->mouseActions->RowSelectPersistent() && RowIndex < p->rowSelect->Count())
            p->rowSelect->Delete(RowIndex);
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

// The bookkeeping around the core: the current cell is asked once, controls
// below the rows move up with them and the modified marks stay in step.
void TExStringGrid::RemoveRows(int RowIndex, int RCount)
{
    if (RCount <= 0 || RowIndex < 0 || RowIndex >= RowCount())
        return;
    RCount = std::min(RCount, RowCount() - RowIndex);
    QueryCanSelectCell(Col(), Row());
    const int realIndex = RealRowIndex(RowIndex);
    RemoveRowsCore(RowIndex, RCount);
    for (int i = 0; i < p->controlList->Count(); ++i)
        if (TControlItem* control = p->controlList->Control(i); control->Y >= realIndex + RCount)
            control->Y -= RCount;
    TIntList& modified = *p->modifiedRows;
    for (int i = 0; i < RCount && RowIndex < modified.Count(); ++i)
        modified.Delete(RowIndex);
}

// The keys name the real row; the store holds the shown rows, so hidden rows
// above it must not shift which row is removed or where one is inserted.
void TExStringGrid::DeleteRowFromKey(int ARow)
{
    const int shown = DisplRowIndex(ARow);
    if (RowCount() - FixedRows() - p->fixedFooters == 1 && !p->fixedRowAlways)
        ClearRows(shown, 1);
    else
        RemoveRowsCore(shown, 1);
    if (OnAutoDeleteRow)
        OnAutoDeleteRow(this, ARow);
}

void TExStringGrid::InsertRowFromKey(int ARow) { InsertRows(DisplRowIndex(ARow), 1, true); }
