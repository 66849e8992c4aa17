// Sorts a 100,000 x 8 string grid of mixed texts (or as many rows as the
// argument says) in place, and the same texts in a QStandardItemModel behind a
// QSortFilterProxyModel and as a plain list with std::stable_sort, best of
// five runs each, and prints the times and the ratios.
//
// Each measurement is a Task: a preparation outside the clock (back to the
// unsorted order), the grid's run, and the peers it is compared with. More
// measurements join by adding tasks to the list in main.

#include "bench/BenchSupport.h"
#include "grid/engine/ExGridDataSettings.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QSortFilterProxyModel>
#include <QtGui/QStandardItemModel>
#include <QtWidgets/QApplication>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

namespace {

int Rows = 100000;
constexpr int Cols = 8;
constexpr int Runs = 5;
constexpr int NumberColumn = 2;
constexpr int TextColumn = 6;
constexpr int NumberRole = Qt::UserRole + 1;

// Numbers, words, dates, addresses and longer phrases, varying by row.
QString CellText(int c, int r)
{
    if (c <= 5)
        return bench::MixedText(c, r);
    switch (c) {
    case 6: return QStringLiteral("%1 %2 %3").arg(bench::MixedWord(r * 7), bench::MixedWord(r / 10)).arg(r * 13 % 1000);
    default: return QString(r % 40 + 1, QLatin1Char(char('a' + r % 26)));
    }
}

struct Peer {
    const char* name;
    std::function<void()> prepare;
    std::function<void()> run;
};

struct Task {
    const char* name;
    std::function<void()> prepare;
    std::function<void()> run;
    std::vector<Peer> peers;
    // What the grid did in its last run (counts), printed under its time.
    std::function<QString()> detail;
};

void Report(const Task& task)
{
    const double ours = bench::BestOf(Runs, task.prepare, task.run);
    std::printf("%s\n", task.name);
    std::printf("  %-40s %9.1f ms\n", "TExStringGrid", ours);
    if (task.detail)
        std::printf("    %s\n", qPrintable(task.detail()));
    for (const Peer& peer : task.peers) {
        const double theirs = bench::BestOf(Runs, peer.prepare, peer.run);
        std::printf("  %-40s %9.1f ms   ratio grid / peer %.2f\n", peer.name, theirs, ours / theirs);
    }
}

// The model behind the proxy: display texts, and in the number column the
// value as a double in the role the proxy sorts by.
void FillModel(QStandardItemModel& model)
{
    model.setRowCount(Rows);
    model.setColumnCount(Cols);
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Cols; ++c) {
            auto* item = new QStandardItem(CellText(c, r));
            if (c == NumberColumn)
                item->setData(CellText(c, r).toDouble(), NumberRole);
            model.setItem(r, c, item);
        }
    }
}

std::vector<QString> ColumnTexts(int c)
{
    std::vector<QString> texts;
    texts.reserve(size_t(Rows));
    for (int r = 0; r < Rows; ++r)
        texts.push_back(CellText(c, r));
    return texts;
}

// Sorting one column: the grid's QSort (back to the start with QUnSort), the
// proxy's sort (back with sort(-1)), and std::stable_sort of the column's texts.
Task SortTask(const char* name, TExStringGrid& grid, QSortFilterProxyModel& proxy, int column,
              std::vector<QString>& work, const std::vector<QString>& texts,
              const std::function<bool(const QString&, const QString&)>& less)
{
    Task task;
    task.name = name;
    task.prepare = [&grid] { grid.QUnSort(); };
    auto counts = std::make_shared<std::pair<int, int>>();
    task.run = [&grid, column, counts] {
        const int compares = grid.Compares();
        const int swaps = grid.Swaps();
        grid.Sort(column, sdAscending);
        *counts = {grid.Compares() - compares, grid.Swaps() - swaps};
    };
    task.detail = [counts] {
        return QStringLiteral("%1 comparisons, %2 row swaps").arg(counts->first).arg(counts->second);
    };
    task.peers.push_back({"QSortFilterProxyModel::sort",
                          [&proxy, column] {
                              proxy.sort(-1);
                              proxy.setSortRole(column == NumberColumn ? NumberRole : Qt::DisplayRole);
                          },
                          [&proxy, column] { proxy.sort(column, Qt::AscendingOrder); }});
    task.peers.push_back({"std::stable_sort of the texts", [&work, &texts] { work = texts; },
                          [&work, less] { std::stable_sort(work.begin(), work.end(), less); }});
    return task;
}

} // namespace

int main(int argc, char** argv)
{
    Rows = bench::RowsFromArguments(argc, argv, Rows);
    bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);

    TExStringGrid grid;
    bench::FillGrid(grid, 900, 600, Rows, Cols, CellText);
    grid.show();

    QStandardItemModel model;
    FillModel(model);
    QSortFilterProxyModel proxy;
    proxy.setDynamicSortFilter(false);
    proxy.setSourceModel(&model);
    QApplication::processEvents();

    const std::vector<QString> numbers = ColumnTexts(NumberColumn);
    const std::vector<QString> phrases = ColumnTexts(TextColumn);
    std::vector<QString> work;

    std::printf("sort_filter: %d x %d cells, best of %d\n", Rows, Cols, Runs);
    const std::vector<Task> tasks = {
        SortTask("sort by a number column", grid, proxy, NumberColumn, work, numbers,
                 [](const QString& a, const QString& b) { return a.toDouble() < b.toDouble(); }),
        SortTask("sort by a text column", grid, proxy, TextColumn, work, phrases,
                 [](const QString& a, const QString& b) { return a < b; }),
    };
    for (const Task& task : tasks)
        Report(task);
    std::printf("  (the grid breaks ties on the next columns: SortSettings.Full is on)\n");
    return 0;
}
