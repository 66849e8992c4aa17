// The update lock that batches changes, the grid timer, the coloured border,
// column scaling with the grid's width and the balloon text of a cell.
//
// While the lock is held the paint event paints nothing. The grid timer ticks
// every 500 ms (GridTimerTick, which tests call directly): it ends the
// incremental search, moves to the hovered cell and blinks blinking cells. With
// ColumnSize.SynchWithGrid the columns keep their share of the width that Loaded
// remembered. The coloured border is drawn over the frame in the grid's own paint.

#include "grid/engine/paint/ExGridAppearance.h"
#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/markup/EsgHTMLEUtil.h"
#include "grid/foundation/util/ExUtilText.h"

#include <QtGui/QCursor>
#include <QtGui/QPainter>
#include <QtWidgets/QApplication>

#include <cmath>

// ---- update lock ---------------------------------------------------------------------------
// The count runs whether the grid is shown or not; only the redraw switch needs
// a window, so a grid shown or hidden inside a batch never stays frozen.

void TExStringGrid::BeginUpdate()
{
    ++p->updateCount;
    if (p->updateCount == 1 && isVisible())
        viewport()->setUpdatesEnabled(false);
}

void TExStringGrid::EndUpdate()
{
    if (p->updateCount <= 0)
        return;
    --p->updateCount;
    if (p->updateCount > 0 || p->destroying)
        return;
    p->selectionChanged = false;
    viewport()->setUpdatesEnabled(true);
    if (isVisible()) {
        viewport()->update();
        PaintBorder();
    }
}

void TExStringGrid::StartUpdate() { ++p->updateCount; }

void TExStringGrid::ResetUpdate() { p->updateCount = 0; }

bool TExStringGrid::LockUpdate() const { return p->updateCount > 0; }

void TExStringGrid::SetLockUpdate(bool Value)
{
    if (Value)
        BeginUpdate();
    else
        EndUpdate();
}

int TExStringGrid::UpdateCount() const { return p->updateCount; }

void TExStringGrid::paintEvent(QPaintEvent* e)
{
    if (p->updateCount > 0)
        return;
    TBaseGrid::paintEvent(e);
}

// ---- hover highlight of fixed cells and enabled state -------------------------------------

bool TExStringGrid::IsHoverFixedCell(int ACol, int ARow)
{
    const THoverFixedCells hover = p->hoverFixedCells;
    if (hover == hfNone || hover > hfAll)
        return false;
    return (ACol < FixedCols() && (hover == hfAll || hover == hfFixedColumns)) ||
           (ARow < FixedRows() && (hover == hfAll || hover == hfFixedRows));
}

void TExStringGrid::ResetFixedCellHighlight()
{
    if (p->hoverFixedCells == hfNone || p->hoverFixedX < 0 || p->hoverFixedY < 0)
        return;
    const int col = p->hoverFixedX;
    const int row = p->hoverFixedY;
    p->hoverFixedX = -1;
    p->hoverFixedY = -1;
    RepaintCell(col, row);
}

void TExStringGrid::changeEvent(QEvent* e)
{
    TBaseGrid::changeEvent(e);
    if (e->type() == QEvent::EnabledChange)
        Invalidate();
}

// ---- coloured border ---------------------------------------------------------------------

void TExStringGrid::PaintBorder() { update(); }

// Drawn over the platform's frame, within the grid's own paint.
void TExStringGrid::paintBorderFrame()
{
    const bool modernLook = p->look == glSoft || (p->look >= glStudio && p->look <= glOffice2007);
    if (!modernLook || frameWidth() == 0 || p->borderColor == clNone || p->flat)
        return;
    if (!p->fitCellsInGrid && !p->isComCtl6)
        return;
    QPainter painter(this);
    painter.setBrush(Qt::NoBrush);
    const int w = width();
    const int h = height();
    if (p->fitCellsInGrid) {
        painter.setPen(ToQColor(p->borderColor));
        painter.drawRect(1, 1, w - 3, h - 3);
        if (parentWidget()) {
            painter.setPen(parentWidget()->palette().color(parentWidget()->backgroundRole()));
            painter.drawRect(0, 0, w - 1, h - 1);
        }
    } else {
        painter.setPen(ToQColor(p->borderColor));
        painter.drawRect(0, 0, w - 1, h - 1);
    }
}

// ---- column scaling ------------------------------------------------------------------------

// With ColumnSize.SynchWithGrid the columns keep their share of the width the
// grid had when its columns were laid out.
void TExStringGrid::scaleColumnsWithGrid()
{
    if (!p->columnSize || p->scaleGridWidth <= 0 || !p->columnSize->SynchWithGrid())
        return;
    HideEditor();
    const int newWidth = width() + (frameWidth() > 0 ? 2 : 0);
    const bool normalOnly = p->columnSize->SynchNormalCellsOnly();
    const int first = normalOnly ? FixedCols() : 0;
    const int last = normalOnly ? ColCount() - p->fixedRightCols - 1 : ColCount() - 1;
    for (int c = first; c <= last && c < p->originalColWidths->Count(); ++c)
        SetColWidths(c, static_cast<int>(std::nearbyint(double(p->originalColWidths->GetInteger(c)) * newWidth /
                                                         p->scaleGridWidth)));
}

// ---- grid timer ----------------------------------------------------------------------------

int TExStringGrid::TimerTicks() const { return p->timerTicks; }

QString TExStringGrid::SearchInc() const { return p->searchInc; }

void TExStringGrid::SetSearchInc(const QString& Value)
{
    p->searchInc = Value;
    p->searchIncTicks = 0;
}

bool TExStringGrid::Hovering() const { return p->hovering; }

void TExStringGrid::SetHovering(bool Value) { p->hovering = Value; }

bool TExStringGrid::EnableBlink() const { return p->enableBlink; }

void TExStringGrid::SetEnableBlink(bool Value) { p->enableBlink = Value; }

bool TExStringGrid::BlinkOn() const { return p->blinkOn; }

void TExStringGrid::GridTimerTick()
{
    ++p->timerTicks;
    if (p->navigation->AutoGotoIncremental()) {
        if (p->searchIncTicks++ == 3) {
            p->searchInc.clear();
            p->searchIncTicks = 0;
        }
    }
    if (p->hovering && !QueryDesignMode() && isVisible()) {
        const QPoint mouse = viewport()->mapFromGlobal(QCursor::pos());
        if (QApplication::widgetAt(QCursor::pos()) == viewport() && viewport()->rect().contains(mouse)) {
            int col = -1;
            int row = -1;
            MouseToCell(mouse.x(), mouse.y(), col, row);
            if (col >= FixedCols() && col < ColCount() && row >= FixedRows() && row < RowCount()) {
                setFocus();
                SetRow(row);
                SetCol(col);
            }
        }
    }
    if (p->enableBlink) {
        p->blinkOn = !p->blinkOn;
        repaintBlinkingCells();
    }
}

// The cells in view whose text holds a blink tag: the visible data rows in the
// visible columns, the fixed rows in the visible columns and the fixed columns
// in the visible rows.
void TExStringGrid::repaintBlinkingCells()
{
    auto repaintIfBlinking = [this](int realCol, int row) {
        if (PosInUpperCase(QStringLiteral("<BLI"), Cells(realCol, row)) > 0)
            RepaintCell(RealToDisplayCol(realCol), row);
    };
    const int firstCol = RealColIndex(LeftCol());
    const int lastCol = std::min(firstCol + VisibleColCount() + NumHiddenColumns(), TotalColCount() - 1);
    const int lastRow = std::min(TopRow() + VisibleRowCount(), RowCount() - 1);
    for (int c = firstCol; c <= lastCol; ++c) {
        for (int r = TopRow(); r <= lastRow; ++r)
            repaintIfBlinking(c, r);
        for (int r = 0; r < FixedRows(); ++r)
            repaintIfBlinking(c, r);
    }
    for (int c = 0; c < FixedCols(); ++c)
        for (int r = TopRow(); r <= lastRow; ++r)
            repaintIfBlinking(RealColIndex(c), r);
}

// ---- balloon text --------------------------------------------------------------------------

namespace {

// A text longer than the limit ends in "..." within it.
QString cutTo(const QString& text, int limit)
{
    return text.size() > limit ? text.left(limit - 3) + QLatin1String("...") : text;
}

} // namespace

TPoint TExStringGrid::LastBalloonCell() const { return p->lastBalloonCell; }

bool TExStringGrid::GetBalloonText(int X, int Y, QString& ATitle, QString& AText, int& AIcon)
{
    if (!p->balloon->Enable())
        return false;
    int col = -1;
    int row = -1;
    MouseToCell(X, Y, col, row);
    if (col < 0 || row < 0)
        return false;
    const TPoint base = BaseCell(col, row);
    const int realCol = RealColIndex(base.X);
    QString text = Cells(realCol, base.Y);
    switch (ClassifyCellText(text, true)) {
    case ctMarkup:
        text = StripMarkupTags(text);
        break;
    case ctWideEncoded:
        text = DecodeWideCellText(text);
        break;
    default:
        break;
    }
    int start = 0;
    while (start < text.size() && (text.at(start) == u'\t' || text.at(start) == u'\r' || text.at(start) == u'\n'))
        ++start;
    text = text.mid(start).replace(QLatin1Char('\t'), QLatin1Char(' '));
    ATitle = QStringLiteral(" ");
    AIcon = 1;
    AText = cutTo(text, 2048);
    if (OnCellBalloon)
        OnCellBalloon(this, base.X, base.Y, ATitle, AText, AIcon);
    // the tooltip buffer holds 2048 characters, also of a text the event set
    AText = cutTo(AText, 2048);
    ATitle = cutTo(ATitle, 100);
    p->lastBalloonCell = TPoint{base.X, base.Y};
    return true;
}
