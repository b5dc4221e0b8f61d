// Window-state decisions of the frame.
#include "skin/frame/window_states.h"

#include <algorithm>

namespace skin {

gfx::Point FindMinimizedSlot(const gfx::Rect& area, int w, int h,
                             std::span<const gfx::Point> taken) {
  const gfx::Point first{area.left, area.bottom - h};
  // A slot without size would never move on.
  if (w <= 0 || h <= 0) return first;
  gfx::Point slot = first;
  while (std::find(taken.begin(), taken.end(), slot) != taken.end()) {
    slot.x += w;
    if (slot.x + w > area.right) {
      slot.x = area.left;
      slot.y -= h;
      if (slot.y < area.top) return first;
    }
  }
  return slot;
}

gfx::Rect SnapToWorkArea(const gfx::Rect& proposed, const gfx::Rect& a, int m) {
  const int w = proposed.width();
  const int h = proposed.height();
  int left = proposed.left;
  int top = proposed.top;
  if (a.left - m < left && left < a.left + m) left = a.left;
  if (a.top - m < top && top < a.top + m) top = a.top;
  if (a.right - m < left + w && left + w < a.right + m) left = a.right - w;
  if (a.bottom - m < top + h && top + h < a.bottom + m) top = a.bottom - h;
  return {left, top, left + w, top + h};
}

gfx::Rect MaximizeTarget(const gfx::Rect& monitor, const gfx::Rect& workArea,
                         const gfx::Rect& primaryScreen, bool fullScreen) {
  if (fullScreen) return monitor;
  if (workArea.size() == monitor.size() && monitor == primaryScreen) {
    return {workArea.left + 1, workArea.top + 1, workArea.right - 1, workArea.bottom - 1};
  }
  return workArea;
}

CaptionDoubleClick CaptionDoubleClickAction(bool sizeable, TbsBorderIcons icons,
                                            const FrameStateFlags& f) {
  if (sizeable) {
    if (f.state == FrameWindowState::Minimized) return CaptionDoubleClick::Restore;
    if (f.state != FrameWindowState::Maximized && !f.rolledUp && icons.has(biMaximize)) {
      return CaptionDoubleClick::Maximize;
    }
    if (f.state == FrameWindowState::Maximized && !f.rolledUpWhileMaximized) {
      return CaptionDoubleClick::Restore;
    }
  }
  return CaptionDoubleClick::ToggleRollUp;
}

bool RollUpAllowed(TbsBorderIcons icons, const FrameStateFlags& f) {
  if (!icons.has(biRollUp)) return false;
  if (f.state == FrameWindowState::Minimized) return false;
  if (f.rolledUp && f.state == FrameWindowState::Maximized && !f.rolledUpWhileMaximized) {
    return false;
  }
  return true;
}

}  // namespace skin
