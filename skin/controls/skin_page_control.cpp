// The skinned page control and its pages: layout, selection, keys, hot
// tracking, the up-down of an overflowing row, the rows of MultiLine, the
// button styles, and all painting.
#include "skin/controls/skin_page_control.h"

#include <algorithm>

#include "skin/controls/skin_font.h"
#include "skin/data/control_data.h"
#include "skin/draw/effect_bmp.h"
#include "skin/draw/strip_image.h"
#include "skin/draw/tiling.h"
#include "skin/frame/default_frame_metrics.h"
#include "ui/graphics/canvas.h"
#include "ui/keys.h"
#include "ui/message.h"

namespace skin {

namespace {

// The section's picture, or null when the section names none.
const gfx::Bitmap* TabPicture(const TbsSkinData* skin, const TbsDataSkinTabControl* s) {
  if (skin == nullptr || s == nullptr) return nullptr;
  return skin->ActivePicture(s->pictureIndex);
}

bool Inside(const gfx::Rect& r, const gfx::Bitmap& b) {
  return !gfx::IsNullRect(r) && r.left >= 0 && r.top >= 0 && r.right <= b.width() &&
         r.bottom <= b.height();
}

gfx::Rect Offset(const gfx::Rect& r, int dx, int dy) {
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

gfx::Rect Intersect(const gfx::Rect& a, const gfx::Rect& b) {
  gfx::Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
  if (gfx::IsNullRect(r)) return {};
  return r;
}

TabFrameEdges EdgesOf(const TbsDataSkinTabControl& s) {
  const int skinW = s.skinRect.width();
  const int skinH = s.skinRect.height();
  return {std::max(0, s.clientRect.left), std::max(0, s.clientRect.top),
          std::max(0, skinW - s.clientRect.right), std::max(0, skinH - s.clientRect.bottom)};
}

// The page background: see TbsSkinCustomTabSheet::eraseBackground.
void PaintPageBackground(gfx::Bitmap& bitmap, const gfx::Rect& area, const TbsSkinData* skin,
                         const TbsDataSkinTabControl* s) {
  const gfx::Bitmap* pic = TabPicture(skin, s);
  if (s == nullptr || pic == nullptr) {
    bitmap.fillRect(area, gfx::SystemColor(gfx::SysColor::ButtonFace));
    return;
  }
  if (s->bgPictureIndex >= 0) {
    if (const gfx::Bitmap* bg = skin->ActivePicture(s->bgPictureIndex); bg && !bg->empty()) {
      TileArea(bitmap, area, *bg, bg->rect());
      return;
    }
  }
  const gfx::Rect client =
      Intersect(Offset(s->clientRect, s->skinRect.left, s->skinRect.top), s->skinRect);
  if (!Inside(client, *pic)) {
    bitmap.fillRect(area, gfx::SystemColor(gfx::SysColor::ButtonFace));
    return;
  }
  TileArea(bitmap, area, *pic, client);
}

// A one-pixel bevel: raised (light top-left) or sunken.
void DrawBevel(gfx::Bitmap& b, const gfx::Rect& r, bool raised) {
  if (gfx::IsNullRect(r)) return;
  const gfx::Color light = gfx::SystemColor(gfx::SysColor::ButtonHighlight);
  const gfx::Color dark = gfx::SystemColor(gfx::SysColor::ButtonShadow);
  const gfx::Color tl = raised ? light : dark;
  const gfx::Color br = raised ? dark : light;
  b.fillRect({r.left, r.top, r.right, r.top + 1}, tl);
  b.fillRect({r.left, r.top, r.left + 1, r.bottom}, tl);
  b.fillRect({r.left, r.bottom - 1, r.right, r.bottom}, br);
  b.fillRect({r.right - 1, r.top, r.right, r.bottom}, br);
}

gfx::Bitmap Turned(const gfx::Bitmap& b, bool left) {
  const TbsEffectBmp src(b);
  TbsEffectBmp dst(b.height(), b.width());
  const bool ok = left ? src.TurnLeftInto(dst) : src.TurnRightInto(dst);
  return ok ? dst.toBitmap() : b;
}

}  // namespace

TabLook TabLookFor(bool selected, bool hot, bool controlFocused) {
  if (selected) return controlFocused ? TabLook::Focused : TabLook::Active;
  return hot ? TabLook::MouseIn : TabLook::Normal;
}

// --- TbsSkinCustomTabSheet ----------------------------------------------------

TbsSkinCustomTabSheet::TbsSkinCustomTabSheet(ui::Component* owner) : ui::WinControl(owner) {
  setAlign(ui::Align::alClient);
  setVisible(false);
}

TbsSkinCustomTabSheet::~TbsSkinCustomTabSheet() {
  if (pageControl_ != nullptr) pageControl_->removePage(this);
}

void TbsSkinCustomTabSheet::setPageControl(TbsSkinPageControl* control) {
  if (control == pageControl_) return;
  if (pageControl_ != nullptr) pageControl_->removePage(this);
  if (control != nullptr) control->insertPage(this);
}

int TbsSkinCustomTabSheet::PageIndex() const {
  if (pageControl_ == nullptr) return -1;
  const auto& pages = pageControl_->pages_;
  const auto it = std::find(pages.begin(), pages.end(), this);
  return it == pages.end() ? -1 : static_cast<int>(it - pages.begin());
}

void TbsSkinCustomTabSheet::setTabVisible(bool on) {
  if (tabVisible_ == on) return;
  tabVisible_ = on;
  if (pageControl_ != nullptr) pageControl_->pageChanged();
}

void TbsSkinCustomTabSheet::setImageIndex(int index) {
  imageIndex_ = index;
  if (pageControl_ != nullptr) pageControl_->pageChanged();
}

void TbsSkinCustomTabSheet::eraseBackground(gfx::Canvas&) {}

void TbsSkinCustomTabSheet::paint(gfx::Canvas& canvas) {
  if (width() < 1 || height() < 1 || pageControl_ == nullptr) return;
  pageControl_->ReadSkinSection();
  PaintPageBackground(canvas.bitmap(), clientRect(), pageControl_->SkinData(),
                      pageControl_->tabSection());
}

void TbsSkinCustomTabSheet::wndProc(ui::Message& m) {
  ui::WinControl::wndProc(m);
  if (m.id == ui::CM_TEXTCHANGED && pageControl_ != nullptr) pageControl_->pageChanged();
}

void TbsSkinCustomTabSheet::mouseEnter() {
  ui::WinControl::mouseEnter();
  if (pageControl_ != nullptr) pageControl_->setHotTab(-1);
}

void TbsSkinCustomTabSheet::resized() {
  ui::WinControl::resized();
  // The background is tiled from the page's left-top: all of it changes.
  invalidate();
}

// --- TbsSkinPageControl --------------------------------------------------------

TbsSkinPageControl::TbsSkinPageControl(ui::Component* owner) : TbsSkinControl(owner) {
  SetSkinDataName("tab");
  defaultFont_.name = "Arial";
  defaultFont_.height = 14;
  defaultFont_.color = gfx::SystemColor(gfx::SysColor::ButtonText);
  setFont(defaultFont_);
  setTabStop(true);
  setAcceptsFocus(true);
  resolveTabHeight();
  layoutRow();
}

TbsSkinPageControl::~TbsSkinPageControl() {
  // The pages (children) outlive this part of the control: they must not
  // call back into it.
  for (TbsSkinCustomTabSheet* p : pages_) p->pageControl_ = nullptr;
  pages_.clear();
  visible_.clear();
}

TbsSkinCustomTabSheet* TbsSkinPageControl::Page(int index) const {
  if (index < 0 || index >= PageCount()) return nullptr;
  return pages_[static_cast<std::size_t>(index)];
}

TbsSkinCustomTabSheet* TbsSkinPageControl::ActivePage() const { return Page(active_); }

TbsSkinCustomTabSheet* TbsSkinPageControl::tabPage(int visibleTab) const {
  if (visibleTab < 0 || visibleTab >= visibleTabCount()) return nullptr;
  return Page(visible_[static_cast<std::size_t>(visibleTab)]);
}

int TbsSkinPageControl::TabIndex() const {
  const auto it = std::find(visible_.begin(), visible_.end(), active_);
  return it == visible_.end() ? -1 : static_cast<int>(it - visible_.begin());
}

void TbsSkinPageControl::setTabIndex(int index) {
  if (index < 0 || index >= visibleTabCount()) return;
  setActivePage(tabPage(index));
}

void TbsSkinPageControl::setActivePage(TbsSkinCustomTabSheet* page) {
  const int index = page == nullptr ? -1 : page->PageIndex();
  if (page != nullptr && (index < 0 || page->pageControl_ != this)) return;
  if (index == active_) return;
  TbsSkinCustomTabSheet* old = ActivePage();
  active_ = index;
  if (page != nullptr) {
    page->setVisible(true);
    realign();
  }
  if (old != nullptr) old->setVisible(false);
  // Several rows of tabs turn so that the chosen tab's row meets the page.
  if (multiLine_) layoutRow();
  if (const int tab = TabIndex(); tab >= 0) makeTabVisible(tab);
  if (upDown_ != nullptr)
    upDown_->setPosition(upDownPosition(HiddenTabs(
        row_, rowLength(), TabsVertical(tabPosition_) ? upDown_->height() : upDown_->width())));
  invalidate();
  if (page != nullptr) page->invalidate();
}

void TbsSkinPageControl::insertPage(TbsSkinCustomTabSheet* page) {
  pages_.push_back(page);
  page->pageControl_ = this;
  page->setParent(this);
  page->setVisible(false);
  pageChanged();
  if (active_ == -1) setActivePage(page);
}

void TbsSkinPageControl::removePage(TbsSkinCustomTabSheet* page) {
  const auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end()) return;
  const int index = static_cast<int>(it - pages_.begin());
  const bool wasActive = index == active_;
  pages_.erase(it);
  page->pageControl_ = nullptr;
  if (wasActive) {
    active_ = -1;
    page->setVisible(false);
  } else if (active_ > index) {
    --active_;
  }
  hotTab_ = -1;
  pageChanged();
  // The page that took the removed one's place (or the last) becomes active.
  if (wasActive && !destroying() && !pages_.empty()) {
    setActivePage(Page(std::min(index, PageCount() - 1)));
  }
}

void TbsSkinPageControl::pageChanged() {
  visible_.clear();
  for (int i = 0; i < PageCount(); ++i)
    if (pages_[static_cast<std::size_t>(i)]->tabVisible_) visible_.push_back(i);
  if (hotTab_ >= visibleTabCount()) hotTab_ = -1;
  updateTabs();
}

void TbsSkinPageControl::setTabPosition(TabPosition p) {
  if (p == tabPosition_) return;
  tabPosition_ = p;
  firstTab_ = 0;
  updateTabs();
  realign();
}

void TbsSkinPageControl::setTabHeight(int h) {
  tabHeightProp_ = std::max(0, h);
  resolveTabHeight();
  updateTabs();
  realign();
}

void TbsSkinPageControl::setTabWidth(int w) {
  tabWidthProp_ = std::max(0, w);
  updateTabs();
}

void TbsSkinPageControl::setMultiLine(bool on) {
  if (on == multiLine_) return;
  multiLine_ = on;
  firstTab_ = 0;
  updateTabs();
  if (const int tab = TabIndex(); tab >= 0) makeTabVisible(tab);
}

void TbsSkinPageControl::setStyle(TTabStyle style) {
  if (style == style_) return;
  style_ = style;
  updateTabs();
  // Buttons frame no page: the page area changes though the band does not.
  realign();
}

void TbsSkinPageControl::setImages(ui::ImageList* images) {
  if (images_ != nullptr) removeFreeNotification(images_);
  images_ = images;
  // A list destroyed before the control is forgotten, not drawn from.
  if (images_ != nullptr) freeNotification(images_);
  updateTabs();
}

void TbsSkinPageControl::notification(ui::Component* component, Operation operation) {
  TbsSkinControl::notification(component, operation);
  if (operation == Operation::Removing && component == images_) {
    images_ = nullptr;
    if (!destroying()) updateTabs();
  }
}

void TbsSkinPageControl::setDefaultFont(const gfx::Font& font) {
  defaultFont_ = font;
  applySkinFont();
  updateTabs();
}

void TbsSkinPageControl::setUseSkinFont(bool on) {
  useSkinFont_ = on;
  applySkinFont();
  updateTabs();
}

void TbsSkinPageControl::setDefaultItemHeight(int h) {
  defaultItemHeight_ = std::max(1, h);
  if (sectionIndex_ == -1) {
    resolveTabHeight();
    updateTabs();
    realign();
  }
}

const TbsDataSkinTabControl* TbsSkinPageControl::tabSection() const {
  return SectionAs<TbsDataSkinTabControl>();
}

void TbsSkinPageControl::ReadSkinSection() {
  TbsSkinControl::ReadSkinSection();
  // A section of another kind, or one whose picture is missing, leaves the
  // default look: the frame and the tabs need the tab section's picture.
  const TbsDataSkinTabControl* s = tabSection();
  if (sectionIndex_ != -1 &&
      (s == nullptr || TabPicture(SkinData(), s) == nullptr || gfx::IsNullRect(s->skinRect)))
    sectionIndex_ = -1;
}

void TbsSkinPageControl::applySkinFont() {
  const TbsDataSkinTabControl* s = tabSection();
  gfx::Font f = SelectSkinFont(useSkinFont_ && s != nullptr, s, s ? s->fontColor : gfx::Color(),
                               defaultFont_, SkinData());
  if (s != nullptr) f.color = s->fontColor;
  setFont(f);
}

void TbsSkinPageControl::resolveTabHeight() {
  const TbsDataSkinTabControl* s = tabSection();
  if (tabHeightProp_ > 0) {
    tabHeight_ = tabHeightProp_;
  } else if (s != nullptr && s->tabRect.height() > 0) {
    tabHeight_ = s->tabRect.height();
  } else {
    tabHeight_ = defaultItemHeight_;
  }
}

void TbsSkinPageControl::BeforeChangeSkinData() {
  TbsSkinControl::BeforeChangeSkinData();
  destroyUpDown();
}

void TbsSkinPageControl::ChangeSkinData() {
  ReadSkinSection();
  applySkinFont();
  resolveTabHeight();
  // An existing up-down is made again for the new section.
  destroyUpDown();
  updateTabs();
  realign();
  invalidate();
  if (TbsSkinCustomTabSheet* page = ActivePage()) page->invalidate();
}

gfx::Font TbsSkinPageControl::tabFont(TabLook look) const {
  const TbsDataSkinTabControl* s = tabSection();
  if (s == nullptr) return SelectSkinFont(false, nullptr, gfx::Color(), font(), SkinData());
  gfx::Color c = s->fontColor;
  switch (look) {
    case TabLook::MouseIn:
      c = s->mouseInFontColor;
      break;
    case TabLook::Focused:
      c = s->focusFontColor;
      break;
    case TabLook::Active:
      c = s->activeFontColor;
      break;
    case TabLook::Normal:
      break;
  }
  gfx::Font f = SelectSkinFont(useSkinFont_, s, c, font(), SkinData());
  f.color = c;
  return f;
}

void TbsSkinPageControl::updateTabs() {
  const gfx::Font f = tabFont(TabLook::Normal);
  const int imageWidth = images_ != nullptr ? images_->width() : 0;
  lengths_.clear();
  lengths_.reserve(visible_.size());
  for (int page : visible_) {
    const TbsSkinCustomTabSheet* p = Page(page);
    const bool hasImage =
        images_ != nullptr && p->imageIndex_ >= 0 && p->imageIndex_ < images_->count();
    const int captionWidth = tabWidthProp_ > 0 ? 0 : gfx::MeasureText(f, p->caption()).width;
    lengths_.push_back(TabLength(captionWidth, hasImage ? imageWidth : 0, tabWidthProp_));
  }
  const int thickness = row_.thickness();
  layoutRow();
  updateUpDown();
  if (row_.thickness() != thickness) realign();
  invalidate();
}

void TbsSkinPageControl::layoutRow() {
  TabRowInput in;
  in.position = tabPosition_;
  in.width = width();
  in.height = height();
  in.tabHeight = tabHeight_;
  in.lengths = lengths_;
  in.firstTab = firstTab_;
  in.gap = buttonStyle() ? kTabButtonGap : 0;
  in.multiLine = multiLine_;
  in.selected = TabIndex();
  in.rotateRows = style_ == TTabStyle::tsTabs;
  row_ = LayoutTabRow(in);
  firstTab_ = multiLine_ || lengths_.empty()
                  ? 0
                  : std::clamp(firstTab_, 0, static_cast<int>(lengths_.size()) - 1);
}

int TbsSkinPageControl::spanOf(int from, int to) const {
  const int gap = buttonStyle() ? kTabButtonGap : 0;
  int x = 0;
  for (int i = from; i < to; ++i) x += lengths_[static_cast<std::size_t>(i)] + (i > from ? gap : 0);
  return x;
}

int TbsSkinPageControl::upDownPosition(int hidden) const {
  const int out = ScrolledOutTabs(row_);
  return TabsVertical(tabPosition_) ? std::max(0, hidden - out) : out;
}

void TbsSkinPageControl::destroyUpDown() {
  if (upDown_ == nullptr) return;
  TbsSkinUpDown* u = upDown_;
  upDown_ = nullptr;
  delete u;
}

void TbsSkinPageControl::updateUpDown() {
  if (multiLine_ || lengths_.empty()) {
    destroyUpDown();
    firstTab_ = 0;
    layoutRow();
    return;
  }
  const bool vertical = TabsVertical(tabPosition_);
  const int udLength = kUpDownWidthFactor * defaultItemHeight_;
  const int length = rowLength();
  const int count = static_cast<int>(lengths_.size());
  // Room left by a grown control brings tabs scrolled out back in.
  if (spanOf(0, count) <= length - kTabHiddenMargin) {
    firstTab_ = 0;
  } else {
    while (firstTab_ > 0 && spanOf(firstTab_ - 1, count) <= length - udLength - kTabHiddenMargin)
      --firstTab_;
  }
  layoutRow();
  // The up-down goes as soon as every tab fits the whole length: left beside
  // the tabs it would cover the last ones though they had room.
  int hidden = firstTab_ == 0 ? HiddenTabs(row_, length, 0) : 1;
  if (hidden > 0) hidden = HiddenTabs(row_, length, udLength);
  if (hidden == 0) {
    destroyUpDown();
    return;
  }
  const UpDownOrientation orientation =
      vertical ? UpDownOrientation::udVertical : UpDownOrientation::udHorizontal;
  if (upDown_ != nullptr && upDown_->Orientation() != orientation) destroyUpDown();
  if (upDown_ == nullptr) {
    upDown_ = new TbsSkinUpDown(nullptr);
    upDown_->setOrientation(orientation);
    const TbsDataSkinTabControl* s = tabSection();
    upDown_->SetSkinDataName(s != nullptr && !s->upDown.empty() ? s->upDown : "updown");
    upDown_->setParent(this);
    upDown_->SetSkinData(SkinData());
    upDown_->OnChange = [this](TbsSkinUpDown& ud, int position) {
      if (TabsVertical(tabPosition_)) {
        // The upper button counts up and brings the earlier tabs back.
        scrollTo(firstTab_ - (position - upDownPosition(ud.Max())));
      } else {
        scrollTo(position);
      }
    };
    upDown_->OnMouseEnter = [this](ui::Control&) { setHotTab(-1); };
  }
  if (vertical) {
    // Stacked at the bottom end of the row.
    const int x = tabPosition_ == TabPosition::tpRight ? width() - defaultItemHeight_ : 0;
    upDown_->setBounds(x, height() - udLength, defaultItemHeight_, udLength);
  } else {
    const int y = tabPosition_ == TabPosition::tpBottom ? height() - defaultItemHeight_ : 0;
    upDown_->setBounds(width() - udLength, y, udLength, defaultItemHeight_);
  }
  upDown_->setMin(0);
  upDown_->setMax(hidden);
  upDown_->setPosition(upDownPosition(hidden));
}

void TbsSkinPageControl::scrollTo(int first) {
  firstTab_ = std::max(0, first);
  layoutRow();
  if (upDown_ != nullptr) {
    const int udLength = TabsVertical(tabPosition_) ? upDown_->height() : upDown_->width();
    const int hidden = HiddenTabs(row_, rowLength(), udLength);
    upDown_->setMax(hidden);
    upDown_->setPosition(upDownPosition(hidden));
  }
  invalidate();
}

void TbsSkinPageControl::makeTabVisible(int visibleTab) {
  if (multiLine_ || visibleTab < 0 || visibleTab >= visibleTabCount()) return;
  if (visibleTab < firstTab_) {
    scrollTo(visibleTab);
    return;
  }
  const int udLength = upDown_ == nullptr           ? 0
                       : TabsVertical(tabPosition_) ? upDown_->height()
                                                    : upDown_->width();
  const int limit = rowLength() - udLength - kTabHiddenMargin;
  int first = firstTab_;
  // Scroll on until the tab's far edge fits, the tab itself first at most.
  while (first < visibleTab && spanOf(first, visibleTab + 1) > limit) ++first;
  if (first != firstTab_) scrollTo(first);
}

gfx::Rect TbsSkinPageControl::tabRect(int visibleTab) const {
  if (visibleTab < 0 || visibleTab >= static_cast<int>(row_.tabs.size())) return {};
  return row_.tabs[static_cast<std::size_t>(visibleTab)];
}

gfx::Rect TbsSkinPageControl::frameRect() const {
  return TabFrameRect(tabPosition_, width(), height(), row_.thickness());
}

gfx::Rect TbsSkinPageControl::pageArea() const {
  // Buttons frame no page: it starts a gap away from them.
  if (buttonStyle()) {
    const TabFrameEdges none{};
    return TabPageArea(tabPosition_, width(), height(), row_.thickness() + kTabButtonGap, &none);
  }
  const TbsDataSkinTabControl* s = sectionIndex_ != -1 ? tabSection() : nullptr;
  const TabFrameEdges edges = s != nullptr ? EdgesOf(*s) : TabFrameEdges{};
  return TabPageArea(tabPosition_, width(), height(), row_.thickness(),
                     s != nullptr ? &edges : nullptr);
}

void TbsSkinPageControl::adjustClientRect(gfx::Rect& rect) const { rect = pageArea(); }

void TbsSkinPageControl::resized() {
  TbsSkinControl::resized();
  layoutRow();
  updateUpDown();
  realign();
  invalidate();
}

int TbsSkinPageControl::tabAt(int x, int y) const {
  const bool vertical = TabsVertical(tabPosition_);
  const int limit = upDown_ == nullptr ? (vertical ? height() : width())
                    : vertical         ? upDown_->top()
                                       : upDown_->left();
  return TabAt(row_, {x, y}, limit);
}

void TbsSkinPageControl::setHotTab(int visibleTab) {
  if (visibleTab == hotTab_) return;
  hotTab_ = visibleTab;
  invalidate();
}

void TbsSkinPageControl::selectByUser(int visibleTab) {
  TbsSkinCustomTabSheet* page = tabPage(visibleTab);
  if (page == nullptr || page == ActivePage()) return;
  setActivePage(page);
  if (OnChange) OnChange(*this);
}

void TbsSkinPageControl::mouseDown(ui::MouseButton button, unsigned shift, int x, int y) {
  TbsSkinControl::mouseDown(button, shift, x, y);
  const int tab = tabAt(x, y);
  setHotTab(tab);
  if (button != ui::MouseButton::Left || tab < 0 || !enabled()) return;
  if (canFocus()) setFocus();
  selectByUser(tab);
}

void TbsSkinPageControl::mouseMove(unsigned shift, int x, int y) {
  TbsSkinControl::mouseMove(shift, x, y);
  setHotTab(tabAt(x, y));
}

void TbsSkinPageControl::mouseLeave() {
  TbsSkinControl::mouseLeave();
  setHotTab(-1);
}

void TbsSkinPageControl::keyDown(int& key, unsigned shift) {
  TbsSkinControl::keyDown(key, shift);
  const int count = visibleTabCount();
  if (key == 0 || count == 0) return;
  const int current = TabIndex();
  if (key == ui::VK_TAB && (shift & ui::ssCtrl)) {
    // Round the pages, from wherever the focus is inside the control.
    const int step = (shift & ui::ssShift) ? -1 : 1;
    const int from = current < 0 ? (step > 0 ? -1 : 0) : current;
    selectByUser(((from + step) % count + count) % count);
    key = 0;
    return;
  }
  if (!focused() || (shift & (ui::ssCtrl | ui::ssAlt))) return;
  const bool vertical = TabsVertical(tabPosition_);
  int step = 0;
  if (key == (vertical ? ui::VK_UP : ui::VK_LEFT)) step = -1;
  if (key == (vertical ? ui::VK_DOWN : ui::VK_RIGHT)) step = 1;
  if (step == 0) return;
  const int target = std::clamp(current + step, 0, count - 1);
  if (target != current) selectByUser(target);
  key = 0;
}

void TbsSkinPageControl::wndProc(ui::Message& m) {
  TbsSkinControl::wndProc(m);
  // The selected tab's look follows the focus.
  if (m.id == ui::WM_SETFOCUS || m.id == ui::WM_KILLFOCUS) invalidate();
}

void TbsSkinPageControl::DrawDefaultImage(gfx::Bitmap& bitmap) {
  paintAll(bitmap, nullptr, nullptr);
}

void TbsSkinPageControl::DrawSkinImage(gfx::Bitmap& bitmap) {
  const TbsDataSkinTabControl* s = tabSection();
  const gfx::Bitmap* pic = TabPicture(SkinData(), s);
  if (s == nullptr || pic == nullptr) {
    paintAll(bitmap, nullptr, nullptr);
    return;
  }
  paintAll(bitmap, s, pic);
}

void TbsSkinPageControl::paintAll(gfx::Bitmap& bitmap, const TbsDataSkinTabControl* s,
                                  const gfx::Bitmap* pic) {
  bitmap.fill(gfx::SystemColor(gfx::SysColor::ButtonFace));
  // With no page shown, the page area is painted as a page would be; below
  // buttons, the gap to the page too, as nothing frames it.
  if (buttonStyle()) {
    PaintPageBackground(bitmap, frameRect(), SkinData(), s);
  } else if (ActivePage() == nullptr) {
    PaintPageBackground(bitmap, pageArea(), SkinData(), s);
  }
  if (s == nullptr) {
    if (!buttonStyle()) {
      const gfx::Rect a = pageArea();
      gfx::Canvas c(bitmap);
      c.frameRect({a.left - 1, a.top - 1, a.right + 1, a.bottom + 1},
                  gfx::SystemColor(gfx::SysColor::ButtonShadow));
    }
  } else {
    drawFrame(bitmap, *s, *pic);
  }
  for (int i = 0; i < visibleTabCount(); ++i) {
    const gfx::Rect r = tabRect(i);
    if (r.right <= 0 || r.left >= width() || r.bottom <= 0 || r.top >= height()) continue;
    drawTab(bitmap, i, s, pic);
  }
}

void TbsSkinPageControl::drawFrame(gfx::Bitmap& bitmap, const TbsDataSkinTabControl& s,
                                   const gfx::Bitmap& pic) {
  const gfx::Rect f = frameRect();
  const gfx::Rect& sr = s.skinRect;
  const int skinW = sr.width();
  const int skinH = sr.height();
  const TabFrameEdges e = EdgesOf(s);
  const int dw = f.width() - skinW;
  const int dh = f.height() - skinH;
  // The band on the tabs' side.
  if (!gfx::IsNullRect(s.tabsBGRect) && Inside(s.tabsBGRect, pic)) {
    gfx::Rect band;
    switch (tabPosition_) {
      case TabPosition::tpTop:
        band = {0, 0, width(), f.top};
        break;
      case TabPosition::tpBottom:
        band = {0, f.bottom, width(), height()};
        break;
      case TabPosition::tpLeft:
        band = {0, 0, f.left, height()};
        break;
      case TabPosition::tpRight:
        band = {f.right, 0, width(), height()};
        break;
    }
    TileArea(bitmap, band, pic, s.tabsBGRect);
  }
  if (gfx::IsNullRect(f) || buttonStyle()) return;
  const gfx::Point lt = s.leftTopPoint;
  const gfx::Point rt = s.rightTopPoint;
  const gfx::Point lb = s.leftBottomPoint;
  const gfx::Point rb = s.rightBottomPoint;
  const int x0 = f.left;
  const int y0 = f.top;
  // The four edges, tiled from the picture's edge segments between the
  // corner points; the middle is the page's.
  TileHorizontally(bitmap, x0 + lt.x, x0 + rt.x + dw, y0, y0 + e.top, pic,
                   {sr.left + lt.x, sr.top, sr.left + rt.x, sr.top + e.top});
  TileHorizontally(bitmap, x0 + lb.x, x0 + rb.x + dw, f.bottom - e.bottom, f.bottom, pic,
                   {sr.left + lb.x, sr.bottom - e.bottom, sr.left + rb.x, sr.bottom});
  TileVertically(bitmap, y0 + lt.y, y0 + lb.y + dh, x0, x0 + e.left, pic,
                 {sr.left, sr.top + lt.y, sr.left + e.left, sr.top + lb.y});
  TileVertically(bitmap, y0 + rt.y, y0 + rb.y + dh, f.right - e.right, f.right, pic,
                 {sr.right - e.right, sr.top + rt.y, sr.right, sr.top + rb.y});
  // The corners at their own size.
  const auto corner = [&](const gfx::Rect& src, int x, int y) {
    if (gfx::IsNullRect(src)) return;
    CopyPiece(bitmap, gfx::Rect::fromSize(x, y, src.width(), src.height()), pic,
              Offset(src, sr.left, sr.top));
  };
  corner({0, 0, lt.x, lt.y}, x0, y0);
  corner({rt.x, 0, skinW, rt.y}, x0 + rt.x + dw, y0);
  corner({0, lb.y, lb.x, skinH}, x0, y0 + lb.y + dh);
  corner({rb.x, rb.y, skinW, skinH}, x0 + rb.x + dw, y0 + rb.y + dh);
}

void TbsSkinPageControl::drawTab(gfx::Bitmap& bitmap, int visibleTab,
                                 const TbsDataSkinTabControl* s, const gfx::Bitmap* pic) {
  const gfx::Rect r = tabRect(visibleTab);
  const TbsSkinCustomTabSheet* page = tabPage(visibleTab);
  if (gfx::IsNullRect(r) || page == nullptr) return;
  const bool vertical = TabsVertical(tabPosition_);
  const int w = vertical ? r.height() : r.width();
  const int h = vertical ? r.width() : r.height();
  const TabLook look = TabLookFor(visibleTab == TabIndex(), visibleTab == hotTab_, focused());
  gfx::Bitmap tab(w, h);
  const bool flatNormal = style_ == TTabStyle::tsFlatButtons && look == TabLook::Normal;
  if (flatNormal) {
    // A flat button at rest is only its caption over what lies behind it;
    // lying tabs are turned back at the end, so the background is turned
    // the other way first.
    gfx::Bitmap behind(r.width(), r.height());
    behind.copyRect(behind.rect(), bitmap, r);
    tab = vertical ? Turned(behind, tabPosition_ != TabPosition::tpLeft) : behind;
  } else if (buttonStyle() && (s == nullptr || pic == nullptr)) {
    switch (look) {
      case TabLook::Normal:
        tab.fill(gfx::SystemColor(gfx::SysColor::ButtonFace));
        DrawBevel(tab, tab.rect(), true);
        break;
      case TabLook::MouseIn:
        tab.fill(kHotFillColor);
        gfx::Canvas(tab).frameRect(tab.rect(), kHotFrameColor);
        break;
      case TabLook::Active:
        tab.fill(kPressedFillColor);
        DrawBevel(tab, tab.rect(), false);
        break;
      case TabLook::Focused:
        tab.fill(kPressedFillColor);
        gfx::Canvas(tab).frameRect(tab.rect(), kHotFrameColor);
        break;
    }
  } else if (s == nullptr || pic == nullptr) {
    gfx::Canvas c(tab);
    switch (look) {
      case TabLook::MouseIn:
        c.fillRect(tab.rect(), kHotFillColor);
        break;
      case TabLook::Normal:
        c.fillRect(tab.rect(), gfx::SystemColor(gfx::SysColor::ButtonFace));
        break;
      case TabLook::Active:
        c.fillRect(tab.rect(), kHotFillColor);
        c.frameRect(tab.rect(), kHotFrameColor);
        break;
      case TabLook::Focused:
        c.fillRect(tab.rect(), kPressedFillColor);
        c.frameRect(tab.rect(), kHotFrameColor);
        break;
    }
  } else {
    gfx::Rect area = s->tabRect;
    const gfx::Rect active = gfx::IsNullRect(s->activeTabRect) ? s->tabRect : s->activeTabRect;
    switch (look) {
      case TabLook::MouseIn:
        if (!gfx::IsNullRect(s->mouseInTabRect)) area = s->mouseInTabRect;
        break;
      case TabLook::Focused:
        area = gfx::IsNullRect(s->focusTabRect) ? active : s->focusTabRect;
        break;
      case TabLook::Active:
        area = active;
        break;
      case TabLook::Normal:
        break;
    }
    if (Inside(area, *pic)) {
      gfx::Bitmap strip;
      ComposeHorzStrip(s->tabLeftOffset, s->tabRightOffset, strip, *pic, area, w);
      if (strip.height() == h) {
        tab.draw(0, 0, strip);
      } else if (!strip.empty()) {
        // A TabHeight other than the picture's: the strip stretched to the tab.
        tab.copyRect(tab.rect(), strip, strip.rect());
      }
    } else {
      tab.fill(gfx::SystemColor(gfx::SysColor::ButtonFace));
    }
    // Bottom tabs are the picture upside down.
    if (tabPosition_ == TabPosition::tpBottom) {
      const TbsEffectBmp src(tab);
      TbsEffectBmp flipped(w, h);
      if (src.FlipVertInto(flipped)) tab = flipped.toBitmap();
    }
  }
  // The content: the image and the caption centred together, or the caption.
  {
    gfx::Canvas c(tab);
    c.setFont(tabFont(look));
    c.setBrushStyle(gfx::BrushStyle::Clear);
    const std::string& caption = page->caption();
    const bool hasImage =
        images_ != nullptr && page->ImageIndex() >= 0 && page->ImageIndex() < images_->count();
    if (hasImage) {
      const int tw = c.textWidth(caption);
      const int total = images_->width() + tw + 2 * kTabImageGap;
      const int x = (w - total) / 2 + kTabImageGap;
      images_->draw(c, x, (h - images_->height()) / 2, page->ImageIndex(), page->enabled());
      gfx::Rect tr{x + images_->width() + kTabImageGap, 0, w, h};
      c.drawText(caption, tr,
                 gfx::kTextLeft | gfx::kTextVCenter | gfx::kTextSingleLine | gfx::kTextNoPrefix);
    } else {
      gfx::Rect tr = tab.rect();
      c.drawText(caption, tr,
                 gfx::kTextCenter | gfx::kTextVCenter | gfx::kTextSingleLine | gfx::kTextNoPrefix);
    }
  }
  if (vertical) tab = Turned(tab, tabPosition_ == TabPosition::tpLeft);
  bitmap.draw(r.left, r.top, tab);
}

}  // namespace skin
