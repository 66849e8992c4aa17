// Mouse input: selecting, sizing and moving columns and rows, the drag scroll
// timer, the wheel and the hover marks.

#include "platform/grid/CustomGrid.h"

#include "platform/grid/CustomGridPrivate.h"

#include <QtGui/QMouseEvent>
#include <QtGui/QWheelEvent>

#include <algorithm>
#include <cstdlib>

bool TCustomGrid::viewportEvent(QEvent* e)
{
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        viewportMouseEvent(static_cast<QMouseEvent*>(e));
        return true;
    case QEvent::Enter:
        MouseEnter();
        break;
    case QEvent::Leave:
        MouseLeave();
        break;
    case QEvent::Resize:
        updateScrollRange();
        InvalidateEditor();
        break;
    default:
        break;
    }
    return QAbstractScrollArea::viewportEvent(e);
}

void TCustomGrid::viewportMouseEvent(QMouseEvent* e)
{
    e->accept();
    platform::grid::RunReportingFaults([&] { mouseMessage(e); });
}

void TCustomGrid::mouseMessage(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    const TShiftState shift = platform::ShiftStateFromQt(e->modifiers(), e->buttons());
    const bool right = e->button() == Qt::RightButton;
    switch (e->type()) {
    case QEvent::MouseButtonPress:
        if (e->button() == Qt::LeftButton)
            WMLButtonDown(shift, p.x(), p.y());
        else if (right)
            WMRButtonDown(shift, p.x(), p.y());
        else
            pressButton(platform::MouseButtonFromQt(e->button()), shift, p.x(), p.y());
        break;
    case QEvent::MouseButtonDblClick:
        if (e->button() == Qt::LeftButton) {
            WMLButtonDblClk(shift | ssDouble, p.x(), p.y());
        } else {
            DblClick();
            MouseDown(platform::MouseButtonFromQt(e->button()), shift | ssDouble, p.x(), p.y());
        }
        break;
    case QEvent::MouseMove:
        MouseMove(shift, p.x(), p.y());
        break;
    case QEvent::MouseButtonRelease:
        if (e->button() == Qt::LeftButton)
            WMLButtonUp(shift, p.x(), p.y());
        else if (right)
            WMRButtonUp(shift, p.x(), p.y());
        else
            MouseUp(platform::MouseButtonFromQt(e->button()), shift, p.x(), p.y());
        break;
    default:
        break;
    }
}

void TCustomGrid::pressButton(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (!IsFocusInside())
        setFocus(Qt::MouseFocusReason);
    MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::WMLButtonDown(TShiftState Shift, int X, int Y) { pressButton(mbLeft, Shift, X, Y); }

void TCustomGrid::WMLButtonUp(TShiftState Shift, int X, int Y) { MouseUp(mbLeft, Shift, X, Y); }

void TCustomGrid::WMLButtonDblClk(TShiftState Shift, int X, int Y)
{
    DblClick();
    MouseDown(mbLeft, Shift | ssDouble, X, Y);
}

void TCustomGrid::WMRButtonDown(TShiftState Shift, int X, int Y) { pressButton(mbRight, Shift, X, Y); }

void TCustomGrid::WMRButtonUp(TShiftState Shift, int X, int Y) { MouseUp(mbRight, Shift, X, Y); }

void TCustomGrid::wheelEvent(QWheelEvent* e)
{
    d->wheelRemainder += e->angleDelta().y();
    const TShiftState shift = platform::ShiftStateFromQt(e->modifiers(), e->buttons());
    const TPoint pos = FromQPoint(e->position().toPoint());
    while (std::abs(d->wheelRemainder) >= 120) {
        if (d->wheelRemainder > 0) {
            d->wheelRemainder -= 120;
            DoMouseWheelUp(shift, pos);
        } else {
            d->wheelRemainder += 120;
            DoMouseWheelDown(shift, pos);
        }
    }
    e->accept();
}

bool TCustomGrid::DoMouseWheelDown(TShiftState, const TPoint&)
{
    if (d->current.Y < d->rows.count - 1)
        MoveColRow(d->current.X, d->current.Y + 1, true, true);
    return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState, const TPoint&)
{
    if (d->current.Y > d->rows.fixed)
        MoveColRow(d->current.X, d->current.Y - 1, true, true);
    return true;
}

// A press on a column border inside the fixed rows (or a row border inside the
// fixed columns) sizes that column (row).
TGridSizingInfo TCustomGrid::ComputeSizingState(int X, int Y)
{
    const int line = d->lineWidth;
    const int w = ClientWidth();
    const int h = ClientHeight();
    auto nearBorder = [&](const platform::grid::Axis& a, int pos, int client) {
        int found = -1;
        for (int i = 0; i < a.count; ++i) {
            const int start = a.start(i, line, client);
            if (start < 0)
                continue;
            const int border = start + a.size(i);
            if (std::abs(pos - border) < platform::grid::SizingMargin)
                found = i;
        }
        return found;
    };
    if (d->options.testFlag(goColSizing) && Y >= 0 && Y < d->rows.fixedExtent(line)) {
        const int i = nearBorder(d->cols, X, w);
        if (i >= 0)
            return {gsColSizing, i, d->cols.start(i, line, w) + d->cols.size(i) - X};
    }
    if (d->options.testFlag(goRowSizing) && X >= 0 && X < d->cols.fixedExtent(line)) {
        const int i = nearBorder(d->rows, Y, h);
        if (i >= 0)
            return {gsRowSizing, i, d->rows.start(i, line, h) + d->rows.size(i) - Y};
    }
    return {};
}

bool TCustomGrid::beginSizing(int X, int Y)
{
    const TGridSizingInfo info = ComputeSizingState(X, Y);
    if (info.State != gsColSizing && info.State != gsRowSizing)
        return false;
    d->state = info.State;
    d->sizingIndex = info.Index;
    d->sizingOffset = info.Offset;
    d->sizingPos = info.State == gsColSizing ? X : Y;
    return true;
}

void TCustomGrid::showSizingCursor(int X, int Y)
{
    const TGridState state = ComputeSizingState(X, Y).State;
    if (state == gsColSizing)
        viewport()->setCursor(Qt::SplitHCursor);
    else if (state == gsRowSizing)
        viewport()->setCursor(Qt::SplitVCursor);
    else if (viewport()->testAttribute(Qt::WA_SetCursor) &&
             (viewport()->cursor().shape() == Qt::SplitHCursor || viewport()->cursor().shape() == Qt::SplitVCursor))
        viewport()->unsetCursor();
}

TPoint TCustomGrid::LastMousePos() const { return FromQPoint(d->lastMouse); }

void TCustomGrid::CancelMode()
{
    if (d->state == gsNormal)
        return;
    d->dragTimer.stop();
    d->state = gsNormal;
    d->sizingIndex = d->moveIndex = d->movePos = -1;
    const TGridCoord pressed = d->pressed;
    d->pressed = {-1, -1};
    InvalidateCell(pressed.X, pressed.Y);
    viewport()->update();
}

void TCustomGrid::hideEvent(QHideEvent* e)
{
    CancelMode();
    QAbstractScrollArea::hideEvent(e);
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        d->lastMouse = QPoint(X, Y);
        if (beginSizing(X, Y)) {
            viewport()->update();
        } else {
            const TGridCoord cell = MouseCoord(X, Y);
            const bool normalCell = cell.X >= d->cols.fixed && cell.Y >= d->rows.fixed;
            if (cell.X >= 0 && normalCell) {
                const bool extend = Shift.testFlag(ssShift) && d->options.testFlag(goRangeSelect);
                MoveColRow(cell.X, cell.Y, !extend, true);
                d->state = gsSelecting;
            } else if (cell.X >= 0) {
                d->pressed = cell;
                InvalidateCell(cell.X, cell.Y);
                if (d->options.testFlag(goColMoving) && cell.Y < d->rows.fixed && cell.X >= d->cols.fixed) {
                    d->state = gsColMoving;
                    d->moveIndex = d->movePos = cell.X;
                } else if (d->options.testFlag(goRowMoving) && cell.X < d->cols.fixed && cell.Y >= d->rows.fixed) {
                    d->state = gsRowMoving;
                    d->moveIndex = d->movePos = cell.Y;
                }
            }
        }
    }
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
}

bool TCustomGrid::outsideScrollArea(int X, int Y) const
{
    const int line = d->lineWidth;
    return X < d->cols.fixedExtent(line) || X >= ClientWidth() || Y < d->rows.fixedExtent(line) ||
           Y >= ClientHeight();
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y)
{
    d->lastMouse = QPoint(X, Y);
    switch (d->state) {
    case gsSelecting:
        extendSelectionTo(X, Y);
        break;
    case gsColSizing:
    case gsRowSizing:
        d->sizingPos = d->state == gsColSizing ? X : Y;
        viewport()->update();
        break;
    case gsColMoving:
    case gsRowMoving:
        trackMoveTarget(d->state == gsColMoving, X, Y);
        break;
    case gsNormal: {
        showSizingCursor(X, Y);
        const TGridCoord cell = MouseCoord(X, Y);
        const bool fixed = cell.X >= 0 && (cell.X < d->cols.fixed || cell.Y < d->rows.fixed);
        const TGridCoord hot = fixed ? cell : TGridCoord{-1, -1};
        if (hot != d->hot) {
            InvalidateCell(d->hot.X, d->hot.Y);
            d->hot = hot;
            InvalidateCell(hot.X, hot.Y);
        }
        break;
    }
    }
    if (d->state == gsSelecting || d->state == gsColMoving || d->state == gsRowMoving) {
        if (outsideScrollArea(X, Y)) {
            if (!d->dragTimer.isActive())
                d->dragTimer.start();
        } else {
            d->dragTimer.stop();
        }
    }
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
}

// The cell a drag points at, held inside the scrollable cells in view: a point
// over the fixed cells or beyond the last cell takes the nearest one.
static int DragTarget(const platform::grid::Axis& a, int pos, int line, int client)
{
    if (pos < a.fixedExtent(line))
        return a.first;
    const int i = a.at(std::min(pos, client - 1), line, client);
    if (i >= a.fixed)
        return i;
    int last = a.first;
    for (int k = a.first; k < a.count && a.start(k, line, client) >= 0; ++k)
        last = k;
    return last;
}

void TCustomGrid::extendSelectionTo(int X, int Y)
{
    const int c = DragTarget(d->cols, X, d->lineWidth, ClientWidth());
    const int r = DragTarget(d->rows, Y, d->lineWidth, ClientHeight());
    if (c >= d->cols.count || r >= d->rows.count)
        return;
    if (c != d->current.X || r != d->current.Y)
        MoveColRow(c, r, false, false);
}

void TCustomGrid::trackMoveTarget(bool columns, int X, int Y)
{
    const int target = columns ? DragTarget(d->cols, X, d->lineWidth, ClientWidth())
                               : DragTarget(d->rows, Y, d->lineWidth, ClientHeight());
    const int count = columns ? d->cols.count : d->rows.count;
    const int fixed = columns ? d->cols.fixed : d->rows.fixed;
    const int pos = std::clamp(target, fixed, count - 1);
    if (pos != d->movePos) {
        d->movePos = pos;
        viewport()->update();
    }
}

// While a selection or a move is dragged beyond an edge, the view scrolls one
// column or row per tick towards the mouse.
void TCustomGrid::dragScrollTick()
{
    if (d->state != gsSelecting && d->state != gsColMoving && d->state != gsRowMoving) {
        d->dragTimer.stop();
        return;
    }
    const int line = d->lineWidth;
    const QPoint p = d->lastMouse;
    int left = d->cols.first;
    int top = d->rows.first;
    const bool movesRows = d->state != gsColMoving;
    const bool movesCols = d->state != gsRowMoving;
    if (movesCols) {
        if (p.x() < d->cols.fixedExtent(line))
            --left;
        else if (p.x() >= ClientWidth())
            ++left;
    }
    if (movesRows) {
        if (p.y() < d->rows.fixedExtent(line))
            --top;
        else if (p.y() >= ClientHeight())
            ++top;
    }
    MoveTopLeft(left, top);
    if (d->state == gsSelecting)
        extendSelectionTo(p.x(), p.y());
    else
        trackMoveTarget(d->state == gsColMoving, p.x(), p.y());
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const TGridState state = d->state;
    d->dragTimer.stop();
    d->state = gsNormal;
    const TGridCoord pressed = d->pressed;
    d->pressed = {-1, -1};
    InvalidateCell(pressed.X, pressed.Y);
    switch (state) {
    case gsSelecting:
        extendSelectionTo(X, Y);
        break;
    case gsColSizing: {
        const int start = d->cols.start(d->sizingIndex, d->lineWidth, ClientWidth());
        if (start >= 0)
            SetColWidths(d->sizingIndex, std::max(0, X + d->sizingOffset - start));
        viewport()->update();
        break;
    }
    case gsRowSizing: {
        const int start = d->rows.start(d->sizingIndex, d->lineWidth, ClientHeight());
        if (start >= 0)
            SetRowHeights(d->sizingIndex, std::max(0, Y + d->sizingOffset - start));
        viewport()->update();
        break;
    }
    case gsColMoving:
        trackMoveTarget(true, X, Y);
        if (d->movePos != d->moveIndex)
            MoveColumn(d->moveIndex, d->movePos);
        viewport()->update();
        break;
    case gsRowMoving:
        trackMoveTarget(false, X, Y);
        if (d->movePos != d->moveIndex)
            MoveRow(d->moveIndex, d->movePos);
        viewport()->update();
        break;
    case gsNormal:
        break;
    }
    d->sizingIndex = d->moveIndex = d->movePos = -1;
    if (OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
}

void TCustomGrid::Click()
{
    if (OnClick)
        OnClick(this);
}

void TCustomGrid::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TCustomGrid::MouseEnter()
{
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TCustomGrid::MouseLeave()
{
    if (d->hot.X >= 0) {
        InvalidateCell(d->hot.X, d->hot.Y);
        d->hot = {-1, -1};
    }
    if (OnMouseLeave)
        OnMouseLeave(this);
}
