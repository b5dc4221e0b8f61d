// Composition of nine-part images and of a window frame's border images.
#include "skin/draw/frame_image.h"

#include <algorithm>
#include <utility>

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

namespace {

// Where each border image lies in the window; a strip that is not composed
// has an empty place. The conditions are the ones a strip needs to exist.
BorderStripPlaces PlaceStrips(const SkinImageGeometry& g, const SkinImageGeometry& n, int w,
                              int h) {
  BorderStripPlaces at;
  const Rect& ncl = n.clientRect;
  // A strip never needs more than the window: the top one keeps its first
  // rows, the bottom one its last (its band is taken from the bottom up).
  const int topHeight = std::min(ncl.top, h);
  if (w > 0 && topHeight > 0 && g.rightTop.x - g.leftTop.x > 0) at.top = {0, 0, w, topHeight};
  const int b = std::min(h - ncl.bottom, h);
  if (w > 0 && b > 0 && g.rightBottom.x - g.leftBottom.x > 0) at.bottom = {0, h - b, w, h};
  // The side images run between the top and bottom images.
  const int th = at.top.height();
  const int m = h - th - at.bottom.height();
  // The left strip keeps its first columns within the window, the right one
  // its last.
  const int leftWidth = std::min(ncl.left, w);
  if (leftWidth > 0 && m > 0 && g.leftBottom.y - g.leftTop.y > 0)
    at.left = {0, th, leftWidth, th + m};
  const int rightWidth = std::min(w - ncl.right, w);
  if (rightWidth >= 1 && m >= 1 && g.rightBottom.y - g.rightTop.y >= 1)
    at.right = {w - rightWidth, th, w, th + m};
  return at;
}

// Composes one border image into out, which has the strip's size (a strip
// bitmap of its own or a view of its place in the window's buffer).
class StripComposer {
 public:
  StripComposer(const SkinImageGeometry& g, const Bitmap& src, const Rect& r, StretchFlags stretch)
      : g_(g), src_(src), r_(r), stretch_(stretch) {}

  // Whether the tiles of the strip's middle fill every pixel, so that it
  // needs no clearing first.
  bool covers(const Rect& middle, int thickness, bool alongX, bool stretched) const {
    return !stretched && TilesCover(src_, middle, thickness, alongX);
  }

  Rect topMiddle(const Rect& place) const {
    return {r_.left + g_.leftTop.x, r_.top, r_.left + g_.rightTop.x, r_.top + place.height()};
  }
  Rect bottomMiddle(const Rect& place) const {
    return {r_.left + g_.leftBottom.x, r_.bottom - place.height(), r_.left + g_.rightBottom.x,
            r_.bottom};
  }
  Rect leftMiddle(const Rect& place) const {
    return {r_.left, r_.top + g_.leftTop.y, r_.left + place.width(), r_.top + g_.leftBottom.y};
  }
  Rect rightMiddle(const Rect& place, int w, const SkinImageGeometry& n) const {
    const int sx0 = r_.left + g_.clientRect.right + (w - n.clientRect.right - place.width());
    return {sx0, r_.top + g_.rightTop.y, sx0 + place.width(), r_.top + g_.rightBottom.y};
  }

  // A top or bottom image: the middle tiled over the whole width from x 0
  // (or stretched between the placed points), the fixed start and end
  // painted over it.
  void horizontal(Bitmap& out, const Rect& middle, int nx0, int nx1, bool stretched) const {
    if (src_.empty()) return;
    const int w = out.width(), height = out.height();
    const int x0 = middle.left, x1 = middle.right, sy0 = middle.top, sy1 = middle.bottom;
    if (stretched)
      StretchPiece(out, {nx0, 0, nx1, height}, src_, middle);
    else
      TileHorizontally(out, 0, w, 0, height, src_, middle);
    CopyPiece(out, {0, 0, nx0, height}, src_, {r_.left, sy0, x0, sy1});
    CopyPiece(out, {nx1, 0, w, height}, src_, {x1, sy0, r_.right, sy1});
  }

  // A left or right image: the middle tiled from y 0 (or stretched), the
  // rows between the client rect's top and the corner point fixed at the
  // top, those below the lower corner point fixed at the bottom.
  void vertical(Bitmap& out, const Rect& middle, int y0, int y1, bool stretched) const {
    if (src_.empty()) return;
    const int width = out.width(), m = out.height();
    const int sx0 = middle.left, sx1 = middle.right;
    const int start = y0 - g_.clientRect.top, end = g_.clientRect.bottom - y1;
    if (stretched)
      StretchPiece(out, {0, start, width, m - end}, src_, middle);
    else
      TileVertically(out, 0, m, 0, width, src_, middle);
    if (start > 0)
      CopyPiece(out, {0, 0, width, start}, src_,
                {sx0, r_.top + g_.clientRect.top, sx1, r_.top + y0});
    if (end > 0)
      CopyPiece(out, {0, m - end, width, m}, src_,
                {sx0, r_.top + y1, sx1, r_.top + g_.clientRect.bottom});
  }

  const SkinImageGeometry& stored() const { return g_; }
  StretchFlags stretch() const { return stretch_; }

 private:
  const SkinImageGeometry& g_;
  const Bitmap& src_;
  const Rect& r_;
  StretchFlags stretch_;
};

enum class Side { Top, Bottom, Left, Right };

// Runs the composer for each strip that has a place: `target(side, place,
// covered)` gives the bitmap of the strip's size to paint into, or null.
template <typename Target>
void ComposeStrips(const StripComposer& c, const SkinImageGeometry& n, const BorderStripPlaces& at,
                   int w, Target&& target) {
  const SkinImageGeometry& g = c.stored();
  const StretchFlags s = c.stretch();
  if (!gfx::IsNullRect(at.top)) {
    const Rect middle = c.topMiddle(at.top);
    if (Bitmap* out = target(Side::Top, at.top, c.covers(middle, at.top.height(), true, s.top)))
      c.horizontal(*out, middle, n.leftTop.x, n.rightTop.x, s.top);
  }
  if (!gfx::IsNullRect(at.bottom)) {
    const Rect middle = c.bottomMiddle(at.bottom);
    if (Bitmap* out =
            target(Side::Bottom, at.bottom, c.covers(middle, at.bottom.height(), true, s.bottom)))
      c.horizontal(*out, middle, n.leftBottom.x, n.rightBottom.x, s.bottom);
  }
  if (!gfx::IsNullRect(at.left)) {
    const Rect middle = c.leftMiddle(at.left);
    if (Bitmap* out = target(Side::Left, at.left, c.covers(middle, at.left.width(), false, s.left)))
      c.vertical(*out, middle, g.leftTop.y, g.leftBottom.y, s.left);
  }
  if (!gfx::IsNullRect(at.right)) {
    const Rect middle = c.rightMiddle(at.right, w, n);
    if (Bitmap* out =
            target(Side::Right, at.right, c.covers(middle, at.right.width(), false, s.right)))
      c.vertical(*out, middle, g.rightTop.y, g.rightBottom.y, s.right);
  }
}

}  // namespace

void ComposeBorderStrips(const SkinImageGeometry& g, const SkinImageGeometry& n,
                         BorderStrips& strips, const Bitmap& src, const Rect& r, int w, int h,
                         StretchFlags stretch) {
  if (!WithinDrawingRange(g, n, r, w, h)) {
    strips = {};
    return;
  }
  const BorderStripPlaces at = PlaceStrips(g, n, w, h);
  for (auto [strip, place] :
       {std::pair{&strips.top, &at.top}, std::pair{&strips.bottom, &at.bottom},
        std::pair{&strips.left, &at.left}, std::pair{&strips.right, &at.right}})
    if (gfx::IsNullRect(*place)) strip->clear();
  // Strips of an earlier call keep their pixels' storage when the size
  // stays; one whose tiles cover it is not cleared first.
  ComposeStrips(StripComposer(g, src, r, stretch), n, at, w,
                [&](Side side, const Rect& place, bool covered) -> Bitmap* {
                  Bitmap& strip = side == Side::Top      ? strips.top
                                  : side == Side::Bottom ? strips.bottom
                                  : side == Side::Left   ? strips.left
                                                         : strips.right;
                  return PrepareDestination(strip, place.width(), place.height(), !covered)
                             ? &strip
                             : nullptr;
                });
}

BorderStripPlaces ComposeBorderStripsInto(const SkinImageGeometry& g, const SkinImageGeometry& n,
                                          Bitmap& dst, const Bitmap& src, const Rect& r, int w,
                                          int h, StretchFlags stretch) {
  if (!WithinDrawingRange(g, n, r, w, h)) return {};
  const BorderStripPlaces at = PlaceStrips(g, n, w, h);
  const auto inside = [&](const Rect& place) {
    return gfx::IsNullRect(place) || gfx::IntersectRect(place, dst.rect()) == place;
  };
  if (!(inside(at.top) && inside(at.bottom) && inside(at.left) && inside(at.right))) {
    // A destination smaller than the window: the strips are made apart and
    // drawn clipped.
    BorderStrips strips;
    ComposeBorderStrips(g, n, strips, src, r, w, h, stretch);
    dst.draw(at.top.left, at.top.top, strips.top);
    dst.draw(at.bottom.left, at.bottom.top, strips.bottom);
    dst.draw(at.left.left, at.left.top, strips.left);
    dst.draw(at.right.left, at.right.top, strips.right);
    return at;
  }
  // Each strip is composed into a view of its place: the pixels of the strip
  // bitmap drawn there, without the strip and the copy.
  Bitmap view;
  ComposeStrips(StripComposer(g, src, r, stretch), n, at, w,
                [&](Side, const Rect& place, bool covered) {
                  view = BitmapView(dst, place);
                  if (!covered) view.fill(gfx::kBlack);
                  return &view;
                });
  return at;
}

}  // namespace skin
