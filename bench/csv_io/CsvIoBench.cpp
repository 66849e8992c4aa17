// Writes a 100,000 x 10 string grid of mixed texts (or as many rows as the
// argument says) with SaveToCSV and reads it back with LoadFromCSV, against a
// plain QTextStream over a QFile that joins each row on "," and splits each
// line at ",", best of five runs each, and prints the times and both ratios.

#include "bench/BenchSupport.h"

#include <QtCore/QDir>
#include <QtCore/QElapsedTimer>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtCore/QTextStream>
#include <QtWidgets/QApplication>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>
#include <vector>

namespace {

int Rows = 100000;
constexpr int Cols = 10;
constexpr int Runs = 5;

// Numbers, words, dates, addresses, quotes and a delimiter now and then.
QString CellText(int c, int r)
{
    static const char* const words[] = {"LoRaWAN", "gateway", "SNMP agent", "uplink", "downlink", "FPort",
                                        "payload size", "trap receiver", "community", "device EUI"};
    switch (c) {
    case 0: return QString::number(r + 1);
    case 1: return QString::fromLatin1(words[r % 10]);
    case 2: return QStringLiteral("%1.%2").arg(r * 37 % 100000).arg(r % 100, 2, 10, QLatin1Char('0'));
    case 3: return QStringLiteral("%1/%2/20%3").arg(r % 28 + 1).arg(r % 12 + 1).arg(r % 30, 2, 10, QLatin1Char('0'));
    case 4: return QStringLiteral("192.168.%1.%2").arg(r % 256).arg(r * 7 % 256);
    case 5: return r % 3 == 0 ? QStringLiteral("Y") : QStringLiteral("N");
    case 6: return QStringLiteral("%1 %2 %3").arg(words[r % 10], words[(r / 10) % 10]).arg(r % 1000);
    case 7: return r % 50 == 0 ? QStringLiteral("a \"quoted\" word") : QStringLiteral("plain");
    case 8: return r % 40 == 0 ? QStringLiteral("1,5") : QString::number(r % 977);
    default: return QString(r % 30 + 1, QLatin1Char(char('a' + r % 26)));
    }
}

double BestOf(const std::function<void()>& run)
{
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

void PlainWrite(const QString& path, const std::vector<QStringList>& rows)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    QTextStream out(&file);
    for (const QStringList& row : rows)
        out << row.join(u',') << "\r\n";
}

std::vector<QStringList> PlainRead(const QString& path)
{
    std::vector<QStringList> rows;
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QTextStream in(&file);
    QString line;
    while (in.readLineInto(&line))
        rows.push_back(line.split(u','));
    return rows;
}

} // namespace

int main(int argc, char** argv)
{
    Rows = bench::RowsFromArguments(argc, argv, Rows);
    bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const QString ours = folder.filePath(QStringLiteral("grid.csv"));
    const QString theirs = folder.filePath(QStringLiteral("plain.csv"));

    TExStringGrid grid;
    bench::FillGrid(grid, 900, 600, Rows, Cols, CellText);
    std::vector<QStringList> rows(static_cast<size_t>(Rows));
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            rows[size_t(r)].append(CellText(c, r));

    const double saveOurs = BestOf([&] { grid.SaveToCSV(ours); });
    const double saveTheirs = BestOf([&] { PlainWrite(theirs, rows); });
    size_t loaded = 0;
    const double loadOurs = BestOf([&] {
        TExStringGrid target;
        target.SetFixedCols(0);
        target.SetFixedRows(0);
        target.LoadFromCSV(ours);
        loaded = size_t(target.RowCount());
    });
    size_t plainRows = 0;
    const double loadTheirs = BestOf([&] { plainRows = PlainRead(theirs).size(); });

    std::printf("csv_io: %d x %d cells, best of %d\n", Rows, Cols, Runs);
    std::printf("  TExStringGrid SaveToCSV          %9.1f ms\n", saveOurs);
    std::printf("  QTextStream join on \",\"          %9.1f ms\n", saveTheirs);
    std::printf("  TExStringGrid LoadFromCSV        %9.1f ms (%zu rows)\n", loadOurs, loaded);
    std::printf("  QTextStream split at \",\"         %9.1f ms (%zu rows)\n", loadTheirs, plainRows);
    std::printf("  ratio save grid / plain: %.2f\n", saveOurs / saveTheirs);
    std::printf("  ratio load grid / plain: %.2f\n", loadOurs / loadTheirs);
    return 0;
}
