// Mask scanning, mask strips and frame regions.
#include "skin/draw/mask_region.h"

#include <algorithm>

#include "skin/draw/scan_bitmap.h"
#include "skin/draw/tiling.h"

namespace skin {

using gfx::Bitmap;
using gfx::Rect;

std::optional<RegionData> MaskToRects(const Bitmap& mask, int dx, int dy) {
  if (mask.empty()) return std::nullopt;
  const TbsFBitmap scan(mask);
  RegionData data;
  data.bounds = {dx, dy, dx + scan.width(), dy + scan.height()};
  const int w = scan.width();
  for (int y = 0; y < scan.height(); ++y) {
    const std::uint8_t* row = scan.row(y);
    auto black = [row](int x) {
      const std::uint8_t* p = row + 3 * x;
      return (p[0] | p[1] | p[2]) == 0;
    };
    int x = 0;
    while (x < w) {
      if (!black(x)) {
        ++x;
        continue;
      }
      const int x0 = x;
      while (x < w && black(x)) ++x;
      data.rects.push_back({x0 + dx, y + dy, x + dx, y + dy + 1});
    }
  }
  return data;
}

namespace {

void putInt32(std::vector<std::uint8_t>& out, std::size_t at, std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i)
    out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(u >> (8 * i));
}

void putRect(std::vector<std::uint8_t>& out, std::size_t at, const Rect& r) {
  putInt32(out, at, r.left);
  putInt32(out, at + 4, r.top);
  putInt32(out, at + 8, r.right);
  putInt32(out, at + 12, r.bottom);
}

}  // namespace

std::vector<std::uint8_t> EncodeRegionData(const RegionData& data) {
  std::vector<std::uint8_t> out(kRegionDataHeaderSize + kRegionDataRectSize * data.rects.size());
  putInt32(out, 0, static_cast<std::int32_t>(kRegionDataHeaderSize));
  putInt32(out, 4, 1);  // the rectangles type
  putInt32(out, 8, static_cast<std::int32_t>(data.rects.size()));
  putInt32(out, 12, 0);
  putRect(out, 16, data.bounds);
  for (std::size_t i = 0; i < data.rects.size(); ++i)
    putRect(out, kRegionDataHeaderSize + kRegionDataRectSize * i, data.rects[i]);
  return out;
}

gfx::Region RegionFromData(const RegionData& data) { return gfx::Region(data.rects); }

std::optional<gfx::Region> BuildMaskRegion(const Bitmap& mask) {
  const std::optional<RegionData> data = MaskToRects(mask, 0, 0);
  if (!data) return std::nullopt;
  return RegionFromData(*data);
}

namespace {

// A side strip (left or right) of the mask: the band x0..x1 between the
// points' rows y0 and y1 tiled from y 0 over the strip's height, then the
// fixed pieces from the client rect's top to y0 and from y1 to its bottom.
void composeSideStrip(Bitmap& out, const Bitmap& mask, const Rect& cl, int x0, int x1, int y0,
                      int y1, int height) {
  if (!PrepareDestination(out, x1 - x0, height)) return;
  out.fill(gfx::kWhite);
  const int w = x1 - x0;
  if (y1 != y0) TileVertically(out, 0, height, 0, w, mask, {x0, y0, x1, y1});
  if (y0 - cl.top > 0) out.copyRect({0, 0, w, y0 - cl.top}, mask, {x0, cl.top, x1, y0});
  if (cl.bottom - y1 > 0)
    out.copyRect({0, height - (cl.bottom - y1), w, height}, mask, {x0, y1, x1, cl.bottom});
}

// A top or bottom strip of width w: the band rows y0..y1 between the points'
// columns x0 and x1 tiled from the placed nx0 up to nx1, then the fixed
// pieces from x 0 and from nx1 up to w.
void composeEdgeStrip(Bitmap& out, const Bitmap& mask, int y0, int y1, int x0, int x1, int nx0,
                      int nx1, int w) {
  if (!PrepareDestination(out, w, y1 - y0)) return;
  out.fill(gfx::kWhite);
  const int h = y1 - y0;
  if (x1 != x0) TileHorizontally(out, nx0, nx1, 0, h, mask, {x0, y0, x1, y1});
  out.copyRect({0, 0, x0, h}, mask, {0, y0, x0, y1});
  out.copyRect({nx1, 0, w, h}, mask, {x1, y0, mask.width(), y1});
}

}  // namespace

void ComposeMaskStrips(const SkinImageGeometry& g, const SkinImageGeometry& n, const Bitmap& mask,
                       MaskStrips& strips, int w) {
  strips = {};
  if (mask.empty() || !WithinDrawingRange(g, n, mask.rect(), w, 0)) return;
  const Rect& cl = g.clientRect;
  // The mask area lies in the mask's coordinates; one that reaches before
  // the mask's left or top edge shapes nothing.
  if (cl.left < 0 || cl.top < 0 || cl.right < 0 || cl.bottom < 0) return;
  // Bands reaching past the mask's right or bottom edge hold no black pixel
  // there, so the strips stop at the mask's edge.
  const int left = std::min(cl.left, mask.width()), top = std::min(cl.top, mask.height());
  const int height = n.clientRect.height();
  if (left > 0 && height > 0)
    composeSideStrip(strips.left, mask, cl, 0, left, g.leftTop.y, g.leftBottom.y, height);
  if (mask.width() - cl.right > 0 && height > 0)
    composeSideStrip(strips.right, mask, cl, cl.right, mask.width(), g.rightTop.y, g.rightBottom.y,
                     height);
  if (w > 0 && top > 0)
    composeEdgeStrip(strips.top, mask, 0, top, g.leftTop.x, g.rightTop.x, n.leftTop.x, n.rightTop.x,
                     w);
  if (w >= 1 && mask.height() - cl.bottom >= 1)
    composeEdgeStrip(strips.bottom, mask, cl.bottom, mask.height(), g.leftBottom.x, g.rightBottom.x,
                     n.leftBottom.x, n.rightBottom.x, w);
}

std::optional<gfx::Region> BuildFrameRegion(const SkinImageGeometry& g, const SkinImageGeometry& n,
                                            const Bitmap& mask, int w, int h) {
  if (!WithinDrawingRange(g, n, mask.rect(), w, h)) return std::nullopt;
  if (n.rightTop.x < n.leftTop.x || n.leftBottom.y < n.leftTop.y) return std::nullopt;
  // A placed mask area taller than the window and the mask together was not
  // placed for this window; its side strips would be made for nothing.
  if (n.clientRect.height() > std::max(h, 0) + mask.height()) return std::nullopt;
  MaskStrips strips;
  ComposeMaskStrips(g, n, mask, strips, w);
  const Rect& ncl = n.clientRect;
  auto stripRegion = [](const Bitmap& strip, int dx, int dy) -> std::optional<gfx::Region> {
    const std::optional<RegionData> data = MaskToRects(strip, dx, dy);
    if (!data) return std::nullopt;
    return RegionFromData(*data);
  };
  const std::optional<gfx::Region> parts[] = {
      stripRegion(strips.top, 0, 0),
      stripRegion(strips.bottom, 0, ncl.bottom),
      stripRegion(strips.left, 0, ncl.top),
      stripRegion(strips.right, ncl.right, ncl.top),
      gfx::IsNullRect(ncl) ? std::nullopt : std::optional<gfx::Region>(gfx::Region(ncl)),
  };
  // Top with bottom, left with right, the pairs together, then the client.
  auto unite = [](const std::optional<gfx::Region>& a,
                  const std::optional<gfx::Region>& b) -> std::optional<gfx::Region> {
    if (!a) return b;
    if (!b) return a;
    return a->united(*b);
  };
  std::optional<gfx::Region> result =
      unite(unite(unite(parts[0], parts[1]), unite(parts[2], parts[3])), parts[4]);
  // Nothing of a window region lies outside the window.
  if (result) result = result->intersected(gfx::Region(Rect{0, 0, w, h}));
  return result;
}

}  // namespace skin
