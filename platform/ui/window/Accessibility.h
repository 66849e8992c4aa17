#pragma once

#include <functional>

class QAccessibleInterface;
class QObject;

namespace platform {

// Owner-drawn controls describe their role, caption and state to assistive
// tools through a QAccessibleInterface, as Qt's standard controls do. Each kind
// registers a maker that returns an interface for its own objects and nullptr
// for any other object; one accessibility factory asks every maker in turn.
using AccessibleMaker = std::function<QAccessibleInterface*(QObject* object)>;
void RegisterAccessibleMaker(AccessibleMaker maker);

}  // namespace platform
