// The grid check box as assistive technology and UI test tools see it: a
// check box named by its caption, checked, unchecked or mixed, that can be
// toggled.

#include "grid/foundation/ExObjCheckBox.h"

#include "platform/ui/Accessibility.h"

#include <QtWidgets/QAccessibleWidget>

#include <mutex>

namespace {

class ExCheckBoxAccessible : public QAccessibleWidget {
public:
    explicit ExCheckBoxAccessible(TExCheckBox* box) : QAccessibleWidget(box, QAccessible::CheckBox) {}

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return platform::StripAccelerator(box()->Caption());
        case QAccessible::Description:
            return box()->Hint();
        case QAccessible::Accelerator:
            return platform::AcceleratorKeyText(box()->Caption());
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = box()->State() == cbChecked;
        s.checkStateMixed = box()->State() == cbGrayed;
        s.pressed = box()->Down();
        s.readOnly = box()->ReadOnly();
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (box()->isEnabled())
            names.prepend(toggleAction());
        return names;
    }

    // Toggling from a tool is a click, as Space is.
    void doAction(const QString& actionName) override
    {
        if (actionName == toggleAction() && box()->isEnabled()) {
            box()->Toggle();
            box()->Click();
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

private:
    TExCheckBox* box() const { return static_cast<TExCheckBox*>(widget()); }
};

QAccessibleInterface* makeExCheckBoxAccessible(QObject* object)
{
    if (auto* box = qobject_cast<TExCheckBox*>(object))
        return new ExCheckBoxAccessible(box);
    return nullptr;
}

}  // namespace

void InstallExCheckBoxAccessibility()
{
    static std::once_flag installed;
    std::call_once(installed, [] { platform::RegisterAccessibleMaker(makeExCheckBoxAccessible); });
}
