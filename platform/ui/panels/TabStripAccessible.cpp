// The tab strip as assistive technology and UI test tools see it: a page tab
// list whose children are first its page tabs, named by their text, selected
// when they are the selected tab, unavailable when they cannot be selected, and
// pressable; then the controls on the strip, as any container reports them: a
// page control's pages with everything placed on them, the pages not shown
// marked invisible. Without them, the grids and fields on the pages would be
// out of reach of screen readers and UI test tools.

#include "platform/ui/window/Accessibility.h"
#include "platform/ui/panels/TabStrip.h"

#include <QtCore/QHash>
#include <QtWidgets/QAccessibleWidget>

#include <mutex>

class TabStripAccessible;

class TabStripTabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  // The strip's own interface owns its tabs' and outlives them.
  TabStripTabAccessible(TabStripAccessible* list, int index) : list_(list), index_(index) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }
  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    return isValid() && t == QAccessible::Name ? strip()->AccessibleTabName(index_) : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return QRect();
    const QRect local = ToQRect(strip()->TabRect(index_));
    return QRect(strip()->mapToGlobal(local.topLeft()), local.size());
  }
  QAccessible::Role role() const override { return QAccessible::PageTab; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    s.selectable = true;
    s.selected = strip()->TabIndex() == index_;
    s.disabled = !strip()->isEnabled() || !strip()->CanShowTab(index_);
    s.invisible = !strip()->isVisible();
    return s;
  }

  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& actionName) override {
    if (actionName == pressAction() && isValid() && strip()->isEnabled()) strip()->userSelect(index_);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  TCustomTabControl* strip() const;
  TabStripAccessible* list_;
  int index_;
};

class TabStripAccessible : public QAccessibleWidget {
 public:
  explicit TabStripAccessible(TCustomTabControl* strip) : QAccessibleWidget(strip, QAccessible::PageTabList) {}
  ~TabStripAccessible() override {
    for (QAccessible::Id id : std::as_const(tabs_)) QAccessible::deleteAccessibleInterface(id);
  }

  // Every question is answered from the strip's state, which is gone while the
  // strip's widget base tears the pages down: an invalid strip has no children.
  int childCount() const override {
    return isValid() ? strip()->TabCount() + QAccessibleWidget::childCount() : 0;
  }
  QAccessibleInterface* child(int index) const override {
    if (!isValid() || index < 0) return nullptr;
    const int tabs = strip()->TabCount();
    if (index >= tabs) return QAccessibleWidget::child(index - tabs);
    if (const auto it = tabs_.constFind(index); it != tabs_.cend()) return QAccessible::accessibleInterface(*it);
    auto* tab = new TabStripTabAccessible(const_cast<TabStripAccessible*>(this), index);
    tabs_.insert(index, QAccessible::registerAccessibleInterface(tab));
    return tab;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!isValid() || !child) return -1;
    const int tabs = strip()->TabCount();
    for (auto it = tabs_.cbegin(); it != tabs_.cend(); ++it)
      if (QAccessible::accessibleInterface(it.value()) == child) return it.key() < tabs ? it.key() : -1;
    const int control = QAccessibleWidget::indexOfChild(child);
    return control >= 0 ? tabs + control : -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    if (!isValid()) return nullptr;
    const QPoint p = strip()->mapFromGlobal(QPoint(x, y));
    const int index = strip()->IndexOfTabAt(p.x(), p.y());
    if (index >= 0) return child(index);
    // The shown control under the point; hidden pages lie under the shown one.
    QWidget* hit = strip()->childAt(p);
    while (hit && hit->parentWidget() != strip()) hit = hit->parentWidget();
    return hit ? QAccessible::queryAccessibleInterface(hit) : nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    if (!isValid()) return nullptr;
    if (strip()->hasFocus()) return strip()->TabIndex() >= 0 ? child(strip()->TabIndex()) : nullptr;
    return QAccessibleWidget::focusChild();
  }

 private:
  TCustomTabControl* strip() const { return static_cast<TCustomTabControl*>(widget()); }
  mutable QHash<int, QAccessible::Id> tabs_;
};

bool TabStripTabAccessible::isValid() const { return list_->isValid() && index_ < strip()->TabCount(); }

TCustomTabControl* TabStripTabAccessible::strip() const { return static_cast<TCustomTabControl*>(list_->object()); }

QAccessibleInterface* TabStripTabAccessible::parent() const { return list_; }

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
