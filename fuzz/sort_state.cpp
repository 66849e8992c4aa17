// The sort state text of a small grid, loaded as a saved state is, and two
// texts compared under every sort style. Parts are cut at zero bytes: the
// state text, the two texts, a prefix and a suffix.

#include "fuzz/FuzzSupport.h"

#include "grid/engine/ExGrid.h"
#include "grid/engine/ExGridDataSettings.h"
#include "grid/foundation/objects/ExObjLists.h"
#include "grid/services/sorting/ExGridSortCompare.h"
#include "platform/core/Exceptions.h"

#include <QtCore/QStringList>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int Cols = 5;
constexpr int Rows = 7;

QStringList sortedCells(TExStringGrid& grid)
{
    QStringList cells;
    for (int r = 0; r < grid.RowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < grid.ColCount(); ++c)
            row << grid.Cells(c, r);
        cells << row.join(u'\x1f');
    }
    cells.sort();
    return cells;
}

void loadState(const QString& state, const QString& first, const QString& second)
{
    TExStringGrid grid;
    grid.SetColCount(Cols);
    grid.SetRowCount(Rows);
    const QString pool[] = {first, second, QStringLiteral("10"), QString(), QStringLiteral("b"), QStringLiteral("3.1.2020")};
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            grid.SetCells(c, r, pool[(r * 3 + c) % 6]);
    const QStringList before = sortedCells(grid);
    try {
        grid.SortSettings()->LoadFromString(state);
    } catch (const Exception&) {
        // a malformed state is refused with a message; the rows stay
    }
    // rows only move: the same rows, a cross-reference that is a permutation
    if (grid.RowCount() != Rows || sortedCells(grid) != before || grid.UpdateCount() != 0)
        std::abort();
    QList<int> xref;
    for (int i = 0; i < grid.SortXRef()->Count(); ++i)
        xref << grid.SortXRef()->GetInteger(i);
    std::sort(xref.begin(), xref.end());
    for (int i = 0; i < xref.size(); ++i)
        if (xref[i] != i)
            std::abort();
    const QString saved = grid.SortSettings()->SaveToString();
    if (!saved.startsWith(u'u') && !saved.startsWith(u'd') && !saved.startsWith(QStringLiteral("i;")))
        std::abort();
}

void compareUnderEveryStyle(const QString& first, const QString& second, const QString& prefix,
                            const QString& suffix)
{
    for (int s = 0; s <= int(TSortStyle::ssAlphaNumericNoCase); ++s) {
        const auto style = TSortStyle(s);
        if (!IsTextSortStyle(style))
            continue;
        QString a = first, b = second;
        const int forward = CompareSortTexts(style, a, b, prefix, suffix);
        QString c = second, d = first;
        const int backward = CompareSortTexts(style, c, d, prefix, suffix);
        if (forward < -1 || forward > 1 || forward != -backward)
            std::abort();
    }
    // the grid's own path, with the style chosen per column
    TExStringGrid grid;
    grid.SetColCount(2);
    grid.SetRowCount(3);
    grid.SetCells(1, 1, first);
    grid.SetCells(1, 2, second);
    for (int s = 0; s <= int(TSortStyle::ssAlphaNumericNoCase); ++s) {
        grid.OnGetFormat = [s, &prefix, &suffix](TObject*, int, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix) {
            AStyle = TSortStyle(s);
            aPrefix = prefix;
            aSuffix = suffix;
        };
        const int result = grid.CompareCells(1, 1, sdAscending, 2);
        if (result < -1 || result > 1)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    const std::vector<QByteArray> parts = fuzz::SplitParts(fuzz::Bytes(data, size), 5);
    auto part = [&parts](size_t i) { return i < parts.size() ? QString::fromUtf8(parts[i]) : QString(); };
    loadState(part(0).left(200), part(1), part(2));
    compareUnderEveryStyle(part(1), part(2), part(3), part(4));
    return 0;
}
