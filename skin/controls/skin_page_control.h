// TbsSkinPageControl: a control holding pages (TbsSkinTabSheet) with a row
// of tabs, one per visible page, everything drawn from a section of kind
// "tab" (default name "tab"): the frame around the page area, the band
// behind the tabs and the tabs in their four looks (normal, mouse-in,
// active, focused), or in the default look without a section. Each page
// paints its own background from the same section.
//
// The tab layout is the control's own (tab_layout.h): tab lengths from the
// captions, TabHeight (or the section's tab height), one row on the tabs'
// side, or several with MultiLine; when a single row does not fit, an
// up-down control at its far end (right, or bottom for left and right tabs)
// scrolls it. Style gives tabs around a framed page, or raised or flat
// buttons above an unframed one. A click on a tab selects its page; Ctrl+Tab and
// Ctrl+Shift+Tab cycle the pages from anywhere inside the control, and the
// arrow keys move along the row while the control itself has the focus.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "skin/controls/skin_control.h"
#include "skin/controls/skin_up_down.h"
#include "skin/controls/tab_layout.h"
#include "ui/image_list.h"

namespace skin {

class TbsSkinPageControl;

// A page: fills its page control's page area, holds child controls, shows
// only while it is the active page.
class TbsSkinCustomTabSheet : public ui::WinControl {
 public:
  explicit TbsSkinCustomTabSheet(ui::Component* owner);
  ~TbsSkinCustomTabSheet() override;

  TbsSkinPageControl* PageControl() const { return pageControl_; }
  // Moves the page into that control (at the end of its pages), or out of
  // any with null.
  void setPageControl(TbsSkinPageControl* control);
  // Index among its control's pages, -1 outside one.
  int PageIndex() const;

  bool TabVisible() const { return tabVisible_; }
  void setTabVisible(bool on);
  int ImageIndex() const { return imageIndex_; }
  void setImageIndex(int index);

 protected:
  // The page's background: the button face without a section; with one, the
  // section's client area tiled from (0, 0), or the skin picture
  // bgpictureindex names tiled at its own size.
  void eraseBackground(gfx::Canvas& canvas) override;
  void paint(gfx::Canvas& canvas) override;
  void wndProc(ui::Message& m) override;
  void resized() override;
  // The pointer on a page is off the tabs.
  void mouseEnter() override;

 private:
  friend class TbsSkinPageControl;
  TbsSkinPageControl* pageControl_ = nullptr;
  bool tabVisible_ = true;
  int imageIndex_ = -1;
};

class TbsSkinTabSheet : public TbsSkinCustomTabSheet {
 public:
  using TbsSkinCustomTabSheet::TbsSkinCustomTabSheet;
};

// The look a tab is drawn in, from the facts of one paint.
enum class TabLook { Normal, MouseIn, Active, Focused };
TabLook TabLookFor(bool selected, bool hot, bool controlFocused);

class TbsSkinPageControl : public TbsSkinControl {
 public:
  explicit TbsSkinPageControl(ui::Component* owner);
  ~TbsSkinPageControl() override;

  // Pages in order; their tabs are those with TabVisible.
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TbsSkinCustomTabSheet* Page(int index) const;
  TbsSkinCustomTabSheet* ActivePage() const;
  // Shows that page (one of this control's, or null for none). Selecting in
  // code does not run OnChange; the user's selection does.
  void setActivePage(TbsSkinCustomTabSheet* page);
  // The selected tab among the visible tabs, -1 for none.
  int TabIndex() const;
  void setTabIndex(int index);

  TabPosition tabPosition() const { return tabPosition_; }
  void setTabPosition(TabPosition p);
  // 0: the section's tab height (DefaultItemHeight without a section).
  int TabHeight() const { return tabHeightProp_; }
  void setTabHeight(int h);
  // 0: each tab as long as its caption needs.
  int TabWidth() const { return tabWidthProp_; }
  void setTabWidth(int w);
  // Tabs in as many rows as they need instead of one scrolled row.
  bool MultiLine() const { return multiLine_; }
  void setMultiLine(bool on);
  TTabStyle Style() const { return style_; }
  void setStyle(TTabStyle style);
  bool buttonStyle() const { return style_ != TTabStyle::tsTabs; }
  ui::ImageList* Images() const { return images_; }
  void setImages(ui::ImageList* images);

  const gfx::Font& DefaultFont() const { return defaultFont_; }
  void setDefaultFont(const gfx::Font& font);
  bool UseSkinFont() const { return useSkinFont_; }
  void setUseSkinFont(bool on);
  int DefaultItemHeight() const { return defaultItemHeight_; }
  void setDefaultItemHeight(int h);

  // The selected page changed by the user.
  std::function<void(TbsSkinPageControl&)> OnChange;

  // The skin refresh: section, font, tab height, layout, up-down, pages.
  void ChangeSkinData() override;
  void BeforeChangeSkinData() override;

  // Placed geometry, for painting, hit tests and their checks.
  int tabHeight() const { return tabHeight_; }  // thickness of one row of tabs
  int tabRows() const { return row_.rows; }
  const TabRow& tabRow() const { return row_; }
  gfx::Rect tabRect(int visibleTab) const;
  gfx::Rect pageArea() const;
  gfx::Rect frameRect() const;
  int firstTab() const { return firstTab_; }
  int hotTab() const { return hotTab_; }
  // The up-down while the row overflows, else null.
  TbsSkinUpDown* upDown() const { return upDown_; }
  // Visible tab under a point of the control, -1 for none.
  int tabAt(int x, int y) const;
  int visibleTabCount() const { return static_cast<int>(visible_.size()); }
  // Page of a visible tab.
  TbsSkinCustomTabSheet* tabPage(int visibleTab) const;

  // Every visible tab's caption measured again and the row laid out (after
  // a caption, font or page change).
  void updateTabs();

  static constexpr int kUpDownWidthFactor = 2;  // up-down width: factor x DefaultItemHeight

 protected:
  void DrawDefaultImage(gfx::Bitmap& bitmap) override;
  void DrawSkinImage(gfx::Bitmap& bitmap) override;
  void ReadSkinSection() override;
  void adjustClientRect(gfx::Rect& rect) const override;
  void resized() override;
  void mouseDown(ui::MouseButton button, unsigned shift, int x, int y) override;
  void mouseMove(unsigned shift, int x, int y) override;
  void mouseLeave() override;
  void keyDown(int& key, unsigned shift) override;
  void wndProc(ui::Message& m) override;
  void notification(ui::Component* component, Operation operation) override;

 private:
  friend class TbsSkinCustomTabSheet;
  void insertPage(TbsSkinCustomTabSheet* page);
  void removePage(TbsSkinCustomTabSheet* page);
  void pageChanged();  // caption or tab visibility of a page

  const TbsDataSkinTabControl* tabSection() const;
  gfx::Font tabFont(TabLook look) const;
  void applySkinFont();
  void resolveTabHeight();
  void layoutRow();
  void updateUpDown();
  void destroyUpDown();
  void scrollTo(int first);
  // The up-down's position for the current row: the tabs scrolled out at
  // the start, or (stacked buttons, whose upper one counts up) those still
  // hidden beyond the end.
  int upDownPosition(int hidden) const;
  // Length along the row of tabs from .. to (exclusive) with their gaps.
  int spanOf(int from, int to) const;
  int rowLength() const { return TabRowLength(tabPosition_, width(), height()); }
  void makeTabVisible(int visibleTab);
  void selectByUser(int visibleTab);
  void setHotTab(int visibleTab);
  void drawFrame(gfx::Bitmap& bitmap, const TbsDataSkinTabControl& s, const gfx::Bitmap& pic);
  void drawTab(gfx::Bitmap& bitmap, int visibleTab, const TbsDataSkinTabControl* s,
               const gfx::Bitmap* pic);
  void paintAll(gfx::Bitmap& bitmap, const TbsDataSkinTabControl* s, const gfx::Bitmap* pic);

  std::vector<TbsSkinCustomTabSheet*> pages_;
  std::vector<int> visible_;  // page index of each visible tab
  int active_ = -1;           // page index
  TabPosition tabPosition_ = TabPosition::tpTop;
  int tabHeightProp_ = 0;
  int tabWidthProp_ = 0;
  bool multiLine_ = false;
  TTabStyle style_ = TTabStyle::tsTabs;
  ui::ImageList* images_ = nullptr;
  gfx::Font defaultFont_;
  bool useSkinFont_ = true;
  int defaultItemHeight_ = 20;
  int tabHeight_ = 20;
  std::vector<int> lengths_;
  TabRow row_;
  int firstTab_ = 0;
  int hotTab_ = -1;
  TbsSkinUpDown* upDown_ = nullptr;
};

}  // namespace skin
