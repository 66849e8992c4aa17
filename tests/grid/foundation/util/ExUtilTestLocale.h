#pragma once

#include "platform/core/FormatSettings.h"

namespace gridtest {

// A day-month-year locale with "." for decimals and "," for thousands.
inline TFormatSettings EnglishDayFirst()
{
    return TFormatSettings{u'.', u',', u'/', u':', QStringLiteral("dd/mm/yyyy"), QStringLiteral("hh:nn:ss")};
}

// A day-month-year locale with "," for decimals, "." for thousands and "." between date parts.
inline TFormatSettings GermanStyle()
{
    return TFormatSettings{u',', u'.', u'.', u':', QStringLiteral("dd.mm.yyyy"), QStringLiteral("hh:nn:ss")};
}

} // namespace gridtest
