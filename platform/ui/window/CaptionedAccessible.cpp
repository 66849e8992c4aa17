#include "platform/ui/window/CaptionedAccessible.h"

#include "platform/ui/controls/Control.h"

namespace platform {

CaptionedAccessible::CaptionedAccessible(QWidget* widget, QAccessible::Role role, QString actionName)
    : QAccessibleWidget(widget, role), actionName_(std::move(actionName))
{
}

QString CaptionedAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return StripAccelerator(Caption());
    case QAccessible::Description:
        return Hint();
    case QAccessible::Accelerator:
        return AcceleratorKeyText(Caption());
    default:
        return QAccessibleWidget::text(t);
    }
}

QStringList CaptionedAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled())
        names.prepend(actionName_);
    return names;
}

void CaptionedAccessible::doAction(const QString& actionName)
{
    if (actionName == actionName_ && widget()->isEnabled()) {
        Activate();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

}  // namespace platform
