// Cell rectangles (merged ranges and cells holding controls included), sizes of
// the fixed area and cell repaints.

#include "grid/foundation/cellstore/BaseGrid.h"
#include "grid/foundation/cellstore/BaseGridPrivate.h"

#include <QtWidgets/QWidget>

#include <algorithm>

namespace {

TRect UnionOf(const TRect& a, const TRect& b)
{
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

}  // namespace

// The rectangle of a merged range is the union of its base cell and its far
// corner cell; a zero-width end still counts one pixel so that the union spans it.
TRect TBaseGrid::CellRect(int c, int r) const
{
    if (const TCellProperties* props = HasCellProperties(c, r) ? propertiesAt(c, r) : nullptr) {
        if (props->CellSpanX() != -1 || props->CellSpanY() != -1) {
            const TGridRect range = FullCell(c, r);
            TRect base = ComputeCellRect(range.Left, range.Top);
            TRect corner = ComputeCellRect(range.Right, range.Bottom);
            if (base.Right == base.Left)
                ++base.Right;
            if (corner.Right == corner.Left)
                --corner.Left;
            return UnionOf(base, corner);
        }
        if (props->Control())
            return ComputeCellRect(c, r);
    }
    TRect rect = TCustomGrid::CellRect(c, r);
    if (c >= 0 && r >= 0 && c < ColCount() && r < RowCount()) {
        rect.Right = rect.Left + ColWidths(c);
        rect.Bottom = rect.Top + RowHeights(r);
    }
    return rect;
}

TRect TBaseGrid::ComputeCellRect(int c, int r) const
{
    int left = 0;
    for (int i = 0; i < c; ++i)
        left += ColWidths(i);
    int top = 0;
    for (int i = 0; i < r; ++i)
        top += RowHeights(i);
    if (c >= FixedCols())
        for (int i = FixedCols(); i < LeftCol(); ++i)
            left -= ColWidths(i);
    if (r >= FixedRows())
        for (int i = FixedRows(); i < TopRow(); ++i)
            top -= RowHeights(i);
    const TRect origin = TCustomGrid::CellRect(LeftCol(), TopRow());
    const int offsetLeft = c < FixedCols() ? 0 : origin.Left - FixedColsWidth();
    const int offsetTop = r < FixedRows() ? 0 : origin.Top - FixedRowsHeight();
    left += offsetLeft;
    top += offsetTop;
    return {left, top, left + ColWidths(c), top + RowHeights(r)};
}

TPoint TBaseGrid::CellSize(int c, int r) const
{
    TRect rect = IsMergedCell(c, r) ? CellRect(c, r) : ComputeCellRect(c, r);
    return {rect.Right - rect.Left, rect.Bottom - rect.Top};
}

void TBaseGrid::RepaintCell(int c, int r)
{
    const TRect rect = CellRect(c, r);
    if (rect.Right > rect.Left && rect.Bottom > rect.Top)
        viewport()->update(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top);
}

int TBaseGrid::FixedColsWidth() const
{
    int width = 0;
    for (int i = 0; i < FixedCols(); ++i)
        width += ColWidths(i);
    return width;
}

int TBaseGrid::FixedRowsHeight() const
{
    int height = 0;
    for (int i = 0; i < FixedRows(); ++i)
        height += RowHeights(i);
    return height;
}
