// Image lists.
#include "ui/image_list.h"

#include <algorithm>

namespace ui {

ImageList::ImageList(Component* owner, int width, int height)
    : Component(owner), width_(std::max(1, width)), height_(std::max(1, height)) {}

int ImageList::add(const gfx::Bitmap& image, bool masked, gfx::Color key) {
  gfx::Bitmap b(width_, height_);
  if (!image.empty()) b.copyRect(b.rect(), image, image.rect());
  images_.push_back({std::move(b), masked, key});
  return count() - 1;
}

int ImageList::addStrip(const gfx::Bitmap& strip, bool masked, gfx::Color key) {
  int first = -1;
  for (int x = 0; x + width_ <= strip.width(); x += width_) {
    gfx::Bitmap cell(width_, height_);
    cell.copyRect(cell.rect(), strip,
                  gfx::Rect::fromSize(x, 0, width_, std::min(height_, strip.height())));
    const int i = add(cell, masked, key);
    if (first < 0) first = i;
  }
  return first;
}

const gfx::Bitmap* ImageList::image(int index) const {
  if (index < 0 || index >= count()) return nullptr;
  return &images_[index].bitmap;
}

void ImageList::draw(gfx::Canvas& canvas, int x, int y, int index, bool enabled) const {
  if (index < 0 || index >= count()) return;
  const Entry& e = images_[index];
  if (enabled) {
    if (e.masked)
      canvas.drawTransparent(x, y, e.bitmap, e.bitmap.rect(), e.key);
    else
      canvas.draw(x, y, e.bitmap);
    return;
  }
  // Greyed: every picture pixel becomes the shadow colour, the classic
  // look of a disabled glyph.
  const gfx::Color shadow = gfx::SystemColor(gfx::SysColor::ButtonShadow);
  for (int py = 0; py < e.bitmap.height(); ++py)
    for (int px = 0; px < e.bitmap.width(); ++px) {
      const gfx::Color c = e.bitmap.pixel(px, py);
      if (e.masked && c == e.key) continue;
      const int lum = (c.red() * 30 + c.green() * 59 + c.blue() * 11) / 100;
      if (lum < 192) canvas.setPixel(x + px, y + py, shadow);
    }
}

}  // namespace ui
