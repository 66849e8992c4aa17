#include "grid/foundation/objects/ExObjCheckBox.h"

#include "platform/ui/window/KeyActivation.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QAccessible>
#include <QtGui/QContextMenuEvent>
#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtGui/QShortcutEvent>
#include <QtWidgets/QMenu>

#include <QtCore/QPointer>

void InstallExCheckBoxAccessibility();

namespace {

// The strip of the box that a state change repaints, and the corner that the
// hot and pressed marks repaint.
constexpr int kBoxStripWidth = 20;
constexpr int kMarkCorner = 16;

}  // namespace

struct TExCheckBox::Data {
    bool down = false;
    TCheckBoxState state = cbUnchecked;
    bool returnIsTab = false;
    TVAlignment btnVAlign = vtaTop;
    TAlignment alignment = taLeftJustify;
    bool ellipsis = false;
    QString caption = QStringLiteral("TExCheckBox");
    bool readOnly = false;
    bool mouseDown = false;
    bool transparentCaching = false;
    bool transparent = false;
    bool parentColor = true;
    QPointer<QMenu> popupMenu;
    int shortcutId = 0;
    platform::KeyPressTracker keys{Qt::Key_Space};
};

TExCheckBox::TExCheckBox(QWidget* AOwner)
    : QWidget(AOwner), platform::TControl(*this, clWindow), d(std::make_unique<Data>())
{
    InstallExCheckBoxAccessibility();
    // Not a tab stop, but a click gives it the focus (it toggles only while
    // focused).
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_Hover);
    resize(98, 20);
    SetCaption(d->caption);
}

TExCheckBox::~TExCheckBox() = default;

TAlignment TExCheckBox::Alignment() const { return d->alignment; }

void TExCheckBox::SetAlignment(TAlignment Value)
{
    if (d->alignment == Value)
        return;
    d->alignment = Value;
    update();
}

TVAlignment TExCheckBox::ButtonVertAlign() const { return d->btnVAlign; }

void TExCheckBox::SetButtonVertAlign(TVAlignment Value)
{
    if (d->btnVAlign == Value)
        return;
    d->btnVAlign = Value;
    update();
}

QString TExCheckBox::Caption() const { return d->caption; }

void TExCheckBox::SetCaption(const QString& Value)
{
    d->caption = Value;
    setWindowTitle(platform::StripAccelerator(Value));
    platform::GrabAccelerator(*this, Value, d->shortcutId);
    if (QAccessible::isActive()) {
        QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&nameChanged);
    }
    update();
}

bool TExCheckBox::Checked() const { return d->state == cbChecked; }

void TExCheckBox::SetChecked(bool Value)
{
    SetState(Value ? cbChecked : cbUnchecked);
    update();
}

TCheckBoxState TExCheckBox::State() const { return d->state; }

void TExCheckBox::SetState(TCheckBoxState Value)
{
    if (d->state == Value)
        return;
    d->state = Value;
    const bool boxLeft = d->alignment != taRightJustify;
    update(boxLeft ? 0 : width() - kBoxStripWidth, 0, kBoxStripWidth, height());
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        changed.checkStateMixed = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

bool TExCheckBox::Ellipsis() const { return d->ellipsis; }

void TExCheckBox::SetEllipsis(bool Value)
{
    if (d->ellipsis == Value)
        return;
    d->ellipsis = Value;
    update();
}

bool TExCheckBox::ReadOnly() const { return d->readOnly; }
void TExCheckBox::SetReadOnly(bool Value) { d->readOnly = Value; }

bool TExCheckBox::ReturnIsTab() const { return d->returnIsTab; }
void TExCheckBox::SetReturnIsTab(bool Value) { d->returnIsTab = Value; }

bool TExCheckBox::Transparent() const { return d->transparent; }

void TExCheckBox::SetTransparent(bool Value)
{
    d->transparent = Value;
    update();
}

bool TExCheckBox::TransparentChaching() const { return d->transparentCaching; }
void TExCheckBox::SetTransparentChaching(bool Value) { d->transparentCaching = Value; }

bool TExCheckBox::ParentColor() const { return d->parentColor; }

void TExCheckBox::SetParentColor(bool Value)
{
    d->parentColor = Value;
    update();
}

void TExCheckBox::ApplyColor(TColor)
{
    // The background is painted by the box itself (or not at all when
    // transparent), so the toolkit's own fill stays off.
    d->parentColor = false;
    update();
}

bool TExCheckBox::Down() const { return d->down; }
void TExCheckBox::SetDown(bool Value) { d->down = Value; }

QMenu* TExCheckBox::PopupMenu() const { return d->popupMenu; }
void TExCheckBox::SetPopupMenu(QMenu* Value) { d->popupMenu = Value; }

void TExCheckBox::Toggle()
{
    if (!d->readOnly)
        SetChecked(!Checked());
}

void TExCheckBox::Click()
{
    if (OnClick)
        OnClick(this);
}

void TExCheckBox::ChangeBounds(const QRect& bounds)
{
    platform::TControl::ChangeBounds(bounds);
    if (d->transparent)
        update();
}

bool TExCheckBox::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (shortcut->shortcutId() == d->shortcutId && d->shortcutId != 0) {
            if (CanFocus()) {
                Toggle();
                if (TabStop())
                    setFocus(Qt::ShortcutFocusReason);
            }
            return true;
        }
    }
    return QWidget::event(event);
}

void TExCheckBox::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const bool left = event->button() == Qt::LeftButton;
    if (left) {
        d->mouseDown = true;
        if (!hasFocus() && focusPolicy() != Qt::NoFocus)
            setFocus(Qt::MouseFocusReason);
    }
    if (OnMouseDown)
        OnMouseDown(this, platform::MouseButtonFromQt(event->button()),
                    platform::ShiftStateFromQt(event->modifiers(), event->buttons()), pos.x(), pos.y());
    if (left) {
        SetDown(true);
        update(0, 0, kMarkCorner, kMarkCorner);
    }
}

namespace {

// Edges included: a release on the right or bottom edge still counts.
bool insideControl(const QWidget& widget, const QPoint& pos)
{
    return pos.x() >= 0 && pos.x() <= widget.width() && pos.y() >= 0 && pos.y() <= widget.height();
}

}  // namespace

void TExCheckBox::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (d->mouseDown)
        SetDown(insideControl(*this, pos));
    if (OnMouseMove)
        OnMouseMove(this, platform::ShiftStateFromQt(event->modifiers(), event->buttons()), pos.x(), pos.y());
}

void TExCheckBox::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        SetDown(false);
        const bool pressedHere = d->mouseDown;
        d->mouseDown = false;
        if (pressedHere && insideControl(*this, pos) && hasFocus()) {
            Toggle();
            Click();
        }
    }
    if (OnMouseUp)
        OnMouseUp(this, platform::MouseButtonFromQt(event->button()),
                  platform::ShiftStateFromQt(event->modifiers(), event->buttons()), pos.x(), pos.y());
    update(0, 0, kMarkCorner, kMarkCorner);
}

void TExCheckBox::keyPressEvent(QKeyEvent* event)
{
    Word key = platform::VirtualKeyFromQt(event->key());
    bool handled = false;
    if (key == VK_RETURN && d->returnIsTab) {
        key = VK_TAB;
        // The posted Tab moves the focus on as a typed one does.
        QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
        handled = true;
    } else if (key == VK_SPACE) {
        if (d->keys.Press(*event))
            SetDown(true);
        handled = true;
    }
    if (OnKeyDown)
        OnKeyDown(this, key, platform::ShiftStateFromQt(event->modifiers()));
    if (OnKeyPress && !event->text().isEmpty() && key != VK_TAB) {
        QChar typed = event->text().at(0);
        OnKeyPress(this, typed);
    }
    // Keys the box does not use go on to its window (dialog keys, shortcuts).
    if (handled || key == 0)
        event->accept();
    else
        event->ignore();
}

void TExCheckBox::keyReleaseEvent(QKeyEvent* event)
{
    Word key = platform::VirtualKeyFromQt(event->key());
    // Only the release of a Space press the box received toggles it, once for a
    // held key.
    if (d->keys.Release(*event)) {
        SetDown(false);
        Toggle();
        Click();
    }
    if (OnKeyUp)
        OnKeyUp(this, key, platform::ShiftStateFromQt(event->modifiers()));
    event->accept();
}

void TExCheckBox::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    update(0, 0, kMarkCorner, kMarkCorner);
}

void TExCheckBox::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    update(0, 0, kMarkCorner, kMarkCorner);
}

void TExCheckBox::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void TExCheckBox::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (d->keys.Held()) {
        d->keys.Cancel();
        SetDown(false);
    }
    update();
}

void TExCheckBox::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        d->keys.Cancel();
        update();
    }
}

void TExCheckBox::contextMenuEvent(QContextMenuEvent* event)
{
    if (d->popupMenu) {
        d->popupMenu->popup(event->globalPos());
        event->accept();
        return;
    }
    QWidget::contextMenuEvent(event);
}
