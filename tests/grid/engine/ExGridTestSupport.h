#pragma once

// What the grid engine's tests share: readable texts in failure messages.

#include <QtCore/QString>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE
