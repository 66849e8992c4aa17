#include "grid/foundation/util/ExUtilCase.h"

namespace platform {

QString UpperCaseSameLength(const QString& s)
{
    QString result(s);
    for (QChar& c : result)
        c = c.toUpper();
    return result;
}

} // namespace platform
