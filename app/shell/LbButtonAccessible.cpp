// The push button as assistive technology and UI test tools see it: a push
// button named by its caption, described by its hint, that can be pressed.

#include "app/shell/LbButton.h"

#include "platform/ui/Accessibility.h"

#include <QtWidgets/QAccessibleWidget>

#include <mutex>

namespace {

class LbButtonAccessible : public QAccessibleWidget {
 public:
  explicit LbButtonAccessible(TLbButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

  QString text(QAccessible::Text t) const override {
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

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.pressed = button()->Down() && button()->isEnabled();
    return s;
  }

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (button()->isEnabled()) {
      names.prepend(pressAction());
    }
    return names;
  }

  void doAction(const QString& actionName) override {
    if (actionName == pressAction() && button()->isEnabled()) {
      button()->Click();
      return;
    }
    QAccessibleWidget::doAction(actionName);
  }

 private:
  TLbButton* button() const { return static_cast<TLbButton*>(widget()); }
};

QAccessibleInterface* makeLbButtonAccessible(QObject* object) {
  if (auto* button = qobject_cast<TLbButton*>(object)) {
    return new LbButtonAccessible(button);
  }
  return nullptr;
}

}  // namespace

void InstallLbButtonAccessibility() {
  static std::once_flag installed;
  std::call_once(installed, [] { platform::RegisterAccessibleMaker(makeLbButtonAccessible); });
}
