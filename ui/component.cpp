// Component ownership and removal notices.
#include "ui/component.h"

#include <algorithm>

namespace ui {

namespace {
void Erase(std::vector<Component*>& v, Component* c) {
  v.erase(std::remove(v.begin(), v.end(), c), v.end());
}
}  // namespace

Component::Component(Component* owner) {
  if (owner) owner->insertComponent(this);
}

Component::~Component() {
  destroying_ = true;
  // Everyone who asked hears of the removal first, so that no reference to
  // this component survives it.
  while (!freeNotifies_.empty()) {
    Component* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    Erase(other->freeNotifies_, this);
    other->notification(this, Operation::Removing);
  }
  destroyComponents();
  if (owner_) owner_->removeComponent(this);
}

void Component::destroyComponents() {
  while (!components_.empty()) {
    Component* c = components_.back();
    // The owned one removes itself from components_ in its destructor.
    delete c;
  }
}

Component* Component::findComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (Component* c : components_)
    if (c->name_ == name) return c;
  return nullptr;
}

void Component::insertComponent(Component* c) {
  if (!c || c->owner_ == this) return;
  if (c->owner_) c->owner_->removeComponent(c);
  c->owner_ = this;
  components_.push_back(c);
  notification(c, Operation::Inserting);
}

void Component::removeComponent(Component* c) {
  if (!c || c->owner_ != this) return;
  // The owner hears of the removal like any other component that refers to it.
  notification(c, Operation::Removing);
  c->owner_ = nullptr;
  Erase(components_, c);
}

void Component::freeNotification(Component* other) {
  if (!other || other == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), other) == freeNotifies_.end())
    freeNotifies_.push_back(other);
  if (std::find(other->freeNotifies_.begin(), other->freeNotifies_.end(), this) ==
      other->freeNotifies_.end())
    other->freeNotifies_.push_back(this);
}

void Component::removeFreeNotification(Component* other) {
  if (!other) return;
  Erase(freeNotifies_, other);
  Erase(other->freeNotifies_, this);
}

void Component::notification(Component*, Operation) {}

}  // namespace ui
