// Sorting the rows of a grid in place: styles as the grid detects them, the
// runs and what they put back, the undo, node groups and the text form.

#include "grid/engine/ExGrid.h"
#include "grid/engine/ExGridDataSettings.h"
#include "grid/engine/ExGridViewSettings.h"
#include "grid/foundation/objects/ExObjLists.h"
#include "grid/foundation/objects/ExObjNavigation.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"

#include <QtCore/QRandomGenerator>
#include <QtCore/QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <stdexcept>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

using enum TSortStyle;

// The grid with the count of rows read through the display-text events in view.
class SortGrid : public TExStringGrid {
public:
    using TExStringGrid::NormalRowCount;
};

// A grid with one fixed row and one fixed column; column 0 numbers the data
// rows, the other columns hold what a test puts there.
class ExGridSort : public testing::Test {
protected:
    SortGrid grid;
    TSortSettings& ss = *grid.SortSettings();

    // Column c gets the texts, one data row each, below the fixed row.
    void column(int c, const QStringList& texts)
    {
        if (grid.RowCount() != texts.size() + 1)
            grid.SetRowCount(int(texts.size()) + 1);
        grid.SetColCount(std::max(grid.ColCount(), c + 1));
        for (int i = 0; i < texts.size(); ++i) {
            grid.SetCells(0, i + 1, QString::number(i + 1));
            grid.SetCells(c, i + 1, texts[i]);
        }
    }
    QStringList texts(int c)
    {
        QStringList result;
        for (int r = 1; r < grid.RowCount(); ++r)
            result << grid.Cells(c, r);
        return result;
    }
};

TEST_F(ExGridSort, AutomaticStyleSortsNumbersAsNumbersAndTextOrdinally)
{
    struct Case {
        QStringList input;
        TSortDirection direction;
        QStringList expected;
    };
    const Case cases[] = {
        {{"10", "9", "100"}, sdAscending, {"9", "10", "100"}},
        {{"10", "9", "100"}, sdDescending, {"100", "10", "9"}},
        {{"b", "A", "a"}, sdAscending, {"A", "a", "b"}},
        {{"b", "A", "a"}, sdDescending, {"b", "a", "A"}},
        {{"1.5", "-2", "1e1", "0"}, sdAscending, {"-2", "0", "1.5", "1e1"}},
    };
    platform::ScopedFormatSettings locale(
        {u'.', u',', u'/', u':', QStringLiteral("m/d/yyyy"), QStringLiteral("hh:nn:ss")});
    for (const Case& c : cases) {
        column(1, c.input);
        grid.Sort(1, c.direction);
        EXPECT_EQ(texts(1), c.expected) << c.input.join(' ').toStdString();
    }
}

TEST_F(ExGridSort, RowsMoveWholeAndTheCrossReferenceFollows)
{
    const int count = 300;
    QStringList values;
    QRandomGenerator random(7);
    for (int i = 0; i < count; ++i)
        values << QString::number(random.bounded(1000) * 1000 + i); // distinct
    column(1, values);
    for (int r = 1; r <= count; ++r)
        grid.SetCells(2, r, QStringLiteral("row %1").arg(r));
    grid.Sort(1, sdAscending);
    std::vector<long long> sorted;
    for (const QString& v : values)
        sorted.push_back(v.toLongLong());
    std::sort(sorted.begin(), sorted.end());
    for (int r = 1; r <= count; ++r) {
        ASSERT_EQ(grid.Cells(1, r).toLongLong(), sorted[size_t(r - 1)]) << r;
        const int was = grid.SortXRef()->GetInteger(r);
        EXPECT_EQ(grid.Cells(0, r), QString::number(was)) << "column 0 went with its row";
        EXPECT_EQ(grid.Cells(2, r), QStringLiteral("row %1").arg(was));
        EXPECT_EQ(grid.Cells(1, r), values[was - 1]);
    }
    EXPECT_EQ(grid.RowCount(), count + 1) << "the spare rows are gone";
    EXPECT_EQ(grid.NormalRowCount(), count + 1);
    EXPECT_GT(grid.Compares(), count);
}

TEST_F(ExGridSort, DatesSortByTheLocaleAndPrefixedNumbersAsNumbers)
{
    platform::ScopedFormatSettings locale(
        {u',', u'.', u'.', u':', QStringLiteral("d/m/yyyy"), QStringLiteral("hh:nn:ss")});
    column(1, {"12.12.2019", "3.1.2020", "1.6.2019"});
    grid.Sort(1, sdAscending);
    EXPECT_EQ(texts(1), (QStringList{"1.6.2019", "12.12.2019", "3.1.2020"}));

    grid.OnGetFormat = [](TObject*, int ACol, TSortStyle& AStyle, QString& aPrefix, QString&) {
        if (ACol == 2) {
            AStyle = ssNumeric;
            aPrefix = QStringLiteral("€ ");
        }
    };
    column(2, {"€ 40", "€ 5", "", "€ 12"});
    grid.Sort(2, sdAscending);
    EXPECT_EQ(texts(2), (QStringList{"", "€ 5", "€ 12", "€ 40"}));
}

TEST_F(ExGridSort, BlanksStayLastBothWaysAndCheckedBoxesFollowUncheckedOnes)
{
    ss.SetIgnoreBlanks(true);
    ss.SetBlankPos(blLast);
    column(1, {"b", "", "a", "", "c"});
    grid.Sort(1, sdAscending);
    EXPECT_EQ(texts(1), (QStringList{"a", "b", "c", "", ""}));
    grid.Sort(1, sdDescending);
    EXPECT_EQ(texts(1), (QStringList{"c", "b", "a", "", ""}));

    column(2, {"", "", "", "", ""});
    const bool states[] = {true, false, true, false, false};
    for (int r = 1; r <= 5; ++r)
        grid.AddCheckBox(2, r, states[r - 1], false);
    ss.SetIgnoreBlanks(false);
    grid.Sort(2, sdAscending);
    QList<bool> checked;
    for (int r = 1; r <= 5; ++r)
        checked << grid.IsChecked(2, r);
    EXPECT_EQ(checked, (QList<bool>{false, false, false, true, true}));
}

TEST_F(ExGridSort, TiesFallThroughToTheNextColumnHiddenOrNotAndHiddenCellsTravel)
{
    column(1, {"a", "a", "a", "Z"});
    column(2, {"3", "1", "2", "9"});
    column(3, {"r1", "r2", "r3", "r4"});
    grid.HideColumn(2);
    grid.Sort(1, sdAscending);
    EXPECT_EQ(texts(0), (QStringList{"4", "2", "3", "1"}));
    EXPECT_EQ(texts(2), (QStringList{"9", "1", "2", "3"})) << "the hidden column moved with its rows";
    EXPECT_EQ(texts(3), (QStringList{"r4", "r2", "r3", "r1"}));
}

TEST_F(ExGridSort, AnEmptyIndexListRaisesBeforeAnythingMoves)
{
    column(1, {"b", "a"});
    for (auto run : {&TExStringGrid::QSortIndexed, &TExStringGrid::QSortGroupIndexed}) {
        try {
            (grid.*run)();
            ADD_FAILURE() << "no error";
        } catch (const EExGridError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("No indexes specified for indexed sort"));
        }
        EXPECT_EQ(texts(1), (QStringList{"b", "a"}));
        EXPECT_EQ(grid.RowCount(), 3);
    }
}

TEST_F(ExGridSort, UnSortAfterSeveralSortsRestoresTheFirstOrder)
{
    column(1, {"d", "b", "a", "c", "b"});
    column(2, {"1", "5", "3", "2", "4"});
    grid.Sort(1, sdAscending);
    grid.Sort(2, sdDescending);
    grid.Sort(1, sdDescending);
    grid.QUnSort();
    EXPECT_EQ(texts(0), (QStringList{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(texts(1), (QStringList{"d", "b", "a", "c", "b"}));
    for (int r = 0; r < grid.RowCount(); ++r)
        EXPECT_EQ(grid.SortXRef()->GetInteger(r), r);
}

TEST_F(ExGridSort, NormalCellsOnlyKeepsColumnZeroInPlace)
{
    ss.SetNormalCellsOnly(true);
    column(1, {"c", "a", "b"});
    grid.Sort(1, sdAscending);
    EXPECT_EQ(texts(1), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(texts(0), (QStringList{"1", "2", "3"}));
    grid.QUnSort();
    EXPECT_EQ(texts(1), (QStringList{"c", "a", "b"}));
    EXPECT_EQ(texts(0), (QStringList{"1", "2", "3"}));
}

TEST_F(ExGridSort, GroupSortMovesRowsInsideEachNodeOnly)
{
    column(1, {"G1", "c", "a", "b", "G2", "z", "y"});
    grid.AddNode(1, 4);
    grid.AddNode(5, 3);
    ss.SetColumn(1);
    grid.QSortGroup();
    EXPECT_EQ(texts(1), (QStringList{"G1", "a", "b", "c", "G2", "y", "z"}));
    EXPECT_TRUE(grid.IsNode(1));
    EXPECT_TRUE(grid.IsNode(5));
    EXPECT_EQ(grid.GetNodeSpan(1), 4);
}

TEST_F(ExGridSort, AThrowingCompareLeavesRowsFooterAndLockAsTheyWere)
{
    column(1, {"b", "c", "a", "total"});
    grid.FloatingFooter()->SetVisible(true);
    const int fixedFooters = grid.FixedFooters();
    ASSERT_EQ(fixedFooters, 1);
    grid.OnGetFormat = [](TObject*, int, TSortStyle& AStyle, QString&, QString&) { AStyle = ssCustom; };
    grid.OnCustomCompare = [](TObject*, const QString&, const QString&, int&) { throw std::runtime_error("stop"); };
    EXPECT_THROW(grid.Sort(1, sdAscending), std::runtime_error);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.NormalRowCount(), 5);
    EXPECT_TRUE(grid.FloatingFooter()->Visible());
    EXPECT_EQ(grid.FixedFooters(), fixedFooters);
    EXPECT_EQ(grid.UpdateCount(), 0);

    // the footer row itself never takes part
    grid.OnCustomCompare = nullptr;
    grid.OnGetFormat = nullptr;
    grid.Sort(1, sdDescending);
    EXPECT_EQ(texts(1), (QStringList{"c", "b", "a", "total"}));
}

TEST_F(ExGridSort, TheTextFormSavesAndLoadsTheState)
{
    column(1, {"b", "a", "c"});
    column(3, {"2", "3", "1"});
    grid.SetColCount(5);
    grid.Sort(2, sdDescending);
    EXPECT_EQ(ss.SaveToString(), QStringLiteral("d2"));

    ss.LoadFromString(QStringLiteral("u3"));
    EXPECT_TRUE(ss.Show());
    EXPECT_EQ(ss.Column(), 3);
    EXPECT_EQ(ss.Direction(), sdAscending);
    EXPECT_EQ(texts(3), (QStringList{"1", "2", "3"}));

    ss.LoadFromString(QStringLiteral("uX"));
    EXPECT_EQ(ss.Column(), 3) << "a column that is no number sorts nothing";

    ss.SetIndexShow(true);
    grid.SortIndexes()->Clear();
    grid.SortIndexes()->AddIndex(1, true);
    grid.SortIndexes()->AddIndex(4, false);
    EXPECT_EQ(ss.SaveToString(), QStringLiteral("i;u1;d4"));

    ss.SetIndexShow(false);
    ss.LoadFromString(QStringLiteral("i;d1"));
    EXPECT_TRUE(ss.IndexShow());
    EXPECT_EQ(texts(1), (QStringList{"c", "b", "a"}));
    ss.LoadFromString(QStringLiteral("i;u70000;d1"));
    EXPECT_EQ(ss.SaveToString(), QStringLiteral("i;u70000;d1")) << "the whole column number is kept";

    try {
        ss.LoadFromString(QStringLiteral("x"));
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Invalid sort settings specifier"));
    }

    ss.Remove();
    EXPECT_EQ(ss.Column(), -1);
    EXPECT_EQ(grid.SortIndexes()->Count(), 0);
    ss.ToggleDirection();
    EXPECT_EQ(ss.Direction(), sdDescending);
}

TEST_F(ExGridSort, ShownTextsDecideAlsoForThePivotUnlessStoredTextsAreAsked)
{
    column(1, {"1", "2", "3", "4", "5"});
    const QStringList shown = {"", "e", "c", "a", "d", "b"};
    grid.OnGetDisplText = [&](TObject*, int ACol, int, QString& Value) {
        if (ACol == 1 && !Value.isEmpty())
            Value = shown[Value.toInt()];
    };
    grid.Sort(1, sdAscending);
    EXPECT_EQ(texts(1), (QStringList{"a", "b", "c", "d", "e"}));
    ss.SetSortOnVirtualCells(false);
    grid.Sort(1, sdAscending);
    EXPECT_EQ(texts(1), (QStringList{"e", "c", "a", "d", "b"})) << "stored 1..5 again";
}

TEST_F(ExGridSort, RawCompareSeesRowNumbersIncludingThePivotsSpareRow)
{
    column(1, {"ccc", "a", "bb", "dddd"});
    int highest = 0;
    grid.OnGetFormat = [](TObject*, int, TSortStyle& AStyle, QString&, QString&) { AStyle = ssRaw; };
    grid.OnRawCompare = [&](TObject*, int ACol, int Row1, int Row2, int& Res) {
        highest = std::max({highest, Row1, Row2});
        Res = int(grid.GridCells(ACol, Row1).size()) - int(grid.GridCells(ACol, Row2).size());
    };
    grid.Sort(1, sdAscending);
    EXPECT_EQ(texts(1), (QStringList{"a", "bb", "ccc", "dddd"}));
    EXPECT_EQ(highest, 5 + 3 - 2) << "the pivot's copy stands beyond the data";
}

TEST_F(ExGridSort, SingleColumnMovesOnlyTheSortedColumn)
{
    ss.SetSingleColumn(true);
    column(1, {"c", "a", "b"});
    column(2, {"x", "y", "z"});
    grid.Sort(1, sdAscending);
    EXPECT_EQ(texts(1), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(texts(2), (QStringList{"x", "y", "z"}));
    EXPECT_EQ(texts(0), (QStringList{"1", "2", "3"}));
}

TEST_F(ExGridSort, TheCurrentRowFollowsItsRowOnlyWhenAsked)
{
    column(1, {"c", "a", "b"});
    QList<QPair<int, int>> reported;
    grid.SetRow(1);
    grid.OnRowChanged = [&](TObject*, int OldRow, int NewRow) { reported << qMakePair(OldRow, NewRow); };
    grid.Sort(1, sdAscending);
    EXPECT_EQ(grid.Row(), 1);
    ASSERT_FALSE(reported.isEmpty());
    EXPECT_EQ(reported.last(), qMakePair(1, 1));

    grid.Navigation()->SetMoveRowOnSort(true);
    grid.SetRow(1); // "a"
    grid.Sort(1, sdDescending);
    EXPECT_EQ(grid.Cells(1, grid.Row()), QStringLiteral("a"));
    EXPECT_EQ(grid.Row(), 3);
}

TEST_F(ExGridSort, SortLineAndQuickSortWorkOnTheRowsGiven)
{
    column(1, {"b", "a", "a", "d", "c"});
    column(2, {"2", "1", "0", "", ""});
    EXPECT_TRUE(grid.SortLine(1, 1, 2));
    EXPECT_EQ(texts(1).mid(0, 2), (QStringList{"a", "b"}));
    EXPECT_FALSE(grid.SortLine(1, 1, 2));
    EXPECT_TRUE(grid.SortLine(1, 1, 3)) << "a tie goes on to column 2: 1 > 0";
    EXPECT_EQ(texts(2).mid(0, 3), (QStringList{"0", "2", "1"}));

    grid.QuickSort(1, 4, 5);
    EXPECT_EQ(texts(1), (QStringList{"a", "b", "a", "c", "d"}));
    EXPECT_EQ(grid.RowCount(), 6);
}

} // namespace
