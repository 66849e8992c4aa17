// The left release with the header click that sorts, the double click that
// sizes a column or edits, and the right button.
//
// The release clicks a pushed button, picks cells one by one with
// DisjunctCellSelect and raises OnClick of fixed cells before the base release;
// a base release that changed a width or moved a column does not sort. The header
// click then decides the sort: its direction, UndoSort, SortIndexes and
// SortSettings.Column. A double click on a header border sizes the column to its
// content; otherwise OnDblClickCell comes after the base handling, then editing.
// The right button selects with SelectOnRightClick and raises OnRightClickCell.

#include "grid/engine/ExGridPrivate.h"
#include "platform/core/Clock.h"

namespace {

// Where a double click counts as being on a header border.
constexpr int AutoSizeBand = 3;
// The filter glyph takes this many pixels at a header cell's right edge.
constexpr int FilterGlyphWidth = 16;

} // namespace

void TExStringGrid::WMLButtonUp(TShiftState Shift, int X, int Y) { HandleWmLButtonUp(Shift, X, Y); }

void TExStringGrid::HandleWmLButtonUp(TShiftState Shift, int X, int Y)
{
    TExGridPressState& ps = p->press;
    ps.colMoved = ps.colSized = ps.mouseDown = ps.keepDown = ps.downMove = false;
    ps.moveEnded = false;
    p->mouseDown = false;
    p->mouseSelectMode = msNormal;
    ps.selectStart = -1;
    if (!QueryDesignMode())
        hideMoveArrows();
    endFixedSizing(X, Y);
    closeSizingHint();
    p->move.colSizing = p->move.rowSizing = false;

    if (releaseCellButton(X, Y))
        return;
    const TGridCoord hit = MouseCoord(X, Y);
    if (OnClick && ps.doOnClick && hit.X >= 0 && hit.Y >= 0 && (hit.X < FixedCols() || hit.Y < FixedRows()) &&
        GridState() != gsColSizing)
        OnClick(this);
    ps.doOnClick = false;
    if (releaseOleDragCandidate(hit, Shift))
        return;
    endEnhancedMove(hit);
    // a selection made by this press ends here and counts as a click
    if (GridState() == gsSelecting) {
        SetGridState(gsNormal);
        Click();
    }

    // The base applies a width change or a move inside the release; either
    // keeps the release from sorting.
    const TGridState state = GridState();
    {
        TScopedFlag releasing(ps.inRelease, true);
        noteMouseSizingEnded(state);
        TBaseGrid::WMLButtonUp(Shift, X, Y);
        endMouseSizing();
    }
    if (state == gsColSizing || state == gsRowSizing)
        ps.colSized = true;
    if (GridState() == gsSelecting)
        SetGridState(gsNormal);
    if (ps.mouseResize)
        endGripResize();

    if (ps.colMoved || ps.colSized || !InsideGrid(hit))
        return;
    if (hit.X < FixedCols() && !p->sortSettings->FixedCols())
        return;
    releaseHeader(hit.X, hit.Y, X, Shift);
}

// The selection grip was dragged: the copied cells fill the new selection,
// editable or not.
void TExStringGrid::endGripResize()
{
    TExGridPressState& ps = p->press;
    const TGridRect oldSelection = ps.dropSelection;
    const TGridRect newSelection = Selection();
    if (OnSelectionResize)
        OnSelectionResize(this, oldSelection, newSelection);
    {
        const TGridOptions options = Options();
        struct TRestoreOptions {
            TExStringGrid& grid;
            TGridOptions options;
            ~TRestoreOptions() { grid.SetOptions(options); }
        } restore{*this, options};
        SetOptions(options | goEditing);
        PasteSelectionFromClipboard();
    }
    ps.mouseResize = false;
    if (OnSelectionResized)
        OnSelectionResized(this, oldSelection, newSelection);
}

// Ends a pushed cell button: a release on the button clicks it. A release
// on any cell button ends the release here.
bool TExStringGrid::releaseCellButton(int X, int Y)
{
    const TGridCoord hit = MouseCoord(X, Y);
    const auto inRect = [X, Y](const TRect& r) { return X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom; };
    const int pc = p->pushedCellButtonX;
    const int pr = p->pushedCellButtonY;
    if (pc >= 0 && pr >= 0) {
        const bool pushedFixed = pc < FixedCols() || pr < FixedRows();
        bool counts = p->controlLook->NoDisabledButtonLook() || pushedFixed;
        if (!counts && InsideGrid(hit)) {
            counts = true;
            QueryCellEditable(DisplayToRealCol(hit.X), hit.Y, counts);
        } else if (!counts) {
            counts = Options().testFlag(goEditing);
        }
        if (counts) {
            PushButton(pc, pr, false);
            if (InsideGrid(hit)) {
                const TPoint base = BaseCell(hit.X, hit.Y);
                const int realCol = DisplayToRealCol(base.X);
                const bool viaFixed = pr < FixedRows();
                if (HasButton(realCol, base.Y) && (inRect(GetCellButtonRect(base.X, base.Y)) || viaFixed))
                    FireButtonClick(pc, pr);
                if (HasExpand(realCol, base.Y) && (inRect(GetExpandButtonRect(base.X, base.Y)) || viaFixed))
                    FireExpandClick(pc, pr, ToggleExpand(pc, pr));
            }
        }
        p->pushedCellButtonX = p->pushedCellButtonY = -1;
    }
    if (!InsideGrid(hit))
        return false;
    const TPoint base = BaseCell(hit.X, hit.Y);
    const int realCol = DisplayToRealCol(base.X);
    return (HasButton(realCol, base.Y) && inRect(GetCellButtonRect(base.X, base.Y))) ||
           (HasExpand(realCol, base.Y) && inRect(GetExpandButtonRect(base.X, base.Y)));
}

bool TExStringGrid::InsideGrid(const TGridCoord& c) const
{
    return c.X >= 0 && c.Y >= 0 && c.X < ColCount() && c.Y < RowCount();
}

void TExStringGrid::releaseHeader(int ACol, int ARow, int X, TShiftState Shift)
{
    TExGridPressState& ps = p->press;
    const int realCol = DisplayToRealCol(ACol);
    const bool checkBox = HasCheckBox(realCol, ARow);
    if (checkBox && OnCheckBoxMouseUp) {
        bool state = false;
        GetCheckBoxState(realCol, DisplayToRealRow(ARow), state);
        OnCheckBoxMouseUp(this, realCol, ARow, state);
    }
    if (ps.dblClkSized) {
        ps.dblClkSized = false;
        return;
    }
    const TRect R = CellRect(ACol, ARow);
    if (ARow == 0 && Options().testFlag(goColSizing) && (X - R.Left < HeaderSizingBand || R.Right - X < HeaderSizingBand))
        return;
    // the glyph area of a column with a filter list opens the list instead
    if (R.Right - X < FilterGlyphWidth && BuildColumnFilterList(realCol))
        return;
    const TSortSettings* ss = p->sortSettings.get();
    if (ARow != ss->Row() || ps.pressRow != ARow || FixedRows() == 0 || checkBox || !ss->Show() || ps.moveEnded ||
        RowCount() <= 2)
        return;
    bool doSort = !IsIgnoredColumn(realCol);
    if (doSort && OnCanSort)
        OnCanSort(this, realCol, doSort);
    if (!doSort) {
        InvalidateCell(ACol, ARow);
        return;
    }
    sortByHeaderClick(realCol, Shift);
}

// Decides the sort a header click asks for and runs it.
void TExStringGrid::sortByHeaderClick(int ACol, TShiftState Shift)
{
    TSortSettings* ss = p->sortSettings.get();
    TSortIndexList* indexes = p->sortIndexes.get();
    HideInplaceEdit();
    // a reset only when rows came or went keeps the order QUnSort returns to
    if (p->sortXRef.Count() != RowCount())
        InitSortXRef();
    if (ss->AutoColumnMerge())
        for (int c = 0; c < TotalColCount(); ++c)
            SplitColumnCells(c);
    const bool initAscending = ss->InitSortDirection() == sdAscending;
    if (ss->IndexShow()) {
        const bool key = ss->IndexSortKey() == ikShift ? Shift.testFlag(ssShift) : Shift.testFlag(ssCtrl);
        if (key) {
            if (indexes->FindIndex(ACol) >= 0)
                indexes->ToggleIndex(ACol);
            else
                indexes->AddIndex(ACol, initAscending);
        } else if (indexes->Count() == 1 && indexes->SortColumns(0) == ACol) {
            indexes->ToggleIndex(ACol);
        } else {
            indexes->Clear();
            indexes->AddIndex(ACol, initAscending);
        }
        if (HasNodeRows())
            QSortGroupIndexed();
        else
            QSortIndexed();
        ss->SetColumn(indexes->Count() > 0 ? indexes->SortColumns(0) : -1);
    } else {
        bool unsort = false;
        if (ss->Column() == ACol) {
            unsort = ss->Direction() != ss->InitSortDirection() && ss->UndoSort();
            ss->SetDirection(ss->Direction() == sdAscending ? sdDescending : sdAscending);
        } else {
            ss->SetDirection(ss->InitSortDirection());
            ss->SetColumn(ACol);
        }
        if (unsort) {
            QUnSort();
            ss->SetColumn(-1);
        } else if (HasNodeRows()) {
            QSortGroup();
        } else {
            QSort();
        }
    }
    p->sortTime = GetTickCount();
    if (ss->AutoColumnMerge()) {
        const TIntList& merged = *p->mergedColumns;
        for (int i = 0; i < merged.Count(); ++i)
            MergeColumnCells(merged.GetInteger(i), i == 0);
    }
    FireClickSort(ss->Column());
    Invalidate();
}

void TExStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    HandleMouseUp(Button, Shift, X, Y);
}

void TExStringGrid::HandleMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const TGridRect before = Selection();
    const TGridState state = GridState();
    const bool outside = (state == gsColSizing && X >= ClientWidth()) || (state == gsRowSizing && Y >= ClientHeight());
    if (outside) {
        CancelMode();
        return;
    }
    if (Button == mbLeft && p->mouseActions->DisjunctCellSelect() && !releaseDisjunctCell(Shift, X, Y))
        return;
    if (state == gsColMoving && Button == mbRight)
        return;
    TBaseGrid::MouseUp(Button, Shift, X, Y);
    const TGridRect after = Selection();
    if (!(after == before))
        FireSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
}

// Picks cells one by one: Shift adds the released cell, Ctrl adds or drops
// the base cell, a plain release starts the list again; the cells of a range
// selection join the list. False when OnSelectCell refused the cell.
bool TExStringGrid::releaseDisjunctCell(TShiftState Shift, int X, int Y)
{
    const TGridCoord hit = MouseCoord(X, Y);
    if (!InsideGrid(hit))
        return true;
    TIntList& cells = p->selectedCells;
    const auto key = [](int c, int r) { return (r << 16) | c; };
    const TPoint base = BaseCell(hit.X, hit.Y);
    const bool baseFixed = base.X < FixedCols() || base.Y < FixedRows() || IsFixed(base.X, base.Y);
    if (!baseFixed) {
        bool canSelect = true;
        if (OnSelectCell)
            OnSelectCell(this, base.X, base.Y, canSelect);
        if (!canSelect)
            return false;
        if (Shift.testFlag(ssShift)) {
            if (!cells.HasValue(key(hit.X, hit.Y)))
                cells.Add(key(hit.X, hit.Y));
        } else if (Shift.testFlag(ssCtrl)) {
            if (cells.HasValue(key(base.X, base.Y)))
                cells.DeleteValue(key(base.X, base.Y));
            else
                cells.Add(key(base.X, base.Y));
        } else {
            for (int i = 0; i < cells.Count(); ++i)
                InvalidateCell(cells.GetInteger(i) & 0xFFFF, cells.GetInteger(i) >> 16);
            cells.Clear();
            cells.Add(key(base.X, base.Y));
        }
    } else if (!Shift.testFlag(ssCtrl) && !IsFixed(hit.X, hit.Y)) {
        cells.Clear();
        Invalidate();
    }
    const TGridRect sel = Selection();
    if (sel.Left != sel.Right || sel.Top != sel.Bottom) {
        for (int r = sel.Top; r <= sel.Bottom; ++r)
            for (int c = sel.Left; c <= sel.Right; ++c)
                if ((c != base.X || r != base.Y) && !cells.HasValue(key(c, r)))
                    cells.Add(key(c, r));
        for (int i = 0; i < cells.Count(); ++i)
            InvalidateCell(cells.GetInteger(i) & 0xFFFF, cells.GetInteger(i) >> 16);
    }
    InvalidateCell(hit.X, hit.Y);
    return true;
}

void TExStringGrid::WMLButtonDblClk(TShiftState Shift, int X, int Y) { HandleWmLButtonDblClk(Shift, X, Y); }

void TExStringGrid::HandleWmLButtonDblClk(TShiftState Shift, int X, int Y)
{
    TGridCoord hit = MouseCoord(X, Y);
    TScopedFlag forceSel(p->forceSel, p->mouseActions->RangeSelectAndEdit() && hit.X >= 0 && hit.Y >= 0 &&
                                          !HasClickableGraphic(hit.X, hit.Y));
    if (hit.X < 0) {
        if (FixedRowAlways()) {
            TBaseGrid::WMLButtonDblClk(Shift, X, Y);
            return;
        }
        hit = {ColCount() - 1, 0};
    }
    if (autoSizeOnBorder(hit.X, hit.Y, X)) {
        TBaseGrid::WMLButtonDblClk(Shift, X, Y);
        return;
    }
    if (hit.Y >= 0 && HasClickableGraphic(hit.X, hit.Y)) {
        TBaseGrid::WMLButtonDblClk(Shift, X, Y);
        return;
    }
    TBaseGrid::WMLButtonDblClk(Shift, X, Y);
    const TGridCoord cell = MouseCoord(X, Y);
    if (OnDblClickCell)
        OnDblClickCell(this, cell.Y, cell.X);
    if (cell.X < 0 || cell.Y < 0)
        return;
    const TMouseActions* ma = p->mouseActions.get();
    if (InsideGrid(cell) && cell.X >= FixedCols() && cell.Y >= FixedRows())
        editOnDoubleClick(cell, Shift);
    if ((cell.Y < FixedRows() && ma->FixedRowsEdit() == fceDblClick) ||
        (cell.X < FixedCols() && ma->FixedColsEdit() == fceDblClick))
        ShowFixedCellEditor(cell.X, cell.Y);
}

// A double click edits where editing waits for it, or where a range may be
// selected while editing.
void TExStringGrid::editOnDoubleClick(const TGridCoord& cell, TShiftState Shift)
{
    TMouseActions* ma = p->mouseActions.get();
    const int realCol = DisplayToRealCol(cell.X);
    if (ma->EditOnDblClickOnly()) {
        TScopedSetting<TMouseActions> rangeEdit(ma, &TMouseActions::RangeSelectAndEdit,
                                                &TMouseActions::SetRangeSelectAndEdit, true);
        bool canEdit = true;
        QueryCellEditable(realCol, cell.Y, canEdit);
        if (canEdit) {
            SetOptions(Options() | goEditing);
            RememberCellBeforeEdit(cell.X, cell.Y);
            ShowInplaceEdit();
        }
    } else if (ma->RangeSelectAndEdit()) {
        bool canEdit = true;
        QueryCellEditable(realCol, cell.Y, canEdit);
        if (!canEdit)
            return;
        SetOptions(Options() | goEditing);
        const TPoint base = BaseCell(cell.X, cell.Y);
        const TRect R = CellRect(base.X, base.Y);
        HandleMouseDown(mbLeft, Shift & ~TShiftState(ssDouble), R.Left + 4, R.Top + 4);
    }
}

// A double click on a header border sizes the column left of it to its
// contents; the release that follows does not sort.
bool TExStringGrid::autoSizeOnBorder(int ACol, int ARow, int X)
{
    if (ARow < 0 || ARow >= FixedRows() || !Options().testFlag(goColSizing) ||
        !p->mouseActions->AutoSizeColOnDblClick())
        return false;
    const TRect R = CellRect(ACol, ARow);
    int column = -1;
    if (X - R.Left < AutoSizeBand)
        column = ACol - 1;
    else if (R.Right - X < AutoSizeBand)
        column = ACol;
    else
        return false;
    p->press.dblClkSized = true;
    if (column < FixedCols())
        return true;
    bool allow = true;
    if (OnColumnSize)
        OnColumnSize(this, column, allow);
    if (allow) {
        AutoSizeCol(column, 0);
        if (OnEndColumnSize)
            OnEndColumnSize(this, column);
    }
    return true;
}

void TExStringGrid::WMRButtonDown(TShiftState Shift, int X, int Y) { HandleWmRButtonDown(Shift, X, Y); }

void TExStringGrid::HandleWmRButtonDown(TShiftState Shift, int X, int Y)
{
    TBaseGrid::WMRButtonDown(Shift, X, Y);
    const TGridCoord hit = MouseCoord(X, Y);
    if (!InsideGrid(hit))
        return;
    const bool normal = hit.X >= FixedCols() && hit.Y >= FixedRows() && !IsFixed(hit.X, hit.Y);
    if (p->mouseActions->SelectOnRightClick() && normal && !HasClickableGraphic(hit.X, hit.Y) &&
        !(p->mouseActions->DisjunctCellSelect() && IsSelected(hit.X, hit.Y)))
        selectOnRightClick(hit, Shift, X, Y);
    if (OnRightClickCell)
        OnRightClickCell(this, hit.Y, hit.X);
}

// The right button moves the current cell as a left click would; a cell of
// the selection keeps the selection.
void TExStringGrid::selectOnRightClick(const TGridCoord& hit, TShiftState Shift, int X, int Y)
{
    if (!OnRightClickCell) {
        HandleMouseDown(mbLeft, Shift, X, Y);
        HandleMouseUp(mbLeft, Shift, X, Y);
    }
    if (IsSelected(hit.X, hit.Y)) {
        bool canSelect = true;
        if (OnSelectCell)
            OnSelectCell(this, hit.X, hit.Y, canSelect);
        return;
    }
    const int leftCol = LeftCol();
    const TPoint base = BaseCell(hit.X, hit.Y);
    MoveColRow(base.X, base.Y, true, true);
    if (p->navigation->KeepHorizScroll())
        SetLeftCol(leftCol);
}

void TExStringGrid::WMRButtonUp(TShiftState Shift, int X, int Y) { HandleWmRButtonUp(Shift, X, Y); }

void TExStringGrid::HandleWmRButtonUp(TShiftState Shift, int X, int Y)
{
    const TGridState state = GridState();
    if ((state == gsColMoving || state == gsRowMoving) && EnhRowColMove())
        return;
    TBaseGrid::WMRButtonUp(Shift, X, Y);
}

// The release ends a fixed sizing: the column (row) takes the width (height)
// from its left (top) edge to the release.
void TExStringGrid::endFixedSizing(int X, int Y)
{
    TExGridMoveState& m = p->move;
    if (m.sizingFixed) {
        m.sizingFixed = false;
        DrawColumnSizingLine(m.sizeFixedX);
        const int col = m.sizingFixedCol;
        int before = 0;
        for (int c = 0; c < col; ++c)
            before += ColWidths(c);
        int width = std::max(0, X - before);
        SetColWidths(col, width);
        if (OnEndColumnSize)
            OnEndColumnSize(this, col);
        if (OnUpdateColumnSize) {
            const int asked = width;
            OnUpdateColumnSize(this, col, width);
            if (width != asked)
                SetColWidths(col, width);
        }
    }
    if (m.sizingFixedR) {
        m.sizingFixedR = false;
        DrawRowSizingLine(m.sizeFixedY);
        const int row = m.sizingFixedRow;
        int before = 0;
        for (int r = 0; r < row; ++r)
            before += RowHeights(r);
        SetRowHeights(row, std::max(0, Y - before));
        if (OnEndRowSize)
            OnEndRowSize(this, row);
    }
}

// A press that could have dragged cells but did not: the release selects the
// released cell (its row in row-select mode), or flips its row in a disjunct
// row selection.
bool TExStringGrid::releaseOleDragCandidate(const TGridCoord& hit, TShiftState Shift)
{
    TExGridMoveState& m = p->move;
    if (!m.oleDragPending)
        return false;
    m.oleDragPending = false;
    if (!InsideGrid(hit) || hit.X < FixedCols() || hit.Y < FixedRows())
        return false;
    const TMouseActions& ma = *p->mouseActions;
    if (ma.DisjunctRowSelect() && p->dragDropSettings->OleDropSource()) {
        if (!Shift.testFlag(ssCtrl))
            ClearRowSelect();
        if (Shift.testFlag(ssCtrl) || ma.DisjunctRowSelectNoCtrl()) {
            SetRowSelect(hit.Y, !RowSelect(hit.Y));
            if (OnMouseUp)
                OnMouseUp(this, mbLeft, TShiftState(ssCtrl), hit.X, hit.Y);
            return true;
        }
    }
    RepaintCell(0, Row());
    if (Options().testFlag(goRowSelect))
        SetSelection({FixedCols(), hit.Y, ColCount() - 1, hit.Y});
    else
        SetSelection({hit.X, hit.Y, hit.X, hit.Y});
    RepaintCell(0, Row());
    return false;
}
