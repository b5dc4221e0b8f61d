// Icons as the skin engine draws them: a picture with the pixels that are
// transparent marked by a key colour (the one-bit mask of an icon), made
// from a window's picture, the application's icon or a default icon of ours,
// at the size the caller needs.
#pragma once

#include <optional>

#include "ui/graphics/bitmap.h"
#include "ui/graphics/canvas.h"
#include "ui/graphics/geometry.h"

namespace skin {

struct IconImage {
  gfx::Bitmap picture;                    // empty: no icon
  std::optional<gfx::Color> transparent;  // pixels of this colour are left out

  bool empty() const { return picture.empty(); }
  // Draws the icon with its left-top corner at (x, y); transparent pixels
  // keep what is beneath.
  void draw(gfx::Canvas& canvas, int x, int y) const;
};

// The platform's small-icon size, or fallback when the platform reports none.
gfx::Size SmallIconSize(gfx::Size fallback);

// An opaque picture scaled to size (nearest neighbour); empty for an empty picture.
IconImage IconFromBitmap(const gfx::Bitmap& picture, gfx::Size size);

// The application's icon at size; empty when the application has none.
IconImage ApplicationIcon(gfx::Size size);

// Our own application icon, drawn for any size: a small window with a blue
// title bar on a transparent ground.
IconImage DefaultApplicationIcon(gfx::Size size);

}  // namespace skin
