// The drawing settings of the grid and whether a row shows the sort indicator.

#include "grid/engine/ExGridPrivate.h"

GRID_REPAINTING_PROPERTY(bool, bool, URLShow, render->urlShow)
GRID_REPAINTING_PROPERTY(bool, bool, URLFull, render->urlFull)
GRID_STORED_PROPERTY(bool, bool, URLUnderlineOnHover, render->urlUnderlineOnHover)
GRID_REPAINTING_PROPERTY(bool, bool, EnhTextSize, render->enhTextSize)
GRID_REPAINTING_PROPERTY(bool, bool, Multilinecells, render->multilineCells)
GRID_REPAINTING_PROPERTY(bool, bool, XYOffsetTopLeftOnly, render->xyOffsetTopLeftOnly)
GRID_REPAINTING_PROPERTY(bool, bool, NoDefaultDraw, render->noDefaultDraw)
GRID_REPAINTING_PROPERTY(bool, bool, NoImageAndText, render->noImageAndText)
GRID_REPAINTING_PROPERTY(bool, bool, HideFocusRect, render->hideFocusRect)
GRID_REPAINTING_PROPERTY(bool, bool, SelectionRectangle, render->selectionRectangle)
GRID_REPAINTING_PROPERTY(TColor, TColor, SelectionRectangleColor, render->selectionRectangleColor)
GRID_REPAINTING_PROPERTY(bool, bool, SelectionResizer, render->selectionResizer)
GRID_STORED_PROPERTY(TIntelliPan, TIntelliPan, IntelliPan, render->intelliPan)
GRID_REPAINTING_PROPERTY(int, int, FilterDropDownRow, render->filterDropDownRow)

bool TExStringGrid::ShowsSortGlyph(int ACol, int ARow)
{
    const TSortSettings& sort = *p->sortSettings;
    int row = ARow;
    if (IsMergedCell(ACol, ARow)) {
        const TPoint base = BaseCell(ACol, ARow);
        row = base.Y + CellSpan(base.X, base.Y).Y;
    }
    return row == sort.Row() && sort.Show() && RowCount() > FixedRows() + 1;
}
