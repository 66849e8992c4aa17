// The data services' settings the grid owns.

#include "grid/engine/ExGridDataSettings.h"

#include "grid/engine/ExGrid.h"
#include "grid/foundation/objects/ExObjLists.h"
#include "platform/picture/Bitmap.h"
#include "platform/ui/paint/Font.h"

// ---- TGrouping ---------------------------------------------------------------------

void TGrouping::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TGrouping*>(Source);
    if (!source)
        return;
    m_groupCountFormat = source->m_groupCountFormat;
    m_headerColor = source->m_headerColor;
    m_headerColorTo = source->m_headerColorTo;
    m_headerTextColor = source->m_headerTextColor;
    m_headerUnderline = source->m_headerUnderline;
    m_mergeHeader = source->m_mergeHeader;
    m_mergeSummary = source->m_mergeSummary;
    m_showGroupCount = source->m_showGroupCount;
    m_summaryColor = source->m_summaryColor;
    m_summaryColorTo = source->m_summaryColorTo;
    m_summaryTextColor = source->m_summaryTextColor;
    m_summaryLine = source->m_summaryLine;
    m_autoCheckGroup = source->m_autoCheckGroup;
    m_autoSelectGroup = source->m_autoSelectGroup;
}

// ---- TSortSettings -------------------------------------------------------------------

TSortSettings::TSortSettings(TExStringGrid* AOwner)
    : m_owner(AOwner),
      m_upGlyph(std::make_unique<TBitmap>()),
      m_downGlyph(std::make_unique<TBitmap>()),
      m_indexUpGlyph(std::make_unique<TBitmap>()),
      m_indexDownGlyph(std::make_unique<TBitmap>())
{
}

TSortSettings::~TSortSettings() = default;

void TSortSettings::SetShow(bool Value)
{
    if (m_show == Value)
        return;
    m_show = Value;
    if (m_owner)
        m_owner->Invalidate();
}

void TSortSettings::SetRow(int Value)
{
    if (m_owner && Value > m_owner->FixedRows())
        throw Exception(QStringLiteral("Sort row should be smaller than number of fixed rows"));
    m_row = Value;
}

void TSortSettings::setHeaderColor(TColor& field, TColor value)
{
    if (field == value)
        return;
    field = value;
    if (m_owner && m_owner->FixedRows() > 0)
        m_owner->InvalidateRow(m_owner->FixedRows() - 1);
}

void TSortSettings::SetUpGlyph(const TBitmap* Value) { m_upGlyph->Assign(Value); }
void TSortSettings::SetDownGlyph(const TBitmap* Value) { m_downGlyph->Assign(Value); }
void TSortSettings::SetIndexUpGlyph(const TBitmap* Value) { m_indexUpGlyph->Assign(Value); }
void TSortSettings::SetIndexDownGlyph(const TBitmap* Value) { m_indexDownGlyph->Assign(Value); }

void TSortSettings::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TSortSettings*>(Source);
    if (!source || source == this)
        return;
    m_autoSortForGrouping = source->m_autoSortForGrouping;
    m_autoColumnMerge = source->m_autoColumnMerge;
    m_column = source->m_column;
    m_show = source->m_show;
    m_indexShow = source->m_indexShow;
    m_indexColor = source->m_indexColor;
    m_indexSortKey = source->m_indexSortKey;
    m_full = source->m_full;
    m_singleColumn = source->m_singleColumn;
    m_ignoreBlanks = source->m_ignoreBlanks;
    m_blankPos = source->m_blankPos;
    m_autoFormat = source->m_autoFormat;
    m_direction = source->m_direction;
    m_initSortDirection = source->m_initSortDirection;
    m_fixedCols = source->m_fixedCols;
    m_normalCellsOnly = source->m_normalCellsOnly;
    m_row = source->m_row;
    m_undoSort = source->m_undoSort;
    m_headerColor = source->m_headerColor;
    m_headerColorTo = source->m_headerColorTo;
    m_headerMirrorColor = source->m_headerMirrorColor;
    m_headerMirrorColorTo = source->m_headerMirrorColorTo;
    m_upGlyph->Assign(source->m_upGlyph.get());
    m_downGlyph->Assign(source->m_downGlyph.get());
    m_indexUpGlyph->Assign(source->m_indexUpGlyph.get());
    m_indexDownGlyph->Assign(source->m_indexDownGlyph.get());
}

// ---- TDragDropSettings ------------------------------------------------------------------

void TDragDropSettings::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TDragDropSettings*>(Source);
    if (!source)
        return;
    TExStringGrid* owner = m_owner;
    *this = *source;
    m_owner = owner;
}

// ---- TFilterDropDown --------------------------------------------------------------------

TFilterDropDown::TFilterDropDown()
    : m_font(std::make_unique<TFont>()), m_glyph(std::make_unique<TBitmap>()), m_glyphActive(std::make_unique<TBitmap>())
{
}

TFilterDropDown::~TFilterDropDown() = default;

void TFilterDropDown::changed()
{
    if (OnChange)
        OnChange(this);
}

void TFilterDropDown::SetFont(const TFont& Value) { m_font->Assign(Value); }

void TFilterDropDown::SetGlyph(const TBitmap* Value)
{
    m_glyph->Assign(Value);
    changed();
}

void TFilterDropDown::SetGlyphActive(const TBitmap* Value)
{
    m_glyphActive->Assign(Value);
    changed();
}

void TFilterDropDown::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TFilterDropDown*>(Source);
    if (!source || source == this)
        return;
    m_autoSize = source->m_autoSize;
    m_color = source->m_color;
    m_columnWidth = source->m_columnWidth;
    m_font->Assign(*source->m_font);
    m_height = source->m_height;
    m_width = source->m_width;
    SetGlyph(source->m_glyph.get());
    SetGlyphActive(source->m_glyphActive.get());
}

// ---- THTMLSettings -----------------------------------------------------------------------

THTMLSettings::THTMLSettings() : m_colWidths(std::make_unique<TIntList>(-1, -1)) {}

THTMLSettings::~THTMLSettings() = default;

void THTMLSettings::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const THTMLSettings*>(Source);
    if (!source || source == this)
        return;
    m_autoPreview = source->m_autoPreview;
    m_borderSize = source->m_borderSize;
    m_cellSpacing = source->m_cellSpacing;
    m_cellPadding = source->m_cellPadding;
    m_convertSpecialChars = source->m_convertSpecialChars;
    m_footerFile = source->m_footerFile;
    m_headerFile = source->m_headerFile;
    m_nonBreakingText = source->m_nonBreakingText;
    m_prefixTag = source->m_prefixTag;
    m_saveColor = source->m_saveColor;
    m_saveFonts = source->m_saveFonts;
    m_suffixTag = source->m_suffixTag;
    m_summary = source->m_summary;
    m_tableStyle = source->m_tableStyle;
    m_width = source->m_width;
    m_xhtml = source->m_xhtml;
}

// ---- TFilterData and TFilter ------------------------------------------------------------

void TFilterData::Assign(const TFilterData* Source)
{
    if (Source && Source != this)
        *this = *Source;
}

TFilter::TFilter(TExStringGrid* AOwner) : m_owner(AOwner) {}

TFilter::~TFilter() = default;

int TFilter::Count() const { return static_cast<int>(m_items.size()); }

TFilterData* TFilter::Add()
{
    TFilterData* item = Insert(Count());
    item->SetOperation(Count() == 1 ? foNONE : foAND);
    return item;
}

TFilterData* TFilter::Insert(int)
{
    m_items.push_back(std::make_unique<TFilterData>());
    return m_items.back().get();
}

TFilterData* TFilter::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return m_items[static_cast<size_t>(Index)].get();
}

void TFilter::SetItems(int Index, const TFilterData* Value) { Items(Index)->Assign(Value); }

void TFilter::Delete(int Index)
{
    Items(Index);
    m_items.erase(m_items.begin() + Index);
}

void TFilter::Clear() { m_items.clear(); }

TFilterData* TFilter::ColumnFilter(int Col)
{
    for (const auto& item : m_items)
        if (item->Column() == Col)
            return item.get();
    TFilterData* item = Add();
    item->SetColumn(Col);
    return item;
}

void TFilter::RemoveColumnFilter(int Col)
{
    for (int i = Count() - 1; i >= 0; --i)
        if (m_items[static_cast<size_t>(i)]->Column() == Col)
            m_items.erase(m_items.begin() + i);
    if (m_owner)
        m_owner->RepaintCell(Col, 0);
}

bool TFilter::HasFilter(int Col) const
{
    for (const auto& item : m_items)
        if (item->Column() == Col)
            return true;
    return false;
}

void TFilter::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TFilter*>(Source);
    if (!source || source == this)
        return;
    m_items.clear();
    for (const auto& item : source->m_items) {
        m_items.push_back(std::make_unique<TFilterData>());
        m_items.back()->Assign(item.get());
    }
}
