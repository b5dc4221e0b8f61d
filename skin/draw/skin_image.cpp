// Placing a skin image's geometry at a new size.
#include "skin/draw/skin_image.h"

namespace skin {

SkinImageGeometry PlaceGeometry(const SkinImageGeometry& g, int dW, int dH) {
  SkinImageGeometry p = g;
  p.rightTop.x += dW;
  p.leftBottom.y += dH;
  p.rightBottom.x += dW;
  p.rightBottom.y += dH;
  p.clientRect.right += dW;
  p.clientRect.bottom += dH;
  return p;
}

bool WithinDrawingRange(const SkinImageGeometry& a, const SkinImageGeometry& b, const gfx::Rect& r,
                        int w, int h) {
  auto ok = InSkinRange;
  auto okRect = [&](const gfx::Rect& q) {
    return ok(q.left) && ok(q.top) && ok(q.right) && ok(q.bottom);
  };
  auto okGeometry = [&](const SkinImageGeometry& g) {
    for (const gfx::Point& p : {g.leftTop, g.rightTop, g.leftBottom, g.rightBottom})
      if (!ok(p.x) || !ok(p.y)) return false;
    return okRect(g.clientRect);
  };
  return okGeometry(a) && okGeometry(b) && okRect(r) && ok(w) && ok(h);
}

}  // namespace skin
