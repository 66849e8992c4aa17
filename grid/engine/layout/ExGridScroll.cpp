// Scrolling: the scroll settings, proportional thumbs, the scroll messages with
// their hints, the in-cell scroll bar, scrolling a cell into view, the reaction
// to a changed top-left cell, scrolling while dragging and the dialog keys.
//
// Flat scroll bars do not exist here: the flat kinds keep the window bars, and
// ScrollColor and ScrollWidth are only stored; ssMetro swaps in the slim bars.
// Proportional thumbs are written over the base bars' 0..127 run, again after
// every change of top-left, size, count or width, since the base sets a
// row-based position. The scroll messages show "Col : n" / "Row : n" in the
// grid's hint window beside the cursor. TopRow ignores fixed rows and rows past
// the end. The drag-scroll timer exists only while a drag is in a margin. Typed
// characters the grid wants are kept from window shortcuts (ShortcutOverride).

#include "grid/engine/ExGridPrivate.h"
#include "grid/engine/hints/ExGridHintWindow.h"
#include "grid/engine/layout/ExGridScrollControl.h"
#include "platform/grid/InplaceEdit.h"

#include <QtGui/QCursor>
#include <QtGui/QDragMoveEvent>
#include <QtGui/QKeyEvent>

#include <algorithm>
#include <cmath>

namespace {

// The base bars run from 0 to this position.
constexpr int BarRange = 127;
// The scroll hint measures its text this wide.
constexpr int ScrollHintWidth = 200;

// L plus (L + size) of each index in [From, To).
int LinedExtent(int L, int From, int To, const std::function<int(int)>& Size)
{
    int total = 0;
    for (int i = From; i < To; ++i)
        total += L + Size(i);
    return total;
}

bool Includes(TScrollHintType hints, TScrollHintType one) { return hints == one || hints == shBoth; }

}  // namespace

// ---- settings ---------------------------------------------------------------------

TScrollType TExStringGrid::ScrollType() const { return p->scrollType; }

// Flat scroll bars do not exist here, so the flat kinds keep the window bars.
// The slim bars of ssMetro replace the window bars once the grid has a window.
void TExStringGrid::SetScrollType(TScrollType Value)
{
    if (p->scrollType == Value)
        return;
    p->scrollType = Value;
    if (!p->windowCreated)
        return;
    if (Value == ssMetro) {
        CreateScrollControls();
        SetScrollBars(ssNone);
    } else {
        FreeScrollControls();
        SetScrollBars(ssBoth);
    }
}

bool TExStringGrid::ScrollProportional() const { return p->scrollProportional; }

void TExStringGrid::SetScrollProportional(bool Value)
{
    p->scrollProportional = Value;
    if (Value) {
        UpdateVertProportionalBar();
        UpdateHorzProportionalBar();
    }
}

TScrollHintType TExStringGrid::ScrollHints() const { return p->scrollHints; }
void TExStringGrid::SetScrollHints(TScrollHintType Value) { p->scrollHints = Value; }
bool TExStringGrid::ScrollLock() const { return p->scroll.scrollLock; }
void TExStringGrid::SetScrollLock(bool Value) { p->scroll.scrollLock = Value; }

void TExStringGrid::SetTopRow(int Value)
{
    if (Value < FixedRows() || Value > RowCount() - 1)
        return;
    TBaseGrid::SetTopRow(Value);
}

void TExStringGrid::ScreenToCell(const QPoint& ScreenPoint, int& ACol, int& ARow) const
{
    const QPoint client = viewport()->mapFromGlobal(ScreenPoint);
    MouseToCell(client.x(), client.y(), ACol, ARow);
}

// ---- proportional thumbs -----------------------------------------------------------
// The slider keeps its 0..127 run: Max - (Page - 1) stays 127 while the page
// grows with the visible share, so only the thumb changes size.

void TExStringGrid::UpdateVertProportionalBar()
{
    if (p->loading || QueryDesignMode() || !p->scrollProportional || p->scroll.scrollLock)
        return;
    if (VisibleRowCount() + FixedRows() >= RowCount())
        return;
    const int L = GridLineWidth();
    const auto height = [this](int r) { return RowHeights(r); };
    const int fixedH = L + LinedExtent(L, 0, FixedRows(), height);
    const int total = L + LinedExtent(L, FixedRows(), RowCount(), height);
    const int above = L + LinedExtent(L, FixedRows(), TopRow(), height);
    if (total == 0)
        return;
    const float e = float(Height() - fixedH) / float(total);
    if (e >= 0.9999f)
        return;
    TScrollInfo si;
    si.Max = static_cast<int>((e + BarRange) / (1 - e));
    si.Page = si.Max - (BarRange - 1);
    si.Pos = Height() < total ? static_cast<int>(double(above) / (total - Height()) * (BarRange + 1)) : BarRange;
    si.Pos = std::clamp(si.Pos, 0, BarRange);
    SetScrollInfo(SB_VERT, si);
}

void TExStringGrid::UpdateHorzProportionalBar()
{
    if (p->loading || QueryDesignMode() || !p->scrollProportional || p->scroll.scrollLock)
        return;
    const int L = GridLineWidth();
    const auto width = [this](int c) { return ColWidths(c); };
    const int fixedW = L + LinedExtent(L, 0, FixedCols(), width);
    const int total = L + LinedExtent(L, FixedCols(), ColCount(), width);
    const int before = L + LinedExtent(L, FixedCols(), LeftCol(), width);
    // a grid without scrollable width has no thumb to size
    if (total == 0 || fixedW + total - Width() < 5)
        return;
    const float e = float(Width() - fixedW) / float(total);
    if (e >= 0.9999f)
        return;
    TScrollInfo si;
    si.Max = static_cast<int>((e + BarRange) / (1 - e));
    si.Page = si.Max - (BarRange - 1);
    si.Pos = Width() < total ? static_cast<int>(double(before) / (total - Width()) * (BarRange + 1))
                             : GetScrollInfo(SB_HORZ).Pos;
    si.Pos = std::clamp(si.Pos, 0, BarRange);
    SetScrollInfo(SB_HORZ, si);
    if (p->scrollBarAlways == saHorz || p->scrollBarAlways == saBoth)
        return;
    const int allWidths = LinedExtent(0, 0, ColCount(), width);
    if (allWidths < Width() || (ScrollBars() != ssHorizontal && ScrollBars() != ssBoth))
        ShowScrollBar(SB_HORZ, false);
}

void TExStringGrid::updateProportionalBars()
{
    UpdateVertProportionalBar();
    UpdateHorzProportionalBar();
}

// ---- scroll messages ---------------------------------------------------------------

QWidget* TExStringGrid::ScrollHintWindow() const { return p->scroll.hintWindow.data(); }

// The hint shows beside the mouse, 10 pixels to its right, in one frameless
// window that never takes the activation.
void TExStringGrid::showScrollHint(QString Text, int Index)
{
    if (OnScrollHint)
        OnScrollHint(this, Index, Text);
    TExGridScrollState& s = p->scroll;
    THTMLHintWindow* window = GridHintWindow();
    window->SetColor(p->hintColor);
    const QPoint at = QCursor::pos() + QPoint(10, 0);
    TRect r = window->CalcHintRect(ScrollHintWidth, Text, this);
    OffsetRect(r, at.x(), at.y());
    window->ActivateHint(r, Text);
    s.hintShown = true;
}

void TExStringGrid::hideScrollHint()
{
    if (p->scroll.hintWindow)
        p->scroll.hintWindow->ReleaseHandle();
    p->scroll.hintShown = false;
}

void TExStringGrid::WMHScroll(int ScrollCode, int Pos) { HandleWmHScroll(ScrollCode, Pos); }

void TExStringGrid::WMVScroll(int ScrollCode, int Pos) { HandleWmVScroll(ScrollCode, Pos); }

void TExStringGrid::HandleWmHScroll(int ScrollCode, int Pos)
{
    const int target = platform::MulDiv(Pos, ColCount() - VisibleColCount() - FixedCols(), BarRange) + FixedCols();
    if (Includes(p->scrollHints, shHorizontal)) {
        if (ScrollCode == SB_ENDSCROLL)
            hideScrollHint();
        else if (ScrollCode == SB_THUMBTRACK)
            showScrollHint(QStringLiteral("Col : %1").arg(target), target);
    }
    if (ScrollCode == SB_THUMBTRACK && p->scrollSynch)
        SetLeftCol(target);
    if (FixedCols() == 0 && target >= Col())
        HideInplaceEdit();
    TBaseGrid::WMHScroll(ScrollCode, Pos);
    if (ScrollCode == SB_ENDSCROLL && ColCount() == 1)
        Invalidate();
    if (HasCheckBox(Col(), Row()))
        HideInplaceEdit();
}

int TExStringGrid::HandleWmVScroll(int ScrollCode, int Pos, bool FromCellScrollBar)
{
    if (QueryDesignMode()) {
        TBaseGrid::WMVScroll(ScrollCode, Pos);
        return 0;
    }
    if (FromCellScrollBar)
        return scrollCellBar(ScrollCode, Pos);
    const int target = platform::MulDiv(Pos, RowCount() - VisibleRowCount() - FixedRows(), BarRange) + FixedRows();
    if (Includes(p->scrollHints, shVertical)) {
        if (ScrollCode == SB_ENDSCROLL)
            hideScrollHint();
        else if (ScrollCode == SB_THUMBTRACK)
            showScrollHint(QStringLiteral("Row : %1").arg(target), target);
    }
    if (ScrollCode == SB_THUMBTRACK && p->scrollSynch)
        SetTopRow(target);
    TBaseGrid::WMVScroll(ScrollCode, Pos);
    if (HasCheckBox(Col(), Row()))
        HideInplaceEdit();
    return 0;
}

// ---- the in-cell scroll bar --------------------------------------------------------

QScrollBar* TExStringGrid::CellScrollBar()
{
    TExGridScrollState& s = p->scroll;
    if (!s.cellBar) {
        s.cellBar = new QScrollBar(Qt::Vertical, viewport());
        s.cellBar->setFocusPolicy(Qt::NoFocus);
        s.cellBar->hide();
        connect(s.cellBar.data(), &QAbstractSlider::actionTriggered, this, [this](int action) {
            QScrollBar* bar = p->scroll.cellBar.data();
            int code = -1;
            switch (action) {
            case QAbstractSlider::SliderSingleStepAdd: code = SB_LINEDOWN; break;
            case QAbstractSlider::SliderSingleStepSub: code = SB_LINEUP; break;
            case QAbstractSlider::SliderPageStepAdd: code = SB_PAGEDOWN; break;
            case QAbstractSlider::SliderPageStepSub: code = SB_PAGEUP; break;
            case QAbstractSlider::SliderMove: code = SB_THUMBTRACK; break;
            default: return;
            }
            // the grid moves the bar itself, by its own steps
            const int pos = bar->sliderPosition();
            const bool blocked = bar->blockSignals(true);
            bar->setSliderPosition(bar->value());
            bar->blockSignals(blocked);
            HandleWmVScroll(code, pos, true);
        });
    }
    return s.cellBar.data();
}

void TExStringGrid::SetCellScrollBarCell(int ACol, int ARow)
{
    p->scroll.cellBarCol = ACol;
    p->scroll.cellBarRow = ARow;
}

// Moves the in-cell bar by the scroll code and reports a changed position.
int TExStringGrid::scrollCellBar(int ScrollCode, int Pos)
{
    QScrollBar* bar = CellScrollBar();
    const int old = bar->value();
    int pos = old;
    switch (ScrollCode) {
    case SB_LINEUP: pos = old - 10; break;
    case SB_LINEDOWN: pos = old + 10; break;
    case SB_PAGEUP: pos = old - 100; break;
    case SB_PAGEDOWN: pos = old + 100; break;
    case SB_THUMBTRACK: pos = Pos; break;
    default: return 0;
    }
    const bool blocked = bar->blockSignals(true);
    bar->setValue(std::clamp(pos, bar->minimum(), bar->maximum()));
    bar->blockSignals(blocked);
    if (bar->value() == old)
        return 0;
    const int col = p->scroll.cellBarCol;
    const int row = p->scroll.cellBarRow;
    if (col >= 0 && row >= 0)
        InvalidateCell(col, row);
    FireScrollCell(col, row, bar->value(), bar->minimum(), bar->maximum());
    return 1;
}

void TExStringGrid::FireScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax)
{
    if (OnScrollCell)
        OnScrollCell(this, ACol, ARow, ScrollPosition, ScrollMin, ScrollMax);
}

// ---- scrolling a cell into view ------------------------------------------------------

void TExStringGrid::ScrollInView(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        return;
    const int visibleCols = VisibleColCount();
    const int visibleRows = VisibleRowCount();
    int left = LeftCol();
    int top = TopRow();
    // fixed columns and rows are always in view
    if (ACol >= FixedCols() && (ACol < LeftCol() || ACol >= LeftCol() + visibleCols)) {
        SetCol(ACol);
        left = std::max(FixedCols(), ACol - visibleCols / 2);
    }
    if (ARow >= FixedRows() && (ARow < TopRow() || ARow >= TopRow() + visibleRows)) {
        SetRow(ARow);
        top = std::max(FixedRows(), ARow - visibleRows / 2);
    }
    left = std::min(left, ColCount() - visibleCols + 1);
    if (FixedCols() + visibleCols < ColCount())
        SetLeftCol(left);
    top = std::min(top, RowCount() - visibleRows + 1);
    if (FixedRows() + visibleRows >= RowCount())
        return;
    SetTopRow(top);
}

// ---- the top-left cell changed -------------------------------------------------------

void TExStringGrid::TopLeftChanged() { HandleTopLeftChanged(); }

void TExStringGrid::HandleTopLeftChanged()
{
    TBaseGrid::TopLeftChanged();
    const TGridRect sel = Selection();
    if (SelectionRectangle() && sel.Bottom > sel.Top)
        Invalidate();
    // a background picture or gradient does not scroll with the cells
    const TBackGround& bg = *p->backGround;
    const bool picture = bg.Bitmap() && !bg.Bitmap()->Empty();
    const bool gradient = (bg.Display() == bdGradientHorz || bg.Display() == bdGradientVert) && bg.ColorTo() != clNone;
    if (gradient || (picture && (bg.Display() == bdTile || bg.Display() == bdFixed)))
        Invalidate();
    if (EditorMode() && InplaceEditor() && InplaceEditor()->isVisible())
        HideInplaceEdit();
    CellControlsUpdate(false);
    p->rememberedLeftCol = LeftCol();
    p->rememberedTopRow = TopRow();
    if (auto* other = dynamic_cast<TExStringGrid*>(p->syncGrid->Grid())) {
        if (p->syncGrid->ScrollVertical())
            other->SetTopRow(TopRow());
        if (p->syncGrid->ScrollHorizontal())
            other->SetLeftCol(LeftCol());
    }
    if (p->scroll.vertSlim)
        p->scroll.vertSlim->update();
    if (p->scroll.horzSlim)
        p->scroll.horzSlim->update();
    // the base set a row-based thumb position; the proportional one decides
    updateProportionalBars();
}

// ---- controls in cells ---------------------------------------------------------------

void TExStringGrid::CellControlsUpdate(bool RebuildList)
{
    if (!p->windowCreated)
        return;
    TControlList& list = *p->controlList;
    if (RebuildList) {
        list.Clear();
        for (int c = 0; c < TotalColCount(); ++c)
            for (int r = 0; r < RowCount(); ++r)
                if (HasCellProperties(c, r))
                    if (QWidget* w = CellProperties(c, r)->Control())
                        list.AddControl(c, DisplayToRealRow(r), w);
    }
    if (QScrollBar* bar = p->scroll.cellBar.data(); bar && bar->isVisible()) {
        const TRect R = CellRect(Col(), Row());
        const int h = IsRectEmpty(R) ? 0 : R.Bottom - R.Top;
        bar->setGeometry(R.Right - bar->width(), R.Top, bar->width(), h);
    }
    const int visibleCols = VisibleColCount();
    const int visibleRows = VisibleRowCount();
    for (int i = 0; i < list.Count(); ++i) {
        const TControlItem* item = list.Control(i);
        QWidget* w = item ? item->Control : nullptr;
        if (!w)
            continue;
        // the list keeps real columns and rows, as the cell properties do
        if (IsHiddenColumn(item->X) || IsHiddenRow(item->Y)) {
            w->hide();
            continue;
        }
        const int col = RealToDisplayCol(item->X);
        const int row = RealToDisplayRow(item->Y);
        if (row < FixedRows() || col < FixedCols())
            continue;
        const bool outOfView = col < LeftCol() || col > LeftCol() + visibleCols || row < TopRow() ||
                               row > TopRow() + visibleRows;
        if (outOfView) {
            w->hide();
            continue;
        }
        const TRect R = CellRect(col, row);
        w->setGeometry(R.Left - 1, R.Top - 1, R.Right - R.Left + 1, R.Bottom - R.Top + 1);
        w->show();
        // a width step makes the control lay itself out again
        w->resize(w->width() + 1, w->height());
        w->resize(w->width() - 1, w->height());
        w->update();
    }
}

// ---- scrolling while dragging ----------------------------------------------------------

void TExStringGrid::dragEnterEvent(QDragEnterEvent* e)
{
    TBaseGrid::dragEnterEvent(e);
    HandleDragOver(e->position().toPoint().x(), e->position().toPoint().y(), false);
}

void TExStringGrid::dragMoveEvent(QDragMoveEvent* e)
{
    TBaseGrid::dragMoveEvent(e);
    HandleDragOver(e->position().toPoint().x(), e->position().toPoint().y(), false);
}

void TExStringGrid::dragLeaveEvent(QDragLeaveEvent* e)
{
    TBaseGrid::dragLeaveEvent(e);
    HandleDragOver(0, 0, true);
}

void TExStringGrid::stopDragScroll() { p->scroll.dragTimer.reset(); }

// A drag within a margin of an edge scrolls that way, first after the initial
// delay, then at the repeat delay; moving inside a margin starts the initial
// delay again.
void TExStringGrid::HandleDragOver(int X, int Y, bool Leaving)
{
    TExGridScrollState& s = p->scroll;
    const TDragScrollOptions& options = *p->dragScrollOptions;
    if (!options.Active()) {
        stopDragScroll();
        return;
    }
    const TDragScrollDirections previous = s.dragDirections;
    s.dragDirections = {};
    if (Leaving) {
        stopDragScroll();
        return;
    }
    const TDragScrollMargins& m = options.Margins();
    if (Y < m.TopMargin)
        s.dragDirections.Include(dsdUp);
    else if (Y > Height() - m.BottomMargin)
        s.dragDirections.Include(dsdDown);
    if (X < m.LeftMargin)
        s.dragDirections.Include(dsdLeft);
    else if (X > Width() - m.RightMargin)
        s.dragDirections.Include(dsdRight);
    if (s.dragDirections.IsEmpty()) {
        stopDragScroll();
    } else if (!s.dragTimer) {
        s.dragTimer = std::make_unique<QTimer>();
        connect(s.dragTimer.get(), &QTimer::timeout, this, [this] { DragScrollTimerTick(); });
        s.dragTimer->start(options.Delays().InitialDelay);
    } else if (!previous.IsEmpty()) {
        s.dragTimer->start(options.Delays().InitialDelay);
    }
}

QTimer* TExStringGrid::DragScrollTimer() const { return p->scroll.dragTimer.get(); }

void TExStringGrid::DragScrollTimerTick()
{
    TExGridScrollState& s = p->scroll;
    const TDragScrollOptions& options = *p->dragScrollOptions;
    if (!options.Active()) {
        stopDragScroll();
        return;
    }
    if (s.dragTimer)
        s.dragTimer->setInterval(options.Delays().RepeatDelay);
    TDragScrollDirections dirs = s.dragDirections;
    bool canScroll = true;
    if (OnDragScroll)
        OnDragScroll(this, TopRow(), LeftCol(), dirs, canScroll);
    if (!canScroll)
        return;
    if (dirs.Contains(dsdUp) && TopRow() > FixedRows())
        SetTopRow(TopRow() - 1);
    if (dirs.Contains(dsdDown) && TopRow() + VisibleRowCount() < RowCount())
        SetTopRow(TopRow() + 1);
    if (dirs.Contains(dsdLeft) && LeftCol() > FixedCols())
        SetLeftCol(LeftCol() - 1);
    if (dirs.Contains(dsdRight) && LeftCol() + VisibleColCount() < ColCount())
        SetLeftCol(LeftCol() + 1);
}

// ---- dialog keys -------------------------------------------------------------------------
// Arrows always; Tab when it moves inside the grid; typed characters unless an
// editing grid selects whole rows and does not search while sorted.

int TExStringGrid::HandleWmGetDlgCode()
{
    const TGridOptions o = Options();
    int code = DLGC_WANTARROWS;
    if (o.testFlag(goTabs) && !o.testFlag(goRowSelect))
        code |= DLGC_WANTTAB;
    const bool baseChars = !o.testFlag(goRowSelect) && o.testFlag(goEditing);
    if (baseChars || p->navigation->AutoGotoWhenSorted() || !o.testFlag(goEditing))
        code |= DLGC_WANTCHARS;
    return code;
}

// A typed character the grid wants is kept from the window's shortcuts.
bool TExStringGrid::wantsShortcutKey(const QKeyEvent* e)
{
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = e->text();
    return !text.isEmpty() && text.at(0).isPrint() && (HandleWmGetDlgCode() & DLGC_WANTCHARS) != 0;
}
