// The page control's layout arithmetic: tab lengths, the row in each tab
// position, scrolling and hidden tabs, the tab under a point, the frame and
// the page area with and without a section's frame edges.
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
  // Vertical rows never scroll.
  in.position = TabPosition::tpLeft;
  in.firstTab = 2;
  EXPECT_EQ(skin::LayoutTabRow(in).tabs[0].top, 0);
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
