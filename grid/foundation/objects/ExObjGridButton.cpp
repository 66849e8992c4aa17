#include "grid/foundation/objects/ExObjGridButton.h"

#include "grid/foundation/objects/ExObjGridButtonPrivate.h"
#include "grid/foundation/styles/ExStyleIF.h"
#include "platform/picture/Bitmap.h"
#include "platform/ui/window/KeyActivation.h"

#include <QtGui/QShortcutEvent>
#include <QtWidgets/QMenu>

#include <cmath>

void InstallExGridButtonAccessibility();

namespace {

struct LookColors {
    TColor color, colorTo, hot, hotTo, down, downTo, checked, checkedTo, borderDown, borderHot;
};

constexpr LookColors Looks[] = {
    {0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, clNone, 0xAF987A, 0xC3CECE},
    {clBtnFace, clNone, 0xEED2C1, clNone, 0xE2B598, clNone, 0xE8E6E1, clNone, 0xC56A31, 0xC56A31},
    {0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {0xCFF0EA, 0x8CC0B1, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {0xECE2E1, 0xB39698, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {clBtnFace, clNone, clBtnFace, clNone, 0xD8D3D2, clNone, 0xCAC7C7, clNone, clNone, clNone},
    {0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC, 0xB5E6F2, 0x9CDDED, 0x808080, 0x808080},
};

template <typename T>
void StoreAndRepaint(QWidget* widget, T& field, T value)
{
    if (field == value)
        return;
    field = value;
    widget->update();
}

void CopyBitmap(TBitmap& target, const TBitmap* source)
{
    if (source && !source->Empty())
        target.Assign(source);
    else
        target.SetSize(0, 0);
}

// Grey levels 96 to 223 from the average of red, green and blue.
void MakeGreyCopy(TBitmap& target, const TBitmap& source)
{
    QImage image = source.pixels().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int average = int(std::lround((qRed(line[x]) + qGreen(line[x]) + qBlue(line[x])) / 3.0));
            const int grey = average / 2 + 96;
            line[x] = qRgb(grey, grey, grey);
        }
    }
    target.setImage(image);
    target.SetTransparent(true);
}

}  // namespace

TExGridButton::TExGridButton(QWidget* AOwner)
    : QWidget(AOwner), platform::TControl(*this, clBtnFace), d(std::make_unique<Data>())
{
    InstallExGridButtonAccessibility();
    d->isComCtl6 = IsComCtl6OrNewer();
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    for (TBitmap* glyph : {&d->glyph, &d->glyphHot, &d->glyphDown, &d->glyphDisabled, &d->glyphShade})
        glyph->SetTransparent(true);
    SetBounds(Left(), Top(), 23, 22);
}

TExGridButton::~TExGridButton() = default;

void TExGridButton::Click()
{
    if (OnClick)
        OnClick(this);
}

// ---- properties ----

QString TExGridButton::Caption() const
{
    return d->caption;
}

void TExGridButton::SetCaption(const QString& value)
{
    if (d->caption == value)
        return;
    d->caption = value;
    updateAccelerator();
    update();
}

bool TExGridButton::AllowAllUp() const
{
    return d->allowAllUp;
}

void TExGridButton::SetAllowAllUp(bool value)
{
    if (d->allowAllUp == value)
        return;
    d->allowAllUp = value;
    notifyGroup();
}

int TExGridButton::GroupIndex() const
{
    return d->groupIndex;
}

void TExGridButton::SetGroupIndex(int value)
{
    if (d->groupIndex == value)
        return;
    d->groupIndex = value;
    notifyGroup();
}

bool TExGridButton::Down() const
{
    return d->down;
}

void TExGridButton::SetDown(bool value)
{
    if (d->groupIndex == 0 && d->style != tasCheck)
        value = false;
    if (d->style == tasCheck) {
        d->down = value;
        update();
        return;
    }
    if (value == d->down || (d->down && !d->allowAllUp))
        return;
    d->down = value;
    if (value) {
        if (d->state == bsUp)
            update();
        d->state = bsExclusive;
        notifyGroup();
    } else {
        d->state = bsUp;
        update();
    }
}

TExGridButtonStyle TExGridButton::Style() const
{
    return d->style;
}

void TExGridButton::SetStyle(TExGridButtonStyle value)
{
    d->style = value;
    update();
}

bool TExGridButton::Flat() const
{
    return d->flat;
}

void TExGridButton::SetFlat(bool value)
{
    StoreAndRepaint(this, d->flat, value);
}

TExGridButton::TButtonLayout TExGridButton::Layout() const
{
    return d->layout;
}

void TExGridButton::SetLayout(TButtonLayout value)
{
    StoreAndRepaint(this, d->layout, value);
}

int TExGridButton::Margin() const
{
    return d->margin;
}

void TExGridButton::SetMargin(int value)
{
    if (value >= -1)
        StoreAndRepaint(this, d->margin, value);
}

int TExGridButton::Spacing() const
{
    return d->spacing;
}

void TExGridButton::SetSpacing(int value)
{
    StoreAndRepaint(this, d->spacing, value);
}

bool TExGridButton::ShowCaption() const
{
    return d->showCaption;
}

void TExGridButton::SetShowCaption(bool value)
{
    StoreAndRepaint(this, d->showCaption, value);
}

bool TExGridButton::Rounded() const
{
    return d->rounded;
}

void TExGridButton::SetRounded(bool value)
{
    StoreAndRepaint(this, d->rounded, value);
}

bool TExGridButton::Shaded() const
{
    return d->shaded;
}

void TExGridButton::SetShaded(bool value)
{
    d->shaded = value;
    if (value)
        buildShade();
}

bool TExGridButton::DropDownButton() const
{
    return d->dropDownButton;
}

void TExGridButton::SetDropDownButton(bool value)
{
    StoreAndRepaint(this, d->dropDownButton, value);
}

QMenu* TExGridButton::DropDownMenu() const
{
    return d->dropDownMenu.data();
}

void TExGridButton::SetDropDownMenu(QMenu* value)
{
    d->dropDownMenu = value;
}

bool TExGridButton::AutoThemeAdapt() const
{
    return d->autoThemeAdapt;
}

void TExGridButton::SetAutoThemeAdapt(bool value)
{
    d->autoThemeAdapt = value;
    if (value)
        applyThemeLook();
}

bool TExGridButton::AutoXPStyle() const
{
    return d->autoXPStyle;
}

void TExGridButton::SetAutoXPStyle(bool value)
{
    d->autoXPStyle = value;
}

#define GRID_BUTTON_COLOR(Name, field)                 \
    TColor TExGridButton::Name() const                 \
    {                                                  \
        return d->field;                               \
    }                                                  \
    void TExGridButton::Set##Name(TColor value)        \
    {                                                  \
        StoreAndRepaint(this, d->field, value);        \
    }

GRID_BUTTON_COLOR(ColorTo, colorTo)
GRID_BUTTON_COLOR(ColorHot, colorHot)
GRID_BUTTON_COLOR(ColorHotTo, colorHotTo)
GRID_BUTTON_COLOR(ColorDown, colorDown)
GRID_BUTTON_COLOR(ColorDownTo, colorDownTo)
GRID_BUTTON_COLOR(ColorChecked, colorChecked)
GRID_BUTTON_COLOR(ColorCheckedTo, colorCheckedTo)
GRID_BUTTON_COLOR(BorderColor, borderColor)
GRID_BUTTON_COLOR(BorderDownColor, borderDownColor)
GRID_BUTTON_COLOR(BorderHotColor, borderHotColor)

#undef GRID_BUTTON_COLOR

int TExGridButton::Look() const
{
    return d->look;
}

void TExGridButton::SetLook(int value)
{
    d->look = value;
    if (value < 0 || value >= int(std::size(Looks)))
        return;
    const LookColors& look = Looks[value];
    SetColor(look.color);
    d->colorTo = look.colorTo;
    d->colorHot = look.hot;
    d->colorHotTo = look.hotTo;
    d->colorDown = look.down;
    d->colorDownTo = look.downTo;
    d->colorChecked = look.checked;
    d->colorCheckedTo = look.checkedTo;
    d->borderDownColor = look.borderDown;
    d->borderHotColor = look.borderHot;
    d->borderColor = clNone;
    d->flat = true;
    d->rounded = value == 0;
    update();
}

// Scheme 1 (blue) gives look 2, 2 (olive) look 3, 3 (silver) look 4; no
// scheme look 1.
void TExGridButton::applyThemeLook()
{
    switch (DetectXPColorScheme()) {
    case 1:
        SetLook(2);
        break;
    case 2:
        SetLook(3);
        break;
    case 3:
        SetLook(4);
        break;
    default:
        SetLook(1);
        break;
    }
}

// ---- glyphs ----

const TBitmap* TExGridButton::Glyph() const
{
    return &d->glyph;
}

void TExGridButton::SetGlyph(const TBitmap* value)
{
    CopyBitmap(d->glyph, value);
    d->glyph.SetTransparent(true);
    if (d->glyphDisabled.Empty() || d->disabledMadeFromGlyph) {
        if (d->glyph.Empty())
            d->glyphDisabled.SetSize(0, 0);
        else
            MakeGreyCopy(d->glyphDisabled, d->glyph);
        d->disabledMadeFromGlyph = true;
    }
    if (d->shaded)
        buildShade();
    update();
}

const TBitmap* TExGridButton::GlyphHot() const
{
    return &d->glyphHot;
}

void TExGridButton::SetGlyphHot(const TBitmap* value)
{
    CopyBitmap(d->glyphHot, value);
    d->glyphHot.SetTransparent(true);
}

const TBitmap* TExGridButton::GlyphDown() const
{
    return &d->glyphDown;
}

void TExGridButton::SetGlyphDown(const TBitmap* value)
{
    CopyBitmap(d->glyphDown, value);
    d->glyphDown.SetTransparent(true);
}

const TBitmap* TExGridButton::GlyphDisabled() const
{
    return &d->glyphDisabled;
}

void TExGridButton::SetGlyphDisabled(const TBitmap* value)
{
    CopyBitmap(d->glyphDisabled, value);
    d->glyphDisabled.SetTransparent(true);
    d->disabledMadeFromGlyph = false;
}

const TBitmap* TExGridButton::GlyphShade() const
{
    return &d->glyphShade;
}

// Grey where the glyph has content, the glyph's transparent colour (its
// bottom-left pixel) elsewhere.
void TExGridButton::buildShade()
{
    if (d->glyph.Empty()) {
        d->glyphShade.SetSize(0, 0);
        return;
    }
    QImage image = d->glyph.pixels().convertToFormat(QImage::Format_RGB32);
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = (line[x] & 0xFFFFFF) == (key & 0xFFFFFF) ? key : qRgb(0x80, 0x80, 0x80);
    }
    d->glyphShade.setImage(image);
    d->glyphShade.SetTransparent(true);
}

// ---- state ----

TExGridButton::TButtonState TExGridButton::State() const
{
    return d->state;
}

bool TExGridButton::MouseInControl() const
{
    return d->mouseInControl;
}

bool TExGridButton::IsComCtl6() const
{
    return d->isComCtl6;
}

void TExGridButton::setState(TButtonState state)
{
    if (d->state == state)
        return;
    d->state = state;
    update();
}

// ---- groups ----

void TExGridButton::notifyGroup()
{
    if (d->groupIndex == 0 || !parentWidget())
        return;
    const auto siblings = parentWidget()->findChildren<TExGridButton*>(Qt::FindDirectChildrenOnly);
    for (TExGridButton* sibling : siblings)
        if (sibling != this)
            sibling->groupButtonPressed(this);
}

void TExGridButton::groupButtonPressed(TExGridButton* sender)
{
    if (sender->d->groupIndex != d->groupIndex)
        return;
    if (sender->d->down && d->down) {
        d->down = false;
        d->state = bsUp;
        update();
    }
    d->allowAllUp = sender->d->allowAllUp;
}

// ---- mouse ----

bool TExGridButton::inside(int X, int Y) const
{
    return X >= 0 && X < width() && Y >= 0 && Y <= height();
}

void TExGridButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
    if (Button != mbLeft || !isEnabled())
        return;
    if (d->dropDownButton && X >= width() - 12) {
        d->state = bsUp;
        update();
        if (OnDropDown)
            OnDropDown(this);
        if (d->dropDownMenu)
            d->dropDownMenu->popup(mapToGlobal(QPoint(0, height())));
        return;
    }
    if (!d->down) {
        d->state = bsDown;
        update();
    }
    if (d->style == tasCheck) {
        d->state = bsDown;
        update();
    }
    d->dragging = true;
}

void TExGridButton::MouseMove(TShiftState Shift, int X, int Y)
{
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
    if (!d->dragging) {
        if (!d->mouseInControl)
            updateTracking(inside(X, Y));
        return;
    }
    TButtonState next = d->down ? bsExclusive : bsUp;
    if (inside(X, Y))
        next = d->down ? bsExclusive : bsDown;
    if (d->style == tasCheck && d->down)
        next = bsDown;
    setState(next);
}

void TExGridButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
    if (!d->dragging || Button != mbLeft)
        return;
    d->dragging = false;
    const bool releasedInside = inside(X, Y);
    if (d->groupIndex == 0) {
        // A press dragged off the button is cancelled: no toggle, no click.
        if (d->style == tasCheck && releasedInside)
            d->down = !d->down;
        d->state = bsUp;
        update();
    } else if (releasedInside) {
        SetDown(!d->down);
        update();
    } else {
        if (d->down)
            d->state = bsExclusive;
        update();
    }
    if (releasedInside)
        Click();
    updateTracking(releasedInside);
}

// The pointer-over mark of a flat, enabled button: it turns on while no button
// of the mouse is held elsewhere, and off while this button is not dragging.
void TExGridButton::updateTracking(bool over)
{
    if (!d->flat || !isEnabled())
        return;
    if (over == d->mouseInControl)
        return;
    if (over) {
        QWidget* grabber = QWidget::mouseGrabber();
        if (grabber && grabber != this)
            return;
        d->mouseInControl = true;
        update();
        if (OnMouseEnter)
            OnMouseEnter(this);
    } else {
        if (d->dragging)
            return;
        d->mouseInControl = false;
        update();
        if (OnMouseLeave)
            OnMouseLeave(this);
    }
}

void TExGridButton::enterEvent(QEnterEvent*)
{
    updateTracking(true);
}

void TExGridButton::leaveEvent(QEvent*)
{
    updateTracking(false);
}

void TExGridButton::mousePressEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    MouseDown(platform::MouseButtonFromQt(e->button()), platform::ShiftStateFromQt(e->modifiers(), e->buttons()), pos.x(), pos.y());
}

void TExGridButton::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    MouseMove(platform::ShiftStateFromQt(e->modifiers(), e->buttons()), pos.x(), pos.y());
}

void TExGridButton::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    MouseUp(platform::MouseButtonFromQt(e->button()), platform::ShiftStateFromQt(e->modifiers(), e->buttons()), pos.x(), pos.y());
}

// The second press of a double click: the double-click event for a button held
// down, then an ordinary press.
void TExGridButton::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && d->down && OnDblClick)
        OnDblClick(this);
    const QPoint pos = e->position().toPoint();
    MouseDown(platform::MouseButtonFromQt(e->button()), platform::ShiftStateFromQt(e->modifiers(), e->buttons()) | ssDouble, pos.x(),
              pos.y());
}

// ---- keys and notifications ----

void TExGridButton::updateAccelerator()
{
    platform::GrabAccelerator(*this, d->caption, d->shortcutId);
}

bool TExGridButton::event(QEvent* e)
{
    if (e->type() == QEvent::Shortcut) {
        const auto* shortcut = static_cast<QShortcutEvent*>(e);
        if (shortcut->shortcutId() == d->shortcutId && d->shortcutId != 0) {
            const bool parentShowing = parentWidget() == nullptr || parentWidget()->isVisible();
            if (isEnabled() && isVisible() && parentShowing) {
                Click();
                return true;
            }
            return false;
        }
    }
    if (e->type() == QEvent::ThemeChange || e->type() == QEvent::StyleChange) {
        if (d->autoThemeAdapt)
            applyThemeLook();
    }
    return QWidget::event(e);
}

void TExGridButton::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::EnabledChange) {
        if (!isEnabled() && d->mouseInControl) {
            d->mouseInControl = false;
            if (OnMouseLeave)
                OnMouseLeave(this);
        }
        update();
    } else if (e->type() == QEvent::FontChange || e->type() == QEvent::PaletteChange) {
        update();
    }
    QWidget::changeEvent(e);
}
