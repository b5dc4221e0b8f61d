// Region: a thin value type over QRegion with our rectangle convention.
#include "ui/graphics/region.h"

#include "ui/graphics/qt_convert.h"

namespace gfx {

Region::Region(const Rect& r) {
  if (!IsNullRect(r)) region_ = QRegion(toQRect(r));
}

namespace {

// Whether the rectangles already have the banded form Qt stores: sorted by
// top then left, one height per band, no overlap and no horizontal contact.
bool isBanded(const std::vector<QRect>& q) {
  for (std::size_t i = 1; i < q.size(); ++i) {
    const QRect& a = q[i - 1];
    const QRect& b = q[i];
    if (b.top() == a.top()) {
      if (b.height() != a.height() || b.left() <= a.right() + 1) return false;
    } else if (b.top() <= a.bottom()) {
      return false;
    }
  }
  return true;
}

// Union of q[from, to) by halves, so that n rectangles cost n log n.
QRegion uniteRange(const std::vector<QRect>& q, std::size_t from, std::size_t to) {
  if (to - from == 1) return QRegion(q[from]);
  const std::size_t mid = from + (to - from) / 2;
  return uniteRange(q, from, mid).united(uniteRange(q, mid, to));
}

}  // namespace

Region::Region(const std::vector<Rect>& rects) {
  std::vector<QRect> q;
  q.reserve(rects.size());
  for (const Rect& r : rects)
    if (!IsNullRect(r)) q.push_back(toQRect(r));
  if (q.empty()) return;
  if (isBanded(q))
    region_.setRects(q.data(), static_cast<int>(q.size()));
  else
    region_ = uniteRange(q, 0, q.size());
}

bool Region::contains(const Point& p) const { return region_.contains(QPoint(p.x, p.y)); }

Rect Region::bounds() const { return empty() ? Rect{} : fromQRect(region_.boundingRect()); }

std::vector<Rect> Region::rects() const {
  std::vector<Rect> out;
  for (const QRect& r : region_) out.push_back(fromQRect(r));
  return out;
}

Region Region::united(const Region& o) const { return fromQRegion(region_.united(o.region_)); }
Region Region::intersected(const Region& o) const {
  return fromQRegion(region_.intersected(o.region_));
}
Region Region::subtracted(const Region& o) const {
  return fromQRegion(region_.subtracted(o.region_));
}
Region Region::translated(int dx, int dy) const { return fromQRegion(region_.translated(dx, dy)); }

Region Region::fromQRegion(const QRegion& r) {
  Region out;
  out.region_ = r;
  return out;
}

}  // namespace gfx
