// Three-part strips: images of controls that are resized in one direction
// only keep their two ends and repeat the part between them.
#pragma once

#include "ui/graphics/bitmap.h"

namespace skin {

// dst becomes w x r.height: the left `left` pixels of r at x 0, the right
// `right` pixels of r at x w - right, and the middle of r tiled between them.
// A negative length counts as 0; a middle of zero width draws nothing.
void ComposeHorzStrip(int left, int right, gfx::Bitmap& dst, const gfx::Bitmap& src,
                      const gfx::Rect& r, int w);

// dst becomes w x r.height, filled from x 0 with tiles of r's middle part
// only (r without its left `left` and right `right` pixels).
void ComposeHorzStripMiddle(int left, int right, gfx::Bitmap& dst, const gfx::Bitmap& src,
                            const gfx::Rect& r, int w);

// dst becomes r.width x h: the top `top` rows of r at y 0, the bottom
// `bottom` rows at y h - bottom, and the middle tiled between them.
void ComposeVertStrip(int top, int bottom, gfx::Bitmap& dst, const gfx::Bitmap& src,
                      const gfx::Rect& r, int h);

}  // namespace skin
