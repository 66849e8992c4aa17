// Check boxes in cells. A data check box keeps its state in the cell text: it
// is checked exactly when the text equals the cell's check-true text (case and
// blanks count); setting writes the check-true or check-false text through the
// ordinary text setter, so change hooks and undo see a plain text change, and
// toggling writes the check-true text unless the cell already holds it.

#include "grid/engine/ExGridPrivate.h"
#include "platform/ui/Canvas.h"

#include <QtGui/QImage>

bool TExStringGrid::HasCheckBox(int ACol, int ARow)
{
    return HasGraphicOfKind(ACol, ARow, {ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox});
}

bool TExStringGrid::HasDataCheckBox(int ACol, int ARow)
{
    return HasGraphicOfKind(ACol, ARow, {ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox});
}

TCheckBoxState TExStringGrid::BoolToCheckBoxState(bool bChecked) { return bChecked ? cbChecked : cbUnchecked; }

TObject* TExStringGrid::GetRawCellObject(int ACol, int ARow)
{
    const int record = recordIndexOf(ARow);
    if (record < 0)
        return GridObjects(ACol, RealToDisplayRow(ARow));
    const TStringList* items = p->gridItems[static_cast<size_t>(record)]->Items();
    return ACol >= 0 && ACol < items->Count() ? items->Objects(ACol) : nullptr;
}

namespace {

// The graphic a state operation reads at a real row: while rows are hidden the
// one stored at that row, else (or when it holds none) what the grid lends.
TCellGraphic* stateGraphic(TExStringGrid& grid, int ACol, int realRow, int displayRow)
{
    if (grid.NumHiddenRows() > 0) {
        auto* props = dynamic_cast<TCellProperties*>(grid.GetRawCellObject(ACol, realRow));
        if (auto* own = dynamic_cast<TCellGraphic*>(TBaseGrid::GraphicObjectOf(props)))
            return own;
    }
    return grid.GetCellGraphic(ACol, displayRow);
}

}  // namespace

bool TExStringGrid::GetCheckBoxState(int ACol, int ARow, bool& State)
{
    const TCellGraphic* g = stateGraphic(*this, ACol, ARow, RealToDisplayRow(ARow));
    if (!g || !IsDataCheckKind(g->CellType))
        return false;
    QString checkTrue;
    QueryCheckTrue(ACol, ARow, checkTrue);
    State = AllCells(ACol, ARow) == checkTrue;
    return true;
}

bool TExStringGrid::GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State)
{
    const TCellGraphic* g = stateGraphic(*this, ACol, ARow, RealToDisplayRow(ARow));
    if (g && g->CellType == ctTriStateCheckBox) {
        State = g->CellCheckBoxState;
        return true;
    }
    bool checked = false;
    if (!GetCheckBoxState(ACol, ARow, checked))
        return false;
    State = BoolToCheckBoxState(checked);
    return true;
}

bool TExStringGrid::SetCheckBoxState(int ACol, int ARow, bool State)
{
    const TCellGraphic* g = stateGraphic(*this, ACol, ARow, RealToDisplayRow(ARow));
    if (!g || !IsDataCheckKind(g->CellType))
        return false;
    QString text;
    if (State)
        QueryCheckTrue(ACol, ARow, text);
    else
        QueryCheckFalse(ACol, ARow, text);
    SetAllCells(ACol, ARow, text);
    return true;
}

bool TExStringGrid::IsChecked(int ACol, int ARow)
{
    bool state = false;
    return GetCheckBoxState(ACol, ARow, state) && state;
}

bool TExStringGrid::ToggleCellCheck(int ACol, int ARow, bool FromUser)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || !IsDataCheckKind(g->CellType))
        return false;
    if (FromUser && !p->controlLook->CheckAlwaysActive()) {
        bool allow = true;
        QueryCellEditable(ACol, ARow, allow);
        if (!allow)
            return false;
    }
    QString checkTrue;
    QString checkFalse;
    QueryCheckTrue(ACol, ARow, checkTrue);
    QueryCheckFalse(ACol, ARow, checkFalse);
    const QString oldText = Cells(ACol, ARow);
    const bool checked = oldText != checkTrue;
    const QString newText = checked ? checkTrue : checkFalse;
    SetCells(ACol, ARow, newText);
    RepaintCell(RealToDisplayCol(ACol), ARow);
    FireCheckBoxChange(ACol, ARow, checked);
    // The recorder gets the text the cell really held, so that undo restores
    // an empty or odd text instead of the opposite check text.
    if (TExGridUndoRedo* undo = UndoRedo())
        undo->RegisterChange(ACol, ARow, oldText, newText);
    return true;
}

bool TExStringGrid::ToggleCheckBox(int ACol, int ARow) { return ToggleCellCheck(ACol, ARow, false); }

bool TExStringGrid::SetCheckStateNotify(int ACol, int ARow, bool Value)
{
    const TCellGraphic* g = stateGraphic(*this, ACol, DisplayToRealRow(ARow), ARow);
    if (!g || !IsDataCheckKind(g->CellType))
        return false;
    QString checkTrue;
    QString checkFalse;
    QueryCheckTrue(ACol, ARow, checkTrue);
    QueryCheckFalse(ACol, ARow, checkFalse);
    const bool was = Cells(ACol, ARow) == checkTrue;
    SetCells(ACol, ARow, Value ? checkTrue : checkFalse);
    if (was != Value)
        FireCheckBoxChange(ACol, ARow, Value);
    return true;
}

void TExStringGrid::FireCheckBoxChange(int ACol, int ARow, bool State)
{
    if (OnCheckBoxChange)
        OnCheckBoxChange(this, ACol, ARow, State);
}

// Without PreciseCheckBoxCheck the whole cell counts; with it only the drawn
// box, placed by the graphic's vertical and the cell's horizontal alignment.
bool TExStringGrid::IsInCheckBox(int ACol, int ARow, int X, int Y)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || !(IsCheckBoxKind(g->CellType) || g->CellType == ctRadioButton))
        return false;
    if (!p->mouseActions->PreciseCheckBoxCheck())
        return true;
    const TRect cell = CellRect(RealToDisplayCol(ACol), ARow);
    const int size = p->controlLook->CheckSize();
    int top = cell.Top + 2;
    if (g->CellVAlign == vaBottom)
        top = cell.Bottom - size - 2;
    else if (g->CellVAlign == vaCenter)
        top = cell.Top + (cell.Bottom - cell.Top - size) / 2;
    TAlignment hAlign = p->defaultAlignment;
    TVAlignment vAlign = p->vAlignment;
    ComputeCellAlignment(ACol, ARow, hAlign, vAlign);
    int left = cell.Left + 2;
    if (hAlign == taRightJustify) {
        left = cell.Right - size - 2;
        const QString text = Cells(ACol, ARow);
        if (!text.isEmpty()) {
            QImage surface(1, 1, QImage::Format_ARGB32_Premultiplied);
            TCanvas canvas(&surface);
            canvas.Font()->Assign(*GetCellFont(ACol, ARow));
            left -= canvas.TextWidth(text);
        }
    } else if (hAlign == taCenter) {
        left = cell.Left + (cell.Right - cell.Left - size) / 2;
    }
    return X >= left && X < left + size && Y >= top && Y < top + size;
}
