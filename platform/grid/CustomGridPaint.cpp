// The paint loop: every visible cell through DrawCell, the grid lines, the area
// beyond the cells and the feedback of sizing and moving.

#include "platform/grid/CustomGrid.h"

#include "platform/grid/CustomGridPrivate.h"
#include "platform/ui/paint/Canvas.h"

#include <QtGui/QPainter>

#include <vector>

namespace {

using platform::grid::Lane;

int LanesEnd(const std::vector<Lane>& lanes, const platform::grid::Axis& a, int line)
{
    return lanes.empty() ? 0 : lanes.back().pos + a.extent(lanes.back().index, line);
}

bool InRect(const TGridRect& r, int c, int row)
{
    return c >= r.Left && c <= r.Right && row >= r.Top && row <= r.Bottom;
}

}  // namespace

TCanvas* TCustomGrid::Canvas() const
{
    if (d->paintCanvas)
        return d->paintCanvas;
    if (!d->measureCanvas)
        d->measureCanvas = std::make_unique<TCanvas>();
    d->measureCanvas->SetFont(const_cast<TCustomGrid*>(this)->Font());
    return d->measureCanvas.get();
}

void TCustomGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    TCanvas canvas(&painter);
    canvas.SetFont(Font());
    d->paintCanvas = &canvas;
    struct Reset {
        TCanvas*& canvas;
        ~Reset() { canvas = nullptr; }
    } reset{d->paintCanvas};
    Paint();
}

void TCustomGrid::Paint()
{
    TCanvas* canvas = Canvas();
    QPainter* painter = canvas->painter();
    if (!painter)
        return;
    const int line = d->lineWidth;
    const int w = ClientWidth();
    const int h = ClientHeight();
    const std::vector<Lane> cols = d->cols.lanes(line, w);
    const std::vector<Lane> rows = d->rows.lanes(line, h);
    const TGridRect sel = Selection();
    const bool rowSelect = d->options.testFlag(goRowSelect);
    const bool focusInside = IsFocusInside();
    const TColor textColor = Font().Color();

    for (const Lane& r : rows) {
        for (const Lane& c : cols) {
            const TRect rect = Bounds(c.pos, r.pos, d->cols.size(c.index), d->rows.size(r.index));
            const bool fixed = c.index < d->cols.fixed || r.index < d->rows.fixed;
            TGridDrawState state;
            if (fixed) {
                state |= gdFixed;
                if (d->hot == TGridCoord{c.index, r.index})
                    state |= gdHotTrack;
                if (d->pressed == TGridCoord{c.index, r.index})
                    state |= gdPressed;
            } else {
                const bool current = d->current == TGridCoord{c.index, r.index};
                if (current && focusInside)
                    state |= gdFocused;
                if (InRect(sel, c.index, r.index) &&
                    (!current || rowSelect || d->options.testFlag(goDrawFocusSelected)))
                    state |= gdSelected;
                if (rowSelect && r.index >= sel.Top && r.index <= sel.Bottom)
                    state |= gdRowSelected;
            }
            if (d->defaultDrawing) {
                const bool selected = state.testFlag(gdSelected);
                canvas->Brush()->SetColor(fixed ? d->fixedColor : selected ? clHighlight : Color());
                canvas->Font()->SetColor(selected ? clHighlightText : textColor);
                canvas->FillRect(rect);
            }
            DrawCell(c.index, r.index, rect, state);
            if (d->defaultDrawing && state.testFlag(gdFocused) && !rowSelect)
                canvas->DrawFocusRect(rect);
            if (line > 0)
                paintGridLines(*painter, rect, fixed);
        }
    }
    // The area beyond the last column and below the last row.
    const int right = LanesEnd(cols, d->cols, line);
    const int bottom = LanesEnd(rows, d->rows, line);
    const QColor background = ToQColor(Color());
    if (right < w)
        painter->fillRect(QRect(right, 0, w - right, h), background);
    if (bottom < h)
        painter->fillRect(QRect(0, bottom, std::min(right, w), h - bottom), background);
    paintMouseFeedback(*painter);
}

// The lines right of and below a cell, in the line colour when its line option
// is on, otherwise in the cell's background.
void TCustomGrid::paintGridLines(QPainter& painter, const TRect& cell, bool fixed)
{
    const int line = d->lineWidth;
    const bool vert = d->options.testFlag(fixed ? goFixedVertLine : goVertLine);
    const bool horz = d->options.testFlag(fixed ? goFixedHorzLine : goHorzLine);
    const QColor lineColor = ToQColor(fixed ? clBlack : clSilver);
    const QColor gap = ToQColor(fixed ? d->fixedColor : Color());
    painter.fillRect(QRect(cell.Right, cell.Top, line, cell.Height() + line), vert ? lineColor : gap);
    painter.fillRect(QRect(cell.Left, cell.Bottom, cell.Width(), line), horz ? lineColor : gap);
}

void TCustomGrid::paintMouseFeedback(QPainter& painter)
{
    const int line = d->lineWidth;
    QPen pen(Qt::black, 1, Qt::DotLine);
    painter.setPen(pen);
    if (d->state == gsColSizing) {
        painter.drawLine(d->sizingPos, 0, d->sizingPos, ClientHeight());
    } else if (d->state == gsRowSizing) {
        painter.drawLine(0, d->sizingPos, ClientWidth(), d->sizingPos);
    } else if ((d->state == gsColMoving || d->state == gsRowMoving) && d->movePos != d->moveIndex) {
        const bool cols = d->state == gsColMoving;
        const platform::grid::Axis& a = cols ? d->cols : d->rows;
        const int client = cols ? ClientWidth() : ClientHeight();
        int pos = a.start(d->movePos, line, client);
        if (pos < 0)
            return;
        if (d->movePos > d->moveIndex)
            pos += a.size(d->movePos);
        const QRect mark = cols ? QRect(pos - 1, 0, 3, ClientHeight()) : QRect(0, pos - 1, ClientWidth(), 3);
        painter.fillRect(mark, Qt::black);
    }
}
