// The frame around cell drawing: the grid's paint, the area outside the cells,
// the sizing lines and whether sizing may start.
//
// A paint draws the cells, the frame around the cell being edited, the
// background gradient or picture beyond the cells, the sizing lines (dotted and
// inverting, so drawing one twice removes it), the pan glyph, and then raises
// OnPainted. While an update batch runs the paint event paints nothing.
// OnColumnSize and OnRowSize may refuse sizing that starts from the fixed cells.

#include "grid/engine/input/ExGridPanPictures.h"
#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/styles/ExUtilPaint.h"
#include "platform/grid/InplaceEdit.h"
#include "platform/ui/paint/Canvas.h"

#include <QtGui/QPainter>
#include <QtGui/QRegion>

#include <algorithm>

void TExStringGrid::Paint()
{
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetStyle(psSolid);
    canvas->Brush()->SetStyle(bsSolid);
    TBaseGrid::Paint();
    if (EditorMode() && InplaceEditor() && InplaceEditor()->isVisible()) {
        const TGridOptions options = Options();
        const bool lines = options.testFlag(goHorzLine) || options.testFlag(goVertLine);
        canvas->Pen()->SetColor(GridLineWidth() < 1 || !lines ? Color() : GridLineColor());
        canvas->Brush()->SetStyle(bsClear);
        canvas->Rectangle(CellRect(Col(), Row()));
        canvas->Brush()->SetStyle(bsSolid);
    }
    canvas->Pen()->SetColor(clBlack);
    const TBackGround& bg = *p->backGround;
    if ((bg.Bitmap() && !bg.Bitmap()->Empty()) || bg.ColorTo() != clNone)
        PaintEmptyArea();
    paintSizingLines();
    if (p->render->panning)
        canvas->Draw(p->render->panOrigin.X, p->render->panOrigin.Y, PanGlyph(p->render->intelliPan));
    if (OnPainted)
        OnPainted(this);
}

// The client rectangle that the background covers: without the search footer
// and the floating footer when they show.
static TRect backgroundClient(TExStringGrid& grid, const TSearchFooter& search, const TFloatingFooter& floating)
{
    TRect client = grid.ClientRect();
    if (search.Visible())
        client.Bottom -= 32;
    if (floating.Visible())
        client.Bottom -= grid.DefaultRowHeight();
    return client;
}

void TExStringGrid::PaintEmptyArea()
{
    const TBackGround& bg = *p->backGround;
    const bool gradient = bg.Display() == bdGradientHorz || bg.Display() == bdGradientVert;
    const TRect lastCol = CellRect(ColCount() - 1, 0);
    const TRect lastRow = CellRect(0, RowCount() - 1);
    const bool lastColVisible = !IsRectEmpty(lastCol);
    const bool lastRowVisible = !IsRectEmpty(lastRow);
    if ((!lastColVisible && !lastRowVisible) || (gradient && bg.ColorTo() == clNone))
        return;
    const int line = GridLineWidth();
    QRegion empty;
    if (lastColVisible && lastCol.Right + line < ClientWidth())
        empty += QRect(lastCol.Right + line, 0, ClientWidth() - lastCol.Right - line, ClientHeight());
    if (lastRowVisible && lastRow.Bottom + line < ClientHeight())
        empty += QRect(0, lastRow.Bottom + line, ClientWidth(), ClientHeight() - lastRow.Bottom - line);
    const TRect client = backgroundClient(*this, *p->searchFooter, *p->floatingFooter);
    if (empty.isEmpty())
        return;
    TCanvas* canvas = Canvas();
    QPainter* painter = canvas->painter();
    if (!painter)
        return;
    painter->save();
    painter->setClipRegion(empty);
    const TBitmap* bitmap = bg.Bitmap();
    const bool hasBitmap = bitmap && !bitmap->Empty();
    if (!hasBitmap) {
        if (gradient)
            PaintStepGradient(canvas, bg.Color(), bg.ColorTo(), 128, client, bg.Display() == bdGradientHorz);
    } else if (bg.Display() != bdTile) {
        canvas->Draw(bg.Left(), bg.Top(), bitmap);
    } else if (bg.Cells() != bcFixed) {
        TRect r = client;
        if (bg.Cells() == bcNormal) {
            const TRect first = CellRect(LeftCol(), TopRow());
            r.Left = first.Left;
            r.Top = first.Top;
        }
        OffsetRect(r, p->xyOffset.X, p->xyOffset.Y);
        for (int y = r.Top - 1; y < r.Bottom; y += bitmap->Height())
            for (int x = r.Left - 1; x < r.Right; x += bitmap->Width())
                canvas->Draw(x, y, bitmap);
    }
    painter->restore();
}

// A sizing line shows where it was drawn until it is drawn there again.
void TExStringGrid::DrawColumnSizingLine(int X)
{
    std::optional<int>& line = p->render->columnSizingLine;
    line = line == X ? std::nullopt : std::optional<int>(X);
    viewport()->update();
}

void TExStringGrid::DrawRowSizingLine(int Y)
{
    std::optional<int>& line = p->render->rowSizingLine;
    line = line == Y ? std::nullopt : std::optional<int>(Y);
    viewport()->update();
}

void TExStringGrid::paintSizingLines()
{
    const TExGridRenderState& r = *p->render;
    if (!r.columnSizingLine && !r.rowSizingLine)
        return;
    TCanvas* canvas = Canvas();
    TPen saved;
    saved.Assign(*canvas->Pen());
    canvas->Pen()->SetColor(clBlack);
    canvas->Pen()->SetWidth(1);
    canvas->Pen()->SetStyle(psDot);
    canvas->Pen()->SetMode(pmNot);
    if (r.columnSizingLine) {
        const int bottom = std::max(height(), CellRect(0, RowCount() - 1).Bottom);
        canvas->MoveTo(*r.columnSizingLine, 0);
        canvas->LineTo(*r.columnSizingLine, bottom);
    }
    if (r.rowSizingLine) {
        const int right = std::max(width(), CellRect(ColCount() - 1, 0).Right);
        canvas->MoveTo(0, *r.rowSizingLine);
        canvas->LineTo(right, *r.rowSizingLine);
    }
    canvas->Pen()->Assign(saved);
}

// Sizing from the fixed row or column may be refused by OnColumnSize and
// OnRowSize; the cell 6 pixels before the point is the one that would size.
TGridSizingInfo TExStringGrid::ComputeSizingState(int X, int Y)
{
    TGridSizingInfo info = TBaseGrid::ComputeSizingState(X, Y);
    const TGridCoord left = MouseCoord(X - 6, Y);
    if (left.Y >= 0 && left.Y < FixedRows() && left.X >= 0 && left.X < ColCount() && OnColumnSize) {
        bool allow = true;
        OnColumnSize(this, left.X, allow);
        if (!allow)
            info = {};
    }
    const TGridCoord above = MouseCoord(X, Y - 6);
    if (above.X >= 0 && above.X < FixedCols() && above.Y >= 0 && OnRowSize) {
        bool allow = true;
        OnRowSize(this, above.Y, allow);
        if (!allow)
            info = {};
    }
    return info;
}
