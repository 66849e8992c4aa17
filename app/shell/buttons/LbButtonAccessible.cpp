// The push button as assistive technology and UI test tools see it: a push
// button named by its caption, described by its hint, that can be pressed.

#include "app/shell/buttons/LbButton.h"

#include "platform/ui/window/Accessibility.h"
#include "platform/ui/window/CaptionedAccessible.h"

#include <mutex>

namespace {

class LbButtonAccessible : public platform::CaptionedAccessible {
 public:
  explicit LbButtonAccessible(TLbButton* button) : CaptionedAccessible(button, QAccessible::Button, pressAction()) {}

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.pressed = button()->Down() && button()->isEnabled();
    return s;
  }

 protected:
  QString Caption() const override { return button()->Caption(); }
  QString Hint() const override { return button()->Hint(); }
  void Activate() override { button()->Click(); }

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
