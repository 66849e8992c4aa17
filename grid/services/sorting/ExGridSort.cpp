// Sorting the grid's rows in place: by one column, by the index list, inside
// node groups, and back to the order the cross-reference was reset to.
//
// A run adds three spare rows beyond the data. The partition's pivot is copied
// into one of them, so that every comparison of a partition is made against a
// row that does not move; the spare rows lie beyond the normal row count, so
// their cells are read without the display-text events (the pivot's shown
// texts are copied when such an event is set). Every row move is one
// SortSwapRows, which keeps the cross-reference in step; rows move over all
// real columns, so hidden columns travel with their rows and a tie in the last
// shown column goes on into the hidden ones. The quick sort recurses into the
// smaller part and loops over the larger, so deep recursion cannot happen
// whatever the data. Everything the run changes for its duration (spare rows,
// column 0, footers, top row, update batch) is put back also when a compare
// event throws.

#include "grid/engine/ExGridPrivate.h"
#include "grid/engine/ExGridDataSettings.h"
#include "grid/engine/ExGridViewSettings.h"
#include "grid/foundation/objects/ExObjLists.h"
#include "grid/foundation/objects/ExObjMouseActions.h"
#include "grid/foundation/objects/ExObjNavigation.h"
#include "grid/services/shape/ExGridFootersAside.h"
#include "grid/services/sorting/ExGridSortCompare.h"
#include "platform/core/FormatSettings.h"

#include <QtCore/QScopeGuard>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

using enum TSortStyle;

constexpr int SpareRows = 3;

bool isCheckBoxType(TCellType type)
{
    return type == ctCheckBox || type == ctDataCheckBox || type == ctVirtCheckBox || type == ctRowCheckBox;
}

int sign(qint64 value) { return value < 0 ? -1 : value > 0 ? 1 : 0; }

} // namespace

// ---- comparing ----------------------------------------------------------------------------

int TExStringGrid::CompareCells(int ACol, int ARow1, TSortDirection Direction, int ARow2)
{
    ++p->sortCompares;
    const TSortSettings& ss = *p->sortSettings;
    TSortStyle style = ss.AutoFormat() ? ssAutomatic : ss.IgnoreCase() ? ssAlphaNoCase : ssAlphabetic;
    QString prefix;
    QString suffix;
    QuerySortFormat(ACol, style, prefix, suffix);
    const bool shown = ss.SortOnVirtualCells();
    QString first = shown ? Cells(ACol, ARow1) : GridCells(ACol, ARow1);
    QString second = shown ? Cells(ACol, ARow2) : GridCells(ACol, ARow2);
    if (style == ssAutomatic)
        style = DetectSortStyle(first, second, isCheckBoxType(GetCellType(ACol, ARow1)), ss.IgnoreCase());
    style = ResolveAlphaNumeric(style, first, second);

    int result = 0;
    switch (style) {
    case ssCustom:
        if (OnCustomCompare)
            OnCustomCompare(this, first, second, result);
        result = sign(result);
        break;
    case ssRaw:
        if (OnRawCompare)
            OnRawCompare(this, ACol, ARow1, ARow2, result);
        result = sign(result);
        break;
    case ssHTML:
        first = GetStrippedCell(ACol, ARow1);
        second = GetStrippedCell(ACol, ARow2);
        result = sign(QString::compare(first, second));
        break;
    case ssImages:
        result = sign(GetCellImageKey(ACol, ARow1) - GetCellImageKey(ACol, ARow2));
        break;
    case ssCheckBox: {
        bool checked1 = false;
        bool checked2 = false;
        GetCheckBoxState(ACol, ARow1, checked1);
        GetCheckBoxState(ACol, ARow2, checked2);
        result = int(checked1) - int(checked2);
        break;
    }
    default:
        result = CompareSortTexts(style, first, second, prefix, suffix);
        break;
    }
    if (ss.IgnoreBlanks())
        result = ApplySortBlanks(result, first, second, Direction, ss.BlankPos());
    return result;
}

// A tie goes on to the next real column, hidden ones included.
int TExStringGrid::CompareRows(int ACol, int ARow1, int ARow2)
{
    const TSortSettings& ss = *p->sortSettings;
    for (;;) {
        const int result = IsIgnoredColumn(ACol) ? 0 : CompareCells(ACol, ARow1, ss.Direction(), ARow2);
        if (result != 0 || !ss.Full() || ACol >= TotalColCount() - 1)
            return result;
        ++ACol;
    }
}

int TExStringGrid::CompareRowsIndexed(int Index, int ARow1, int ARow2)
{
    const TSortIndexList& indexes = *p->sortIndexes;
    const bool full = p->sortSettings->Full();
    for (; Index < indexes.Count(); ++Index) {
        const int column = indexes.SortColumns(Index);
        const bool ascending = indexes.SortDirections(Index);
        const int result = IsIgnoredColumn(column) ? 0
                                                   : CompareCells(column, ARow1, ascending ? sdAscending : sdDescending,
                                                                  ARow2);
        if (result != 0)
            return ascending ? result : -result;
        if (!full)
            return 0;
    }
    return 0;
}

int TExStringGrid::Compares() const { return p->sortCompares; }
int TExStringGrid::Swaps() const { return p->sortSwaps; }
quint32 TExStringGrid::SortTime() const { return p->sortTime; }

// ---- moving rows ---------------------------------------------------------------------------

void TExStringGrid::InitSortXRef()
{
    TIntList& xref = p->sortXRef;
    xref.Clear();
    for (int r = 0; r < RowCount(); ++r)
        xref.Insert(r, r);
}

void TExStringGrid::SortSwapRows(int ARow1, int ARow2)
{
    ++p->sortSwaps;
    TIntList& xref = p->sortXRef;
    if (ARow1 >= 0 && ARow2 >= 0 && ARow1 < xref.Count() && ARow2 < xref.Count()) {
        const int entry1 = xref.GetInteger(ARow1);
        xref.SetInteger(ARow1, xref.GetInteger(ARow2));
        xref.SetInteger(ARow2, entry1);
    }
    const TSortSettings& ss = *p->sortSettings;
    if (ss.SingleColumn()) {
        ExchangeRowCells(ARow1, ARow2, ss.Column(), ss.Column());
        return;
    }
    ExchangeRowCells(ARow1, ARow2, 0, TotalColCount() - 1);
    const int height1 = RowHeights(ARow1);
    const int height2 = RowHeights(ARow2);
    if (height1 != height2) {
        SetRowHeights(ARow1, height2);
        SetRowHeights(ARow2, height1);
    }
    if (p->mouseActions->DisjunctRowSelect() && p->navigation->MoveRowOnSort()) {
        const bool real = NumHiddenRows() > 0;
        const int flag1 = real ? DisplayToRealRow(ARow1) : ARow1;
        const int flag2 = real ? DisplayToRealRow(ARow2) : ARow2;
        const bool selected1 = RowSelect(flag1);
        SetRowSelect(flag1, RowSelect(flag2));
        SetRowSelect(flag2, selected1);
    }
    if (p->showModified->Enabled()) {
        const bool modified1 = RowModified(ARow1);
        SetRowModified(ARow1, RowModified(ARow2));
        SetRowModified(ARow2, modified1);
    }
    if (p->sortRow == ARow1)
        p->sortRow = ARow2;
    else if (p->sortRow == ARow2)
        p->sortRow = ARow1;
}

// The pivot's stand-in: with a display-text event set, its texts as the
// compare reads them (spare rows are read without the event).
void TExStringGrid::copySortPivot(int FromRow, int ToRow)
{
    const bool displayEvent = OnGetDisplText || OnGetDisplWideText;
    if (!displayEvent || !p->sortSettings->SortOnVirtualCells()) {
        CopyRowCells(FromRow, ToRow, 0, TotalColCount() - 1);
        return;
    }
    for (int c = 0; c < TotalColCount(); ++c) {
        SetGridCells(c, ToRow, Cells(c, FromRow));
        SetGridObjects(c, ToRow, GridObjects(c, FromRow));
    }
}

namespace {

// The quick sort every row order here uses: Hoare's partition around the
// middle row, recursing into the smaller part and looping over the larger so
// the stack stays bounded. TakePivot(mid) sets the pivot up; MoveI(i) and
// MoveJ(j) tell whether i and j must move on; Swap(i, j) exchanges two
// different rows when it sees a reason to.
template <class TakePivot, class MoveI, class MoveJ, class Swap>
void QuickSortRange(int Start, int End, const TakePivot& takePivot, const MoveI& moveI, const MoveJ& moveJ,
                    const Swap& swap)
{
    while (Start < End) {
        takePivot((Start + End) / 2);
        int i = Start;
        int j = End;
        do {
            while (moveI(i) && i < End)
                ++i;
            while (moveJ(j) && j > Start)
                --j;
            if (i <= j) {
                if (i != j)
                    swap(i, j);
                ++i;
                --j;
            }
        } while (i <= j);
        if (j - Start < End - i) {
            if (Start < j)
                QuickSortRange(Start, j, takePivot, moveI, moveJ, swap);
            Start = i;
        } else {
            if (i < End)
                QuickSortRange(i, End, takePivot, moveI, moveJ, swap);
            End = j;
        }
    }
}

} // namespace

void TExStringGrid::quickSortRows(int ACol, int Start, int End)
{
    p->sortDir = p->sortSettings->Direction() == sdDescending ? -1 : 1;
    const int dir = p->sortDir;
    const int pivot = RowCount() - 2;
    QuickSortRange(
        Start, End, [&](int Mid) { copySortPivot(Mid, pivot); },
        [&](int i) { return CompareRows(ACol, pivot, i) == dir; },
        [&](int j) { return CompareRows(ACol, j, pivot) == dir; },
        [&](int i, int j) {
            if (CompareRows(ACol, i, j) != 0)
                SortSwapRows(i, j);
        });
}

void TExStringGrid::quickSortRowsIndexed(int Start, int End)
{
    const int pivot = RowCount() - 2;
    QuickSortRange(
        Start, End, [&](int Mid) { copySortPivot(Mid, pivot); },
        [&](int i) { return CompareRowsIndexed(0, pivot, i) == 1; },
        [&](int j) { return CompareRowsIndexed(0, j, pivot) == 1; }, [&](int i, int j) { SortSwapRows(i, j); });
}

// Orders rows by the values of the working cross-reference; two rows move
// only when their values differ.
void TExStringGrid::unSortRows(int Start, int End)
{
    std::vector<int>& values = p->unSortXRef;
    const auto at = [&](int Row) -> int& { return values[static_cast<size_t>(Row)]; };
    int pivot = 0;
    QuickSortRange(
        Start, End, [&](int Mid) { pivot = at(Mid); }, [&](int i) { return at(i) < pivot; },
        [&](int j) { return at(j) > pivot; },
        [&](int i, int j) {
            if (at(i) != at(j)) {
                SortSwapRows(i, j);
                std::swap(at(i), at(j));
            }
        });
}

// ---- runs ----------------------------------------------------------------------------------

namespace {

// Column 0 of every row, kept in place while the rows move under it.
struct TKeptColumn {
    std::vector<std::pair<QString, TObject*>> cells;
    void Keep(TExStringGrid& grid)
    {
        for (int r = 0; r < grid.RowCount(); ++r)
            cells.emplace_back(grid.GridCells(0, r), grid.GridObjects(0, r));
    }
    void Restore(TExStringGrid& grid) const
    {
        for (size_t r = 0; r < cells.size(); ++r) {
            grid.SetGridCells(0, static_cast<int>(r), cells[r].first);
            grid.SetGridObjects(0, static_cast<int>(r), cells[r].second);
        }
    }
};

} // namespace

void TExStringGrid::checkSortIndexes() const
{
    if (p->sortIndexes->Count() == 0)
        throw EExGridError(QStringLiteral("No indexes specified for indexed sort"));
}

void TExStringGrid::QSort()
{
    p->sortIndexes->Clear();
    const int column = p->sortSettings->Column();
    if (column < 0)
        return;
    sortRunAround(true, true, [this, column](int First, int Last) { quickSortRows(column, First, Last); });
}

void TExStringGrid::QSortIndexed()
{
    checkSortIndexes();
    sortRunAround(true, false, [this](int First, int Last) { quickSortRowsIndexed(First, Last); });
}

void TExStringGrid::QSortGroup()
{
    const int column = p->sortSettings->Column();
    if (column < 0)
        return;
    sortRunAround(false, false, [this, column](int First, int Last) {
        sortNodeGroups(First, Last, [this, column](int From, int To) { quickSortRows(column, From, To); });
    });
}

void TExStringGrid::QSortGroupIndexed()
{
    checkSortIndexes();
    sortRunAround(false, false, [this](int First, int Last) {
        sortNodeGroups(First, Last, [this](int From, int To) { quickSortRowsIndexed(From, To); });
    });
}

void TExStringGrid::Sort(int Column, TSortDirection Direction)
{
    p->sortSettings->SetColumn(Column);
    p->sortSettings->SetDirection(Direction);
    QSort();
}

void TExStringGrid::SortByColumn(int Col)
{
    if (RowCount() <= 1)
        return;
    p->sortSettings->SetColumn(Col);
    QSort();
}

// Only the spare rows around the partition of the given range.
void TExStringGrid::QuickSort(int Col, int Left, int Right)
{
    const int oldCount = RowCount();
    Right = std::min(Right, oldCount - 1);
    Left = std::max(Left, 0);
    if (Left >= Right)
        return;
    withSpareRows(false, [&] { quickSortRows(Col, Left, Right); });
}

void TExStringGrid::QuickSortIndexed(int Left, int Right)
{
    const int oldCount = RowCount();
    Right = std::min(Right, oldCount - 1);
    Left = std::max(Left, 0);
    if (Left >= Right)
        return;
    withSpareRows(false, [&] { quickSortRowsIndexed(Left, Right); });
}

bool TExStringGrid::SortLine(int Col, int ARow1, int ARow2)
{
    const TSortDirection direction = p->sortSettings->Direction();
    for (;;) {
        const int result = CompareCells(Col, ARow1, direction, ARow2);
        if (result == p->sortDir) {
            SortSwapRows(ARow1, ARow2);
            return true;
        }
        if (result != 0 || Col >= TotalColCount() - 1)
            return false;
        ++Col;
    }
}

void TExStringGrid::QUnSort()
{
    const int count = std::min(RowCount(), p->sortXRef.Count());
    if (count < 2)
        return;
    p->unSortXRef.assign(static_cast<size_t>(count), 0);
    for (int r = 0; r < count; ++r)
        p->unSortXRef[static_cast<size_t>(r)] = p->sortXRef.GetInteger(r);
    TKeptColumn column0;
    const bool keepColumn0 = p->sortSettings->NormalCellsOnly() && FixedCols() > 0;
    if (keepColumn0)
        column0.Keep(*this);
    TUpdateBatch batch(*this);
    const auto restore = qScopeGuard([&] {
        if (keepColumn0)
            column0.Restore(*this);
    });
    unSortRows(0, count - 1);
}

// Three rows beyond the data for the pivot's copy, read without the
// display-text events, emptied again and removed also when Work throws. Their
// cells are emptied, never freed: the pivot's copy shares its objects.
void TExStringGrid::withSpareRows(bool ClearStale, const std::function<void()>& Work)
{
    // one reading of the locale for the whole run, not one per comparison
    const platform::FormatSettingsSnapshot locale;
    const int oldCount = RowCount();
    const bool stale = ClearStale && oldCount < p->maxRowCount - NumHiddenRows();
    SetRowCount(oldCount + SpareRows);
    const auto removeSpares = qScopeGuard([&] {
        for (int r = oldCount; r < oldCount + SpareRows; ++r)
            emptyStoredRow(r);
        SetRowCount(oldCount);
    });
    if (stale) {
        for (int r = oldCount; r < oldCount + SpareRows; ++r)
            emptyStoredRow(r);
    }
    SetNormalRowCount(oldCount);
    Work();
}

void TExStringGrid::sortRunAround(bool WholeGrid, bool PlainQSort, const std::function<void(int, int)>& Partition)
{
    const TSortSettings& ss = *p->sortSettings;
    const TNavigation& nav = *p->navigation;
    if (RowCount() != p->sortXRef.Count())
        InitSortXRef();
    TKeptColumn column0;
    const bool keepColumn0 = ss.NormalCellsOnly() && FixedCols() > 0;
    if (keepColumn0)
        column0.Keep(*this);
    const int topRow = TopRow();
    const bool footerShown = p->floatingFooter->Visible();
    const auto repaintPanels = qScopeGuard([&] {
        if (footerShown && WholeGrid)
            FooterPanel()->update();
        if (PlainQSort)
            repaintSearchPanel();
    });
    TUpdateBatch batch(*this);
    std::optional<TFootersAside> footers;
    if (WholeGrid)
        footers.emplace(*p->floatingFooter, p->fixedFooters);
    const int fixedFooters = footers ? footers->Count() : p->fixedFooters;
    const auto restore = qScopeGuard([&] {
        if (keepColumn0)
            column0.Restore(*this);
        if (nav.KeepScrollOnSort())
            SetTopRow(std::min(topRow, std::max(RowCount() - 1, 0)));
    });
    const int row = Row();
    withSpareRows(true, [&] {
        p->sortRow = Row();
        if (nav.MoveRowOnSort())
            SetRow(RowCount() - (PlainQSort ? 4 : 3));
        Partition(FixedRows(), RowCount() - fixedFooters - SpareRows - 1);
        for (int r = RowCount() - SpareRows; r < RowCount(); ++r)
            emptyStoredRow(r);
        const bool entered = p->entered;
        p->entered = false;
        if (!PlainQSort || !p->mouseActions->DisjunctRowSelect()) {
            if (nav.MoveRowOnSort()) {
                SetRow(p->sortRow);
                p->oldRowSel = -1;
            } else {
                SetRow(row);
            }
        }
        p->entered = entered;
    });
    if (PlainQSort && OnRowChanged && !nav.MoveRowOnSort())
        OnRowChanged(this, row, Row());
}

// Rows below each expanded node of the deepest level, within its span; the
// node rows themselves and rows of other levels stay.
void TExStringGrid::sortNodeGroups(int First, int Last, const std::function<void(int, int)>& SortRange)
{
    int deepest = -1;
    for (int r = First; r <= Last; ++r)
        if (IsNode(r))
            deepest = std::max(deepest, GetNodeLevel(r));
    if (deepest < 0)
        return;
    for (int r = First; r <= Last; ++r) {
        if (!IsNode(r) || GetNodeLevel(r) != deepest || GetNodeState(r))
            continue;
        const int span = GetNodeSpan(r);
        if (span > 2)
            SortRange(r + 1, std::min(r + span - 1, Last));
    }
}
