// The skinned frame's geometry placed for a window size: the corner points,
// client, caption, buttons and mask areas and the hit-test points of
// [FORMINFO] moved to the composed size, and the mapping of a frame-picture
// rectangle (an object drawn into the frame picture) to the window.
//
// Everything is in window coordinates: (0, 0) is the window's top-left
// corner including its frame.
#pragma once

#include "skin/data/window_data.h"
#include "ui/graphics/geometry.h"

namespace skin {

// The frame geometry placed for one window size.
struct PlacedFrameGeometry {
  int composedWidth = 0;
  int composedHeight = 0;
  int dx = 0;  // composed width - picture width
  int dy = 0;  // composed height - picture height
  // PlacedCorners
  gfx::Point leftTop, rightTop, leftBottom, rightBottom;
  gfx::Rect clientArea;   // PlacedClientArea
  gfx::Rect captionArea;  // PlacedCaptionArea
  gfx::Rect buttonsArea;  // PlacedButtonsArea
  gfx::Rect maskArea;     // PlacedMaskArea
  int buttonsOffset = 0;
  bool buttonsInLeft = false;
  // PlacedHitPoints
  gfx::Point hitLeftTop, hitRightTop, hitLeftBottom, hitRightBottom;

  bool operator==(const PlacedFrameGeometry&) const = default;
};

// Places the frame of `info` (drawn on a frame picture of pictureSize) for a
// window of composedWidth x composedHeight.
PlacedFrameGeometry PlaceFrameGeometry(const SkinFormInfo& info, gfx::Size pictureSize,
                                       int composedWidth, int composedHeight);

// Where a rectangle of the frame picture lies in the window: a rectangle in
// one corner area moves with that corner; one spanning two corner areas grows
// with the border between them; any other stays.
gfx::Rect MapFrameRect(const SkinFormInfo& info, gfx::Size pictureSize,
                       const PlacedFrameGeometry& placed, const gfx::Rect& rect);

// The non-client size query: the client rectangle left inside the window
// rectangle `window` by the skinned frame (right and bottom never pass left
// and top). A skin whose client rect reaches past its picture still gets a
// client area within the window.
gfx::Rect SkinnedClientRect(const SkinFormInfo& info, gfx::Size pictureSize,
                            const gfx::Rect& window);

}  // namespace skin
