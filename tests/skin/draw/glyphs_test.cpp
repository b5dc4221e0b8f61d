// The glyph helpers and caption glyphs, pixel by pixel. Every expected
// picture is read off the line and box lists of the glyphs ('X' is the pen
// colour; lines end one pixel short, boxes are outlines).
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "skin/draw/glyphs.h"
#include "support/bitmap_dump.h"

namespace {

using gfx::Bitmap;
using gfx::Canvas;
using gfx::Color;
using gfx::Rect;

constexpr Color kPen = gfx::kRed;
constexpr Color kPaper = gfx::kWhite;

// A white w x h picture with the rows drawn from (dx, dy): every 'X' in the
// pen colour, every 'R' in navy.
Bitmap Picture(const std::vector<std::string>& rows, int dx, int dy, int w, int h) {
  Bitmap b(w, h);
  b.fill(kPaper);
  for (std::size_t y = 0; y < rows.size(); ++y)
    for (std::size_t x = 0; x < rows[y].size(); ++x) {
      const char c = rows[y][x];
      if (c == 'X') b.setPixel(static_cast<int>(x) + dx, static_cast<int>(y) + dy, kPen);
      if (c == 'R') b.setPixel(static_cast<int>(x) + dx, static_cast<int>(y) + dy, gfx::kNavy);
    }
  return b;
}

struct GlyphCase {
  const char* name;
  void (*paint)(Canvas&, int, int, Color);
  std::vector<std::string> rows;  // from the glyph's left-top, y 0 down
};

const GlyphCase kCaptionGlyphs[] = {
    {"Cross",
     skin::PaintCross,
     {"...........", ".XX.....XX.", "..XX...XX..", "...XX.XX...", "....XXX....", "....XXX....",
      "...XX.XX...", "..XX...XX..", ".XX.....XX.", "..........."}},
    {"SysMenuBar",
     skin::PaintSysMenuBar,
     {"...........", "...........", "...........", ".XXXXXXXX..", ".X......X..", ".XXXXXXXX.."}},
    {"MinimizeBars",
     skin::PaintMinimizeBars,
     {"...........", "...........", "...........", "...........", "...........", "...........",
      "...........", "...........", ".XXXXXXXX..", ".XXXXXXXX.."}},
    {"WindowBox",
     skin::PaintWindowBox,
     {"XXXXXXXXXXX", "XXXXXXXXXXX", "X.........X", "X.........X", "X.........X", "X.........X",
      "X.........X", "X.........X", "X.........X", "XXXXXXXXXXX"}},
    {"TwoBoxes",
     skin::PaintTwoBoxes,
     {"..XXXXXXXX.", "..XXXXXXXX.", "..X......X.", "..X......X.", "XXXXXXX..X.", "XXXXXXXXXX.",
      "X.....X....", "X.....X....", "X.....X....", "XXXXXXX...."}},
    {"TriangleDown",
     skin::PaintTriangleDown,
     {"...........", "...........", ".XXXXXXXX..", "..XXXXXX...", "...XXXX....", "....XX.....",
      "..........."}},
    {"TriangleUp",
     skin::PaintTriangleUp,
     {"...........", "...........", "...........", "....XX.....", "...XXXX....", "..XXXXXX...",
      ".XXXXXXXX.."}},
    {"TraySquare",
     skin::PaintTraySquare,
     {"........", "........", "..XXXXX.", "..XXXXX.", "..XXXXX.", "..XXXXX.", "..XXXXX.",
      "........"}},
    {"Tick",
     skin::PaintTick,
     {"........", "......X.", ".....XX.", "X...XXX.", "XX.XXX..", "XXXXX...", ".XXX....",
      "..X.....", "........"}},
};

TEST(CaptionGlyphs, EachGlyphHasExactlyItsPixels) {
  for (const GlyphCase& c : kCaptionGlyphs) {
    SCOPED_TRACE(c.name);
    Bitmap b(16, 14);
    b.fill(kPaper);
    Canvas canvas(b);
    c.paint(canvas, 3, 2, kPen);
    EXPECT_TRUE(testsupport::SameBitmap(b, Picture(c.rows, 3, 2, 16, 14)));
  }
}

TEST(CaptionGlyphs, CentredCrossStartsFiveLeftAndAboveTheCentre) {
  Bitmap b(16, 14);
  b.fill(kPaper);
  Canvas canvas(b);
  skin::PaintCrossCentered(canvas, {1, 1, 14, 12}, kPen);  // centre (7, 6)
  EXPECT_TRUE(testsupport::SameBitmap(b, Picture(kCaptionGlyphs[0].rows, 2, 1, 16, 14)));
}

TEST(Pointers, TrianglesCentredInTheRect) {
  const struct {
    const char* name;
    std::function<void(Canvas&)> paint;
    std::vector<std::string> rows;
  } cases[] = {
      {"left",
       [](Canvas& c) {
         skin::PaintPointer(c, {0, 0, 10, 10}, kPen, skin::kPointLeft);
       },
       {"", "", "......X...", ".....XX...", "....XXX...", "...XXXX...", "....XXX...", ".....XX...",
        "......X..."}},
      {"right",
       [](Canvas& c) {
         skin::PaintPointer(c, {0, 0, 10, 10}, kPen, skin::kPointRight);
       },
       {"", "", "....X.....", "....XX....", "....XXX...", "....XXXX..", "....XXX...", "....XX....",
        "....X....."}},
      {"up",
       [](Canvas& c) {
         skin::PaintPointer(c, {0, 0, 10, 10}, kPen, skin::kPointUp);
       },
       {"", "", "", ".....X....", "....XXX...", "...XXXXX..", "..XXXXXXX."}},
      {"down",
       [](Canvas& c) {
         skin::PaintPointer(c, {0, 0, 10, 10}, kPen, skin::kPointDown);
       },
       {"", "", "", "", "..XXXXXXX.", "...XXXXX..", "....XXX...", ".....X...."}},
      {"odd rect, centre rounds down",
       [](Canvas& c) {
         skin::PaintPointer(c, {1, 1, 10, 10}, kPen, skin::kPointDown);
       },
       {"", "", "", "", "..XXXXXXX.", "...XXXXX..", "....XXX...", ".....X...."}},
      {"unknown direction",
       [](Canvas& c) {
         skin::PaintPointer(c, {0, 0, 10, 10}, kPen, 5);
       },
       {}},
      {"small",
       [](Canvas& c) {
         skin::PaintSmallPointer(c, {0, 0, 10, 10}, kPen);
       },
       {"", "", "", "", "", "...XXXXX..", "....XXX...", ".....X...."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Bitmap b(12, 12);
    b.fill(kPaper);
    Canvas canvas(b);
    c.paint(canvas);
    EXPECT_TRUE(testsupport::SameBitmap(b, Picture(c.rows, 0, 0, 12, 12)));
  }
}

TEST(PaintBevelLines, TopLeftThenBottomRightOverIt) {
  Bitmap b(7, 6);
  b.fill(kPaper);
  Canvas canvas(b);
  canvas.setPenWidth(3);  // the bevel is one pixel whatever the pen
  skin::PaintBevelLines(canvas, {1, 1, 6, 5}, kPen, gfx::kNavy);
  EXPECT_TRUE(testsupport::SameBitmap(
      b, Picture({".......", ".XXXXR.", ".X...R.", ".X...R.", ".RRRRR.", "......."}, 0, 0, 7, 6)));
  EXPECT_EQ(canvas.penWidth(), 3);
}

TEST(DrawGlyphCell, DrawsOneCellWithItsBottomLeftColourLeftOut) {
  // Three cells of 4 x 3 in a strip 13 wide (the cell width is 13 div 3);
  // cell 2 has a green background and a blue diagonal.
  Bitmap strip(13, 3);
  strip.fill(gfx::kBlack);
  const Color green = Color::rgb(0, 255, 0), blue = Color::rgb(0, 0, 255);
  strip.fillRect({4, 0, 8, 3}, green);
  for (int i = 0; i < 3; ++i) strip.setPixel(4 + i, i, blue);
  strip.setPixel(7, 0, blue);

  Bitmap b(8, 6);
  b.fill(kPaper);
  Canvas canvas(b);
  skin::DrawGlyphCell(canvas, 2, 1, 2, 3, strip);
  Bitmap expected(8, 6);
  expected.fill(kPaper);
  for (int i = 0; i < 3; ++i) expected.setPixel(2 + i, 1 + i, blue);
  expected.setPixel(5, 1, blue);
  EXPECT_TRUE(testsupport::SameBitmap(b, expected));

  // Cells outside 1..n, no cells and an empty strip draw nothing.
  Bitmap untouched(8, 6);
  untouched.fill(kPaper);
  Canvas other(untouched);
  skin::DrawGlyphCell(other, 0, 0, 0, 3, strip);
  skin::DrawGlyphCell(other, 0, 0, 4, 3, strip);
  skin::DrawGlyphCell(other, 0, 0, 1, 0, strip);
  skin::DrawGlyphCell(other, 0, 0, 1, 20, strip);
  skin::DrawGlyphCell(other, 0, 0, 1, 1, Bitmap());
  Bitmap white(8, 6);
  white.fill(kPaper);
  EXPECT_TRUE(testsupport::SameBitmap(untouched, white));
}

}  // namespace
