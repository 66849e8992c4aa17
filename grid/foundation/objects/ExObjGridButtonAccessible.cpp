// The grid button as assistive technology and UI test tools see it: a push
// button named by its caption, described by its hint, checkable when it toggles
// or belongs to a group, that can be pressed.

#include "grid/foundation/objects/ExObjGridButton.h"

#include "platform/ui/window/Accessibility.h"
#include "platform/ui/window/CaptionedAccessible.h"

#include <mutex>

namespace {

class ExGridButtonAccessible : public platform::CaptionedAccessible {
public:
    explicit ExGridButtonAccessible(TExGridButton* button)
        : CaptionedAccessible(button, QAccessible::Button, pressAction())
    {
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

protected:
    QString Caption() const override { return button()->Caption(); }
    QString Hint() const override { return button()->Hint(); }
    void Activate() override { button()->Click(); }

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
