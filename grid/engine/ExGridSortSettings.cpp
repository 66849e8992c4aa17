#include "grid/engine/ExGridSortSettings.h"

void TSortSettings::SetShow(bool Value)
{
    if (m_show == Value)
        return;
    m_show = Value;
    changed();
}

void TSortSettings::setColor(TColor& field, TColor value)
{
    if (field == value)
        return;
    field = value;
    changed();
}

void TSortSettings::changed()
{
    if (OnChange)
        OnChange(this);
}

void TSortSettings::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TSortSettings*>(Source);
    if (!source || source == this)
        return;
    m_column = source->m_column;
    m_show = source->m_show;
    m_row = source->m_row;
    m_direction = source->m_direction;
    m_indexShow = source->m_indexShow;
    m_indexColor = source->m_indexColor;
    m_fixedCols = source->m_fixedCols;
    m_headerColor = source->m_headerColor;
    m_headerColorTo = source->m_headerColorTo;
    m_headerMirrorColor = source->m_headerMirrorColor;
    m_headerMirrorColorTo = source->m_headerMirrorColorTo;
    changed();
}
