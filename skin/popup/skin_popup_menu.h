// TbsSkinPopupMenu: a popup-menu component whose menus are shown by the
// skinned menu engine of a window's frame instead of the platform's menus.
#pragma once

#include "skin/data/skin_data.h"
#include "skin/popup/skin_menu.h"
#include "ui/menu_item.h"

namespace skin {

class TbsSkinPopupMenu : public ui::PopupMenu, private RemovalListener {
 public:
  explicit TbsSkinPopupMenu(ui::Component* owner = nullptr);
  ~TbsSkinPopupMenu() override;

  // The skin of the menu; null takes the frame's menu skin. Cleared when
  // that component is destroyed.
  TbsSkinData* SkinData() const { return skinData_; }
  void setSkinData(TbsSkinData* data);
  // The window whose frame shows the menu; null looks at the owners.
  ui::Component* OwnerWindow() const { return ownerWindow_; }
  void setOwnerWindow(ui::Component* window);

  // Shows the menu at a screen point (also what popup() does).
  void Popup(int x, int y);
  void popup(int x, int y) override { Popup(x, y); }
  // Shows it beside rect for control, which hears MenuClosed and MenuItemExecuted.
  void PopupFromRect(ui::Control* control, const gfx::Rect& rect, bool up);
  // The context menu of an edit box; nothing without any skin.
  void PopupForEdit(ui::Control* edit, int x, int y);
  // Shows menu's sub-items beside rect (a frame button's menu).
  void PopupItemsAt(ui::MenuItem& menu, const gfx::Rect& rect, bool up);

  // The frame that shows this menu, or null.
  SkinMenuHost* FindHost() const;

 protected:
  void notification(ui::Component* component, Operation operation) override;

 private:
  void componentRemoved(DataComponent& component) override;
  // Fires the popup event, finds the frame and shows items; false when
  // nothing could be shown.
  bool show(ui::Control* control, ui::MenuItem& items, const gfx::Rect& anchor, bool up,
            bool needSkin);

  TbsSkinData* skinData_ = nullptr;
  ui::Component* ownerWindow_ = nullptr;
};

}  // namespace skin
