// The grid text stream as LoadFromStream reads it: strict numbers fail with
// an exception of ours, a line that is no grid data stops the load, and the
// grid stays within the load limits.

#include "fuzz/FuzzSupport.h"

#include "grid/engine/ExGrid.h"

#include <QtCore/QBuffer>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    QBuffer stream;
    stream.setData(fuzz::Bytes(data, size));
    stream.open(QIODevice::ReadOnly);
    TExStringGrid grid;
    grid.SetSaveFixedCells(size % 2 == 0);
    try {
        grid.LoadFromStream(stream);
    } catch (const Exception&) {
        return 0;
    }
    if (grid.ColCount() > 16384 + 1 || grid.RowCount() > 1048576 + 1 || stream.pos() > qint64(size))
        std::abort();
    TExStringGrid copy;
    copy.SetSaveFixedCells(grid.SaveFixedCells());
    copy.AssignCells(&grid);
    return 0;
}
