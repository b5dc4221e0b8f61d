// The move/size loop of a form, run by the framework itself: a press that
// the hit test answers with the caption code or a sizing code starts it.
// It sends WM_ENTERSIZEMOVE, asks the size limits once (WM_GETMINMAXINFO),
// offers every proposed rectangle to the procedure (WM_MOVING while moving,
// WM_SIZING while sizing, both in screen coordinates, the procedure may
// change them), applies it at once (live resize), and ends with
// WM_EXITSIZEMOVE when the button is released or the loop is cancelled.
#pragma once

#include "ui/graphics/geometry.h"
#include "ui/message.h"

namespace ui {

class Form;

class SizeMoveLoop {
 public:
  explicit SizeMoveLoop(Form& form) : form_(form) {}

  bool active() const { return active_; }
  int hitCode() const { return code_; }

  // Starts for a press with hit code code at screen point p. Returns false
  // when the code neither moves nor sizes, or the window state forbids it.
  bool start(int code, gfx::Point p);
  void track(gfx::Point p);
  void finish();

  // The rectangle for a drag from the start rectangle by (dx, dy) with the
  // given hit code, clamped to the size limits with the opposite edges kept.
  static gfx::Rect proposedRect(const gfx::Rect& start, int code, int dx, int dy,
                                const MinMaxInfo& limits);
  static int sizingEdge(int code);

 private:
  Form& form_;
  bool active_ = false;
  int code_ = 0;
  gfx::Point startPoint_;
  gfx::Rect startRect_;
  MinMaxInfo limits_;
};

}  // namespace ui
