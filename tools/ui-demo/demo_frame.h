// The demo's frame: a hook on a form's procedure that answers every
// non-client query the way a skinned frame will: a 5-pixel border, a
// caption with a close box, rounded corners cut by the window region,
// snapping to the work area while moving, and size limits.
#pragma once

#include "ui/control.h"
#include "ui/form.h"

namespace demo {

class DemoFrame : public ui::MessageHook {
 public:
  static constexpr int kBorder = 5;
  static constexpr int kCaption = 24;
  static constexpr int kCloseBox = 16;
  static constexpr int kSnap = 12;

  explicit DemoFrame(ui::Form& form);
  ~DemoFrame() override;

 protected:
  void hookMessage(ui::Message& m) override;

 private:
  gfx::Rect closeBox() const;
  int hitTest(gfx::Point windowPoint) const;
  void paint(gfx::Bitmap& bmp) const;
  void updateRegion();

  ui::Form& form_;
  bool closeHot_ = false;
};

}  // namespace demo
