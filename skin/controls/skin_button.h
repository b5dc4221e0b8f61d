// TbsSkinButton: the windowed, focusable push button. Besides the press,
// repeat, group and fade rules it shares with the speed button it is worked
// by the keyboard (Space, Enter, its accelerator letter), plays the default
// and cancel roles of a dialog through the window's dialog keys, highlights
// itself as the default button while a control that is not a button has
// the focus, and hands its modal result to the window. Default section:
// "button".
#pragma once

#include <memory>

#include "skin/controls/skin_button_layer.h"

namespace skin {

class TbsSkinButton : public SkinButtonLayer<TbsSkinCustomControl> {
 public:
  explicit TbsSkinButton(ui::Component* owner);
  ~TbsSkinButton() override;

  bool CanFocused() const { return canFocused_; }
  // Whether the button takes the focus and keys; also sets TabStop.
  void setCanFocused(bool on);
  // A non-zero group makes the button a toggle that takes no focus.
  void setGroupIndex(int index) override;

  // Enter anywhere in the window clicks the default button (the focused
  // button instead while a button has the focus); Escape the cancel one.
  bool isDefault() const { return default_; }
  void setDefault(bool on);
  bool isCancel() const { return cancel_; }
  void setCancel(bool on) { cancel_ = on; }
  bool DefaultActive() const { return defaultActive_; }

  ButtonFacts facts() const override;
  void ButtonClick() override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  void setParent(ui::WinControl* parent) override;

  // The accelerator letter of a caption ("&Open" -> 'O'), upper case; 0
  // for none ("&&" is a literal ampersand).
  static char AcceleratorOf(const std::string& caption);

 protected:
  void wndProc(ui::Message& m) override;
  void mouseDown(ui::MouseButton button, unsigned shift, int x, int y) override;
  void keyDown(int& key, unsigned shift) override;
  void keyUp(int& key, unsigned shift) override;
  bool keepsHighlightOnLeave() const override;
  bool focusedForLook() const override;
  // The window's dialog keys and accelerators reach the button through
  // this; true when the button took the message.
  virtual bool formMessage(ui::Message& m);
  // The focus moved in the window to newFocus (null: not a button).
  void focusMoved(const TbsSkinButton* newFocus);
  // The default-look face and the caption area; the menu button adds its
  // drop-down part.
  void drawDefaultFace(gfx::Canvas& canvas, const gfx::Rect& faceRect, const gfx::Rect& textRect,
                       int cell, bool pressed);

 private:
  class FormHook;
  void attachToForm();
  // Tells every button of the window where the focus went.
  void announceFocus(const TbsSkinButton* newFocus);

  bool canFocused_ = true;
  bool default_ = false;
  bool cancel_ = false;
  bool defaultActive_ = false;
  bool takingFocus_ = false;
  std::unique_ptr<FormHook> hook_;
};

}  // namespace skin
