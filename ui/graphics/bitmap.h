// A 32-bit pixel buffer (one QImage in RGB32) with pixel and row access and the
// block copies the composition code is built from.
//
// Rows hold pixel words 0xFFRRGGBB (Color::toPixel / Color::fromPixel).
// A bitmap read from a BMP file remembers the depth and colour table it was
// stored with, so that it can be written back in the same form.
#pragma once

#include <cstdint>
#include <vector>

#include <QImage>

#include "ui/graphics/color.h"
#include "ui/graphics/geometry.h"

namespace gfx {

class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height);  // filled black
  explicit Bitmap(QImage image);  // converted to RGB32
  // A bitmap whose pixels start fully transparent, for a control drawn over
  // its parent: whatever is drawn on it is opaque, and the soft edges of
  // text keep their coverage instead of blending with a stand-in colour.
  // Resizing makes it an ordinary (opaque) bitmap again.
  static Bitmap Transparent(int width, int height);

  int width() const { return image_.width(); }
  int height() const { return image_.height(); }
  Rect rect() const { return {0, 0, width(), height()}; }
  bool empty() const { return image_.isNull() || width() == 0 || height() == 0; }

  // Changes the size; the content is cleared to black.
  void resize(int width, int height);
  // Frees the pixels; the bitmap becomes empty.
  void clear();

  Color pixel(int x, int y) const { return Color::fromPixel(row(y)[x]); }
  void setPixel(int x, int y, Color c) { row(y)[x] = c.toPixel(); }
  // Pixel or the given colour when (x, y) lies outside.
  Color pixelOr(int x, int y, Color outside) const;

  std::uint32_t* row(int y) { return reinterpret_cast<std::uint32_t*>(image_.scanLine(y)); }
  const std::uint32_t* row(int y) const {
    return reinterpret_cast<const std::uint32_t*>(image_.constScanLine(y));
  }

  void fill(Color c);
  void fillRect(const Rect& r, Color c);  // clipped to the bitmap

  // Copies src's srcRect into dstRect of this bitmap: a plain pixel copy when
  // both have the same size, else a nearest-neighbour scale. Both rects are
  // clipped to their bitmaps; nothing outside is read or written.
  void copyRect(const Rect& dstRect, const Bitmap& src, const Rect& srcRect);
  // Copies all of src with its left-top corner at (x, y).
  void draw(int x, int y, const Bitmap& src);
  // Copies src's srcRect to (x, y), leaving out the pixels of the key colour.
  void drawTransparent(int x, int y, const Bitmap& src, const Rect& srcRect, Color key);

  // The depth the picture was stored with (1, 4, 8, 16, 24 or 32; 24 for a
  // bitmap made in memory) and its colour table (empty above 8 bits).
  int storedBits() const { return storedBits_; }
  const std::vector<Color>& storedPalette() const { return storedPalette_; }
  void setStoredFormat(int bits, std::vector<Color> palette);

  bool operator==(const Bitmap& o) const;

  QImage& image() { return image_; }
  const QImage& image() const { return image_; }

 private:
  QImage image_;
  int storedBits_ = 24;
  std::vector<Color> storedPalette_;
};

}  // namespace gfx
