#pragma once

#include <QtCore/QString>

namespace platform {

// The locale's upper-case mapping applied character by character, so that
// positions found in the result are positions in the original text (a full
// mapping may turn one character into two).
QString UpperCaseSameLength(const QString& s);

} // namespace platform
