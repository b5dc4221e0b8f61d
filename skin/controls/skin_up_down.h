// TbsSkinUpDown: a pair of arrow buttons that step a position between Min
// and Max, drawn from a section of kind "updown" (default name "updown") or
// in the default look. Side by side (horizontal) the left button steps down
// and the right one up, their pictures being the section's up-button
// pictures turned a quarter each way; stacked (vertical) the upper button
// steps up. A press steps at once and repeats while held.
#pragma once

#include <functional>

#include "skin/controls/skin_control.h"
#include "ui/scheduler.h"

namespace skin {

enum class UpDownOrientation { udVertical, udHorizontal };

class TbsSkinUpDown : public TbsSkinCustomControl {
 public:
  explicit TbsSkinUpDown(ui::Component* owner);
  ~TbsSkinUpDown() override;

  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  int Increment() const { return increment_; }
  UpDownOrientation Orientation() const { return orientation_; }
  // Max below Min counts as Min; the position is kept inside the range.
  void setMin(int v);
  void setMax(int v);
  // Clamped to the range; OnChange runs only when the position changed.
  void setPosition(int v);
  void setIncrement(int v) { increment_ = v < 1 ? 1 : v; }
  void setOrientation(UpDownOrientation o);

  // The position after a step by a button or a key.
  std::function<void(TbsSkinUpDown&, int position)> OnChange;

  // The two buttons: 0 the one that steps down, 1 the one that steps up.
  gfx::Rect buttonRect(int button) const;
  // The button under the pointer and the pressed one, -1 for none.
  int hotButton() const { return hot_; }
  int pressedButton() const { return pressed_; }

  // The clock of the press repeat (the event loop's by default).
  void setScheduler(ui::Scheduler* scheduler);

  // Any size: the buttons are laid out over the control.
  void CalcSkinSize(int& width, int& height) override;

  static constexpr int kRepeatDelay = 400;     // ms before a held button repeats
  static constexpr int kRepeatInterval = 100;  // ms between repeats

 protected:
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  void mouseDown(ui::MouseButton button, unsigned shift, int x, int y) override;
  void mouseUp(ui::MouseButton button, unsigned shift, int x, int y) override;
  void mouseMove(unsigned shift, int x, int y) override;
  void mouseLeave() override;

 private:
  int buttonAt(int x, int y) const;
  void step(int button);
  void endPress();
  void repeat();
  void cancelRepeat();

  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int increment_ = 1;
  UpDownOrientation orientation_ = UpDownOrientation::udVertical;
  int hot_ = -1;
  int pressed_ = -1;
  ui::Scheduler* scheduler_;
  ui::Scheduler::Id repeatCall_ = 0;
};

}  // namespace skin
