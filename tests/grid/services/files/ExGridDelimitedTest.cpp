#include "grid/engine/ExGrid.h"
#include "grid/engine/ExGridViewSettings.h"
#include "grid/foundation/objects/ExObjLists.h"
#include "tests/grid/services/files/FilesTestSupport.h"
#include "tests/support/TempExeFolder.h"

#include <QtCore/QBuffer>

#include <gtest/gtest.h>

#include <vector>

using filestest::FileBytes;
using filestest::FileText;

namespace {

QString Path(const char* name) { return testsupport::TestFolder() + "/" + name; }

// A grid without fixed cells holding the rows given.
void Fill(TExStringGrid& grid, const std::vector<std::vector<QString>>& rows)
{
    grid.SetFixedCols(0);
    grid.SetFixedRows(0);
    grid.SetColCount(int(rows[0].size()));
    grid.SetRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r)
        for (int c = 0; c < int(rows[size_t(r)].size()); ++c)
            grid.SetCells(c, r, rows[size_t(r)][size_t(c)]);
}

std::vector<QString> Row(TExStringGrid& grid, int r)
{
    std::vector<QString> row;
    for (int c = 0; c < grid.ColCount(); ++c)
        row.push_back(grid.Cells(c, r));
    return row;
}

} // namespace

TEST(ExGridCSV, FieldsAreQuotedAsTheirTextsNeed)
{
    struct Case {
        QString text;
        const char* field;
        bool java;
    };
    const Case cases[] = {
        {"b;c", "b;c", false},           {"\"d\"", "\"\"\"d\"\"\"", false}, {"", "\"\"", false},
        {"1,5", "\"1,5\"", false},       {"a\r\nb", "\"a\x0b" "b\"", false}, {"", "^", true},
        {"a\r\nb", "a~b", true},          {"x,\"y", "\"x,\"\"y\"", false},
    };
    for (const Case& k : cases) {
        TExStringGrid grid;
        Fill(grid, {{"a", k.text}});
        grid.SetJavaCSV(k.java);
        grid.SaveToCSV(Path("f.csv"));
        EXPECT_EQ(FileBytes(Path("f.csv")), QByteArray("a,") + k.field + "\r\n") << k.text.toStdString();
    }
    TExStringGrid grid;
    Fill(grid, {{"a", "b;c", "\"d\"", ""}});
    grid.SaveToCSV(Path("row.csv"));
    EXPECT_EQ(FileText(Path("row.csv")), "a,b;c,\"\"\"d\"\"\",\"\"\r\n");
}

TEST(ExGridCSV, TextsComeBackThroughSaveAndLoad)
{
    for (bool java : {false, true}) {
        TExStringGrid grid;
        // Java CSV does not quote, so a delimiter inside a text cannot travel there.
        Fill(grid, {{"plain", java ? "1.5" : "1,5", "two\r\nlines", ""}, {"q\"uote", "caf\u00e9", " lead", "x;y"}});
        grid.SetJavaCSV(java);
        grid.SaveToCSV(Path("round.csv"), true);
        TExStringGrid target;
        target.SetFixedCols(0);
        target.SetFixedRows(0);
        target.SetColCount(1);
        target.SetJavaCSV(java);
        target.LoadFromCSV(Path("round.csv"));
        ASSERT_EQ(target.RowCount(), 2) << java;
        EXPECT_EQ(Row(target, 0), Row(grid, 0)) << java;
        // A leading blank of a field is dropped by the reader.
        EXPECT_EQ(Row(target, 1), (std::vector<QString>{"q\"uote", "caf\u00e9", "lead", "x;y"})) << java;
    }
}

TEST(ExGridCSV, TheDelimiterIsGuessedFromTheFirstTwoLines)
{
    struct Case {
        const char* file;
        std::vector<QString> first;
    };
    const Case cases[] = {
        {"a;\"b,c\";d\r\ne;\"f,g\";h\r\n", {"a", "b,c", "d"}},
        {"a;b,c\r\n", {"a;b", "c"}},
        {"one field\r\nsecond\r\n", {"one field"}},
        {"a\tb\r\nc\td\r\n", {"a", "b"}},
    };
    for (const Case& k : cases) {
        TExStringGrid grid;
        grid.SetFixedCols(0);
        grid.SetFixedRows(0);
        grid.SetColCount(1);
        grid.LoadFromCSV(testsupport::WriteTestFile("guess.csv", k.file));
        EXPECT_EQ(Row(grid, 0), k.first) << k.file;
        EXPECT_TRUE(grid.Delimiter().isNull()) << "the guess is for one load only";
    }
}

TEST(ExGridCSV, MaxRowsFirstRowAndEmptySources)
{
    const QString path = testsupport::WriteTestFile("rows.csv", "h1,h2\r\n1,2\r\n3,4\r\n5,6\r\n");
    struct Case {
        int maxRows;
        bool firstRow;
        int rows;
        QString top;
    };
    for (const Case& k : {Case{2, true, 2, "h1"}, Case{2, false, 2, "1"}, Case{0, false, 3, "1"}}) {
        TExStringGrid grid;
        grid.SetFixedCols(0);
        grid.SetFixedRows(0);
        grid.SetLoadFirstRow(k.firstRow);
        grid.LoadFromCSV(path, k.maxRows);
        EXPECT_EQ(grid.RowCount(), k.rows);
        EXPECT_EQ(grid.Cells(0, 0), k.top);
    }

    TExStringGrid grid;
    grid.SetCells(1, 1, "stay");
    grid.LoadFromCSV(testsupport::WriteTestFile("empty.csv", ""));
    EXPECT_EQ(grid.Cells(1, 1), "stay") << "an empty file loads nothing";
    try {
        grid.LoadFromCSV(testsupport::WriteTestFile("mark.csv", "\xEF\xBB\xBF"));
        FAIL() << "a mark without a line is an empty file";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "File is empty");
    }
    QBuffer stream;
    stream.open(QIODevice::ReadOnly);
    EXPECT_THROW(grid.LoadFromCSVStream(stream), Exception);
    EXPECT_EQ(grid.Cells(1, 1), "stay");
}

TEST(ExGridCSV, InsertGoesAboveAShownFloatingFooter)
{
    TExStringGrid grid;
    Fill(grid, {{"a", "b"}, {"sum", "9"}});
    grid.FloatingFooter()->SetVisible(true);
    grid.InsertFromCSV(testsupport::WriteTestFile("more.csv", "c,d\r\ne,f\r\n"));
    ASSERT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(Row(grid, 0), (std::vector<QString>{"a", "b"}));
    EXPECT_EQ(Row(grid, 1), (std::vector<QString>{"c", "d"}));
    EXPECT_EQ(Row(grid, 2), (std::vector<QString>{"e", "f"}));
    EXPECT_EQ(Row(grid, 3), (std::vector<QString>{"sum", "9"}));
}

TEST(ExGridCSV, AppendNeedsTheFileAndOemConvertsBothWays)
{
    TExStringGrid grid;
    Fill(grid, {{"\u00e9", "x"}});
    EXPECT_THROW(grid.AppendToCSV(Path("missing.csv")), Exception);
    grid.SetOemConvert(true);
    grid.SaveToCSV(Path("oem.csv"));
    grid.AppendToCSV(Path("oem.csv"));
    EXPECT_EQ(FileBytes(Path("oem.csv")), QByteArray("\x82,x\r\n\x82,x\r\n")) << "IBM850 puts e acute at 0x82";
    TExStringGrid target;
    target.SetFixedCols(0);
    target.SetFixedRows(0);
    target.SetOemConvert(true);
    target.LoadFromCSV(Path("oem.csv"));
    EXPECT_EQ(target.Cells(0, 1), "\u00e9");
}

TEST(ExGridFixed, WidthsAreCompletedAndFieldsPaddedOrCut)
{
    TExStringGrid grid;
    Fill(grid, {{"ab", "longest", "z"}, {"abcd", "x\r\ny", ""}});
    TIntList positions(-1, -1);
    positions.Add(3);
    grid.SaveToFixed(Path("fixed.txt"), positions);
    EXPECT_EQ(positions.StrValue(), "3,8,2") << "longest line + 1 for the columns without a width";
    EXPECT_EQ(FileText(Path("fixed.txt")), QString("ab ") + "longest " + "z " + "\r\n" + "abc" + "x  y    " + "  " + "\r\n");
}

TEST(ExGridFixed, PositionsCutLinesIntoFields)
{
    const QString path = testsupport::WriteTestFile("in.txt", "abcdefghij\r\n 12  34 \r\nlast\r\n");
    TIntList positions(-1, -1);
    for (int p : {9, 1, 5})
        positions.Add(p);
    TExStringGrid grid;
    grid.SetFixedCols(0);
    grid.SetFixedRows(0);
    grid.SetRowCount(1);
    grid.LoadFromFixed(path, positions, true, -1);
    EXPECT_EQ(grid.ColCount(), 2);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(Row(grid, 0), (std::vector<QString>{"abcd", "efgh"}));
    EXPECT_EQ(Row(grid, 1), (std::vector<QString>{"12", "34"}));
    EXPECT_EQ(Row(grid, 2), (std::vector<QString>{"last", ""}));

    TExStringGrid one;
    one.SetRowCount(1);
    one.SetFixedRows(0);
    one.LoadFromFixed(path, positions, false, 0);
    EXPECT_EQ(one.Cells(0, 0), "abcd") << "MaxRows 0 still reads one line";
    EXPECT_EQ(one.RowCount(), 1);
    try {
        one.LoadFromFixed(Path("nothing.txt"), positions, true, -1);
        FAIL();
    } catch (const EExGridError& e) {
        EXPECT_EQ(e.Message(), "File " + Path("nothing.txt") + " not found");
    }
}

TEST(ExGridASCII, ColumnsAlignAndSecondLinesGoUnderTheirColumn)
{
    TExStringGrid grid;
    Fill(grid, {{"name", "1"}, {"two\r\nlines", "12345"}});
    grid.OnGetAlignment = [](TObject*, int, int ACol, TAlignment& HAlign, TVAlignment&) {
        if (ACol == 1)
            HAlign = taRightJustify;
    };
    grid.SetMultilinecells(true);
    grid.SaveToASCII(Path("table.txt"));
    EXPECT_EQ(FileText(Path("table.txt")), "name      1 \r\ntwo   12345 \r\nlines\r\n");
    grid.AppendToASCII(Path("table.txt"));
    EXPECT_EQ(FileText(Path("table.txt")).count("name"), 2);
    grid.AppendToASCII(Path("new.txt"));
    EXPECT_TRUE(FileText(Path("new.txt")).startsWith("name")) << "appending creates a missing file";
}
