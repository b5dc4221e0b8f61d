// Bitmap: block copies on rows of pixel words.
#include "ui/graphics/bitmap.h"

#include <algorithm>
#include <cstring>

namespace gfx {

Bitmap::Bitmap(int width, int height) { resize(width, height); }

Bitmap::Bitmap(QImage image) {
  if (!image.isNull()) image_ = image.convertToFormat(QImage::Format_RGB32);
}

Bitmap Bitmap::Transparent(int width, int height) {
  Bitmap b;
  if (width > 0 && height > 0) {
    b.image_ = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
    b.image_.fill(0u);
  }
  return b;
}

void Bitmap::resize(int width, int height) {
  if (width <= 0 || height <= 0) {
    clear();
    return;
  }
  if (image_.width() != width || image_.height() != height || image_.isNull() ||
      image_.format() != QImage::Format_RGB32)
    image_ = QImage(width, height, QImage::Format_RGB32);
  image_.fill(kBlack.toPixel());
}

void Bitmap::clear() { image_ = QImage(); }

Color Bitmap::pixelOr(int x, int y, Color outside) const {
  if (x < 0 || y < 0 || x >= width() || y >= height()) return outside;
  return pixel(x, y);
}

void Bitmap::fill(Color c) {
  if (!empty()) image_.fill(c.toPixel());
}

void Bitmap::fillRect(const Rect& r, Color c) {
  const Rect clip = IntersectRect(r, rect());
  if (IsNullRect(clip)) return;
  const std::uint32_t p = c.toPixel();
  for (int y = clip.top; y < clip.bottom; ++y)
    std::fill(row(y) + clip.left, row(y) + clip.right, p);
}

void Bitmap::copyRect(const Rect& dstRect, const Bitmap& src, const Rect& srcRect) {
  if (empty() || src.empty() || IsNullRect(dstRect) || IsNullRect(srcRect)) return;
  if (dstRect.width() == srcRect.width() && dstRect.height() == srcRect.height()) {
    // Plain copy: clip the pair against both bitmaps by the same amounts.
    int sl = srcRect.left, st = srcRect.top, dl = dstRect.left, dt = dstRect.top;
    int w = srcRect.width(), h = srcRect.height();
    auto clipStart = [&](int& s, int& d, int& len) {
      const int cut = std::max({0, -s, -d});
      s += cut;
      d += cut;
      len -= cut;
    };
    clipStart(sl, dl, w);
    clipStart(st, dt, h);
    w = std::min({w, src.width() - sl, width() - dl});
    h = std::min({h, src.height() - st, height() - dt});
    if (w <= 0 || h <= 0) return;
    const bool overlap = &src == this && dt > st;
    for (int i = 0; i < h; ++i) {
      const int k = overlap ? h - 1 - i : i;
      std::memmove(row(dt + k) + dl, src.row(st + k) + sl, static_cast<std::size_t>(w) * 4);
    }
    return;
  }
  // Nearest-neighbour scale, as the platform's default stretching does: the
  // destination pixel at offset i takes source offset i * srcLen / dstLen.
  const Rect clip = IntersectRect(dstRect, rect());
  if (IsNullRect(clip)) return;
  const Bitmap* from = &src;
  Bitmap copy;
  if (&src == this) {
    copy = src;
    from = &copy;
  }
  const int dw = dstRect.width(), dh = dstRect.height();
  const int sw = srcRect.width(), shh = srcRect.height();
  std::vector<int> xs(static_cast<std::size_t>(clip.width()));
  for (int x = clip.left; x < clip.right; ++x)
    xs[static_cast<std::size_t>(x - clip.left)] =
        srcRect.left + static_cast<int>(static_cast<long long>(x - dstRect.left) * sw / dw);
  for (int y = clip.top; y < clip.bottom; ++y) {
    const int sy =
        srcRect.top + static_cast<int>(static_cast<long long>(y - dstRect.top) * shh / dh);
    if (sy < 0 || sy >= from->height()) continue;
    const std::uint32_t* s = from->row(sy);
    std::uint32_t* d = row(y);
    for (int x = clip.left; x < clip.right; ++x) {
      const int sx = xs[static_cast<std::size_t>(x - clip.left)];
      if (sx >= 0 && sx < from->width()) d[x] = s[sx];
    }
  }
}

void Bitmap::draw(int x, int y, const Bitmap& src) {
  copyRect(Rect::fromSize(x, y, src.width(), src.height()), src, src.rect());
}

void Bitmap::drawTransparent(int x, int y, const Bitmap& src, const Rect& srcRect, Color key) {
  if (empty() || src.empty()) return;
  const Rect s = IntersectRect(srcRect, src.rect());
  if (IsNullRect(s)) return;
  const std::uint32_t k = key.toPixel();
  const int dx = x + (s.left - srcRect.left), dy = y + (s.top - srcRect.top);
  for (int j = 0; j < s.height(); ++j) {
    const int ty = dy + j;
    if (ty < 0 || ty >= height()) continue;
    const std::uint32_t* sr = src.row(s.top + j) + s.left;
    std::uint32_t* dr = row(ty);
    for (int i = 0; i < s.width(); ++i) {
      const int tx = dx + i;
      if (tx < 0 || tx >= width()) continue;
      if ((sr[i] | 0xFF000000u) != k) dr[tx] = sr[i] | 0xFF000000u;
    }
  }
}

void Bitmap::setStoredFormat(int bits, std::vector<Color> palette) {
  storedBits_ = bits;
  storedPalette_ = std::move(palette);
}

bool Bitmap::operator==(const Bitmap& o) const {
  if (width() != o.width() || height() != o.height()) return false;
  for (int y = 0; y < height(); ++y)
    for (int x = 0; x < width(); ++x)
      if ((row(y)[x] | 0xFF000000u) != (o.row(y)[x] | 0xFF000000u)) return false;
  return true;
}

}  // namespace gfx
