// The grid button as assistive technology and UI test tools see it: a push
// button named by its caption, described by its hint, checkable when it toggles
// or belongs to a group, that can be pressed.

#include "grid/foundation/ExObjGridButton.h"

#include "platform/ui/Accessibility.h"

#include <QtWidgets/QAccessibleWidget>

#include <mutex>

namespace {

class ExGridButtonAccessible : public QAccessibleWidget {
public:
    explicit ExGridButtonAccessible(TExGridButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return platform::StripAccelerator(button()->Caption());
        case QAccessible::Description:
            return button()->Hint();
        case QAccessible::Accelerator:
            return platform::AcceleratorKeyText(button()->Caption());
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = false;
        s.hotTracked = button()->MouseInControl();
        s.pressed = button()->isEnabled() && button()->State() == TExGridButton::bsDown;
        s.checkable = button()->Style() == tasCheck || button()->GroupIndex() != 0;
        s.checked = s.checkable && button()->Down();
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (button()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction() && button()->isEnabled()) {
            button()->Click();
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

private:
    TExGridButton* button() const { return static_cast<TExGridButton*>(widget()); }
};

QAccessibleInterface* MakeExGridButtonAccessible(QObject* object)
{
    if (auto* button = qobject_cast<TExGridButton*>(object))
        return new ExGridButtonAccessible(button);
    return nullptr;
}

}  // namespace

void InstallExGridButtonAccessibility()
{
    static std::once_flag installed;
    std::call_once(installed, [] { platform::RegisterAccessibleMaker(MakeExGridButtonAccessible); });
}
