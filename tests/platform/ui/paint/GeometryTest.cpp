#include "platform/ui/paint/Geometry.h"

#include <gtest/gtest.h>

namespace {

TEST(Geometry, RightAndBottomLieOutside) {
  const TRect r = Bounds(10, 20, 5, 3);
  EXPECT_EQ(r, Rect(10, 20, 15, 23));
  EXPECT_EQ(r.Width(), 5);
  EXPECT_EQ(r.Height(), 3);
  EXPECT_TRUE(PtInRect(r, Point(10, 20)));
  EXPECT_TRUE(PtInRect(r, Point(14, 22)));
  EXPECT_FALSE(PtInRect(r, Point(15, 22)));
  EXPECT_FALSE(PtInRect(r, Point(14, 23)));
  EXPECT_TRUE(IsRectEmpty(Rect(5, 5, 5, 10)));
  EXPECT_TRUE(IsRectEmpty(Rect(5, 5, 4, 10)));
}

TEST(Geometry, IntersectAndUnion) {
  TRect out;
  EXPECT_TRUE(IntersectRect(out, Rect(0, 0, 10, 10), Rect(5, 6, 20, 20)));
  EXPECT_EQ(out, Rect(5, 6, 10, 10));
  EXPECT_FALSE(IntersectRect(out, Rect(0, 0, 10, 10), Rect(10, 0, 20, 10)));
  EXPECT_EQ(out, Rect(0, 0, 0, 0));
  EXPECT_TRUE(UnionRect(out, Rect(0, 0, 2, 2), Rect(5, 6, 7, 8)));
  EXPECT_EQ(out, Rect(0, 0, 7, 8));
  EXPECT_TRUE(UnionRect(out, Rect(3, 3, 3, 3), Rect(5, 6, 7, 8)));
  EXPECT_EQ(out, Rect(5, 6, 7, 8));
}

TEST(Geometry, InflateAndOffset) {
  TRect r = Rect(10, 10, 20, 20);
  InflateRect(r, 2, -1);
  EXPECT_EQ(r, Rect(8, 11, 22, 19));
  OffsetRect(r, -8, 1);
  EXPECT_EQ(r, Rect(0, 12, 14, 20));
}

TEST(Geometry, ToolkitRectanglesKeepTheCoveredPixels) {
  const TRect r = Rect(3, 4, 13, 8);
  const QRect q = ToQRect(r);
  EXPECT_EQ(q, QRect(3, 4, 10, 4));
  EXPECT_EQ(q.right(), 12);
  EXPECT_EQ(FromQRect(q), r);
  EXPECT_EQ(FromQPoint(ToQPoint(Point(-1, 7))), Point(-1, 7));
}

}  // namespace
