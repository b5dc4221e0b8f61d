// Places the images of a skin picture in rows (a shelf packer): each image
// gets its own rect with a gap around it, so no composition ever reads a
// neighbour's pixels.
#pragma once

#include "ui/graphics/bitmap.h"
#include "ui/graphics/geometry.h"

namespace skingen {

class Atlas {
 public:
  // width: the picture width; the height grows as images are placed.
  Atlas(int width, int maxHeight, gfx::Color background);

  // A free rect of w x h, taken from the current row or a new one.
  gfx::Rect place(int w, int h);
  // Starts a new row for the next image.
  void newRow();

  gfx::Bitmap& bitmap() { return bmp_; }
  // The picture cut to the rows in use.
  gfx::Bitmap finish() const;

 private:
  static constexpr int kGap = 2;
  gfx::Bitmap bmp_;
  int x_ = kGap;
  int y_ = kGap;
  int rowHeight_ = 0;
};

}  // namespace skingen
