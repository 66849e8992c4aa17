// Mouse moves over the grid: hover marks, the in-cell scroll bar, header drag
// selection, sizing fixed columns and rows, the mouse select mode, anchors,
// the sizing events and the sizing hint. The drag start and the feedback of
// an enhanced move are in ExGridMoveFeedback.cpp. The press starts fixed
// sizing, header selections and drag candidates, the moves carry them on and the
// release ends them; the mouse select mode set at the press holds while the
// button is down.

#include "grid/engine/hints/ExGridHintWindow.h"
#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/util/ExUtilText.h"

#include <QtWidgets/QScrollBar>

#include <cstdlib>

namespace {

// The mouse is on a fixed column's (row's) border when it lies less than this
// many pixels from it.
constexpr int FixedBorderBand = 3;
// The selection grip at the selection's far corner.
constexpr int GripSize = 6;
// The sizing hint measures its text this wide.
constexpr int SizingHintWidth = 200;

}  // namespace

// The pointer is chosen before the move is handled, so that what the move
// finds under the mouse (an anchor, a move in progress) has the last word.
void TExStringGrid::MouseMove(TShiftState Shift, int X, int Y)
{
    HandleWmSetCursor(X, Y);
    CancelHintsAndBalloons(X, Y);
    HandleMouseMove(Shift, X, Y);
}

void TExStringGrid::MouseLeave() { HandleMouseLeave(); }

GRID_STORED_PROPERTY(bool, bool, HintShowSizing, move.hintShowSizing)

void TExStringGrid::HandleMouseMove(TShiftState Shift, int X, int Y)
{
    TExGridPressState& ps = p->press;
    TExGridMoveState& m = p->move;
    if (ps.downMove && p->mouseActions->RangeSelectAndEdit() && Options().testFlag(goEditing) && !EditorMode())
        SetOptions(Options() & ~TGridOptions(goEditing));
    const TGridRect s0 = Selection();
    if (GridState() == gsSelecting && SelectionRectangle() && !(s0 == m.sizeSelection))
        m.sizeSelection = s0;
    m.cursorHandled = false;
    m.scrolledUp = false;
    const TGridCoord hit = MouseCoord(X, Y);
    const bool inside = InsideGrid(hit) && !QueryDesignMode();
    if (inside) {
        moveHoverRow(hit.Y);
        placeCellScrollBar(hit);
    }
    moveFixedHover(hit);
    moveHoverButton(hit, X, Y);
    dragHeaderSelection(hit, X, Y);
    moveFixedSizing(hit, X, Y);
    const bool onGrip = isOnSelectionGrip(X, Y);
    if (startDragOfCells(hit, Shift, X, Y, onGrip))
        return;
    if (!QueryDesignMode()) {
        if (GridState() == gsColSizing)
            m.colSizing = true;
        if (GridState() == gsRowSizing)
            m.rowSizing = true;
        enhancedMoveFeedback(hit, X, Y);
        // the mode tells the next press what it selects; a held press keeps it
        if (!ps.keepDown)
            setMouseSelectMode(hit, X, Y, onGrip);
    }
    if (inside)
        trackAnchors(hit, X, Y);
    if (!m.cursorHandled && viewport()->testAttribute(Qt::WA_SetCursor) &&
        viewport()->cursor().shape() == Qt::PointingHandCursor)
        viewport()->unsetCursor();
    if (GridState() == gsSelecting && SelectionRectangle() && !(Selection() == p->savedSelection)) {
        RepaintRect(Selection());
        RepaintRect(p->savedSelection);
        p->savedSelection = Selection();
    }
    TBaseGrid::MouseMove(Shift, X, Y);
    if (p->navigation->KeepHorizScroll() && ps.keepDown && GridState() != gsColMoving &&
        LeftCol() != p->rememberedLeftCol) {
        TUpdateBatch batch(*this);
        SetLeftCol(p->rememberedLeftCol);
    }
    reportSizing(X, Y);
    const TGridRect s1 = Selection();
    if (!(s1 == s0))
        FireSelectionChanged(s1.Left, s1.Top, s1.Right, s1.Bottom);
}

void TExStringGrid::HandleMouseLeave()
{
    TExGridMoveState& m = p->move;
    TBaseGrid::MouseLeave();
    p->mouseSelectMode = msNormal;
    m.sizeFixed = m.sizeFixedR = false;
    if (p->hoverFixedX >= 0 && p->hoverFixedY >= 0) {
        const int c = p->hoverFixedX, r = p->hoverFixedY;
        p->hoverFixedX = p->hoverFixedY = -1;
        RepaintCell(c, r);
    }
    if (p->look == glVista && m.hotFixedCell.X >= 0) {
        const TGridCoord hot = m.hotFixedCell;
        m.hotFixedCell = {-1, -1};
        RepaintCell(hot.X, hot.Y);
    }
    if (HoverRow() && m.hoverRow >= 0) {
        const int row = m.hoverRow;
        m.hoverRow = -1;
        SetHoverRowIdx(-1);
        RepaintRow(row);
    }
}

// A new hover row repaints itself and the row it follows.
void TExStringGrid::moveHoverRow(int ARow)
{
    TExGridMoveState& m = p->move;
    if (!HoverRow() || m.hoverRow == ARow)
        return;
    const int old = m.hoverRow;
    m.hoverRow = ARow;
    SetHoverRowIdx(ARow);
    RepaintRow(ARow);
    if (old >= 0 && old < RowCount())
        RepaintRow(old);
}

// The grid's one in-cell scroll bar stands over the cell that has a scroll
// bar whose page is smaller than its range.
void TExStringGrid::placeCellScrollBar(const TGridCoord& hit)
{
    QScrollBar* bar = CellScrollBar();
    const int realCol = DisplayToRealCol(hit.X);
    const TCellGraphic* g = HasScrollBar(realCol, hit.Y) ? GetCellGraphic(realCol, hit.Y) : nullptr;
    if (!g || g->CellAngle >= g->CellErrFrom) {
        bar->hide();
        return;
    }
    const TRect r = CellRect(hit.X, hit.Y);
    const int w = GridLineWidth();
    const QRect place(r.Right - w - 17, r.Top + w, 17, r.Height() - 2 * w);
    bar->setRange(0, g->CellErrFrom);
    bar->setPageStep(g->CellAngle);
    bar->setValue(GetScrollPosition(realCol, hit.Y));
    SetCellScrollBarCell(realCol, hit.Y);
    if (bar->geometry() != place)
        bar->setGeometry(place);
    bar->show();
}

void TExStringGrid::moveFixedHover(const TGridCoord& hit)
{
    TExGridMoveState& m = p->move;
    const bool fixedArea = hit.X >= 0 && hit.Y >= 0 && (hit.X < FixedCols() || hit.Y < FixedRows());
    if (p->hoverFixedCells != hfNone && !m.leaveSuppressed &&
        (hit.X != p->hoverFixedX || hit.Y != p->hoverFixedY)) {
        const int oldX = p->hoverFixedX, oldY = p->hoverFixedY;
        p->hoverFixedX = hit.X;
        p->hoverFixedY = hit.Y;
        if (oldX >= 0 && oldY >= 0 && (oldX < FixedCols() || oldY < FixedRows()))
            RepaintCell(oldX, oldY);
        if (fixedArea)
            RepaintCell(hit.X, hit.Y);
    }
    if (p->look == glVista && !(m.hotFixedCell == hit)) {
        const TGridCoord old = m.hotFixedCell;
        m.hotFixedCell = hit;
        if (old.X >= 0 && old.Y >= 0 && (old.X < FixedCols() || old.Y < FixedRows()))
            RepaintCell(old.X, old.Y);
        if (fixedArea)
            RepaintCell(hit.X, hit.Y);
    }
}

void TExStringGrid::moveHoverButton(const TGridCoord& hit, int X, int Y)
{
    TExGridMoveState& m = p->move;
    const auto inRect = [X, Y](const TRect& r) { return X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom; };
    bool onButton = false;
    if (InsideGrid(hit)) {
        const int realCol = DisplayToRealCol(hit.X);
        onButton = (HasButton(realCol, hit.Y) && inRect(GetCellButtonRect(hit.X, hit.Y))) ||
                   (HasExpand(realCol, hit.Y) && inRect(GetExpandButtonRect(hit.X, hit.Y)));
    }
    const TGridCoord now = onButton ? hit : TGridCoord{-1, -1};
    if (now == m.hoverButton)
        return;
    const TGridCoord old = m.hoverButton;
    m.hoverButton = now;
    if (old.X >= 0)
        RepaintCell(old.X, old.Y);
    if (now.X >= 0)
        RepaintCell(now.X, now.Y);
}

// A held row (column) header press selects every row (column) from the
// pressed one to the one under the mouse; below the grid the view scrolls one
// row per move.
void TExStringGrid::dragHeaderSelection(const TGridCoord& hit, int, int Y)
{
    TExGridPressState& ps = p->press;
    const TMouseActions& ma = *p->mouseActions;
    if (ps.selectStart < 0)
        return;
    TGridRect s = Selection();
    if (ma.RowSelect() && p->mouseSelectMode == msRow) {
        if (hit.Y >= FixedRows() && hit.Y <= RowCount() - FixedFooters()) {
            const int to = std::max(FixedRows(), std::min(hit.Y, RowCount() - 1));
            s = {FixedCols(), std::min(ps.selectStart, to), ColCount() - 1, std::max(ps.selectStart, to)};
        }
        if (Y > ClientHeight() - 4 && TopRow() + VisibleRowCount() < RowCount()) {
            SetTopRow(TopRow() + 1);
            const int to = std::min(RowCount() - 1, TopRow() + VisibleRowCount());
            s = {FixedCols(), std::min(ps.selectStart, to), ColCount() - 1, std::max(ps.selectStart, to)};
        } else if (FixedRows() > 0 && Y >= 0 && Y < RowHeights(0) && TopRow() > FixedRows()) {
            SetTopRow(TopRow() - 1);
            p->move.scrolledUp = true;
        }
    } else if (ma.ColSelect() && p->mouseSelectMode == msColumn && hit.X >= 0) {
        const int to = std::max(FixedCols(), hit.X);
        s = {std::min(ps.selectStart, to), FixedRows(), std::max(ps.selectStart, to), RowCount() - 1};
    } else {
        return;
    }
    if (s == Selection())
        return;
    SetSelection(s);
    if (SelectionRectangle())
        Invalidate();
}

// Fixed-column (fixed-row) borders under the mouse, and the sizing line of a
// fixed sizing under way.
void TExStringGrid::moveFixedSizing(const TGridCoord& hit, int X, int Y)
{
    TExGridMoveState& m = p->move;
    const bool inside = InsideGrid(hit) && !QueryDesignMode();
    m.sizeFixed = inside && p->mouseActions->SizeFixedCol() && FixedCols() > 0 && fixedBorderAt(true, X) >= 0;
    m.sizeFixedR = inside && p->mouseActions->SizeFixedRow() && FixedRows() > 0 && fixedBorderAt(false, Y) >= 0;
    if (m.sizeFixed || m.sizeFixedR)
        m.cursorHandled = true;
    if (m.sizingFixed && X != m.sizeFixedX) {
        DrawColumnSizingLine(m.sizeFixedX);
        m.sizeFixedX = X;
        DrawColumnSizingLine(X);
    }
    if (m.sizingFixedR && Y != m.sizeFixedY) {
        DrawRowSizingLine(m.sizeFixedY);
        m.sizeFixedY = Y;
        DrawRowSizingLine(Y);
    }
}

// The fixed column (row) whose right (bottom) border, at the widths
// (heights) up to it plus one pixel per line, lies near Pos; the last such
// one, -1 when none.
int TExStringGrid::fixedBorderAt(bool Columns, int Pos)
{
    int found = -1;
    int border = 0;
    const int count = Columns ? FixedCols() : FixedRows();
    for (int i = 0; i < count; ++i) {
        border += Columns ? ColWidths(i) : RowHeights(i);
        if (std::abs(Pos - (border + i)) < FixedBorderBand)
            found = i;
    }
    return found;
}

bool TExStringGrid::isOnSelectionGrip(int X, int Y)
{
    if (!SelectionResizer() || !SelectionRectangle())
        return false;
    const TGridRect s = Selection();
    const TRect c = CellRect(s.Right, s.Bottom);
    const int left = isRightToLeft() ? c.Left : c.Right - GripSize;
    return X >= left && X < left + GripSize && Y >= c.Bottom - GripSize && Y < c.Bottom;
}

// What the next press selects: a whole row or column from its header, the
// whole grid from the corner, or a resize from the selection grip.
void TExStringGrid::setMouseSelectMode(const TGridCoord& hit, int X, int Y, bool onGrip)
{
    const TMouseActions& ma = *p->mouseActions;
    TMouseSelectMode mode = msNormal;
    if (onGrip) {
        mode = msResize;
    } else if (hit.X >= 0 && hit.Y >= 0) {
        const TRect r = CellRect(hit.X, hit.Y);
        const bool colBorder = Options().testFlag(goColSizing) && (X - r.Left < 4 || r.Right - X < 4);
        const bool rowBorder =
            hit.X < FixedCols() && Options().testFlag(goRowSizing) && (Y - r.Top <= 3 || r.Bottom - Y <= 3);
        const int lastRow = RowCount() - 1 - (floatingFooterLastRow() ? 1 : 0);
        if (hit.Y < FixedRows() && hit.X < FixedCols() && ma.AllSelect())
            mode = msAll;
        else if (hit.Y < FixedRows() && hit.X >= FixedCols() && ma.ColSelect() && !colBorder && !rowBorder)
            mode = msColumn;
        else if (hit.X < FixedCols() && ma.RowSelect() && hit.Y <= lastRow &&
                 (hit.Y >= FixedRows() || p->move.scrolledUp) && !colBorder && !rowBorder &&
                 !(hit.X == 0 && IsNode(hit.Y) && IsOnNodeGlyph(hit.Y, X)))
            mode = msRow;
    }
    p->mouseSelectMode = mode;
    if (mode != msNormal)
        p->move.cursorHandled = true;
}

bool TExStringGrid::floatingFooterLastRow() const
{
    return p->floatingFooter->Visible() && p->floatingFooter->FooterStyle() == fsFixedLastRow;
}

// Links under the mouse: the hand cursor over plain addresses and anchors,
// the hover underline, and OnAnchorEnter / OnAnchorExit once per anchor.
void TExStringGrid::trackAnchors(const TGridCoord& hit, int X, int Y)
{
    TExGridMoveState& m = p->move;
    const int realCol = DisplayToRealCol(hit.X);
    const QString text = Cells(realCol, hit.Y);
    const int kind = ClassifyCellText(text, p->enableHTML);
    if (kind != ctMarkup) {
        if (p->render->urlShow && ContainsUrlScheme(text)) {
            m.cursorHandled = true;
            viewport()->setCursor(Qt::PointingHandCursor);
        }
        if (p->render->urlUnderlineOnHover && m.hoverCell[0] >= 0) {
            const int c = m.hoverCell[0], r = m.hoverCell[1];
            m.hoverCell[0] = m.hoverCell[1] = -1;
            p->hoverLink = -1;
            RepaintCell(c, r);
        }
        leaveAnchor(hit);
        return;
    }
    QString anchor, title;
    int index = -1;
    markupHitAt(hit.X, hit.Y, text, X, Y, anchor, title, index);
    if (p->render->urlUnderlineOnHover) {
        const int link = anchor.isEmpty() ? -1 : index;
        if (m.hoverCell[0] != hit.X || m.hoverCell[1] != hit.Y || p->hoverLink != link) {
            if (m.hoverCell[0] >= 0)
                RepaintCell(m.hoverCell[0], m.hoverCell[1]);
            m.hoverCell[0] = hit.X;
            m.hoverCell[1] = hit.Y;
            p->hoverLink = link;
            RepaintCell(hit.X, hit.Y);
        }
    }
    if (anchor.isEmpty()) {
        leaveAnchor(hit);
        return;
    }
    if (title.isEmpty() && OnAnchorHint)
        OnAnchorHint(this, hit.Y, hit.X, title);
    if (title != m.lastAnchorHint && anchor == m.anchor)
        m.lastAnchorHint = title;
    m.cursorHandled = true;
    viewport()->setCursor(Qt::PointingHandCursor);
    if (anchor != m.anchor) {
        if (OnAnchorEnter)
            OnAnchorEnter(this, hit.Y, hit.X, anchor);
        m.anchor = anchor;
    }
}

void TExStringGrid::leaveAnchor(const TGridCoord& hit)
{
    TExGridMoveState& m = p->move;
    if (m.anchor.isEmpty())
        return;
    const QString anchor = m.anchor;
    m.anchor.clear();
    if (OnAnchorExit)
        OnAnchorExit(this, hit.Y, hit.X, anchor);
}

// The sizing events while a column or row, normal or fixed, is sized, and
// the sizing hint that shows the new size.
void TExStringGrid::reportSizing(int X, int Y)
{
    const TExGridPressState& ps = p->press;
    TExGridMoveState& m = p->move;
    QString hint;
    TGridCoord anchorCell{0, 0};
    if (GridState() == gsColSizing) {
        const int col = ps.colClicked >= 0 ? ps.colClicked : ColCount() - 1;
        const int width = X - CellRect(col, std::max(0, ps.rowClicked)).Left + ps.clickPosDx;
        if (OnColumnSizing)
            OnColumnSizing(this, col, width);
        hint = QStringLiteral("cw=<b>%1</b>").arg(width);
        anchorCell = {col, ps.rowClicked >= 0 ? ps.rowClicked : 0};
    } else if (m.sizingFixed) {
        if (OnColumnSizing)
            OnColumnSizing(this, 0, m.sizeFixedX);
        hint = QStringLiteral("cw=<b>%1</b>").arg(m.sizeFixedX);
    } else if (GridState() == gsRowSizing) {
        const int row = ps.rowClicked >= 0 ? ps.rowClicked : RowCount() - 1;
        const int height = Y - CellRect(std::max(0, ps.colClicked), row).Top + ps.clickPosDy;
        if (OnRowSizing)
            OnRowSizing(this, row, height);
        hint = QStringLiteral("rh=<b>%1</b>").arg(height);
        anchorCell = {ps.colClicked >= 0 ? ps.colClicked : 0, row};
    } else if (m.sizingFixedR) {
        if (OnRowSizing)
            OnRowSizing(this, 0, m.sizeFixedY);
        hint = QStringLiteral("rh=<b>%1</b>").arg(m.sizeFixedY);
    }
    if (hint.isEmpty() || !(m.hintShowSizing || QueryDesignMode()))
        return;
    THTMLHintWindow* window = GridHintWindow();
    const TRect cell = CellRect(anchorCell.X, anchorCell.Y);
    const QPoint corner = viewport()->mapToGlobal(QPoint(cell.Left, cell.Top));
    TRect r = window->CalcHintRect(SizingHintWidth, hint, this);
    OffsetRect(r, corner.x(), corner.y());
    window->SetColor(p->hintColor);
    window->ActivateHint(r, hint);
    m.sizingHintShown = true;
}

THTMLHintWindow* TExStringGrid::GridHintWindow()
{
    QPointer<THTMLHintWindow>& window = p->scroll.hintWindow;
    if (!window)
        window = new THTMLHintWindow(this);
    return window;
}

void TExStringGrid::closeSizingHint()
{
    if (!p->move.sizingHintShown)
        return;
    p->move.sizingHintShown = false;
    if (p->scroll.hintWindow)
        p->scroll.hintWindow->ReleaseHandle();
}
