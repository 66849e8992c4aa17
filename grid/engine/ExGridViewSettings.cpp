// Drag-scroll options and the floating footer settings.

#include "grid/engine/ExGridViewSettings.h"

void TDragScrollOptions::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TDragScrollOptions*>(Source);
    if (!source)
        return;
    m_active = source->m_active;
    m_delays = source->m_delays;
    m_margins = source->m_margins;
}

void TFloatingFooter::changed()
{
    if (OnChange)
        OnChange(this);
}

void TFloatingFooter::SetVisible(bool Value)
{
    m_visible = Value;
    changed();
}

void TFloatingFooter::SetFooterStyle(TFooterStyle Value)
{
    m_footerStyle = Value;
    changed();
}

void TFloatingFooter::SetColor(TColor Value)
{
    m_color = Value;
    changed();
}

void TFloatingFooter::SetBorderColor(TColor Value)
{
    m_borderColor = Value;
    changed();
}

void TFloatingFooter::SetColumn(int Value)
{
    m_column = Value;
    changed();
}

void TFloatingFooter::SetCustomTemplate(const QString& Value)
{
    m_customTemplate = Value;
    changed();
}

void TFloatingFooter::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TFloatingFooter*>(Source);
    if (!source || source == this)
        return;
    m_calculateHiddenRows = source->m_calculateHiddenRows;
    m_color = source->m_color;
    m_column = source->m_column;
    m_customTemplate = source->m_customTemplate;
    m_footerStyle = source->m_footerStyle;
    m_showHint = source->m_showHint;
    SetVisible(source->m_visible);
}
