// Drag-scroll options and the floating footer settings.

#include "grid/engine/ExGridViewSettings.h"

#include "grid/engine/ExGridNotify.h"

void TDragScrollOptions::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TDragScrollOptions*>(Source);
    if (!source)
        return;
    m_active = source->m_active;
    m_delays = source->m_delays;
    m_margins = source->m_margins;
}

void TFloatingFooter::SetColor(TColor Value) { StoreAndNotify(this, m_color, Value, OnChange); }

void TFloatingFooter::SetBorderColor(TColor Value) { StoreAndNotify(this, m_borderColor, Value, OnChange); }

void TFloatingFooter::SetColumn(int Value) { StoreAndNotify(this, m_column, Value, OnChange); }

void TFloatingFooter::SetCustomTemplate(const QString& Value) { StoreAndNotify(this, m_customTemplate, Value, OnChange); }

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
