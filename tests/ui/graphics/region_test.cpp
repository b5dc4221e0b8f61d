#include "ui/graphics/region.h"

#include <gtest/gtest.h>

using namespace gfx;

TEST(Region, UnionOfRectListsInAnyOrder) {
  // Overlapping and unsorted rectangles, as no banded list would be.
  const Region r(std::vector<Rect>{{5, 5, 10, 10}, {0, 0, 6, 6}, {20, 0, 21, 1}});
  EXPECT_TRUE(r.contains({0, 0}));
  EXPECT_TRUE(r.contains({9, 9}));
  EXPECT_FALSE(r.contains({10, 10}));
  EXPECT_FALSE(r.contains({8, 2}));
  EXPECT_TRUE(r.contains({20, 0}));
  EXPECT_EQ(r.bounds(), (Rect{0, 0, 21, 10}));
  // Mask runs: one-pixel-high rows, already banded.
  const Region runs(std::vector<Rect>{{0, 0, 2, 1}, {3, 0, 4, 1}, {0, 1, 4, 2}});
  EXPECT_FALSE(runs.contains({2, 0}));
  EXPECT_TRUE(runs.contains({3, 0}));
  EXPECT_TRUE(runs.contains({2, 1}));
  EXPECT_TRUE(Region(std::vector<Rect>{{3, 3, 3, 9}}).empty());
}
