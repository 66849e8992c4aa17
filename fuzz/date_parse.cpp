// The date parsers of cell texts and date series: the text parsed every way
// the grid parses dates, each date found decoded and stepped. The first bytes
// choose the steps.

#include "fuzz/FuzzSupport.h"

#include "grid/foundation/util/ExUtilDate.h"

namespace {

void Use(TDateTime value, int years, int months, int days, double delta)
{
    int y = 0, m = 0, d = 0;
    platform::DecodeDate(value, y, m, d);
    if (const std::optional<TDateTime> next = StepDate(years, months, days, value, delta))
        platform::DecodeDate(*next, y, m, d);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    const int years = int8_t(data[0]) * 40;
    const int months = int8_t(data[1]) * 100;
    const int days = int8_t(data[2]) * 3000;
    const double delta = int8_t(data[3]) * 1000.5;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 4), qsizetype(size - 4));

    Use(ParseDateMonthFirst(text), years, months, days, delta);
    Use(ParseDateDayFirst(text), years, months, days, delta);
    TDateTime value = 0;
    if (ParseLocaleDateTime(text, value))
        Use(value, years, months, days, delta);
    (void)LooksLikeDate(text);
    return 0;
}
