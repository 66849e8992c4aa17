#include "platform/ui/window/Accessibility.h"

#include <QtGui/QAccessible>

#include <vector>

namespace platform {

namespace {

std::vector<AccessibleMaker>& makers() {
  static std::vector<AccessibleMaker> list;
  return list;
}

QAccessibleInterface* ownerDrawnFactory(const QString&, QObject* object) {
  for (const AccessibleMaker& maker : makers())
    if (QAccessibleInterface* accessible = maker(object)) return accessible;
  return nullptr;
}

}  // namespace

void RegisterAccessibleMaker(AccessibleMaker maker) {
  if (makers().empty()) QAccessible::installFactory(ownerDrawnFactory);
  makers().push_back(std::move(maker));
}

}  // namespace platform
