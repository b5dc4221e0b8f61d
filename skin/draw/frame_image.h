// Composing a skin image at any size: the nine-part image of a control,
// popup or hint, and the four border images of a window frame.
#pragma once

#include "skin/draw/skin_image.h"
#include "ui/graphics/bitmap.h"

namespace skin {

// Composes the image of `stored` geometry, taken from rect r of src, at
// w x h into dst (resized to w x h). `placed` is the geometry moved to the new
// size (PlaceGeometry). The border middles are tiled from their corner points
// or stretched by the flags, the eight corner pieces are copied at their own
// size, and with fillClient the client part is tiled over the placed client
// rect. dst stays black when RB.x == LT.x, RB.y == LT.y or src is empty.
void ComposeFrameImage(const SkinImageGeometry& stored, const SkinImageGeometry& placed,
                       gfx::Bitmap& dst, const gfx::Bitmap& src, const gfx::Rect& r, int w, int h,
                       bool fillClient, StretchFlags stretch = {});

// The four border images of a window frame. The caller draws top at (0, 0),
// left at (0, top height), right at (w - right width, top height) and bottom
// at (0, h - bottom height). A strip that has no size is empty.
struct BorderStrips {
  gfx::Bitmap top;
  gfx::Bitmap bottom;
  gfx::Bitmap left;
  gfx::Bitmap right;
};

// Composes the frame's border images for a window of w x h. Unlike
// ComposeFrameImage, a strip's tiles start at the strip's own origin and its
// fixed pieces are painted over them, so a repeated pattern has another phase
// than in a control composed from the same picture.
void ComposeBorderStrips(const SkinImageGeometry& stored, const SkinImageGeometry& placed,
                         BorderStrips& strips, const gfx::Bitmap& src, const gfx::Rect& r, int w,
                         int h, StretchFlags stretch = {});

// Where the four border images lie in a window of w x h (empty for a strip
// that is not composed).
struct BorderStripPlaces {
  gfx::Rect top;
  gfx::Rect bottom;
  gfx::Rect left;
  gfx::Rect right;
};

// The same border images composed straight into dst, the window's frame
// buffer, each at the place where the caller of ComposeBorderStrips would
// draw it: the same pixels without the strips and the copy. Pixels outside
// the places are left as they are. Returns the places.
BorderStripPlaces ComposeBorderStripsInto(const SkinImageGeometry& stored,
                                          const SkinImageGeometry& placed, gfx::Bitmap& dst,
                                          const gfx::Bitmap& src, const gfx::Rect& r, int w, int h,
                                          StretchFlags stretch = {});

}  // namespace skin
