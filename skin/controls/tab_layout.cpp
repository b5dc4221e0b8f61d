// The page control's tab row, frame and page area.
#include "skin/controls/tab_layout.h"

#include <algorithm>

namespace skin {

int TabLength(int captionWidth, int imageWidth, int tabWidth) {
  if (tabWidth > 0) return tabWidth;
  int content = std::max(0, captionWidth);
  if (imageWidth > 0) content += imageWidth + 2 * kTabImageGap;
  return content + 2 * kTabPadding;
}

TabRow LayoutTabRow(const TabRowInput& in) {
  TabRow row;
  const int count = static_cast<int>(in.lengths.size());
  const int thick = std::max(0, in.tabHeight);
  const bool vertical = TabsVertical(in.position);
  // Only horizontal rows scroll; a first tab past the end is the last one.
  const int first = vertical ? 0 : std::clamp(in.firstTab, 0, std::max(0, count - 1));
  int start = 0;
  for (int i = 0; i < first; ++i) start -= std::max(0, in.lengths[static_cast<std::size_t>(i)]);
  row.tabs.reserve(in.lengths.size());
  int pos = start;
  for (int len : in.lengths) {
    len = std::max(0, len);
    gfx::Rect r;
    switch (in.position) {
      case TabPosition::tpTop:
        r = {pos, 0, pos + len, thick};
        break;
      case TabPosition::tpBottom:
        r = {pos, in.height - thick, pos + len, in.height};
        break;
      case TabPosition::tpLeft:
        r = {0, pos, thick, pos + len};
        break;
      case TabPosition::tpRight:
        r = {in.width - thick, pos, in.width, pos + len};
        break;
    }
    row.tabs.push_back(r);
    pos += len;
  }
  switch (in.position) {
    case TabPosition::tpTop:
      row.band = {0, 0, in.width, thick};
      break;
    case TabPosition::tpBottom:
      row.band = {0, in.height - thick, in.width, in.height};
      break;
    case TabPosition::tpLeft:
      row.band = {0, 0, thick, in.height};
      break;
    case TabPosition::tpRight:
      row.band = {in.width - thick, 0, in.width, in.height};
      break;
  }
  return row;
}

int HiddenTabs(const TabRow& row, int width, int scrollerWidth) {
  const int limit = width - scrollerWidth - kTabHiddenMargin;
  int hidden = 0;
  for (const gfx::Rect& r : row.tabs)
    if (r.right > limit || r.right <= 0) ++hidden;
  return hidden;
}

int ScrolledOutTabs(const TabRow& row) {
  int out = 0;
  for (const gfx::Rect& r : row.tabs)
    if (r.right <= 0) ++out;
  return out;
}

int TabAt(const TabRow& row, gfx::Point p, int limit) {
  for (std::size_t i = 0; i < row.tabs.size(); ++i) {
    gfx::Rect r = row.tabs[i];
    r.right = std::min(r.right, limit);
    if (gfx::PtInRect(r, p)) return static_cast<int>(i);
  }
  return -1;
}

gfx::Rect TabFrameRect(TabPosition position, int width, int height, int tabHeight) {
  const int thick = std::max(0, tabHeight);
  gfx::Rect f{0, 0, std::max(0, width), std::max(0, height)};
  switch (position) {
    case TabPosition::tpTop:
      f.top = std::min(thick, f.bottom);
      break;
    case TabPosition::tpBottom:
      f.bottom = std::max(0, f.bottom - thick);
      break;
    case TabPosition::tpLeft:
      f.left = std::min(thick, f.right);
      break;
    case TabPosition::tpRight:
      f.right = std::max(0, f.right - thick);
      break;
  }
  return f;
}

gfx::Rect TabPageArea(TabPosition position, int width, int height, int tabHeight,
                      const TabFrameEdges* edges) {
  const gfx::Rect f = TabFrameRect(position, width, height, tabHeight);
  const TabFrameEdges e = edges ? *edges : TabFrameEdges{1, 1, 1, 1};
  gfx::Rect r{f.left + e.left, f.top + e.top, f.right - e.right, f.bottom - e.bottom};
  // A control smaller than its frame gives an empty area at the frame's
  // inner left-top rather than one turned inside out.
  r.right = std::max(r.left, r.right);
  r.bottom = std::max(r.top, r.bottom);
  return r;
}

}  // namespace skin
