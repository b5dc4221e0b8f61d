// The panels' layout arithmetic as tables: client areas, caption position,
// the ex-panel's caption buttons, the splitter's limits, tool bar steps.
#include <gtest/gtest.h>

#include "skin/controls/panel_layout.h"

using gfx::Rect;
using skin::TbsSkinBorderStyle;

TEST(PanelLayout, DefaultClientAreaByBorderAndCaption) {
  struct Row {
    TbsSkinBorderStyle border;
    bool caption;
    Rect expected;
  } rows[] = {
      {TbsSkinBorderStyle::bvFrame, false, {1, 1, 149, 99}},
      {TbsSkinBorderStyle::bvRaised, true, {1, 23, 149, 99}},
      {TbsSkinBorderStyle::bvLowered, false, {1, 1, 149, 99}},
      {TbsSkinBorderStyle::bvNone, false, {0, 0, 150, 100}},
      {TbsSkinBorderStyle::bvNone, true, {0, 22, 150, 100}},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(skin::PanelDefaultClientArea(150, 100, r.border, r.caption, 22), r.expected)
        << static_cast<int>(r.border) << " " << r.caption;
  }
  // A caption taller than the panel leaves an empty area, never a negative one.
  const Rect tiny = skin::PanelDefaultClientArea(10, 10, TbsSkinBorderStyle::bvFrame, true, 22);
  EXPECT_EQ(tiny.height(), 0);
}

TEST(PanelLayout, CaptionXByAlignment) {
  const Rect r{10, 0, 110, 20};
  EXPECT_EQ(skin::PanelCaptionX(skin::TextAlignment::LeftJustify, r, 30), 10);
  EXPECT_EQ(skin::PanelCaptionX(skin::TextAlignment::RightJustify, r, 30), 80);
  EXPECT_EQ(skin::PanelCaptionX(skin::TextAlignment::Center, r, 31), 10 + 50 - 15);
}

TEST(ExPanelLayout, DefaultBarButtonsFromTheRight) {
  // bs = 21 - 6 = 15.
  struct Row {
    bool close, roll;
    Rect closeRect, rollRect;
    int textRight;
  } rows[] = {
      {true, true, {133, 3, 148, 18}, {118, 3, 133, 18}, 148 - 32},
      {true, false, {133, 3, 148, 18}, {}, 148 - 17},
      {false, true, {}, {133, 3, 148, 18}, 148 - 17},
      {false, false, {}, {}, 148 - 2},
  };
  for (const Row& r : rows) {
    const skin::ExPanelCaptionLayout l = skin::DefaultExPanelBar(150, 21, r.close, r.roll);
    EXPECT_EQ(l.close, r.closeRect) << r.close << r.roll;
    EXPECT_EQ(l.roll, r.rollRect) << r.close << r.roll;
    EXPECT_EQ(l.text, (Rect{4, 2, r.textRight, 19})) << r.close << r.roll;
  }
}

TEST(ExPanelLayout, DefaultStripButtonsFromTheTop) {
  // bs = 32 - 6 = 26.
  skin::ExPanelCaptionLayout l = skin::DefaultExPanelStrip(32, 400, 32, true, true);
  EXPECT_EQ(l.close, (Rect{3, 3, 29, 29}));
  EXPECT_EQ(l.roll, (Rect{3, 29, 29, 55}));
  EXPECT_EQ(l.text, (Rect{2, 57, 30, 398}));
  l = skin::DefaultExPanelStrip(32, 400, 32, false, true);
  EXPECT_EQ(l.roll, (Rect{3, 3, 29, 29}));
  EXPECT_EQ(l.text.top, 31);
}

TEST(ExPanelLayout, SkinnedButtonsTakeTheirPictureSizesTwoPixelsApart) {
  // A 21-pixel caption area: 15- and 14-pixel pictures centred at 3 and 3.
  const Rect area{6, 0, 152, 21};
  skin::ExPanelCaptionLayout l = skin::SkinnedExPanelBar(area, {15, 15}, {13, 14}, true, true);
  EXPECT_EQ(l.close, (Rect{137, 3, 152, 18}));
  EXPECT_EQ(l.roll, (Rect{122, 3, 135, 17}));
  EXPECT_EQ(l.text, (Rect{6, 0, 122, 21}));
  l = skin::SkinnedExPanelBar(area, {15, 15}, {13, 14}, false, true);
  EXPECT_EQ(l.roll, (Rect{139, 3, 152, 17}));
  const Rect strip{0, 44, 21, 300};
  l = skin::SkinnedExPanelStrip(strip, {15, 15}, {13, 14}, true, true);
  EXPECT_EQ(l.close, (Rect{3, 44, 18, 59}));
  EXPECT_EQ(l.roll, (Rect{4, 61, 17, 75}));
  EXPECT_EQ(l.text, (Rect{0, 75, 21, 300}));
}

TEST(SplitterLayout, SizeHeldBetweenTheMinimumAndTheRoomLeft) {
  // Parent 400 wide, a left neighbour of 100 and the splitter of 3 aligned
  // along the same axis.
  const int max = skin::SplitterMaxSize(400, 30, 103, 100);
  EXPECT_EQ(max, 367);
  struct Row {
    int proposed, expected;
  } rows[] = {{-500, 30}, {29, 30}, {30, 30}, {150, 150}, {367, 367}, {368, 367}, {5000, 367}};
  for (const Row& r : rows) EXPECT_EQ(skin::ClampSplitSize(r.proposed, 30, max, 100), r.expected);
  // No room for both minimums: the neighbour keeps its size whatever the drag.
  const int tight = skin::SplitterMaxSize(50, 30, 103, 100);
  EXPECT_LT(tight, 30);
  EXPECT_EQ(skin::ClampSplitSize(0, 30, tight, 40), 40);
  EXPECT_EQ(skin::ClampSplitSize(400, 30, tight, 40), 40);
}

TEST(ToolBarLayout, ScrollStepsStopAtBothEnds) {
  struct Row {
    int position;
    bool right;
    int offset, expected;
  } rows[] = {
      {0, false, 0, 0},  {50, false, 0, 0},    {150, false, 40, 110}, {0, true, 0, 100},
      {0, true, 40, 40}, {380, true, 40, 401}, {401, true, 40, 401},
  };
  // Client and view 100 wide, content ending at 500.
  for (const Row& r : rows)
    EXPECT_EQ(skin::ToolBarScrollStep(r.position, r.right, r.offset, 100, 500, 100), r.expected)
        << r.position << " " << r.right << " " << r.offset;
}
