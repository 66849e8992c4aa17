// Drawing the inside of one cell: fixed-cell gradients and their hover, pressed,
// active and sorted looks, the row indicator, the modified mark, always-visible
// buttons, the text, the borders, the look edges and the focus rectangle.
//
// RenderCellContent runs after the cell store has painted the background. The
// steps come in a fixed order: OnCustomCellBkgDraw, the text, the borders (one pen
// per side from QueryCellBorder), the grey lines of right fixed columns on flat
// grids, the cell graphic, then OnDrawCell and OnCustomCellDraw on top. The text
// keeps clear of a graphic placed beside, above or under it and leaves the
// graphic's measured width free (GetCellGraphicPlacement).

#include "grid/engine/ExGridPrivate.h"
#include "grid/engine/paint/ExGridRenderContext.h"
#include "grid/foundation/styles/ExUtilButtons.h"
#include "grid/foundation/styles/ExUtilPaint.h"
#include "platform/ui/paint/Canvas.h"

namespace {

bool isGradientLook(TGridLook look)
{
    return look == glStudio || look == glXP || look == glVista || look == glWin7 || look == glOffice2007;
}

// Restores the canvas pen, also when an event handler throws.
struct PenGuard {
    TCanvas* canvas;
    TPen saved;
    explicit PenGuard(TCanvas* c) : canvas(c) { saved.Assign(*c->Pen()); }
    ~PenGuard() { canvas->Pen()->Assign(saved); }
};

void line(TCanvas* canvas, int x1, int y1, int x2, int y2, TColor color)
{
    canvas->Pen()->SetColor(color);
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
}

}  // namespace

// Whether the grid's hover setting covers a fixed cell.
static bool hoverCovers(THoverFixedCells hover, bool inFixedRow, bool inFixedCol)
{
    switch (hover) {
    case hfAll:
        return true;
    case hfFixedRows:
        return inFixedRow;
    case hfFixedColumns:
        return inFixedCol;
    default:
        return false;
    }
}

void TExStringGrid::RenderCellContent(TCanvas* Canvas, int ACol, int ARow, const TRect& ARect,
                                      TGridDrawState AState)
{
    RenderContext c{Canvas, ACol, RealColIndex(ACol), ARow, ARect, AState};
    c.filterButton = ARow == p->render->filterDropDownRow && BuildColumnFilterList(c.col);
    c.placement = GetCellGraphicPlacement(c.col, ARow);
    if (c.col == 0 && c.placement.graphic && c.placement.graphic->CellType == ctNode && p->cellNode->NodeIndent() > 0)
        c.placement.width = RowNodeIndent(ARow) / p->cellNode->NodeIndent() * 12 + 4;

    GetVisualProperties(ACol, ARow, c.state, false, false, true, Canvas->Brush(), c.colorTo, c.mirror, c.mirrorTo,
                        Canvas->Font(), c.ha, c.va, c.ww, c.gd);
    if (c.state.testFlag(gdSelected) && !c.state.testFlag(gdFocused) && p->selectionColor == clNone)
        Canvas->Brush()->SetColor(clHighlight);
    Canvas->Font()->SetSize(Canvas->Font()->Size() + p->zoomFactor);
    c.keptBrush = Canvas->Brush()->Color();
    c.keptFont = Canvas->Font()->Color();

    c.fixedLook = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
    if (ARow == HoverRowIdx() && HoverRow() && HoverRowCells().Contains(hcFixed))
        c.fixedLook = false;

    if (c.fixedLook && isGradientLook(p->look))
        renderFixedBackground(c);
    renderRowIndicator(c);
    if (c.fixedLook && p->look == glListView && !p->flat) {
        Canvas->Pen()->SetColor(clWhite);
        Canvas->Brush()->SetColor(clBtnFace);
        Canvas->Rectangle(c.r);
    }
    if (ACol == 0 && p->showModified->Enabled() && IsFlagSet(*p->modifiedRows, RealRowIndex(ARow))) {
        Canvas->Pen()->SetColor(p->showModified->Color());
        Canvas->Brush()->SetColor(p->showModified->Color());
        Canvas->Rectangle(c.r.Right - 4, c.r.Top, c.r.Right, c.r.Bottom);
    }
    if (OnCustomCellBkgDraw)
        OnCustomCellBkgDraw(this, Canvas, c.col, ARow, c.state, c.r);
    const int right = c.r.Right;
    if (!c.fixedLook)
        renderButtons(c);
    const bool customDraw = OnDrawCell || OnCustomCellDraw;
    p->render->graphicTextWidth = 0;
    p->render->graphicTextAlign = c.ha;
    p->render->graphicTextVAlign = c.va;
    if (!(p->render->noDefaultDraw && customDraw) && !(p->render->noImageAndText && c.placement.graphic))
        drawCellText(c);
    c.r.Right = right;

    Canvas->Brush()->SetColor(c.keptBrush);
    Canvas->Font()->SetColor(c.keptFont);
    InflateRect(c.r, 1, 1);
    drawCellBorders(Canvas, c.col, ARow, c.r);
    c.r.Left -= c.indicatorShift;

    if (c.fixedLook && !p->flat)
        renderLookEdges(c);
    if (p->flat && p->look != glClassic && p->fixedRightCols > 0 && c.col >= TotalColCount() - p->fixedRightCols) {
        const TGridOptions options = Options();
        if (options.testFlag(goFixedHorzLine)) {
            line(Canvas, c.r.Left - 1, c.r.Top - 1, c.r.Right + 1, c.r.Top - 1, clGray);
            line(Canvas, c.r.Left - 1, c.r.Bottom, c.r.Right + 1, c.r.Bottom, clGray);
        }
        if (options.testFlag(goFixedVertLine)) {
            line(Canvas, c.r.Left - 1, c.r.Top - 1, c.r.Left - 1, c.r.Bottom + 1, clGray);
            line(Canvas, c.r.Right, c.r.Top - 1, c.r.Right, c.r.Bottom + 1, clGray);
        }
    }
    if (c.fixedLook)
        ++c.r.Top;
    DrawCellGraphic(Canvas, c.col, ARow, c.r, c.state);
    if (c.fixedLook)
        --c.r.Top;
    if (OnDrawCell) {
        const int w = GridLineWidth();
        OnDrawCell(this, c.col, ARow, Rect(c.r.Left + 1, c.r.Top + 1, c.r.Right - w, c.r.Bottom - w), c.state);
    }
    if (OnCustomCellDraw)
        OnCustomCellDraw(this, Canvas, c.col, ARow, c.state, c.r);
    renderFocusRect(c);
}

// The gradient behind a fixed cell: hovered or pressed, the active cell's
// headers, the sorted column's header, or the look's own.
void TExStringGrid::renderFixedBackground(RenderContext& c)
{
    TCanvas* canvas = c.canvas;
    const int row = c.row;
    const bool inFixedRow = row < FixedRows();
    const bool inFixedCol = c.displayCol < FixedCols();
    const TSortSettings& sort = *p->sortSettings;
    if (hoverCovers(p->hoverFixedCells, inFixedRow, inFixedCol) && !QueryDesignMode() &&
        p->hoverFixedX == c.displayCol && p->hoverFixedY == row) {
        TRect r = c.r;
        ++r.Bottom;
        if (!c.state.testFlag(gdPressed))
            PaintCellBackground(canvas, r, p->exGradientHoverFrom, p->exGradientHoverTo, p->exGradientHoverMirrorFrom,
                                p->exGradientHoverMirrorTo, true, p->exGradientHoverBorder, false, true);
        else
            PaintCellBackground(canvas, r, p->exGradientDownFrom, p->exGradientDownTo, p->exGradientDownMirrorFrom,
                                p->exGradientDownMirrorTo, true, p->exGradientDownBorder, false, true);
        return;
    }
    const bool activeRowHeader = FixedCols() > 0 && c.displayCol == FixedCols() - 1 && row == Row();
    const bool activeColHeader = FixedRows() > 0 && row == FixedRows() - 1 && c.displayCol == Col();
    if (p->activeCellShow && (activeRowHeader || activeColHeader)) {
        PaintCellBackground(canvas, c.r, p->activeCellColor, p->activeCellColorTo, clNone, clNone, true, clNone, false,
                            true);
        return;
    }
    if (sort.Column() != -1 && sort.HeaderColor() != clNone && c.col == sort.Column() && row == FixedRows() - 1 &&
        (c.displayCol >= FixedCols() || sort.FixedCols())) {
        PaintCellBackground(canvas, c.r, sort.HeaderColor(), sort.HeaderColorTo(), sort.HeaderMirrorColor(),
                            sort.HeaderMirrorColorTo(), true, clNone, false, true);
        return;
    }
    if (!p->flat) {
        const TColor border = p->look == glVista ? clWhite : clNone;
        PaintCellBackground(canvas, c.r, canvas->Brush()->Color(), c.colorTo, c.mirror, c.mirrorTo, true, border,
                            true, true);
    }
}

// The row indicator in the first cell of the current row; the text moves right
// past it.
void TExStringGrid::renderRowIndicator(RenderContext& c)
{
    const TBitmap& indicator = *p->rowIndicator;
    if (c.col != 0 || c.row != Row() || FixedCols() == 0 || indicator.Empty())
        return;
    if (p->fixedRowAlways && RowCount() == FixedRows())
        return;
    int y = c.r.Top;
    if (p->vAlignment == vtaCenter)
        y = c.r.Top + (c.r.Height() - indicator.Height()) / 2;
    else if (p->vAlignment == vtaBottom)
        y = c.r.Bottom - indicator.Height();
    DrawTransparentPicture(c.canvas, indicator, c.r.Left + 2, y);
    c.indicatorShift = indicator.Width() + 2;
    c.r.Left += c.indicatorShift;
}

// Drop-down and spin buttons shown in every cell that has one.
void TExStringGrid::renderButtons(RenderContext& c)
{
    const TControlLook& look = *p->controlLook;
    if (!look.DropDownAlwaysVisible() && !look.SpinButtonsAlwaysVisible())
        return;
    const int style = look.FlatButton() ? ButtonStyleFlat : ButtonStyleClassic;
    bool editable = true;
    QueryCellEditable(c.col, c.row, editable);
    const int state = editable ? ButtonStateNormal : ButtonStateDisabled;
    const TColorTones tones{};
    if (QueryHasComboBox(c.col, c.row)) {
        const TRect r = Rect(c.r.Left - 2, c.r.Top - 1, c.r.Right + 1, c.r.Bottom);
        DrawComboButton(c.canvas, this, r, style, state, tones);
        c.r.Right -= 16;
    } else if (QueryHasSpinEdit(c.col, c.row)) {
        DrawSpinButtons(c.canvas, this, c.r, style, state, tones);
        c.r.Right -= 16;
    }
}

// The raised edges of fixed cells in the classic, studio, XP and soft looks.
void TExStringGrid::renderLookEdges(RenderContext& c)
{
    TCanvas* canvas = c.canvas;
    TRect& r = c.r;
    const TGridOptions options = Options();
    switch (p->look) {
    case glClassic:
        line(canvas, r.Left, r.Top, r.Right - 1, r.Top, clBtnHighlight);
        line(canvas, r.Left, r.Top, r.Left, r.Bottom - 1, clBtnHighlight);
        line(canvas, r.Right - 2, r.Top, r.Right - 2, r.Bottom - 1, clBtnShadow);
        line(canvas, r.Left, r.Bottom - 2, r.Right - 1, r.Bottom - 2, clBtnShadow);
        line(canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1, clBlack);
        canvas->LineTo(r.Left - 1, r.Bottom - 1);
        break;
    case glStudio:
    case glXP:
        ++r.Bottom;
        if (options.testFlag(goFixedHorzLine)) {
            line(canvas, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1, HalveColor(FixedColor()));
            line(canvas, r.Right - 2, r.Top + 1, r.Left + 1, r.Top + 1, clWhite);
            canvas->LineTo(r.Left + 1, r.Bottom - 1);
        }
        break;
    case glSoft:
        ++r.Right;
        ++r.Bottom;
        if (options.testFlag(goFixedHorzLine)) {
            line(canvas, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1, HalveColor(FixedColor()));
            line(canvas, r.Right, r.Top + 1, r.Left + 1, r.Top + 1, clWhite);
            canvas->LineTo(r.Left + 1, r.Bottom - 1);
        }
        if (options.testFlag(goFixedVertLine)) {
            line(canvas, r.Right - 2, r.Top, r.Right - 2, r.Bottom - 1, HalveColor(FixedColor()));
            line(canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1, clWhite);
        }
        break;
    default:
        break;
    }
}

void TExStringGrid::renderFocusRect(RenderContext& c)
{
    if (p->render->hideFocusRect || !IsFocusInside() || Options().testFlag(goRowSelect))
        return;
    const TPoint base = BaseCell(c.displayCol, c.row);
    if (base.X != Col() || base.Y != Row() || IsFixed(Col(), Row()))
        return;
    TRect r = c.r;
    const int grow = GridLineWidth() - 1;
    InflateRect(r, grow, grow);
    --r.Right;
    --r.Bottom;
    c.canvas->DrawFocusRect(r);
}

// The borders the cell queries ask for, each side with its own pen.
void TExStringGrid::drawCellBorders(TCanvas* Canvas, int ACol, int ARow, TRect r)
{
    PenGuard guard(Canvas);
    TCellBorders borders;
    TPen pen;
    pen.Assign(*Canvas->Pen());
    QueryCellBorder(ACol, ARow, &pen, borders);
    if (borders.IsEmpty())
        return;
    TPen left, top, rightPen, bottom;
    for (TPen* side : {&left, &top, &rightPen, &bottom})
        side->Assign(pen);
    if (OnGetCellBorderProp)
        OnGetCellBorderProp(this, ARow, ACol, &left, &top, &rightPen, &bottom);
    const int h = (pen.Width() + 1) / 2;
    const int u = Options().testFlag(goVertLine) ? h : 0;
    const int v = Options().testFlag(goHorzLine) ? h : 0;
    const int lineWidth = GridLineWidth();
    auto draw = [&](const TPen& side, int x1, int y1, int x2, int y2) {
        Canvas->Pen()->Assign(side);
        Canvas->MoveTo(x1, y1);
        Canvas->LineTo(x2, y2);
    };
    r.Left += u;
    r.Bottom -= v;
    if (borders.Contains(cbLeft))
        draw(left, std::max(0, r.Left), r.Top, std::max(0, r.Left), r.Bottom);
    r.Right -= u;
    if (borders.Contains(cbRight))
        draw(rightPen, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
    r.Top += v;
    if (borders.Contains(cbTop)) {
        const int y = lineWidth == 0 ? r.Top + 1 : std::max(0, r.Top - lineWidth);
        draw(top, r.Left, y, r.Right, y);
    }
    if (borders.Contains(cbBottom))
        draw(bottom, r.Left - lineWidth - 1, r.Bottom - 1, r.Right, r.Bottom - 1);
}

