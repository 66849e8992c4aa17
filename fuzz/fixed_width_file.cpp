// Fixed-width files as LoadFromFixed reads them, with unsorted field
// positions taken from the first part of the input (a byte each, up to 16).

#include "fuzz/FuzzSupport.h"

#include "grid/engine/ExGrid.h"
#include "grid/foundation/objects/ExObjLists.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    const std::vector<QByteArray> parts = fuzz::SplitParts(fuzz::Bytes(data, size), 2);
    TIntList positions(-1, -1);
    for (qsizetype i = 0; i < parts[0].size() && i < 16; ++i)
        positions.Add(qint8(parts[0][i]));
    const QString path = fuzz::PutFile(QStringLiteral("fixed.txt"), parts.size() > 1 ? parts[1] : QByteArray());
    TExStringGrid grid;
    try {
        grid.LoadFromFixed(path, positions, size % 2 == 0, int(size % 4) - 1);
    } catch (const Exception&) {
        return 0;
    }
    if (grid.ColCount() > 16384 || grid.RowCount() > 1048576)
        std::abort();
    TIntList widths(-1, -1);
    grid.SaveToFixed(path, widths);
    return 0;
}
