// List box arithmetic: heights, visible rows, hit rows, scroll bars,
// columns, the caption bar, prefix search.
#include "skin/controls/list_box_layout.h"

#include <algorithm>

namespace skin {

int ListHeightForRows(int rows, int itemHeight, bool skinned, int skinHeight, int clientRectHeight,
                      int captionHeight) {
  const int body = std::max(0, rows) * std::max(0, itemHeight);
  if (skinned) return skinHeight + body - clientRectHeight + captionHeight;
  return body + 4 + captionHeight;
}

int VisibleListRows(int areaHeight, int itemHeight) {
  if (itemHeight <= 0 || areaHeight <= 0) return 0;
  return areaHeight / itemHeight;
}

int MaxTopIndex(int count, int visibleRows) {
  return std::max(0, count - std::max(visibleRows, 1));
}

int ListItemAt(int y, int topIndex, int itemHeight, int count) {
  if (y < 0 || itemHeight <= 0) return -1;
  const long long index = static_cast<long long>(topIndex) + y / itemHeight;
  return index < count ? static_cast<int>(index) : -1;
}

gfx::Rect ListItemTextRect(const gfx::Rect& itemTextRect, const gfx::Rect& itemRect,
                           int itemWidth) {
  gfx::Rect r = itemTextRect;
  r.right += itemWidth - itemRect.width();
  return r;
}

namespace {
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWith(const std::string& s, const std::string& prefix) {
  if (prefix.size() > s.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (Lower(s[i]) != Lower(prefix[i])) return false;
  return true;
}
}  // namespace

int FindItemWithPrefix(const std::vector<std::string>& items, const std::string& prefix,
                       int after) {
  const int n = static_cast<int>(items.size());
  if (n == 0 || prefix.empty()) return -1;
  const int start = after < 0 || after >= n ? 0 : after + 1;
  for (int k = 0; k < n; ++k) {
    const int i = (start + k) % n;
    if (StartsWith(items[static_cast<std::size_t>(i)], prefix)) return i;
  }
  return -1;
}

namespace {
bool NeedsVBar(const ListBarsInput& in, int height) {
  return (in.rowCount != in.count || in.rowCount == 0) &&
         VisibleListRows(height, in.itemHeight) < in.count;
}

int ColumnsFilled(int count, int rowsPerColumn) {
  if (count <= 0) return 0;
  return static_cast<int>((static_cast<long long>(count) + rowsPerColumn - 1) / rowsPerColumn);
}
}  // namespace

ListBarsLayout LayoutListBars(const ListBarsInput& in) {
  ListBarsLayout l;
  const gfx::Rect c = in.client;
  const int w = std::max(0, c.width());
  const int h = std::max(0, c.height());
  const int vw = std::max(0, in.vBarWidth);
  const int hh = std::max(0, in.hBarHeight);
  const int ih = std::max(1, in.itemHeight);
  if (w <= 0 || h <= 0) {
    l.rows = {c.left, c.top, c.left + w, c.top + h};
    return l;
  }
  if (in.columns > 0) {
    auto rowsFor = [&](int height) { return std::max(1, VisibleListRows(height, ih)); };
    l.hBar = ColumnsFilled(in.count, rowsFor(h)) > in.columns && hh < h;
  } else {
    const int extent = std::max(0, in.horizontalExtent);
    // Each bar narrows the other's room; two rounds settle it, since a bar
    // once needed stays needed when the room shrinks.
    l.vBar = NeedsVBar(in, h) && vw < w;
    l.hBar = extent > w - (l.vBar ? vw : 0) && hh < h;
    l.vBar = NeedsVBar(in, h - (l.hBar ? hh : 0)) && vw < w;
    l.hBar = extent > w - (l.vBar ? vw : 0) && hh < h;
  }
  l.rows = {c.left, c.top, c.right - (l.vBar ? vw : 0), c.bottom - (l.hBar ? hh : 0)};
  if (l.vBar) l.vBarRect = {c.right - vw, c.top, c.right, l.rows.bottom};
  if (l.hBar) l.hBarRect = {c.left, c.bottom - hh, l.rows.right, c.bottom};
  if (l.hBar && l.vBar) l.corner = {l.rows.right, l.rows.bottom, c.right, c.bottom};
  if (in.columns > 0) {
    l.rowsPerColumn = std::max(1, VisibleListRows(l.rows.height(), ih));
    l.columnWidth = std::max(1, l.rows.width() / in.columns);
    l.itemColumns = ColumnsFilled(in.count, l.rowsPerColumn);
    l.visibleColumns = std::max(1, l.rows.width() / l.columnWidth);
  } else {
    l.rowsPerColumn = VisibleListRows(l.rows.height(), ih);
    l.columnWidth = l.rows.width();
  }
  return l;
}

int MaxFirstColumn(int itemColumns, int visibleColumns) {
  return std::max(0, itemColumns - std::max(1, visibleColumns));
}

gfx::Rect ListColumnItemRect(const ListBarsLayout& l, int index, int firstColumn, int itemHeight) {
  const int rows = std::max(1, l.rowsPerColumn);
  const long long column = index / rows - firstColumn;
  const int row = index % rows;
  const long long x = l.rows.left + column * l.columnWidth;
  if (x < -l.columnWidth || x > l.rows.right + l.columnWidth) return {};
  const int left = static_cast<int>(x);
  const int top = l.rows.top + row * itemHeight;
  return {left, top, left + l.columnWidth, top + itemHeight};
}

int ListColumnItemAt(const ListBarsLayout& l, gfx::Point p, int firstColumn, int itemHeight,
                     int count) {
  if (!gfx::PtInRect(l.rows, p) || itemHeight <= 0 || l.columnWidth <= 0) return -1;
  const int row = (p.y - l.rows.top) / itemHeight;
  if (row >= l.rowsPerColumn) return -1;
  const long long index =
      (static_cast<long long>(firstColumn) + (p.x - l.rows.left) / l.columnWidth) *
          l.rowsPerColumn +
      row;
  return index < count ? static_cast<int>(index) : -1;
}

int MaxHorizontalOffset(int extent, int width) { return std::max(0, extent - std::max(0, width)); }

ListCaptionPlaces PlaceListCaption(const gfx::Rect& client, bool captionMode,
                                   const gfx::Rect& placedCaptionRect, int captionHeight) {
  ListCaptionPlaces p;
  p.client = client;
  if (!captionMode) return p;
  if (!gfx::IsNullRect(placedCaptionRect)) {
    p.caption = placedCaptionRect;
    return p;
  }
  const int ch = std::clamp(captionHeight, 0, std::max(0, client.height()));
  p.caption = {client.left, client.top, client.right, client.top + ch};
  p.client.top += ch;
  return p;
}

}  // namespace skin
