// Pixel patterns of the glyphs: '#' is a dot of the glyph, '+' a half-tone
// dot that softens diagonal strokes.
#include "glyphs.h"

#include <string_view>
#include <vector>

#include "paint.h"

namespace skingen {

namespace {

using Pattern = std::vector<std::string_view>;

const Pattern& PatternOf(Glyph g) {
  static const Pattern close = {
      "##+...+##",  //
      "+##+.+##+",  //
      ".+##+##+.",  //
      "..+###+..",  //
      ".+##+##+.",  //
      "+##+.+##+",  //
      "##+...+##",
  };
  static const Pattern minimize = {
      ".........",  //
      ".........",  //
      ".........",  //
      ".........",  //
      ".........",  //
      "#########",  //
      "#########",
  };
  static const Pattern maximize = {
      "#########",  //
      "#########",  //
      "#.......#",  //
      "#.......#",  //
      "#.......#",  //
      "#.......#",  //
      "#########",
  };
  static const Pattern restore = {
      "..#######",  //
      "..#######",  //
      "..#.....#",  //
      "#######.#",  //
      "#######.#",  //
      "#.....###",  //
      "#.....#..",  //
      "#######..",
  };
  static const Pattern rollUp = {
      "....#....",  //
      "...###...",  //
      "..#####..",  //
      ".###.###.",  //
      "###...###",  //
      "##.....##",
  };
  static const Pattern rollDown = {
      "##.....##",  //
      "###...###",  //
      ".###.###.",  //
      "..#####..",  //
      "...###...",  //
      "....#....",
  };
  static const Pattern sysMenu = {
      "#########",  //
      "#########",  //
      "#.......#",  //
      "#.#####.#",  //
      "#.......#",  //
      "#.###...#",  //
      "#.......#",  //
      "#########",
  };
  static const Pattern tray = {
      "........",  //
      "........",  //
      "........",  //
      "....####",  //
      "....####",  //
      "....####",  //
      "########",
  };
  static const Pattern up = {
      "...#...",  //
      "..###..",  //
      ".#####.",  //
      "#######",
  };
  static const Pattern down = {
      "#######",  //
      ".#####.",  //
      "..###..",  //
      "...#...",
  };
  static const Pattern left = {
      "...#",  //
      "..##",  //
      ".###",  //
      "####",  //
      ".###",  //
      "..##",  //
      "...#",
  };
  static const Pattern right = {
      "#...",  //
      "##..",  //
      "###.",  //
      "####",  //
      "###.",  //
      "##..",  //
      "#...",
  };
  static const Pattern check = {
      "......#",  //
      ".....##",  //
      "#...###",  //
      "##.###.",  //
      "#####..",  //
      ".###...",  //
      "..#....",
  };
  static const Pattern radio = {
      "+###+",  //
      "#####",  //
      "#####",  //
      "#####",  //
      "+###+",
  };
  static const Pattern ellipsis = {
      "##.##.##",  //
      "##.##.##",
  };
  static const Pattern smallCross = {
      "#+...+#",  //
      "+#+.+#+",  //
      ".+###+.",  //
      "..+#+..",  //
      ".+###+.",  //
      "+#+.+#+",  //
      "#+...+#",
  };
  switch (g) {
    case Glyph::Close:
      return close;
    case Glyph::Minimize:
      return minimize;
    case Glyph::Maximize:
      return maximize;
    case Glyph::Restore:
      return restore;
    case Glyph::RollUp:
      return rollUp;
    case Glyph::RollDown:
      return rollDown;
    case Glyph::SysMenu:
      return sysMenu;
    case Glyph::Tray:
      return tray;
    case Glyph::ArrowUp:
      return up;
    case Glyph::ArrowDown:
      return down;
    case Glyph::ArrowLeft:
      return left;
    case Glyph::ArrowRight:
      return right;
    case Glyph::Check:
      return check;
    case Glyph::RadioDot:
      return radio;
    case Glyph::Ellipsis:
      return ellipsis;
    case Glyph::SmallCross:
      return smallCross;
  }
  return close;
}

}  // namespace

gfx::Size GlyphSize(Glyph g) {
  const Pattern& p = PatternOf(g);
  return {static_cast<int>(p.front().size()), static_cast<int>(p.size())};
}

void DrawGlyph(gfx::Bitmap& bmp, Glyph g, const gfx::Rect& r, gfx::Color c, gfx::Color halo,
               double haloStrength) {
  const Pattern& p = PatternOf(g);
  const gfx::Size s = GlyphSize(g);
  const int x0 = r.left + (r.width() - s.width) / 2;
  const int y0 = r.top + (r.height() - s.height) / 2;
  if (haloStrength > 0) {
    for (int y = 0; y < s.height; ++y)
      for (int x = 0; x < s.width; ++x)
        if (p[y][x] == '#') Blend(bmp, x0 + x + 1, y0 + y + 1, halo, haloStrength);
  }
  for (int y = 0; y < s.height; ++y) {
    for (int x = 0; x < s.width; ++x) {
      if (p[y][x] == '#') Plot(bmp, x0 + x, y0 + y, c);
      if (p[y][x] == '+') Blend(bmp, x0 + x, y0 + y, c, 0.45);
    }
  }
}

}  // namespace skingen
