// The grid check box as assistive technology and UI test tools see it: a
// check box named by its caption, checked, unchecked or mixed, that can be
// toggled.

#include "grid/foundation/objects/ExObjCheckBox.h"

#include "platform/ui/window/Accessibility.h"
#include "platform/ui/window/CaptionedAccessible.h"

#include <mutex>

namespace {

class ExCheckBoxAccessible : public platform::CaptionedAccessible {
public:
    explicit ExCheckBoxAccessible(TExCheckBox* box) : CaptionedAccessible(box, QAccessible::CheckBox, toggleAction())
    {
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

protected:
    QString Caption() const override { return box()->Caption(); }
    QString Hint() const override { return box()->Hint(); }
    // Toggling from a tool is a click, as Space is.
    void Activate() override
    {
        box()->Toggle();
        box()->Click();
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
