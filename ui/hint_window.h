// The hint window: a pop-up that shows a control's hint text, never takes
// activation and lets the pointer pass through. The application makes it
// from a replaceable class (see Application::setHintWindowClass).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ui/win_control.h"

namespace ui {

class HintWindow : public WinControl {
 public:
  explicit HintWindow(Component* owner = nullptr);

  // The size the hint needs, as a rectangle at (0, 0).
  virtual gfx::Rect calcHintRect(int maxWidth, const std::string& hint);
  // Shows the hint at rect (screen coordinates) without taking activation.
  virtual void activateHint(const gfx::Rect& rect, const std::string& hint);
  // Hides the hint.
  virtual void releaseHint();

 protected:
  void paint(gfx::Canvas& canvas) override;
};

using HintWindowClass = std::function<std::unique_ptr<HintWindow>()>;

// What the show-hint event receives and may change.
struct HintInfo {
  Control* hintControl = nullptr;
  gfx::Point hintPos;  // screen point of the hint's left-top corner
  int hintMaxWidth = 0;
  gfx::Rect cursorRect;  // hint stays while the pointer is here (control coordinates)
  gfx::Point cursorPos;  // pointer, control coordinates
  int hideTimeout = 0;   // ms
};

}  // namespace ui
