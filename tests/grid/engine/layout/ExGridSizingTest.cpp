// Sizing a shown grid: auto-sized columns and rows, fitting the control's
// width, the stretch column, scaling after a mouse sizing, the sizing border
// and the placement of rotated text.

#include "tests/grid/engine/ExGridTestSupport.h"
#include "grid/engine/ExGrid.h"
#include "grid/engine/layout/ExGridColumnSize.h"
#include "grid/foundation/objects/ExObjMouseActions.h"
#include "platform/ui/paint/Canvas.h"

#include <QtTest/QTest>
#include <QtWidgets/QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Answers a data check box for the cells a test names.
class CheckBoxGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    QList<QPoint> checkCells;
    TCellType GetCellType(int ACol, int ARow) override
    {
        return checkCells.contains(QPoint(ACol, ARow)) ? ctDataCheckBox : TExStringGrid::GetCellType(ACol, ARow);
    }
};

class ExGridSizing : public testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        window->resize(600, 400);
        grid = new CheckBoxGrid(window.get());
        grid->setGeometry(0, 0, 400, 250);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        grid->SetMinColWidth(0);
        grid->SetMinRowHeight(0);
    }
    std::vector<int> widths()
    {
        std::vector<int> w;
        for (int c = 0; c < grid->ColCount(); ++c)
            w.push_back(grid->ColWidths(c));
        return w;
    }

    std::unique_ptr<QWidget> window;
    CheckBoxGrid* grid = nullptr;
};

TEST_F(ExGridSizing, FitColumnWidthOfNoMeasuredRowsIsTheMarginsClamped)
{
    grid->SetRowCount(2);
    grid->SetFixedFooters(1);
    grid->ColumnSize()->SetRows(arNormal);
    struct Case {
        int min, max, width;
    } cases[] = {{0, 0, 8}, {70, 0, 70}, {0, 5, 5}, {50, 50, 8}};
    for (const Case& c : cases) {
        grid->SetColWidths(1, 64);
        grid->SetMinColWidth(c.min);
        grid->SetMaxColWidth(c.max);
        grid->FitColumnWidth(1, false);
        EXPECT_EQ(grid->ColWidths(1), c.width) << c.min << ".." << c.max;
    }
}

TEST_F(ExGridSizing, DataCheckBoxSizesItsColumnAndRow)
{
    grid->SetRowCount(2);
    grid->ColumnSize()->SetRows(arNormal);
    grid->checkCells = {QPoint(1, 1)};
    grid->FitColumnWidth(1, false);
    EXPECT_EQ(grid->ColWidths(1), 23);

    grid->SetRowHeights(1, 10);
    grid->AutoSizeRow(1, 0);
    EXPECT_EQ(grid->RowHeights(1), grid->DefaultRowHeight() + 6);
    // a row of plain cells shrinks to one line of text
    grid->checkCells.clear();
    grid->AutoSizeRow(1, 0);
    EXPECT_LT(grid->RowHeights(1), grid->DefaultRowHeight() + 6);
}

TEST_F(ExGridSizing, AutoSizeColFollowsTheTextAndGrowOnlyKeepsAWiderColumn)
{
    grid->SetCells(1, 1, QStringLiteral("a rather long text in one cell"));
    grid->AutoSizeCol(1, 0);
    const int fitted = grid->ColWidths(1);
    EXPECT_GT(fitted, 64);

    grid->SetColWidths(1, 400);
    grid->SetSizeGrowOnly(true);
    grid->AutoSizeCol(1, 0);
    EXPECT_EQ(grid->ColWidths(1), 400);
    grid->SetSizeGrowOnly(false);
    grid->AutoSizeCol(1, 10);
    EXPECT_EQ(grid->ColWidths(1), fitted + 10);

    grid->AutoSizeColumns(false, 4);
    EXPECT_EQ(grid->ColWidths(0), 64); // fixed columns stay
    EXPECT_EQ(grid->ColWidths(1), fitted + 4);
    EXPECT_EQ(grid->ColWidths(2), 8 + 4);
}

// Measuring shares its canvas and font metrics between cells; the widths and
// heights of this fixture were taken when every cell was measured on a canvas
// of its own, so that sharing can never carry one cell's font into the next.
TEST_F(ExGridSizing, AutoSizedWidthsAndHeightsOfMixedFontsAndTextsArePinned)
{
    grid->SetColCount(6);
    grid->SetRowCount(6);
    grid->SetMultilinecells(true);
    grid->SetURLShow(true);
    const char* const texts[6][6] = {
        {"", "Name", "Value", "Address", "Note", "Markup"},
        {"1", "gateway", "12.50", "192.168.1.10", "two\rlines, the second longer", "<b>bold</b> text"},
        {"22", "SNMP agent", "-0.125", "http://example.com/a", "tab\there", "<i>slanted</i> and plain"},
        {"333", "uplink", "100000", "mailto:x@example.com", "Wide WWW MMM", "<font size=\"12\">big</font>"},
        {"4444", "device EUI", "7", "10.0.0.1", "iiii lll", "plain &amp; simple"},
        {"55555", "trap receiver", "3.14159", "fe80::1", "", "<u>under</u>"},
    };
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 6; ++c)
            grid->SetCells(c, r, QString::fromUtf8(texts[r][c]));
    grid->SetFontStyles(1, 2, fsBold);
    grid->SetFontSizes(2, 3, 14);
    grid->SetFontNames(3, 4, QStringLiteral("Courier New"));
    grid->SetFontStyles(4, 5, fsBold | fsItalic);
    grid->FixedFont()->SetStyle(fsBold);

    grid->AutoSizeColumns(true, 0);
    EXPECT_EQ(widths(), (std::vector<int>{43, 91, 80, 108, 152, 124}));
    grid->SetZoomFactor(3);
    grid->AutoSizeColumns(true, 0);
    EXPECT_EQ(widths(), (std::vector<int>{56, 118, 96, 142, 200, 163}));
    grid->SetZoomFactor(0);

    grid->SetWordWrap(true);
    grid->SetColWidths(4, 60);
    grid->AutoSizeRows(true, 0);
    std::vector<int> heights;
    for (int r = 0; r < grid->RowCount(); ++r)
        heights.push_back(grid->RowHeights(r));
    EXPECT_EQ(heights, (std::vector<int>{17, 76, 22, 48, 20, 22}));
}

// A colour handler may measure another cell while a measure runs; each keeps
// its own font.
TEST_F(ExGridSizing, AMeasureInsideAColourHandlerLeavesTheOuterMeasureAlone)
{
    grid->SetColCount(2);
    grid->SetRowCount(1);
    grid->SetFixedCols(0);
    grid->SetFixedRows(0);
    grid->SetCells(0, 0, QStringLiteral("wide text here"));
    grid->SetCells(1, 0, QStringLiteral("large"));
    grid->SetFontSizes(1, 0, 20);
    const TSize outerAlone = grid->GetCellTextSize(0, 0, false, false);
    const TSize innerAlone = grid->GetCellTextSize(1, 0, false, false);
    ASSERT_GT(innerAlone.cy, outerAlone.cy);

    TSize inner;
    grid->OnGetCellColor = [&](TObject*, int, int ACol, TGridDrawState, TBrush*, TFont*) {
        if (ACol == 0)
            inner = grid->GetCellTextSize(1, 0, false, false);
    };
    EXPECT_EQ(grid->GetCellTextSize(0, 0, false, false), outerAlone);
    EXPECT_EQ(inner, innerAlone);
}

TEST_F(ExGridSizing, AutoSizeCellsGrowsRowsAndFitsColumns)
{
    grid->SetCells(2, 3, QStringLiteral("wide text here"));
    grid->SetCells(3, 4, QStringLiteral("two\rlines"));
    grid->SetMultilinecells(true);
    grid->AutoSizeCells(false, 4, 4);
    EXPECT_GT(grid->ColWidths(2), 60);
    EXPECT_GT(grid->RowHeights(4), 22);
    EXPECT_EQ(grid->RowHeights(3), 22); // one line fits a row already
    EXPECT_LT(grid->ColWidths(1), 64);  // an empty column shrinks
}

TEST_F(ExGridSizing, AutoFitColumnsFillsTheControlWidth)
{
    grid->SetRowCount(5);
    grid->AutoFitColumns(false);
    EXPECT_EQ(widths(), (std::vector<int>{64, 86, 82, 82, 82}));
    // already the width less border: nothing changes, grid lines or not
    const std::vector<int> fitting{64, 100, 80, 80, 72};
    for (int c = 0; c < 5; ++c)
        grid->SetColWidths(c, fitting[c]);
    grid->AutoFitColumns(false);
    EXPECT_EQ(widths(), fitting);

    grid->SetFixedCols(0);
    grid->SetColCount(1);
    grid->AutoFitColumns(false);
    EXPECT_EQ(grid->ColWidths(0), 400 - 5);
}

TEST_F(ExGridSizing, AutoFitColumnsLeavesZeroWidthsAlone)
{
    for (int c = 1; c < 5; ++c)
        grid->SetColWidths(c, 0);
    grid->AutoFitColumns(false);
    EXPECT_EQ(widths(), (std::vector<int>{64, 0, 0, 0, 0}));
}

TEST_F(ExGridSizing, StretchColumnTakesTheFreeClientWidth)
{
    grid->SetRowCount(5);
    ASSERT_EQ(grid->ClientWidth(), 396);
    grid->ColumnSize()->SetStretch(true);
    EXPECT_EQ(grid->ColWidths(4), 139);
    // a width change stretches again
    grid->SetColWidths(1, 100);
    EXPECT_EQ(grid->ColWidths(4), 103);

    grid->ColumnSize()->SetStretchColumn(2);
    grid->StretchRightColumn();
    EXPECT_EQ(grid->ColWidths(4), 103);
    grid->SetColWidths(3, 30);
    EXPECT_EQ(grid->ColWidths(2), 396 - (64 + 100 + 30 + 103) - 1);
}

// A stretch column that no longer exists stretches the last one on the
// automatic paths; asked for directly it is still a fault.
TEST_F(ExGridSizing, StretchColumnOutOfRangeStretchesLastOnAutomaticPaths)
{
    grid->SetRowCount(5);
    grid->ColumnSize()->SetStretch(true);
    grid->ColumnSize()->SetStretchColumn(4);
    EXPECT_NO_THROW(grid->SetColCount(3));
    EXPECT_EQ(grid->ColWidths(2), 396 - 128 - 1);
    EXPECT_NO_THROW(grid->SetColWidths(1, 50));
    EXPECT_EQ(grid->ColWidths(2), 396 - 114 - 1);
    EXPECT_NO_THROW(grid->SetWidth(300));
    EXPECT_EQ(grid->ColWidths(2), 296 - 114 - 1);

    for (int index : {3, 4, -2}) {
        try {
            grid->ApplyColumnStretch(index);
            ADD_FAILURE() << index;
        } catch (const EExGridError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Stretch column index out of range"));
        }
    }
}

TEST_F(ExGridSizing, MouseSizingWithAllColumnSizeScalesTheOthersOnce)
{
    grid->SetOptions(grid->Options() | goColSizing);
    grid->MouseActions()->SetAllColumnSize(true);
    QList<int> ended;
    grid->OnEndColumnSize = [&](TObject*, int ACol) { ended << ACol; };
    const TRect header = grid->CellRect(2, 0);
    const QPoint from(header.Right - 1, 5);
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(grid->viewport(), from + QPoint(16, 0));
    QTest::mouseMove(grid->viewport(), from + QPoint(32, 0));
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, from + QPoint(32, 0));
    EXPECT_EQ(widths(), (std::vector<int>{64, 96, 96, 96, 96}));
    EXPECT_EQ(ended, (QList<int>{2}));

    // a width set from code is no mouse sizing
    grid->SetColWidths(3, 50);
    EXPECT_EQ(ended.size(), 1);
    EXPECT_EQ(grid->ColWidths(1), 96);
}

TEST_F(ExGridSizing, UpdateColumnSizeMayCorrectAMouseSizedWidth)
{
    grid->SetOptions(grid->Options() | goColSizing);
    grid->OnUpdateColumnSize = [](TObject*, int, int& AWidth) { AWidth = AWidth / 10 * 10; };
    const TRect header = grid->CellRect(2, 0);
    const QPoint from(header.Right - 1, 5);
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(grid->viewport(), from + QPoint(33, 0));
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, from + QPoint(33, 0));
    EXPECT_EQ(grid->ColWidths(2), 90);
}

TEST_F(ExGridSizing, SizingBorderLiesWithinThreePixelsOfAHeaderEdge)
{
    grid->SetOptions(grid->Options() | goColSizing);
    const TRect header = grid->CellRect(2, 0);
    const TRect cell = grid->CellRect(2, 3);
    struct Case {
        int x, y;
        bool over;
    } cases[] = {
        {header.Right - 3, 5, true}, {header.Right - 4, 5, false}, {header.Left + 3, 5, true},
        {header.Left + 4, 5, false}, {cell.Right - 1, cell.Top + 5, false}, {390, 5, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(grid->IsOverSizingBorder(c.x, c.y), c.over) << c.x << "," << c.y;
    grid->SetOptions(grid->Options() & ~TGridOptions(goColSizing));
    EXPECT_FALSE(grid->IsOverSizingBorder(header.Right - 1, 5));
}

TEST_F(ExGridSizing, RotatedTextStartsWhereItsBoxPutsIt)
{
    const QString text = QStringLiteral("Rotated");
    const int w = grid->Canvas()->TextWidth(text);
    TRect r = Rect(10, 20, 110, 120);
    grid->RotatedTextOrigin(r, 0, vtaTop, taLeftJustify, text);
    EXPECT_EQ(r.Left, 12);
    EXPECT_EQ(r.Top, 22);
    r = Rect(10, 20, 110, 120);
    grid->RotatedTextOrigin(r, 90, vtaTop, taLeftJustify, text);
    EXPECT_EQ(r.Left, 12);
    EXPECT_EQ(r.Top, 22 + w);

    // text 50 x 10: A = 0, B = 50, C = 10, D = 0 at 90 degrees
    struct Case {
        int angle;
        TAlignment h;
        TVAlignment v;
        int left, top;
    } cases[] = {
        {90, taLeftJustify, vtaTop, 0, 50},   {90, taRightJustify, vtaBottom, 90, 100},
        {90, taCenter, vtaCenter, 45, 75},    {180, taLeftJustify, vtaTop, 50, 10},
        {270, taLeftJustify, vtaTop, 10, 0},  {300, taLeftJustify, vtaTop, 0, 0},
    };
    for (const Case& c : cases) {
        TRect box = Rect(0, 0, 100, 100);
        const bool vertical = c.angle == 90 || c.angle == 270;
        const int A = vertical ? 0 : 10, B = vertical ? 50 : 0, C = vertical ? 10 : 0, D = vertical ? 0 : 50;
        TExStringGrid::AlignRotatedTextRect(box, c.h, c.v, A, B, C, D, c.angle);
        EXPECT_EQ(box.Left, c.left) << c.angle << " " << int(c.h);
        EXPECT_EQ(box.Top, c.top) << c.angle << " " << int(c.v);
    }
}

TEST_F(ExGridSizing, SizeToCellsMakesTheClientAreaHoldEveryCell)
{
    grid->SetRowCount(4);
    grid->SizeToCells();
    // the frame of 2 pixels a side around the sum of the sizes
    EXPECT_EQ(grid->Width(), 5 * 64 + 4);
    EXPECT_EQ(grid->Height(), 4 * 22 + 4);
    EXPECT_EQ(grid->ScrollBars(), ssBoth);
}

} // namespace
