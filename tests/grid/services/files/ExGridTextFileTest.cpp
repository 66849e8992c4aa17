#include "grid/engine/ExGrid.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/SysUtils.h"
#include "tests/grid/services/files/FilesTestSupport.h"
#include "tests/support/TempExeFolder.h"

#include <QtCore/QBuffer>
#include <QtCore/QFile>

#include <gtest/gtest.h>

#include <vector>

using filestest::FileBytes;
using filestest::FileText;

namespace {

// The grid of the examples: 5 x 3, one fixed row and column, "abc" at (1, 2).
void MakeSample(TExStringGrid& grid)
{
    grid.SetColCount(5);
    grid.SetRowCount(3);
    grid.SetFixedCols(1);
    grid.SetFixedRows(1);
    grid.SetCells(1, 2, "abc");
}

} // namespace

TEST(ExGridSaveRange, SixPropertiesFollowTheThreeSwitches)
{
    struct Case {
        bool fixedCells, fixedCols, fixedRows;
        int startCol, endCol, colCount, startRow, endRow, rowCount;
    };
    // 8 x 10 grid: 2 fixed columns, 1 fixed right column, 3 fixed rows, 2 footers.
    const Case cases[] = {
        {true, false, false, 0, 7, 8, 0, 9, 10},  {false, false, false, 2, 6, 5, 3, 7, 5},
        {false, true, false, 0, 7, 8, 3, 7, 5},   {false, false, true, 2, 6, 5, 0, 9, 10},
        {false, true, true, 0, 7, 8, 0, 9, 10},   {true, true, true, 0, 7, 8, 0, 9, 10},
    };
    for (const Case& k : cases) {
        TExStringGrid grid;
        grid.SetColCount(8);
        grid.SetRowCount(10);
        grid.SetFixedCols(2);
        grid.SetFixedRightCols(1);
        grid.SetFixedRows(3);
        grid.SetFixedFooters(2);
        grid.SetSaveFixedCells(k.fixedCells);
        grid.SetSaveFixedCols(k.fixedCols);
        grid.SetSaveFixedRows(k.fixedRows);
        const std::vector<int> got{grid.SaveStartCol(), grid.SaveEndCol(), grid.SaveColCount(),
                                   grid.SaveStartRow(), grid.SaveEndRow(), grid.SaveRowCount()};
        const std::vector<int> want{k.startCol, k.endCol, k.colCount, k.startRow, k.endRow, k.rowCount};
        EXPECT_EQ(got, want) << k.fixedCells << k.fixedCols << k.fixedRows;
    }
}

TEST(ExGridTextFile, WritesHeaderWidthsAndAbsoluteCellsInAnsiOrUtf16)
{
    TExStringGrid grid;
    MakeSample(grid);
    const QString ansi = testsupport::TestFolder() + "/ansi.txt";
    grid.SaveToFile(ansi, false);
    EXPECT_EQ(FileBytes(ansi), QByteArray("5,3\r\ncw 0,64\r\ncw 1,64\r\ncw 2,64\r\ncw 3,64\r\ncw 4,64\r\n1,2,abc\r\n"));

    const QString wide = testsupport::TestFolder() + "/wide.txt";
    grid.SetCells(2, 1, QString::fromUtf8("\u00e9\u4e2d"));
    grid.SaveToFile(wide, true);
    const QByteArray bytes = FileBytes(wide);
    ASSERT_TRUE(bytes.startsWith("\xFF\xFE"));
    EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2),
              QString::fromUtf8("5,3\r\ncw 0,64\r\ncw 1,64\r\ncw 2,64\r\ncw 3,64\r\ncw 4,64\r\n2,1,\u00e9\u4e2d\r\n"
                                "1,2,abc\r\n"));
}

TEST(ExGridTextFile, WithoutFixedCellsTheRangeShrinksAndReloadsToTheSameSize)
{
    TExStringGrid grid;
    MakeSample(grid);
    grid.SetColWidths(3, 80);
    grid.SetSaveFixedCells(false);
    const QString path = testsupport::TestFolder() + "/range.txt";
    grid.SaveToFile(path);
    EXPECT_EQ(FileText(path), "4,2\r\ncw 1,64\r\ncw 2,64\r\ncw 3,80\r\ncw 4,64\r\n1,2,abc\r\n");

    TExStringGrid target;
    target.SetFixedCols(1);
    target.SetFixedRows(1);
    target.SetSaveFixedCells(false);
    target.SetCells(0, 0, "kept");
    target.LoadFromFile(path);
    EXPECT_EQ(target.ColCount(), 5);
    EXPECT_EQ(target.RowCount(), 3);
    EXPECT_EQ(target.Cells(1, 2), "abc");
    EXPECT_EQ(target.ColWidths(3), 80);
    EXPECT_EQ(target.Cells(0, 0), "kept") << "the loader does not clear";
}

TEST(ExGridTextFile, LineBreaksTravelEncodedAndMultilineDecides)
{
    TExStringGrid grid;
    grid.SetColCount(2);
    grid.SetRowCount(2);
    grid.SetCells(1, 1, "a\r\nb");
    grid.SetCells(0, 1, "x\ty\r\n");
    const QString path = testsupport::TestFolder() + "/breaks.txt";
    grid.SaveToFile(path);
    EXPECT_TRUE(FileBytes(path).contains("1,1,a\t\bb\r\n"));

    for (bool multi : {false, true}) {
        TExStringGrid target;
        target.SetMultilinecells(multi);
        target.LoadFromFile(path);
        EXPECT_EQ(target.Cells(1, 1), multi ? "a\r\nb" : "a") << multi;
        EXPECT_EQ(target.Cells(0, 1), multi ? "x\ry\r\n" : "x") << "a TAB beside a CR comes back as CR";
    }
}

TEST(ExGridTextFile, LenientReaderIgnoresWhatIsOutsideTheGrid)
{
    const QString path = testsupport::WriteTestFile(
        "odd.txt", "3,2\r\ncw 9,50\r\ncw 1,x\r\ncw 2,70\r\n7,0,far\r\n1,1,in\r\nnocomma\r\n2,$1,hex\r\n");
    TExStringGrid grid;
    grid.LoadFromFile(path);
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.ColWidths(1), 0) << "a width that is no number reads as 0";
    EXPECT_EQ(grid.ColWidths(2), 70);
    EXPECT_EQ(grid.Cells(1, 1), "in");
    EXPECT_EQ(grid.Cells(0, 0), "nocomma") << "a line without a comma lands whole in (0, 0)";
    EXPECT_EQ(grid.Cells(2, 1), "hex");
}

TEST(ExGridTextFile, HeadersPastTheLimitsFailBeforeTheGridChanges)
{
    for (const char* header : {"16385,1\r\n", "1,1048577\r\n"}) {
        TExStringGrid grid;
        grid.SetColCount(3);
        grid.SetCells(1, 1, "stay");
        const QString path = testsupport::WriteTestFile("big.txt", header);
        EXPECT_THROW(grid.LoadFromFile(path), EExGridError) << header;
        EXPECT_EQ(grid.ColCount(), 3);
        EXPECT_EQ(grid.Cells(1, 1), "stay");
    }
}

TEST(ExGridTextFile, ProgressRunsFromZeroAtTheFirstSavedRowToHundred)
{
    TExStringGrid grid;
    grid.SetColCount(2);
    grid.SetRowCount(5);
    grid.SetFixedRows(1);
    grid.SetSaveFixedCells(false);
    std::vector<int> seen;
    grid.OnFileProgress = [&](TObject*, int percent) { seen.push_back(percent); };
    grid.SaveToFile(testsupport::TestFolder() + "/p.txt");
    EXPECT_EQ(seen, (std::vector<int>{0, 33, 67, 100}));
}

TEST(ExGridTextStream, PositionsAreRelativeAndAssignCellsPutsThemBack)
{
    TExStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.SetFixedCols(1);
    grid.SetFixedRows(1);
    grid.SetCells(1, 1, "one");
    grid.SetCells(0, 0, "corner");
    grid.SetSaveFixedCells(false);
    QBuffer stream;
    stream.open(QIODevice::ReadWrite);
    grid.SaveToStream(stream);
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(stream.data().constData()),
                                            stream.data().size() / 2);
    EXPECT_EQ(text, "2,2\r\ncw 0,64\r\ncw 1,64\r\ncw 2,64\r\n0,0,one\r\n");

    TExStringGrid target;
    target.SetFixedCols(1);
    target.SetFixedRows(1);
    target.SetSaveFixedCells(false);
    target.AssignCells(&grid);
    EXPECT_EQ(target.ColCount(), 3);
    EXPECT_EQ(target.RowCount(), 3);
    EXPECT_EQ(target.Cells(1, 1), "one");
    EXPECT_EQ(target.Cells(0, 0), "");
}

TEST(ExGridTextStream, StopsAtTheFirstLineThatIsNoGridData)
{
    TExStringGrid grid;
    grid.SetColCount(2);
    grid.SetRowCount(2);
    grid.SetCells(1, 1, "cell");
    QBuffer stream;
    stream.open(QIODevice::ReadWrite);
    grid.SaveToStream(stream);
    const qint64 end = stream.pos();
    stream.write(filestest::Utf16("tail,only one comma\r\nmore\r\n"));
    stream.seek(0);

    TExStringGrid target;
    target.LoadFromStream(stream);
    EXPECT_EQ(target.Cells(1, 1), "cell");
    EXPECT_EQ(stream.pos(), end);
}

TEST(ExGridTextStream, StrictNumbersAndWidthIndexesFail)
{
    struct Case {
        const char* text;
        bool convert;
    };
    const Case cases[] = {{"x,2\r\n", true}, {"2,2\r\ncw 5,10\r\n", false}, {"2,2\r\n1,b,t\r\n", true}};
    for (const Case& k : cases) {
        QBuffer stream;
        stream.setData(filestest::Utf16(k.text));
        stream.open(QIODevice::ReadOnly);
        TExStringGrid grid;
        if (k.convert)
            EXPECT_THROW(grid.LoadFromStream(stream), EConvertError) << k.text;
        else
            EXPECT_THROW(grid.LoadFromStream(stream), EExGridError) << k.text;
    }
}

TEST(ExGridCellToReal, ReadsTheNumberAtTheStartOrNamesWhereItBreaks)
{
    platform::ScopedFormatSettings locale({QChar(','), QChar('.'), QChar('/'), QChar(':'), "d/m/yyyy", "hh:nn:ss"});
    TExStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    const std::pair<const char*, double> values[] = {{"1.234,5", 1234.5}, {"12a", 12}, {"", 0}, {"(3,5)", -3.5}};
    for (const auto& [text, value] : values) {
        grid.SetCells(1, 2, text);
        EXPECT_DOUBLE_EQ(grid.CellToReal(1, 2), value) << text;
    }
    grid.SetCells(2, 1, "1-2");
    try {
        grid.CellToReal(2, 1);
        FAIL() << "1-2 is no number";
    } catch (const EExGridError& e) {
        EXPECT_EQ(e.Message(), "Error at position: 2 in Cell [2, 1].");
    }
}
