// Column definitions and their collection.

#include "grid/cells/columns/ExGridColumns.h"

#include "grid/cells/columns/ExColumnGrid.h"
#include "grid/cells/editors/GridEditors.h"
#include "platform/core/StringList.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/Font.h"

#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtWidgets/QMenu>

#include <algorithm>

struct TGridColumnItem::Data {
    TGridColumnCollection* collection = nullptr;
    int autoMinSize = 0;
    int autoMaxSize = 0;
    TAlignment alignment = taLeftJustify;
    TCellBorders borders;
    TPen borderPen;
    QString checkFalse = QStringLiteral("N");
    QString checkTrue = QStringLiteral("Y");
    TColor color = clWindow;
    QPointer<QMenu> columnPopup;
    TColumnPopupType columnPopupType = cpFixedCellsRClick;
    TStringList comboItems;
    int dropDownCount = 8;
    int editLength = 0;
    QPointer<TEditLink> editLink;
    QString editMask;
    TEditorType editor = edNormal;
    TStringList filter;
    bool filterCaseSensitive = false;
    bool fixed = false;
    QString floatFormat;
    TFont font;
    QString header;
    TAlignment headerAlignment = taLeftJustify;
    TFont headerFont;
    int minSize = 0;
    int maxSize = 0;
    QString name;
    bool password = false;
    bool printBorderCustom = true;
    TCellBorders printBorders{cbTop, cbLeft, cbRight, cbBottom};
    TPen printBorderPen;
    TColor printColor = clWhite;
    bool printFontCustom = true;
    TFont printFont;
    bool readOnly = false;
    bool showBands = false;
    TSortStyle sortStyle = TSortStyle::ssAutomatic;
    QString sortPrefix;
    QString sortSuffix;
    int spinMax = 0;
    int spinMin = 0;
    int spinStep = 1;
    int tag = 0;
    int width = 50;
    int defIdx = 0;
};

TGridColumnItem::TGridColumnItem(TGridColumnCollection* Collection) : d(std::make_unique<Data>())
{
    d->collection = Collection;
    d->borderPen.SetColor(clSilver);
    if (TExColumnGrid* g = grid()) {
        d->font.Assign(g->Font());
        d->headerFont.Assign(g->Font());
        d->printFont.Assign(g->Font());
        d->color = g->Color();
        linkOwnedObjects();
    }
}

TGridColumnItem::~TGridColumnItem() = default;

void TGridColumnItem::linkOwnedObjects()
{
    d->font.OnChange = [this](TFont*) { changed(); };
    d->headerFont.OnChange = [this](TFont*) { changed(); };
    d->borderPen.OnChange = [this](TPen*) { changed(); };
    d->filter.OnChange = [this](TObject*) { repaint(); };
}

TGridColumnCollection* TGridColumnItem::Collection() const { return d->collection; }
int TGridColumnItem::Index() const { return d->collection ? d->collection->IndexOf(this) : -1; }
TExColumnGrid* TGridColumnItem::grid() const { return d->collection ? d->collection->GetOwner() : nullptr; }

void TGridColumnItem::changed()
{
    if (d->collection)
        d->collection->Changed();
}

void TGridColumnItem::repaint()
{
    if (TExColumnGrid* g = grid())
        g->Invalidate();
}

QString TGridColumnItem::DisplayName() const
{
    if (!d->name.isEmpty())
        return QStringLiteral("Col %1: %2").arg(Index()).arg(d->name);
    return QStringLiteral("Column %1").arg(Index());
}

namespace {

// The settings both copies take.
void copyVisuals(TGridColumnItem& to, const TGridColumnItem& from)
{
    to.SetAlignment(from.Alignment());
    to.SetHeaderAlignment(from.HeaderAlignment());
    to.SetBorderPen(*from.BorderPen());
    to.SetBorders(from.Borders());
    to.SetCheckFalse(from.CheckFalse());
    to.SetCheckTrue(from.CheckTrue());
    to.SetEditLength(from.EditLength());
    to.SetEditLink(from.EditLink());
    to.SetEditMask(from.EditMask());
    to.SetEditor(from.Editor());
    to.SetFixed(from.Fixed());
    to.SetPassword(from.Password());
    to.SetPrintBorderPen(*from.PrintBorderPen());
    to.SetPrintBorders(from.PrintBorders());
    to.SetPrintColor(from.PrintColor());
    to.SetPrintFont(*from.PrintFont());
    to.SetReadOnly(from.ReadOnly());
    to.SetSortPrefix(from.SortPrefix());
    to.SetSortStyle(from.SortStyle());
    to.SetSortSuffix(from.SortSuffix());
    to.SetSpinMax(from.SpinMax());
    to.SetSpinMin(from.SpinMin());
    to.SetSpinStep(from.SpinStep());
    to.SetColumnPopup(from.ColumnPopup());
    to.SetStoredWidth(from.Width());
    to.SetShowBands(from.ShowBands());
    to.SetMinSize(from.MinSize());
    to.SetMaxSize(from.MaxSize());
    to.SetAutoMinSize(from.AutoMinSize());
    to.SetAutoMaxSize(from.AutoMaxSize());
    to.SetFilter(*from.Filter());
    to.SetFilterCaseSensitive(from.FilterCaseSensitive());
    to.SetDefIdx(from.DefIdx());
    to.SetFloatFormat(from.FloatFormat());
}

}  // namespace

void TGridColumnItem::Assign(const TGridColumnItem& Source)
{
    if (&Source == this)
        return;
    copyVisuals(*this, Source);
    SetColor(Source.Color());
    SetComboItems(*Source.ComboItems());
    SetDropDownCount(Source.DropDownCount());
    SetFont(*Source.Font());
    SetHeaderFont(*Source.HeaderFont());
    SetHeader(Source.Header());
    SetName(Source.Name());
    SetTag(Source.Tag());
    SetColumnPopupType(Source.ColumnPopupType());
    SetPrintBorderCustom(Source.PrintBorderCustom());
    SetPrintFontCustom(Source.PrintFontCustom());
}

void TGridColumnItem::AssignVisuals(const TGridColumnItem& Source)
{
    if (&Source == this)
        return;
    copyVisuals(*this, Source);
    SetColumnPopupType(Source.ColumnPopupType());
    SetPrintBorderCustom(Source.PrintBorderCustom());
    SetPrintFontCustom(Source.PrintFontCustom());
    if (TExColumnGrid* g = grid()) {
        SetColor(g->Color());
        SetFont(g->Font());
    }
}

// ---- plain settings ------------------------------------------------------------------

#define COLUMN_STORED(Type, Arg, Name, field)                                                                  \
    Type TGridColumnItem::Name() const { return d->field; }                                                    \
    void TGridColumnItem::Set##Name(Arg Value) { d->field = Value; }
#define COLUMN_CHANGING(Type, Arg, Name, field)                                                                \
    Type TGridColumnItem::Name() const { return d->field; }                                                    \
    void TGridColumnItem::Set##Name(Arg Value)                                                                 \
    {                                                                                                          \
        d->field = Value;                                                                                      \
        changed();                                                                                             \
    }
#define COLUMN_REPAINTING(Type, Arg, Name, field)                                                              \
    Type TGridColumnItem::Name() const { return d->field; }                                                    \
    void TGridColumnItem::Set##Name(Arg Value)                                                                 \
    {                                                                                                          \
        d->field = Value;                                                                                      \
        repaint();                                                                                             \
    }

COLUMN_STORED(int, int, AutoMinSize, autoMinSize)
COLUMN_STORED(int, int, AutoMaxSize, autoMaxSize)
COLUMN_REPAINTING(TAlignment, TAlignment, Alignment, alignment)
COLUMN_CHANGING(TCellBorders, TCellBorders, Borders, borders)
COLUMN_STORED(QString, const QString&, CheckFalse, checkFalse)
COLUMN_STORED(QString, const QString&, CheckTrue, checkTrue)
COLUMN_CHANGING(TColor, TColor, Color, color)
COLUMN_STORED(TColumnPopupType, TColumnPopupType, ColumnPopupType, columnPopupType)
COLUMN_STORED(int, int, DropDownCount, dropDownCount)
COLUMN_STORED(int, int, EditLength, editLength)
COLUMN_STORED(QString, const QString&, EditMask, editMask)
COLUMN_STORED(bool, bool, FilterCaseSensitive, filterCaseSensitive)
COLUMN_CHANGING(bool, bool, Fixed, fixed)
COLUMN_REPAINTING(QString, const QString&, FloatFormat, floatFormat)
COLUMN_REPAINTING(TAlignment, TAlignment, HeaderAlignment, headerAlignment)
COLUMN_STORED(int, int, MinSize, minSize)
COLUMN_STORED(int, int, MaxSize, maxSize)
COLUMN_STORED(QString, const QString&, Name, name)
COLUMN_CHANGING(bool, bool, Password, password)
COLUMN_STORED(bool, bool, PrintBorderCustom, printBorderCustom)
COLUMN_STORED(TCellBorders, TCellBorders, PrintBorders, printBorders)
COLUMN_STORED(TColor, TColor, PrintColor, printColor)
COLUMN_STORED(bool, bool, PrintFontCustom, printFontCustom)
COLUMN_STORED(bool, bool, ReadOnly, readOnly)
COLUMN_CHANGING(bool, bool, ShowBands, showBands)
COLUMN_STORED(TSortStyle, TSortStyle, SortStyle, sortStyle)
COLUMN_STORED(QString, const QString&, SortPrefix, sortPrefix)
COLUMN_STORED(QString, const QString&, SortSuffix, sortSuffix)
COLUMN_STORED(int, int, SpinMax, spinMax)
COLUMN_STORED(int, int, SpinMin, spinMin)
COLUMN_STORED(int, int, SpinStep, spinStep)
COLUMN_STORED(int, int, Tag, tag)
COLUMN_STORED(int, int, StoredWidth, width)
COLUMN_STORED(int, int, DefIdx, defIdx)

// ---- settings held in objects ------------------------------------------------------------

TPen* TGridColumnItem::BorderPen() const { return &d->borderPen; }
void TGridColumnItem::SetBorderPen(const TPen& Value) { d->borderPen.Assign(Value); }
TPen* TGridColumnItem::PrintBorderPen() const { return &d->printBorderPen; }
void TGridColumnItem::SetPrintBorderPen(const TPen& Value) { d->printBorderPen.Assign(Value); }
TFont* TGridColumnItem::Font() const { return &d->font; }
void TGridColumnItem::SetFont(const TFont& Value) { d->font.Assign(Value); }
TFont* TGridColumnItem::PrintFont() const { return &d->printFont; }
void TGridColumnItem::SetPrintFont(const TFont& Value) { d->printFont.Assign(Value); }
TStringList* TGridColumnItem::ComboItems() const { return &d->comboItems; }
void TGridColumnItem::SetComboItems(const TStringList& Value) { d->comboItems.Assign(Value); }
TStringList* TGridColumnItem::Filter() const { return &d->filter; }
void TGridColumnItem::SetFilter(const TStringList& Value) { d->filter.Assign(Value); }
TFont* TGridColumnItem::HeaderFont() const { return &d->headerFont; }

void TGridColumnItem::SetHeaderFont(const TFont& Value)
{
    d->headerFont.Assign(Value);
    repaint();
}

QMenu* TGridColumnItem::ColumnPopup() const { return d->columnPopup; }
void TGridColumnItem::SetColumnPopup(QMenu* Value) { d->columnPopup = Value; }
TEditLink* TGridColumnItem::EditLink() const { return d->editLink; }
void TGridColumnItem::SetEditLink(TEditLink* Value) { d->editLink = Value; }

// ---- settings with effects on the grid ------------------------------------------------------

TEditorType TGridColumnItem::Editor() const { return d->editor; }

void TGridColumnItem::SetEditor(TEditorType Value)
{
    if (d->editor == Value)
        return;
    const bool checkBoxChange = d->editor == edDataCheckBox || Value == edDataCheckBox;
    d->editor = Value;
    if (checkBoxChange)
        repaint();
}

QString TGridColumnItem::Header() const { return d->header; }
void TGridColumnItem::SetHeaderField(const QString& Value) { d->header = Value; }

void TGridColumnItem::SetHeader(const QString& Value)
{
    d->header = Value;
    TExColumnGrid* g = grid();
    if (!g)
        return;
    if (g->FixedRows() > 0 && !g->ColumnMoving()) {
        g->SetCells(Index(), 0, Value);
        changed();
    }
    g->RefillColumnHeaders();
}

int TGridColumnItem::Width() const
{
    if (!d->collection)
        return 0;
    const TExColumnGrid* g = grid();
    return g ? g->AllColWidths(Index()) : d->width;
}

void TGridColumnItem::SetWidth(int Value)
{
    d->width = Value;
    if (TExColumnGrid* g = grid())
        g->SetAllColWidths(Index(), Value);
}

QString TGridColumnItem::Rows(int ARow) const { return grid() ? grid()->Cells(Index(), ARow) : QString(); }

void TGridColumnItem::SetRows(int ARow, const QString& Value)
{
    if (TExColumnGrid* g = grid())
        g->SetCells(Index(), ARow, Value);
}

int TGridColumnItem::Ints(int ARow) const { return grid() ? grid()->Ints(Index(), ARow) : 0; }

void TGridColumnItem::SetInts(int ARow, int Value)
{
    if (TExColumnGrid* g = grid())
        g->SetInts(Index(), ARow, Value);
}

double TGridColumnItem::Floats(int ARow) const { return grid() ? grid()->Floats(Index(), ARow) : 0.0; }

void TGridColumnItem::SetFloats(int ARow, double Value)
{
    if (TExColumnGrid* g = grid())
        g->SetFloats(Index(), ARow, Value);
}

double TGridColumnItem::Dates(int ARow) const { return grid() ? grid()->Dates(Index(), ARow) : 0.0; }

void TGridColumnItem::SetDates(int ARow, double Value)
{
    if (TExColumnGrid* g = grid())
        g->SetDates(Index(), ARow, Value);
}

double TGridColumnItem::Times(int ARow) const { return grid() ? grid()->Times(Index(), ARow) : 0.0; }

void TGridColumnItem::SetTimes(int ARow, double Value)
{
    if (TExColumnGrid* g = grid())
        g->SetTimes(Index(), ARow, Value);
}

// ---- the collection ------------------------------------------------------------------------

TGridColumnCollection::TGridColumnCollection(TExColumnGrid* AOwner) : owner_(AOwner) {}
TGridColumnCollection::~TGridColumnCollection()
{
    // Definitions leaving with their collection report nothing.
    ++updateCount_;
    items_.clear();
}

TExColumnGrid* TGridColumnCollection::GetOwner() const { return owner_; }
int TGridColumnCollection::Count() const { return static_cast<int>(items_.size()); }

TGridColumnItem* TGridColumnCollection::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        return nullptr;
    return items_[static_cast<size_t>(Index)].get();
}

void TGridColumnCollection::SetItems(int Index, const TGridColumnItem& Value)
{
    if (TGridColumnItem* item = Items(Index))
        item->Assign(Value);
}

int TGridColumnCollection::IndexOf(const TGridColumnItem* Item) const
{
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<size_t>(i)].get() == Item)
            return i;
    return -1;
}

TGridColumnItem* TGridColumnCollection::Add()
{
    BeginUpdate();
    items_.push_back(std::make_unique<TGridColumnItem>(this));
    TGridColumnItem* item = items_.back().get();
    if (Count() > 1)
        item->AssignVisuals(*Items(Count() - 2));
    pendingChange_ = true;
    EndUpdate();
    return item;
}

TGridColumnItem* TGridColumnCollection::Insert(int Index)
{
    Index = std::clamp(Index, 0, Count());
    items_.insert(items_.begin() + Index, std::make_unique<TGridColumnItem>(this));
    Changed();
    return Items(Index);
}

void TGridColumnCollection::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        return;
    items_.erase(items_.begin() + Index);
    Changed();
}

void TGridColumnCollection::Clear()
{
    if (items_.empty())
        return;
    items_.clear();
    Changed();
}

void TGridColumnCollection::Assign(const TGridColumnCollection& Source)
{
    if (&Source == this)
        return;
    BeginUpdate();
    items_.clear();
    for (int i = 0; i < Source.Count(); ++i)
        Add()->Assign(*Source.Items(i));
    pendingChange_ = true;
    EndUpdate();
}

void TGridColumnCollection::BeginUpdate() { ++updateCount_; }

void TGridColumnCollection::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0 && pendingChange_)
        Changed();
}

int TGridColumnCollection::UpdateCount() const { return updateCount_; }
bool TGridColumnCollection::NoRecursiveUpdate() const { return noRecursiveUpdate_; }
void TGridColumnCollection::SetNoRecursiveUpdate(bool Value) { noRecursiveUpdate_ = Value; }

void TGridColumnCollection::Changed()
{
    if (updateCount_ > 0) {
        pendingChange_ = true;
        return;
    }
    pendingChange_ = false;
    if (OnUpdate)
        OnUpdate(this);
}

void TGridColumnCollection::SetOrganization()
{
    if (owner_) {
        const bool old = noRecursiveUpdate_;
        noRecursiveUpdate_ = true;
        owner_->SynchColumns();
        noRecursiveUpdate_ = old;
    }
    for (int i = 0; i < Count(); ++i)
        Items(i)->SetDefIdx(i);
}

// The definitions are brought into the order of their first positions, one
// move per place from the left. Definitions sharing a first position keep
// their present order, so the moves end whatever the positions hold.
void TGridColumnCollection::ResetOrganization()
{
    if (!owner_)
        return;
    std::vector<TGridColumnItem*> order;
    for (const auto& item : items_)
        order.push_back(item.get());
    std::stable_sort(order.begin(), order.end(),
                     [](const TGridColumnItem* a, const TGridColumnItem* b) { return a->DefIdx() < b->DefIdx(); });
    for (int place = 0; place < static_cast<int>(order.size()); ++place) {
        const int current = IndexOf(order[static_cast<size_t>(place)]);
        if (current > place)
            owner_->MoveColumn(owner_->RealToDisplayCol(current), owner_->RealToDisplayCol(place));
    }
}
