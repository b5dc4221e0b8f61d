// The skinned tool bar: a panel ("toolpanel") holding rows of speed
// buttons. It hands its image lists, flat look and caption showing to its
// speed buttons and, when they do not fit, shows a scroll button at each
// end that shifts them sideways, stepping on a window timer while pressed
// (or, with HotScroll, while the pointer rests on it).
#pragma once

#include "skin/controls/section_picture.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_speed_button.h"

class QWidget;

namespace skin {

class TbsSkinToolBar : public TbsSkinPanel, public TbsSpeedButtonImages {
 public:
  explicit TbsSkinToolBar(ui::Component* owner);
  ~TbsSkinToolBar() override;

  // Width of each scroll button; the timer that repeats scroll steps.
  static constexpr int kScrollButtonWidth = 12;
  static constexpr int kScrollTimer = 1;

  bool CanScroll() const { return canScroll_; }
  void setCanScroll(bool on);
  bool HotScroll() const { return hotScroll_; }
  void setHotScroll(bool on) { hotScroll_ = on; }
  int ScrollOffset() const { return scrollOffset_; }
  // Negative values are refused (the old value stays).
  void setScrollOffset(int v);
  int ScrollTimerInterval() const { return scrollTimerInterval_; }
  // Values of 0 or less are refused.
  void setScrollTimerInterval(int ms);
  bool ShowCaptions() const { return showCaptions_; }
  void setShowCaptions(bool on);
  bool AutoShowHideCaptions() const { return autoShowHideCaptions_; }
  void setAutoShowHideCaptions(bool on) { autoShowHideCaptions_ = on; }
  int WidthWithCaptions() const { return widthWithCaptions_; }
  void setWidthWithCaptions(int w) { widthWithCaptions_ = w; }
  int WidthWithoutCaptions() const { return widthWithoutCaptions_; }
  void setWidthWithoutCaptions(int w) { widthWithoutCaptions_ = w; }
  bool Flat() const { return flat_; }
  void setFlat(bool on);

  ui::ImageList* Images() const override { return images_; }
  ui::ImageList* HotImages() const override { return hotImages_; }
  ui::ImageList* DisabledImages() const override { return disabledImages_; }
  void setImages(ui::ImageList* list);
  void setHotImages(ui::ImageList* list);
  void setDisabledImages(ui::ImageList* list);

  // Scroll state.
  bool ScrollButtonsShown() const { return buttonsShown_; }
  int ScrollPosition() const { return scrollPos_; }
  int ContentRight() const { return contentRight_; }
  int ViewWidth() const { return viewWidth_; }
  bool ScrollHot(bool right) const { return hot_[right ? 1 : 0]; }
  bool ScrollPressed(bool right) const { return pressed_[right ? 1 : 0]; }

  // Re-checks whether the buttons fit and shows or hides the scroll buttons
  // (runs after every move or resize, and after children came or went).
  void UpdateScrollState();
  // One step to the left or right.
  void ScrollStep(bool toRight);

  void SetSkinData(TbsSkinData* data) override;
  void ReadSkinSection() override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void setBounds(int left, int top, int width, int height) override;
  // The client area: less the scroll buttons when they are shown.
  gfx::Rect clientRect() const override;
  QWidget* containerWidget() const override;

 protected:
  void adjustClientRect(gfx::Rect& rect) const override;
  void wndProc(ui::Message& m) override;
  void mouseDown(ui::MouseButton button, unsigned shift, int x, int y) override;
  void mouseUp(ui::MouseButton button, unsigned shift, int x, int y) override;
  void mouseMove(unsigned shift, int x, int y) override;
  void mouseLeave() override;
  // The pointer moved from a scroll button into the client area (onto the
  // buttons or the empty part between them).
  void clientEntered();
  void notification(ui::Component* component, Operation operation) override;

 private:
  friend class ToolBarClientWatch;
  // -1 none, 0 left, 1 right scroll button under (x, y).
  int scrollButtonAt(int x, int y) const;
  void drawScrollButtons(gfx::Bitmap& bitmap);
  void drawScrollButton(gfx::Bitmap& bitmap, int index);
  void showScrollButtons(bool on);
  void moveChildren(int dx);
  void startTimer(int direction);
  void stopTimer();
  void repaintChildren();
  template <class F>
  void forEachSpeedButton(F f);
  void setList(ui::ImageList*& slot, ui::ImageList* list);

  bool canScroll_ = false;
  bool hotScroll_ = false;
  int scrollOffset_ = 0;
  int scrollTimerInterval_ = 50;
  bool showCaptions_ = false;
  bool autoShowHideCaptions_ = false;
  int widthWithCaptions_ = 0;
  int widthWithoutCaptions_ = 0;
  bool flat_ = false;
  ui::ImageList* images_ = nullptr;
  ui::ImageList* hotImages_ = nullptr;
  ui::ImageList* disabledImages_ = nullptr;

  int scrollPos_ = 0;
  int contentRight_ = 0;
  int viewWidth_ = 0;
  int lastPos_ = 0;
  int growth_ = 0;
  bool buttonsShown_ = false;
  bool hot_[2] = {false, false};
  bool pressed_[2] = {false, false};
  int direction_ = 0;  // 0 none, -1 left, 1 right
  bool updating_ = false;

  // The "resizebutton" section the scroll buttons draw from, looked up by
  // name at each section read.
  const TbsDataSkinButtonControl* scrollSection_ = nullptr;
  SectionPicture scrollPicture_;

  // The widget children live in: it covers the client area, so children
  // shifted by scrolling are cut at the scroll buttons. A child widget of
  // the tool bar's own, freed with it after the child controls are gone.
  QWidget* client_ = nullptr;
};

}  // namespace skin
