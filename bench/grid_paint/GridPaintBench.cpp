// Paints a filled 100,000 x 10 string grid (or as many rows as the argument
// says) and a QTableWidget with the same texts, widths, heights and font into
// same-size images, page by page through all rows, and prints the time per
// page of both and their ratio.

#include "bench/BenchSupport.h"

#include <QtCore/QElapsedTimer>
#include <QtGui/QImage>
#include <QtWidgets/QApplication>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QTableWidget>

#include <cstdio>
#include <functional>

namespace {

int Rows = 100000;
constexpr int Cols = 10;
constexpr int ColWidth = 80;
constexpr int RowHeight = 22;
constexpr int ViewWidth = 900;
constexpr int ViewHeight = 600;

QString CellText(int c, int r) { return QStringLiteral("R%1 C%2").arg(r).arg(c); }

struct Result {
    double msPerPage = 0;
    int pages = 0;
};

// Renders the visible page, scrolls by it, until the last row has been shown.
Result Measure(QWidget* viewport, const std::function<int()>& pageRows, const std::function<void(int)>& scrollTo)
{
    QImage image(viewport->size(), QImage::Format_RGB32);
    QElapsedTimer timer;
    timer.start();
    int pages = 0;
    for (int top = 0; top < Rows;) {
        scrollTo(top);
        viewport->render(&image);
        ++pages;
        top += std::max(1, pageRows());
    }
    return {double(timer.nsecsElapsed()) / 1e6 / pages, pages};
}

}  // namespace

int main(int argc, char** argv)
{
    Rows = bench::RowsFromArguments(argc, argv, Rows);
    bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    const QFont font = bench::CellFont();

    TExStringGrid grid;
    bench::FillGrid(grid, ViewWidth, ViewHeight, Rows, Cols, CellText);
    grid.SetDefaultColWidth(ColWidth);
    grid.SetDefaultRowHeight(RowHeight);
    grid.show();

    QTableWidget table(Rows, Cols);
    table.resize(ViewWidth, ViewHeight);
    table.setFont(font);
    table.horizontalHeader()->hide();
    table.verticalHeader()->hide();
    table.horizontalHeader()->setDefaultSectionSize(ColWidth);
    table.verticalHeader()->setDefaultSectionSize(RowHeight);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            table.setItem(r, c, new QTableWidgetItem(CellText(c, r)));
    table.show();
    QApplication::processEvents();

    const Result ours = Measure(
        grid.viewport(), [&] { return grid.VisibleRowCount(); }, [&](int top) { grid.SetTopRow(top); });
    const Result theirs = Measure(
        table.viewport(), [&] { return table.viewport()->height() / RowHeight; },
        [&](int top) { table.verticalScrollBar()->setValue(top); });

    std::printf("grid_paint: %d x %d cells, view %d x %d\n", Rows, Cols, ViewWidth, ViewHeight);
    std::printf("  TExStringGrid  %8.3f ms per page (%d pages)\n", ours.msPerPage, ours.pages);
    std::printf("  QTableWidget   %8.3f ms per page (%d pages)\n", theirs.msPerPage, theirs.pages);
    std::printf("  ratio grid / table: %.2f\n", ours.msPerPage / theirs.msPerPage);
    return 0;
}
