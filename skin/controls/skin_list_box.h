// The skinned list boxes: TbsSkinCustomListBox draws a list of text items
// (with optional images) from a section of kind "listbox" or in the default
// look, one fixed item height, only the rows that are visible, and shows
// skinned scroll bars: a vertical one when the rows do not fit, a
// horizontal one when HorizontalExtent is wider than the rows (with both,
// the horizontal bar draws from the section named for that case and the
// corner between them wears that bar's track). With
// Columns the items flow down columns side by side and the horizontal bar
// scrolls them a column at a time. In caption mode a caption bar lies above
// the rows (or in the section's captionrect). TbsSkinListBox is
// the list placed on forms; TbsPopupListBox is the borderless pop-up window
// a combo box opens, never activated, tracking the pointer.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/list_box_layout.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_scroll_bar.h"
#include "skin/data/skin_values.h"
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

  // Width of the rows' content in pixels; wider than the rows, a horizontal
  // bar scrolls them sideways. 0 or less: no horizontal scrolling. Not used
  // with Columns.
  int HorizontalExtent() const { return horizontalExtent_; }
  void setHorizontalExtent(int extent);
  // Pixels the rows are scrolled to the left.
  int horizontalOffset() const { return horizontalOffset_; }
  void setHorizontalOffset(int offset);

  // Columns across the width (0: one column of rows). The items flow down
  // each column; the horizontal bar scrolls by whole columns.
  int Columns() const { return columns_; }
  void setColumns(int columns);
  // The first visible column (multi-column lists).
  int firstColumn() const;

  // Caption mode: a caption bar above the rows.
  bool CaptionMode() const { return captionMode_; }
  void setCaptionMode(bool on);
  const std::string& Caption() const { return caption_; }
  void setCaption(const std::string& caption);
  // Height of the caption bar where the section places no caption.
  int DefaultCaptionHeight() const { return defaultCaptionHeight_; }
  void setDefaultCaptionHeight(int h);
  const gfx::Font& DefaultCaptionFont() const { return defaultCaptionFont_; }
  void setDefaultCaptionFont(const gfx::Font& f);
  TextAlignment CaptionAlignment() const { return captionAlignment_; }
  void setCaptionAlignment(TextAlignment a);
  // The caption bar (control coordinates), null outside caption mode.
  gfx::Rect captionRect() const;

  TbsSkinScrollBar* vScrollBar() const { return vScrollBar_; }
  TbsSkinScrollBar* hScrollBar() const { return hScrollBar_; }
  // The placed rows, bars and columns for the current size and section.
  const ListBarsLayout& barsLayout() const { return layout_; }
  // Shows, places and sets the ranges of the scroll bars, or hides them.
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
  // Draws the item into at (clipped to the rows); the item's content is
  // contentWidth wide and scrolled left by offset.
  void drawItem(gfx::Bitmap& bitmap, int index, const gfx::Rect& at, int contentWidth, int offset);
  void drawCaption(gfx::Bitmap& bitmap);
  // The corner between both bars: the button face, or the track of the
  // horizontal bar's section.
  void drawCorner(gfx::Bitmap& bitmap);

 public:
  // The number of items drawn since the list was made (only visible rows
  // are ever drawn).
  long long itemsDrawn() const { return itemsDrawn_; }

 private:
  void sortItems();
  void clampTop();
  // After a change of item or caption heights: the height for RowCount,
  // the bars, a repaint.
  void refit();
  // The client area left of the frame and the caption bar.
  gfx::Rect innerClient() const;
  ListCaptionPlaces captionPlaces() const;
  TbsSkinScrollBar* makeBar(TbsScrollBarKind kind);
  void setBarSection(TbsSkinScrollBar& bar, const std::string& name);
  int barBreadth(const TbsSkinScrollBar* bar) const;
  ListBarsLayout computeLayout(int vBarWidth, int hBarHeight) const;
  bool multiColumn() const { return columns_ > 0; }
  int visibleColumns() const;

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
  TbsSkinScrollBar* hScrollBar_ = nullptr;
  ListBarsLayout layout_;
  int horizontalExtent_ = 0;
  int horizontalOffset_ = 0;
  int columns_ = 0;
  bool captionMode_ = false;
  std::string caption_;
  int defaultCaptionHeight_ = 20;
  gfx::Font defaultCaptionFont_;
  TextAlignment captionAlignment_ = TextAlignment::LeftJustify;
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
