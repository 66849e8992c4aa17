// The data services' settings the grid owns.

#include "grid/engine/ExGridDataSettings.h"

#include "grid/engine/ExGrid.h"
#include "platform/picture/Bitmap.h"
#include "platform/ui/Font.h"

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
        throw EExGridError(QStringLiteral("Invalid row accessed"));
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
