// Components: objects with an owner that frees them, a name, and a removal
// notice so that a component referring to another can drop the reference
// before that one is gone.
#pragma once

#include <string>
#include <vector>

namespace ui {

class Component {
 public:
  explicit Component(Component* owner = nullptr);
  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  Component* owner() const { return owner_; }
  const std::string& name() const { return name_; }
  void setName(const std::string& name) { name_ = name; }
  int tag() const { return tag_; }
  void setTag(int tag) { tag_ = tag; }

  // Components owned by this one, in the order they were added.
  const std::vector<Component*>& components() const { return components_; }
  int componentCount() const { return static_cast<int>(components_.size()); }
  Component* findComponent(const std::string& name) const;

  // Moves an owned component to another owner (or to none).
  void insertComponent(Component* c);
  void removeComponent(Component* c);

  // Asks to hear of other's destruction through notification(other, Removing).
  // Both directions are registered, so whichever goes first tells the other.
  void freeNotification(Component* other);
  void removeFreeNotification(Component* other);

  enum class Operation { Inserting, Removing };

 protected:
  // Called when a component this one asked about (or owns) is inserted or
  // being destroyed. Override to clear references; call the base.
  virtual void notification(Component* component, Operation operation);
  // True while the destructor runs (the component's own owned ones are freed).
  bool destroying() const { return destroying_; }
  // Frees the owned components; a derived destructor may call it early when
  // the owned components need the derived part alive.
  void destroyComponents();

 private:
  Component* owner_ = nullptr;
  std::string name_;
  int tag_ = 0;
  bool destroying_ = false;
  std::vector<Component*> components_;
  std::vector<Component*> freeNotifies_;
};

}  // namespace ui
