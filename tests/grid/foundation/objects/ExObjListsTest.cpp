#include "grid/foundation/objects/ExObjLists.h"

#include "platform/core/Exceptions.h"

#include <QtWidgets/QLabel>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ChangeLog {
    std::vector<std::pair<int, int>> cells;
    void attach(TIntList& list)
    {
        list.OnChange = [this](TObject*, int col, int row) { cells.emplace_back(col, row); };
    }
};

std::vector<int> itemsOf(const TIntList& list)
{
    std::vector<int> items;
    for (int i = 0; i < list.Count(); ++i)
        items.push_back(list.GetInteger(i));
    return items;
}

TEST(IntList, AddDeleteAndItemWritesReportTheirCell)
{
    TIntList list(3, 7);
    ChangeLog log;
    log.attach(list);
    list.Add(10);
    list.Add(20);
    list.SetInteger(1, 25);
    list.Delete(0);
    EXPECT_EQ(itemsOf(list), std::vector<int>{25});
    ASSERT_EQ(log.cells.size(), 4u);
    EXPECT_EQ(log.cells.front(), std::make_pair(3, 7));
}

TEST(IntList, InsertClearAndAbsentDeleteValueAreSilent)
{
    TIntList list(-1, -1);
    list.Add(1);
    ChangeLog log;
    log.attach(list);
    list.Insert(0, 5);
    list.DeleteValue(42);
    EXPECT_EQ(itemsOf(list), (std::vector<int>{5, 1}));
    EXPECT_TRUE(log.cells.empty());

    list.DeleteValue(1);
    EXPECT_EQ(log.cells.size(), 1u);
    EXPECT_FALSE(list.HasValue(1));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(log.cells.size(), 1u);
}

TEST(IntList, StrValueRoundTripRaisesOneChangePerItem)
{
    TIntList list(0, 0);
    list.Add(3);
    list.Add(1);
    list.Add(4);
    EXPECT_EQ(list.StrValue(), "3,1,4");

    TIntList copy(0, 0);
    ChangeLog log;
    log.attach(copy);
    copy.SetStrValue(list.StrValue());
    EXPECT_EQ(itemsOf(copy), (std::vector<int>{3, 1, 4}));
    EXPECT_EQ(log.cells.size(), 3u);
    EXPECT_EQ(TIntList(0, 0).StrValue(), "");
}

TEST(IntList, StrValueKeepsItemsBeforeABadOne)
{
    TIntList list(0, 0);
    list.Add(99);
    EXPECT_THROW(list.SetStrValue("1 2,x,3"), EConvertError);
    EXPECT_EQ(itemsOf(list), (std::vector<int>{1, 2}));
}

TEST(IntList, IndexOutOfRangeIsAnError)
{
    TIntList list(0, 0);
    list.Add(1);
    EXPECT_THROW(list.GetInteger(1), EListError);
    EXPECT_THROW(list.Delete(-1), EListError);
    EXPECT_THROW(list.Insert(3, 0), EListError);
    EXPECT_EQ(list.Count(), 1);
}

TEST(IntList, SortsByTheGivenComparison)
{
    TIntList list(0, 0);
    for (int v : {3, 1, 2})
        list.Add(v);
    list.Sort([](int a, int b) { return b - a; });
    EXPECT_EQ(itemsOf(list), (std::vector<int>{3, 2, 1}));
}

TEST(SortIndexList, SavesAndLoadsItsTextForm)
{
    TSortIndexList list;
    list.AddIndex(2, true);
    list.AddIndex(5, false);
    EXPECT_EQ(list.SaveToString(), "u2;d5");
    EXPECT_EQ(static_cast<quint32>(list.GetInteger(1)), 0x80000005u);

    TSortIndexList loaded;
    loaded.LoadFromString("u2;d5");
    EXPECT_EQ(itemsOf(loaded), itemsOf(list));
    EXPECT_EQ(TSortIndexList().SaveToString(), "");
}

TEST(SortIndexList, LoadsEntriesLeniently)
{
    struct Case {
        const char* text;
        std::vector<std::pair<int, bool>> entries; // column, ascending
    };
    const Case cases[] = {
        {"", {}},
        {"x7", {{7, false}}},
        {"u", {}},
        {"u;d3", {{3, false}}},
        {"u 4;D$1F", {{4, true}, {31, false}}},
        {"u12abc;d0x10", {{12, true}, {16, false}}},
        {"uz;d+8", {{0, true}, {8, false}}},
        {"U1", {{1, false}}},
    };
    for (const Case& c : cases) {
        TSortIndexList list;
        list.AddIndex(9, true);
        list.LoadFromString(c.text);
        ASSERT_EQ(list.Count(), static_cast<int>(c.entries.size())) << c.text;
        for (int i = 0; i < list.Count(); ++i) {
            EXPECT_EQ(list.SortColumns(i), c.entries[i].first) << c.text;
            EXPECT_EQ(list.SortDirections(i), c.entries[i].second) << c.text;
        }
    }
}

TEST(SortIndexList, FindsAndTogglesAColumnWhateverItsDirection)
{
    TSortIndexList list;
    list.AddIndex(1, true);
    list.AddIndex(5, false);
    EXPECT_EQ(list.FindIndex(5), 1);
    EXPECT_EQ(list.FindIndex(4), -1);

    list.ToggleIndex(5);
    EXPECT_TRUE(list.SortDirections(1));
    list.ToggleIndex(5);
    EXPECT_FALSE(list.SortDirections(1));
    EXPECT_EQ(list.SortColumns(1), 5);
    list.ToggleIndex(8);
    EXPECT_EQ(list.SaveToString(), "u1;d5");
}

TEST(SortIndexList, ColumnAndDirectionWritesKeepTheOtherPart)
{
    TSortIndexList list;
    list.AddIndex(3, false);
    list.SetSortColumns(0, 7);
    EXPECT_EQ(list.SaveToString(), "d7");
    list.SetSortDirections(0, true);
    EXPECT_EQ(list.SaveToString(), "u7");
    list.SetSortDirections(0, false);
    EXPECT_EQ(list.SortColumns(0), 7);
}

TEST(ControlList, FindsControlsByCellAndFreesItemsButNotControls)
{
    QLabel first;
    QLabel second;
    QLabel elsewhere;
    TControlList list;
    list.AddControl(1, 2, &first);
    list.AddControl(3, 4, &second);
    EXPECT_EQ(list.ControlIndex(3, 4), 1);
    EXPECT_EQ(list.ControlIndex(2, 1), -1);
    EXPECT_EQ(list.Control(0)->Control, &first);
    EXPECT_TRUE(list.HasHandle(&second));
    EXPECT_FALSE(list.HasHandle(&elsewhere));

    list.RemoveControl(0);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.GetControl(0)->X, 3);
    EXPECT_THROW(list.RemoveControl(1), EListError);

    // Clearing frees the items (the sanitizer build checks nothing leaks);
    // the controls stay usable.
    list.AddControl(5, 6, &elsewhere);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(list.HasHandle(&elsewhere));
    EXPECT_EQ(second.text(), QString());
}

} // namespace
