// The pure decisions behind the frame's window states: where a minimized
// window goes, the rectangle a window maximizes to, magnetic snapping to the
// work-area edges, the move lock of a maximized window, what a caption
// double-click does and when rolling up is refused.
#pragma once

#include <span>

#include "skin/frame/border_icons.h"
#include "ui/graphics/geometry.h"

namespace skin {

// The left-top corner for a minimized window of w x h in work area `area`:
// the bottom-left slot, then to the right along the row, then the row above;
// when no row is left, the bottom-left slot again, even if it is taken.
// `taken` are the left-top corners of the application's other minimized
// windows.
gfx::Point FindMinimizedSlot(const gfx::Rect& area, int w, int h,
                             std::span<const gfx::Point> taken);

// The proposed rectangle of a move snapped to the edges of the work area
// when it comes within `distance` pixels of one (strictly less).
gfx::Rect SnapToWorkArea(const gfx::Rect& proposed, const gfx::Rect& workArea, int distance);

// The bounds a maximized window takes. A work area as large as a monitor
// that is the primary screen is shrunk by one pixel on every side, so that
// an auto-hidden task bar can still be reached at the screen edge.
gfx::Rect MaximizeTarget(const gfx::Rect& monitor, const gfx::Rect& workArea,
                         const gfx::Rect& primaryScreen, bool fullScreen);

// A maximized frame cannot be moved: every proposed rectangle of a move is
// replaced by the current one.
inline gfx::Rect LockMaximizedMove(const gfx::Rect& proposed, const gfx::Rect& current,
                                   FrameWindowState state) {
  return state == FrameWindowState::Maximized ? current : proposed;
}

enum class CaptionDoubleClick { Restore, Maximize, ToggleRollUp };

struct FrameStateFlags {
  FrameWindowState state = FrameWindowState::Normal;
  bool rolledUp = false;
  bool rolledUpWhileMaximized = false;
};

// What a double-click on the caption does.
CaptionDoubleClick CaptionDoubleClickAction(bool sizeable, TbsBorderIcons icons,
                                            const FrameStateFlags& flags);

// Whether SetRollUp acts at all.
bool RollUpAllowed(TbsBorderIcons icons, const FrameStateFlags& flags);

}  // namespace skin
