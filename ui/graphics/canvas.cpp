// Canvas: classic drawing semantics on a Bitmap. Lines, rectangles and fills
// are plotted here so that their pixels are exact; curves, polygons and text
// go through QPainter with antialiasing off for shapes.
#include "ui/graphics/canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include "ui/graphics/qt_convert.h"

namespace gfx {

Canvas::Canvas(Bitmap& target) : target_(target) {}
Canvas::~Canvas() = default;

void Canvas::beginPainter(QPainter& p) const {
  p.setRenderHint(QPainter::Antialiasing, false);
  if (clipped_) p.setClipRegion(clip_.toQRegion());
}

void Canvas::setShapeTools(QPainter& p, int penWidth) const {
  p.setPen(QPen(toQColor(penColor_), penWidth));
  if (brushStyle_ == BrushStyle::Solid)
    p.setBrush(toQColor(brushColor_));
  else
    p.setBrush(Qt::NoBrush);
}

bool Canvas::insideClip(int x, int y) const {
  if (x < 0 || y < 0 || x >= target_.width() || y >= target_.height()) return false;
  return !clipped_ || clip_.contains({x, y});
}

void Canvas::fillClipped(const Rect& r, Color c) {
  if (!clipped_) {
    target_.fillRect(r, c);
    return;
  }
  for (const Rect& part : clip_.rects()) target_.fillRect(IntersectRect(r, part), c);
}

void Canvas::setPixel(int x, int y, Color c) {
  if (insideClip(x, y)) target_.setPixel(x, y, c);
}

Color Canvas::pixel(int x, int y) const { return target_.pixelOr(x, y, kBlack); }

// Bresenham from a towards b; b itself is left out, as the classic line
// drawing does, so that polylines do not plot their joints twice.
void Canvas::plotLine(Point a, Point b) {
  if (penWidth_ > 1) {
    if (target_.empty()) return;
    QPainter p(&target_.image());
    beginPainter(p);
    QPen pen(toQColor(penColor_));
    pen.setWidth(penWidth_);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(toQPoint(a), toQPoint(b));
    return;
  }
  int x = a.x, y = a.y;
  const int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
  const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
  int err = dx + dy;
  while (x != b.x || y != b.y) {
    setPixel(x, y, penColor_);
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

void Canvas::lineTo(int x, int y) {
  plotLine(pos_, {x, y});
  pos_ = {x, y};
}

void Canvas::line(Point a, Point b) {
  plotLine(a, b);
  pos_ = b;
}

void Canvas::polyline(const std::vector<Point>& points) {
  if (points.empty()) return;
  pos_ = points.front();
  for (std::size_t i = 1; i < points.size(); ++i) lineTo(points[i].x, points[i].y);
}

void Canvas::polygon(const std::vector<Point>& points) {
  if (points.size() < 2 || target_.empty()) return;
  QPainter p(&target_.image());
  beginPainter(p);
  QPolygon poly;
  for (const Point& pt : points) poly << toQPoint(pt);
  setShapeTools(p, penWidth_);
  p.drawPolygon(poly);
}

void Canvas::rectangle(const Rect& r) {
  if (IsNullRect(r)) return;
  if (brushStyle_ == BrushStyle::Solid) fillClipped(r, brushColor_);
  for (int i = 0; i < penWidth_ && r.width() > 2 * i && r.height() > 2 * i; ++i)
    frameRect({r.left + i, r.top + i, r.right - i, r.bottom - i}, penColor_);
}

void Canvas::roundRect(const Rect& r, int ellipseWidth, int ellipseHeight) {
  if (IsNullRect(r) || target_.empty()) return;
  QPainter p(&target_.image());
  beginPainter(p);
  setShapeTools(p, 1);
  p.drawRoundedRect(QRect(r.left, r.top, r.width() - 1, r.height() - 1), ellipseWidth / 2.0,
                    ellipseHeight / 2.0);
}

void Canvas::ellipse(const Rect& r) {
  if (IsNullRect(r) || target_.empty()) return;
  QPainter p(&target_.image());
  beginPainter(p);
  setShapeTools(p, 1);
  p.drawEllipse(QRect(r.left, r.top, r.width() - 1, r.height() - 1));
}

void Canvas::fillRect(const Rect& r) { fillClipped(r, brushColor_); }
void Canvas::fillRect(const Rect& r, Color c) { fillClipped(r, c); }

void Canvas::frameRect(const Rect& r, Color c) {
  if (IsNullRect(r)) return;
  fillClipped({r.left, r.top, r.right, r.top + 1}, c);
  fillClipped({r.left, r.bottom - 1, r.right, r.bottom}, c);
  fillClipped({r.left, r.top, r.left + 1, r.bottom}, c);
  fillClipped({r.right - 1, r.top, r.right, r.bottom}, c);
}

void Canvas::copyRect(const Rect& dst, const Bitmap& src, const Rect& srcRect) {
  if (!clipped_) {
    target_.copyRect(dst, src, srcRect);
    return;
  }
  // Through the clip: copy each clip piece of the destination separately.
  // Only same-size copies can be cut this way exactly; scaled ones go
  // through a temporary picture.
  const Bitmap* from = &src;
  Rect fromRect = srcRect;
  Bitmap scaled;
  if (dst.width() != srcRect.width() || dst.height() != srcRect.height()) {
    scaled.resize(dst.width(), dst.height());
    scaled.copyRect(scaled.rect(), src, srcRect);
    from = &scaled;
    fromRect = scaled.rect();
  }
  for (const Rect& part : clip_.rects()) {
    const Rect d = IntersectRect(dst, part);
    if (IsNullRect(d)) continue;
    const Rect s = OffsetRect(d, fromRect.left - dst.left, fromRect.top - dst.top);
    target_.copyRect(d, *from, s);
  }
}

void Canvas::draw(int x, int y, const Bitmap& src) {
  copyRect(Rect::fromSize(x, y, src.width(), src.height()), src, src.rect());
}

void Canvas::drawTransparent(int x, int y, const Bitmap& src, const Rect& srcRect, Color key) {
  if (!clipped_) {
    target_.drawTransparent(x, y, src, srcRect, key);
    return;
  }
  const std::uint32_t k = key.toPixel();
  const Rect s = IntersectRect(srcRect, src.rect());
  for (int j = s.top; j < s.bottom; ++j)
    for (int i = s.left; i < s.right; ++i) {
      const std::uint32_t p = src.row(j)[i] | 0xFF000000u;
      if (p != k) setPixel(x + i - srcRect.left, y + j - srcRect.top, Color::fromPixel(p));
    }
}

void Canvas::excludeClipRect(const Rect& r) {
  clip_ = (clipped_ ? clip_ : Region(target_.rect())).subtracted(Region(r));
  clipped_ = true;
}

void Canvas::intersectClipRect(const Rect& r) {
  clip_ = (clipped_ ? clip_ : Region(target_.rect())).intersected(Region(r));
  clipped_ = true;
}

void Canvas::setClipRegion(const Region& r) {
  clip_ = r.intersected(Region(target_.rect()));
  clipped_ = true;
}

void Canvas::resetClip() {
  clip_ = Region();
  clipped_ = false;
}

Region Canvas::clipRegion() const { return clipped_ ? clip_ : Region(target_.rect()); }

Size MeasureText(const Font& font, const std::string& text) {
  const QFontMetrics fm(ToQFont(font));
  return {fm.horizontalAdvance(toQString(text)), fm.height()};
}

Size Canvas::textExtent(const std::string& text) const { return MeasureText(font_, text); }

void Canvas::textOut(int x, int y, const std::string& text) {
  if (target_.empty() || text.empty()) return;
  const QFont qf = ToQFont(font_);
  const QFontMetrics fm(qf);
  const QString s = toQString(text);
  if (opaqueText_) fillClipped(Rect::fromSize(x, y, fm.horizontalAdvance(s), fm.height()), brushColor_);
  QPainter p(&target_.image());
  beginPainter(p);
  p.setFont(qf);
  p.setPen(toQColor(font_.color));
  p.drawText(x, y + fm.ascent(), s);
}

void Canvas::textRect(const Rect& r, int x, int y, const std::string& text) {
  if (target_.empty() || text.empty() || IsNullRect(r)) return;
  const QFont qf = ToQFont(font_);
  const QFontMetrics fm(qf);
  if (opaqueText_) fillClipped(r, brushColor_);
  QPainter p(&target_.image());
  beginPainter(p);
  p.setClipRect(toQRect(r), clipped_ ? Qt::IntersectClip : Qt::ReplaceClip);
  p.setFont(qf);
  p.setPen(toQColor(font_.color));
  p.drawText(x, y + fm.ascent(), toQString(text));
}

int Canvas::drawText(const std::string& text, Rect& r, unsigned flags) {
  const QFont qf = ToQFont(font_);
  const QFontMetrics fm(qf);
  QString s = toQString(text);
  int qflags = 0;
  qflags |= (flags & kTextCenter) ? Qt::AlignHCenter : (flags & kTextRight) ? Qt::AlignRight : Qt::AlignLeft;
  qflags |= (flags & kTextVCenter) ? Qt::AlignVCenter : (flags & kTextBottom) ? Qt::AlignBottom : Qt::AlignTop;
  if (flags & kTextWordBreak) qflags |= Qt::TextWordWrap;
  if (flags & kTextSingleLine) qflags |= Qt::TextSingleLine;
  if (!(flags & kTextNoPrefix)) qflags |= Qt::TextShowMnemonic;
  if (flags & kTextEndEllipsis) s = fm.elidedText(s, Qt::ElideRight, std::max(0, r.width()), qflags);
  if (flags & kTextCalcRect) {
    const int wrapWidth = (flags & kTextWordBreak) ? std::max(1, r.width()) : 1 << 20;
    const QRect b = fm.boundingRect(QRect(r.left, r.top, wrapWidth, 1 << 20),
                                    qflags & ~(Qt::AlignHCenter | Qt::AlignRight | Qt::AlignVCenter |
                                               Qt::AlignBottom),
                                    s);
    r.right = r.left + b.width();
    r.bottom = r.top + b.height();
    return b.height();
  }
  if (target_.empty()) return 0;
  if (opaqueText_) fillClipped(r, brushColor_);
  QPainter p(&target_.image());
  beginPainter(p);
  if (!(flags & kTextNoClip)) p.setClipRect(toQRect(r), clipped_ ? Qt::IntersectClip : Qt::ReplaceClip);
  p.setFont(qf);
  p.setPen(toQColor(font_.color));
  QRect bounding;
  p.drawText(toQRect(r), qflags, s, &bounding);
  return bounding.height();
}

void Canvas::textOutRotated90(int x, int y, const std::string& text) {
  if (target_.empty() || text.empty()) return;
  const QFont qf = ToQFont(font_);
  const QFontMetrics fm(qf);
  QPainter p(&target_.image());
  beginPainter(p);
  p.translate(x, y);
  p.rotate(-90);
  p.setFont(qf);
  p.setPen(toQColor(font_.color));
  p.drawText(0, fm.ascent(), toQString(text));
}

}  // namespace gfx
