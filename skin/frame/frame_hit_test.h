// Which part of a window frame lies under a point: the skinned test, which
// reads the placed geometry and, for a masked frame, the mask strips, and
// the test of the plain default frame. Both answer the framework's hit codes.
#pragma once

#include <span>

#include "skin/draw/mask_region.h"
#include "skin/frame/frame_geometry.h"
#include "ui/graphics/geometry.h"

namespace skin {

// The window and pointer-tracking state the hit tests depend on.
struct FrameHitState {
  int width = 0;   // window width
  int height = 0;  // window height
  bool sizeable = false;
  bool maximized = false;
  bool minimized = false;
  bool rolledUp = false;
  bool hotObject = false;   // a frame object is lit under the pointer
  bool inSizeMove = false;  // the move/size loop runs
};

// True when the window-coordinate point lies inside the shape of a masked
// frame: inside the placed mask area, or on a black pixel of the mask strip
// that covers it. A point outside every strip is outside the shape.
bool PointInMaskShape(gfx::Point p, const PlacedFrameGeometry& placed, const MaskStrips& strips);

// The hit code of a skinned frame. captionRects are the places of the
// visible caption objects; strips is null when the skin has no mask.
int HitTestSkinned(gfx::Point p, const PlacedFrameGeometry& placed, int borderWidth,
                   const FrameHitState& state, std::span<const gfx::Rect> captionRects,
                   const MaskStrips* strips);

// The hit code of the default frame; captionArea is DefaultCaptionArea after
// the default buttons were laid out.
int HitTestDefault(gfx::Point p, const gfx::Rect& captionArea, int captionHeight,
                   const FrameHitState& state);

}  // namespace skin
