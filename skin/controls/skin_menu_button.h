// TbsSkinMenuButton: a push button that opens a skinned popup menu below
// itself, from the whole button or (TrackButtonMode) from a drop-down part
// at its right edge, and stays held until the menu closes. Without a menu
// it is an ordinary button. Default section: "toolmenubutton".
#pragma once

#include <functional>

#include "skin/controls/skin_button.h"
#include "skin/popup/skin_popup_menu.h"

namespace skin {

class TbsSkinMenuButton : public TbsSkinButton {
 public:
  explicit TbsSkinMenuButton(ui::Component* owner);
  ~TbsSkinMenuButton() override;

  TbsSkinPopupMenu* SkinPopupMenu() const { return menu_; }
  void setSkinPopupMenu(TbsSkinPopupMenu* menu);
  bool TrackButtonMode() const { return trackButtonMode_; }
  void setTrackButtonMode(bool on);
  bool MenuShown() const { return menuShown_; }

  // Opens the menu below the button; nothing without a menu.
  void ShowTrackMenu();
  // Whether a press at (x, y) opens the menu.
  bool trackHit(int x, int y) const;
  // The drop-down part placed for the current size.
  gfx::Rect trackArea() const;

  std::function<void(ui::Control&)> OnShowTrackMenu;
  std::function<void(ui::Control&)> OnHideTrackMenu;

  void ReadSkinSection() override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  void DrawStateImage(gfx::Bitmap& bitmap, const gfx::Rect& src, bool active, bool down) override;

 protected:
  void wndProc(ui::Message& m) override;
  void mouseDown(ui::MouseButton button, unsigned shift, int x, int y) override;
  void mouseUp(ui::MouseButton button, unsigned shift, int x, int y) override;
  void pointerEntered() override;
  void pointerLeft() override;
  void keyDown(int& key, unsigned shift) override;
  bool formMessage(ui::Message& m) override;
  void notification(ui::Component* component, ui::Component::Operation operation) override;

 private:
  void openMenu();
  void menuClosed();
  // The "resizebutton" look: main part and strip composed on their own.
  void drawResizeButton(gfx::Bitmap& bitmap);
  void composePart(gfx::Bitmap& part, const gfx::Rect& src, int width, int height) const;

  TbsSkinPopupMenu* menu_ = nullptr;
  bool trackButtonMode_ = false;
  bool menuShown_ = false;
  gfx::Rect trackButtonRect_;
};

}  // namespace skin
