// Image lists: pictures of one size, drawn by index, for menus, tool bars
// and buttons.
#pragma once

#include <vector>

#include "ui/component.h"
#include "ui/graphics/bitmap.h"
#include "ui/graphics/canvas.h"

namespace ui {

class ImageList : public Component {
 public:
  explicit ImageList(Component* owner = nullptr, int width = 16, int height = 16);

  int width() const { return width_; }
  int height() const { return height_; }
  int count() const { return static_cast<int>(images_.size()); }

  // Adds a picture (scaled to the list's size when it differs); the pixels
  // of the key colour are left out when drawn, when masked. Returns its index.
  int add(const gfx::Bitmap& image, bool masked = false, gfx::Color key = gfx::Color());
  // Adds every image-sized cell of a strip, left to right.
  int addStrip(const gfx::Bitmap& strip, bool masked = false, gfx::Color key = gfx::Color());
  void clear() { images_.clear(); }
  const gfx::Bitmap* image(int index) const;

  // Draws picture index at (x, y); disabled ones are drawn greyed. An index
  // outside the list draws nothing.
  void draw(gfx::Canvas& canvas, int x, int y, int index, bool enabled = true) const;

 private:
  struct Entry {
    gfx::Bitmap bitmap;
    bool masked;
    gfx::Color key;
  };
  int width_;
  int height_;
  std::vector<Entry> images_;
};

}  // namespace ui
