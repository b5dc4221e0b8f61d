// The skinned up-down control: two arrow buttons, stepping and repeating.
#include "skin/controls/skin_up_down.h"

#include <algorithm>

#include "skin/data/control_data.h"
#include "skin/draw/effect_bmp.h"
#include "skin/draw/tiling.h"
#include "skin/frame/default_frame_metrics.h"
#include "ui/graphics/canvas.h"
#include "ui/message.h"

namespace skin {

namespace {

// The piece of the picture, or an empty bitmap when it does not lie in it.
gfx::Bitmap Piece(const gfx::Bitmap& picture, const gfx::Rect& r) {
  if (gfx::IsNullRect(r) || r.left < 0 || r.top < 0 || r.right > picture.width() ||
      r.bottom > picture.height())
    return {};
  gfx::Bitmap b(r.width(), r.height());
  b.copyRect(b.rect(), picture, r);
  return b;
}

gfx::Bitmap Turned(const gfx::Bitmap& b, bool left) {
  const TbsEffectBmp src(b);
  TbsEffectBmp dst(b.height(), b.width());
  if (left) {
    src.TurnLeftInto(dst);
  } else {
    src.TurnRightInto(dst);
  }
  return dst.toBitmap();
}

// The default look's arrow: a small filled triangle centred in r.
void DrawArrow(gfx::Canvas& c, const gfx::Rect& r, int direction, gfx::Color color) {
  // direction: 0 left, 1 right, 2 up, 3 down
  const int cx = r.left + r.width() / 2;
  const int cy = r.top + r.height() / 2;
  const int s = std::max(1, std::min(3, std::min(r.width(), r.height()) / 4));
  for (int i = 0; i <= s; ++i) {
    switch (direction) {
      case 0:
        for (int y = cy - i; y <= cy + i; ++y) c.setPixel(cx - s + i, y, color);
        break;
      case 1:
        for (int y = cy - i; y <= cy + i; ++y) c.setPixel(cx + s - i, y, color);
        break;
      case 2:
        for (int x = cx - i; x <= cx + i; ++x) c.setPixel(x, cy - s + i, color);
        break;
      default:
        for (int x = cx - i; x <= cx + i; ++x) c.setPixel(x, cy + s - i, color);
        break;
    }
  }
}

}  // namespace

TbsSkinUpDown::TbsSkinUpDown(ui::Component* owner)
    : TbsSkinCustomControl(owner), scheduler_(&ui::QtScheduler()) {
  SetSkinDataName("updown");
  setBounds(0, 0, 16, 20);
}

TbsSkinUpDown::~TbsSkinUpDown() {
  cancelRepeat();
  if (hasCapture()) releaseCapture();
}

void TbsSkinUpDown::setScheduler(ui::Scheduler* scheduler) {
  cancelRepeat();
  scheduler_ = scheduler != nullptr ? scheduler : &ui::QtScheduler();
}

void TbsSkinUpDown::cancelRepeat() {
  if (repeatCall_ != 0) scheduler_->cancel(repeatCall_);
  repeatCall_ = 0;
}

void TbsSkinUpDown::repeat() {
  repeatCall_ = 0;
  if (pressed_ == -1) return;
  // The pointer was taken away (another window, a menu): the press is over.
  if (!hasCapture()) {
    endPress();
    return;
  }
  // Held over its button the press keeps stepping; moved off, it waits.
  if (hot_ == pressed_) step(pressed_);
  if (pressed_ != -1) repeatCall_ = scheduler_->start(kRepeatInterval, [this] { repeat(); });
}

void TbsSkinUpDown::setMin(int v) {
  min_ = v;
  setPosition(position_);
  invalidate();
}

void TbsSkinUpDown::setMax(int v) {
  max_ = v;
  setPosition(position_);
  invalidate();
}

void TbsSkinUpDown::setPosition(int v) {
  const int hi = std::max(min_, max_);
  v = std::clamp(v, min_, hi);
  if (v == position_) return;
  position_ = v;
  invalidate();
}

void TbsSkinUpDown::setOrientation(UpDownOrientation o) {
  orientation_ = o;
  invalidate();
}

gfx::Rect TbsSkinUpDown::buttonRect(int button) const {
  const int w = std::max(0, width());
  const int h = std::max(0, height());
  if (orientation_ == UpDownOrientation::udHorizontal) {
    const int half = w / 2;
    return button == 0 ? gfx::Rect{0, 0, half, h} : gfx::Rect{half, 0, w, h};
  }
  const int half = h / 2;
  return button == 1 ? gfx::Rect{0, 0, w, half} : gfx::Rect{0, half, w, h};
}

void TbsSkinUpDown::CalcSkinSize(int& width, int& height) {
  // The section's pictures are laid out at any size; only the placed values
  // follow the section.
  int w = width;
  int h = height;
  TbsSkinCustomControl::CalcSkinSize(w, h);
}

int TbsSkinUpDown::buttonAt(int x, int y) const {
  for (int b = 0; b < 2; ++b)
    if (gfx::PtInRect(buttonRect(b), {x, y})) return b;
  return -1;
}

void TbsSkinUpDown::DrawDefaultImage(gfx::Bitmap& bitmap) {
  gfx::Canvas c(bitmap);
  const bool horizontal = orientation_ == UpDownOrientation::udHorizontal;
  for (int b = 0; b < 2; ++b) {
    const gfx::Rect r = buttonRect(b);
    const bool down = pressed_ == b && hot_ == b;
    const bool hot = hot_ == b && (pressed_ == -1 || down);
    const gfx::Color fill = !enabled() ? gfx::SystemColor(gfx::SysColor::ButtonFace)
                            : down     ? kPressedFillColor
                            : hot      ? kHotFillColor
                                       : gfx::SystemColor(gfx::SysColor::ButtonFace);
    c.fillRect(r, fill);
    c.frameRect(r, down || hot ? kHotFrameColor : gfx::SystemColor(gfx::SysColor::ButtonShadow));
    const gfx::Color arrow = enabled() ? gfx::SystemColor(gfx::SysColor::ButtonText)
                                       : gfx::SystemColor(gfx::SysColor::GrayText);
    DrawArrow(c, r, horizontal ? b : (b == 1 ? 2 : 3), arrow);
  }
}

void TbsSkinUpDown::DrawSkinImage(gfx::Bitmap& bitmap) {
  const auto* data = SectionAs<TbsDataSkinUpDownControl>();
  const gfx::Bitmap* picture = Picture();
  if (data == nullptr || picture == nullptr) {
    DrawDefaultImage(bitmap);
    return;
  }
  const gfx::Rect& sr = data->skinRect;
  const bool horizontal = orientation_ == UpDownOrientation::udHorizontal;
  const auto inPicture = [&sr](const gfx::Rect& r) {
    return gfx::Rect{sr.left + r.left, sr.top + r.top, sr.left + r.right, sr.top + r.bottom};
  };
  for (int b = 0; b < 2; ++b) {
    const gfx::Rect r = buttonRect(b);
    if (gfx::IsNullRect(r)) continue;
    // Side by side, both buttons show the up-button pictures turned.
    const bool up = horizontal || b == 1;
    const bool down = pressed_ == b && hot_ == b;
    const bool hot = hot_ == b && (pressed_ == -1 || down);
    gfx::Rect area = inPicture(up ? data->upButtonRect : data->downButtonRect);
    const gfx::Rect active = up ? data->activeUpButtonRect : data->activeDownButtonRect;
    const gfx::Rect pressed = up ? data->downUpButtonRect : data->downDownButtonRect;
    if (enabled() && down && !gfx::IsNullRect(pressed)) {
      area = pressed;
    } else if (enabled() && hot && !gfx::IsNullRect(active)) {
      area = active;
    }
    gfx::Bitmap piece = Piece(*picture, area);
    if (piece.empty()) {
      bitmap.fillRect(r, gfx::SystemColor(gfx::SysColor::ButtonFace));
      continue;
    }
    if (horizontal) piece = Turned(piece, b == 0);
    bitmap.copyRect(r, piece, piece.rect());
  }
}

void TbsSkinUpDown::step(int button) {
  const int before = position_;
  setPosition(button == 1 ? position_ + increment_ : position_ - increment_);
  if (position_ != before && OnChange) OnChange(*this, position_);
}

void TbsSkinUpDown::mouseDown(ui::MouseButton button, unsigned shift, int x, int y) {
  TbsSkinCustomControl::mouseDown(button, shift, x, y);
  if (button != ui::MouseButton::Left || !enabled()) return;
  const int b = buttonAt(x, y);
  if (b < 0) return;
  pressed_ = b;
  hot_ = b;
  setCapture();
  invalidate();
  cancelRepeat();
  repeatCall_ = scheduler_->start(kRepeatDelay, [this] { repeat(); });
  step(b);
}

void TbsSkinUpDown::mouseUp(ui::MouseButton button, unsigned shift, int x, int y) {
  TbsSkinCustomControl::mouseUp(button, shift, x, y);
  if (button == ui::MouseButton::Left) endPress();
  hot_ = buttonAt(x, y);
  invalidate();
}

void TbsSkinUpDown::mouseMove(unsigned shift, int x, int y) {
  TbsSkinCustomControl::mouseMove(shift, x, y);
  const int b = buttonAt(x, y);
  if (b != hot_) {
    hot_ = b;
    invalidate();
  }
}

void TbsSkinUpDown::mouseLeave() {
  TbsSkinCustomControl::mouseLeave();
  if (hot_ != -1 && pressed_ == -1) {
    hot_ = -1;
    invalidate();
  }
}

void TbsSkinUpDown::endPress() {
  cancelRepeat();
  if (hasCapture()) releaseCapture();
  if (pressed_ != -1) {
    pressed_ = -1;
    invalidate();
  }
}

}  // namespace skin
