// The tab strip as assistive technology and UI test tools see it: a page tab
// list whose children are page tabs, named by their text, selected when they are
// the selected tab, unavailable when they cannot be selected, and pressable.

#include "platform/ui/window/Accessibility.h"
#include "platform/ui/panels/TabStrip.h"

#include <QtCore/QHash>
#include <QtWidgets/QAccessibleWidget>

#include <mutex>

class TabStripTabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  TabStripTabAccessible(TCustomTabControl* strip, int index) : strip_(strip), index_(index) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }
  bool isValid() const override { return !strip_.isNull() && index_ < strip_->TabCount(); }
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(strip_.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    return isValid() && t == QAccessible::Name ? strip_->AccessibleTabName(index_) : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return QRect();
    const QRect local = ToQRect(strip_->TabRect(index_));
    return QRect(strip_->mapToGlobal(local.topLeft()), local.size());
  }
  QAccessible::Role role() const override { return QAccessible::PageTab; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    s.selectable = true;
    s.selected = strip_->TabIndex() == index_;
    s.disabled = !strip_->isEnabled() || !strip_->CanShowTab(index_);
    s.invisible = !strip_->isVisible();
    return s;
  }

  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& actionName) override {
    if (actionName == pressAction() && isValid() && strip_->isEnabled()) strip_->userSelect(index_);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<TCustomTabControl> strip_;
  int index_;
};

class TabStripAccessible : public QAccessibleWidget {
 public:
  explicit TabStripAccessible(TCustomTabControl* strip) : QAccessibleWidget(strip, QAccessible::PageTabList) {}
  ~TabStripAccessible() override {
    for (QAccessible::Id id : std::as_const(tabs_)) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return strip()->TabCount(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= strip()->TabCount()) return nullptr;
    if (const auto it = tabs_.constFind(index); it != tabs_.cend()) return QAccessible::accessibleInterface(*it);
    auto* tab = new TabStripTabAccessible(strip(), index);
    tabs_.insert(index, QAccessible::registerAccessibleInterface(tab));
    return tab;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (auto it = tabs_.cbegin(); it != tabs_.cend(); ++it)
      if (QAccessible::accessibleInterface(it.value()) == child) return it.key();
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint p = strip()->mapFromGlobal(QPoint(x, y));
    const int index = strip()->IndexOfTabAt(p.x(), p.y());
    return index >= 0 ? child(index) : nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    return strip()->hasFocus() && strip()->TabIndex() >= 0 ? child(strip()->TabIndex()) : nullptr;
  }

 private:
  TCustomTabControl* strip() const { return static_cast<TCustomTabControl*>(widget()); }
  mutable QHash<int, QAccessible::Id> tabs_;
};

namespace {

QAccessibleInterface* makeTabStripAccessible(QObject* object) {
  if (auto* strip = qobject_cast<TCustomTabControl*>(object)) return new TabStripAccessible(strip);
  return nullptr;
}

}  // namespace

void InstallTabStripAccessibility() {
  static std::once_flag installed;
  std::call_once(installed, [] { platform::RegisterAccessibleMaker(makeTabStripAccessible); });
}
