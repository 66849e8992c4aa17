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
    if (c <= 5)
        return bench::MixedText(c, r);
    switch (c) {
    case 6: return QStringLiteral("%1 %2 %3").arg(bench::MixedWord(r), bench::MixedWord(r / 10)).arg(r % 1000);
    case 7: return r % 50 == 0 ? QStringLiteral("a \"quoted\" word") : QStringLiteral("plain");
    case 8: return r % 40 == 0 ? QStringLiteral("1,5") : QString::number(r % 977);
    default: return QString(r % 30 + 1, QLatin1Char(char('a' + r % 26)));
    }
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

    const double saveOurs = bench::BestOf(Runs, [] {}, [&] { grid.SaveToCSV(ours); });
    const double saveTheirs = bench::BestOf(Runs, [] {}, [&] { PlainWrite(theirs, rows); });
    size_t loaded = 0;
    const double loadOurs = bench::BestOf(Runs, [] {}, [&] {
        TExStringGrid target;
        target.SetFixedCols(0);
        target.SetFixedRows(0);
        target.LoadFromCSV(ours);
        loaded = size_t(target.RowCount());
    });
    size_t plainRows = 0;
    const double loadTheirs = bench::BestOf(Runs, [] {}, [&] { plainRows = PlainRead(theirs).size(); });

    std::printf("csv_io: %d x %d cells, best of %d\n", Rows, Cols, Runs);
    std::printf("  TExStringGrid SaveToCSV          %9.1f ms\n", saveOurs);
    std::printf("  QTextStream join on \",\"          %9.1f ms\n", saveTheirs);
    std::printf("  TExStringGrid LoadFromCSV        %9.1f ms (%zu rows)\n", loadOurs, loaded);
    std::printf("  QTextStream split at \",\"         %9.1f ms (%zu rows)\n", loadTheirs, plainRows);
    std::printf("  ratio save grid / plain: %.2f\n", saveOurs / saveTheirs);
    std::printf("  ratio load grid / plain: %.2f\n", loadOurs / loadTheirs);
    return 0;
}
