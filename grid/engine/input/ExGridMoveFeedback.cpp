// What the grid shows while a column or row is moved with EnhRowColMove (the
// moved cells' picture or the header button, the drop arrows, the drag and
// no-drop cursors), the start of a drag of cells or of a column through the
// drag runner, the picture of selected cells, and the end of both at the
// release.
//
// The drag and no-drop cursors are held as the application's override cursor
// (TMoveCursor) until the release or CancelMode. A press becomes a drag once the
// mouse moves more than 3 pixels; the drag goes to the grid's drag runner
// (SetDragRunner), and an empty runner function leaves it to the toolkit's drag
// and drop. A drag that ends as a move removes the dragged rows or empties the
// dragged cells.

#include "grid/engine/hints/ExGridHintWindow.h"
#include "grid/engine/ExGridPrivate.h"
#include "platform/ui/paint/Canvas.h"

#include <QtGui/QGuiApplication>
#include <QtGui/QPainter>

#include <cstdlib>

namespace {

// A press becomes a drag once the mouse has moved more than this far.
constexpr int DragThreshold = 3;
// Arrows stand this far left of (above) the edge they mark.
constexpr int ArrowOffset = 5;
constexpr int ArrowSize = 11;

}  // namespace

// ---- the move cursor ----------------------------------------------------------------

TMoveCursor::~TMoveCursor() { Release(); }

void TMoveCursor::Set(TCursor Cursor)
{
    if (!m_held)
        QGuiApplication::setOverrideCursor(QCursor(platform::CursorShape(Cursor)));
    else if (Cursor != m_cursor)
        QGuiApplication::changeOverrideCursor(QCursor(platform::CursorShape(Cursor)));
    m_held = true;
    m_cursor = Cursor;
}

void TMoveCursor::Release()
{
    if (!m_held)
        return;
    QGuiApplication::restoreOverrideCursor();
    m_held = false;
    m_cursor = crDefault;
}

TCursor TMoveCursor::Current() const { return m_held ? m_cursor : crDefault; }

// ---- hooks and the drag runner ----------------------------------------------------------

void TExStringGrid::FireStartBlockFocus() {}
void TExStringGrid::FireEndBlockFocus() {}

void TExStringGrid::SetDragRunner(const TGridDragRunner& Runner) { p->move.dragRunner = Runner; }

const TGridDragRunner& TExStringGrid::DragRunner() const { return p->move.dragRunner; }

TCursor TExStringGrid::MoveCursor() const { return p->move.cursor.Current(); }

TNoActiveForm* TExStringGrid::MoveImage() const { return p->move.moveForm; }

THeaderDragButton* TExStringGrid::HeaderDragButton()
{
    if (!p->move.moveButton)
        p->move.moveButton = new THeaderDragButton(this);
    return p->move.moveButton;
}

TArrowWindow* TExStringGrid::MoveArrow(int Dir) const
{
    return Dir >= arrUp && Dir <= arrRight ? p->arrows[Dir].data() : nullptr;
}

// ---- the picture of selected cells ------------------------------------------------------

TNoActiveForm* TExStringGrid::SelectionToForm(const TGridRect& ARect)
{
    const QImage whole = viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    TRect a = ComputeCellRect(ARect.Left, ARect.Top);
    TRect b = ComputeCellRect(ARect.Right, ARect.Bottom);
    if (b.Left < a.Left)
        std::swap(a, b);
    if (b.Bottom < a.Bottom) {
        std::swap(a.Top, b.Top);
        std::swap(a.Bottom, b.Bottom);
    }
    const int w = std::max(1, b.Right - a.Left + 1);
    const int h = std::max(1, b.Bottom - a.Top + 1);
    QImage picture(w, h, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.drawImage(QPoint(0, 0), whole, QRect(a.Left + 1, a.Top + 1, w, h));
        painter.setPen(ToQColor(GridFixedLineColor()));
        if (ARect.Left == 0 && FixedCols() > 0 && Options().testFlag(goFixedHorzLine))
            painter.drawLine(0, 0, 0, h - 1);
        if (ARect.Top == 0 && FixedRows() > 0 && Options().testFlag(goFixedVertLine))
            painter.drawLine(0, 0, w - 1, 0);
    }
    auto* form = new TNoActiveForm(this);
    form->SetPicture(picture);
    form->SetAlphaBlendValue(192);
    return form;
}

// A picture of the moved column (row) or of the dragged cells, made once per
// move, at the mouse less the press offset in the header cell.
void TExStringGrid::showMoveImage(const TGridRect& Cells, int X, int Y)
{
    TExGridMoveState& m = p->move;
    if (!m.moveForm) {
        const bool hidden = p->selectionHidden;
        p->selectionHidden = true;
        m.moveForm = SelectionToForm(Cells);
        p->selectionHidden = hidden;
    }
    const QPoint at = viewport()->mapToGlobal(QPoint(X - p->press.moveOfsX, Y - p->press.moveOfsY));
    m.moveForm->move(at);
    m.moveForm->show();
}

TGridRect TExStringGrid::visibleColumnCells(int ACol) const
{
    return {ACol, 0, ACol, std::min(RowCount() - 1, TopRow() + VisibleRowCount())};
}

// ---- the enhanced move ----------------------------------------------------------------

void TExStringGrid::enhancedMoveFeedback(const TGridCoord& hit, int X, int Y)
{
    TExGridMoveState& m = p->move;
    const TExGridPressState& ps = p->press;
    const TGridState state = GridState();
    if (state != gsColMoving && state != gsRowMoving)
        return;
    const bool columns = state == gsColMoving;
    if (!m.moveStarted) {
        m.moveStarted = true;
        bool allow = true;
        const TIndexAllowEvent& event = columns ? OnColumnMove : OnRowMove;
        if (event)
            event(this, ps.moveCell, allow);
        if (!allow) {
            SetGridState(gsNormal);
            return;
        }
    }
    if (RowCount() <= 1 || !EnhRowColMove() || m.sizingFixed || m.sizingFixedR ||
        (X == ps.point.X && Y == ps.point.Y) || ps.moveCell < 0)
        return;
    m.moveAllowed = true;
    FireStartBlockFocus();
    const bool showCells = p->dragDropSettings->ShowCells();
    if (columns && ps.moveCell >= FixedCols()) {
        if (showCells)
            showMoveImage(visibleColumnCells(ps.moveCell), X, Y);
        placeMoveButton(Cells(DisplayToRealCol(ps.moveCell), 0), ColWidths(ps.moveCell),
                        RowHeights(std::max(0, hit.Y)), X, Y);
    } else if (!columns && ps.moveCell >= FixedRows()) {
        if (showCells)
            showMoveImage({0, ps.moveCell, std::min(ColCount() - 1, LeftCol() + VisibleColCount()), ps.moveCell}, X,
                          Y);
        placeMoveButton(Cells(0, ps.moveCell), ColWidths(std::max(0, hit.X)), RowHeights(ps.moveCell), X, Y);
    }
    if (columns)
        placeColumnArrows(hit);
    else
        placeRowArrows(hit);
    autoScrollMove(columns, X, Y);
    THeaderDragButton* button = HeaderDragButton();
    if (!showCells)
        button->show();
    button->setEnabled(true);
    m.cursor.Set(m.moveAllowed ? crDrag : crNoDrop);
    m.cursorHandled = true;
}

void TExStringGrid::placeMoveButton(const QString& Caption, int Width, int Height, int X, int Y)
{
    THeaderDragButton* button = HeaderDragButton();
    button->SetCaption(Caption);
    button->resize(Width, Height);
    button->move(viewport()->mapToGlobal(QPoint(X - p->press.moveOfsX, Y - p->press.moveOfsY)));
}

void TExStringGrid::placeArrow(int Dir, int X, int Y, bool Visible)
{
    TArrowWindow* arrow = p->arrows[Dir];
    if (!arrow)
        return;
    arrow->resize(ArrowSize, ArrowSize);
    arrow->move(viewport()->mapToGlobal(QPoint(X, Y)));
    arrow->setVisible(Visible);
}

void TExStringGrid::hideMoveArrows()
{
    for (const auto& arrow : p->arrows)
        if (arrow)
            arrow->hide();
}

// Arrows above and below the header of the column the move would land on:
// at its left edge when it lies left of the moved column, else at its right.
void TExStringGrid::placeColumnArrows(const TGridCoord& hit)
{
    TExGridMoveState& m = p->move;
    const int moved = p->press.moveCell;
    if (hit.X >= 0)
        m.moveTarget = hit.X;
    const int target = m.moveTarget;
    if (target >= FixedCols() && target < ColCount()) {
        const TRect r = CellRect(target, 0);
        const TRect header = CellRect(target, std::max(0, FixedRows() - 1));
        const int x = (target < moved ? r.Left : r.Right) - ArrowOffset;
        const bool visible = target >= LeftCol() && target <= LeftCol() + VisibleColCount();
        placeArrow(arrUp, x, header.Bottom, visible);
        placeArrow(arrDown, x, r.Top - 8, visible);
    }
    bool allow = true;
    if (OnColumnMoving)
        OnColumnMoving(this, target, allow);
    m.moveAllowed = allow;
}

// Arrows left and right of the row the move would land on: at its top when
// it lies above the moved row, else at its bottom.
void TExStringGrid::placeRowArrows(const TGridCoord& hit)
{
    TExGridMoveState& m = p->move;
    const int moved = p->press.moveCell;
    if (hit.Y >= 0)
        m.moveTarget = hit.Y;
    const int target = m.moveTarget;
    const bool footerRow = target == RowCount() - 1 && floatingFooterLastRow();
    if (!footerRow && target >= FixedRows() && target < RowCount()) {
        const TRect r = CellRect(0, target);
        const int y = (target < moved ? r.Top : r.Bottom) - ArrowOffset;
        const bool visible = target >= TopRow() && target <= TopRow() + VisibleRowCount();
        placeArrow(arrLeft, r.Left - 10, y, visible);
        placeArrow(arrRight, r.Right, y, visible);
    }
    bool allow = true;
    if (OnRowMoving)
        OnRowMoving(this, target, allow);
    m.moveAllowed = allow;
}

// While a column (row) is moved over the fixed cells or past the grid's
// edge, the view scrolls one column (row) per move.
void TExStringGrid::autoScrollMove(bool Columns, int X, int Y)
{
    if (Columns) {
        int fixedWidth = 0;
        for (int c = 0; c < FixedCols(); ++c)
            fixedWidth += ColWidths(c);
        if (X < fixedWidth && LeftCol() > FixedCols())
            SetLeftCol(LeftCol() - 1);
        else if (X > ClientWidth() && LeftCol() + VisibleColCount() < ColCount())
            SetLeftCol(LeftCol() + 1);
        else
            return;
    } else {
        int fixedHeight = 0;
        for (int r = 0; r < FixedRows(); ++r)
            fixedHeight += RowHeights(r);
        if (Y < fixedHeight && TopRow() > FixedRows())
            SetTopRow(TopRow() - 1);
        else if (Y > ClientHeight() && TopRow() + VisibleRowCount() < RowCount())
            SetTopRow(TopRow() + 1);
        else
            return;
    }
    viewport()->repaint();
}

// The release of an enhanced move: the feedback goes, and the column (row)
// moves only when the last target allowed it.
bool TExStringGrid::endEnhancedMove(const TGridCoord& hit)
{
    TExGridMoveState& m = p->move;
    const TGridState state = GridState();
    const TCursor cursor = m.cursor.Current();
    m.moveStarted = false;
    if ((cursor != crDrag && cursor != crNoDrop) || (state != gsColMoving && state != gsRowMoving) ||
        !EnhRowColMove())
        return false;
    if (m.moveButton) {
        m.moveButton->hide();
        m.moveButton->setEnabled(false);
    }
    delete m.moveForm.data();
    FireEndBlockFocus();
    m.cursor.Release();
    const int moved = p->press.moveCell;
    SetGridState(gsNormal);
    if (cursor == crNoDrop) {
        if (state == gsColMoving)
            RepaintRow(0);
        else
            RepaintCol(0);
    } else if (state == gsColMoving && moved >= 0 && hit.X >= FixedCols() && hit.X != moved) {
        MoveColumn(moved, hit.X);
    } else if (state == gsRowMoving && moved >= 0 && hit.Y >= FixedRows() && hit.Y != moved) {
        MoveRow(moved, hit.Y);
    }
    p->press.moveEnded = true;
    return true;
}

void TExStringGrid::cancelMoveFeedback()
{
    TExGridMoveState& m = p->move;
    m.cursor.Release();
    m.moveStarted = false;
    if (m.moveButton)
        m.moveButton->hide();
    delete m.moveForm.data();
    hideMoveArrows();
    if (m.sizingFixed)
        DrawColumnSizingLine(m.sizeFixedX);
    if (m.sizingFixedR)
        DrawRowSizingLine(m.sizeFixedY);
    m.sizingFixed = m.sizingFixedR = false;
    closeSizingHint();
}

// ---- the drag of cells ------------------------------------------------------------------

bool TExStringGrid::startDragOfCells(const TGridCoord& hit, TShiftState Shift, int X, int Y, bool onGrip)
{
    TExGridMoveState& m = p->move;
    const TExGridPressState& ps = p->press;
    if (!m.oleDragPending || !InsideGrid(hit) || !Shift.testFlag(ssLeft) || !p->dragDropSettings->OleDropSource() ||
        GridState() == gsColSizing || onGrip)
        return false;
    if (std::abs(X - ps.point.X) <= DragThreshold && std::abs(Y - ps.point.Y) <= DragThreshold)
        return false;
    m.oleDragPending = false;
    const int realCol = DisplayToRealCol(hit.X);
    bool allow = !(p->dragDropSettings->OleColumnsOnly() && hit.Y >= FixedRows());
    if (OnOleDrag)
        OnOleDrag(this, hit.Y, realCol, Cells(realCol, hit.Y), allow);
    if (!allow) {
        if (GridState() == gsNormal)
            SetGridState(gsSelecting);
        return false;
    }
    if (OnOleDragStart)
        OnOleDragStart(this, hit.Y, realCol);
    FireStartBlockFocus();
    const bool columnDrag = hit.Y < FixedRows() && p->dragDropSettings->OleColumnDragDrop();
    if (p->dragDropSettings->ShowCells()) {
        const TGridRect s = Selection();
        const TGridRect cells =
            columnDrag ? visibleColumnCells(hit.X)
                       : TGridRect{std::max(s.Left, LeftCol()), std::max(s.Top, TopRow()),
                                   std::min(s.Right, LeftCol() + VisibleColCount()),
                                   std::min(s.Bottom, TopRow() + VisibleRowCount())};
        showMoveImage(cells, X, Y);
    }
    const TDragEffect effect = columnDrag ? runColumnDrag(hit, X, Y) : runTextDrag(hit);
    delete m.moveForm.data();
    FireEndBlockFocus();
    if (effect != deNone && OnOleDragStop)
        OnOleDragStop(this, int(effect));
    return true;
}

TDragEffect TExStringGrid::runColumnDrag(const TGridCoord& hit, int X, int Y)
{
    if (!p->dragDropSettings->ShowCells()) {
        placeMoveButton(Cells(DisplayToRealCol(hit.X), 0), ColWidths(hit.X), RowHeights(0), X, Y);
        HeaderDragButton()->show();
    }
    const TGridDragRunner& runner = p->move.dragRunner;
    const TDragEffect effect =
        runner.RunColumnDragDrop ? runner.RunColumnDragDrop(this, hit.X) : defaultColumnDragDrop(hit.X);
    if (p->move.moveButton)
        p->move.moveButton->hide();
    for (const int dir : {arrUp, arrDown})
        if (p->arrows[dir])
            p->arrows[dir]->hide();
    return effect;
}

// A text drag carries the selected text; a move takes the dragged cells out
// of the grid: their rows with OleRemoveRows in row-select mode, else their
// texts.
TDragEffect TExStringGrid::runTextDrag(const TGridCoord& hit)
{
    p->press.dropSelection = Selection();
    const TGridDragRunner& runner = p->move.dragRunner;
    const QString cellText = Cells(DisplayToRealCol(hit.X), hit.Y);
    const TDragEffect effect = runner.RunTextDragDrop ? runner.RunTextDragDrop(this, SelectedText(), cellText)
                                                      : defaultTextDragDrop(SelectedText(), cellText);
    if (effect == deMove && !p->dragDropSettings->OleCopyAlways()) {
        if (p->dragDropSettings->OleRemoveRows() && Options().testFlag(goRowSelect))
            removeDraggedRows(p->press.dropSelection);
        else
            clearDraggedCells();
    }
    return effect;
}

// Disjunct rows go as the selected rows; a range as the rows it covered when
// the drag began.
void TExStringGrid::removeDraggedRows(const TGridRect& Dragged)
{
    if (p->mouseActions->DisjunctRowSelect() && !p->selectedRows.empty())
        RemoveSelectedRows();
    else
        RemoveRowsCore(std::min(Dragged.Top, Dragged.Bottom), std::abs(Dragged.Bottom - Dragged.Top) + 1);
}

// With disjunct rows the selected rows are what was dragged; otherwise the
// selection as it was when the drag began, since the drop may have moved it.
void TExStringGrid::clearDraggedCells()
{
    if (p->mouseActions->DisjunctRowSelect()) {
        ClearSelection();
        return;
    }
    const TGridRect drop = p->press.dropSelection;
    ClearRect(drop.Left, drop.Top, drop.Right, drop.Bottom);
}
