// The push button: focus, keyboard, dialog keys and accelerators, the
// default-button highlight, and its skinned and default looks.
#include "skin/controls/skin_button.h"

#include <cctype>

#include "skin/frame/default_frame_metrics.h"
#include "ui/form.h"
#include "ui/graphics/canvas.h"
#include "ui/keys.h"

namespace skin {

// Sees the window's messages first: Enter and Escape as dialog keys, and
// Alt with a letter as the keyboard's menu command.
class TbsSkinButton::FormHook : public ui::MessageHook {
 public:
  explicit FormHook(TbsSkinButton& button) : button_(button) {}

 protected:
  void hookMessage(ui::Message& m) override {
    if (button_.formMessage(m)) return;
    callPrevious(m);
  }

 private:
  TbsSkinButton& button_;
};

namespace {

void CollectButtons(const ui::WinControl& parent, std::vector<TbsSkinButton*>& out) {
  for (ui::Control* c : parent.controls()) {
    if (auto* b = dynamic_cast<TbsSkinButton*>(c)) out.push_back(b);
    if (auto* w = dynamic_cast<ui::WinControl*>(c)) CollectButtons(*w, out);
  }
}

}  // namespace

TbsSkinButton::TbsSkinButton(ui::Component* owner) : SkinButtonLayer(owner) {
  SetSkinDataName("button");
  setBounds(0, 0, 75, 25);
  setTabStop(true);
  setAcceptsFocus(true);
}

TbsSkinButton::~TbsSkinButton() = default;

void TbsSkinButton::setCanFocused(bool on) {
  canFocused_ = on;
  setTabStop(on);
  setAcceptsFocus(on);
}

void TbsSkinButton::setGroupIndex(int index) {
  SkinButtonLayer::setGroupIndex(index);
  if (index != 0) setCanFocused(false);
}

void TbsSkinButton::setDefault(bool on) {
  default_ = on;
  attachToForm();
  // The window re-announces its focused control, so that every button
  // knows again which of them Enter clicks.
  ui::Form* form = parentForm();
  ui::WinControl* active = form != nullptr ? form->activeControl() : nullptr;
  announceFocus(dynamic_cast<TbsSkinButton*>(active));
}

void TbsSkinButton::setParent(ui::WinControl* parent) {
  SkinButtonLayer::setParent(parent);
  defaultActive_ = default_;
  attachToForm();
}

void TbsSkinButton::attachToForm() {
  ui::Form* form = parentForm();
  if (hook_ && hook_->hookedControl() == form) return;
  hook_.reset();
  if (form == nullptr) return;
  hook_ = std::make_unique<FormHook>(*this);
  form->installHook(hook_.get());
}

char TbsSkinButton::AcceleratorOf(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    const auto ch = static_cast<unsigned char>(caption[i + 1]);
    if (ch >= 0x80) return 0;
    return static_cast<char>(std::toupper(ch));
  }
  return 0;
}

bool TbsSkinButton::formMessage(ui::Message& m) {
  if (!enabled() || !showing()) return false;
  if (m.id == ui::CM_DIALOGKEY) {
    const int key = static_cast<int>(m.wparam);
    if (key == ui::VK_RETURN && defaultActive_) {
      m.result = 1;
      ButtonClick();
      return true;
    }
    if (key == ui::VK_ESCAPE && cancel_ && canFocused_ && canFocus()) {
      m.result = 1;
      ButtonClick();
      return true;
    }
    return false;
  }
  if (m.id == ui::WM_SYSCOMMAND && (m.wparam & 0xFFF0) == ui::SC_KEYMENU && m.lparam != 0) {
    const char accel = AcceleratorOf(caption());
    if (accel == 0 || accel != static_cast<char>(m.lparam) || !canFocused_ || !canFocus())
      return false;
    setFocus();
    m.result = 1;
    ButtonClick();
    return true;
  }
  return false;
}

void TbsSkinButton::announceFocus(const TbsSkinButton* newFocus) {
  ui::Form* form = parentForm();
  if (form == nullptr) {
    focusMoved(newFocus);
    return;
  }
  std::vector<TbsSkinButton*> buttons;
  CollectButtons(*form, buttons);
  for (TbsSkinButton* b : buttons) b->focusMoved(newFocus);
}

void TbsSkinButton::focusMoved(const TbsSkinButton* newFocus) {
  defaultActive_ = newFocus != nullptr ? newFocus == this : default_;
  if (!canFocused_ || !default_) return;
  if (newFocus != nullptr) {
    if (MouseOver() && !mouseInside()) {
      setMouseOver(false);
      StartMorph();
    }
  } else if (!MouseOver()) {
    if (morphApplies()) setMorphLevelEnd(true);
    setMouseOver(true);
    StartMorph();
  }
}

bool TbsSkinButton::keepsHighlightOnLeave() const {
  return canFocused_ && default_ && defaultActive_ && !focused();
}

bool TbsSkinButton::focusedForLook() const { return canFocused_ && focused(); }

ButtonFacts TbsSkinButton::facts() const { return SkinButtonLayer::facts(); }

void TbsSkinButton::ButtonClick() {
  if (canFocused_ && modalResult() != ui::mrNone) {
    if (ui::Form* form = parentForm()) form->setModalResult(modalResult());
  }
  SkinButtonLayer::ButtonClick();
}

void TbsSkinButton::wndProc(ui::Message& m) {
  switch (m.id) {
    case ui::WM_SETFOCUS:
      SkinButtonLayer::wndProc(m);
      if (canFocused_) StartMorph();
      announceFocus(this);
      return;
    case ui::WM_KILLFOCUS:
      SkinButtonLayer::wndProc(m);
      stopRepeat();
      if (GroupIndex() == 0 && Down()) setDown(false);
      if (canFocused_) StartMorph();
      // Where the focus goes is told by the control that gets it; until a
      // button says so it is a control that is not a button.
      announceFocus(nullptr);
      return;
    default:
      SkinButtonLayer::wndProc(m);
  }
}

void TbsSkinButton::mouseDown(ui::MouseButton button, unsigned shift, int x, int y) {
  if (button == ui::MouseButton::Left && canFocused_ && !focused()) {
    if (!canFocus()) return;  // a button that cannot take the focus takes no press
    takingFocus_ = true;
    setFocus();
    takingFocus_ = false;
  }
  SkinButtonLayer::mouseDown(button, shift, x, y);
}

void TbsSkinButton::keyDown(int& key, unsigned shift) {
  if (canFocused_ && enabled()) {
    if (key == ui::VK_SPACE) {
      if (GroupIndex() != 0) {
        if (!MousePressed()) pressLeft();
      } else {
        if (!Down()) setDown(true);
        if (RepeatMode()) ButtonClick();
      }
      key = 0;
    } else if (key == ui::VK_RETURN) {
      // The focused button takes Enter itself: it is not a dialog key then.
      key = 0;
      ButtonClick();
      return;
    }
  }
  SkinButtonLayer::keyDown(key, shift);
}

void TbsSkinButton::keyUp(int& key, unsigned shift) {
  if (canFocused_ && enabled() && key == ui::VK_SPACE) {
    if (GroupIndex() != 0) {
      // A toggle is worked by Space as by a press and release over it.
      if (MousePressed()) releaseLeft(true);
    } else if (Down()) {
      setDown(false);
      ButtonClick();
    }
    key = 0;
  }
  SkinButtonLayer::keyUp(key, shift);
}

void TbsSkinButton::DrawSkinImage(gfx::Bitmap& bitmap) {
  const ButtonSectionValues* v = buttonValues();
  if (v == nullptr) {
    DrawStateImage(bitmap, SkinRect(), false, false);
    return;
  }
  switch (SkinButtonPicture(facts(), !gfx::IsNullRect(v->disabledSkinRect))) {
    case ButtonPicture::Morph:
      drawMorph(bitmap);
      break;
    case ButtonPicture::Disabled:
      DrawStateImage(bitmap, v->disabledSkinRect, false, false);
      break;
    case ButtonPicture::Down:
      DrawStateImage(bitmap, v->downSkinRect, true, true);
      break;
    case ButtonPicture::Active:
      DrawStateImage(bitmap, v->activeSkinRect, true, false);
      break;
    case ButtonPicture::Normal:
    case ButtonPicture::None:
      DrawStateImage(bitmap, SkinRect(), false, false);
      break;
  }
}

void TbsSkinButton::drawDefaultFace(gfx::Canvas& canvas, const gfx::Rect& faceRect,
                                    const gfx::Rect& textRect, int cell, bool pressed) {
  const ButtonFacts f = facts();
  DrawDefaultButtonFace(canvas, faceRect, DefaultButtonLookFor(f));
  gfx::Font font = stateFont(gfx::Color());
  if (!enabled()) font.color = gfx::SystemColor(gfx::SysColor::ButtonShadow);
  canvas.setFont(font);
  drawGlyphAndCaption(canvas, textRect, cell, pressed, true);
  if (focusedForLook()) {
    // The focus rectangle: a dotted frame three pixels inside the face.
    const gfx::Rect fr{faceRect.left + 3, faceRect.top + 3, faceRect.right - 3,
                       faceRect.bottom - 3};
    for (int x = fr.left; x < fr.right; x += 2) {
      canvas.setPixel(x, fr.top, gfx::kBlack);
      canvas.setPixel(x, fr.bottom - 1, gfx::kBlack);
    }
    for (int y = fr.top; y < fr.bottom; y += 2) {
      canvas.setPixel(fr.left, y, gfx::kBlack);
      canvas.setPixel(fr.right - 1, y, gfx::kBlack);
    }
  }
}

void TbsSkinButton::DrawDefaultImage(gfx::Bitmap& bitmap) {
  gfx::Canvas canvas(bitmap);
  const ButtonFacts f = facts();
  const bool pressed = DefaultButtonLookFor(f) == DefaultButtonLook::Pressed;
  const int cell = GlyphCellFor(NumGlyphs(), MouseOver(), Down(), !enabled());
  drawDefaultFace(canvas, clientRect(), clientRect(), cell, pressed);
}

}  // namespace skin
