// Tiling and stretching of pieces, on row copies.
//
// The fast paths fill a span by doubling: the first tile is copied from the
// source, then the already filled part of the same row is copied behind
// itself, so a row of any length costs a handful of block copies. They give
// exactly the pixels of the tile-by-tile rule and are taken whenever the
// piece lies inside its picture and the span inside the destination; other
// cases go tile by tile through the clipped rectangle copy.
#include "skin/draw/tiling.h"

#include <algorithm>
#include <cstring>

namespace skin {

namespace {

using gfx::Bitmap;
using gfx::Rect;

// Row addresses from one look-up of the pixel storage: asking the bitmap for
// every row checks on each call whether its storage is shared.
struct Rows {
  explicit Rows(Bitmap& b)
      : base(reinterpret_cast<std::uint32_t*>(b.image().bits())),
        stride(static_cast<std::size_t>(b.image().bytesPerLine()) / 4) {}
  std::uint32_t* operator[](int y) const { return base + stride * static_cast<std::size_t>(y); }
  std::uint32_t* base;
  std::size_t stride;
};

struct ConstRows {
  explicit ConstRows(const Bitmap& b)
      : base(reinterpret_cast<const std::uint32_t*>(b.image().constBits())),
        stride(static_cast<std::size_t>(b.image().bytesPerLine()) / 4) {}
  const std::uint32_t* operator[](int y) const {
    return base + stride * static_cast<std::size_t>(y);
  }
  const std::uint32_t* base;
  std::size_t stride;
};

bool inside(const Rect& r, const Bitmap& b) {
  return r.left >= 0 && r.top >= 0 && r.right <= b.width() && r.bottom <= b.height();
}

// Fills row[0, len) with the pattern pattern[0, d) repeated.
void fillRowPeriodic(std::uint32_t* row, int len, const std::uint32_t* pattern, int d) {
  int filled = std::min(d, len);
  std::memcpy(row, pattern, static_cast<std::size_t>(filled) * 4);
  while (filled < len) {
    const int n = std::min(filled, len - filled);
    std::memcpy(row + filled, row, static_cast<std::size_t>(n) * 4);
    filled += n;
  }
}

// Copies a few pixels with fixed-size moves, which the compiler inlines.
void copyFew(std::uint32_t* to, const std::uint32_t* from, int n) {
  for (; n >= 4; n -= 4, to += 4, from += 4) std::memcpy(to, from, 16);
  for (; n > 0; --n) *to++ = *from++;
}

// The first tile of a span starting at s that reaches into x >= 0.
int firstTile(int s, int d) { return s < 0 ? gfx::Div(-s, d) : 0; }

}  // namespace

void CopyPiece(Bitmap& dst, const Rect& to, const Bitmap& src, const Rect& piece) {
  const int w = to.width(), h = to.height();
  if (w <= 0 || h <= 0 || w != piece.width() || h != piece.height() || !inside(to, dst) ||
      !inside(piece, src) || &dst == &src) {
    dst.copyRect(to, src, piece);
    return;
  }
  const Rows rowsTo(dst);
  const ConstRows rowsFrom(src);
  for (int y = 0; y < h; ++y) {
    std::uint32_t* d = rowsTo[to.top + y] + to.left;
    const std::uint32_t* s = rowsFrom[piece.top + y] + piece.left;
    if (w <= 16)
      copyFew(d, s, w);
    else
      std::memcpy(d, s, static_cast<std::size_t>(w) * 4);
  }
}

Bitmap BitmapView(Bitmap& b, const Rect& r) {
  QImage& image = b.image();
  const qsizetype stride = image.bytesPerLine();
  uchar* first = image.bits() + stride * r.top + static_cast<qsizetype>(r.left) * 4;
  // The image refers to b's pixels and owns none: the Bitmap made from an
  // image already in its format shares it instead of converting.
  return Bitmap(QImage(first, r.width(), r.height(), stride, QImage::Format_RGB32));
}

bool TilesCover(const Bitmap& src, const Rect& piece, int thickness, bool alongX) {
  return inside(piece, src) && !gfx::IsNullRect(piece) &&
         thickness == (alongX ? piece.height() : piece.width());
}

bool PrepareDestination(Bitmap& dst, int w, int h, bool clear) {
  if (w <= 0 || h <= 0) {
    dst.clear();
    return false;
  }
  if (dst.width() != w || dst.height() != h)
    dst.resize(w, h);
  else if (clear)
    dst.fill(gfx::kBlack);
  return dst.width() == w && dst.height() == h;
}

void TileHorizontally(Bitmap& dst, int s, int e, int top, int bottom, const Bitmap& src,
                      const Rect& piece) {
  const int d = piece.width();
  if (d <= 0 || e <= s || bottom <= top || dst.empty() || src.empty()) return;
  const Rect span{s, top, e, bottom};
  if (bottom - top == piece.height() && inside(piece, src) && inside(span, dst)) {
    const Rows to(dst);
    const ConstRows from(src);
    for (int y = 0; y < piece.height(); ++y)
      fillRowPeriodic(to[top + y] + s, e - s, from[piece.top + y] + piece.left, d);
    return;
  }
  // Tiles wholly before 0 or beyond the destination change nothing.
  e = std::min(e, dst.width());
  const int n = gfx::Div(e - s, d);
  for (int i = firstTile(s, d); i <= n; ++i) {
    const int c = std::max(0, s + (i + 1) * d - e);
    dst.copyRect({s + i * d, top, s + (i + 1) * d - c, bottom}, src,
                 {piece.left, piece.top, piece.right - c, piece.bottom});
  }
}

void TileVertically(Bitmap& dst, int s, int e, int left, int right, const Bitmap& src,
                    const Rect& piece) {
  const int d = piece.height();
  if (d <= 0 || e <= s || right <= left || dst.empty() || src.empty()) return;
  const Rect span{left, s, right, e};
  if (right - left == piece.width() && inside(piece, src) && inside(span, dst)) {
    const int w = right - left;
    const Rows toRows(dst);
    const ConstRows fromRows(src);
    for (int y = s, k = 0; y < e; ++y, k = k + 1 == d ? 0 : k + 1) {
      const std::uint32_t* from = fromRows[piece.top + k] + piece.left;
      std::uint32_t* to = toRows[y] + left;
      // Side borders are a few pixels wide: a call per row would cost more
      // than the copy.
      if (w <= 16)
        copyFew(to, from, w);
      else
        std::memcpy(to, from, static_cast<std::size_t>(w) * 4);
    }
    return;
  }
  e = std::min(e, dst.height());
  const int n = gfx::Div(e - s, d);
  for (int i = firstTile(s, d); i <= n; ++i) {
    const int c = std::max(0, s + (i + 1) * d - e);
    dst.copyRect({left, s + i * d, right, s + (i + 1) * d - c}, src,
                 {piece.left, piece.top, piece.right, piece.bottom - c});
  }
}

void TileArea(Bitmap& dst, const Rect& area, const Bitmap& src, const Rect& piece) {
  const int tw = piece.width(), th = piece.height();
  if (tw <= 0 || th <= 0 || gfx::IsNullRect(area) || dst.empty() || src.empty()) return;
  if (inside(piece, src) && inside(area, dst)) {
    // The first band of rows is tiled along x, every later row repeats the
    // row one tile height above it.
    const int len = area.width();
    const Rows to(dst);
    const ConstRows from(src);
    for (int y = area.top; y < area.bottom; ++y) {
      std::uint32_t* d = to[y] + area.left;
      if (y - area.top < th)
        fillRowPeriodic(d, len, from[piece.top + (y - area.top)] + piece.left, tw);
      else
        std::memcpy(d, to[y - th] + area.left, static_cast<std::size_t>(len) * 4);
    }
    return;
  }
  // Columns outer, rows inner, each cut at the area's far edges.
  const int right = std::min(area.right, dst.width()), bottom = std::min(area.bottom, dst.height());
  const int nx = gfx::Div(right - area.left, tw), ny = gfx::Div(bottom - area.top, th);
  for (int i = firstTile(area.left, tw); i <= nx; ++i) {
    const int cx = std::max(0, area.left + (i + 1) * tw - right);
    for (int j = firstTile(area.top, th); j <= ny; ++j) {
      const int cy = std::max(0, area.top + (j + 1) * th - bottom);
      dst.copyRect({area.left + i * tw, area.top + j * th, area.left + (i + 1) * tw - cx,
                    area.top + (j + 1) * th - cy},
                   src, {piece.left, piece.top, piece.right - cx, piece.bottom - cy});
    }
  }
}

void StretchPiece(Bitmap& dst, const Rect& dstRect, const Bitmap& src, const Rect& piece) {
  if (gfx::IsNullRect(dstRect) || gfx::IsNullRect(piece) || dst.empty() || src.empty()) return;
  if (!gfx::IsNullRect(gfx::IntersectRect(piece, src.rect())) && !inside(piece, src)) {
    // Parts of the piece outside the picture are black in the temporary copy.
    Bitmap own(piece.width(), piece.height());
    own.copyRect(own.rect(), src, piece);
    dst.copyRect(dstRect, own, own.rect());
    return;
  }
  if (!inside(piece, src)) {
    dst.fillRect(dstRect, gfx::kBlack);
    return;
  }
  // The piece lies inside the picture: its own-size copy holds exactly the
  // picture's pixels, so it is scaled from the picture directly.
  dst.copyRect(dstRect, src, piece);
}

}  // namespace skin
