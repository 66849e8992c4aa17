// Grouping: a column's runs of equal values become node rows with the value
// as their header (and optionally a summary row after each group); a second
// level adds headers inside the groups. The aggregates of each group are
// written into its header or summary row.
//
// -1 alone means "not grouped": a grid without fixed columns can be grouped by
// column 0, which takes the node column with it, so the nodes are carried
// across that column's removal and back when it returns.

#include "grid/engine/ExGridPrivate.h"

#include <algorithm>

namespace {

// No cell is expected to hold it, so the first data row always opens a group.
const QString Sentinel = QStringLiteral(u"\u00FF\u00FE");

// Restores ExpandOne also when an exception passes.
class TExpandOneOff {
public:
    explicit TExpandOneOff(TCellNode& node) : node_(node), old_(node.ExpandOne()) { node_.SetExpandOne(false); }
    ~TExpandOneOff() { node_.SetExpandOne(old_); }
    TExpandOneOff(const TExpandOneOff&) = delete;
    TExpandOneOff& operator=(const TExpandOneOff&) = delete;

private:
    TCellNode& node_;
    bool old_;
};

} // namespace

// ---- the group column ------------------------------------------------------------------------

int TExStringGrid::GroupColumn() const { return p->groupColumn; }

void TExStringGrid::SetGroupColumn(int Value)
{
    if (Value == -1)
        UnGroup();
    else if (Value > 0)
        Group(Value);
}

bool TExStringGrid::IsGrouping() const { return p->isGrouping; }

// ---- looks of header and summary rows ------------------------------------------------------

void TExStringGrid::paintGroupRow(int ARow, bool Summary)
{
    const TGrouping& g = *p->grouping;
    const TColor color = Summary ? g.SummaryColor() : g.HeaderColor();
    const TColor colorTo = Summary ? g.SummaryColorTo() : g.HeaderColorTo();
    const TColor text = Summary ? g.SummaryTextColor() : g.HeaderTextColor();
    if (color != clNone)
        SetRowColor(ARow, color);
    if (colorTo != clNone)
        SetRowColorTo(ARow, colorTo);
    if (text != clNone)
        SetRowFontColor(ARow, text);
}

void TExStringGrid::unpaintGroupRow(int ARow, bool Summary)
{
    const TGrouping& g = *p->grouping;
    if ((Summary ? g.SummaryColor() : g.HeaderColor()) != clNone)
        SetRowColor(ARow, clNone);
    if ((Summary ? g.SummaryColorTo() : g.HeaderColorTo()) != clNone)
        SetRowColorTo(ARow, clNone);
    if ((Summary ? g.SummaryTextColor() : g.HeaderTextColor()) != clNone)
        SetRowFontColor(ARow, clNone);
}

void TExStringGrid::insertSummaryRow(int ARow)
{
    InsertRows(ARow, 1, true);
    MarkSummaryRow(DisplayToRealRow(ARow));
    if (!p->grouping->MergeSummary())
        paintGroupRow(ARow, true);
}

// The text cell of a header (summary) row spans the rest of the row.
void TExStringGrid::mergeGroupRows()
{
    const TGrouping& g = *p->grouping;
    for (int b = FixedRows(); b < RowCount(); ++b) {
        const bool header = g.MergeHeader() && IsNode(b);
        const bool summary = g.MergeSummary() && g.Summary() && IsSummary(b);
        if (!header && !summary)
            continue;
        MergeCells(1, b, ColCount() - 1, 1);
        const TColor color = header ? g.HeaderColor() : g.SummaryColor();
        const TColor colorTo = header ? g.HeaderColorTo() : g.SummaryColorTo();
        const TColor text = header ? g.HeaderTextColor() : g.SummaryTextColor();
        if (color != clNone)
            SetColors(1, b, color);
        if (colorTo != clNone)
            SetColorsTo(1, b, colorTo);
        if (text != clNone)
            SetFontColors(1, b, text);
    }
}

void TExStringGrid::deleteGroupRow(int ARow)
{
    ClearRect(0, ARow, ColCount() - 1, ARow);
    DeleteRowRange(ARow, 1, false);
}

// ---- grouping ------------------------------------------------------------------------------

// A group's span is known only when the next one opens, so that is when its
// node is made; with Summary the summary row of the group before it is
// inserted at its header first.
void TExStringGrid::closeGroup(int& Header, int& ARow)
{
    if (p->grouping->Summary() && Header > FixedRows()) {
        insertSummaryRow(Header);
        ++Header;
        ++ARow;
    }
    AddNode(DisplayToRealRow(Header), ARow - Header);
}

void TExStringGrid::Group(int Colindex)
{
    if (Colindex < FixedCols())
        return;
    if (p->groupColumn != -1)
        UnGroup();
    if (RowCount() - FixedFooters() <= FixedRows())
        return;
    TUpdateBatch batch(*this);
    TScopedFlag grouping(p->isGrouping, true);
    const TGrouping& g = *p->grouping;
    p->groupColumn = Colindex;
    p->groupWidth = ColWidths(RealToDisplayCol(Colindex));
    if (FixedRows() > 0)
        p->groupCaption = GridCells(Colindex, 0);
    if (FixedFooters() > 0)
        p->groupFooter = GridCells(Colindex, RowCount() - 1);
    const int h = Colindex == 1 ? 2 : 1;
    if (p->sortSettings->AutoSortForGrouping()) {
        p->sortSettings->SetColumn(Colindex);
        QSort();
    }

    int header = -1;
    QString previous = Sentinel;
    int r = FixedRows();
    while (r <= RowCount() - FixedFooters() - 1) {
        const QString value = GridCells(Colindex, r);
        if (value != previous) {
            if (header >= 0)
                closeGroup(header, r);
            InsertRows(r, 1, true);
            SetCells(h, r, value);
            if (!g.MergeHeader())
                paintGroupRow(r, false);
            header = r;
            ++r;
        }
        if (r < RowCount() - 1)
            previous = GridCells(Colindex, r);
        ++r;
    }
    if (header >= 0) {
        closeGroup(header, r);
        if (!g.MergeHeader())
            paintGroupRow(header, false);
        if (g.Summary())
            insertSummaryRow(r);
    } else if (r > FixedRows()) {
        AddNode(DisplayToRealRow(FixedRows()), r - FixedRows());
    }

    removeGroupedColumn(Colindex);
    if (g.MergeHeader() || (g.MergeSummary() && g.Summary()))
        mergeGroupRows();
    if (p->cellNode->ExpandOne()) {
        for (int b = FixedRows(); b < RowCount(); ++b) {
            if (IsNode(b)) {
                ExpandNode(DisplayToRealRow(b));
                break;
            }
        }
    }
    if (Col() >= ColCount() || Row() >= RowCount())
        MoveToCell(FixedCols(), FixedRows());
    SetRow(FixedRows());
}

// Column 0 carries the node graphics: they stay in column 0 while the
// grouped column goes.
void TExStringGrid::removeGroupedColumn(int Colindex)
{
    if (Colindex != 0) {
        RemoveCols(Colindex, 1);
        return;
    }
    std::vector<TObject*> nodeColumn(static_cast<size_t>(RowCount()));
    for (int r = 0; r < RowCount(); ++r) {
        nodeColumn[static_cast<size_t>(r)] = GridObjects(0, r);
        SetGridObjects(0, r, nullptr);
    }
    RemoveCols(0, 1);
    for (int r = 0; r < RowCount(); ++r) {
        if (!nodeColumn[static_cast<size_t>(r)])
            continue;
        if (HasCellProperties(0, r))
            FreeCellProperties(0, r);
        SetGridObjects(0, r, nodeColumn[static_cast<size_t>(r)]);
    }
}

void TExStringGrid::restoreGroupedColumn(int Colindex)
{
    InsertCols(Colindex, 1);
    if (Colindex != 0)
        return;
    for (int r = 0; r < RowCount(); ++r) {
        SetGridObjects(0, r, GridObjects(1, r));
        SetGridObjects(1, r, nullptr);
    }
}

// ---- ungrouping ----------------------------------------------------------------------------

void TExStringGrid::UnGroup()
{
    if (p->groupColumn == -1)
        return;
    if (p->subGroupColumn != -1)
        SubUnGroup(p->subGroupColumn);
    const TGrouping& g = *p->grouping;
    TExpandOneOff expandOneOff(*p->cellNode);
    ExpandAll();
    {
        TUpdateBatch batch(*this);
        const int column = p->groupColumn;
        restoreGroupedColumn(column);
        SetColWidths(RealToDisplayCol(column), p->groupWidth);
        if (FixedRows() > 0)
            SetCells(column, 0, p->groupCaption);
        if (FixedFooters() > 0)
            SetCells(column, RowCount() - 1, p->groupFooter);
        TScopedFlag grouping(p->isGrouping, true);
        const int h = column == 1 ? 2 : 1;
        QString value;
        int r = FixedRows();
        while (r <= RowCount() - FixedFooters() - 1) {
            if (!IsNode(r)) {
                SetCells(column, r, value);
                ++r;
                continue;
            }
            const int summary = r + GetNodeSpan(r);
            if (summary < RowCount() && IsSummary(summary)) {
                if (g.MergeSummary())
                    SplitCells(1, summary);
                else
                    unpaintGroupRow(summary, true);
                deleteGroupRow(summary);
            }
            value = GridCells(h, r);
            RemoveNode(DisplayToRealRow(r));
            FreeCellProperties(0, r);
            if (g.MergeHeader())
                SplitCells(1, r);
            else
                unpaintGroupRow(r, false);
            deleteGroupRow(r);
        }
        p->groupColumn = -1;
    }
    Invalidate();
}

// ---- the second level ------------------------------------------------------------------------

void TExStringGrid::SubGroup(int Colindex)
{
    if (FixedCols() > Colindex)
        return;
    TUpdateBatch batch(*this);
    const TGrouping& g = *p->grouping;
    p->subGroupColumn = Colindex;
    p->subGroupWidth = ColWidths(RealToDisplayCol(Colindex));
    if (FixedRows() > 0)
        p->subGroupCaption = Cells(Colindex, 0);
    if (FixedFooters() > 0)
        p->subGroupFooter = Cells(Colindex, RowCount() - 1);
    const int column = Colindex;
    const int h = Colindex + 1;
    const auto special = [this](int ARow) { return IsNode(ARow) || IsSummary(ARow); };
    const auto closeSubGroup = [&](int Header, int End) {
        AddNode(DisplayToRealRow(Header), End - Header);
        nodeGraphic(Header)->CellVar = column;
        if (g.MergeHeader()) {
            MergeCells(h, Header, ColCount() - h, 1);
            if (g.HeaderColor() != clNone)
                SetColors(h, Header, g.HeaderColor());
            if (g.HeaderColorTo() != clNone)
                SetColorsTo(h, Header, g.HeaderColorTo());
            if (g.HeaderTextColor() != clNone)
                SetFontColors(h, Header, g.HeaderTextColor());
        } else {
            paintGroupRow(Header, false);
        }
    };

    int header = -1;
    QString previous = Sentinel;
    int r = FixedRows() + 1;
    while (r < RowCount() - FixedFooters()) {
        if (Cells(column, r) != previous || special(r)) {
            if (header >= 0 && !special(header))
                closeSubGroup(header, r);
            if (special(r)) {
                header = r;
            } else {
                const QString value = Cells(column, r);
                InsertChildRow(DisplayToRealRow(r));
                SetCells(h, r, value);
                header = r;
            }
            ++r;
        }
        if (r < RowCount() && !special(r - 1)) {
            previous = Cells(column, r);
            SetCells(column, r, QString());
            ++r;
        } else {
            previous = Sentinel;
        }
    }
    if (header >= 0 && !IsSummary(header)) {
        if (!IsNode(header))
            closeSubGroup(header, r);
        if (r < RowCount() && !special(r - 1))
            SetCells(column, r, QString());
        if (g.Summary()) {
            insertSummaryRow(r);
            if (g.MergeSummary())
                mergeGroupRows();
        }
    }
    SetRow(FixedRows());
}

void TExStringGrid::SubUnGroup(int Colindex)
{
    ExpandAll();
    const TGrouping& g = *p->grouping;
    {
        TUpdateBatch batch(*this);
        QString value;
        int r = FixedRows();
        while (r <= RowCount() - FixedFooters() - 1) {
            const TCellGraphic* node = nodeGraphic(r);
            if (node && node->CellVar == QVariant(Colindex)) {
                value = GridCells(Colindex + 1, r);
                RemoveNode(DisplayToRealRow(r));
                if (g.MergeHeader())
                    SplitCells(Colindex + 1, r);
                else
                    unpaintGroupRow(r, false);
                RemoveChildRow(DisplayToRealRow(r));
                continue;
            }
            if (!node && !IsSummary(r))
                SetCells(Colindex, r, value);
            ++r;
        }
        if (Colindex == p->subGroupColumn) {
            if (FixedFooters() > 0)
                SetCells(Colindex, RowCount() - 1, p->subGroupFooter);
            p->subGroupColumn = -1;
        }
    }
    Invalidate();
}

// ---- aggregates per group -----------------------------------------------------------------

double TExStringGrid::QueryGroupCalc(int ACol, int FromRow, int ToRow)
{
    double result = 0;
    if (OnGroupCalc)
        OnGroupCalc(this, ACol, FromRow, ToRow, result);
    return result;
}

void TExStringGrid::GroupCalc(int Colindex, int method)
{
    const bool summary = p->grouping->Summary();
    int r = FixedRows();
    while (r < RowCount()) {
        if (!IsNode(r) || GetNodeState(r)) {
            ++r;
            continue;
        }
        const int span = GetNodeSpan(r);
        const int target = summary ? r + span : r;
        const int from = r + 1;
        const int to = r + span - 1;
        switch (method) {
        case 1: SetFloats(Colindex, target, ColumnSum(Colindex, from, to)); break;
        case 2: SetFloats(Colindex, target, ColumnAvg(Colindex, from, to)); break;
        case 3: SetFloats(Colindex, target, ColumnMin(Colindex, from, to)); break;
        case 4: SetFloats(Colindex, target, ColumnMax(Colindex, from, to)); break;
        case 5: SetInts(Colindex, target, span - 1); break;
        case 6: SetFloats(Colindex, target, QueryGroupCalc(Colindex, from, to)); break;
        case 7: SetFloats(Colindex, target, ColumnDistinct(Colindex, from, to)); break;
        case 8: SetFloats(Colindex, target, ColumnStdDev(Colindex, from, to)); break;
        default: break;
        }
        r += std::max(span, 1);
    }
}

namespace {

void groupCalcWithFooter(TExStringGrid& grid, int Colindex, int method, TColumnCalcType calc)
{
    grid.GroupCalc(Colindex, method);
    if (grid.FloatingFooter()->Visible())
        grid.FloatingFooter()->SetColumnCalc(Colindex, calc);
}

} // namespace

void TExStringGrid::GroupSum(int Colindex) { groupCalcWithFooter(*this, Colindex, 1, acSUM); }
void TExStringGrid::GroupAvg(int Colindex) { groupCalcWithFooter(*this, Colindex, 2, acAVG); }
void TExStringGrid::GroupMin(int Colindex) { groupCalcWithFooter(*this, Colindex, 3, acMIN); }
void TExStringGrid::GroupMax(int Colindex) { groupCalcWithFooter(*this, Colindex, 4, acMAX); }
void TExStringGrid::GroupCount(int Colindex) { groupCalcWithFooter(*this, Colindex, 5, acCOUNT); }
void TExStringGrid::GroupCustomCalc(int Colindex) { GroupCalc(Colindex, 6); }
void TExStringGrid::GroupDistinct(int Colindex) { GroupCalc(Colindex, 7); }
void TExStringGrid::GroupStdDev(int Colindex) { GroupCalc(Colindex, 8); }
