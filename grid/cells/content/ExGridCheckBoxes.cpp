// Check boxes and radio controls in cells. A data check box keeps its state in
// the cell text: it is checked exactly when the text equals the cell's
// check-true text (case and blanks count); setting writes the check-true or
// check-false text through the ordinary text setter, so change hooks and undo
// see a plain text change, and toggling writes the check-true text unless the
// cell already holds it. A row check box stands for the row's selection, a
// plain box and a radio button keep their state in the graphic.
//
// The row boxes of HotmailRowSelect are the grid's one lent graphic; row 0
// shows the partial mark. Adding a box outside the grid raises "Invalid cell".
// States are read and set by real row, hidden rows from their records. Toggling
// records undo for data boxes only, with the text the cell really held. With
// Grouping.AutoCheckGroup a node's box checks its block and turns grayed when
// the rows under it differ. Radio groups without options do nothing.

#include "grid/engine/ExGridPrivate.h"
#include "platform/core/Exceptions.h"
#include "platform/ui/paint/Canvas.h"

#include <QtGui/QImage>

#include <algorithm>

// ---- adding and removing -------------------------------------------------------------------

namespace {

TCellVAlign graphicVAlign(TVAlignment grid)
{
    switch (grid) {
    case vtaCenter: return vaCenter;
    case vtaBottom: return vaBottom;
    default: return vaTop;
    }
}

TStringList* optionList(const TCellGraphic* g)
{
    const auto* object = g ? std::get_if<TObject*>(&g->CellBitmap) : nullptr;
    return object ? dynamic_cast<TStringList*>(*object) : nullptr;
}

// The graphic of a check box or radio button, after the range check every
// adding operation makes (hidden columns and rows count).
TCellGraphic* newControlGraphic(TExStringGrid& grid, int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0 || ACol >= grid.ColCount() + grid.NumHiddenColumns() ||
        ARow >= grid.RowCount() + grid.NumHiddenRows())
        throw Exception(QStringLiteral("Invalid cell"));
    return grid.CreateCellGraphic(ACol, ARow);
}

}  // namespace

void TExStringGrid::AddCheckBox(int ACol, int ARow, bool State, bool Data)
{
    TCellGraphic* g = newControlGraphic(*this, ACol, ARow);
    g->SetCheckBox(State, Data, true, haBeforeText, graphicVAlign(p->vAlignment));
    if (!Data)
        return;
    const QString text = Cells(ACol, ARow);
    const QString checkTrue = CheckTrue();
    const QString checkFalse = CheckFalse();
    if (text != checkTrue && text != checkFalse)
        SetCells(ACol, ARow, State ? checkTrue : checkFalse);
}

void TExStringGrid::AddCheckBox(int ACol, int ARow, TCheckBoxState State)
{
    newControlGraphic(*this, ACol, ARow)->SetCheckBox(State, true, haBeforeText, graphicVAlign(p->vAlignment));
}

void TExStringGrid::AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox)
{
    for (int r = p->mouseActions->CheckAllCheck() ? 0 : FixedRows(); r < RowCount(); ++r) {
        if (IsSummary(r))
            continue;
        if (IsNode(r))
            AddCheckBox(ACol, r, cbUnchecked);
        else
            AddCheckBox(ACol, r, DefaultState, DataCheckBox);
    }
}

void TExStringGrid::AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State)
{
    for (int r = p->mouseActions->CheckAllCheck() ? 0 : FixedRows(); r < RowCount(); ++r)
        AddCheckBox(ACol, r, State);
}

void TExStringGrid::RemoveCheckBox(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g && (g->CellType == ctCheckBox || g->CellType == ctDataCheckBox || g->CellType == ctTriStateCheckBox))
        RemoveCellGraphic(ACol, ARow);
}

void TExStringGrid::RemoveCheckBoxColumn(int ACol)
{
    for (int r = p->mouseActions->CheckAllCheck() ? 0 : FixedRows(); r < RowCount(); ++r)
        if (HasCheckBox(ACol, r))
            RemoveCheckBox(ACol, r);
}

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

// ---- reading and setting states -----------------------------------------------------------

namespace {

// The graphic a state operation reads at a real row: while rows are hidden the
// one stored at that row, else (or when it holds none) what the grid lends.
TCellGraphic* stateGraphic(TExStringGrid& grid, int ACol, int realRow)
{
    if (grid.NumHiddenRows() > 0) {
        auto* props = dynamic_cast<TCellProperties*>(grid.GetRawCellObject(ACol, realRow));
        if (auto* own = dynamic_cast<TCellGraphic*>(TBaseGrid::GraphicObjectOf(props)))
            return own;
    }
    return grid.GetCellGraphic(ACol, grid.RealToDisplayRow(realRow));
}

}  // namespace

bool TExStringGrid::GetCheckBoxState(int ACol, int ARow, bool& State)
{
    const TCellGraphic* g = stateGraphic(*this, ACol, ARow);
    if (!g)
        return false;
    switch (g->CellType) {
    case ctCheckBox:
        State = g->CellBoolean;
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        QString checkTrue;
        QueryCheckTrue(ACol, ARow, checkTrue);
        State = AllCells(ACol, ARow) == checkTrue;
        return true;
    }
    case ctRowCheckBox:
        if (ACol != 0)
            return false;
        State = RowSelect(ARow);
        return true;
    case ctTriStateCheckBox:
        State = g->CellCheckBoxState == cbChecked;
        return true;
    default:
        return false;
    }
}

bool TExStringGrid::GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State)
{
    const TCellGraphic* g = stateGraphic(*this, ACol, ARow);
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
    TCellGraphic* g = stateGraphic(*this, ACol, ARow);
    if (!g)
        return false;
    switch (g->CellType) {
    case ctCheckBox:
        g->CellBoolean = State;
        repaintRealCell(ACol, RealToDisplayRow(ARow));
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        QString text;
        if (State)
            QueryCheckTrue(ACol, ARow, text);
        else
            QueryCheckFalse(ACol, ARow, text);
        SetAllCells(ACol, ARow, text);
        return true;
    }
    case ctRowCheckBox:
        if (ACol != 0)
            return false;
        SetRowSelect(ARow, State);
        return true;
    default:
        return false;
    }
}

bool TExStringGrid::SetCheckBoxState(int ACol, int ARow, TCheckBoxState State)
{
    TCellGraphic* g = stateGraphic(*this, ACol, ARow);
    if (!g || g->CellType != ctTriStateCheckBox)
        return false;
    g->CellCheckBoxState = State;
    repaintRealCell(ACol, RealToDisplayRow(ARow));
    return true;
}

bool TExStringGrid::IsChecked(int ACol, int ARow)
{
    bool state = false;
    return GetCheckBoxState(ACol, ARow, state) && state;
}

// ---- toggling ------------------------------------------------------------------------------

namespace {

TCheckBoxState nextTriState(TCheckBoxState state, bool nodeRow)
{
    switch (state) {
    case cbUnchecked: return nodeRow ? cbChecked : cbGrayed;
    case cbGrayed: return cbChecked;
    default: return cbUnchecked;
    }
}

}  // namespace

bool TExStringGrid::ToggleCellCheck(int ACol, int ARow, bool FromUser)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || !IsCheckBoxKind(g->CellType))
        return false;
    const bool autoGroup = p->grouping->AutoCheckGroup();
    const bool nodeRow = autoGroup && IsNode(ARow);
    if (FromUser && !p->controlLook->CheckAlwaysActive()) {
        bool allow = true;
        QueryCellEditable(ACol, ARow, allow);
        if (!allow)
            return false;
    }
    bool checked = false;
    QString oldText;
    QString newText;
    switch (g->CellType) {
    case ctCheckBox:
        g->CellBoolean = !g->CellBoolean;
        checked = g->CellBoolean;
        break;
    case ctTriStateCheckBox:
        g->CellCheckBoxState = nextTriState(g->CellCheckBoxState, nodeRow);
        checked = g->CellCheckBoxState == cbChecked;
        break;
    case ctRowCheckBox: {
        // the row's state is its selection; its text stays as it is
        const int flag = DisplayToRealRow(ARow);
        checked = !RowSelect(flag);
        SetRowSelect(flag, checked);
        break;
    }
    default: {
        QString checkTrue;
        QString checkFalse;
        QueryCheckTrue(ACol, ARow, checkTrue);
        QueryCheckFalse(ACol, ARow, checkFalse);
        oldText = Cells(ACol, ARow);
        checked = oldText != checkTrue;
        newText = checked ? checkTrue : checkFalse;
        SetCells(ACol, ARow, newText);
        break;
    }
    }
    RepaintCell(RealToDisplayCol(ACol), ARow);
    FireCheckBoxChange(ACol, ARow, checked);
    if (autoGroup) {
        if (nodeRow)
            checkNodeBlock(ACol, ARow, checked);
        else
            updateNodeCheck(ACol, GetParentRow(ARow));
    }
    // Only a data box changed a text; the recorder gets the text the cell
    // really held, so that undo restores an empty or odd text.
    if (IsDataCheckKind(g->CellType))
        if (TExGridUndoRedo* undo = UndoRedo())
            undo->RegisterChange(ACol, ARow, oldText, newText);
    return true;
}

// A node's check goes to every row of its block, by real row, whether the
// block is shown or contracted; a span past the last row ends there.
void TExStringGrid::checkNodeBlock(int ACol, int ARow, bool Checked)
{
    const int span = GetNodeSpan(ARow);
    const bool contracted = GetNodeState(ARow);
    const int nodeReal = DisplayToRealRow(ARow);
    for (int offset = 1; offset < span; ++offset) {
        const int real = contracted ? nodeReal + offset : DisplayToRealRow(ARow + offset);
        if (real >= RowCount() + NumHiddenRows() || (!contracted && ARow + offset >= RowCount()))
            break;
        SetCheckBoxState(ACol, real, Checked);
    }
}

// The node's three-state box follows the rows under it: grayed while they
// differ, else their common state.
void TExStringGrid::updateNodeCheck(int ACol, int NodeRow)
{
    if (NodeRow < 0 || !IsNode(NodeRow))
        return;
    const int last = std::min(NodeRow + GetNodeSpan(NodeRow) - 1, RowCount() - 1);
    if (last <= NodeRow)
        return;
    bool first = false;
    GetCheckBoxState(ACol, DisplayToRealRow(NodeRow + 1), first);
    bool same = true;
    for (int r = NodeRow + 2; r <= last && same; ++r) {
        bool state = false;
        GetCheckBoxState(ACol, DisplayToRealRow(r), state);
        same = state == first;
    }
    SetCheckBoxState(ACol, DisplayToRealRow(NodeRow), same ? BoolToCheckBoxState(first) : cbGrayed);
}

bool TExStringGrid::ToggleCheckBox(int ACol, int ARow) { return ToggleCellCheck(ACol, ARow, false); }

bool TExStringGrid::SetCheckStateNotify(int ACol, int ARow, bool Value)
{
    TCellGraphic* g = stateGraphic(*this, ACol, DisplayToRealRow(ARow));
    if (!g)
        return false;
    bool was = false;
    switch (g->CellType) {
    case ctCheckBox:
        if (g->CellBoolean == Value)
            return true;
        g->CellBoolean = Value;
        FireCheckBoxChange(ACol, ARow, Value);
        RepaintCell(RealToDisplayCol(ACol), ARow);
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        QString checkTrue;
        QString checkFalse;
        QueryCheckTrue(ACol, ARow, checkTrue);
        QueryCheckFalse(ACol, ARow, checkFalse);
        was = Cells(ACol, ARow) == checkTrue;
        SetCells(ACol, ARow, Value ? checkTrue : checkFalse);
        break;
    }
    case ctRowCheckBox: {
        if (ACol != 0)
            return false;
        const int flag = DisplayToRealRow(ARow);
        was = RowSelect(flag);
        if (was != Value)
            SetRowSelect(flag, Value);
        break;
    }
    default:
        return false;
    }
    if (was != Value)
        FireCheckBoxChange(ACol, ARow, Value);
    return true;
}

void TExStringGrid::CheckAll(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetCheckStateNotify(ACol, r, true);
    if (NumHiddenColumns() > 0)
        RepaintCol(RealToDisplayCol(ACol));
}

void TExStringGrid::UnCheckAll(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetCheckStateNotify(ACol, r, false);
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

// ---- radio groups ---------------------------------------------------------------------------

void TExStringGrid::AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStringList* sl)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->CellType = ctRadio;
    g->CellBitmap = static_cast<TObject*>(sl);
    g->CellAngle = sl ? sl->Count() : 0;
    g->CellBoolean = DirRadio != 0;
    g->CellIndex = IdxRadio;
}

TStringList* TExStringGrid::CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio)
{
    auto* list = new TStringList;
    AddRadio(ACol, ARow, DirRadio, IdxRadio, list);
    GetCellGraphic(ACol, ARow)->CellCreated = true;
    return list;
}

bool TExStringGrid::GetRadioIdx(int ACol, int ARow, int& IdxRadio)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return false;
    IdxRadio = g->CellIndex;
    return g->CellType == ctRadio;
}

bool TExStringGrid::SetRadioIdx(int ACol, int ARow, int IdxRadio)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return false;
    g->CellIndex = IdxRadio;
    if (IdxRadio == -1)
        SetCells(ACol, ARow, QString());
    repaintRealCell(ACol, ARow);
    return g->CellType == ctRadio;
}

TStringList* TExStringGrid::GetRadioStrings(int ACol, int ARow)
{
    if (!IsRadio(ACol, ARow))
        return nullptr;
    const TPoint base = BaseCell(ACol, ARow);
    return optionList(GetCellGraphic(base.X, base.Y));
}

bool TExStringGrid::IsRadio(int ACol, int ARow) { return HasGraphicOfKind(ACol, ARow, {ctRadio}); }

bool TExStringGrid::GetRadioOptions(int ACol, int ARow, QStringList& Options, bool& Horizontal)
{
    const TStringList* list = GetRadioStrings(ACol, ARow);
    if (!list)
        return false;
    Options.clear();
    for (int i = 0; i < list->Count(); ++i)
        Options.append(list->Strings(i));
    const TPoint base = BaseCell(ACol, ARow);
    Horizontal = GetCellGraphic(base.X, base.Y)->CellBoolean;
    return true;
}

void TExStringGrid::RemoveRadio(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRadio); }

// A group whose index is below -1 follows its cell text alone.
void TExStringGrid::SelectNextRadioOption(int ACol, int ARow, bool FromUser)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType != ctRadio)
        return;
    const TStringList* options = optionList(g);
    if (!options || options->Count() == 0)
        return;
    if (FromUser && !p->controlLook->RadioAlwaysActive()) {
        bool allow = true;
        QueryCellEditable(ACol, ARow, allow);
        if (!allow)
            return;
    }
    int next = 0;
    if (g->CellIndex >= 0) {
        next = g->CellIndex + 1;
    } else {
        const QString text = Cells(ACol, ARow);
        for (int i = 0; i < options->Count(); ++i)
            if (options->Strings(i) == text) {
                next = i + 1;
                break;
            }
    }
    if (next >= options->Count())
        next = 0;
    if (g->CellIndex >= -1)
        g->CellIndex = next;
    g->CellVar = next;
    SetCells(ACol, ARow, options->Strings(next));
}

// ---- radio buttons ---------------------------------------------------------------------------

void TExStringGrid::AddRadioButton(int ACol, int ARow, bool State)
{
    newControlGraphic(*this, ACol, ARow)->SetRadioButton(State, true, haBeforeText, graphicVAlign(p->vAlignment));
}

void TExStringGrid::AddRadioButtonColumn(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        AddRadioButton(ACol, r, false);
}

void TExStringGrid::RemoveRadioButton(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRadioButton); }

void TExStringGrid::RemoveRadioButtonColumn(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (HasRadioButton(ACol, r))
            RemoveRadioButton(ACol, r);
}

bool TExStringGrid::HasRadioButton(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return false;
    const TPoint base = BaseCell(ACol, ARow);
    return GetCellType(base.X, base.Y) == ctRadioButton;
}

bool TExStringGrid::IsRadioButtonChecked(int ACol, int ARow)
{
    if (!HasGraphicOfKind(ACol, ARow, {ctRadioButton}))
        return false;
    const TPoint base = BaseCell(ACol, ARow);
    return GetCellGraphic(base.X, base.Y)->CellBoolean;
}

bool TExStringGrid::SetRadioButtonState(int ACol, int ARow, bool State)
{
    if (!HasGraphicOfKind(ACol, ARow, {ctRadioButton}))
        return false;
    const TPoint base = BaseCell(ACol, ARow);
    TCellGraphic* g = GetCellGraphic(base.X, base.Y);
    if (g->CellBoolean != State) {
        g->CellBoolean = State;
        RepaintCell(RealToDisplayCol(ACol), ARow);
    }
    return true;
}

void TExStringGrid::SetRadioButtonColumnIndex(int ACol, int Index)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetRadioButtonState(ACol, r, r == Index);
}

int TExStringGrid::GetRadioButtonColumnIndex(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (IsRadioButtonChecked(ACol, r))
            return r;
    return -1;
}

bool TExStringGrid::CheckRadioButtonCell(int ACol, int ARow, bool FromUser)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType != ctRadioButton)
        return false;
    if (FromUser && !p->controlLook->CheckAlwaysActive()) {
        bool allow = true;
        QueryCellEditable(ACol, ARow, allow);
        if (!allow)
            return false;
    }
    if (g->CellBoolean)
        return true;
    g->CellBoolean = true;
    repaintRealCell(ACol, ARow);
    for (int r = 0; r < RowCount(); ++r) {
        TCellGraphic* other = r == ARow ? nullptr : GetCellGraphic(ACol, r);
        if (other && other->CellType == ctRadioButton && other->CellBoolean) {
            other->CellBoolean = false;
            repaintRealCell(ACol, r);
        }
    }
    return true;
}
