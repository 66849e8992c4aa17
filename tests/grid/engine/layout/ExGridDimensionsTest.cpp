#include "tests/grid/engine/ExGridTestSupport.h"
#include "grid/engine/ExGrid.h"
#include "grid/engine/ExGridViewSettings.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/StringList.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/Font.h"

#include <QtGui/QImage>

#include <gtest/gtest.h>

#include <cmath>

namespace {

TFormatSettings commaDecimals()
{
    return TFormatSettings{u',', u'.', u'.', u':', QStringLiteral("dd.mm.yyyy"), QStringLiteral("hh:nn:ss")};
}

} // namespace

TEST(ExGridDimensions, IntsReadTrimmedTextsAndRefuseOthers)
{
    TExStringGrid grid;
    struct Case {
        const char* text;
        int value;
    };
    for (const Case& c : {Case{" 12 ", 12}, Case{"-", 0}, Case{"", 0}, Case{"<B>-7</B>", -7}}) {
        grid.SetCells(1, 1, QString::fromUtf8(c.text));
        EXPECT_EQ(grid.Ints(1, 1), c.value) << c.text;
    }
    for (const char* text : {"1.5", "abc", "12a"}) {
        grid.SetCells(1, 1, QString::fromUtf8(text));
        try {
            grid.Ints(1, 1);
            ADD_FAILURE() << text << " read as an integer";
        } catch (const EExGridError& e) {
            EXPECT_EQ(e.Message(), "Cell does not contain integer value");
        }
    }
    grid.SetInts(2, 2, -40);
    EXPECT_EQ(grid.Cells(2, 2), "-40");
}

TEST(ExGridDimensions, FloatsReadDisplayedNumbersAndWriteWithTheFloatFormat)
{
    platform::ScopedFormatSettings locale(commaDecimals());
    TExStringGrid grid;
    grid.SetCells(1, 1, "(3,5)");
    EXPECT_DOUBLE_EQ(grid.Floats(1, 1), -3.5);
    grid.SetCells(1, 1, "1.234,5");
    EXPECT_DOUBLE_EQ(grid.Floats(1, 1), 1234.5);
    grid.SetCells(1, 1, "-");
    EXPECT_DOUBLE_EQ(grid.Floats(1, 1), 0);
    grid.SetCells(1, 1, "abc");
    EXPECT_THROW(grid.Floats(1, 1), EExGridError);

    grid.SetFloats(2, 1, 30);
    EXPECT_EQ(grid.Cells(2, 1), "30,00");
}

namespace {

// Column 3 has a format of its own, as a column grid gives it.
class ColumnFormatGrid : public TExStringGrid {
public:
    void QueryFloatFormat(int ACol, int ARow, QString& AFormat) override
    {
        TExStringGrid::QueryFloatFormat(ACol, ARow, AFormat);
        if (ACol == 3)
            AFormat = "%.3f";
    }
};

} // namespace

TEST(ExGridDimensions, FloatsWriteWithTheCellsFormatAndAllFloatsWithTheGrids)
{
    ColumnFormatGrid grid;
    grid.SetFloats(3, 1, 2.5);
    EXPECT_EQ(grid.Cells(3, 1), "2.500");
    grid.SetAllFloats(3, 2, 2.5);
    EXPECT_EQ(grid.Cells(3, 2), "2.50");
}

TEST(ExGridDimensions, FloatsWithPointDecimals)
{
    TExStringGrid grid;
    grid.SetFloats(1, 1, 30);
    EXPECT_EQ(grid.Cells(1, 1), "30.00");
}

TEST(ExGridDimensions, AllIntsAndAllFloatsReachHiddenRows)
{
    TExStringGrid grid;
    grid.SetCells(1, 3, "42");
    grid.HideRow(3);
    EXPECT_EQ(grid.AllInts(1, 3), 42);
    grid.SetAllInts(1, 3, 43);
    grid.SetAllFloats(2, 3, 1.5);
    grid.SetCells(1, 4, "x");
    EXPECT_THROW(grid.AllInts(1, 5), EExGridError) << "real row 5 is display row 4";
    grid.UnHideRow(3);
    EXPECT_EQ(grid.Cells(1, 3), "43");
    EXPECT_EQ(grid.Cells(2, 3), "1.50");
}

TEST(ExGridDimensions, HeadersTurnBackslashNIntoLineBreaks)
{
    TExStringGrid grid;
    TStringList headers;
    headers.Add("No");
    headers.Add("Start\\nByte");
    grid.SetColumnHeaders(headers);
    EXPECT_EQ(grid.Cells(1, 0), "Start\rByte");
    grid.ColumnHeaders()->Add("Third");
    EXPECT_EQ(grid.Cells(2, 0), "Third") << "a change of the list shows at once";

    TStringList rows;
    for (int i = 0; i < 20; ++i)
        rows.Add(QString::number(i));
    grid.SetRowHeaders(rows);
    EXPECT_EQ(grid.Cells(0, 9), "9");
    EXPECT_EQ(grid.Cells(0, 10), "") << "cut at RowCount";
}

TEST(ExGridDimensions, TheFloatingFooterRowTravelsWithRowCount)
{
    TExStringGrid grid;
    grid.SetRowCount(10);
    grid.FloatingFooter()->SetVisible(true);
    grid.SetCells(1, 9, "total");
    grid.SetObjects(2, 9, &grid);
    grid.SetRowCount(12);
    EXPECT_EQ(grid.Cells(1, 11), "total");
    EXPECT_EQ(grid.Objects(2, 11), &grid);
    EXPECT_EQ(grid.Cells(1, 9), "");
    EXPECT_EQ(grid.Objects(2, 9), nullptr);
    grid.SetObjects(2, 11, nullptr);
}

TEST(ExGridDimensions, FixedCountsAreRememberedAsRequested)
{
    TExStringGrid grid;
    grid.Loaded();
    grid.SetFixedRowAlways(true);
    grid.SetRowCount(3);
    grid.SetFixedRows(5);
    EXPECT_EQ(grid.FixedRows(), 2);
    grid.SetRowCount(10);
    EXPECT_EQ(grid.FixedRows(), 5);

    grid.SetFixedRows(1);
    grid.SetRowCount(1);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.FixedRows(), 1);

    TExStringGrid loading;
    loading.SetFixedRowAlways(true);
    loading.SetRowCount(3);
    loading.SetFixedRows(2);
    loading.SetRowCount(10);
    EXPECT_EQ(loading.FixedRows(), 1) << "a value set while loading is not remembered";
}

TEST(ExGridDimensions, FixedColWidthIsIgnoredAtTheDefaultWidthAndWhileLoading)
{
    TExStringGrid grid;
    grid.SetColWidths(0, 40);
    grid.SetFixedColWidth(50);
    EXPECT_EQ(grid.ColWidths(0), 40);
    grid.Loaded();
    grid.SetFixedColWidth(grid.DefaultColWidth());
    EXPECT_EQ(grid.ColWidths(0), 40);
    grid.SetFixedColWidth(50);
    EXPECT_EQ(grid.ColWidths(0), 50);
}

TEST(ExGridDimensions, CtrlValReadsAndRewritesAFormControlsValue)
{
    TExStringGrid grid;
    grid.SetCells(1, 1, "<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"old\" WIDTH=\"40\">");
    EXPECT_EQ(grid.CtrlVal(1, 1, "e1"), "old");
    EXPECT_EQ(grid.CtrlVal(1, 1, "e2"), "");
    grid.SetCtrlVal(1, 1, "e1", "new");
    EXPECT_EQ(grid.CtrlVal(1, 1, "e1"), "new");
    const QString before = grid.Cells(1, 1);
    grid.SetCtrlVal(1, 1, "e2", "x");
    EXPECT_EQ(grid.Cells(1, 1), before);
}

TEST(ExGridDimensions, HoverHighlightAppliesToTheChosenFixedCells)
{
    TExStringGrid grid;
    struct Case {
        THoverFixedCells hover;
        bool fixedCol, fixedRow, normal;
    };
    for (const Case& c : {Case{hfNone, false, false, false}, Case{hfFixedRows, false, true, false},
                          Case{hfFixedColumns, true, false, false}, Case{hfAll, true, true, false}}) {
        grid.SetHoverFixedCells(c.hover);
        EXPECT_EQ(grid.IsHoverFixedCell(0, 2), c.fixedCol) << c.hover;
        EXPECT_EQ(grid.IsHoverFixedCell(2, 0), c.fixedRow) << c.hover;
        EXPECT_EQ(grid.IsHoverFixedCell(2, 2), c.normal) << c.hover;
    }
}

namespace {

TSize textExtent(const TFont& font, const QString& text)
{
    QImage surface(1, 1, QImage::Format_ARGB32_Premultiplied);
    TCanvas canvas(&surface);
    canvas.Font()->Assign(font);
    return canvas.TextExtent(text);
}

} // namespace

TEST(ExGridDimensions, MeasuringTakesTheWidestLineAndCountsLines)
{
    TExStringGrid grid;
    grid.SetCells(2, 2, "ab\rcdef");
    const int lineHeight = textExtent(grid.Font(), "gh").cy;
    EXPECT_EQ(grid.GetCellTextSize(2, 2, false, false), (TSize{textExtent(grid.Font(), "ab").cx, lineHeight}))
        << "one line without Multilinecells";
    grid.SetMultilinecells(true);
    EXPECT_EQ(grid.GetCellTextSize(2, 2, false, false), (TSize{textExtent(grid.Font(), "cdef").cx, 2 * lineHeight}));

    grid.SetCells(2, 3, "one two three four five six seven");
    const TSize wrapped = grid.GetCellTextSize(2, 3, true, false);
    EXPECT_EQ(wrapped.cx, grid.ColWidths(2) - 2 * grid.XYOffset().X - 4);
    EXPECT_GT(wrapped.cy, 2 * lineHeight);
    EXPECT_EQ(grid.GetCellTextSize(2, 3, true, true).cx, wrapped.cx - 17);

    grid.SetCells(2, 4, "<B>bold</B>");
    EXPECT_GT(grid.GetCellTextSize(2, 4, false, false).cx, textExtent(grid.Font(), "bold").cx);
}

namespace {

// Column 2 shows its text turned by a quarter.
class QuarterTurnGrid : public TExStringGrid {
public:
    bool IsRotated(int ACol, int, int& aAngle) override
    {
        aAngle = 90;
        return ACol == 2;
    }
};

} // namespace

TEST(ExGridDimensions, RotatedTextTakesTheRoomOfItsTurnedExtent)
{
    struct Case {
        int angle;
        TSize expected;
    };
    for (const Case& c : {Case{90, {22, 62}}, Case{45, {40, 40}}, Case{0, {62, 22}}, Case{270, {22, 62}}})
        EXPECT_EQ(TExStringGrid::RotatedTextSize(TSize{50, 10}, c.angle), c.expected) << c.angle;

    QuarterTurnGrid grid;
    grid.SetCells(1, 1, "cdef");
    grid.SetCells(2, 1, "cdef");
    const TSize flat = grid.GetCellTextSize(1, 1, false, false);
    EXPECT_EQ(grid.GetCellTextSize(2, 1, false, false), (TSize{flat.cy + 12, flat.cx + 12}));
}

TEST(ExGridDimensions, TheVersionReadsAsFourParts)
{
    TExStringGrid grid;
    EXPECT_EQ(grid.Version(), "6.2.1.3");
    EXPECT_EQ(grid.GetVersionString(), "6.2.1.3 Sep, 2012");
}
