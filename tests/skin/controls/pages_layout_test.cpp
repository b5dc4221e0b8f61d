// The page control's layout arithmetic: tab lengths, the row in each tab
// position, scrolling and hidden tabs (along rows of either direction),
// several rows with their stretching and turning, button gaps, the tab
// under a point, the frame and the page area with and without a section's
// frame edges.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/tab_layout.h"

namespace {

using gfx::Rect;
using skin::TabPosition;

TEST(TabLayout, TabLengthIsTheCaptionOrImageAndCaptionPlusPaddingOrTheFixedWidth) {
  struct Row {
    int caption, image, tabWidth, expected;
  };
  const Row rows[] = {
      {40, 0, 0, 52},    // caption + 6 + 6
      {0, 0, 0, 12},     // empty caption: the padding alone
      {40, 16, 0, 72},   // 16 + 40 + 2 + 2 + 12
      {40, 16, 80, 80},  // TabWidth wins
      {-5, 0, 0, 12},    // a negative measure counts as none
  };
  for (const Row& r : rows)
    EXPECT_EQ(skin::TabLength(r.caption, r.image, r.tabWidth), r.expected)
        << r.caption << " " << r.image << " " << r.tabWidth;
}

TEST(TabLayout, TheRowLiesOnTheTabsSideTabHeightThick) {
  struct Row {
    const char* name;
    TabPosition position;
    std::vector<Rect> tabs;
    Rect band;
  };
  const Row rows[] = {
      {"top", TabPosition::tpTop, {{0, 0, 30, 18}, {30, 0, 80, 18}}, {0, 0, 200, 18}},
      {"bottom", TabPosition::tpBottom, {{0, 82, 30, 100}, {30, 82, 80, 100}}, {0, 82, 200, 100}},
      {"left", TabPosition::tpLeft, {{0, 0, 18, 30}, {0, 30, 18, 80}}, {0, 0, 18, 100}},
      {"right", TabPosition::tpRight, {{182, 0, 200, 30}, {182, 30, 200, 80}}, {182, 0, 200, 100}},
  };
  for (const Row& r : rows) {
    skin::TabRowInput in;
    in.position = r.position;
    in.width = 200;
    in.height = 100;
    in.tabHeight = 18;
    in.lengths = {30, 50};
    const skin::TabRow row = skin::LayoutTabRow(in);
    EXPECT_EQ(row.tabs, r.tabs) << r.name;
    EXPECT_EQ(row.band, r.band) << r.name;
  }
}

TEST(TabLayout, ScrollingMovesTheRowByTheTabsPushedOutAndCountsHiddenTabs) {
  skin::TabRowInput in;
  in.width = 100;
  in.height = 60;
  in.tabHeight = 18;
  in.lengths = {40, 40, 40, 40};
  struct Row {
    int first;
    int scroller;
    int firstLeft;  // left edge of tab 0
    int hidden;
    int scrolledOut;
  };
  // Limit = 100 - scroller - 3: with the 40-wide up-down 57, so of tabs at
  // 0, 40, 80, 120 only the first ends at or left of it.
  const Row rows[] = {
      {0, 0, 0, 2, 0},      // rights 40, 80 | 120, 160 beyond 97
      {0, 40, 0, 3, 0},     // rights 40 | 80, 120, 160 beyond 57
      {1, 40, -40, 3, 1},   // rights 0 (out), 40 | 80, 120 beyond
      {3, 40, -120, 3, 3},  // the last tab alone
      {9, 40, -120, 3, 3},  // past the end: the last tab first
      {-2, 0, 0, 2, 0},     // before the start: the first tab
  };
  for (const Row& r : rows) {
    in.firstTab = r.first;
    const skin::TabRow row = skin::LayoutTabRow(in);
    EXPECT_EQ(row.tabs[0].left, r.firstLeft) << r.first;
    EXPECT_EQ(skin::HiddenTabs(row, in.width, r.scroller), r.hidden)
        << r.first << " " << r.scroller;
    EXPECT_EQ(skin::ScrolledOutTabs(row), r.scrolledOut) << r.first;
  }
  // A left row scrolls down its length the same way: 60 high, bottoms at
  // -40 and 0 (out), 40, and 80 beyond 57.
  in.position = TabPosition::tpLeft;
  in.firstTab = 2;
  const skin::TabRow left = skin::LayoutTabRow(in);
  EXPECT_EQ(left.tabs[0].top, -80);
  EXPECT_EQ(left.tabs[2], (Rect{0, 0, 18, 40}));
  EXPECT_EQ(skin::HiddenTabs(left, 60, 0), 3);
  EXPECT_EQ(skin::ScrolledOutTabs(left), 2);
  EXPECT_EQ(skin::TabAt(left, {5, 30}, 60), 2);
  EXPECT_EQ(skin::TabAt(left, {5, 30}, 20), -1);  // below the limit: the up-down's
}

TEST(TabLayout, SeveralRowsFillWhileTheyFitStretchAndTurnTheChosenRowToThePage) {
  struct Row {
    const char* name;
    TabPosition position;
    std::vector<int> lengths;
    int gap, selected;
    bool rotate;
    std::vector<Rect> tabs;
    Rect band;
    int rows;
  };
  // 100 x 80, rows 18 thick. 40 + 40 fit the width, the third 40 starts a
  // row; the rows are stretched to 100: +10 each in the first, +15 in the
  // second.
  const Row rows[] = {
      {"top",
       TabPosition::tpTop,
       {40, 40, 40, 30},
       0,
       -1,
       false,
       {{0, 0, 50, 18}, {50, 0, 100, 18}, {0, 18, 55, 36}, {55, 18, 100, 36}},
       {0, 0, 100, 36},
       2},
      {"top, first row chosen",
       TabPosition::tpTop,
       {40, 40, 40, 30},
       0,
       0,
       true,
       {{0, 18, 50, 36}, {50, 18, 100, 36}, {0, 0, 55, 18}, {55, 0, 100, 18}},
       {0, 0, 100, 36},
       2},
      {"top, last row chosen",
       TabPosition::tpTop,
       {40, 40, 40, 30},
       0,
       3,
       true,
       {{0, 0, 50, 18}, {50, 0, 100, 18}, {0, 18, 55, 36}, {55, 18, 100, 36}},
       {0, 0, 100, 36},
       2},
      {"bottom",
       TabPosition::tpBottom,
       {40, 40, 40, 30},
       0,
       -1,
       false,
       {{0, 62, 50, 80}, {50, 62, 100, 80}, {0, 44, 55, 62}, {55, 44, 100, 62}},
       {0, 44, 100, 80},
       2},
      // Along the 80-pixel height: 40 + 40 fill the first column exactly.
      {"left",
       TabPosition::tpLeft,
       {40, 40, 40, 30},
       0,
       -1,
       false,
       {{0, 0, 18, 40}, {0, 40, 18, 80}, {18, 0, 36, 45}, {18, 45, 36, 80}},
       {0, 0, 36, 80},
       2},
      {"right",
       TabPosition::tpRight,
       {40, 40, 40, 30},
       0,
       -1,
       false,
       {{82, 0, 100, 40}, {82, 40, 100, 80}, {64, 0, 82, 45}, {64, 45, 82, 80}},
       {64, 0, 100, 80},
       2},
      // Buttons 3 apart, rows 3 apart: 40 + 3 + 40 = 83 gets +9 and +8.
      {"buttons",
       TabPosition::tpTop,
       {40, 40, 40, 30},
       3,
       -1,
       false,
       {{0, 0, 49, 18}, {52, 0, 100, 18}, {0, 21, 54, 39}, {57, 21, 100, 39}},
       {0, 0, 100, 39},
       2},
      {"one row is not stretched",
       TabPosition::tpTop,
       {30, 30},
       0,
       0,
       true,
       {{0, 0, 30, 18}, {30, 0, 60, 18}},
       {0, 0, 100, 18},
       1},
      {"a tab longer than the row",
       TabPosition::tpTop,
       {150, 20},
       0,
       -1,
       false,
       {{0, 0, 150, 18}, {0, 18, 100, 36}},
       {0, 0, 100, 36},
       2},
  };
  for (const Row& r : rows) {
    skin::TabRowInput in;
    in.position = r.position;
    in.width = 100;
    in.height = 80;
    in.tabHeight = 18;
    in.lengths = r.lengths;
    in.gap = r.gap;
    in.multiLine = true;
    in.selected = r.selected;
    in.rotateRows = r.rotate;
    in.firstTab = 1;  // ignored: several rows do not scroll
    const skin::TabRow row = skin::LayoutTabRow(in);
    EXPECT_EQ(row.tabs, r.tabs) << r.name;
    EXPECT_EQ(row.band, r.band) << r.name;
    EXPECT_EQ(row.rows, r.rows) << r.name;
  }
  // A single row of buttons keeps its gaps, also scrolled.
  skin::TabRowInput in;
  in.width = 100;
  in.height = 80;
  in.tabHeight = 18;
  in.lengths = {40, 40};
  in.gap = 3;
  EXPECT_EQ(skin::LayoutTabRow(in).tabs[1], (Rect{43, 0, 83, 18}));
  in.firstTab = 1;
  EXPECT_EQ(skin::LayoutTabRow(in).tabs[1], (Rect{0, 0, 40, 18}));
}

TEST(TabLayout, TheTabUnderAPointStopsAtTheLimit) {
  skin::TabRowInput in;
  in.width = 100;
  in.height = 60;
  in.tabHeight = 18;
  in.lengths = {40, 40, 40};
  const skin::TabRow row = skin::LayoutTabRow(in);
  struct Row {
    gfx::Point p;
    int limit;
    int expected;
  };
  const Row rows[] = {
      {{0, 0}, 100, 0},    {{39, 17}, 100, 0}, {{40, 0}, 100, 1},
      {{40, 18}, 100, -1}, {{85, 5}, 100, 2},  {{85, 5}, 80, -1},
      {{79, 5}, 80, 1},    {{-1, 5}, 100, -1}, {{120, 5}, 200, -1},
  };
  for (const Row& r : rows)
    EXPECT_EQ(skin::TabAt(row, r.p, r.limit), r.expected)
        << r.p.x << "," << r.p.y << " " << r.limit;
  EXPECT_EQ(skin::TabAt(skin::TabRow{}, {5, 5}, 100), -1);
}

TEST(TabLayout, ThePageAreaIsTheFrameLessItsEdges) {
  const skin::TabFrameEdges section{2, 3, 4, 5};
  struct Row {
    const char* name;
    TabPosition position;
    Rect frame, withSection, withoutSection;
  };
  // 200 x 100, a row 18 thick.
  const Row rows[] = {
      {"top", TabPosition::tpTop, {0, 18, 200, 100}, {2, 21, 196, 95}, {1, 19, 199, 99}},
      {"bottom", TabPosition::tpBottom, {0, 0, 200, 82}, {2, 3, 196, 77}, {1, 1, 199, 81}},
      {"left", TabPosition::tpLeft, {18, 0, 200, 100}, {20, 3, 196, 95}, {19, 1, 199, 99}},
      {"right", TabPosition::tpRight, {0, 0, 182, 100}, {2, 3, 178, 95}, {1, 1, 181, 99}},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(skin::TabFrameRect(r.position, 200, 100, 18), r.frame) << r.name;
    EXPECT_EQ(skin::TabPageArea(r.position, 200, 100, 18, &section), r.withSection) << r.name;
    EXPECT_EQ(skin::TabPageArea(r.position, 200, 100, 18, nullptr), r.withoutSection) << r.name;
  }
}

TEST(TabLayout, ControlsTooSmallForTheirFrameGiveAnEmptyAreaNotAnInvertedOne) {
  const skin::TabFrameEdges section{2, 2, 2, 2};
  struct Row {
    int w, h, tabHeight;
  };
  const Row rows[] = {{0, 0, 18}, {3, 3, 18}, {10, 10, 0}, {-5, -5, 18}, {200, 10, 30}};
  for (const Row& r : rows) {
    for (TabPosition p :
         {TabPosition::tpTop, TabPosition::tpBottom, TabPosition::tpLeft, TabPosition::tpRight}) {
      const Rect f = skin::TabFrameRect(p, r.w, r.h, r.tabHeight);
      EXPECT_GE(f.width(), 0);
      EXPECT_GE(f.height(), 0);
      const Rect a = skin::TabPageArea(p, r.w, r.h, r.tabHeight, &section);
      EXPECT_GE(a.width(), 0) << r.w << "x" << r.h;
      EXPECT_GE(a.height(), 0) << r.w << "x" << r.h;
    }
  }
}

}  // namespace
