// Composition of nine-part images, frame border strips and three-part
// strips. The source pictures encode each pixel's own coordinates (red = x,
// green = y), so an expected picture is written as "which source pixel lands
// here", straight from the tiling rule and the piece tables.
#include <functional>

#include <gtest/gtest.h>

#include "skin/draw/frame_image.h"
#include "skin/draw/strip_image.h"
#include "skin/draw/tiling.h"
#include "support/bitmap_dump.h"

namespace {

using gfx::Bitmap;
using gfx::Color;
using gfx::Point;
using gfx::Rect;
using skin::SkinImageGeometry;

// A picture whose pixel (x, y) has red x and green y.
Bitmap CoordinatePicture(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.setPixel(x, y, Color::rgb(x, y, 200));
  return b;
}

// The picture of w x h whose pixel (x, y) is the coordinate colour of the
// source pixel from(x, y) returns.
Bitmap Expected(int w, int h, const std::function<Point(int, int)>& from) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const Point p = from(x, y);
      b.setPixel(x, y, Color::rgb(p.x, p.y, 200));
    }
  return b;
}

int Mod(int a, int b) { return a % b; }

// A 12 x 10 image at (2, 3) of a 16 x 14 picture. Top middle x 3..7 (4
// wide), bottom middle x 4..9 (5 wide), left middle y 4..6, right middle
// y 4..7, client (2, 3, 9, 7): 7 x 4.
struct Fixture {
  Bitmap picture = CoordinatePicture(16, 14);
  Rect r{2, 3, 14, 13};
  SkinImageGeometry g{{3, 4}, {7, 4}, {4, 6}, {9, 7}, {2, 3, 9, 7}};
  int w = 12, h = 10;
};

// Which pixel of the stored image (relative to R) ComposeFrameImage puts at
// (x, y) of a target grown by dW, dH, with tiled borders and a tiled client.
Point FrameSource(const Fixture& f, int dW, int dH, int x, int y) {
  const SkinImageGeometry& g = f.g;
  const Rect& cl = g.clientRect;
  const int nclRight = cl.right + dW, nclBottom = cl.bottom + dH;
  if (y < cl.top) {  // top border
    if (x < g.leftTop.x) return {x, y};
    if (x >= g.rightTop.x + dW) return {g.rightTop.x + x - (g.rightTop.x + dW), y};
    return {g.leftTop.x + Mod(x - g.leftTop.x, g.rightTop.x - g.leftTop.x), y};
  }
  if (y >= nclBottom) {  // bottom border
    const int sy = y - dH;
    if (x < g.leftBottom.x) return {x, sy};
    if (x >= g.rightBottom.x + dW) return {x - dW, sy};
    return {g.leftBottom.x + Mod(x - g.leftBottom.x, g.rightBottom.x - g.leftBottom.x), sy};
  }
  if (x < cl.left) {  // left border
    if (y < g.leftTop.y) return {x, y};
    if (y >= g.leftBottom.y + dH) return {x, y - dH};
    return {x, g.leftTop.y + Mod(y - g.leftTop.y, g.leftBottom.y - g.leftTop.y)};
  }
  if (x >= nclRight) {  // right border
    const int sx = x - dW;
    if (y < g.rightTop.y) return {sx, y};
    if (y >= g.rightBottom.y + dH) return {sx, y - dH};
    return {sx, g.rightTop.y + Mod(y - g.rightTop.y, g.rightBottom.y - g.rightTop.y)};
  }
  return {cl.left + Mod(x - cl.left, cl.width()), cl.top + Mod(y - cl.top, cl.height())};
}

Bitmap ExpectedFrame(const Fixture& f, int dW, int dH) {
  return Expected(f.w + dW, f.h + dH, [&](int x, int y) {
    const Point p = FrameSource(f, dW, dH, x, y);
    return Point{p.x + f.r.left, p.y + f.r.top};
  });
}

Bitmap ComposeFixture(const Fixture& f, int dW, int dH, bool fill = true,
                      skin::StretchFlags stretch = {}) {
  Bitmap out;
  skin::ComposeFrameImage(f.g, skin::PlaceGeometry(f.g, dW, dH), out, f.picture, f.r, f.w + dW,
                          f.h + dH, fill, stretch);
  return out;
}

TEST(ComposeFrameImage, StoredSizeReproducesTheImage) {
  const Fixture f;
  Bitmap stored(f.w, f.h);
  stored.copyRect(stored.rect(), f.picture, f.r);
  EXPECT_TRUE(testsupport::SameBitmap(ComposeFixture(f, 0, 0), stored));
}

TEST(ComposeFrameImage, GrownImageTilesBordersFromTheCornerPointsAndTheClient) {
  const Fixture f;
  for (const auto& [dW, dH] : {std::pair{13, 9}, {1, 1}, {4, 0}, {0, 7}}) {
    SCOPED_TRACE(testing::Message() << "dW " << dW << " dH " << dH);
    EXPECT_TRUE(testsupport::SameBitmap(ComposeFixture(f, dW, dH), ExpectedFrame(f, dW, dH)));
  }
}

TEST(ComposeFrameImage, WithoutFillClientTheClientStaysBlack) {
  const Fixture f;
  const Bitmap out = ComposeFixture(f, 6, 5, false);
  Bitmap expected = ExpectedFrame(f, 6, 5);
  expected.fillRect({2, 3, 9 + 6, 7 + 5}, gfx::kBlack);
  EXPECT_TRUE(testsupport::SameBitmap(out, expected));
}

TEST(ComposeFrameImage, StretchFlagsScaleTheBorderMiddles) {
  const Fixture f;
  // Grown by 4 x 3: the top middle (4 wide) becomes 8 wide, each source
  // column twice; the left middle (2 high) becomes 5 high, nearest
  // neighbour: offsets 0, 0, 0, 1, 1 (i * 2 / 5).
  const Bitmap top = ComposeFixture(f, 4, 3, true, {.top = true});
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(top.pixel(3 + i, 1), Color::rgb(2 + 3 + i / 2, 3 + 1, 200)) << i;
  const Bitmap left = ComposeFixture(f, 4, 3, true, {.left = true});
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(left.pixel(1, 4 + i), Color::rgb(2 + 1, 3 + 4 + i * 2 / 5, 200)) << i;
  // Unstretched, the left middle repeats: offsets 0, 1, 0, 1, 0.
  const Bitmap tiled = ComposeFixture(f, 4, 3);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(tiled.pixel(1, 4 + i), Color::rgb(3, 3 + 4 + i % 2, 200));
  // Right and bottom: the right middle (3 high) and bottom middle (5 wide).
  const Bitmap right = ComposeFixture(f, 5, 3, true, {.right = true});
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(right.pixel(9 + 5, 4 + i), Color::rgb(2 + 9, 3 + 4 + i * 3 / 6, 200)) << i;
  const Bitmap bottom = ComposeFixture(f, 5, 3, true, {.bottom = true});
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(bottom.pixel(4 + i, 7 + 3), Color::rgb(2 + 4 + i * 5 / 10, 3 + 7, 200)) << i;
}

TEST(ComposeFrameImage, DegenerateGeometryLeavesTheDestinationSizedAndBlack) {
  const Fixture f;
  const Bitmap black(20, 15);
  SkinImageGeometry noWidth = f.g;
  noWidth.rightBottom.x = noWidth.leftTop.x;
  SkinImageGeometry noHeight = f.g;
  noHeight.rightBottom.y = noHeight.leftTop.y;
  for (const SkinImageGeometry& g : {noWidth, noHeight}) {
    Bitmap out(3, 3);
    out.fill(gfx::kWhite);
    skin::ComposeFrameImage(g, skin::PlaceGeometry(g, 8, 5), out, f.picture, f.r, 20, 15, true);
    EXPECT_TRUE(testsupport::SameBitmap(out, black));
  }
  Bitmap out;
  skin::ComposeFrameImage(f.g, skin::PlaceGeometry(f.g, 8, 5), out, Bitmap(), f.r, 20, 15, true);
  EXPECT_TRUE(testsupport::SameBitmap(out, black));
}

TEST(ComposeFrameImage, ZeroLengthPiecesDrawNothingThere) {
  const Fixture f;
  // A top middle of length 0: the top band between the corners stays black,
  // everything else is composed as usual.
  Fixture noTop = f;
  noTop.g.rightTop.x = noTop.g.leftTop.x;
  const Bitmap out = ComposeFixture(noTop, 6, 2);
  Bitmap expected = ExpectedFrame(f, 6, 2);
  // The right-top corner now starts at x 3 + 6 and reads from x 3 of the
  // stored image; the band from 3 to 9 has nothing.
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 18; ++x) {
      if (x >= 3 && x < 9) expected.setPixel(x, y, gfx::kBlack);
      if (x >= 9) expected.setPixel(x, y, Color::rgb(2 + 3 + (x - 9), 3 + y, 200));
    }
  EXPECT_TRUE(testsupport::SameBitmap(out, expected));

  // A client rect of zero width or height: filling the client draws nothing.
  for (const Rect& cl : {Rect{2, 3, 2, 7}, Rect{2, 3, 9, 3}}) {
    Fixture noClient = f;
    noClient.g.clientRect = cl;
    EXPECT_TRUE(testsupport::SameBitmap(ComposeFixture(noClient, 3, 3, true),
                                        ComposeFixture(noClient, 3, 3, false)));
  }
}

TEST(ComposeFrameImage, CoordinatesBeyondAnySkinAreRefused) {
  // Sums of such values would overflow; nothing is composed from them.
  const Fixture f;
  SkinImageGeometry huge = f.g;
  huge.rightTop.x = 2'000'000'000;
  Bitmap out(4, 4);
  skin::ComposeFrameImage(huge, skin::PlaceGeometry(huge, 0, 0), out, f.picture, f.r, 12, 10, true);
  EXPECT_TRUE(out.empty());
  skin::ComposeHorzStrip(2'000'000'000, 0, out, f.picture, f.r, 30);
  EXPECT_TRUE(out.empty());
}

TEST(ComposeBorderStrips, StripsTileFromTheirOwnOriginUnlikeTheFrameImage) {
  const Fixture f;
  const int dW = 9, dH = 6, W = f.w + dW, H = f.h + dH;
  skin::BorderStrips s;
  skin::ComposeBorderStrips(f.g, skin::PlaceGeometry(f.g, dW, dH), s, f.picture, f.r, W, H);
  ASSERT_EQ(s.top.width(), W);
  ASSERT_EQ(s.top.height(), 3);
  ASSERT_EQ(s.bottom.height(), H - (7 + dH));  // 3
  ASSERT_EQ(s.left.width(), 2);
  ASSERT_EQ(s.left.height(), H - 3 - 3);
  ASSERT_EQ(s.right.width(), W - (9 + dW));  // 3

  // Top: tiles of the middle x 3..7 from x 0, the start 0..3 and the end
  // from 7 + dW on painted over them.
  const Bitmap top = Expected(W, 3, [&](int x, int y) {
    if (x < 3) return Point{2 + x, 3 + y};
    if (x >= 7 + dW) return Point{2 + 7 + x - (7 + dW), 3 + y};
    return Point{2 + 3 + x % 4, 3 + y};
  });
  EXPECT_TRUE(testsupport::SameBitmap(s.top, top));
  // Bottom: the last 3 rows of the image, middle x 4..9.
  const Bitmap bottom = Expected(W, 3, [&](int x, int y) {
    if (x < 4) return Point{2 + x, 3 + 7 + y};
    if (x >= 9 + dW) return Point{2 + 9 + x - (9 + dW), 3 + 7 + y};
    return Point{2 + 4 + x % 5, 3 + 7 + y};
  });
  EXPECT_TRUE(testsupport::SameBitmap(s.bottom, bottom));
  // Left: rows 3..4 fixed at the top, middle 4..6 tiled from y 0, rows
  // 6..7 fixed at the bottom.
  const int m = s.left.height();
  const Bitmap left = Expected(2, m, [&](int x, int y) {
    if (y < 1) return Point{2 + x, 3 + 3 + y};
    if (y >= m - 1) return Point{2 + x, 3 + 6 + (y - (m - 1))};
    return Point{2 + x, 3 + 4 + y % 2};
  });
  EXPECT_TRUE(testsupport::SameBitmap(s.left, left));
  // Right: rows 3..4 fixed, middle 4..7 (3 rows) tiled, nothing fixed below.
  const Bitmap right = Expected(3, m, [&](int x, int y) {
    if (y < 1) return Point{2 + 9 + x, 3 + 3 + y};
    return Point{2 + 9 + x, 3 + 4 + y % 3};
  });
  EXPECT_TRUE(testsupport::SameBitmap(s.right, right));

  // The same column of the top border in the control image: tiles start at
  // LT.x there, so x 3 shows the middle's first column, in the strip its
  // fourth.
  const Bitmap control = ComposeFixture(f, dW, dH);
  EXPECT_EQ(control.pixel(3, 0), Color::rgb(2 + 3, 3, 200));
  EXPECT_EQ(s.top.pixel(3, 0), Color::rgb(2 + 3 + 3, 3, 200));
}

// Which stored pixel (relative to R) the strips put at window pixel (x, y)
// outside the client rect of a window grown by dW, dH: each border's middle
// tiled from its strip's own origin, fixed start and end over it.
Point StripSource(const Fixture& f, int dW, int dH, int x, int y) {
  const SkinImageGeometry& g = f.g;
  const Rect& cl = g.clientRect;
  const int H = f.h + dH, nclRight = cl.right + dW, nclBottom = cl.bottom + dH;
  const auto along = [](int v, int start, int end, int newEnd) {
    if (v < start) return v;
    if (v >= newEnd) return end + v - newEnd;
    return start + Mod(v, end - start);
  };
  if (y < cl.top) return {along(x, g.leftTop.x, g.rightTop.x, g.rightTop.x + dW), y};
  if (y >= nclBottom)
    return {along(x, g.leftBottom.x, g.rightBottom.x, g.rightBottom.x + dW), y - H + f.h};
  const bool left = x < cl.left;
  const int sx = left ? x : cl.right + x - nclRight;
  const int top = left ? g.leftTop.y : g.rightTop.y,
            bottom = left ? g.leftBottom.y : g.rightBottom.y;
  const int sy = y - cl.top, m = nclBottom - cl.top, end = cl.bottom - bottom;
  if (sy < top - cl.top) return {sx, cl.top + sy};
  if (sy >= m - end) return {sx, bottom + sy - (m - end)};
  return {sx, top + Mod(sy, bottom - top)};
}

TEST(ComposeBorderStrips, StraightIntoTheFrameBufferAtTheirPlaces) {
  // The window's buffer is a view of a larger one, as a frame buffer kept
  // across size changes is: the strips land at their places, the client
  // area and everything beyond the view keep their pixels.
  const Fixture f;
  const int dW = 9, dH = 6, W = f.w + dW, H = f.h + dH;
  const Color keep = Color::rgb(1, 2, 3);
  Bitmap storage(W + 7, H + 5);
  storage.fill(keep);
  Bitmap window = skin::BitmapView(storage, {3, 2, 3 + W, 2 + H});
  const auto at = skin::ComposeBorderStripsInto(f.g, skin::PlaceGeometry(f.g, dW, dH), window,
                                                f.picture, f.r, W, H);
  EXPECT_EQ(at.top, (Rect{0, 0, W, 3}));
  EXPECT_EQ(at.bottom, (Rect{0, H - 3, W, H}));
  EXPECT_EQ(at.left, (Rect{0, 3, 2, H - 3}));
  EXPECT_EQ(at.right, (Rect{9 + dW, 3, W, H - 3}));
  const Rect client{2, 3, 9 + dW, 7 + dH};
  for (int y = 0; y < storage.height(); ++y)
    for (int x = 0; x < storage.width(); ++x) {
      const int wx = x - 3, wy = y - 2;
      Color want = keep;
      if (wx >= 0 && wy >= 0 && wx < W && wy < H && !gfx::PtInRect(client, {wx, wy})) {
        const Point p = StripSource(f, dW, dH, wx, wy);
        want = Color::rgb(f.r.left + p.x, f.r.top + p.y, 200);
      }
      ASSERT_EQ(storage.pixel(x, y), want) << x << "," << y;
    }
}

TEST(ComposeBorderStrips, StretchedMiddlesAndMissingStrips) {
  const Fixture f;
  skin::BorderStrips s;
  // Grown by 4: the top middle is scaled into NewLT.x..NewRT.x, 3..11.
  skin::ComposeBorderStrips(f.g, skin::PlaceGeometry(f.g, 4, 0), s, f.picture, f.r, 16, 10,
                            {.top = true});
  for (int i = 0; i < 8; ++i) EXPECT_EQ(s.top.pixel(3 + i, 0), Color::rgb(5 + i / 2, 3, 200));
  // A client rect touching every edge leaves no border to compose.
  SkinImageGeometry none = f.g;
  none.clientRect = {0, 0, 12, 10};
  skin::ComposeBorderStrips(none, skin::PlaceGeometry(none, 4, 4), s, f.picture, f.r, 16, 14);
  EXPECT_TRUE(s.top.empty());
  EXPECT_TRUE(s.bottom.empty());
  EXPECT_TRUE(s.left.empty());
  EXPECT_TRUE(s.right.empty());
}

TEST(ComposeBorderStrips, StripsNeverExceedTheWindow) {
  // A client rect reaching far below the picture (a malformed skin) and a
  // window narrower than the picture's right border: the strips hold what
  // the window shows, the top one its first rows, the right one its last
  // columns, instead of images far larger than the window.
  const Fixture f;
  SkinImageGeometry deep = f.g;
  deep.clientRect = {2, 3, 9, 900'000};
  skin::BorderStrips s;
  skin::ComposeBorderStrips(deep, skin::PlaceGeometry(deep, 0, 0), s, f.picture, f.r, 12, 10);
  EXPECT_TRUE(s.bottom.empty());
  EXPECT_EQ(s.top.height(), 3);
  EXPECT_EQ(s.left.height(), 7);

  SkinImageGeometry tall = f.g;
  tall.clientRect = {2, 40, 9, 45};
  skin::ComposeBorderStrips(tall, skin::PlaceGeometry(tall, 0, 0), s, f.picture, f.r, 12, 10);
  ASSERT_EQ(s.top.height(), 10);
  for (int y = 0; y < 10; ++y) EXPECT_EQ(s.top.pixel(0, y), Color::rgb(2, 3 + y, 200)) << y;

  // Right border 3 wide, window 2 wide: its last two columns.
  SkinImageGeometry narrow = f.g;
  skin::ComposeBorderStrips(narrow, skin::PlaceGeometry(narrow, -10, 0), s, f.picture, f.r, 2, 10);
  ASSERT_EQ(s.right.width(), 2);
  EXPECT_EQ(s.right.pixel(0, 0), Color::rgb(2 + 10, 3 + 3, 200));
  EXPECT_EQ(s.right.pixel(1, 0), Color::rgb(2 + 11, 3 + 3, 200));
}

TEST(ComposeHorzStrip, TwentyByTwentyOneAtSixty) {
  const Bitmap picture = CoordinatePicture(30, 25);
  const Rect r{5, 2, 25, 23};  // 20 x 21
  Bitmap out;
  skin::ComposeHorzStrip(4, 5, out, picture, r, 60);
  // x 0..4 and 55..60 fixed; 4..55 holds four tiles of 11 and one of 7.
  const Bitmap expected = Expected(60, 21, [](int x, int y) {
    if (x < 4) return Point{5 + x, 2 + y};
    if (x >= 55) return Point{5 + 15 + (x - 55), 2 + y};
    return Point{5 + 4 + (x - 4) % 11, 2 + y};
  });
  EXPECT_TRUE(testsupport::SameBitmap(out, expected));
  EXPECT_EQ(out.pixel(4 + 44 + 6, 0), Color::rgb(5 + 4 + 6, 2, 200));  // last of the fifth tile
}

TEST(ComposeHorzStrip, NoMiddleDrawsOnlyTheFixedParts) {
  const Bitmap picture = CoordinatePicture(20, 4);
  Bitmap out;
  skin::ComposeHorzStrip(8, 12, out, picture, picture.rect(), 30);
  const Bitmap expected = Expected(30, 4, [](int x, int y) {
    if (x < 8) return Point{x, y};
    if (x >= 18) return Point{8 + (x - 18), y};
    return Point{-1, -1};
  });
  for (int x = 0; x < 30; ++x) {
    const Color want = x >= 8 && x < 18 ? gfx::kBlack : expected.pixel(x, 1);
    EXPECT_EQ(out.pixel(x, 1), want) << x;
  }
}

TEST(ComposeHorzStripMiddle, TilesTheMiddleFromZero) {
  const Bitmap picture = CoordinatePicture(10, 3);
  Bitmap out;
  skin::ComposeHorzStripMiddle(2, 3, out, picture, picture.rect(), 12);
  EXPECT_TRUE(testsupport::SameBitmap(out, Expected(12, 3, [](int x, int y) {
                                        return Point{2 + x % 5, y};
                                      })));
  skin::ComposeHorzStripMiddle(5, 5, out, picture, picture.rect(), 12);
  EXPECT_TRUE(testsupport::SameBitmap(out, Bitmap(12, 3)));
}

TEST(ComposeVertStrip, FixedTopAndBottomTiledMiddle) {
  const Bitmap picture = CoordinatePicture(6, 12);
  const Rect r{1, 1, 4, 11};  // 3 x 10: top 2, middle 5, bottom 3
  Bitmap out;
  skin::ComposeVertStrip(2, 3, out, picture, r, 17);
  const Bitmap expected = Expected(3, 17, [](int x, int y) {
    if (y < 2) return Point{1 + x, 1 + y};
    if (y >= 14) return Point{1 + x, 1 + 7 + (y - 14)};
    return Point{1 + x, 1 + 2 + (y - 2) % 5};
  });
  EXPECT_TRUE(testsupport::SameBitmap(out, expected));
}

}  // namespace
