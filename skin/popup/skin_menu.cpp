// The menu engine: the level stack, the sub-menu delay, running the chosen
// item, and the notifications of a closing menu.
#include "skin/popup/skin_menu.h"

#include <algorithm>

#include "skin/data/skin_messages.h"
#include "skin/popup/menu_messages.h"
#include "skin/popup/popup_window.h"
#include "ui/application.h"
#include "ui/monitor.h"
#include "ui/window_opacity.h"

namespace skin {

namespace {

constexpr int kSubmenuDelay = 500;

class PlatformPointer : public MenuPointerSource {
 public:
  gfx::Point cursorPos() const override { return ui::CursorPos(); }
  ui::Control* windowAt(gfx::Point screen) const override {
    return ui::ControlAtScreenPoint(screen);
  }
};

// Hears of one component's destruction for as long as it lives.
class ComponentGuard : public ui::Component {
 public:
  explicit ComponentGuard(ui::Component* target) : target_(target) {
    if (target_ != nullptr) freeNotification(target_);
  }
  ~ComponentGuard() override {
    if (target_ != nullptr) removeFreeNotification(target_);
  }
  ui::Component* get() const { return target_; }

 protected:
  void notification(ui::Component* c, Operation op) override {
    ui::Component::notification(c, op);
    if (op == Operation::Removing && c == target_) target_ = nullptr;
  }

 private:
  ui::Component* target_;
};

}  // namespace

MenuPointerSource& SystemPointerSource() {
  static PlatformPointer pointer;
  return pointer;
}

SkinMenuHost* FindSkinMenuHost(const ui::Component* window) {
  if (window == nullptr) return nullptr;
  for (ui::Component* c : window->components()) {
    if (auto* host = dynamic_cast<SkinMenuHost*>(c)) return host;
  }
  return nullptr;
}

// --- TbsSkinMenuItem --------------------------------------------------------

TbsSkinMenuItem::TbsSkinMenuItem(TbsSkinPopupWindow& window, ui::MenuItem& menuItem, int index)
    : window_(&window), menuItem_(&menuItem), index_(index) {}

bool TbsSkinMenuItem::divider() const { return menuItem_ == nullptr || menuItem_->isLine(); }
bool TbsSkinMenuItem::enabled() const { return menuItem_ != nullptr && menuItem_->enabled(); }
bool TbsSkinMenuItem::hasSubItems() const { return menuItem_ != nullptr && menuItem_->count() > 0; }

void TbsSkinMenuItem::ItemEnter(bool keyboard) {
  TbsSkinMenu& menu = window_->menu();
  Selected = true;
  for (const auto& other : window_->items()) {
    if (other.get() == this || !other->SubmenuOpen) continue;
    other->SubmenuOpen = false;
    other->RedrawItem();
  }
  if (KeyboardPicked && !keyboard) {
    RedrawItem();
    return;
  }
  if (SubmenuOpen) {
    // Back on the item whose sub-menu shows: only the levels beyond that
    // sub-menu close.
    const int level = menu.levelOf(*window_);
    const int stackSize = static_cast<int>(menu.PopupStack().size());
    if (level >= 0 && level + 2 < stackSize) {
      menu.CloseFromLevel(level + 2);
      for (const auto& sub : menu.PopupStack()[static_cast<std::size_t>(level + 1)]->items()) {
        if (!sub->SubmenuOpen) continue;
        sub->SubmenuOpen = false;
        sub->RedrawItem();
      }
    }
    return;
  }
  RedrawItem();
  menu.ActivateItem(*window_, *this, false, keyboard);
}

void TbsSkinMenuItem::ItemLeave() {
  Selected = false;
  KeyboardPicked = false;
  if (!SubmenuOpen) RedrawItem();
  TbsSkinMenu& menu = window_->menu();
  if (menu.DelayedItem() == this) menu.stopDelayTimer();
}

void TbsSkinMenuItem::ItemClick() {
  KeyboardPicked = false;
  if (!SubmenuOpen && enabled()) window_->menu().ActivateItem(*window_, *this, true, false);
}

void TbsSkinMenuItem::RedrawItem() {
  if (window_->hasItemLook() && window_->itemMorphing()) {
    window_->startMorph();
  } else {
    window_->DrawItem(*this);
  }
}

// --- TbsSkinMenu -------------------------------------------------------------

// Closes the open menu when the skin it draws from is about to change: the
// levels hold that skin's pictures and looks.
class TbsSkinMenu::SkinChangeWatch : public ui::MessageHook {
 public:
  explicit SkinChangeWatch(TbsSkinMenu& menu) : menu_(menu) {}

 protected:
  void hookMessage(ui::Message& m) override {
    if (m.id == static_cast<unsigned>(SkinChanging) && menu_.skinData_ != nullptr &&
        ui::FromParam<TbsSkinData>(m.wparam) == menu_.skinData_ &&
        (menu_.visible_ || !menu_.stack_.empty())) {
      menu_.CloseAllMenus();
    }
    callPrevious(m);
  }

 private:
  TbsSkinMenu& menu_;
};

TbsSkinMenu::TbsSkinMenu(ui::Control& ownerWindow, ui::Component* owner)
    : ui::Component(owner),
      ownerWindow_(&ownerWindow),
      scheduler_(&ui::QtScheduler()),
      pointer_(&SystemPointerSource()),
      skinWatch_(std::make_unique<SkinChangeWatch>(*this)) {
  DefaultMenuItemFont.name = "Arial";
  DefaultMenuItemFont.height = 14;
  ownerWindow.installHook(skinWatch_.get());
}

TbsSkinMenu::~TbsSkinMenu() {
  *alive_ = false;
  stopDelayTimer();
  if (purgeCall_ != 0) ui::QtScheduler().cancel(purgeCall_);
  // The engine may go from inside a level's own input handler (an item that
  // closes the window): the levels are freed once the event loop is back.
  for (auto& w : stack_) w->Retire();
  for (auto* list : {&stack_, &retired_}) {
    for (auto& w : *list) {
      std::shared_ptr<TbsSkinPopupWindow> level(std::move(w));
      ui::QtScheduler().start(0, [level] {});
    }
  }
  if (skinData_ != nullptr) skinData_->removeRemovalListener(this);
}

void TbsSkinMenu::setDefaultMenuItemHeight(int h) {
  if (h > 0) defaultMenuItemHeight_ = h;
}

void TbsSkinMenu::setMaxMenuItemsInWindow(int n) {
  if (n >= 0) maxMenuItemsInWindow_ = n;
}

void TbsSkinMenu::setScheduler(ui::Scheduler* scheduler) {
  stopDelayTimer();
  scheduler_ = scheduler != nullptr ? scheduler : &ui::QtScheduler();
}

void TbsSkinMenu::setPointerSource(MenuPointerSource* pointer) {
  pointer_ = pointer != nullptr ? pointer : &SystemPointerSource();
}

void TbsSkinMenu::componentRemoved(DataComponent& component) {
  if (&component != skinData_) return;
  // The levels draw from the skin that is going away.
  if (visible_ || !stack_.empty()) CloseAllMenus();
  skinData_ = nullptr;
}

void TbsSkinMenu::setSkinData(TbsSkinData* data) {
  if (data == skinData_) return;
  if (skinData_ != nullptr) skinData_->removeRemovalListener(this);
  skinData_ = data;
  if (skinData_ != nullptr) skinData_->addRemovalListener(this);
}

void TbsSkinMenu::notification(ui::Component* component, Operation operation) {
  ui::Component::notification(component, operation);
  if (operation != Operation::Removing) return;
  if (component == openingControl_) openingControl_ = nullptr;
  if (component == notifiedControl_) notifiedControl_ = nullptr;
  // A menu item destroyed while its level shows: the level cannot stay.
  bool shown = false;
  for (const auto& w : stack_) {
    for (const auto& item : w->items()) {
      if (item->menuItem_ != component) continue;
      item->menuItem_ = nullptr;
      shown = true;
    }
  }
  if (shown) CloseAllMenus();
}

void TbsSkinMenu::setOpeningControl(ui::Control* c) {
  if (openingControl_ != nullptr && openingControl_ != notifiedControl_)
    removeFreeNotification(openingControl_);
  openingControl_ = c;
  if (c != nullptr) freeNotification(c);
}

void TbsSkinMenu::setNotifiedControl(ui::Control* c) {
  if (notifiedControl_ != nullptr && notifiedControl_ != openingControl_)
    removeFreeNotification(notifiedControl_);
  notifiedControl_ = c;
  if (c != nullptr) freeNotification(c);
}

void TbsSkinMenu::stopDelayTimer() {
  if (delayTimer_ != 0) scheduler_->cancel(delayTimer_);
  delayTimer_ = 0;
  delayedItem_ = nullptr;
}

int TbsSkinMenu::levelOf(const TbsSkinPopupWindow& window) const {
  for (std::size_t i = 0; i < stack_.size(); ++i) {
    if (stack_[i].get() == &window) return static_cast<int>(i);
  }
  return -1;
}

void TbsSkinMenu::ShowMenu(ui::Control* control, TbsSkinData* skinData, bool up,
                           ui::MenuItem& items, const gfx::Rect& anchor, int startIndex) {
  firstPopup_ = !visible_;
  // The levels of an earlier sequence close first, so that its opening
  // control hears MenuClosed and the new one is kept for this sequence.
  if (!stack_.empty() || visible_) CloseFromLevel(0);
  setOpeningControl(control);
  workArea_ = ui::MonitorWorkArea(*ownerWindow_);
  setSkinData(skinData);
  if (items.count() > 0 && startIndex >= 0 && startIndex < items.count()) {
    visible_ = true;
    const std::weak_ptr<bool> alive = alive_;
    const bool opened = OpenLevel(anchor, items, up, false, startIndex);
    if (alive.expired() || !*alive.lock()) return;
    if (!opened) {
      // Nothing of the menu is visible: the sequence ends before it began.
      visible_ = false;
      setOpeningControl(nullptr);
    }
    firstPopup_ = false;
  }
}

bool TbsSkinMenu::OpenLevel(const gfx::Rect& anchor, ui::MenuItem& items, bool up, bool submenu,
                            int startIndex) {
  const std::weak_ptr<bool> alive = alive_;
  // The first level of a fading menu starts from a settled screen.
  if (ui::LayeredWindowsAvailable() && AlphaBlend && AlphaBlendAnimation && firstPopup_) {
    ui::Application::instance().processMessages();
    if (alive.expired() || !*alive.lock()) return false;
  }
  TbsSkinData* skin = skinData_ != nullptr && !skinData_->Empty() ? skinData_ : nullptr;
  auto window = std::make_unique<TbsSkinPopupWindow>(*this, skin);
  TbsSkinPopupWindow* w = window.get();
  stack_.push_back(std::move(window));
  if (!w->Open(anchor, items, up, submenu, startIndex, firstPopup_)) {
    const int level = levelOf(*w);
    if (level >= 0) {
      retire(std::move(stack_[static_cast<std::size_t>(level)]));
      stack_.erase(stack_.begin() + level);
    }
    return false;
  }
  for (const auto& item : w->items()) {
    if (item->menuItem_ != nullptr) freeNotification(item->menuItem_);
  }
  return true;
}

void TbsSkinMenu::retire(std::unique_ptr<TbsSkinPopupWindow> window) {
  window->Retire();
  for (const auto& item : window->items()) {
    if (item.get() == delayedItem_) stopDelayTimer();
    if (item->menuItem_ != nullptr) removeFreeNotification(item->menuItem_);
  }
  retired_.push_back(std::move(window));
  if (purgeCall_ == 0) {
    const std::weak_ptr<bool> alive = alive_;
    purgeCall_ = ui::QtScheduler().start(0, [this, alive] {
      if (alive.expired() || !*alive.lock()) return;
      purgeCall_ = 0;
      purgeRetired();
    });
  }
}

void TbsSkinMenu::purgeRetired() { retired_.clear(); }

void TbsSkinMenu::CloseFromLevel(int level) {
  level = std::max(level, 0);
  while (static_cast<int>(stack_.size()) > level) {
    std::unique_ptr<TbsSkinPopupWindow> w = std::move(stack_.back());
    stack_.pop_back();
    retire(std::move(w));
  }
  if (level != 0) return;
  visible_ = false;
  stopDelayTimer();
  setNotifiedControl(openingControl_);
  ui::Control* opening = openingControl_;
  setOpeningControl(nullptr);
  if (opening != nullptr) opening->perform(MenuClosed);
}

void TbsSkinMenu::CloseAllMenus() {
  const std::weak_ptr<bool> alive = alive_;
  CloseFromLevel(0);
  if (alive.expired() || !*alive.lock()) return;
  stopDelayTimer();
  ownerWindow_->perform(MenuClosed);
}

void TbsSkinMenu::ActivateItem(TbsSkinPopupWindow& window, TbsSkinMenuItem& item, bool execute,
                               bool keyboard) {
  const int level = levelOf(window);
  if (level < 0) return;  // a closed level no longer acts
  const std::weak_ptr<bool> alive = alive_;
  auto gone = [&alive] { return alive.expired() || !*alive.lock(); };
  if (!item.hasSubItems()) {
    stopDelayTimer();
    if (!execute) {
      CloseFromLevel(level + 1);
      return;
    }
    // The menu item may go while the menu closes (its menu freed on
    // MenuClosed): only a living one runs.
    ComponentGuard chosen(item.menuItem());
    CloseAllMenus();
    if (gone()) return;
    if (auto* mi = static_cast<ui::MenuItem*>(chosen.get())) {
      mi->click();
      if (gone()) return;
    }
    if (notifiedControl_ != nullptr) {
      ui::Control* notified = notifiedControl_;
      setNotifiedControl(nullptr);
      notified->perform(MenuItemExecuted);
    }
    return;
  }
  if (!execute) {
    if (keyboard) return;
    CloseFromLevel(level + 1);
    stopDelayTimer();
    delayedItem_ = &item;
    TbsSkinPopupWindow* w = &window;
    delayTimer_ = scheduler_->start(kSubmenuDelay, [this, w] {
      delayTimer_ = 0;
      TbsSkinMenuItem* delayed = delayedItem_;
      delayedItem_ = nullptr;
      if (delayed != nullptr && levelOf(*w) >= 0) ActivateItem(*w, *delayed, true, false);
    });
    return;
  }
  ui::MenuItem* parent = item.menuItem();
  parent->click();
  if (gone() || levelOf(window) < 0 || item.menuItem() == nullptr) return;
  stopDelayTimer();
  // A sub-menu of another item of this level may still show.
  CloseFromLevel(level + 1);
  item.SubmenuOpen = true;
  item.RedrawItem();
  const gfx::Rect r = item.ObjectRect;
  const gfx::Rect anchor{window.left() + r.left, window.top() + r.top, window.left() + r.right,
                         window.top() + r.bottom};
  if (!OpenLevel(anchor, *parent, false, true, 0)) {
    if (!gone() && levelOf(window) >= 0) {
      item.SubmenuOpen = false;
      item.RedrawItem();
    }
  }
}

void TbsSkinMenu::KeyDown(int key) {
  TbsSkinPopupWindow* w = deepestLevel();
  if (w == nullptr || !w->visible()) return;
  w->KeyDown(key);
}

}  // namespace skin
