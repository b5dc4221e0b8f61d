// Glyph cells, pointers, the check mark, bevel lines and caption glyphs.
#include "skin/draw/glyphs.h"

namespace skin {

using gfx::Canvas;
using gfx::Color;
using gfx::Point;
using gfx::Rect;

namespace {

// An outline rectangle with a clear brush; the canvas keeps its brush.
void box(Canvas& canvas, const Rect& r) {
  const gfx::BrushStyle style = canvas.brushStyle();
  canvas.setBrushStyle(gfx::BrushStyle::Clear);
  canvas.rectangle(r);
  canvas.setBrushStyle(style);
}

Point centre(const Rect& r) {
  return {r.left + gfx::Div(r.width(), 2), r.top + gfx::Div(r.height(), 2)};
}

}  // namespace

void DrawGlyphCell(Canvas& canvas, int x, int y, int k, int n, const gfx::Bitmap& strip) {
  if (strip.empty() || n <= 0 || k < 1 || k > n) return;
  const int w = gfx::Div(strip.width(), n);
  if (w <= 0) return;
  const Rect cell{w * (k - 1), 0, w * k, strip.height()};
  canvas.drawTransparent(x, y, strip, cell, strip.pixel(cell.left, strip.height() - 1));
}

void PaintPointer(Canvas& canvas, const Rect& rect, Color color, int direction) {
  const Point c = centre(rect);
  canvas.setPenColor(color);
  for (int i = 0; i <= 3; ++i) {
    switch (direction) {
      case kPointLeft:
        canvas.line({c.x - 2 + i, c.y - i}, {c.x - 2 + i, c.y + i + 1});
        break;
      case kPointRight:
        canvas.line({c.x + 2 - i, c.y + i}, {c.x + 2 - i, c.y - i - 1});
        break;
      case kPointUp:
        canvas.line({c.x - i, c.y - 2 + i}, {c.x + i + 1, c.y - 2 + i});
        break;
      case kPointDown:
        canvas.line({c.x - i, c.y + 2 - i}, {c.x + i + 1, c.y + 2 - i});
        break;
      default:
        return;
    }
  }
}

void PaintSmallPointer(Canvas& canvas, const Rect& rect, Color color) {
  const Point c = centre(rect);
  canvas.setPenColor(color);
  for (int n = 2; n >= 0; --n) canvas.line({c.x - n, c.y + 2 - n}, {c.x + n + 1, c.y + 2 - n});
}

void PaintTick(Canvas& canvas, int x, int y, Color color) {
  canvas.setPenColor(color);
  for (int i = 0; i <= 2; ++i)
    canvas.polyline({{x, y + 5 - i}, {x + 2, y + 7 - i}, {x + 7, y + 2 - i}});
}

void PaintBevelLines(Canvas& canvas, const Rect& rect, Color topLeft, Color bottomRight) {
  const int l = rect.left, t = rect.top, r = rect.right - 1, b = rect.bottom - 1;
  const int width = canvas.penWidth();
  canvas.setPenWidth(1);
  canvas.setPenColor(topLeft);
  canvas.polyline({{l, b}, {l, t}, {r, t}});
  canvas.setPenColor(bottomRight);
  canvas.polyline({{r, t}, {r, b}, {l - 1, b}});
  canvas.setPenWidth(width);
}

void PaintCross(Canvas& canvas, int x, int y, Color color) {
  canvas.setPenColor(color);
  canvas.line({x + 1, y + 1}, {x + 9, y + 9});
  canvas.line({x + 9, y + 1}, {x + 1, y + 9});
  canvas.line({x + 2, y + 1}, {x + 10, y + 9});
  canvas.line({x + 8, y + 1}, {x, y + 9});
}

void PaintSysMenuBar(Canvas& canvas, int x, int y, Color color) {
  canvas.setPenColor(color);
  box(canvas, {x + 1, y + 3, x + 9, y + 6});
}

void PaintMinimizeBars(Canvas& canvas, int x, int y, Color color) {
  canvas.setPenColor(color);
  canvas.line({x + 1, y + 8}, {x + 9, y + 8});
  canvas.line({x + 1, y + 9}, {x + 9, y + 9});
}

void PaintWindowBox(Canvas& canvas, int x, int y, Color color) {
  canvas.setPenColor(color);
  box(canvas, {x, y, x + 11, y + 10});
  box(canvas, {x, y, x + 11, y + 2});
}

void PaintTwoBoxes(Canvas& canvas, int x, int y, Color color) {
  canvas.setPenColor(color);
  box(canvas, {x + 2, y, x + 10, y + 6});
  box(canvas, {x + 2, y, x + 10, y + 2});
  box(canvas, {x, y + 4, x + 7, y + 10});
  box(canvas, {x, y + 4, x + 7, y + 6});
}

void PaintTriangleDown(Canvas& canvas, int x, int y, Color color) {
  canvas.setPenColor(color);
  for (int i = 0; i <= 4; ++i) canvas.line({x + 5 - i, y + 6 - i}, {x + 5 + i, y + 6 - i});
}

void PaintTriangleUp(Canvas& canvas, int x, int y, Color color) {
  canvas.setPenColor(color);
  for (int i = 0; i <= 4; ++i) canvas.line({x + 1 + i, y + 6 - i}, {x + 9 - i, y + 6 - i});
}

void PaintTraySquare(Canvas& canvas, int x, int y, Color color) {
  canvas.fillRect({x + 2, y + 2, x + 7, y + 7}, color);
}

void PaintCrossCentered(Canvas& canvas, const Rect& rect, Color color) {
  const Point c = centre(rect);
  PaintCross(canvas, c.x - 5, c.y - 5, color);
}

}  // namespace skin
