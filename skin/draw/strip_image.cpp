// Three-part strips, for controls resized in one direction only.
#include "skin/draw/strip_image.h"

#include <algorithm>

#include "skin/draw/skin_image.h"
#include "skin/draw/tiling.h"

namespace skin {

using gfx::Bitmap;
using gfx::Rect;

namespace {

// Whether the strip's rect, lengths and size are within the skin range.
bool inRange(const Rect& r, int a, int b, int size) {
  for (int v : {r.left, r.top, r.right, r.bottom, a, b, size})
    if (!InSkinRange(v)) return false;
  return true;
}

}  // namespace

void ComposeHorzStrip(int left, int right, Bitmap& dst, const Bitmap& src, const Rect& r, int w) {
  if (!inRange(r, left, right, w)) {
    dst.clear();
    return;
  }
  if (!PrepareDestination(dst, w, r.height()) || src.empty()) return;
  left = std::max(0, left);
  right = std::max(0, right);
  const int h = r.height();
  if (left != 0) dst.copyRect({0, 0, left, h}, src, {r.left, r.top, r.left + left, r.bottom});
  if (right != 0)
    dst.copyRect({w - right, 0, w, h}, src, {r.right - right, r.top, r.right, r.bottom});
  TileHorizontally(dst, left, w - right, 0, h, src,
                   {r.left + left, r.top, r.right - right, r.bottom});
}

void ComposeHorzStripMiddle(int left, int right, Bitmap& dst, const Bitmap& src, const Rect& r,
                            int w) {
  if (!inRange(r, left, right, w)) {
    dst.clear();
    return;
  }
  if (!PrepareDestination(dst, w, r.height()) || src.empty()) return;
  left = std::max(0, left);
  right = std::max(0, right);
  TileHorizontally(dst, 0, w, 0, r.height(), src,
                   {r.left + left, r.top, r.right - right, r.bottom});
}

void ComposeVertStrip(int top, int bottom, Bitmap& dst, const Bitmap& src, const Rect& r, int h) {
  if (!inRange(r, top, bottom, h)) {
    dst.clear();
    return;
  }
  if (!PrepareDestination(dst, r.width(), h) || src.empty()) return;
  top = std::max(0, top);
  bottom = std::max(0, bottom);
  const int w = r.width();
  if (top != 0) dst.copyRect({0, 0, w, top}, src, {r.left, r.top, r.right, r.top + top});
  if (bottom != 0)
    dst.copyRect({0, h - bottom, w, h}, src, {r.left, r.bottom - bottom, r.right, r.bottom});
  TileVertically(dst, top, h - bottom, 0, w, src,
                 {r.left, r.top + top, r.right, r.bottom - bottom});
}

}  // namespace skin
