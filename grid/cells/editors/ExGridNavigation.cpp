// Where the current cell goes while cells are edited: the question asked
// before every move (editing follows the target's editability, an open
// special editor is validated first), the advance after an edit, the Tab
// walk, the end of an edit by a key, the grid's own characters and appending
// a row at the end of the grid.
//
// Forced moves pass the question; a merged cell selects its base cell, and a
// floating footer or the search panel keeps the target in view. OnRowChanging,
// OnColChanging and OnCellChanging may refuse; a fixed target or a refusal still
// answers yes in row-select mode. An accepted move is reported by cellSelected
// (grid/engine). The advance after an edit and the Tab walk pass over read-only
// cells for one round at most and end on the start cell when nothing is
// editable; at the end they may append a row (AdvanceInsert, asking OnCanAddRow,
// reporting OnAutoAddRow) or, with TabToNextAtEnd, hand Tab to the parent. Esc
// restores the text the cell had when the edit began.

#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/util/ExUtilText.h"
#include "platform/grid/InplaceEdit.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QApplication>
#include <QtGui/QKeyEvent>

#include <algorithm>

namespace {

// The Tab step's re-entry guard ends with the step, also when a handler of
// the step throws.
class TTabStepGuard {
public:
    TTabStepGuard(int& col, int& row) : col_(col), row_(row) {}
    ~TTabStepGuard()
    {
        col_ = -1;
        row_ = -1;
    }
    TTabStepGuard(const TTabStepGuard&) = delete;
    TTabStepGuard& operator=(const TTabStepGuard&) = delete;

private:
    int& col_;
    int& row_;
};

}  // namespace

// ---- the cell selection question -------------------------------------------------------

bool TExStringGrid::QueryCanSelectCell(int ACol, int ARow)
{
    if (p->forceSel) {
        if (!p->rowIndicator->Empty()) {
            RepaintCell(0, Row());
            RepaintCell(0, ARow);
        }
        return true;
    }
    if (ACol < 0 || ARow < 0 || !keepFooterClear(ACol, ARow))
        return false;
    p->editTextStart = Cells(DisplayToRealCol(ACol), ARow);
    if (!Options().testFlag(goRangeSelect) && IsMergedNonBaseCell(ACol, ARow)) {
        const TPoint base = BaseCell(ACol, ARow);
        {
            TScopedFlag forced(p->forceSel, true);
            MoveToCell(base.X, base.Y);
        }
        RepaintCell(base.X, base.Y);
        if (p->mouseActions->DirectEdit() ||
            (p->controlLook->DropDownAlwaysVisible() && QueryHasComboBox(DisplayToRealCol(base.X), base.Y)))
            ShowInplaceEdit();
        return false;
    }
    if (ACol == 0 && HasNodeRows() && !Options().testFlag(goRowSelect))
        return false;
    if (p->useEnabledRows && p->navigation->SkipDisabledRows() && !RowEnabled(ARow))
        return false;
    const int oldCol = Col();
    const int oldRow = Row();
    const TGridRect oldSelection = Selection();
    const bool editRunning = p->editMode;
    const bool inplaceFocused = inplaceEditHasFocus();
    const QString oldCache = p->cellCache;
    followEditability(ACol, ARow);
    const bool answer = decideCellChange(ACol, ARow, editRunning, inplaceFocused);
    if (!answer) {
        p->cellCache = oldCache;
        return false;
    }
    cellSelected(oldCol, oldRow, oldSelection, ACol, ARow);
    p->cellCache = Cells(DisplayToRealCol(ACol), ARow);
    return true;
}

bool TExStringGrid::inplaceEditHasFocus() const
{
    const TInplaceEdit* editor = InplaceEditor();
    const QWidget* focused = QApplication::focusWidget();
    return editor && focused && (focused == editor || editor->isAncestorOf(focused));
}

// A floating footer and the search panel cover the bottom of the grid: the
// view scrolls so that the target stays above them. False refuses the target
// (the footer row of a footer kept as the last row).
bool TExStringGrid::keepFooterClear(int ACol, int ARow)
{
    const TFloatingFooter& footer = *p->floatingFooter;
    const bool search = p->searchFooter->Visible();
    const auto bottomBelow = [&](int limit) {
        const TRect r = CellRect(ACol, ARow);
        return !IsRectEmpty(r) && r.Bottom > limit;
    };
    if (footer.Visible()) {
        const int allowance = search ? SearchPanelHeight() + 2 : 0;
        const int limit = ClientHeight() - footer.Height() - allowance + 2;
        const bool lastRow = ARow == RowCount() - 1;
        if (footer.FooterStyle() == fsFixedLastRow) {
            if (ARow >= TopRow() + VisibleRowCount())
                SetTopRow(std::max(FixedRows(), ARow + FixedRows() - VisibleRowCount()));
            if (bottomBelow(limit) && !lastRow)
                SetTopRow(TopRow() + 1);
            if (lastRow)
                return false;
        } else {
            Invalidate();
            if (bottomBelow(limit))
                SetTopRow(TopRow() + 1);
        }
    }
    while (search && bottomBelow(ClientHeight() - SearchPanelHeight() + 2) && TopRow() < RowCount() - 1) {
        const int top = TopRow();
        SetTopRow(top + 1);
        if (TopRow() == top)
            break;
    }
    return true;
}

// goEditing follows the target cell: the grid takes it away on a cell that
// cannot be edited and gives it back on one that can. A running edit closes.
void TExStringGrid::followEditability(int ACol, int ARow)
{
    const int realCol = DisplayToRealCol(ACol);
    TMouseActions& actions = *p->mouseActions;
    const bool editing = Options().testFlag(goEditing);
    if (HasClickableGraphic(realCol, ARow)) {
        bool e = true;
        QueryCellEditable(realCol, ARow, e);
        if (!p->editDisabled)
            p->editDisabled = !e && (editing || actions.RangeSelectAndEdit());
        if (!editing && !Options().testFlag(goRowSelect) && e) {
            SetOptions(Options() | goEditing);
            p->editChange = true;
        }
        return;
    }
    bool e = editing || p->editDisabled;
    QueryCellEditable(realCol, ARow, e);
    if (actions.DirectEdit()) {
        p->editControl = p->defaultEditor;
        if (QueryNoEditor(realCol, ARow))
            e = false;
    }
    if (actions.EditOnDblClickOnly())
        e = false;
    if (e) {
        p->editDisabled = false;
        if (!editing) {
            p->editChange = true;
            if (!p->editMode)
                RememberCellBeforeEdit(ACol, ARow);
            TGridOptions options = Options();
            if (actions.RangeSelectAndEdit())
                options &= ~TGridOptions(goRowSelect);
            SetOptions(options | goEditing);
        }
        HideInplaceEdit();
        return;
    }
    HideInplaceEdit();
    if (Options().testFlag(goEditing)) {
        p->editMode = false;
        p->editDisabled = true;
        p->editChange = true;
        SetOptions(Options() & ~TGridOptions(goEditing));
        SetEditorMode(false);
    }
}

// The changing events decide, and an open special editor must accept its
// value first. A fixed target or a refusal answers yes only in row-select
// mode with the move allowed, or in a grid of fixed rows only.
bool TExStringGrid::decideCellChange(int ACol, int ARow, bool EditRunning, bool InplaceFocused)
{
    bool allow = true;
    if (!EditRunning || InplaceFocused) {
        QueryCellChange(ACol, ARow, allow);
        if (IsFixed(ACol, ARow) || !allow)
            return (allow && Options().testFlag(goRowSelect)) || (p->fixedRowAlways && RowCount() == FixedRows());
        return TBaseGrid::SelectCell(ACol, ARow);
    }
    const QString current = CurrentCell();
    const bool valid = ClassifyCellText(current, false) == ctWideEncoded ? ValidateCellWide(p->editWideText)
                                                                          : ValidateCell(current);
    if (!valid)
        return false;
    QueryCellChange(ACol, ARow, allow);
    return allow && TBaseGrid::SelectCell(ACol, ARow);
}

// ---- advancing after an edit -------------------------------------------------------------------

bool TExStringGrid::IsLastDataRow()
{
    return Row() == RowCount() - p->fixedFooters - 1 || (p->floatingFooter->Visible() && Row() == RowCount() - 2);
}

bool TExStringGrid::cellEditable(int ACol, int ARow)
{
    bool editable = true;
    QueryCellEditable(DisplayToRealCol(ACol), ARow, editable);
    return editable;
}

bool TExStringGrid::anyEditableColumn(int ARow)
{
    for (int c = LeadingFixedCols(); c < ColCount(); ++c)
        if (cellEditable(c, ARow))
            return true;
    return false;
}

// Rows beyond the count keep their texts: a new row starts empty.
void TExStringGrid::appendClearedRow()
{
    AddRowAtEnd();
    ClearRows(RowCount() - 1, 1);
}

int TExStringGrid::advanceLastCol() { return ColCount() - VisibleFixedRightCols() - 1; }

void TExStringGrid::AdvanceAfterEdit(int ACol, int ARow, bool ShowEditor, bool Recursive, bool Forward,
                                     bool AutoEdit, bool Force)
{
    TNavigation& nav = *p->navigation;
    if (!nav.AdvanceOnEnter() && !Force)
        return;
    if (p->mouseActions->RangeSelectAndEdit() && !Options().testFlag(goEditing))
        SetOptions(Options() | goEditing);
    if (!Recursive) {
        p->aeCol = ACol;
        p->aeRow = ARow;
    }
    p->startEditChar = QChar();
    // Read-only cells are passed over for one round of the grid at most: a
    // walk that comes back to where it started, or cannot move on, ends on
    // the start cell.
    const int limit = ColCount() * RowCount();
    int col = ACol;
    int row = ARow;
    for (int steps = 0;; ++steps) {
        const int fromCol = col;
        const int fromRow = row;
        if (!nextAdvanceCell(col, row, Forward))
            return;
        if (cellEditable(col, row)) {
            moveAdvanced(col, row);
            break;
        }
        if (!nav.AdvanceSkipReadOnlyCells()) {
            MoveToCell(col, row);
            break;
        }
        const bool stuck = col == fromCol && row == fromRow;
        if (stuck || (col == p->aeCol && row == p->aeRow) || steps >= limit) {
            TScopedFlag noChange(p->disableChange, true);
            MoveToCell(p->aeCol, p->aeRow);
            break;
        }
    }
    if (ShowEditor)
        showAfterAdvance(ACol, ARow, AutoEdit);
    if (p->mouseActions->DisjunctRowSelect()) {
        ClearRowSelect();
        SetRowSelect(Row(), true);
    }
}

// The next cell in the advance direction; false when the advance stops (a
// row was appended in which nothing can be edited).
bool TExStringGrid::nextAdvanceCell(int& ACol, int& ARow, bool Forward)
{
    if (!Forward) {
        advanceBackward(ACol, ARow);
        return true;
    }
    const TAdvanceDirection dir = p->navigation->AdvanceDirection();
    if (dir == adLeftRight || dir == adLeftRightInRow)
        return advanceForwardLeftRight(ACol, ARow);
    advanceForwardTopBottom(ACol, ARow);
    return true;
}

bool TExStringGrid::advanceForwardLeftRight(int& ACol, int& ARow)
{
    const TNavigation& nav = *p->navigation;
    const TPoint span = CellSpan(ACol, ARow);
    const int lastDataRow = RowCount() - p->fixedFooters - 1;
    if (ACol + span.X < advanceLastCol()) {
        ACol += span.X + 1;
        return true;
    }
    if (nav.AdvanceDirection() == adLeftRightInRow) {
        if (nav.AdvanceOnEnterLoop())
            ACol = LeadingFixedCols();
        return true;
    }
    if (ARow < lastDataRow) {
        ++ARow;
        ACol = LeadingFixedCols();
        return true;
    }
    if (nav.AdvanceInsert()) {
        ACol = LeadingFixedCols();
        if (!QueryCanAddRow())
            return true;
        appendClearedRow();
        ++ARow;
        if (OnAutoAddRow)
            OnAutoAddRow(this, RowCount() - p->fixedFooters - 1);
        return anyEditableColumn(ARow);
    }
    if (nav.AdvanceOnEnterLoop()) {
        ARow = FixedRows();
        ACol = LeadingFixedCols();
    }
    return true;
}

void TExStringGrid::advanceForwardTopBottom(int& ACol, int& ARow)
{
    const TNavigation& nav = *p->navigation;
    const int lastDataRow = RowCount() - p->fixedFooters - 1;
    if (ARow < lastDataRow) {
        ++ARow;
        return;
    }
    ARow = FixedRows();
    if (nav.AdvanceDirection() == adTopBottomInCol)
        return;
    const TPoint span = CellSpan(ACol, ARow);
    if (ACol < advanceLastCol()) {
        ACol = ACol + 1 >= ColCount() ? LeadingFixedCols() : ACol + 1;
    } else if (nav.AdvanceInsert()) {
        SetColCount(ColCount() + 1);
        ACol += span.X + 1;
        if (OnAutoInsertCol)
            OnAutoInsertCol(this, ColCount() - 1);
    } else {
        ACol = LeadingFixedCols();
    }
    Invalidate();
}

void TExStringGrid::advanceBackward(int& ACol, int& ARow)
{
    const TAdvanceDirection dir = p->navigation->AdvanceDirection();
    const int lastDataRow = RowCount() - p->fixedFooters - 1;
    const int lastCol = ColCount() - p->fixedRightCols - 1;
    if (dir == adLeftRight) {
        if (ACol > LeadingFixedCols()) {
            --ACol;
            return;
        }
        ARow = ARow > FixedRows() ? ARow - 1 : lastDataRow;
        ACol = lastCol;
    } else if (dir == adTopBottom) {
        if (ARow > FixedRows()) {
            --ARow;
            return;
        }
        ACol = ACol > LeadingFixedCols() ? ACol - 1 : lastCol;
        ARow = lastDataRow;
    }
}

// The move to an editable cell: OnAutoAdvance may change or refuse it, then
// OnCellChanging may refuse it; a refused move selects the start cell again.
void TExStringGrid::moveAdvanced(int ACol, int ARow)
{
    int col = ACol;
    int row = ARow;
    bool allow = true;
    if (OnAutoAdvance)
        OnAutoAdvance(this, p->aeRow, p->aeCol, row, col, allow);
    if (allow && OnCellChanging)
        OnCellChanging(this, p->aeRow, p->aeCol, row, col, allow);
    TScopedFlag noChange(p->disableChange, true);
    if (allow)
        MoveToCell(col, row);
    else
        MoveToCell(p->aeCol, p->aeRow);
}

// The editor opens on the new cell; a check box or button reached by the
// advance is clicked instead.
void TExStringGrid::showAfterAdvance(int ACol, int ARow, bool AutoEdit)
{
    const int realCol = DisplayToRealCol(Col());
    const bool clickable = HasClickableGraphic(realCol, Row());
    if (!((AutoEdit && p->navigation->AdvanceAutoEdit()) || clickable) || !cellEditable(Col(), Row()))
        return;
    ShowInplaceEdit();
    if (!clickable)
        return;
    const int newCol = Col();
    const int newRow = Row();
    {
        TScopedFlag noChange(p->disableChange, true);
        MoveToCell(ACol, ARow);
        MoveToCell(newCol, newRow);
        if (!HasClickableGraphic(DisplayToRealCol(ACol), ARow)) {
            const TRect r = CellRect(newCol, newRow);
            MouseDown(mbLeft, TShiftState(ssLeft), r.Left + 2, r.Top + 2);
            MouseUp(mbLeft, TShiftState(ssLeft), r.Left + 2, r.Top + 2);
            if (p->navigation->AdvanceDirection() != adLeftRight)
                HideInplaceEdit();
        }
    }
    bool allow = true;
    if (OnCellChanging)
        OnCellChanging(this, ARow, ACol, newRow, newCol, allow);
    TEditorType kind = p->defaultEditor;
    ConfigureCellEditor(DisplayToRealCol(ACol), ARow, kind);
    if (!IsInplaceEditorKind(kind))
        HideInplaceEdit();
}

// ---- the Tab walk ------------------------------------------------------------------------------

bool TExStringGrid::MoveByTab(bool Backward)
{
    if (OnKeyDown) {
        Word key = VK_TAB;
        OnKeyDown(this, key, Backward ? TShiftState(ssShift) : TShiftState());
        if (key != VK_TAB)
            return true;
    }
    if (Col() == p->lastTabCol && Row() == p->lastTabRow)
        return true;
    p->lastTabCol = Col();
    p->lastTabRow = Row();
    TTabStepGuard step(p->lastTabCol, p->lastTabRow);
    const int startCol = Col();
    const int startRow = Row();
    const bool editing = Options().testFlag(goEditing);
    bool result = tabStep(Backward);
    // With editing on, cells that cannot be edited are passed over, for one
    // round of the grid at most; a walk that finds none ends on its start.
    const int limit = ColCount() * RowCount();
    for (int steps = 0; result && editing && !cellEditable(Col(), Row()); ++steps) {
        const int fromCol = Col();
        const int fromRow = Row();
        if (steps < limit)
            result = tabStep(Backward);
        const bool stuck = Col() == fromCol && Row() == fromRow;
        if (steps >= limit || stuck || (Col() == startCol && Row() == startRow)) {
            TScopedFlag forced(p->forceSel, true);
            MoveToCell(startCol, startRow);
            break;
        }
    }
    const TPoint base = BaseCell(Col(), Row());
    if (result && p->navigation->AdvanceAutoEdit() && !HasClickableGraphic(DisplayToRealCol(base.X), base.Y)) {
        SimulateCellClick(Col(), Row());
        if (Options().testFlag(goEditing) && IsEditable(DisplayToRealCol(Col()), Row()) && !EditMode())
            ShowInplaceEdit();
    }
    if (p->navigation->AlwaysEdit())
        setFocus(Qt::TabFocusReason);
    return result;
}

// One step of the walk; false when the Tab was passed on to the window.
bool TExStringGrid::tabStep(bool Backward)
{
    const bool leftRight = p->navigation->TabAdvanceDirection() == adLeftRight;
    const int lastDataRow = RowCount() - p->fixedFooters - 1;
    if (Backward && leftRight) {
        tabBackwardLeftRight();
        return true;
    }
    if (Backward) {
        if (Row() > FixedRows()) {
            SetRow(Row() - 1);
            return true;
        }
        const int col = Col() > LeadingFixedCols() ? Col() - 1 : ColCount() - VisibleFixedRightCols() - 1;
        MoveToCell(col, lastDataRow);
        return true;
    }
    const TPoint span = CellSpan(Col(), Row());
    if (!leftRight) {
        if (Row() + span.Y < lastDataRow) {
            SetRow(Row() + span.Y + 1);
            return true;
        }
        const bool lastCol = Col() + 1 >= ColCount() - VisibleFixedRightCols();
        MoveToCell(lastCol ? LeadingFixedCols() : Col() + 1, FixedRows());
        return lastCol ? tabEndRule() : true;
    }
    if (Col() + span.X < ColCount() - VisibleFixedRightCols() - 1)
        return tabForwardLeftRight();
    return tabForwardLastColumn();
}

void TExStringGrid::tabBackwardLeftRight()
{
    const int row = Row();
    const int lastDataRow = RowCount() - p->fixedFooters - 1;
    if (Col() <= LeadingFixedCols()) {
        const int target = row > FixedRows() ? row - 1 : lastDataRow;
        int col = ColCount() - VisibleFixedRightCols() - 1;
        while (col >= FixedCols() && !IsTabStopCell(col, target))
            --col;
        // A row without a Tab stop leaves the cell where it is.
        if (col >= FixedCols())
            MoveToCell(col, target);
        return;
    }
    int col = Col() - 1;
    while (col >= LeadingFixedCols() && !(IsTabStopCell(col, row) && IsBaseCell(col, row)))
        --col;
    if (col >= LeadingFixedCols()) {
        SetCol(col);
        return;
    }
    const int target = row > FixedRows() ? row - 1 : lastDataRow;
    const int last = LastTabStopColumn(target);
    if (last >= 0)
        selectSingleCell(last, target);
    if (!IsBaseCell(Col(), Row())) {
        const TPoint base = BaseCell(Col(), Row());
        MoveToCell(base.X, base.Y);
    }
}

// The nearest Tab stop right of the cell; at the end of the row the first
// Tab stop of the next row, or of the first data row after the last one.
bool TExStringGrid::tabForwardLeftRight()
{
    const int row = Row();
    const int end = ColCount() - VisibleFixedRightCols();
    int col = Col() + CellSpan(Col(), row).X + 1;
    while (col < end && !IsTabStopCell(col, row))
        ++col;
    if (col < end) {
        SetCol(col);
        if (Col() == col && !IsBaseCell(col, row))
            return tabStep(false);
        return true;
    }
    TScopedFlag forced(p->forceSel, true);
    if (row < RowCount() - p->fixedFooters - 1) {
        const int first = FirstTabStopColumn(row + 1);
        const int target = first >= 0 ? first : FixedCols();
        bool allow = true;
        QueryCellChange(target, row + 1, allow);
        if (allow)
            MoveToCell(target, row + 1);
        return true;
    }
    const int first = FirstTabStopColumn(FixedRows());
    if (first >= 0)
        selectSingleCell(first, FixedRows());
    return tabEndRule();
}

bool TExStringGrid::tabForwardLastColumn()
{
    const int lastDataRow = RowCount() - p->fixedFooters - 1;
    if (Row() < lastDataRow) {
        for (int row = Row() + 1; row <= lastDataRow; ++row) {
            for (int col = LeadingFixedCols(); col < ColCount(); ++col) {
                if (IsBaseCell(col, row) && IsTabStopCell(col, row)) {
                    TScopedFlag forced(p->forceSel, true);
                    MoveToCell(col, row);
                    return true;
                }
            }
        }
        MoveToCell(ColCount() - 1, lastDataRow);
        return tabStep(false);
    }
    const TNavigation& nav = *p->navigation;
    int row = FixedRows();
    bool added = false;
    if (!nav.TabToNextAtEnd() && nav.AdvanceInsert() && QueryCanAddRow()) {
        appendRowForTab();
        row = p->floatingFooter->Visible() ? RowCount() - 2 : RowCount() - p->fixedFooters - 1;
        added = true;
    }
    const int first = FirstTabStopColumn(row);
    MoveToCell(first >= 0 ? first : Col(), row);
    if (added && OnAutoAddRow)
        OnAutoAddRow(this, RowCount() - p->fixedFooters - 1);
    return tabEndRule();
}

// A new row goes before a floating footer row, else at the end.
void TExStringGrid::appendRowForTab()
{
    if (p->floatingFooter->Visible())
        InsertRows(RowCount() - 1, 1);
    else
        appendClearedRow();
}

void TExStringGrid::selectSingleCell(int ACol, int ARow)
{
    SetSelection(TGridRect{ACol, ARow, ACol, ARow});
    ScrollInView(ACol, ARow);
}

// At the end of the walk the Tab goes on to the next control of the window,
// after the current key.
bool TExStringGrid::tabEndRule()
{
    QWidget* parent = parentWidget();
    if (!parent || !p->navigation->TabToNextAtEnd())
        return true;
    QCoreApplication::postEvent(parent, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
    return false;
}

// ---- the end of an edit by a key ----------------------------------------------------------------

void TExStringGrid::DoneInplaceEdit(Word Key, TShiftState Shift)
{
    p->blockFocus = true;
    p->editing = false;
    HideInplaceEdit();
    if (p->navigation->AppendOnArrowDown() && Key == VK_DOWN && IsLastDataRow())
        AutoAppendRow();
    if (Key == VK_TAB || Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT || Key == VK_DOWN) {
        Word key = Key;
        KeyDown(key, Shift);
    }
    {
        TScopedSetting<TNavigation> noAlwaysEdit(p->navigation.get(), &TNavigation::AlwaysEdit,
                                                 &TNavigation::SetAlwaysEdit, false);
        setFocus(Qt::OtherFocusReason);
        if (Key == VK_RETURN)
            AdvanceAfterEdit(Col(), Row(), false, false, true, true, false);
    }
    p->blockFocus = false;
}

// ---- the grid's own characters ------------------------------------------------------------------

void TExStringGrid::HandleKeyPress(QChar& Key)
{
    const char16_t c = Key.unicode();
    const TNavigation& nav = *p->navigation;
    if (c == 0x1B) {
        if (Options().testFlag(goEditing) && p->editing)
            RestoreCellFromCache();
        if (OnKeyPress)
            OnKeyPress(this, Key);
        return;
    }
    if (c == u'\r') {
        const int realCol = DisplayToRealCol(Col());
        const bool clickable = HasClickableGraphic(realCol, Row());
        if (!nav.AdvanceOnEnter() && !IsEditable(realCol, Row())) {
            if (OnKeyPress)
                OnKeyPress(this, Key);
            Key = QChar();
            return;
        }
        if (!hasFocus() || clickable) {
            AdvanceAfterEdit(Col(), Row(), EditMode(), false, true, false, false);
            if (clickable) {
                if (OnKeyPress)
                    OnKeyPress(this, Key);
                if (nav.AdvanceOnEnter())
                    ShowInplaceEdit();
                return;
            }
            if (!nav.AdvanceAutoEdit()) {
                if (OnKeyPress)
                    OnKeyPress(this, Key);
                Key = QChar();
                return;
            }
        }
    }
    TBaseGrid::KeyPress(Key);
}

// ---- appending a row -----------------------------------------------------------------------------

// A new last row starts empty; with a footer below the data the current row
// follows the data row it stood on.
void TExStringGrid::AutoAppendRow()
{
    if (!QueryCanAddRow())
        return;
    const bool floating = p->floatingFooter->Visible();
    if (floating) {
        const int footer = RowCount() - 1;
        QStringList texts;
        for (int c = 0; c < ColCount() + NumHiddenColumns(); ++c)
            texts << Cells(c, footer);
        AddRowAtEnd();
        ClearRows(footer, 1);
        for (int c = 0; c < texts.size(); ++c)
            SetCells(c, RowCount() - 1, texts[c]);
    } else {
        appendClearedRow();
    }
    if (floating || p->fixedFooters > 0)
        SetRow(Row() + 1);
    if (floating)
        CalcFooter(-1);
    if (OnAutoAddRow)
        OnAutoAddRow(this, RowCount() - p->fixedFooters - 1);
}

void TExStringGrid::CursorWalkStep(bool Forward)
{
    TNavigation& nav = *p->navigation;
    const TAdvanceDirection saved = nav.AdvanceDirection();
    nav.SetAdvanceDirection(adLeftRight);
    struct Restore {
        TNavigation& nav;
        TAdvanceDirection direction;
        ~Restore() { nav.SetAdvanceDirection(direction); }
    } restore{nav, saved};
    AdvanceAfterEdit(Col(), Row(), true, false, Forward, true, true);
}
