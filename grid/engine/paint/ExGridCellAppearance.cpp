// The appearance of single cells and rows, controls embedded in cells, the
// zoom, the scroll range that follows a cell's text, and the cells reached by
// original column (through ColumnPosition) or unsorted row (through SortXRef).
// Reading a cell setting never creates the cell's properties, except WordWraps.

#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/util/ExUtilClipboard.h"

#include <QtWidgets/QTextEdit>

#include <algorithm>

namespace {

// A setting of a cell's properties, or Fallback when the cell has none; no
// properties are created.
template <typename T, typename Read>
T readCell(const TExStringGrid& grid, int ACol, int ARow, T Fallback, Read read)
{
    if (!grid.HasCellProperties(ACol, ARow))
        return Fallback;
    return read(*const_cast<TExStringGrid&>(grid).CellProperties(ACol, ARow));
}

}  // namespace

void TExStringGrid::repaintRealCell(int ACol, int ARow)
{
    if (p->updateCount == 0)
        RepaintCell(DisplColIndex(ACol), ARow);
}

template <typename Write>
void TExStringGrid::writeCellProperty(int ACol, int ARow, Write write)
{
    write(*CellProperties(ACol, ARow));
    repaintRealCell(ACol, ARow);
}

// ---- per-cell settings -------------------------------------------------------------------

#define CELL_PROPERTY(Type, Arg, Name, Getter, Setter, Fallback)                                              \
    Type TExStringGrid::Name(int ACol, int ARow) const                                                         \
    {                                                                                                          \
        return readCell<Type>(*this, ACol, ARow, Fallback, [](TCellProperties& c) { return c.Getter(); });     \
    }                                                                                                          \
    void TExStringGrid::Set##Name(int ACol, int ARow, Arg Value)                                               \
    {                                                                                                          \
        writeCellProperty(ACol, ARow, [&Value](TCellProperties& c) { c.Setter(Value); });                     \
    }

CELL_PROPERTY(TColor, TColor, Colors, BrushColor, SetBrushColor, clNone)
CELL_PROPERTY(TColor, TColor, ColorsTo, BrushColorTo, SetBrushColorTo, clNone)
CELL_PROPERTY(TCellGradientDirection, TCellGradientDirection, Gradients, GradientDirection, SetGradientDirection,
              GradientVertical)
CELL_PROPERTY(TColor, TColor, FontColors, FontColor, SetFontColor, clNone)
CELL_PROPERTY(TFontStyles, TFontStyles, FontStyles, FontStyle, SetFontStyle, TFontStyles())
CELL_PROPERTY(int, int, FontSizes, FontSize, SetFontSize, 0)
CELL_PROPERTY(QString, const QString&, FontNames, FontName, SetFontName, QString())
CELL_PROPERTY(TAlignment, TAlignment, Alignments, Alignment, SetAlignment, taLeftJustify)
CELL_PROPERTY(bool, bool, ReadOnly, ReadOnly, SetReadOnly, false)

#undef CELL_PROPERTY

// Reading the word wrap gives the cell its properties, which start from the
// grid's word wrap.
bool TExStringGrid::WordWraps(int ACol, int ARow) { return CellProperties(ACol, ARow)->WordWrap(); }

void TExStringGrid::SetWordWraps(int ACol, int ARow, bool Value)
{
    writeCellProperty(ACol, ARow, [Value](TCellProperties& c) { c.SetWordWrap(Value); });
}

void TExStringGrid::SetCellFont(int ACol, int ARow, const TFont* AFont)
{
    if (!AFont)
        return;
    writeCellProperty(ACol, ARow, [AFont](TCellProperties& c) {
        c.SetFontName(AFont->Name());
        c.SetFontSize(AFont->Size());
        c.SetFontStyle(AFont->Style());
        c.SetFontColor(AFont->Color());
    });
}

// ---- rows --------------------------------------------------------------------------------

template <typename Write>
void TExStringGrid::forRowCells(int ARow, Write write)
{
    for (int c = FixedCols(); c < AllColCount(); ++c)
        write(c);
    RepaintRow(ARow);
}

void TExStringGrid::SetRowColor(int ARow, TColor Value)
{
    forRowCells(ARow, [&](int c) {
        if (Value != clNone)
            CellProperties(c, ARow)->SetBrushColor(Value);
        else if (GetCellType(c, ARow) == ctNone)
            FreeCellProperties(c, ARow);
        else if (HasCellProperties(c, ARow))
            CellProperties(c, ARow)->SetBrushColor(clNone);
    });
}

void TExStringGrid::SetRowColorTo(int ARow, TColor Value)
{
    forRowCells(ARow, [&](int c) {
        if (Value != clNone)
            CellProperties(c, ARow)->SetBrushColorTo(Value);
        else
            FreeCellProperties(c, ARow);
    });
}

void TExStringGrid::SetRowFontColor(int ARow, TColor Value)
{
    forRowCells(ARow, [&](int c) {
        if (Value != clNone)
            CellProperties(c, ARow)->SetFontColor(Value);
        else if (Colors(c, ARow) == clNone)
            FreeCellProperties(c, ARow);
    });
}

// ---- texts ----------------------------------------------------------------------------------

int TExStringGrid::LinesInCell(int ACol, int ARow) { return CountTextLines(Cells(ACol, ARow), true); }

QString TExStringGrid::GetCurrentCellText()
{
    const TPoint base = BaseCell(DisplayToRealCol(Col()), Row());
    return Cells(base.X, base.Y);
}

void TExStringGrid::SetCurrentCellEditText(const QString& Value)
{
    const TPoint base = BaseCell(DisplayToRealCol(Col()), Row());
    SetEditText(RealToDisplayCol(base.X), base.Y, Value);
}

void TExStringGrid::Select() { QueryCanSelectCell(Col(), Row()); }

// ---- cells by original column and unsorted row ------------------------------------------------

int TExStringGrid::AllColCount() const { return ColCount() + NumHiddenColumns(); }

int TExStringGrid::AllRowCount() const { return RowCount() + NumHiddenRows(); }

QString TExStringGrid::AllWideCells(int ACol, int ARow) { return AllCells(ACol, ARow); }

void TExStringGrid::SetAllWideCells(int ACol, int ARow, const QString& Value) { SetAllCells(ACol, ARow, Value); }

QString TExStringGrid::OriginalCells(int ACol, int ARow)
{
    const int position = ColumnPosition(ACol);
    return Cells(position >= 0 ? position : ACol, ARow);
}

void TExStringGrid::SetOriginalCells(int ACol, int ARow, const QString& Value)
{
    const int position = ColumnPosition(ACol);
    SetCells(position >= 0 ? position : ACol, ARow, Value);
}

TIntList* TExStringGrid::SortXRef() const { return &p->sortXRef; }

int TExStringGrid::UnSortedRowIndex(int ARow) const
{
    const TIntList& xref = p->sortXRef;
    if (xref.Count() == 0)
        return ARow;
    const int position = xref.IndexOf(ARow);
    return position >= 0 ? position : xref.Count();
}

int TExStringGrid::SortedRowIndex(int ARow) const
{
    const TIntList& xref = p->sortXRef;
    const int row = ARow >= 0 && ARow < xref.Count() ? xref.GetInteger(ARow) : ARow;
    return DisplayToRealRow(row);
}

// The row a row was before sorting; the row itself while the list does not
// reach it.
QString TExStringGrid::GetUnSortedCell(int ACol, int ARow)
{
    const int row = ARow < p->sortXRef.Count() ? UnSortedRowIndex(ARow) : ARow;
    return Cells(ACol, row);
}

void TExStringGrid::SetUnSortedCell(int ACol, int ARow, const QString& Value)
{
    const int row = ARow < p->sortXRef.Count() ? UnSortedRowIndex(ARow) : ARow;
    SetCells(ACol, row, Value);
}

// ---- controls in cells ------------------------------------------------------------------------

QWidget* TExStringGrid::CellControls(int ACol, int ARow) const
{
    return readCell<QWidget*>(*this, ACol, ARow, nullptr, [](TCellProperties& c) { return c.Control(); });
}

void TExStringGrid::SetCellControls(int ACol, int ARow, QWidget* Value)
{
    TControlList& list = *p->controlList;
    const int realRow = DisplayToRealRow(ARow);
    if (CellControls(ACol, ARow)) {
        const int index = list.ControlIndex(ACol, realRow);
        if (index >= 0)
            list.RemoveControl(index);
        CellProperties(ACol, ARow)->SetControl(nullptr);
    }
    if (!Value)
        return;
    list.AddControl(ACol, realRow, Value);
    CellProperties(ACol, ARow)->SetControl(Value);
    Value->setParent(viewport());
    const TRect R = CellRect(DisplColIndex(ACol), ARow);
    Value->setGeometry(R.Left - 1, R.Top - 1, R.Width() + 1, R.Height() + 1);
}

// ---- zoom ----------------------------------------------------------------------------------

void TExStringGrid::Zoom(int Step)
{
    const int zoom = p->zoomFactor + Step;
    if (zoom < -10 || zoom > 10)
        return;
    SetScrollLock(true);
    p->zoomFactor = zoom;
    const auto grown = [Step](int size) { return size > 0 && size + Step > 0 ? size + Step : size; };
    for (int c = 0; c < ColCount(); ++c)
        SetColWidths(c, grown(ColWidths(c)));
    for (int r = 0; r < RowCount(); ++r)
        SetRowHeights(r, grown(RowHeights(r)));
    SetScrollLock(false);
    if (p->scrollProportional) {
        UpdateVertProportionalBar();
        UpdateHorzProportionalBar();
    }
    Invalidate();
}

// A cell's scroll bar with automatic range follows the text written into it.
void TExStringGrid::CellContentChanged(int ACol, int ARow)
{
    TBaseGrid::CellContentChanged(ACol, ARow);
    if (!HasAutoRangeScrollBar(ACol, ARow))
        return;
    const int height = RowHeights(ARow);
    const int range = GetCellTextSize(ACol, ARow, true, false).cy;
    SetScrollProp(ACol, ARow, TScrollProp{height, range});
    if (QScrollBar* bar = CellScrollBarWithAutoRange(ACol, ARow)) {
        bar->setPageStep(height);
        bar->setRange(0, std::max(0, range - height));
    }
}
