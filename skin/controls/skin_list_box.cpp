// The skinned list boxes: items, selection, the top row, item heights, the
// scroll bars, columns, the caption bar, drawing of the visible rows, and
// the pop-up list.
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
// The part of a three-part strip composed to fullWidth that starts offset
// pixels in, as wide as dst: the ends stay at the ends of the whole strip
// and the middle keeps the phase it has there. Only the shown part is
// drawn, however wide the whole strip is.
void ComposeStripWindow(gfx::Bitmap& dst, const gfx::Bitmap& pic, const gfx::Rect& src, int left,
                        int right, int fullWidth, int offset) {
  const int w = dst.width();
  if (offset == 0 && fullWidth == w) {
    ComposeHorzStrip(left, right, dst, pic, src, w);
    return;
  }
  const int l = std::max(0, left);
  const int r = std::max(0, right);
  const int h = src.height();
  if (l + r > src.width() || h <= 0 || w <= 0) {
    ComposeHorzStrip(left, right, dst, pic, src, w);
    return;
  }
  dst.resize(w, h);
  dst.fill(gfx::kBlack);
  const int rightStart = fullWidth - r - offset;
  TileHorizontally(dst, l - offset, rightStart, 0, h, pic,
                   {src.left + l, src.top, src.right - r, src.bottom});
  if (l > 0)
    dst.copyRect({-offset, 0, l - offset, h}, pic, {src.left, src.top, src.left + l, src.bottom});
  if (r > 0)
    dst.copyRect({rightStart, 0, rightStart + r, h}, pic,
                 {src.right - r, src.top, src.right, src.bottom});
}

// A raised one-pixel bevel, the default look of a caption bar.
void DrawRaisedFrame(gfx::Bitmap& b, const gfx::Rect& r) {
  if (gfx::IsNullRect(r)) return;
  const gfx::Color light = gfx::SystemColor(gfx::SysColor::ButtonHighlight);
  const gfx::Color dark = gfx::SystemColor(gfx::SysColor::ButtonShadow);
  b.fillRect({r.left, r.top, r.right, r.top + 1}, light);
  b.fillRect({r.left, r.top, r.left + 1, r.bottom}, light);
  b.fillRect({r.left, r.bottom - 1, r.right, r.bottom}, dark);
  b.fillRect({r.right - 1, r.top, r.right, r.bottom}, dark);
}

unsigned AlignmentFlags(TextAlignment a) {
  switch (a) {
    case TextAlignment::Center:
      return gfx::kTextCenter;
    case TextAlignment::RightJustify:
      return gfx::kTextRight;
    case TextAlignment::LeftJustify:
      break;
  }
  return gfx::kTextLeft;
}
}  // namespace

TbsSkinCustomListBox::TbsSkinCustomListBox(ui::Component* owner, ui::WindowKind kind)
    : TbsSkinCustomControl(owner, kind) {
  defaultCaptionFont_.name = "Arial";
  defaultCaptionFont_.height = 14;
  defaultCaptionFont_.bold = true;
  defaultCaptionFont_.color = gfx::SystemColor(gfx::SysColor::ButtonText);
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
  if (hScrollBar_ != nullptr) hScrollBar_->BeforeChangeSkinData();
}

void TbsSkinCustomListBox::ChangeSkinData() {
  TbsSkinCustomControl::ChangeSkinData();
  // A pop-up list is on no form, so its bars hear of the change from here.
  if (vScrollBar_ != nullptr) vScrollBar_->ChangeSkinData();
  if (hScrollBar_ != nullptr) hScrollBar_->ChangeSkinData();
  if (rowCount_ > 0) setRowCount(rowCount_);
  updateScrollBars();
}

// --- items and selection -------------------------------------------------------

void TbsSkinCustomListBox::refit() {
  if (rowCount_ > 0) setRowCount(rowCount_);
  updateScrollBars();
  invalidate();
}

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
  if (multiColumn()) {
    // A column list always starts with a whole column.
    const int rows = std::max(1, layout_.rowsPerColumn);
    const int first =
        std::clamp(topIndex_ / rows, 0, MaxFirstColumn(layout_.itemColumns, visibleColumns()));
    topIndex_ = first * rows;
    return;
  }
  topIndex_ = std::clamp(topIndex_, 0, MaxTopIndex(count(), visibleRows()));
}

int TbsSkinCustomListBox::firstColumn() const {
  return multiColumn() ? topIndex_ / std::max(1, layout_.rowsPerColumn) : 0;
}

int TbsSkinCustomListBox::visibleColumns() const {
  return multiColumn() ? std::max(1, layout_.visibleColumns) : 1;
}

void TbsSkinCustomListBox::setTopIndex(int index) {
  const int old = topIndex_;
  topIndex_ = index;
  clampTop();
  if (topIndex_ == old) return;
  if (multiColumn()) {
    if (hScrollBar_ != nullptr && hScrollBar_->visible()) hScrollBar_->setPosition(firstColumn());
  } else if (vScrollBar_ != nullptr && vScrollBar_->visible()) {
    vScrollBar_->setPosition(topIndex_);
  }
  invalidate();
}

void TbsSkinCustomListBox::setHorizontalOffset(int offset) {
  const int limit =
      multiColumn() ? 0 : MaxHorizontalOffset(horizontalExtent_, layout_.rows.width());
  offset = std::clamp(offset, 0, limit);
  if (offset == horizontalOffset_) return;
  horizontalOffset_ = offset;
  if (hScrollBar_ != nullptr && hScrollBar_->visible() && !multiColumn())
    hScrollBar_->setPosition(offset);
  invalidate();
}

void TbsSkinCustomListBox::setHorizontalExtent(int extent) {
  horizontalExtent_ = std::max(0, extent);
  updateScrollBars();
  invalidate();
}

void TbsSkinCustomListBox::setColumns(int columns) {
  columns = std::max(0, columns);
  if (columns == columns_) return;
  columns_ = columns;
  horizontalOffset_ = 0;
  updateScrollBars();
  if (itemIndex_ >= 0) scrollIntoView(itemIndex_);
  invalidate();
}

void TbsSkinCustomListBox::setCaptionMode(bool on) {
  if (on == captionMode_) return;
  captionMode_ = on;
  refit();
}

void TbsSkinCustomListBox::setCaption(const std::string& caption) {
  caption_ = caption;
  if (captionMode_) invalidate();
}

void TbsSkinCustomListBox::setDefaultCaptionHeight(int h) {
  defaultCaptionHeight_ = std::max(0, h);
  if (!captionMode_) return;
  refit();
}

void TbsSkinCustomListBox::setDefaultCaptionFont(const gfx::Font& f) {
  defaultCaptionFont_ = f;
  if (captionMode_) invalidate();
}

void TbsSkinCustomListBox::setCaptionAlignment(TextAlignment a) {
  captionAlignment_ = a;
  if (captionMode_) invalidate();
}

void TbsSkinCustomListBox::scrollIntoView(int index, bool toTop) {
  if (index < 0 || index >= count()) return;
  if (multiColumn()) {
    const int rows = std::max(1, layout_.rowsPerColumn);
    const int column = index / rows;
    const int first = firstColumn();
    if (toTop || column < first) {
      setTopIndex(column * rows);
    } else if (column >= first + visibleColumns()) {
      setTopIndex((column - visibleColumns() + 1) * rows);
    }
    return;
  }
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
  refit();
}

void TbsSkinCustomListBox::setDefaultItemHeight(int h) {
  defaultItemHeight_ = h > 0 ? h : 20;
  refit();
}

int TbsSkinCustomListBox::heightForRows(int rows) const {
  const TbsDataSkinListBox* s = listSection();
  // A caption bar of its own and a shown horizontal bar add to the rows.
  const ListCaptionPlaces caption = captionPlaces();
  const int captionHeight = caption.client.top - innerClient().top;
  const int barHeight = layout_.hBar ? layout_.hBarRect.height() : 0;
  return ListHeightForRows(rows, ItemHeight(), s != nullptr, SkinRect().height(),
                           s != nullptr ? s->clientRect.height() : 0, captionHeight) +
         barHeight;
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

gfx::Rect TbsSkinCustomListBox::innerClient() const {
  return listSection() != nullptr ? PlacedClientRect() : gfx::Rect{2, 2, width() - 2, height() - 2};
}

ListCaptionPlaces TbsSkinCustomListBox::captionPlaces() const {
  const TbsDataSkinListBox* s = listSection();
  const gfx::Rect placed =
      s != nullptr && !gfx::IsNullRect(s->captionRect) ? MapSkinRect(s->captionRect) : gfx::Rect{};
  return PlaceListCaption(innerClient(), captionMode_, placed, defaultCaptionHeight_);
}

gfx::Rect TbsSkinCustomListBox::captionRect() const { return captionPlaces().caption; }

gfx::Rect TbsSkinCustomListBox::listArea() const { return layout_.rows; }

int TbsSkinCustomListBox::visibleRows() const {
  if (multiColumn()) return std::max(1, layout_.rowsPerColumn) * visibleColumns();
  return VisibleListRows(listArea().height(), ItemHeight());
}

int TbsSkinCustomListBox::itemAtPoint(gfx::Point p) const {
  if (multiColumn()) return ListColumnItemAt(layout_, p, firstColumn(), ItemHeight(), count());
  const gfx::Rect area = listArea();
  if (p.x < area.left || p.x >= area.right) return -1;
  return ListItemAt(p.y - area.top, topIndex_, ItemHeight(), count());
}

ListBarsLayout TbsSkinCustomListBox::computeLayout(int vBarWidth, int hBarHeight) const {
  ListBarsInput in;
  in.client = captionPlaces().client;
  in.count = count();
  in.rowCount = rowCount_;
  in.itemHeight = ItemHeight();
  in.columns = columns_;
  in.horizontalExtent = horizontalExtent_;
  in.vBarWidth = vBarWidth;
  in.hBarHeight = hBarHeight;
  return LayoutListBars(in);
}

TbsSkinScrollBar* TbsSkinCustomListBox::makeBar(TbsScrollBarKind kind) {
  auto* bar = new TbsSkinScrollBar(this);
  bar->setKind(kind);
  bar->setParent(this);
  bar->hide();
  return bar;
}

void TbsSkinCustomListBox::setBarSection(TbsSkinScrollBar& bar, const std::string& name) {
  if (bar.SkinData() != SkinData()) {
    bar.SetSkinDataName(name);
    bar.SetSkinData(SkinData());
  } else if (bar.SkinDataName() != name) {
    bar.SetSkinDataName(name);
    bar.ChangeSkinData();
  }
  bar.ReadSkinSection();
}

int TbsSkinCustomListBox::barBreadth(const TbsSkinScrollBar* bar) const {
  constexpr int kDefaultBreadth = 19;
  if (bar == nullptr || bar->SectionIndex() == -1) return kDefaultBreadth;
  return bar->vertical() ? bar->width() : bar->height();
}

void TbsSkinCustomListBox::updateScrollBars() {
  if (updatingBars_) return;
  updatingBars_ = true;
  ReadSkinSection();
  const TbsDataSkinListBox* s = listSection();
  // Without a list section, or with an empty name, a bar has no section.
  if (!multiColumn() && count() > 0 && vScrollBar_ == nullptr) {
    vScrollBar_ = makeBar(TbsScrollBarKind::sbVertical);
    vScrollBar_->OnChange = [this](ui::Control&) { setTopIndex(vScrollBar_->Position()); };
  }
  if ((multiColumn() || horizontalExtent_ > 0) && hScrollBar_ == nullptr) {
    hScrollBar_ = makeBar(TbsScrollBarKind::sbHorizontal);
    hScrollBar_->OnChange = [this](ui::Control&) {
      if (multiColumn()) {
        setTopIndex(hScrollBar_->Position() * std::max(1, layout_.rowsPerColumn));
      } else {
        setHorizontalOffset(hScrollBar_->Position());
      }
    };
  }
  if (vScrollBar_ != nullptr) setBarSection(*vScrollBar_, s != nullptr ? s->vScrollBarName : "");
  if (hScrollBar_ != nullptr) {
    hScrollBar_->setBothSkinDataName(s != nullptr ? s->bothHScrollBarName : "");
    setBarSection(*hScrollBar_, s != nullptr ? s->hScrollBarName : "");
  }
  const int vw = barBreadth(vScrollBar_);
  layout_ = computeLayout(vw, barBreadth(hScrollBar_));
  if (hScrollBar_ != nullptr) {
    // With both bars the horizontal one draws from the section named for
    // that case; it ends at the corner, which the list paints itself.
    const bool both = layout_.hBar && layout_.vBar;
    hScrollBar_->setBothMarkerWidth(0);
    hScrollBar_->setBoth(both);
    hScrollBar_->ReadSkinSection();
    if (both && barBreadth(hScrollBar_) != layout_.hBarRect.height())
      layout_ = computeLayout(vw, barBreadth(hScrollBar_));
  }
  clampTop();
  if (layout_.vBar && vScrollBar_ != nullptr) {
    const gfx::Rect& r = layout_.vBarRect;
    vScrollBar_->setBounds(r.left, r.top, r.width(), r.height());
    vScrollBar_->show();
    const int visible = std::max(1, layout_.rowsPerColumn);
    vScrollBar_->SetRange(0, count() - 1, visible, topIndex_);
    vScrollBar_->setLargeChange(visible);
  } else if (vScrollBar_ != nullptr && vScrollBar_->visible()) {
    vScrollBar_->CancelTracking();
    vScrollBar_->hide();
  }
  horizontalOffset_ =
      multiColumn() ? 0
                    : std::clamp(horizontalOffset_, 0,
                                 MaxHorizontalOffset(horizontalExtent_, layout_.rows.width()));
  if (layout_.hBar && hScrollBar_ != nullptr) {
    const gfx::Rect& r = layout_.hBarRect;
    hScrollBar_->setBounds(r.left, r.top, r.width(), r.height());
    hScrollBar_->show();
    if (multiColumn()) {
      hScrollBar_->SetRange(0, layout_.itemColumns - 1, visibleColumns(), firstColumn());
      hScrollBar_->setSmallChange(1);
      hScrollBar_->setLargeChange(visibleColumns());
    } else {
      const int page = std::max(1, layout_.rows.width());
      hScrollBar_->SetRange(0, horizontalExtent_ - 1, page, horizontalOffset_);
      // A step is about a character of the item font.
      hScrollBar_->setSmallChange(std::max(1, gfx::MeasureText(DefaultFont(), "x").width));
      hScrollBar_->setLargeChange(page);
    }
  } else if (hScrollBar_ != nullptr && hScrollBar_->visible()) {
    hScrollBar_->CancelTracking();
    hScrollBar_->hide();
  }
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
  if (multiColumn() && (key == ui::VK_LEFT || key == ui::VK_RIGHT)) {
    // Across the columns: the same row of the column beside.
    const int rows = std::max(1, layout_.rowsPerColumn);
    const int from = std::max(0, itemIndex_);
    index = key == ui::VK_LEFT ? (from - rows >= 0 ? from - rows : from)
                               : std::min(count() - 1, from + rows);
    key = 0;
    if (index != itemIndex_) {
      setItemIndex(index);
      if (OnListClick) OnListClick(*this);
    }
    return;
  }
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
    // A notch scrolls three rows, or a whole column across.
    const int step = multiColumn() ? std::max(1, layout_.rowsPerColumn) : 3;
    setTopIndex(topIndex_ + (delta > 0 ? -step : step));
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
  drawCaption(bitmap);
  drawItems(bitmap);
  drawCorner(bitmap);
}

void TbsSkinCustomListBox::DrawSkinImage(gfx::Bitmap& bitmap) {
  if (listSection() == nullptr || Picture() == nullptr) {
    DrawDefaultImage(bitmap);
    return;
  }
  drawSkinArea(bitmap, SkinRect());
  drawCaption(bitmap);
  drawItems(bitmap);
  drawCorner(bitmap);
}

void TbsSkinCustomListBox::drawCorner(gfx::Bitmap& bitmap) {
  const gfx::Rect r = gfx::IntersectRect(layout_.corner, bitmap.rect());
  if (gfx::IsNullRect(r)) return;
  bitmap.fillRect(r, gfx::SystemColor(gfx::SysColor::ButtonFace));
  // With a section the corner continues the bar's track: a square of the
  // track's picture, stretched to the corner.
  const TbsSkinData* skin = SkinData();
  if (hScrollBar_ == nullptr || skin == nullptr || hScrollBar_->SectionIndex() == -1) return;
  const auto* s = dynamic_cast<const TbsDataSkinScrollBarControl*>(
      skin->ControlDataList()[static_cast<std::size_t>(hScrollBar_->SectionIndex())].get());
  const gfx::Bitmap* pic = s != nullptr ? skin->ActivePicture(s->pictureIndex) : nullptr;
  if (pic == nullptr || gfx::IsNullRect(s->trackArea)) return;
  const gfx::Rect track = gfx::OffsetRect(s->trackArea, s->skinRect.left, s->skinRect.top);
  const int side = std::min(track.width(), track.height());
  const gfx::Rect piece{track.left, track.top, track.left + side, track.top + track.height()};
  if (piece.right > pic->width() || piece.bottom > pic->height() || piece.left < 0 || piece.top < 0)
    return;
  StretchPiece(bitmap, r, *pic, piece);
}

void TbsSkinCustomListBox::drawCaption(gfx::Bitmap& bitmap) {
  const ListCaptionPlaces places = captionPlaces();
  const gfx::Rect r = gfx::IntersectRect(places.caption, bitmap.rect());
  if (gfx::IsNullRect(r)) return;
  const TbsDataSkinListBox* s = Picture() != nullptr ? listSection() : nullptr;
  gfx::Font font = defaultCaptionFont_;
  if (s == nullptr) {
    bitmap.fillRect(r, gfx::SystemColor(gfx::SysColor::ButtonFace));
    DrawRaisedFrame(bitmap, r);
  } else {
    if (UseSkinFont()) {
      FontKeys keys;
      keys.fontName = s->captionFontName;
      keys.fontHeight = s->captionFontHeight;
      keys.fontStyle = s->captionFontStyle;
      font = WithFontKeys(font, keys);
    }
    font.color = s->captionFontColor;
    if (places.client.top != innerClient().top) {
      // The section places no caption: the bar wears the plain item picture
      // and a line in the caption's colour parts it from the rows.
      if (!gfx::IsNullRect(s->itemRect)) {
        gfx::Bitmap piece;
        ComposeHorzStrip(s->itemLeftOffset, s->itemRightOffset, piece, *Picture(), s->itemRect,
                         r.width());
        if (!piece.empty()) StretchPiece(bitmap, r, piece, piece.rect());
      }
      bitmap.fillRect({r.left, r.bottom - 1, r.right, r.bottom}, s->captionFontColor);
    }
  }
  if (caption_.empty()) return;
  gfx::Canvas c(bitmap);
  c.setFont(font);
  c.setBrushStyle(gfx::BrushStyle::Clear);
  gfx::Rect tr{r.left + 4, r.top, r.right - 4, r.bottom};
  c.drawText(caption_, tr,
             AlignmentFlags(captionAlignment_) | gfx::kTextVCenter | gfx::kTextSingleLine |
                 gfx::kTextNoPrefix | gfx::kTextEndEllipsis);
}

void TbsSkinCustomListBox::drawItems(gfx::Bitmap& bitmap) {
  const gfx::Rect area = listArea();
  if (gfx::IsNullRect(area)) return;
  const int ih = ItemHeight();
  if (multiColumn()) {
    const int rows = std::max(1, layout_.rowsPerColumn);
    // The columns in view and the one cut by the right edge.
    const long long first = static_cast<long long>(firstColumn()) * rows;
    const long long last =
        std::min<long long>(count(), first + static_cast<long long>(visibleColumns() + 1) * rows);
    for (long long i = first; i < last; ++i) {
      const gfx::Rect r = ListColumnItemRect(layout_, static_cast<int>(i), firstColumn(), ih);
      if (gfx::IsNullRect(gfx::IntersectRect(r, area))) continue;
      drawItem(bitmap, static_cast<int>(i), r, r.width(), 0);
    }
    return;
  }
  const int contentWidth = std::max(area.width(), horizontalExtent_);
  for (int i = topIndex_, y = area.top; i < count() && y < area.bottom; ++i, y += ih) {
    // The last row may show only in part: it is drawn whole and clipped.
    drawItem(bitmap, i, {area.left, y, area.right, y + ih}, contentWidth, horizontalOffset_);
  }
}

void TbsSkinCustomListBox::drawItem(gfx::Bitmap& bitmap, int index, const gfx::Rect& at,
                                    int contentWidth, int offset) {
  ++itemsDrawn_;
  const int w = at.width();
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
  // The content in item coordinates: contentWidth wide, offset to the left.
  gfx::Rect textRect{2 - offset, 0, contentWidth - offset, ih};
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
      gfx::Bitmap piece(w, src.height());
      ComposeStripWindow(piece, *Picture(), src, s->itemLeftOffset, s->itemRightOffset,
                         contentWidth, offset);
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
      textRect = ListItemTextRect(s->itemTextRect, s->itemRect, contentWidth);
      textRect.left -= offset;
      textRect.right -= offset;
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
    OnDrawItem(*this, c, index, {-offset, 0, contentWidth - offset, ih}, state);
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
  // Clipped to the rows: a row or column cut by the area's edge shows its part.
  const gfx::Rect to = gfx::IntersectRect(at, listArea());
  if (gfx::IsNullRect(to)) return;
  bitmap.copyRect(to, item,
                  {to.left - at.left, to.top - at.top, to.right - at.left, to.bottom - at.top});
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
