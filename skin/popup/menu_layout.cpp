// Sizing, layout, placement and keyboard selection of a popup-menu level.
#include "skin/popup/menu_layout.h"

#include <algorithm>

namespace skin {

namespace {

constexpr int kDefaultDividerHeight = 4;
constexpr int kDefaultFrame = 4;  // two pixels of frame on each side
constexpr int kDefaultExtraWidth = 10;
constexpr int kTextPadding = 2;
constexpr int kArrowColumn = 19;  // room right of the text for the sub-menu arrow

bool Selectable(const MenuLevelItem& item) { return item.enabled && !item.divider; }

bool Shown(const std::vector<MenuLevelItem>& items, const MenuLevelMetrics& m,
           const gfx::Rect& area, bool scrolling, int firstShown, int index) {
  const MenuLevelLayout l = LayoutMenuLevel(items, m, area, scrolling, firstShown);
  return l.shown[static_cast<std::size_t>(index)];
}

// Scrolls as little as needed for target to show.
int ScrollToShow(const std::vector<MenuLevelItem>& items, const MenuLevelMetrics& m,
                 const gfx::Rect& area, int firstShown, int target) {
  if (target < firstShown) return target;
  while (firstShown < target && !Shown(items, m, area, true, firstShown, target)) ++firstShown;
  return firstShown;
}

}  // namespace

int MenuItemHeight(const MenuLevelItem& item, const MenuLevelMetrics& m) {
  if (m.look) {
    const int h = item.divider ? m.look->dividerRect.height() : m.look->itemSkinRect.height();
    // A skin without a usable item look would give items no height at all:
    // they take the default heights instead.
    if (h > 0) return h;
  }
  return item.divider ? kDefaultDividerHeight : m.defaultItemHeight;
}

MenuLevelSize SizeMenuLevel(const std::vector<MenuLevelItem>& items, const MenuLevelMetrics& m,
                            int workAreaHeight, int workAreaWidth) {
  MenuLevelSize s;
  int widest = 0;
  int sum = 0;
  for (const MenuLevelItem& item : items) {
    widest = std::max(widest, item.textWidth + kTextPadding);
    sum += MenuItemHeight(item, m);
  }
  const int core = widest + m.glyphColumn + kArrowColumn;
  int frameHeight = kDefaultFrame;
  if (m.look) {
    const MenuSkinLook& l = *m.look;
    s.width = l.picture.width - l.itemsRect.width() + core + l.textRect.left +
              (l.itemSkinRect.width() - l.textRect.right);
    frameHeight = l.picture.height - l.itemsRect.height();
  } else {
    s.width = core + kDefaultExtraWidth;
  }
  if (workAreaWidth > 0) s.width = std::min(s.width, workAreaWidth);

  if (m.maxItemsInWindow > 0 && static_cast<int>(items.size()) > m.maxItemsInWindow) {
    const int itemHeight = MenuItemHeight(MenuLevelItem{}, m);
    s.height = itemHeight * m.maxItemsInWindow + frameHeight + 2 * kScrollMarkerHeight;
    s.scrolling = s.scrollLimited = true;
  } else {
    s.height = sum + frameHeight;
  }
  if (s.height > workAreaHeight) {
    s.height = workAreaHeight;
    s.scrolling = true;
    s.scrollLimited = false;
  }
  return s;
}

gfx::Rect PlaceMenuItemsArea(const MenuLevelMetrics& m, int width, int height) {
  if (!m.look) return {2, 2, width - 2, height - 2};
  gfx::Rect r = m.look->itemsRect;
  r.right += width - m.look->picture.width;
  r.bottom += height - m.look->picture.height;
  return r;
}

MenuLevelLayout LayoutMenuLevel(const std::vector<MenuLevelItem>& items, const MenuLevelMetrics& m,
                                const gfx::Rect& area, bool scrolling, int firstShown) {
  MenuLevelLayout l;
  const int n = static_cast<int>(items.size());
  l.rects.assign(items.size(), gfx::Rect{});
  l.shown.assign(items.size(), false);
  l.firstShown = std::clamp(firstShown, 0, n);
  int y = area.top + (scrolling ? kScrollMarkerHeight : 0);
  const int bottom = area.bottom - (scrolling ? kScrollMarkerHeight : 0);
  for (int i = l.firstShown; i < n; ++i) {
    const int h = MenuItemHeight(items[static_cast<std::size_t>(i)], m);
    if (y + h > bottom) break;
    l.rects[static_cast<std::size_t>(i)] = {area.left, y, area.right, y + h};
    l.shown[static_cast<std::size_t>(i)] = true;
    ++l.shownCount;
    y += h;
  }
  return l;
}

int LastStartPosition(const std::vector<MenuLevelItem>& items, const MenuLevelMetrics& m,
                      const gfx::Rect& area) {
  int bottom = area.bottom - kScrollMarkerHeight;
  const int top = area.top + kScrollMarkerHeight;
  int fit = 0;
  for (auto it = items.rbegin(); it != items.rend(); ++it) {
    const int h = MenuItemHeight(*it, m);
    if (bottom - h < top) break;
    bottom -= h;
    ++fit;
  }
  return static_cast<int>(items.size()) - fit;
}

gfx::Point PlaceMenuLevel(const MenuPlacementInput& in) {
  const gfx::Rect& a = in.anchor;
  const gfx::Rect& r = in.workArea;
  const int w = in.size.width;
  const int h = in.size.height;
  const bool upperHalf = a.top < r.top + gfx::Div(r.height(), 2);
  const bool tall = in.scrolling && !in.scrollLimited;
  bool moved = false;
  int y = 0;
  if (tall) {
    y = r.top;
  } else if (in.submenu) {
    y = a.top - in.itemsTop;  // the first item beside its parent item
    if (y + h > r.bottom)
      y = upperHalf ? r.bottom - h : std::max(r.top, a.bottom - h + in.itemsTop);
  } else if (in.up) {
    if (a.top - h >= r.top) {
      y = a.top - h;
    } else if (upperHalf) {
      if (a.bottom + h <= r.bottom) {
        y = a.bottom;
      } else {
        y = r.bottom - h;
        moved = true;
      }
    } else {
      y = r.top;
      moved = true;
    }
  } else if (a.bottom + h <= r.bottom) {
    y = a.bottom;
  } else if (upperHalf) {
    y = r.bottom - h;
    moved = true;
  } else if (a.top - h >= r.top) {
    y = a.top - h;
  } else {
    y = r.top;
    moved = true;
  }

  int x = 0;
  if (!in.submenu && !tall && !moved) {
    x = a.left;
    if (a.left + w > r.right) {
      x = r.right - w;
    } else if (a.left < r.left) {
      x = r.left;
    }
  } else if (a.right + w + 1 <= r.right) {
    x = a.right + 1;
  } else {
    // Left of the anchor; a level that fits on neither side stays on screen.
    x = std::max(a.left - w - 1, r.left);
  }
  return {x, y};
}

int FirstSelectableItem(const std::vector<MenuLevelItem>& items) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (Selectable(items[i])) return static_cast<int>(i);
  }
  return -1;
}

MenuSelection SelectNextItem(const std::vector<MenuLevelItem>& items, const MenuLevelMetrics& m,
                             const gfx::Rect& area, bool scrolling, int selected, int firstShown) {
  const int n = static_cast<int>(items.size());
  const bool wraps = selected < 0 || selected >= n - 1;
  int found = -1;
  for (int i = wraps ? 0 : selected + 1; i < n; ++i) {
    if (Selectable(items[static_cast<std::size_t>(i)])) {
      found = i;
      break;
    }
  }
  if (found < 0) return {selected, firstShown};
  if (!scrolling) return {found, firstShown};
  return {found, ScrollToShow(items, m, area, wraps ? 0 : firstShown, found)};
}

MenuSelection SelectPreviousItem(const std::vector<MenuLevelItem>& items, const MenuLevelMetrics& m,
                                 const gfx::Rect& area, bool scrolling, int selected,
                                 int firstShown) {
  const int n = static_cast<int>(items.size());
  const bool wraps = selected <= 0 || selected >= n;
  int found = -1;
  for (int i = wraps ? n - 1 : selected - 1; i >= 0; --i) {
    if (Selectable(items[static_cast<std::size_t>(i)])) {
      found = i;
      break;
    }
  }
  if (found < 0) return {selected, firstShown};
  if (!scrolling) return {found, firstShown};
  const int start = wraps ? LastStartPosition(items, m, area) : firstShown;
  return {found, ScrollToShow(items, m, area, start, found)};
}

char32_t AcceleratorOf(std::string_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    const auto c = static_cast<unsigned char>(caption[i + 1]);
    if (c < 0x80) return static_cast<char32_t>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    // A multi-byte character: decode its code point.
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
    char32_t cp = c & (0x3F >> extra);
    for (std::size_t k = 1; k <= static_cast<std::size_t>(extra) && i + 1 + k < caption.size();
         ++k) {
      cp = (cp << 6) | (static_cast<unsigned char>(caption[i + 1 + k]) & 0x3F);
    }
    return cp;
  }
  return 0;
}

}  // namespace skin
