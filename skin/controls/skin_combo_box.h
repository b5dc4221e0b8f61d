// The skinned combo box: a drop-down selector drawn from a section of kind
// "combobox" (or its default look) that shows the chosen item, has a
// drop-down button and opens a pop-up list below itself (above, near the
// bottom of the work area). Fixed style shows only list items, drawn by the
// combo itself. The list follows the pointer from a press on the combo,
// scrolls itself while the pointer is held above or below it, and the keys
// and the wheel move through the items; typed characters search by prefix.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/combo_layout.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_list_box.h"
#include "ui/scheduler.h"

class QObject;

namespace skin {

class TbsDataSkinComboBox;
class TbsSkinEdit;

enum class TbsSkinCustomComboBoxStyle { bscbEditStyle, bscbFixedStyle };

class TbsSkinCustomComboBox : public TbsSkinCustomControl {
 public:
  explicit TbsSkinCustomComboBox(ui::Component* owner);
  ~TbsSkinCustomComboBox() override;

  TbsSkinCustomComboBoxStyle Style() const { return style_; }
  // Edit style holds an inner edit with the current Text (TabStop off);
  // fixed style drops it (TabStop on).
  void setStyle(TbsSkinCustomComboBoxStyle style);
  // The inner edit of edit style, null in fixed style.
  TbsSkinEdit* innerEdit() const { return edit_; }

  // The choices, held by the pop-up list.
  const std::vector<std::string>& Items() const { return list_->Items(); }
  void setItems(std::vector<std::string> items);
  int count() const { return list_->count(); }
  // The chosen item. Setting it selects it in the list, makes its text the
  // combo's Text, repaints and fires OnClick, changed or not.
  int ItemIndex() const { return list_->ItemIndex(); }
  void setItemIndex(int index);
  const std::string& Text() const { return text(); }
  void setComboText(const std::string& text) { setText(text); }

  int DropDownCount() const { return dropDownCount_; }
  // Values of 0 or less are refused.
  void setDropDownCount(int rows);
  int ListBoxWidth() const { return listBoxWidth_; }
  void setListBoxWidth(int w) { listBoxWidth_ = w; }
  bool Sorted() const { return list_->Sorted(); }
  void setSorted(bool on) { list_->setSorted(on); }
  ui::ImageList* Images() const { return images_; }
  void setImages(ui::ImageList* images);
  int ImageIndex() const { return imageIndex_; }
  void setImageIndex(int index);

  bool ListBoxUseSkinFont() const { return list_->UseSkinFont(); }
  void setListBoxUseSkinFont(bool on) { list_->setUseSkinFont(on); }
  bool ListBoxUseSkinItemHeight() const { return list_->UseSkinItemHeight(); }
  void setListBoxUseSkinItemHeight(bool on) { list_->setUseSkinItemHeight(on); }
  const gfx::Font& ListBoxDefaultFont() const { return list_->DefaultFont(); }
  void setListBoxDefaultFont(const gfx::Font& f) { list_->setDefaultFont(f); }
  int ListBoxDefaultItemHeight() const { return list_->DefaultItemHeight(); }
  void setListBoxDefaultItemHeight(int h) { list_->setDefaultItemHeight(h); }

  bool AutoComplete() const { return autoComplete_; }
  void setAutoComplete(bool on) { autoComplete_ = on; }
  bool AlphaBlend() const { return alphaBlend_; }
  void setAlphaBlend(bool on) { alphaBlend_ = on; }
  int AlphaBlendValue() const { return alphaBlendValue_; }
  void setAlphaBlendValue(int v) { alphaBlendValue_ = std::clamp(v, 0, 255); }
  bool AlphaBlendAnimation() const { return alphaBlendAnimation_; }
  void setAlphaBlendAnimation(bool on) { alphaBlendAnimation_ = on; }
  // The section fixes the height; off, any height is kept and the picture
  // stretched.
  bool UseSkinSize() const { return useSkinSize_; }
  void setUseSkinSize(bool on);

  void DropDown();
  void CloseUp(bool accept);
  bool droppedDown() const;
  TbsPopupListBox& popupList() const { return *list_; }

  // Timers and the clock of the typed prefix (the event loop's and the
  // steady clock unless a test gives its own).
  void setScheduler(ui::Scheduler* scheduler);
  void setClock(std::function<long long()> nowMs);

  // Places for the current size and section.
  ComboPlaces places() const;
  bool buttonHot() const { return buttonHot_; }
  bool buttonPressed() const { return buttonPressed_; }
  bool tracking() const { return tracking_; }
  int autoScrollDirection() const { return autoScroll_; }  // -1 up, 1 down, 0 none
  const std::string& searchPrefix() const { return prefix_; }

  std::function<void(ui::Control&)> OnChange;
  std::function<void(ui::Control&)> OnClick;
  std::function<void(ui::Control&)> OnDropDown;
  std::function<void(ui::Control&)> OnCloseUp;
  // Draws the chosen item in the text area instead of the default drawing.
  TbsDrawItemEvent OnComboBoxDrawItem;
  void setOnListBoxDrawItem(TbsDrawItemEvent e) { list_->OnDrawItem = std::move(e); }

  void ReadSkinSection() override;
  void ChangeSkinData() override;
  void BeforeChangeSkinData() override;
  void SetSkinData(TbsSkinData* data) override;
  void CalcSkinSize(int& width, int& height) override;
  void UpdateRegion() override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  void DefaultFontChanged() override;
  void setBounds(int left, int top, int width, int height) override;
  // Paints the whole combo (without the inner edit) into a bitmap of its size.
  void paintInto(gfx::Bitmap& bitmap);

 protected:
  const TbsDataSkinComboBox* comboSection() const;
  void wndProc(ui::Message& m) override;
  void mouseDown(ui::MouseButton button, unsigned shift, int x, int y) override;
  void mouseUp(ui::MouseButton button, unsigned shift, int x, int y) override;
  void mouseMove(unsigned shift, int x, int y) override;
  void mouseLeave() override;
  void keyDown(int& key, unsigned shift) override;
  void keyPress(char32_t& ch) override;

 private:
  friend class ComboCancelFilter;
  friend class ComboInnerEdit;
  void placeEdit();
  void applyEditFont();
  void editKeyDown(int& key, unsigned shift);
  void editKeyUp(int& key, unsigned shift);
  void editTextChanged();
  void completeEdit();
  void editChoose(int index);
  // The wheel turned over the inner edit: the next or previous item, as the
  // Down and Up keys choose it.
  void editWheel(int delta);
  void refreshList();
  void drawButtonDefault(gfx::Bitmap& b, const gfx::Rect& r) const;
  void drawResizeButton(gfx::Bitmap& b, const gfx::Rect& r) const;
  void drawTextArea(gfx::Bitmap& b, bool skinned);
  // The pointer in the list's coordinates, from a point of the combo.
  gfx::Point toList(gfx::Point comboPoint) const;
  bool overList(gfx::Point listPoint) const;
  void trackInList(gfx::Point listPoint);
  void setAutoScroll(int direction);
  void autoScrollTick();
  void listPressed(gfx::Point listPoint);
  void listReleased(gfx::Point listPoint);
  void endTracking();
  void moveSelection(int delta, bool wheel);
  void chooseFromKeys(int index);
  void searchTyped(const std::string& typed);

  TbsSkinCustomComboBoxStyle style_ = TbsSkinCustomComboBoxStyle::bscbFixedStyle;
  std::unique_ptr<TbsPopupListBox> list_;
  std::unique_ptr<QObject> cancelFilter_;
  TbsSkinEdit* edit_ = nullptr;
  bool syncingEdit_ = false;
  long long lastCompleteMs_ = -1000000;
  int dropDownCount_ = 8;
  int listBoxWidth_ = 0;
  ui::ImageList* images_ = nullptr;
  int imageIndex_ = -1;
  bool autoComplete_ = true;
  bool alphaBlend_ = false;
  int alphaBlendValue_ = 0;
  bool alphaBlendAnimation_ = false;
  bool useSkinSize_ = true;

  bool buttonHot_ = false;
  bool buttonPressed_ = false;
  int savedIndex_ = -1;
  bool tracking_ = false;
  bool moved_ = false;
  int autoScroll_ = 0;
  std::string prefix_;
  long long lastKeyMs_ = -1000000;

  ui::Scheduler* scheduler_;
  ui::Scheduler::Id autoScrollCall_ = 0;
  std::function<long long()> nowMs_;
};

class TbsSkinComboBox : public TbsSkinCustomComboBox {
 public:
  using TbsSkinCustomComboBox::TbsSkinCustomComboBox;
};

}  // namespace skin
