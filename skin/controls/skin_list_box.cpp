// The skinned list boxes: items, selection, the top row, item heights, the
// vertical scroll bar, drawing of the visible rows, and the pop-up list.
#include "skin/controls/skin_list_box.h"

#include <algorithm>

#include "skin/controls/list_box_layout.h"
#include "skin/controls/skin_font.h"
#include "skin/data/control_data.h"
#include "skin/draw/strip_image.h"
#include "skin/draw/tiling.h"
#include "ui/graphics/canvas.h"
#include "ui/graphics/color.h"
#include "ui/keys.h"

namespace skin {

namespace {
gfx::Rect OrRect(const gfx::Rect& r, const gfx::Rect& fallback) {
  return gfx::IsNullRect(r) ? fallback : r;
}

// A dotted one-pixel outline, the look of a focus rectangle.
void DrawFocusRect(gfx::Bitmap& b, const gfx::Rect& r, gfx::Color c) {
  if (gfx::IsNullRect(r)) return;
  for (int x = r.left; x < r.right; x += 2) {
    if (x >= 0 && x < b.width()) {
      if (r.top >= 0 && r.top < b.height()) b.setPixel(x, r.top, c);
      if (r.bottom - 1 >= 0 && r.bottom - 1 < b.height()) b.setPixel(x, r.bottom - 1, c);
    }
  }
  for (int y = r.top; y < r.bottom; y += 2) {
    if (y >= 0 && y < b.height()) {
      if (r.left >= 0 && r.left < b.width()) b.setPixel(r.left, y, c);
      if (r.right - 1 >= 0 && r.right - 1 < b.width()) b.setPixel(r.right - 1, y, c);
    }
  }
}
}  // namespace

TbsSkinCustomListBox::TbsSkinCustomListBox(ui::Component* owner, ui::WindowKind kind)
    : TbsSkinCustomControl(owner, kind) {
  setBounds(left(), top(), 121, 97);
}

TbsSkinCustomListBox::~TbsSkinCustomListBox() = default;

const TbsDataSkinListBox* TbsSkinCustomListBox::listSection() const {
  return sectionIndex_ != -1 ? SectionAs<TbsDataSkinListBox>() : nullptr;
}

void TbsSkinCustomListBox::ReadSkinSection() {
  TbsSkinCustomControl::ReadSkinSection();
  // A section of another kind has no item pictures: the default look.
  if (sectionIndex_ != -1 && SectionAs<TbsDataSkinListBox>() == nullptr) {
    sectionIndex_ = -1;
    sectionPicture().clear();
  }
}

void TbsSkinCustomListBox::BeforeChangeSkinData() {
  TbsSkinCustomControl::BeforeChangeSkinData();
  if (vScrollBar_ != nullptr) vScrollBar_->BeforeChangeSkinData();
}

void TbsSkinCustomListBox::ChangeSkinData() {
  TbsSkinCustomControl::ChangeSkinData();
  // A pop-up list is on no form, so its bar hears of the change from here.
  if (vScrollBar_ != nullptr) vScrollBar_->ChangeSkinData();
  if (rowCount_ > 0) setRowCount(rowCount_);
  updateScrollBars();
}

// --- items and selection -------------------------------------------------------

void TbsSkinCustomListBox::setItems(std::vector<std::string> items) {
  items_ = std::move(items);
  if (sorted_) sortItems();
  if (itemIndex_ >= count()) itemIndex_ = -1;
  clampTop();
  updateScrollBars();
  invalidate();
}

void TbsSkinCustomListBox::addItem(const std::string& item) {
  items_.push_back(item);
  if (sorted_) sortItems();
  updateScrollBars();
  invalidate();
}

void TbsSkinCustomListBox::clearItems() { setItems({}); }

void TbsSkinCustomListBox::setSorted(bool on) {
  if (sorted_ == on) return;
  sorted_ = on;
  if (sorted_) {
    sortItems();
    invalidate();
  }
}

void TbsSkinCustomListBox::sortItems() {
  const std::string chosen = itemIndex_ >= 0 && itemIndex_ < count() ? items_[itemIndex_] : "";
  std::stable_sort(items_.begin(), items_.end());
  if (itemIndex_ >= 0) {
    const auto it = std::find(items_.begin(), items_.end(), chosen);
    itemIndex_ = it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
  }
}

void TbsSkinCustomListBox::setItemIndex(int index) {
  if (index < 0 || index >= count()) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  if (index >= 0) scrollIntoView(index);
  invalidate();
}

void TbsSkinCustomListBox::clampTop() {
  topIndex_ = std::clamp(topIndex_, 0, MaxTopIndex(count(), visibleRows()));
}

void TbsSkinCustomListBox::setTopIndex(int index) {
  const int old = topIndex_;
  topIndex_ = index;
  clampTop();
  if (topIndex_ == old) return;
  if (vScrollBar_ != nullptr && vScrollBar_->visible()) vScrollBar_->setPosition(topIndex_);
  invalidate();
}

void TbsSkinCustomListBox::scrollIntoView(int index, bool toTop) {
  if (index < 0 || index >= count()) return;
  const int rows = std::max(1, visibleRows());
  if (toTop || index < topIndex_) {
    setTopIndex(index);
  } else if (index >= topIndex_ + rows) {
    setTopIndex(index - rows + 1);
  }
}

int TbsSkinCustomListBox::findPrefix(const std::string& prefix, int after) const {
  return FindItemWithPrefix(items_, prefix, after);
}

// --- heights and geometry ------------------------------------------------------

int TbsSkinCustomListBox::ItemHeight() const {
  if (useSkinItemHeight_) {
    if (const TbsDataSkinListBox* s = listSection(); s != nullptr && s->itemRect.height() > 0)
      return s->itemRect.height();
  }
  return std::max(1, defaultItemHeight_);
}

void TbsSkinCustomListBox::setUseSkinItemHeight(bool on) {
  useSkinItemHeight_ = on;
  if (rowCount_ > 0) setRowCount(rowCount_);
  updateScrollBars();
  invalidate();
}

void TbsSkinCustomListBox::setDefaultItemHeight(int h) {
  defaultItemHeight_ = h > 0 ? h : 20;
  if (rowCount_ > 0) setRowCount(rowCount_);
  updateScrollBars();
  invalidate();
}

int TbsSkinCustomListBox::heightForRows(int rows) const {
  const TbsDataSkinListBox* s = listSection();
  return ListHeightForRows(rows, ItemHeight(), s != nullptr, SkinRect().height(),
                           s != nullptr ? s->clientRect.height() : 0);
}

void TbsSkinCustomListBox::setRowCount(int rows) {
  rowCount_ = std::max(0, rows);
  if (rowCount_ > 0) setBounds(left(), top(), width(), heightForRows(rowCount_));
}

void TbsSkinCustomListBox::setBounds(int left, int top, int width, int height) {
  TbsSkinCustomControl::setBounds(left, top, width, height);
  clampTop();
  updateScrollBars();
}

void TbsSkinCustomListBox::setImages(ui::ImageList* images) {
  images_ = images;
  invalidate();
}

void TbsSkinCustomListBox::setImageIndex(int index) {
  imageIndex_ = index;
  invalidate();
}

gfx::Rect TbsSkinCustomListBox::listArea() const {
  gfx::Rect r =
      listSection() != nullptr ? PlacedClientRect() : gfx::Rect{2, 2, width() - 2, height() - 2};
  if (vScrollBar_ != nullptr && vScrollBar_->visible())
    r.right = std::max(r.left, vScrollBar_->left());
  return r;
}

int TbsSkinCustomListBox::visibleRows() const {
  return VisibleListRows(listArea().height(), ItemHeight());
}

int TbsSkinCustomListBox::itemAtPoint(gfx::Point p) const {
  const gfx::Rect area = listArea();
  if (p.x < area.left || p.x >= area.right) return -1;
  return ListItemAt(p.y - area.top, topIndex_, ItemHeight(), count());
}

void TbsSkinCustomListBox::updateScrollBars() {
  if (updatingBars_) return;
  updatingBars_ = true;
  ReadSkinSection();
  const TbsDataSkinListBox* s = listSection();
  gfx::Rect full = s != nullptr ? PlacedClientRect() : gfx::Rect{2, 2, width() - 2, height() - 2};
  const int rows = VisibleListRows(full.height(), ItemHeight());
  const bool need =
      (rowCount_ != count() || rowCount_ == 0) && rows < count() && !gfx::IsNullRect(full);
  if (need) {
    if (vScrollBar_ == nullptr) {
      vScrollBar_ = new TbsSkinScrollBar(this);
      vScrollBar_->setKind(TbsScrollBarKind::sbVertical);
      vScrollBar_->setParent(this);
      vScrollBar_->OnChange = [this](ui::Control&) { setTopIndex(vScrollBar_->Position()); };
    }
    // Without a list section, or with an empty name, the bar has no section.
    const std::string name = s != nullptr ? s->vScrollBarName : std::string();
    if (vScrollBar_->SkinData() != SkinData()) {
      vScrollBar_->SetSkinDataName(name);
      vScrollBar_->SetSkinData(SkinData());
    } else if (vScrollBar_->SkinDataName() != name) {
      vScrollBar_->SetSkinDataName(name);
      vScrollBar_->ChangeSkinData();
    }
    vScrollBar_->ReadSkinSection();
    const int barWidth = vScrollBar_->SectionIndex() != -1 ? vScrollBar_->width() : 19;
    vScrollBar_->setBounds(full.right - barWidth, full.top, barWidth, full.height());
    vScrollBar_->show();
    const int visible = VisibleListRows(full.height(), ItemHeight());
    topIndex_ = std::clamp(topIndex_, 0, MaxTopIndex(count(), visible));
    vScrollBar_->SetRange(0, count() - 1, std::max(1, visible), topIndex_);
    vScrollBar_->setLargeChange(std::max(1, visible));
  } else if (vScrollBar_ != nullptr && vScrollBar_->visible()) {
    vScrollBar_->CancelTracking();
    vScrollBar_->hide();
  }
  clampTop();
  updatingBars_ = false;
}

// --- input ---------------------------------------------------------------------

void TbsSkinCustomListBox::mouseDown(ui::MouseButton button, unsigned shift, int x, int y) {
  TbsSkinCustomControl::mouseDown(button, shift, x, y);
  if (button != ui::MouseButton::Left || !enabled()) return;
  if (acceptsFocus() && canFocus() && !focused()) setFocus();
  const int index = itemAtPoint({x, y});
  if (index < 0) return;
  setItemIndex(index);
  if (OnListClick) OnListClick(*this);
}

void TbsSkinCustomListBox::keyDown(int& key, unsigned shift) {
  TbsSkinCustomControl::keyDown(key, shift);
  if (count() == 0) return;
  const int page = std::max(1, visibleRows());
  int index = itemIndex_;
  switch (key) {
    case ui::VK_UP:
      index = std::max(0, itemIndex_ - 1);
      break;
    case ui::VK_DOWN:
      index = std::min(count() - 1, itemIndex_ + 1);
      break;
    case ui::VK_PRIOR:
      index = std::max(0, itemIndex_ - page + 1);
      break;
    case ui::VK_NEXT:
      index = std::min(count() - 1, std::max(0, itemIndex_) + page - 1);
      break;
    case ui::VK_HOME:
      index = 0;
      break;
    case ui::VK_END:
      index = count() - 1;
      break;
    default:
      return;
  }
  key = 0;
  if (index != itemIndex_) {
    setItemIndex(index);
    if (OnListClick) OnListClick(*this);
  }
}

void TbsSkinCustomListBox::wndProc(ui::Message& m) {
  if (m.id == ui::WM_MOUSEWHEEL) {
    const int delta = static_cast<short>(static_cast<std::uint64_t>(m.wparam) >> 16 & 0xFFFF);
    setTopIndex(topIndex_ + (delta > 0 ? -3 : 3));
    m.result = 1;
    return;
  }
  TbsSkinCustomControl::wndProc(m);
}

// --- drawing -------------------------------------------------------------------

void TbsSkinCustomListBox::DrawDefaultImage(gfx::Bitmap& bitmap) {
  bitmap.fill(gfx::SystemColor(gfx::SysColor::Window));
  gfx::Canvas c(bitmap);
  c.frameRect(bitmap.rect(), gfx::SystemColor(gfx::SysColor::ButtonShadow));
  drawItems(bitmap);
}

void TbsSkinCustomListBox::DrawSkinImage(gfx::Bitmap& bitmap) {
  if (listSection() == nullptr || Picture() == nullptr) {
    DrawDefaultImage(bitmap);
    return;
  }
  drawSkinArea(bitmap, SkinRect());
  drawItems(bitmap);
}

void TbsSkinCustomListBox::drawItems(gfx::Bitmap& bitmap) {
  const gfx::Rect area = listArea();
  if (gfx::IsNullRect(area)) return;
  const int ih = ItemHeight();
  for (int i = topIndex_, y = area.top; i < count() && y < area.bottom; ++i, y += ih) {
    // The last row may show only in part: it is drawn whole and clipped.
    const gfx::Rect r{area.left, y, area.right, std::min(y + ih, area.bottom)};
    drawItem(bitmap, i, r);
  }
}

void TbsSkinCustomListBox::drawItem(gfx::Bitmap& bitmap, int index, const gfx::Rect& r) {
  ++itemsDrawn_;
  const int w = r.width();
  const int ih = ItemHeight();
  if (w <= 0) return;
  gfx::Bitmap item(w, ih);
  gfx::Canvas c(item);
  const bool selected = index == itemIndex_;
  const bool focusItem = selected && showsFocus();
  unsigned state = 0;
  if (selected) state |= odSelected;
  if (focusItem) state |= odFocused;
  if (!enabled()) state |= odDisabled;

  const TbsDataSkinListBox* s = listSection();
  gfx::Font font = DefaultFont();
  gfx::Rect textRect{2, 0, w, ih};
  if (s != nullptr && Picture() != nullptr) {
    gfx::Rect src = s->itemRect;
    gfx::Color color = s->fontColor;
    if (focusItem) {
      src = OrRect(s->focusItemRect, s->itemRect);
      color = s->focusFontColor;
    } else if (selected) {
      src = OrRect(s->activeItemRect, s->itemRect);
      color = s->activeFontColor;
    }
    if (!gfx::IsNullRect(src)) {
      gfx::Bitmap piece;
      ComposeHorzStrip(s->itemLeftOffset, s->itemRightOffset, piece, *Picture(), src, w);
      if (piece.height() == ih) {
        item.draw(0, 0, piece);
      } else {
        StretchPiece(item, item.rect(), piece, piece.rect());
      }
    } else {
      item.fill(gfx::SystemColor(gfx::SysColor::Window));
    }
    font = SelectSkinFont(UseSkinFont(), s, color, DefaultFont(), SkinData());
    if (!gfx::IsNullRect(s->itemTextRect)) {
      textRect = ListItemTextRect(s->itemTextRect, s->itemRect, w);
      if (!useSkinItemHeight_) textRect.bottom += ih - s->itemRect.height();
    }
    if (!selected && index == itemIndex_ && showsFocus())
      DrawFocusRect(item, item.rect(), gfx::kBlack);
  } else {
    if (selected) {
      item.fill(gfx::SystemColor(gfx::SysColor::Highlight));
      font.color = gfx::SystemColor(gfx::SysColor::HighlightText);
    } else {
      item.fill(gfx::SystemColor(gfx::SysColor::Window));
    }
  }
  if (OnDrawItem) {
    c.setFont(font);
    OnDrawItem(*this, c, index, item.rect(), state);
  } else {
    const int image = imageIndex_ >= 0 ? imageIndex_ : index;
    if (images_ != nullptr && image < images_->count()) {
      images_->draw(c, textRect.left, (ih - images_->height()) / 2, image, enabled());
      textRect.left += images_->width() + 2;
    }
    c.setFont(font);
    gfx::Rect tr = textRect;
    c.drawText(items_[static_cast<std::size_t>(index)], tr,
               gfx::kTextLeft | gfx::kTextVCenter | gfx::kTextSingleLine | gfx::kTextNoPrefix);
  }
  if (focusItem && s == nullptr)
    DrawFocusRect(item, item.rect(), gfx::SystemColor(gfx::SysColor::HighlightText));
  bitmap.copyRect(r, item, {0, 0, w, r.height()});
}

// --- TbsSkinListBox and TbsPopupListBox ----------------------------------------

TbsSkinListBox::TbsSkinListBox(ui::Component* owner, ui::WindowKind kind)
    : TbsSkinCustomListBox(owner, kind) {
  SetSkinDataName("listbox");
  if (kind == ui::WindowKind::Child) {
    setTabStop(true);
    setAcceptsFocus(true);
  }
}

TbsPopupListBox::TbsPopupListBox(ui::Component* owner)
    : TbsSkinListBox(owner, ui::WindowKind::Popup) {}

void TbsPopupListBox::mouseDown(ui::MouseButton button, unsigned, int x, int y) {
  // Only a left press counts; nothing here takes the focus.
  if (button == ui::MouseButton::Left && OnListPress) OnListPress({x, y});
}

void TbsPopupListBox::mouseUp(ui::MouseButton button, unsigned, int x, int y) {
  if (button == ui::MouseButton::Left && OnListRelease) OnListRelease({x, y});
}

void TbsPopupListBox::mouseMove(unsigned shift, int x, int y) {
  TbsSkinListBox::mouseMove(shift, x, y);
  if (OnListMove) OnListMove({x, y});
  // Hot tracking: the item under the pointer becomes the selection.
  const int index = itemAtPoint({x, y});
  if (index >= 0) setItemIndex(index);
}

}  // namespace skin
