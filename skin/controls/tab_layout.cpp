// The page control's tab rows, frame and page area.
#include "skin/controls/tab_layout.h"

#include <algorithm>

namespace skin {

int TabLength(int captionWidth, int imageWidth, int tabWidth) {
  if (tabWidth > 0) return tabWidth;
  int content = std::max(0, captionWidth);
  if (imageWidth > 0) content += imageWidth + 2 * kTabImageGap;
  return content + 2 * kTabPadding;
}

int TabRowLength(TabPosition position, int width, int height) {
  return std::max(0, TabsVertical(position) ? height : width);
}

TabRow LayoutTabRow(const TabRowInput& in) {
  TabRow row;
  const int count = static_cast<int>(in.lengths.size());
  const int thick = std::max(0, in.tabHeight);
  const int gap = std::max(0, in.gap);
  row.vertical = TabsVertical(in.position);
  const int along = TabRowLength(in.position, in.width, in.height);
  auto lengthOf = [&](int i) { return std::max(0, in.lengths[static_cast<std::size_t>(i)]); };

  // The rows as ranges of tabs [first, end).
  std::vector<std::pair<int, int>> lines;
  if (in.multiLine && count > 0) {
    int begin = 0;
    long long used = 0;
    for (int i = 0; i < count; ++i) {
      const long long need = i == begin ? lengthOf(i) : used + gap + lengthOf(i);
      if (i > begin && need > along) {
        lines.emplace_back(begin, i);
        begin = i;
        used = lengthOf(i);
      } else {
        used = need;
      }
    }
    lines.emplace_back(begin, count);
  } else {
    lines.emplace_back(0, count);
  }
  const int n = static_cast<int>(lines.size());
  row.rows = n;
  // Slot 0 lies at the control's edge, slot n - 1 next to the page area.
  std::vector<int> slot(static_cast<std::size_t>(n));
  for (int l = 0; l < n; ++l) slot[static_cast<std::size_t>(l)] = l;
  if (in.multiLine && in.rotateRows && n > 1 && in.selected >= 0 && in.selected < count) {
    int s = 0;
    while (in.selected >= lines[static_cast<std::size_t>(s)].second) ++s;
    for (int l = 0; l < n; ++l) slot[static_cast<std::size_t>(l)] = (l - s - 1 + n) % n;
  }
  const int band = n * thick + (n - 1) * gap;

  row.tabs.resize(in.lengths.size());
  for (int l = 0; l < n; ++l) {
    const auto [begin, end] = lines[static_cast<std::size_t>(l)];
    // Only a single row scrolls; a first tab past the end is the last one.
    int pos = 0;
    if (!in.multiLine) {
      const int first = std::clamp(in.firstTab, 0, std::max(0, count - 1));
      for (int i = 0; i < first; ++i) pos -= lengthOf(i) + gap;
    }
    // Several rows are stretched to the length along the row.
    long long total = 0;
    for (int i = begin; i < end; ++i) total += lengthOf(i) + (i > begin ? gap : 0);
    const int k = end - begin;
    const long long extra = n > 1 && k > 0 && total < along ? along - total : 0;
    const int across = slot[static_cast<std::size_t>(l)] * (thick + gap);
    for (int i = begin; i < end; ++i) {
      int len = lengthOf(i);
      if (extra > 0) len += static_cast<int>(extra / k + (i - begin < extra % k ? 1 : 0));
      gfx::Rect r;
      switch (in.position) {
        case TabPosition::tpTop:
          r = {pos, across, pos + len, across + thick};
          break;
        case TabPosition::tpBottom:
          r = {pos, in.height - across - thick, pos + len, in.height - across};
          break;
        case TabPosition::tpLeft:
          r = {across, pos, across + thick, pos + len};
          break;
        case TabPosition::tpRight:
          r = {in.width - across - thick, pos, in.width - across, pos + len};
          break;
      }
      row.tabs[static_cast<std::size_t>(i)] = r;
      pos += len + gap;
    }
  }
  switch (in.position) {
    case TabPosition::tpTop:
      row.band = {0, 0, in.width, band};
      break;
    case TabPosition::tpBottom:
      row.band = {0, in.height - band, in.width, in.height};
      break;
    case TabPosition::tpLeft:
      row.band = {0, 0, band, in.height};
      break;
    case TabPosition::tpRight:
      row.band = {in.width - band, 0, in.width, in.height};
      break;
  }
  return row;
}

int HiddenTabs(const TabRow& row, int length, int scrollerLength) {
  const int limit = length - scrollerLength - kTabHiddenMargin;
  int hidden = 0;
  for (const gfx::Rect& r : row.tabs) {
    const int far = row.vertical ? r.bottom : r.right;
    if (far > limit || far <= 0) ++hidden;
  }
  return hidden;
}

int ScrolledOutTabs(const TabRow& row) {
  int out = 0;
  for (const gfx::Rect& r : row.tabs)
    if ((row.vertical ? r.bottom : r.right) <= 0) ++out;
  return out;
}

int TabAt(const TabRow& row, gfx::Point p, int limit) {
  for (std::size_t i = 0; i < row.tabs.size(); ++i) {
    gfx::Rect r = row.tabs[i];
    if (row.vertical) {
      r.bottom = std::min(r.bottom, limit);
    } else {
      r.right = std::min(r.right, limit);
    }
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
