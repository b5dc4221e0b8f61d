// The skinned menu engine: TbsSkinMenu opens a stack of popup windows, one
// per menu level, runs the chosen item and closes everything again;
// TbsSkinMenuItem is one item as a level shows it. SkinMenuHost is what a
// window's frame offers the engine and the popup-menu component: the engine
// itself, the menu mode that routes the application's keys to the menu, and
// the skin of the window's menus.
#pragma once

#include <memory>
#include <vector>

#include "skin/data/skin_data.h"
#include "ui/component.h"
#include "ui/control.h"
#include "ui/menu_item.h"
#include "ui/scheduler.h"

namespace skin {

class TbsSkinMenu;
class TbsSkinPopupWindow;

// Where the engine reads the pointer from. The levels poll it; tests move a
// pointer of their own.
class MenuPointerSource {
 public:
  virtual ~MenuPointerSource() = default;
  virtual gfx::Point cursorPos() const = 0;
  // The window under a screen point, or null.
  virtual ui::Control* windowAt(gfx::Point screen) const = 0;
};
// The platform's pointer.
MenuPointerSource& SystemPointerSource();

// Implemented by the frame component of a window.
class SkinMenuHost {
 public:
  virtual TbsSkinMenu& SkinMenu() = 0;
  // Menu mode: while it is on, every key-down of the application goes to
  // the open menu and wheel turns are swallowed.
  virtual void EnterMenuMode() = 0;
  virtual void LeaveMenuMode() = 0;
  virtual bool InMenuMode() const = 0;
  // The skin of the window's menus (its menu skin, else its skin); may be null.
  virtual TbsSkinData* MenusSkin() const = 0;

 protected:
  ~SkinMenuHost() = default;
};

// The first component of window that is a menu host, or null.
SkinMenuHost* FindSkinMenuHost(const ui::Component* window);

// One item of an open level.
class TbsSkinMenuItem {
 public:
  TbsSkinMenuItem(TbsSkinPopupWindow& window, ui::MenuItem& menuItem, int index);

  TbsSkinPopupWindow& window() const { return *window_; }
  // Null once the menu item was destroyed while its level was open.
  ui::MenuItem* menuItem() const { return menuItem_; }
  int index() const { return index_; }
  bool divider() const;
  bool enabled() const;
  bool hasSubItems() const;
  // Enabled and not a divider: may be selected, entered and run.
  bool selectable() const { return enabled() && !divider(); }
  bool lit() const { return Selected || SubmenuOpen; }

  void ItemEnter(bool keyboard);
  void ItemLeave();
  void ItemClick();
  void RedrawItem();

  gfx::Rect ObjectRect;
  double MorphFactor = 0.0;
  bool Selected = false;
  bool SubmenuOpen = false;
  bool Shown = true;
  bool KeyboardPicked = false;

 private:
  friend class TbsSkinMenu;
  TbsSkinPopupWindow* window_;
  ui::MenuItem* menuItem_;
  int index_;
};

class TbsSkinMenu : public ui::Component, private RemovalListener {
 public:
  // ownerWindow: the window whose frame owns the engine; it hears MenuClosed.
  explicit TbsSkinMenu(ui::Control& ownerWindow, ui::Component* owner = nullptr);
  ~TbsSkinMenu() override;

  ui::Control& ownerWindow() const { return *ownerWindow_; }

  bool UseSkinFont = true;
  int DefaultMenuItemHeight() const { return defaultMenuItemHeight_; }
  void setDefaultMenuItemHeight(int h);  // values <= 0 are ignored
  gfx::Font DefaultMenuItemFont;
  int MaxMenuItemsInWindow() const { return maxMenuItemsInWindow_; }
  void setMaxMenuItemsInWindow(int n);  // negative values are ignored
  bool AlphaBlend = false;
  bool AlphaBlendAnimation = false;
  int AlphaBlendValue = 150;

  TbsSkinData* SkinData() const { return skinData_; }
  bool Visible() const { return visible_; }
  bool FirstPopup() const { return firstPopup_; }
  const std::vector<std::unique_ptr<TbsSkinPopupWindow>>& PopupStack() const { return stack_; }
  ui::Control* OpeningControl() const { return openingControl_; }
  ui::Control* NotifiedControl() const { return notifiedControl_; }
  TbsSkinMenuItem* DelayedItem() const { return delayedItem_; }
  bool SubmenuDelayRunning() const { return delayTimer_ != 0; }
  const gfx::Rect& MenuWorkArea() const { return workArea_; }

  // The clock of every menu timer and the pointer the levels poll (tests
  // put their own in; null restores the platform's).
  ui::Scheduler& scheduler() const { return *scheduler_; }
  void setScheduler(ui::Scheduler* scheduler);
  MenuPointerSource& pointer() const { return *pointer_; }
  void setPointerSource(MenuPointerSource* pointer);

  // Opens a menu sequence with the sub-items of items from startIndex on,
  // beside anchor (screen coordinates). Nothing opens for a menu without
  // sub-items or a start index past them.
  void ShowMenu(ui::Control* control, TbsSkinData* skinData, bool up, ui::MenuItem& items,
                const gfx::Rect& anchor, int startIndex);
  // Opens one more level; false when it has nothing to show.
  bool OpenLevel(const gfx::Rect& anchor, ui::MenuItem& items, bool up, bool submenu,
                 int startIndex);
  // Closes every level from level on; level 0 ends the menu sequence and
  // tells the opening control.
  void CloseFromLevel(int level);
  // Ends the menu sequence and tells the owner window too.
  void CloseAllMenus();
  // What entering (execute false) or choosing (execute true) an item does.
  void ActivateItem(TbsSkinPopupWindow& window, TbsSkinMenuItem& item, bool execute, bool keyboard);
  // A key pressed while the frame is in menu mode; goes to the deepest level.
  void KeyDown(int key);

  int levelOf(const TbsSkinPopupWindow& window) const;
  // Cleared when the engine goes: who shows a menu checks it afterwards,
  // since a fading first level processes pending events, which may free
  // the window and the engine with it.
  std::weak_ptr<bool> aliveToken() const { return alive_; }
  TbsSkinPopupWindow* deepestLevel() const {
    return stack_.empty() ? nullptr : stack_.back().get();
  }

 protected:
  void notification(ui::Component* component, Operation operation) override;

 private:
  friend class TbsSkinMenuItem;
  void componentRemoved(DataComponent& component) override;
  void setSkinData(TbsSkinData* data);
  void setOpeningControl(ui::Control* c);
  void setNotifiedControl(ui::Control* c);
  void stopDelayTimer();
  void retire(std::unique_ptr<TbsSkinPopupWindow> window);
  void purgeRetired();
  void watchSkinChanges();
  class SkinChangeWatch;

  ui::Control* ownerWindow_;
  int defaultMenuItemHeight_ = 20;
  int maxMenuItemsInWindow_ = 0;
  TbsSkinData* skinData_ = nullptr;
  bool visible_ = false;
  bool firstPopup_ = false;
  std::vector<std::unique_ptr<TbsSkinPopupWindow>> stack_;
  // Closed levels wait here until the event loop is back: a level may close
  // from inside its own input handler.
  std::vector<std::unique_ptr<TbsSkinPopupWindow>> retired_;
  ui::Scheduler::Id purgeCall_ = 0;
  ui::Control* openingControl_ = nullptr;
  ui::Control* notifiedControl_ = nullptr;
  TbsSkinMenuItem* delayedItem_ = nullptr;
  ui::Scheduler::Id delayTimer_ = 0;
  gfx::Rect workArea_;
  ui::Scheduler* scheduler_;
  MenuPointerSource* pointer_;
  std::unique_ptr<SkinChangeWatch> skinWatch_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace skin
