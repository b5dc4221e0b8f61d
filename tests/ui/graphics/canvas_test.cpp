// Canvas: the classic drawing semantics the skin code relies on.
#include "ui/graphics/canvas.h"

#include <gtest/gtest.h>

using namespace gfx;

namespace {

// The set pixels of a white bitmap after drawing, as a string of rows.
std::string picture(const Bitmap& b) {
  std::string s;
  for (int y = 0; y < b.height(); ++y) {
    for (int x = 0; x < b.width(); ++x) s += b.pixel(x, y) == kWhite ? '.' : '#';
    s += '\n';
  }
  return s;
}

}  // namespace

TEST(Canvas, LinesEndOnePixelShort) {
  struct Case {
    const char* name;
    Point a, b;
    const char* expect;
  } cases[] = {
      {"horizontal", {0, 1}, {4, 1}, ".....\n####.\n.....\n"},
      {"vertical upwards", {2, 2}, {2, 0}, ".....\n..#..\n..#..\n"},
      {"diagonal", {0, 0}, {3, 3}, "#....\n.#...\n..#..\n"},
      {"single point draws nothing", {1, 1}, {1, 1}, ".....\n.....\n.....\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bitmap b(5, 3);
    b.fill(kWhite);
    Canvas cv(b);
    cv.line(c.a, c.b);
    EXPECT_EQ(picture(b), c.expect);
  }
}

TEST(Canvas, PolylineJoinsWithoutTheLastPoint) {
  Bitmap b(4, 4);
  b.fill(kWhite);
  Canvas cv(b);
  cv.polyline({{0, 0}, {3, 0}, {3, 3}});
  // The joint at (3, 0) is drawn once, by the second line; (3, 3) is not drawn.
  EXPECT_EQ(picture(b), "####\n...#\n...#\n....\n");
}

TEST(Canvas, RectangleOutlinesInsideAndFills) {
  Bitmap b(5, 4);
  b.fill(kWhite);
  Canvas cv(b);
  cv.setPenColor(kBlack);
  cv.setBrushColor(kRed);
  cv.rectangle({0, 0, 4, 4});
  EXPECT_EQ(b.pixel(0, 0), kBlack);
  EXPECT_EQ(b.pixel(3, 3), kBlack);
  EXPECT_EQ(b.pixel(1, 1), kRed);
  EXPECT_EQ(b.pixel(2, 2), kRed);
  EXPECT_EQ(b.pixel(4, 0), kWhite);  // the right edge is exclusive
}

TEST(Canvas, ExcludeAndIntersectClipping) {
  Bitmap b(6, 3);
  b.fill(kWhite);
  Canvas cv(b);
  cv.excludeClipRect({1, 0, 3, 3});
  cv.fillRect({0, 0, 6, 3}, kBlack);
  EXPECT_EQ(picture(b), "#..###\n#..###\n#..###\n");
  cv.resetClip();
  b.fill(kWhite);
  cv.intersectClipRect({2, 1, 4, 2});
  cv.excludeClipRect({3, 0, 6, 3});
  cv.setPenColor(kBlack);
  cv.line({0, 1}, {6, 1});
  cv.fillRect({0, 0, 6, 3}, kBlack);
  EXPECT_EQ(picture(b), "......\n..#...\n......\n");
  // Copies go through the clip too.
  Bitmap src(6, 3);
  src.fill(kRed);
  cv.resetClip();
  b.fill(kWhite);
  cv.excludeClipRect({0, 0, 5, 3});
  cv.draw(0, 0, src);
  EXPECT_EQ(b.pixel(4, 1), kWhite);
  EXPECT_EQ(b.pixel(5, 1), kRed);
}

TEST(Canvas, TextIsDrawnInItsColourAndAcceleratorsAreNotShown) {
  Bitmap b(80, 20);
  b.fill(kWhite);
  Canvas cv(b);
  Font f;
  f.name = "Arial";
  f.height = 12;
  f.color = kRed;
  cv.setFont(f);
  // "&File" measures like "File" plus no room for the ampersand.
  Rect measured{0, 0, 1, 1};
  cv.drawText("&File", measured, kTextCalcRect | kTextSingleLine);
  Rect plain{0, 0, 1, 1};
  cv.drawText("File", plain, kTextCalcRect | kTextSingleLine | kTextNoPrefix);
  EXPECT_EQ(measured.width(), plain.width());
  EXPECT_GT(plain.width(), 0);
  cv.textOut(2, 2, "File");
  int reddish = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 80; ++x) {
      const Color c = b.pixel(x, y);
      if (c != kWhite) {
        EXPECT_GE(c.red(), c.green()) << x << "," << y;
        ++reddish;
      }
      if (x < 2 || y < 2) {
        EXPECT_EQ(c, kWhite) << x << "," << y;
      }
    }
  EXPECT_GT(reddish, 10);
}

TEST(Canvas, RotatedTextRunsUpwardsRightOfItsOrigin) {
  Bitmap b(30, 80);
  b.fill(kWhite);
  Canvas cv(b);
  Font f;
  f.name = "Arial";
  f.height = 12;
  cv.setFont(f);
  const int h = cv.textHeight("Hello");
  cv.textOutRotated90(5, 70, "Hello");
  int minX = 99, maxX = -1, minY = 99, maxY = -1;
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 30; ++x)
      if (b.pixel(x, y) != kWhite) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
      }
  EXPECT_GE(minX, 5);
  EXPECT_LT(maxX, 5 + h);
  EXPECT_LE(maxY, 70);
  EXPECT_GT(70 - minY, 15);  // the word stretches upwards
}
