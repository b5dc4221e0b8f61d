// Size limits of a framed window.
#include "skin/frame/frame_limits.h"

#include "skin/frame/default_frame_metrics.h"

namespace skin {

int MinFrameWidth(const FrameLimitsInput& in) {
  if (in.hasSkin) {
    // A minimized window shrinks to the picture width whatever MinWidth says.
    if (in.minWidth > in.picture.width && !in.minimized) return in.minWidth;
    return in.picture.width;
  }
  return in.minWidth <= 0 ? DefaultFrameLook::kMinWidth : in.minWidth;
}

int MinFrameHeight(const FrameLimitsInput& in) {
  const int frameOnly = in.hasSkin ? in.picture.height - in.clientRect.height()
                                   : in.defaultCaptionHeight + 2 * DefaultFrameLook::kBorder;
  if (frameOnly >= in.minHeight || in.rolledUp || in.minimized) return frameOnly;
  return in.minHeight;
}

int MaxFrameWidth(const FrameLimitsInput& in) {
  const int w = in.monitorArea.width();
  return in.maxWidth != 0 && in.maxWidth < w ? in.maxWidth : w;
}

int MaxFrameHeight(const FrameLimitsInput& in) {
  const int h = in.monitorArea.height();
  return in.maxHeight != 0 && in.maxHeight < h ? in.maxHeight : h;
}

}  // namespace skin
