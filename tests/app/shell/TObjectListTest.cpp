#include "app/shell/TObjectList.h"

#include "platform/core/Exceptions.h"

#include <gtest/gtest.h>

namespace {

class Counted : public TObject {
public:
    explicit Counted(int& alive) : alive_(alive) { ++alive_; }
    ~Counted() override { --alive_; }

private:
    int& alive_;
};

} // namespace

TEST(ObjectList, OwnsItsObjects)
{
    int alive = 0;
    {
        TObjectList list;
        TObject* first = new Counted(alive);
        TObject* second = new Counted(alive);
        EXPECT_EQ(list.Add(first), 0);
        EXPECT_EQ(list.Add(second), 1);
        list.Add(new Counted(alive));
        EXPECT_EQ(list.Count(), 3);
        EXPECT_EQ(list.Items(1), second);
        EXPECT_EQ(list.IndexOf(second), 1);

        list.Delete(0);
        EXPECT_EQ(alive, 2);
        EXPECT_EQ(list.Items(0), second);
        EXPECT_EQ(list.IndexOf(first), -1);

        list.Clear();
        EXPECT_EQ(alive, 0);
        EXPECT_EQ(list.Count(), 0);
        list.Add(new Counted(alive));
    }
    EXPECT_EQ(alive, 0);
}

TEST(ObjectList, IndexOutOfRangeRaises)
{
    TObjectList list;
    int alive = 0;
    list.Add(new Counted(alive));
    for (int index : {-1, 1, 2}) {
        EXPECT_THROW(list.Items(index), Exception) << index;
        EXPECT_THROW(list.Delete(index), Exception) << index;
    }
    EXPECT_EQ(list.Count(), 1);
    std::lock_guard<std::recursive_mutex> guard(list.Lock());
    std::lock_guard<std::recursive_mutex> again(list.Lock()); // the same thread may lock twice
    EXPECT_EQ(list.Count(), 1);
}
