// Where the current cell goes when an edit ends: appending a row at the end
// of the grid.

#include "grid/engine/ExGridPrivate.h"

// A new last row starts empty; with a footer below the data the current row
// follows the data row it stood on.
void TExStringGrid::AutoAppendRow()
{
    if (!QueryCanAddRow())
        return;
    const bool floating = p->floatingFooter->Visible();
    if (floating) {
        const int footer = RowCount() - 1;
        QStringList texts;
        for (int c = 0; c < ColCount() + NumHiddenColumns(); ++c)
            texts << Cells(c, footer);
        AddRowAtEnd();
        ClearRows(footer, 1);
        for (int c = 0; c < texts.size(); ++c)
            SetCells(c, RowCount() - 1, texts[c]);
    } else {
        AddRowAtEnd();
        ClearRows(RowCount() - 1, 1);
    }
    if (floating || p->fixedFooters > 0)
        SetRow(Row() + 1);
    if (floating)
        CalcFooter(-1);
    if (OnAutoAddRow)
        OnAutoAddRow(this, RowCount() - p->fixedFooters - 1);
}
