// The text of a cell: its formatted value, the selection colours, the
// background picture or gradient behind it, the selection rectangle, and the
// text itself as markup, rich text or plain text with links, ellipsis and the
// sort indicator.
//
// A number is formatted only when OnGetFloatFormat asks for it, and a format
// that does not fit keeps the text as it is. Cells outside a disjunct selection
// take the grid's own colours. The filter button of the FilterDropDownRow cells
// shows the set glyph or the program's own funnel. Markup goes through
// RenderMarkupText, rich text through the grid's hidden rich edit, plain text
// through DrawText: its first line only unless wrapped or Multilinecells.

#include "grid/engine/ExGridPrivate.h"
#include "grid/engine/paint/ExGridRenderContext.h"
#include "grid/foundation/markup/EsgHTMLE.h"
#include "grid/foundation/util/ExUtilNumber.h"
#include "grid/foundation/styles/ExUtilPaint.h"
#include "grid/foundation/styles/ExUtilPaintBitmaps.h"
#include "platform/picture/Bitmap.h"
#include "grid/foundation/util/ExUtilText.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/DrawText.h"

#include <QtGui/QAbstractTextDocumentLayout>
#include <QtGui/QPainter>
#include <QtGui/QPixmap>
#include <QtGui/QTextDocument>

#include <algorithm>

QString TExStringGrid::GetFormattedCell(int ACol, int ARow)
{
    const QString text = Cells(ACol, ARow);
    if (!OnGetFloatFormat || DetectNumberKind(text) == nkNoNumber)
        return text;
    QString format = p->floatFormat;
    bool apply = true;
    OnGetFloatFormat(this, ACol, ARow, apply, format);
    if (!apply || format.isEmpty())
        return text;
    return FormatCellNumber(text, format);
}

// The format's own directive says whether the value is whole or real, so
// that a "d" elsewhere in its text ("%.2f days") changes nothing.
QString FormatCellNumber(const QString& text, const QString& format)
{
    try {
        if (IsIntegerFormat(format)) {
            int value = 0;
            return TryStrToInt(text.trimmed(), value) ? Format(format, {value}) : text;
        }
        double value = 0;
        return TryStrToFloat(text.trimmed(), value) ? Format(format, {value}) : text;
    } catch (const EConvertError&) {
        return text;
    }
}

void TExStringGrid::drawCellText(RenderContext& c)
{
    TCanvas* canvas = c.canvas;
    TColor linkColor = p->urlColor;
    const bool fixedCell = IsFixed(c.displayCol, c.row);
    if (c.state.testFlag(gdSelected) && !fixedCell) {
        if (ShowSelection()) {
            if (p->selectionColor != clNone)
                canvas->Brush()->SetColor(p->selectionColor);
            if (p->selectionTextColor != clNone && isEnabled())
                canvas->Font()->SetColor(p->selectionTextColor);
            linkColor = p->selectionTextColor;
        } else if (!IsFocusInside()) {
            canvas->Brush()->SetColor(c.keptBrush);
            canvas->Font()->SetColor(c.keptFont);
        }
    }

    QString text = GetFormattedCell(c.col, c.row);
    int kind = ClassifyCellText(text, p->enableHTML);
    if (kind == ctFormula) {
        GetCellValueText(c.col, c.row, text);
        kind = ClassifyCellText(text, p->enableHTML);
    }
    bool password = false;
    QueryPasswordCell(c.col, c.row, password);
    if (password)
        text.fill(p->passwordChar);

    TRect tr = c.r;
    if (fixedCell) {
        tr.Left += GridLineWidth();
        tr.Top += GridLineWidth();
    }
    c.linkColor = linkColor;
    if (c.filterButton)
        drawFilterButton(c, tr);
    if (!fixedCell)
        applyDisjunctSelection(c);
    drawCellBackground(c, tr);
    if (p->render->selectionRectangle && !fixedCell)
        drawSelectionRectangle(canvas, c.displayCol, c.row, c.r);

    if (c.placement.graphic && !c.placement.textDrawn)
        return;
    tr.Left += p->xyOffset.X;
    tr.Top += p->xyOffset.Y;
    if (!p->render->xyOffsetTopLeftOnly)
        tr.Right -= p->xyOffset.X;
    placeTextBesideGraphic(c, tr);
    if (c.col == 0 && HasNodeRows() && !IsNode(c.row))
        tr.Left += RowNodeIndent(c.row);

    if (kind == ctMarkup) {
        drawMarkupText(c, text, tr);
    } else if (kind == ctRichText) {
        canvas->Pen()->SetColor(canvas->Brush()->Color());
        const bool plainSelection =
            c.state.testFlag(gdSelected) && !c.state.testFlag(gdFocused) && p->selectionColor == clNone;
        if (!plainSelection)
            canvas->FillRect(tr);
        canvas->Brush()->SetStyle(bsClear);
        DrawRichTextCell(c.col, c.row, tr, canvas);
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Font()->SetColor(clBlack);
    } else {
        drawPlainText(c, text, tr);
    }
}

// The text keeps clear of a graphic placed beside, above or under it.
void TExStringGrid::placeTextBesideGraphic(RenderContext& c, TRect& tr)
{
    const TCellGraphicPlacement& pl = c.placement;
    if (!pl.graphic)
        return;
    if (pl.hAlign == haBeforeText)
        tr.Left += pl.width;
    else if (pl.hAlign == haAfterText)
        tr.Right -= pl.width;
    if (pl.vAlign == vaAboveText)
        tr.Top += pl.height;
    else if (pl.vAlign == vaUnderText)
        tr.Bottom -= pl.height;
    if (pl.hAlign == haLeft || (pl.hAlign == haBeforeText && c.ha == taLeftJustify))
        c.sortGlyphOffset += pl.width;
}

// The background picture or grid-wide gradient behind the text of a cell
// without a colour of its own.
void TExStringGrid::drawCellBackground(RenderContext& c, const TRect& tr)
{
    const TBackGround& bg = *p->backGround;
    const bool fixedCell = c.fixedLook;
    const bool covered = bg.Cells() == bcAll || (bg.Cells() == bcNormal && !fixedCell) ||
                         (bg.Cells() == bcFixed && fixedCell);
    const bool ownColor = HasCellProperties(c.col, c.row) && CellProperties(c.col, c.row)->BrushColor() != clNone;
    if (!covered || ownColor)
        return;
    const bool selected = c.state.testFlag(gdSelected);
    const int w = GridLineWidth();
    const TBitmap* bitmap = bg.Bitmap();
    if (bitmap && !bitmap->Empty() && (!ShowSelection() || !selected)) {
        const TRect area = Rect(tr.Left - (w - 1), tr.Top - (w - 1), tr.Right, tr.Bottom);
        if (bg.Display() == bdTile)
            drawCellBackgroundTiled(c.canvas, c.col, c.row, area);
        else
            drawCellBackgroundBitmap(c.canvas, area);
    }
    const bool gradient = bg.Display() == bdGradientHorz || bg.Display() == bdGradientVert;
    if (!gradient || bg.ColorTo() == clNone)
        return;
    const bool focused = c.state.testFlag(gdFocused);
    const bool drawFocusSelected = Options().testFlag(goDrawFocusSelected);
    if (!(((!selected || focused) && !(focused && drawFocusSelected)) || !ShowSelection()))
        return;
    const TRect area = Rect(tr.Left - 1, tr.Top - w, tr.Right, tr.Bottom + w - 1);
    const bool horizontal = bg.Display() == bdGradientHorz;
    const int extent = horizontal ? ClientWidth() : ClientHeight();
    const int from = horizontal ? area.Left : area.Top;
    const int to = horizontal ? area.Right : area.Bottom;
    PaintStepGradient(c.canvas, InterpolateColor(bg.Color(), bg.ColorTo(), 0, extent, from),
                      InterpolateColor(bg.Color(), bg.ColorTo(), 0, extent, to), 128, area, horizontal);
}

// The part of the background picture, placed at its Left and Top, that lies in
// the area.
void TExStringGrid::drawCellBackgroundBitmap(TCanvas* Canvas, const TRect& Area)
{
    const TBackGround& bg = *p->backGround;
    QPainter* painter = Canvas->painter();
    if (!painter)
        return;
    painter->save();
    painter->setClipRect(ToQRect(Area), Qt::IntersectClip);
    painter->drawImage(bg.Left(), bg.Top(), bg.Bitmap()->pixels());
    painter->restore();
}

// The background picture tiled so that the tiling runs on across cells: the
// tile starts at the widths (heights) of the columns (rows) before this one.
void TExStringGrid::drawCellBackgroundTiled(TCanvas* Canvas, int ACol, int ARow, const TRect& Area)
{
    const TBackGround& bg = *p->backGround;
    const QImage tile = bg.Bitmap()->pixels();
    QPainter* painter = Canvas->painter();
    if (!painter || tile.isNull())
        return;
    const bool normalOnly = bg.Cells() == bcNormal;
    int offsetX = 0;
    for (int c = normalOnly ? FixedCols() : 0; c < ACol; ++c)
        offsetX += ColWidths(c);
    int offsetY = 0;
    for (int r = normalOnly ? FixedRows() : 0; r < ARow; ++r)
        offsetY += RowHeights(r);
    painter->save();
    painter->setClipRect(ToQRect(Area), Qt::IntersectClip);
    const QRect target(Area.Left - 1, Area.Top - 1, Area.Width() + 1, Area.Height() + 1);
    painter->drawTiledPixmap(target, QPixmap::fromImage(tile),
                             QPoint(offsetX % tile.width(), offsetY % tile.height()));
    painter->restore();
}

// The filter button at the right edge of a header cell: the active or plain
// glyph, or the program's own funnel over the fixed colour.
void TExStringGrid::drawFilterButton(RenderContext& c, const TRect& tr)
{
    const TBitmap* glyph = p->filterDropDown->Glyph();
    if (!glyph || glyph->Empty()) {
        DrawResourceBitmapTransparent(c.canvas, FixedColor(), Rect(tr.Right - 16, tr.Top, tr.Right, tr.Bottom),
                                      QStringLiteral("ESGFILT"));
        return;
    }
    DrawTransparentPicture(c.canvas, *glyph, tr.Right - 16, tr.Top);
}

// Under disjunct row or column selection a cell outside the selection is drawn
// in the grid's own colours while the mouse is up.
void TExStringGrid::applyDisjunctSelection(RenderContext& c)
{
    const TMouseActions& actions = *p->mouseActions;
    if (MouseIsDown())
        return;
    const int selectRow = actions.DisjunctRowSelect() && actions.RowSelectPersistent() ? RealRowIndex(c.row) : c.row;
    const bool outsideRows = actions.DisjunctRowSelect() && !IsFlagSet(*p->rowSelect, selectRow);
    const bool outsideCols = actions.DisjunctColSelect() && !IsFlagSet(*p->colSelect, c.col);
    if (!outsideRows && !outsideCols)
        return;
    c.linkColor = p->urlColor;
    c.canvas->Brush()->SetColor(Color());
    c.canvas->Font()->SetColor(Font().Color());
    QueryCellColor(c.col, c.row, c.state, c.canvas->Brush(), c.canvas->Font());
    c.canvas->Font()->SetSize(c.canvas->Font()->Size() + p->zoomFactor);
}

// This cell's share of the two-pixel outline around the selection.
void TExStringGrid::drawSelectionRectangle(TCanvas* Canvas, int ACol, int ARow, const TRect& r)
{
    const TGridRect sel = Selection();
    if (ACol < sel.Left || ACol > sel.Right || ARow < sel.Top || ARow > sel.Bottom)
        return;
    const int w = GridLineWidth();
    const TColor color = p->render->selectionRectangleColor;
    Canvas->Pen()->SetColor(color);
    Canvas->Pen()->SetWidth(2);
    auto segment = [&](int x1, int y1, int x2, int y2) {
        Canvas->MoveTo(x1, y1);
        Canvas->LineTo(x2, y2);
    };
    if (ACol == sel.Left)
        segment(r.Left - w + 1, r.Bottom, r.Left - w + 1, r.Top - w);
    if (ACol == sel.Right)
        segment(r.Right - 1, r.Bottom, r.Right - 1, r.Top - w);
    if (ARow == sel.Top)
        segment(r.Left - w, r.Top - w + 1, ACol == sel.Right ? r.Right - 1 : r.Right, r.Top - w + 1);
    if (ARow == sel.Bottom)
        segment(r.Left - w, r.Bottom - 1, r.Right, r.Bottom - 1);
    if (p->render->selectionResizer && ACol == sel.Right && ARow == sel.Bottom) {
        Canvas->Brush()->SetColor(color);
        Canvas->FillRect(Rect(r.Right - 4, r.Bottom - 4, r.Right + w, r.Bottom + w));
    }
    Canvas->Pen()->SetWidth(1);
}

// Where the first line of a text ends; -1 for a single line.
static qsizetype firstLineBreak(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u'\r' || text[i] == u'\n')
            return i;
    return -1;
}

// The vertical place of the sort indicator for a text aligned va in tr.
static int sortGlyphY(const TRect& tr, TVAlignment va)
{
    if (va == vtaCenter)
        return tr.Top + (tr.Bottom - tr.Top) / 2;
    if (va == vtaBottom)
        return tr.Bottom - 8;
    return tr.Top + 8;
}

// The sort indicator's place in the sort list: 0 for the sort column, its
// position for a column of the index sort, -1 when the column is not sorted.
static int sortPosition(const TSortSettings& sort, const TSortIndexList& indexes, int col)
{
    if (sort.Column() == col)
        return 0;
    for (int i = 0; i < indexes.Count(); ++i)
        if (indexes.SortColumns(i) == col)
            return i;
    return -1;
}

void TExStringGrid::drawMarkupText(RenderContext& c, const QString& text, TRect& tr)
{
    const TSortSettings& sort = *p->sortSettings;
    const bool sortGlyph = ShowsSortGlyph(c.col, c.row) && sort.Column() == c.col;
    if (c.filterButton)
        tr.Right -= 18;
    --tr.Left;
    if (sortGlyph)
        tr.Right -= 10;
    QString anchor, plain, focusAnchor, title, controlID, controlValue, controlType;
    int width = 0, height = 0, anchors = 0, hitIndex = 0;
    TRect hitRect, controlRect;
    // Blinking text shows in the grid timer's phase, and always while blinking is off.
    const bool blinkVisible = !p->enableBlink || p->blinkOn;
    RenderMarkupText(c.canvas, text, tr, nullptr, 0, 0, -1, -1, 1, false, false, false, false, blinkVisible,
                     p->render->urlUnderlineOnHover, c.ww, false, 1.0, c.linkColor, clNone, clNone, clGray, anchor,
                     plain, focusAnchor, title, width, height, anchors, hitIndex, hitRect, controlRect, controlID,
                     controlValue, controlType, p->imageCache.get(), nullptr, this, bdLeftToRight);
    p->render->graphicTextWidth = width + 2;
    if (sortGlyph)
        DrawSortIndicator(c.canvas, c.col, tr.Right + 2, sortGlyphY(tr, c.va), 0);
}

// Plain text: links shown without their scheme and underlined, one line cut at
// its first break or several lines, the ellipsis, and the sort indicator.
void TExStringGrid::drawPlainText(RenderContext& c, const QString& text, TRect& tr)
{
    TCanvas* canvas = c.canvas;
    const TSortSettings& sort = *p->sortSettings;
    if (c.ha == taCenter && c.row == sort.Row() && sort.Show() && c.col == sort.Column())
        tr.Left += 10;

    QString shown = text;
    const QString stored = GridCells(c.col, c.row);
    const bool link =
        p->render->urlShow && (stored.contains(QStringLiteral("://")) || stored.contains(QStringLiteral("mailto:")));
    if (link) {
        if (!p->render->urlFull)
            StripUrlScheme(shown);
        canvas->Font()->SetStyle(canvas->Font()->Style() | fsUnderline);
        canvas->Font()->SetColor(c.linkColor);
    }

    const qsizetype lineBreak = firstLineBreak(shown);
    const bool multi = p->render->multilineCells && lineBreak >= 0;
    unsigned flags = DT_EXPANDTABS | DT_NOPREFIX;
    flags |= c.ha == taCenter ? DT_CENTER : c.ha == taRightJustify ? DT_RIGHT : DT_LEFT;
    if (!multi && !c.ww) {
        if (lineBreak >= 0)
            shown.truncate(lineBreak);
        flags |= DT_SINGLELINE;
        flags |= c.va == vtaCenter ? DT_VCENTER : c.va == vtaBottom ? DT_BOTTOM : DT_TOP;
        if (p->render->enhTextSize)
            flags |= DT_END_ELLIPSIS;
    } else {
        flags |= DT_WORDBREAK;
        if (c.ww && p->render->enhTextSize && !p->render->multilineCells)
            flags |= DT_END_ELLIPSIS;
    }
    canvas->SetBkMode(TRANSPARENT);
    if (c.filterButton)
        tr.Right -= 16;
    TRect drawRect = tr;
    if (c.placement.graphic && !shown.isEmpty()) {
        TRect measured = tr;
        DrawText(canvas, shown, measured, flags | DT_CALCRECT);
        p->render->graphicTextWidth = measured.Width() + 2;
    }
    DrawText(canvas, shown, drawRect, flags);

    TRect glyphRect = c.r;
    if (c.filterButton)
        glyphRect.Right -= 16;
    const int position = sortPosition(sort, *p->sortIndexes, c.col);
    const bool sortable = FixedRows() > 0 && (c.displayCol >= FixedCols() || sort.FixedCols());
    if (ShowsSortGlyph(c.col, c.row) && position >= 0 && sortable && (position == 0 || sort.IndexShow())) {
        const int w = std::max(0, std::min(glyphRect.Width() - 16, canvas->TextWidth(shown)));
        int x = glyphRect.Left + w + 10 + c.sortGlyphOffset;
        if (c.ha == taRightJustify)
            x = glyphRect.Right - w - 10;
        else if (c.ha == taCenter)
            x = glyphRect.Left + 8;
        DrawSortIndicator(canvas, c.col, x, sortGlyphY(glyphRect, c.va), position);
    }
    if (link)
        canvas->Font()->SetStyle(canvas->Font()->Style() & ~TFontStyles(fsUnderline));
}

