// Placing the skinned frame's geometry for a window size.
#include "skin/frame/frame_geometry.h"

#include <algorithm>

namespace skin {

namespace {

gfx::Point Moved(gfx::Point p, int dx, int dy) { return {p.x + dx, p.y + dy}; }

// A corner area of the frame picture, with the point test of the frame.
// A rectangle's right-bottom corner is exclusive, so a rectangle that ends
// on the picture's right or bottom edge has that corner on the edge itself:
// it still counts as inside the area that reaches that edge, or an object
// drawn at the picture's edge would never follow the window's edge.
struct CornerArea {
  gfx::Rect area;
  gfx::Size picture;

  bool holdsTopLeft(gfx::Point p) const { return gfx::PtInRect(area, p); }
  bool holdsBottomRight(gfx::Point p) const {
    const bool inX = p.x >= area.left &&
                     (p.x < area.right || (p.x == area.right && area.right == picture.width));
    const bool inY = p.y >= area.top &&
                     (p.y < area.bottom || (p.y == area.bottom && area.bottom == picture.height));
    return inX && inY;
  }
  bool holds(const gfx::Rect& r) const {
    return holdsTopLeft(r.topLeft()) && holdsBottomRight(r.bottomRight());
  }
};

}  // namespace

PlacedFrameGeometry PlaceFrameGeometry(const SkinFormInfo& info, gfx::Size pictureSize,
                                       int composedWidth, int composedHeight) {
  PlacedFrameGeometry g;
  g.composedWidth = composedWidth;
  g.composedHeight = composedHeight;
  const int dx = composedWidth - pictureSize.width;
  const int dy = composedHeight - pictureSize.height;
  g.dx = dx;
  g.dy = dy;

  g.leftTop = info.leftTopPoint;
  g.rightTop = Moved(info.rightTopPoint, dx, 0);
  g.leftBottom = Moved(info.leftBottomPoint, 0, dy);
  g.rightBottom = Moved(info.rightBottomPoint, dx, dy);

  g.clientArea = info.clientRect;
  g.clientArea.right += dx;
  g.clientArea.bottom += dy;

  g.captionArea = info.captionRect;
  if (!gfx::IsNullRect(info.captionRect)) g.captionArea.right += dx;

  // Buttons laid out in the right half of the picture follow the right edge.
  g.buttonsArea = info.buttonsRect;
  if (!gfx::IsNullRect(info.buttonsRect) &&
      info.buttonsRect.left > gfx::Div(pictureSize.width, 2)) {
    g.buttonsArea = gfx::OffsetRect(info.buttonsRect, dx, 0);
  }

  g.buttonsOffset = info.buttonsOffset;
  g.buttonsInLeft = info.buttonsInLeft;

  g.hitLeftTop = info.hitTestLeftTopPoint;
  g.hitRightTop = Moved(info.hitTestRightTopPoint, dx, 0);
  g.hitLeftBottom = Moved(info.hitTestLeftBottomPoint, 0, dy);
  g.hitRightBottom = Moved(info.hitTestRightBottomPoint, dx, dy);

  g.maskArea = info.maskRectArea;
  g.maskArea.right += dx;
  g.maskArea.bottom += dy;
  return g;
}

gfx::Rect MapFrameRect(const SkinFormInfo& info, gfx::Size pictureSize,
                       const PlacedFrameGeometry& placed, const gfx::Rect& rect) {
  const int pw = pictureSize.width;
  const int ph = pictureSize.height;
  const int dx = placed.dx;
  const int dy = placed.dy;
  const CornerArea leftTop{{0, 0, info.leftTopPoint.x, info.leftTopPoint.y}, pictureSize};
  const CornerArea leftBottom{{0, info.leftBottomPoint.y, info.leftBottomPoint.x, ph}, pictureSize};
  const CornerArea rightTop{{info.rightTopPoint.x, 0, pw, info.rightTopPoint.y}, pictureSize};
  const CornerArea rightBottom{{info.rightBottomPoint.x, info.rightBottomPoint.y, pw, ph},
                               pictureSize};

  // Wholly inside one corner area: moves with that corner.
  if (leftTop.holds(rect)) return rect;
  if (rightTop.holds(rect)) return gfx::OffsetRect(rect, dx, 0);
  if (leftBottom.holds(rect)) return gfx::OffsetRect(rect, 0, dy);
  if (rightBottom.holds(rect)) return gfx::OffsetRect(rect, dx, dy);

  // Spanning two corner areas: grows with the border between them.
  const gfx::Point tl = rect.topLeft();
  const gfx::Point br = rect.bottomRight();
  gfx::Rect r = rect;
  if (leftTop.holdsTopLeft(tl) && rightBottom.holdsBottomRight(br)) {
    r.right += dx;
    r.bottom += dy;
  } else if (leftTop.holdsTopLeft(tl) && rightTop.holdsBottomRight(br)) {
    r.right += dx;
  } else if (leftBottom.holdsTopLeft(tl) && rightBottom.holdsBottomRight(br)) {
    r.right += dx;
    r = gfx::OffsetRect(r, 0, dy);
  } else if (leftTop.holdsTopLeft(tl) && leftBottom.holdsBottomRight(br)) {
    r.bottom += dy;
  } else if (rightTop.holdsTopLeft(tl) && rightBottom.holdsBottomRight(br)) {
    r = gfx::OffsetRect(r, dx, 0);
    r.bottom += dy;
  }
  return r;
}

gfx::Rect SkinnedClientRect(const SkinFormInfo& info, gfx::Size pictureSize,
                            const gfx::Rect& window) {
  gfx::Rect r = window;
  r.left += info.clientRect.left;
  r.top += info.clientRect.top;
  r.right -= pictureSize.width - info.clientRect.right;
  r.bottom -= pictureSize.height - info.clientRect.bottom;
  // A client rect reaching past the skin's picture does not take the
  // client area (and the window's controls) outside the window.
  r.left = std::max(r.left, window.left);
  r.top = std::max(r.top, window.top);
  r.right = std::min(r.right, window.right);
  r.bottom = std::min(r.bottom, window.bottom);
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

}  // namespace skin
