// The column grid's definition stream as a grid loads it: a stream that is
// taken must save back byte for byte; one that is refused must leave the
// definitions as they were.

#include "fuzz/FuzzSupport.h"

#include "grid/cells/columns/ExColumnGrid.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    TExColumnGrid grid;
    grid.SetColCount(3);
    grid.Loaded();
    const QByteArray before = grid.SaveColumnsToStream();
    const QByteArray input = fuzz::Bytes(data, size);
    try {
        grid.LoadColumnsFromStream(input);
    } catch (const EExGridError&) {
        if (grid.SaveColumnsToStream() != before)
            std::abort(); // a refused stream changed the definitions
        return 0;
    }
    TExColumnGrid again;
    again.Loaded();
    again.LoadColumnsFromStream(grid.SaveColumnsToStream());
    if (again.SaveColumnsToStream() != grid.SaveColumnsToStream())
        std::abort(); // what was taken must read back the same
    return 0;
}
