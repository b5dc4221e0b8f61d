// The description of a stored skin image and its placing at a new size.
//
// A skin stores each frame, popup, hint and control image once, at one size.
// Its corner points cut every border into a fixed start, a middle that is
// repeated or stretched and a fixed end; the client rect is the inner area.
// All points and the client rect are relative to the image's left-top corner.
#pragma once

#include "ui/graphics/geometry.h"

namespace skin {

struct SkinImageGeometry {
  gfx::Point leftTop;
  gfx::Point rightTop;
  gfx::Point leftBottom;
  gfx::Point rightBottom;
  gfx::Rect clientRect;

  bool operator==(const SkinImageGeometry&) const = default;
};

// Which border middles are stretched instead of tiled.
struct StretchFlags {
  bool left = false;
  bool top = false;
  bool right = false;
  bool bottom = false;
};

// The geometry moved to a target size that differs from the stored one by
// dW, dH: the left-top point stays, the right-top point moves by (dW, 0), the
// left-bottom point by (0, dH), the right-bottom point by (dW, dH), and the
// client rect's right and bottom edges by dW and dH.
SkinImageGeometry PlaceGeometry(const SkinImageGeometry& stored, int dW, int dH);

// Skin values are outside data: coordinates beyond this many pixels are
// refused by the composition routines, so that no sum of them can overflow.
constexpr int kMaxSkinCoordinate = 1 << 20;

constexpr bool InSkinRange(int v) { return v >= -kMaxSkinCoordinate && v <= kMaxSkinCoordinate; }

// Whether every point and edge of the geometries, every edge of r and the
// target size lie within +-kMaxSkinCoordinate.
bool WithinDrawingRange(const SkinImageGeometry& stored, const SkinImageGeometry& placed,
                        const gfx::Rect& r, int w, int h);

}  // namespace skin
