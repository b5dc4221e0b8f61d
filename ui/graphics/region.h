// A window region: a union of rectangles, built in one call from a rectangle
// list and handed to Qt as a QRegion at the window boundary.
#pragma once

#include <vector>

#include <QRegion>

#include "ui/graphics/geometry.h"

namespace gfx {

class Region {
 public:
  Region() = default;
  explicit Region(const Rect& r);
  explicit Region(const std::vector<Rect>& rects);

  bool empty() const { return region_.isEmpty(); }
  bool contains(const Point& p) const;  // left/top in, right/bottom out
  Rect bounds() const;
  std::vector<Rect> rects() const;  // the region's own banded rectangles

  Region united(const Region& o) const;
  Region intersected(const Region& o) const;
  Region subtracted(const Region& o) const;
  Region translated(int dx, int dy) const;
  bool operator==(const Region& o) const { return region_ == o.region_; }

  const QRegion& toQRegion() const { return region_; }
  static Region fromQRegion(const QRegion& r);

 private:
  QRegion region_;
};

}  // namespace gfx
