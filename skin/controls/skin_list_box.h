// The skinned list boxes: TbsSkinCustomListBox draws a list of text items
// (with optional images) from a section of kind "listbox" or in the default
// look, one fixed item height, only the rows that are visible, and shows a
// skinned vertical scroll bar when the items do not fit. TbsSkinListBox is
// the list placed on forms; TbsPopupListBox is the borderless pop-up window
// a combo box opens, never activated, tracking the pointer.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/skin_control.h"
#include "skin/controls/skin_scroll_bar.h"
#include "ui/image_list.h"

namespace skin {

class TbsDataSkinListBox;

// States given to an item-drawing handler.
enum TbsItemState : unsigned { odSelected = 1, odFocused = 2, odDisabled = 4 };

using TbsDrawItemEvent =
    std::function<void(ui::Control&, gfx::Canvas&, int index, const gfx::Rect&, unsigned state)>;

class TbsSkinCustomListBox : public TbsSkinCustomControl {
 public:
  explicit TbsSkinCustomListBox(ui::Component* owner, ui::WindowKind kind = ui::WindowKind::Child);
  ~TbsSkinCustomListBox() override;

  // Items. Setting them keeps the selection when it is still valid.
  const std::vector<std::string>& Items() const { return items_; }
  void setItems(std::vector<std::string> items);
  void addItem(const std::string& item);
  void clearItems();
  int count() const { return static_cast<int>(items_.size()); }
  bool Sorted() const { return sorted_; }
  void setSorted(bool on);

  // The selected item, -1 for none; an index outside the items selects none.
  int ItemIndex() const { return itemIndex_; }
  void setItemIndex(int index);
  // The first visible row, kept so that the rows stay filled.
  int TopIndex() const { return topIndex_; }
  void setTopIndex(int index);

  // The list's item height: the height of the section's itemrect with
  // UseSkinItemHeight and a section, else DefaultItemHeight.
  int ItemHeight() const;
  bool UseSkinItemHeight() const { return useSkinItemHeight_; }
  void setUseSkinItemHeight(bool on);
  int DefaultItemHeight() const { return defaultItemHeight_; }
  void setDefaultItemHeight(int h);
  // Rows to show; the height follows it (0: no automatic height).
  int RowCount() const { return rowCount_; }
  void setRowCount(int rows);
  // The height the list needs for rows rows in the current section.
  int heightForRows(int rows) const;

  ui::ImageList* Images() const { return images_; }
  void setImages(ui::ImageList* images);
  // The image drawn for every item (-1: the image of the item's index).
  int ImageIndex() const { return imageIndex_; }
  void setImageIndex(int index);

  // The area the rows are drawn in (control coordinates), the rows wholly
  // visible there and the item under a point of the control (-1 for none).
  gfx::Rect listArea() const;
  int visibleRows() const;
  int itemAtPoint(gfx::Point controlPoint) const;
  // The first item starting with prefix, from the item after `after`
  // (wrapping), case-insensitive; -1 for none.
  int findPrefix(const std::string& prefix, int after) const;
  // Moves the top row so that the item is visible (at the top when asked).
  void scrollIntoView(int index, bool toTop = false);

  TbsSkinScrollBar* vScrollBar() const { return vScrollBar_; }
  // Shows, places and sets the range of the vertical scroll bar, or hides it.
  void updateScrollBars();

  // Draws the items instead of the default image-and-text step.
  TbsDrawItemEvent OnDrawItem;
  // An item was chosen with the mouse or the keys.
  std::function<void(ui::Control&)> OnListClick;

  void ReadSkinSection() override;
  void ChangeSkinData() override;
  void BeforeChangeSkinData() override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  void DefaultFontChanged() override { invalidate(); }
  void setBounds(int left, int top, int width, int height) override;

 protected:
  const TbsDataSkinListBox* listSection() const;
  void mouseDown(ui::MouseButton button, unsigned shift, int x, int y) override;
  void keyDown(int& key, unsigned shift) override;
  void wndProc(ui::Message& m) override;
  // Whether an item is drawn as the focus item (the list has the focus).
  virtual bool showsFocus() const { return focused(); }
  // The rows that are drawn; the number of item paints since creation.
  void drawItems(gfx::Bitmap& bitmap);
  void drawItem(gfx::Bitmap& bitmap, int index, const gfx::Rect& r);

 public:
  // The number of items drawn since the list was made (only visible rows
  // are ever drawn).
  long long itemsDrawn() const { return itemsDrawn_; }

 private:
  void sortItems();
  void clampTop();

  std::vector<std::string> items_;
  bool sorted_ = false;
  int itemIndex_ = -1;
  int topIndex_ = 0;
  bool useSkinItemHeight_ = true;
  int defaultItemHeight_ = 20;
  int rowCount_ = 0;
  ui::ImageList* images_ = nullptr;
  int imageIndex_ = -1;
  TbsSkinScrollBar* vScrollBar_ = nullptr;
  bool updatingBars_ = false;
  long long itemsDrawn_ = 0;
};

class TbsSkinListBox : public TbsSkinCustomListBox {
 public:
  explicit TbsSkinListBox(ui::Component* owner, ui::WindowKind kind = ui::WindowKind::Child);
};

// The pop-up list of a combo box: a top-level window that is never
// activated. Moving the pointer over it selects the item under it; a left
// press and release are told to the listener (the combo), other buttons are
// swallowed.
class TbsPopupListBox : public TbsSkinListBox {
 public:
  explicit TbsPopupListBox(ui::Component* owner);

  // Told of a left press and release in the list (control coordinates).
  std::function<void(gfx::Point)> OnListPress;
  std::function<void(gfx::Point)> OnListRelease;
  // Told of every move before the item under the pointer is selected.
  std::function<void(gfx::Point)> OnListMove;

 protected:
  bool showsFocus() const override { return false; }
  void mouseDown(ui::MouseButton button, unsigned shift, int x, int y) override;
  void mouseUp(ui::MouseButton button, unsigned shift, int x, int y) override;
  void mouseMove(unsigned shift, int x, int y) override;
};

}  // namespace skin
