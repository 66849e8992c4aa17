// The grid's background, progress, balloon and modified-row settings.

#include "grid/engine/ExGridAppearance.h"

#include "platform/picture/Bitmap.h"

// ---- TBackGround ------------------------------------------------------------------

TBackGround::TBackGround() : m_bitmap(std::make_unique<TBitmap>()) {}

TBackGround::~TBackGround() = default;

void TBackGround::changed()
{
    if (OnChange)
        OnChange(this);
}

void TBackGround::SetTop(int Value)
{
    m_top = Value;
    changed();
}

void TBackGround::SetLeft(int Value)
{
    m_left = Value;
    changed();
}

void TBackGround::SetDisplay(TBackGroundDisplay Value)
{
    m_display = Value;
    changed();
}

void TBackGround::SetBitmap(const TBitmap* Value)
{
    m_bitmap->Assign(Value);
    changed();
}

void TBackGround::SetCells(TBackGroundCells Value)
{
    m_cells = Value;
    changed();
}

void TBackGround::SetColor(TColor Value)
{
    m_color = Value;
    changed();
}

void TBackGround::SetColorTo(TColor Value)
{
    m_colorTo = Value;
    changed();
}

void TBackGround::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TBackGround*>(Source);
    if (!source || source == this)
        return;
    m_top = source->m_top;
    m_left = source->m_left;
    m_display = source->m_display;
    m_bitmap->Assign(source->m_bitmap.get());
    m_cells = source->m_cells;
    m_color = source->m_color;
    m_colorTo = source->m_colorTo;
    changed();
}

// ---- TGridProgressAppearance ---------------------------------------------------------

void TGridProgressAppearance::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TGridProgressAppearance*>(Source);
    if (!source || source == this)
        return;
    auto notify = std::move(OnChange);
    *this = *source;
    OnChange = std::move(notify);
    if (OnChange)
        OnChange(this);
}

// ---- TBalloonSettings -----------------------------------------------------------------

void TBalloonSettings::SetEnable(bool Value)
{
    m_enable = Value;
    if (OnEnableChange)
        OnEnableChange(this);
}

void TBalloonSettings::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TBalloonSettings*>(Source);
    if (!source)
        return;
    m_textColor = source->m_textColor;
    m_backgroundColor = source->m_backgroundColor;
    m_initialDelay = source->m_initialDelay;
    m_autoHideDelay = source->m_autoHideDelay;
    m_reshowDelay = source->m_reshowDelay;
    m_enable = source->m_enable;
}

// ---- TShowModified ----------------------------------------------------------------------

void TShowModified::SetColor(TColor Value)
{
    m_color = Value;
    if (OnChange)
        OnChange(this);
}

void TShowModified::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TShowModified*>(Source);
    if (!source)
        return;
    m_color = source->m_color;
    m_enabled = source->m_enabled;
}
