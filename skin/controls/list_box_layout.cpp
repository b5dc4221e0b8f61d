// List box arithmetic: heights, visible rows, hit rows, prefix search.
#include "skin/controls/list_box_layout.h"

#include <algorithm>

namespace skin {

int ListHeightForRows(int rows, int itemHeight, bool skinned, int skinHeight, int clientRectHeight,
                      int captionHeight) {
  const int body = std::max(0, rows) * std::max(0, itemHeight);
  if (skinned) return skinHeight + body - clientRectHeight;
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

}  // namespace skin
