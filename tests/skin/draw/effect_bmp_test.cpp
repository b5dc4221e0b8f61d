// The effect bitmap: buffer layout, colour effects, transitions, turns and
// flips. Expected values are worked out from the arithmetic by hand.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "skin/draw/effect_bmp.h"
#include "support/bitmap_dump.h"

namespace {

using gfx::Color;
using skin::TbsEffectBmp;

TbsEffectBmp Filled(int w, int h, Color c) {
  TbsEffectBmp b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.setPixel(x, y, c);
  return b;
}

Color Grey(int v) { return Color::rgb(v, v, v); }

// The grey values of row y (red channel; the tests fill all channels alike).
std::vector<int> Row(const TbsEffectBmp& b, int y) {
  std::vector<int> out;
  for (int x = 0; x < b.width(); ++x) out.push_back(b.pixel(x, y).red());
  return out;
}
std::vector<int> Column(const TbsEffectBmp& b, int x) {
  std::vector<int> out;
  for (int y = 0; y < b.height(); ++y) out.push_back(b.pixel(x, y).red());
  return out;
}

// A picture whose pixel (x, y) is rgb(x, y, 7).
TbsEffectBmp Coordinates(int w, int h) {
  TbsEffectBmp b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.setPixel(x, y, Color::rgb(x, y, 7));
  return b;
}

TEST(TbsEffectBmp, RowsAreBlueGreenRedPaddedToFourBytes) {
  for (const auto& [w, stride] : {std::pair{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {7, 24}}) {
    const TbsEffectBmp b(w, 3);
    EXPECT_EQ(b.stride(), static_cast<std::size_t>(stride)) << w;
    EXPECT_EQ(b.size(), static_cast<std::size_t>(3 * stride)) << w;
  }
  TbsEffectBmp b(3, 2);
  EXPECT_EQ(b.pixel(2, 1), gfx::kBlack);
  b.setPixel(1, 1, Color::rgb(10, 20, 30));
  const std::uint8_t* p = b.rowStart(1) + 3;
  EXPECT_EQ(p[0], 30);
  EXPECT_EQ(p[1], 20);
  EXPECT_EQ(p[2], 10);
  std::vector<std::uint8_t> row(9);
  b.getRow(1, row);
  EXPECT_EQ(row, (std::vector<std::uint8_t>{0, 0, 0, 30, 20, 10, 0, 0, 0}));
  row[0] = 99;
  b.setRow(0, row);
  EXPECT_EQ(b.pixel(0, 0), Color::rgb(0, 0, 99));

  const auto info = b.bitmapInfo();
  auto field = [&info](int at) {
    return static_cast<std::int32_t>(info[at] | info[at + 1] << 8 | info[at + 2] << 16 |
                                     static_cast<std::uint32_t>(info[at + 3]) << 24);
  };
  EXPECT_EQ(field(0), 40);
  EXPECT_EQ(field(4), 3);
  EXPECT_EQ(field(8), -2);
  EXPECT_EQ(info[12] | info[13] << 8, 1);
  EXPECT_EQ(info[14] | info[15] << 8, 24);
  EXPECT_EQ(field(16), 0);
}

TEST(TbsEffectBmp, ReadsAndDrawsBitmaps) {
  gfx::Bitmap bmp(3, 2);
  bmp.setPixel(2, 1, Color::rgb(1, 2, 3));
  const TbsEffectBmp b(bmp);
  EXPECT_EQ(b.pixel(2, 1), Color::rgb(1, 2, 3));
  EXPECT_TRUE(testsupport::SameBitmap(b.toBitmap(), bmp));
  // Drawn at (2, -1) into a 4 x 4 target: clipped at the right and the top.
  gfx::Bitmap target(4, 4);
  target.fill(gfx::kWhite);
  b.DrawTo(target, 2, -1);
  EXPECT_EQ(target.pixel(2, 0), gfx::kBlack);
  EXPECT_EQ(target.pixel(3, 0), gfx::kBlack);
  EXPECT_EQ(target.pixel(1, 0), gfx::kWhite);
  EXPECT_EQ(target.pixel(2, 1), gfx::kWhite);
  gfx::Canvas canvas(target);
  b.DrawTo(canvas, 1, 2);
  EXPECT_EQ(target.pixel(3, 3), Color::rgb(1, 2, 3));
}

TEST(ColourEffects, ArithmeticOfEachEffect) {
  const struct {
    const char* name;
    void (*apply)(TbsEffectBmp&);
    Color in, out;
  } cases[] = {
      // 127.5 rounds to 128 and 177.5 to 178.
      {"Lighten(0.5)", [](TbsEffectBmp& b) { b.Lighten(0.5); }, Color::rgb(0, 100, 255),
       Color::rgb(128, 178, 255)},
      {"Lighten(2) acts as Lighten(1)", [](TbsEffectBmp& b) { b.Lighten(2); },
       Color::rgb(0, 100, 3), gfx::kWhite},
      {"Lighten(NaN) acts as Lighten(0)",
       [](TbsEffectBmp& b) { b.Lighten(std::numeric_limits<double>::quiet_NaN()); },
       Color::rgb(0, 100, 3), Color::rgb(0, 100, 3)},
      {"Darken(0.3)", [](TbsEffectBmp& b) { b.Darken(0.3); }, Color::rgb(100, 200, 255),
       Color::rgb(70, 140, 178)},  // 0.7 x 255 = 178.5 goes to the even 178
      {"Darken(-1) acts as Darken(0)", [](TbsEffectBmp& b) { b.Darken(-1); },
       Color::rgb(100, 200, 255), Color::rgb(100, 200, 255)},
      {"ToGray of pure green", [](TbsEffectBmp& b) { b.ToGray(); }, Color::rgb(0, 255, 0),
       Grey(150)},
      {"ToGray of white", [](TbsEffectBmp& b) { b.ToGray(); }, gfx::kWhite, gfx::kWhite},
      // 0.3 x 15 = 4.5 and 0.3 x 5 = 1.5: halves go to the even neighbour.
      {"ToGray halves to even, down", [](TbsEffectBmp& b) { b.ToGray(); }, Color::rgb(15, 0, 0),
       Grey(4)},
      {"ToGray halves to even, up", [](TbsEffectBmp& b) { b.ToGray(); }, Color::rgb(5, 0, 0),
       Grey(2)},
      {"InvertColours", [](TbsEffectBmp& b) { b.InvertColours(); }, Color::rgb(0, 100, 255),
       Color::rgb(255, 155, 0)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TbsEffectBmp b = Filled(5, 3, c.in);
    c.apply(b);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x) ASSERT_EQ(b.pixel(x, y), c.out) << x << "," << y;
  }
}

// Every value of a channel, and every pair of values, through images wide
// enough for the block paths and with row tails of every length: the
// results must be the formulas' own, also next to rounding boundaries.
TEST(ColourEffects, EveryChannelValueFollowsTheFormula) {
  for (const double k : {0.5, 0.3, 0.2, 0.25, 1.0 / 3, 0.7, 0.9999, 0.00001}) {
    SCOPED_TRACE(k);
    for (const bool lighten : {true, false}) {
      TbsEffectBmp b(86, 1);  // 258 bytes: 16 blocks and a tail of 2
      for (int v = 0; v < 256; ++v) b.rowStart(0)[v] = static_cast<std::uint8_t>(v);
      lighten ? b.Lighten(k) : b.Darken(k);
      for (int v = 0; v < 256; ++v) {
        const double x = lighten ? (1 - k) * v + 255 * k : (1 - k) * v;
        ASSERT_EQ(b.rowStart(0)[v], static_cast<int>(std::nearbyint(x))) << lighten << " " << v;
      }
    }
  }
}

TEST(Transitions, BlendWithFollowsTheFormulaForEveryPair) {
  for (const double k : {0.4, 0.5, 0.2, 0.3, 0.6, 0.8, 1.0 / 3, 0.125}) {
    SCOPED_TRACE(k);
    // Rows of 256 pixels: row v holds self's v in every channel and other's
    // 0..255 along the row (in the three channels, shifted).
    TbsEffectBmp self(256, 256), other(256, 256);
    for (int v = 0; v < 256; ++v)
      for (int o = 0; o < 256; ++o) {
        self.setPixel(o, v, Grey(v));
        other.setPixel(o, v, Color::rgb(o, (o + 85) % 256, (o + 170) % 256));
      }
    self.BlendWith(other, k);
    for (int v = 0; v < 256; ++v)
      for (int o = 0; o < 256; ++o) {
        const Color c = self.pixel(o, v);
        auto want = [&](int ov) { return static_cast<int>(std::nearbyint((1 - k) * v + k * ov)); };
        ASSERT_EQ(c.red(), want(o)) << v << " " << o;
        ASSERT_EQ(c.green(), want((o + 85) % 256)) << v << " " << o;
        ASSERT_EQ(c.blue(), want((o + 170) % 256)) << v << " " << o;
      }
  }
}

TEST(ColourEffects, GreyFollowsTheFormulaForManyPixels) {
  // Widths with and without whole groups of 16 pixels and every padding.
  for (const int w : {1, 15, 16, 17, 33, 50, 67}) {
    SCOPED_TRACE(w);
    TbsEffectBmp b(w, 40);
    std::uint32_t s = 99;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < w; ++x) {
        s = s * 1664525u + 1013904223u;
        b.setPixel(x, y, Color(s >> 8));
      }
    const TbsEffectBmp before = b;
    b.ToGray();
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < w; ++x) {
        const Color c = before.pixel(x, y);
        // round(0.3 r + 0.59 g + 0.11 b) on the exact hundredths.
        const int n = 30 * c.red() + 59 * c.green() + 11 * c.blue();
        int q = n / 100;
        if (n % 100 > 50 || (n % 100 == 50 && q % 2 == 1)) ++q;
        ASSERT_EQ(b.pixel(x, y), Grey(q)) << x << "," << y;
      }
  }
}

TEST(ColourEffects, InvertingTwiceRestores) {
  TbsEffectBmp b = Coordinates(6, 5);
  b.InvertColours();
  b.InvertColours();
  EXPECT_TRUE(testsupport::SameBitmap(b.toBitmap(), Coordinates(6, 5).toBitmap()));
}

TEST(ColourEffects, NoiseMovesAllChannelsOfAPixelByOneOffsetInRange) {
  TbsEffectBmp b = Filled(40, 40, Color::rgb(100, 128, 250));
  b.AddNoise(50, 1234);
  int low = 1000, high = -1000;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      const Color c = b.pixel(x, y);
      const int r = c.red() - 100;
      EXPECT_EQ(c.green() - 128, r);
      EXPECT_EQ(c.blue(), std::min(255, 250 + r));  // clamped at 255
      low = std::min(low, r);
      high = std::max(high, r);
    }
  EXPECT_EQ(low, -25);  // 0 - 50 div 2
  EXPECT_EQ(high, 24);  // 49 - 50 div 2
  TbsEffectBmp same = Filled(4, 4, Grey(9));
  same.AddNoise(0);
  same.AddNoise(-3);
  EXPECT_EQ(Row(same, 0), (std::vector<int>{9, 9, 9, 9}));
}

TEST(ColourEffects, BlurSplitWorksInPlace) {
  TbsEffectBmp b(3, 2);
  const int values[2][3] = {{0, 40, 80}, {120, 160, 200}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) b.setPixel(x, y, Grey(values[y][x]));
  TbsEffectBmp unchanged = b;
  unchanged.BlurSplit(0);
  EXPECT_EQ(Row(unchanged, 1), (std::vector<int>{120, 160, 200}));
  // Row 0: (0+120+40+160)/4 = 80; (80+120+80+200)/4 = 120, reading the
  // changed left pixel; (120+160+80+200)/4 = 140, the right column falling
  // back to its own. Row 1 reads row 0 as changed and itself as the lower row.
  b.BlurSplit(1);
  EXPECT_EQ(Row(b, 0), (std::vector<int>{80, 120, 140}));
  EXPECT_EQ(Row(b, 1), (std::vector<int>{120, 135, 148}));
}

TEST(Transitions, BlendWithEndsAndMiddle) {
  const TbsEffectBmp other = Filled(4, 2, Color::rgb(255, 1, 2));
  const TbsEffectBmp self = Filled(4, 2, Color::rgb(0, 2, 1));
  TbsEffectBmp b = self;
  b.BlendWith(other, 0);
  EXPECT_EQ(b.pixel(3, 1), self.pixel(3, 1));
  b.BlendWith(other, 1);
  EXPECT_EQ(b.pixel(3, 1), other.pixel(3, 1));
  b = self;
  b.BlendWith(other, 0.5);  // 127.5 -> 128, 1.5 -> 2, 1.5 -> 2
  EXPECT_EQ(b.pixel(0, 0), Color::rgb(128, 2, 2));
  b = Filled(4, 2, Grey(1));
  b.BlendWith(Filled(4, 2, Grey(0)), 0.5);  // 0.5 -> 0
  EXPECT_EQ(b.pixel(0, 0), Grey(0));
  b = self;
  b.BlendWith(Filled(5, 2, gfx::kWhite), 1);  // another size: nothing
  EXPECT_EQ(b.pixel(0, 0), self.pixel(0, 0));
}

TEST(Transitions, GradientsSlidesAndPush) {
  const TbsEffectBmp self = Coordinates(5, 2);
  TbsEffectBmp other(5, 2);
  for (int x = 0; x < 5; ++x)
    for (int y = 0; y < 2; ++y) other.setPixel(x, y, Color::rgb(100 + x, 50, 50));
  auto reds = [](const TbsEffectBmp& b) { return Row(b, 1); };
  const struct {
    const char* name;
    void (*apply)(TbsEffectBmp&, const TbsEffectBmp&);
    std::vector<int> row;
  } cases[] = {
      // b = round(5 x 0) raised to 1: the first column becomes other's last.
      {"SlideFromLeft 0",
       [](TbsEffectBmp& s, const TbsEffectBmp& o) { s.SlideFromLeft(o, 0); },
       {104, 1, 2, 3, 4}},
      // b lowered to W - 1 = 4: self's last column stays.
      {"SlideFromLeft 1",
       [](TbsEffectBmp& s, const TbsEffectBmp& o) { s.SlideFromLeft(o, 1); },
       {101, 102, 103, 104, 4}},
      {"SlideFromRight 0.4",
       [](TbsEffectBmp& s, const TbsEffectBmp& o) { s.SlideFromRight(o, 0.4); },
       {0, 1, 2, 100, 101}},
      // a = 0: self moves one pixel right, other's last column at x 0.
      {"PushFromLeft 0",
       [](TbsEffectBmp& s, const TbsEffectBmp& o) { s.PushFromLeft(o, 0); },
       {104, 0, 1, 2, 3}},
      // a = 2: pixel 4 takes self's 1, 3 self's 0, then 0..2 other's 2, 3, 4.
      {"PushFromLeft 0.4",
       [](TbsEffectBmp& s, const TbsEffectBmp& o) { s.PushFromLeft(o, 0.4); },
       {102, 103, 104, 0, 1}},
      // a = 4 (5 lowered to W - 1): pixel 4 takes self's 0, then 0..4 other's 0..4.
      {"PushFromLeft 1",
       [](TbsEffectBmp& s, const TbsEffectBmp& o) { s.PushFromLeft(o, 1); },
       {100, 101, 102, 103, 104}},
      // a = 2, step 1/2: x 0 is other, x 1 half way, x 2 self: round(0.5 x 1 + 0.5 x 101) = 51.
      {"BlendFromLeft 0.4",
       [](TbsEffectBmp& s, const TbsEffectBmp& o) { s.BlendFromLeft(o, 0.4); },
       {100, 51, 2, 3, 4}},
      // a raised to 1, step 1: x 0 other, x 1 self.
      {"BlendFromLeft 0",
       [](TbsEffectBmp& s, const TbsEffectBmp& o) { s.BlendFromLeft(o, 0); },
       {100, 1, 2, 3, 4}},
      // a = 5 - 2 = 3, step 1/2: x 4 other, x 3 half way (0.5 x 3 + 0.5 x 103), x 2..0 self.
      {"BlendFromRight 0.4",
       [](TbsEffectBmp& s, const TbsEffectBmp& o) { s.BlendFromRight(o, 0.4); },
       {0, 1, 2, 53, 104}},
      // a = 5 lowered to 4, step 1: x 4 other, x 3 self... nothing else.
      {"BlendFromRight 0",
       [](TbsEffectBmp& s, const TbsEffectBmp& o) { s.BlendFromRight(o, 0); },
       {0, 1, 2, 3, 104}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TbsEffectBmp b = self;
    c.apply(b, other);
    EXPECT_EQ(reds(b), c.row);
    EXPECT_EQ(Row(b, 0), c.row);
  }
  // Another size changes nothing.
  TbsEffectBmp b = self;
  const TbsEffectBmp wide(6, 2);
  b.SlideFromLeft(wide, 0.5);
  b.SlideFromRight(wide, 0.5);
  b.PushFromLeft(wide, 0.5);
  b.BlendFromLeft(wide, 0.5);
  b.BlendFromRight(wide, 0.5);
  b.BlendFromCentre(wide, 0.5);
  EXPECT_EQ(Row(b, 1), (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(Transitions, BlendFromCentreAcrossColumnsOrRows) {
  const Color self = Grey(200), other = Grey(100);
  // 20 x 10, across columns: a = 10, b = 5, step 0.2, copied 5..15; the
  // weight grows toward both edges (the right edge reaches 4 steps only).
  TbsEffectBmp wide = Filled(20, 10, self);
  wide.BlendFromCentre(Filled(20, 10, other), 0.5);
  const std::vector<int> across = {200, 180, 160, 140, 120, 100, 100, 100, 100, 100,
                                   100, 100, 100, 100, 100, 100, 120, 140, 160, 180};
  for (int y = 0; y < 10; ++y) EXPECT_EQ(Row(wide, y), across) << y;

  // 10 x 20, across rows: a = 10, d = 4, step 0.25, rows 5..15 copied.
  TbsEffectBmp tall = Filled(10, 20, self);
  tall.BlendFromCentre(Filled(10, 20, other), 0.5);
  const std::vector<int> down = {200, 200, 175, 150, 125, 100, 100, 100, 100, 100,
                                 100, 100, 100, 100, 100, 100, 125, 150, 175, 200};
  for (int x = 0; x < 10; ++x) EXPECT_EQ(Column(tall, x), down) << x;

  // Square: across columns. a = 5, b = 2, step 0.5, copied 3..7.
  TbsEffectBmp square = Filled(10, 10, self);
  square.BlendFromCentre(Filled(10, 10, other), 0.5);
  for (int y = 0; y < 10; ++y)
    EXPECT_EQ(Row(square, y), (std::vector<int>{200, 200, 150, 100, 100, 100, 100, 100, 150, 200}));

  // Factors outside 0..1 are clamped: above 1 gives other everywhere; a
  // negative factor acts as 0, where only the centre is other and the weight
  // grows by a quarter per step toward the edges.
  TbsEffectBmp full = Filled(9, 3, self);
  full.BlendFromCentreH(Filled(9, 3, other), 7);
  EXPECT_EQ(Row(full, 1), std::vector<int>(9, 100));
  TbsEffectBmp none = Filled(9, 3, self);
  none.BlendFromCentreH(Filled(9, 3, other), -3);
  EXPECT_EQ(Row(none, 1), (std::vector<int>{200, 175, 150, 125, 100, 125, 150, 175, 200}));
  TbsEffectBmp noneV = Filled(3, 9, self);
  noneV.BlendFromCentreV(Filled(3, 9, other), -3);
  EXPECT_EQ(Column(noneV, 1), (std::vector<int>{200, 175, 150, 125, 100, 125, 150, 175, 200}));
}

TEST(TurnsAndFlips, QuarterTurnsAndUpsideDown) {
  const TbsEffectBmp b = Coordinates(3, 2);
  TbsEffectBmp left(2, 3), right(2, 3), flip(3, 2);
  ASSERT_TRUE(b.TurnLeftInto(left));
  ASSERT_TRUE(b.TurnRightInto(right));
  ASSERT_TRUE(b.FlipVertInto(flip));
  auto at = [](int x, int y) { return Color::rgb(x, y, 7); };
  // Counter-clockwise: the top-right pixel goes to the top-left corner.
  EXPECT_EQ(left.pixel(0, 0), at(2, 0));
  EXPECT_EQ(left.pixel(1, 0), at(2, 1));
  EXPECT_EQ(left.pixel(0, 2), at(0, 0));
  EXPECT_EQ(left.pixel(1, 2), at(0, 1));
  // Clockwise: the top-left pixel goes to the top-right corner.
  EXPECT_EQ(right.pixel(1, 0), at(0, 0));
  EXPECT_EQ(right.pixel(0, 0), at(0, 1));
  EXPECT_EQ(right.pixel(0, 2), at(2, 1));
  EXPECT_EQ(right.pixel(1, 2), at(2, 0));
  for (int x = 0; x < 3; ++x) {
    EXPECT_EQ(flip.pixel(x, 0), at(x, 1));
    EXPECT_EQ(flip.pixel(x, 1), at(x, 0));
  }
  // Targets of another size are refused and left alone.
  TbsEffectBmp wrong = Filled(3, 3, gfx::kWhite);
  EXPECT_FALSE(b.TurnLeftInto(wrong));
  EXPECT_FALSE(b.TurnRightInto(wrong));
  EXPECT_FALSE(b.FlipVertInto(wrong));
  EXPECT_EQ(wrong.pixel(0, 0), gfx::kWhite);
}

TEST(SelectionTables, InactiveEffectsByValue) {
  const struct {
    int value;
    Color in, out;
  } cases[] = {
      {0, Color::rgb(0, 100, 255), Color::rgb(128, 178, 255)},  // Lighten(0.5)
      {1, Grey(100), Grey(70)},                                 // Darken(0.3)
      {2, Color::rgb(0, 255, 0), Grey(150)},                    // ToGray
      {4, Grey(80), Grey(80)},                                  // BlurSplit(1) of a flat image
      {5, Color::rgb(0, 100, 255), Color::rgb(255, 155, 0)},    // InvertColours
  };
  for (const auto& c : cases) {
    TbsEffectBmp b = Filled(3, 3, c.in);
    EXPECT_TRUE(skin::ApplyInactiveEffect(b, c.value));
    EXPECT_EQ(b.pixel(1, 1), c.out) << c.value;
  }
  TbsEffectBmp noisy = Filled(30, 30, Grey(128));
  EXPECT_TRUE(skin::ApplyInactiveEffect(noisy, 3));
  int changed = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) {
      const int r = noisy.pixel(x, y).red() - 128;
      EXPECT_TRUE(r >= -25 && r <= 24) << r;
      changed += r != 0;
    }
  EXPECT_GT(changed, 800);
  TbsEffectBmp b = Filled(2, 2, Grey(9));
  EXPECT_FALSE(skin::ApplyInactiveEffect(b, 6));
  EXPECT_FALSE(skin::ApplyInactiveEffect(b, -1));
  EXPECT_EQ(b.pixel(0, 0), Grey(9));
}

TEST(SelectionTables, MorphKindsByValue) {
  const TbsEffectBmp self = Coordinates(6, 8);
  TbsEffectBmp other(6, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 6; ++x) other.setPixel(x, y, Color::rgb(200 - x, 100 + y, 33));
  using Op = void (TbsEffectBmp::*)(const TbsEffectBmp&, double);
  const Op ops[] = {&TbsEffectBmp::BlendWith,     &TbsEffectBmp::BlendFromCentre,
                    &TbsEffectBmp::BlendFromLeft, &TbsEffectBmp::BlendFromRight,
                    &TbsEffectBmp::SlideFromLeft, &TbsEffectBmp::SlideFromRight,
                    &TbsEffectBmp::PushFromLeft};
  for (int kind = 0; kind < 7; ++kind) {
    TbsEffectBmp viaTable = self, direct = self;
    EXPECT_TRUE(skin::ApplyMorph(viaTable, other, kind, 0.3));
    (direct.*ops[kind])(other, 0.3);
    EXPECT_TRUE(testsupport::SameBitmap(viaTable.toBitmap(), direct.toBitmap())) << kind;
  }
  TbsEffectBmp b = self;
  EXPECT_FALSE(skin::ApplyMorph(b, other, 7, 0.3));
  EXPECT_TRUE(testsupport::SameBitmap(b.toBitmap(), self.toBitmap()));
}

}  // namespace
