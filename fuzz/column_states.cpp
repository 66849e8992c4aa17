// Column-state texts and visual-properties files as the grid reads them: a
// state text that is refused leaves the layout as it was; a visual-properties
// file loads or fails with an exception of ours.

#include "fuzz/FuzzSupport.h"

#include "grid/engine/ExGrid.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    const std::vector<QByteArray> parts = fuzz::SplitParts(fuzz::Bytes(data, size), 2);
    TExStringGrid grid;
    grid.SetColCount(4);
    grid.MoveColumn(0, 2);
    grid.HideColumn(1);
    const QString before = grid.ColumnStatesToString();
    try {
        grid.StringToColumnStates(QString::fromLatin1(parts[0]));
    } catch (const Exception&) {
        if (grid.ColumnStatesToString() != before)
            std::abort(); // a refused text changed the layout
    }
    if (grid.ColCount() > 16384)
        std::abort();
    if (parts.size() > 1) {
        const QString path = fuzz::PutFile(QStringLiteral("visual.txt"), parts[1]);
        try {
            grid.LoadVisualProps(path);
            grid.SaveVisualProps(path);
        } catch (const Exception&) {
        }
    }
    return 0;
}
