// Stretch kinds, allowed sizes, placed points, mapped rectangles and
// regions of skinned controls.
#include "skin/draw/control_geometry.h"

#include "skin/draw/mask_region.h"

namespace skin {

StretchKind DecideStretchKind(const gfx::Rect& skinRect, const SkinImageGeometry& p) {
  if (skinRect.width() <= 0 || skinRect.height() <= 0) return StretchKind::None;
  if (p.rightBottom.x != 0 && p.rightBottom.y != 0) return StretchKind::Both;
  if (p.rightTop.x != 0 || p.rightTop.y != 0) return StretchKind::Horizontal;
  if (p.leftBottom.x != 0 || p.leftBottom.y != 0) return StretchKind::Vertical;
  return StretchKind::Fixed;
}

PlacedControlGeometry CalcSkinSize(const ControlSkinGeometry& g, int width, int height,
                                   const SkinImageGeometry& previous) {
  PlacedControlGeometry out{width, height, previous};
  const SkinImageGeometry& s = g.points;
  const int skinW = g.skinWidth();
  const int skinH = g.skinHeight();
  SkinImageGeometry& p = out.placed;
  switch (g.kind) {
    case StretchKind::None:
      break;
    case StretchKind::Fixed:
      out.width = skinW;
      out.height = skinH;
      p.clientRect = s.clientRect;
      break;
    case StretchKind::Both: {
      const int dw = width - skinW;
      const int dh = height - skinH;
      p = PlaceGeometry(s, dw, dh);
      break;
    }
    case StretchKind::Horizontal: {
      const int dw = width - skinW;
      out.height = skinH;
      p.leftTop = s.leftTop;
      p.rightTop = gfx::OffsetPoint(s.rightTop, dw, 0);
      p.clientRect = s.clientRect;
      p.clientRect.right += dw;
      break;
    }
    case StretchKind::Vertical: {
      const int dh = height - skinH;
      out.width = skinW;
      p.leftTop = s.leftTop;
      p.leftBottom = gfx::OffsetPoint(s.leftBottom, 0, dh);
      p.clientRect = s.clientRect;
      p.clientRect.bottom += dh;
      break;
    }
  }
  return out;
}

namespace {

gfx::Rect MapBoth(const SkinImageGeometry& s, int skinW, int skinH, int dw, int dh,
                  const gfx::Rect& r) {
  const gfx::Rect leftTop{0, 0, s.leftTop.x, s.leftTop.y};
  const gfx::Rect leftBottom{0, s.leftBottom.y, s.leftBottom.x, skinH};
  const gfx::Rect rightTop{s.rightTop.x, 0, skinW, s.rightTop.y};
  const gfx::Rect rightBottom{s.rightBottom.x, s.rightBottom.y, skinW, skinH};
  if (gfx::RectInRect(r, leftTop)) return r;
  if (gfx::RectInRect(r, rightTop)) return gfx::OffsetRect(r, dw, 0);
  if (gfx::RectInRect(r, leftBottom)) return gfx::OffsetRect(r, 0, dh);
  if (gfx::RectInRect(r, rightBottom)) return gfx::OffsetRect(r, dw, dh);

  const gfx::Point tl = r.topLeft();
  const gfx::Point br = r.bottomRight();
  gfx::Rect out = r;
  if (gfx::PointInRect(tl, leftTop) && gfx::PointInRect(br, rightBottom)) {
    out.right += dw;
    out.bottom += dh;
  } else if (gfx::PointInRect(tl, leftTop) && gfx::PointInRect(br, rightTop)) {
    out.right += dw;
  } else if (gfx::PointInRect(tl, leftBottom) && gfx::PointInRect(br, rightBottom)) {
    out.right += dw;
    out.top += dh;
    out.bottom += dh;
  } else if (gfx::PointInRect(tl, leftTop) && gfx::PointInRect(br, leftBottom)) {
    out.bottom += dh;
  } else if (gfx::PointInRect(tl, rightTop) && gfx::PointInRect(br, rightBottom)) {
    out.left += dw;
    out.right += dw;
    out.bottom += dh;
  }
  return out;
}

}  // namespace

gfx::Rect MapSkinRect(const ControlSkinGeometry& g, int width, int height, const gfx::Rect& r) {
  const SkinImageGeometry& s = g.points;
  const int dw = width - g.skinWidth();
  const int dh = height - g.skinHeight();
  switch (g.kind) {
    case StretchKind::Both:
      return MapBoth(s, g.skinWidth(), g.skinHeight(), dw, dh, r);
    case StretchKind::Horizontal:
      if (r.left <= s.leftTop.x && r.right >= s.rightTop.x) {
        return {r.left, r.top, r.right + dw, r.bottom};
      }
      if (r.left >= s.rightTop.x && r.right > s.rightTop.x) return gfx::OffsetRect(r, dw, 0);
      return r;
    case StretchKind::Vertical:
      if (r.top <= s.leftTop.y && r.bottom >= s.leftBottom.y) {
        return {r.left, r.top, r.right, r.bottom + dh};
      }
      if (r.top >= s.leftBottom.y && r.bottom > s.leftBottom.y) return gfx::OffsetRect(r, 0, dh);
      return r;
    case StretchKind::Fixed:
    case StretchKind::None:
      break;
  }
  return r;
}

std::optional<gfx::Region> BuildControlRegion(const ControlSkinGeometry& g,
                                              const SkinImageGeometry& placed,
                                              const gfx::Bitmap& mask, int width, int height) {
  if (mask.empty()) return std::nullopt;
  const SkinImageGeometry& s = g.points;
  switch (g.kind) {
    case StretchKind::None:
      return std::nullopt;
    case StretchKind::Fixed:
      return BuildMaskRegion(mask);
    case StretchKind::Both:
      return BuildFrameRegion(s, placed, mask, width, height);
    case StretchKind::Horizontal: {
      SkinImageGeometry stored = s;
      stored.leftBottom = s.leftTop;
      stored.rightBottom = s.rightTop;
      SkinImageGeometry p = placed;
      p.leftTop = s.leftTop;
      p.leftBottom = s.leftTop;
      p.rightTop = {width + s.rightTop.x - g.skinWidth(), s.rightTop.y};
      p.rightBottom = p.rightTop;
      return BuildFrameRegion(stored, p, mask, width, height);
    }
    case StretchKind::Vertical: {
      SkinImageGeometry stored = s;
      stored.rightTop = s.leftTop;
      stored.rightBottom = s.leftBottom;
      SkinImageGeometry p = placed;
      p.leftTop = s.leftTop;
      p.rightTop = s.leftTop;
      p.leftBottom = {s.leftBottom.x, height + s.leftBottom.y - g.skinHeight()};
      p.rightBottom = p.leftBottom;
      return BuildFrameRegion(stored, p, mask, width, height);
    }
  }
  return std::nullopt;
}

}  // namespace skin
