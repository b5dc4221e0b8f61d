// The gauge's arithmetic as tables: fraction and fill edge with rounding
// half to even, empty and reversed ranges, the percentage text, the placed
// progress area by stretch kind, and the fill picture composed from a
// progress image whose every pixel tells where it came from.
#include "skin/controls/label_layout.h"

#include <gtest/gtest.h>

#include "test_skin.h"

namespace {

using gfx::Rect;

TEST(GaugeArithmetic, TheFillEdgeRoundsHalvesToEven) {
  struct Row {
    int min, max, value;
    bool vertical;
    Rect area, fill;
  } rows[] = {
      {0, 100, 50, false, {2, 2, 38, 8}, {2, 2, 20, 8}},
      {0, 100, 25, false, {0, 0, 10, 5}, {0, 0, 2, 5}},  // 2.5 -> 2
      {0, 100, 35, false, {0, 0, 10, 5}, {0, 0, 4, 5}},  // 3.5 -> 4
      {0, 100, 0, false, {3, 1, 13, 5}, {3, 1, 3, 5}},
      {0, 100, 100, false, {3, 1, 13, 5}, {3, 1, 13, 5}},
      {-50, 50, 0, false, {0, 0, 30, 4}, {0, 0, 15, 4}},    // a range below zero
      {0, 100, 25, true, {2, 2, 16, 12}, {2, 10, 16, 12}},  // 2.5 up from 12
      {0, 100, 35, true, {2, 2, 16, 12}, {2, 8, 16, 12}},   // 3.5 -> 4 up
      {10, 10, 10, false, {0, 0, 20, 4}, {0, 0, 0, 4}},     // empty range: no fill
      {50, 20, 20, false, {0, 0, 20, 4}, {0, 0, 0, 4}},     // reversed range: no fill
      {0, 100, 150, false, {0, 0, 20, 4}, {0, 0, 20, 4}},   // out of range: kept inside
      {0, 100, -10, true, {0, 0, 4, 20}, {0, 20, 4, 20}},
  };
  for (const Row& r : rows) {
    const double f = skin::GaugeFraction(r.min, r.max, r.value);
    EXPECT_EQ(skin::GaugeFillRect(r.area, f, r.vertical), r.fill)
        << r.min << ".." << r.max << " at " << r.value << (r.vertical ? " vertical" : "");
  }
}

TEST(GaugeArithmetic, TheTextIsTheProgressTextThenThePercentage) {
  struct Row {
    int min, max, value;
    const char* progress;
    bool showText, showPercent;
    const char* text;
  } rows[] = {
      {0, 100, 50, "abc", true, true, "abc50%"},
      {0, 100, 50, "abc", false, true, "50%"},
      {0, 100, 50, "abc", true, false, "abc"},
      {0, 100, 50, "abc", false, false, ""},
      {0, 200, 1, "", false, true, "0%"},  // 0.5 -> 0
      {0, 200, 3, "", false, true, "2%"},  // 1.5 -> 2
      {7, 7, 7, "x", true, true, "x0%"},   // empty range
      {9, 3, 3, "", false, true, "0%"},    // reversed range
      {0, 3, 2, "处理中，请稍候…", true, true, "处理中，请稍候…67%"},
  };
  for (const Row& r : rows) {
    const int p = skin::GaugePercent(skin::GaugeFraction(r.min, r.max, r.value));
    EXPECT_EQ(skin::GaugeText(r.progress, r.showText, r.showPercent, p), r.text) << r.text;
  }
}

TEST(GaugeArithmetic, TheProgressAreaFollowsTheSizeAlongTheGaugeOnly) {
  const Rect area{2, 2, 98, 16};
  struct Row {
    skin::StretchKind kind;
    bool vertical;
    Rect placed;
  } rows[] = {
      {skin::StretchKind::Fixed, false, area},
      {skin::StretchKind::None, true, area},
      {skin::StretchKind::Both, false, {2, 2, 118, 16}},
      {skin::StretchKind::Both, true, {2, 2, 98, 21}},
      {skin::StretchKind::Horizontal, false, {2, 2, 118, 16}},
      {skin::StretchKind::Vertical, true, {2, 2, 98, 21}},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(skin::PlaceProgressArea(area, r.kind, r.vertical, 20, 5), r.placed)
        << static_cast<int>(r.kind) << r.vertical;
  }
}

// Picture: red = x, green = y. Progress image pr = (10, 20, 22, 26): 12
// wide, 6 high; begin 2, end 3, so its middle is x 12..18 (7 wide).
TEST(GaugeFillPicture, AHorizontalFillRepeatsTheMiddleBetweenItsEnds) {
  const gfx::Bitmap src = controlstest::CoordinatePicture(40, 40, 5);
  const Rect pr{10, 20, 22, 26};
  const int w = 18;
  const gfx::Bitmap fill = skin::ComposeGaugeFill(src, pr, w, 6, 2, 3, false);
  ASSERT_EQ(fill.width(), w);
  ASSERT_EQ(fill.height(), 6);
  for (int x = 0; x < w; ++x) {
    // begin part, middle copies from x 2 (7 wide, the last one cut), end part.
    const int sx = x < 2 ? 10 + x : x >= w - 3 ? 19 + (x - (w - 3)) : 12 + (x - 2) % 7;
    for (int y = 0; y < 6; ++y)
      ASSERT_EQ(fill.pixel(x, y), gfx::Color::rgb(sx, 20 + y, 5)) << x << "," << y;
  }
  // A taller fill spans its whole height with each copy (rows scaled).
  const gfx::Bitmap tall = skin::ComposeGaugeFill(src, pr, w, 12, 2, 3, false);
  EXPECT_EQ(tall.pixel(0, 0).green(), 20);
  EXPECT_EQ(tall.pixel(0, 11).green(), 25);
  // Shorter than both ends together: the ends alone, the end part on top.
  const gfx::Bitmap tiny = skin::ComposeGaugeFill(src, pr, 4, 6, 2, 3, false);
  EXPECT_EQ(tiny.pixel(0, 0).red(), 10);
  EXPECT_EQ(tiny.pixel(1, 0).red(), 19);
  EXPECT_EQ(tiny.pixel(3, 0).red(), 21);
}

TEST(GaugeFillPicture, AVerticalFillLaysItsMiddleFromTheBottomUp) {
  const gfx::Bitmap src = controlstest::CoordinatePicture(40, 40, 5);
  // pr 6 wide, 12 high: begin 2 rows (top), end 3 rows (bottom), middle 7.
  const Rect pr{10, 20, 16, 32};
  const int h = 17;
  const gfx::Bitmap fill = skin::ComposeGaugeFill(src, pr, 6, h, 2, 3, true);
  ASSERT_EQ(fill.height(), h);
  for (int y = 0; y < h; ++y) {
    int sy = 0;
    if (y < 2) {
      sy = 20 + y;
    } else if (y >= h - 3) {
      sy = 29 + (y - (h - 3));
    } else {
      // Copies end at the end part's top; counted from there upwards, the
      // topmost one cut at its top.
      const int fromBottom = (h - 3) - 1 - y;  // 0 for the row above the end part
      sy = 28 - fromBottom % 7;
    }
    for (int x = 0; x < 6; ++x)
      ASSERT_EQ(fill.pixel(x, y), gfx::Color::rgb(10 + x, sy, 5)) << x << "," << y;
  }
}

TEST(GaugeFillPicture, NothingUsableGivesAnEmptyOrUntouchedFill) {
  const gfx::Bitmap src = controlstest::CoordinatePicture(10, 10, 5);
  EXPECT_TRUE(skin::ComposeGaugeFill(src, {0, 0, 4, 4}, 0, 5, 1, 1, false).empty());
  EXPECT_TRUE(skin::ComposeGaugeFill(src, {0, 0, 4, 4}, 5, -3, 1, 1, true).empty());
  // An empty progress image, offsets past it, a progress image outside the
  // picture: no endless loop, no read outside.
  EXPECT_EQ(skin::ComposeGaugeFill(src, {}, 9, 4, 2, 2, false).width(), 9);
  EXPECT_EQ(skin::ComposeGaugeFill(src, {0, 0, 4, 4}, 30, 4, 9, 9, false).width(), 30);
  EXPECT_EQ(skin::ComposeGaugeFill(src, {50, 50, 60, 60}, 30, 4, 1, 1, true).width(), 30);
}

TEST(LabelText, OneLineIsCentredVerticallyAndPlacedByAlignment) {
  const Rect r{3, 3, 72, 18};  // 69 x 15
  EXPECT_EQ(skin::LabelTextOrigin(r, 20, 12, skin::LabelAlignment::Left), (gfx::Point{3, 4}));
  EXPECT_EQ(skin::LabelTextOrigin(r, 20, 12, skin::LabelAlignment::Right), (gfx::Point{52, 4}));
  EXPECT_EQ(skin::LabelTextOrigin(r, 20, 12, skin::LabelAlignment::Center), (gfx::Point{27, 4}));
}

}  // namespace
