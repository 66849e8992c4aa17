// The drawing settings the cell store keeps: grid lines, selection style,
// active and hover rows, word wrap and the counters of its painting.

#include "grid/foundation/cellstore/BaseGrid.h"
#include "grid/foundation/cellstore/BaseGridPrivate.h"

// The platform grid's own default drawing and line width stay off: the cell
// store's painter draws the cells and their lines.
bool TBaseGrid::DefaultDrawing() const
{
    return p->defaultDrawing;
}

void TBaseGrid::SetDefaultDrawing(bool value)
{
    p->defaultDrawing = value;
    TCustomGrid::SetDefaultDrawing(false);
}

int TBaseGrid::GridLineWidth() const
{
    return p->gridLineWidth;
}

void TBaseGrid::SetGridLineWidth(int value)
{
    p->gridLineWidth = value;
    TCustomGrid::SetGridLineWidth(0);
    Invalidate();
}

TColor TBaseGrid::GridLineColor() const
{
    return p->gridLineColor;
}

void TBaseGrid::SetGridLineColor(TColor value)
{
    p->gridLineColor = value;
    Invalidate();
}

TColor TBaseGrid::GridFixedLineColor() const
{
    return p->gridFixedLineColor;
}

void TBaseGrid::SetGridFixedLineColor(TColor value)
{
    p->gridFixedLineColor = value;
    Invalidate();
}

TGridSelectionStyle TBaseGrid::SelectionStyle() const
{
    return p->selectionStyle;
}

void TBaseGrid::SetSelectionStyle(TGridSelectionStyle value)
{
    if (p->selectionStyle == value)
        return;
    p->selectionStyle = value;
    Invalidate();
}

namespace {

template <typename T>
bool StoreChanged(T& field, T value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

}  // namespace

bool TBaseGrid::ActiveRowShow() const
{
    return p->activeRowShow;
}

void TBaseGrid::SetActiveRowShow(bool value)
{
    if (StoreChanged(p->activeRowShow, value))
        Invalidate();
}

TColor TBaseGrid::ActiveRowColor() const
{
    return p->activeRowColor;
}

void TBaseGrid::SetActiveRowColor(TColor value)
{
    if (StoreChanged(p->activeRowColor, value))
        Invalidate();
}

TColor TBaseGrid::ActiveRowColorTo() const
{
    return p->activeRowColorTo;
}

void TBaseGrid::SetActiveRowColorTo(TColor value)
{
    if (StoreChanged(p->activeRowColorTo, value))
        Invalidate();
}

TColor TBaseGrid::ActiveRowMirrorColor() const
{
    return p->activeRowMirrorColor;
}

void TBaseGrid::SetActiveRowMirrorColor(TColor value)
{
    if (StoreChanged(p->activeRowMirrorColor, value))
        Invalidate();
}

TColor TBaseGrid::ActiveRowMirrorColorTo() const
{
    return p->activeRowMirrorColorTo;
}

void TBaseGrid::SetActiveRowMirrorColorTo(TColor value)
{
    if (StoreChanged(p->activeRowMirrorColorTo, value))
        Invalidate();
}

bool TBaseGrid::HoverRow() const
{
    return p->hoverRow;
}

void TBaseGrid::SetHoverRow(bool value)
{
    p->hoverRow = value;
}

TColor TBaseGrid::HoverRowColor() const
{
    return p->hoverRowColor;
}

void TBaseGrid::SetHoverRowColor(TColor value)
{
    p->hoverRowColor = value;
}

TColor TBaseGrid::HoverRowColorTo() const
{
    return p->hoverRowColorTo;
}

void TBaseGrid::SetHoverRowColorTo(TColor value)
{
    p->hoverRowColorTo = value;
}

THoverRowCells TBaseGrid::HoverRowCells() const
{
    return p->hoverRowCells;
}

void TBaseGrid::SetHoverRowCells(THoverRowCells value)
{
    p->hoverRowCells = value;
}

bool TBaseGrid::WordWrap() const
{
    return p->wordWrap;
}

void TBaseGrid::SetWordWrap(bool value)
{
    p->wordWrap = value;
}

int TBaseGrid::PaintID() const
{
    return p->paintID;
}

bool TBaseGrid::HasCellProps() const
{
    return p->hasCellProps;
}

void TBaseGrid::SetHasCellProps(bool value)
{
    p->hasCellProps = value;
}

int TBaseGrid::MergeCount() const
{
    return p->mergeCount;
}

int TBaseGrid::NormalRowCount() const
{
    return p->normalRowCount;
}

void TBaseGrid::SetNormalRowCount(int value)
{
    p->normalRowCount = value;
}

bool TBaseGrid::HideLastRow() const
{
    return p->hideLastRow;
}

void TBaseGrid::SetHideLastRow(bool value)
{
    p->hideLastRow = value;
}

bool TBaseGrid::ShowSel() const
{
    return p->showSel;
}

void TBaseGrid::SetShowSel(bool value)
{
    p->showSel = value;
}

int TBaseGrid::HoverRowIdx() const
{
    return p->hoverRowIdx;
}

void TBaseGrid::SetHoverRowIdx(int value)
{
    p->hoverRowIdx = value;
}
