// The column grid: the string grid's cell questions answered from the column
// definitions, the definitions kept one per column through column count
// changes, moves and width changes, and the column pop-up menus.

#include "grid/cells/columns/ExColumnGrid.h"

#include "grid/cells/editors/GridEditors.h"
#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/util/ExUtilNumber.h"
#include "platform/core/StringList.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/Font.h"

#include <QtWidgets/QMenu>

#include <algorithm>

struct TExColumnGrid::Private {
    std::unique_ptr<TGridColumnCollection> columns;
    bool columnMoving = false;
    // Lent to every empty data cell of a check-box column; never stored in a cell.
    TCellGraphic sharedCheckBox;
    // The definition of a grouped column, kept for ungrouping.
    TGridColumnItem spare;
    bool autoFilterDisplay = false;
};

namespace {

// Sets a flag for a scope and puts back what it held, also when an
// exception passes.
class TNoRecursiveUpdate {
public:
    explicit TNoRecursiveUpdate(TGridColumnCollection& c) : c_(c), old_(c.NoRecursiveUpdate())
    {
        c_.SetNoRecursiveUpdate(true);
    }
    ~TNoRecursiveUpdate() { c_.SetNoRecursiveUpdate(old_); }
    TNoRecursiveUpdate(const TNoRecursiveUpdate&) = delete;
    TNoRecursiveUpdate& operator=(const TNoRecursiveUpdate&) = delete;

private:
    TGridColumnCollection& c_;
    bool old_;
};

}  // namespace

TExColumnGrid::TExColumnGrid(QWidget* AOwner) : TExStringGrid(AOwner), d(std::make_unique<Private>())
{
    d->columns.reset(CreateColumnCollection());
    d->columns->OnUpdate = [this](TGridColumnCollection*) { collectionChanged(); };
    TNoRecursiveUpdate guard(*d->columns);
    SynchColumns();
}

TExColumnGrid::~TExColumnGrid()
{
    // The definitions go first; what the string grid does while it goes asks
    // the string grid's own answers.
    d->columns.reset();
}

TGridColumnCollection* TExColumnGrid::CreateColumnCollection() { return new TGridColumnCollection(this); }
TGridColumnCollection* TExColumnGrid::Columns() const { return d->columns.get(); }
void TExColumnGrid::SetColumns(const TGridColumnCollection& Value) { d->columns->Assign(Value); }
bool TExColumnGrid::AutoFilterDisplay() const { return d->autoFilterDisplay; }
void TExColumnGrid::SetAutoFilterDisplay(bool Value) { d->autoFilterDisplay = Value; }
bool TExColumnGrid::ColumnMoving() const { return d->columnMoving; }

TGridColumnItem* TExColumnGrid::GetColumnByName(const QString& Name) const
{
    for (int i = 0; i < d->columns->Count(); ++i)
        if (d->columns->Items(i)->Name() == Name)
            return d->columns->Items(i);
    return nullptr;
}

void TExColumnGrid::Loaded()
{
    TExStringGrid::Loaded();
    SynchColumns();
    d->columns->SetOrganization();
}

int TExColumnGrid::GetVersionNr() const { return (3 << 24) | (1 << 16) | (3 << 8) | 1; }
QString TExColumnGrid::GetVersionString() const { return QStringLiteral("3.1.3.1 Aug, 2012"); }

// ---- keeping one definition per column ------------------------------------------------

void TExColumnGrid::SynchColumns()
{
    if (!d || !d->columns)
        return;
    TGridColumnCollection& columns = *d->columns;
    const int wanted = ColCount() + NumHiddenColumns();
    while (columns.Count() < wanted)
        columns.Add();
    while (columns.Count() > wanted)
        columns.Delete(columns.Count() - 1);
}

// The string grid's count change appends definitions at the end; they are
// taken back there and opened at the new columns instead.
void TExColumnGrid::InsertCols(int ColIndex, int CCount)
{
    const int before = TotalColCount();
    TExStringGrid::InsertCols(ColIndex, CCount);
    const int added = TotalColCount() - before;
    TNoRecursiveUpdate guard(*d->columns);
    const int at = std::min(std::max(ColIndex, 0), before);
    for (int i = 0; i < added; ++i) {
        d->columns->Delete(d->columns->Count() - 1);
        d->columns->Insert(at);
    }
}

// The definitions go first, so that the count change finds one per column
// left and touches none.
void TExColumnGrid::RemoveCols(int ColIndex, int CCount)
{
    const int total = TotalColCount();
    if (ColIndex >= 0 && ColIndex < total && CCount > 0) {
        TNoRecursiveUpdate guard(*d->columns);
        const int gone = std::min(CCount, total - ColIndex);
        for (int i = 0; i < gone && ColIndex < d->columns->Count(); ++i)
            d->columns->Delete(ColIndex);
    }
    TExStringGrid::RemoveCols(ColIndex, CCount);
    TNoRecursiveUpdate guard(*d->columns);
    SynchColumns();
}

void TExColumnGrid::Group(int Colindex)
{
    if (Colindex >= 0 && Colindex < d->columns->Count())
        d->spare.Assign(*d->columns->Items(Colindex));
    TExStringGrid::Group(Colindex);
}

void TExColumnGrid::UnGroup()
{
    const int column = GroupColumn();
    TExStringGrid::UnGroup();
    if (column == -1 || column >= d->columns->Count())
        return;
    // the definition's header would overwrite the caption ungrouping gave back
    const QString caption = FixedRows() > 0 ? Cells(column, 0) : QString();
    d->columns->Items(column)->Assign(d->spare);
    if (FixedRows() > 0)
        SetCells(column, 0, caption);
}

void TExColumnGrid::AfterBulkCellChange()
{
    TExStringGrid::AfterBulkCellChange();
    TNoRecursiveUpdate guard(*d->columns);
    SynchColumns();
}

void TExColumnGrid::SizeChanged(int OldColCount, int OldRowCount)
{
    TExStringGrid::SizeChanged(OldColCount, OldRowCount);
    if (!d || !d->columns)
        return;
    TNoRecursiveUpdate guard(*d->columns);
    SynchColumns();
}

void TExColumnGrid::collectionChanged()
{
    TGridColumnCollection& columns = *d->columns;
    if (columns.UpdateCount() > 0 || columns.NoRecursiveUpdate() || IsLoading())
        return;
    const int shown = columns.Count() - NumHiddenColumns();
    if (shown != ColCount() && FixedCols() < shown)
        SetColCount(shown);
    SynchHeaders();
    Invalidate();
}

void TExColumnGrid::SynchHeaders()
{
    if (FixedRows() <= 0)
        return;
    TGridColumnCollection& columns = *d->columns;
    for (int i = 0; i < columns.Count(); ++i) {
        TGridColumnItem* item = columns.Items(i);
        const QString cell = Cells(i, 0);
        if (item->Header().isEmpty() && !cell.isEmpty())
            item->SetHeaderField(cell);
    }
    RefillColumnHeaders();
}

void TExColumnGrid::RefillColumnHeaders()
{
    TStringList* headers = ColumnHeaders();
    // The grid shows the headers once, when the whole list is in place.
    headers->BeginUpdate();
    headers->Clear();
    for (int i = 0; i < d->columns->Count(); ++i)
        headers->Add(d->columns->Items(i)->Header());
    headers->EndUpdate();
}

void TExColumnGrid::BeforeShowColumnHeaders()
{
    const TStringList* headers = ColumnHeaders();
    const int count = std::min(headers->Count(), d->columns->Count());
    for (int i = 0; i < count; ++i)
        d->columns->Items(i)->SetHeaderField(headers->Strings(i));
}

// The definition travels with its column: a copy is appended, the original
// leaves, a new one at the target takes the copy's settings.
void TExColumnGrid::HandleColumnMoved(int FromIndex, int ToIndex)
{
    TGridColumnCollection& columns = *d->columns;
    const int topRow = TopRow();
    const int realFrom = DisplayToRealCol(FromIndex);
    const int realTo = DisplayToRealCol(ToIndex);
    {
        TNoRecursiveUpdate guard(columns);
        TExStringGrid::HandleColumnMoved(FromIndex, ToIndex);
        if (realFrom < columns.Count() && realTo < columns.Count()) {
            columns.BeginUpdate();
            TScopedFlag moving(d->columnMoving, true);
            TGridColumnItem* copy = columns.Add();
            copy->Assign(*columns.Items(realFrom));
            columns.Delete(realFrom);
            columns.Insert(realTo)->Assign(*copy);
            columns.Delete(columns.Count() - 1);
            columns.EndUpdate();
        }
        SetTopRow(topRow);
    }
    if (OnAfterColumnMoved)
        OnAfterColumnMoved(this, realFrom, realTo);
}

void TExColumnGrid::ColWidthsChanged()
{
    TExStringGrid::ColWidthsChanged();
    if (IsLoading() || IsDestroying() || !d)
        return;
    for (int c = 0; c < ColCount(); ++c)
        if (TGridColumnItem* item = definition(DisplayToRealCol(c)))
            item->SetStoredWidth(ColWidths(c));
}

// ---- the cell questions ------------------------------------------------------------------

TGridColumnItem* TExColumnGrid::definition(int ACol) const
{
    return d && d->columns ? d->columns->Items(ACol) : nullptr;
}

// A data cell of a defined column: not in the fixed columns or rows and,
// when asked, not in the right fixed columns or the footer rows either.
bool TExColumnGrid::isDataCell(int ACol, int ARow, bool excludeRightFixedAndFooter)
{
    if (!definition(ACol) || ACol < FixedCols() || ARow < FixedRows())
        return false;
    if (!excludeRightFixedAndFooter)
        return true;
    return ACol < ColCount() + NumHiddenColumns() - FixedRightCols() && ARow < RowCount() - FixedFooters();
}

void TExColumnGrid::QueryDefaultCellProperties(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                                               TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                               TVAlignment& VA, bool& WW, TCellGradientDirection& GD)
{
    const TGridColumnItem* item = definition(ACol);
    if (!item) {
        TExStringGrid::QueryDefaultCellProperties(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor, AMirrorColorTo,
                                                  HA, VA, WW, GD);
        return;
    }
    AFont->Assign(*item->Font());
    ABrush->SetColor(item->Color());
    AColorTo = clNone;
    HA = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
    VA = VAlignment();
    WW = WordWrap();
    GD = GradientVertical;
    const bool fixedCell = ACol < FixedCols() || ARow < FixedRows() || item->Fixed();
    if (fixedCell || (Bands()->Active() && item->ShowBands())) {
        ABrush->SetColor(clNone);
        AColorTo = clNone;
    }
}

QString TExColumnGrid::GetFormattedCell(int ACol, int ARow)
{
    const TGridColumnItem* item = definition(ACol);
    if (!item)
        return TExStringGrid::GetFormattedCell(ACol, ARow);
    const QString text = Cells(ACol, ARow);
    QString format = item->FloatFormat();
    bool isFloat = DetectNumberKind(text) == nkInteger || DetectNumberKind(text) == nkFloat;
    if (OnGetFloatFormat)
        OnGetFloatFormat(this, ACol, ARow, isFloat, format);
    if (format.isEmpty() || !isFloat)
        return text;
    return FormatCellNumber(text, format);
}

void TExColumnGrid::QueryFloatFormat(int ACol, int ARow, QString& AFormat)
{
    TExStringGrid::QueryFloatFormat(ACol, ARow, AFormat);
    if (const TGridColumnItem* item = definition(ACol); item && !item->FloatFormat().isEmpty())
        AFormat = item->FloatFormat();
}

TCellType TExColumnGrid::GetCellType(int ACol, int ARow)
{
    const TCellType kind = TExStringGrid::GetCellType(ACol, ARow);
    if (kind != ctEmpty || IsDestroying() || !isDataCell(ACol, ARow, true))
        return kind;
    return definition(ACol)->Editor() == edDataCheckBox ? ctDataCheckBox : kind;
}

TCellGraphic* TExColumnGrid::GetCellGraphic(int ACol, int ARow)
{
    TCellGraphic* graphic = TExStringGrid::GetCellGraphic(ACol, ARow);
    if (graphic || !isDataCell(ACol, ARow, true) || definition(ACol)->Editor() != edDataCheckBox)
        return graphic;
    d->sharedCheckBox.CellType = ctVirtCheckBox;
    d->sharedCheckBox.CellTransparent = ControlLook()->ControlStyle() == csFlat;
    return &d->sharedCheckBox;
}

namespace {

void clampToBounds(int& width, int low, int high)
{
    if (low > 0 && width < low)
        width = low;
    if (high > 0 && width > high)
        width = high;
}

}  // namespace

void TExColumnGrid::AdjustColumnSize(int ACol, int& AWidth)
{
    if (const TGridColumnItem* item = definition(ACol))
        clampToBounds(AWidth, item->MinSize(), item->MaxSize());
    TExStringGrid::AdjustColumnSize(ACol, AWidth);
}

void TExColumnGrid::AdjustAutoColumnSize(int ACol, int& AWidth)
{
    if (const TGridColumnItem* item = definition(ACol))
        clampToBounds(AWidth, item->AutoMinSize(), item->AutoMaxSize());
    TExStringGrid::AdjustAutoColumnSize(ACol, AWidth);
}

void TExColumnGrid::QueryCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    // Fixed rows count here as well; footers and right fixed columns do not.
    if (isDataCell(ACol, std::max(ARow, FixedRows()), true) && ARow < RowCount() - FixedFooters()) {
        const TGridColumnItem* item = definition(ACol);
        const bool fixedRow = ARow < FixedRows();
        if (item->Fixed())
            ABrush->SetColor(FixedColor());
        else if (!fixedRow && !(item->ShowBands() && Bands()->Active()))
            ABrush->SetColor(item->Color());
        AFont->Assign(fixedRow ? *item->HeaderFont() : *item->Font());
        if (HasCellProperties(ACol, ARow)) {
            const TCellProperties* props = CellProperties(ACol, ARow);
            if (props->BrushColor() != clNone)
                ABrush->SetColor(props->BrushColor());
            if (props->FontColor() != clNone)
                AFont->SetColor(props->FontColor());
        }
    }
    TExStringGrid::QueryCellColor(ACol, ARow, AState, ABrush, AFont);
}

void TExColumnGrid::QueryCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    if (const TGridColumnItem* item = definition(ACol)) {
        const bool edge = ACol < FixedCols() || ARow < FixedRows() ||
                          ACol >= ColCount() + NumHiddenColumns() - FixedRightCols() ||
                          ARow >= RowCount() - FixedFooters();
        if (edge) {
            AFont->Assign(*PrintSettings()->FixedFont());
        } else {
            if (item->Fixed())
                ABrush->SetColor(FixedColor());
            else if (!(item->ShowBands() && Bands()->Active() && Bands()->Print()))
                ABrush->SetColor(item->PrintColor());
            const TCellProperties* props = HasCellProperties(ACol, ARow) ? CellProperties(ACol, ARow) : nullptr;
            if (props && props->BrushColor() != clNone)
                ABrush->SetColor(props->BrushColor());
            if (item->PrintFontCustom()) {
                AFont->Assign(*item->PrintFont());
                if (props) {
                    if (props->FontColor() != clNone)
                        AFont->SetColor(props->FontColor());
                    if (props->FontStyle() != TFontStyles())
                        AFont->SetStyle(props->FontStyle());
                    if (props->FontSize() != 0)
                        AFont->SetSize(props->FontSize());
                    if (!props->FontName().isEmpty())
                        AFont->SetName(props->FontName());
                }
            } else {
                AFont->Assign(*PrintSettings()->Font());
            }
        }
    }
    TExStringGrid::QueryCellPrintColor(ACol, ARow, AState, ABrush, AFont);
}

void TExColumnGrid::QueryCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders)
{
    if (isDataCell(ACol, ARow, false)) {
        Borders = definition(ACol)->Borders();
        APen->Assign(*definition(ACol)->BorderPen());
    }
    TExStringGrid::QueryCellBorder(ACol, ARow, APen, Borders);
}

void TExColumnGrid::QueryCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders)
{
    if (isDataCell(ACol, ARow, false) && definition(ACol)->PrintBorderCustom()) {
        Borders = definition(ACol)->PrintBorders();
        APen->Assign(*definition(ACol)->PrintBorderPen());
    }
    TExStringGrid::QueryCellPrintBorder(ACol, ARow, APen, Borders);
}

void TExColumnGrid::QueryCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    if (const TGridColumnItem* item = definition(ACol)) {
        HAlign = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
        if (HasCellProperties(ACol, ARow))
            HAlign = CellProperties(ACol, ARow)->Alignment();
    }
    TExStringGrid::QueryCellAlignment(ACol, ARow, HAlign, VAlign);
}

void TExColumnGrid::QuerySortFormat(int ACol, TSortStyle& AStyle, QString& APrefix, QString& ASuffix)
{
    if (const TGridColumnItem* item = definition(ACol)) {
        AStyle = item->SortStyle();
        APrefix = item->SortPrefix();
        ASuffix = item->SortSuffix();
    }
    TExStringGrid::QuerySortFormat(ACol, AStyle, APrefix, ASuffix);
}

// The combo editor gets a fresh copy of the column's items every time, so a
// column never shows the items another column loaded before it.
void TExColumnGrid::ConfigureCellEditor(int ACol, int ARow, TEditorType& AEditor)
{
    if (const TGridColumnItem* item = definition(ACol)) {
        if (isDataCell(ACol, ARow, false)) {
            AEditor = item->Editor();
            TGridCombo* combo = EditCombo();
            QStringList items;
            for (int i = 0; i < item->ComboItems()->Count(); ++i)
                items << item->ComboItems()->Strings(i);
            combo->Items().Assign(items);
            combo->SetDropDownCount(item->DropDownCount());
            SetEditLink(item->EditLink());
            ControlLook()->SetDropDownCount(item->DropDownCount());
        }
        if (!item->FloatFormat().isEmpty())
            SetFloatFormat(item->FloatFormat());
    }
    TExStringGrid::ConfigureCellEditor(ACol, ARow, AEditor);
}

void TExColumnGrid::QueryFixedCell(int ACol, int ARow, bool& AIsFixed)
{
    if (isDataCell(ACol, ARow, false))
        AIsFixed = definition(ACol)->Fixed();
    TExStringGrid::QueryFixedCell(ACol, ARow, AIsFixed);
}

// Editing follows the definitions alone: goEditing plays no part, since
// selecting a cell switches it on where this answers editable.
void TExColumnGrid::QueryCellEditable(int ACol, int ARow, bool& CanEdit)
{
    CanEdit = false;
    if (!IsLoading() && isDataCell(ACol, ARow, false))
        CanEdit = !definition(ACol)->ReadOnly() && !definition(ACol)->Fixed();
    const TPoint base = BaseCell(ACol, ARow);
    if (CanEdit && HasCellProperties(base.X, base.Y))
        CanEdit = !CellProperties(base.X, base.Y)->ReadOnly();
    QueryCanEditCell(base.Y, base.X, CanEdit);
}

void TExColumnGrid::QueryPasswordCell(int ACol, int ARow, bool& IsPassword)
{
    if (const TGridColumnItem* item = definition(ACol))
        IsPassword = item->Password();
    TExStringGrid::QueryPasswordCell(ACol, ARow, IsPassword);
}

bool TExColumnGrid::QueryHasComboBox(int ACol, int ARow)
{
    bool hasCombo = false;
    if (isDataCell(ACol, ARow, false)) {
        const TEditorType editor = definition(ACol)->Editor();
        hasCombo = editor == edComboEdit || editor == edComboList;
    }
    if (OnHasComboBox)
        OnHasComboBox(this, ACol, ARow, hasCombo);
    return hasCombo;
}

void TExColumnGrid::QueryCheckTrue(int ACol, int ARow, QString& Value)
{
    TExStringGrid::QueryCheckTrue(ACol, ARow, Value);
    if (isDataCell(ACol, ARow, true))
        Value = definition(ACol)->CheckTrue();
}

void TExColumnGrid::QueryCheckFalse(int ACol, int ARow, QString& Value)
{
    TExStringGrid::QueryCheckFalse(ACol, ARow, Value);
    if (isDataCell(ACol, ARow, true))
        Value = definition(ACol)->CheckFalse();
}

bool TExColumnGrid::BuildColumnFilterList(int ACol)
{
    FilterList()->SetSorted(false);
    TExStringGrid::BuildColumnFilterList(ACol);
    const TGridColumnItem* item = definition(ACol);
    if (!item || item->Filter()->Count() == 0)
        return false;
    TStringList* list = FilterList();
    list->SetSorted(false);
    list->Clear();
    for (int i = 0; i < item->Filter()->Count(); ++i) {
        const QString entry = item->Filter()->Strings(i);
        const int eq = entry.indexOf(u'=');
        list->Add(eq >= 0 ? entry.left(eq) : entry);
    }
    return true;
}

// ---- the in-place editor --------------------------------------------------------------------

int TExColumnGrid::GetEditLimit()
{
    const int realCol = DisplayToRealCol(Col());
    const TGridColumnItem* item = definition(realCol);
    if (item && realCol >= FixedCols())
        return item->EditLength();
    return TExStringGrid::GetEditLimit();
}

QString TExColumnGrid::GetEditMask(int ACol, int ARow)
{
    const QString own = TExStringGrid::GetEditMask(ACol, ARow);
    const int realCol = DisplayToRealCol(ACol);
    const TGridColumnItem* item = definition(realCol);
    if (own.isEmpty() && item && realCol >= FixedCols())
        return item->EditMask();
    return own;
}

// ---- column pop-up menus -----------------------------------------------------------------------

void TExColumnGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TExStringGrid::MouseDown(Button, Shift, X, Y);
    showColumnPopup(Button, X, Y);
}

void TExColumnGrid::showColumnPopup(TMouseButton Button, int X, int Y)
{
    const TGridCoord hit = MouseCoord(X, Y);
    if (hit.X < 0 || hit.Y < 0)
        return;
    const TGridColumnItem* item = definition(DisplayToRealCol(hit.X));
    if (!item || !item->ColumnPopup())
        return;
    const TColumnPopupType type = item->ColumnPopupType();
    const bool left = type == cpFixedCellsLClick || type == cpNormalCellsLClick || type == cpAllCellsLClick;
    if ((Button == mbLeft) != left || (Button != mbLeft && Button != mbRight))
        return;
    // The event announces a menu that shows, so a click in rows the type
    // leaves out raises nothing.
    const bool fixedRow = hit.Y < FixedRows();
    const bool allCells = type == cpAllCellsLClick || type == cpAllCellsRClick;
    const bool fixedType = type == cpFixedCellsLClick || type == cpFixedCellsRClick;
    if (!allCells && fixedRow != fixedType)
        return;
    QMenu* menu = item->ColumnPopup();
    if (OnColumnPopup)
        OnColumnPopup(this, hit.X, hit.Y, menu);
    const TRect r = CellRect(hit.X, hit.Y);
    menu->popup(viewport()->mapToGlobal(QPoint(r.Left, r.Bottom)));
}
