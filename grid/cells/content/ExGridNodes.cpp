// Node rows: a row with a node graphic in column 0 heads a block of rows (its
// span, the node row included); contracting hides the rest of the block in
// the hidden-row store, expanding shows it again. Every row of a block carries
// a nesting level in its column-0 cell properties. A span that reaches past
// the last row ends there: nothing outside the grid gets a level, a property
// or a hidden-row record.

#include "grid/engine/ExGridPrivate.h"

#include <QtWidgets/QScrollBar>

#include <algorithm>
#include <optional>

namespace {

// Takes goRowSelect out of the options for the guard's lifetime.
class TRowSelectOff {
public:
    explicit TRowSelectOff(TExStringGrid& grid) : grid_(grid), had_(grid.Options().testFlag(goRowSelect))
    {
        if (had_)
            grid_.SetOptions(grid_.Options() & ~TGridOptions(goRowSelect));
    }
    ~TRowSelectOff()
    {
        if (had_)
            grid_.SetOptions(grid_.Options() | goRowSelect);
    }
    TRowSelectOff(const TRowSelectOff&) = delete;
    TRowSelectOff& operator=(const TRowSelectOff&) = delete;
    bool Had() const { return had_; }

private:
    TExStringGrid& grid_;
    bool had_;
};

}  // namespace

// ---- the node record -------------------------------------------------------------------------

TCellGraphic* TExStringGrid::nodeGraphic(int ARow)
{
    if (ARow < 0)
        return nullptr;
    auto* g = dynamic_cast<TCellGraphic*>(GraphicObjects(0, ARow));
    return g && g->CellType == ctNode ? g : nullptr;
}

void TExStringGrid::setNodeLevel(int ARow, int Delta)
{
    if (Delta < 0 && !HasCellProperties(0, ARow))
        return;
    TCellProperties* props = CellProperties(0, ARow);
    props->SetNodeLevel(std::max(0, props->NodeLevel() + Delta));
}

bool TExStringGrid::HasNodeRows() { return p->numNodes > 0; }

int TExStringGrid::RowNodeIndent(int ARow)
{
    if (p->numNodes <= 0 || ARow < 0 || !HasCellProperties(0, ARow))
        return 0;
    return CellProperties(0, ARow)->NodeLevel() * p->cellNode->NodeIndent();
}

void TExStringGrid::AddNode(int ARow, int Span)
{
    const int d = RealToDisplayRow(ARow);
    TCellGraphic* g = CreateCellGraphic(0, d);
    g->CellType = ctNode;
    g->CellIndex = Span;
    g->CellBoolean = false;
    g->CellErrFrom = 0;
    g->CellAngle = d;
    g->CellVar = -1;
    g->CellHAlign = haBeforeText;
    g->CellVAlign = vaCenter;
    for (int r = d; r < d + Span && r < RowCount(); ++r)
        setNodeLevel(r, 1);
    if (p->numNodes == 0)
        RepaintCol(0);
    ++p->numNodes;
    // the node column is no place for the cursor
    if (Col() == 0 && ColCount() > 1)
        SetCol(1);
}

void TExStringGrid::RemoveNode(int ARow)
{
    const int d = RealToDisplayRow(ARow);
    if (IsHiddenRow(ARow) || !nodeGraphic(d))
        return;
    ExpandNodeCore(ARow);
    const int span = nodeGraphic(d)->CellIndex;
    for (int r = d; r < d + span && r < RowCount(); ++r)
        setNodeLevel(r, -1);
    RemoveCellGraphic(0, d);
    p->numNodes = std::max(0, p->numNodes - 1);
}

// Expanding without the ExpandOne rule, which would contract the nodes of
// the rows already passed.
void TExStringGrid::RemoveAllNodes()
{
    for (int r = 0; r < RowCount(); ++r) {
        if (!nodeGraphic(r))
            continue;
        ExpandNodeCore(DisplayToRealRow(r));
        const int span = nodeGraphic(r)->CellIndex;
        for (int b = r; b < r + span && b < RowCount(); ++b)
            setNodeLevel(b, -1);
        RemoveCellGraphic(0, r);
        p->numNodes = std::max(0, p->numNodes - 1);
    }
    Invalidate();
}

bool TExStringGrid::IsNode(int ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctNode; }

bool TExStringGrid::IsSummary(int ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctSummary; }

void TExStringGrid::MarkSummaryRow(int ARow) { CreateCellGraphic(0, RealToDisplayRow(ARow))->CellType = ctSummary; }

bool TExStringGrid::GetNodeState(int ARow)
{
    const TCellGraphic* g = nodeGraphic(ARow);
    return g && g->CellBoolean;
}

void TExStringGrid::SetNodeState(int ARow, bool Value)
{
    const TCellGraphic* g = nodeGraphic(ARow);
    if (!g || g->CellBoolean == Value)
        return;
    if (Value)
        ContractNode(DisplayToRealRow(ARow));
    else
        ExpandNode(DisplayToRealRow(ARow));
}

int TExStringGrid::GetNodeLevel(int ARow)
{
    return nodeGraphic(ARow) ? CellProperties(0, ARow)->NodeLevel() : -1;
}

int TExStringGrid::GetNodeSpan(int ARow)
{
    const TCellGraphic* g = nodeGraphic(ARow);
    return g ? g->CellIndex : -1;
}

void TExStringGrid::SetNodeSpan(int ARow, int Span)
{
    if (TCellGraphic* g = nodeGraphic(ARow))
        g->CellIndex = Span;
}

void TExStringGrid::UpdateNodeSpan(int ARow, int Delta)
{
    if (TCellGraphic* g = nodeGraphic(ARow))
        g->CellIndex += Delta;
}

int TExStringGrid::GetSubNodeCount(int ARow)
{
    const TCellGraphic* g = nodeGraphic(ARow);
    return g ? g->CellErrFrom : 0;
}

void TExStringGrid::UpdateSubNodeCount(int ARow, int Delta)
{
    if (TCellGraphic* g = nodeGraphic(ARow))
        g->CellErrFrom += Delta;
}

int TExStringGrid::GetNodeSpanType(int ARow)
{
    if (IsNode(ARow))
        return 0;
    if (ARow >= RowCount() - 1 - p->fixedFooters)
        return 1;
    const int level = HasCellProperties(0, ARow) ? CellProperties(0, ARow)->NodeLevel() : 0;
    const int next = ARow + 1;
    return HasCellProperties(0, next) && CellProperties(0, next)->NodeLevel() >= level ? 2 : 1;
}

// ---- contracting and expanding ---------------------------------------------------------------

// The display row after the block of a node at display row ARow: its span, or
// with a span of 0 or less the next node row; the end of the grid at most.
int TExStringGrid::nodeBlockEnd(int ARow, int Span)
{
    if (Span > 0)
        return ARow + Span;
    for (int r = ARow + 1; r < RowCount(); ++r)
        if (nodeGraphic(r))
            return r;
    return RowCount();
}

void TExStringGrid::ContractNode(int ARow)
{
    HideInplaceEdit();
    // rows vanish under the selection: its changes are not refused meanwhile
    TScopedFlag force(p->forceSel, true);
    if (IsHiddenRow(ARow))
        return;
    contractNodeAt(RealToDisplayRow(ARow));
    CalcFooter(-1);
}

// An inner contracted node loses its flag: the outer block hides its rows
// with the rest, and expanding the outer node shows them all again.
void TExStringGrid::contractNodeAt(int d)
{
    TCellGraphic* g = nodeGraphic(d);
    if (!g || g->CellBoolean)
        return;
    g->CellBoolean = true;
    int e = nodeBlockEnd(d, g->CellIndex);
    int r = d + 1;
    while (r < std::min(e, RowCount())) {
        TCellGraphic* inner = nodeGraphic(r);
        if (!inner || !inner->CellBoolean) {
            ++r;
            continue;
        }
        inner->CellBoolean = false;
        setEmbeddedControlVisible(1, r + 1, false);
        HideRows(DisplayToRealRow(d + 1), DisplayToRealRow(r));
        e -= (r - (d + 1)) + inner->CellIndex;
        r = d + 1;
    }
    if (r - 1 >= d + 1)
        HideRows(DisplayToRealRow(d + 1), DisplayToRealRow(r - 1));
}

void TExStringGrid::expandedNodeRows(std::vector<int>& Rows)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (const TCellGraphic* g = nodeGraphic(r); g && !g->CellBoolean)
            Rows.push_back(DisplayToRealRow(r));
}

void TExStringGrid::ExpandNode(int ARow)
{
    if (p->cellNode->ExpandOne()) {
        std::vector<int> others;
        expandedNodeRows(others);
        for (int real : others)
            if (!IsHiddenRow(real))
                ContractNode(real);
    }
    ExpandNodeCore(ARow);
}

void TExStringGrid::ExpandNodeCore(int ARow)
{
    if (IsHiddenRow(ARow))
        return;
    const int d = RealToDisplayRow(ARow);
    TCellGraphic* g = nodeGraphic(d);
    if (!g || !g->CellBoolean)
        return;
    g->CellBoolean = false;
    // the hidden rows between the node and the row now shown below it, no
    // further than the block reaches
    int last = (d + 1 < RowCount() ? DisplayToRealRow(d + 1) : RowCount() + NumHiddenRows()) - 1;
    if (g->CellIndex > 0)
        last = std::min(last, ARow + g->CellIndex - 1);
    const int topRow = TopRow();
    const int row = Row();
    {
        TScopedSetting<TMouseActions> disjunctOff(p->mouseActions.get(), &TMouseActions::DisjunctRowSelectDirect,
                                                  &TMouseActions::SetDisjunctRowSelectDirect, false);
        TRowSelectOff rowSelectOff(*this);
        std::optional<TUpdateBatch> batch;
        if (p->controlList->Count() == 0)
            batch.emplace(*this);
        if (last > ARow)
            UnHideRows(ARow + 1, last);
        batch.reset();
        if (rowSelectOff.Had()) {
            SetRow(std::min(row, RowCount() - 1));
            SetTopRow(topRow);
        }
    }
    CalcFooter(-1);
}

void TExStringGrid::ExpandAll()
{
    {
        TUpdateBatch batch(*this);
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (TCellGraphic* g = nodeGraphic(r); g && g->CellBoolean)
                ExpandNodeCore(DisplayToRealRow(r));
    }
    CalcFooter(-1);
}

// The blocks are hidden as one filter level. With other rows hidden already
// (a filter, hidden rows) the rows are hidden by their real indexes instead,
// so that expanding puts every row back at its place.
void TExStringGrid::ContractAll()
{
    {
        TUpdateBatch batch(*this);
        ExpandAll();
        TIntList rows(-1, -1);
        for (int r = FixedRows(); r < RowCount();) {
            TCellGraphic* g = nodeGraphic(r);
            if (!g) {
                ++r;
                continue;
            }
            g->CellBoolean = true;
            const int end = std::min(r + std::max(g->CellIndex, 1), RowCount());
            for (int b = r + 1; b < end; ++b)
                rows.Add(b);
            r = end;
        }
        if (rows.Count() > 0 && NumHiddenRows() == 0) {
            HideRowList(rows);
        } else {
            std::vector<int> reals;
            for (int i = 0; i < rows.Count(); ++i)
                reals.push_back(DisplayToRealRow(rows.GetInteger(i)));
            for (int real : reals)
                HideRows(real, real);
        }
    }
    CellControlsUpdate(false);
    CalcFooter(-1);
}

// ---- the tree --------------------------------------------------------------------------------

int TExStringGrid::GetParentRow(int ARow)
{
    if (p->numNodes <= 0)
        return -1;
    const bool node = nodeGraphic(ARow) != nullptr;
    const int limit = node ? GetNodeLevel(ARow) : 65535;
    int hidden = 0;
    for (int r = ARow; r >= FixedRows(); --r) {
        const TCellGraphic* g = nodeGraphic(r);
        if (!g || GetNodeLevel(r) >= limit)
            continue;
        if (g->CellBoolean)
            hidden += g->CellIndex - 1;
        if (ARow < r + g->CellIndex - hidden)
            return r;
    }
    return node ? ARow : -1;
}

// The parent and each outer node grow by the row and are expanded, so that
// the row is inserted into shown blocks.
void TExStringGrid::InsertChildRow(int ARow, int InsertAt)
{
    const int parent = GetParentRow(RealToDisplayRow(ARow));
    const int parentReal = parent >= 0 ? DisplayToRealRow(parent) : -1;
    int level = 0;
    if (parent >= 0) {
        UpdateNodeSpan(parent, 1);
        UpdateSubNodeCount(parent, 1);
        ExpandNode(parentReal);
        level = GetNodeLevel(RealToDisplayRow(parentReal));
        int current = RealToDisplayRow(parentReal);
        int currentLevel = level;
        while (currentLevel > 1) {
            const int outer = GetParentRow(current);
            if (outer < FixedRows() || outer == current || GetNodeLevel(outer) >= currentLevel)
                break;
            UpdateNodeSpan(outer, 1);
            UpdateSubNodeCount(outer, 1);
            const int outerReal = DisplayToRealRow(outer);
            ExpandNode(outerReal);
            current = RealToDisplayRow(outerReal);
            currentLevel = GetNodeLevel(current);
        }
    }
    const int d = RealToDisplayRow(ARow);
    int inserted = d + InsertAt;
    if (nodeGraphic(d) && InsertAt == 0) {
        // the node row keeps only its node: its texts and other cells move
        // into the new first row of the block
        inserted = d + 1;
        InsertRows(inserted, 1);
        for (int c = 0; c < TotalColCount(); ++c) {
            SetGridCells(c, inserted, GridCells(c, d));
            SetGridCells(c, d, QString());
            if (c == 0)
                continue;
            SetGridObjects(c, inserted, GridObjects(c, d));
            SetGridObjects(c, d, nullptr);
        }
    } else {
        InsertRows(inserted, 1);
    }
    if (parent >= 0)
        CellProperties(0, inserted)->SetNodeLevel(level);
}

void TExStringGrid::RemoveChildRow(int ARow)
{
    int parent = GetParentRow(RealToDisplayRow(ARow));
    if (parent >= 0) {
        const int level = GetNodeLevel(parent);
        if (GetNodeSpan(parent) > 1) {
            UpdateNodeSpan(parent, -1);
            UpdateSubNodeCount(parent, -1);
        }
        for (;;) {
            const int parentReal = DisplayToRealRow(parent);
            ExpandNode(parentReal);
            parent = RealToDisplayRow(parentReal);
            if (GetNodeLevel(parent) <= 1)
                break;
            const int outer = GetParentRow(parent);
            if (outer < 0 || outer == parent || GetNodeLevel(outer) >= level)
                break;
            parent = outer;
            if (GetNodeSpan(parent) > 1) {
                UpdateNodeSpan(parent, -1);
                UpdateSubNodeCount(parent, -1);
            }
        }
    }
    const int d = RealToDisplayRow(ARow);
    RemoveRowsCore(d, 1);
    // controls below the removed row move up with their rows
    for (int i = 0; i < p->controlList->Count(); ++i)
        if (TControlItem* control = p->controlList->Control(i); control->Y > ARow)
            --control->Y;
    --p->maxRowCount;
}

void TExStringGrid::InsertNormalRow(int ARow) { InsertRows(RealToDisplayRow(ARow), 1); }

void TExStringGrid::RemoveNormalRow(int ARow)
{
    RemoveRows(ARow, 1);
    --p->maxRowCount;
}

// ---- the node glyph --------------------------------------------------------------------------

bool TExStringGrid::IsOnNodeGlyph(int ARow, int X)
{
    if (!p->mouseActions->PreciseNodeClick())
        return true;
    const int level = HasCellProperties(0, ARow) ? CellProperties(0, ARow)->NodeLevel() : 0;
    const int indent = p->cellNode->NodeIndent();
    const TBitmap* glyph = p->cellNode->ExpandGlyph();
    const bool noGlyph = !glyph || glyph->Empty();
    int right = 4;
    int margin = 4;
    switch (p->cellNode->NodeType()) {
    case cn3D:
        right = 6;
        margin = 0;
        break;
    case cnGlyph:
        right = noGlyph ? 0 : glyph->Width() / 2;
        margin = noGlyph ? 0 : 2;
        break;
    case cnLeaf:
        right = 8;
        margin = 2;
        break;
    default:
        break;
    }
    if (layoutDirection() != Qt::RightToLeft)
        return margin + (level - 1) * indent < X && X < right + level * indent;
    const bool allRowsShown = VisibleRowCount() >= RowCount() - FixedRows();
    const int bar = allRowsShown ? 0 : verticalScrollBar()->sizeHint().width();
    return width() - level * indent - right - 2 <= X + bar && X + bar < width() - (level - 1) * indent;
}
