// A key pressed and released on the grid itself: what the grid decides before
// the framework's key-down processing (which may consume the key), the rules
// after the cell store's navigation, and the release.
//
// The key message (HandleWmKeyDown) holds the scroll-only keys, the editing gates
// of Enter and F2, the clicks of check boxes, radios and buttons by key, Home and
// End, node keys, Tab, skipping fixed cells, appending on Down, the clipboard
// shortcuts, Insert, Ctrl+A, disjunct selections and Delete. KeyDown
// (HandleKeyDown) wraps the cell store's navigation with moving rows, wrapping,
// disabled rows and the synchronised grid. Settings changed for one key
// (RangeSelectAndEdit, FilterActive, drawing holds) are scoped guards, so a
// throwing handler leaves them as they were.

#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/markup/EsgHTMLEUtilControls.h"
#include "grid/foundation/util/ExUtilText.h"
#include "platform/ui/window/Form.h"

#include <algorithm>
#include <optional>

namespace {

// RangeSelectAndEdit changed for one question, back also when it throws.
class RangeSelectAndEditFor {
public:
    RangeSelectAndEditFor(TMouseActions& actions, bool value) : actions_(actions), saved_(actions.RangeSelectAndEdit())
    {
        actions_.SetRangeSelectAndEdit(value);
    }
    ~RangeSelectAndEditFor() { actions_.SetRangeSelectAndEdit(saved_); }
    RangeSelectAndEditFor(const RangeSelectAndEditFor&) = delete;
    RangeSelectAndEditFor& operator=(const RangeSelectAndEditFor&) = delete;

private:
    TMouseActions& actions_;
    bool saved_;
};

// The filter is off while a key inserts or deletes a row, so that the row is
// seen unfiltered; it is put back at the step that asks for it, or when a
// handler's fault passes.
class FilterOffForKey {
public:
    explicit FilterOffForKey(TExStringGrid& grid) : grid_(grid), saved_(grid.FilterActive())
    {
        grid_.SetFilterActive(false);
    }
    ~FilterOffForKey()
    {
        if (restored_)
            return;
        restored_ = true;
        try {
            grid_.SetFilterActive(saved_);
        } catch (...) {
            // a second fault while the first one passes cannot be reported
        }
    }
    void Restore()
    {
        if (restored_)
            return;
        restored_ = true;
        grid_.SetFilterActive(saved_);
    }
    FilterOffForKey(const FilterOffForKey&) = delete;
    FilterOffForKey& operator=(const FilterOffForKey&) = delete;

private:
    TExStringGrid& grid_;
    bool saved_;
    bool restored_ = false;
};

bool isArrow(Word Key) { return Key >= VK_LEFT && Key <= VK_DOWN; }

bool isNavigationKey(Word Key) { return Key >= VK_PRIOR && Key <= VK_DOWN; }

// Keys after which the view may have to scroll the last row clear of the
// search panel.
bool mayReachEnd(Word Key)
{
    return Key == VK_NEXT || Key == VK_END || Key == VK_LEFT || Key == VK_RIGHT || Key == VK_DOWN;
}

bool isShiftAltOrNavigation(Word Key) { return Key == VK_SHIFT || Key == VK_MENU || isNavigationKey(Key); }

}  // namespace

void TExStringGrid::WMKeyDown(Word& Key, TShiftState Shift) { HandleWmKeyDown(Key, Shift); }

void TExStringGrid::KeyUp(Word& Key, TShiftState Shift) { HandleKeyUp(Key, Shift); }

// The grid fires OnKeyDown itself for a key it consumes; the framework then
// never sees it.
bool TExStringGrid::consumeKey(Word& Key, TShiftState Shift)
{
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
    Key = 0;
    return true;
}

void TExStringGrid::runFramework(Word& Key, TShiftState Shift) { TBaseGrid::WMKeyDown(Key, Shift); }

void TExStringGrid::HandleWmKeyDown(Word& Key, TShiftState Shift)
{
    const int startLeft = LeftCol();
    const int startRow = Row();
    p->moveSelection = Selection();
    const int realCol = DisplayToRealCol(Col());
    const bool down = Key == VK_DOWN;
    const bool vertical = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
    const bool keepHorz = vertical && Options().testFlag(goRowSelect) && startLeft != FixedCols() &&
                          p->navigation->KeepHorizScroll();
    if (p->navigation->MoveScrollOnly() && (vertical || Key == VK_HOME || Key == VK_END)) {
        scrollOnlyByKey(Key);
        Key = 0;
        return;
    }
    if (keyEditGates(Key, Shift, realCol))
        return;
    if ((Key == VK_RETURN || Key == VK_SPACE) && HasClickableGraphic(realCol, Row()))
        keyClicksCell(Key, realCol);
    if (keyHomeEnd(Key, Shift, startRow, startLeft) || keySideways(Key, Shift))
        return;
    if (Key == VK_TAB && Options().testFlag(goTabs)) {
        MoveByTab(Shift.testFlag(ssShift));
        reportKeySelection();
        return;
    }
    if (p->navigation->SkipFixedCells())
        keySkipFixedCells(Key, Shift);
    if (down && p->navigation->AppendOnArrowDown() && IsLastDataRow())
        AutoAppendRow();
    if (SelectionRectangle() && Selection() != p->moveSelection) {
        InvalidateRect(Selection());
        p->moveSelection = Selection();
    }
    if (keyBeforeFramework(Key, Shift, keepHorz, startLeft))
        return;
    if (keyAfterFramework(Key, Shift, realCol))
        return;
    reportKeySelection();
}

// Steps on the key the framework left (an OnKeyDown handler may have cleared
// it); true when the handler ends without the selection report.
bool TExStringGrid::keyAfterFramework(Word& Key, TShiftState Shift, int realCol)
{
    const bool ctrl = Shift.testFlag(ssCtrl);
    const bool shift = Shift.testFlag(ssShift);
    const bool alt = Shift.testFlag(ssAlt);
    if (p->navigation->AllowClipboardShortCuts() && keyClipboard(Key, Shift))
        return true;
    if (Key == VK_INSERT && p->navigation->AllowInsertRow() && !ctrl && !shift && !alt && !keyInsertRow())
        return true;
    if (Key == u'A' && ctrl) {
        if (Options().testFlag(goRowSelect) || Options().testFlag(goRangeSelect))
            keySelectAll();
        return true;
    }
    keyDisjunctSelection(Key, Shift);
    if (Key == VK_DELETE && p->navigation->AllowDeleteRow() && !alt &&
        RowCount() - p->fixedFooters - FixedRows() >= 1 && !keyDeleteRow())
        return true;
    if (Key == VK_RETURN || Key == VK_F2) {
        RememberCellBeforeEdit(Col(), Row());
        if (HasControlTag(Cells(realCol, Row())))
            FocusNextCellControl(Col(), Row(), QString());
        if (Key == VK_F2)
            AfterEditKeyF2();
    }
    return false;
}

void TExStringGrid::reportKeySelection()
{
    const TGridRect now = Selection();
    if (now == p->moveSelection)
        return;
    FireSelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
    p->moveSelection = now;
}

// Scroll-only navigation: the view moves, the current cell stays.
void TExStringGrid::scrollOnlyByKey(Word Key)
{
    const int visible = VisibleRowCount();
    const int top = TopRow();
    switch (Key) {
    case VK_PRIOR:
        SetTopRow(visible + FixedRows() < top ? top - visible : FixedRows());
        break;
    case VK_NEXT:
        if (top + visible < RowCount())
            SetTopRow(top + visible);
        break;
    case VK_HOME:
        SetTopRow(FixedRows());
        break;
    case VK_END:
        SetTopRow(RowCount() - visible);
        break;
    case VK_UP:
        if (top > FixedRows())
            SetTopRow(top - 1);
        break;
    case VK_DOWN:
        if (top + visible < RowCount())
            SetTopRow(top + 1);
        break;
    default:
        break;
    }
}

// Enter and F2 may switch editing on, and are consumed on cells that cannot be
// edited; true when the handler ends.
bool TExStringGrid::keyEditGates(Word& Key, TShiftState Shift, int realCol)
{
    TMouseActions& actions = *p->mouseActions;
    const bool enterOrF2 = Key == VK_RETURN || Key == VK_F2;
    if (enterOrF2 && actions.EditOnDblClickOnly() && !Options().testFlag(goEditing)) {
        RangeSelectAndEditFor editing(actions, true);
        if (IsEditable(realCol, Row()))
            SetOptions(Options() | goEditing);
    }
    if (enterOrF2 && actions.RangeSelectAndEdit() && !Options().testFlag(goEditing)) {
        if (!IsEditable(realCol, Row()))
            return consumeKey(Key, Shift);
        SetOptions(Options() | goEditing);
        ShowInplaceEdit();
    }
    if (Key == u'F' && Shift.testFlag(ssCtrl) && p->searchFooter->Visible())
        FocusSearchEdit();
    if (!enterOrF2)
        return false;
    if (Options().testFlag(goEditing) && !IsEditable(realCol, Row()))
        return consumeKey(Key, Shift);
    const QString text = Cells(realCol, Row());
    if (ClassifyCellText(text, p->enableHTML) == ctMarkup && HasControlTag(text))
        return true;
    if (Key == VK_RETURN && !IsEditable(realCol, Row())) {
        auto* form = dynamic_cast<TForm*>(FindHostForm(this));
        if (form && form->KeyPreview())
            runFramework(Key, Shift);
        else
            consumeKey(Key, Shift);
        return true;
    }
    return false;
}

// Enter or Space on a check box, radio or button cell clicks it.
void TExStringGrid::keyClicksCell(Word Key, int realCol)
{
    const int row = Row();
    const TControlLook& look = *p->controlLook;
    bool mayClick = Options().testFlag(goEditing) || p->mouseActions->RangeSelectAndEdit();
    QueryCellEditable(realCol, row, mayClick);
    const bool space = Key == VK_SPACE;
    if ((mayClick || look.CheckAlwaysActive()) && space && HasCheckBox(realCol, row)) {
        ToggleCellCheck(realCol, row, false);
        if (p->showModified->Enabled()) {
            SetRowModified(row, true);
            RepaintCell(0, row);
        }
        bool state = false;
        GetCheckBoxState(realCol, RealRowIndex(row), state);
        FireCheckBoxClick(Col(), row, state);
    }
    if ((mayClick || look.RadioAlwaysActive()) && space && IsRadio(realCol, row)) {
        SelectNextRadioOption(realCol, row, true);
        int index = -1;
        GetRadioIdx(realCol, row, index);
        if (OnRadioClick)
            OnRadioClick(this, Col(), row, index);
    }
    if ((mayClick || look.RadioAlwaysActive()) && space && HasRadioButton(realCol, row)) {
        SetRadioButtonColumnIndex(realCol, row);
        if (OnRadioButtonClick)
            OnRadioButtonClick(this, Col(), row);
    }
    if (mayClick && HasButton(realCol, row))
        FireButtonClick(Col(), row);
    RepaintCell(Col(), row);
}

// A row without a Tab stop keeps its column: the key moves nothing there
// instead of raising an index error.
void TExStringGrid::moveToFirstTabStop()
{
    const int col = FirstTabStopColumn(Row());
    if (col >= 0)
        SetCol(col);
}

// Home and End by Navigation.HomeEndKey; true when the key was consumed.
bool TExStringGrid::keyHomeEnd(Word& Key, TShiftState Shift, int startRow, int startLeft)
{
    if (Key != VK_HOME && Key != VK_END)
        return false;
    const THomeEndAction action = p->navigation->HomeEndKey();
    const bool home = Key == VK_HOME;
    const bool ctrl = Shift.testFlag(ssCtrl);
    const bool singleRow = p->fixedRowAlways && RowCount() == 1;
    if (action == heFirstLastCell && !ctrl) {
        SetCol(home ? FixedCols() : ColCount() - 1);
        SetRow(home ? FixedRows() : RowCount() - 1);
        SnapToBaseCell();
        return consumeKey(Key, Shift);
    }
    if (action == heFirstLastRow && !ctrl) {
        if (singleRow)
            return false;
        keyHomeEndRow(home, Shift, startRow);
        consumeKey(Key, Shift);
        if (Options().testFlag(goRowSelect) && p->navigation->KeepHorizScroll()) {
            TUpdateBatch hold(*this);
            SetLeftCol(startLeft);
        }
        return true;
    }
    if (action != heFirstLastColumn)
        return false;
    if (home && ctrl) {
        SetRow(FixedRows());
        moveToFirstTabStop();
        SnapToBaseCell();
        SetLeftCol(LeadingFixedCols());
        return consumeKey(Key, Shift);
    }
    if (ctrl || Options().testFlag(goRowSelect) || singleRow)
        return false;
    if (Shift.testFlag(ssShift)) {
        SetSelection(TGridRect{Col(), Row(), home ? FixedCols() : ColCount() - p->fixedRightCols - 1, Row()});
        RepaintRow(Row());
        return consumeKey(Key, Shift);
    }
    if (home)
        moveToFirstTabStop();
    else
        SetCol(ColCount() - 1);
    SnapToBaseCell();
    SetLeftCol(home ? LeadingFixedCols() : ColCount() - VisibleColCount());
    return consumeKey(Key, Shift);
}

// Home and End as first and last row.
void TExStringGrid::keyHomeEndRow(bool Home, TShiftState Shift, int startRow)
{
    const bool floating = p->floatingFooter->Visible();
    int target = FixedRows();
    if (!Home) {
        target = floating && RowCount() > 2 ? RowCount() - 2 : RowCount() - p->fixedFooters - 1;
        SetRow(target);
        if (p->fixedFooters > 0 && !floating)
            SetTopRow(RowCount() - VisibleRowCount());
    } else {
        SetRow(target);
    }
    SnapToBaseCell();
    const bool disjunct = p->mouseActions->DisjunctRowSelect();
    if (Shift.testFlag(ssShift)) {
        SetSelection(TGridRect{0, startRow, ColCount() - 1, Row()});
        if (disjunct)
            SelectionToRowSelect(false);
    } else if (disjunct) {
        ClearRowSelect();
        SelectionToRowSelect(false);
    }
    if (!Home && floating)
        SetTopRow(RowCount() - VisibleRowCount());
}

// Node rows open and close with Right and Left; in row-select mode the
// sideways keys scroll. True when the key was consumed.
bool TExStringGrid::keySideways(Word& Key, TShiftState Shift)
{
    if (Key != VK_LEFT && Key != VK_RIGHT)
        return false;
    const bool node = IsNode(Row());
    if (node && IsMergedCell(Col(), Row())) {
        if (Key == VK_RIGHT)
            ExpandNode(RealRowIndex(Row()));
        else
            ContractNode(RealRowIndex(Row()));
    }
    if (node || !Options().testFlag(goRowSelect) || VisibleColCount() >= ColCount())
        return false;
    const bool lineByLine = !p->navigation->LeftRightRowSelect();
    if (Shift.testFlag(ssCtrl) || lineByLine) {
        if (Key == VK_LEFT && LeftCol() > FixedCols())
            SetLeftCol(LeftCol() - 1);
        if (Key == VK_RIGHT && LeftCol() + VisibleColCount() < ColCount())
            SetLeftCol(LeftCol() + 1);
    }
    return lineByLine && consumeKey(Key, Shift);
}

// Arrow keys pass over cells that are fixed inside the scrollable area.
void TExStringGrid::keySkipFixedCells(Word& Key, TShiftState Shift)
{
    Word key = Key;
    if (layoutDirection() == Qt::RightToLeft && (key == VK_LEFT || key == VK_RIGHT))
        key = key == VK_LEFT ? VK_RIGHT : VK_LEFT;
    const int col = Col();
    const int row = Row();
    const int endCol = ColCount() - p->fixedRightCols;
    const int endRow = RowCount() - p->fixedFooters;
    const bool rowSelect = Options().testFlag(goRowSelect);
    if (key == VK_LEFT && col > FixedCols() && IsFixed(col - 1, row)) {
        int c = col - 1;
        while (c >= FixedCols() && IsFixed(c, row))
            --c;
        if (c >= FixedCols())
            SetCol(c);
    } else if (key == VK_RIGHT && col < endCol && col + 1 < ColCount() && IsFixed(col + 1, row)) {
        int c = col + 1;
        while (c < endCol && IsFixed(c, row))
            ++c;
        if (c < endCol)
            SetCol(c);
    } else if (key == VK_UP && row > FixedRows() && IsFixed(col, row - 1)) {
        int r = row - 1;
        while (!rowSelect && r >= FixedRows() && IsFixed(col, r))
            --r;
        if (r >= FixedRows())
            SetRow(r);
    } else if (key == VK_DOWN && row < endRow && row + 1 < RowCount() && IsFixed(col, row + 1)) {
        int r = row + 1;
        while (!rowSelect && r < endRow && IsFixed(col, r))
            ++r;
        if (r < endRow || rowSelect)
            SetRow(r);
    } else {
        return;
    }
    consumeKey(Key, Shift);
}

// The search footer rules around the framework call, which runs here; true
// when the key ends at the search footer.
bool TExStringGrid::keyBeforeFramework(Word& Key, TShiftState Shift, bool keepHorz, int startLeft)
{
    const int panel = SearchPanelHeight();
    const bool footer = panel > 0;
    const int top = TopRow();
    const Word pressed = Key;
    const bool lastRow = Row() >= RowCount() - 1;
    std::optional<TUpdateBatch> footerHold;
    if (footer && top >= RowCount() - VisibleRowCount()) {
        if (Key == VK_DOWN && lastRow) {
            KeepRowAboveSearchFooter();
            return consumeKey(Key, Shift);
        }
        if ((Key == VK_RIGHT && lastRow && Col() + 1 == ColCount()) ||
            (Key == VK_LEFT && lastRow && Col() == FixedCols()))
            return consumeKey(Key, Shift);
        if ((mayReachEnd(Key) && lastRow) || !isShiftAltOrNavigation(Key))
            footerHold.emplace(*this);
    }
    std::optional<TUpdateBatch> horzHold;
    if (keepHorz)
        horzHold.emplace(*this);
    runFramework(Key, Shift);
    if (footer) {
        if (TopRow() >= RowCount() - VisibleRowCount() && !isShiftAltOrNavigation(pressed))
            SetTopRow(top);
        footerHold.reset();
        if (mayReachEnd(pressed) && Row() == RowCount() - 1)
            while (Row() > TopRow() && CellRect(Col(), Row()).Bottom > ClientHeight() - panel + 2) {
                const int before = TopRow();
                SetTopRow(before + 1);
                if (TopRow() == before)
                    break;
            }
    }
    if (keepHorz) {
        SetLeftCol(startLeft);
        horzHold.reset();
    }
    return false;
}

bool TExStringGrid::keyClipboard(Word Key, TShiftState Shift)
{
    const bool ctrl = Shift.testFlag(ssCtrl);
    const bool shift = Shift.testFlag(ssShift);
    auto run = [this](TAllowEvent& event, void (TExStringGrid::*action)()) {
        bool allow = true;
        if (event)
            event(this, allow);
        if (allow)
            (this->*action)();
        return true;
    };
    if (ctrl && Key == u'X')
        return run(OnClipboardCut, &TExStringGrid::CutSelectionToClipboard);
    if (ctrl && Key == u'V')
        return run(OnClipboardPaste, &TExStringGrid::PasteSelectionFromClipboard);
    if (ctrl && (Key == VK_INSERT || Key == u'C'))
        return run(OnClipboardCopy, &TExStringGrid::CopySelectionToClipboard);
    if (shift && Key == VK_INSERT)
        return run(OnClipboardPaste, &TExStringGrid::PasteSelectionFromClipboard);
    if (shift && Key == VK_DELETE)
        return run(OnClipboardCut, &TExStringGrid::CutSelectionToClipboard);
    return false;
}

// Insert puts a new row before or after the current one; false when
// OnCanInsertRow refused it.
bool TExStringGrid::keyInsertRow()
{
    if (!QueryCanInsertRow(Row()))
        return false;
    const int realRow = RealRowIndex(Row());
    int target = Row();
    FilterOffForKey filter(*this);
    if (realRow < RowCount())
        SetRow(realRow);
    int at = RealRowIndex(Row());
    bool after = false;
    if (p->navigation->InsertPosition() == pInsertAfter) {
        if (p->fixedRowAlways && FixedRows() == RowCount()) {
            target = 1;
        } else if (Row() < RowCount()) {
            at = Row() + 1 < RowCount() ? RealRowIndex(Row() + 1) : RealRowIndex(Row()) + 1;
            after = true;
        }
    }
    InsertRowFromKey(at);
    if (after && target + 1 < RowCount())
        ++target;
    if (OnAutoInsertRow)
        OnAutoInsertRow(this, at);
    filter.Restore();
    SetRow(target);
    CalcFooter(-1);
    return true;
}

// Ctrl+A selects every normal cell and replays a click on the bottom-right one.
void TExStringGrid::keySelectAll()
{
    TGridRect all{LeadingFixedCols(), FixedRows(), ColCount() - p->fixedRightCols - 1,
                  RowCount() - p->fixedFooters - 1};
    if (p->mouseActions->DisjunctRowSelect())
        for (int r = all.Top; r <= all.Bottom; ++r)
            setRowFlag(rowFlagIndex(r), true);
    BeforeSelectAll(all);
    SetSelection(all);
    FocusCell(all.Right, all.Bottom);
    const TRect cell = CellRect(all.Right, all.Bottom);
    // a cell out of view has no place to click
    if (!IsRectEmpty(cell)) {
        HandleMouseDown(mbLeft, TShiftState(), cell.Left + 2, cell.Top + 2);
        HandleMouseUp(mbLeft, TShiftState(), cell.Left + 2, cell.Top + 2);
    }
    FocusCell(all.Right, all.Bottom);
    SetSelection(all);
}

// The disjunct row and column selections follow the navigation keys; Space
// flips the current row or column.
void TExStringGrid::keyDisjunctSelection(Word Key, TShiftState Shift)
{
    const TMouseActions& actions = *p->mouseActions;
    const bool plain = !Shift.testFlag(ssShift) && !Shift.testFlag(ssCtrl);
    const int rowFlag = rowFlagIndex(Row());
    if (isNavigationKey(Key)) {
        if (actions.DisjunctRowSelect()) {
            if (plain)
                ClearRowSelect();
            if (Shift.testFlag(ssShift))
                SelectionToRowSelect(true);
            else
                SetRowSelect(rowFlag, true);
        }
        if (actions.DisjunctColSelect()) {
            if (plain)
                ClearColSelect();
            if (Shift.testFlag(ssShift))
                SelectionToColSelect(true);
            else
                SetColSelect(Col(), true);
        }
    } else if (Key == VK_SPACE) {
        if (actions.DisjunctRowSelect())
            SetRowSelect(rowFlag, !IsFlagSet(*p->rowSelect, rowFlag));
        if (actions.DisjunctColSelect())
            SetColSelect(Col(), !IsFlagSet(*p->colSelect, Col()));
    }
}

// Delete removes the current row; false when OnCanDeleteRow refused it.
bool TExStringGrid::keyDeleteRow()
{
    const int realRow = RealRowIndex(Row());
    FilterOffForKey filter(*this);
    bool allow = true;
    if (OnCanDeleteRow)
        OnCanDeleteRow(this, realRow, allow);
    if (!allow)
        return false;
    DeleteRowFromKey(realRow);
    filter.Restore();
    if (p->floatingFooter->Visible() && Row() == RowCount() - 1)
        SetRow(RowCount() - 2);
    RememberCellBeforeEdit(Col(), Row());
    CalcFooter(-1);
    return true;
}

// ---- after the cell store's navigation ------------------------------------------------------------

void TExStringGrid::HandleKeyDown(Word& Key, TShiftState Shift)
{
    const int startRow = Row();
    p->lastKeyCell = {Col(), Row()};
    TBaseGrid::KeyDown(Key, Shift);
    if (p->navigation->CursorMoveRows() && Shift.testFlag(ssCtrl))
        keyMoveRows(Key);
    keyWrap(Key);
    keySkipDisabledRows(Key, startRow);
    TStringGrid* synced = p->syncGrid->Grid();
    if (!synced)
        return;
    if (p->syncGrid->SelectionColumn() && Col() < synced->ColCount())
        synced->SetCol(Col());
    if (p->syncGrid->SelectionRow() && Row() < synced->RowCount())
        synced->SetRow(Row());
}

// Ctrl+Up and Ctrl+Down move the selected rows by one, the selection with them.
void TExStringGrid::keyMoveRows(Word Key)
{
    const TGridRect s = Selection();
    const int top = std::min(s.Top, s.Bottom);
    const int bottom = std::max(s.Top, s.Bottom);
    const int count = bottom - top + 1;
    if (Key == VK_DOWN && bottom < RowCount() - 1) {
        if (count == 1) {
            MoveRow(top, top + 1);
            SetRow(top + 1);
        } else {
            MoveRows(top, bottom + 2, count);
            SetSelection(TGridRect{FixedCols(), top + 1, ColCount() - 1, bottom + 1});
        }
    } else if (Key == VK_UP && top > FixedRows()) {
        if (count == 1) {
            MoveRow(top, top - 1);
            SetRow(top - 1);
        } else {
            MoveRows(top, top - 1, count);
            SetSelection(TGridRect{FixedCols(), top - 1, ColCount() - 1, bottom - 1});
        }
    }
}

// Arrows at the edge wrap to the other side (caLoop), also to the next or
// previous row or column (caSnake), judged from the cell the key started on.
void TExStringGrid::keyWrap(Word Key)
{
    const TCursorAdvance advance = p->navigation->CursorAdvance();
    if (advance == caDefault)
        return;
    const bool snake = advance == caSnake;
    const TGridCoord start = p->lastKeyCell;
    const int lastCol = ColCount() - p->fixedRightCols - 1;
    const int lastRow = RowCount() - p->fixedFooters - 1;
    if (Key == VK_LEFT && start.X == FixedCols()) {
        SetCol(lastCol);
        if (snake && Row() > FixedRows())
            SetRow(Row() - 1);
    } else if (Key == VK_UP && start.Y == FixedRows()) {
        SetRow(lastRow);
        if (snake && Col() > FixedCols())
            SetCol(Col() - 1);
    } else if (Key == VK_RIGHT && start.X == ColCount() - 1) {
        SetCol(FixedCols());
        if (snake && Row() < lastRow)
            SetRow(Row() + 1);
    } else if (Key == VK_DOWN && start.Y == RowCount() - 1) {
        SetRow(FixedRows());
        if (snake && Col() < lastCol)
            SetCol(Col() + 1);
    }
}

// Up and Down jump over disabled rows that the navigation was refused.
void TExStringGrid::keySkipDisabledRows(Word Key, int startRow)
{
    if (!p->navigation->SkipDisabledRows() || !p->useEnabledRows || Row() != startRow)
        return;
    if (Key == VK_UP && startRow - 1 >= FixedRows() && !RowEnabled(startRow - 1)) {
        for (int r = startRow - 1; r >= FixedRows(); --r)
            if (RowEnabled(r)) {
                SetRow(r);
                return;
            }
    } else if (Key == VK_DOWN && startRow < RowCount() - 1 && !RowEnabled(startRow + 1)) {
        for (int r = startRow + 1; r <= RowCount() - 1; ++r)
            if (RowEnabled(r)) {
                SetRow(r);
                return;
            }
    }
}

// ---- release -------------------------------------------------------------------------------------

void TExStringGrid::HandleKeyUp(Word& Key, TShiftState Shift)
{
    if (isArrow(Key) || Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_INSERT || Key == VK_DELETE)
        SetSearchInc(QString());
    const TGridRect before = Selection();
    TBaseGrid::KeyUp(Key, Shift);
    const bool tabInGrid = Key == VK_TAB && Options().testFlag(goTabs);
    if (p->navigation->AlwaysEdit() && (isArrow(Key) || tabInGrid) &&
        !HasClickableGraphic(DisplayToRealCol(Col()), Row()))
        ShowInplaceEdit();
    if ((Key == VK_TAB || isArrow(Key)) && Selection() != p->moveSelection)
        reportKeySelection();
    if (p->mouseActions->DisjunctCellSelect() && !Options().testFlag(goEditing))
        keyUpDisjunctCells(Key, Shift, before);
}

// The cells picked one by one follow Shift-extended selections and Space.
void TExStringGrid::keyUpDisjunctCells(Word Key, TShiftState Shift, const TGridRect& S)
{
    TIntList& cells = p->selectedCells;
    const auto key = [](int c, int r) { return (r << 16) | c; };
    const auto addRange = [&](const TGridRect& r, const TPoint& except) {
        for (int y = r.Top; y <= r.Bottom; ++y)
            for (int x = r.Left; x <= r.Right; ++x)
                if ((x != except.X || y != except.Y) && !cells.HasValue(key(x, y)))
                    cells.Add(key(x, y));
    };
    const auto repaintListed = [&] {
        for (int i = 0; i < cells.Count(); ++i)
            RepaintCell(cells.GetInteger(i) & 0xFFFF, cells.GetInteger(i) >> 16);
    };
    if (Shift.testFlag(ssShift)) {
        for (int y = S.Top; y <= S.Bottom; ++y)
            for (int x = S.Left; x <= S.Right; ++x)
                cells.DeleteValue(key(x, y));
        addRange(Selection(), TPoint{Col(), Row()});
    }
    if (Key != VK_SPACE)
        return;
    const TPoint base = BaseCell(Col(), Row());
    if (!IsFixed(base.X, base.Y) && OnSelectCell) {
        bool canSelect = true;
        OnSelectCell(this, base.X, base.Y, canSelect);
        if (!canSelect)
            return;
    }
    const int baseKey = key(base.X, base.Y);
    if (Shift.testFlag(ssCtrl)) {
        if (cells.HasValue(baseKey))
            cells.DeleteValue(baseKey);
        else
            cells.Add(baseKey);
    } else {
        repaintListed();
        cells.Clear();
        cells.Add(baseKey);
    }
    const TGridRect sel = Selection();
    if (sel.Left != sel.Right || sel.Top != sel.Bottom) {
        addRange(sel, base);
        repaintListed();
    }
    RepaintCell(Col(), Row());
}
