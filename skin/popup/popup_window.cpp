// One open menu level: building, sizing and placing it, drawing it off
// screen, the pointer poll, scrolling, morphing and the menu keys.
#include "skin/popup/popup_window.h"

#include <algorithm>

#include "ui/image_list.h"
#include "ui/keys.h"
#include "ui/window_opacity.h"

namespace skin {

namespace {
constexpr int kNoGlyphColumn = 19;
constexpr int kImageGap = 5;
}  // namespace

TbsSkinPopupWindow::TbsSkinPopupWindow(TbsSkinMenu& menu, TbsSkinData* skin)
    : ui::WinControl(nullptr, ui::WindowKind::Popup),
      menu_(&menu),
      skin_(skin),
      clock_(&menu.scheduler()) {}

TbsSkinPopupWindow::~TbsSkinPopupWindow() { Retire(); }

void TbsSkinPopupWindow::Retire() {
  if (retired_) return;
  retired_ = true;
  for (ui::Scheduler::Id* t : {&pointerTimer_, &scrollTimer_, &morphTimer_}) {
    if (*t != 0) clock_->cancel(*t);
    *t = 0;
  }
  hide();
}

TbsSkinMenuItem* TbsSkinPopupWindow::item(int index) const {
  if (index < 0 || index >= itemCount()) return nullptr;
  return items_[static_cast<std::size_t>(index)].get();
}

bool TbsSkinPopupWindow::itemMorphing() const { return itemLook_ && itemLook_->morphing; }

MenuLevelMetrics TbsSkinPopupWindow::metrics() const {
  MenuLevelMetrics m;
  m.defaultItemHeight = menu_->DefaultMenuItemHeight();
  m.glyphColumn = glyphColumn_;
  m.maxItemsInWindow = menu_->MaxMenuItemsInWindow();
  if (windowLook_) {
    if (itemLook_) {
      m.look = ToMenuSkinLook(*windowLook_, *itemLook_);
    } else {
      // A skinned window around plain items: the items take the default heights.
      const gfx::Bitmap& picture = *windowLook_->windowPicture;
      m.look = MenuSkinLook{
          {picture.width(), picture.height()}, windowLook_->data->itemsRect, {}, {}, {}};
    }
  }
  return m;
}

bool TbsSkinPopupWindow::Open(const gfx::Rect& anchor, ui::MenuItem& items, bool up, bool submenu,
                              int startIndex, bool firstPopup) {
  const bool layered = ui::LayeredWindowsAvailable();
  const bool fade = layered && menu_->AlphaBlend && menu_->AlphaBlendAnimation && firstPopup;

  images_ = items.images();
  glyphColumn_ = images_ != nullptr ? images_->width() + kImageGap : kNoGlyphColumn;
  windowLook_.reset();
  itemLook_.reset();
  if (skin_ != nullptr) {
    windowLook_ = ResolvePopupWindowLook(*skin_);
    if (windowLook_)
      itemLook_ = ResolveMenuItemLook(*skin_, menu_->UseSkinFont, menu_->DefaultMenuItemFont);
  }
  font_ = itemLook_ ? itemLook_->font : menu_->DefaultMenuItemFont;
  if (!itemLook_ && skin_ != nullptr && skin_->ResourceStrData() != nullptr)
    font_.charset = skin_->ResourceStrData()->CharSet();

  // Items linked to actions show the actions' state of this moment. An
  // update step may add or remove items: they are taken by position.
  for (int i = std::max(startIndex, 0); i < items.count(); ++i) {
    if (ui::MenuItem* mi = items.item(i)) mi->updateFromAction();
  }

  items_.clear();
  levelItems_.clear();
  gfx::Bitmap probe(1, 1);
  gfx::Canvas measure(probe);
  measure.setFont(font_);
  for (int i = std::max(startIndex, 0); i < items.count(); ++i) {
    ui::MenuItem* mi = items.item(i);
    if (mi == nullptr || !mi->visible()) continue;
    auto item = std::make_unique<TbsSkinMenuItem>(*this, *mi, static_cast<int>(items_.size()));
    MenuLevelItem li;
    li.divider = mi->isLine();
    li.enabled = mi->enabled();
    li.hasSubItems = mi->count() > 0;
    if (!li.divider) {
      std::string text = mi->caption();
      if (mi->shortCut() != 0) text += "  " + mi->shortCutText();
      gfx::Rect r{0, 0, 0, 0};
      measure.drawText(text, r, gfx::kTextCalcRect | gfx::kTextSingleLine | gfx::kTextLeft);
      li.textWidth = r.width();
    }
    levelItems_.push_back(li);
    items_.push_back(std::move(item));
  }
  if (items_.empty()) return false;

  const MenuLevelMetrics m = metrics();
  const gfx::Rect& work = menu_->MenuWorkArea();
  const MenuLevelSize size = SizeMenuLevel(levelItems_, m, work.height(), work.width());
  scrolling_ = size.scrolling;
  scrollLimited_ = size.scrollLimited;
  placedItemsArea_ = PlaceMenuItemsArea(m, size.width, size.height);
  firstShown_ = 0;
  selectedItem_ = previousSelectedItem_ = -1;
  scrollDirection_ = 0;

  MenuPlacementInput place;
  place.anchor = anchor;
  place.workArea = work;
  place.size = {size.width, size.height};
  place.itemsTop = placedItemsArea_.top;
  place.submenu = submenu;
  place.up = up;
  place.scrolling = scrolling_;
  place.scrollLimited = scrollLimited_;
  const gfx::Point at = PlaceMenuLevel(place);
  setBounds(at.x, at.y, size.width, size.height);

  relayout();
  std::optional<gfx::Region> region;
  if (windowLook_ && windowLook_->maskPicture != nullptr)
    region = BuildMenuWindowRegion(*windowLook_, size.width, size.height);
  if (region) {
    setRegion(*region);
  } else if (hasRegion()) {
    clearRegion();
  }
  render();

  const int value = std::clamp(menu_->AlphaBlendValue, 0, 255);
  if (layered && menu_->AlphaBlend) setAlpha(fade ? 0 : value);
  show();
  if (fade) {
    for (int a = kFadeStep; a < value; a += kFadeStep) setAlpha(a);
    setAlpha(value);
  }

  startPointerTimer();
  for (const auto& item : items_) {
    if (!item->selectable()) continue;
    item->KeyboardPicked = true;
    selectedItem_ = item->index();
    item->ItemEnter(true);
    break;
  }
  return true;
}

void TbsSkinPopupWindow::relayout() {
  const MenuLevelLayout l =
      LayoutMenuLevel(levelItems_, metrics(), placedItemsArea_, scrolling_, firstShown_);
  firstShown_ = l.firstShown;
  shownCount_ = l.shownCount;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    items_[i]->Shown = l.shown[i];
    if (l.shown[i]) items_[i]->ObjectRect = l.rects[i];
  }
}

MenuItemPaint TbsSkinPopupWindow::paintOf(const TbsSkinMenuItem& item) const {
  MenuItemPaint p;
  const ui::MenuItem* mi = item.menuItem();
  p.lit = item.lit();
  p.morphFactor = itemMorphing() ? item.MorphFactor : (p.lit ? 1.0 : 0.0);
  p.images = images_;
  if (mi == nullptr) {
    p.divider = true;
    return p;
  }
  p.caption = mi->caption();
  if (mi->shortCut() != 0) p.shortCutText = mi->shortCutText();
  p.name = mi->name();
  p.divider = mi->isLine();
  p.enabled = mi->enabled();
  p.hasSubItems = mi->count() > 0;
  p.checked = mi->checked();
  p.radio = mi->radioItem();
  p.imageIndex = mi->imageIndex();
  if (mi->ownerDraw()) {
    auto* owner = const_cast<ui::MenuItem*>(mi);
    p.ownerDraw = [owner](gfx::Canvas& c, const gfx::Rect& r, bool lit) {
      owner->onDrawItem(*owner, c, r, lit);
    };
  }
  return p;
}

const PopupWindowLook* TbsSkinPopupWindow::lookPtr() const {
  return windowLook_ ? &*windowLook_ : nullptr;
}

void TbsSkinPopupWindow::render() {
  if (retired_) return;
  buffer_.resize(width(), height());
  PaintMenuWindowBackground(buffer_, lookPtr(), placedItemsArea_, scrolling_, glyphColumn_,
                            images_ != nullptr);
  for (const auto& item : items_) {
    if (item->Shown) paintItem(*item);
  }
  if (scrolling_) PaintScrollMarkers(buffer_, lookPtr(), placedItemsArea_, scrollDirection_);
  invalidate();
}

void TbsSkinPopupWindow::paintItem(const TbsSkinMenuItem& item) {
  const gfx::Rect& r = item.ObjectRect;
  if (r.width() <= 0 || r.height() <= 0) return;
  const gfx::Bitmap image = PaintMenuItem(paintOf(item), r.size(),
                                          itemLook_ ? &*itemLook_ : nullptr, font_, glyphColumn_);
  gfx::Canvas c(buffer_);
  c.draw(r.left, r.top, image);
}

void TbsSkinPopupWindow::DrawItem(TbsSkinMenuItem& item) {
  if (retired_ || !item.Shown) return;
  paintItem(item);
  invalidateRect(item.ObjectRect);
}

void TbsSkinPopupWindow::renderMarkers() {
  if (retired_ || !scrolling_) return;
  PaintScrollMarkers(buffer_, lookPtr(), placedItemsArea_, scrollDirection_);
  invalidate();
}

gfx::Rect TbsSkinPopupWindow::upperMarkerRect() const {
  return UpperScrollMarkerRect(lookPtr(), placedItemsArea_, {width(), height()});
}

gfx::Rect TbsSkinPopupWindow::lowerMarkerRect() const {
  return LowerScrollMarkerRect(lookPtr(), placedItemsArea_, {width(), height()});
}

void TbsSkinPopupWindow::paint(gfx::Canvas& canvas) {
  if (!buffer_.empty()) canvas.draw(0, 0, buffer_);
}

// --- pointer ------------------------------------------------------------------

void TbsSkinPopupWindow::startPointerTimer() {
  pointerTimer_ = clock_->start(kPointerInterval, [this] {
    pointerTimer_ = 0;
    PointerTick();
  });
}

void TbsSkinPopupWindow::PointerTick() {
  if (retired_) return;
  if (pointerTimer_ == 0) startPointerTimer();
  MenuPointerSource& pointer = menu_->pointer();
  const gfx::Point p = pointer.cursorPos();
  if (p == lastPointer_) return;
  lastPointer_ = p;
  if (pointer.windowAt(p) == this) {
    const gfx::Rect b = boundsRect();
    HoverTracking({p.x - b.left, p.y - b.top});
  } else if (scrolling_ && scrollDirection_ != 0) {
    StopScroll();
  }
}

void TbsSkinPopupWindow::HoverTracking(gfx::Point p) {
  if (retired_) return;
  if (scrolling_) {
    const bool onUp = gfx::PtInRect(upperMarkerRect(), p);
    const bool onDown = gfx::PtInRect(lowerMarkerRect(), p);
    if (scrollDirection_ == 0) {
      if (onUp && firstShown_ > 0) {
        startScroll(1);
      } else if (onDown && firstShown_ + shownCount_ < itemCount()) {
        startScroll(2);
      }
    } else if (!onUp && !onDown) {
      StopScroll();
    }
  }
  previousSelectedItem_ = selectedItem_;
  for (const auto& item : items_) {
    if (item->Shown && gfx::PtInRect(item->ObjectRect, p)) {
      selectedItem_ = item->index();
      break;
    }
  }
  TbsSkinMenuItem* now = item(selectedItem_);
  if (selectedItem_ == previousSelectedItem_ && now != nullptr) {
    if (now->KeyboardPicked) {
      now->KeyboardPicked = false;
      if (now->hasSubItems()) now->ItemEnter(false);
    }
    return;
  }
  if (TbsSkinMenuItem* before = item(previousSelectedItem_); before && before->selectable())
    before->ItemLeave();
  if (now != nullptr && now->selectable()) now->ItemEnter(false);
}

void TbsSkinPopupWindow::mouseUp(ui::MouseButton button, unsigned, int x, int y) {
  if (retired_ || button != ui::MouseButton::Left) return;
  const gfx::Point p{x, y};
  HoverTracking(p);
  if (retired_) return;
  TbsSkinMenuItem* selected = item(selectedItem_);
  if (selected == nullptr || selected->divider()) return;
  const bool onItem = std::any_of(items_.begin(), items_.end(), [&p](const auto& it) {
    return it->Shown && gfx::PtInRect(it->ObjectRect, p);
  });
  if (onItem) selected->ItemClick();
}

// --- scrolling ------------------------------------------------------------------

void TbsSkinPopupWindow::startScroll(int direction) {
  const int level = menu_->levelOf(*this);
  if (level >= 0) menu_->CloseFromLevel(level + 1);
  // The item whose sub-menu just closed is no longer lit.
  for (const auto& item : items_) {
    if (!item->SubmenuOpen) continue;
    item->SubmenuOpen = false;
    item->RedrawItem();
  }
  scrollDirection_ = direction;
  renderMarkers();
  if (scrollTimer_ != 0) clock_->cancel(scrollTimer_);
  scrollTimer_ = clock_->start(kScrollInterval, [this] {
    scrollTimer_ = 0;
    scrollTick();
  });
}

void TbsSkinPopupWindow::StopScroll() {
  if (scrollTimer_ != 0) clock_->cancel(scrollTimer_);
  scrollTimer_ = 0;
  scrollDirection_ = 0;
  renderMarkers();
}

void TbsSkinPopupWindow::scrollTick() {
  if (retired_) return;
  if (scrollDirection_ == 1 && firstShown_ > 0) {
    --firstShown_;
  } else if (scrollDirection_ == 2 && firstShown_ + shownCount_ < itemCount()) {
    ++firstShown_;
  } else {
    StopScroll();
    return;
  }
  relayout();
  render();
  scrollTimer_ = clock_->start(kScrollInterval, [this] {
    scrollTimer_ = 0;
    scrollTick();
  });
}

// --- morphing -------------------------------------------------------------------

void TbsSkinPopupWindow::startMorph() {
  if (retired_ || morphTimer_ != 0) return;
  morphTimer_ = clock_->start(kMorphInterval, [this] {
    morphTimer_ = 0;
    morphTick();
  });
}

void TbsSkinPopupWindow::morphTick() {
  if (retired_) return;
  bool moved = false;
  for (const auto& item : items_) {
    if (!item->Shown) {
      item->Selected = item->SubmenuOpen = false;
      item->MorphFactor = 0.0;
      continue;
    }
    const double target = item->lit() ? 1.0 : 0.0;
    if (item->MorphFactor == target) continue;
    double f = item->MorphFactor + (target > item->MorphFactor ? kMorphStep : -kMorphStep);
    // Five steps of 0.2 land exactly on the end, whatever the rounding.
    if (f > 1.0 - 1e-9) f = 1.0;
    if (f < 1e-9) f = 0.0;
    item->MorphFactor = f;
    DrawItem(*item);
    moved = true;
  }
  if (moved) startMorph();
}

// --- keyboard -------------------------------------------------------------------

void TbsSkinPopupWindow::selectByKey(bool down) {
  const MenuSelection s = down ? SelectNextItem(levelItems_, metrics(), placedItemsArea_,
                                                scrolling_, selectedItem_, firstShown_)
                               : SelectPreviousItem(levelItems_, metrics(), placedItemsArea_,
                                                    scrolling_, selectedItem_, firstShown_);
  if (s.firstShown != firstShown_) {
    firstShown_ = s.firstShown;
    relayout();
    render();
  }
  if (s.selected == selectedItem_) return;
  previousSelectedItem_ = selectedItem_;
  selectedItem_ = s.selected;
  if (TbsSkinMenuItem* now = item(selectedItem_)) now->ItemEnter(true);
  if (retired_) return;
  if (TbsSkinMenuItem* before = item(previousSelectedItem_); before && before->selectable())
    before->ItemLeave();
}

void TbsSkinPopupWindow::KeyDown(int key) {
  if (retired_) return;
  const bool letter = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
  if (letter) {
    const char32_t ch = key >= 'A' && key <= 'Z' ? static_cast<char32_t>(key - 'A' + 'a')
                                                 : static_cast<char32_t>(key);
    for (const auto& it : items_) {
      if (!it->selectable() || AcceleratorOf(it->menuItem()->caption()) != ch) continue;
      TbsSkinMenuItem* before = item(selectedItem_);
      previousSelectedItem_ = selectedItem_;
      selectedItem_ = it->index();
      if (before != nullptr && before != it.get() && before->selectable()) before->ItemLeave();
      it->ItemEnter(false);
      if (!retired_) it->ItemClick();
      return;
    }
  }
  TbsSkinMenuItem* selected = item(selectedItem_);
  const int level = menu_->levelOf(*this);
  switch (key) {
    case ui::VK_RETURN:
      if (selected != nullptr && !selected->divider()) selected->ItemClick();
      break;
    case ui::VK_LEFT:
      if (menu_->PopupStack().size() < 2) break;
      [[fallthrough]];
    case ui::VK_ESCAPE: {
      TbsSkinMenu& menu = *menu_;
      menu.CloseFromLevel(std::max(level, 0));
      if (TbsSkinPopupWindow* parent = menu.deepestLevel()) {
        for (const auto& open : parent->items()) {
          if (!open->SubmenuOpen) continue;
          open->SubmenuOpen = false;
          open->RedrawItem();
        }
      }
      break;
    }
    case ui::VK_RIGHT:
      if (selected != nullptr && selected->hasSubItems()) selected->ItemClick();
      break;
    case ui::VK_DOWN:
      selectByKey(true);
      break;
    case ui::VK_UP:
      selectByKey(false);
      break;
    default:
      break;
  }
}

}  // namespace skin
