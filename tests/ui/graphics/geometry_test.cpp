#include "ui/graphics/geometry.h"

#include <gtest/gtest.h>

using namespace gfx;

TEST(Geometry, NullRectsAndPoints) {
  EXPECT_TRUE(IsNullRect({5, 5, 5, 10}));
  EXPECT_TRUE(IsNullRect({5, 5, 4, 10}));
  EXPECT_FALSE(IsNullRect({0, 0, 1, 1}));
  EXPECT_TRUE(IsNullPoint({0, 7}));
  EXPECT_TRUE(IsNullPoint({7, 0}));
  EXPECT_FALSE(IsNullPoint({-1, 1}));
}

TEST(Geometry, PointInRectCountsAllEdgesButPlatformTestLeavesRightBottomOut) {
  const Rect r{10, 20, 30, 40};
  struct Case {
    Point p;
    bool inclusive;
    bool platform;
  } cases[] = {
      {{10, 20}, true, true},  {{30, 40}, true, false}, {{29, 39}, true, true},
      {{30, 25}, true, false}, {{9, 25}, false, false}, {{15, 41}, false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PointInRect(c.p, r), c.inclusive) << c.p.x << "," << c.p.y;
    EXPECT_EQ(PtInRect(r, c.p), c.platform) << c.p.x << "," << c.p.y;
  }
}

TEST(Geometry, RectInRectUsesThePlatformPointTest) {
  // The right-bottom corner of a rect equal to the outer one lies outside.
  EXPECT_FALSE(RectInRect({0, 0, 10, 10}, {0, 0, 10, 10}));
  EXPECT_TRUE(RectInRect({0, 0, 9, 9}, {0, 0, 10, 10}));
  EXPECT_FALSE(RectInRect({-1, 0, 5, 5}, {0, 0, 10, 10}));
}

TEST(Geometry, CenteringHalvesTowardZero) {
  // Width difference 5 moves by 2, height difference -3 moves by -1.
  EXPECT_EQ(CenterRect({0, 0, 5, 13}, {0, 0, 10, 10}), (Rect{2, -1, 7, 12}));
  EXPECT_EQ(CenterRect({100, 100, 104, 104}, {10, 10, 20, 20}), (Rect{13, 13, 17, 17}));
}

TEST(Geometry, DivTruncatesAndRoundGoesToEven) {
  EXPECT_EQ(Div(-7, 2), -3);
  EXPECT_EQ(Div(7, 2), 3);
  EXPECT_EQ(Round(0.5), 0);
  EXPECT_EQ(Round(1.5), 2);
  EXPECT_EQ(Round(2.5), 2);
  EXPECT_EQ(Round(-0.5), 0);
  EXPECT_EQ(Round(2.51), 3);
}

TEST(Geometry, RectArithmetic) {
  const Rect r{1, 2, 11, 22};
  EXPECT_EQ(r.width(), 10);
  EXPECT_EQ(r.height(), 20);
  EXPECT_EQ(OffsetRect(r, 3, -2), (Rect{4, 0, 14, 20}));
  EXPECT_EQ(IntersectRect(r, {5, 5, 50, 50}), (Rect{5, 5, 11, 22}));
  EXPECT_EQ(IntersectRect(r, {11, 0, 20, 5}), (Rect{}));
  EXPECT_EQ(Max(3, -4), 3);
}
