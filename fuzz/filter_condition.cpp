// The grid's filter condition matcher: a typed condition, a zero byte, and
// the cell text it is matched against.

#include "fuzz/FuzzSupport.h"

#include "grid/foundation/util/ExUtilFilter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<QByteArray> parts = fuzz::SplitParts(fuzz::Bytes(data, size), 2);
    const QString condition = QString::fromUtf8(parts[0]);
    const QString text = parts.size() > 1 ? QString::fromUtf8(parts[1]) : QString();
    for (const bool caseSensitive : {false, true}) {
        (void)EvaluateFilterCondition(condition, text, caseSensitive);
        (void)MatchFilterTerm(condition, text, caseSensitive);
    }
    (void)MatchFilterPattern(condition, text);
    return 0;
}
