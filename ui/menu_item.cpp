// The menu model.
#include "ui/menu_item.h"

#include <algorithm>

#include "ui/image_list.h"

namespace ui {

Action::~Action() {
  for (MenuItem* m : clients_) m->action_ = nullptr;
}

void Action::changed() {
  for (MenuItem* m : clients_) m->syncFromAction();
}

void Action::setCaption(const std::string& s) {
  caption_ = s;
  changed();
}
void Action::setEnabled(bool on) {
  enabled_ = on;
  changed();
}
void Action::setChecked(bool on) {
  checked_ = on;
  changed();
}
void Action::setVisible(bool on) {
  visible_ = on;
  changed();
}
void Action::setImageIndex(int i) {
  imageIndex_ = i;
  changed();
}
void Action::setShortCut(ShortCut sc) {
  shortCut_ = sc;
  changed();
}

bool Action::execute() {
  if (!enabled_ || !onExecute) return false;
  onExecute(*this);
  return true;
}

bool Action::update() {
  if (!onUpdate) return false;
  onUpdate(*this);
  return true;
}

MenuItem::~MenuItem() {
  if (action_) setAction(nullptr);
  destroyComponents();
  // Off the parent's list while this is still a whole item: the owner's
  // removal notice comes only from the base part's destructor.
  if (parent_) {
    auto& siblings = parent_->items_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    parent_ = nullptr;
  }
}

void MenuItem::setChecked(bool on) {
  checked_ = on;
  if (on && radioItem_ && parent_) {
    for (MenuItem* sibling : parent_->items_)
      if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_)
        sibling->checked_ = false;
  }
}

void MenuItem::add(MenuItem* item) { insert(count(), item); }

void MenuItem::insert(int index, MenuItem* item) {
  if (!item || item == this || item->parent_ == this) return;
  if (item->parent_) item->parent_->remove(item);
  index = std::clamp(index, 0, count());
  insertComponent(item);
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
}

void MenuItem::remove(MenuItem* item) {
  if (!item || item->parent_ != this) return;
  items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
  item->parent_ = nullptr;
  removeComponent(item);
}

void MenuItem::clear() {
  while (!items_.empty()) delete items_.back();
}

int MenuItem::indexOf(const MenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

MenuItem* MenuItem::find(const std::string& caption) const {
  for (MenuItem* m : items_)
    if (m->caption_ == caption) return m;
  return nullptr;
}

MenuItem* MenuItem::findByName(const std::string& name) const {
  for (MenuItem* m : items_)
    if (m->name() == name) return m;
  return nullptr;
}

std::vector<MenuItem*> MenuItem::visibleItems() const {
  std::vector<MenuItem*> v;
  for (MenuItem* m : items_)
    if (m->visible_) v.push_back(m);
  return v;
}

void MenuItem::setAction(Action* a) {
  if (a == action_) return;
  if (action_) {
    auto& c = action_->clients_;
    c.erase(std::remove(c.begin(), c.end(), this), c.end());
  }
  action_ = a;
  if (action_) {
    action_->clients_.push_back(this);
    syncFromAction();
  }
}

void MenuItem::updateFromAction() {
  if (!action_) return;
  action_->update();
  // The handler may have unlinked the item.
  syncFromAction();
}

void MenuItem::syncFromAction() {
  if (!action_) return;
  caption_ = action_->caption_;
  hint_ = action_->hint_;
  enabled_ = action_->enabled_;
  checked_ = action_->checked_;
  visible_ = action_->visible_;
  imageIndex_ = action_->imageIndex_;
  shortCut_ = action_->shortCut_;
}

void MenuItem::click() {
  if (!enabled_) return;
  if (onClick)
    onClick(*this);
  else if (action_)
    action_->execute();
}

ImageList* MenuItem::images() const {
  const MenuItem* m = this;
  while (m->parent_) m = m->parent_;
  return m->menuImages_;
}

void MenuItem::notification(Component* c, Operation op) {
  Component::notification(c, op);
  if (op != Operation::Removing) return;
  auto it = std::find(items_.begin(), items_.end(), c);
  if (it != items_.end()) {
    (*it)->parent_ = nullptr;
    items_.erase(it);
  }
}

PopupMenu::PopupMenu(Component* owner) : Component(owner), root_(new MenuItem(this)) {}

PopupMenu::~PopupMenu() { destroyComponents(); }

void PopupMenu::setImages(ImageList* images) {
  if (images_) removeFreeNotification(images_);
  images_ = images;
  root_->menuImages_ = images;
  if (images_) freeNotification(images_);
}

void PopupMenu::popup(int, int) {
  if (onPopup) onPopup(*this);
}

namespace {
MenuItem* FindShortCutIn(const MenuItem& m, ShortCut sc) {
  for (MenuItem* i : m.items()) {
    if (i->shortCut() == sc && i->enabled() && i->visible()) return i;
    if (MenuItem* f = FindShortCutIn(*i, sc)) return f;
  }
  return nullptr;
}
}  // namespace

MenuItem* PopupMenu::findShortCut(ShortCut sc) const {
  return sc ? FindShortCutIn(*root_, sc) : nullptr;
}

void PopupMenu::notification(Component* c, Operation op) {
  Component::notification(c, op);
  if (op == Operation::Removing && c == images_) {
    images_ = nullptr;
    if (root_ && !destroying()) root_->menuImages_ = nullptr;
  }
}

}  // namespace ui
