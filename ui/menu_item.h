// The menu model: items with caption, short-cut, state, image, sub-items,
// click action and owner drawing; popup menus; and actions that items and
// buttons can share.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/graphics/canvas.h"
#include "ui/keys.h"

namespace ui {

class ImageList;
class MenuItem;

// A command with a caption, state and handler that several items share.
class Action : public Component {
 public:
  explicit Action(Component* owner = nullptr) : Component(owner) {}
  ~Action() override;

  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& s);
  const std::string& hint() const { return hint_; }
  void setHint(const std::string& s) { hint_ = s; }
  bool enabled() const { return enabled_; }
  void setEnabled(bool on);
  bool checked() const { return checked_; }
  void setChecked(bool on);
  bool visible() const { return visible_; }
  void setVisible(bool on);
  int imageIndex() const { return imageIndex_; }
  void setImageIndex(int i);
  ShortCut shortCut() const { return shortCut_; }
  void setShortCut(ShortCut sc);
  // Runs onExecute; false when the action is disabled or has no handler.
  bool execute();
  // The update step: runs onUpdate, which sets the action's caption and
  // state for the moment (run before an item linked to it is shown);
  // false when there is no handler.
  bool update();

  std::function<void(Action&)> onExecute;
  std::function<void(Action&)> onUpdate;

 private:
  friend class MenuItem;
  void changed();
  std::string caption_;
  std::string hint_;
  bool enabled_ = true;
  bool checked_ = false;
  bool visible_ = true;
  int imageIndex_ = -1;
  ShortCut shortCut_ = 0;
  std::vector<MenuItem*> clients_;
};

class MenuItem : public Component {
 public:
  explicit MenuItem(Component* owner = nullptr) : Component(owner) {}
  ~MenuItem() override;

  // A caption of "-" makes a divider.
  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& s) { caption_ = s; }
  bool isLine() const { return caption_ == "-"; }
  ShortCut shortCut() const { return shortCut_; }
  void setShortCut(ShortCut sc) { shortCut_ = sc; }
  std::string shortCutText() const { return ShortCutToText(shortCut_); }
  bool enabled() const { return enabled_; }
  void setEnabled(bool on) { enabled_ = on; }
  bool visible() const { return visible_; }
  void setVisible(bool on) { visible_ = on; }
  bool checked() const { return checked_; }
  // Checking a radio item unchecks the other radio items of its group.
  void setChecked(bool on);
  bool radioItem() const { return radioItem_; }
  void setRadioItem(bool on) { radioItem_ = on; }
  int groupIndex() const { return groupIndex_; }
  void setGroupIndex(int g) { groupIndex_ = g; }
  bool isDefault() const { return default_; }
  void setDefault(bool on) { default_ = on; }
  int imageIndex() const { return imageIndex_; }
  void setImageIndex(int i) { imageIndex_ = i; }
  const std::string& hint() const { return hint_; }
  void setHint(const std::string& s) { hint_ = s; }

  // Sub-items; the item owns them.
  int count() const { return static_cast<int>(items_.size()); }
  MenuItem* item(int i) const { return i >= 0 && i < count() ? items_[i] : nullptr; }
  const std::vector<MenuItem*>& items() const { return items_; }
  MenuItem* parentItem() const { return parent_; }
  void add(MenuItem* item);
  void insert(int index, MenuItem* item);
  void remove(MenuItem* item);  // the item is no longer owned
  void clear();                 // frees every sub-item
  int indexOf(const MenuItem* item) const;
  MenuItem* find(const std::string& caption) const;
  MenuItem* findByName(const std::string& name) const;
  // Visible items, in order (what a menu shows).
  std::vector<MenuItem*> visibleItems() const;

  // The action the item follows (caption, state, handler).
  Action* action() const { return action_; }
  void setAction(Action* a);
  // Before the item is shown: runs its action's update step and takes the
  // action's caption and state as they are now. Nothing without an action.
  void updateFromAction();

  // Runs the click action: onClick, else the action.
  virtual void click();
  std::function<void(MenuItem&)> onClick;

  // Owner drawing: when set, the menu asks the item to measure and draw itself.
  std::function<void(MenuItem&, gfx::Canvas&, int& width, int& height)> onMeasureItem;
  std::function<void(MenuItem&, gfx::Canvas&, const gfx::Rect& rect, bool selected)> onDrawItem;
  bool ownerDraw() const { return static_cast<bool>(onDrawItem); }

  ImageList* images() const;  // of the menu this item belongs to

 protected:
  void notification(Component* c, Operation op) override;

 private:
  friend class Action;
  friend class PopupMenu;
  void syncFromAction();

  std::string caption_;
  std::string hint_;
  ShortCut shortCut_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  bool checked_ = false;
  bool radioItem_ = false;
  bool default_ = false;
  int groupIndex_ = 0;
  int imageIndex_ = -1;
  std::vector<MenuItem*> items_;
  MenuItem* parent_ = nullptr;
  Action* action_ = nullptr;
  ImageList* menuImages_ = nullptr;  // set on the root item by its menu
};

// A popup menu component: a root item holding the items, an image list and
// the popup event. How it is shown belongs to whoever draws menus: the
// default popup only fires the event; skinned menus replace it.
class PopupMenu : public Component {
 public:
  explicit PopupMenu(Component* owner = nullptr);
  ~PopupMenu() override;

  MenuItem& items() { return *root_; }
  const MenuItem& items() const { return *root_; }
  ImageList* images() const { return images_; }
  void setImages(ImageList* images);

  // Shows the menu at a screen point.
  virtual void popup(int x, int y);
  std::function<void(PopupMenu&)> onPopup;

  // Whether the component the menu belongs to opens it by itself (a right
  // click on a control, a click on the notification-area icon). Off, the
  // owner only fires its own events and the menu is shown by code.
  bool autoPopup = true;
  // The component that showed the menu last, set by it just before popup();
  // whoever sets it clears it again when it is destroyed.
  Component* popupComponent = nullptr;

  // The item whose short-cut is sc, searched through the sub-items.
  MenuItem* findShortCut(ShortCut sc) const;

 protected:
  void notification(Component* c, Operation op) override;

 private:
  MenuItem* root_;
  ImageList* images_ = nullptr;
};

}  // namespace ui
