// Showing a popup-menu component through the frame's menu engine.
#include "skin/popup/skin_popup_menu.h"

#include "ui/win_control.h"

namespace skin {

TbsSkinPopupMenu::TbsSkinPopupMenu(ui::Component* owner) : ui::PopupMenu(owner) {}

TbsSkinPopupMenu::~TbsSkinPopupMenu() {
  if (skinData_ != nullptr) skinData_->removeRemovalListener(this);
}

void TbsSkinPopupMenu::setSkinData(TbsSkinData* data) {
  if (data == skinData_) return;
  if (skinData_ != nullptr) skinData_->removeRemovalListener(this);
  skinData_ = data;
  if (skinData_ != nullptr) skinData_->addRemovalListener(this);
}

void TbsSkinPopupMenu::componentRemoved(DataComponent& component) {
  if (&component == skinData_) skinData_ = nullptr;
}

void TbsSkinPopupMenu::setOwnerWindow(ui::Component* window) {
  if (ownerWindow_ != nullptr && ownerWindow_ != owner()) removeFreeNotification(ownerWindow_);
  ownerWindow_ = window;
  if (window != nullptr) freeNotification(window);
}

void TbsSkinPopupMenu::notification(ui::Component* component, Operation operation) {
  ui::PopupMenu::notification(component, operation);
  if (operation == Operation::Removing && component == ownerWindow_) ownerWindow_ = nullptr;
}

SkinMenuHost* TbsSkinPopupMenu::FindHost() const {
  const ui::Component* window = ownerWindow_;
  if (window == nullptr) {
    window = owner();
    if (window != nullptr && dynamic_cast<const ui::WinControl*>(window) == nullptr)
      window = window->owner();
  }
  return FindSkinMenuHost(window);
}

bool TbsSkinPopupMenu::show(ui::Control* control, ui::MenuItem& items, const gfx::Rect& anchor,
                            bool up, bool needSkin) {
  if (onPopup) onPopup(*this);
  SkinMenuHost* host = FindHost();
  if (host == nullptr) return false;
  TbsSkinData* skin = skinData_ != nullptr ? skinData_ : host->MenusSkin();
  if (needSkin && skin == nullptr) return false;
  TbsSkinMenu& engine = host->SkinMenu();
  // The host's events and a fading first level may free the window, and
  // the engine and its host with it.
  const std::weak_ptr<bool> alive = engine.aliveToken();
  const auto gone = [&alive] { return alive.expired() || !*alive.lock(); };
  if (engine.Visible()) host->LeaveMenuMode();
  if (gone()) return false;
  host->EnterMenuMode();
  if (gone()) return false;
  engine.ShowMenu(control, skin, up, items, anchor, 0);
  if (gone()) return false;
  // A menu with nothing to show leaves no menu mode behind.
  if (!engine.Visible()) host->LeaveMenuMode();
  return engine.Visible();
}

void TbsSkinPopupMenu::Popup(int x, int y) { show(nullptr, items(), {x, y, x, y}, false, false); }

void TbsSkinPopupMenu::PopupFromRect(ui::Control* control, const gfx::Rect& rect, bool up) {
  show(control, items(), rect, up, false);
}

void TbsSkinPopupMenu::PopupForEdit(ui::Control* edit, int x, int y) {
  show(edit, items(), {x, y, x, y}, false, true);
}

void TbsSkinPopupMenu::PopupItemsAt(ui::MenuItem& menu, const gfx::Rect& rect, bool up) {
  show(nullptr, menu, rect, up, false);
}

}  // namespace skin
