// Points, rectangles and the integer arithmetic of the skin engine.
//
// Rectangles follow the convention of the skin definitions: right and bottom
// are exclusive, so width = right - left. Convert to Qt rectangles only at
// the Qt boundary (toQRect / fromQRect in qt_convert.h).
#pragma once

#include <algorithm>
#include <cmath>

namespace gfx {

struct Point {
  int x = 0;
  int y = 0;
  constexpr bool operator==(const Point&) const = default;
};

struct Size {
  int width = 0;
  int height = 0;
  constexpr bool operator==(const Size&) const = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
  constexpr Point topLeft() const { return {left, top}; }
  constexpr Point bottomRight() const { return {right, bottom}; }
  constexpr Size size() const { return {width(), height()}; }
  constexpr bool operator==(const Rect&) const = default;

  static constexpr Rect fromSize(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
  }
};

// Integer division truncating toward zero (what the skin arithmetic calls div).
constexpr int Div(int a, int b) { return a / b; }

// Round half to even, in the default floating-point rounding mode.
inline int Round(double v) { return static_cast<int>(std::nearbyint(v)); }

constexpr int Max(int a, int b) { return a > b ? a : b; }

constexpr int RectWidth(const Rect& r) { return r.right - r.left; }
constexpr int RectHeight(const Rect& r) { return r.bottom - r.top; }

// A rectangle is null when its width or height is zero or less.
constexpr bool IsNullRect(const Rect& r) { return r.width() <= 0 || r.height() <= 0; }

// A point is null when either coordinate is 0.
constexpr bool IsNullPoint(const Point& p) { return p.x == 0 || p.y == 0; }

// Point in rect with all four edges counted in.
constexpr bool PointInRect(const Point& p, const Rect& r) {
  return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

// The platform's point-in-rect test: left and top edges in, right and bottom out.
constexpr bool PtInRect(const Rect& r, const Point& p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// True when both the left-top and the right-bottom corner of inner lie in
// outer by the platform's point-in-rect test.
constexpr bool RectInRect(const Rect& inner, const Rect& outer) {
  return PtInRect(outer, inner.topLeft()) && PtInRect(outer, inner.bottomRight());
}

// Moves r so that it is centred in outer: by half the width difference and
// half the height difference, each halved toward zero.
constexpr Rect CenterRect(const Rect& r, const Rect& outer) {
  const int dx = outer.left - r.left + Div(outer.width() - r.width(), 2);
  const int dy = outer.top - r.top + Div(outer.height() - r.height(), 2);
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

constexpr Rect OffsetRect(const Rect& r, int dx, int dy) {
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

constexpr Point OffsetPoint(const Point& p, int dx, int dy) { return {p.x + dx, p.y + dy}; }

// Intersection; an empty result is returned as the all-zero rect.
constexpr Rect IntersectRect(const Rect& a, const Rect& b) {
  Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  if (r.left >= r.right || r.top >= r.bottom) return {};
  return r;
}

// Bounding rectangle of two rectangles; a null rectangle adds nothing.
constexpr Rect UnionRect(const Rect& a, const Rect& b) {
  if (IsNullRect(a)) return b;
  if (IsNullRect(b)) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

}  // namespace gfx
