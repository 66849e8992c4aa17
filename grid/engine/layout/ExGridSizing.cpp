// Sizing: column widths and row heights from the cells' content or from the
// control's size, the stretch column, scaling all columns or rows after a
// mouse sizing, the reactions to changed widths, heights and counts, the
// sizing border test and the placement of rotated text.
//
// A stretch column that no longer exists stretches the last one on the automatic
// paths (count, width and size changes, the form's resize); only a direct call
// with a wrong index raises. A width or height change that ends a mouse sizing
// scales all columns or rows (AllColumnSize, AllRowSize), raises OnEndColumnSize
// and applies AdjustColumnSize. Fitting a column measures check boxes and radio
// buttons by their kind.

#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/util/ExUtilClipboard.h"
#include "grid/foundation/util/ExUtilNumber.h"
#include "platform/grid/InplaceEdit.h"
#include "platform/ui/paint/Canvas.h"

#include <QtCore/QCoreApplication>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The sort glyph, an always-visible combo button and the filter button take
// this much room beside a measured text.
constexpr int SortGlyphRoom = 10;
constexpr int ComboButtonRoom = 16;
constexpr int FilterButtonRoom = 12;
constexpr int SizingBorderBand = 4;
// The system's vertical scroll bar width.
constexpr int VerticalBarWidth = 17;

bool IsCheckKind(TCellType kind)
{
    return kind == ctCheckBox || kind == ctDataCheckBox || kind == ctVirtCheckBox || kind == ctRowCheckBox ||
           kind == ctTriStateCheckBox;
}

}  // namespace

// ---- margins and limits ---------------------------------------------------------------

int TExStringGrid::HorizontalCellMargin() const
{
    return XYOffsetTopLeftOnly() ? p->xyOffset.X : 2 * p->xyOffset.X;
}

int TExStringGrid::VerticalCellMargin() const
{
    return XYOffsetTopLeftOnly() ? p->xyOffset.Y : 2 * p->xyOffset.Y;
}

void TExStringGrid::UpdateXYOffset(int X, int Y) { p->xyOffset = TPoint{X, Y}; }

void TExStringGrid::AdjustColumnSize(int ACol, int& AWidth)
{
    if (OnUpdateColumnSize)
        OnUpdateColumnSize(this, ACol, AWidth);
}

void TExStringGrid::AdjustAutoColumnSize(int ACol, int& AWidth)
{
    if (OnUpdateColumnSize)
        OnUpdateColumnSize(this, ACol, AWidth);
}

// The room a cell's graphic takes beside or above its text. The check boxes
// and radio buttons are known by the cell's kind; pictures and the other
// graphics measure themselves once the cells carry them.
TSize TExStringGrid::sizingGraphicSize(int ACol, int ARow)
{
    const TCellType kind = GetCellType(ACol, ARow);
    if (IsCheckKind(kind))
        return TSize{p->controlLook->CheckSize(), p->controlLook->CheckSize()};
    if (kind == ctRadioButton)
        return TSize{p->controlLook->RadioSize(), p->controlLook->RadioSize()};
    return TSize{};
}

// ---- columns ------------------------------------------------------------------------------

void TExStringGrid::FitColumnWidth(int ACol, bool GrowOnly)
{
    int first = 0;
    int last = RowCount() - 1;
    switch (p->columnSize->Rows()) {
    case arAll: break;
    case arNormal:
        first = FixedRows();
        last = RowCount() - p->fixedFooters - 1;
        break;
    case arFixed: last = FixedRows() - 1; break;
    }
    const int realCol = DisplayToRealCol(ACol);
    const bool dropDownShown = p->controlLook->DropDownAlwaysVisible();
    const bool sortColumn = ACol == p->sortSettings->Column();
    int widest = 0;
    for (int r = first; r <= last; ++r) {
        if (IsXMergedCell(ACol, r))
            continue;
        int w = sizingGraphicSize(realCol, r).cx + MeasureCellText(realCol, ACol, r, false, false).cx;
        if (dropDownShown && QueryHasComboBox(ACol, r))
            w += ComboButtonRoom;
        if (p->filterDropDownAuto && r == FilterDropDownRow() && BuildColumnFilterList(ACol))
            w += FilterButtonRoom;
        if (sortColumn && ShowsSortGlyph(ACol, r))
            w += SortGlyphRoom;
        widest = std::max(widest, w);
    }
    int width = widest + HorizontalCellMargin() + 2 * (GridLineWidth() + 1);
    if (GrowOnly && ColWidths(ACol) >= width)
        return;
    AdjustAutoColumnSize(ACol, width);
    SetColWidths(ACol, ClampToLimits(width, p->minColWidth, p->maxColWidth));
}

void TExStringGrid::AutoSizeCol(int ACol, int Padding)
{
    FitColumnWidth(ACol, p->sizeGrowOnly);
    if (Padding != 0)
        SetColWidths(ACol, ClampToLimits(ColWidths(ACol), p->minColWidth, p->maxColWidth) + Padding);
}

void TExStringGrid::AutoSizeColumns(bool DoFixedCols, int Padding)
{
    const int first = DoFixedCols ? 0 : FixedCols();
    const int last = DoFixedCols ? ColCount() - 1 : ColCount() - p->fixedRightCols - 1;
    for (int c = first; c <= last; ++c) {
        AutoSizeCol(c, 0);
        if (Padding != 0)
            SetColWidths(c, ClampToLimits(ColWidths(c) + Padding, p->minColWidth, p->maxColWidth));
    }
}

// ---- rows ---------------------------------------------------------------------------------

void TExStringGrid::FitRowHeight(int ARow, bool GrowOnly, int Padding)
{
    (void)Padding; // the graphics that keep room for text measure with it
    const bool watchEditor =
        EditorMode() && p->sizeWhileTyping->Height() && VisibleRowCount() == RowCount();
    int highest = 0;
    for (int c = 0; c < ColCount(); ++c) {
        if (IsYMergedCell(c, ARow))
            continue;
        const int realCol = DisplayToRealCol(c);
        if (IsIgnoredColumn(realCol))
            continue;
        const TCellType kind = GetCellType(realCol, ARow);
        int t = MeasureCellText(realCol, c, ARow, WordWrap(), false).cy;
        const int g = sizingGraphicSize(realCol, ARow).cy;
        if ((kind == ctDataCheckBox || kind == ctVirtCheckBox) && g > 0)
            t = 0;
        int h = t + g;
        if (IsMergedNonBaseCell(c, ARow))
            h = 0;
        if (kind == ctCheckBox || kind == ctDataCheckBox || kind == ctVirtCheckBox || kind == ctRadioButton)
            h = DefaultRowHeight();
        highest = std::max(highest, h);
    }
    const int height = VerticalCellMargin() + highest + 2 * GridLineWidth() + (XYOffsetTopLeftOnly() ? 2 : 0);
    if (!(GrowOnly && RowHeights(ARow) >= height))
        SetRowHeights(ARow, ClampToLimits(height, p->minRowHeight, p->maxRowHeight));
    if (watchEditor && VisibleRowCount() != RowCount()) {
        ShowInplaceEdit();
        if (TInplaceEdit* editor = InplaceEditor())
            editor->setCursorPosition(int(editor->text().size()));
    }
}

void TExStringGrid::AutoSizeRow(int ARow, int Padding)
{
    FitRowHeight(ARow, p->sizeGrowOnly, Padding);
    if (Padding != 0)
        SetRowHeights(ARow, ClampToLimits(RowHeights(ARow), p->minRowHeight, p->maxRowHeight) + Padding);
}

int TExStringGrid::MaxLinesInRow(int ARow)
{
    if (!Multilinecells())
        return 1;
    int lines = 1;
    for (int c = 0; c < ColCount(); ++c)
        lines = std::max(lines, CountTextLines(Cells(DisplayToRealCol(c), ARow), true));
    return lines;
}

void TExStringGrid::SetRowHeightForLines(int ARow, int Lines, int Padding)
{
    TMeasureCanvas::Lease canvas(p->measureCanvas);
    canvas->Font()->Assign(Font());
    QueryCellColor(FixedCols(), ARow, TGridDrawState(), canvas->Brush(), canvas->Font());
    const int h = canvas->TextHeight(QStringLiteral("gh"));
    SetRowHeights(ARow, ClampToLimits(Padding + Lines * (h + h / 8), p->minRowHeight, p->maxRowHeight));
}

void TExStringGrid::AutoSizeRows(bool DoFixedRows, int Padding)
{
    if (RowCount() == 0)
        return;
    const int first = DoFixedRows ? 0 : FixedRows();
    ExportNotification(0, first);
    for (int r = first; r < RowCount(); ++r) {
        ExportNotification(5, r);
        if (WordWrap()) {
            AutoSizeRow(r, 0);
            if (Padding != 0)
                SetRowHeights(r, ClampToLimits(RowHeights(r) + Padding, p->minRowHeight, p->maxRowHeight));
        } else {
            SetRowHeightForLines(r, MaxLinesInRow(r), Padding);
        }
    }
    ExportNotification(2, -1);
    ApplyScrollBarAlways(true);
}

// ---- columns and rows together -------------------------------------------------------------
// Rows only grow; columns shrink to their widest cell unless SizeGrowOnly.

void TExStringGrid::AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY)
{
    TUpdateBatch batch(*this);
    const int firstCol = DoFixedCells ? 0 : FixedCols();
    const int firstRow = DoFixedCells ? 0 : FixedRows();
    for (int c = firstCol; c < ColCount(); ++c) {
        const int realCol = DisplayToRealCol(c);
        int running = p->sizeGrowOnly ? ColWidths(c) : 0;
        for (int r = firstRow; r < RowCount(); ++r) {
            const TSize g = sizingGraphicSize(realCol, r);
            const TSize t = MeasureCellText(realCol, c, r, false, false);
            int w = t.cx + g.cx + PaddingX + p->xyOffset.X;
            int h = t.cy + g.cy + PaddingY + p->xyOffset.Y;
            if (!IsXMergedCell(c, r) && w > running) {
                w = ClampToLimits(w, p->minColWidth, p->maxColWidth);
                if (w > running) {
                    SetColWidths(c, w);
                    running = w;
                }
            }
            if (!IsYMergedCell(c, r) && h > RowHeights(r)) {
                h = ClampToLimits(h, p->minRowHeight, p->maxRowHeight);
                if (h > RowHeights(r))
                    SetRowHeights(r, h);
            }
        }
    }
}

// ---- fitting the control's width -------------------------------------------------------------

void TExStringGrid::AutoFitColumns(bool DoFixedCells)
{
    const bool barShown = p->scrollBarAlways == saVert ||
                          (ScrollBars() != ssNone && VisibleRowCount() + FixedRows() < RowCount());
    const int V = barShown ? VerticalBarWidth : 0;
    const int Bd = frameWidth() > 0 ? 2 * frameWidth() : 0;
    const int rightFixed = std::min(p->fixedRightCols, ColCount());
    int first = 0;
    int last = ColCount() - 1;
    int available = Width();
    if (!DoFixedCells) {
        first = FixedCols();
        last = ColCount() - rightFixed - 1;
        for (int c = 0; c < FixedCols(); ++c)
            available -= ColWidths(c);
        for (int c = last + 1; c < ColCount(); ++c)
            available -= ColWidths(c);
    }
    int lines = 0;
    if (Options().testFlag(goVertLine))
        lines = GridLineWidth() * (ColCount() - FixedCols() - rightFixed);
    if (Options().testFlag(goFixedVertLine) && DoFixedCells)
        lines += FixedCols() + rightFixed;

    if (ColCount() < 2) {
        SetColWidths(0, Width() - V - 5);
        return;
    }
    int sum = 0;
    for (int c = first; c <= last; ++c)
        sum += ColWidths(c);
    // widths that are all 0 cannot be scaled
    if (sum == 0 || sum == available - V - Bd)
        return;
    const double f = double(available - V - Bd - lines) / sum;
    int total = 0;
    for (int c = first; c <= last; ++c)
        total += RoundToEven(ColWidths(c) * f);
    for (int c = first; c <= last; ++c)
        SetColWidths(c, RoundToEven(double(ColWidths(c)) * total / sum));

    int widths = 0;
    int widest = first;
    for (int c = first; c <= last; ++c) {
        widths += ColWidths(c);
        if (ColWidths(c) > ColWidths(widest))
            widest = c;
    }
    int rest = available - (widths + V + Bd);
    const int n = last - first + 1;
    if (n >= 2 && rest > n) {
        for (int c = first; c <= last; ++c)
            SetColWidths(c, ColWidths(c) + rest / n);
        rest %= n;
    }
    SetColWidths(widest, ColWidths(widest) + rest);
}

void TExStringGrid::SizeToCols()
{
    int sum = 0;
    for (int c = 0; c < ColCount(); ++c)
        sum += ColWidths(c);
    SetWidth(sum + Width() - ClientWidth());
}

void TExStringGrid::SizeToRows()
{
    int sum = 0;
    for (int r = 0; r < RowCount(); ++r)
        sum += RowHeights(r);
    SetHeight(sum + Height() - ClientHeight());
}

void TExStringGrid::SizeToCells()
{
    const TScrollStyle bars = ScrollBars();
    SetScrollBars(ssNone);
    SizeToCols();
    SizeToRows();
    SetScrollBars(bars);
}

// ---- the stretch column ----------------------------------------------------------------------

void TExStringGrid::StretchRightColumn() { ApplyColumnStretch(ColCount() - 1); }

void TExStringGrid::ApplyColumnStretch(int Index)
{
    if (p->loading || p->destroying || QCoreApplication::closingDown())
        return;
    if (Index < -1 || Index >= ColCount())
        throw EExGridError(QStringLiteral("Stretch column index out of range"));
    TExGridScrollState& s = p->scroll;
    if (ColCount() == 0 || !p->columnSize->Stretch() || s.stretchInProgress)
        return;
    if (Index == -1)
        Index = ColCount() - 1;
    TScopedFlag inProgress(s.stretchInProgress, true);
    TScopedFlag allowed(s.stretchAllowed, false);
    if (ColCount() == 1) {
        SetColWidths(0, ClientWidth());
        return;
    }
    int others = 0;
    for (int c = 0; c < ColCount(); ++c)
        if (c != Index)
            others += ColWidths(c);
    if (others < ClientWidth())
        SetColWidths(Index, ClientWidth() - others - 1);
    else if (LeftCol() == FixedCols())
        SetColWidths(Index, DefaultColWidth());
}

// Width, count and size changes stretch the last column when the chosen one
// no longer exists, instead of raising from inside a resize.
void TExStringGrid::applyAutomaticStretch()
{
    if (!p->columnSize->Stretch())
        return;
    const int index = p->columnSize->StretchColumn();
    ApplyColumnStretch(index >= -1 && index < ColCount() ? index : -1);
}

// ---- reactions to changed sizes and counts ----------------------------------------------------

void TExStringGrid::noteMouseSizingEnded(TGridState State)
{
    TExGridScrollState& s = p->scroll;
    const TExGridPressState& ps = p->press;
    if (State == gsColSizing) {
        s.colSizingEnded = true;
        s.sizedCol = ps.colClicked;
        s.sizedColStart = ps.colClickedSize;
    } else if (State == gsRowSizing) {
        s.rowSizingEnded = true;
        s.sizedRow = ps.rowClicked;
        s.sizedRowStart = ps.rowClickedSize;
    }
}

// A release that did not change the size leaves nothing for the next change.
void TExStringGrid::endMouseSizing()
{
    p->scroll.colSizingEnded = false;
    p->scroll.rowSizingEnded = false;
}

// Every other column (row) from the first scrollable one scales as the sized
// one did.
void TExStringGrid::scaleAfterMouseSizing(bool Columns, int Sized, int Start)
{
    const int count = Columns ? ColCount() : RowCount();
    const int first = Columns ? FixedCols() : FixedRows();
    const int now = Columns ? ColWidths(Sized) : RowHeights(Sized);
    for (int i = first; i < count; ++i) {
        if (i == Sized)
            continue;
        if (Columns)
            SetColWidths(i, RoundToEven(double(ColWidths(i)) * now / Start));
        else
            SetRowHeights(i, RoundToEven(double(RowHeights(i)) * now / Start));
    }
}

void TExStringGrid::ColWidthsChanged() { HandleColWidthsChanged(); }
void TExStringGrid::RowHeightsChanged() { HandleRowHeightsChanged(); }

void TExStringGrid::HandleColWidthsChanged()
{
    TExGridScrollState& s = p->scroll;
    if (s.stretchAllowed)
        applyAutomaticStretch();
    if (QueryDesignMode())
        hideScrollHint();
    TBaseGrid::ColWidthsChanged();
    if (s.colSizingEnded) {
        // the changes made here are not mouse sizings
        s.colSizingEnded = false;
        const int col = s.sizedCol;
        if (col >= 0 && col < ColCount()) {
            if (p->mouseActions->AllColumnSize() && s.sizedColStart > 0)
                scaleAfterMouseSizing(true, col, s.sizedColStart);
            if (OnEndColumnSize)
                OnEndColumnSize(this, col);
            int width = ColWidths(col);
            AdjustColumnSize(col, width);
            if (width != ColWidths(col))
                SetColWidths(col, width);
        }
        s.sizedCol = s.sizedRow = -1;
    }
    if (HasCheckBox(Col(), Row()))
        HideInplaceEdit();
    CellControlsUpdate(false);
    updateProportionalBars();
}

void TExStringGrid::HandleRowHeightsChanged()
{
    TExGridScrollState& s = p->scroll;
    if (QueryDesignMode())
        hideScrollHint();
    TBaseGrid::RowHeightsChanged();
    if (s.rowSizingEnded) {
        s.rowSizingEnded = false;
        const int row = s.sizedRow;
        if (row >= 0 && row < RowCount()) {
            if (p->mouseActions->AllRowSize() && s.sizedRowStart > 0)
                scaleAfterMouseSizing(false, row, s.sizedRowStart);
            if (OnEndRowSize)
                OnEndRowSize(this, row);
        }
        s.sizedCol = s.sizedRow = -1;
    }
    if (HasCheckBox(Col(), Row()))
        HideInplaceEdit();
    CellControlsUpdate(false);
    updateProportionalBars();
}

void TExStringGrid::HandleSizeChanged(int OldColCount, int OldRowCount)
{
    const bool react = parentWidget() && !p->loading && !QCoreApplication::closingDown();
    if (react)
        applyAutomaticStretch();
    TBaseGrid::SizeChanged(OldColCount, OldRowCount);
    if (react)
        updateProportionalBars();
}

// ---- the sizing border --------------------------------------------------------------------------

bool TExStringGrid::IsOverSizingBorder(int X, int Y)
{
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < 0 || cell.Y < 0)
        return false;
    const TRect R = CellRect(cell.X, cell.Y);
    bool over = false;
    if (cell.Y <= FixedRows() && Options().testFlag(goColSizing))
        over = X - R.Left < SizingBorderBand || R.Right - X < SizingBorderBand;
    if (cell.X <= FixedCols() && Options().testFlag(goRowSizing))
        over = Y - R.Top < SizingBorderBand || R.Bottom - Y < SizingBorderBand;
    return over;
}

// ---- rotated text ---------------------------------------------------------------------------------

void TExStringGrid::RotatedTextOrigin(TRect& ARect, int Angle, TVAlignment VAlign, TAlignment HAlign,
                                      const QString& Text)
{
    const int w = Canvas()->TextWidth(Text);
    const int h = Canvas()->TextHeight(Text);
    ARect.Left += 2;
    ARect.Top += 2;
    ARect.Right -= 2;
    ARect.Bottom -= 2;
    const double radians = Angle * std::numbers::pi / 180.0;
    const int A = static_cast<int>(std::abs(h * std::cos(radians)));
    const int B = static_cast<int>(std::abs(w * std::sin(radians)));
    const int C = static_cast<int>(std::abs(h * std::sin(radians)));
    const int D = static_cast<int>(std::abs(w * std::cos(radians)));
    AlignRotatedTextRect(ARect, HAlign, VAlign, A, B, C, D, Angle);
}

void TExStringGrid::AlignRotatedTextRect(TRect& ARect, TAlignment HAlign, TVAlignment VAlign, int A, int B, int C,
                                         int D, int Angle)
{
    const int quadrant = Angle <= 90 ? 0 : Angle <= 180 ? 1 : Angle <= 270 ? 2 : 3;
    const int boxWidth = C + D;
    const int boxHeight = A + B;
    int left = ARect.Left;
    if (HAlign == taRightJustify)
        left = ARect.Right - boxWidth;
    else if (HAlign == taCenter)
        left = ARect.Left + (ARect.Right - ARect.Left - boxWidth) / 2;
    int top = ARect.Top;
    if (VAlign == vtaBottom)
        top = ARect.Bottom - boxHeight;
    else if (VAlign == vtaCenter)
        top = ARect.Top + (ARect.Bottom - ARect.Top - boxHeight) / 2;
    const int leftShift[4] = {0, D, C + D, C};
    const int topShift[4] = {B, A + B, A, 0};
    ARect.Left = left + leftShift[quadrant];
    ARect.Top = top + topShift[quadrant];
}
