// Hidden columns and rows of the grid and the mappings between real and display
// indexes. Hidden columns keep their cells where they are; hidden rows leave the
// cell store into records (TGridItem) and come back from them. Rows are copied
// over every real column directly, since stored cells beyond the counts stay
// addressable, so nothing needs widening first. AllCells, AllGridCells and
// AllObjects read hidden rows from their records. Each HideRowList hides its
// rows at a new filter level, and UnHideRowList shows the rows of the last
// level again, so stacked filters come off in turn. Every record keeps its
// row's real index, whichever operation hid it, so levels, HideRows and the
// mappings agree. Hiding and showing place the controls in cells again.

#include "grid/engine/ExGridPrivate.h"
#include "grid/engine/paint/ExGridAppearance.h"
#include "grid/engine/ExGridViewSettings.h"

#include <algorithm>
#include <optional>

namespace {

// Switches the marking of modified rows off while restored texts come back.
class TModifiedMarkingOff {
public:
    explicit TModifiedMarkingOff(TShowModified* showModified)
        : showModified_(showModified), enabled_(showModified->Enabled())
    {
        showModified_->SetEnabled(false);
    }
    ~TModifiedMarkingOff() { showModified_->SetEnabled(enabled_); }
    TModifiedMarkingOff(const TModifiedMarkingOff&) = delete;
    TModifiedMarkingOff& operator=(const TModifiedMarkingOff&) = delete;

private:
    TShowModified* showModified_;
    bool enabled_;
};

} // namespace

// ---- mappings -------------------------------------------------------------------------

int TExStringGrid::DisplayToRealCol(int ACol) const { return p->hiddenCols.DisplayToReal(ACol); }

int TExStringGrid::RealToDisplayCol(int ACol) const { return p->hiddenCols.RealToDisplay(ACol); }

int TExStringGrid::RealColIndex(int ACol) const { return DisplayToRealCol(ACol); }

int TExStringGrid::DisplColIndex(int ACol) { return RealToDisplayCol(ACol); }

int TExStringGrid::RealCol() const { return DisplayToRealCol(Col()); }

bool TExStringGrid::IsHiddenColumn(int ColIndex) const { return p->hiddenCols.IsHidden(ColIndex); }

int TExStringGrid::NumHiddenColumns() const { return p->hiddenCols.Count(); }

int TExStringGrid::TotalColCount() const { return ColCount() + NumHiddenColumns(); }

// A hidden column keeps its saved width; a shown one is its display column.
int TExStringGrid::AllColWidths(int ACol) const
{
    if (IsHiddenColumn(ACol))
        return p->hiddenCols.Width(ACol);
    const int shown = RealToDisplayCol(ACol);
    return shown >= 0 && shown < ColCount() ? ColWidths(shown) : p->hiddenCols.Width(ACol);
}

void TExStringGrid::SetAllColWidths(int ACol, int Value)
{
    p->hiddenCols.SetWidth(ACol, Value);
    if (IsHiddenColumn(ACol))
        return;
    const int shown = RealToDisplayCol(ACol);
    if (shown >= 0 && shown < ColCount())
        SetColWidths(shown, Value);
}

std::vector<int> TExStringGrid::hiddenRowIndexes() const
{
    std::vector<int> rows;
    rows.reserve(p->gridItems.size());
    for (const auto& item : p->gridItems)
        rows.push_back(item->Idx());
    return rows;
}

int TExStringGrid::DisplayToRealRow(int ARow) const
{
    if (p->gridItems.empty())
        return ARow;
    return HiddenDisplayToRealRow(ARow, hiddenRowIndexes());
}

int TExStringGrid::RealToDisplayRow(int ARow) const { return HiddenRealToDisplayRow(ARow, hiddenRowIndexes()); }

int TExStringGrid::RealRowIndex(int ARow) const { return DisplayToRealRow(ARow); }

int TExStringGrid::DisplRowIndex(int ARow) const { return RealToDisplayRow(ARow); }

int TExStringGrid::RealRow() const { return DisplayToRealRow(Row()); }

int TExStringGrid::recordIndexOf(int RowIndex) const
{
    for (size_t i = 0; i < p->gridItems.size(); ++i)
        if (p->gridItems[i]->Idx() == RowIndex)
            return static_cast<int>(i);
    return -1;
}

bool TExStringGrid::IsHiddenRow(int RowIndex) const { return recordIndexOf(RowIndex) >= 0; }

bool TExStringGrid::IsHiddenRow(int RowIndex, std::unique_ptr<TIntList>& ListHidden) const
{
    if (!ListHidden) {
        ListHidden = std::make_unique<TIntList>(-1, -1);
        for (const auto& item : p->gridItems)
            ListHidden->Add(item->Idx());
    }
    return ListHidden->HasValue(RowIndex);
}

int TExStringGrid::NumHiddenRows() const { return static_cast<int>(p->gridItems.size()); }

int TExStringGrid::TotalRowCount() const { return RowCount() + NumHiddenRows(); }

int TExStringGrid::FilterLevel() const { return p->filterLevel; }

void TExStringGrid::SetFilterLevel(int Value) { p->filterLevel = Value; }

TGridItem* TExStringGrid::HiddenRowItem(int Index) const
{
    if (Index < 0 || Index >= NumHiddenRows())
        return nullptr;
    return p->gridItems[static_cast<size_t>(Index)].get();
}

bool TExStringGrid::IsIgnoredColumn(int ACol) const { return p->ignoreColumns->HasValue(ACol); }

// ---- cells of hidden rows ---------------------------------------------------------------

// The text a hidden row's record keeps for a column; empty for a column the
// record does not reach (added after the row was hidden) or a negative one.
QString TExStringGrid::hiddenRowText(int record, int ACol) const
{
    const TStringList* items = p->gridItems[static_cast<size_t>(record)]->Items();
    return ACol >= 0 && ACol < items->Count() ? items->Strings(ACol) : QString();
}

QString TExStringGrid::AllCells(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return QString();
    const int record = recordIndexOf(ARow);
    if (record < 0)
        return Cells(ACol, RealToDisplayRow(ARow));
    QString text = hiddenRowText(record, ACol);
    QueryDisplayText(ACol, ARow, text);
    return text;
}

// The cells of a hidden row's record, grown to hold column ACol; none for a
// negative column.
TStringList* TExStringGrid::hiddenRowSlots(int record, int ACol)
{
    if (ACol < 0)
        return nullptr;
    TStringList* items = p->gridItems[static_cast<size_t>(record)]->Items();
    while (items->Count() <= ACol)
        items->Add(QString());
    return items;
}

void TExStringGrid::SetAllCells(int ACol, int ARow, const QString& Value)
{
    const int record = recordIndexOf(ARow);
    if (record < 0) {
        SetCells(ACol, RealToDisplayRow(ARow), Value);
        return;
    }
    if (TStringList* items = hiddenRowSlots(record, ACol))
        items->SetStrings(ACol, Value);
}

QString TExStringGrid::AllGridCells(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return QString();
    const int record = recordIndexOf(ARow);
    if (record < 0)
        return GridCells(ACol, RealToDisplayRow(ARow));
    return hiddenRowText(record, ACol);
}

void TExStringGrid::SetAllGridCells(int ACol, int ARow, const QString& Value)
{
    if (recordIndexOf(ARow) < 0)
        SetGridCells(ACol, RealToDisplayRow(ARow), Value);
    else
        SetAllCells(ACol, ARow, Value);
}

TObject* TExStringGrid::AllObjects(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return nullptr;
    const int record = recordIndexOf(ARow);
    if (record < 0)
        return Objects(ACol, RealToDisplayRow(ARow));
    const TStringList* items = p->gridItems[static_cast<size_t>(record)]->Items();
    if (ACol < 0 || ACol >= items->Count())
        return nullptr;
    TObject* kept = items->Objects(ACol);
    const auto* props = dynamic_cast<const TCellProperties*>(kept);
    return props ? props->CellObject() : kept;
}

void TExStringGrid::SetAllObjects(int ACol, int ARow, TObject* Value)
{
    const int record = recordIndexOf(ARow);
    if (record < 0) {
        SetObjects(ACol, RealToDisplayRow(ARow), Value);
        return;
    }
    TStringList* items = hiddenRowSlots(record, ACol);
    if (!items)
        return;
    auto* props = dynamic_cast<TCellProperties*>(items->Objects(ACol));
    if (!props) {
        props = new TCellProperties(this, ACol, ARow);
        delete items->Objects(ACol);
        items->SetObjects(ACol, props);
    }
    props->SetCellObject(Value);
}

// ---- row records ---------------------------------------------------------------------

std::unique_ptr<TGridItem> TExStringGrid::takeRowIntoItem(int ARow)
{
    auto item = std::make_unique<TGridItem>();
    for (int c = 0; c < TotalColCount(); ++c)
        item->Items()->AddObject(GridCells(c, ARow), GridObjects(c, ARow));
    item->SetHeight(RowHeights(ARow));
    // the record owns the objects now; the store must not free them again
    emptyStoredRow(ARow);
    return item;
}

void TExStringGrid::restoreRowFromItem(TGridItem& Item, int ARow)
{
    TStringList* items = Item.Items();
    for (int c = 0; c < items->Count(); ++c) {
        SetGridCells(c, ARow, items->Strings(c));
        SetGridObjects(c, ARow, Item.TakeObject(c));
    }
    SetRowHeights(ARow, Item.Height());
}

void TExStringGrid::setEmbeddedControlVisible(int ACol, int ARow, bool Visible)
{
    if (!HasCellProperties(ACol, ARow))
        return;
    QWidget* control = CellProperties(ACol, ARow)->Control();
    if (!control)
        return;
    if (Visible) {
        const TRect r = CellRect(ACol, ARow);
        control->setGeometry(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top - 1);
    }
    control->setVisible(Visible);
}

// ---- columns ---------------------------------------------------------------------------

void TExStringGrid::HideColumn(int ColIndex) { HideColumns(ColIndex, ColIndex); }

void TExStringGrid::HideColumns(int FromCol, int ToCol)
{
    HideInplaceEdit();
    for (int c = FromCol; c <= ToCol; ++c) {
        if (c < 0 || IsHiddenColumn(c) || c >= TotalColCount() || ColCount() < 2)
            continue;
        const int d = RealToDisplayCol(c);
        const int width = ColWidths(d);
        for (int i = d; i <= ColCount() - 2; ++i)
            SetColWidths(i, ColWidths(i + 1));
        p->hiddenCols.Hide(c, width);
        if (Col() == ColCount() - 1)
            SetCol(Col() - 1);
        SetColCount(ColCount() - 1);
    }
    Invalidate();
    // controls in cells right of a hidden column move left with their cells
    if (p->controlList->Count() > 0)
        CellControlsUpdate(false);
}

void TExStringGrid::UnHideColumn(int ColIndex) { UnHideColumns(ColIndex, ColIndex); }

void TExStringGrid::UnHideColumns(int FromCol, int ToCol)
{
    HideInplaceEdit();
    for (int c = FromCol; c <= ToCol; ++c) {
        if (!IsHiddenColumn(c))
            continue;
        const int width = p->hiddenCols.Show(c);
        SetColCount(ColCount() + 1);
        const int e = RealToDisplayCol(c + 1);
        for (int i = ColCount() - 1; i >= e && i > 0; --i)
            SetColWidths(i, ColWidths(i - 1));
        SetColWidths(RealToDisplayCol(c), width);
    }
    Invalidate();
    if (p->controlList->Count() > 0)
        CellControlsUpdate(false);
}

void TExStringGrid::UnHideColumnsAll() { UnHideColumns(0, TotalColCount()); }

// ---- rows ------------------------------------------------------------------------------

void TExStringGrid::HideRow(int RowIndex) { HideRows(RowIndex, RowIndex); }

void TExStringGrid::HideRows(int FromRow, int ToRow)
{
    if (ToRow < FromRow)
        return;
    int before = 0;
    int alreadyHidden = 0;
    for (const auto& item : p->gridItems) {
        if (item->Idx() < FromRow)
            ++before;
        else if (item->Idx() <= ToRow)
            ++alreadyHidden;
    }
    const int count = ToRow - FromRow + 1 - alreadyHidden;
    const int display = FromRow - before;
    if (count == 0 || display >= RowCount())
        return;
    setEmbeddedControlVisible(1, display, false);
    // the records added here lie before the rows still asked about
    std::unique_ptr<TIntList> hidden;
    int k = 0;
    for (int r = FromRow; r <= ToRow && display + k < RowCount(); ++r) {
        if (IsHiddenRow(r, hidden))
            continue;
        std::unique_ptr<TGridItem> item = takeRowIntoItem(display + k);
        item->SetIdx(r);
        // at its place by Idx, also among records of the range hidden before
        const auto at = std::find_if(p->gridItems.begin(), p->gridItems.end(),
                                     [r](const auto& other) { return other->Idx() > r; });
        p->gridItems.insert(at, std::move(item));
        ++k;
    }
    DeleteRowRange(display, k, false);
    CellControlsUpdate(false);
}

void TExStringGrid::HideRowsEx(int FromRow, int ToRow)
{
    if (IsHiddenRow(FromRow) || ToRow < FromRow)
        return;
    const int display = RealToDisplayRow(FromRow);
    if (display >= RowCount())
        return;
    std::unique_ptr<TIntList> hidden;
    int k = 0;
    for (int r = FromRow; r <= ToRow && display + k < RowCount(); ++r) {
        if (IsHiddenRow(r, hidden))
            continue;
        std::unique_ptr<TGridItem> item = takeRowIntoItem(display + k);
        item->SetIdx(r);
        p->gridItems.push_back(std::move(item));
        ++k;
    }
    if (k == 0)
        return;
    // the rows below move up with their texts and objects; heights stay put,
    // and the records keep their indexes
    removeRowsTextOnly(display, k, {});
    CellControlsUpdate(false);
}

// Each record keeps its row's real index, taken before the first row goes,
// so that the mappings, AllCells and the restore agree with the records of
// other levels and of HideRows.
void TExStringGrid::HideRowList(const TIntList& RowList)
{
    std::vector<int> heights(static_cast<size_t>(RowCount()));
    for (int r = 0; r < RowCount(); ++r)
        heights[static_cast<size_t>(r)] = RowHeights(r);
    std::vector<int> reals;
    for (int i = 0; i < RowList.Count(); ++i)
        reals.push_back(DisplayToRealRow(RowList.GetInteger(i)));
    for (int i = 0; i < RowList.Count(); ++i) {
        std::unique_ptr<TGridItem> item = takeRowIntoItem(RowList.GetInteger(i));
        item->SetIdx(reals[static_cast<size_t>(i)]);
        item->SetLevel(p->filterLevel);
        p->gridItems.push_back(std::move(item));
    }
    ++p->filterLevel;

    TUpdateBatch batch(*this);
    int next = 0;
    int kept = 0;
    for (int r = 0; r < RowCount(); ++r) {
        if (next < RowList.Count() && RowList.GetInteger(next) == r) {
            ++next;
            continue;
        }
        if (kept != r) {
            copyStoredRow(r, kept, false);
            SetRowHeights(kept, heights[static_cast<size_t>(r)]);
        }
        ++kept;
    }
    for (int r = kept; r < RowCount(); ++r)
        emptyStoredRow(r);
    SetRowCount(RowCount() - RowList.Count());
    CellControlsUpdate(false);
}

// A row is selected by its disjunct flag (at its real index when the selection
// is persistent) or by lying within the selection rectangle.
bool TExStringGrid::rowIsSelected(int ARow) const
{
    const TMouseActions& actions = *p->mouseActions;
    if (actions.DisjunctRowSelect())
        return IsFlagSet(*p->rowSelect, actions.RowSelectPersistent() ? DisplayToRealRow(ARow) : ARow);
    const TGridRect sel = Selection();
    return ARow >= std::min(sel.Top, sel.Bottom) && ARow <= std::max(sel.Top, sel.Bottom);
}

// Both decide from the selection as it is before the first row goes, since
// hiding a row moves the current row and with it a range selection.
void TExStringGrid::HideSelectedRows() { hideRowsBySelection(true); }

void TExStringGrid::HideUnSelectedRows() { hideRowsBySelection(false); }

void TExStringGrid::hideRowsBySelection(bool Selected)
{
    std::vector<int> rows;
    for (int r = RowCount() - 1; r >= FixedRows(); --r)
        if (rowIsSelected(r) == Selected)
            rows.push_back(DisplayToRealRow(r));
    TUpdateBatch batch(*this);
    for (int real : rows)
        HideRows(real, real);
}

void TExStringGrid::UnHideRow(int RowIndex)
{
    TModifiedMarkingOff marking(p->showModified.get());
    const int record = recordIndexOf(RowIndex);
    if (record >= 0) {
        std::unique_ptr<TGridItem> item = std::move(p->gridItems[static_cast<size_t>(record)]);
        p->gridItems.erase(p->gridItems.begin() + record);
        const int display = RealToDisplayRow(RowIndex);
        InsertRowRange(display, 1, false);
        restoreRowFromItem(*item, display);
    }
    for (int i = 0; i < p->controlList->Count(); ++i) {
        TControlItem* control = p->controlList->Control(i);
        if (control->Y == RowIndex && control->Control)
            control->Control->setVisible(true);
    }
    CellControlsUpdate(false);
}

void TExStringGrid::UnHideRows(int FromRow, int ToRow)
{
    TModifiedMarkingOff marking(p->showModified.get());
    if (!IsHiddenRow(FromRow))
        return;
    std::vector<int> rows;
    for (const auto& item : p->gridItems)
        if (item->Idx() >= FromRow && item->Idx() <= ToRow)
            rows.push_back(item->Idx());
    std::sort(rows.begin(), rows.end());
    for (int real : rows) {
        const int record = recordIndexOf(real);
        const int display = RealToDisplayRow(real);
        std::unique_ptr<TGridItem> item = std::move(p->gridItems[static_cast<size_t>(record)]);
        p->gridItems.erase(p->gridItems.begin() + record);
        InsertRowRange(display, 1, false);
        restoreRowFromItem(*item, display);
        if (real == FromRow)
            setEmbeddedControlVisible(1, display, true);
    }
    CellControlsUpdate(false);
}

void TExStringGrid::UnHideRowsAll()
{
    while (!p->gridItems.empty()) {
        const int first = p->gridItems.front()->Idx();
        int last = first;
        for (size_t i = 1; i < p->gridItems.size() && p->gridItems[i]->Idx() == last + 1; ++i)
            ++last;
        UnHideRows(first, last);
    }
}

// The rows of the last level go back at their real places: the shown rows and
// the level's records are merged by real index, and one backward pass fills
// each target row once. Every shown row only moves down, so a source row is
// read before anything is written over it. With the floating footer shown the
// last row stays the last.
void TExStringGrid::UnHideRowList()
{
    if (p->filterLevel <= 0)
        return;
    const int level = p->filterLevel - 1;
    std::vector<TGridItem*> restored;
    for (const auto& item : p->gridItems)
        if (item->Level() == level)
            restored.push_back(item.get());
    std::stable_sort(restored.begin(), restored.end(),
                     [](const TGridItem* a, const TGridItem* b) { return a->Idx() < b->Idx(); });
    if (Row() >= RowCount() && FixedRows() < RowCount() && FixedCols() < ColCount()) {
        SetRow(FixedRows());
        SetCol(FixedCols());
    }
    const int oldCount = RowCount();
    const int kept = p->floatingFooter->Visible() && oldCount > 0 ? oldCount - 1 : oldCount;
    // the real index of every shown row, taken while the level is still hidden
    std::vector<int> shownReals;
    std::vector<int> hidden = hiddenRowIndexes();
    std::sort(hidden.begin(), hidden.end());
    for (int real = 0, next = 0; static_cast<int>(shownReals.size()) < kept; ++real) {
        while (next < static_cast<int>(hidden.size()) && hidden[static_cast<size_t>(next)] < real)
            ++next;
        if (next >= static_cast<int>(hidden.size()) || hidden[static_cast<size_t>(next)] != real)
            shownReals.push_back(real);
    }

    {
        TUpdateBatch batch(*this);
        SetRowCount(oldCount + static_cast<int>(restored.size()));
        if (kept < oldCount)
            copyStoredRow(oldCount - 1, RowCount() - 1, true);
        int source = kept - 1;
        int record = static_cast<int>(restored.size()) - 1;
        for (int target = kept + static_cast<int>(restored.size()) - 1; target >= 0; --target) {
            const bool fromRecord =
                record >= 0 && (source < 0 || restored[static_cast<size_t>(record)]->Idx() > shownReals[static_cast<size_t>(source)]);
            if (fromRecord) {
                restoreRowFromItem(*restored[static_cast<size_t>(record)], target);
                --record;
            } else {
                if (target != source)
                    copyStoredRow(source, target, true);
                --source;
            }
        }
        std::erase_if(p->gridItems, [level](const auto& item) { return item->Level() == level; });
    }
    CellControlsUpdate(false);
}
