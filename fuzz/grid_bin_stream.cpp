// The binary cell stream as the clipboard and drag and drop hand it to
// LoadAtPointFromBinStream: a broken stream fails with an exception of ours,
// nothing is allocated past what the bytes can hold, and a stream that loads
// saves again and loads into a second grid.

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
    grid.SetColCount(6);
    grid.SetRowCount(6);
    try {
        grid.LoadAtPointFromBinStream(TPoint{int(size % 3), int(size % 5)}, stream);
    } catch (const Exception&) {
        return 0;
    }
    if (grid.ColCount() > 16384 || grid.RowCount() > 1048576)
        std::abort();
    QBuffer again;
    again.open(QIODevice::ReadWrite);
    grid.SaveRectToBinStream(TRect{0, 0, std::min(grid.ColCount(), 50) - 1, std::min(grid.RowCount(), 50) - 1}, again);
    again.seek(0);
    TExStringGrid copy;
    copy.LoadFromBinStream(again);
    return 0;
}
