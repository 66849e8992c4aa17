// The selection model: the rectangle with the current cell, the disjunct row,
// column and cell selections, the row marks (modified, disabled), the cell
// selection question every move of the current cell asks, and the repaints
// that follow a change.
//
// SelectCell asks QueryCanSelectCell (grid/cells ExGridNavigation.cpp); an
// accepted move is reported by cellSelected: row indicator, the one registered
// ITExStringGridSelect listener, active headers and rows, cell borders and
// OnRowChanged, raised once per move whether the Row writer or the cell selection
// made it. SelectRows and SelectCols stop at the last row and column.

#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/util/ExUtilClipboard.h"
#include "platform/grid/InplaceEdit.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Grows a flag list with clear entries until it holds Index.
void growFlags(TIntList& flags, int Index)
{
    while (flags.Count() <= Index)
        flags.Add(0);
}

// A row mark: 1 set, 0 clear; past the end clear. A negative row raises the
// list's index error.
bool readRowMark(const TIntList& marks, int ARow)
{
    return ARow < marks.Count() && marks.GetInteger(ARow) == 1;
}

void writeRowMark(TIntList& marks, int ARow, bool Value)
{
    growFlags(marks, ARow);
    marks.SetInteger(ARow, Value ? 1 : 0);
}

bool inRows(const TGridRect& r, int ARow)
{
    return ARow >= std::min(r.Top, r.Bottom) && ARow <= std::max(r.Top, r.Bottom);
}

}  // namespace

// ---- rectangle and current cell ---------------------------------------------------------

void TExStringGrid::SetSelection(const TGridRect& Value)
{
    TBaseGrid::SetSelection(Value);
    if (p->activeCellShow) {
        RepaintRow(0);
        RepaintCol(0);
    }
    if (ActiveRowShow())
        RepaintRow(Value.Bottom);
}

void TExStringGrid::SetRow(int Value)
{
    if (Col() < 0 || Col() >= ColCount())
        MoveToCell(FixedCols(), Value);
    TBaseGrid::SetRow(Value);
    reportRowChanged(Row());
    if (p->mouseActions->DisjunctRowSelect())
        SelectionToRowSelect(false);
    TStringGrid* synced = p->syncGrid->Grid();
    if (synced && p->syncGrid->SelectionRow() && Value < synced->RowCount())
        synced->SetRow(Value);
    if (Value == RowCount() - 1 && SearchPanelHeight() > 0)
        KeepRowAboveSearchFooter();
}

// The cell selection and the row setter share the last reported row, so that
// one move is reported once.
void TExStringGrid::reportRowChanged(int NewRow)
{
    if (NewRow == p->oldRowSel || !OnRowChanged)
        return;
    const int oldRow = p->oldRowSel;
    p->oldRowSel = NewRow;
    OnRowChanged(this, oldRow, NewRow);
}

void TExStringGrid::MoveToCell(int ACol, int ARow) { MoveColRow(ACol, ARow, true, true); }

void TExStringGrid::GotoCell(int ACol, int ARow)
{
    SetRow(ARow);
    SetCol(ACol);
}

void TExStringGrid::EditCell(int ACol, int ARow)
{
    setFocus(Qt::OtherFocusReason);
    GotoCell(ACol, ARow);
    ShowInplaceEdit();
}

void TExStringGrid::FocusCell(int ACol, int ARow) { SetSelection(TGridRect{ACol, ARow, ACol, ARow}); }

void TExStringGrid::SelectCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    SetSelection(TGridRect{FromCol, FromRow, ToCol, ToRow});
}

void TExStringGrid::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow)
{
    SetRow(ToRow);
    SetCol(ToCol);
    SetSelection(TGridRect{FromCol, FromRow, ToCol, ToRow});
}

void TExStringGrid::UpdateEditMode() { QueryCanSelectCell(Col(), Row()); }

// ---- the cell selection question ----------------------------------------------------------

bool TExStringGrid::SelectCell(int ACol, int ARow) { return QueryCanSelectCell(ACol, ARow); }

// What follows an accepted move of the current cell: the row indicator, the
// listener, the active headers and rows, the selection rectangle, the row
// report and the cell borders.
void TExStringGrid::cellSelected(int OldCol, int OldRow, const TGridRect& OldSelection, int ACol, int ARow)
{
    if (!p->rowIndicator->Empty()) {
        RepaintCell(0, OldRow);
        RepaintCell(0, ARow);
    }
    if (p->selListener)
        p->selListener->SelectionChanged(ACol, ARow);
    if (p->activeCellShow)
        repaintActiveHeaders(OldCol, OldRow, ACol, ARow);
    if (ActiveRowShow()) {
        RepaintRow(OldRow);
        RepaintRow(ARow);
    }
    if (SelectionRectangle())
        InvalidateCellRange(OldSelection);
    if (!p->loading)
        reportRowChanged(ARow);
    if (OnGetCellBorder)
        RepaintRect(TGridRect{FixedCols(), OldSelection.Top, FixedCols() + VisibleColCount(), OldSelection.Bottom});
}

void TExStringGrid::repaintActiveHeaders(int OldCol, int OldRow, int NewCol, int NewRow)
{
    if (FixedCols() > 0) {
        RepaintCell(FixedCols() - 1, OldRow);
        RepaintCell(FixedCols() - 1, NewRow);
    }
    if (FixedRows() > 0) {
        RepaintCell(OldCol, FixedRows() - 1);
        RepaintCell(NewCol, FixedRows() - 1);
    }
}

void TExStringGrid::RegisterSelListener(ITExStringGridSelect* Listener) { p->selListener = Listener; }

void TExStringGrid::UnRegisterSelListener(ITExStringGridSelect*) { p->selListener = nullptr; }

TInplaceEdit* TExStringGrid::NormalEdit() const { return InplaceEditor(); }

// ---- rows and columns selected as a whole -----------------------------------------------------

int TExStringGrid::rowFlagIndex(int ARow) const
{
    const TMouseActions& actions = *p->mouseActions;
    return actions.DisjunctRowSelect() && actions.RowSelectPersistent() ? DisplayToRealRow(ARow) : ARow;
}

// A row stands in the list of selected rows exactly while its flag is set,
// unless it is a fixed row.
void TExStringGrid::setRowFlag(int Index, bool Value)
{
    growFlags(*p->rowSelect, Index);
    const bool was = p->rowSelect->GetInteger(Index) != 0;
    if (was != Value && Index < RowCount())
        InvalidateRow(Index);
    p->rowSelect->SetInteger(Index, Value ? 1 : 0);
    std::vector<int>& rows = p->selectedRows;
    const auto listed = std::find(rows.begin(), rows.end(), Index);
    if (Value && listed == rows.end() && Index >= FixedRows())
        rows.push_back(Index);
    else if (!Value && listed != rows.end())
        rows.erase(listed);
}

void TExStringGrid::setColFlag(int Index, bool Value)
{
    growFlags(*p->colSelect, Index);
    if ((p->colSelect->GetInteger(Index) != 0) == Value)
        return;
    p->colSelect->SetInteger(Index, Value ? 1 : 0);
    InvalidateCol(Index);
}

bool TExStringGrid::RowSelect(int ARow)
{
    const TMouseActions& actions = *p->mouseActions;
    if (!actions.RowSelectPersistent() && (ARow < 0 || ARow >= RowCount() + NumHiddenRows()))
        throw EExGridError(QStringLiteral("Invalid row %1 accessed").arg(ARow));
    if (!actions.DisjunctRowSelect())
        return inRows(Selection(), ARow);
    if (ARow >= 0)
        growFlags(*p->rowSelect, ARow);
    return IsFlagSet(*p->rowSelect, ARow);
}

void TExStringGrid::SetRowSelect(int ARow, bool Value)
{
    if (ARow < 0 || (ARow >= RowCount() + NumHiddenRows() && FixedRows() < RowCount()))
        throw EExGridError(QStringLiteral("Invalid row accessed"));
    bool allow = true;
    const int count = p->rowSelect->Count();
    const bool differs = ARow < count && (p->rowSelect->GetInteger(ARow) != 0) != Value;
    if ((differs || ARow > count) && OnRowDisjunctSelect)
        OnRowDisjunctSelect(this, ARow, Value, allow);
    if (!allow)
        return;
    setRowFlag(ARow, Value);
    if (OnRowDisjunctSelected)
        OnRowDisjunctSelected(this, ARow);
}

bool TExStringGrid::ColSelect(int ACol) const
{
    if (ACol < 0 || ACol >= ColCount())
        throw EExGridError(QStringLiteral("Invalid column accessed"));
    return IsFlagSet(*p->colSelect, ACol);
}

void TExStringGrid::SetColSelect(int ACol, bool Value)
{
    if (ACol < 0 || ACol >= ColCount())
        throw EExGridError(QStringLiteral("Invalid column accessed"));
    setColFlag(ACol, Value);
}

const std::vector<int>& TExStringGrid::SelectedRows() const { return p->selectedRows; }

void TExStringGrid::ClearRowSelect()
{
    TIntList& flags = *p->rowSelect;
    for (int i = 0; i < flags.Count(); ++i)
        if (flags.GetInteger(i) != 0) {
            flags.SetInteger(i, 0);
            if (i < RowCount())
                InvalidateRow(i);
        }
    p->selectedRows.clear();
}

void TExStringGrid::ClearColSelect()
{
    TIntList& flags = *p->colSelect;
    for (int i = 0; i < flags.Count(); ++i)
        if (flags.GetInteger(i) != 0) {
            flags.SetInteger(i, 0);
            InvalidateCol(i);
        }
}

int TExStringGrid::RowSelectCount()
{
    if (!p->mouseActions->DisjunctRowSelect()) {
        const TGridRect s = Selection();
        return std::abs(s.Bottom - s.Top) + 1;
    }
    const int limit = std::min(RowCount() + NumHiddenRows(), p->rowSelect->Count());
    int count = 0;
    for (int i = 0; i < limit; ++i)
        count += p->rowSelect->GetInteger(i) != 0 ? 1 : 0;
    return count;
}

int TExStringGrid::ColSelectCount() const
{
    if (!p->mouseActions->DisjunctColSelect()) {
        const TGridRect s = Selection();
        return s.Right - s.Left + 1;
    }
    int count = 0;
    for (int i = 0; i < p->colSelect->Count(); ++i)
        count += p->colSelect->GetInteger(i) != 0 ? 1 : 0;
    return count;
}

void TExStringGrid::SelectRows(int RowIndex, int RCount)
{
    RCount = std::min(RCount, RowCount() - RowIndex);
    if (RCount > 0 && RowIndex >= 0) {
        if (!p->mouseActions->DisjunctRowSelect())
            SetSelection(TGridRect{FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
        else
            for (int r = RowIndex; r < RowIndex + RCount && r < RowCount(); ++r)
                SetRowSelect(rowFlagIndex(r), true);
        if (!p->rowIndicator->Empty())
            RepaintCol(0);
    }
    p->selectionChanged = false;
}

void TExStringGrid::UnSelectRows(int RowIndex, int RCount)
{
    if (p->mouseActions->DisjunctRowSelect())
        for (int r = std::max(0, RowIndex); r < RowIndex + RCount && r < RowCount(); ++r)
            SetRowSelect(rowFlagIndex(r), false);
    p->selectionChanged = false;
}

// Cut at the last column as the rows are cut at the last row, so that no
// column beyond the grid is ever selected.
void TExStringGrid::SelectCols(int ColIndex, int CCount)
{
    CCount = std::min(CCount, ColCount() - ColIndex);
    if (CCount <= 0 || ColIndex < 0)
        return;
    if (!p->mouseActions->DisjunctColSelect()) {
        SetSelection(TGridRect{ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - 1});
        return;
    }
    for (int c = ColIndex; c < ColIndex + CCount; ++c)
        SetColSelect(c, true);
}

void TExStringGrid::UnSelectCols(int ColIndex, int CCount)
{
    if (!p->mouseActions->DisjunctColSelect())
        return;
    for (int c = std::max(0, ColIndex); c < ColIndex + CCount && c < ColCount(); ++c)
        SetColSelect(c, false);
}

void TExStringGrid::SelectionToRowSelect(bool All)
{
    TGridRect s = Selection();
    s.Bottom = std::min(s.Bottom, RowCount() - p->fixedFooters - 1);
    const int from = All ? FixedRows() : s.Top;
    const int to = All ? RowCount() - 1 : s.Bottom;
    for (int r = from; r <= to; ++r)
        setRowFlag(rowFlagIndex(r), r >= s.Top && r <= s.Bottom);
    if (NumHiddenRows() > 0)
        Invalidate();
}

void TExStringGrid::SelectionToColSelect(bool All)
{
    const TGridRect s = Selection();
    const int from = All ? FixedCols() : s.Left;
    const int to = All ? ColCount() - 1 : s.Right;
    for (int c = from; c <= to; ++c)
        setColFlag(c, c >= s.Left && c <= s.Right);
}

// ---- texts of the selection ----------------------------------------------------------------

bool TExStringGrid::ExcelClipboardFormat() const { return p->excelClipboardFormat; }

void TExStringGrid::SetExcelClipboardFormat(bool Value) { p->excelClipboardFormat = Value; }

QString TExStringGrid::SelectedText()
{
    const TGridRect s = Selection();
    int left = s.Left;
    int right = s.Right;
    if (Options().testFlag(goRowSelect) && p->dragDropSettings->OleEntireRows()) {
        left = 0;
        right = ColCount() - 1;
    }
    std::vector<int> rows;
    if (p->mouseActions->DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (IsFlagSet(*p->rowSelect, rowFlagIndex(r)))
                rows.push_back(r);
    } else {
        for (int r = s.Top; r <= s.Bottom; ++r)
            rows.push_back(r);
    }
    QString text;
    for (const int r : rows) {
        for (int c = left; c <= right; ++c) {
            QString cell = Cells(DisplayToRealCol(c), r);
            if (p->excelClipboardFormat && CountTextLines(cell, Multilinecells()) > 1)
                QuoteCellForExport(cell);
            if (c > left)
                text += u'\t';
            text += cell;
        }
        if (r != s.Bottom)
            text += QStringLiteral("\r\n");
    }
    return text;
}

TGridRect TExStringGrid::UsedCells()
{
    TGridRect used{-1, -1, -1, -1};
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < TotalColCount(); ++c) {
            if (GridCells(c, r).isEmpty())
                continue;
            used.Left = used.Left < 0 ? c : std::min(used.Left, c);
            used.Top = used.Top < 0 ? r : used.Top;
            used.Right = std::max(used.Right, c);
            used.Bottom = r;
        }
    return used.Left < 0 ? TGridRect{} : used;
}

void TExStringGrid::SwapCells(const TGridCoord& FromCell, const TGridCoord& ToCell)
{
    const QString text = GridCells(FromCell.X, FromCell.Y);
    TObject* object = GridObjects(FromCell.X, FromCell.Y);
    SetGridCells(FromCell.X, FromCell.Y, GridCells(ToCell.X, ToCell.Y));
    SetGridObjects(FromCell.X, FromCell.Y, GridObjects(ToCell.X, ToCell.Y));
    SetGridCells(ToCell.X, ToCell.Y, text);
    SetGridObjects(ToCell.X, ToCell.Y, object);
}

// ---- row marks ---------------------------------------------------------------------------------

bool TExStringGrid::RowModified(int ARow) const { return readRowMark(*p->modifiedRows, ARow); }

void TExStringGrid::SetRowModified(int ARow, bool Value)
{
    writeRowMark(*p->modifiedRows, ARow, Value);
    RepaintCell(0, ARow);
}

int TExStringGrid::ModifiedRowCount() const
{
    int count = 0;
    for (int i = 0; i < p->modifiedRows->Count(); ++i)
        count += p->modifiedRows->GetInteger(i) == 1 ? 1 : 0;
    return count;
}

bool TExStringGrid::RowEnabled(int ARow) const { return !readRowMark(*p->disabledRows, ARow); }

// The current row leaves a row being disabled for the first enabled row.
void TExStringGrid::SetRowEnabled(int ARow, bool Value)
{
    if (ARow == Row())
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (r != ARow && RowEnabled(r)) {
                SetRow(r);
                break;
            }
    p->useEnabledRows = true;
    writeRowMark(*p->disabledRows, ARow, !Value);
    if (ARow < RowCount())
        InvalidateRow(ARow);
}

// ---- repaints ------------------------------------------------------------------------------------

void TExStringGrid::RepaintRow(int ARow)
{
    if (ARow >= 0 && ARow < RowCount())
        InvalidateRow(ARow);
}

void TExStringGrid::RepaintCol(int ACol)
{
    if (ACol >= 0 && ACol < ColCount())
        InvalidateCol(ACol);
}

void TExStringGrid::RepaintRect(const TGridRect& R)
{
    if (R.Left < 0 || R.Top < 0 || R.Right < 0 || R.Bottom < 0)
        return;
    TGridRect r = R;
    r.Right = std::min(r.Right, FixedCols() + VisibleColCount());
    InvalidateRect(r);
}

void TExStringGrid::InvalidateCellRange(const TGridRect& R) { InvalidateRect(R); }

// ---- Tab stops and editable cells --------------------------------------------------------------

bool TExStringGrid::IsTabStopCell(int ACol, int ARow)
{
    bool stop = Options().testFlag(goEditing) ? IsEditable(DisplayToRealCol(ACol), ARow) : !IsFixed(ACol, ARow);
    if (OnSelectCell)
        OnSelectCell(this, ACol, ARow, stop);
    return stop;
}

int TExStringGrid::FirstTabStopColumn(int ARow)
{
    for (int c = 0; c < ColCount(); ++c)
        if (IsTabStopCell(c, ARow))
            return c;
    return -1;
}

int TExStringGrid::LastTabStopColumn(int ARow)
{
    for (int c = ColCount() - 1; c >= 0; --c)
        if (IsTabStopCell(c, ARow))
            return c;
    return -1;
}

// ---- search footer ---------------------------------------------------------------------------------

bool TExStringGrid::LastRowClearOfSearchFooter()
{
    const int panel = SearchPanelHeight();
    if (panel <= 0 || TopRow() + VisibleRowCount() < RowCount() - 1)
        return false;
    const TRect last = CellRect(0, RowCount() - 1);
    return !IsRectEmpty(last) && last.Bottom < ClientHeight() - panel + 2;
}

void TExStringGrid::KeepRowAboveSearchFooter()
{
    const int panel = SearchPanelHeight();
    if (panel <= 0 || DefaultRowHeight() + panel >= ClientHeight())
        return;
    while (Row() <= RowCount() - 1) {
        const TRect last = CellRect(0, RowCount() - 1);
        if (!IsRectEmpty(last) && last.Bottom <= ClientHeight() - panel + 2)
            break;
        const int top = TopRow();
        SetTopRow(top + 1);
        if (TopRow() == top)
            break;
    }
}
