// Placing and drawing the graphic of a cell: the size and place of each kind,
// pictures, images, buttons, progress bars, comments, shapes, ratings, rotated
// text and node buttons. Check boxes, radio buttons and the sort indicator are
// drawn in ExGridCheckRadio.cpp. A graphic that shows a number reads it from the
// cell without raising: a text that is no number shows as 0.

#include "grid/engine/ExGridPrivate.h"
#include "grid/engine/paint/ExGridRenderContext.h"
#include "grid/foundation/pictures/ExObjFilePicture.h"
#include "grid/foundation/styles/ExUtilButtons.h"
#include "grid/foundation/styles/ExUtilPaintBitmaps.h"
#include "grid/foundation/styles/ExUtilProgress.h"
#include "grid/foundation/styles/ExUtilProgressLevel.h"
#include "grid/foundation/styles/ExUtilShapes.h"
#include "grid/foundation/markup/EsgHTMLEUtil.h"
#include "grid/foundation/util/ExUtilText.h"
#include "platform/picture/Graphic.h"
#include "platform/picture/ImageList.h"
#include "platform/picture/Picture.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/DrawText.h"

#include <algorithm>
#include <cmath>

namespace {

TPoint graphicExtent(const TCellRef& ref)
{
    if (const auto* graphic = std::get_if<TGraphic*>(&ref); graphic && *graphic)
        return {(*graphic)->Width(), (*graphic)->Height()};
    return {0, 0};
}

const TGraphic* refGraphic(const TCellRef& ref)
{
    const auto* graphic = std::get_if<TGraphic*>(&ref);
    return graphic ? *graphic : nullptr;
}

template <class T>
const T* refObject(const TCellRef& ref)
{
    const auto* object = std::get_if<TObject*>(&ref);
    return object ? dynamic_cast<const T*>(*object) : nullptr;
}

// A colour kept in a reference as a number; Default when it holds none.
TColor refColor(const TCellRef& ref, TColor Default = clNone)
{
    const auto* color = std::get_if<TColor>(&ref);
    return color ? *color : Default;
}

// The kinds that use the whole rectangle instead of one shrunk by the text
// offset.
bool usesWholeRect(TCellType kind)
{
    return kind == ctNode || kind == ctProgress || kind == ctRangeIndicator || kind == ctXPProgress;
}

int placeStart(int lo, int hi, int size, int T, TCellHAlign align, TAlignment textAlign)
{
    switch (align) {
    case haLeft:
        return lo + 1;
    case haRight:
        return hi - 1 - size;
    case haCenter:
        return size > hi - lo ? lo + 1 : lo + (hi - lo - size) / 2;
    case haBeforeText:
        if (textAlign == taLeftJustify)
            return lo + 1;
        if (textAlign == taRightJustify)
            return hi - T - size;
        return std::max(lo + (hi - lo - T - size) / 2, lo + 1);
    case haAfterText:
        if (textAlign == taLeftJustify)
            return lo + T;
        if (textAlign == taRightJustify)
            return hi - 1 - size;
        return std::max(lo + T + (hi - lo - T - size) / 2, lo + 1);
    case haFull:
        return lo;
    }
    return lo;
}

int placeTop(int top, int bottom, int size, TCellVAlign align)
{
    switch (align) {
    case vaTop:
    case vaAboveText:
        return top + 1;
    case vaBottom:
        return bottom - 1 - size;
    case vaCenter:
        return size > bottom - top ? top + 1 : top + (bottom - top - size) / 2;
    case vaUnderText:
        return bottom - size;
    case vaFull:
        return top;
    }
    return top;
}

// The check-box rule: the box follows the text, keeping clear of it where the
// kind shows its text.
int checkBoxStart(const TRect& r, TCellType kind, int W, int T, TAlignment textAlign)
{
    const bool besideText = kind == ctCheckBox || kind == ctTriStateCheckBox || kind == ctRadioButton;
    int x = r.Left + 1;
    if (textAlign == taRightJustify)
        x = (besideText ? r.Right - T - 1 : r.Right - 1) - W;
    else if (textAlign == taCenter)
        x = besideText && T >= 1 ? r.Left + std::max(0, r.Right - T - r.Left) / 2 - W
                                 : r.Left + std::max(0, r.Right - W - r.Left) / 2;
    return x < r.Left ? r.Left + 1 : x;
}

}  // namespace

bool IsCheckOrRadioKind(TCellType Kind) { return IsCheckBoxKind(Kind) || Kind == ctRadioButton; }

TRect PlaceCellGraphic(const TRect& R, TCellType Kind, int W, int H, int T, TAlignment TextAlign, TCellHAlign HAlign,
                       TCellVAlign VAlign)
{
    const int left = IsCheckOrRadioKind(Kind) ? checkBoxStart(R, Kind, W, T, TextAlign)
                                              : placeStart(R.Left, R.Right, W, T, HAlign, TextAlign);
    const int top = placeTop(R.Top, R.Bottom, H, VAlign);
    const int width = HAlign == haFull && !IsCheckOrRadioKind(Kind) ? R.Width() : W;
    const int height = VAlign == vaFull ? R.Height() : H;
    return Rect(left, top, left + width, top + height);
}

TCellGraphicPlacement TExStringGrid::GetCellGraphicPlacement(int ACol, int ARow)
{
    TCellGraphicPlacement pl;
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return pl;
    pl.graphic = g;
    pl.hAlign = g->CellHAlign;
    pl.vAlign = g->CellVAlign;
    const TControlLook& look = *p->controlLook;
    TPoint size{0, 0};
    switch (g->CellType) {
    case ctBitmap:
        size = graphicExtent(g->CellBitmap);
        break;
    case ctIcon:
        size = graphicExtent(g->CellIcon);
        break;
    case ctImageList:
    case ctDataImage:
        if (const TImageList* images = GetCellImageList())
            size = {images->Width(), images->Height()};
        pl.textDrawn = g->CellType == ctImageList;
        break;
    case ctCheckBox:
    case ctTriStateCheckBox:
        size = {look.CheckSize(), look.CheckSize()};
        break;
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
        size = {look.CheckSize(), look.CheckSize()};
        pl.textDrawn = false;
        break;
    case ctRotated:
    case ctRadio:
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress:
        pl.textDrawn = false;
        break;
    case ctImages:
        if (const TImageList* images = GetCellImageList(); images && refObject<TIntList>(g->CellBitmap)) {
            const int n = refObject<TIntList>(g->CellBitmap)->Count();
            size = g->CellBoolean ? TPoint{n * images->Width(), images->Height()}
                                  : TPoint{images->Width(), n * images->Height()};
        }
        break;
    case ctPicture:
    case ctFilePicture: {
        const TRect cell = CellRect(RealToDisplayCol(ACol), ARow);
        g->GetPictureSize(cell.Width(), cell.Height(), true, size);
        break;
    }
    case ctButton:
    case ctBitButton:
        size = {g->CellIndex & 0xFFFF, (g->CellIndex >> 16) & 0xFFFF};
        break;
    case ctProgressPie:
        size = {20, 20};
        break;
    case ctRadioButton:
        size = {look.RadioSize() + 4, look.RadioSize() + 4};
        break;
    case ctShape: {
        const int edge = RowHeights(ARow) - 2 * p->xyOffset.Y;
        size = {edge, edge};
        break;
    }
    case ctRating:
        size = {g->CellAngle * 18, 16};
        pl.textDrawn = false;
        break;
    default:
        break;
    }
    pl.width = size.X;
    pl.height = size.Y;
    return pl;
}

// A number read from the cell's text for a graphic that shows it; a text that
// is no number shows as 0 instead of failing the paint.
static double cellNumber(TExStringGrid& grid, int ACol, int ARow)
{
    double value = 0;
    if (!TryCellFloat(StripMarkupTags(grid.Cells(ACol, ARow)), value))
        value = 0;
    return value;
}

static bool cellInteger(TExStringGrid& grid, int ACol, int ARow, int& value)
{
    if (TryCellInt(StripMarkupTags(grid.Cells(ACol, ARow)), value))
        return true;
    double real = 0;
    if (TryCellFloat(StripMarkupTags(grid.Cells(ACol, ARow)), real) && std::abs(real) < 2e9) {
        value = static_cast<int>(real);
        return true;
    }
    value = 0;
    return false;
}

double TExStringGrid::ClampPercent(double Value) { return std::clamp(Value, 0.0, 100.0); }

int TExStringGrid::LevelProgressPercentage(int Value, int Minimum, int Maximum)
{
    if (Maximum == Minimum)
        return 0;
    const double percent = std::abs(double(Value) - Minimum) / (double(Maximum) - Minimum) * 100.0;
    return static_cast<int>(std::nearbyint(ClampPercent(percent)));
}

void TExStringGrid::DrawCellGraphic(TCanvas* Canvas, int ACol, int ARow, TRect& ARect, TGridDrawState AState)
{
    TCellGraphicPlacement pl = GetCellGraphicPlacement(ACol, ARow);
    if (!pl.graphic)
        return;
    TCellGraphic& g = *pl.graphic;
    if (ACol == 0 && g.CellType == ctNode && p->cellNode->NodeIndent() > 0)
        pl.width = RowNodeIndent(ARow) / p->cellNode->NodeIndent() * 12 + 4;
    const TRect cell = ARect;
    TRect r = ARect;
    if (!usesWholeRect(g.CellType)) {
        const int dx = p->xyOffset.X - 1;
        const int dy = p->xyOffset.Y - 1;
        r = Rect(r.Left + dx, r.Top + dy, r.Right - dx, r.Bottom - dy);
    }
    int T = p->render->graphicTextWidth;
    if (T > 0)
        T += 2;
    TCellVAlign va = pl.vAlign;
    if (IsCheckOrRadioKind(g.CellType) && p->render->graphicTextVAlign != VAlignment())
        va = p->render->graphicTextVAlign == vtaTop ? vaTop : p->render->graphicTextVAlign == vtaCenter ? vaCenter
                                                                                                      : vaBottom;
    const TRect box = PlaceCellGraphic(r, g.CellType, pl.width, pl.height, T, p->render->graphicTextAlign,
                                       pl.hAlign, va);
    drawGraphicKind(Canvas, ACol, ARow, g, r, box, cell, AState);
}

void TExStringGrid::drawGraphicKind(TCanvas* Canvas, int ACol, int ARow, TCellGraphic& g, TRect& r, const TRect& box,
                                    const TRect& cell, TGridDrawState AState)
{
    const TControlLook& look = *p->controlLook;
    bool editable = true;
    QueryCellEditable(ACol, ARow, editable);
    switch (g.CellType) {
    case ctBitmap:
        if (const TGraphic* bitmap = refGraphic(g.CellBitmap)) {
            if (g.CellTransparent) {
                if (const auto* b = dynamic_cast<const TBitmap*>(bitmap)) {
                    DrawTransparentPicture(Canvas, *b, box.Left, box.Top);
                    break;
                }
            }
            Canvas->Draw(box.Left, box.Top, bitmap);
        }
        break;
    case ctIcon:
        if (const TGraphic* icon = refGraphic(g.CellIcon))
            Canvas->Draw(box.Left, box.Top, icon);
        break;
    case ctImageList:
        if (const TImageList* images = GetCellImageList())
            images->Draw(Canvas, box.Left, box.Top, g.CellIndex);
        break;
    case ctDataImage: {
        int value = 0;
        const TImageList* images = GetCellImageList();
        if (images && cellInteger(*this, ACol, ARow, value) && value + g.CellIndex >= 0 &&
            value + g.CellIndex < images->Count())
            images->Draw(Canvas, box.Left, box.Top, value + g.CellIndex);
        break;
    }
    case ctImages:
        if (const TImageList* images = GetCellImageList()) {
            if (const TIntList* list = refObject<TIntList>(g.CellBitmap)) {
                int x = box.Left, y = box.Top;
                for (int i = 0; i < list->Count(); ++i) {
                    images->Draw(Canvas, x, y, list->GetInteger(i));
                    (g.CellBoolean ? x : y) += g.CellBoolean ? images->Width() : images->Height();
                }
            }
        }
        break;
    case ctCheckBox:
    case ctRowCheckBox:
        DrawCellCheckBox(Canvas, box, g.CellBoolean, 0, false, look.ControlStyle(), g.CellAngle > 0, editable);
        break;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        QString checkTrue = CheckTrue();
        QueryCheckTrue(ACol, ARow, checkTrue);
        DrawCellCheckBox(Canvas, box, Cells(ACol, ARow) == checkTrue, 0, false, look.ControlStyle(), false, editable);
        break;
    }
    case ctTriStateCheckBox:
        DrawCellCheckBox(Canvas, box, g.CellCheckBoxState == cbChecked, int(g.CellCheckBoxState), true,
                         look.ControlStyle(), false, editable);
        break;
    case ctRadioButton: {
        const int x = box.Left + p->xyOffset.X;
        const TRect button = Rect(x, box.Top, x + look.RadioSize(), box.Top + look.RadioSize());
        DrawCellRadioGroup(Canvas, button, false, 1.0, look.ControlStyle(), ARow, ACol, false, nullptr, !editable,
                           false, g.CellBoolean ? 0 : -2, 1);
        break;
    }
    case ctRadio: {
        const TStringList* items = refObject<TStringList>(g.CellBitmap);
        const int count = g.CellAngle > 0 ? g.CellAngle : (items ? items->Count() : 0);
        DrawCellRadioGroup(Canvas, r, false, 1.0, look.ControlStyle(), ARow, ACol, AState.testFlag(gdSelected),
                           items, !editable, g.CellBoolean, g.CellIndex, count);
        break;
    }
    case ctRotated:
        drawRotatedCell(Canvas, ACol, ARow, g, r);
        break;
    case ctNode:
        drawNodeButton(Canvas, ARow, g, cell, AState);
        break;
    case ctPicture:
        if (const auto* picture = std::get_if<TPicture*>(&g.CellBitmap); picture && *picture && (*picture)->Graphic()) {
            if (g.CellAngle != noStretch)
                Canvas->StretchDraw(box, (*picture)->Graphic());
            else
                Canvas->Draw(box.Left, box.Top, (*picture)->Graphic());
        }
        break;
    case ctFilePicture:
        if (const TFilePicture* picture = refObject<TFilePicture>(g.CellBitmap))
            picture->DrawPicture(Canvas, box);
        break;
    case ctProgress:
        drawProgressCell(Canvas, ACol, ARow, g, r);
        break;
    case ctComment:
        drawCommentMark(Canvas, g, cell);
        break;
    case ctButton:
    case ctBitButton:
    case ctExpand:
        drawButtonCell(Canvas, ACol, ARow, g, g.CellType == ctExpand ? Rect(r.Right - 13, r.Top, r.Right, r.Top + 13)
                                                                    : box, editable);
        break;
    case ctProgressPie:
        DrawProgressPie(Canvas, Rect(box.Left, box.Top, box.Left + 20, box.Top + 20), refColor(g.CellBitmap),
                        g.CellAngle, false);
        break;
    case ctRangeIndicator: {
        const TRect inner = Rect(r.Left + look.ProgressMarginX(), r.Top + look.ProgressMarginY(),
                                 r.Right - look.ProgressMarginX(), r.Bottom - look.ProgressMarginY());
        int value = 0;
        cellInteger(*this, ACol, ARow, value);
        DrawRangeIndicator(Canvas, inner, value, g.CellIndex, g.CellBoolean, refColor(g.CellBitmap),
                           refColor(g.CellIcon));
        break;
    }
    case ctXPProgress:
        drawLevelProgressCell(Canvas, ACol, ARow, g, r);
        break;
    case ctShape:
        // the fill is the colour AddShape stores as the fill, the outline its line colour
        DrawCellShape(Canvas, box.Left, box.Top, box.Width() - 1, box.Height() - 1, TCellShape(g.CellAngle),
                      TColor(g.CellIndex), refColor(g.CellBitmap, TColor(g.CellIndex)));
        break;
    case ctRating:
        drawRating(Canvas, ACol, ARow, g, box);
        break;
    default:
        break;
    }
}

void TExStringGrid::drawRotatedCell(TCanvas* Canvas, int ACol, int ARow, const TCellGraphic& g, const TRect& r)
{
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    ComputeCellAlignment(ACol, ARow, ha, va);
    const QString text = Cells(ACol, ARow);
    TRect origin = r;
    RotatedTextOrigin(origin, g.CellAngle, va, ha, text);
    const int oldOrientation = Canvas->Font()->Orientation();
    Canvas->Font()->SetOrientation(g.CellAngle * 10);
    Canvas->SetBkMode(TRANSPARENT);
    Canvas->TextOut(origin.Left, origin.Top, text);
    Canvas->Font()->SetOrientation(oldOrientation);
    if (FixedRows() > 0 && ShowsSortGlyph(ACol, ARow) && p->sortSettings->Column() == ACol)
        DrawSortIndicator(Canvas, ACol, r.Right - 10, r.Top + 8, 0);
}

void TExStringGrid::drawProgressCell(TCanvas* Canvas, int ACol, int ARow, const TCellGraphic& g, const TRect& r)
{
    const TControlLook& look = *p->controlLook;
    const TRect bar = Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
    const TColor fill = refColor(g.CellBitmap, clHighlight);
    const TColor rest = refColor(g.CellIcon, clWindow);
    const TColor fillText = g.CellBoolean ? TColor(g.CellIndex) : TColor(ColorToRGB(fill) ^ 0xFFFFFF);
    const TColor restText = g.CellBoolean ? TColor(g.CellAngle) : TColor(ColorToRGB(rest) ^ 0xFFFFFF);
    DrawCellProgressBar(Canvas, bar, fill, fillText, rest, restText, cellNumber(*this, ACol, ARow),
                        look.ProgressMarginX(), look.ProgressMarginY(), g.CellErrFrom, g.CellErrLen, g.CellText,
                        look.ProgressBorderColor(), false);
}

void TExStringGrid::drawLevelProgressCell(TCanvas* Canvas, int ACol, int ARow, const TCellGraphic& g, const TRect& r)
{
    const TControlLook& look = *p->controlLook;
    const TGridProgressAppearance& pa = *p->progressAppearance;
    const TRect bar = Rect(r.Left + look.ProgressMarginX(), r.Top + look.ProgressMarginY(),
                           r.Right - look.ProgressMarginX() - 1, r.Bottom - look.ProgressMarginY() - 1);
    TLevelProgressLook lp;
    lp.Level0Color = pa.Level0Color();
    lp.Level0ColorTo = pa.Level0ColorTo();
    lp.Level1Color = pa.Level1Color();
    lp.Level1ColorTo = pa.Level1ColorTo();
    lp.Level2Color = pa.Level2Color();
    lp.Level2ColorTo = pa.Level2ColorTo();
    lp.Level3Color = pa.Level3Color();
    lp.Level3ColorTo = pa.Level3ColorTo();
    lp.Level1Perc = pa.Level1Perc();
    lp.Level2Perc = pa.Level2Perc();
    lp.ShowBorder = pa.ShowBorder();
    lp.BorderColor = pa.BorderColor();
    lp.Stacked = pa.Stacked();
    lp.ShowPercentage = pa.ShowPercentage();
    lp.CompletionSmooth = pa.CompletionSmooth();
    lp.ShowGradient = pa.ShowGradient();
    lp.Steps = pa.Steps();
    lp.CompleteFontColor = pa.CompleteFontColor();
    lp.Font = &Font();
    lp.BackgroundColor = pa.UnCompleteColor() != clNone ? pa.UnCompleteColor() : Canvas->Brush()->Color();
    int value = 0;
    cellInteger(*this, ACol, ARow, value);
    DrawCellLevelProgress(Canvas, bar, LevelProgressPercentage(value, g.CellErrFrom, g.CellErrLen), lp);
}

void TExStringGrid::drawCommentMark(TCanvas* Canvas, const TCellGraphic& g, const TRect& cell)
{
    const TColor lookColor = p->controlLook->CommentColor();
    if (lookColor == clNone)
        return;
    const TColor color = TColor(g.CellIndex) == clNone ? lookColor : TColor(g.CellIndex);
    Canvas->Pen()->SetColor(color);
    Canvas->Brush()->SetColor(color);
    Canvas->Polygon({{cell.Right - 7, cell.Top}, {cell.Right - 2, cell.Top}, {cell.Right - 2, cell.Top + 5}});
    Canvas->Brush()->SetColor(Color());
}

// A push button, a button with a picture or the expand chevron. The drawn
// button's offset from the cell's top-left corner goes into CellValue, where
// the mouse handling finds it.
void TExStringGrid::drawButtonCell(TCanvas* Canvas, int ACol, int ARow, TCellGraphic& g, const TRect& box,
                                   bool editable)
{
    const TControlLook& look = *p->controlLook;
    const TRect cell = CellRect(RealToDisplayCol(ACol), ARow);
    g.CellValue = double(box.Left - cell.Left) + 65536.0 * double(box.Top - cell.Top);
    const bool hot = p->move.hoverButton.X == RealToDisplayCol(ACol) && p->move.hoverButton.Y == ARow;
    int state = g.CellBoolean ? ButtonStatePressed : hot ? ButtonStateHot : ButtonStateNormal;
    if (!editable && !look.NoDisabledButtonLook() && g.CellType != ctExpand)
        state = ButtonStateDisabled;
    const bool custom = p->flat && p->tones.Background.BrushColor != clNone;
    const int style = custom ? ButtonStyleCustom : look.FlatButton() ? ButtonStyleFlat : ButtonStyleClassic;
    DrawButtonFace(Canvas, this, box, style, state, p->tones);
    const int shift = g.CellBoolean ? 1 : 0;
    if (g.CellType == ctExpand) {
        const int x = box.Right + shift;
        const int y = box.Top + shift;
        Canvas->Pen()->SetColor(clBlack);
        Canvas->Pen()->SetWidth(1);
        const bool expanded = g.CellVar.toBool();
        Canvas->MoveTo(x - 10, y + (expanded ? 8 : 5));
        Canvas->LineTo(x - 7, y + (expanded ? 5 : 8));
        Canvas->LineTo(x - 3, y + (expanded ? 9 : 4));
        return;
    }
    TRect text = Rect(box.Left + 1 + shift, box.Top + shift, box.Right + shift, box.Bottom + shift);
    if (const TGraphic* glyph = g.CellType == ctBitButton ? refGraphic(g.CellBitmap) : nullptr) {
        const int gy = glyph->Height() > box.Height() ? box.Top + 3 : box.Top + (box.Height() - glyph->Height()) / 2;
        const bool beside = !g.CellText.isEmpty() || glyph->Width() + 6 > box.Width();
        const int gx = beside ? box.Left + 3 : box.Left + (box.Width() - glyph->Width()) / 2;
        if (const auto* b = dynamic_cast<const TBitmap*>(glyph))
            DrawTransparentPicture(Canvas, *b, gx + shift, gy + shift);
        else
            Canvas->Draw(gx + shift, gy + shift, glyph);
        if (beside)
            text.Left = gx + glyph->Width() + 4 + shift;
    }
    if (g.CellText.isEmpty())
        return;
    unsigned flags = DT_CENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
    flags |= g.CellText.contains(u'\n') || g.CellText.contains(u'\r') ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER;
    if (custom)
        Canvas->Font()->SetColor(ButtonStateTone(p->tones, state).TextColor);
    Canvas->SetBkMode(TRANSPARENT);
    DrawText(Canvas, g.CellText, text, flags);
}

void TExStringGrid::drawRating(TCanvas* Canvas, int ACol, int ARow, const TCellGraphic& g, const TRect& box)
{
    const double value = std::trunc(cellNumber(*this, ACol, ARow) * 2) / 2;
    const int whole = static_cast<int>(std::floor(value));
    const bool half = value - whole > 0.25;
    const TColor reached = TColor(g.CellIndex);
    const TColor empty = refColor(g.CellBitmap, clSilver);
    for (int i = 0; i < g.CellAngle; ++i) {
        const int x = box.Left + i * 18;
        const TColor color = i < whole ? reached : empty;
        DrawCellShape(Canvas, x, box.Top, 16, 16, csStar, color, color);
        if (i == whole && half)
            DrawCellShape(Canvas, x, box.Top, 16, 16, csHalfStar, reached, reached);
    }
}

// The node button of a node row with its tree lines. I is the row's node
// indentation, N the indentation of one level.
void TExStringGrid::drawNodeButton(TCanvas* Canvas, int ARow, const TCellGraphic& g, const TRect& cell,
                                   TGridDrawState AState)
{
    const TCellNode& node = *p->cellNode;
    const int N = node.NodeIndent();
    const int I = RowNodeIndent(ARow);
    const bool collapsed = g.CellBoolean;
    const int midY = cell.Top + cell.Height() / 2;
    if (node.ShowTree() && ARow >= FixedRows()) {
        Canvas->Pen()->SetColor(node.TreeColor());
        Canvas->Pen()->SetWidth(1);
        const int x = cell.Left + I - N + N / 2 + 2;
        const bool nextExists = ARow + 1 < RowCount();
        const int nextIndent = nextExists ? RowNodeIndent(ARow + 1) : 0;
        if (nextExists && nextIndent > 0 && !(collapsed && nextIndent < I)) {
            Canvas->MoveTo(x, midY);
            Canvas->LineTo(x, cell.Bottom);
        }
        if (ARow > 0 && RowNodeIndent(ARow - 1) >= I) {
            Canvas->MoveTo(x, cell.Top);
            Canvas->LineTo(x, cell.Top + 6);
        }
    }
    const int left = cell.Left + I - N / 2 - 4;
    TColor background = Canvas->Brush()->Color();
    if (background == clNone)
        background = FixedCols() > 0 ? FixedColor() : Color();
    if (ShowSelection() && AState.testFlag(gdSelected))
        background = p->selectionColor != clNone ? p->selectionColor : clHighlight;
    switch (node.NodeType()) {
    case cnLeaf:
        DrawResourceBitmapTransparent(Canvas, background,
                                      Rect(left, cell.Top + (cell.Height() - 12) / 2, cell.Right, cell.Bottom),
                                      collapsed ? QStringLiteral("ESGLEAFCLOSE") : QStringLiteral("ESGLEAFOPEN"));
        return;
    case cnXP:
        DrawResourceBitmapTransparent(Canvas, background,
                                      Rect(left + 4, cell.Top + (cell.Height() - 10) / 2, cell.Right, cell.Bottom),
                                      collapsed ? QStringLiteral("XPNODEC") : QStringLiteral("XPNODEO"));
        return;
    case cnGlyph:
        if (node.ExpandGlyph() && !node.ExpandGlyph()->Empty() && node.ContractGlyph() &&
            !node.ContractGlyph()->Empty()) {
            const TBitmap& glyph = collapsed ? *node.ContractGlyph() : *node.ExpandGlyph();
            DrawTransparentPicture(Canvas, glyph, left, cell.Top + (cell.Height() - glyph.Height()) / 2);
            return;
        }
        break;
    case cn3D: {
        const TRect area = Rect(left, cell.Top, cell.Right, cell.Bottom);
        Canvas->Brush()->SetColor(node.Color());
        Canvas->FillRect(area);
        drawEdge(Canvas, area, clWhite, clGray);
        break;
    }
    default:
        break;
    }
    const int bl = left + 4;
    const int bt = cell.Top + (cell.Height() - 8) / 2;
    Canvas->Brush()->SetColor(node.Color());
    if (node.NodeType() == cnFlat) {
        Canvas->Pen()->SetColor(node.NodeColor());
        Canvas->Rectangle(bl, bt, bl + 9, bt + 9);
        Canvas->Pen()->SetColor(node.NodeColor());
        Canvas->MoveTo(bl + 2, bt + 4);
        Canvas->LineTo(bl + 7, bt + 4);
        if (collapsed) {
            Canvas->MoveTo(bl + 4, bt + 2);
            Canvas->LineTo(bl + 4, bt + 7);
        }
        return;
    }
    const TRect button = Rect(bl, bt, bl + 8, bt + 8);
    Canvas->FillRect(button);
    drawEdge(Canvas, button, collapsed ? clWhite : clGray, collapsed ? clGray : clWhite);
}

// A one-pixel edge: light on the left and top, dark on the right and bottom.
void TExStringGrid::drawEdge(TCanvas* Canvas, const TRect& r, TColor light, TColor dark)
{
    Canvas->Pen()->SetColor(light);
    Canvas->MoveTo(r.Left, r.Bottom - 1);
    Canvas->LineTo(r.Left, r.Top);
    Canvas->LineTo(r.Right - 1, r.Top);
    Canvas->Pen()->SetColor(dark);
    Canvas->LineTo(r.Right - 1, r.Bottom - 1);
    Canvas->LineTo(r.Left - 1, r.Bottom - 1);
}
