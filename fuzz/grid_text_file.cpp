// The grid text file as LoadFromFile reads it: any bytes load or fail with an
// exception of ours, and a loaded grid stays within the load limits.

#include "fuzz/FuzzSupport.h"

#include "grid/engine/ExGrid.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    const QByteArray input = fuzz::Bytes(data, size);
    const QString path = fuzz::PutFile(QStringLiteral("grid.txt"), input);
    TExStringGrid grid;
    grid.SetMultilinecells(!input.isEmpty() && (input[0] & 1));
    try {
        grid.LoadFromFile(path);
    } catch (const Exception&) {
        return 0;
    }
    if (grid.ColCount() > 16384 || grid.RowCount() > 1048576)
        std::abort();
    grid.SaveToFile(path, true);
    return 0;
}
