// The framework's move/size loop.
#include "ui/size_move_loop.h"

#include <algorithm>

#include "ui/form.h"

namespace ui {

int SizeMoveLoop::sizingEdge(int code) {
  switch (code) {
    case HTLEFT:
      return WMSZ_LEFT;
    case HTRIGHT:
      return WMSZ_RIGHT;
    case HTTOP:
      return WMSZ_TOP;
    case HTTOPLEFT:
      return WMSZ_TOPLEFT;
    case HTTOPRIGHT:
      return WMSZ_TOPRIGHT;
    case HTBOTTOM:
      return WMSZ_BOTTOM;
    case HTBOTTOMLEFT:
      return WMSZ_BOTTOMLEFT;
    case HTBOTTOMRIGHT:
      return WMSZ_BOTTOMRIGHT;
    default:
      return 0;
  }
}

gfx::Rect SizeMoveLoop::proposedRect(const gfx::Rect& start, int code, int dx, int dy,
                                     const MinMaxInfo& limits) {
  if (code == HTCAPTION) return gfx::OffsetRect(start, dx, dy);
  gfx::Rect r = start;
  const bool left = code == HTLEFT || code == HTTOPLEFT || code == HTBOTTOMLEFT;
  const bool right = code == HTRIGHT || code == HTTOPRIGHT || code == HTBOTTOMRIGHT;
  const bool top = code == HTTOP || code == HTTOPLEFT || code == HTTOPRIGHT;
  const bool bottom = code == HTBOTTOM || code == HTBOTTOMLEFT || code == HTBOTTOMRIGHT;
  if (left) r.left += dx;
  if (right) r.right += dx;
  if (top) r.top += dy;
  if (bottom) r.bottom += dy;
  const int minW = std::max(0, limits.minTrackSize.x);
  const int minH = std::max(0, limits.minTrackSize.y);
  const int maxW = std::max(minW, limits.maxTrackSize.x);
  const int maxH = std::max(minH, limits.maxTrackSize.y);
  const int w = std::clamp(r.width(), minW, maxW);
  const int h = std::clamp(r.height(), minH, maxH);
  // The dragged edge gives way; the opposite edge stays where it was.
  if (left)
    r.left = r.right - w;
  else
    r.right = r.left + w;
  if (top)
    r.top = r.bottom - h;
  else
    r.bottom = r.top + h;
  return r;
}

bool SizeMoveLoop::start(int code, gfx::Point p) {
  if (active_) return false;
  if (code != HTCAPTION && !IsSizingHitCode(code)) return false;
  // A maximized or minimized window neither moves nor sizes.
  if (form_.windowState() != WindowState::wsNormal) return false;
  if (IsSizingHitCode(code) && !form_.sizeable()) return false;
  active_ = true;
  code_ = code;
  startPoint_ = p;
  startRect_ = form_.boundsRect();
  form_.perform(WM_ENTERSIZEMOVE);
  form_.fillMinMaxInfo(limits_);
  form_.perform(WM_GETMINMAXINFO, 0, ToParam(&limits_));
  return true;
}

void SizeMoveLoop::track(gfx::Point p) {
  if (!active_) return;
  gfx::Rect r = proposedRect(startRect_, code_, p.x - startPoint_.x, p.y - startPoint_.y, limits_);
  if (code_ == HTCAPTION) {
    form_.perform(WM_MOVING, 0, ToParam(&r));
    // Moving keeps the size, whatever the procedure did to the rectangle.
    form_.setBounds(r.left, r.top, startRect_.width(), startRect_.height());
  } else {
    form_.perform(WM_SIZING, sizingEdge(code_), ToParam(&r));
    form_.setBounds(r.left, r.top, r.width(), r.height());
  }
}

void SizeMoveLoop::finish() {
  if (!active_) return;
  active_ = false;
  form_.perform(WM_EXITSIZEMOVE);
}

}  // namespace ui
