#include "grid/foundation/objects/ExObjGridSettings.h"

TSyncGrid::TSyncGrid(TStringGrid* AOwner) : m_owner(AOwner) {}

void TSyncGrid::SetGrid(TStringGrid* Value)
{
    if (Value != m_owner)
        m_grid = Value;
}

void TSyncGrid::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TSyncGrid*>(Source);
    if (!source || source == this)
        return;
    SetGrid(source->m_grid);
    m_scrollVertical = source->m_scrollVertical;
    m_scrollHorizontal = source->m_scrollHorizontal;
    m_selectionColumn = source->m_selectionColumn;
    m_selectionRow = source->m_selectionRow;
    m_moveColumn = source->m_moveColumn;
    m_moveRow = source->m_moveRow;
}

void TBands::changedWhileActive()
{
    if (m_active && OnChange)
        OnChange(this);
}

void TBands::SetActive(bool Value)
{
    if (m_active == Value)
        return;
    m_active = Value;
    if (OnChange)
        OnChange(this);
}

void TBands::SetPrimaryColor(TColor Value)
{
    if (m_primaryColor == Value)
        return;
    m_primaryColor = Value;
    changedWhileActive();
}

void TBands::SetSecondaryColor(TColor Value)
{
    if (m_secondaryColor == Value)
        return;
    m_secondaryColor = Value;
    changedWhileActive();
}

void TBands::SetPrimaryLength(int Value)
{
    if (m_primaryLength == Value)
        return;
    m_primaryLength = Value;
    m_totalLength = m_primaryLength + m_secondaryLength;
    changedWhileActive();
}

void TBands::SetSecondaryLength(int Value)
{
    if (m_secondaryLength == Value)
        return;
    m_secondaryLength = Value;
    m_totalLength = m_primaryLength + m_secondaryLength;
    changedWhileActive();
}

void TBands::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TBands*>(Source);
    if (!source || source == this)
        return;
    m_active = source->m_active;
    m_primaryColor = source->m_primaryColor;
    m_primaryLength = source->m_primaryLength;
    m_secondaryColor = source->m_secondaryColor;
    m_secondaryLength = source->m_secondaryLength;
    m_print = source->m_print;
    m_totalLength = m_primaryLength + m_secondaryLength;
}

void TFocusHelper::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TFocusHelper*>(Source);
    if (source)
        m_enabled = source->m_enabled;
}
