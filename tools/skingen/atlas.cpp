// The shelf packer of skin pictures.
#include "atlas.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "paint.h"

namespace skingen {

Atlas::Atlas(int width, int maxHeight, gfx::Color background) : bmp_(width, maxHeight) {
  bmp_.fill(background);
}

void Atlas::newRow() {
  if (rowHeight_ == 0) return;
  y_ += rowHeight_ + kGap;
  x_ = kGap;
  rowHeight_ = 0;
}

gfx::Rect Atlas::place(int w, int h) {
  if (w + 2 * kGap > bmp_.width())
    throw std::runtime_error("skin picture: an image of width " + std::to_string(w) +
                             " does not fit the picture");
  if (x_ + w + kGap > bmp_.width()) newRow();
  if (y_ + h + kGap > bmp_.height())
    throw std::runtime_error("skin picture: out of room for an image of " + std::to_string(w) +
                             " x " + std::to_string(h));
  const gfx::Rect r = gfx::Rect::fromSize(x_, y_, w, h);
  x_ += w + kGap;
  rowHeight_ = std::max(rowHeight_, h);
  return r;
}

gfx::Bitmap Atlas::finish() const {
  const int used = y_ + rowHeight_ + kGap;
  return Crop(bmp_, {0, 0, bmp_.width(), std::min(used, bmp_.height())});
}

}  // namespace skingen
