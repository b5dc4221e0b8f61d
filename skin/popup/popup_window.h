// TbsSkinPopupWindow: one level of an open menu. A borderless topmost
// window that never takes activation; it sizes, lays out and places its
// items (menu_layout), draws them (menu_paint) into an off-screen bitmap
// copied to the screen at once, polls the pointer, scrolls a level that
// does not fit, morphs lit items and answers the menu keys.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "skin/popup/menu_layout.h"
#include "skin/popup/menu_paint.h"
#include "skin/popup/skin_menu.h"
#include "ui/graphics/bitmap.h"
#include "ui/win_control.h"

namespace skin {

class TbsSkinPopupWindow : public ui::WinControl {
 public:
  // skin: the skin of the menu sequence, or null for the plain look.
  TbsSkinPopupWindow(TbsSkinMenu& menu, TbsSkinData* skin);
  ~TbsSkinPopupWindow() override;

  TbsSkinMenu& menu() const { return *menu_; }

  // Builds the items of menu's visible sub-items from startIndex on, sizes,
  // places and shows the level. False (and nothing shown) without items.
  bool Open(const gfx::Rect& anchor, ui::MenuItem& items, bool up, bool submenu, int startIndex,
            bool firstPopup);
  // Stops every timer and hides the level; it draws and reacts no more.
  void Retire();

  const std::vector<std::unique_ptr<TbsSkinMenuItem>>& items() const { return items_; }
  TbsSkinMenuItem* item(int index) const;
  int itemCount() const { return static_cast<int>(items_.size()); }
  bool hasWindowLook() const { return windowLook_.has_value(); }
  bool hasItemLook() const { return itemLook_.has_value(); }
  bool itemMorphing() const;
  const gfx::Font& itemFont() const { return font_; }
  ui::ImageList* images() const { return images_; }
  int GlyphColumn() const { return glyphColumn_; }
  const gfx::Rect& PlacedItemsArea() const { return placedItemsArea_; }
  int SelectedItem() const { return selectedItem_; }
  int PreviousSelectedItem() const { return previousSelectedItem_; }
  int FirstShown() const { return firstShown_; }
  int ShownCount() const { return shownCount_; }
  bool Scrolling() const { return scrolling_; }
  bool ScrollLimited() const { return scrollLimited_; }
  int ScrollDirection() const { return scrollDirection_; }
  bool morphRunning() const { return morphTimer_ != 0; }
  // What the screen shows of the level.
  const gfx::Bitmap& image() const { return buffer_; }
  gfx::Rect upperMarkerRect() const;
  gfx::Rect lowerMarkerRect() const;

  // Pointer tracking at a point in window coordinates.
  void HoverTracking(gfx::Point p);
  // One tick of the pointer timer.
  void PointerTick();
  // A key sent to this level (the deepest one).
  void KeyDown(int key);
  // Draws one item into the window image and shows it.
  void DrawItem(TbsSkinMenuItem& item);
  // Starts the morph timer (items call it when they change their look).
  void startMorph();
  // Ends a running scroll and shows both markers in their normal colour.
  void StopScroll();

  static constexpr int kPointerInterval = 50;
  static constexpr int kScrollInterval = 100;
  static constexpr int kMorphInterval = 20;
  static constexpr double kMorphStep = 0.2;
  static constexpr int kFadeStep = 3;

 protected:
  void eraseBackground(gfx::Canvas&) override {}
  void paint(gfx::Canvas& canvas) override;
  void mouseUp(ui::MouseButton button, unsigned shift, int x, int y) override;

 private:
  MenuLevelMetrics metrics() const;
  const PopupWindowLook* lookPtr() const;
  void relayout();
  void render();
  void paintItem(const TbsSkinMenuItem& item);
  void renderMarkers();
  void scrollTick();
  void morphTick();
  void startPointerTimer();
  void startScroll(int direction);
  void selectByKey(bool down);
  MenuItemPaint paintOf(const TbsSkinMenuItem& item) const;

  TbsSkinMenu* menu_;
  TbsSkinData* skin_;
  ui::Scheduler* clock_;  // the engine's, when the level opened
  std::optional<PopupWindowLook> windowLook_;
  std::optional<MenuItemLook> itemLook_;
  gfx::Font font_;
  ui::ImageList* images_ = nullptr;
  std::vector<std::unique_ptr<TbsSkinMenuItem>> items_;
  std::vector<MenuLevelItem> levelItems_;  // the items as geometry sees them
  int glyphColumn_ = 19;
  gfx::Rect placedItemsArea_;
  int selectedItem_ = -1;
  int previousSelectedItem_ = -1;
  int firstShown_ = 0;
  int shownCount_ = 0;
  bool scrolling_ = false;
  bool scrollLimited_ = false;
  int scrollDirection_ = 0;
  gfx::Point lastPointer_{-1, -1};
  ui::Scheduler::Id pointerTimer_ = 0;
  ui::Scheduler::Id scrollTimer_ = 0;
  ui::Scheduler::Id morphTimer_ = 0;
  bool retired_ = false;
  gfx::Bitmap buffer_;
};

}  // namespace skin
