// The shape of the grid: inserting, removing and swapping rows and columns,
// and removing rows by selection, check state or repeated text. Every row
// move runs over all real columns, so hidden columns travel with their rows.
// What belongs to a row or a column follows it: hidden-row records and cell
// controls by real row, the disjunct row flags, the modified and enabled row
// marks, hidden columns with their saved widths, the cells kept in hidden
// rows' records, and the sorted column. Removal walks from the bottom up so
// that the rows still to be visited keep their indexes.

#include "grid/engine/ExGridPrivate.h"
#include "grid/services/shape/ExGridFootersAside.h"
#include "grid/engine/paint/ExGridAppearance.h"
#include "grid/engine/ExGridViewSettings.h"

#include <QtCore/QSet>

#include <algorithm>

namespace {

// The width of the last shown column, given back after the count changed.
class TLastColumnWidth {
public:
    explicit TLastColumnWidth(TExStringGrid& grid) : grid_(grid), width_(grid.ColWidths(grid.ColCount() - 1)) {}
    void Restore() { grid_.SetColWidths(grid_.ColCount() - 1, width_); }

private:
    TExStringGrid& grid_;
    int width_;
};

void deleteEntries(TIntList& flags, int Index, int Count)
{
    for (int i = 0; i < Count && Index < flags.Count(); ++i)
        flags.Delete(Index);
}

}  // namespace

// ---- rows -----------------------------------------------------------------------------------

void TExStringGrid::AddRow()
{
    if (p->floatingFooter->Visible()) {
        InsertRows(RowCount() - 1, 1, true);
        if (p->floatingFooter->FooterStyle() == fsFixedLastRow)
            ClearRows(RowCount() - 2, 1);
        return;
    }
    InsertRows(RowCount(), 1, true);
    ClearRows(RowCount() - 1, 1);
}

// The count is clipped at the last row. The controls of the removed rows are
// dropped with them, those below move up; the current row stays where it was,
// or goes to the last row before the fixed footers when it went.
void TExStringGrid::RemoveRows(int RowIndex, int RCount)
{
    if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0)
        return;
    RCount = std::min(RCount, RowCount() - RowIndex);
    const std::vector<int> reals = realRowsOf(RowIndex, RCount);
    lowerControlsAfterRemoval(reals);
    FreeCellPropertiesInRect(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);
    TLastColumnWidth lastWidth(*this);
    const bool entered = p->entered;
    p->entered = false;
    QueryCanSelectCell(Col(), Row());
    {
        TUpdateBatch batch(*this);
        const int topRow = TopRow();
        const int row = Row();
        TFootersAside footers(*p->floatingFooter, p->fixedFooters);
        lowerRecordsAfterRemoval(reals);
        if (p->showModified->Enabled())
            deleteEntries(*p->modifiedRows, RowIndex, RCount);
        if (p->useEnabledRows)
            deleteEntries(*p->disabledRows, RowIndex, RCount);
        deleteRowSelectFlags(RowIndex, RCount, reals);
        const int oldCount = RowCount();
        for (int i = RowIndex; i < oldCount; ++i) {
            if (i + RCount < oldCount)
                copyStoredRow(i + RCount, i, true);
            else
                emptyStoredRow(i);
        }
        SetRowCount(oldCount - RCount);
        if (Row() >= RowCount() && FixedRows() < RowCount())
            SetRow(RowCount() - 1);
        p->maxRowCount -= RCount;

        const int lastNormal = RowCount() - footers.Count() - 1;
        if (row <= lastNormal) {
            if (!p->mouseActions->DisjunctRowSelect())
                SetRow(row);
            SetTopRow(std::min(topRow, RowCount() - 1));
        } else if (lastNormal >= FixedRows()) {
            SetRow(lastNormal);
        } else {
            HideSelection();
        }
        p->selectionHidden = false;
        lastWidth.Restore();
    }
    p->entered = entered;
    FireCellsChanged(TRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
    keepViewFilled();
    if (p->controlList->Count() > 0)
        CellControlsUpdate(false);
    repaintSearchPanel();
}

// Shows the last rows once rows went near the end, so no blank space is left
// under them.
void TExStringGrid::keepViewFilled()
{
    const int visible = VisibleRowCount();
    const int top = RowCount() + FixedRows() - visible - 2;
    if (TopRow() >= top && RowCount() - visible - 1 > 0)
        SetTopRow(top);
}

void TExStringGrid::repaintSearchPanel()
{
    const int panel = SearchPanelHeight();
    if (p->searchFooter->Visible() && panel > 0)
        update(0, height() - panel, width(), panel);
}

void TExStringGrid::removeRowsTextOnly(int RowIndex, int RCount, const std::vector<int>& RemovedReals)
{
    TLastColumnWidth lastWidth(*this);
    const int row = Row();
    const int topRow = TopRow();
    {
        TUpdateBatch batch(*this);
        const int oldCount = RowCount();
        for (int i = RowIndex; i + RCount < oldCount; ++i)
            copyStoredRow(i + RCount, i, false);
        // the rows left past the end must not hold the moved objects twice
        for (int i = std::max(RowIndex, oldCount - RCount); i < oldCount; ++i)
            emptyStoredRow(i);
        deleteRowSelectFlags(RowIndex, RCount, RemovedReals);
        SetRowCount(oldCount - RCount);
        p->maxRowCount -= RCount;
        lastWidth.Restore();
        if (row < RowCount()) {
            SetRow(row);
            SetTopRow(std::min(topRow, RowCount() - 1));
        } else if (FixedRows() < RowCount()) {
            SetRow(FixedRows());
            SetTopRow(FixedRows());
        }
    }
    FireCellsChanged(TRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
}

// The removed rows' cell properties are freed here: the light move only
// writes over their slots, and nothing else holds them.
void TExStringGrid::RemoveRowsEx(int RowIndex, int RCount)
{
    if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0)
        return;
    RCount = std::min(RCount, RowCount() - RowIndex);
    const std::vector<int> reals = realRowsOf(RowIndex, RCount);
    FreeCellPropertiesInRect(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);
    removeRowsTextOnly(RowIndex, RCount, reals);
    lowerRecordsAfterRemoval(reals);
}

std::vector<int> TExStringGrid::rowsBySelection(bool Selected)
{
    std::vector<int> rows;
    for (int r = RowCount() - p->fixedFooters - 1; r >= FixedRows(); --r)
        if (rowIsSelected(r) == Selected)
            rows.push_back(r);
    return rows;
}

void TExStringGrid::RemoveSelectedRows()
{
    TUpdateBatch batch(*this);
    for (int r : rowsBySelection(true))
        RemoveRowsCore(r, 1);
    if (p->mouseActions->DisjunctRowSelect())
        ClearRowSelect();
}

void TExStringGrid::RemoveUnSelectedRows()
{
    TUpdateBatch batch(*this);
    for (int r : rowsBySelection(false))
        RemoveRowsCore(r, 1);
    if (p->mouseActions->RowSelectPersistent())
        SelectRows(FixedRows(), RowCount() - FixedRows());
    else
        ClearRowSelect();
}

// Only rows with a check box in the column count; a row without one is
// neither checked nor unchecked.
void TExStringGrid::RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked)
{
    TUpdateBatch batch(*this);
    for (int r = RowCount() - 1; r >= FixedRows(); --r) {
        bool state = false;
        if (GetCheckBoxState(CheckBoxColumn, r, state) && state == RemoveChecked)
            RemoveRows(r, 1);
    }
}

// Texts are compared exactly with DoCase, else in upper case.
void TExStringGrid::RemoveDuplicates(int ACol, bool DoCase)
{
    const int col = RealColIndex(ACol);
    TUpdateBatch batch(*this);
    QSet<QString> seen;
    for (int r = FixedRows(); r < RowCount() - p->fixedFooters;) {
        const QString text = Cells(col, r);
        const QString key = DoCase ? text : text.toUpper();
        if (seen.contains(key)) {
            RemoveRowsCore(r, 1);
            continue;
        }
        seen.insert(key);
        ++r;
    }
}

// The spare line is a copy kept aside: no object is freed, each one ends in
// exactly one cell.
void TExStringGrid::SwapRows(int ARow1, int ARow2)
{
    if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount())
        return;
    TUpdateBatch batch(*this);
    std::vector<std::pair<QString, TObject*>> spare;
    for (int c = 0; c < TotalColCount(); ++c)
        spare.emplace_back(GridCells(c, ARow1), GridObjects(c, ARow1));
    copyStoredRow(ARow2, ARow1, false);
    for (int c = 0; c < TotalColCount(); ++c) {
        SetGridCells(c, ARow2, spare[static_cast<size_t>(c)].first);
        SetGridObjects(c, ARow2, spare[static_cast<size_t>(c)].second);
    }
    const int height1 = RowHeights(ARow1);
    SetRowHeights(ARow1, RowHeights(ARow2));
    SetRowHeights(ARow2, height1);
    if (p->controlList->Count() == 0)
        return;
    const int real1 = RealRowIndex(ARow1);
    const int real2 = RealRowIndex(ARow2);
    for (int i = 0; i < p->controlList->Count(); ++i) {
        TControlItem* control = p->controlList->Control(i);
        if (control->Y == real1)
            control->Y = real2;
        else if (control->Y == real2)
            control->Y = real1;
    }
    CellControlsUpdate(false);
}

// ---- columns --------------------------------------------------------------------------------

void TExStringGrid::copyStoredCol(int FromCol, int ToCol)
{
    for (int r = 0; r < RowCount(); ++r) {
        SetGridCells(ToCol, r, GridCells(FromCol, r));
        SetGridObjects(ToCol, r, GridObjects(FromCol, r));
    }
}

void TExStringGrid::AddColumn() { InsertCols(ColCount(), 1); }

// The new columns are shown, at the default width, and empty; the columns
// after them keep their hidden state, saved width and the cells their hidden
// rows hold.
void TExStringGrid::InsertCols(int ColIndex, int CCount)
{
    if (ColIndex < 0 || CCount <= 0)
        return;
    const int oldTotal = TotalColCount();
    ColIndex = std::min(ColIndex, oldTotal);
    std::vector<int> widths;
    for (int d = 0; d < ColCount(); ++d)
        widths.push_back(ColWidths(d));
    const int display = RealToDisplayCol(ColIndex);
    widths.insert(widths.begin() + std::min(display, static_cast<int>(widths.size())), static_cast<size_t>(CCount),
                  DefaultColWidth());
    p->hiddenCols.Insert(ColIndex, CCount);
    SetColCount(ColCount() + CCount);
    for (int i = oldTotal + CCount - 1; i >= ColIndex + CCount; --i)
        copyStoredCol(i - CCount, i);
    for (int c = ColIndex; c < ColIndex + CCount; ++c)
        ResetColumnCells(c);
    for (int d = 0; d < ColCount(); ++d)
        SetColWidths(d, widths[static_cast<size_t>(d)]);
    for (auto& item : p->gridItems) {
        TStringList* items = item->Items();
        for (int i = 0; i < CCount && ColIndex <= items->Count(); ++i)
            items->Insert(ColIndex, QString());
    }
    for (int i = 0; i < p->controlList->Count(); ++i)
        if (TControlItem* control = p->controlList->Control(i); control->X >= ColIndex)
            control->X += CCount;
}

// The count is clipped at the last real column. A removed hidden column
// leaves the hidden count, a removed shown one the shown count.
void TExStringGrid::RemoveCols(int ColIndex, int CCount)
{
    const int total = TotalColCount();
    if (ColIndex < 0 || ColIndex >= total || CCount <= 0)
        return;
    CCount = std::min(CCount, total - ColIndex);
    FreeCellPropertiesInRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
    std::vector<int> widths;
    for (int d = 0; d < ColCount(); ++d)
        widths.push_back(ColWidths(d));
    int shownRemoved = 0;
    for (int c = ColIndex + CCount - 1; c >= ColIndex; --c) {
        if (IsHiddenColumn(c))
            continue;
        const int d = RealToDisplayCol(c);
        if (d < static_cast<int>(widths.size()))
            widths.erase(widths.begin() + d);
        ++shownRemoved;
    }
    for (int i = ColIndex; i < total; ++i) {
        if (i + CCount < total)
            copyStoredCol(i + CCount, i);
        else
            ResetColumnCells(i);
    }
    p->hiddenCols.Remove(ColIndex, CCount);
    SetColCount(ColCount() - shownRemoved);
    for (int d = 0; d < ColCount() && d < static_cast<int>(widths.size()); ++d)
        SetColWidths(d, widths[static_cast<size_t>(d)]);
    for (auto& item : p->gridItems) {
        for (int i = 0; i < CCount && ColIndex < item->Items()->Count(); ++i) {
            delete item->TakeObject(ColIndex);
            item->Items()->Delete(ColIndex);
        }
    }
    TControlList& controls = *p->controlList;
    for (int i = controls.Count() - 1; i >= 0; --i) {
        TControlItem* control = controls.Control(i);
        if (control->X >= ColIndex + CCount) {
            control->X -= CCount;
        } else if (control->X >= ColIndex) {
            if (control->Control)
                control->Control->hide();
            controls.RemoveControl(i);
        }
    }
    FireCellsChanged(TRect{ColIndex, 0, ColIndex + CCount, RowCount() - 1});
}

// Column flags are by display column; each removed column takes its flag.
void TExStringGrid::removeColsBySelection(bool Selected)
{
    const TGridRect sel = Selection();
    const int left = std::min(sel.Left, sel.Right);
    const int right = std::max(sel.Left, sel.Right);
    const bool disjunct = p->mouseActions->DisjunctColSelect();
    for (int c = ColCount() - 1; c >= FixedCols(); --c) {
        const bool selected = disjunct ? IsFlagSet(*p->colSelect, c) : c >= left && c <= right;
        if (selected != Selected)
            continue;
        RemoveCols(RealColIndex(c), 1);
        if (disjunct && c < p->colSelect->Count())
            p->colSelect->Delete(c);
    }
}

void TExStringGrid::RemoveSelectedCols() { removeColsBySelection(true); }

void TExStringGrid::RemoveUnSelectedCols()
{
    removeColsBySelection(false);
    ClearColSelect();
}

void TExStringGrid::SwapColumns(int ACol1, int ACol2)
{
    const int total = TotalColCount();
    if (ACol1 == ACol2 || ACol1 < 0 || ACol2 < 0 || ACol1 >= total || ACol2 >= total)
        return;
    TUpdateBatch batch(*this);
    std::vector<std::pair<QString, TObject*>> spare;
    for (int r = 0; r < RowCount(); ++r)
        spare.emplace_back(GridCells(ACol1, r), GridObjects(ACol1, r));
    copyStoredCol(ACol2, ACol1);
    for (int r = 0; r < RowCount(); ++r) {
        SetGridCells(ACol2, r, spare[static_cast<size_t>(r)].first);
        SetGridObjects(ACol2, r, spare[static_cast<size_t>(r)].second);
    }
    for (auto& item : p->gridItems) {
        TStringList* items = item->Items();
        if (std::max(ACol1, ACol2) < items->Count())
            items->Exchange(ACol1, ACol2);
    }
    const int width1 = AllColWidths(ACol1);
    SetAllColWidths(ACol1, AllColWidths(ACol2));
    SetAllColWidths(ACol2, width1);
    TSortSettings& sort = *p->sortSettings;
    if (sort.Column() == ACol1)
        sort.SetColumn(ACol2);
    else if (sort.Column() == ACol2)
        sort.SetColumn(ACol1);
    if (p->controlList->Count() == 0)
        return;
    for (int i = 0; i < p->controlList->Count(); ++i) {
        TControlItem* control = p->controlList->Control(i);
        if (control->X == ACol1)
            control->X = ACol2;
        else if (control->X == ACol2)
            control->X = ACol1;
    }
    CellControlsUpdate(false);
}
