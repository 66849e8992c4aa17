// The cell painter of the cell store: background (flat, gradient or mirrored),
// hover and active row colours, the selection box of the selection styles and
// the grid lines; the cell's interior goes to RenderCellContent.

#include "grid/foundation/cellstore/BaseGrid.h"
#include "grid/foundation/cellstore/BaseGridPrivate.h"
#include "grid/foundation/styles/ExUtilPaint.h"

#include <algorithm>

// What GetVisualProperties and the row highlights decide for one cell.
struct TBaseGrid::CellLook {
    TColor colorTo = clNone;
    TColor mirror = clNone;
    TColor mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = true;
    TCellGradientDirection gd = GradientVertical;
};

namespace {

struct SelectionColors {
    TColor fill, fillTo, outer, innerTop, innerBottom, corner, mirror, mirrorTo;
};

constexpr SelectionColors VistaFocused{0xFDF8F1, 0xFCEFD5, 0xFDDE99, 0xFDFBF6, 0xFDF5E7, 0xFCEDCB, clNone, clNone};
constexpr SelectionColors Win7Focused{0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE, clNone, clNone};
constexpr SelectionColors Office2007Focused{0xD7FFFD, 0x58D4FC, 0x8DD7D3, 0xF4FEFF,
                                            0xCAF8FF, 0xC3D9DF, 0x58D4FC, 0xB3F1FC};
constexpr SelectionColors Unfocused{0xF8F8F8, 0xE5E5E5, 0xD9D9D9, 0xFBFAFA, 0xF0F0F0, 0xEFEFEF, clNone, clNone};

const SelectionColors& SelectionColorsFor(TGridSelectionStyle style, bool focused)
{
    if (!focused)
        return Unfocused;
    switch (style) {
    case TGridSelectionStyle::ssVista:
        return VistaFocused;
    case TGridSelectionStyle::ssOffice2007:
        return Office2007Focused;
    default:
        return Win7Focused;
    }
}

// The piece of the selection box a cell of the selected columns carries.
int SelectionBoxPart(const TGridRect& selection, int ACol)
{
    const int left = std::min(selection.Left, selection.Right);
    const int right = std::max(selection.Left, selection.Right);
    if (ACol == left && right > ACol)
        return sbpLeftEnd;
    if (ACol == right && left < ACol)
        return sbpRightEnd;
    if (ACol > left && ACol < right)
        return sbpMiddle;
    return sbpSingle;
}

// Removes the clip region set for a cell, also when a hook throws.
struct ClipGuard {
    TCanvas* canvas = nullptr;
    ~ClipGuard()
    {
        if (canvas)
            canvas->ResetClipRect();
    }
};

}  // namespace

void TBaseGrid::Paint()
{
    struct PaintScope {
        Private& p;
        explicit PaintScope(Private& state) : p(state) { p.inFullPaint = true; }
        ~PaintScope()
        {
            p.inFullPaint = false;
            ++p.paintID;
        }
    } scope(*p);
    TStringGrid::Paint();
}

void TBaseGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    PaintCellArea(Canvas(), ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCell(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    PaintCellArea(ACanvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCellExt(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    PaintCellArea(ACanvas, ACol, ARow, ARect, AState, false);
}

// Within a full paint a merged range is painted once: the first of its cells to
// be painted stamps the paint number on the base cell. Outside a full paint
// nothing is stamped, so a single PaintCell always paints its range.
bool TBaseGrid::paintedInThisPaint(int bc, int br)
{
    if (!p->inFullPaint || !HasCellProperties(bc, br))
        return false;
    TCellProperties* base = propertiesAt(bc, br);
    if (base->PaintID() == p->paintID)
        return true;
    base->SetPaintID(p->paintID);
    return false;
}

void TBaseGrid::PaintCellArea(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState,
                              bool UseGridRect)
{
    if (ARow == RowCount() - 1 && p->hideLastRow) {
        ACanvas->Brush()->SetColor(Color());
        ACanvas->Pen()->SetColor(Color());
        ACanvas->Rectangle(ARect);
        return;
    }

    int bc = ACol;
    int br = ARow;
    if (!ResolveBaseCell(ACol, ARow, bc, br)) {
        const bool baseInGrid = bc >= 0 && br >= 0 && bc < ColCount() && br < RowCount();
        if (baseInGrid && !paintedInThisPaint(bc, br))
            PaintCell(ACanvas, bc, br, CellRect(bc, br), AState);
        return;
    }
    if (IsMergedCell(ACol, ARow))
        paintedInThisPaint(ACol, ARow);

    TGridDrawState state = AState;
    if (UseGridRect && IsFixed(ACol, ARow)) {
        state |= gdFixed;
        state &= ~TGridDrawState(gdSelected);
    }
    const bool fixed = state.testFlag(gdFixed);
    const bool selected = state.testFlag(gdSelected);
    const TRect rect = UseGridRect ? CellRect(ACol, ARow) : ARect;

    // A scrolled cell (or range) that reaches into the fixed area is clipped at
    // its edge, so that it never paints over the fixed cells. A rectangle given
    // for another canvas is not in grid coordinates and is not clipped.
    const int fw = ACol >= FixedCols() ? FixedColsWidth() : 0;
    const int fh = ARow >= FixedRows() ? FixedRowsHeight() : 0;
    ClipGuard clip;
    if (UseGridRect && ((ACol >= FixedCols() && FixedCols() > 0 && rect.Left < fw) ||
                        (ARow >= FixedRows() && FixedRows() > 0 && rect.Top < fh))) {
        ACanvas->SetClipRect(Rect(fw, fh, ClientWidth(), ClientHeight()));
        clip.canvas = ACanvas;
    }

    // The neutral looks the full grid's GetVisualProperties starts from.
    const bool boxed = selected && p->selectionStyle != TGridSelectionStyle::ssDefault && p->showSel;
    ACanvas->Pen()->SetWidth(1);
    ACanvas->SetFont(Font());
    ACanvas->Brush()->SetColor(fixed ? FixedColor() : (selected && !boxed) ? clHighlight : Color());
    if (selected && !boxed && !fixed)
        ACanvas->Font()->SetColor(clHighlightText);
    CellLook look;
    look.ww = p->wordWrap;
    GetVisualProperties(ACol, ARow, state, false, true, true, ACanvas->Brush(), look.colorTo, look.mirror,
                        look.mirrorTo, ACanvas->Font(), look.ha, look.va, look.ww, look.gd);
    ACanvas->Pen()->SetColor(ACanvas->Brush()->Color());

    const bool hoverAllowed = (!selected || p->hoverRowCells.Contains(hcSelected)) &&
                              (!fixed || p->hoverRowCells.Contains(hcFixed));
    if (ARow == p->hoverRowIdx && p->hoverRow && hoverAllowed) {
        ACanvas->Brush()->SetColor(p->hoverRowColor);
        look.colorTo = p->hoverRowColorTo;
        look.mirror = clNone;
        look.mirrorTo = clNone;
        look.gd = GradientVertical;
    }
    if ((p->activeRowShow && ARow == Row() && (ACol != Col() || !p->showSel) && ACol >= FixedCols()) ||
        (!UseGridRect && selected)) {
        ACanvas->Brush()->SetColor(p->activeRowColor);
        look.colorTo = p->activeRowColorTo;
        look.mirror = p->activeRowMirrorColor;
        look.mirrorTo = p->activeRowMirrorColorTo;
    }
    ACanvas->Pen()->SetColor(ACanvas->Brush()->Color());

    paintBackground(ACanvas, ACol, rect, state, look);
    paintLines(ACanvas, ACol, ARow, rect, fixed);

    if (UseGridRect) {
        const int inset = p->gridLineWidth;
        const TRect content = fixed ? Rect(rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 2)
                                    : Rect(rect.Left + inset, rect.Top + inset, rect.Right - inset,
                                           rect.Bottom - inset);
        RenderCellContent(ACanvas, ACol, ARow, content, state);
    }
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->Pen()->SetStyle(psSolid);
}

void TBaseGrid::paintBackground(TCanvas* ACanvas, int ACol, const TRect& rect, TGridDrawState state,
                                const CellLook& look)
{
    const bool fixed = state.testFlag(gdFixed);
    const bool selected = state.testFlag(gdSelected);
    if (selected && p->selectionStyle != TGridSelectionStyle::ssDefault && p->showSel) {
        TRect box = rect;
        if (!Options().testFlag(goHorzLine))
            ++box.Bottom;
        if (!Options().testFlag(goVertLine))
            ++box.Right;
        const bool focused = hasFocus() || Options().testFlag(goDrawFocusSelected);
        const SelectionColors& c = SelectionColorsFor(p->selectionStyle, focused);
        DrawSelectionBox(ACanvas, c.fill, c.fillTo, c.mirror, c.mirrorTo, c.innerTop, c.innerBottom, c.outer,
                         c.corner, Color(), box, SelectionBoxPart(Selection(), ACol));
        return;
    }
    if (QueryUseStyles() && (fixed || selected))
        return;
    const TColor color = ACanvas->Brush()->Color();
    if (look.mirrorTo != clNone)
        PaintCellBackground(ACanvas, rect, color, look.colorTo, look.mirror, look.mirrorTo, true, clNone, false,
                            true);
    else
        FillGradient(ACanvas, color, look.colorTo, 64, rect, look.gd == GradientHorizontal);
}

// The lines take the last rows and columns of the cell: a fixed cell one pixel
// in the fixed line colour, a normal cell GridLineWidth pixels in the line
// colour. With a width of 0 a normal cell has no line of its own.
void TBaseGrid::paintLines(TCanvas* ACanvas, int ACol, int ARow, const TRect& rect, bool fixed)
{
    int width = 1;
    if (fixed) {
        ACanvas->Pen()->SetColor(p->gridFixedLineColor);
        ACanvas->Pen()->SetWidth(1);
    } else if (p->gridLineWidth > 0) {
        width = p->gridLineWidth;
        ACanvas->Pen()->SetColor(p->gridLineColor);
        ACanvas->Pen()->SetWidth(width);
    } else {
        return;
    }
    const TGridOptions options = Options();
    const bool horizontal = fixed ? options.testFlag(goFixedHorzLine) : options.testFlag(goHorzLine);
    const bool vertical = fixed ? options.testFlag(goFixedVertLine) : options.testFlag(goVertLine);
    const TColor lineColor = ACanvas->Pen()->Color();
    if (horizontal && !(BaseCell(ACol, ARow).X == 0 && HasNodeRows()))
        FillRectColor(ACanvas, Rect(rect.Left, rect.Bottom - width, rect.Right, rect.Bottom), lineColor);
    if (vertical)
        FillRectColor(ACanvas, Rect(rect.Right - width, rect.Top, rect.Right, rect.Bottom), lineColor);
}
