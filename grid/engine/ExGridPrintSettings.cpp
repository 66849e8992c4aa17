// The print settings of a grid.

#include "grid/engine/ExGridPrintSettings.h"

#include "platform/core/StringList.h"
#include "platform/ui/paint/Font.h"

TPrintSettings::TPrintSettings(TExStringGrid* AOwner)
    : m_owner(AOwner),
      m_titleLines(std::make_unique<TStringList>()),
      m_font(std::make_unique<TFont>()),
      m_fixedFont(std::make_unique<TFont>()),
      m_headerFont(std::make_unique<TFont>()),
      m_footerFont(std::make_unique<TFont>())
{
}

TPrintSettings::~TPrintSettings() = default;

void TPrintSettings::SetTitleLines(const TStringList& Value) { m_titleLines->Assign(Value); }
void TPrintSettings::SetFont(const TFont& Value) { m_font->Assign(Value); }
void TPrintSettings::SetFixedFont(const TFont& Value) { m_fixedFont->Assign(Value); }
void TPrintSettings::SetHeaderFont(const TFont& Value) { m_headerFont->Assign(Value); }
void TPrintSettings::SetFooterFont(const TFont& Value) { m_footerFont->Assign(Value); }

void TPrintSettings::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TPrintSettings*>(Source);
    if (!source || source == this)
        return;
    const bool fixedCellsAlways = m_values.FixedCellsAlways;
    m_values = source->m_values;
    m_values.FixedCellsAlways = fixedCellsAlways;
    SetTitleLines(*source->m_titleLines);
    SetFont(*source->m_font);
    SetFixedFont(*source->m_fixedFont);
    SetHeaderFont(*source->m_headerFont);
    SetFooterFont(*source->m_footerFont);
}
