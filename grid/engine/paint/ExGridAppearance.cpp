// The grid's background, progress, balloon and modified-row settings.

#include "grid/engine/paint/ExGridAppearance.h"

#include "grid/engine/ExGridNotify.h"
#include "platform/picture/Bitmap.h"

// ---- TBackGround ------------------------------------------------------------------

TBackGround::TBackGround() : m_bitmap(std::make_unique<TBitmap>()) {}

TBackGround::~TBackGround() = default;

void TBackGround::changed()
{
    if (OnChange)
        OnChange(this);
}

void TBackGround::SetTop(int Value) { StoreAndNotify(this, m_top, Value, OnChange); }

void TBackGround::SetLeft(int Value) { StoreAndNotify(this, m_left, Value, OnChange); }

void TBackGround::SetDisplay(TBackGroundDisplay Value) { StoreAndNotify(this, m_display, Value, OnChange); }

void TBackGround::SetBitmap(const TBitmap* Value)
{
    m_bitmap->Assign(Value);
    changed();
}

void TBackGround::SetCells(TBackGroundCells Value) { StoreAndNotify(this, m_cells, Value, OnChange); }

void TBackGround::SetColor(TColor Value) { StoreAndNotify(this, m_color, Value, OnChange); }

void TBackGround::SetColorTo(TColor Value) { StoreAndNotify(this, m_colorTo, Value, OnChange); }

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

void TBalloonSettings::SetEnable(bool Value) { StoreAndNotify(this, m_enable, Value, OnEnableChange); }

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

void TShowModified::SetColor(TColor Value) { StoreAndNotify(this, m_color, Value, OnChange); }

void TShowModified::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TShowModified*>(Source);
    if (!source)
        return;
    m_color = source->m_color;
    m_enabled = source->m_enabled;
}
