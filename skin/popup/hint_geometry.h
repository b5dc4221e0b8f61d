// The geometry of a hint window: its size around the measured text, the
// skin frame placed for that size, the text's place in it, and the hint's
// position near the screen's right and bottom edges.
#pragma once

#include <optional>

#include "skin/draw/skin_image.h"
#include "ui/graphics/geometry.h"

namespace skin {

// A skinned hint's frame: the [HINTWINDOW] picture and its geometry.
struct HintSkinLook {
  gfx::Size picture;
  SkinImageGeometry geometry;  // corner points and "clientrect"
};

struct HintGeometry {
  gfx::Size size;
  SkinImageGeometry placed;  // placed corner points and PlacedClientArea
};

// MeasureHint: the window around a text of textSize; a skinned hint is never
// smaller than its picture.
HintGeometry MeasureHint(gfx::Size textSize, const std::optional<HintSkinLook>& look);

// Where the text block goes: centred in the placed client area.
gfx::Rect HintTextRect(const gfx::Rect& placedClient, gfx::Size textSize);

// The hint's bounds for its left-top corner at pos: moved to the other side
// of pos, two pixels away, when it would pass the primary screen's right or
// bottom edge. Never clamped at the left or top.
gfx::Rect PlaceHint(gfx::Point pos, gfx::Size size, gfx::Size primaryScreen);

}  // namespace skin
