#pragma once

// What the grid benchmarks share: the offscreen platform unless one is chosen,
// the font both sides draw with, and a string grid filled with their texts.

#include "grid/engine/ExGrid.h"

#include <QtCore/QElapsedTimer>
#include <QtGui/QFont>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <limits>

namespace bench {

inline void UseOffscreenUnlessChosen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The row count: the first argument when given, so that a profiler can run a
// short pass of the same work; the benchmark's own count otherwise.
inline int RowsFromArguments(int argc, char** argv, int Default)
{
    const int rows = argc > 1 ? std::atoi(argv[1]) : 0;
    return rows > 0 ? rows : Default;
}

inline QFont CellFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(8);
    return font;
}

// A grid of Width x Height pixels without fixed cells, holding Text(c, r).
inline void FillGrid(TExStringGrid& grid, int Width, int Height, int Rows, int Cols,
                     const std::function<QString(int, int)>& Text)
{
    grid.resize(Width, Height);
    grid.setFont(CellFont());
    grid.SetColCount(Cols);
    grid.SetRowCount(Rows);
    grid.SetFixedCols(0);
    grid.SetFixedRows(0);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            grid.SetCells(c, r, Text(c, r));
}

// The best of Runs timings of run in milliseconds; prepare runs before each
// and is not timed.
inline double BestOf(int Runs, const std::function<void()>& prepare, const std::function<void()>& run)
{
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < Runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        run();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

// The words the mixed texts are made of.
inline const char* MixedWord(int i)
{
    static const char* const words[] = {"LoRaWAN", "gateway", "SNMP agent", "uplink", "downlink", "FPort",
                                        "payload size", "trap receiver", "community", "device EUI"};
    return words[i % 10];
}

// Columns 0 to 5 of the mixed texts the table benchmarks share: a running
// number, a word, a decimal number, a date, an address and a flag.
inline QString MixedText(int c, int r)
{
    switch (c) {
    case 0: return QString::number(r + 1);
    case 1: return QString::fromLatin1(MixedWord(r));
    case 2: return QStringLiteral("%1.%2").arg(r * 37 % 100000).arg(r % 100, 2, 10, QLatin1Char('0'));
    case 3: return QStringLiteral("%1/%2/20%3").arg(r % 28 + 1).arg(r % 12 + 1).arg(r % 30, 2, 10, QLatin1Char('0'));
    case 4: return QStringLiteral("192.168.%1.%2").arg(r % 256).arg(r * 7 % 256);
    default: return r % 3 == 0 ? QStringLiteral("Y") : QStringLiteral("N");
    }
}

} // namespace bench
