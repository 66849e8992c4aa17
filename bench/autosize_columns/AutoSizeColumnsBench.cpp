// Sizes every column of a 100,000 x 8 string grid of mixed texts (or as many
// rows as the argument says) to its contents (AutoSizeColumns) and a QTableView
// over a minimal model serving the same texts in the same font
// (resizeColumnsToContents, every row measured), best of five runs each, and
// prints both times and their ratio.

#include "bench/BenchSupport.h"

#include <QtCore/QAbstractTableModel>
#include <QtCore/QElapsedTimer>
#include <QtWidgets/QApplication>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QTableView>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>

namespace {

int Rows = 100000;
constexpr int Cols = 8;
constexpr int Runs = 5;

// Numbers, words, dates, addresses and longer phrases, varying by row.
QString CellText(int c, int r)
{
    if (c <= 5)
        return bench::MixedText(c, r);
    switch (c) {
    case 6: return QStringLiteral("%1 %2 %3").arg(bench::MixedWord(r), bench::MixedWord(r / 10)).arg(r % 1000);
    default: return QString(r % 40 + 1, QLatin1Char(char('a' + r % 26)));
    }
}

class TextModel : public QAbstractTableModel {
public:
    int rowCount(const QModelIndex&) const override { return Rows; }
    int columnCount(const QModelIndex&) const override { return Cols; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DisplayRole)
            return CellText(index.column(), index.row());
        return {};
    }
};

} // namespace

int main(int argc, char** argv)
{
    Rows = bench::RowsFromArguments(argc, argv, Rows);
    bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    const QFont font = bench::CellFont();

    TExStringGrid grid;
    bench::FillGrid(grid, 900, 600, Rows, Cols, CellText);
    grid.show();

    TextModel model;
    QTableView table;
    table.resize(900, 600);
    table.setFont(font);
    table.setModel(&model);
    table.verticalHeader()->hide();
    table.horizontalHeader()->hide();
    table.horizontalHeader()->setResizeContentsPrecision(-1);
    table.show();
    QApplication::processEvents();

    const double ours = bench::BestOf(Runs,
        [&] {
            for (int c = 0; c < Cols; ++c)
                grid.SetColWidths(c, 64);
        },
        [&] { grid.AutoSizeColumns(true, 0); });
    const double theirs = bench::BestOf(Runs,
        [&] {
            for (int c = 0; c < Cols; ++c)
                table.setColumnWidth(c, 64);
        },
        [&] { table.resizeColumnsToContents(); });

    std::printf("autosize_columns: %d x %d cells, best of %d\n", Rows, Cols, Runs);
    std::printf("  TExStringGrid AutoSizeColumns      %9.1f ms\n", ours);
    std::printf("  QTableView resizeColumnsToContents %9.1f ms\n", theirs);
    std::printf("  ratio grid / table: %.2f\n", ours / theirs);
    std::printf("  widths grid:");
    for (int c = 0; c < Cols; ++c)
        std::printf(" %d", grid.ColWidths(c));
    std::printf("\n  widths table:");
    for (int c = 0; c < Cols; ++c)
        std::printf(" %d", table.columnWidth(c));
    std::printf("\n");
    return 0;
}
