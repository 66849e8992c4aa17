// Number texts: the grid's number judging and extraction, and the platform's
// whole-number, decimal and format conversions, on the same typed text.

#include "fuzz/FuzzSupport.h"

#include "grid/foundation/util/ExUtilNumber.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/SysUtils.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));

    (void)DetectNumberKind(text);
    (void)NormalizeNumberText(text);
    const QString numeric = ExtractNumericText(text);
    double value = 0;
    (void)TryStrToFloat(numeric, value);

    int whole = 0;
    qint64 wide = 0;
    if (TryStrToInt(text, whole) && StrToInt(text) != whole)
        std::abort();
    if (TryStrToInt64(text, wide) && StrToInt64Def(text, wide + 1) != wide)
        std::abort();
    (void)StrToIntDef(text, -1);
    try {
        (void)StrToInt64(text);
    } catch (const EConvertError&) {
    }
    if (TryStrToFloat(text, value) && std::isfinite(value)) {
        double again = 0;
        if (!TryStrToFloat(FloatToStr(value), again))
            std::abort(); // a number's own text reads back as a number
    }
    (void)StrToFloatDef(text, 0.5);
    try {
        (void)Format(text, {42, QStringLiteral("text"), 2.5, -1});
    } catch (const EConvertError&) {
    }
    (void)Trim(text);
    (void)UpperCase(text);
    (void)AnsiUpperCase(text);
    (void)CompareText(text, numeric);
    (void)AnsiCompareText(text, numeric);
    return 0;
}
