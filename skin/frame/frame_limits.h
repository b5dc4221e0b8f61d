// The size limits of a framed window: the frame alone is the smallest a
// window may be, the work area (or the whole monitor) the largest, and the
// form's own MinWidth/MinHeight/MaxWidth/MaxHeight narrow them.
#pragma once

#include "ui/graphics/geometry.h"

namespace skin {

struct FrameLimitsInput {
  bool hasSkin = false;
  gfx::Size picture;     // the skin's frame picture
  gfx::Rect clientRect;  // the skin's client rect in that picture
  int defaultCaptionHeight = 19;
  int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
  bool minimized = false;
  bool rolledUp = false;
  gfx::Rect monitorArea;  // work area, or the whole monitor on full-screen maximize
};

int MinFrameWidth(const FrameLimitsInput& in);
int MinFrameHeight(const FrameLimitsInput& in);
int MaxFrameWidth(const FrameLimitsInput& in);
int MaxFrameHeight(const FrameLimitsInput& in);

}  // namespace skin
