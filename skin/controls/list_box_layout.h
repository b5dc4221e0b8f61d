// The arithmetic of the skinned list boxes: item heights, the height of a
// list for a number of rows, the rows that fit, the item under a point, the
// text rectangle of an item and the case-insensitive prefix search. Plain
// functions, checked as tables without a window.
#pragma once

#include <string>
#include <vector>

#include "ui/graphics/geometry.h"

namespace skin {

// rows x item height + 4 without a section (+ caption height), with one
// skinH + rows x item height - height(clientrect).
int ListHeightForRows(int rows, int itemHeight, bool skinned, int skinHeight, int clientRectHeight,
                      int captionHeight = 0);

// The rows wholly visible in an area of that height (at least 0).
int VisibleListRows(int areaHeight, int itemHeight);

// The largest top row that still fills the area (0 when all fit).
int MaxTopIndex(int count, int visibleRows);

// The item at y in the list area, -1 outside the items.
int ListItemAt(int y, int topIndex, int itemHeight, int count);

// itemtextrect with its right edge moved by itemWidth - width(itemrect).
gfx::Rect ListItemTextRect(const gfx::Rect& itemTextRect, const gfx::Rect& itemRect, int itemWidth);

// The first item starting with prefix (case-insensitive for ASCII and
// exact for other bytes), searching from the item after `after` and
// wrapping; after = -1 searches from the first. -1 when none matches.
int FindItemWithPrefix(const std::vector<std::string>& items, const std::string& prefix, int after);

}  // namespace skin
