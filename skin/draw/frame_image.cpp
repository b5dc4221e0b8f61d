// Composition of nine-part images and of a window frame's border images.
#include "skin/draw/frame_image.h"

#include <algorithm>

#include "skin/draw/tiling.h"

namespace skin {

using gfx::Bitmap;
using gfx::Rect;

void ComposeFrameImage(const SkinImageGeometry& g, const SkinImageGeometry& n, Bitmap& dst,
                       const Bitmap& src, const Rect& r, int w, int h, bool fillClient,
                       StretchFlags stretch) {
  if (!WithinDrawingRange(g, n, r, w, h)) {
    dst.clear();
    return;
  }
  if (!PrepareDestination(dst, w, h)) return;
  if (g.rightBottom.x == g.leftTop.x || g.rightBottom.y == g.leftTop.y || src.empty()) return;
  const Rect& cl = g.clientRect;
  const Rect& ncl = n.clientRect;

  // The four border middles.
  const Rect top{r.left + g.leftTop.x, r.top, r.left + g.rightTop.x, r.top + cl.top};
  if (stretch.top)
    StretchPiece(dst, {n.leftTop.x, 0, n.rightTop.x, ncl.top}, src, top);
  else
    TileHorizontally(dst, n.leftTop.x, n.rightTop.x, 0, ncl.top, src, top);

  const Rect bottom{r.left + g.leftBottom.x, r.top + cl.bottom, r.left + g.rightBottom.x, r.bottom};
  if (stretch.bottom)
    StretchPiece(dst, {n.leftBottom.x, ncl.bottom, n.rightBottom.x, h}, src, bottom);
  else
    TileHorizontally(dst, n.leftBottom.x, n.rightBottom.x, ncl.bottom, h, src, bottom);

  const Rect left{r.left, r.top + g.leftTop.y, r.left + cl.left, r.top + g.leftBottom.y};
  if (stretch.left)
    StretchPiece(dst, {0, n.leftTop.y, ncl.left, n.leftBottom.y}, src, left);
  else
    TileVertically(dst, n.leftTop.y, n.leftBottom.y, 0, ncl.left, src, left);

  const Rect right{r.left + cl.right, r.top + g.rightTop.y, r.right, r.top + g.rightBottom.y};
  if (stretch.right)
    StretchPiece(dst, {ncl.right, n.rightTop.y, w, n.rightBottom.y}, src, right);
  else
    TileVertically(dst, n.rightTop.y, n.rightBottom.y, ncl.right, w, src, right);

  // The eight fixed corner pieces, in this order.
  const struct {
    Rect from, to;
  } corners[] = {
      {{r.left, r.top, r.left + g.leftTop.x, r.top + cl.top}, {0, 0, n.leftTop.x, ncl.top}},
      {{r.left, r.top + cl.top, r.left + cl.left, r.top + g.leftTop.y},
       {0, ncl.top, ncl.left, n.leftTop.y}},
      {{r.left + g.rightTop.x, r.top, r.right, r.top + cl.top}, {n.rightTop.x, 0, w, ncl.top}},
      {{r.left + cl.right, r.top + cl.top, r.right, r.top + g.rightTop.y},
       {ncl.right, ncl.top, w, n.rightTop.y}},
      {{r.left, r.top + g.leftBottom.y, r.left + cl.left, r.bottom},
       {0, n.leftBottom.y, ncl.left, h}},
      {{r.left + cl.left, r.top + cl.bottom, r.left + g.leftBottom.x, r.bottom},
       {ncl.left, ncl.bottom, n.leftBottom.x, h}},
      {{r.left + g.rightBottom.x, r.top + cl.bottom, r.right, r.bottom},
       {n.rightBottom.x, ncl.bottom, w, h}},
      {{r.left + cl.right, r.top + g.rightBottom.y, r.right, r.top + cl.bottom},
       {ncl.right, n.rightBottom.y, w, ncl.bottom}},
  };
  for (const auto& c : corners) dst.copyRect(c.to, src, c.from);

  if (fillClient)
    TileArea(dst, ncl, src,
             {r.left + cl.left, r.top + cl.top, r.left + cl.right, r.top + cl.bottom});
}

void ComposeBorderStrips(const SkinImageGeometry& g, const SkinImageGeometry& n,
                         BorderStrips& strips, const Bitmap& src, const Rect& r, int w, int h,
                         StretchFlags stretch) {
  // Strips of an earlier call keep their pixels' storage when the size stays.
  if (!WithinDrawingRange(g, n, r, w, h)) {
    strips = {};
    return;
  }
  const Rect& cl = g.clientRect;
  const Rect& ncl = n.clientRect;

  auto horzBorder = [&](Bitmap& out, int height, int sy0, int x0, int x1, int nx0, int nx1,
                        bool stretched) {
    const int sy1 = sy0 + height;
    const Rect middle{r.left + x0, sy0, r.left + x1, sy1};
    // Tiles over the whole width leave no pixel of an earlier call.
    const bool covered = !stretched && TilesCover(src, middle, height, true);
    if (!PrepareDestination(out, w, height, !covered) || src.empty()) return;
    if (stretched)
      StretchPiece(out, {nx0, 0, nx1, height}, src, middle);
    else
      TileHorizontally(out, 0, w, 0, height, src, middle);
    out.copyRect({0, 0, nx0, height}, src, {r.left, sy0, r.left + x0, sy1});
    out.copyRect({nx1, 0, w, height}, src, {r.left + x1, sy0, r.right, sy1});
  };
  // A strip never needs more than the window: the top one keeps its first
  // rows, the bottom one its last (its band is taken from the bottom up).
  const int topHeight = std::min(ncl.top, h);
  if (w > 0 && topHeight > 0 && g.rightTop.x - g.leftTop.x > 0)
    horzBorder(strips.top, topHeight, r.top, g.leftTop.x, g.rightTop.x, n.leftTop.x, n.rightTop.x,
               stretch.top);
  else
    strips.top.clear();
  const int b = std::min(h - ncl.bottom, h);
  if (w > 0 && b > 0 && g.rightBottom.x - g.leftBottom.x > 0)
    horzBorder(strips.bottom, b, r.bottom - b, g.leftBottom.x, g.rightBottom.x, n.leftBottom.x,
               n.rightBottom.x, stretch.bottom);
  else
    strips.bottom.clear();

  // The side images run between the top and bottom images.
  const int m = h - strips.top.height() - strips.bottom.height();
  auto vertBorder = [&](Bitmap& out, int width, int sx0, int y0, int y1, bool stretched) {
    const int sx1 = sx0 + width;
    const int start = y0 - cl.top, end = cl.bottom - y1;
    const Rect middle{sx0, r.top + y0, sx1, r.top + y1};
    const bool covered = !stretched && TilesCover(src, middle, width, false);
    if (!PrepareDestination(out, width, m, !covered) || src.empty()) return;
    if (stretched)
      StretchPiece(out, {0, start, width, m - end}, src, middle);
    else
      TileVertically(out, 0, m, 0, width, src, middle);
    if (start > 0) out.copyRect({0, 0, width, start}, src, {sx0, r.top + cl.top, sx1, r.top + y0});
    if (end > 0)
      out.copyRect({0, m - end, width, m}, src, {sx0, r.top + y1, sx1, r.top + cl.bottom});
  };
  // The left strip keeps its first columns within the window, the right one
  // its last.
  const int leftWidth = std::min(ncl.left, w);
  if (leftWidth > 0 && m > 0 && g.leftBottom.y - g.leftTop.y > 0)
    vertBorder(strips.left, leftWidth, r.left, g.leftTop.y, g.leftBottom.y, stretch.left);
  else
    strips.left.clear();
  const int rightWidth = std::min(w - ncl.right, w);
  if (rightWidth >= 1 && m >= 1 && g.rightBottom.y - g.rightTop.y >= 1)
    vertBorder(strips.right, rightWidth, r.left + cl.right + (w - ncl.right - rightWidth),
               g.rightTop.y, g.rightBottom.y, stretch.right);
  else
    strips.right.clear();
}

}  // namespace skin
