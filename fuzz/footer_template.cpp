// The floating footer's custom preview template: "<#n>" tags expanded with the
// cells of a five-column row.

#include "fuzz/FuzzSupport.h"

#include "grid/engine/hints/ExGridFooter.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(fuzz::Bytes(data, size));
    const QString expanded = ExpandFooterTemplate(text, 5, [](int column) {
        if (column < 0 || column >= 5)
            std::abort();
        return QStringLiteral("[%1]").arg(column);
    });
    // Tags only ever shrink into at most a cell text as long as "[n]".
    if (expanded.size() > text.size() + 3 * text.count(QStringLiteral("<#")))
        std::abort();
    return 0;
}
