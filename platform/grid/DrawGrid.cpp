#include "platform/grid/DrawGrid.h"

TCustomDrawGrid::TCustomDrawGrid(QWidget* parent) : TCustomGrid(parent) {}

void TCustomDrawGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    if (OnDrawCell)
        OnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TCustomDrawGrid::SelectCell(int ACol, int ARow)
{
    bool canSelect = true;
    if (OnSelectCell)
        OnSelectCell(this, ACol, ARow, canSelect);
    return canSelect;
}

QString TCustomDrawGrid::GetEditMask(int ACol, int ARow)
{
    QString value;
    if (OnGetEditMask)
        OnGetEditMask(this, ACol, ARow, value);
    return value;
}

QString TCustomDrawGrid::GetEditText(int ACol, int ARow)
{
    QString value;
    if (OnGetEditText)
        OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TCustomDrawGrid::SetEditText(int ACol, int ARow, const QString& Value)
{
    if (OnSetEditText)
        OnSetEditText(this, ACol, ARow, Value);
}

void TCustomDrawGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    if (OnColumnMoved)
        OnColumnMoved(this, FromIndex, ToIndex);
}

void TCustomDrawGrid::RowMoved(int FromIndex, int ToIndex)
{
    if (OnRowMoved)
        OnRowMoved(this, FromIndex, ToIndex);
}

void TCustomDrawGrid::TopLeftChanged()
{
    if (OnTopLeftChanged)
        OnTopLeftChanged(this);
}

TDrawGrid::TDrawGrid(QWidget* parent) : TCustomDrawGrid(parent) {}
